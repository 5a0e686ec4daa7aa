// SPDX-FileCopyrightText: 2026 Veldmark
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The store of opened pages on a temporary file: what ranks, what is listed,
// what is kept and what is let go, and how it weathers other writers, kills
// and damaged or unwritable files. Starts only its own writer helpers.
#include "find/catalogueindex.h"
#include "find/resultids.h"
#include "settings/settings.h"
#include "storefile.h"
#include "usage/sharedusage.h"
#include "usage/usagestore.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <QTemporaryFile>
#include <QTest>

#include <sqlite3.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <csignal>
#include <cstdio>
#include <functional>

#include <cstdint>
#include <string>
#include <vector>

using namespace benchlist;
using benchlist::testing::Ask;
using benchlist::testing::UsesKept;

namespace {

constexpr std::int64_t kDay = 86'400;

std::int64_t Now()
{
    return static_cast<std::int64_t>(QDateTime::currentSecsSinceEpoch());
}

PageUse Use(const std::string &page, const std::string &query = {}, std::int64_t time = 0)
{
    return {page, "http://www.veldmark.example/" + page, query, time};
}

std::vector<std::string> Pages(const std::vector<RecentPage> &recent)
{
    std::vector<std::string> pages;
    for (const RecentPage &page : recent)
        pages.push_back(page.page);
    return pages;
}

// What `action` writes to standard error.
QByteArray StandardErrorOf(const std::function<void()> &action)
{
    QTemporaryFile file;
    if (!file.open())
        return "cannot capture standard error";
    std::fflush(stderr);
    const int kept = ::dup(STDERR_FILENO);
    ::dup2(file.handle(), STDERR_FILENO);
    action();
    std::fflush(stderr);
    ::dup2(kept, STDERR_FILENO);
    ::close(kept);
    file.seek(0);
    return file.readAll();
}

int ModeOf(const QString &path)
{
    struct stat st {};
    return ::stat(QFile::encodeName(path).constData(), &st) == 0 ? int(st.st_mode & 07777) : -1;
}

} // namespace

class TestUsage : public QObject {
    Q_OBJECT

private:
    QTemporaryDir dir_;
    QString Path(const QString &name = QStringLiteral("state/benchlist/usage.sqlite")) const
    {
        return dir_.filePath(name);
    }

private slots:
    void init() { QVERIFY(QDir(dir_.path()).removeRecursively() && QDir().mkpath(dir_.path())); }

    void recentIsNewestFirstInWrittenOrder()
    {
        UsageStore store(Path().toStdString());
        QVERIFY(!QFile::exists(Path())); // nothing before the first use
        store.Record(Use("a"));
        store.Record(Use("b"));
        store.Record(Use("a"));
        // The clock set back a week: still the newest.
        store.Record(Use("c", {}, Now() - 7 * kDay));
        store.Flush();
        QCOMPARE(Pages(store.Recent()), (std::vector<std::string>{"c", "a", "b"}));
        QCOMPARE(store.Recent().front().address, std::string("http://www.veldmark.example/c"));
        QCOMPARE(UsesKept(Path()), 4);
        for (int i = 0; i < 20; ++i)
            store.Record(Use("p" + std::to_string(i)));
        store.Flush();
        const auto recent = Pages(store.Recent());
        QCOMPARE(recent.size(), std::size_t(10));
        QCOMPARE(recent.front(), std::string("p19"));
        QCOMPARE(recent.back(), std::string("p10"));
        // A store let go, as at the program's end, first writes what is still queued.
        {
            UsageStore ending(Path().toStdString());
            for (int i = 0; i < 100; ++i)
                ending.Record(Use("end" + std::to_string(i)));
        }
        QCOMPARE(Ask(Path(), "SELECT count(*) FROM uses"), 124);
    }

