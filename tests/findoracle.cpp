// SPDX-FileCopyrightText: 2026 Veldmark
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "findoracle.h"

#include <QDir>
#include <QFile>
#include <QString>

#include <algorithm>
#include <array>
#include <cctype>
#include <cmath>
#include <cstdlib>
#include <map>
#include <regex>
#include <utility>

namespace findoracle {

namespace {

constexpr std::size_t kMostTerms = 32; // only the first 32 words of a query count
constexpr std::size_t kSlipFrom = 5;   // a word this long may hold one slip

// What the word files say of plurals, numerals and units, read by the judge's
// constructor: the judge weighs words by the files find is made from, never by
// find's code.
struct Rules {
    struct Ending {
        std::string plural, singular;
        std::size_t shortest;
    };
    std::vector<Ending> singular;                                // [singular], first fit wins
    std::vector<std::pair<std::string, std::string>> numerals;   // [numerals]: "2", "ii"
    std::map<std::string, std::pair<std::string, double>> units; // [units]: kind and scale
};

Rules &TheRules()
{
    static Rules rules;
    return rules;
}

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

bool IsNumber(std::string_view word)
{
    return !word.empty() && IsDigit(word.front())
           && std::all_of(word.begin(), word.end(), [](char c) { return IsDigit(c) || c == '.'; });
}

// Case, accents and marks, ß and compatibility forms folded away; what is no
// letter or digit parts words.
void AddForeign(std::string_view run, Term &word, std::vector<Term> &terms)
{
    // Bytes that are no UTF-8 become U+FFFD, which separates words.
    const QString plain = QString::fromUtf8(run.data(), qsizetype(run.size()))
                              .normalized(QString::NormalizationForm_KD);
    const auto add = [&word](const std::string &letters) {
        word.text += letters;
        if (!word.second.empty())
            word.second += letters;
    };
    for (const char32_t c : plain.toUcs4()) {
        const QChar::Category category = QChar::category(c);
        // "ä", "ö" and "ü" are also "ae", "oe" and "ue".
        if (c == U'\u0308' && !word.text.empty()
            && std::string_view("aou").find(word.text.back()) != std::string_view::npos)
            word.second = (word.second.empty() ? word.text : word.second) + 'e';
        if (category == QChar::Mark_NonSpacing || category == QChar::Mark_SpacingCombining
            || category == QChar::Mark_Enclosing || c == U'\u2019')
            continue;
        if (c == U'\u00df' || c == U'\u1e9e')
            add("ss");
        else if (QChar::isLetterOrNumber(c))
            add(QString::fromUcs4(&c, 1).toCaseFolded().toStdString());
        else if (!word.text.empty())
            terms.push_back(std::exchange(word, {}));
    }
}

std::vector<Term> Cut(std::string_view text)
{
    std::vector<Term> terms;
    Term word;
    for (std::size_t i = 0; i < text.size();) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (c >= 0x80) {
            const std::size_t from = i;
            while (i < text.size() && static_cast<unsigned char>(text[i]) >= 0x80)
                ++i;
            AddForeign(text.substr(from, i - from), word, terms);
            continue;
        }
        const bool dot = c == '.' && !word.text.empty() && IsDigit(word.text.back())
                         && i + 1 < text.size() && IsDigit(text[i + 1]);
        if (std::isalnum(c) || dot) {
            word.text += char(std::tolower(c));
            if (!word.second.empty())
                word.second += char(std::tolower(c));
        } else if (c != '\'' && !word.text.empty())
            terms.push_back(std::exchange(word, {}));
        ++i;
    }
    if (!word.text.empty())
        terms.push_back(std::move(word));
    return terms;
}

std::vector<std::string> Texts(std::string_view text)
{
    std::vector<std::string> words;
    for (Term &term : Cut(text))
        words.push_back(std::move(term.text));
    return words;
}

std::string Singular(std::string_view word)
{
    for (const Rules::Ending &ending : TheRules().singular)
        if (word.size() >= ending.shortest && word.ends_with(ending.plural))
            return std::string(word.substr(0, word.size() - ending.plural.size()))
                   + ending.singular;
    return std::string(word);
}

// "2.0-2.4 GHz", "2.1 to 2.6GHz", "20.1 GB-40.0 GB", "1 GHz", "7-12 Ports".
std::vector<Amount> AmountsOf(std::string_view field)
{
    // A number starts a word: the "330" of "ML330" is a name, not a number.
    static const std::regex amount(R"((?:^|[^a-z0-9.])(\d+(?:\.\d+)?)\s*(?!to\b)([a-z]+\b)?)"
                                   R"((?:\s*(?:-|\bto\b)\s*(\d+(?:\.\d+)?)\s*([a-z]+\b)?)?)");
    std::string text(field);
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return char(std::tolower(c)); });
    std::vector<Amount> amounts;
    for (auto it = std::sregex_iterator(text.begin(), text.end(), amount);
         it != std::sregex_iterator(); ++it) {
        const std::smatch &m = *it;
        const std::string lowUnit = m[2], highUnit = m[4].matched ? m[4].str() : lowUnit;
        const auto scale = [](const std::string &unit) -> std::pair<std::string, double> {
            const auto found = TheRules().units.find(unit);
            return unit.empty()                      ? std::pair<std::string, double>{"", 1}
                   : found == TheRules().units.end() ? std::pair<std::string, double>{"?", 0}
                                                     : found->second;
        };
        const auto [lowKind, lowScale] = scale(lowUnit.empty() ? highUnit : lowUnit);
        const auto [highKind, highScale] = scale(highUnit);
        if (lowKind == "?" || highKind == "?" || lowKind != highKind)
            continue;
        const double low = std::stod(m[1]) * lowScale;
        const double high = m[3].matched ? std::stod(m[3]) * highScale : low;
        amounts.push_back({low, high, highKind});
    }
    return amounts;
}

