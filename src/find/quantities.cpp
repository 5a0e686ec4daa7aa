// SPDX-FileCopyrightText: 2026 Veldmark
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "find/quantities.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>

namespace benchlist {

namespace {

bool Within(double value, double low, double high)
{
    const auto slack = [](double x) {
        return std::isfinite(x) ? 1e-9 * std::max(1.0, std::abs(x)) : 0;
    };
    return value >= low - slack(low) && value <= high + slack(high);
}

constexpr double kEndless = std::numeric_limits<double>::infinity();

std::uint8_t Place(std::size_t i)
{
    return static_cast<std::uint8_t>(std::min<std::size_t>(i, 255));
}

// Reads the quantities of one text.
class QuantityReader {
public:
    QuantityReader(std::string_view text, const std::vector<FindWordSpan> &spans)
        : text_(text), spans_(spans)
    {
    }

    std::vector<Quantity> Read()
    {
        for (std::size_t i = 0; i < spans_.size(); ++i) {
            std::size_t last = i;
            if (const std::optional<Amount> low = AmountAt(i, last))
                ReadFrom(i, last, *low);
        }
        return std::move(found_);
    }

private:
    std::string_view WordAt(std::size_t i) const
    {
        return i < spans_.size() ? std::string_view(spans_[i].word) : std::string_view();
    }

    // What stands between word i and the next, blanks left out.
    std::string_view Between(std::size_t i) const
    {
        std::string_view gap = text_.substr(spans_[i].end, spans_[i + 1].begin - spans_[i].end);
        while (!gap.empty() && gap.front() == ' ')
            gap.remove_prefix(1);
        while (!gap.empty() && gap.back() == ' ')
            gap.remove_suffix(1);
        return gap;
    }

    // The amount at word i, taking in a unit word after it; `last` is its last word.
    std::optional<Amount> AmountAt(std::size_t i, std::size_t &last) const
    {
        std::optional<Amount> amount = AmountOf(spans_[i].word);
        last = i;
        if (amount && !amount->unit && !amount->lettered)
            if (const UnitWord *unit = UnitNamed(WordAt(i + 1))) {
                amount->unit = unit;
                last = i + 1;
            }
        return amount;
    }

    void Add(double low, const UnitWord *lowUnit, double high, const UnitWord *highUnit,
             std::size_t begin, std::size_t end, bool lettered, bool open = false)
    {
        const double lowScale = lowUnit ? lowUnit->scale : 1;
        const double highScale = highUnit ? highUnit->scale : 1;
        low *= lowScale;
        high *= highScale;
        found_.push_back({std::min(low, high), std::max(low, high), lowScale, highScale,
                          lowUnit ? lowUnit->kind : std::uint8_t(0), Place(begin), Place(end),
                          lettered, open});
    }

    // The number at word i, to word `last`, and the range it starts if any.
    void ReadFrom(std::size_t i, std::size_t last, const Amount &low)
    {
        const std::size_t count = spans_.size();
        const UnitWord *unit = low.unit;
        const std::size_t next = IsWord(WordKind::Range, WordAt(last + 1))  ? last + 2
                                 : last + 1 < count && Between(last) == "-" ? last + 1
                                                                            : count;
        std::size_t end = 0;
        std::optional<Amount> high = next < count ? AmountAt(next, end) : std::nullopt;
        const UnitWord *highUnit = high && high->unit ? high->unit : unit;
        if (high && unit && highUnit->kind != unit->kind)
            high.reset(); // "4 Port 10-Packs" holds no range
        if (high) {
            unit = unit ? unit : highUnit;
            Add(low.value, unit, high->value, highUnit, i, end, low.lettered || high->lettered);
        }
        Add(low.value, unit, low.value, unit, i, unit && !low.unit ? i : last, low.lettered);
        if (!high)
            ReadOpen(i, last, low, unit);
    }

    // "32mb & Less", "3.0GHz And Higher", "401+ Watts"; "Higher 60GB", "More than 100 GB".
    void ReadOpen(std::size_t i, std::size_t last, const Amount &low, const UnitWord *unit)
    {
        std::size_t open = last + 1;
        if (IsWord(WordKind::Between, WordAt(open)))
            ++open;
        const bool plus = spans_[i].end < text_.size() && text_[spans_[i].end] == '+';
        if (IsWord(WordKind::Below, WordAt(open)))
            Add(0, unit, low.value, unit, i, open, low.lettered, true);
        else if (IsWord(WordKind::Above, WordAt(open)) || plus)
            Add(low.value, unit, kEndless, unit, i, plus ? last : open, low.lettered, true);
        if (i == 0)
            return;
        const std::size_t before =
            i >= 2 && IsWord(WordKind::Between, spans_[i - 1].word) ? i - 2 : i - 1;
        if (IsWord(WordKind::Above, spans_[before].word))
            Add(low.value, unit, kEndless, unit, before, last, low.lettered, true);
        else if (IsWord(WordKind::Below, spans_[before].word))
            Add(0, unit, low.value, unit, before, last, low.lettered, true);
    }

    std::string_view text_;
    const std::vector<FindWordSpan> &spans_;
    std::vector<Quantity> found_;
};

} // namespace

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
    if (const UnitWord *unit = UnitNamed(rest))
        return Amount{value, unit, false};
    if (rest.size() == 1 && rest[0] >= 'a' && rest[0] <= 'z')
        return Amount{value, nullptr, true};
    return std::nullopt; // "0x10", "1e999", "3com": a word, not a number
}

std::vector<Quantity> QuantitiesOf(std::string_view text, const std::vector<FindWordSpan> &spans)
{
    return QuantityReader(text, spans).Read();
}

AmountMatch MatchAmount(const Amount &amount, const Quantity &quantity)
{
    const auto fits = [&quantity](double value) {
        return Within(value, quantity.low, quantity.high);
    };
    // Without a unit, "802" says nothing of "401+ Watts".
    const bool match =
        amount.unit ? amount.unit->kind == quantity.kind && fits(amount.value * amount.unit->scale)
        : quantity.open && quantity.kind
            ? false
            : fits(amount.value * quantity.lowScale) || fits(amount.value * quantity.highScale);
    if (!match)
        return AmountMatch::None;
    return quantity.open                          ? AmountMatch::OpenRange
           : quantity.low != quantity.high        ? AmountMatch::InRange
           : amount.lettered || quantity.lettered ? AmountMatch::Lettered
                                                  : AmountMatch::Whole;
}

} // namespace benchlist
