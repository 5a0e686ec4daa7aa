// SPDX-FileCopyrightText: 2026 Veldmark
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The catalogue's texts are UTF-8 string views; the windows show QStrings.
#pragma once

#include <QString>

#include <string_view>

namespace benchlist {

inline QString ToQString(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace benchlist
