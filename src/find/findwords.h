// SPDX-FileCopyrightText: 2026 Veldmark
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Cutting text into the words find compares, each folded (see fold.h).
#pragma once

#include <cstddef>
#include <limits>
#include <string>
#include <string_view>
#include <vector>

namespace benchlist {

// A word of a text as find compares it, and where it stands in the text.
struct FindWordSpan {
    std::string word;
    std::size_t begin; // bytes into the text
    std::size_t end;
    bool gluedToNext;   // "DVD-RW": a hyphen, slash or dot joins it to the next word
    std::string second; // "grosse" for "größe": the word with "ae", "oe", "ue"; or empty
};

// A decimal digit of ASCII, whatever the C locale says.
constexpr bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

// Splits a text into words: letters and digits folded, apostrophes dropped
// ("PDA's" is "pdas"), a dot between digits kept ("2.4"), marks dropped, every
// other character a separator, a byte that is not UTF-8 too. At most `most`
// words.
std::vector<FindWordSpan> FindWordSpans(std::string_view text,
                                        std::size_t most = std::numeric_limits<std::size_t>::max());
std::vector<std::string> FindWords(std::string_view text);

// The text's words run together: "DVD-RW Drives" is "dvdrwdrives".
std::string FindCompact(std::string_view text);

} // namespace benchlist
