// SPDX-FileCopyrightText: 2026 Veldmark
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "service/desktopresults.h"

#include <algorithm>

namespace benchlist {

std::string DesktopQuery(std::span<const std::string> terms)
{
    std::string query;
    for (const std::string &term : terms) {
        if (query.size() >= kMaxSearchQueryBytes)
            break;
        query.append(term, 0, kMaxSearchQueryBytes - query.size());
        query += ' ';
    }
    return query;
}

std::vector<FindHit> DesktopSearch(const CatalogueIndex &index, std::span<const std::string> terms,
                                   const UsageScorer &usage, std::string_view language)
{
    std::vector<FindHit> hits = index.Find(DesktopQuery(terms), usage, language);
    if (hits.size() > kMaxSearchResults)
        hits.resize(kMaxSearchResults);
    return hits;
}

std::vector<KRunnerRank> KRunnerRanks(std::span<const FindHit> hits)
{
    // Each relevance at most a step below the one before it, so that a hit
    // the order puts first for reasons the quality does not weigh (a choice
    // made before, a shorter text) still comes first.
    constexpr double kStep = 0.99;
    std::vector<KRunnerRank> ranks;
    ranks.reserve(hits.size());
    bool exact = true;
    for (const FindHit &hit : hits) {
        exact = exact && hit.rank.Exact();
        double relevance = hit.rank.Relevance();
        if (!ranks.empty())
            relevance = std::min(relevance, ranks.back().relevance * kStep);
        ranks.push_back({exact ? kKRunnerExactMatch : kKRunnerPossibleMatch, relevance});
    }
    return ranks;
}

} // namespace benchlist
