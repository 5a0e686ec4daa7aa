// SPDX-FileCopyrightText: 2026 Veldmark
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The two faces of the search service, GNOME Shell's search provider and
// KRunner's runner, over what they share: the results, the opener, the idle
// timer. They answer calls without a bus of their own; Serve() puts them on
// the session bus.
#pragma once

#include "find/catalogueindex.h"

#include <QList>
#include <QMetaType>
#include <QObject>
#include <QStringList>
#include <QTimer>
#include <QVariantMap>

#include <functional>
#include <vector>

namespace benchlist {

namespace searchbus {

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

} // namespace searchbus

class Searcher {
public:
    // Starts this program again with the arguments, not waiting for it.
    using Starter = std::function<bool(const QStringList &arguments)>;

    explicit Searcher(Starter start = {});

    // Every call starts the idle time afresh; once it runs out, the service leaves.
    void Called() { idle_.start(); }
    QTimer &IdleTimer() { return idle_; }

    std::vector<FindHit> Search(const QStringList &terms) const;
    QStringList Ids(const QStringList &terms) const;
    const FindRecord *Known(const QString &id) const;
    // `query`: what the shopper typed to find it, remembered with the page.
    void Open(const QString &id, const QString &query = {}) const;
    void Copy(const QString &id) const;
    void Launch(const QStringList &terms) const;

private:
    Starter start_;
    QTimer idle_;
};

class GnomeSearchProvider : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.gnome.Shell.SearchProvider2")

public:
    explicit GnomeSearchProvider(Searcher &searcher) : searcher_(searcher) {}

public slots:
    QStringList GetInitialResultSet(const QStringList &terms);
    QStringList GetSubsearchResultSet(const QStringList &previous, const QStringList &terms);
    QList<QVariantMap> GetResultMetas(const QStringList &ids);
    void ActivateResult(const QString &id, const QStringList &terms, uint timestamp);
    void LaunchSearch(const QStringList &terms, uint timestamp);

private:
    Searcher &searcher_;
};

class KRunner : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.kde.krunner1")

public:
    explicit KRunner(Searcher &searcher) : searcher_(searcher) {}

public slots:
    QList<searchbus::RemoteAction> Actions();
    QList<searchbus::RemoteMatch> Match(const QString &query);
    void Run(const QString &matchId, const QString &actionId);

private:
    Searcher &searcher_;
    QString lastQuery_; // Run names only the match: this query found it
};

} // namespace benchlist

Q_DECLARE_METATYPE(benchlist::searchbus::RemoteMatch)
Q_DECLARE_METATYPE(benchlist::searchbus::RemoteAction)
