// One keystroke in the find window runs one search over the whole catalogue;
// these measure that search for the kinds of query people type.
#include "catalogue/catalogue.h"
#include "core/catalogueindex.h"

#include <benchmark/benchmark.h>

namespace {

using benchlist::CatalogueIndex;

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
BENCHMARK(BuildIndex);

BENCHMARK_MAIN();
