#include "service/searchservice.h"

#include "base/project.h"
#include "core/aboutnet.h"
#include "core/searchresults.h"

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
#include <utility>
#include <vector>

namespace benchlist::searchbus {

// One match as KRunner takes it: a(sssida{sv}).
struct RemoteMatch {
    QString id;
    QString text;
    QString iconName;
    int type = 0;
    double relevance = 0.0;
    QVariantMap properties;
};

// One action offered on every match: a(sss).
struct RemoteAction {
    QString id;
    QString text;
    QString iconName;
};

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

Q_DECLARE_METATYPE(benchlist::searchbus::RemoteMatch)
Q_DECLARE_METATYPE(benchlist::searchbus::RemoteAction)

namespace benchlist {

namespace {

using searchbus::RemoteAction;
using searchbus::RemoteMatch;

constexpr int kDefaultIdleMs = 60 * 1000;
constexpr auto kIconName = "benchlist";
constexpr auto kCopyAction = "copy-address";
constexpr auto kCopyAddressOption = "--copy-address";
// KRunner's match types: an exact match beats a possible one of equal relevance.
constexpr int kExactMatch = 100;
constexpr int kPossibleMatch = 30;
// Ids and terms come from any client on the bus; a report quotes only this much.
constexpr qsizetype kQuotedLength = 120;
// The clipboard helper gives up the address after this long in any case.
constexpr int kClipboardHoldMs = 10 * 60 * 1000;

// The id or term as one short line of plain text on standard error.
QByteArray Quoted(const QString &text)
{
    QString quoted = text.left(kQuotedLength);
    for (QChar &c : quoted)
        if (c.category() == QChar::Other_Control)
            c = QLatin1Char('?');
    if (text.size() > kQuotedLength)
        quoted += QStringLiteral("...");
    return quoted.toLocal8Bit();
}

int IdleMs()
{
    bool ok = false;
    const int ms = qEnvironmentVariableIntValue("BENCHLIST_SEARCH_IDLE_MS", &ok);
    return ok && ms > 0 ? ms : kDefaultIdleMs;
}

// What both search interfaces share: the results, the opener, the idle timer.
class Searcher {
public:
    explicit Searcher(QDBusConnection bus) : bus_(std::move(bus))
    {
        idle_.setSingleShot(true);
        idle_.setInterval(IdleMs());
        QObject::connect(&idle_, &QTimer::timeout, [this] {
            // Off the bus first, so that a call from now on starts a new service.
            bus_.unregisterService(QStringLiteral(BENCHLIST_SEARCH_BUS_NAME));
            QCoreApplication::exit(0);
        });
        idle_.start();
    }

    // Every call starts the idle time afresh.
    void Called() { idle_.start(); }

    std::vector<FindHit> Search(const QStringList &terms) const
    {
        std::vector<std::string> words;
        words.reserve(static_cast<std::size_t>(terms.size()));
        for (const QString &term : terms)
            words.push_back(term.toStdString());
        return SearchResults::Catalogue().Search(words);
    }

    QStringList Ids(const QStringList &terms) const
    {
        QStringList ids;
        for (const FindHit &hit : Search(terms))
            ids.append(QString::fromUtf8(SearchResultId(*hit.record)));
        return ids;
    }

    const FindRecord *Known(const QString &id) const
    {
        const FindRecord *record = SearchResults::Catalogue().Record(id.toStdString());
        if (!record)
            std::fprintf(stderr, "benchlist: no search result has the id '%s'\n",
                         Quoted(id).constData());
        return record;
    }

    void Open(const QString &id) const
    {
        if (const FindRecord *record = Known(id))
            OpenPage(record->address);
    }

    // The clipboard belongs to a display, and to whoever put the text there for
    // as long as it is there: a helper process of its own holds it.
    void Copy(const QString &id) const
    {
        const FindRecord *record = Known(id);
        if (!record)
            return;
        if (qEnvironmentVariableIsEmpty("DISPLAY")
            && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")) {
            std::fputs("benchlist: cannot copy the address: no display, so no clipboard\n", stderr);
            return;
        }
        if (!QProcess::startDetached(QCoreApplication::applicationFilePath(),
                                     {QStringLiteral("--search-service"),
                                      QLatin1String(kCopyAddressOption),
                                      QString::fromUtf8(record->address)}))
            std::fputs("benchlist: cannot start the clipboard helper\n", stderr);
    }

    // The program itself, with its find window open on the terms. The terms
    // stay joined to the option, so that none of them is taken for Qt's own.
    void Launch(const QStringList &terms) const
    {
        if (!QProcess::startDetached(
                QCoreApplication::applicationFilePath(),
                {QStringLiteral("--find-window=") + terms.join(QLatin1Char(' '))}))
            std::fprintf(stderr, "benchlist: cannot start the find window on '%s'\n",
                         Quoted(terms.join(QLatin1Char(' '))).constData());
    }

private:
    QDBusConnection bus_;
    QTimer idle_;
};

class GnomeSearchProvider : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.gnome.Shell.SearchProvider2")

public:
    explicit GnomeSearchProvider(Searcher &searcher) : searcher_(searcher) {}

public slots:
    QStringList GetInitialResultSet(const QStringList &terms)
    {
        searcher_.Called();
        return searcher_.Ids(terms);
    }

