// SPDX-FileCopyrightText: 2026 Veldmark
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The query as find reads it: its terms, and the forms of them it matches
// against the catalogue, each once.
#include "find/findquery.h"

#include <algorithm>

namespace benchlist {

std::vector<QueryTerm> QueryTerms(std::string_view query)
{
    std::vector<FindWordSpan> spans = FindWordSpans(query, 2 * kMostTerms + 1);
    std::vector<QueryTerm> terms;
    terms.reserve(std::min(spans.size(), kMostTerms));
    std::size_t i = 0;
    for (; i < spans.size() && terms.size() < kMostTerms; ++i) {
        QueryTerm term{std::move(spans[i].word), std::move(spans[i].second), false,
                       spans[i].gluedToNext, false};
        const std::optional<Amount> amount = AmountOf(term.text);
        if (amount && !amount->unit && !amount->lettered && i + 1 < spans.size()
            && UnitNamed(spans[i + 1].word)) {
            term.text += spans[i + 1].word;
            term.gluedToNext = spans[++i].gluedToNext;
        }
        term.small = IsWord(WordKind::Small, term.text);
        terms.push_back(std::move(term));
    }
    // Nothing but small words says nothing to look for.
    if (std::all_of(terms.begin(), terms.end(), [](const QueryTerm &term) { return term.small; }))
        terms.clear();
    // A word cut off after the thirty-second is being typed by nobody.
    if (!terms.empty() && i == spans.size())
        terms.back().typedOn = true;
    return terms;
}

CatalogueIndex::Query::Query(const CatalogueIndex &index, std::string_view text,
                             std::uint8_t language)
    : index_(index), language_(language), terms_(QueryTerms(text)), words_(terms_.size()),
      nextPairs_(terms_.size()), repeated_(terms_.size(), 0)
{
}

const CatalogueIndex::QueryWord *CatalogueIndex::Query::Word(std::size_t i)
{
    if (words_[i])
        return words_[i];
    const QueryTerm &term = terms_[i];
    if (term.typedOn)
        return words_[i] = Matched(lastWord_, term.text, term.second, true, false);
    auto [single, added] = singles_.try_emplace(term.text);
    repeated_[i] = !added;
    return words_[i] = added ? Matched(single->second, term.text, term.second, false, false)
                             : &single->second;
}

void CatalogueIndex::Query::SameAs(std::size_t i, std::size_t before)
{
    words_[i] = words_[before];
    repeated_[i] = 1;
}

const CatalogueIndex::QueryWord *CatalogueIndex::Query::Pair(std::size_t i, std::size_t k)
{
    // Each neighbour pair is asked for twice in a row, as the word after
    // one word and the word before the next.
    if (k == i + 1 && nextPairs_[i])
        return nextPairs_[i];
    const bool glued = k == i + 1 && terms_[i].gluedToNext;
    auto [pair, added] = joined_.try_emplace({Word(i), Word(k), glued});
    if (added) {
        pair->second.pairTypos = glued ? 0 : 1;
        Matched(pair->second, terms_[i].text + terms_[k].text, {}, terms_[k].typedOn, true);
    }
    if (k == i + 1)
        nextPairs_[i] = &pair->second;
    return &pair->second;
}

const CatalogueIndex::QueryWord *CatalogueIndex::Query::Phrase(const std::vector<std::size_t> &at)
{
    std::string text;
    for (const std::size_t i : at)
        text.append(text.empty() ? "" : " ").append(terms_[i].text);
    auto [phrase, added] = phrases_.try_emplace(std::move(text));
    if (added
        && (!MeaningsOf(phrase->first).empty()
            || !MeaningsOf(FindSingularPhrase(phrase->first)).empty())) {
        phrase->second.emplace();
        phrase->second->phrase = true;
        Matched(*phrase->second, phrase->first, {}, false, false);
    }
    return phrase->second ? &*phrase->second : nullptr;
}

std::vector<const CatalogueIndex::QueryWord *> CatalogueIndex::Query::FormsOf(std::size_t i)
{
    std::vector<const QueryWord *> forms{Word(i)};
    if (i > 0)
        forms.push_back(Pair(i - 1, i));
    if (!Last(i))
        forms.push_back(Pair(i, i + 1));
    for (std::size_t length = 2; length <= LongestPhrase(); ++length)
        for (std::size_t from = i + 1 >= length ? i + 1 - length : 0;
             from <= i && from + length <= terms_.size(); ++from) {
            std::vector<std::size_t> at(length);
            for (std::size_t k = 0; k < length; ++k)
                at[k] = from + k;
            if (const QueryWord *phrase = Phrase(at))
                forms.push_back(phrase);
        }
    return forms;
}

void CatalogueIndex::Query::Keep()
{
    if (!kept.empty())
        return;
    for (std::size_t i = 0; i < terms_.size(); ++i)
        if (!repeated_[i])
            kept.push_back(i);
    phrases.resize(kept.size());
    for (std::size_t j = 0; j < kept.size(); ++j) {
        scored.push_back(Word(kept[j]));
        if (terms_[kept[j]].small)
            optional_ |= TermSet::Of(j);
        if (j > 0)
            pairs.push_back(Pair(kept[j - 1], kept[j]));
        for (std::size_t length = LongestPhrase(); length >= 2; --length) {
            if (j + length > kept.size())
                continue;
            const std::vector<std::size_t> at(kept.begin() + std::ptrdiff_t(j),
                                              kept.begin() + std::ptrdiff_t(j + length));
            if (const QueryWord *phrase = Phrase(at))
                phrases[j].push_back({length, phrase});
        }
    }
}

CatalogueIndex::QueryWord *CatalogueIndex::Query::Matched(QueryWord &word, std::string text,
                                                          std::string second, bool last, bool pair)
{
    word.text = std::move(text);
    word.second = std::move(second);
    word.last = last;
    word.pair = pair;
    index_.MatchQueryWord(word, language_);
    return &word;
}

} // namespace benchlist
