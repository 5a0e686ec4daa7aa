// SPDX-FileCopyrightText: 2026 Veldmark
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Finding a category by words. The index holds one record per text that a
// drop-down answers to with a page of its own, and ranks the records a query
// matches. It is plain C++ over the catalogue data and needs no display.
#pragma once

#include "base/categorydata.h"
#include "find/findrank.h"
#include "find/findwords.h"
#include "find/quantities.h"
#include "find/vocabulary.h"

#include <array>
#include <bit>
#include <cstdint>
#include <functional>
#include <iterator>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

namespace benchlist {

struct FindRecord {
    std::string_view text;         // exactly what the drop-down's text must be
    std::string_view windowName;   // "frmMonitors"
    std::string_view windowTitle;  // "Computer Monitors and Accessories"
    std::string_view dropDownName; // "cbFlat"
    std::string_view caption;      // the drop-down's initial text
    std::string address;           // what the drop-down opens for `text`
    bool typed;                    // reached only by typing: no list item shows it
};

// Where a word of a query was found.
enum class FindField : std::uint8_t { Text, Caption, Title };

// The words of a query that a hit lacks, in the query's order. The hits of
// one search share the query's words and each keeps only which of them it
// lacks: a long list of partial hits copies no word.
class FindMissing {
public:
    class Iterator {
    public:
        using iterator_category = std::forward_iterator_tag;
        using value_type = std::string;
        using difference_type = std::ptrdiff_t;
        using pointer = const std::string *;
        using reference = const std::string &;

        Iterator() = default;
        Iterator(const std::vector<std::string> *words, TermSet which)
            : words_(words), which_(which)
        {
        }
        reference operator*() const { return (*words_)[which_.Lowest()]; }
        pointer operator->() const { return &**this; }
        Iterator &operator++()
        {
            which_ = which_.WithoutLowest();
            return *this;
        }
        Iterator operator++(int)
        {
            const Iterator before = *this;
            ++*this;
            return before;
        }
        bool operator==(const Iterator &other) const { return which_ == other.which_; }

    private:
        const std::vector<std::string> *words_ = nullptr;
        TermSet which_; // the words still to come
    };

    FindMissing() = default;
    // Place i of `which` for words[i]; `words` holds at most 32.
    FindMissing(std::shared_ptr<const std::vector<std::string>> words, TermSet which)
        : words_(std::move(words)), which_(which)
    {
    }
    Iterator begin() const { return {words_.get(), which_}; }
    Iterator end() const { return {words_.get(), {}}; }
    std::size_t size() const { return which_.Size(); }
    bool empty() const { return which_.Empty(); }
    // The words lacked, by their place among the query's different words.
    TermSet Which() const { return which_; }
    // The query's different informative words, in its order; none for a full match.
    const std::vector<std::string> &Words() const
    {
        static const std::vector<std::string> none;
        return words_ ? *words_ : none;
    }

private:
    std::shared_ptr<const std::vector<std::string>> words_;
    TermSet which_;
};

struct FindHit {
    FindHit() = default;
    // Member by member: a search makes one hit per record it ranks.
    explicit FindHit(const FindRecord *found) : record(found) {}

    const FindRecord *record = nullptr;
    // Which words matched, by their place among the words of FindWordSpans():
    // bit i of marked[FindField] for the i-th word of that field.
    std::array<std::uint32_t, 3> marked{};
    FindMissing missing; // words of the query this record lacks; empty: full match
    FindRank rank;

    bool Partial() const { return !missing.empty(); }
};

class CatalogueIndex {
public:
    explicit CatalogueIndex(std::span<const CategoryData *const> windows);

    // The index of the whole catalogue, built on first use.
    static const CatalogueIndex &Catalogue();

    // In catalogue order: windows, their drop-downs, each table's entries.
    std::span<const FindRecord> Records() const { return records_; }

    // The records every informative word of `query` matches in their text,
    // caption or title, best first by FindRank. A word matches whole, in its
    // singular or plural form, through the vocabulary of any language (a
    // phrase of up to three words of the query standing for catalogue words a
    // record must all hold), or, the query's last word, as the start of a
    // word. Words of five letters or more may have one letter wrong, missing,
    // extra or swapped, but never the first. One word may be two neighbouring
    // words joined, and two neighbouring words one word. A number matches the
    // same number in any spelling or unit that converts ("1000 mhz", "1GHz"),
    // the ranges that hold it, and its Roman numeral ("2", "II"). Small words
    // count for nearness only where they stand. Only the first 32 words of a
    // query count. Where the vocabulary gives a word meanings in two
    // languages, that of `language` (a locale's code: "de", "fr_CA") ranks first.
    //
    // When no record holds every word, the records holding most of them (see
    // FindHit::missing). `usage` lifts what this shopper chose before.
    std::vector<FindHit> Find(std::string_view query, const UsageScorer &usage = {},
                              std::string_view language = "en") const;

private:
    struct Token {
        std::uint32_t word; // into words_
        FindField field;
        std::uint8_t place; // among the words of its field
        bool gluedToNext;   // "DVD-RW": the next word is joined by a hyphen, slash or dot
    };
    // A quantity of a record (see quantities.h), and where.
    struct Located {
        Quantity quantity;
        std::uint32_t record;
        FindField field;
    };
    struct QueryWord;
    struct Choice;
    class Query;