// Whether a number of the query, with its unit or without, lies among the
// record's amounts: a unit converts within its kind; a bare number is taken in
// the record's own unit.
bool AmountHeld(std::string_view word, const std::vector<Amount> &amounts)
{
    const std::size_t digits = word.find_first_not_of("0123456789.");
    const std::string unit(digits == std::string_view::npos ? "" : word.substr(digits));
    const auto found = TheRules().units.find(unit);
    if (!unit.empty() && found == TheRules().units.end())
        return false;
    const double number = std::strtod(std::string(word.substr(0, digits)).c_str(), nullptr);
    if (!std::isfinite(number))
        return false;
    for (const Amount &amount : amounts) {
        const double scale = unit.empty() || amount.kind.empty() ? 1 : found->second.second;
        const double value = number * scale;
        const double slack = 1e-9 * std::max(1.0, std::abs(value));
        if ((unit.empty() || found->second.first == amount.kind) && value >= amount.low - slack
            && value <= amount.high + slack)
            return true;
    }
    return false;
}

bool Same(std::string_view a, std::string_view b)
{
    return !a.empty() && (a == b || Singular(a) == Singular(b));
}

// One letter wrong, missing, extra or two swapped, never the first.
bool OneSlip(std::string_view a, std::string_view b)
{
    if (a.size() < b.size())
        std::swap(a, b);
    if (a.size() > b.size() + 1 || a.empty() || b.empty() || a[0] != b[0] || a == b)
        return false;
    std::size_t i = 0;
    while (i < b.size() && a[i] == b[i])
        ++i;
    if (a.size() > b.size())
        return a.substr(i + 1) == b.substr(i);
    return a.substr(i + 1) == b.substr(i + 1)
           || (i + 1 < a.size() && a[i] == b[i + 1] && a[i + 1] == b[i]
               && a.substr(i + 2) == b.substr(i + 2));
}

// One slip between the word and a start of `own`.
bool OneSlipFromStart(std::string_view word, std::string_view own)
{
    for (const std::size_t size : {word.size() - 1, word.size(), word.size() + 1})
        if (size <= own.size() && OneSlip(word, own.substr(0, size)))
            return true;
    return false;
}

