// SPDX-FileCopyrightText: 2026 Veldmark
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The search service's two faces, called as the bus would call them but
// without one: what they answer, what they open and what they start.
#include "core/aboutnet.h"
#include "core/addresses.h"
#include "find/resultids.h"
#include "service/desktopresults.h"
#include "service/searchprovider.h"

#include <QElapsedTimer>
#include <QMetaMethod>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <array>
#include <memory>

using namespace benchlist;
using searchbus::RemoteMatch;

namespace {

const QString kHubs = QStringLiteral("frmComponents/cbCables/USB Hubs and Cables");
const QString kLcd = QStringLiteral("frmMonitors/cbFlat/17-inch LCD");

QString Page(const char *path)
{
    return QString::fromUtf8(std::string(SiteBase)) + QLatin1String(path);
}

QStringList IdsOf(const std::vector<FindHit> &hits, std::size_t count)
{
    QStringList ids;
    for (std::size_t i = 0; i < hits.size() && i < count; ++i)
        ids.append(QString::fromStdString(SearchResultId(*hits[i].record)));
    return ids;
}

} // namespace

class SearchServiceTest : public QObject {
    Q_OBJECT

    QStringList opened_;
    QList<QStringList> started_;
    std::unique_ptr<Searcher> searcher_;
    std::unique_ptr<GnomeSearchProvider> gnome_;
    std::unique_ptr<KRunner> krunner_;

private slots:
    void init();
    void cleanup();

    void searchResults_data();
    void searchResults();
    void termsAreCutTogether_data();
    void termsAreCutTogether();
    void bestTwentyKept();
    void krunnerMatches_data();
    void krunnerMatches();
    void actions_data();
    void actions();
    void everyCallRestartsTheIdleTime();
};

void SearchServiceTest::init()
{
    AboutNet::SetHandOff([this](std::string_view address) {
        opened_.append(QString::fromUtf8(address.data(), qsizetype(address.size())));
        return true;
    });
    searcher_ = std::make_unique<Searcher>([this](const QStringList &arguments) {
        started_.append(arguments);
        return true;
    });
    gnome_ = std::make_unique<GnomeSearchProvider>(*searcher_);
    krunner_ = std::make_unique<KRunner>(*searcher_);
}

void SearchServiceTest::cleanup()
{
    AboutNet::SetHandOff({});
    opened_.clear();
    started_.clear();
}

void SearchServiceTest::searchResults_data()
{
    QTest::addColumn<QStringList>("terms");
    QTest::addColumn<int>("count");
    QTest::addColumn<QByteArray>("best");
    const QByteArray hubs = "frmComponents/cbCables/USB Hubs and Cables";
    QTest::newRow("terms taken together") << QStringList{"usb", "HUB"} << 1 << hubs;
    QTest::newRow("words within one term") << QStringList{"usb hub"} << 1 << hubs;
    QTest::newRow("typo") << QStringList{"moniter", "stnads"} << 1
                          << QByteArray("frmMonitors/cbAccessories/Stands and Risers");
    QTest::newRow("cut to the best twenty") << QStringList{"s"} << 20 << QByteArray();
    QTest::newRow("no terms") << QStringList{} << 0 << QByteArray();
    QTest::newRow("a blank term") << QStringList{" "} << 0 << QByteArray();
    QStringList many;
    for (int i = 0; i < 10000; ++i)
        many << (i % 2 ? "usb" : "hub");
    QTest::newRow("ten thousand terms") << many << 1 << hubs;
}

// The ids the desktop is given for the terms, best first, each with a relevance
// the desktop can rank by.
void SearchServiceTest::searchResults()
{
    QFETCH(QStringList, terms);
    QFETCH(int, count);
    QFETCH(QByteArray, best);
    std::vector<std::string> words;
    for (const QString &term : terms)
        words.push_back(term.toStdString());
    const std::vector<FindHit> hits = DesktopSearch(CatalogueIndex::Catalogue(), words);
    QCOMPARE(int(hits.size()), count);
    if (!best.isEmpty())
        QCOMPARE(QByteArray::fromStdString(SearchResultId(*hits.front().record)), best);
    QVERIFY(std::is_sorted(hits.begin(), hits.end(),
                           [](const FindHit &a, const FindHit &b) { return a.rank < b.rank; }));
}

void SearchServiceTest::termsAreCutTogether_data()
{
    QTest::addColumn<QStringList>("terms");
    QTest::addColumn<QByteArray>("query"); // what is left of them
    const QString blanks(1020, u' ');
    QTest::newRow("the cut falls in a later term")
        << QStringList{blanks, "usb", "hub"} << QByteArray("usb");
    QTest::newRow("one long term")
        << QStringList{"usb" + QString(1100, u' ') + "hub"} << QByteArray("usb");
    QTest::newRow("within the limit")
        << QStringList{QString(1000, u' '), "usb", "hub"} << QByteArray("usb hub");
}

