// SPDX-FileCopyrightText: 2026 Veldmark
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The built program as a process: its command line and start-up.
#include "app/commandline.h"
#include "catalogue/catalogue.h"
#include "catalogue/reference.h"
#include "core/addresses.h"
#include "core/catalogueexport.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>

using namespace benchlist;

namespace {

QByteArray Bytes(std::string_view text)
{
    return QByteArray(text.data(), static_cast<qsizetype>(text.size()));
}

struct Run {
    int status = -1;
    QByteArray out;
    QByteArray err;
};

// Runs the built program as a user would, with no display but those named in
// `variables` ("NAME=value"), its standard output into `output` if named. A
// status of -1 tells of a crash or an abort.
Run RunProgram(const QStringList &arguments, const QString &program = BENCHLIST_BINARY,
               const QStringList &variables = {}, const QString &output = {})
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "XDG_SESSION_TYPE"})
        environment.remove(QLatin1String(name));
    for (const QString &variable : variables)
        environment.insert(variable.section(QLatin1Char('='), 0, 0),
                           variable.section(QLatin1Char('='), 1));
    process.setProcessEnvironment(environment);
    if (!output.isEmpty())
        process.setStandardOutputFile(output);
    process.start(program, arguments);
    if (!process.waitForFinished(10000) || process.exitStatus() != QProcess::NormalExit)
        return {};
    return {process.exitCode(), process.readAllStandardOutput(), process.readAllStandardError()};
}

} // namespace

class CliTest : public QObject {
    Q_OBJECT

private slots:
    void commandLine_data();
    void commandLine();
    void readsCommandLine_data();
    void readsCommandLine();
    void answersReportFailedWrites_data();
    void answersReportFailedWrites();
    void startsWithQtOptions_data();
    void startsWithQtOptions();
    void helpListsEveryOption_data();
    void helpListsEveryOption();
    void helpIsTranslated_data();
    void helpIsTranslated();
    void findLeavesOutWords_data();
    void findLeavesOutWords();
    void bookmarksFollowTheButtons();
    void listingMatchesTheCatalogue();
    void failedExportKeepsOlderFile();
    void settingsNameAShopGone();
};

