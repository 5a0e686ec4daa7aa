// SPDX-FileCopyrightText: 2026 Veldmark
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "find/vocabulary.h"

#include "find/findwords.h"
#include "find/wordtables.h"

#include <algorithm>
#include <array>
#include <deque>
#include <string_view>
#include <utility>
#include <vector>

namespace benchlist {

namespace {

// Every language's words of one section, folded, sorted, once.
class WordSet {
public:
    explicit WordSet(std::span<const std::string_view> LanguageData::*section)
    {
        for (const LanguageData &language : Languages())
            for (const std::string_view word : language.*section)
                for (FindWordSpan &span : FindWordSpans(word)) {
                    if (!span.second.empty())
                        words_.push_back(std::move(span.second));
                    words_.push_back(std::move(span.word));
                }
        std::sort(words_.begin(), words_.end());
    }
    bool Holds(std::string_view word) const
    {
        return std::binary_search(words_.begin(), words_.end(), word);
    }

private:
    std::vector<std::string> words_;
};

// The folded forms of a shopper's phrase: as folded, and with "ae", "oe", "ue"
// where it has "ä", "ö", "ü".
std::vector<std::string> FoldedForms(std::string_view phrase)
{
    std::string first, second;
    bool hasSecond = false;
    for (const FindWordSpan &span : FindWordSpans(phrase)) {
        const char *blank = first.empty() ? "" : " ";
        first.append(blank).append(span.word);
        second.append(blank).append(span.second.empty() ? span.word : span.second);
        hasSecond = hasSecond || !span.second.empty();
    }
    if (hasSecond)
        return {first, second};
    return {first};
}

std::string FoldedMeaning(std::string_view catalogue)
{
    std::string folded;
    for (const std::string &word : FindWords(catalogue))
        folded.append(folded.empty() ? "" : " ").append(word);
    return folded;
}

// Every entry of every language, by its folded shopper's words.
class Vocabulary {
public:
    Vocabulary()
    {
        std::vector<std::pair<std::string, VocabularyMeaning>> keyed;
        const std::span<const LanguageData> languages = Languages();
        for (std::size_t language = 0; language < languages.size(); ++language)
            for (const VocabularyEntry &entry : languages[language].words)
                Add(entry, static_cast<std::uint8_t>(language), keyed);
        std::stable_sort(keyed.begin(), keyed.end(),
                         [](const auto &a, const auto &b) { return a.first < b.first; });
        for (auto &[key, meaning] : keyed) {
            keys_.push_back(std::move(key));
            meanings_.push_back(meaning);
        }
    }

    std::span<const VocabularyMeaning> Of(std::string_view phrase) const
    {
        const auto [from, to] = std::equal_range(keys_.begin(), keys_.end(), phrase);
        return std::span(meanings_).subspan(static_cast<std::size_t>(from - keys_.begin()),
                                            static_cast<std::size_t>(to - from));
    }

private:
    void Add(const VocabularyEntry &entry, std::uint8_t language,
             std::vector<std::pair<std::string, VocabularyMeaning>> &keyed)
    {
        const std::vector<std::string> forms = FoldedForms(entry.shopper);
        for (const std::string_view written : entry.meanings) {
            const std::string &meaning = catalogue_.emplace_back(FoldedMeaning(written));
            if (meaning.empty())
                continue;
            for (const std::string &form : forms)
                if (!form.empty())
                    keyed.push_back({form, {meaning, language}});
        }
    }

    std::vector<std::string> keys_; // sorted
    std::vector<VocabularyMeaning> meanings_;
    std::deque<std::string> catalogue_; // what the meanings' words point into
};

bool EndsWith(std::string_view word, std::string_view end)
{
    return word.size() >= end.size() && word.substr(word.size() - end.size()) == end;
}

} // namespace

std::span<const LanguageData> Languages()
{
    return words::kLanguages;
}

std::uint8_t LanguageOf(std::string_view code)
{
    const std::string_view language = code.substr(0, code.find_first_of("_-.@"));
    const std::span<const LanguageData> languages = Languages();
    std::uint8_t english = 0;
    for (std::size_t i = 0; i < languages.size(); ++i) {
        if (languages[i].code == language)
            return static_cast<std::uint8_t>(i);
        if (languages[i].code == "en")
            english = static_cast<std::uint8_t>(i);
    }
    return english;
}

std::size_t LongestPhrase()
{
    return words::kLongestPhrase;
}

bool IsWord(WordKind kind, std::string_view word)
{
    static const std::array<WordSet, 5> sets = {
        WordSet(&LanguageData::small), WordSet(&LanguageData::range), WordSet(&LanguageData::below),
        WordSet(&LanguageData::above), WordSet(&LanguageData::between)};
    return sets[static_cast<std::size_t>(kind)].Holds(word);
}

const UnitWord *UnitNamed(std::string_view word)
{
    for (const LanguageData &language : Languages())
        for (const UnitWord &unit : language.units)
            if (unit.word == word)
                return &unit;
    return nullptr;
}

std::span<const Numeral> Numerals()
{
    static const std::vector<Numeral> numerals = [] {
        std::vector<Numeral> all;
        for (const LanguageData &language : Languages())
            all.insert(all.end(), language.numerals.begin(), language.numerals.end());
        return all;
    }();
    return numerals;
}

std::string FindSingular(std::string_view word)
{
    for (const LanguageData &language : Languages())
        for (const SingularRule &rule : language.singular)
            if (word.size() >= rule.shortest && EndsWith(word, rule.plural))
                return std::string(word.substr(0, word.size() - rule.plural.size()))
                    .append(rule.singular);
    return std::string(word);
}

std::string FindSingularPhrase(std::string_view phrase)
{
    const std::size_t blank = phrase.rfind(' ');
    const std::size_t last = blank == std::string_view::npos ? 0 : blank + 1;
    return std::string(phrase.substr(0, last)) + FindSingular(phrase.substr(last));
}

std::span<const VocabularyMeaning> MeaningsOf(std::string_view phrase)
{
    static const Vocabulary vocabulary;
    return vocabulary.Of(phrase);
}

} // namespace benchlist