// The first 1,024 bytes of all terms together are searched, however they are split.
void SearchServiceTest::termsAreCutTogether()
{
    QFETCH(QStringList, terms);
    QFETCH(QByteArray, query);
    QCOMPARE(gnome_->GetInitialResultSet(terms),
             IdsOf(CatalogueIndex::Catalogue().Find(query.toStdString()), kMaxSearchResults));
}

void SearchServiceTest::bestTwentyKept()
{
    for (const char *query : {"s", "usb", "cables", "monitor"}) {
        const std::vector<FindHit> hits = CatalogueIndex::Catalogue().Find(query);
        QVERIFY2(hits.size() > kMaxSearchResults, query);
        QCOMPARE(gnome_->GetInitialResultSet({query}), IdsOf(hits, kMaxSearchResults));
        QCOMPARE(gnome_->GetSubsearchResultSet({kHubs}, {query}), IdsOf(hits, kMaxSearchResults));
    }
}

void SearchServiceTest::krunnerMatches_data()
{
    QTest::addColumn<QString>("query");
    QTest::addColumn<QString>("id");
    QTest::addColumn<int>("type");
    QTest::addColumn<double>("from"); // the first match's relevance lies in [from, to]
    QTest::addColumn<double>("to");
    QTest::newRow("the very text")
        << "usb hubs and cables" << kHubs << kKRunnerExactMatch << 1.0 << 1.0;
    QTest::newRow("words of it") << "usb hub" << kHubs << kKRunnerPossibleMatch << 0.5 << 0.95;
    QTest::newRow("slips") << "moniter stnads"
                           << "frmMonitors/cbAccessories/Stands and Risers" << kKRunnerPossibleMatch
                           << 0.1 << 0.8;
    QTest::newRow("a word no category has")
        << "usb hubs and cables zebra" << kHubs << kKRunnerPossibleMatch << 0.01 << 0.5;
    // Of matches alike, one whose text starts with the first word is more relevant.
    QTest::newRow("the text starts with the word")
        << "sound"
        << "frmDrives/cbVideo/Sound Cards" << kKRunnerPossibleMatch << 0.89 << 0.91;
    QTest::newRow("the word later in the text") << "blaster"
                                                << "frmDrives/cbVideo/Creative Labs, Sound Blaster"
                                                << kKRunnerPossibleMatch << 0.85 << 0.86;
}

// The first match of each query and how KRunner would rank it; KRunner's sort
// of all matches gives the order of GNOME Shell's ids.
void SearchServiceTest::krunnerMatches()
{
    QFETCH(QString, query);
    QFETCH(QString, id);
    QFETCH(int, type);
    QFETCH(double, from);
    QFETCH(double, to);
    QList<RemoteMatch> matches = krunner_->Match(query);
    QVERIFY(!matches.isEmpty());
    const RemoteMatch &first = matches.first();
    QCOMPARE(first.id, id);
    QCOMPARE(first.type, type);
    QVERIFY2(first.relevance >= from && first.relevance <= to,
             qPrintable(QString::number(first.relevance)));
    QCOMPARE(first.iconName, QStringLiteral("benchlist"));
    const FindRecord *record = SearchResults::Catalogue().Record(id.toStdString());
    QCOMPARE(first.text, QString::fromUtf8(record->text));
    QCOMPARE(first.properties.value(QStringLiteral("subtext")).toString(),
             QString::fromUtf8(record->windowTitle) + QStringLiteral(" \u203a ")
                 + QString::fromUtf8(record->caption));

    std::stable_sort(matches.begin(), matches.end(),
                     [](const RemoteMatch &a, const RemoteMatch &b) {
                         return a.type != b.type ? a.type > b.type : a.relevance > b.relevance;
                     });
    QStringList sorted;
    for (const RemoteMatch &match : matches)
        sorted.append(match.id);
    QCOMPARE(sorted, gnome_->GetInitialResultSet(query.split(u' ')));
}

