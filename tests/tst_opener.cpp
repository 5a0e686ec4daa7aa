// SPDX-FileCopyrightText: 2026 Veldmark
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The opener as the program uses it, with an xdg-open stand-in on PATH that
// notes every address it is handed.
#include "core/aboutnet.h"
#include "core/addresses.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <vector>

#include <pthread.h>

using namespace benchlist;

namespace {

QByteArray Bytes(std::string_view text)
{
    return QByteArray(text.data(), static_cast<qsizetype>(text.size()));
}

// Puts the recording xdg-open first on PATH for the lifetime of the object.
class RecordingOpener {
public:
    // With a delay, the stand-in takes that many seconds after noting the address.
    explicit RecordingOpener(const char *delay = "") : oldPath_(qgetenv("PATH"))
    {
        log_ = dir_.filePath(QStringLiteral("opened.log"));
        qputenv("BENCHLIST_OPEN_LOG", QFile::encodeName(log_));
        qputenv("BENCHLIST_OPEN_DELAY", delay);
        qputenv("PATH", QByteArray(BENCHLIST_TEST_SCRIPTS) + ':' + oldPath_);
    }
    ~RecordingOpener()
    {
        qputenv("PATH", oldPath_);
        qunsetenv("BENCHLIST_OPEN_LOG");
        qunsetenv("BENCHLIST_OPEN_DELAY");
    }
    QList<QByteArray> Lines(int count, int waitMs = 10000) const
    {
        QFile file(log_);
        QElapsedTimer timer;
        timer.start();
        QList<QByteArray> lines;
        while (timer.elapsed() < waitMs) {
            if (file.open(QIODevice::ReadOnly)) {
                lines = file.readAll().split('\n');
                file.close();
                lines.removeAll(QByteArray());
                if (lines.size() >= count)
                    break;
            }
            QTest::qSleep(20);
        }
        return lines;
    }

private:
    QTemporaryDir dir_;
    QString log_;
    QByteArray oldPath_;
};

// The program's children: any thread of it may be an opener's parent.
QByteArray Children()
{
    QByteArray all;
    for (const QString &task :
         QDir(QStringLiteral("/proc/self/task")).entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        QFile file(QStringLiteral("/proc/self/task/%1/children").arg(task));
        if (file.open(QIODevice::ReadOnly))
            all += file.readAll().trimmed();
    }
    return all;
}

} // namespace

class OpenerTest : public QObject {
    Q_OBJECT

private slots:
    void openerHandsAddressOverUnchanged_data();
    void openerHandsAddressOverUnchanged();
    void openerReportsMissingProgram_data();
    void openerReportsMissingProgram();
    void openerStartsWithSignalsAtDefault();
    void openerDoesNotWaitForBrowser();
    void waitingAddressesOpenOldestFirst();
    void openerStartsAllWaitingAtExit();
    void openerHoldsNoPipes();
    void openerLeavesNoChildren();
};

void OpenerTest::openerHandsAddressOverUnchanged_data()
{
    QTest::addColumn<QByteArray>("address");
    QTest::newRow("blanks and ampersand") << Bytes(CataloguePageUrl("/bl/lt/2.0 GHz & More.html"));
    QTest::newRow("letter case") << Bytes(CataloguePageUrl("/bl/dp/DVD-ROM-DRIVES.html"));
    QTest::newRow("shell characters") << QByteArray("http://h/$(touch x);`id`|*'\"");
    QTest::newRow("home page") << Bytes(HomePageUrl);
}

void OpenerTest::openerHandsAddressOverUnchanged()
{
    QFETCH(QByteArray, address);
    RecordingOpener opener;
    std::string url = address.toStdString();
    int show = AboutNet::ShowNormal;
    QVERIFY(AboutNet::OpenUrl(url, show) > 32);
    QCOMPARE(url, address.toStdString());
    const QList<QByteArray> lines = opener.Lines(1);
    QCOMPARE(lines.size(), 1);
    QCOMPARE(lines.first(), "1|" + address);
}

// An xdg-open that cannot start is one line on standard error for each reason,
// however often it is asked for, each caller hears that its address was not
// handed over, and the program ends normally. Neither an empty PATH nor a
// relative folder in it leads to the working folder's xdg-open.
void OpenerTest::openerReportsMissingProgram_data()
{
    QTest::addColumn<QStringList>("paths"); // PATH for each round of three addresses
    QTest::addColumn<QStringList>("said");
    const QString noExec = QStringLiteral("NOEXEC/xdg-open is not executable");
    const QString notFound = QStringLiteral("not found on PATH");
    const QString noFolder = QStringLiteral("PATH names no folder to look in");
    QTest::newRow("no xdg-open") << QStringList{"EMPTY"} << QStringList{notFound};
    QTest::newRow("not executable") << QStringList{"NOEXEC"} << QStringList{noExec};
    QTest::newRow("empty PATH") << QStringList{""} << QStringList{noFolder};
    QTest::newRow("relative folder first") << QStringList{"bin:EMPTY"} << QStringList{notFound};
    QTest::newRow("each reason once") << QStringList{"EMPTY", "NOEXEC", "EMPTY", "", "NOEXEC"}
                                      << QStringList{notFound, noExec, noFolder};
}

