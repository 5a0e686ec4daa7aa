// SPDX-FileCopyrightText: 2026 Veldmark
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Random bytes as what the desktop's search sends: lines as GNOME Shell's
// terms and KRunner's query, and as result ids. Besides the sanitizers'
// faults, the results must be few enough, each id must lead back to its own
// result, KRunner's sort must keep the order, and nothing may be started. The
// same lines are the program's command line, which must be read alike every
// time and give each option the words it takes, or say what is wrong; --find
// must answer with a status that says what it lists.
#include "app/commandline.h"
#include "find/resultids.h"
#include "service/desktopresults.h"
#include "service/searchprovider.h"

#include <QCoreApplication>
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
           && a.error == b.error && a.shop == b.shop;
}

CommandLine CheckCommandLine(const QStringList &lines)
{
    const QStringList arguments = QStringList(QStringLiteral("benchlist")) + lines;
    const CommandLine line = ReadCommandLine(arguments);
    if (!(ReadCommandLine(arguments) == line))
        Fail("the same command line read two ways");
    if (!line.error.isEmpty())
        return line;
    if (line.qtArguments.value(0) != arguments.first())
        Fail("the program's name is not first among Qt's words");
    const Takes takes = line.option ? line.option->takes : Takes::Nothing;
    if ((takes == Takes::Nothing && !line.words.isEmpty())
        || (takes == Takes::Word && line.words.size() != 1))
        Fail("an option with other words than it takes");
    if (line.option && line.option->missing && line.words.isEmpty())
        Fail("an option without the words it needs");
    return line;
}

// The words --find was given, answered as the program answers them: a status
// that says what the lines are, and at most one line for standard error.
void CheckFindAnswer(const CommandLine &line)
{
    if (!line.error.isEmpty() || !line.option || line.option->name != std::string_view("find"))
        return;
    const FindAnswer answer =
        AnswerFind(CatalogueIndex::Catalogue(), line.words.join(QLatin1Char(' ')).toStdString());
    const int status = answer.Status();
    if ((status == kFoundNothing) != FindListing(answer.hits).empty())
        Fail("--find says nothing was found, yet lists something, or the other way round");
    if ((status == kFoundPartly) != !answer.leftOut.empty())
        Fail("--find names no word left out of a partial answer, or some of a full one");
    if (answer.leftOut.empty() && !answer.furtherDown.empty())
        Fail("--find names words further down but none left out first");
}

// KRunner sorts by type, then relevance, both downwards: every match must
// come strictly after the one before it in that sort, or KRunner's order
// could differ from ours.
void CheckKRunnerOrder(const QList<searchbus::RemoteMatch> &matches)
{
    for (qsizetype i = 0; i < matches.size(); ++i) {
        const searchbus::RemoteMatch &match = matches.at(i);
        if (!(match.relevance > 0 && match.relevance <= 1))
            Fail("a KRunner relevance outside (0, 1]");
        if (match.type != kKRunnerExactMatch && match.type != kKRunnerPossibleMatch)
            Fail("a KRunner match of another type");
        if (i == 0)
            continue;
        const searchbus::RemoteMatch &before = matches.at(i - 1);
        if (match.type > before.type
            || (match.type == before.type && !(match.relevance < before.relevance)))
            Fail("KRunner would sort a match above the one before it");
    }
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    // The service's idle timer needs an event loop's thread.
    static QCoreApplication app(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    static Searcher searcher([](const QStringList &) -> bool {
        Fail("the search service starts a program while searching");
    });
    static GnomeSearchProvider gnome(searcher);
    static KRunner krunner(searcher);
    const SearchResults &results = SearchResults::Catalogue();

    const QStringList lines = Lines(std::string_view(reinterpret_cast<const char *>(data), size));
    const CommandLine line = CheckCommandLine(lines);
    CheckFindAnswer(line);

    // GNOME Shell's terms, its ids, and what it shows of each.
    const QStringList ids = gnome.GetInitialResultSet(lines);
    if (std::size_t(ids.size()) > kMaxSearchResults)
        Fail("more results than the desktop shows");
    if (gnome.GetResultMetas(ids).size() != ids.size())
        Fail("a result's id does not lead back to it");
    // Ids as a client may send them, made up. (The service itself would say
    // on standard error that it has none such, thousands of times a second.)
    for (const QString &id : lines) {
        const std::string made = id.toStdString();
        if (const FindRecord *record = results.Record(made);
            record && SearchResultId(*record) != made)
            Fail("an id leads to a record of another id");
    }

    // KRunner's query is one string: the lines joined.
    const QList<searchbus::RemoteMatch> matches = krunner.Match(lines.join(QLatin1Char(' ')));
    if (std::size_t(matches.size()) > kMaxSearchResults)
        Fail("more KRunner matches than the desktop shows");
    CheckKRunnerOrder(matches);
    return 0;
}
