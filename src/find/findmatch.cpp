// SPDX-FileCopyrightText: 2026 Veldmark
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Matching: which catalogue words each word of a query matches, and which word
// of a record a word of the query is best taken for.
#include "find/findquery.h"

#include <algorithm>
#include <cstdlib>

namespace benchlist {

namespace {

// Whether two words of the same first letter are one letter wrong, missing,
// extra or swapped apart.
bool OneSlipApart(std::string_view a, std::string_view b)
{
    if (a.size() > b.size() + 1 || b.size() > a.size() + 1)
        return false;
    const auto differ = std::mismatch(a.begin(), a.end(), b.begin(), b.end());
    const auto i = static_cast<std::size_t>(differ.first - a.begin());
    if (i == 0)
        return false; // the first letter is never the slip
    if (a.size() == b.size())
        return a.substr(i + 1) == b.substr(i + 1)
               || (i + 1 < a.size() && a[i] == b[i + 1] && a[i + 1] == b[i]
                   && a.substr(i + 2) == b.substr(i + 2));
    if (a.size() + 1 == b.size())
        return a.substr(i) == b.substr(i + 1);
    return a.substr(i + 1) == b.substr(i);
}

// Whether `word` is one slip, not on its first letter, from a start of `target`.
bool OneSlipFromStart(std::string_view word, std::string_view target)
{
    const auto differ = std::mismatch(word.begin(), word.end(), target.begin(), target.end());
    const auto same = static_cast<std::size_t>(differ.first - word.begin());
    if (same == 0 || same == word.size())
        return false;
    const std::string_view rest = word.substr(same);
    const std::string_view targetRest = target.substr(same);
    if (targetRest.empty())
        return rest.size() == 1;                            // one letter too many at the end
    return targetRest.substr(1).starts_with(rest.substr(1)) // one letter wrong
           || targetRest.starts_with(rest.substr(1))        // one letter extra
           || targetRest.substr(1).starts_with(rest)        // one letter missing
           || (rest.size() >= 2 && targetRest.size() >= 2 && rest[0] == targetRest[1]
               && rest[1] == targetRest[0] && targetRest.substr(2).starts_with(rest.substr(2)));
}

} // namespace

// Records in `form` every catalogue word that `word` matches, and every pair of
// words it is the two joined. Every such word shares the first letter of `word`.
void CatalogueIndex::MatchWord(QueryWord &form, std::string_view word, std::uint8_t exactness,
                               bool typos, bool prefix, bool freeJoin,
                               std::uint8_t vocabulary) const
{
    if (word.empty())
        return;
    const std::string singular = FindSingular(word);
    auto keep = [&form](std::uint32_t id, std::uint8_t quality) {
        std::uint8_t &best = form.quality[id];
        if (best == 0)
            form.matched.push_back(id);
        if (best == 0 || quality < best)
            best = quality;
    };
    if (!typos && !prefix && form.pair) { // the same word or its plural: a lookup
        for (const std::uint32_t id : SameSingular(singular))
            keep(id, Quality(0, exactness, vocabulary));
        return;
    }
    const bool slips =
        typos && word.size() >= kSlipFrom && !IsDigit(word.front()); // 2600 is no 2700
    const auto [from, to] = LetterRange(word.front());
    for (std::uint32_t id = from; id < to; ++id) {
        const std::string &target = words_[id];
        std::uint8_t quality = 0;
        if (target == word || singular_[id] == singular)
            quality = Quality(0, exactness, vocabulary);
        else if (prefix && target.starts_with(word))
            quality = Quality(0, kPrefix, vocabulary);
        else if (slips && (OneSlipApart(word, target) || OneSlipApart(singular, singular_[id])))
            quality = Quality(1, exactness, vocabulary);
        else if (slips && prefix && OneSlipFromStart(word, target))
            quality = Quality(1, kPrefix, vocabulary);
        if (quality)
            keep(id, quality);
        if (!form.pair && target.size() < word.size() && word.starts_with(target))
            MatchJoined(form, word, id, {exactness, vocabulary, freeJoin}, prefix);
    }
}

// `word` as catalogue word `first` and a word after it, joined: "harddrive" is
// "hard" and "drives".
void CatalogueIndex::MatchJoined(QueryWord &form, std::string_view word, std::uint32_t first,
                                 const JoinHow &how, bool prefix) const
{
    const std::string_view rest = word.substr(words_[first].size());
    const std::string restSingular = FindSingular(rest);
    if (!prefix) {
        for (const std::uint32_t second : SameSingular(restSingular))
            form.joins.push_back({first, second, how.exactness, how.vocabulary, how.free});
        return;
    }
    const auto [restFrom, restTo] = LetterRange(rest.front());
    for (std::uint32_t second = restFrom; second < restTo; ++second) {
        if (words_[second] == rest || singular_[second] == restSingular)
            form.joins.push_back({first, second, how.exactness, how.vocabulary, how.free});
        else if (words_[second].starts_with(rest))
            form.joins.push_back({first, second, kPrefix, how.vocabulary, how.free});
    }
}

// The words whose singular is `singular`: those a word matches whole.
std::span<const std::uint32_t> CatalogueIndex::SameSingular(std::string_view singular) const
{
    struct BySingular {
        const std::vector<std::string> &singular;
        bool operator()(std::uint32_t id, std::string_view word) const
        {
            return singular[id] < word;
        }
        bool operator()(std::string_view word, std::uint32_t id) const
        {
            return word < singular[id];
        }
    };
    const auto [from, to] =
        std::equal_range(bySingular_.begin(), bySingular_.end(), singular, BySingular{singular_});
    return {from, to};
}

std::pair<std::uint32_t, std::uint32_t> CatalogueIndex::LetterRange(char letter) const
{
    const auto c = static_cast<unsigned char>(letter);
    return {letterStart_[c], letterStart_[c + 1U]};
}

void CatalogueIndex::MatchQueryWord(QueryWord &form, std::uint8_t language) const
{
    form.quality.assign(words_.size(), 0);
    if (form.phrase) {
        MatchVocabulary(form, form.text, language);
        return;
    }
    // Too long to be a word of the catalogue, or two of them joined, with a slip.
    if (form.text.size() > (form.pair ? 1 : 2) * longestWord_ + 1)
        return;
    MatchWord(form, form.text, kWhole, !form.pair, form.last, false);
    if (!form.second.empty())
        MatchWord(form, form.second, kWhole, true, form.last, false);
    if (form.pair)
        return;
    MatchVocabulary(form, form.text, language);
    if (!form.second.empty())
        MatchVocabulary(form, form.second, language);
    for (const auto &[number, roman] : Numerals()) {
        if (form.text == number)
            MatchWord(form, roman, kNamed, false, false, false);
        else if (form.text == roman)
            MatchWord(form, number, kNamed, false, false, false);
    }
    MatchAmount(form);
}

// The catalogue words the vocabulary gives the phrase (or its plural): each
// meaning of one word as a word the form matches, each of several words as a
// meaning whose words a record must all hold.
void CatalogueIndex::MatchVocabulary(QueryWord &form, std::string_view phrase,
                                     std::uint8_t language) const
{
    std::vector<std::pair<std::string_view, std::uint8_t>> meanings; // and their cost
    const std::string singular = FindSingularPhrase(phrase);
    for (const std::string_view said : {phrase, std::string_view(singular)})
        for (const VocabularyMeaning &meaning : MeaningsOf(said))
            meanings.emplace_back(meaning.catalogue, meaning.language == language ? 1 : 2);
    std::sort(meanings.begin(), meanings.end());
    for (std::size_t i = 0; i < meanings.size(); ++i) {
        const auto [catalogue, vocabulary] = meanings[i];
        if (i > 0 && meanings[i - 1].first == catalogue)
            continue; // the cheaper of the same meaning came first
        if (catalogue.find(' ') == std::string_view::npos) {
            MatchWord(form, catalogue, kWhole, false, false, true, vocabulary);
            continue;
        }
        QueryWord::Meaning &meaning = form.meanings.emplace_back();
        meaning.vocabulary = vocabulary;
        for (const std::string &word : FindWords(catalogue)) {
            QueryWord &part = meaning.parts.emplace_back();
            part.quality.assign(words_.size(), 0);
            MatchWord(part, word, kWhole, false, false, true);
        }
        meaning.holders = HoldersOfAll(meaning.parts);
        if (meaning.holders.empty())
            form.meanings.pop_back();
    }
}

// The records that hold a match of every part, in order.
std::vector<std::uint32_t> CatalogueIndex::HoldersOfAll(const std::vector<QueryWord> &parts) const
{
    std::vector<std::uint8_t> held(records_.size(), 0);
    for (std::size_t p = 0; p < parts.size(); ++p)
        EachHolder(parts[p], [&](std::uint32_t record) {
            if (held[record] == p)
                held[record] = static_cast<std::uint8_t>(p + 1);
        });
    std::vector<std::uint32_t> holders;
    for (std::uint32_t record = 0; record < held.size(); ++record)
        if (held[record] == parts.size())
            holders.push_back(record);
    return holders;
}

// A number of the query matches the quantities of the same value, whatever
// their spelling or unit, and the ranges that hold it.
void CatalogueIndex::MatchAmount(QueryWord &form) const
{
    const std::optional<Amount> amount = AmountOf(form.text);
    if (!amount)
        return;
    form.quantityQuality.assign(quantities_.size(), 0);
    for (std::uint32_t i = 0; i < quantities_.size(); ++i) {
        std::uint8_t exactness = kWhole;
        switch (benchlist::MatchAmount(*amount, quantities_[i].quantity)) {
        case AmountMatch::None:
            continue;
        case AmountMatch::Whole:
            break;
        case AmountMatch::Lettered:
            exactness = kNamed;
            break;
        case AmountMatch::InRange:
            exactness = kInRange;
            break;
        case AmountMatch::OpenRange:
            exactness = kOpenRange;
            break;
        }
        form.quantityQuality[i] = Quality(0, exactness);
        form.quantities.push_back(i);
    }
}

std::span<const CatalogueIndex::Token> CatalogueIndex::TokensOf(std::uint32_t record) const
{
    return std::span(tokens_).subspan(firstToken_[record],
                                      firstToken_[record + 1] - firstToken_[record]);
}

namespace {

std::array<std::uint32_t, 3> Marks(FindField field, unsigned begin, unsigned end)
{
    std::array<std::uint32_t, 3> marks{};
    for (unsigned place = begin; place <= end && place < 32; ++place)
        marks[static_cast<std::size_t>(field)] |= 1U << place;
    return marks;
}

} // namespace

// A word of a record chosen for a form: its slips, and the vocabulary and
// exactness of its quality.
CatalogueIndex::Choice CatalogueIndex::Chosen(unsigned typos, std::uint8_t quality, FindField field,
                                              unsigned begin, unsigned end)
{
    return {true, typos, VocabularyOf(quality), ExactnessOf(quality), field, begin, end, {}};
}

CatalogueIndex::Choice CatalogueIndex::Best(const QueryWord &form, std::uint32_t record,
                                            const Choice *previous) const
{
    Choice best;
    if (form.MatchesNothing())
        return best;
    auto distance = [previous](const Choice &choice) {
        if (!previous || previous->field != choice.field)
            return kFar;
        const int gap = int(choice.begin) - int(previous->end) - 1;
        return static_cast<unsigned>(std::min(std::abs(gap), int(kFar)));
    };
    auto consider = [&](Choice choice) { // the distance only when all else is equal
        const auto key = [](const Choice &c) {
            return std::tuple(c.typos, c.vocabulary, c.field, c.exactness);
        };
        if (best.found
            && (key(best) < key(choice)
                || (key(choice) == key(best) && distance(choice) >= distance(best))))
            return;
        if (choice.marks == std::array<std::uint32_t, 3>{})
            choice.marks = Marks(choice.field, choice.begin, choice.end);
        best = choice;
    };
    EachWordChoice(form, record, consider);
    if (!form.quantityQuality.empty())
        for (std::uint32_t i = firstQuantity_[record]; i < firstQuantity_[record + 1]; ++i)
            if (const std::uint8_t quality = form.quantityQuality[i]) {
                const Located &at = quantities_[i];
                consider(Chosen(0, quality, at.field, at.quantity.begin, at.quantity.end));
            }
    if (!form.meanings.empty())
        if (const Choice meaning = BestMeaning(form, record, previous); meaning.found)
            consider(meaning);
    return best;
}

// Calls `consider` with each word of the record the form matches, alone or
// with the next.
template <typename Consider>
void CatalogueIndex::EachWordChoice(const QueryWord &form, std::uint32_t record,
                                    Consider &consider) const
{
    const std::span<const Token> tokens = TokensOf(record);
    const std::uint8_t *const qualities = form.quality.data();
    for (std::size_t i = 0; i < tokens.size(); ++i) {
        const Token &token = tokens[i];
        if (const std::uint8_t quality = qualities[token.word])
            consider(Chosen(TyposOf(quality) + form.pairTypos, quality, token.field, token.place,
                            token.place));
        if (form.joins.empty() || i + 1 == tokens.size() || tokens[i + 1].field != token.field)
            continue;
        for (const QueryWord::Join &join : form.joins)
            if (join.first == token.word && join.second == tokens[i + 1].word)
                consider(Chosen(join.free || token.gluedToNext ? 0U : 1U,
                                Quality(0, join.exactness, join.vocabulary), token.field,
                                token.place, tokens[i + 1].place));
    }
}

// The best of the form's meanings of several words that the record holds: all
// its words found, in the worst field of theirs, spanning them.
CatalogueIndex::Choice CatalogueIndex::BestMeaning(const QueryWord &form, std::uint32_t record,
                                                   const Choice *previous) const
{
    Choice best;
    for (const QueryWord::Meaning &meaning : form.meanings) {
        if (!std::binary_search(meaning.holders.begin(), meaning.holders.end(), record))
            continue;
        Choice all{true, 0, meaning.vocabulary, 0, FindField::Text, ~0U, 0, {}};
        for (const QueryWord &part : meaning.parts) {
            const Choice choice = Best(part, record, previous);
            all.found = all.found && choice.found;
            all.typos += choice.typos;
            all.exactness = std::max(all.exactness, choice.exactness);
            all.field = std::max(all.field, choice.field);
            all.begin = std::min(all.begin, choice.begin);
            all.end = std::max(all.end, choice.end);
            for (std::size_t f = 0; f < all.marks.size(); ++f)
                all.marks[f] |= choice.marks[f];
        }
        if (all.found && (!best.found || all.typos < best.typos))
            best = all;
    }
    return best;
}

// Whether the record holds each of the `count` kept words from `from` by its
// own catalogue word, not through the vocabulary.
bool CatalogueIndex::HeldOwn(const Query &query, std::size_t from, std::size_t count,
                             std::uint32_t record) const
{
    for (std::size_t k = from; k < from + count; ++k) {
        if (query.Optional(k))
            continue;
        const Choice choice = Best(*query.scored[k], record, nullptr);
        if (!choice.found || choice.vocabulary > 0)
            return false;
    }
    return true;
}

} // namespace benchlist
