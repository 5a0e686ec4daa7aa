// SPDX-FileCopyrightText: 2026 Veldmark
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "find/fold.h"

#include <utf8proc.h>

#include <array>

namespace benchlist {

namespace {

void AppendUtf8(std::string &out, utf8proc_int32_t code)
{
    std::array<utf8proc_uint8_t, 4> bytes{};
    const utf8proc_ssize_t size = utf8proc_encode_char(code, bytes.data());
    out.append(reinterpret_cast<const char *>(bytes.data()), static_cast<std::size_t>(size));
}

bool IsWordCategory(utf8proc_int32_t code)
{
    switch (utf8proc_category(code)) {
    case UTF8PROC_CATEGORY_LU:
    case UTF8PROC_CATEGORY_LL:
    case UTF8PROC_CATEGORY_LT:
    case UTF8PROC_CATEGORY_LM:
    case UTF8PROC_CATEGORY_LO:
    case UTF8PROC_CATEGORY_ND:
        return true;
    default:
        return false;
    }
}

// "ä", "ö", "ü" in either case: the vowel German also writes with an "e".
bool IsUmlaut(utf8proc_int32_t code)
{
    switch (code) {
    case 0xe4:
    case 0xf6:
    case 0xfc:
    case 0xc4:
    case 0xd6:
    case 0xdc:
        return true;
    default:
        return false;
    }
}

constexpr utf8proc_int32_t kCombiningDiaeresis = 0x308;

FoldedCharacter FoldAscii(char c, std::string &word, std::string &second)
{
    const bool upper = c >= 'A' && c <= 'Z';
    if (!upper && !(c >= 'a' && c <= 'z') && !(c >= '0' && c <= '9'))
        return {1, FoldedKind::Separator};
    const char folded = upper ? static_cast<char>(c - 'A' + 'a') : c;
    word += folded;
    if (!second.empty())
        second += folded;
    return {1, FoldedKind::Word};
}

} // namespace

FoldedCharacter FoldNext(std::string_view text, std::size_t at, std::string &word,
                         std::string &second)
{
    const auto lead = static_cast<unsigned char>(text[at]);
    if (lead < 0x80)
        return FoldAscii(static_cast<char>(lead), word, second);
    utf8proc_int32_t code = 0;
    const utf8proc_ssize_t size =
        utf8proc_iterate(reinterpret_cast<const utf8proc_uint8_t *>(text.data() + at),
                         static_cast<utf8proc_ssize_t>(text.size() - at), &code);
    if (size <= 0) // what every way in makes of it, U+FFFD, separates words too
        return {1, FoldedKind::Separator};
    const auto taken = static_cast<std::size_t>(size);
    if (code == kCombiningDiaeresis && !word.empty()
        && (word.back() == 'a' || word.back() == 'o' || word.back() == 'u')) {
        if (second.empty())
            second = word;
        second += 'e'; // "a" and a separate diaeresis: "ä" as it may also be written
        return {taken, FoldedKind::Mark};
    }
    const utf8proc_propval_t category = utf8proc_category(code);
    if (category == UTF8PROC_CATEGORY_MN || category == UTF8PROC_CATEGORY_MC
        || category == UTF8PROC_CATEGORY_ME)
        return {taken, FoldedKind::Mark};
    std::array<utf8proc_int32_t, 32> folded{};
    int boundary = 0;
    const utf8proc_ssize_t count = utf8proc_decompose_char(
        code, folded.data(), folded.size(),
        static_cast<utf8proc_option_t>(UTF8PROC_DECOMPOSE | UTF8PROC_COMPAT | UTF8PROC_CASEFOLD
                                       | UTF8PROC_STRIPMARK),
        &boundary);
    const bool umlaut = IsUmlaut(code);
    if (umlaut && second.empty())
        second = word;
    bool any = false;
    for (utf8proc_ssize_t i = 0; i < count && i < utf8proc_ssize_t(folded.size()); ++i) {
        if (!IsWordCategory(folded[std::size_t(i)]))
            continue;
        AppendUtf8(word, folded[std::size_t(i)]);
        if (umlaut || !second.empty())
            AppendUtf8(second, folded[std::size_t(i)]);
        any = true;
    }
    if (umlaut)
        second += 'e';
    return {taken, any ? FoldedKind::Word : FoldedKind::Separator};
}

std::string FoldText(std::string_view text)
{
    std::string folded;
    folded.reserve(text.size());
    std::string second;
    bool blank = false;
    for (std::size_t at = 0; at < text.size();) {
        const auto c = static_cast<unsigned char>(text[at]);
        if (c == ' ' || (c >= '\t' && c <= '\r')) {
            blank = !folded.empty();
            ++at;
            continue;
        }
        if (blank)
            folded += ' ';
        blank = false;
        const std::size_t before = folded.size();
        const FoldedCharacter next = FoldNext(text, at, folded, second);
        if (next.kind == FoldedKind::Separator && folded.size() == before)
            folded.append(text.substr(at, next.size)); // punctuation as it stands
        at += next.size;
    }
    return folded;
}

} // namespace benchlist
