// Whether a result holds a word of a query, judged from outside the index:
// a search for the word alone, or beside one or two of the query's other
// words, finds the record with every word. Only the query's last word may be
// the start of a longer one.
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
    if (word >= words.size())
        return false;
    const std::vector<std::string> typed = FindWords(query);
    const bool typedOn = !typed.empty() && typed.back() == words.back() && typed.size() <= 32;
    // Thirty-two small words after it: the last word is not being typed on.
    std::string notTyped;
    for (int i = 0; i < 32; ++i)
        notTyped += " and";
    for (std::size_t length = 1; length <= 3; ++length)
        for (std::size_t from = word + 1 >= length ? word + 1 - length : 0;
             from <= word && from + length <= words.size(); ++from) {
            std::string search;
            for (std::size_t k = from; k < from + length; ++k)
                search += words[k] + ' ';
            const bool last = typedOn && from + length == words.size();
            if (FindsWhole(index, record, last ? search : search + notTyped))
                return true;
        }
    return false;
}

} // namespace benchlist::test
