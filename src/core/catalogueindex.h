// Finding a category by words. The index holds one record per text that a
// drop-down answers to with a page of its own, and ranks the records a query
// matches. It is plain C++ over the catalogue data and needs no display.
#pragma once

#include "base/categorydata.h"

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

// A word of a text as the index compares it, and where it stands in the text.
struct FindWordSpan {
    std::string word;
    std::size_t begin; // bytes into the text
    std::size_t end;
    bool gluedToNext;
};

// Where a word of a query was found.
enum class FindField : std::uint8_t { Text, Caption, Title };

// How well a record matches, one tier after the other; lower is better in each.
struct FindScore {
    bool wholeText = false;     // the text is the query, but for case, blanks, punctuation
    std::uint16_t typos = 0;    // one per slip, joined or split word
    std::uint16_t nearness = 0; // 0 when the words stand side by side, in order
    std::uint16_t fields = 0;   // caption and title words count more than text words
    std::uint16_t inexact = 0;  // everyday words, numbers in ranges, and more so prefixes
    bool startsText = false;    // the text starts with the first word of the query
    std::uint16_t outside = 0;  // words found only in the caption or the title
};

// What this shopper's earlier choices say of a record for the current query.
struct FindUse {
    double chosen = 0; // > 0: opened before from this query or from one this query begins
                       // (bigger: more often and more recently)
    double weight = 0; // all uses of the page, each halved in weight every 30 days
};
using FindUsage = std::function<FindUse(const FindRecord &)>; // empty: no usage known

// The one order of results, wherever they are shown (the find window, the
// command line, the desktop's search); lower ranks first.
struct FindRank {
    std::uint16_t missing = 0;  // words of the query the record lacks
    std::uint32_t lacked = 0;   // which: lacking a word many records hold costs least
    bool typo = false;          // an exact match comes before any match with a slip
    float unchosen = 0;         // minus FindUse::chosen: chosen before comes first
    bool notWholeText = false;  // see FindScore
    std::uint16_t typos = 0;    // how many slips
    std::uint16_t outside = 0;  // words found only in the caption or the title: few first
    std::uint16_t nearness = 0; // see FindScore
    std::uint16_t fields = 0;   //
    std::uint16_t inexact = 0;  //
    bool notStartsText = false; //
    float unused = 0;           // minus FindUse::weight
    std::size_t length = 0;     // of the text: shorter first
    std::uint32_t order = 0;    // in the catalogue
    auto operator<=>(const FindRank &) const = default;
};

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
        Iterator(const std::vector<std::string> *words, std::uint32_t which)
            : words_(words), which_(which)
        {
        }
        reference operator*() const
        {
            return (*words_)[static_cast<std::size_t>(std::countr_zero(which_))];
        }
        pointer operator->() const { return &**this; }
        Iterator &operator++()
        {
            which_ &= which_ - 1;
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
        std::uint32_t which_ = 0; // a bit per word still to come
    };

    FindMissing() = default;
    // Bit i of `which` for words[i]; `words` holds at most 32.
    FindMissing(std::shared_ptr<const std::vector<std::string>> words, std::uint32_t which)
        : words_(std::move(words)), which_(which)
    {
    }
    Iterator begin() const { return {words_.get(), which_}; }
    Iterator end() const { return {words_.get(), 0}; }
    std::size_t size() const { return static_cast<std::size_t>(std::popcount(which_)); }
    bool empty() const { return which_ == 0; }

private:
    std::shared_ptr<const std::vector<std::string>> words_;
    std::uint32_t which_ = 0;
};

struct FindHit {
    FindHit() = default;
    // Member by member: a search makes one hit per record it ranks.
    explicit FindHit(const FindRecord *found) : record(found) {}

    const FindRecord *record = nullptr;
    FindScore score;
    // Which words matched, by their place among the words of FindWordSpans():
    // bit i of marked[FindField] for the i-th word of that field.
    std::array<std::uint32_t, 3> marked{};
    FindMissing missing; // words of the query this record lacks; empty: full match
    FindRank rank;

    bool Partial() const { return !missing.empty(); }
};

// "a", "an", "and", "the", "of", "for", "with", "&", "or": words that need not
// match.
bool IsSmallWord(std::string_view word);

// The words of a query a full match must hold: small words left out, unless
// the query is nothing else.
std::vector<std::string> FindInformativeWords(std::string_view query);

class CatalogueIndex {
public:
    explicit CatalogueIndex(std::span<const CategoryData *const> windows);

    // The index of the whole catalogue, built on first use.
    static const CatalogueIndex &Catalogue();

    // In catalogue order: windows, their drop-downs, each table's entries.
    std::span<const FindRecord> Records() const { return records_; }

