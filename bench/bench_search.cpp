// SPDX-FileCopyrightText: 2026 Veldmark
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The desktop's search waits for the service's answer on every keystroke; these
// measure a call's round trip through the session bus to a warm service, from
// the call to its answer. A bus of its own starts the build's service.
#include "base/project.h"

#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusReply>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <cstdio>

namespace {

QDBusConnection *bus = nullptr;

QDBusMessage Call(const char *path, const char *interface, const char *method,
                  const QVariantList &arguments)
{
    QDBusMessage call = QDBusMessage::createMethodCall(
        QStringLiteral(BENCHLIST_SEARCH_BUS_NAME), QString::fromLatin1(path),
        QString::fromLatin1(interface), QString::fromLatin1(method));
    call.setArguments(arguments);
    return bus->call(call);
}

void InitialResultSet(benchmark::State &state, const char *terms)
{
    const QStringList list = QString::fromLatin1(terms).split(QLatin1Char(' '));
    qsizetype found = 0;
    for (auto _ : state) {
        const QDBusReply<QStringList> reply =
            Call(BENCHLIST_SEARCH_GNOME_PATH, "org.gnome.Shell.SearchProvider2",
                 "GetInitialResultSet", {list});
        found = reply.value().size();
    }
    state.counters["found"] = static_cast<double>(found);
}

void Match(benchmark::State &state, const char *query)
{
    for (auto _ : state) {
        const QDBusMessage reply = Call(BENCHLIST_SEARCH_KRUNNER_PATH, "org.kde.krunner1", "Match",
                                        {QString::fromLatin1(query)});
        benchmark::DoNotOptimize(reply.arguments().size());
    }
}

} // namespace

BENCHMARK_CAPTURE(InitialResultSet, two_words, "usb hub")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(InitialResultSet, one_letter, "s")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(InitialResultSet, typo, "moniter stnads")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Match, two_words, "usb hub")->Unit(benchmark::kMicrosecond);

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    const QString config = dir.filePath(QStringLiteral("bus.conf"));
    QFile file(config);
    if (!file.open(QIODevice::WriteOnly))
        return 1;
    file.write(QStringLiteral(
                   "<busconfig><type>session</type><listen>unix:dir=%1</listen>"
                   "<servicedir>%2</servicedir><policy context=\"default\">"
                   "<allow send_destination=\"*\" eavesdrop=\"true\"/><allow eavesdrop=\"true\"/>"
                   "<allow own=\"*\"/></policy>"
                   "</busconfig>")
                   .arg(dir.path(), QStringLiteral(BENCHLIST_SERVICE_DIR))
                   .toUtf8());
    file.close();
    QProcess daemon;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("BENCHLIST_SEARCH_IDLE_MS"), QStringLiteral("2000"));
    daemon.setProcessEnvironment(environment);
    daemon.start(QStringLiteral("dbus-daemon"),
                 {QStringLiteral("--nofork"), QStringLiteral("--print-address"),
                  QStringLiteral("--config-file"), config});
    if (!daemon.waitForReadyRead(5000)) {
        std::fputs("bench_search: dbus-daemon did not start\n", stderr);
        return 1;
    }
    qputenv("DBUS_SESSION_BUS_ADDRESS", daemon.readLine().trimmed());
    QDBusConnection connection = QDBusConnection::sessionBus();
    bus = &connection;
    // The first call starts the service and builds its index: not timed.
    const QDBusMessage first = Call(BENCHLIST_SEARCH_GNOME_PATH, "org.gnome.Shell.SearchProvider2",
                                    "GetInitialResultSet", {QStringList{QStringLiteral("usb")}});
    const bool answered = first.type() == QDBusMessage::ReplyMessage;
    if (answered) {
        benchmark::Initialize(&argc, argv);
        benchmark::RunSpecifiedBenchmarks();
        benchmark::Shutdown();
    } else {
        std::fprintf(stderr, "bench_search: the service did not answer: %s\n",
                     first.errorMessage().toLocal8Bit().constData());
    }
    bus = nullptr;
    daemon.terminate();
    daemon.waitForFinished();
    return answered ? 0 : 1;
}
