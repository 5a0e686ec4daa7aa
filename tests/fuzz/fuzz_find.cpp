// Random bytes as a query, as the find window and --find hand one to the index.
// Besides the sanitizers' faults, whatever the query, the results must hold
// what every caller takes for granted; any that does not stops the run.
#include "core/catalogueindex.h"

#include <QByteArray>
#include <QString>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>
#include <vector>

namespace {

using namespace benchlist;

[[noreturn]] void Fail(const char *what, std::string_view query)
{
    std::fprintf(stderr, "fuzz_find: %s, for the query \"%.*s\"\n", what, int(query.size()),
                 query.data());
    std::abort();
}

bool AllBlank(std::string_view query)
{
    for (const char c : query)
        if (c != ' ' && c != '\t' && c != '\n' && c != '\r' && c != '\v' && c != '\f')
            return false;
    return true;
}

// The words a record's field holds: a mark beyond them would bold nothing, or
// the wrong word.
bool MarksWithin(std::uint32_t marked, std::string_view text)
{
    const std::size_t words = FindWordSpans(text).size();
    return words >= 32 || (marked >> words) == 0;
}

void Check(const CatalogueIndex &index, std::string_view query)
{
    const std::vector<FindHit> hits = index.Find(query);
    if (AllBlank(query) && !hits.empty())
        Fail("a query of blanks finds something", query);
    for (std::size_t i = 0; i < hits.size(); ++i) {
        const FindHit &hit = hits[i];
        const FindRecord &record = *hit.record;
        if (!MarksWithin(hit.marked[std::size_t(FindField::Text)], record.text)
            || !MarksWithin(hit.marked[std::size_t(FindField::Caption)], record.caption)
            || !MarksWithin(hit.marked[std::size_t(FindField::Title)], record.windowTitle))
            Fail("a result marks a word its text does not have", query);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const CatalogueIndex &index = CatalogueIndex::Catalogue();
    const std::string_view query(reinterpret_cast<const char *>(data), size);
    Check(index, query);
    // The find window and --find pass on text Qt has read: what is no UTF-8
    // has become U+FFFD by then.
    const QByteArray read = QString::fromUtf8(query.data(), qsizetype(size)).toUtf8();
    const std::string_view asRead(read.constData(), std::size_t(read.size()));
    if (asRead != query)
        Check(index, asRead);
    return 0;
}
