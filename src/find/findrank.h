// SPDX-FileCopyrightText: 2026 Veldmark
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Ranking: how well a record matches a query, and the one order of results
// wherever they are shown (the find window, the command line, the desktop's
// search). A rank is one value, built in one place and compared in one place.
#pragma once

#include <bit>
#include <compare>
#include <cstddef>
#include <cstdint>
#include <functional>

namespace benchlist {

struct FindRecord;

// How well a record matches, as the matcher measures it; lower is better in each.
struct FindScore {
    bool wholeText = false;       // the text is the query, but for case, blanks, punctuation
    std::uint16_t typos = 0;      // one per slip, joined or split word
    std::uint16_t vocabulary = 0; // words reached through the vocabulary, more for
                                  // another language's than for the shopper's own
    std::uint16_t nearness = 0;   // 0 when the words stand side by side, in order
    std::uint16_t fields = 0;     // caption and title words count more than text words
    std::uint16_t inexact = 0;    // numbers in ranges, and more so prefixes
    bool startsText = false;      // the text starts with the first word of the query
    std::uint16_t outside = 0;    // words found only in the caption or the title
};

// What this shopper's earlier choices say of a record or page for the current query.
struct UsageScore {
    double chosen = 0; // > 0: opened before from this query or from one this query begins
                       // (bigger: more often and more recently)
    double weight = 0; // all uses of the page, each halved in weight every 30 days
};
using UsageScorer = std::function<UsageScore(const FindRecord &)>; // empty: no usage known

// A set of a query's words, by their place among the words it counts (at most
// 32, kMostTerms).
class TermSet {
public:
    constexpr TermSet() = default;
    static constexpr TermSet Of(std::size_t place) { return TermSet(std::uint32_t(1) << place); }
    // The first `count` places from `place` on.
    static constexpr TermSet Run(std::size_t place, std::size_t count)
    {
        return TermSet(((std::uint64_t(1) << count) - 1) << place);
    }
    static constexpr TermSet First(std::size_t count) { return Run(0, count); }

    constexpr bool Has(std::size_t place) const { return (bits_ >> place & 1U) != 0; }
    constexpr bool Empty() const { return bits_ == 0; }
    constexpr std::size_t Size() const { return std::size_t(std::popcount(bits_)); }
    constexpr std::size_t Lowest() const { return std::size_t(std::countr_zero(bits_)); }
    constexpr bool Meets(TermSet other) const { return (bits_ & other.bits_) != 0; }
    constexpr TermSet WithoutLowest() const { return TermSet(bits_ & (bits_ - 1)); }
    constexpr TermSet operator|(TermSet other) const { return TermSet(bits_ | other.bits_); }
    constexpr TermSet operator&(TermSet other) const { return TermSet(bits_ & other.bits_); }
    constexpr TermSet Minus(TermSet other) const { return TermSet(bits_ & ~other.bits_); }
    constexpr TermSet &operator|=(TermSet other) { return *this = *this | other; }
    constexpr bool operator==(const TermSet &) const = default;

    // Calls `visit` with each place in the set, lowest first.
    template <typename Visit> constexpr void Each(Visit visit) const
    {
        for (TermSet left = *this; !left.Empty(); left = left.WithoutLowest())
            visit(left.Lowest());
    }

private:
    constexpr explicit TermSet(std::uint64_t bits) : bits_(static_cast<std::uint32_t>(bits)) {}
    std::uint32_t bits_ = 0;
};

// Lower ranks first: the fields in the order they count, each compared only
// where all before it are equal. What comes first differs between a full
// match and one that lacks words: a full match puts a slip first, then the
// words reached through the vocabulary; of records that lack as many words,
// those holding the rest by the shopper's own words come first, then those
// lacking the words fewest records hold, then any slip.
struct FindRank {
    struct Parts {
        FindScore score;
        std::size_t missing = 0;
        std::uint32_t lacked = 0; // the costs of the words lacked: the costlier the higher
        UsageScore use;           // taken only from a sound usage
        std::size_t length = 0;
        std::uint32_t order = 0;
    };

    FindRank() = default;
    explicit FindRank(const Parts &parts);

    // The fields in four groups, each compared only where the groups before
    // it are equal: a long list of results mostly ties in the first ones, and
    // is sorted group by group (SortByRank).
    struct Fit {                      // what the record lacks and how it holds the rest
        std::uint8_t missing = 0;     // words of the query the record lacks
        bool fullTypo = false;        // a full match with a slip
        std::uint16_t vocabulary = 0; // the cost of the words reached through the vocabulary
        std::uint32_t lacked = 0;     // of a partial match: the costs of the words it lacks
        bool partialTypo = false;     // a partial match with a slip
        [[gnu::always_inline]] auto operator<=>(const Fit &) const = default;
    };
    struct Choice {
        std::int32_t unchosen = 0; // of a full, exact match: less the more it was chosen before
        [[gnu::always_inline]] auto operator<=>(const Choice &) const = default;
    };
    struct Closeness {                // how closely the record's words follow the query's
        bool notWholeText = false;    // the text is not the query
        std::uint8_t typos = 0;       // slips, joined and split words
        std::uint8_t outside = 0;     // words found only in the caption or the title
        std::uint8_t nearness = 0;    // 0 when the words stand side by side, in order
        std::uint8_t fields = 0;      // caption and title words count more than text words
        std::uint8_t inexact = 0;     // numbers in ranges, and more so prefixes
        bool notStartingText = false; // the text does not start with the query's first word
        [[gnu::always_inline]] auto operator<=>(const Closeness &) const = default;
    };
    struct Standing {             // what sets apart records that match alike
        std::int32_t unused = 0;  // less the more the page was used
        std::uint16_t length = 0; // of the text
        std::uint16_t order = 0;  // the record's place in the catalogue
        [[gnu::always_inline]] auto operator<=>(const Standing &) const = default;
    };
    Fit fit;
    Choice choice;
    Closeness closeness;
    Standing standing;

    // What the desktop's search reads off a rank: the match is the query's
    // very text, and how good the match is on its own, from 1 down towards 0
    // (at most 0.5 for a record that lacks words).
    bool Exact() const;
    double Relevance() const;
    bool Partial() const { return fit.missing > 0; }
    bool Typo() const { return fit.fullTypo || fit.partialTypo; }

    auto operator<=>(const FindRank &) const = default;
};

} // namespace benchlist
