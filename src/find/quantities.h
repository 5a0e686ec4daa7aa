// SPDX-FileCopyrightText: 2026 Veldmark
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Numbers in find: a number with its unit, joined or apart ("2.4ghz", "2.4
// GHz"), in the smallest unit of its kind, and the ranges the catalogue writes
// ("2.1 to 2.6GHz", "32mb & Less", "401+ Watts").
#pragma once

#include "find/findwords.h"
#include "find/vocabulary.h"

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

namespace benchlist {

// A number as a word writes it: "2.4", "2.4ghz", "802.11g", "200s".
struct Amount {
    double value;
    const UnitWord *unit;
    bool lettered; // a letter follows the number: "Cat-5e"
};
std::optional<Amount> AmountOf(std::string_view word);

// A number of a text, or a range of numbers, in the smallest unit of its kind.
struct Quantity {
    double low;
    double high;
    double lowScale; // what the written numbers were multiplied by
    double highScale;
    std::uint8_t kind;  // of unit, 0 for none
    std::uint8_t begin; // places of its first and last word
    std::uint8_t end;
    bool lettered;
    bool open; // a range with one end: "32mb & Less"
};

// Each number of the text, with its unit if one follows, and each range that
// numbers form. `spans` are the text's words.
std::vector<Quantity> QuantitiesOf(std::string_view text, const std::vector<FindWordSpan> &spans);

// How a number of a query matches a quantity; matches in order of exactness.
enum class AmountMatch : std::uint8_t {
    None,
    Whole,
    Lettered,  // "802.11g", "Cat-5e": the number of a name
    InRange,   // "2.4" in "2.1 to 2.6GHz"
    OpenRange, // "3.0GHz And Higher"
};
AmountMatch MatchAmount(const Amount &amount, const Quantity &quantity);

} // namespace benchlist