// Each field's words, then each two neighbours of a field joined.
RecordWords WordsOf(const benchlist::FindRecord &record)
{
    RecordWords words;
    for (const std::string_view field : {record.text, record.caption, record.windowTitle}) {
        const std::vector<std::string> own = Texts(field);
        words.own.insert(words.own.end(), own.begin(), own.end());
        const std::vector<Amount> amounts = AmountsOf(field);
        words.amounts.insert(words.amounts.end(), amounts.begin(), amounts.end());
        for (std::size_t k = 0; k + 1 < own.size(); ++k)
            words.joined.push_back(own[k] + own[k + 1]);
    }
    return words;
}

// Whether the record's `words` hold every one of the catalogue words `means`.
bool HoldsAll(const std::vector<std::string> &means, const RecordWords &words)
{
    const auto held = [](const std::string &mean, const std::vector<std::string> &list) {
        return std::any_of(list.begin(), list.end(),
                           [&](const std::string &own) { return Same(mean, own); });
    };
    return !means.empty() && std::all_of(means.begin(), means.end(), [&](const std::string &mean) {
        return held(mean, words.own) || held(mean, words.joined);
    });
}

std::string Umlauts(std::string text)
{
    for (const auto &[from, to] : {std::pair{"ä", "ae"}, {"ö", "oe"}, {"ü", "ue"}})
        for (std::size_t at; (at = text.find(from)) != std::string::npos;)
            text.replace(at, std::string_view(from).size(), to);
    return text;
}

// A phrase as a key, its last word in the singular if asked.
std::string Joined(std::vector<std::string> words, bool singular)
{
    if (singular && !words.empty())
        words.back() = Singular(words.back());
    std::string key;
    for (const std::string &word : words)
        key += (key.empty() ? "" : " ") + word;
    return key;
}

} // namespace

// The small words the README names, then those of the word files' [small]
// section, their [singular], [numerals] and [units], and the [words] lines.
Oracle::Oracle(const std::string &wordsDir)
    : small_{"a", "an", "and", "the", "of", "for", "with", "or"}
{
    const QDir dir(QString::fromStdString(wordsDir));
    for (const QString &name : dir.entryList({"*.txt"}, QDir::Files)) {
        QFile file(dir.filePath(name));
        if (!file.open(QIODevice::ReadOnly))
            continue;
        QByteArray section;
        for (const QByteArray &raw : file.readAll().split('\n')) {
            const QByteArray line = raw.split('#').front().trimmed();
            const std::vector<std::string> left = Texts(line.split('=').front().toStdString());
            if (line.startsWith('['))
                section = line;
            else if (section == "[words]" && line.contains('='))
                AddPhrases(line.toStdString());
            else if (section == "[small]" && left.size() == 1)
                small_.insert({left.front(), Texts(Umlauts(line.toStdString())).front()});
            else if (section == "[units]" && left.size() == 1)
                AddUnit(left.front(), line);
            else if (section == "[singular]" && line.contains('='))
                AddEnding(line);
            else if (section == "[numerals]" && left.size() == 1)
                TheRules().numerals.emplace_back(left.front(),
                                                 line.split('=').back().trimmed().toStdString());
        }
    }
}

// "mhz = speed, 1"
void Oracle::AddUnit(const std::string &unit, const QByteArray &line)
{
    const QList<QByteArray> right = line.split('=').back().split(',');
    units_.insert(unit);
    TheRules().units[unit] = {right.front().trimmed().toStdString(),
                              right.back().trimmed().toDouble()};
}

// "ies = y, 5"
void Oracle::AddEnding(const QByteArray &line)
{
    const QList<QByteArray> right = line.split('=').back().split(',');
    TheRules().singular.push_back({line.split('=').front().trimmed().toStdString(),
                                   right.front().trimmed().toStdString(),
                                   std::size_t(right.back().trimmed().toUInt())});
}