    void decayHalvesAMonthOldUse()
    {
        UsageStore store(Path().toStdString());
        store.Record(Use("old", "ink", Now() - 30 * kDay));
        store.Record(Use("older", "ink", Now() - 60 * kDay));
        store.Record(Use("new", "ink"));
        store.Record(Use("future", {}, Now() + 5 * kDay)); // the clock was set back since
        store.Flush();
        const QueryUsage usage = store.Usage("ink");
        QVERIFY(qAbs(usage.Score("new").weight - 1.0) < 0.01);
        QVERIFY(qAbs(usage.Score("old").weight - 0.5) < 0.01);
        QVERIFY(qAbs(usage.Score("older").weight - 0.25) < 0.01);
        QVERIFY(qAbs(usage.Score("future").weight - 1.0) < 0.01);
        QCOMPARE(usage.Score("future").chosen, 0.0);
        QVERIFY(usage.Score("new").chosen > usage.Score("old").chosen);
        QCOMPARE(usage.Score("never").weight, 0.0);
    }

    void chosenFromTheQueryOrOneItBegins_data()
    {
        QTest::addColumn<QString>("kept");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("chosen");
        QTest::newRow("same") << "ink cartridge"
                              << "ink cartridge" << true;
        QTest::newRow("case and blanks") << "ink cartridge"
                                         << "  Ink   CARTRIDGE " << true;
        QTest::newRow("still typing a word") << "ink cartridge"
                                             << "ink ca" << true;
        QTest::newRow("still typing the first") << "ink cartridge"
                                                << "in" << true;
        QTest::newRow("typed more") << "ink"
                                    << "ink cartridge" << false;
        QTest::newRow("other words") << "ink cartridge"
                                     << "cartridge" << false;
        QTest::newRow("nothing typed") << "ink"
                                       << "" << false;
        QTest::newRow("accents and full width folded as find folds them")
            << QString::fromUtf8("\u00c9cran Ｐlat") << "ecran plat" << true;
        QTest::newRow("a sharp s is two") << QString::fromUtf8("Stra\u00dfe") << "strasse" << true;
    }
    void chosenFromTheQueryOrOneItBegins()
    {
        QFETCH(QString, kept);
        QFETCH(QString, typed);
        QFETCH(bool, chosen);
        UsageStore store(Path().toStdString());
        store.Record(Use("page", kept.toStdString()));
        store.Record(Use("other")); // from a list, no query
        store.Flush();
        const QueryUsage usage = store.Usage(typed.toStdString());
        QCOMPARE(usage.Score("page").chosen > 0, chosen);
        QVERIFY(usage.Score("page").weight > 0);
        QCOMPARE(usage.Score("other").chosen, 0.0);
    }

    // What Find makes of it: a lower result chosen before comes first, for
    // the query and while the query is still being typed, and not for others.
    void findPutsThePageChosenBeforeFirst()
    {
        const CatalogueIndex &index = CatalogueIndex::Catalogue();
        const std::vector<FindHit> plain = index.Find("usb cable");
        QVERIFY(plain.size() > 2);
        const FindRecord &lower = *plain.back().record;
        UsageStore store(Path().toStdString());
        for (int i = 0; i < 2; ++i)
            store.Record({SearchResultId(lower), lower.address, "USB  cable", 0});
        // Used often but never from this query: no more than a tie-break.
        for (int i = 0; i < 5; ++i)
            store.Record({SearchResultId(*plain[1].record), plain[1].record->address, "", 0});
        store.Flush();
        for (const char *typed : {"usb cable", "usb ca"}) {
            const std::vector<FindHit> hits = index.Find(typed, UsageScorerOf(store.Usage(typed)));
            QVERIFY(!hits.empty());
            QCOMPARE(hits.front().record, &lower);
        }
        // Typed further than what was chosen from: only the tie-break remains.
        const UsageScore further = UsageScorerOf(store.Usage("usb cables"))(lower);
        QCOMPARE(further.chosen, 0.0);
        QVERIFY(further.weight > 1.9);
        QVERIFY(!UsageScorerOf(UsageStore(Path().toStdString() + "-none").Usage("usb")));
    }