void CliTest::commandLine_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QStringList>("environment"); // on top of one without any display
    QTest::addColumn<int>("status");
    QTest::addColumn<QByteArray>("output"); // the start of its one line
    QTest::newRow("version") << QStringList{"--version"} << QStringList{} << 0
                             << QByteArray("benchlist 1.00\n");
    QTest::newRow("anything else")
        << QStringList{"--open", "x"} << QStringList{} << 2 << QByteArray("benchlist:");
    QTest::newRow("no display") << QStringList{} << QStringList{} << 1
                                << QByteArray("benchlist: no display");
    QTest::newRow("find without words")
        << QStringList{"--find"} << QStringList{} << 2 << QByteArray("benchlist:");
    QTest::newRow("find nothing") << QStringList{"--find", "zebra"} << QStringList{} << 1
                                  << QByteArray("benchlist: no category");
    QTest::newRow("find a word with a dash")
        << QStringList{"-find", "-GLARE"} << QStringList{} << 0
        << QByteArray("Glare Filters\tComputer Monitors and Accessories");
    QTest::newRow("find one")
        << QStringList{"--find", "GLARE"} << QStringList{} << 0
        << "Glare Filters\tComputer Monitors and Accessories\tMonitor Accessories\t"
               + Bytes(SiteBase) + "/bl/cm/Glare-Filters.html\n";
    QTest::newRow("export without a file")
        << QStringList{"--export-bookmarks"} << QStringList{} << 2
        << QByteArray("benchlist: --export-bookmarks needs a file name");
    QTest::newRow("export with two files")
        << QStringList{"--export-bookmarks", "a.html", "b.html"} << QStringList{} << 2
        << QByteArray("benchlist: unexpected argument 'b.html'");
    QTest::newRow("search service without a session bus")
        << QStringList{"--search-service"}
        << QStringList{"DBUS_SESSION_BUS_ADDRESS=unix:path=" + QDir::tempPath() + "/no-bus"} << 1
        << QByteArray("benchlist: no session bus");
    QTest::newRow("search service with an argument")
        << QStringList{"--search-service", "x"} << QStringList{} << 2
        << QByteArray("benchlist: --search-service takes no further arguments\n");
    QTest::newRow("find window without words")
        << QStringList{"--find-window"} << QStringList{} << 2
        << QByteArray("benchlist: --find-window needs words");
    QTest::newRow("find window on no display")
        << QStringList{"--find-window", "usb hub"} << QStringList{} << 1
        << QByteArray("benchlist: no display");
    QTest::newRow("list with an argument") << QStringList{"--list", "x"} << QStringList{} << 2
                                           << QByteArray("benchlist: unexpected argument 'x'");
    const QString directory = QDir::tempPath();
    QTest::newRow("export onto a directory")
        << QStringList{"--export-bookmarks", directory} << QStringList{} << 1
        << "benchlist: cannot write '" + QFile::encodeName(directory) + "': ";
    QTest::newRow("export below a file")
        << QStringList{"--export-bookmarks", BENCHLIST_BINARY "/bookmarks.html"} << QStringList{}
        << 1 << QByteArray("benchlist: cannot write '" BENCHLIST_BINARY "/bookmarks.html': ");
    QTest::newRow("export onto a full device")
        << QStringList{"--export-bookmarks", "/dev/full"} << QStringList{} << 1
        << QByteArray("benchlist: cannot write '/dev/full': No space left on device");
    QTest::newRow("shop without an id")
        << QStringList{"--shop"} << QStringList{} << 2 << QByteArray("benchlist: --shop needs");
    QTest::newRow("shop nobody has")
        << QStringList{"--shop", "nosuch", "--list"} << QStringList{} << 2
        << QByteArray("benchlist: no shop has the id 'nosuch'; the ids are: catalogue, ebay-us,");
    QTest::newRow("shop in upper case")
        << QStringList{"--shop=EBAY-US", "--find", "glare"} << QStringList{} << 2
        << QByteArray("benchlist: no shop has the id 'EBAY-US'");
    QTest::newRow("shop's search")
        << QStringList{"--shop", "ebay-us", "--find", "17", "inch", "lcd"} << QStringList{} << 0
        << QByteArray("17-inch LCD\tComputer Monitors and Accessories\tLCD & FlatScreen "
                      "Monitors\thttps://www.ebay.com/sch/i.html?_nkw=17%20inch%20LCD%20monitor\n");
    // Displays that are named but cannot be opened: the line names the one tried.
    const auto dead = [](const char *row, QStringList environment, const char *output) {
        QTest::newRow(row) << QStringList{} << environment << 1 << QByteArray(output);
    };
    dead("X on a host", {"DISPLAY=localhost:987"},
         "benchlist: cannot open X display localhost:987\n");
    dead("X by unix:", {"DISPLAY=unix:987"}, "benchlist: cannot open X display unix:987\n");
    dead("local X", {"DISPLAY=:987"}, "benchlist: cannot open X display :987\n");
    dead("xcb asked for", {"QT_QPA_PLATFORM=xcb", "DISPLAY=:987"},
         "benchlist: cannot open X display :987\n");
    dead("stale Wayland", {"WAYLAND_DISPLAY=benchlist-gone", "XDG_RUNTIME_DIR=" + QDir::tempPath()},
         "benchlist: cannot open Wayland display benchlist-gone");
    // The session's own display server is tried first, the other after it.
    const QString gone = "WAYLAND_DISPLAY=benchlist-gone",
                  runtime = "XDG_RUNTIME_DIR=" + QDir::tempPath();
    dead("Wayland session", {"XDG_SESSION_TYPE=wayland", gone, runtime, "DISPLAY=:987"},
         "benchlist: cannot open Wayland display benchlist-gone or X display :987\n");
    dead("X11 session", {"XDG_SESSION_TYPE=x11", gone, runtime, "DISPLAY=:987"},
         "benchlist: cannot open X display :987 or Wayland display benchlist-gone\n");
    QTest::newRow("Wayland and -display")
        << QStringList{"-display", ":987"} << QStringList{gone, runtime} << 1
        << QByteArray("benchlist: cannot open X display :987 or Wayland display benchlist-gone\n");
    dead("session type nonsense", {"XDG_SESSION_TYPE=\x01;wayland", gone, runtime, "DISPLAY=:987"},
         "benchlist: cannot open X display :987 or Wayland display benchlist-gone\n");
    QTest::newRow("find window on Qt's display")
        << QStringList{"-display", ":987", "--find-window", "usb"} << QStringList{} << 1
        << QByteArray("benchlist: cannot open X display :987\n");
    dead("unknown platform", {"QT_QPA_PLATFORM=benchlist-none"},
         "benchlist: cannot open a display with Qt's platform 'benchlist-none'\n");
    // The session's language: its first one the program speaks, else English.
    const auto language = [](const char *row, QStringList arguments, const QStringList &locale,
                             int status, const char *output) {
        QTest::newRow(row)
            << arguments
            << QStringList{"LANGUAGE=", "LC_ALL=", "LC_MESSAGES=", "LANG=en_US.UTF-8"} + locale
            << status << QByteArray(output);
    };
    const QStringList find = {"--find"};
    language("German", find, {"LANGUAGE=de"}, 2, "benchlist: --find braucht Suchwörter");
    language("German before French", find, {"LANGUAGE=de:fr"}, 2, "benchlist: --find braucht");
    language("English before German", find, {"LANGUAGE=en:de"}, 2, "benchlist: --find needs");
    language("unknown before French", find, {"LANGUAGE=xx:fr"}, 2, "benchlist: --find attend");
    language("German of Austria", find, {"LC_MESSAGES=de_AT.UTF-8"}, 2,
             "benchlist: --find braucht");
    language("unknown language", find, {"LANG=xx_YY.UTF-8"}, 2, "benchlist: --find needs");
    language("C locale", find, {"LC_ALL=C.UTF-8"}, 2, "benchlist: --find needs");
    // As under gettext, the C locale is English whatever LANGUAGE says.
    language("C over LANGUAGE", find, {"LANGUAGE=de", "LC_ALL=C"}, 2, "benchlist: --find needs");
    language("POSIX messages", find, {"LANGUAGE=fr", "LC_MESSAGES=POSIX"}, 2,
             "benchlist: --find needs");
    language("C.UTF-8 in LANG", find, {"LANGUAGE=es", "LANG=C.UTF-8"}, 2,
             "benchlist: --find needs");
    language("LANGUAGE alone", find, {"LANGUAGE=de", "LANG="}, 2, "benchlist: --find needs");
    language("LC_ALL before a C LANG", find, {"LANGUAGE=fr", "LC_ALL=de_DE.UTF-8", "LANG=C"}, 2,
             "benchlist: --find attend");
    language("Spanish note", {"--find", "zebra"}, {"LANGUAGE=es"}, 1,
             "benchlist: ninguna categoría");
    language("French listing stays English", {"--find", "GLARE"}, {"LANGUAGE=fr"}, 0,
             "Glare Filters\tComputer Monitors and Accessories\tMonitor Accessories\t");
}

