// SPDX-FileCopyrightText: 2026 Veldmark
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Ranking: how well a record matches a query, and the one order of results
// wherever they are shown (the find window, the command line, the desktop's
// search). A rank is one value, built in one place and compared in one place.
#pragma once

#include <array>
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

// What this shopper's earlier choices say of a record for the current query.
struct FindUse {
    double chosen = 0; // > 0: opened before from this query or from one this query begins
                       // (bigger: more often and more recently)
    double weight = 0; // all uses of the page, each halved in weight every 30 days
};
using FindUsage = std::function<FindUse(const FindRecord &)>; // empty: no usage known

// Lower ranks first. In order: words of the query the record lacks; for a full
// match, any slip and then words reached through the vocabulary; for a partial
// one, words reached through the vocabulary, which words it lacks (lacking a
// word many records hold costs least) and any slip; chosen before, the text
// being the query, slips, words found only in the caption or title, nearness,
// fields, inexactness, the text starting with the first word, all uses, the
// text's length, and the record's place in the catalogue.
class FindRank {
public:
    struct Parts {
        FindScore score;
        std::size_t missing = 0;
        std::uint32_t lacked = 0; // a bit per word, the costlier the higher
        FindUse use;              // taken only from a sound usage
        std::size_t length = 0;
        std::uint32_t order = 0;
    };

    FindRank() = default;
    explicit FindRank(const Parts &parts);

    // What the desktop's search reads off a rank: the match is the query's
    // very text, and how good the match is on its own, from 1 down towards 0
    // (at most 0.5 for a record that lacks words).
    bool Exact() const;
    double Relevance() const;
    bool Partial() const;
    bool Typo() const;
    unsigned Vocabulary() const; // the cost of the words reached through the vocabulary

    // The one comparison of ranks, word by word of the key.
    std::strong_ordering operator<=>(const FindRank &other) const
    {
        if (key_[0] != other.key_[0])
            return key_[0] <=> other.key_[0];
        if (key_[1] != other.key_[1])
            return key_[1] <=> other.key_[1];
        return key_[2] <=> other.key_[2];
    }
    bool operator==(const FindRank &) const = default;

private:
    std::array<std::uint64_t, 3> key_{};
};

} // namespace benchlist
