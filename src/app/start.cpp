// SPDX-FileCopyrightText: 2026 Veldmark
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/start.h"

#include "base/project.h"
#include "translation/language.h"

#include <QApplication>
#include <QPixmapCache>
#include <QWindow>

#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <string>
#include <vector>

namespace benchlist {

namespace {

std::vector<std::string> held; // what Qt said while it started, a message each
std::mutex heldLock;           // Qt's own threads may speak then
std::string failure;           // said when no display opens
bool platformsChosenHere = false;

// The value of Qt's option `name` (the last one counts, as in Qt), else of the variable.
QString QtValue(const QStringList &words, const char *name, const char *variable)
{
    const qsizetype at = words.lastIndexOf(QLatin1String(name));
    return at > 0 && at + 1 < words.size() ? words.at(at + 1) : qEnvironmentVariable(variable);
}

// Names the displays that the platforms tried would have opened.
std::string FailureLine(const QString &platforms, const QString &xDisplay)
{
    QStringList tried;
    for (const QString &entry : platforms.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        const bool x = entry.startsWith(QLatin1String("xcb"));
        const bool wayland = entry.startsWith(QLatin1String("wayland"));
        const QString display = x ? xDisplay : qEnvironmentVariable("WAYLAND_DISPLAY");
        if (!x && !wayland)
            tried.append(Translated("Start", "a display with Qt's platform '%1'").arg(entry));
        else if (!display.isEmpty() && x)
            tried.append(Translated("Start", "X display %1").arg(display));
        else if (!display.isEmpty())
            tried.append(Translated("Start", "Wayland display %1").arg(display));
    }
    if (tried.isEmpty())
        return "benchlist: "
               + Translated("Start", "no display to open windows on (is DISPLAY set?)")
                     .toLocal8Bit()
                     .toStdString()
               + "\n";
    QString displays = tried.takeFirst();
    for (const QString &other : tried)
        displays = Translated("Start", "%1 or %2").arg(displays, other);
    return "benchlist: "
           + Translated("Start", "cannot open %1").arg(displays).toLocal8Bit().toStdString() + "\n";
}

void Hold(QtMsgType type, const QMessageLogContext &context, const QString &text)
{
    if (type == QtFatalMsg) {
        std::fputs(failure.c_str(), stderr);
        std::_Exit(1);
    }
    const std::lock_guard lock(heldLock);
    // Qt ends each platform it could not start with this line: all said
    // before it was about a platform tried and given up.
    if (platformsChosenHere && qstrcmp(context.category, "qt.qpa.plugin") == 0
        && text.startsWith(QLatin1String("Could not load the Qt platform plugin")))
        held.clear();
    else
        held.push_back(qFormatLogMessage(type, context, text).toStdString() + '\n');
}

// The session's own display server first, the other should it fail. An X
// display named by -display counts as one the session has.
QString SessionPlatforms(const QString &xDisplay)
{
    const QString wayland = qEnvironmentVariable("WAYLAND_DISPLAY");
    const bool waylandSession = qEnvironmentVariable("XDG_SESSION_TYPE") == QLatin1String("wayland")
                                || (!wayland.isEmpty() && xDisplay.isEmpty());
    // Wayland's socket is in XDG_RUNTIME_DIR unless named by its full path.
    if (!qEnvironmentVariableIsSet("XDG_RUNTIME_DIR") && !wayland.startsWith(QLatin1Char('/')))
        return QStringLiteral("xcb");
    return QLatin1String(waylandSession ? "wayland;xcb" : "xcb;wayland");
}

// A window paints and flushes its first frame while its first exposure is
// delivered. The watch delivers that exposure itself, through every filter and
// handler as usual; once it is through, one round trip makes sure the frame
// has reached the server, and the program leaves without tearing anything down.
class FirstFrameWatch : public QObject {
    using QObject::QObject;
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        const auto *window = qobject_cast<QWindow *>(watched);
        if (event->type() != QEvent::Expose || !window || !window->isExposed())
            return false;
        QCoreApplication::instance()->removeEventFilter(this);
        QCoreApplication::sendEvent(watched, event);
        QGuiApplication::sync();
        std::_Exit(0);
    }
};

} // namespace

void PrepareDisplay(const QStringList &qtArguments)
{
    const QString xDisplay = QtValue(qtArguments, "-display", "DISPLAY");
    QString platforms = QtValue(qtArguments, "-platform", "QT_QPA_PLATFORM");
    if (platforms.isEmpty()) {
        platforms = SessionPlatforms(xDisplay);
        platformsChosenHere = qputenv("QT_QPA_PLATFORM", platforms.toLatin1());
    }
    failure = FailureLine(platforms, xDisplay);
    qInstallMessageHandler(Hold);
}

void DisplayOpened()
{
    // The browsers that pages open in choose their own display.
    if (platformsChosenHere)
        qunsetenv("QT_QPA_PLATFORM");
    qInstallMessageHandler(nullptr);
    const std::lock_guard lock(heldLock);
    for (const std::string &message : held)
        std::fputs(message.c_str(), stderr);
}

QtArguments::QtArguments(const QStringList &words)
{
    for (const QString &word : words)
        words_.append(word.toLocal8Bit());
    for (QByteArray &word : words_)
        pointers_.push_back(word.data());
    pointers_.push_back(nullptr);
    count_ = int(words_.size());
}

void SetUpApplication(const QFont &font)
{
    QApplication::setApplicationName(QStringLiteral("benchlist"));
    QApplication::setApplicationVersion(QStringLiteral(BENCHLIST_FILE_VERSION));
    // By the desktop entry's name a Wayland desktop finds the windows' icon and name.
    QGuiApplication::setDesktopFileName(QStringLiteral(BENCHLIST_APP_ID));
    QApplication::setQuitOnLastWindowClosed(false);
    QApplication::setFont(font);
    // The style caches its drawings of controls under each control's own
    // palette, and every new control's palette is a new one: each window opened
    // and closed would leave drawings of controls long gone behind, and memory
    // would grow with every window. The controls are few and quick to draw.
    QPixmapCache::setCacheLimit(0);
}

void ExitAfterFirstFrameIfAsked()
{
    if (qgetenv("BENCH_EXIT_AFTER_PAINT") == "1")
        QCoreApplication::instance()->installEventFilter(
            new FirstFrameWatch(QCoreApplication::instance()));
}

} // namespace benchlist