    // A fresh search rather than a filter of the previous ids: those were cut
    // to the best few, and more words may bring better ones below that cut.
    QStringList GetSubsearchResultSet(const QStringList & /*previous*/, const QStringList &terms)
    {
        searcher_.Called();
        return searcher_.Ids(terms);
    }

    QList<QVariantMap> GetResultMetas(const QStringList &ids)
    {
        searcher_.Called();
        QList<QVariantMap> metas;
        for (const QString &id : ids) {
            if (const FindRecord *record = searcher_.Known(id))
                metas.append({
                    {QStringLiteral("id"), id},
                    {QStringLiteral("name"), QString::fromUtf8(record->text)},
                    {QStringLiteral("description"),
                     QString::fromUtf8(SearchResultDescription(*record))},
                    {QStringLiteral("gicon"), QString::fromLatin1(kIconName)},
                });
        }
        return metas;
    }

    void ActivateResult(const QString &id, const QStringList & /*terms*/, uint /*timestamp*/)
    {
        searcher_.Called();
        searcher_.Open(id);
    }

    void LaunchSearch(const QStringList &terms, uint /*timestamp*/)
    {
        searcher_.Called();
        searcher_.Launch(terms);
    }

private:
    Searcher &searcher_;
};

// The hits as KRunner shows them. KRunner orders by type, then relevance, so
// both follow the hits' own order: the query's very text heads the list as an
// exact match; the rest are possible matches whose relevance falls down the
// list, in bands for full matches, matches with a slip, and partial ones.
QList<RemoteMatch> RemoteMatchesOf(const std::vector<FindHit> &hits)
{
    QList<RemoteMatch> matches;
    bool exact = true;
    const double step = 1.0 / double(hits.size() + 1);
    for (std::size_t i = 0; i < hits.size(); ++i) {
        const FindHit &hit = hits[i];
        const FindRecord &record = *hit.record;
        exact = exact && hit.score.wholeText && !hit.rank.typo && !hit.Partial();
        const auto [top, width] = exact           ? std::pair(1.0, 0.1)
                                  : hit.Partial() ? std::pair(0.25, 0.25)
                                  : hit.rank.typo ? std::pair(0.5, 0.25)
                                                  : std::pair(0.9, 0.4);
        matches.append({
            QString::fromUtf8(SearchResultId(record)),
            QString::fromUtf8(record.text),
            QString::fromLatin1(kIconName),
            exact ? kExactMatch : kPossibleMatch,
            top - width * double(i) * step,
            {{QStringLiteral("subtext"), QString::fromUtf8(SearchResultDescription(record))}},
        });
    }
    return matches;
}

class KRunner : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.kde.krunner1")

public:
    explicit KRunner(Searcher &searcher) : searcher_(searcher) {}

public slots:
    QList<RemoteAction> Actions()
    {
        searcher_.Called();
        return {{QString::fromLatin1(kCopyAction), QStringLiteral("Copy address"),
                 QStringLiteral("edit-copy")}};
    }

    QList<RemoteMatch> Match(const QString &query)
    {
        searcher_.Called();
        return RemoteMatchesOf(searcher_.Search({query}));
    }

    void Run(const QString &matchId, const QString &actionId)
    {
        searcher_.Called();
        if (actionId.isEmpty())
            searcher_.Open(matchId);
        else if (actionId == QLatin1String(kCopyAction))
            searcher_.Copy(matchId);
        else
            std::fprintf(stderr, "benchlist: no search action has the id '%s'\n",
                         Quoted(actionId).constData());
    }

private:
    Searcher &searcher_;
};

// What Qt says when its platform cannot start becomes one line, not an abort.
void OneLineOnFatal(QtMsgType type, const QMessageLogContext & /*context*/, const QString &text)
{
    if (type != QtFatalMsg)
        return;
    std::fprintf(stderr, "benchlist: cannot reach the clipboard: %s\n",
                 Quoted(text.section(QLatin1Char('\n'), 0, 0)).constData());
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
        std::fputs("benchlist: no session bus to offer the search on\n", stderr);
        return 1;
    }
    qDBusRegisterMetaType<QList<QVariantMap>>();
    qDBusRegisterMetaType<RemoteMatch>();
    qDBusRegisterMetaType<QList<RemoteMatch>>();
    qDBusRegisterMetaType<RemoteAction>();
    qDBusRegisterMetaType<QList<RemoteAction>>();

    Searcher searcher(bus);
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
        std::fprintf(stderr, "benchlist: cannot take the bus name %s: %s\n",
                     BENCHLIST_SEARCH_BUS_NAME, Quoted(registered.error().message()).constData());
        return 1;
    }
    if (registered.value() != QDBusConnectionInterface::ServiceRegistered)
        return 0;               // another instance serves already
    SearchResults::Catalogue(); // built before the first call, not during it
    return QCoreApplication::exec();
}

} // namespace

int RunSearchService(const QStringList &arguments)
{
    if (arguments.size() == 2 && arguments.first() == QLatin1String(kCopyAddressOption))
        return HoldOnClipboard(arguments.at(1));
    if (!arguments.isEmpty()) {
        std::fputs("benchlist: --search-service takes no further arguments\n", stderr);
        return 2;
    }
    return Serve();
}

} // namespace benchlist

#include "searchservice.moc"
