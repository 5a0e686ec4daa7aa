// One keystroke in the find window runs one search over the whole catalogue;
// these measure that search for the kinds of query people type.
#include "catalogue/catalogue.h"
#include "core/catalogueindex.h"

#include <benchmark/benchmark.h>

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
BENCHMARK_CAPTURE(Search, thousand_words, kThousandWords.c_str());
BENCHMARK_CAPTURE(Search, thousand_different_words, kDistinctWords.c_str());
BENCHMARK_CAPTURE(Search, same_word_thousand_times, kSameWord.c_str());
BENCHMARK_CAPTURE(Search, long_word, kLongWord.c_str());
BENCHMARK(BuildIndex);

BENCHMARK_MAIN();
