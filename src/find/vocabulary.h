// SPDX-FileCopyrightText: 2026 Veldmark
//
// SPDX-License-Identifier: GPL-3.0-or-later

// What each language brings to find: its small words, range words, units,
// plural endings, numerals and vocabulary. The tables are made at build time
// from the word files (words/*.txt); this is their shape and how find asks
// them. Every language is understood at once.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace benchlist {

// A unit shoppers write after a number, joined or apart. Those of one kind
// convert: 1000 MHz is 1 GHz.
struct UnitWord {
    std::string_view word;
    std::uint8_t kind;
    double scale; // how many of the kind's smallest unit
};

// A plural ending and what the singular ends in, for words of `shortest` or more letters.
struct SingularRule {
    std::string_view plural;
    std::string_view singular;
    std::size_t shortest;
};

struct Numeral {
    std::string_view number; // "2"
    std::string_view roman;  // "ii"
};

// A shopper's word or phrase, and what the catalogue calls it: its meanings,
// each of catalogue words separated by blanks.
struct VocabularyEntry {
    std::string_view shopper;
    std::span<const std::string_view> meanings;
};

struct LanguageData {
    std::string_view code;                     // "en", as the locale names it
    std::span<const std::string_view> small;   // need not match
    std::span<const std::string_view> range;   // join two numbers: "2 to 3"
    std::span<const std::string_view> below;   // "32mb & less"
    std::span<const std::string_view> above;   // "3.0ghz and higher"
    std::span<const std::string_view> between; // may stand between a number and those
    std::span<const UnitWord> units;
    std::span<const SingularRule> singular;
    std::span<const Numeral> numerals;
    std::span<const VocabularyEntry> words;
};

std::span<const LanguageData> Languages();

// The language of a code ("de", or a locale's name as "de_AT"), as its place
// in Languages(); English for a language find has no words of.
std::uint8_t LanguageOf(std::string_view code);

// The sections of the word files that list single words.
enum class WordKind : std::uint8_t { Small, Range, Below, Above, Between };

// Whether a folded word is in that section of any language's word file.
bool IsWord(WordKind kind, std::string_view word);
const UnitWord *UnitNamed(std::string_view word);
std::span<const Numeral> Numerals();

// The form that singular and regular plural share: "batteries" and "battery"
// are both "battery", "switches" and "switch" both "switch".
std::string FindSingular(std::string_view word);
// A phrase with the singular of its last word: "power bricks" is "power brick".
std::string FindSingularPhrase(std::string_view phrase);

// One meaning of a vocabulary entry: the catalogue words a record must all
// hold, folded.
struct VocabularyMeaning {
    std::string_view catalogue; // words separated by blanks
    std::uint8_t language;      // whose entry
};

// The meanings of a shopper's folded word or phrase (words separated by one
// blank), as written in the word files or with the plural of its last word.
std::span<const VocabularyMeaning> MeaningsOf(std::string_view phrase);

// The most words a shopper's phrase holds, as the word tables were made with.
std::size_t LongestPhrase();

} // namespace benchlist