void SearchServiceTest::actions_data()
{
    QTest::addColumn<QString>("method");
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QByteArray>("display");
    QTest::addColumn<QStringList>("opened");
    QTest::addColumn<QStringList>("started");
    const QStringList none;
    QTest::newRow("GNOME Shell opens a result")
        << "ActivateResult" << QStringList{kHubs} << QByteArray()
        << QStringList{Page("/bl/cc/USB-Hubs.html")} << none;
    QTest::newRow("an id with a trailing blank")
        << "ActivateResult" << QStringList{kHubs + ' '} << QByteArray() << none << none;
    QTest::newRow("KRunner opens a match") << "Run" << QStringList{kLcd, ""} << QByteArray()
                                           << QStringList{Page("/bl/cm/17-inch-LCD.html")} << none;
    QTest::newRow("an id in other letter case")
        << "Run" << QStringList{"frmMonitors/cbFlat/17-inch lcd", ""} << QByteArray() << none
        << none;
    QTest::newRow("Copy address") << "Run" << QStringList{kLcd, "copy-address"} << QByteArray(":99")
                                  << none
                                  << QStringList{"--search-service", "--copy-address",
                                                 Page("/bl/cm/17-inch-LCD.html")};
    QTest::newRow("Copy address without a display")
        << "Run" << QStringList{kLcd, "copy-address"} << QByteArray() << none << none;
    QTest::newRow("Copy address of an unknown id")
        << "Run" << QStringList{kLcd + ' ', "copy-address"} << QByteArray(":99") << none << none;
    QTest::newRow("an unknown action")
        << "Run" << QStringList{kLcd, "open"} << QByteArray(":99") << none << none;
    QTest::newRow("more results") << "LaunchSearch" << QStringList{"usb", "-hub"}
                                  << QByteArray(":99") << none
                                  << QStringList{"--find-window=usb -hub"};
}

// What each call opens in the browser and which program it starts.
void SearchServiceTest::actions()
{
    QFETCH(QString, method);
    QFETCH(QStringList, arguments);
    QFETCH(QByteArray, display);
    QFETCH(QStringList, opened);
    QFETCH(QStringList, started);
    const QByteArray oldDisplay = qgetenv("DISPLAY");
    const QByteArray oldWayland = qgetenv("WAYLAND_DISPLAY");
    qputenv("DISPLAY", display);
    qunsetenv("WAYLAND_DISPLAY");
    if (method == QLatin1String("ActivateResult"))
        gnome_->ActivateResult(arguments.at(0), {}, 0);
    else if (method == QLatin1String("LaunchSearch"))
        gnome_->LaunchSearch(arguments, 0);
    else
        krunner_->Run(arguments.at(0), arguments.at(1));
    qputenv("DISPLAY", oldDisplay);
    if (!oldWayland.isEmpty())
        qputenv("WAYLAND_DISPLAY", oldWayland);
    QCOMPARE(opened_, opened);
    QCOMPARE(started_, started.isEmpty() ? QList<QStringList>() : QList<QStringList>{started});
}

// Each call of either face, whatever its arguments, keeps the service for
// another idle time.
void SearchServiceTest::everyCallRestartsTheIdleTime()
{
    int calls = 0;
    for (QObject *face : std::initializer_list<QObject *>{gnome_.get(), krunner_.get()}) {
        const QMetaObject *meta = face->metaObject();
        for (int i = meta->methodOffset(); i < meta->methodCount(); ++i) {
            const QMetaMethod method = meta->method(i);
            if (method.methodType() != QMetaMethod::Slot)
                continue;
            std::array<QGenericArgument, 10> arguments{};
            std::vector<std::shared_ptr<void>> values;
            const QList<QByteArray> types = method.parameterTypes();
            for (int p = 0; p < method.parameterCount(); ++p) {
                const QMetaType type = method.parameterMetaType(p);
                values.emplace_back(type.create(), [type](void *value) { type.destroy(value); });
                arguments[std::size_t(p)] =
                    QGenericArgument(types[p].constData(), values.back().get());
            }
            const QMetaType returned = method.returnMetaType();
            std::shared_ptr<void> result;
            if (returned.id() != QMetaType::Void)
                result.reset(returned.create(),
                             [returned](void *value) { returned.destroy(value); });
            // A call some way into the idle time: the time counts again from it.
            QTimer &idle = searcher_->IdleTimer();
            idle.setTimerType(Qt::PreciseTimer);
            idle.start();
            QTest::qSleep(30);
            QElapsedTimer call;
            call.start();
            QVERIFY2(method.invoke(face, Qt::DirectConnection,
                                   QGenericReturnArgument(method.typeName(), result.get()),
                                   arguments[0], arguments[1], arguments[2], arguments[3],
                                   arguments[4], arguments[5], arguments[6], arguments[7],
                                   arguments[8], arguments[9]),
                     method.methodSignature().constData());
            QVERIFY2(idle.isActive()
                         && idle.remainingTime() >= idle.interval() - call.elapsed() - 5,
                     method.methodSignature().constData());
            ++calls;
        }
    }
    QCOMPARE(calls, 8);
    QCOMPARE(opened_, QStringList());
}

QTEST_GUILESS_MAIN(SearchServiceTest)
#include "tst_searchservice.moc"