// "shopper's words, another way = catalogue words | others"
void Oracle::AddPhrases(const std::string &line)
{
    const std::size_t equals = line.find('=');
    std::vector<std::vector<std::string>> means;
    for (const QString &alternative : QString::fromStdString(line.substr(equals + 1)).split('|'))
        means.push_back(Texts(alternative.toStdString()));
    for (const QString &phrase : QString::fromStdString(line.substr(0, equals)).split(',')) {
        written_.push_back(phrase.trimmed().toStdString());
        // "ä", "ö" and "ü" as "a", "o" and "u", and as "ae", "oe" and "ue".
        const std::set<std::string> forms = {Joined(Texts(phrase.toStdString()), false),
                                             Joined(Texts(Umlauts(phrase.toStdString())), false)};
        for (const std::string &form : forms)
            for (const std::vector<std::string> &mean : means)
                phrases_.emplace(form, mean);
    }
}

// The words that count, a number and its unit as one; whether the last is
// still being typed.
std::vector<Term> Oracle::Terms(std::string_view query, bool &typedOn) const
{
    std::vector<Term> cut = Cut(query), terms;
    std::size_t i = 0;
    for (; i < cut.size() && terms.size() < kMostTerms; ++i) {
        terms.push_back(std::move(cut[i]));
        std::string &text = terms.back().text;
        if (IsNumber(text) && std::isfinite(std::strtod(text.c_str(), nullptr))
            && i + 1 < cut.size() && units_.contains(cut[i + 1].text))
            text += cut[++i].text;
        terms.back().small = small_.contains(text);
    }
    typedOn = i == cut.size();
    if (std::all_of(terms.begin(), terms.end(), [](const Term &term) { return term.small; }))
        terms.clear();
    return terms;
}

std::vector<std::string> Oracle::Words(std::string_view query) const
{
    bool typedOn = false;
    std::vector<std::string> words;
    for (Term &term : Terms(query, typedOn))
        if (!term.small)
            words.push_back(std::move(term.text));
    return words;
}

std::vector<Verdict> Oracle::Holds(const benchlist::FindRecord &record,
                                   std::string_view query) const
{
    bool typedOn = false;
    const std::vector<Term> terms = Terms(query, typedOn);
    // A blank after the last word may or may not end it.
    const bool ended = !query.empty() && static_cast<unsigned char>(query.back()) < 0x80
                       && !std::isalnum(static_cast<unsigned char>(query.back()));
    const RecordWords words = WordsOf(record);
    std::vector<Verdict> verdicts;
    for (std::size_t at = 0; at < terms.size(); ++at) {
        if (terms[at].small)
            continue;
        const std::size_t last = typedOn ? terms.size() - 1 : terms.size();
        Verdict verdict = Verdict::No;
        std::vector<Term> forms = terms;
        for (const std::string &form : {terms[at].text, terms[at].second}) {
            if (form.empty() || verdict == Verdict::Yes)
                continue;
            forms[at].text = form;
            const Verdict judged = Judge(forms, at, ended ? terms.size() : last, words);
            verdict = judged == Verdict::No ? verdict : judged;
            if (verdict == Verdict::No && ended && Judge(forms, at, last, words) != Verdict::No)
                verdict = Verdict::Unsure;
        }
        verdicts.push_back(verdict);
    }
    // A word said twice, once whole and once as the start of a longer one,
    // is held as one or the other.
    const std::vector<std::string> said = Words(query);
    for (std::size_t i = 0; i < said.size(); ++i)
        for (std::size_t k = i + 1; k < said.size(); ++k)
            if (said[i] == said[k] && verdicts[i] != verdicts[k])
                verdicts[i] = verdicts[k] = Verdict::Unsure;
    return verdicts;
}

