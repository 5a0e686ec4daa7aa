// SPDX-FileCopyrightText: 2026 Veldmark
//
// SPDX-License-Identifier: GPL-3.0-or-later

// What the desktop's search sees of the catalogue: the index's best matches for
// a list of terms, each under an id that names its window, drop-down and text,
// so that an id handed out by one run still means the same page in the next;
// and what --find prints. Plain C++ over the catalogue index; no display and
// no bus needed.
#pragma once

#include "find/catalogueindex.h"

#include <cstddef>
#include <span>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace benchlist {

// The desktop shows a short list; longer ones only bury the good matches.
inline constexpr std::size_t kMaxSearchResults = 20;

// Terms come from any client on the bus. Far more than anyone types is cut to
// this many bytes, which keeps a search of megabytes as cheap as a typed one.
inline constexpr std::size_t kMaxSearchQueryBytes = 1024;

// "frmMonitors/cbFlat/17-inch LCD": window and drop-down names hold no '/',
// so the text after the second one is the text as it stands.
std::string SearchResultId(const FindRecord &record);

// Where a result lives, as the desktop's search and the find window show it:
// "PC Components › Cables and, Adapter Cards".
std::string SearchResultDescription(const FindRecord &record);

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

// What `benchlist --find` answers.
struct FindAnswer {
    std::string lines; // for standard output: FindListing() of the hits
    std::string note;  // for standard error: one line, or nothing
    int status;        // the exit status
};

// Exit statuses of --find besides 0, every word matched.
inline constexpr int kFoundNothing = 1;
inline constexpr int kFoundPartly = 3; // the lines are hits that lack some words

// Hits that lack words are listed only when no record has every word; then
// the note names the words the first of them leave out, and any others that
// hits further down lack.
// `language` as CatalogueIndex::Find takes it.
FindAnswer AnswerFind(const CatalogueIndex &index, std::string_view query,
                      std::string_view language = "en");

class SearchResults {
public:
    explicit SearchResults(const CatalogueIndex &index);

    // The catalogue's own results, built on first use.
    static const SearchResults &Catalogue();

    // The best matches for the terms taken together (their first
    // kMaxSearchQueryBytes), best first, at most kMaxSearchResults, ranked
    // with the shopper's `usage` of the query SearchQuery() makes of them.
    std::vector<FindHit> Search(std::span<const std::string> terms, const FindUsage &usage = {},
                                std::string_view language = "en") const;
    // The terms as one query, as Search() looks them up.
    static std::string SearchQuery(std::span<const std::string> terms);

    // The record an id names, or null for an id no record has.
    const FindRecord *Record(std::string_view id) const;

private:
    const CatalogueIndex &index_;
    std::unordered_map<std::string, const FindRecord *> byId_;
};

} // namespace benchlist
