// SPDX-FileCopyrightText: 2026 Veldmark
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "service/searchservice.h"
#include "service/searchprovider.h"

#include "base/project.h"
#include "core/aboutnet.h"
#include "core/shops.h"
#include "find/resultids.h"
#include "service/desktopresults.h"
#include "settings/settings.h"
#include "translation/language.h"
#include "usage/sharedusage.h"

#include <QClipboard>
#include <QCoreApplication>
#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMetaType>
#include <QGuiApplication>
#include <QObject>
#include <QProcess>
#include <QTimer>
#include <QVariantMap>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace benchlist::searchbus {

QDBusArgument &operator<<(QDBusArgument &argument, const RemoteMatch &match)
{
    argument.beginStructure();
    argument << match.id << match.text << match.iconName << match.type << match.relevance
             << match.properties;
    argument.endStructure();
    return argument;
}

const QDBusArgument &operator>>(const QDBusArgument &argument, RemoteMatch &match)
{
    argument.beginStructure();
    argument >> match.id >> match.text >> match.iconName >> match.type >> match.relevance
        >> match.properties;
    argument.endStructure();
    return argument;
}

QDBusArgument &operator<<(QDBusArgument &argument, const RemoteAction &action)
{
    argument.beginStructure();
    argument << action.id << action.text << action.iconName;
    argument.endStructure();
    return argument;
}

const QDBusArgument &operator>>(const QDBusArgument &argument, RemoteAction &action)
{
    argument.beginStructure();
    argument >> action.id >> action.text >> action.iconName;
    argument.endStructure();
    return argument;
}

} // namespace benchlist::searchbus

namespace benchlist {

namespace {

using searchbus::RemoteAction;
using searchbus::RemoteMatch;

constexpr int kDefaultIdleMs = 60 * 1000;
constexpr auto kIconName = "benchlist";
constexpr auto kCopyAction = "copy-address";
constexpr auto kCopyAddressOption = "--copy-address";
// Ids and terms come from any client on the bus; a report quotes only this much.
constexpr qsizetype kQuotedLength = 120;
// The clipboard helper gives up the address after this long in any case.
constexpr int kClipboardHoldMs = 10 * 60 * 1000;

// The id or term as one short line of plain text on standard error.
QString Quoted(const QString &text)
{
    QString quoted = text.left(kQuotedLength);
    for (QChar &c : quoted)
        if (c.category() == QChar::Other_Control)
            c = QLatin1Char('?');
    if (text.size() > kQuotedLength)
        quoted += QStringLiteral("...");
    return quoted;
}

// One line on standard error, in the session's language.
void Say(const QString &line)
{
    std::fprintf(stderr, "benchlist: %s\n", line.toLocal8Bit().constData());
}

int IdleMs()
{
    bool ok = false;
    const int ms = qEnvironmentVariableIntValue("BENCHLIST_SEARCH_IDLE_MS", &ok);
    return ok && ms > 0 ? ms : kDefaultIdleMs;
}

bool StartProgram(const QStringList &arguments)
{
    return QProcess::startDetached(QCoreApplication::applicationFilePath(), arguments);
}

} // namespace

Searcher::Searcher(Starter start) : start_(start ? std::move(start) : Starter(StartProgram))
{
    idle_.setSingleShot(true);
    idle_.setInterval(IdleMs());
    idle_.start();
}

std::vector<FindHit> Searcher::Search(const QStringList &terms) const
{
    std::vector<std::string> words;
    words.reserve(static_cast<std::size_t>(terms.size()));
    for (const QString &term : terms)
        words.push_back(term.toStdString());
    // Pages the shopper opened before, here or in the program, rank higher.
    return DesktopSearch(CatalogueIndex::Catalogue(), words, UsageScorerFor(DesktopQuery(words)),
                         ShopperLanguage());
}

QStringList Searcher::Ids(const QStringList &terms) const
{
    QStringList ids;
    for (const FindHit &hit : Search(terms))
        ids.append(QString::fromUtf8(SearchResultId(*hit.record)));
    return ids;
}

const FindRecord *Searcher::Known(const QString &id) const
{
    const FindRecord *record = SearchResults::Catalogue().Record(id.toStdString());
    // The service outlives a choice made in the window meanwhile: each result
    // opens at the shop chosen when it is opened.
    ApplyChosenShop();
    if (!record)
        Say(Translated("SearchService", "no search result has the id '%1'").arg(Quoted(id)));
    return record;
}

void Searcher::Open(const QString &id, const QString &query) const
{
    if (const FindRecord *record = Known(id)) {
        if (OpenPage(PageAddress(record->windowName, record->dropDownName, record->text)))
            RecordUsage(*record, query.toStdString());
    }
}

// The clipboard belongs to a display, and to whoever put the text there for
// as long as it is there: a helper process of its own holds it.
void Searcher::Copy(const QString &id) const
{
    const FindRecord *record = Known(id);
    if (!record)
        return;
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")) {
        Say(Translated("SearchService", "cannot copy the address: no display, so no clipboard"));
        return;
    }
    if (!start_({QStringLiteral("--search-service"), QLatin1String(kCopyAddressOption),
                 QString::fromStdString(
                     PageAddress(record->windowName, record->dropDownName, record->text))}))
        Say(Translated("SearchService", "cannot start the clipboard helper"));
}

