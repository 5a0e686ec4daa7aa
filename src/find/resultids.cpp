// SPDX-FileCopyrightText: 2026 Veldmark
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "find/resultids.h"

#include "core/catalogueexport.h"
#include "core/shops.h"

namespace benchlist {

std::string SearchResultId(std::string_view windowName, std::string_view dropDownName,
                           std::string_view text)
{
    std::string id(windowName);
    id.append("/").append(dropDownName).append("/").append(text);
    return id;
}

std::string SearchResultId(const FindRecord &record)
{
    return SearchResultId(record.windowName, record.dropDownName, record.text);
}

std::string FindListing(const std::vector<FindHit> &hits)
{
    std::string out;
    for (const FindHit &hit : hits) {
        const FindRecord &record = *hit.record;
        AppendFields(out, {record.text, record.windowTitle, record.caption,
                           PageAddress(record.windowName, record.dropDownName, record.text)});
    }
    return out;
}

int FindAnswer::Status() const
{
    return hits.empty() ? kFoundNothing : leftOut.empty() ? 0 : kFoundPartly;
}

FindAnswer AnswerFind(const CatalogueIndex &index, std::string_view query,
                      std::string_view language)
{
    FindAnswer answer{index.Find(query, {}, language), {}, {}};
    if (answer.hits.empty() || !answer.hits.front().Partial())
        return answer;
    // The words the best hits lack: those the search gave up first. Hits
    // further down may lack others as well.
    const FindMissing &first = answer.hits.front().missing;
    TermSet further;
    for (const FindHit &hit : answer.hits)
        further |= hit.missing.Which();
    further = further.Minus(first.Which());
    const std::vector<std::string> &words = first.Words();
    answer.leftOut.assign(first.begin(), first.end());
    further.Each([&](std::size_t word) { answer.furtherDown.push_back(words[word]); });
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
