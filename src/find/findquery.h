// SPDX-FileCopyrightText: 2026 Veldmark
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The find index's own view of a query: its words, each matched against the
// catalogue once, and how a word of a record was chosen for each. Private to
// the index's units.
#pragma once

#include "find/catalogueindex.h"

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <tuple>
#include <unordered_map>
#include <vector>

namespace benchlist {

// Words shorter than this must match exactly; longer ones may hold one slip.
inline constexpr std::size_t kSlipFrom = 5;

// How exact a match is, the first part of a match's quality.
inline constexpr std::uint8_t kWhole = 0;
inline constexpr std::uint8_t kNamed = 1;     // a number with a letter ("802.11g"), a numeral
inline constexpr std::uint8_t kInRange = 2;   // a number inside a range: "2.4" in "2.1 to 2.6GHz"
inline constexpr std::uint8_t kOpenRange = 3; // a number in a range with one end
inline constexpr std::uint8_t kPrefix = 4;

// A match's quality packed in a byte, 0 for none; lower is better, in the
// order of the rank: a slip, then the vocabulary (0 none, 1 the shopper's
// language, 2 another), then exactness.
constexpr std::uint8_t Quality(unsigned typos, std::uint8_t exactness, std::uint8_t vocabulary = 0)
{
    return static_cast<std::uint8_t>(1 + exactness + 5 * vocabulary + 15 * typos);
}
constexpr unsigned TyposOf(std::uint8_t quality)
{
    return (quality - 1U) / 15U;
}
constexpr std::uint8_t VocabularyOf(std::uint8_t quality)
{
    return static_cast<std::uint8_t>((quality - 1U) % 15U / 5U);
}
constexpr std::uint8_t ExactnessOf(std::uint8_t quality)
{
    return static_cast<std::uint8_t>((quality - 1U) % 5U);
}

// Nearness of two words that do not stand side by side, at most.
inline constexpr unsigned kFar = 8;

// The words of a query that count: more than fit the find box only bury the
// words a shopper meant, and would make a long query cost more than a short one.
inline constexpr std::size_t kMostTerms = 32;

// A word of the query as find weighs it.
struct QueryTerm {
    std::string text;   // a number and its unit are one: "1000 mhz" is "1000mhz"
    std::string second; // "groesse" for "größe", or empty
    bool small;         // need not match: "and", "the"
    bool gluedToNext;   // "dvd-rw"
    bool typedOn;       // the query's last word, which may be the start of a longer one
};
std::vector<QueryTerm> QueryTerms(std::string_view query);

// One word of the query, two neighbouring ones joined, or a phrase of the
// vocabulary, and the catalogue words it matches.
struct CatalogueIndex::QueryWord {
    std::string text;
    std::string second;                // see QueryTerm
    bool last = false;                 // the query's last word: may be a start of a word
    bool pair = false;                 // two words of the query joined
    bool phrase = false;               // words of the query matched only as a phrase
    unsigned pairTypos = 0;            // 0 when the query glued them itself: "dvd-rw"
    std::vector<std::uint8_t> quality; // per word of words_
    std::vector<std::uint32_t> matched;
    struct Join {
        std::uint32_t first;
        std::uint32_t second;
        std::uint8_t exactness;
        std::uint8_t vocabulary;
        bool free; // a vocabulary word written joined costs no typo
    };
    std::vector<Join> joins; // the form is two neighbouring words of a text joined
    // A number: the quantities it matches, and how well.
    std::vector<std::uint8_t> quantityQuality; // per quantity of quantities_, when a number
    std::vector<std::uint32_t> quantities;
    // Vocabulary meanings of several catalogue words, which a record must all hold.
    struct Meaning {
        std::vector<QueryWord> parts;
        std::uint8_t vocabulary;
        std::vector<std::uint32_t> holders; // the records holding every part, in order
    };
    std::vector<Meaning> meanings;

