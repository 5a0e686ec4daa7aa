// SPDX-FileCopyrightText: 2026 Veldmark
//
// SPDX-License-Identifier: GPL-3.0-or-later

// How the text of a drop-down becomes the address of a page.
#pragma once

#include "base/categorydata.h"

#include <string>
#include <string_view>

namespace benchlist {

// Of the entries whose text equals `text` exactly (same characters, same case,
// nothing trimmed), the one a drop-down opens: the last. Null when none does.
const PageEntry *WinningEntry(std::span<const PageEntry> pages, std::string_view text);

// The page of the winning entry for `text`, or the error page when no entry has it.
std::string LookupPage(std::span<const PageEntry> pages, std::string_view text);

} // namespace benchlist