void OpenerTest::openerReportsMissingProgram()
{
    QFETCH(QStringList, paths);
    QFETCH(QStringList, said);
    // The working folder holds the stand-in, as does its bin/, and NOEXEC one
    // that may not run; EMPTY holds none.
    QTemporaryDir folder;
    const QString script = QStringLiteral(BENCHLIST_TEST_SCRIPTS "/xdg-open");
    for (const char *name : {"bin", "EMPTY", "NOEXEC"})
        QVERIFY(QDir(folder.path()).mkdir(QLatin1String(name)));
    for (const char *copy : {"xdg-open", "bin/xdg-open", "NOEXEC/xdg-open"})
        QVERIFY(QFile::copy(script, folder.filePath(QLatin1String(copy))));
    QVERIFY(QFile::setPermissions(folder.filePath(QStringLiteral("NOEXEC/xdg-open")),
                                  QFile::ReadOwner | QFile::WriteOwner));
    const auto placed = [&folder](QStringList texts) {
        for (const char *name : {"EMPTY", "NOEXEC"})
            texts.replaceInStrings(QLatin1String(name), folder.filePath(QLatin1String(name)));
        return texts;
    };
    QProcess program;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    const QString log = folder.filePath(QStringLiteral("opened.log"));
    environment.insert(QStringLiteral("BENCHLIST_OPEN_LOG"), log);
    program.setProcessEnvironment(environment);
    program.setWorkingDirectory(folder.path());
    program.start(QCoreApplication::applicationFilePath(),
                  QStringList{QStringLiteral("--open-and-exit"), QStringLiteral("3")}
                      + placed(paths));
    QVERIFY(program.waitForFinished(10000));
    QCOMPARE(program.exitStatus(), QProcess::NormalExit);
    QCOMPARE(program.exitCode(), 3 * paths.size()); // none handed over
    QString lines;
    for (const QString &reason : placed(said))
        lines += "benchlist: cannot start xdg-open: " + reason + '\n';
    QCOMPARE(QString::fromLocal8Bit(program.readAllStandardError()), lines);
    QVERIFY(!QFile::exists(log));
}

// The opener starts with no signal blocked and none ignored, whatever the
// program's thread blocks or ignores.
void OpenerTest::openerStartsWithSignalsAtDefault()
{
    RecordingOpener opener;
    QTemporaryDir dir;
    const QString signalsSeen = dir.filePath(QStringLiteral("signals"));
    qputenv("BENCHLIST_OPEN_SIGNALS", QFile::encodeName(signalsSeen));
    sigset_t terminate;
    sigset_t before;
    sigemptyset(&terminate);
    sigaddset(&terminate, SIGTERM);
    pthread_sigmask(SIG_BLOCK, &terminate, &before);
    const auto childEnded = std::signal(SIGCHLD, SIG_IGN);
    const auto pipeBroken = std::signal(SIGPIPE, SIG_IGN);
    const bool handedOver = benchlist::OpenPage(HomePageUrl);
    std::signal(SIGPIPE, pipeBroken);
    std::signal(SIGCHLD, childEnded);
    pthread_sigmask(SIG_SETMASK, &before, nullptr);
    qunsetenv("BENCHLIST_OPEN_SIGNALS");
    QVERIFY(handedOver);
    QTRY_VERIFY(QFile(signalsSeen).size() > 0);
    QFile seen(signalsSeen);
    QVERIFY(seen.open(QIODevice::ReadOnly));
    // Signals 32 and 33 are the C library's own, which it leaves ignored in
    // every child it starts; the rest are the program's to pass on or not.
    constexpr qulonglong kLibraryOwn = 0x180000000;
    for (const char *line : {"SigBlk:", "SigIgn:"}) {
        const QByteArray read = seen.readLine().trimmed();
        QVERIFY2(read.startsWith(line), read.constData());
        QCOMPARE(read.mid(7).trimmed().toULongLong(nullptr, 16) & ~kLibraryOwn, 0ULL);
    }
}

// Openers that take their time: OpenUrl returns at once all the same, at most
// eight of them run together, the first eight addresses first, and the rest
// start as those end.
void OpenerTest::openerDoesNotWaitForBrowser()
{
    RecordingOpener opener("1");
    constexpr int kOpens = 12;
    constexpr int kLimit = 8;
    QList<QByteArray> expected;
    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < kOpens; ++i) {
        std::string url = CataloguePageUrl("/bl/page" + std::to_string(i) + ".html");
        int show = AboutNet::ShowNormal;
        QVERIFY(AboutNet::OpenUrl(url, show) > 32);
        expected << "1|" + QByteArray::fromStdString(url);
    }
    QVERIFY2(timer.elapsed() < 500, QByteArray::number(timer.elapsed()).constData());
    // Those started together may note their address in any order.
    const auto sorted = [](QList<QByteArray> lines) {
        std::sort(lines.begin(), lines.end());
        return lines;
    };
    QCOMPARE(sorted(opener.Lines(kOpens, 700)), sorted(expected.first(kLimit)));
    QCOMPARE(sorted(opener.Lines(kOpens)), sorted(expected));
}

