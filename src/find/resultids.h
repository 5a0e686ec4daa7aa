// SPDX-FileCopyrightText: 2026 Veldmark
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Results as they leave the program: under an id that names their window,
// drop-down and text, so that an id handed out by one run still means the same
// page in the next; and what --find prints. Plain C++ over the catalogue index.
#pragma once

#include "find/catalogueindex.h"

#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace benchlist {

// "frmMonitors/cbFlat/17-inch LCD": window and drop-down names hold no '/',
// so the text after the second one is the text as it stands.
std::string SearchResultId(std::string_view windowName, std::string_view dropDownName,
                           std::string_view text);
// The id of a record's page.
std::string SearchResultId(const FindRecord &record);

// One line per hit, best first: text, window title, drop-down caption and
// address, split by tabs.
std::string FindListing(const std::vector<FindHit> &hits);

// What `benchlist --find` finds, for the program to say. Hits that lack words
// are found only when no record has every word.
struct FindAnswer {
    std::vector<FindHit> hits;            // best first
    std::vector<std::string> leftOut;     // the words the best hits lack, in the query's order
    std::vector<std::string> furtherDown; // others that hits further down lack, in its order

    // The exit status: 0 when every word matched.
    int Status() const;
};

// Exit statuses of --find besides 0, every word matched.
inline constexpr int kFoundNothing = 1;
inline constexpr int kFoundPartly = 3; // the lines are hits that lack some words

// `language` as CatalogueIndex::Find takes it.
FindAnswer AnswerFind(const CatalogueIndex &index, std::string_view query,
                      std::string_view language = "en");

class SearchResults {
public:
    explicit SearchResults(const CatalogueIndex &index);

    // The catalogue's own results, built on first use.
    static const SearchResults &Catalogue();

    // The record an id names, or null for an id no record has.
    const FindRecord *Record(std::string_view id) const;

private:
    std::unordered_map<std::string, const FindRecord *> byId_;
};

} // namespace benchlist
