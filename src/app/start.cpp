#include "app/start.h"

#include <QGuiApplication>
#include <QWindow>

#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <string>

namespace benchlist {

namespace {

std::string held;    // what Qt said while it started
std::mutex heldLock; // Qt's own threads may speak then
std::string failure; // said when no display opens
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
            tried.append(QStringLiteral("a display with Qt's platform '%1'").arg(entry));
        else if (!display.isEmpty())
            tried.append(QLatin1String(x ? "X display " : "Wayland display ") + display);
    }
    if (tried.isEmpty())
        return "benchlist: no display to open windows on (is DISPLAY set?)\n";
    return "benchlist: cannot open " + tried.join(QLatin1String(" or ")).toStdString() + "\n";
}

void Hold(QtMsgType type, const QMessageLogContext &context, const QString &text)
{
    if (type == QtFatalMsg) {
        std::fputs(failure.c_str(), stderr);
        std::_Exit(1);
    }
    const std::lock_guard lock(heldLock);
    held += qFormatLogMessage(type, context, text).toStdString() + '\n';
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
    QString platforms = QtValue(qtArguments, "-platform", "QT_QPA_PLATFORM");
    if (platforms.isEmpty()) {
        // Windows are placed at fixed screen positions, which a Wayland
        // compositor does not allow: X11 first where both are there (XWayland).
        // Wayland's socket is in XDG_RUNTIME_DIR unless named by its full path.
        const bool wayland =
            qEnvironmentVariableIsSet("XDG_RUNTIME_DIR")
            || qEnvironmentVariable("WAYLAND_DISPLAY").startsWith(QLatin1Char('/'));
        platforms = QLatin1String(wayland ? "xcb;wayland" : "xcb");
        platformsChosenHere = qputenv("QT_QPA_PLATFORM", platforms.toLatin1());
    }
    failure = FailureLine(platforms, QtValue(qtArguments, "-display", "DISPLAY"));
    qInstallMessageHandler(Hold);
}

void DisplayOpened()
{
    // The browsers that pages open in choose their own display.
    if (platformsChosenHere)
        qunsetenv("QT_QPA_PLATFORM");
    qInstallMessageHandler(nullptr);
    const std::lock_guard lock(heldLock);
    std::fputs(held.c_str(), stderr);
}

void ExitAfterFirstFrameIfAsked()
{
    if (qgetenv("BENCH_EXIT_AFTER_PAINT") == "1")
        QCoreApplication::instance()->installEventFilter(
            new FirstFrameWatch(QCoreApplication::instance()));
}

} // namespace benchlist
