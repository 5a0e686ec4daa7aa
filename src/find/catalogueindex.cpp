// SPDX-FileCopyrightText: 2026 Veldmark
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "find/catalogueindex.h"

#include "catalogue/catalogue.h"
#include "core/lookup.h"
#include "find/findquery.h"
#include "find/ranksort.h"

#include <algorithm>
#include <numeric>
#include <set>
#include <span>
#include <tuple>
#include <utility>

namespace benchlist {

namespace {

// The counts of a score, as the words of a query are taken one after the other.
struct Tally {
    template <typename Choice> void Take(const Choice &choice, const Choice *previous)
    {
        typos += choice.typos;
        vocabulary += choice.vocabulary;
        fields += static_cast<unsigned>(choice.field);
        outside += choice.field != FindField::Text;
        inexact += choice.exactness;
        if (previous) {
            const int gap = int(choice.begin) - int(previous->end);
            nearness += previous->field != choice.field ? kFar
                        : gap >= 1 ? std::min(unsigned(gap - 1), kFar - 1) // in order
                                   : std::min(unsigned(2 - gap), kFar);    // out of order
        } else {
            startsText = choice.field == FindField::Text && choice.begin == 0;
        }
        for (std::size_t field = 0; field < marked.size(); ++field)
            marked[field] |= choice.marks[field];
    }

    // Thirty-two words (kMostTerms) keep every count within a byte.
    void Into(FindScore &score, FindHit &hit) const
    {
        auto clamp = [](unsigned n) { return static_cast<std::uint16_t>(std::min(n, 0xffU)); };
        score.typos = clamp(typos);
        score.vocabulary = clamp(vocabulary);
        score.nearness = clamp(nearness);
        score.fields = clamp(fields);
        score.inexact = clamp(inexact);
        score.outside = clamp(outside);
        score.startsText = startsText;
        hit.marked = marked;
    }

