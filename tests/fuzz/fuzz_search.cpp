// Random bytes as what the desktop's search sends: lines as search terms, each
// also as a result id to open. Besides the sanitizers' faults, the results
// must be few enough and each id must lead back to its own result.
#include "core/searchresults.h"

#include <QString>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

namespace {

using namespace benchlist;

[[noreturn]] void Fail(const char *what)
{
    std::fprintf(stderr, "fuzz_search: %s\n", what);
    std::abort();
}

// Lines, as the bus would hand them over: Qt's strings, then UTF-8 again.
std::vector<std::string> Lines(std::string_view data)
{
    std::vector<std::string> lines;
    while (!data.empty()) {
        const std::size_t end = std::min(data.find('\n'), data.size());
        lines.push_back(QString::fromUtf8(data.data(), qsizetype(end)).toStdString());
        data.remove_prefix(std::min(end + 1, data.size()));
    }
    return lines;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const SearchResults &results = SearchResults::Catalogue();
    const std::vector<std::string> terms =
        Lines(std::string_view(reinterpret_cast<const char *>(data), size));

    const std::vector<FindHit> hits = results.Search(terms);
    if (hits.size() > kMaxSearchResults)
        Fail("more results than the desktop shows");
    for (const FindHit &hit : hits)
        if (results.Record(SearchResultId(*hit.record)) != hit.record)
            Fail("a result's id does not lead back to it");

    for (const std::string &id : terms)
        if (const FindRecord *record = results.Record(id); record && SearchResultId(*record) != id)
            Fail("an id leads to a record of another id");
    return 0;
}
