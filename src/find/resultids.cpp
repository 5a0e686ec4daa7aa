// SPDX-FileCopyrightText: 2026 Veldmark
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "find/resultids.h"

#include "core/catalogueexport.h"

#include <algorithm>

namespace benchlist {

std::string SearchResultId(const FindRecord &record)
{
    std::string id(record.windowName);
    id += '/';
    id += record.dropDownName;
    id += '/';
    id += record.text;
    return id;
}

std::string FindListing(const std::vector<FindHit> &hits)
{
    std::string out;
    for (const FindHit &hit : hits) {
        const FindRecord &record = *hit.record;
        AppendFields(out, {record.text, record.windowTitle, record.caption, record.address});
    }
    return out;
}

namespace {

// "card, paper", in the order of the query.
std::string WordList(std::vector<std::string> words, const std::vector<std::string> &query)
{
    const auto place = [&](const std::string &word) {
        return std::find(query.begin(), query.end(), word) - query.begin();
    };
    std::stable_sort(words.begin(), words.end(), [&](const std::string &a, const std::string &b) {
        return place(a) < place(b);
    });
    std::string list;
    for (const std::string &word : words)
        list.append(list.empty() ? "" : ", ").append(word);
    return list;
}

} // namespace

FindAnswer AnswerFind(const CatalogueIndex &index, std::string_view query,
                      std::string_view language)
{
    const std::vector<FindHit> hits = index.Find(query, {}, language);
    FindAnswer answer{FindListing(hits), {}, 0};
    // The words the best hits lack: those the search gave up first. Hits
    // further down may lack others as well.
    const std::vector<std::string> first =
        hits.empty()
            ? std::vector<std::string>{}
            : std::vector<std::string>(hits.front().missing.begin(), hits.front().missing.end());
    std::vector<std::string> further;
    for (const FindHit &hit : hits)
        for (const std::string &word : hit.missing)
            if (std::find(first.begin(), first.end(), word) == first.end()
                && std::find(further.begin(), further.end(), word) == further.end())
                further.push_back(word);
    if (hits.empty()) {
        answer.note = "benchlist: no category matches those words\n";
        answer.status = kFoundNothing;
    } else if (!first.empty()) {
        const std::vector<std::string> words = FindInformativeWords(query);
        answer.note = "benchlist: no category has every word; left out: " + WordList(first, words);
        if (!further.empty())
            answer.note += "; further down also: " + WordList(further, words);
        answer.note += '\n';
        answer.status = kFoundPartly;
    }
    return answer;
}

SearchResults::SearchResults(const CatalogueIndex &index)
{
    for (const FindRecord &record : index.Records())
        byId_.emplace(SearchResultId(record), &record);
}

const SearchResults &SearchResults::Catalogue()
{
    static const SearchResults results(CatalogueIndex::Catalogue());
    return results;
}

const FindRecord *SearchResults::Record(std::string_view id) const
{
    const auto found = byId_.find(std::string(id));
    return found == byId_.end() ? nullptr : found->second;
}

} // namespace benchlist