    // The records every informative word of `query` matches in their text,
    // caption or title, best first by FindRank. A word matches whole, in its
    // singular or plural form, as an everyday word for a catalogue word, or,
    // the query's last word, as the start of a word. Words of five letters or
    // more may have one letter wrong, missing, extra or swapped, but never the
    // first. One word may be two neighbouring words joined, and two
    // neighbouring words one word. A number matches the same number in any
    // spelling or unit that converts ("1000 mhz", "1GHz"), the ranges that hold
    // it, and its Roman numeral ("2", "II"). Small words count for nearness
    // only where they stand. Only the first 32 words of a query count.
    //
    // When no record holds every word, the records holding most of them (see
    // FindHit::missing). `usage` lifts what this shopper chose before.
    std::vector<FindHit> Find(std::string_view query, const FindUsage &usage = {}) const;

    // Whether the record holds word `word` (an index into
    // FindInformativeWords(query)) as Find matches it: alone or joined with a
    // neighbour, the query's last word also as the start of a word.
    bool Holds(const FindRecord &record, std::string_view query, std::size_t word) const;

private:
    struct Token {
        std::uint32_t word; // into words_
        FindField field;
        std::uint8_t place; // among the words of its field
        bool gluedToNext;   // "DVD-RW": the next word is joined by a hyphen, slash or dot
    };
    // A number of a text, or a range of numbers ("2.1 to 2.6GHz", "32mb & Less"),
    // in the smallest unit of its kind (MHz, MB).
    struct Quantity {
        double low;
        double high;
        double lowScale; // what the written numbers were multiplied by
        double highScale;
        std::uint32_t record;
        std::uint8_t kind; // of unit, 0 for none
        FindField field;
        std::uint8_t begin; // places of its first and last word
        std::uint8_t end;
        bool lettered; // a letter follows the number: "Cat-5e"
        bool open;     // a range with one end: "32mb & Less"
    };
    struct QueryWord;
    struct Choice;
    class Query;

    using WordIds = std::unordered_map<std::string, std::uint32_t>;
    void Add(const CategoryData &window, const DropDownData &dropDown, const PageEntry &entry,
             WordIds &ids);
    void AddTokens(std::string_view text, FindField field, WordIds &ids);
    void AddQuantities(std::string_view text, const std::vector<FindWordSpan> &spans,
                       FindField field);
    std::pair<std::uint32_t, std::uint32_t> LetterRange(char letter) const;
    std::span<const std::uint32_t> SameSingular(std::string_view singular) const;
    void MatchQueryWord(QueryWord &form) const;
    void MatchWord(QueryWord &form, std::string_view word, std::uint8_t quality, bool typos,
                   bool prefix, bool freeJoin) const;
    void MatchAmount(QueryWord &form) const;
    std::span<const Token> TokensOf(std::uint32_t record) const;
    template <typename Visit> void EachHolder(const QueryWord &word, Visit visit) const;
    Choice Best(const QueryWord &form, std::uint32_t record, const Choice *previous) const;
    bool Score(std::uint32_t record, const Query &query, const std::uint32_t *knownLacking,
               FindHit &hit, std::uint32_t &found) const;
    std::vector<FindHit> FindMost(Query &query, const FindUsage &usage) const;
    void Rank(FindHit &hit, std::uint32_t record, const FindUsage &usage) const;

    std::vector<FindRecord> records_;
    std::vector<std::string> compact_;                // each record's text, letters and digits only
    std::vector<Token> tokens_;                       // every record's words, record by record
    std::vector<std::uint32_t> firstToken_;           // per record, and one past the last
    std::vector<Quantity> quantities_;                // every record's numbers, record by record
    std::vector<std::uint32_t> firstQuantity_;        // per record, and one past the last
    std::vector<std::string> words_;                  // every word of the catalogue, sorted
    std::vector<std::string> singular_;               // per word of words_
    std::vector<std::uint32_t> bySingular_;           // words_ ids, by singular_ then id
    std::vector<std::vector<std::uint32_t>> holders_; // per word, the records holding it
    std::array<std::uint32_t, 257> letterStart_{};    // first word of each first byte
    std::size_t longestWord_ = 0;
};

// Splits a text into the words the index compares: ASCII letters folded to
// lower case, apostrophes dropped ("PDA's" is "pdas"), a dot between digits
// kept ("2.4"), every other character that is no letter or digit a separator. A character beyond
// ASCII counts as one letter that matches nothing of the catalogue.
std::vector<FindWordSpan> FindWordSpans(std::string_view text);
std::vector<std::string> FindWords(std::string_view text);

// The form that singular and regular plural share: "batteries" and "battery"
// are both "battery", "switches" and "switch" both "switch".
std::string FindSingular(std::string_view word);

} // namespace benchlist