// The program itself, with its find window open on the terms. The terms
// stay joined to the option, so that none of them is taken for Qt's own.
void Searcher::Launch(const QStringList &terms) const
{
    if (!start_({QStringLiteral("--find-window=") + terms.join(QLatin1Char(' '))}))
        Say(Translated("SearchService", "cannot start the find window on '%1'")
                .arg(Quoted(terms.join(QLatin1Char(' ')))));
}

QStringList GnomeSearchProvider::GetInitialResultSet(const QStringList &terms)
{
    searcher_.Called();
    return searcher_.Ids(terms);
}

// A fresh search rather than a filter of the previous ids: those were cut
// to the best few, and more words may bring better ones below that cut.
QStringList GnomeSearchProvider::GetSubsearchResultSet(const QStringList & /*previous*/,
                                                       const QStringList &terms)
{
    searcher_.Called();
    return searcher_.Ids(terms);
}

QList<QVariantMap> GnomeSearchProvider::GetResultMetas(const QStringList &ids)
{
    searcher_.Called();
    QList<QVariantMap> metas;
    for (const QString &id : ids) {
        if (const FindRecord *record = searcher_.Known(id))
            metas.append({
                {QStringLiteral("id"), id},
                {QStringLiteral("name"), QString::fromUtf8(record->text)},
                {QStringLiteral("description"), ResultDescription(*record)},
                {QStringLiteral("gicon"), QString::fromLatin1(kIconName)},
            });
    }
    return metas;
}

void GnomeSearchProvider::ActivateResult(const QString &id, const QStringList &terms,
                                         uint /*timestamp*/)
{
    searcher_.Called();
    searcher_.Open(id, terms.join(QLatin1Char(' ')));
}

void GnomeSearchProvider::LaunchSearch(const QStringList &terms, uint /*timestamp*/)
{
    searcher_.Called();
    searcher_.Launch(terms);
}

QList<RemoteAction> KRunner::Actions()
{
    searcher_.Called();
    return {{QString::fromLatin1(kCopyAction),
             QCoreApplication::translate("SearchService", "Copy address"),
             QStringLiteral("edit-copy")}};
}

// The hits in the order of every other list of results; their types and
// relevances keep that order in KRunner's sort.
QList<RemoteMatch> KRunner::Match(const QString &query)
{
    searcher_.Called();
    lastQuery_ = query;
    const std::vector<FindHit> hits = searcher_.Search({query});
    const std::vector<KRunnerRank> ranks = KRunnerRanks(hits);
    QList<RemoteMatch> matches;
    for (std::size_t i = 0; i < hits.size(); ++i) {
        const FindRecord &record = *hits[i].record;
        matches.append({
            QString::fromUtf8(SearchResultId(record)),
            QString::fromUtf8(record.text),
            QString::fromLatin1(kIconName),
            ranks[i].type,
            ranks[i].relevance,
            {{QStringLiteral("subtext"), ResultDescription(record)}},
        });
    }
    return matches;
}

