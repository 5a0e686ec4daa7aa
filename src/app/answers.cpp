// The program's options and the answers they give on standard output.
#include "app/commandline.h"

#include "catalogue/catalogue.h"
#include "core/catalogueexport.h"
#include "core/catalogueindex.h"
#include "service/searchservice.h"
#include "widgets/shell/bookmarkfile.h"

#include <QFile>

#include <cstdio>

namespace benchlist {

namespace {

std::string Local(const QString &text)
{
    return text.toLocal8Bit().toStdString();
}

int List(const QStringList &)
{
    return WriteToStandardOutput(CatalogueListing(catalogue::kWindows));
}

// Writes the bookmark file, or with "-" prints it.
int ExportBookmarks(const QStringList &words)
{
    if (words.first() == QLatin1String("-"))
        return WriteToStandardOutput(BookmarksHtml(catalogue::kButtonOrder));
    const QString reason = WriteBookmarkFile(words.first());
    if (reason.isEmpty())
        return 0;
    std::fprintf(stderr, "benchlist: cannot write '%s': %s\n",
                 QFile::encodeName(words.first()).constData(), Local(reason).c_str());
    return 1;
}

// The categories the words find, best first, one per line as text, window
// title, drop-down caption and address separated by tabs.
int Find(const QStringList &words)
{
    const std::vector<FindHit> hits =
        CatalogueIndex::Catalogue().Find(Local(words.join(QLatin1Char(' '))));
    if (hits.empty()) {
        std::fputs("benchlist: no category matches those words\n", stderr);
        return 1;
    }
    std::string lines;
    for (const FindHit &hit : hits) {
        const FindRecord &record = *hit.record;
        for (std::string_view field : {record.text, record.windowTitle, record.caption})
            lines.append(field).append("\t");
        lines.append(record.address).append("\n");
    }
    return WriteToStandardOutput(lines);
}

int Help(const QStringList &);

int Version(const QStringList &)
{
    return WriteToStandardOutput("benchlist 1.00\n");
}

constexpr Option kOptions[] = {
    {"list", Takes::Nothing, "", "print every page of the catalogue, one per line", nullptr, List},
    {"export-bookmarks", Takes::Word, "FILE", "write the bookmark file, or with - print it",
     "--export-bookmarks needs a file name, or - for standard output", ExportBookmarks},
    {"find", Takes::Rest, "WORDS...", "print the categories the words find, best first",
     "--find needs words to look for, as in: benchlist --find usb hub", Find},
    {"find-window", Takes::Word, "WORDS", "open the window with the find window on the words",
     "--find-window needs words to look for, as in: benchlist --find-window 'usb hub'", nullptr},
    // Its further words are those of the service's own helpers.
    {"search-service", Takes::Rest, "", "serve the search of the desktop on the session bus",
     nullptr, RunSearchService},
    {"help", Takes::Nothing, "", "print this help and exit", nullptr, Help},
    {"version", Takes::Nothing, "", "print the version and exit", nullptr, Version},
};

int Help(const QStringList &)
{
    return WriteToStandardOutput(
        "Usage: benchlist [OPTION]... [QT-OPTION]...\n"
        "Opens the Benchlist window. --list, --export-bookmarks and --find answer\n"
        "on standard output instead, without a display.\n\n"
        + Local(OptionLines())
        + "\nEach line of --find is the text, window, drop-down and address, tab-separated.\n"
          "Qt's own options, such as -platform NAME, -style STYLE and -reverse, are passed\n"
          "on to Qt.\n\n"
          "Exit status: 0 when done, 1 when nothing is found or written, 2 for a command\n"
          "line that is not understood.\n");
}

} // namespace

std::span<const Option> ProgramOptions()
{
    return kOptions;
}

} // namespace benchlist
