// Finding a category by words. The index holds one record per text that a
// drop-down answers to with a page of its own, and ranks the records a query
// matches. It is plain C++ over the catalogue data and needs no display.
#pragma once

#include "base/categorydata.h"

#include <cstdint>
#include <map>
#include <span>
#include <string>
#include <string_view>
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

// How well a record matches; lower is better.
enum class FindRank : std::uint8_t {
    WholeText,   // the query is the text
    StartOfText, // the text starts with the query
    WordsInText, // every word is found in the text
    WordsAround, // some words only in the drop-down's caption or the window's title
};

struct FindHit {
    const FindRecord *record;
    FindRank rank;
};

class CatalogueIndex {
public:
    explicit CatalogueIndex(std::span<const CategoryData *const> windows);

    // The index of the whole catalogue, built on first use.
    static const CatalogueIndex &Catalogue();

    // In catalogue order: windows, their drop-downs, each table's entries.
    std::span<const FindRecord> Records() const { return records_; }

    // The records every word of `query` matches, best first, ties in catalogue
    // order. Letter case and word order do not count; each word must match the
    // start of a word of the text, the caption or the title, and a word of five
    // letters or more may have one letter wrong, missing, extra or swapped. A
    // query without words matches nothing.
    std::vector<FindHit> Find(std::string_view query) const;

private:
    // A word of the catalogue and the records that hold it.
    struct Word {
        std::vector<std::uint32_t> inText;
        std::vector<std::uint32_t> around; // in the caption or the title
    };
    struct Key {
        std::string text;                // normalised words joined by blanks
        std::vector<std::string> sorted; // normalised words, sorted
        // The record's words as spelt in the vocabulary.
        std::vector<const std::string *> inText;
        std::vector<const std::string *> around;
    };

    using Vocabulary = std::map<std::string, Word, std::less<>>;

    void Add(const CategoryData &window, const DropDownData &dropDown, const PageEntry &entry);
    void AddWords(std::uint32_t record, std::string_view text, bool inText);
    void MarkMatches(std::string_view word, std::vector<char> &inText,
                     std::vector<char> &anywhere) const;
    void KeepMatches(std::string_view word, std::vector<std::uint32_t> &candidates,
                     std::vector<char> &allInText) const;
    FindRank RankOf(std::uint32_t record, const std::vector<std::string> &sortedWords,
                    const std::string &joined, bool allInText) const;

    std::vector<FindRecord> records_;
    std::vector<Key> keys_;
    Vocabulary vocabulary_; // every word of the catalogue, in alphabetical order
    std::size_t longestWord_ = 0;
};

// Splits a text into the words the index compares: ASCII letters folded to
// lower case, apostrophes dropped ("PDA's" is "pdas"), every other character
// that is no letter or digit a separator. A character beyond ASCII counts as
// one letter that matches nothing of the catalogue.
std::vector<std::string> FindWords(std::string_view text);

// Whether `word` is the start of `target`, or, for a word of five letters or
// more, within one letter wrong, missing, extra or swapped of such a start.
bool MatchesWordStart(std::string_view word, std::string_view target);

} // namespace benchlist
