// Matching: which catalogue words each word of a query matches, and which word
// of a record a word of the query is best taken for.
#include "core/findquery.h"

#include <algorithm>
#include <cstdlib>

namespace benchlist {

namespace {

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

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

// The phrase with the singular of its last word: "power bricks" is "power brick".
std::string WithSingularLast(std::string_view phrase)
{
    const std::size_t blank = phrase.rfind(' ');
    const std::size_t last = blank == std::string_view::npos ? 0 : blank + 1;
    return std::string(phrase.substr(0, last)) + FindSingular(phrase.substr(last));
}

} // namespace

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
        term.small = IsSmallWord(term.text);
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
    if (MeaningsOf(text).empty() && MeaningsOf(WithSingularLast(text)).empty())
        return nullptr;
    auto [phrase, added] = phrases_.try_emplace(text);
    if (added) {
        phrase->second.phrase = true;
        Matched(phrase->second, text, {}, false, false);
    }
    return &phrase->second;
}

std::vector<const CatalogueIndex::QueryWord *> CatalogueIndex::Query::FormsOf(std::size_t i)
{
    std::vector<const QueryWord *> forms{Word(i)};
    if (i > 0)
        forms.push_back(Pair(i - 1, i));
    if (!Last(i))
        forms.push_back(Pair(i, i + 1));
    for (std::size_t length = 2; length <= kLongestPhrase; ++length)
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
        optional_ |= std::uint32_t(terms_[kept[j]].small) << j;
        if (j > 0)
            pairs.push_back(Pair(kept[j - 1], kept[j]));
        for (std::size_t length = kLongestPhrase; length >= 2; --length) {
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
    const std::string singular = WithSingularLast(phrase);
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
    const std::span<const Token> tokens = TokensOf(record);
    const std::uint8_t *const qualities = form.quality.data();
    for (std::size_t i = 0; i < tokens.size(); ++i) {
        const Token &token = tokens[i];
        if (const std::uint8_t quality = qualities[token.word])
            consider({true,
                      TyposOf(quality) + form.pairTypos,
                      VocabularyOf(quality),
                      ExactnessOf(quality),
                      token.field,
                      token.place,
                      token.place,
                      {}});
        if (form.joins.empty() || i + 1 == tokens.size() || tokens[i + 1].field != token.field)
            continue;
        for (const QueryWord::Join &join : form.joins)
            if (join.first == token.word && join.second == tokens[i + 1].word)
                consider({true,
                          join.free || token.gluedToNext ? 0U : 1U,
                          join.vocabulary,
                          join.exactness,
                          token.field,
                          token.place,
                          tokens[i + 1].place,
                          {}});
    }
    if (!form.quantityQuality.empty())
        for (std::uint32_t i = firstQuantity_[record]; i < firstQuantity_[record + 1]; ++i)
            if (const std::uint8_t quality = form.quantityQuality[i])
                consider({true,
                          0,
                          0,
                          ExactnessOf(quality),
                          quantities_[i].field,
                          quantities_[i].quantity.begin,
                          quantities_[i].quantity.end,
                          {}});
    if (!form.meanings.empty())
        if (const Choice meaning = BestMeaning(form, record, previous); meaning.found)
            consider(meaning);
    return best;
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
