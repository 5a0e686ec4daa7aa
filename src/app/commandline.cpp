#include "app/commandline.h"

#include "catalogue/catalogue.h"
#include "core/catalogueexport.h"
#include "core/catalogueindex.h"
#include "service/pagememory.h"
#include "service/searchservice.h"
#include "widgets/shell/bookmarkfile.h"

#include <QCommandLineParser>
#include <QFile>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>

namespace benchlist {

namespace {

constexpr int kOpenWindows = -1;
constexpr int kFailed = 1;
constexpr int kUsageError = 2;

int WriteToStandardOutput(const std::string &text)
{
    if (std::fwrite(text.data(), 1, text.size(), stdout) != text.size()
        || std::fflush(stdout) != 0) {
        std::fprintf(stderr, "benchlist: cannot write to standard output: %s\n",
                     std::strerror(errno));
        return kFailed;
    }
    return 0;
}

int ListCatalogue(const QStringList &, WindowStart &)
{
    return WriteToStandardOutput(CatalogueListing(catalogue::kWindows));
}

// Writes the bookmark file, or with "-" prints it.
int ExportBookmarks(const QStringList &values, WindowStart &)
{
    const QString &fileName = values.first();
    if (fileName == QLatin1String("-"))
        return WriteToStandardOutput(BookmarksHtml(catalogue::kButtonOrder));
    const QString reason = WriteBookmarkFile(fileName);
    if (!reason.isEmpty()) {
        std::fprintf(stderr, "benchlist: cannot write '%s': %s\n",
                     QFile::encodeName(fileName).constData(), reason.toLocal8Bit().constData());
        return kFailed;
    }
    return 0;
}

void PrintRecordLine(const FindRecord &record)
{
    std::printf("%.*s\t%.*s\t%.*s\t%s\n", int(record.text.size()), record.text.data(),
                int(record.windowTitle.size()), record.windowTitle.data(),
                int(record.caption.size()), record.caption.data(), record.address.c_str());
}

// The categories the words find, best first, one per line as text, window
// title, drop-down caption and address separated by tabs.
int FindOnCommandLine(const QStringList &words, WindowStart &)
{
    const std::vector<FindHit> hits =
        CatalogueIndex::Catalogue().Find(words.join(QLatin1Char(' ')).toStdString());
    for (const FindHit &hit : hits)
        PrintRecordLine(*hit.record);
    if (hits.empty()) {
        std::fputs("benchlist: no category matches those words\n", stderr);
        return kFailed;
    }
    return 0;
}

// The pages opened last, newest first, as --find prints categories.
int PrintRecentPages(const QStringList &, WindowStart &)
{
    for (const FindRecord *record : RecentRecords())
        PrintRecordLine(*record);
    ClosePageMemory();
    return std::fflush(stdout) == 0 ? 0 : kFailed;
}

// Deletes every page kept, whether remembering is on or off.
int ForgetPagesOpened(const QStringList &, WindowStart &)
{
    ForgetPages();
    ClosePageMemory();
    return 0;
}

// The windows, with the find window open on the words once the main window shows.
int OpenFindWindow(const QStringList &values, WindowStart &start)
{
    start.findWords = values.first();
    return kOpenWindows;
}

int ServeSearch(const QStringList &arguments, WindowStart &)
{
    return RunSearchService(arguments);
}

int PrintHelp(const QStringList &, WindowStart &);

int PrintVersion(const QStringList &, WindowStart &)
{
    std::puts("benchlist 1.00");
    return 0;
}

enum class Takes {
    Nothing,
    Value, // the next argument, or what follows '='
    Rest,  // every argument after it, even those that look like options
};

// The program's options, in the order --help lists them. An option is one row
// here, which ties its name to the function that answers it: with an exit
// status, or with kOpenWindows and what the windows are to show.
struct ProgramOption {
    const char *name;
    Takes takes;
    const char *argument; // as --help shows it
    const char *help;     // one line
    const char *missing;  // said when the argument is missing; null where none is needed
    int (*answer)(const QStringList &values, WindowStart &start);
};

constexpr ProgramOption kOptions[] = {
    {"list", Takes::Nothing, "", "print every page of the catalogue, one per line", nullptr,
     ListCatalogue},
    {"export-bookmarks", Takes::Value, "FILE", "write the bookmark file, or with - print it",
     "--export-bookmarks needs a file name, or - for standard output", ExportBookmarks},
    {"find", Takes::Rest, "WORDS...", "print the categories the words find, best first",
     "--find needs words to look for, as in: benchlist --find usb hub", FindOnCommandLine},
    {"find-window", Takes::Value, "WORDS", "open the window with the find window on the words",
     "--find-window needs words to look for, as in: benchlist --find-window 'usb hub'",
     OpenFindWindow},
    {"recent", Takes::Nothing, "", "print the last ten pages opened, newest first", nullptr,
     PrintRecentPages},
    {"forget", Takes::Nothing, "", "delete every page kept as opened, and their words", nullptr,
     ForgetPagesOpened},
    // Its further arguments are those of the service's own helpers.
    {"search-service", Takes::Rest, "", "serve the search of the desktop on the session bus",
     nullptr, ServeSearch},
    {"help", Takes::Nothing, "", "print this help and exit", nullptr, PrintHelp},
    {"version", Takes::Nothing, "", "print the version and exit", nullptr, PrintVersion},
};

// Qt's own options, left in the arguments for QApplication to take.
struct QtOption {
    const char *name;
    bool takesValue;
};

constexpr QtOption kQtOptions[] = {
    {"platform", true},        {"platformpluginpath", true},
    {"platformtheme", true},   {"plugin", true},
    {"qwindowgeometry", true}, {"qwindowicon", true},
    {"qwindowtitle", true},    {"session", true},
    {"display", true},         {"geometry", true},
    {"style", true},           {"stylesheet", true},
    {"qmljsdebugger", true},   {"reverse", false},
    {"widgetcount", false},    {"nograb", false},
    {"dograb", false},
};

int PrintHelp(const QStringList &, WindowStart &)
{
    std::string text = "Usage: benchlist [OPTION]... [QT-OPTION]...\n"
                       "Opens the Benchlist window. --list, --export-bookmarks, --find, --recent\n"
                       "and --forget answer on standard output instead, without a display.\n\n";
    std::size_t width = 0;
    for (const ProgramOption &option : kOptions)
        width = std::max(width, std::strlen(option.name) + std::strlen(option.argument) + 1);
    for (const ProgramOption &option : kOptions) {
        std::string names = std::string("  --") + option.name;
        if (*option.argument)
            names.append(" ").append(option.argument);
        names.resize(width + 6, ' ');
        text.append(names).append(option.help).append("\n");
    }
    text += "\nEach line of --find and --recent is the text, window, drop-down and address,\n"
            "tab-separated. --find answers the same every time: the pages opened before,\n"
            "which come first in the find window and the desktop's search, do not count.\n"
            "Qt's own options, such as -platform NAME, -style STYLE and -reverse, are passed\n"
            "on to Qt.\n\n"
            "Exit status: 0 when done, 1 when nothing is found or written, 2 for a command\n"
            "line that is not understood.\n";
    std::fputs(text.c_str(), stdout);
    return 0;
}

const ProgramOption *ProgramOptionNamed(const QString &name)
{
    for (const ProgramOption &option : kOptions)
        if (name == QLatin1String(option.name))
            return &option;
    return nullptr;
}

// The option an argument names: "--name=value" and "-name" name "name".
QString OptionName(const QString &argument)
{
    if (!argument.startsWith(QLatin1Char('-')) || argument == QLatin1String("-"))
        return {};
    const qsizetype dashes = argument.startsWith(QLatin1String("--")) ? 2 : 1;
    return argument.mid(dashes).section(QLatin1Char('='), 0, 0);
}

// The first of the program's options on the command line: the one that decides.
const ProgramOption *FirstProgramOption(const QCommandLineParser &parser)
{
    for (const QString &name : parser.optionNames())
        if (const ProgramOption *option = ProgramOptionNamed(name))
            return option;
    return nullptr;
}

// How the argument naming `name` was spelt.
QString SpellingOf(const QString &name, const QStringList &arguments)
{
    const auto it =
        std::find_if(arguments.begin() + 1, arguments.end(),
                     [&](const QString &argument) { return OptionName(argument) == name; });
    return it != arguments.end() ? *it : QLatin1String("--") + name;
}

int Unexpected(const QString &argument)
{
    std::fprintf(stderr, "benchlist: unexpected argument '%s' (try --help)\n",
                 argument.toLocal8Bit().constData());
    return kUsageError;
}

int Missing(const ProgramOption &option)
{
    std::fprintf(stderr, "benchlist: %s\n", option.missing);
    return kUsageError;
}

void AddOptions(QCommandLineParser &parser)
{
    for (const ProgramOption &option : kOptions) {
        if (option.takes == Takes::Value)
            parser.addOption({QLatin1String(option.name), QLatin1String(option.help),
                              QLatin1String(option.argument)});
        else
            parser.addOption({QLatin1String(option.name), QLatin1String(option.help)});
    }
    for (const QtOption &option : kQtOptions) {
        if (option.takesValue)
            parser.addOption({QLatin1String(option.name), QString(), QStringLiteral("value")});
        else
            parser.addOption({QLatin1String(option.name), QString()});
    }
}

// Everything after an option that takes the rest is its own, even what looks
// like an option: "--" there makes the parser see it so.
QStringList WithRestMarked(QStringList arguments)
{
    for (const ProgramOption &option : kOptions) {
        if (option.takes != Takes::Rest)
            continue;
        const qsizetype at = arguments.indexOf(QLatin1String("--") + QLatin1String(option.name));
        if (at > 0)
            arguments.insert(at + 1, QStringLiteral("--"));
    }
    return arguments;
}

// The parser stopped: at an unknown option, at an option whose value is
// missing at the end, or at a value given to an option that takes none.
int ParseFailure(const QCommandLineParser &parser, const QStringList &arguments)
{
    if (!parser.unknownOptionNames().isEmpty())
        return Unexpected(SpellingOf(parser.unknownOptionNames().first(), arguments));
    const QString &last = arguments.last();
    const ProgramOption *option = ProgramOptionNamed(OptionName(last));
    if (option && option->takes == Takes::Value && !last.contains(QLatin1Char('=')))
        return FirstProgramOption(parser) == option ? Missing(*option) : Unexpected(last);
    const auto withValue =
        std::find_if(arguments.begin() + 1, arguments.end(), [](const QString &a) {
            return a.startsWith(QLatin1Char('-')) && a.contains(QLatin1Char('='));
        });
    return Unexpected(withValue != arguments.end() ? *withValue : last);
}

// The display check reads the environment; Qt's -platform and -display win
// over it, so they are put there too.
void PassOnToDisplayCheck(const QCommandLineParser &parser)
{
    if (parser.isSet(QStringLiteral("platform")))
        qputenv("QT_QPA_PLATFORM", parser.value(QStringLiteral("platform")).toLocal8Bit());
    if (parser.isSet(QStringLiteral("display")))
        qputenv("DISPLAY", parser.value(QStringLiteral("display")).toLocal8Bit());
}

} // namespace

int AnswerCommandLine(int argc, char **argv, WindowStart &start)
{
    QStringList given;
    for (int i = 0; i < argc; ++i)
        given.append(QString::fromLocal8Bit(argv[i]));
    const QStringList arguments = WithRestMarked(given);

    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setOptionsAfterPositionalArgumentsMode(QCommandLineParser::ParseAsPositionalArguments);
    AddOptions(parser);
    if (!parser.parse(arguments))
        return ParseFailure(parser, arguments);

    // The first of the program's options decides; a second one is too many.
    const ProgramOption *chosen = FirstProgramOption(parser);
    bool seen = false;
    for (const QString &name : parser.optionNames()) {
        if (!ProgramOptionNamed(name))
            continue;
        if (seen)
            return Unexpected(SpellingOf(name, given));
        seen = true;
    }
    QStringList values = parser.positionalArguments();
    if (!chosen) {
        if (!values.isEmpty())
            return Unexpected(values.first());
        PassOnToDisplayCheck(parser);
        return kOpenWindows;
    }
    if (chosen->takes == Takes::Value)
        values.prepend(parser.value(QLatin1String(chosen->name)));
    if (chosen->takes == Takes::Nothing && !values.isEmpty())
        return Unexpected(values.first());
    if (chosen->takes == Takes::Value && values.size() > 1)
        return Unexpected(values.at(1));
    if (chosen->missing && values.isEmpty())
        return Missing(*chosen);
    const int status = chosen->answer(values, start);
    if (status == kOpenWindows)
        PassOnToDisplayCheck(parser);
    return status;
}

} // namespace benchlist
