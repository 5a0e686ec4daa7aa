#include "app/display.h"

#include <QByteArray>
#include <QString>
#include <QtGlobal>

#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <string>
#include <vector>

namespace benchlist {

namespace {

struct StartupMessage {
    QtMsgType type;
    QByteArray category;
    QString text;
};
std::vector<StartupMessage> heldMessages;
std::mutex heldMessagesLock; // Qt's own threads may speak while it starts
QtMessageHandler qtHandler = nullptr;
std::string failure; // the line said when no display opens
bool platformsChosenHere = false;

// The value given to Qt's option `name`; the last one counts, as in Qt.
QString QtValue(const QStringList &words, const char *name)
{
    const qsizetype at = words.lastIndexOf(QLatin1String(name));
    return at > 0 && at + 1 < words.size() ? words.at(at + 1) : QString();
}

// The displays that Qt's platforms would open, or that none is named.
std::string FailureLine(const QString &platforms, const QString &xDisplay)
{
    const QString waylandDisplay = qEnvironmentVariable("WAYLAND_DISPLAY");
    QStringList tried;
    for (const QString &entry : platforms.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        const QString name = entry.section(QLatin1Char(':'), 0, 0);
        if (name == QLatin1String("xcb")) {
            if (!xDisplay.isEmpty())
                tried.append(QLatin1String("X display ") + xDisplay);
        } else if (name.startsWith(QLatin1String("wayland"))) {
            if (!waylandDisplay.isEmpty())
                tried.append(QLatin1String("Wayland display ") + waylandDisplay);
        } else {
            tried.append(QStringLiteral("a display with Qt's platform '%1'").arg(entry));
        }
    }
    if (tried.isEmpty())
        return "benchlist: no display to open windows on (is DISPLAY set?)\n";
    return "benchlist: cannot open " + tried.join(QLatin1String(" or ")).toLocal8Bit().toStdString()
           + "\n";
}

void HoldStartupMessage(QtMsgType type, const QMessageLogContext &context, const QString &text)
{
    if (type == QtFatalMsg) {
        std::fputs(failure.c_str(), stderr);
        std::_Exit(1);
    }
    const std::lock_guard lock(heldMessagesLock);
    heldMessages.push_back({type, context.category, text});
}

} // namespace

void PrepareDisplay(const QStringList &qtArguments)
{
    QString platforms = QtValue(qtArguments, "-platform");
    if (platforms.isEmpty())
        platforms = qEnvironmentVariable("QT_QPA_PLATFORM");
    if (platforms.isEmpty()) {
        // Windows are placed at fixed screen positions, which a Wayland
        // compositor does not allow: X11 first where both are there (XWayland).
        // Wayland's socket is in XDG_RUNTIME_DIR unless named by its full path.
        const bool wayland =
            qEnvironmentVariableIsSet("XDG_RUNTIME_DIR")
            || qEnvironmentVariable("WAYLAND_DISPLAY").startsWith(QLatin1Char('/'));
        platforms = QLatin1String(wayland ? "xcb;wayland" : "xcb");
        qputenv("QT_QPA_PLATFORM", platforms.toLatin1());
        platformsChosenHere = true;
    }
    QString xDisplay = QtValue(qtArguments, "-display");
    if (xDisplay.isEmpty())
        xDisplay = qEnvironmentVariable("DISPLAY");
    failure = FailureLine(platforms, xDisplay);
    qtHandler = qInstallMessageHandler(HoldStartupMessage);
}

void DisplayOpened()
{
    // The browsers that pages are opened in choose their own display.
    if (platformsChosenHere)
        qunsetenv("QT_QPA_PLATFORM");
    qInstallMessageHandler(qtHandler);
    const std::lock_guard lock(heldMessagesLock);
    for (const StartupMessage &message : heldMessages) {
        const QMessageLogContext context(nullptr, 0, nullptr, message.category.constData());
        qt_message_output(message.type, context, message.text);
    }
    heldMessages.clear();
}

} // namespace benchlist