// Answers on the command line, and ends without a display, never aborting.
void CliTest::commandLine()
{
    QFETCH(QStringList, arguments);
    QFETCH(QStringList, environment);
    QFETCH(int, status);
    QFETCH(QByteArray, output);
    const Run run = RunProgram(arguments, BENCHLIST_BINARY, environment);
    QCOMPARE(run.status, status);
    const QByteArray text = run.out + run.err;
    QVERIFY2(text.startsWith(output), text.constData());
    QCOMPARE(text.count('\n'), 1);
    QVERIFY(QFileInfo(QDir::tempPath()).isDir());
}

void CliTest::readsCommandLine_data()
{
    QTest::addColumn<QStringList>("arguments"); // after the program's name
    QTest::addColumn<QString>("option");        // empty: the windows open
    QTest::addColumn<QStringList>("words");
    QTest::addColumn<QStringList>("qt"); // the words left to Qt
    QTest::addColumn<QString>("error");  // its start
    QTest::newRow("a word like Qt's option")
        << QStringList{"--find-window", "-reverse"} << "find-window" << QStringList{"-reverse"}
        << QStringList{} << QString();
    QTest::newRow("Qt's words around it")
        << QStringList{"-style", "fusion", "-find-window", "usb hub", "-display", ":1"}
        << "find-window" << QStringList{"usb hub"}
        << QStringList{"-style", "fusion", "-display", ":1"} << QString();
    QTest::newRow("the rest of the line")
        << QStringList{"--find=usb", "--list", "-x"} << "find" << QStringList{"usb", "--list", "-x"}
        << QStringList{} << QString();
    QTest::newRow("two options") << QStringList{"--list", "-version"} << "list" << QStringList{}
                                 << QStringList{} << "unexpected argument '-version'";
    QTest::newRow("a word for an option without one")
        << QStringList{"--version=2"} << "version" << QStringList{} << QStringList{}
        << "unexpected argument '--version=2'";
    QTest::newRow("an empty word") << QStringList{"--find-window="} << "find-window"
                                   << QStringList{} << QStringList{} << "--find-window needs";
}

