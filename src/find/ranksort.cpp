// SPDX-FileCopyrightText: 2026 Veldmark
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "find/ranksort.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <numeric>
#include <span>
#include <tuple>
#include <utility>

namespace benchlist {

namespace {

// The rank's groups in the order they count, and whether a long list
// mostly holds few values of each.
constexpr std::tuple kRankGroups{&FindRank::fit, &FindRank::choice, &FindRank::closeness,
                                 &FindRank::standing};
constexpr std::array kFewValues{true, false, true, false};
constexpr std::size_t kRankGroupCount = std::tuple_size_v<decltype(kRankGroups)>;

// The hits being sorted, by their places in the list, and room to move them.
struct Sorting {
    const std::vector<FindHit> &hits;
    std::vector<std::uint8_t> kind; // per place in a range, which value of a group it holds
    std::vector<std::uint32_t> moved;

    template <std::size_t Group> const auto &Of(std::uint32_t hit) const
    {
        return hits[hit].rank.*std::get<Group>(kRankGroups);
    }
};

template <std::size_t Group> void SortGroups(std::span<std::uint32_t> range, Sorting &sorting);

// Sorts `range` by one group when it holds few different values of it, as a
// long list mostly does: each place is counted to its value, then moved once,
// keeping their order, and each run of equal values is sorted by the next
// group. False, with nothing moved, when there are more.
template <std::size_t Group> bool SortFewValues(std::span<std::uint32_t> range, Sorting &sorting)
{
    using Value = std::remove_cvref_t<decltype(sorting.Of<Group>(0))>;
    constexpr std::size_t kMost = 16;
    std::array<const Value *, kMost> values{}; // in the order met
    std::array<std::uint32_t, kMost> count{};
    std::size_t met = 0;
    for (std::size_t i = 0; i < range.size(); ++i) {
        const Value &value = sorting.Of<Group>(range[i]);
        std::size_t kind = 0;
        while (kind < met && !(*values[kind] == value))
            ++kind;
        if (kind == met) {
            if (met == kMost)
                return false;
            values[met++] = &value;
        }
        ++count[kind];
        sorting.kind[i] = static_cast<std::uint8_t>(kind);
    }
    std::array<std::uint8_t, kMost> byValue{};
    std::iota(byValue.begin(), byValue.begin() + met, std::uint8_t(0));
    std::sort(byValue.begin(), byValue.begin() + met,
              [&values](std::uint8_t a, std::uint8_t b) { return *values[a] < *values[b]; });
    std::array<std::uint32_t, kMost> next{}; // per value, the place its next one goes to
    std::uint32_t start = 0;
    for (std::size_t k = 0; k < met; ++k) {
        next[byValue[k]] = start;
        start += count[byValue[k]];
    }
    if (met > 1) {
        for (std::size_t i = 0; i < range.size(); ++i)
            sorting.moved[next[sorting.kind[i]]++] = range[i];
        std::copy_n(sorting.moved.begin(), range.size(), range.begin());
    }
    start = 0;
    for (std::size_t k = 0; k < met; ++k) {
        SortGroups<Group + 1>(range.subspan(start, count[byValue[k]]), sorting);
        start += count[byValue[k]];
    }
    return true;
}

// Sorts `range`, whose ranks are equal in the groups before `Group`, by the
// rest, one group at a time: a sort by whole ranks would compare each field
// the long lists mostly tie in thousands of times.
template <std::size_t Group> void SortGroups(std::span<std::uint32_t> range, Sorting &sorting)
{
    if constexpr (Group < kRankGroupCount) {
        if (range.size() < 2)
            return;
        if constexpr (kFewValues[Group]) {
            if (SortFewValues<Group>(range, sorting))
                return;
        }
        const auto less = [&sorting](std::uint32_t a, std::uint32_t b) {
            return sorting.Of<Group>(a) < sorting.Of<Group>(b);
        };
        if (!std::is_sorted(range.begin(), range.end(), less))
            std::sort(range.begin(), range.end(), less);
        if constexpr (Group + 1 < kRankGroupCount) {
            for (auto run = range.begin(); run != range.end();) {
                const auto end = std::find_if(run + 1, range.end(),
                                              [&](std::uint32_t r) { return less(*run, r); });
                SortGroups<Group + 1>({run, end}, sorting);
                run = end;
            }
        }
    }
}

} // namespace

// Best first. Sorts the hits' places by their ranks, then moves each hit once
// to its place, within the list: a second list of hits would cost more than
// the sort.
void SortByRank(std::vector<FindHit> &hits)
{
    std::vector<std::uint32_t> from(hits.size()); // the hit that belongs at each place, once sorted
    std::iota(from.begin(), from.end(), 0U);
    Sorting sorting{hits, std::vector<std::uint8_t>(hits.size()),
                    std::vector<std::uint32_t>(hits.size())};
    SortGroups<0>(from, sorting);
    for (std::uint32_t i = 0; i < from.size(); ++i) {
        if (from[i] == i)
            continue;
        FindHit first = std::move(hits[i]);
        std::uint32_t at = i;
        for (; from[at] != i; at = std::exchange(from[at], at))
            hits[at] = std::move(hits[from[at]]);
        hits[at] = std::move(first);
        from[at] = at;
    }
}

} // namespace benchlist