    void prunesOldestUsesAndQueries()
    {
        UsageStore store(Path().toStdString());
        // More than both bounds, in a few batches.
        for (int i = 0; i < kMaxKeptUses + 50; ++i)
            store.Record(
                Use("p" + std::to_string(i), "q" + std::to_string(i % (kMaxKeptQueries + 30))));
        store.Flush();
        QCOMPARE(UsesKept(Path()), kMaxKeptUses);
        QCOMPARE(Ask(Path(), "SELECT count(*) FROM uses"), kMaxKeptUses);
        QVERIFY(Ask(Path(), "SELECT count(*) FROM queries") <= kMaxKeptQueries);
        // The oldest went, and so did the queries used longest ago.
        QCOMPARE(store.Usage("p0").Score("p0").weight, 0.0);
        QVERIFY(store.Usage("q").Score("p10049").weight > 0);
        // Queries are reused in turn: q780 to q809 have gone longest without use.
        QCOMPARE(Ask(Path(), "SELECT count(*) FROM queries WHERE text IN ('q780', 'q809')"), 0);
        QCOMPARE(Ask(Path(), "SELECT count(*) FROM queries WHERE text IN ('q779', 'q810')"), 2);
        QCOMPARE(Ask(Path(), "SELECT count(*) FROM uses WHERE query IS NOT NULL AND query NOT IN "
                             "(SELECT id FROM queries)"),
                 0);
        QCOMPARE(Ask(Path(), "PRAGMA user_version"), 1);
        QCOMPARE(Ask(Path(), "SELECT count(*) FROM pragma_journal_mode WHERE journal_mode = 'wal'"),
                 1);
    }

    void offWritesNothingAndClearLeavesNoTrace()
    {
        {
            UsageStore store(Path().toStdString());
            store.SetRemembering(false);
            store.Record(Use("frmPrinters/cbInk/Secret Cartridge", "secret"));
            store.Flush();
            QVERIFY(!QFile::exists(Path()));
            QVERIFY(!QFile::exists(QFileInfo(Path()).path()));
            store.Clear(); // nothing to clear: creates nothing either
            QVERIFY(!QFile::exists(Path()));
            // Turned off elsewhere: the writer asks before it writes.
            UsageStore other(Path().toStdString());
            other.SetWriteCheck([] { return false; });
            other.Record(Use("frmPrinters/cbInk/Secret Cartridge", "secret"));
            other.Flush();
            QVERIFY(!QFile::exists(QFileInfo(Path()).path()));
        }
        UsageStore store(Path().toStdString());
        for (int i = 0; i < 200; ++i)
            store.Record(Use("frmPrinters/cbInk/Secret Cartridge", "secret query"));
        store.Flush();
        QCOMPARE(UsesKept(Path()), 200);
        UsageStore other(Path().toStdString()); // another copy, reading the file
        QCOMPARE(other.Recent().size(), std::size_t(1));
        store.Clear();
        QCOMPARE(UsesKept(Path()), 0);
        QVERIFY(other.Recent().empty());
        for (const QString &suffix : {QString(), QStringLiteral("-wal")}) {
            QFile file(Path() + suffix);
            if (!file.open(QIODevice::ReadOnly))
                continue;
            const QByteArray bytes = file.readAll();
            QVERIFY2(!bytes.contains("Secret") && !bytes.contains("secret"),
                     qPrintable(suffix + " still holds what was cleared"));
        }
        store.Record(Use("after"));
        store.Flush();
        QCOMPARE(Pages(other.Recent()), std::vector<std::string>{"after"});
    }

    // The pages opened are the shopper's history: the folder and every file
    // of the store are the shopper's alone, whatever the umask, and a store
    // found open to others is narrowed with one line.
    void storeIsItsOwnersAlone_data()
    {
        QTest::addColumn<int>("umask");
        QTest::addColumn<int>("found"); // the mode of a store there before; 0: none
        QTest::newRow("umask 022") << 022 << 0;
        QTest::newRow("umask 000") << 0 << 0;
        QTest::newRow("umask 077") << 077 << 0;
        QTest::newRow("found open to others") << 022 << 0644;
        QTest::newRow("found open to its group, umask 000") << 0 << 0660;
    }
    void storeIsItsOwnersAlone()
    {
        QFETCH(int, umask);
        QFETCH(int, found);
        const QString folder = QFileInfo(Path()).path();
        const QString aside = Path() + QStringLiteral(".corrupt-2026-01-01T000000");
        const mode_t was = ::umask(mode_t(umask));
        for (const QString &file : found ? QStringList{Path(), aside} : QStringList()) {
            QVERIFY(QDir().mkpath(folder) && ::chmod(qPrintable(folder), 0755) == 0);
            QVERIFY(QFile(file).open(QIODevice::WriteOnly));
            QVERIFY(::chmod(qPrintable(file), mode_t(found)) == 0);
        }
        std::vector<std::string> said;
        {
            UsageStore store(Path().toStdString(),
                             [&](const Message &line) { said.push_back(line.text); });
            store.Record(Use("a"));
            store.Flush();
            QCOMPARE(ModeOf(folder), 0700);
            for (const QString &suffix :
                 {QString(), QStringLiteral("-wal"), QStringLiteral("-shm")})
                QCOMPARE(ModeOf(Path() + suffix), 0600);
            QCOMPARE(ModeOf(aside), found ? 0600 : -1);
        }
        ::umask(was);
        UsageStore again(Path().toStdString(),
                         [&](const Message &line) { said.push_back(line.text); });
        QCOMPARE(Pages(again.Recent()), std::vector<std::string>{"a"});
        QCOMPARE(said.size(), std::size_t(found ? 1 : 0));
    }

