// Random bytes as what the desktop's search sends: lines as search terms, each
// also as a result id to open. Besides the sanitizers' faults, the results
// must be few enough and each id must lead back to its own result. The same
// lines are the program's command line, which must be read alike every time
// and give each option the words it takes, or say what is wrong.
#include "app/commandline.h"
#include "core/searchresults.h"

#include <QString>
#include <QStringList>

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

// Lines, as the bus or the command line hands them over: Qt's strings.
QStringList Lines(std::string_view data)
{
    QStringList lines;
    while (!data.empty()) {
        const std::size_t end = std::min(data.find('\n'), data.size());
        lines.append(QString::fromUtf8(data.data(), qsizetype(end)));
        data.remove_prefix(std::min(end + 1, data.size()));
    }
    return lines;
}

bool operator==(const CommandLine &a, const CommandLine &b)
{
    return a.option == b.option && a.words == b.words && a.qtArguments == b.qtArguments
           && a.error == b.error;
}

void CheckCommandLine(const QStringList &lines)
{
    const QStringList arguments = QStringList(QStringLiteral("benchlist")) + lines;
    const CommandLine line = ReadCommandLine(arguments);
    if (!(ReadCommandLine(arguments) == line))
        Fail("the same command line read two ways");
    if (!line.error.isEmpty())
        return;
    if (line.qtArguments.value(0) != arguments.first())
        Fail("the program's name is not first among Qt's words");
    const Takes takes = line.option ? line.option->takes : Takes::Nothing;
    if ((takes == Takes::Nothing && !line.words.isEmpty())
        || (takes == Takes::Word && line.words.size() != 1))
        Fail("an option with other words than it takes");
    if (line.option && line.option->missing && line.words.isEmpty())
        Fail("an option without the words it needs");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const SearchResults &results = SearchResults::Catalogue();
    const QStringList lines = Lines(std::string_view(reinterpret_cast<const char *>(data), size));
    CheckCommandLine(lines);

    // The search service hands the terms on as UTF-8.
    std::vector<std::string> terms;
    for (const QString &line : lines)
        terms.push_back(line.toStdString());

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
