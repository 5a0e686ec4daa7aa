// SPDX-FileCopyrightText: 2026 Veldmark
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "find/findrank.h"

#include <algorithm>
#include <bit>
#include <cmath>

namespace benchlist {

namespace {

using U = std::uint64_t;

// A float's order, as an unsigned's.
U Ordered(float x)
{
    const auto bits = std::bit_cast<std::uint32_t>(x + 0.0F); // -0 is 0
    return bits >> 31 ? ~bits : bits | std::uint32_t(1) << 31;
}

// Usage comes from a file the shopper may have edited: take only sound values.
float Minus(double x)
{
    return std::isfinite(x) && x > 0 ? -static_cast<float>(std::min(x, 1e30)) : 0.0F;
}

U Byte(std::size_t n)
{
    return std::min<U>(n, 0xff);
}

// Where each part lies in the key: [word, shift]. The middle of the first word
// depends on whether the record lacks words. A full match (which lacks none)
// puts a slip first and then the words reached through the vocabulary; of
// records that lack as many words, those holding the rest by the shopper's
// own words come first, then those lacking the words fewest records hold, then
// any slip.
constexpr int kMissingShift = 56, kFirstShift = 49, kSecondShift = 33, kThirdShift = 32;
constexpr int kWholeShift = 63, kTyposShift = 55, kOutsideShift = 47, kNearnessShift = 39,
              kFieldsShift = 31, kInexactShift = 23, kStartsShift = 22;

} // namespace

FindRank::FindRank(const Parts &parts)
{
    const FindScore &s = parts.score;
    const bool typo = s.typos > 0;
    // Chosen before lifts only a full, exact match.
    const float unchosen = parts.missing == 0 && !typo ? Minus(parts.use.chosen) : 0.0F;
    constexpr U kMostSorted = 0xffff; // the longest text and the most records kept apart
    const U vocabulary = std::min<U>(s.vocabulary, 0x7f);
    const bool partial = parts.missing > 0;
    key_[0] = Byte(parts.missing) << kMissingShift | (partial ? vocabulary : U(typo)) << kFirstShift
              | (partial ? U(parts.lacked & 0xffff) : vocabulary) << kSecondShift
              | U(partial && typo) << kThirdShift | (Ordered(unchosen) & 0xffffffff);
    key_[1] = U(!s.wholeText) << kWholeShift | Byte(s.typos) << kTyposShift
              | Byte(s.outside) << kOutsideShift | Byte(s.nearness) << kNearnessShift
              | Byte(s.fields) << kFieldsShift | Byte(s.inexact) << kInexactShift
              | U(!s.startsText) << kStartsShift;
    key_[2] = Ordered(Minus(parts.use.weight)) << 32 | std::min<U>(parts.length, kMostSorted) << 16
              | std::min<U>(parts.order, kMostSorted);
}

bool FindRank::Partial() const
{
    return key_[0] >> kMissingShift != 0;
}

bool FindRank::Typo() const
{
    return Partial() ? (key_[0] >> kThirdShift & 1U) != 0 : (key_[0] >> kFirstShift & 0x7f) != 0;
}

unsigned FindRank::Vocabulary() const
{
    return unsigned(Partial() ? key_[0] >> kFirstShift & 0x7f : key_[0] >> kSecondShift & 0xffff);
}

bool FindRank::Exact() const
{
    return !Partial() && !Typo() && Vocabulary() == 0 && key_[1] >> kWholeShift == 0;
}

double FindRank::Relevance() const
{
    if (Exact())
        return 1.0;
    const auto part = [this](int shift) { return double(key_[1] >> shift & 0xff); };
    const double loss = part(kTyposShift) + double(Vocabulary()) + 0.25 * part(kNearnessShift)
                        + 0.25 * part(kFieldsShift) + 0.1 * part(kInexactShift)
                        + 0.05 * double(key_[1] >> kStartsShift & 1U);
    const double quality = 0.9 / (1.0 + loss);
    const auto missing = double(key_[0] >> kMissingShift);
    return missing == 0 ? quality : 0.5 * quality / (1.0 + missing);
}

} // namespace benchlist
