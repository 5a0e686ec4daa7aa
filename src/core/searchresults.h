// What the desktop's search sees of the catalogue: the index's best matches for
// a list of terms, each under an id that names its window, drop-down and text,
// so that an id handed out by one run still means the same page in the next.
// Plain C++ over the catalogue index; no display and no bus needed.
#pragma once

#include "core/catalogueindex.h"

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

class SearchResults {
public:
    explicit SearchResults(const CatalogueIndex &index);

    // The catalogue's own results, built on first use.
    static const SearchResults &Catalogue();

    // The best matches for the terms taken together (their first
    // kMaxSearchQueryBytes), best first, at most kMaxSearchResults, ranked
    // with the shopper's `usage` of the query SearchQuery() makes of them.
    std::vector<FindHit> Search(std::span<const std::string> terms,
                                const FindUsage &usage = {}) const;
    // The terms as one query, as Search() looks them up.
    static std::string SearchQuery(std::span<const std::string> terms);

    // The record an id names, or null for an id no record has.
    const FindRecord *Record(std::string_view id) const;

private:
    const CatalogueIndex &index_;
    std::unordered_map<std::string, const FindRecord *> byId_;
};

} // namespace benchlist