    bool MatchesNothing() const
    {
        return matched.empty() && joins.empty() && quantities.empty() && meanings.empty();
    }
};

// The word of a record that a form matches best.
struct CatalogueIndex::Choice {
    bool found = false;
    unsigned typos = 0;
    std::uint8_t vocabulary = 0;
    std::uint8_t exactness = 0;
    FindField field = FindField::Text;
    unsigned begin = 0; // place of the first word and of the last: two for a join
    unsigned end = 0;
    std::array<std::uint32_t, 3> marks{}; // the words it stands for, as FindHit::marked
};

// A query made ready for scoring. Each different word, each pair of neighbours
// joined and each phrase is matched against the catalogue once however often
// the query says it, and only when it is needed.
class CatalogueIndex::Query {
public:
    Query(const CatalogueIndex &index, std::string_view text, std::uint8_t language);

    const std::vector<QueryTerm> &Terms() const { return terms_; }
    bool Last(std::size_t i) const { return i + 1 == terms_.size(); }

    const QueryWord *Word(std::size_t i);
    // The same word as word `before`, with the same neighbours: nothing new.
    void SameAs(std::size_t i, std::size_t before);
    // The words i and k, next to each other once repeats are left out, as one.
    const QueryWord *Pair(std::size_t i, std::size_t k);
    // Every form that may hold term i: the word, joined with a neighbour, or
    // in a phrase.
    std::vector<const QueryWord *> FormsOf(std::size_t i);

    // A word the query has said before adds nothing to what it finds; scoring
    // it again for every record would make a word said a thousand times cost a
    // thousand searches. The last word stays when it may still be typed on.
    void Keep();
    bool Optional(std::size_t j) const { return optional_.Has(j); }

    std::vector<std::size_t> kept;         // terms scored
    std::vector<const QueryWord *> scored; // per kept term
    std::vector<const QueryWord *> pairs;  // per kept term but the last, with the next
    // Per kept term, the phrases starting there, longest first: [words, form].
    std::vector<std::vector<std::pair<std::size_t, const QueryWord *>>> phrases;
    std::vector<TermSet> words; // per kept term, its different word, none if small

private:
    QueryWord *Matched(QueryWord &word, std::string text, std::string second, bool last, bool pair);
    // The phrase of the terms at `at`, or null when the vocabulary has none.
    const QueryWord *Phrase(const std::vector<std::size_t> &at);

    const CatalogueIndex &index_;
    const std::uint8_t language_;
    const std::vector<QueryTerm> terms_;
    std::vector<const QueryWord *> words_;     // per term, once matched
    std::vector<const QueryWord *> nextPairs_; // per term, with the next, once matched
    std::vector<char> repeated_;               // per term: said before, and not the last
    TermSet optional_;                         // the kept terms that are small words
    std::unordered_map<std::string_view, QueryWord> singles_;
    QueryWord lastWord_;
    std::map<std::tuple<const QueryWord *, const QueryWord *, bool>, QueryWord> joined_;
    // By the phrase's words; none where the vocabulary has no meaning for them.
    std::map<std::string, std::optional<QueryWord>> phrases_;
};

} // namespace benchlist

namespace benchlist {

// Calls `visit` with every record that may hold the word: a record holding
// none of the catalogue words it matches holds no match for it.
template <typename Visit> void CatalogueIndex::EachHolder(const QueryWord &word, Visit visit) const
{
    for (std::uint32_t id : word.matched)
        for (std::uint32_t record : holders_[id])
            visit(record);
    for (const QueryWord::Join &join : word.joins)
        for (std::uint32_t record : holders_[join.first])
            visit(record);
    for (std::uint32_t quantity : word.quantities)
        visit(quantities_[quantity].record);
    for (const QueryWord::Meaning &meaning : word.meanings)
        for (std::uint32_t record : meaning.holders)
            visit(record);
}

} // namespace benchlist
