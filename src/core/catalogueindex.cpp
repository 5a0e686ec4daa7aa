#include "core/catalogueindex.h"

#include "catalogue/catalogue.h"
#include "core/everydaywords.h"
#include "core/lookup.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <map>
#include <numeric>
#include <set>
#include <tuple>
#include <unordered_map>

namespace benchlist {

namespace {

// Words shorter than this must match exactly; longer ones may hold one slip.
constexpr std::size_t kSlipFrom = 5;

// How exact a match is, the second part of a match's quality.
constexpr std::uint8_t kWhole = 0;
constexpr std::uint8_t kEveryday = 1;
constexpr std::uint8_t kPrefix = 2;

// A match's quality packed in a byte: 0 for none, else 1 + 4 * typos + exactness.
constexpr std::uint8_t Quality(unsigned typos, std::uint8_t exactness)
{
    return static_cast<std::uint8_t>(1 + 4 * typos + exactness);
}
constexpr unsigned TyposOf(std::uint8_t quality)
{
    return (quality - 1U) / 4U;
}
constexpr std::uint8_t ExactnessOf(std::uint8_t quality)
{
    return static_cast<std::uint8_t>((quality - 1U) % 4U);
}

// Nearness of two words that do not stand side by side, at most.
constexpr unsigned kFar = 8;

// Stands for any one character beyond ASCII: never part of a catalogue word.
constexpr char kForeignLetter = '\x80';

bool IsAsciiWordCharacter(unsigned char c)
{
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

char Lower(unsigned char c)
{
    return static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
}

bool StartsWord(std::string_view text, std::size_t at)
{
    if (at >= text.size())
        return false;
    const auto c = static_cast<unsigned char>(text[at]);
    return IsAsciiWordCharacter(c) || c >= 0xc0;
}

std::string Compact(std::string_view text)
{
    std::string compact;
    for (const std::string &word : FindWords(text))
        compact += word;
    return compact;
}

// Whether two words of the same first letter are one letter wrong, missing,
// extra or swapped apart.
bool OneSlipApart(std::string_view a, std::string_view b)
{
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
    if (a.size() == b.size() + 1)
        return a.substr(i + 1) == b.substr(i);
    return false;
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

std::vector<FindWordSpan> FindWordSpans(std::string_view text)
{
    std::vector<FindWordSpan> words;
    FindWordSpan word{{}, 0, 0, false};
    auto endWord = [&](std::size_t at) {
        if (!word.word.empty()) {
            word.end = at;
            // A hyphen, slash or dot between two words glues them: "DVD-RW", "PS/2".
            const char c = at < text.size() ? text[at] : ' ';
            word.gluedToNext = (c == '-' || c == '/' || c == '.') && StartsWord(text, at + 1);
            words.push_back(std::move(word));
        }
        word = {{}, at + 1, 0, false};
    };
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (IsAsciiWordCharacter(c)) {
            word.word += Lower(c);
        } else if (c == '\'') {
            continue; // "PDA's" is one word
        } else if (text.substr(i, 3) == "\xe2\x80\x99") {
            i += 2; // the typographic apostrophe likewise
        } else if (c >= 0xc0) {
            word.word += kForeignLetter; // the lead byte of one character
        } else if (c < 0x80) {
            endWord(i);
        } // continuation bytes belong to the character already counted
        if (word.word.size() == 1 && (IsAsciiWordCharacter(c) || c >= 0xc0))
            word.begin = i;
    }
    endWord(text.size());
    return words;
}

std::vector<std::string> FindWords(std::string_view text)
{
    std::vector<std::string> words;
    for (FindWordSpan &span : FindWordSpans(text))
        words.push_back(std::move(span.word));
    return words;
}

std::string FindSingular(std::string_view word)
{
    auto endsWith = [word](std::string_view end) { return word.ends_with(end); };
    if (word.size() > 4 && endsWith("ies"))
        return std::string(word.substr(0, word.size() - 3)) + 'y';
    if (word.size() > 4
        && (endsWith("sses") || endsWith("shes") || endsWith("ches") || endsWith("xes")
            || endsWith("zes")))
        return std::string(word.substr(0, word.size() - 2));
    if (word.size() > 3 && endsWith("s") && !endsWith("ss"))
        return std::string(word.substr(0, word.size() - 1));
    return std::string(word);
}

bool IsSmallWord(std::string_view word)
{
    static constexpr std::string_view kSmall[] = {"a",   "an",   "and", "the", "of",
                                                  "for", "with", "&",   "or"};
    return std::find(std::begin(kSmall), std::end(kSmall), word) != std::end(kSmall);
}

std::vector<std::string> FindInformativeWords(std::string_view query)
{
    std::vector<std::string> words = FindWords(query);
    if (!std::all_of(words.begin(), words.end(), IsSmallWord))
        std::erase_if(words, [](const std::string &word) { return IsSmallWord(word); });
    return words;
}

// One word of the query, or two neighbouring ones joined, and the catalogue
// words it matches.
struct CatalogueIndex::QueryWord {
    std::string text;
    bool last = false;                 // the query's last word: may be a start of a word
    bool pair = false;                 // two words of the query joined
    unsigned pairTypos = 0;            // 0 when the query glued them itself: "dvd-rw"
    std::vector<std::uint8_t> quality; // per word of words_
    std::vector<std::uint32_t> matched;
    struct Join {
        std::uint32_t first;
        std::uint32_t second;
        std::uint8_t exactness;
        bool free; // an everyday word written joined costs no typo
    };
    std::vector<Join> joins; // the form is two neighbouring words of a text joined
};

// The word of a record that a form matches best.
struct CatalogueIndex::Choice {
    bool found = false;
    unsigned typos = 0;
    std::uint8_t exactness = 0;
    FindField field = FindField::Text;
    unsigned begin = 0; // place of the first word and of the last: two for a join
    unsigned end = 0;
};

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

    // The words were numbered as they came; number them in alphabetical order,
    // so that the words of one first letter lie together.
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
    records_.push_back({
        .text = entry.text,
        .windowName = window.name,
        .windowTitle = window.title,
        .dropDownName = dropDown.name,
        .caption = dropDown.initialText,
        .address = LookupPage(dropDown.pages, entry.text),
        .typed = !IsListed(dropDown, entry.text),
    });
    compact_.push_back(Compact(entry.text));
    AddTokens(entry.text, FindField::Text, ids);
    AddTokens(dropDown.initialText, FindField::Caption, ids);
    AddTokens(window.title, FindField::Title, ids);
}

// While the index is built, words_ is in order of first appearance.
void CatalogueIndex::AddTokens(std::string_view text, FindField field, WordIds &ids)
{
    std::uint8_t place = 0;
    for (FindWordSpan &span : FindWordSpans(text)) {
        const auto [it, added] =
            ids.try_emplace(span.word, static_cast<std::uint32_t>(words_.size()));
        if (added)
            words_.push_back(std::move(span.word));
        tokens_.push_back({it->second, field, place, span.gluedToNext});
        if (place < 255)
            ++place;
    }
}

std::span<const CatalogueIndex::Token> CatalogueIndex::TokensOf(std::uint32_t record) const
{
    return std::span(tokens_).subspan(firstToken_[record],
                                      firstToken_[record + 1] - firstToken_[record]);
}

// Records in `form` every catalogue word that `word` matches, and every pair of
// words it is the two joined. Every such word shares the first letter of `word`.
void CatalogueIndex::MatchWord(QueryWord &form, std::string_view word, std::uint8_t exactness,
                               bool typos, bool prefix, bool freeJoin) const
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
    auto wholeOrStart = [&](std::string_view part, const std::string &partSingular,
                            std::uint32_t id) -> std::uint8_t {
        if (words_[id] == part || singular_[id] == partSingular)
            return Quality(0, exactness);
        if (prefix && words_[id].starts_with(part))
            return Quality(0, kPrefix);
        return 0;
    };
    const bool slips = typos && word.size() >= kSlipFrom;
    const auto [from, to] = LetterRange(word.front());
    for (std::uint32_t id = from; id < to; ++id) {
        const std::string &target = words_[id];
        std::uint8_t quality = wholeOrStart(word, singular, id);
        if (!quality && slips
            && (OneSlipApart(word, target) || OneSlipApart(singular, singular_[id])))
            quality = Quality(1, exactness);
        if (!quality && slips && prefix && OneSlipFromStart(word, target))
            quality = Quality(1, kPrefix);
        if (quality)
            keep(id, quality);
        if (form.pair || target.size() >= word.size() || !word.starts_with(target))
            continue;
        // `target` and a word after it, joined: "harddrive" is "hard" and "drives".
        const std::string_view rest = word.substr(target.size());
        const std::string restSingular = FindSingular(rest);
        const auto [restFrom, restTo] = LetterRange(rest.front());
        for (std::uint32_t second = restFrom; second < restTo; ++second)
            if (const std::uint8_t joined = wholeOrStart(rest, restSingular, second))
                form.joins.push_back({id, second, ExactnessOf(joined), freeJoin});
    }
}

std::pair<std::uint32_t, std::uint32_t> CatalogueIndex::LetterRange(char letter) const
{
    const auto c = static_cast<unsigned char>(letter);
    return {letterStart_[c], letterStart_[c + 1U]};
}

void CatalogueIndex::MatchQueryWord(QueryWord &form) const
{
    form.quality.assign(words_.size(), 0);
    // Too long to be a word of the catalogue, or two of them joined, with a slip.
    if (form.text.size() > (form.pair ? 1 : 2) * longestWord_ + 1)
        return;
    MatchWord(form, form.text, kWhole, !form.pair, form.last, false);
    if (form.pair)
        return;
    const std::string singular = FindSingular(form.text);
    for (const EverydayWord &everyday : kEverydayWords)
        if (everyday.shopper == form.text || everyday.shopper == singular)
            MatchWord(form, everyday.catalogue, kEveryday, false, false, true);
}

CatalogueIndex::Choice CatalogueIndex::Best(const QueryWord &form, std::uint32_t record,
                                            const Choice *previous) const
{
    Choice best;
    auto distance = [previous](const Choice &choice) {
        if (!previous || previous->field != choice.field)
            return kFar;
        const int gap = int(choice.begin) - int(previous->end) - 1;
        return static_cast<unsigned>(std::min(std::abs(gap), int(kFar)));
    };
    auto consider = [&](const Choice &choice) {
        const auto key = [&](const Choice &c) {
            return std::tuple(c.typos, c.field, c.exactness, distance(c));
        };
        if (!best.found || key(choice) < key(best))
            best = choice;
    };
    const std::span<const Token> tokens = TokensOf(record);
    for (std::size_t i = 0; i < tokens.size(); ++i) {
        const Token &token = tokens[i];
        if (const std::uint8_t quality = form.quality[token.word])
            consider({true, TyposOf(quality) + form.pairTypos, ExactnessOf(quality), token.field,
                      token.place, token.place});
        if (form.joins.empty() || i + 1 == tokens.size() || tokens[i + 1].field != token.field)
            continue;
        for (const QueryWord::Join &join : form.joins)
            if (join.first == token.word && join.second == tokens[i + 1].word)
                consider({true, join.free || token.gluedToNext ? 0U : 1U, join.exactness,
                          token.field, token.place, tokens[i + 1].place});
    }
    return best;
}

// Finds the best word of the record for each word of the query, or for two
// neighbouring ones together, and scores the lot; false when a word is missing.
bool CatalogueIndex::Score(std::uint32_t record, const std::vector<const QueryWord *> &words,
                           const std::vector<const QueryWord *> &pairs, FindHit &hit) const
{
    unsigned typos = 0, nearness = 0, fields = 0, inexact = 0;
    hit.marked = {};
    Choice previous;
    auto take = [&](const Choice &choice) {
        typos += choice.typos;
        fields += static_cast<unsigned>(choice.field);
        hit.score.outsideText |= choice.field != FindField::Text;
        inexact += choice.exactness;
        if (previous.found) {
            const int gap = int(choice.begin) - int(previous.end);
            nearness += previous.field != choice.field ? kFar
                        : gap >= 1 ? std::min(unsigned(gap - 1), kFar - 1) // in order
                                   : std::min(unsigned(2 - gap), kFar);    // out of order
        } else {
            hit.score.startsText = choice.field == FindField::Text && choice.begin == 0;
        }
        for (unsigned place = choice.begin; place <= choice.end && place < 32; ++place)
            hit.marked[static_cast<std::size_t>(choice.field)] |= 1U << place;
        previous = choice;
    };
    for (std::size_t i = 0; i < words.size();) {
        const Choice single = Best(*words[i], record, previous.found ? &previous : nullptr);
        if (i + 1 < words.size()) {
            const Choice joined = Best(*pairs[i], record, previous.found ? &previous : nullptr);
            if (joined.found) {
                const Choice next = single.found ? Best(*words[i + 1], record, &single) : Choice{};
                if (!next.found || joined.typos < single.typos + next.typos) {
                    take(joined);
                    i += 2;
                    continue;
                }
            }
        }
        if (!single.found)
            return false;
        take(single);
        ++i;
    }
    auto clamp = [](unsigned n) { return static_cast<std::uint16_t>(std::min(n, 0xffffU)); };
    hit.score.typos = clamp(typos);
    hit.score.nearness = clamp(nearness);
    hit.score.fields = clamp(fields);
    hit.score.inexact = clamp(inexact);
    return true;
}

std::vector<FindHit> CatalogueIndex::Find(std::string_view query, const FindUsage &usage) const
{
    const std::vector<FindWordSpan> spans = FindWordSpans(query);
    if (spans.empty())
        return {};

    // The same word, or the same two joined, are matched against the catalogue
    // once, however often the query repeats them; and a word is matched only
    // when the words before it have left some record to look in, so that a
    // long query nothing answers costs no more than its first few words.
    std::unordered_map<std::string_view, QueryWord> singles;
    QueryWord lastWord;
    std::map<std::tuple<const QueryWord *, const QueryWord *, bool>, QueryWord> joinedPairs;
    std::vector<const QueryWord *> words(spans.size());
    std::vector<char> repeated(spans.size(), 0);
    const auto isLast = [&spans](std::size_t i) { return i + 1 == spans.size(); };
    auto matched = [this](QueryWord &form, std::string text, bool last, bool pair) {
        form.text = std::move(text);
        form.last = last;
        form.pair = pair;
        MatchQueryWord(form);
        return &form;
    };
    auto wordAt = [&](std::size_t i) {
        if (words[i])
            return words[i];
        if (isLast(i))
            return words[i] = matched(lastWord, spans[i].word, true, false);
        auto [single, added] = singles.try_emplace(spans[i].word);
        repeated[i] = !added;
        return words[i] =
                   added ? matched(single->second, spans[i].word, false, false) : &single->second;
    };
    // The words i and k, next to each other once repeats are left out, as one.
    auto pairOf = [&](std::size_t i, std::size_t k) -> const QueryWord * {
        const bool glued = k == i + 1 && spans[i].gluedToNext;
        auto [pair, added] = joinedPairs.try_emplace({wordAt(i), wordAt(k), glued});
        if (added) {
            pair->second.pairTypos = glued ? 0 : 1;
            matched(pair->second, spans[i].word + spans[k].word, isLast(k), true);
        }
        return &pair->second;
    };

    // Keeps the records where every word, alone or with a neighbour, has a match.
    std::vector<std::uint32_t> candidates(records_.size());
    for (std::uint32_t r = 0; r < candidates.size(); ++r)
        candidates[r] = r;
    std::vector<std::uint32_t> stamp(records_.size());
    std::uint32_t epoch = 0;
    auto mark = [&](const QueryWord *form) {
        if (!form)
            return;
        for (std::uint32_t id : form->matched)
            for (std::uint32_t record : holders_[id])
                stamp[record] = epoch;
        for (const QueryWord::Join &join : form->joins)
            for (std::uint32_t record : holders_[join.first])
                stamp[record] = epoch;
    };
    std::set<std::tuple<const QueryWord *, const QueryWord *, const QueryWord *>> checked;
    const QueryWord *before = nullptr;
    const auto sameAsBefore = [&spans](std::size_t i) { // the word and its neighbours
        return i > 0 && i + 1 < spans.size() && spans[i].word == spans[i - 1].word
               && spans[i + 1].word == spans[i].word
               && spans[i].gluedToNext == spans[i - 1].gluedToNext;
    };
    for (std::size_t i = 0; i < spans.size(); ++i) {
        if (sameAsBefore(i)) { // "usb usb usb": nothing new to look for
            words[i] = words[i - 1];
            repeated[i] = 1;
            continue;
        }
        const QueryWord *word = wordAt(i);
        const QueryWord *after = isLast(i) ? nullptr : pairOf(i, i + 1);
        if (checked.insert({word, before, after}).second) {
            ++epoch;
            mark(word);
            mark(before);
            mark(after);
            std::erase_if(candidates, [&](std::uint32_t record) { return stamp[record] != epoch; });
            if (candidates.empty())
                return {};
        }
        before = after;
    }

    // A word the query has said before adds nothing to what it finds; scoring
    // it again for every record would make a word said a thousand times cost a
    // thousand searches. The last word stays: it may still be typed on.
    std::vector<std::size_t> kept;
    for (std::size_t i = 0; i < spans.size(); ++i)
        if (!repeated[i])
            kept.push_back(i);
    std::vector<const QueryWord *> scored, pairs;
    for (std::size_t j = 0; j < kept.size(); ++j) {
        scored.push_back(words[kept[j]]);
        if (j > 0)
            pairs.push_back(pairOf(kept[j - 1], kept[j]));
    }
    std::string compactQuery;
    for (const FindWordSpan &span : spans)
        compactQuery += span.word;

    std::vector<FindHit> hits;
    for (std::uint32_t record : candidates) {
        FindHit hit{&records_[record], {}, {}, {}, {}};
        if (!Score(record, scored, pairs, hit))
            continue;
        hit.score.wholeText = compact_[record] == compactQuery;
        hit.rank = RankOf(hit, record, usage);
        hits.push_back(std::move(hit));
    }
    std::sort(hits.begin(), hits.end(),
              [](const FindHit &a, const FindHit &b) { return a.rank < b.rank; });
    return hits;
}

FindRank CatalogueIndex::RankOf(const FindHit &hit, std::uint32_t record,
                                const FindUsage &usage) const
{
    const FindScore &s = hit.score;
    FindRank rank{
        .missing = static_cast<std::uint16_t>(std::min<std::size_t>(hit.missing.size(), 0xffff)),
        .typo = s.typos > 0,
        .notWholeText = !s.wholeText,
        .typos = s.typos,
        .outsideText = s.outsideText,
        .nearness = s.nearness,
        .fields = s.fields,
        .inexact = s.inexact,
        .notStartsText = !s.startsText,
        .length = hit.record->text.size(),
        .order = record,
    };
    if (usage) {
        // Usage comes from a file the shopper may have edited: take only sound values.
        const FindUse use = usage(*hit.record);
        const auto minus = [](double x) { return std::isfinite(x) && x > 0 ? -x : 0.0; };
        if (!hit.Partial() && !rank.typo)
            rank.unchosen = minus(use.chosen);
        rank.unused = minus(use.weight);
    }
    return rank;
}

bool CatalogueIndex::Holds(const FindRecord &record, std::string_view query, std::size_t word) const
{
    const std::vector<std::string> words = FindInformativeWords(query);
    if (word >= words.size() || &record < records_.data()
        || &record >= records_.data() + records_.size())
        return false;
    const auto id = static_cast<std::uint32_t>(&record - records_.data());
    QueryWord alone;
    alone.text = words[word];
    alone.last = word + 1 == words.size();
    MatchQueryWord(alone);
    if (Best(alone, id, nullptr).found)
        return true;
    for (std::size_t first = word == 0 ? 0 : word - 1; first <= word && first + 1 < words.size();
         ++first) {
        QueryWord pair;
        pair.text = words[first] + words[first + 1];
        pair.last = first + 2 == words.size();
        pair.pair = true;
        MatchQueryWord(pair);
        if (Best(pair, id, nullptr).found)
            return true;
    }
    return false;
}

} // namespace benchlist
