// Whether a result holds a word of a query, judged from outside the index:
// a search for the word alone, beside up to three of the query's words around
// it (small words too, which may join it), or for the query up to a few words
// after it, finds the record with every word. Only the query's last word may
// be the start of a longer one.
#pragma once

#include "core/catalogueindex.h"

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

namespace benchlist::test {

inline bool FindsWhole(const CatalogueIndex &index, const FindRecord &record,
                       const std::string &query)
{
    const std::vector<FindHit> hits = index.Find(query);
    return std::any_of(hits.begin(), hits.end(), [&record](const FindHit &hit) {
        return hit.record == &record && !hit.Partial();
    });
}

inline bool HoldsWord(const CatalogueIndex &index, const FindRecord &record, std::string_view query,
                      std::size_t word)
{
    const std::vector<std::string> words = FindInformativeWords(query);
    std::vector<std::string> said = FindWords(query);
    if (word >= words.size())
        return false;
    // The last word may be typed on when the query ends within its first 32
    // terms; a number and its unit make one, so up to 64 words may.
    const bool endsTyped = said.size() <= 64;
    said.resize(std::min<std::size_t>(said.size(), 65));
    // Thirty-two small words after it: the last word is not being typed on.
    std::string notTyped;
    for (int i = 0; i < 32; ++i)
        notTyped += " and";
    for (std::size_t at = 0; at < said.size(); ++at) {
        const bool here = said[at] == words[word]
                          || (at + 1 < said.size() && said[at] + said[at + 1] == words[word]);
        // Around it, or from the query's start, which keeps a word said again
        // out of the way as the query does.
        for (const std::size_t from : {std::size_t(0), at >= 3 ? at - 3 : 0, at - 2, at - 1, at})
            for (std::size_t to = at + 1; here && from <= at && to <= std::min(said.size(), at + 5);
                 ++to) {
                std::string search;
                for (std::size_t k = from; k < to; ++k)
                    search += said[k] + ' ';
                const bool last = to == said.size() && endsTyped;
                if (FindsWhole(index, record, last ? search : search + notTyped))
                    return true;
            }
    }
    return false;
}

} // namespace benchlist::test
