#include "core/catalogueindex.h"

#include "catalogue/catalogue.h"
#include "core/everydaywords.h"
#include "core/lookup.h"

#include <algorithm>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <functional>
#include <limits>
#include <map>
#include <optional>
#include <set>
#include <tuple>
#include <unordered_map>
#include <utility>

namespace benchlist {

namespace {

// Words shorter than this must match exactly; longer ones may hold one slip.
constexpr std::size_t kSlipFrom = 5;

// How exact a match is, the second part of a match's quality.
constexpr std::uint8_t kWhole = 0;
constexpr std::uint8_t kEveryday = 1;  // also a number with a letter: "802.11g", "Cat-5e"
constexpr std::uint8_t kInRange = 2;   // a number inside a range: "2.4" in "2.1 to 2.6GHz"
constexpr std::uint8_t kOpenRange = 3; // a number in a range with one end: "3.0GHz And Higher"
constexpr std::uint8_t kPrefix = 4;

// A match's quality packed in a byte: 0 for none, else 1 + 5 * typos + exactness.
constexpr std::uint8_t Quality(unsigned typos, std::uint8_t exactness)
{
    return static_cast<std::uint8_t>(1 + 5 * typos + exactness);
}
constexpr unsigned TyposOf(std::uint8_t quality)
{
    return (quality - 1U) / 5U;
}
constexpr std::uint8_t ExactnessOf(std::uint8_t quality)
{
    return static_cast<std::uint8_t>((quality - 1U) % 5U);
}

// Nearness of two words that do not stand side by side, at most.
constexpr unsigned kFar = 8;

// Stands for any one character beyond ASCII: never part of a catalogue word.
constexpr char kForeignLetter = '\x80';

// Beyond this many different words a query finds only records holding them all.
constexpr std::size_t kMostWords = 16;

// The words of a query that count: more than fit the find box only bury the
// words a shopper meant, and would make a long query cost more than a short one.
constexpr std::size_t kMostTerms = 32;

// The longest text, and the most records, whose order a sort key keeps.
constexpr std::uint64_t kMostSorted = 0xffff;
static_assert(catalogue::PageCount() <= kMostSorted);

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

// Units that shoppers write after a number, joined or apart. Those of one kind
// convert: 1000 MHz is 1 GHz.
struct Unit {
    std::string_view word;
    std::uint8_t kind;
    double scale;
};
constexpr Unit kUnits[] = {
    {"mhz", 1, 1},  {"ghz", 1, 1000}, {"mb", 2, 1},   {"gb", 2, 1024}, {"tb", 2, 1048576},
    {"ft", 3, 1},   {"feet", 3, 1},   {"foot", 3, 1}, {"inch", 4, 1},  {"inches", 4, 1},
    {"watt", 5, 1}, {"watts", 5, 1},  {"w", 5, 1},    {"port", 6, 1},  {"ports", 6, 1},
    {"pack", 7, 1}, {"packs", 7, 1},  {"x", 8, 1},    {"mbps", 9, 1},  {"k", 10, 1},
};

const Unit *UnitNamed(std::string_view word)
{
    for (const Unit &unit : kUnits)
        if (unit.word == word)
            return &unit;
    return nullptr;
}

// A number as a word writes it: "2.4", "2.4ghz", "802.11g", "200s".
struct Amount {
    double value;
    const Unit *unit;
    bool lettered;
};

std::optional<Amount> AmountOf(std::string_view word)
{
    std::size_t digits = 0;
    while (digits < word.size() && IsDigit(word[digits]))
        ++digits;
    if (digits == 0)
        return std::nullopt;
    if (digits + 1 < word.size() && word[digits] == '.' && IsDigit(word[digits + 1]))
        for (digits += 2; digits < word.size() && IsDigit(word[digits]);)
            ++digits;
    double value = 0;
    const auto [end, error] = std::from_chars(word.data(), word.data() + digits, value);
    if (error != std::errc() || !std::isfinite(value))
        return std::nullopt; // "1" followed by ten thousand zeros is no amount
    const std::string_view rest = word.substr(digits);
    if (rest.empty())
        return Amount{value, nullptr, false};
    if (const Unit *unit = UnitNamed(rest))
        return Amount{value, unit, false};
    if (rest.size() == 1 && rest[0] >= 'a' && rest[0] <= 'z')
        return Amount{value, nullptr, true};
    return std::nullopt; // "0x10", "1e999", "3com": a word, not a number
}

bool Within(double value, double low, double high)
{
    const auto slack = [](double x) {
        return std::isfinite(x) ? 1e-9 * std::max(1.0, std::abs(x)) : 0;
    };
    return value >= low - slack(low) && value <= high + slack(high);
}

// Words after a number, or before it, that leave the range open: "& Less", "Above 50 GB".
constexpr std::string_view kBelow[] = {"less", "lower", "slower", "smaller", "under", "below"};
constexpr std::string_view kAbove[] = {"more", "higher", "faster", "larger", "over", "above"};

template <std::size_t N> bool OneOf(const std::string_view (&words)[N], std::string_view word)
{
    return std::find(std::begin(words), std::end(words), word) != std::end(words);
}

// Roman numerals the catalogue writes in model names: "Pentium II".
constexpr std::pair<std::string_view, std::string_view> kRomanNumerals[] = {
    {"2", "ii"}, {"3", "iii"}, {"4", "iv"}};

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

namespace {

// The first `most` words of the text.
std::vector<FindWordSpan> WordSpans(std::string_view text, std::size_t most)
{
    std::vector<FindWordSpan> words;
    words.reserve(std::min(most, text.size() / 2 + 1)); // at most a word per two characters
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
        } else if (c == '.' && !word.word.empty() && IsDigit(word.word.back())
                   && i + 1 < text.size() && IsDigit(text[i + 1])) {
            word.word += '.'; // "2.4" is one number
        } else if (c == '\'') {
            continue; // "PDA's" is one word
        } else if (text.substr(i, 3) == "\xe2\x80\x99") {
            i += 2; // the typographic apostrophe likewise
        } else if (c >= 0xc0) {
            word.word += kForeignLetter; // the lead byte of one character
        } else if (c < 0x80) {
            endWord(i);
            if (words.size() == most)
                return words;
        } // continuation bytes belong to the character already counted
        if (word.word.size() == 1 && (IsAsciiWordCharacter(c) || c >= 0xc0))
            word.begin = i;
    }
    endWord(text.size());
    return words;
}

} // namespace

