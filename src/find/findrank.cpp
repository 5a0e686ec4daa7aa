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
    : missing(Clamped<std::uint8_t>(parts.missing)),
      fullTypo(parts.missing == 0 && parts.score.typos > 0),
      vocabulary(Clamped<std::uint16_t>(parts.score.vocabulary)),
      lacked(parts.missing > 0 ? parts.lacked : 0),
      partialTypo(parts.missing > 0 && parts.score.typos > 0),
      // Chosen before lifts only a full, exact match.
      unchosen(parts.missing == 0 && parts.score.typos == 0 ? Minus(parts.use.chosen) : 0),
      notWholeText(!parts.score.wholeText), typos(Clamped<std::uint8_t>(parts.score.typos)),
      outside(Clamped<std::uint8_t>(parts.score.outside)),
      nearness(Clamped<std::uint8_t>(parts.score.nearness)),
      fields(Clamped<std::uint8_t>(parts.score.fields)),
      inexact(Clamped<std::uint8_t>(parts.score.inexact)), notStartingText(!parts.score.startsText),
      unused(Minus(parts.use.weight)), length(Clamped<std::uint16_t>(parts.length)),
      order(Clamped<std::uint16_t>(parts.order))
{
}

bool FindRank::Exact() const
{
    return !Partial() && !Typo() && vocabulary == 0 && !notWholeText;
}

double FindRank::Relevance() const
{
    if (Exact())
        return 1.0;
    const double loss = typos + double(vocabulary) + 0.25 * nearness + 0.25 * fields + 0.1 * inexact
                        + 0.05 * double(notStartingText);
    const double quality = 0.9 / (1.0 + loss);
    return missing == 0 ? quality : 0.5 * quality / (1.0 + missing);
}

} // namespace benchlist
