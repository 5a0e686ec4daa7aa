// SPDX-FileCopyrightText: 2026 Veldmark
//
// SPDX-License-Identifier: GPL-3.0-or-later

// What the desktop's search sees of find: the best matches for a list of
// terms, and the types and relevances KRunner sorts them by. Plain C++ over
// the catalogue index; no bus needed.
#pragma once

#include "find/catalogueindex.h"

#include <cstddef>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace benchlist {

// The desktop shows a short list; longer ones only bury the good matches.
inline constexpr std::size_t kMaxSearchResults = 20;

// Terms come from any client on the bus. Far more than anyone types is cut to
// this many bytes, which keeps a search of megabytes as cheap as a typed one.
inline constexpr std::size_t kMaxSearchQueryBytes = 1024;

// The terms as one query (their first kMaxSearchQueryBytes), as DesktopSearch
// looks them up.
std::string DesktopQuery(std::span<const std::string> terms);

// The best matches for the terms taken together, best first, at most
// kMaxSearchResults, ranked with the shopper's `usage` of DesktopQuery(terms).
// `language` as CatalogueIndex::Find takes it.
std::vector<FindHit> DesktopSearch(const CatalogueIndex &index, std::span<const std::string> terms,
                                   const UsageScorer &usage = {}, std::string_view language = "en");

// KRunner's match types: KRunner shows matches by type, higher first, and of
// one type by relevance, higher first.
inline constexpr int kKRunnerExactMatch = 100;
inline constexpr int kKRunnerPossibleMatch = 30;

struct KRunnerRank {
    int type;
    double relevance; // above 0, at most 1
};

// Types and relevances for hits given best first, such that KRunner's sort
// keeps their order: the leading matches of the query's very text are exact
// matches, the rest possible ones. Both are read off the hits' ranks: a
// relevance says how good the match is (partial matches stay at 0.5 or
// below) and always falls along the list.
std::vector<KRunnerRank> KRunnerRanks(std::span<const FindHit> hits);

} // namespace benchlist