void KRunner::Run(const QString &matchId, const QString &actionId)
{
    searcher_.Called();
    if (actionId.isEmpty())
        searcher_.Open(matchId, lastQuery_);
    else if (actionId == QLatin1String(kCopyAction))
        searcher_.Copy(matchId);
    else
        Say(Translated("SearchService", "no search action has the id '%1'").arg(Quoted(actionId)));
}

namespace {

// What Qt says when its platform cannot start becomes one line, not an abort.
void OneLineOnFatal(QtMsgType type, const QMessageLogContext & /*context*/, const QString &text)
{
    if (type != QtFatalMsg)
        return;
    Say(Translated("SearchService", "cannot reach the clipboard: %1")
            .arg(Quoted(text.section(QLatin1Char('\n'), 0, 0))));
    std::_Exit(1);
}

// Holds the address on the clipboard until something else is put there.
int HoldOnClipboard(const QString &text)
{
    qInstallMessageHandler(OneLineOnFatal);
    int argc = 1;
    char name[] = "benchlist";
    char *argv[] = {name, nullptr};
    QGuiApplication app(argc, argv);
    qInstallMessageHandler(nullptr);
    QClipboard *clipboard = QGuiApplication::clipboard();
    clipboard->setText(text);
    QObject::connect(clipboard, &QClipboard::dataChanged, &app, [&] {
        if (clipboard->text() != text)
            QCoreApplication::quit();
    });
    QTimer::singleShot(kClipboardHoldMs, &app, &QCoreApplication::quit);
    return QCoreApplication::exec();
}

int Serve()
{
    int argc = 1;
    char name[] = "benchlist";
    char *argv[] = {name, nullptr};
    QCoreApplication app(argc, argv);
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) {
        Say(Translated("SearchService", "no session bus to offer the search on"));
        return 1;
    }
    qDBusRegisterMetaType<QList<QVariantMap>>();
    qDBusRegisterMetaType<RemoteMatch>();
    qDBusRegisterMetaType<QList<RemoteMatch>>();
    qDBusRegisterMetaType<RemoteAction>();
    qDBusRegisterMetaType<QList<RemoteAction>>();

    Searcher searcher;
    QObject::connect(&searcher.IdleTimer(), &QTimer::timeout, [&bus] {
        // Off the bus first, so that a call from now on starts a new service.
        bus.unregisterService(QStringLiteral(BENCHLIST_SEARCH_BUS_NAME));
        QCoreApplication::exit(0);
    });
    GnomeSearchProvider gnome(searcher);
    KRunner krunner(searcher);
    bus.registerObject(QStringLiteral(BENCHLIST_SEARCH_GNOME_PATH), &gnome,
                       QDBusConnection::ExportAllSlots);
    bus.registerObject(QStringLiteral(BENCHLIST_SEARCH_KRUNNER_PATH), &krunner,
                       QDBusConnection::ExportAllSlots);
    const auto registered = bus.interface()->registerService(
        QStringLiteral(BENCHLIST_SEARCH_BUS_NAME), QDBusConnectionInterface::DontQueueService,
        QDBusConnectionInterface::DontAllowReplacement);
    if (!registered.isValid()) {
        Say(Translated("SearchService", "cannot take the bus name %1: %2")
                .arg(QLatin1String(BENCHLIST_SEARCH_BUS_NAME),
                     Quoted(registered.error().message())));
        return 1;
    }
    if (registered.value() != QDBusConnectionInterface::ServiceRegistered)
        return 0;               // another instance serves already
    SearchResults::Catalogue(); // built before the first call, not during it
    const int status = QCoreApplication::exec();
    CloseSharedUsageStore(); // what was opened is written before the service goes
    return status;
}

} // namespace

int RunSearchService(const QStringList &arguments)
{
    if (arguments.size() == 2 && arguments.first() == QLatin1String(kCopyAddressOption))
        return HoldOnClipboard(arguments.at(1));
    if (!arguments.isEmpty()) {
        Say(Translated("SearchService", "--search-service takes no further arguments"));
        return 2;
    }
    return Serve();
}

} // namespace benchlist