// What the words ask for, and which of them Qt is given.
void CliTest::readsCommandLine()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, option);
    QFETCH(QStringList, words);
    QFETCH(QStringList, qt);
    QFETCH(QString, error);
    const CommandLine line = ReadCommandLine(QStringList{"benchlist"} + arguments);
    QCOMPARE(line.option ? QString::fromLatin1(line.option->name) : QString(), option);
    QVERIFY2(error.isEmpty() ? line.error.isEmpty() : line.error.startsWith(error),
             qPrintable(line.error));
    if (error.isEmpty()) {
        QCOMPARE(line.words, words);
        QCOMPARE(line.qtArguments, QStringList{"benchlist"} + qt);
    }
}

void CliTest::answersReportFailedWrites_data()
{
    QTest::addColumn<QStringList>("arguments");
    for (const QStringList &arguments :
         {QStringList{"--find", "usb", "hub"}, QStringList{"--list"}, QStringList{"--version"},
          QStringList{"--help"}, QStringList{"--export-bookmarks", "-"}})
        QTest::newRow(qPrintable(arguments.join(' '))) << arguments;
}

// An answer that cannot be written, to a full disk here, is a failure.
void CliTest::answersReportFailedWrites()
{
    QFETCH(QStringList, arguments);
    const Run run = RunProgram(arguments, BENCHLIST_BINARY, {}, QStringLiteral("/dev/full"));
    QCOMPARE(run.status, 1);
    QCOMPARE(run.err, QByteArray("benchlist: cannot write to standard output: No space left on "
                                 "device\n"));
}

void CliTest::startsWithQtOptions_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QStringList>("environment");
    const QStringList offscreen{"-platform", "offscreen"};
    QTest::newRow("no options") << QStringList{} << QStringList{"QT_QPA_PLATFORM=offscreen"};
    QTest::newRow("Qt's options with values")
        << QStringList{"-style", "fusion"} + offscreen << QStringList{};
    QTest::newRow("the find window")
        << QStringList{"--find-window", "-reverse"} + offscreen << QStringList{};
    QTest::newRow("the user's platform")
        << QStringList{} << QStringList{"QT_QPA_PLATFORM=offscreen", "DISPLAY=:987"};
}

// The switch that lets start-up be timed from outside: the program paints its
// main window once and leaves with status 0 instead of running on. Qt is
// given its own options and the platform that the user chose.
void CliTest::startsWithQtOptions()
{
    QFETCH(QStringList, arguments);
    QFETCH(QStringList, environment);
    const Run run = RunProgram(arguments, BENCHLIST_BINARY,
                               environment + QStringList{"BENCH_EXIT_AFTER_PAINT=1"});
    QVERIFY2(run.status == 0, run.err.constData());
}

void CliTest::helpListsEveryOption_data()
{
    QTest::addColumn<QByteArray>("option"); // with its argument, as the help shows it
    for (const char *option :
         {"--list", "--export-bookmarks FILE", "--find WORDS...", "--find-window WORDS", "--recent",
          "--forget", "--search-service", "--help", "--version"})
        QTest::newRow(option) << QByteArray(option);
}

