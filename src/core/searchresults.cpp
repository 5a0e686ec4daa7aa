#include "core/searchresults.h"

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

std::string SearchResultDescription(const FindRecord &record)
{
    std::string description(record.windowTitle);
    description += " \u203a ";
    description += record.caption;
    return description;
}

SearchResults::SearchResults(const CatalogueIndex &index) : index_(index)
{
    for (const FindRecord &record : index.Records())
        byId_.emplace(SearchResultId(record), &record);
}

const SearchResults &SearchResults::Catalogue()
{
    static const SearchResults results(CatalogueIndex::Catalogue());
    return results;
}

std::string SearchResults::SearchQuery(std::span<const std::string> terms)
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

std::vector<FindHit> SearchResults::Search(std::span<const std::string> terms,
                                           const FindUsage &usage) const
{
    std::vector<FindHit> hits = index_.Find(SearchQuery(terms), usage);
    if (hits.size() > kMaxSearchResults)
        hits.resize(kMaxSearchResults);
    return hits;
}

const FindRecord *SearchResults::Record(std::string_view id) const
{
    const auto found = byId_.find(std::string(id));
    return found == byId_.end() ? nullptr : found->second;
}

} // namespace benchlist