std::vector<FindWordSpan> FindWordSpans(std::string_view text)
{
    return WordSpans(text, std::numeric_limits<std::size_t>::max());
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

namespace {

// A word of the query as find weighs it.
struct QueryTerm {
    std::string text; // a number and its unit are one: "1000 mhz" is "1000mhz"
    bool small;       // need not match: "and", "the"
    bool gluedToNext; // "dvd-rw"
    bool typedOn;     // the query's last word, which may be the start of a longer one
};

std::vector<QueryTerm> QueryTerms(std::string_view query)
{
    std::vector<FindWordSpan> spans = WordSpans(query, 2 * kMostTerms + 1);
    std::vector<QueryTerm> terms;
    terms.reserve(std::min(spans.size(), kMostTerms));
    std::size_t i = 0;
    for (; i < spans.size() && terms.size() < kMostTerms; ++i) {
        QueryTerm term{std::move(spans[i].word), false, spans[i].gluedToNext, false};
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

// A rank as integers that compare as the rank does, for sorting a long list
// at a few instructions a comparison. Every count of a score fits a byte (see
// Score), a word's bit in `lacked` fits 16 bits (kMostWords), a text's length
// and a record's place 16 bits (kMostSorted).
std::array<std::uint64_t, 3> SortKey(const FindRank &rank)
{
    const auto ordered = [](float x) -> std::uint64_t { // a float's order, as an unsigned's
        const auto bits = std::bit_cast<std::uint32_t>(x + 0.0F); // -0 is 0
        return bits >> 31 ? ~bits : bits | std::uint32_t(1) << 31;
    };
    using U = std::uint64_t;
    return {U(rank.missing) << 49 | U(rank.lacked) << 33 | U(rank.typo) << 32
                | ordered(rank.unchosen),
            U(rank.notWholeText) << 63 | U(rank.typos) << 55 | U(rank.outside) << 47
                | U(rank.nearness) << 39 | U(rank.fields) << 31 | U(rank.inexact) << 23
                | U(rank.notStartsText) << 22,
            ordered(rank.unused) << 32 | std::min<U>(rank.length, kMostSorted) << 16
                | std::min<U>(rank.order, kMostSorted)};
}

// Best first. Sorts the hits' places by their keys, then moves each hit once
// to its place, within the list: a second list of hits would cost more than
// the sort.
void SortByRank(std::vector<FindHit> &hits)
{
    struct Keyed {
        std::array<std::uint64_t, 3> key;
        std::uint32_t from; // the hit that belongs at this place, once sorted
    };
    std::vector<Keyed> keyed(hits.size());
    for (std::uint32_t i = 0; i < hits.size(); ++i)
        keyed[i] = {SortKey(hits[i].rank), i};
    std::sort(keyed.begin(), keyed.end(), [](const Keyed &a, const Keyed &b) {
        if (a.key[0] != b.key[0])
            return a.key[0] < b.key[0];
        if (a.key[1] != b.key[1])
            return a.key[1] < b.key[1];
        return a.key[2] < b.key[2];
    });
    for (std::uint32_t i = 0; i < keyed.size(); ++i) {
        if (keyed[i].from == i)
            continue;
        FindHit first = std::move(hits[i]);
        std::uint32_t at = i;
        for (; keyed[at].from != i; at = std::exchange(keyed[at].from, at))
            hits[at] = std::move(hits[keyed[at].from]);
        hits[at] = std::move(first);
        keyed[at].from = at;
    }
}

} // namespace

std::vector<std::string> FindInformativeWords(std::string_view query)
{
    std::vector<std::string> words;
    for (QueryTerm &term : QueryTerms(query))
        if (!term.small)
            words.push_back(std::move(term.text));
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
    // A number: the quantities it matches, and how well (1 + exactness).
    std::vector<std::uint8_t> quantityQuality; // per quantity of quantities_, when a number
    std::vector<std::uint32_t> quantities;

    bool MatchesNothing() const { return matched.empty() && joins.empty() && quantities.empty(); }
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
    firstQuantity_.push_back(static_cast<std::uint32_t>(quantities_.size()));

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
    compact_.push_back(Compact(entry.text));
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
        const auto [it, added] =
            ids.try_emplace(span.word, static_cast<std::uint32_t>(words_.size()));
        if (added)
            words_.push_back(span.word);
        tokens_.push_back({it->second, field, place, span.gluedToNext});
        if (place < 255)
            ++place;
    }
    AddQuantities(text, spans, field);
}

// Each number of the text, with its unit if one follows, and each range that
// numbers form: "2.1Ghz - 2.6GHz", "2600-2699", "51 to 100Ft", "18-19-inch",
// "32mb & Less", "More than 100 GB", "401+ Watts".
void CatalogueIndex::AddQuantities(std::string_view text, const std::vector<FindWordSpan> &spans,
                                   FindField field)
{
    const std::size_t count = spans.size();
    const auto record = static_cast<std::uint32_t>(records_.size() - 1);
    const auto place = [](std::size_t i) {
        return static_cast<std::uint8_t>(std::min<std::size_t>(i, 255));
    };
    const auto wordAt = [&](std::size_t i) {
        return i < count ? std::string_view(spans[i].word) : std::string_view();
    };
    // What stands between word i and the next, blanks left out.
    const auto between = [&](std::size_t i) {
        std::string_view gap = text.substr(spans[i].end, spans[i + 1].begin - spans[i].end);
        while (!gap.empty() && gap.front() == ' ')
            gap.remove_prefix(1);
        while (!gap.empty() && gap.back() == ' ')
            gap.remove_suffix(1);
        return gap;
    };
    // The amount at word i, taking in a unit word after it; `last` is its last word.
    const auto amountAt = [&](std::size_t i, std::size_t &last) {
        std::optional<Amount> amount = AmountOf(spans[i].word);
        last = i;
        if (amount && !amount->unit && !amount->lettered)
            if (const Unit *unit = UnitNamed(wordAt(i + 1))) {
                amount->unit = unit;
                last = i + 1;
            }
        return amount;
    };
    const auto add = [&](double low, const Unit *lowUnit, double high, const Unit *highUnit,
                         std::size_t begin, std::size_t end, bool lettered, bool open = false) {
        const double lowScale = lowUnit ? lowUnit->scale : 1;
        const double highScale = highUnit ? highUnit->scale : 1;
        low *= lowScale;
        high *= highScale;
        quantities_.push_back({std::min(low, high), std::max(low, high), lowScale, highScale,
                               record, lowUnit ? lowUnit->kind : std::uint8_t(0), field,
                               place(begin), place(end), lettered, open});
    };
    constexpr double kEndless = std::numeric_limits<double>::infinity();
    for (std::size_t i = 0; i < count; ++i) {
        std::size_t last = i;
        const std::optional<Amount> low = amountAt(i, last);
        if (!low)
            continue;
        const Unit *unit = low->unit;
        std::size_t next = wordAt(last + 1) == "to"                   ? last + 2
                           : last + 1 < count && between(last) == "-" ? last + 1
                                                                      : count;
        std::size_t end = 0;
        std::optional<Amount> high = next < count ? amountAt(next, end) : std::nullopt;
        const Unit *highUnit = high && high->unit ? high->unit : unit;
        if (high && unit && highUnit->kind != unit->kind)
            high.reset(); // "4 Port 10-Packs" holds no range
        if (high) {
            unit = unit ? unit : highUnit;
            add(low->value, unit, high->value, highUnit, i, end, low->lettered || high->lettered);
        }
        add(low->value, unit, low->value, unit, i, unit && !low->unit ? i : last, low->lettered);
        if (high)
            continue;
        // "32mb & Less", "3.0GHz And Higher", "Dell 2.5GHz More", "401+ Watts"
        std::size_t open = last + 1;
        if (wordAt(open) == "and" || wordAt(open) == "or")
            ++open;
        const bool plus = spans[i].end < text.size() && text[spans[i].end] == '+';
        if (OneOf(kBelow, wordAt(open)))
            add(0, unit, low->value, unit, i, open, low->lettered, true);
        else if (OneOf(kAbove, wordAt(open)) || plus)
            add(low->value, unit, kEndless, unit, i, plus ? last : open, low->lettered, true);
        // "Higher 60GB", "More than 100 GB", "Above 50 GB"
        const std::size_t before = i >= 2 && spans[i - 1].word == "than" ? i - 2 : i - 1;
        if (i > 0 && OneOf(kAbove, spans[before].word))
            add(low->value, unit, kEndless, unit, before, last, low->lettered, true);
        else if (i > 0 && OneOf(kBelow, spans[before].word))
            add(0, unit, low->value, unit, before, last, low->lettered, true);
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
    if (!typos && !prefix && form.pair) { // the same word or its plural: a lookup
        for (const std::uint32_t id : SameSingular(singular))
            keep(id, Quality(0, exactness));
        return;
    }
    const bool slips =
        typos && word.size() >= kSlipFrom && !IsDigit(word.front()); // 2600 is no 2700
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
        if (!prefix) {
            for (const std::uint32_t second : SameSingular(restSingular))
                form.joins.push_back({id, second, exactness, freeJoin});
            continue;
        }
        const auto [restFrom, restTo] = LetterRange(rest.front());
        for (std::uint32_t second = restFrom; second < restTo; ++second)
            if (const std::uint8_t joined = wholeOrStart(rest, restSingular, second))
                form.joins.push_back({id, second, ExactnessOf(joined), freeJoin});
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
    for (const auto &[number, roman] : kRomanNumerals) {
        if (form.text == number)
            MatchWord(form, roman, kEveryday, false, false, false);
        else if (form.text == roman)
            MatchWord(form, number, kEveryday, false, false, false);
    }
    MatchAmount(form);
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
        const Quantity &quantity = quantities_[i];
        const auto fits = [&quantity](double value) {
            return Within(value, quantity.low, quantity.high);
        };
        const bool open = quantity.open;
        // Without a unit, "802" says nothing of "401+ Watts".
        const bool match =
            amount->unit
                ? amount->unit->kind == quantity.kind && fits(amount->value * amount->unit->scale)
            : open && quantity.kind ? false
                                    : fits(amount->value * quantity.lowScale)
                                          || fits(amount->value * quantity.highScale);
        if (!match)
            continue;
        const std::uint8_t exactness = open                                    ? kOpenRange
                                       : quantity.low != quantity.high         ? kInRange
                                       : amount->lettered || quantity.lettered ? kEveryday
                                                                               : kWhole;
        form.quantityQuality[i] = Quality(0, exactness);
        form.quantities.push_back(i);
    }
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
    auto consider = [&](const Choice &choice) { // the distance only when all else is equal
        const auto key = [](const Choice &c) { return std::tuple(c.typos, c.field, c.exactness); };
        if (!best.found || key(choice) < key(best)
            || (key(choice) == key(best) && distance(choice) < distance(best)))
            best = choice;
    };
    const std::span<const Token> tokens = TokensOf(record);
    const std::uint8_t *const qualities = form.quality.data();
    const auto single = [&](const Token &token) {
        if (const std::uint8_t quality = qualities[token.word])
            consider({true, TyposOf(quality) + form.pairTypos, ExactnessOf(quality), token.field,
                      token.place, token.place});
    };
    if (form.joins.empty()) // most words: a loop of lookups only
        for (const Token &token : tokens)
            single(token);
    else
        for (std::size_t i = 0; i < tokens.size(); ++i) {
            const Token &token = tokens[i];
            single(token);
            if (i + 1 == tokens.size() || tokens[i + 1].field != token.field)
                continue;
            for (const QueryWord::Join &join : form.joins)
                if (join.first == token.word && join.second == tokens[i + 1].word)
                    consider({true, join.free || token.gluedToNext ? 0U : 1U, join.exactness,
                              token.field, token.place, tokens[i + 1].place});
        }
    if (!form.quantityQuality.empty())
        for (std::uint32_t i = firstQuantity_[record]; i < firstQuantity_[record + 1]; ++i)
            if (const std::uint8_t quality = form.quantityQuality[i])
                consider({true, 0, ExactnessOf(quality), quantities_[i].field, quantities_[i].begin,
                          quantities_[i].end});
    return best;
}

// A query made ready for scoring. Each different word, and each pair of
// neighbours joined, is matched against the catalogue once however often the
// query says it, and only when it is needed.
class CatalogueIndex::Query {
public:
    Query(const CatalogueIndex &index, std::string_view text)
        : index_(index), terms_(QueryTerms(text)), words_(terms_.size()), nextPairs_(terms_.size()),
          repeated_(terms_.size(), 0)
    {
    }

    const std::vector<QueryTerm> &Terms() const { return terms_; }
    bool Last(std::size_t i) const { return i + 1 == terms_.size(); }

    const QueryWord *Word(std::size_t i)
    {
        if (words_[i])
            return words_[i];
        if (terms_[i].typedOn)
            return words_[i] = Matched(lastWord_, terms_[i].text, true, false);
        auto [single, added] = singles_.try_emplace(terms_[i].text);
        repeated_[i] = !added;
        return words_[i] =
                   added ? Matched(single->second, terms_[i].text, false, false) : &single->second;
    }

    // The same word as word `before`, with the same neighbours: nothing new.
    void SameAs(std::size_t i, std::size_t before)
    {
        words_[i] = words_[before];
        repeated_[i] = 1;
    }

    // The words i and k, next to each other once repeats are left out, as one.
    const QueryWord *Pair(std::size_t i, std::size_t k)
    {
        // Each neighbour pair is asked for twice in a row, as the word after
        // one word and the word before the next.
        if (k == i + 1 && nextPairs_[i])
            return nextPairs_[i];
        const bool glued = k == i + 1 && terms_[i].gluedToNext;
        auto [pair, added] = joined_.try_emplace({Word(i), Word(k), glued});
        if (added) {
            pair->second.pairTypos = glued ? 0 : 1;
            Matched(pair->second, terms_[i].text + terms_[k].text, terms_[k].typedOn, true);
        }
        if (k == i + 1)
            nextPairs_[i] = &pair->second;
        return &pair->second;
    }

    // A word the query has said before adds nothing to what it finds; scoring
    // it again for every record would make a word said a thousand times cost a
    // thousand searches. The last word stays when it may still be typed on.
    void Keep()
    {
        if (!kept.empty())
            return;
        for (std::size_t i = 0; i < terms_.size(); ++i)
            if (!repeated_[i])
                kept.push_back(i);
        for (std::size_t j = 0; j < kept.size(); ++j) {
            scored.push_back(Word(kept[j]));
            optional_ |= std::uint32_t(terms_[kept[j]].small) << j;
            if (j > 0)
                pairs.push_back(Pair(kept[j - 1], kept[j]));
        }
    }
    bool Optional(std::size_t j) const { return optional_ >> j & 1U; }

    std::vector<std::size_t> kept;         // terms scored
    std::vector<const QueryWord *> scored; // per kept term
    std::vector<const QueryWord *> pairs;  // per kept term but the last, with the next
    std::vector<std::uint32_t> bits;       // per kept term, its word's bit, 0 if small

private:
    QueryWord *Matched(QueryWord &word, std::string text, bool last, bool pair)
    {
        word.text = std::move(text);
        word.last = last;
        word.pair = pair;
        index_.MatchQueryWord(word);
        return &word;
    }

    const CatalogueIndex &index_;
    const std::vector<QueryTerm> terms_;
    std::vector<const QueryWord *> words_;     // per term, once matched
    std::vector<const QueryWord *> nextPairs_; // per term, with the next, once matched
    std::vector<char> repeated_;               // per term: said before, and not the last
    std::uint32_t optional_ = 0;               // a bit per kept term that is a small word
    std::unordered_map<std::string_view, QueryWord> singles_;
    QueryWord lastWord_;
    std::map<std::tuple<const QueryWord *, const QueryWord *, bool>, QueryWord> joined_;
};

// Calls `visit` with every record that may hold the word: a record holding
// none of the catalogue words it matches holds no match for it.
template <typename Visit> void CatalogueIndex::EachHolder(const QueryWord &word, Visit visit) const
{
    for (std::uint32_t id : word.matched)
        for (std::uint32_t record : holders_[id])
            visit(record);
    for (const QueryWord::Join &join : word.joins)
        for (std::uint32_t record : holders_[join.first])
            visit(record);
    for (std::uint32_t quantity : word.quantities)
        visit(quantities_[quantity].record);
}

// Finds the best word of the record for each word of the query, or for two
// neighbouring ones together, and scores the lot. Sets a bit in `found` for
// each word of query.scored it found. Without `lacking`, false when a word is
// missing; with it, a word may be missing, and one whose bit is in `lacking`
// (a bit per word of query.scored) is known to be.
bool CatalogueIndex::Score(std::uint32_t record, const Query &query,
                           const std::uint32_t *knownLacking, FindHit &hit,
                           std::uint32_t &found) const
{
    const std::vector<const QueryWord *> &words = query.scored;
    const bool held = knownLacking != nullptr;
    const std::uint32_t lacking = held ? *knownLacking : 0;
    const auto lacks = [lacking](std::size_t i) { return (lacking >> i & 1U) != 0; };
    found = 0;
    unsigned typos = 0, nearness = 0, fields = 0, inexact = 0, outside = 0;
    hit.marked = {};
    Choice previous;
    auto take = [&](const Choice &choice) {
        typos += choice.typos;
        fields += static_cast<unsigned>(choice.field);
        outside += choice.field != FindField::Text;
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
        if (lacks(i)) {
            ++i;
            continue;
        }
        const Choice *before = previous.found ? &previous : nullptr;
        const bool optional = query.Optional(i);
        const Choice single = optional && !before ? Choice{} : Best(*words[i], record, before);
        if (i + 1 < words.size() && !lacks(i + 1) && !query.pairs[i]->MatchesNothing()) {
            const Choice joined = Best(*query.pairs[i], record, before);
            if (joined.found) {
                const Choice next = single.found ? Best(*words[i + 1], record, &single) : Choice{};
                if (!next.found || joined.typos < single.typos + next.typos) {
                    take(joined);
                    found |= 3U << i;
                    i += 2;
                    continue;
                }
            }
        }
        if (optional) {
            // A small word counts where it stands right after the word before.
            if (single.found && before && single.field == before->field
                && single.begin == before->end + 1) {
                take(single);
                found |= 1U << i;
            }
        } else if (single.found) {
            take(single);
            found |= 1U << i;
        } else if (!held) {
            return false;
        }
        ++i;
    }
    // Thirty-two words (kMostTerms) keep every count within a byte.
    auto clamp = [](unsigned n) { return static_cast<std::uint16_t>(std::min(n, 0xffU)); };
    hit.score.typos = clamp(typos);
    hit.score.nearness = clamp(nearness);
    hit.score.fields = clamp(fields);
    hit.score.inexact = clamp(inexact);
    hit.score.outside = clamp(outside);
    return true;
}

std::vector<FindHit> CatalogueIndex::Find(std::string_view text, const FindUsage &usage) const
{
    Query query(*this, text);
    const std::vector<QueryTerm> &terms = query.Terms();
    if (terms.empty())
        return {};

    // Keeps the records where every word, alone or with a neighbour, has a
    // match. A word is matched only when the words before it have left some
    // record to look in, so that a long query nothing answers costs no more
    // than its first few words.
    std::vector<std::uint32_t> candidates(records_.size());
    for (std::uint32_t r = 0; r < candidates.size(); ++r)
        candidates[r] = r;
    std::vector<std::uint32_t> stamp(records_.size());
    std::uint32_t epoch = 0;
    const auto mark = [&](const QueryWord *word) {
        if (word)
            EachHolder(*word, [&](std::uint32_t record) { stamp[record] = epoch; });
    };
    std::set<std::tuple<const QueryWord *, const QueryWord *, const QueryWord *>> checked;
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
        const QueryWord *word = query.Word(i);
        if (terms[i].small)
            continue;
        const QueryWord *before = i > 0 ? query.Pair(i - 1, i) : nullptr;
        const QueryWord *after = query.Last(i) ? nullptr : query.Pair(i, i + 1);
        if (checked.insert({word, before, after}).second) {
            ++epoch;
            mark(word);
            mark(before);
            mark(after);
            std::erase_if(candidates, [&](std::uint32_t record) { return stamp[record] != epoch; });
            if (candidates.empty())
                return FindMost(query, usage);
        }
    }

    query.Keep();
    std::string compactQuery;
    for (const QueryTerm &term : terms)
        compactQuery += term.text;
    std::vector<FindHit> hits;
    hits.reserve(candidates.size());
    std::uint32_t found = 0;
    for (std::uint32_t record : candidates) {
        FindHit &hit = hits.emplace_back(&records_[record]);
        if (!Score(record, query, nullptr, hit, found)) {
            hits.pop_back();
            continue;
        }
        hit.score.wholeText = compact_[record] == compactQuery;
        Rank(hit, record, usage);
    }
    if (hits.empty())
        return FindMost(query, usage);
    SortByRank(hits);
    return hits;
}

// When no record holds every word: the records holding most of them. Of the
// records that lack as many words, those lacking a word that nothing holds
// come first, then those lacking a word that many records hold.
std::vector<FindHit> CatalogueIndex::FindMost(Query &query, const FindUsage &usage) const
{
    const std::vector<QueryTerm> &terms = query.Terms();
    std::vector<std::string_view> distinct; // the informative words, each once
    std::vector<std::size_t> ordinal(terms.size(), kMostWords);
    for (std::size_t i = 0; i < terms.size(); ++i) {
        if (terms[i].small)
            continue;
        const auto same = std::find(distinct.begin(), distinct.end(), terms[i].text);
        if (same == distinct.end() && distinct.size() == kMostWords)
            return {}; // so many words say nothing of which matter most
        ordinal[i] = static_cast<std::size_t>(same - distinct.begin());
        if (same == distinct.end())
            distinct.push_back(terms[i].text);
    }

    std::vector<std::uint32_t> holds(records_.size(), 0); // per record, a bit per word
    std::vector<std::size_t> holders(distinct.size(), 0); // per word, the records holding it
    std::set<std::tuple<const QueryWord *, const QueryWord *, const QueryWord *>> checked;
    for (std::size_t i = 0; i < terms.size(); ++i) {
        const QueryWord *word = query.Word(i);
        if (terms[i].small)
            continue;
        const QueryWord *before = i > 0 ? query.Pair(i - 1, i) : nullptr;
        const QueryWord *after = query.Last(i) ? nullptr : query.Pair(i, i + 1);
        if (!checked.insert({word, before, after}).second)
            continue;
        const std::uint32_t bit = 1U << ordinal[i];
        for (const QueryWord *form : {word, before, after})
            if (form)
                EachHolder(*form, [&](std::uint32_t record) {
                    holders[ordinal[i]] += !(holds[record] & bit);
                    holds[record] |= bit;
                });
    }
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
        query.bits.push_back(query.Optional(j) ? 0 : 1U << ordinal[query.kept[j]]);
    const auto words =
        std::make_shared<const std::vector<std::string>>(distinct.begin(), distinct.end());
    std::vector<FindHit> hits;
    hits.reserve(records_.size()
                 - static_cast<std::size_t>(std::count(holds.begin(), holds.end(), 0U)));
    std::uint32_t found = 0;
    // Neighbouring records often hold the same words: the words of query.scored
    // they lack, for the last bits of `holds` seen.
    std::pair<std::uint32_t, std::uint32_t> lackingOf{0, 0};
    for (std::uint32_t record = 0; record < holds.size(); ++record) {
        if (!holds[record])
            continue;
        if (holds[record] != lackingOf.first) {
            std::uint32_t lacking = 0;
            for (std::size_t j = 0; j < query.bits.size(); ++j)
                lacking |= std::uint32_t((query.bits[j] & ~holds[record]) != 0) << j;
            lackingOf = {holds[record], lacking};
        }
        FindHit &hit = hits.emplace_back(&records_[record]);
        Score(record, query, &lackingOf.second, hit, found);
        std::uint32_t held = 0;
        for (; found; found &= found - 1)
            held |= query.bits[static_cast<std::size_t>(std::countr_zero(found))];
        if (!held) {
            hits.pop_back();
            continue;
        }
        const std::uint32_t lacks = ~held & ((1U << distinct.size()) - 1);
        hit.missing = FindMissing(words, lacks);
        std::uint32_t lacked = 0;
        for (std::uint32_t bits = lacks; bits; bits &= bits - 1)
            lacked += cost[static_cast<std::size_t>(std::countr_zero(bits))];
        Rank(hit, record, usage);
        hit.rank.lacked = lacked;
    }
    SortByRank(hits);
    return hits;
}

// Sets the hit's rank in place: a rank returned by value is copied once more
// for each of a long list of hits.
void CatalogueIndex::Rank(FindHit &hit, std::uint32_t record, const FindUsage &usage) const
{
    const FindScore &s = hit.score;
    FindRank &rank = hit.rank;
    rank.missing = static_cast<std::uint16_t>(std::min<std::size_t>(hit.missing.size(), 0xffff));
    rank.lacked = 0;
    rank.typo = s.typos > 0;
    rank.unchosen = 0;
    rank.notWholeText = !s.wholeText;
    rank.typos = s.typos;
    rank.outside = s.outside;
    rank.nearness = s.nearness;
    rank.fields = s.fields;
    rank.inexact = s.inexact;
    rank.notStartsText = !s.startsText;
    rank.unused = 0;
    rank.length = hit.record->text.size();
    rank.order = record;
    if (usage) {
        // Usage comes from a file the shopper may have edited: take only sound values.
        const FindUse use = usage(*hit.record);
        const auto minus = [](double x) {
            return std::isfinite(x) && x > 0 ? -static_cast<float>(std::min(x, 1e30)) : 0.0F;
        };
        if (!hit.Partial() && !rank.typo)
            rank.unchosen = minus(use.chosen);
        rank.unused = minus(use.weight);
    }
}

bool CatalogueIndex::Holds(const FindRecord &record, std::string_view text, std::size_t word) const
{
    const std::less<const FindRecord *> before;
    if (before(&record, records_.data()) || !before(&record, records_.data() + records_.size()))
        return false;
    Query query(*this, text);
    const std::vector<QueryTerm> &terms = query.Terms();
    std::size_t term = 0;
    for (std::size_t informative = 0; term < terms.size(); ++term)
        if (!terms[term].small && informative++ == word)
            break;
    if (term == terms.size())
        return false;
    for (std::size_t i = 0; i < terms.size(); ++i)
        query.Word(i);
    query.Keep();
    FindHit hit(&record);
    std::uint32_t found = 0;
    const std::uint32_t nothingKnown = 0;
    Score(static_cast<std::uint32_t>(&record - records_.data()), query, &nothingKnown, hit, found);
    for (std::size_t j = 0; j < query.kept.size(); ++j)
        if ((found >> j & 1U) && terms[query.kept[j]].text == terms[term].text)
            return true;
    return false;
}

} // namespace benchlist