    unsigned typos = 0, vocabulary = 0, nearness = 0, fields = 0, inexact = 0, outside = 0;
    bool startsText = false;
    std::array<std::uint32_t, 3> marked{};
};

} // namespace

CatalogueIndex::CatalogueIndex(std::span<const CategoryData *const> windows)
{
    WordIds ids;
    for (const CategoryData *window : windows)
        for (const DropDownData &dropDown : window->dropDowns)
            for (const PageEntry &entry : dropDown.pages)
                // Of equal texts only the winning entry is ever opened.
                if (WinningEntry(dropDown.pages, entry.text) == &entry)
                    Add(*window, dropDown, entry, ids);
    firstToken_.push_back(static_cast<std::uint32_t>(tokens_.size()));
    firstQuantity_.push_back(static_cast<std::uint32_t>(quantities_.size()));

    SortWords();
}

// The words were numbered as they came; number them in alphabetical order,
// so that the words of one first letter lie together.
void CatalogueIndex::SortWords()
{
    std::vector<std::uint32_t> order(words_.size());
    for (std::uint32_t i = 0; i < order.size(); ++i)
        order[i] = i;
    std::sort(order.begin(), order.end(),
              [this](std::uint32_t a, std::uint32_t b) { return words_[a] < words_[b]; });
    std::vector<std::uint32_t> renumbered(order.size());
    std::vector<std::string> sorted(order.size());
    for (std::uint32_t i = 0; i < order.size(); ++i) {
        renumbered[order[i]] = i;
        sorted[i] = std::move(words_[order[i]]);
    }
    words_ = std::move(sorted);
    holders_.assign(words_.size(), {});
    for (std::uint32_t record = 0; record + 1 < firstToken_.size(); ++record) {
        for (Token &token : std::span(tokens_).subspan(
                 firstToken_[record], firstToken_[record + 1] - firstToken_[record])) {
            token.word = renumbered[token.word];
            std::vector<std::uint32_t> &holders = holders_[token.word];
            if (holders.empty() || holders.back() != record)
                holders.push_back(record);
        }
    }
    for (const std::string &word : words_) {
        singular_.push_back(FindSingular(word));
        longestWord_ = std::max(longestWord_, word.size());
    }
    bySingular_.resize(words_.size());
    for (std::uint32_t i = 0; i < bySingular_.size(); ++i)
        bySingular_[i] = i;
    std::stable_sort(
        bySingular_.begin(), bySingular_.end(),
        [this](std::uint32_t a, std::uint32_t b) { return singular_[a] < singular_[b]; });
    for (std::size_t letter = 0; letter < letterStart_.size(); ++letter)
        letterStart_[letter] = static_cast<std::uint32_t>(
            std::lower_bound(words_.begin(), words_.end(), letter,
                             [](const std::string &word, std::size_t c) {
                                 return static_cast<unsigned char>(word[0]) < c;
                             })
            - words_.begin());
}

const CatalogueIndex &CatalogueIndex::Catalogue()
{
    static const CatalogueIndex index(catalogue::kWindows);
    return index;
}

void CatalogueIndex::Add(const CategoryData &window, const DropDownData &dropDown,
                         const PageEntry &entry, WordIds &ids)
{
    firstToken_.push_back(static_cast<std::uint32_t>(tokens_.size()));
    firstQuantity_.push_back(static_cast<std::uint32_t>(quantities_.size()));
    records_.push_back({
        .text = entry.text,
        .windowName = window.name,
        .windowTitle = window.title,
        .dropDownName = dropDown.name,
        .caption = dropDown.initialText,
        .address = LookupPage(dropDown.pages, entry.text),
        .typed = !IsListed(dropDown, entry.text),
    });
    compact_.push_back(FindCompact(entry.text));
    AddTokens(entry.text, FindField::Text, ids);
    AddTokens(dropDown.initialText, FindField::Caption, ids);
    AddTokens(window.title, FindField::Title, ids);
}

// While the index is built, words_ is in order of first appearance.
void CatalogueIndex::AddTokens(std::string_view text, FindField field, WordIds &ids)
{
    const std::vector<FindWordSpan> spans = FindWordSpans(text);
    std::uint8_t place = 0;
    for (const FindWordSpan &span : spans) {
        // A word with "ä", "ö" or "ü" stands in its place in both its forms.
        for (const std::string *form : {&span.word, &span.second}) {
            if (form->empty())
                continue;
            const auto [it, added] =
                ids.try_emplace(*form, static_cast<std::uint32_t>(words_.size()));
            if (added)
                words_.push_back(*form);
            tokens_.push_back({it->second, field, place, span.gluedToNext});
        }
        if (place < 255)
            ++place;
    }
    const auto record = static_cast<std::uint32_t>(records_.size() - 1);
    for (const Quantity &quantity : QuantitiesOf(text, spans))
        quantities_.push_back({quantity, record, field});
}

// The longest phrase of the vocabulary at kept word i that the record holds,
// where it lacks one of the phrase's words as its own: [words, choice].
std::pair<std::size_t, CatalogueIndex::Choice>
CatalogueIndex::PhraseAt(const Query &query, std::size_t i, TermSet lacking, std::uint32_t record,
                         const Choice *previous) const
{
    for (const auto &[length, form] : query.phrases[i]) {
        if (lacking.Meets(TermSet::Run(i, length)))
            continue;
        const Choice choice = Best(*form, record, previous);
        if (choice.found && !HeldOwn(query, i, length, record))
            return {length, choice};
    }
    return {0, Choice{}};
}

// Finds the best word of the record for each word of the query, for two
// neighbouring ones together, or for a phrase, and scores the lot. Puts in
// `found` each word of query.scored it found. Without `knownLacking`, false
// when a word is missing; with it, a word may be missing, and one in it (by
// its place in query.scored) is known to be.
bool CatalogueIndex::Score(std::uint32_t record, const Query &query, const TermSet *knownLacking,
                           FindHit &hit, FindScore &score, TermSet &found) const
{
    const std::vector<const QueryWord *> &words = query.scored;
    const TermSet lacking = knownLacking ? *knownLacking : TermSet();
    const auto lacks = [lacking](std::size_t i) { return lacking.Has(i); };
    found = {};
    Tally tally;
    Choice previous;
    const auto take = [&](const Choice &choice, std::size_t i, std::size_t count) {
        tally.Take(choice, previous.found ? &previous : nullptr);
        previous = choice;
        found |= TermSet::Run(i, count);
        return i + count;
    };
    for (std::size_t i = 0; i < words.size();) {
        const Choice *before = previous.found ? &previous : nullptr;
        if (lacks(i)) {
            ++i;
        } else if (const auto [length, phrase] = PhraseAt(query, i, lacking, record, before);
                   length > 0) {
            i = take(phrase, i, length);
        } else {
            const bool optional = query.Optional(i);
            const Choice single = optional && !before ? Choice{} : Best(*words[i], record, before);
            if (i + 1 < words.size() && !lacks(i + 1) && !query.pairs[i]->MatchesNothing()) {
                const Choice joined = Best(*query.pairs[i], record, before);
                const Choice next =
                    joined.found && single.found ? Best(*words[i + 1], record, &single) : Choice{};
                if (joined.found && (!next.found || joined.typos < single.typos + next.typos)) {
                    i = take(joined, i, 2);
                    continue;
                }
            }
            // A small word counts where it stands right after the word before.
            if (optional && single.found && before && single.field == before->field
                && single.begin == before->end + 1)
                take(single, i, 1);
            else if (!optional && single.found)
                take(single, i, 1);
            else if (!optional && !knownLacking)
                return false;
            ++i;
        }
    }
    tally.Into(score, hit);
    return true;
}

std::vector<FindHit> CatalogueIndex::Find(std::string_view text, const UsageScorer &usage,
                                          std::string_view language) const
{
    Query query(*this, text, LanguageOf(language));
    if (query.Terms().empty())
        return {};
    const std::vector<std::uint32_t> candidates = Candidates(query);
    std::vector<FindHit> hits;
    if (!candidates.empty())
        hits = FindAll(query, candidates, usage);
    if (hits.empty())
        return FindMost(query, usage);
    return hits;
}

// The records where every word, alone, with a neighbour or in a phrase, has a
// match. A word is matched only when the words before it have left some
// record to look in, so that a long query nothing answers costs no more than
// its first few words.
std::vector<std::uint32_t> CatalogueIndex::Candidates(Query &query) const
{
    const std::vector<QueryTerm> &terms = query.Terms();
    std::vector<std::uint32_t> candidates(records_.size());
    for (std::uint32_t r = 0; r < candidates.size(); ++r)
        candidates[r] = r;
    std::vector<std::uint32_t> stamp(records_.size());
    std::uint32_t epoch = 0;
    std::set<std::vector<const QueryWord *>> checked;
    const auto sameAsBefore = [&terms](std::size_t i) { // the word and its neighbours
        return i > 0 && i + 1 < terms.size() && terms[i].text == terms[i - 1].text
               && terms[i + 1].text == terms[i].text
               && terms[i].gluedToNext == terms[i - 1].gluedToNext;
    };
    for (std::size_t i = 0; i < terms.size(); ++i) {
        if (sameAsBefore(i)) { // "usb usb usb": nothing new to look for
            query.SameAs(i, i - 1);
            continue;
        }
        query.Word(i);
        if (terms[i].small)
            continue;
        std::vector<const QueryWord *> forms = query.FormsOf(i);
        if (!checked.insert(forms).second)
            continue;
        ++epoch;
        for (const QueryWord *form : forms)
            EachHolder(*form, [&](std::uint32_t record) { stamp[record] = epoch; });
        std::erase_if(candidates, [&](std::uint32_t record) { return stamp[record] != epoch; });
        if (candidates.empty())
            break;
    }
    return candidates;
}

// The candidates that hold every word, ranked.
std::vector<FindHit> CatalogueIndex::FindAll(Query &query,
                                             const std::vector<std::uint32_t> &candidates,
                                             const UsageScorer &usage) const
{
    query.Keep();
    std::string compactQuery;
    for (const QueryTerm &term : query.Terms())
        compactQuery += term.text;
    std::vector<FindHit> hits;
    hits.reserve(candidates.size());
    TermSet found;
    for (std::uint32_t record : candidates) {
        FindHit &hit = hits.emplace_back(&records_[record]);
        FindScore score;
        if (!Score(record, query, nullptr, hit, score, found)) {
            hits.pop_back();
            continue;
        }
        score.wholeText = compact_[record] == compactQuery;
        Rank(hit, record, score, usage);
    }
    SortByRank(hits);
    return hits;
}

// Per record, the different informative words (by `ordinal`) that one of its
// forms may hold; and per word, how many records may hold it.
std::vector<TermSet> CatalogueIndex::HeldWords(Query &query,
                                               const std::vector<std::size_t> &ordinal,
                                               std::vector<std::size_t> &holders) const
{
    const std::vector<QueryTerm> &terms = query.Terms();
    std::vector<TermSet> holds(records_.size());
    std::set<std::vector<const QueryWord *>> checked;
    for (std::size_t i = 0; i < terms.size(); ++i) {
        query.Word(i);
        if (terms[i].small)
            continue;
        const std::vector<const QueryWord *> forms = query.FormsOf(i);
        if (!checked.insert(forms).second)
            continue; // the same word with the same neighbours: the same ordinal
        const TermSet word = TermSet::Of(ordinal[i]);
        for (const QueryWord *form : forms)
            EachHolder(*form, [&](std::uint32_t record) {
                holders[ordinal[i]] += !holds[record].Meets(word);
                holds[record] |= word;
            });
    }
    return holds;
}

// When no record holds every word: the records holding most of them. Of the
// records that lack as many words, those lacking a word that nothing holds
// come first, then those lacking a word that many records hold. Every word
// the query counts (kMostTerms) has a cost of its own, so however many
// different words it says, some record holding one of them is found.
std::vector<FindHit> CatalogueIndex::FindMost(Query &query, const UsageScorer &usage) const
{
    const std::vector<QueryTerm> &terms = query.Terms();
    std::vector<std::string_view> distinct; // the informative words, each once
    std::vector<std::size_t> ordinal(terms.size(), 0);
    for (std::size_t i = 0; i < terms.size(); ++i) {
        if (terms[i].small)
            continue;
        const auto same = std::find(distinct.begin(), distinct.end(), terms[i].text);
        ordinal[i] = static_cast<std::size_t>(same - distinct.begin());
        if (same == distinct.end())
            distinct.push_back(terms[i].text);
    }
    std::vector<std::size_t> holders(distinct.size(), 0);
    const std::vector<TermSet> holds = HeldWords(query, ordinal, holders);
    std::vector<std::size_t> dropOrder(distinct.size());
    for (std::size_t d = 0; d < dropOrder.size(); ++d)
        dropOrder[d] = d;
    std::stable_sort(dropOrder.begin(), dropOrder.end(), [&](std::size_t a, std::size_t b) {
        return std::pair(holders[a] != 0, -std::ptrdiff_t(holders[a]))
               < std::pair(holders[b] != 0, -std::ptrdiff_t(holders[b]));
    });
    std::vector<std::uint32_t> cost(distinct.size());
    for (std::size_t position = 0; position < dropOrder.size(); ++position)
        cost[dropOrder[position]] = 1U << position;
    query.Keep();
    for (std::size_t j = 0; j < query.kept.size(); ++j)
        query.words.push_back(query.Optional(j) ? TermSet() : TermSet::Of(ordinal[query.kept[j]]));
    const auto words =
        std::make_shared<const std::vector<std::string>>(distinct.begin(), distinct.end());
    return MostHits(query, holds, {words, cost}, usage);
}

// The hits of FindMost: each record holding some word, with those it lacks.
std::vector<FindHit> CatalogueIndex::MostHits(const Query &query, const std::vector<TermSet> &holds,
                                              const MostWords &most, const UsageScorer &usage) const
{
    std::vector<FindHit> hits;
    hits.reserve(records_.size()
                 - static_cast<std::size_t>(std::count(holds.begin(), holds.end(), TermSet())));
    TermSet found;
    // Neighbouring records often hold the same words: the words of query.scored
    // they lack, for the last words of `holds` seen.
    std::pair<TermSet, TermSet> lackingOf;
    const TermSet every = TermSet::First(most.words->size());
    for (std::uint32_t record = 0; record < holds.size(); ++record) {
        if (holds[record].Empty())
            continue;
        if (holds[record] != lackingOf.first) {
            TermSet lacking;
            for (std::size_t j = 0; j < query.words.size(); ++j)
                if (!query.words[j].Minus(holds[record]).Empty())
                    lacking |= TermSet::Of(j);
            lackingOf = {holds[record], lacking};
        }
        FindHit &hit = hits.emplace_back(&records_[record]);
        FindScore score;
        Score(record, query, &lackingOf.second, hit, score, found);
        TermSet held;
        found.Each([&](std::size_t j) { held |= query.words[j]; });
        if (held.Empty()) {
            hits.pop_back();
            continue;
        }
        const TermSet lacks = every.Minus(held);
        hit.missing = FindMissing(most.words, lacks);
        std::uint32_t lacked = 0;
        lacks.Each([&](std::size_t word) { lacked += most.cost[word]; });
        Rank(hit, record, score, usage, lacked);
    }
    SortByRank(hits);
    return hits;
}

// Sets the hit's rank in place: a rank returned by value is copied once more
// for each of a long list of hits.
void CatalogueIndex::Rank(FindHit &hit, std::uint32_t record, const FindScore &score,
                          const UsageScorer &usage, std::uint32_t lacked) const
{
    FindRank::Parts parts{score, hit.missing.size(), lacked, {}, hit.record->text.size(), record};
    if (usage)
        parts.use = usage(*hit.record);
    hit.rank = FindRank(parts);
}

} // namespace benchlist