// Whether `words` (a record's) hold the query's word `at`; `typed` is the
// word that may be only the start of a longer one.
Verdict Oracle::Judge(const std::vector<Term> &terms, std::size_t at, std::size_t typed,
                      const RecordWords &words) const
{
    const std::string &word = terms[at].text;
    std::string_view roman;
    for (const auto &[number, numeral] : TheRules().numerals)
        roman = word == number ? numeral : word == numeral ? number : roman;
    if (IsDigit(word[0]) && AmountHeld(word, words.amounts))
        return Verdict::Yes;
    const bool slips = word.size() >= kSlipFrom && !IsDigit(word[0]);
    // Letters beyond ASCII fill more than a byte: a slip in them is not weighed.
    bool unsure = std::any_of(word.begin(), word.end(), [](char c) { return c & 0x80; });
    for (const std::string &own : words.own) {
        if (Same(word, own) || own == roman || (at == typed && own.starts_with(word))
            || (slips && OneSlip(word, own)))
            return Verdict::Yes;
        unsure |= (slips && OneSlip(Singular(word), Singular(own)))
                  || (slips && at == typed && OneSlipFromStart(word, own))
                  || (IsDigit(word[0]) && std::any_of(own.begin(), own.end(), IsDigit));
    }
    // Two neighbouring words of the record written as one: "harddrive".
    for (const std::string &joined : words.joined) {
        if (Same(word, joined) || (at == typed && joined.starts_with(word)))
            return Verdict::Yes;
        unsure |= slips && OneSlip(word, joined);
    }
    // Two neighbouring words of the query written apart: "glare fil ters".
    // A word said twice may stand beside another word the second time.
    const auto saidBefore = [&terms](std::size_t k) {
        return std::any_of(terms.begin(), terms.begin() + std::ptrdiff_t(k),
                           [&](const Term &term) { return term.text == terms[k].text; });
    };
    for (const std::size_t other : {at - 1, at + 1}) {
        if (other >= terms.size())
            continue;
        const std::string joined = other > at ? word + terms[other].text : terms[other].text + word;
        for (const std::string &own : words.own) {
            if (Same(joined, own) || (std::max(at, other) == typed && own.starts_with(joined))) {
                if (!saidBefore(at) && !saidBefore(other))
                    return Verdict::Yes;
                unsure = true;
            }
        }
    }
    const Verdict vocabulary = Vocabulary(terms, at, words);
    if (vocabulary == Verdict::Yes)
        return Verdict::Yes;
    unsure |= vocabulary == Verdict::Unsure;
    // A shopper's word still being typed, or with a slip.
    for (const auto &[phrase, means] : phrases_)
        unsure |= ((at == typed && phrase.starts_with(word)) || (slips && OneSlip(word, phrase)))
                  && HoldsAll(means, words);
    return unsure ? Verdict::Unsure : Verdict::No;
}

// Whether a shopper's phrase of one to three words around word `at` stands for
// catalogue words the record holds all of.
Verdict Oracle::Vocabulary(const std::vector<Term> &terms, std::size_t at,
                           const RecordWords &words) const
{
    // A word said before is weighed once, at its first place, so a phrase
    // that needs it the second time may or may not be seen.
    const auto saidBefore = [&terms](std::size_t k) {
        return std::any_of(terms.begin(), terms.begin() + std::ptrdiff_t(k),
                           [&](const Term &term) { return term.text == terms[k].text; });
    };
    Verdict verdict = Verdict::No;
    for (std::size_t from = at >= 2 ? at - 2 : 0; from <= at; ++from) {
        for (std::size_t to = at + 1; to <= std::min(terms.size(), from + 3); ++to) {
            std::vector<std::string> phrase;
            bool repeats = false;
            for (std::size_t k = from; k < to; ++k) {
                phrase.push_back(terms[k].text);
                repeats |= to - from > 1 && saidBefore(k);
            }
            for (const bool singular : {false, true}) {
                const auto [first, last] = phrases_.equal_range(Joined(phrase, singular));
                for (auto entry = first; entry != last; ++entry) {
                    if (!HoldsAll(entry->second, words))
                        continue;
                    if (!repeats)
                        return Verdict::Yes;
                    verdict = Verdict::Unsure;
                }
            }
        }
    }
    return verdict;
}

} // namespace findoracle