    void damagedFileIsMovedAside_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<bool>("readFirst"); // or the writer is the first to find it damaged
        QTest::newRow("not a database")
            << QByteArray("these are not the pages you opened\n").repeated(200) << true;
        QByteArray header("SQLite format 3");
        header.append('\0');
        QTest::newRow("damaged") << header + QByteArray(8192, '\x5a') << true;
        QTest::newRow("damaged, found by recording") << header + QByteArray(8192, '\x5a') << false;
    }
    void damagedFileIsMovedAside()
    {
        QFETCH(QByteArray, content);
        QFETCH(bool, readFirst);
        const mode_t umask = ::umask(077); // private, as the store would make it
        QVERIFY(QDir().mkpath(QFileInfo(Path()).path()));
        QFile file(Path());
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(content);
        file.close();
        ::umask(umask);
        std::vector<std::string> said;
        UsageStore store(Path().toStdString(),
                         [&](const Message &line) { said.push_back(line.text); });
        QVERIFY(!readFirst || store.Recent().empty());
        store.Record(Use("a"));
        store.Record(Use("b"));
        store.Flush();
        QCOMPARE(said.size(), std::size_t(1));
        const QStringList aside =
            QDir(QFileInfo(Path()).path()).entryList({QStringLiteral("usage.sqlite.corrupt-*")});
        QCOMPARE(aside.size(), 1);
        QFile kept(QFileInfo(Path()).path() + "/" + aside.front());
        QVERIFY(kept.open(QIODevice::ReadOnly));
        QCOMPARE(kept.readAll(), content);
        QCOMPARE(Pages(store.Recent()), (std::vector<std::string>{"b", "a"}));
    }

    // The shopper's switch, in the settings file as Qt's own settings wrote it
    // before: read alike, and whatever else the file holds kept.
    void rememberSwitchKeepsTheSettingsFile_data()
    {
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<bool>("wasOn");
        QTest::addColumn<bool>("on");
        QTest::addColumn<QStringList>("kept");
        QTest::newRow("no file") << QByteArray() << true << false << QStringList();
        QTest::newRow("other groups only")
            << QByteArray("[Find]\nwords=usb\n") << true << false << QStringList{"Find/words=usb"};
        QTest::newRow("beside other settings, one alike in another group")
            << QByteArray("[General]\nLanguage=de\n\n[Find]\nRememberOpenedPages=false\n") << true
            << false << QStringList{"Language=de", "Find/RememberOpenedPages=false"};
        QTest::newRow("turned on again")
            << QByteArray("[General]\nRememberOpenedPages=false\nLanguage=de\n") << false << true
            << QStringList{"Language=de"};
    }
    void rememberSwitchKeepsTheSettingsFile()
    {
        QFETCH(QByteArray, before);
        QFETCH(bool, wasOn);
        QFETCH(bool, on);
        QFETCH(QStringList, kept);
        const QString config = dir_.filePath(QString::fromLatin1(QTest::currentDataTag()));
        const QString path = config + QStringLiteral("/benchlist/benchlist.conf");
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(config));
        qputenv("XDG_STATE_HOME", QFile::encodeName(dir_.filePath(QStringLiteral("state"))));
        QFile file(path);
        QVERIFY(before.isEmpty()
                || (QDir().mkpath(config + QStringLiteral("/benchlist"))
                    && file.open(QIODevice::WriteOnly) && file.write(before) == before.size()));
        file.close();
        QCOMPARE(RememberOpenedPages(), wasOn);
        QVERIFY(SetRememberOpenedPages(on));
        CloseSharedUsageStore();
        QCOMPARE(RememberOpenedPages(), on);
        const QSettings settings(path, QSettings::IniFormat);
        QCOMPARE(settings.value(QStringLiteral("RememberOpenedPages")).toBool(), on);
        for (const QString &pair : kept)
            QCOMPARE(settings.value(pair.section(QLatin1Char('='), 0, 0)).toString(),
                     pair.section(QLatin1Char('='), 1));
    }

    // The settings file as the shopper keeps it: a link stays a link and its
    // target keeps its mode; a file its mode keeps from being written or read
    // is left as it was, with one line.
    void settingsFileKeptAsItIs_data()
    {
        QTest::addColumn<QString>("linkTo"); // the file is a symlink to this; empty: a plain file
        QTest::addColumn<int>("mode");       // of the file or the link's target; 0: none there
        QTest::addColumn<bool>("saved");
        const QString dotfiles = QStringLiteral("../../dotfiles/benchlist.conf");
        QTest::newRow("a link into a dotfiles folder") << dotfiles << 0600 << true;
        QTest::newRow("a link to a missing file") << dotfiles << 0 << true;
        QTest::newRow("a link to itself") << "benchlist.conf" << 0 << false;
        QTest::newRow("read-only") << QString() << 0444 << false;
        QTest::newRow("read-only through a link") << dotfiles << 0400 << false;
        QTest::newRow("unreadable") << QString() << 0200 << false;
    }
    void settingsFileKeptAsItIs()
    {
        QFETCH(QString, linkTo);
        QFETCH(int, mode);
        QFETCH(bool, saved);
        // A folder of its own for each row: QSettings keeps what it read of a file.
        const QString config = dir_.filePath(QString::fromLatin1(QTest::currentDataTag()));
        const QString folder = config + QStringLiteral("/benchlist");
        const QString path = folder + QStringLiteral("/benchlist.conf");
        const QString file = linkTo.isEmpty() ? path : QDir(folder).absoluteFilePath(linkTo);
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(config));
        qputenv("XDG_STATE_HOME", QFile::encodeName(dir_.filePath(QStringLiteral("state"))));
        QVERIFY(QDir().mkpath(folder) && QDir().mkpath(dir_.filePath(QStringLiteral("dotfiles"))));
        const QByteArray before("[General]\nLanguage=de\nRememberOpenedPages=true\n");
        QFile kept(file);
        QVERIFY(!mode || (kept.open(QIODevice::WriteOnly) && kept.write(before) == before.size()));
        kept.close();
        QVERIFY(!mode || ::chmod(QFile::encodeName(file).constData(), mode_t(mode)) == 0);
        QVERIFY(
            linkTo.isEmpty()
            || ::symlink(QFile::encodeName(linkTo).constData(), QFile::encodeName(path).constData())
                   == 0);
        bool done = !saved;
        const QByteArray said = StandardErrorOf([&] { done = SetRememberOpenedPages(false); });
        CloseSharedUsageStore();
        QCOMPARE(done, saved);
        QCOMPARE(said, saved ? QByteArray()
                             : "benchlist: could not save the settings in "
                                   + QFile::encodeName(path) + "\n");
        QCOMPARE(QFileInfo(path).isSymLink(), !linkTo.isEmpty());
        QCOMPARE(RememberOpenedPages(), !saved);
        if (mode)
            QCOMPARE(ModeOf(file), mode);
        if (!saved && mode) {
            QVERIFY(kept.open(QIODevice::ReadOnly));
            QCOMPARE(kept.readAll(), before);
        }
        QCOMPARE(QSettings(file, QSettings::IniFormat).value(QStringLiteral("Language")).toString(),
                 QLatin1String(mode ? "de" : ""));
    }

    void unwritableFolderSaysSoOnce()
    {
        // A file where the folder would go: no one, not even root, can create it.
        QVERIFY(QDir().mkpath(dir_.filePath("state")));
        QFile blocker(dir_.filePath("state/benchlist"));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        std::vector<std::string> said;
        UsageStore store(Path().toStdString(),
                         [&](const Message &line) { said.push_back(line.text); });
        for (int i = 0; i < 3; ++i) {
            store.Record(Use("a"));
            store.Flush();
        }
        QCOMPARE(said.size(), std::size_t(1));
        QVERIFY(store.Recent().empty());
    }

    void fullDiskSaysSoOnceAndKeepsWhatIsThere()
    {
        std::vector<std::string> said;
        UsageStore store(Path().toStdString(),
                         [&](const Message &line) { said.push_back(line.text); });
        store.Record(Use("kept"));
        store.Flush();
        // No file of this process may grow past 64 KiB: a write beyond fails
        // half-done as on a full disk (SQLite names it an I/O error here).
        rlimit unlimited{};
        QVERIFY(getrlimit(RLIMIT_FSIZE, &unlimited) == 0);
        const rlimit full{64 * 1024, unlimited.rlim_max};
        std::signal(SIGXFSZ, SIG_IGN);
        QVERIFY(setrlimit(RLIMIT_FSIZE, &full) == 0);
        for (int i = 0; i < 40; ++i) {
            store.Record(
                Use("page" + std::to_string(i), std::string(4000, 'q') + std::to_string(i)));
            store.Flush();
        }
        setrlimit(RLIMIT_FSIZE, &unlimited);
        std::signal(SIGXFSZ, SIG_DFL);
        QCOMPARE(said.size(), std::size_t(1));
        QCOMPARE(store.Recent().back().page, std::string("kept"));
        store.Record(Use("after")); // room again: remembered again
        store.Flush();
        QCOMPARE(store.Recent().front().page, std::string("after"));
    }

    void twoWritersAtOnceKeepEveryUse()
    {
        QElapsedTimer timer;
        timer.start();
        QProcess one, two;
        for (auto [process, name] : {std::pair{&one, "one"}, std::pair{&two, "two"}})
            process->start(QStringLiteral(BENCHLIST_USAGE_WRITER),
                           {Path(), QStringLiteral("1000"), QString::fromLatin1(name)});
        for (QProcess *process : {&one, &two}) {
            QVERIFY(process->waitForFinished(300'000));
            QCOMPARE(process->exitCode(), 0);
        }
        qInfo("2 writers x 1,000 uses, one commit each: %lld ms",
              static_cast<long long>(timer.elapsed()));
        UsageStore store(Path().toStdString());
        QCOMPARE(UsesKept(Path()), 2000);
        QCOMPARE(Ask(Path(), "SELECT count(DISTINCT page) FROM uses"), 2000);
    }

    void killMidWriteLosesAtMostThatUse()
    {
        QProcess writer;
        writer.start(QStringLiteral(BENCHLIST_USAGE_WRITER),
                     {Path(), QStringLiteral("0"), QStringLiteral("k")});
        QVERIFY(writer.waitForStarted());
        QByteArray out;
        QTRY_VERIFY_WITH_TIMEOUT((out += writer.readAllStandardOutput()).count('\n') > 0, 60'000);
        QTest::qWait(300);
        writer.kill();
        QVERIFY(writer.waitForFinished(30'000));
        out += writer.readAllStandardOutput();
        const QList<QByteArray> lines = out.trimmed().split('\n');
        const long confirmed = lines.back().toLong();
        UsageStore store(Path().toStdString());
        const std::int64_t kept = UsesKept(Path());
        QVERIFY2(kept >= confirmed && kept <= confirmed + 1,
                 qPrintable(QStringLiteral("%1 kept, %2 confirmed").arg(kept).arg(confirmed)));
        QCOMPARE(Ask(Path(), "SELECT count(*) FROM pragma_quick_check WHERE quick_check = 'ok'"),
                 1);
        store.Record(Use("after"));
        store.Flush();
        QCOMPARE(UsesKept(Path()), kept + 1);
    }
};

QTEST_GUILESS_MAIN(TestUsage)
#include "tst_usage.moc"