// One option a line, its argument beside it and its help after a gap.
void CliTest::helpListsEveryOption()
{
    QFETCH(QByteArray, option);
    const Run run = RunProgram({"--help"});
    QCOMPARE(run.status, 0);
    QVERIFY(run.out.startsWith("Usage: benchlist"));
    const QList<QByteArray> lines = run.out.split('\n');
    QVERIFY2(std::any_of(lines.begin(), lines.end(),
                         [&](const QByteArray &line) {
                             return line.startsWith("  " + option + "  ")
                                    && !line.trimmed().endsWith(option);
                         }),
             run.out.constData());
}

void CliTest::helpIsTranslated_data()
{
    QTest::addColumn<QString>("language");
    for (const char *language : {"de", "fr", "es"})
        QTest::newRow(language) << QString::fromLatin1(language);
}

// No line of the help is left in English in a translated run.
void CliTest::helpIsTranslated()
{
    QFETCH(QString, language);
    const QStringList session = {"LC_ALL=", "LC_MESSAGES=", "LANG=en_US.UTF-8"};
    const Run english =
        RunProgram({"--help"}, BENCHLIST_BINARY, session + QStringList{"LANGUAGE="});
    const Run translated =
        RunProgram({"--help"}, BENCHLIST_BINARY, session + QStringList{"LANGUAGE=" + language});
    QCOMPARE(translated.status, 0);
    const QList<QByteArray> englishLines = english.out.split('\n');
    for (const QByteArray &line : translated.out.split('\n'))
        QVERIFY2(line.trimmed().isEmpty() || !englishLines.contains(line), line.constData());
}

// The real catalogue: a folder per window in the order of the main window's
// buttons, 123 drop-downs, and one bookmark for each of the 956 entries but the
// one text "Other" that the CD-ROM table holds twice.
void CliTest::bookmarksFollowTheButtons()
{
    const Run run = RunProgram({"--export-bookmarks", "-"});
    QCOMPARE(run.status, 0);
    QVERIFY(run.err.isEmpty());
    QCOMPARE(run.out, Bytes(BookmarksHtml(catalogue::kButtonOrder)));
    QByteArrayList windows;
    int folders = 0;
    for (const QByteArray &line : run.out.split('\n')) {
        if (line.startsWith("    <DT><H3>"))
            windows.append(line.mid(12).chopped(5));
        folders += line.trimmed().startsWith("<DT><H3>") ? 1 : 0;
    }
    QByteArrayList titles;
    for (const cases::ReferenceControl &window : cases::ReferenceWindows())
        titles.append(QByteArray(window.text).replace("&", "&amp;"));
    QCOMPARE(windows, titles);
    QCOMPARE(folders, 9 + 123);
    QCOMPARE(run.out.count("<DT><A HREF=\""), 955);
    QCOMPARE(run.out.count("<DL><p>"), run.out.count("</DL><p>"));
}

void CliTest::findLeavesOutWords_data()
{
    QTest::addColumn<QStringList>("words");
    QTest::addColumn<QByteArray>("error");
    QTest::newRow("one") << QStringList{"usb", "hubs", "zebra"}
                         << QByteArray("benchlist: no category has every word; left out: zebra; "
                                       "further down also: usb, hubs\n");
    QTest::newRow("two, in the order given")
        << QStringList{"zebra usb", "hubs", "quux"}
        << QByteArray("benchlist: no category has every word; left out: zebra, quux; further "
                      "down also: usb, hubs\n");
    // However many words nothing has, the categories with the rest are found;
    // of forty words the first 32 count.
    for (const int count : {17, 40}) {
        QStringList words{"usb", "hubs"}, counted;
        for (int i = 2; i < count; ++i)
            words.append(QStringLiteral("qx%1").arg(QChar(u'a' + i % 26)) + QString(i / 26, 'q'));
        counted = words.mid(2, 30);
        QTest::addRow("%d different words", count)
            << words
            << ("benchlist: no category has every word; left out: " + counted.join(", ").toUtf8()
                + "; further down also: usb, hubs\n");
    }
}

// When no category has every word, those with most of them, status 3, and
// one line that names the words left out.
void CliTest::findLeavesOutWords()
{
    QFETCH(QStringList, words);
    QFETCH(QByteArray, error);
    const Run run = RunProgram(QStringList{"--find"} + words);
    QCOMPARE(run.status, 3);
    QCOMPARE(run.err, error);
    QVERIFY2(run.out.startsWith("USB Hubs and Cables\tPC Components\t"), run.out.constData());
}