    using WordIds = std::unordered_map<std::string, std::uint32_t>;
    void Add(const CategoryData &window, const DropDownData &dropDown, const PageEntry &entry,
             WordIds &ids);
    void AddTokens(std::string_view text, FindField field, WordIds &ids);
    void SortWords();
    std::pair<std::uint32_t, std::uint32_t> LetterRange(char letter) const;
    std::span<const std::uint32_t> SameSingular(std::string_view singular) const;

    // Matching (findmatch.cpp): the catalogue words each word of a query matches.
    void MatchQueryWord(QueryWord &form, std::uint8_t language) const;
    void MatchVocabulary(QueryWord &form, std::string_view phrase, std::uint8_t language) const;
    void MatchWord(QueryWord &form, std::string_view word, std::uint8_t exactness, bool typos,
                   bool prefix, bool freeJoin, std::uint8_t vocabulary = 0) const;
    struct JoinHow {
        std::uint8_t exactness;
        std::uint8_t vocabulary;
        bool free;
    };
    void MatchJoined(QueryWord &form, std::string_view word, std::uint32_t first,
                     const JoinHow &how, bool prefix) const;
    void MatchAmount(QueryWord &form) const;
    std::vector<std::uint32_t> HoldersOfAll(const std::vector<QueryWord> &parts) const;
    std::span<const Token> TokensOf(std::uint32_t record) const;
    template <typename Visit> void EachHolder(const QueryWord &word, Visit visit) const;
    static Choice Chosen(unsigned typos, std::uint8_t quality, FindField field, unsigned begin,
                         unsigned end);
    Choice Best(const QueryWord &form, std::uint32_t record, const Choice *previous) const;
    template <typename Consider>
    void EachWordChoice(const QueryWord &form, std::uint32_t record, Consider &consider) const;
    Choice BestMeaning(const QueryWord &form, std::uint32_t record, const Choice *previous) const;
    bool HeldOwn(const Query &query, std::size_t from, std::size_t count,
                 std::uint32_t record) const;
    std::pair<std::size_t, Choice> PhraseAt(const Query &query, std::size_t i, TermSet lacking,
                                            std::uint32_t record, const Choice *previous) const;

    // Scoring and ranking (catalogueindex.cpp).
    bool Score(std::uint32_t record, const Query &query, const TermSet *knownLacking, FindHit &hit,
               FindScore &score, TermSet &found) const;
    std::vector<std::uint32_t> Candidates(Query &query) const;
    std::vector<FindHit> FindAll(Query &query, const std::vector<std::uint32_t> &candidates,
                                 const UsageScorer &usage) const;
    std::vector<FindHit> FindMost(Query &query, const UsageScorer &usage) const;
    struct MostWords {
        std::shared_ptr<const std::vector<std::string>> words; // the different ones
        std::vector<std::uint32_t> cost;                       // of lacking each
    };
    std::vector<FindHit> MostHits(const Query &query, const std::vector<TermSet> &holds,
                                  const MostWords &most, const UsageScorer &usage) const;
    std::vector<TermSet> HeldWords(Query &query, const std::vector<std::size_t> &ordinal,
                                   std::vector<std::size_t> &holders) const;
    void Rank(FindHit &hit, std::uint32_t record, const FindScore &score, const UsageScorer &usage,
              std::uint32_t lacked = 0) const;

    std::vector<FindRecord> records_;
    std::vector<std::string> compact_;                // each record's text, letters and digits only
    std::vector<Token> tokens_;                       // every record's words, record by record
    std::vector<std::uint32_t> firstToken_;           // per record, and one past the last
    std::vector<Located> quantities_;                 // every record's numbers, record by record
    std::vector<std::uint32_t> firstQuantity_;        // per record, and one past the last
    std::vector<std::string> words_;                  // every word of the catalogue, sorted
    std::vector<std::string> singular_;               // per word of words_
    std::vector<std::uint32_t> bySingular_;           // words_ ids, by singular_ then id
    std::vector<std::vector<std::uint32_t>> holders_; // per word, the records holding it
    std::array<std::uint32_t, 257> letterStart_{};    // first word of each first byte
    std::size_t longestWord_ = 0;
};

} // namespace benchlist
