// SPDX-FileCopyrightText: 2026 Veldmark
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Folding: the form in which find compares text, whatever the shopper's
// keyboard or the catalogue wrote. Case is folded, accents and other marks are
// dropped, full-width and compatibility forms become plain ("ＵＳＢ" is "usb",
// "ﬁ" is "fi"), "ß" is "ss". "ä", "ö" and "ü" fold to "a", "o" and "u", and
// have a second form with "ae", "oe" and "ue", as German writes them without
// the marks.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace benchlist {

enum class FoldedKind : unsigned char {
    Word,      // letters or digits, appended to the word
    Mark,      // an accent or other mark, dropped: the word goes on
    Separator, // blanks, punctuation, symbols, and a byte of no UTF-8 character
};

struct FoldedCharacter {
    std::size_t size; // bytes of the text it took
    FoldedKind kind;
};

// Folds the character at `at` of `text`, appending what it folds to to `word`,
// and to `second` the word's second form: `second` stays empty until the word
// has an "ä", "ö" or "ü", and from then on is the word with "ae", "oe", "ue".
FoldedCharacter FoldNext(std::string_view text, std::size_t at, std::string &word,
                         std::string &second);

// The whole text folded character by character, punctuation kept, runs of
// blanks made one blank, none at either end: the form queries are kept in.
std::string FoldText(std::string_view text);

} // namespace benchlist