// The listing, line by line, against the catalogue as written down in tests/data.
void CliTest::listingMatchesTheCatalogue()
{
    const Run run = RunProgram({"--list"});
    QCOMPARE(run.status, 0);
    QVERIFY(run.err.isEmpty());
    QByteArrayList lines = run.out.split('\n');
    QCOMPARE(lines.takeLast(), QByteArray()); // the last line ends in a line break too
    QCOMPARE(lines.size(), 956);

    // The windows in the catalogue's order, which is that of their names.
    QList<cases::ReferenceControl> windows = cases::ReferenceWindows();
    std::sort(windows.begin(), windows.end(),
              [](const auto &a, const auto &b) { return a.window < b.window; });
    QByteArrayList expected;
    for (const cases::ReferenceControl &window : windows) {
        for (const cases::ReferenceControl &box : cases::Reference()) {
            if (box.window != window.window || box.kind != "dropDown")
                continue;
            for (const QByteArray &page : box.pages) {
                const qsizetype arrow = page.lastIndexOf(" -> ");
                const QByteArray text = page.left(arrow);
                expected.append(QByteArrayList{window.window, window.text, box.name, box.text, text,
                                               Bytes(SiteBase) + page.mid(arrow + 4),
                                               box.items.contains(text) ? "listed" : "typed"}
                                    .join('\t'));
            }
        }
    }
    QCOMPARE(lines, expected);
    QCOMPARE(std::count_if(lines.begin(), lines.end(),
                           [](const QByteArray &line) { return line.endsWith("\ttyped"); }),
             4);
}

// A full disk, in a small file system of a mount namespace of the test's own:
// the older file stays as it was and no partial file is left beside it.
void CliTest::failedExportKeepsOlderFile()
{
    QTemporaryDir mountPoint;
    const QString script =
        QStringLiteral("mount -t tmpfs -o size=64k tmpfs \"$1\" || exit 77\n"
                       "echo old > \"$1/bookmarks.html\"\n"
                       "\"$2\" --export-bookmarks \"$1/bookmarks.html\"; echo \"status $?\"\n"
                       "\"$2\" --export-bookmarks \"$1/new.html\"; echo \"status $?\"\n"
                       "ls -A \"$1\"; cat \"$1/bookmarks.html\"\n");
    const Run run = RunProgram({"--user", "--map-root-user", "--mount", "sh", "-c", script, "sh",
                                mountPoint.path(), BENCHLIST_BINARY},
                               QStringLiteral("unshare"));
    if (run.status != 0)
        QSKIP(("no small file system can be mounted here: " + run.err).constData());
    QCOMPARE(run.out, QByteArray("status 1\nstatus 1\nbookmarks.html\nold\n"));
    const QByteArray prefix = "benchlist: cannot write '" + QFile::encodeName(mountPoint.path());
    QCOMPARE(run.err, prefix + "/bookmarks.html': No space left on device\n" + prefix
                          + "/new.html': No space left on device\n");
}

// The default instead, said once; the file is left as it was.
void CliTest::settingsNameAShopGone()
{
    QTemporaryDir home;
    QVERIFY(QDir(home.path()).mkpath("benchlist"));
    QFile settings(home.filePath("benchlist/benchlist.conf"));
    QVERIFY(settings.open(QIODevice::WriteOnly));
    settings.write("[General]\nShop=ebay-gone\n");
    settings.close();
    const Run run = RunProgram({"--find", "glare"}, BENCHLIST_BINARY,
                               {"XDG_CONFIG_HOME=" + home.path(), "LANGUAGE=en"});
    QCOMPARE(run.status, 0);
    QVERIFY(run.out.endsWith("\t" + Bytes(SiteBase) + "/bl/cm/Glare-Filters.html\n"));
    QCOMPARE(run.err, QByteArray("benchlist: the settings name a shop that no longer exists, "
                                 "'ebay-gone'; pages open at Benchlist catalogue instead\n"));
}

QTEST_GUILESS_MAIN(CliTest)

#include "tst_cli.moc"
