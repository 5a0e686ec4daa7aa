// SPDX-FileCopyrightText: 2026 Veldmark
//
// SPDX-License-Identifier: GPL-3.0-or-later

// One keystroke in the find window runs one search over the whole catalogue;
// these measure that search for the kinds of query people type.
#include "catalogue/catalogue.h"
#include "find/catalogueindex.h"
#include "find/resultids.h"
#include "usage/usagestore.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <memory>
#include <set>
#include <string>
#include <string_view>

namespace {

using benchlist::CatalogueIndex;

std::string Repeated(std::string_view part, int times)
{
    std::string text;
    for (int i = 0; i < times; ++i)
        text += part;
    return text;
}

// Input no shopper types, which must still answer about as fast.
const std::string kThousandWords = Repeated("usb printer cables laser toner ", 200);
const std::string kLongWord = Repeated("a", 10000);
const std::string kSameWord = Repeated("usb ", 1000);

// A thousand different words of the catalogue: each is looked up on its own.
std::string DistinctWords()
{
    std::set<std::string> seen;
    std::string text;
    for (const benchlist::FindRecord &record : CatalogueIndex::Catalogue().Records())
        for (const std::string &word : benchlist::FindWords(record.text))
            if (seen.size() < 1000 && seen.insert(word).second)
                text += word + ' ';
    return text;
}
const std::string kDistinctWords = DistinctWords();

void Search(benchmark::State &state, const char *query)
{
    const CatalogueIndex &index = CatalogueIndex::Catalogue(); // built before timing
    std::size_t found = 0;
    for (auto _ : state) {
        const auto hits = index.Find(query);
        found = hits.size();
        benchmark::DoNotOptimize(hits.data());
    }
    state.counters["found"] = static_cast<double>(found);
}

// A store at its bound: ten thousand uses of five hundred pages, found by a
// thousand different queries, as a shopper of many months leaves it.
struct FullStore {
    std::filesystem::path folder;
    std::unique_ptr<benchlist::UsageStore> store;

    FullStore()
    {
        std::string name = (std::filesystem::temp_directory_path() / "bench-usage-XXXXXX").string();
        folder = mkdtemp(name.data());
        store = std::make_unique<benchlist::UsageStore>((folder / "usage.sqlite").string());
        const auto records = CatalogueIndex::Catalogue().Records();
        const std::int64_t now = std::time(nullptr);
        for (std::int64_t i = 0; i < benchlist::kMaxKeptUses; ++i) {
            const benchlist::FindRecord &record =
                records[std::size_t(i * 7919 % 500) * records.size() / 500];
            const std::string query = std::string(record.text.substr(0, 1 + i % 5)) + ' '
                                      + std::to_string(i % benchlist::kMaxKeptQueries);
            store->Record({benchlist::SearchResultId(record), record.address, query,
                           now - (benchlist::kMaxKeptUses - i) * 600});
        }
        store->Flush();
        store->Usage(""); // read in before timing
    }
    ~FullStore()
    {
        store.reset();
        std::filesystem::remove_all(folder);
    }
};

// One keystroke in the find window with the shopper's usage: the store
// checked for changes, the query's uses summed up, the search ranked by them.
void SearchWithUsage(benchmark::State &state, const char *query)
{
    const CatalogueIndex &index = CatalogueIndex::Catalogue();
    static FullStore full;
    std::size_t found = 0;
    for (auto _ : state) {
        const auto hits = index.Find(query, benchlist::UsageScorerOf(full.store->Usage(query)));
        found = hits.size();
        benchmark::DoNotOptimize(hits.data());
    }
    state.counters["found"] = static_cast<double>(found);
}

void BuildIndex(benchmark::State &state)
{
    for (auto _ : state) {
        CatalogueIndex index(benchlist::catalogue::kWindows);
        benchmark::DoNotOptimize(index.Records().data());
    }
}

} // namespace

BENCHMARK_CAPTURE(Search, one_letter, "s");
BENCHMARK_CAPTURE(Search, three_words, "usb printer cables");
BENCHMARK_CAPTURE(Search, no_match, "zebra xylophone");
BENCHMARK_CAPTURE(Search, typo, "moniter stnads");
BENCHMARK_CAPTURE(Search, joined_word, "harddrive");
BENCHMARK_CAPTURE(Search, hyphenated_word, "dvd-rw");
BENCHMARK_CAPTURE(Search, everyday_word, "notebook battery");
BENCHMARK_CAPTURE(Search, partial_match, "sound blaster card");
BENCHMARK_CAPTURE(Search, number_range, "2.4 ghz");
BENCHMARK_CAPTURE(Search, german_word, "grafikkarte");
BENCHMARK_CAPTURE(Search, french_phrase_with_accents, "\u00e9cran plat");
BENCHMARK_CAPTURE(Search, everyday_phrase, "power brick");
BENCHMARK_CAPTURE(Search, thousand_words, kThousandWords.c_str());
BENCHMARK_CAPTURE(Search, thousand_different_words, kDistinctWords.c_str());
BENCHMARK_CAPTURE(Search, same_word_thousand_times, kSameWord.c_str());
BENCHMARK_CAPTURE(Search, long_word, kLongWord.c_str());
BENCHMARK_CAPTURE(SearchWithUsage, one_letter, "s");
BENCHMARK_CAPTURE(SearchWithUsage, three_words, "usb printer cables");
BENCHMARK_CAPTURE(SearchWithUsage, typo, "moniter stnads");
BENCHMARK(BuildIndex);

BENCHMARK_MAIN();
