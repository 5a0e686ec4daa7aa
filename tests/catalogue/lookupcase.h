// SPDX-FileCopyrightText: 2026 Veldmark
//
// SPDX-License-Identifier: GPL-3.0-or-later

// One row of a window's lookup table test: the text a drop-down shows and the
// page path it must open; an empty path means the error page.
#pragma once

#include <string_view>

namespace benchlist::cases {

struct LookupCase {
    std::string_view what;     // row name, unique within the window
    std::string_view dropDown; // e.g. "cbFlat"
    std::string_view text;     // exactly what the field holds
    std::string_view path;     // "" for the error page
};

} // namespace benchlist::cases
