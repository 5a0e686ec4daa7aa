// SPDX-FileCopyrightText: 2026 Veldmark
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Micro-benchmarks: the page lookup over the longest page tables, and building
// each category window (offscreen, never shown).
#include "catalogue/catalogue.h"
#include "core/lookup.h"
#include "widgets/browse/categorywindow.h"

#include <QApplication>

#include <benchmark/benchmark.h>

#include <algorithm>

namespace {

using benchlist::CategoryData;
using benchlist::DropDownData;

// The drop-downs with the longest page tables, longest first.
std::vector<const DropDownData *> LongestTables(std::size_t count)
{
    std::vector<const DropDownData *> all;
    for (const CategoryData *window : benchlist::catalogue::kWindows)
        for (const DropDownData &dropDown : window->dropDowns)
            all.push_back(&dropDown);
    std::stable_sort(all.begin(), all.end(), [](const auto *a, const auto *b) {
        return a->pages.size() > b->pages.size();
    });
    all.resize(std::min(count, all.size()));
    return all;
}

// Every entry of the table looked up in turn, then a text that matches none
// (the whole table is always scanned, so the miss costs the same as a hit).
void BM_LookupPage(benchmark::State &state)
{
    const DropDownData &dropDown = *LongestTables(3)[static_cast<std::size_t>(state.range(0))];
    state.SetLabel(std::string(dropDown.name));
    std::vector<std::string> texts;
    for (const auto &entry : dropDown.pages)
        texts.emplace_back(entry.text);
    texts.emplace_back("No Such Category");
    for (auto _ : state)
        for (const std::string &text : texts)
            benchmark::DoNotOptimize(benchlist::LookupPage(dropDown.pages, text));
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(texts.size()));
}
BENCHMARK(BM_LookupPage)->DenseRange(0, 2);

void BM_BuildCategoryWindow(benchmark::State &state)
{
    const CategoryData &category =
        *benchlist::catalogue::kWindows[static_cast<std::size_t>(state.range(0))];
    state.SetLabel(std::string(category.name));
    for (auto _ : state) {
        benchlist::CategoryWindow window(category);
        benchmark::DoNotOptimize(&window);
    }
}
BENCHMARK(BM_BuildCategoryWindow)
    ->DenseRange(0, static_cast<int>(benchlist::catalogue::kWindows.size()) - 1)
    ->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
