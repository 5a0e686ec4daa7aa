// SPDX-FileCopyrightText: 2026 Veldmark
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "find/findrank.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <limits>

namespace benchlist {

namespace {

// Usage comes from a file the shopper may have edited: take only sound values.
// The more a page was used, the lower: the value's float in an integer's
// order, so that ranks compare as integers do.
std::int32_t Minus(double x)
{
    const float use = std::isfinite(x) && x > 0 ? static_cast<float>(std::min(x, 1e30)) : 0.0F;
    return -std::bit_cast<std::int32_t>(use); // a float above 0 orders as its bits do
}

template <typename Small> Small Clamped(std::size_t n)
{
    return static_cast<Small>(std::min<std::size_t>(n, std::numeric_limits<Small>::max()));
}

} // namespace

FindRank::FindRank(const Parts &parts)
    : fit{Clamped<std::uint8_t>(parts.missing), parts.missing == 0 && parts.score.typos > 0,
          Clamped<std::uint16_t>(parts.score.vocabulary), parts.missing > 0 ? parts.lacked : 0,
          parts.missing > 0 && parts.score.typos > 0},
      // Chosen before lifts only a full, exact match.
      choice{parts.missing == 0 && parts.score.typos == 0 ? Minus(parts.use.chosen) : 0},
      closeness{!parts.score.wholeText,
                Clamped<std::uint8_t>(parts.score.typos),
                Clamped<std::uint8_t>(parts.score.outside),
                Clamped<std::uint8_t>(parts.score.nearness),
                Clamped<std::uint8_t>(parts.score.fields),
                Clamped<std::uint8_t>(parts.score.inexact),
                !parts.score.startsText},
      standing{Minus(parts.use.weight), Clamped<std::uint16_t>(parts.length),
               Clamped<std::uint16_t>(parts.order)}
{
}

bool FindRank::Exact() const
{
    return !Partial() && !Typo() && fit.vocabulary == 0 && !closeness.notWholeText;
}

double FindRank::Relevance() const
{
    if (Exact())
        return 1.0;
    const Closeness &c = closeness;
    const double loss = c.typos + double(fit.vocabulary) + 0.25 * c.nearness + 0.25 * c.fields
                        + 0.1 * c.inexact + 0.05 * double(c.notStartingText);
    const double quality = 0.9 / (1.0 + loss);
    return fit.missing == 0 ? quality : 0.5 * quality / (1.0 + fit.missing);
}

} // namespace benchlist