// Addresses waiting behind eight running openers start oldest first: here they
// take, one after the other, the place of the one opener that ends early.
void OpenerTest::waitingAddressesOpenOldestFirst()
{
    QTRY_COMPARE_WITH_TIMEOUT(Children(), QByteArray(), 10000); // no slot is freed but ours
    RecordingOpener opener;
    QList<QByteArray> waiting;
    for (int i = 0; i < 12; ++i) {
        // Read by each opener as it starts: the waiting ones start when the first has ended.
        qputenv("BENCHLIST_OPEN_DELAY", i == 0 ? "0.5" : i < 8 ? "2" : "");
        const std::string url = CataloguePageUrl("/bl/turn" + std::to_string(i) + ".html");
        QVERIFY(OpenPage(url));
        if (i >= 8)
            waiting << "1|" + QByteArray::fromStdString(url);
    }
    QCOMPARE(opener.Lines(12, 1900).mid(8), waiting);
    QTRY_COMPARE_WITH_TIMEOUT(Children(), QByteArray(), 10000); // every slot free again
}

// A program that ends while twelve addresses still wait for an opener (eight run, each
// taking two seconds) does not take them along: the waiting ones start as it ends.
void OpenerTest::openerStartsAllWaitingAtExit()
{
    RecordingOpener opener("2");
    constexpr int kOpens = 20;
    QElapsedTimer timer;
    timer.start();
    QProcess program;
    program.start(QCoreApplication::applicationFilePath(),
                  {QStringLiteral("--open-and-exit"), QString::number(kOpens)});
    QVERIFY(program.waitForFinished(10000));
    QCOMPARE(program.exitCode(), 0);
    // It did not wait for the openers running, and left none of the rest behind.
    QVERIFY2(timer.elapsed() < 2000, QByteArray::number(timer.elapsed()).constData());
    QCOMPARE(opener.Lines(kOpens).size(), kOpens);
}

// An opener reads from and writes to /dev/null, so that it holds on to none of
// the program's pipes, and keeps the program's standard error.
void OpenerTest::openerHoldsNoPipes()
{
    RecordingOpener opener;
    QTemporaryDir dir;
    const QString streams = dir.filePath(QStringLiteral("streams"));
    qputenv("BENCHLIST_OPEN_STREAMS", QFile::encodeName(streams));
    QVERIFY(benchlist::OpenPage(HomePageUrl));
    QCOMPARE(opener.Lines(1).size(), 1);
    qunsetenv("BENCHLIST_OPEN_STREAMS");
    const auto written = [&streams] {
        QFile file(streams);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    };
    const QByteArray ownErrors =
        QByteArray::fromStdString(std::filesystem::read_symlink("/proc/self/fd/2").string());
    QTRY_COMPARE(written(), "/dev/null\n/dev/null\n" + ownErrors + '\n');
}

// Thousands of opens leave no child behind, not even a zombie.
void OpenerTest::openerLeavesNoChildren()
{
    RecordingOpener opener;
    constexpr int kOpens = 1000;
    for (int i = 0; i < kOpens; ++i)
        QVERIFY(benchlist::OpenPage(ErrorPageUrl));
    QCOMPARE(opener.Lines(kOpens).size(), kOpens);
    QTRY_COMPARE_WITH_TIMEOUT(Children(), QByteArray(), 10000);
}

// A stand-in for the program's end: hands `count` addresses to the opener and
// returns at once, as the program does when its last window closes, with the
// number of addresses not handed over. Given PATHs, it does so under each in turn.
int OpenAndExit(int count, const std::vector<const char *> &paths)
{
    int notHandedOver = 0;
    for (std::size_t round = 0; round < std::max<std::size_t>(paths.size(), 1); ++round) {
        if (!paths.empty())
            setenv("PATH", paths[round], 1);
        for (int i = 0; i < count; ++i)
            notHandedOver +=
                OpenPage(CataloguePageUrl("/bl/waiting" + std::to_string(i) + ".html")) ? 0 : 1;
    }
    return notHandedOver;
}

int main(int argc, char **argv)
{
    if (argc >= 3 && std::strcmp(argv[1], "--open-and-exit") == 0)
        return OpenAndExit(std::atoi(argv[2]), std::vector<const char *>(argv + 3, argv + argc));
    QCoreApplication app(argc, argv);
    OpenerTest test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_opener.moc"
