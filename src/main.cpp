#include "browse/catalogueexport.h"
#include "catalogue/catalogue.h"
#include "find/catalogueindex.h"
#include "forms/firstframe.h"
#include "forms/fonts.h"
#include "forms/windowmodel.h"
#include "shell/bookmarkfile.h"
#include "shell/forms.h"

#include <QApplication>
#include <QFile>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#ifndef _WIN32
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>
#include <xcb/xcb.h>

#include <algorithm>
#include <mutex>
#include <string>
#include <vector>
#endif

namespace {

constexpr int kUsageError = 2;
constexpr int kWriteError = 1;

int WriteToStandardOutput(const std::string &text)
{
    if (std::fwrite(text.data(), 1, text.size(), stdout) != text.size()
        || std::fflush(stdout) != 0) {
        std::fprintf(stderr, "benchlist: cannot write to standard output: %s\n",
                     std::strerror(errno));
        return kWriteError;
    }
    return 0;
}

// Writes the bookmark file, or with "-" prints it.
int ExportBookmarks(const char *fileName)
{
    if (std::strcmp(fileName, "-") == 0)
        return WriteToStandardOutput(benchlist::BookmarksHtml(benchlist::catalogue::kButtonOrder));
    const QString reason = benchlist::WriteBookmarkFile(QFile::decodeName(fileName));
    if (!reason.isEmpty()) {
        std::fprintf(stderr, "benchlist: cannot write '%s': %s\n", fileName,
                     reason.toLocal8Bit().constData());
        return kWriteError;
    }
    return 0;
}

// benchlist --find WORDS...: the categories the words find, best first, one per
// line as text, window title, drop-down caption and address separated by tabs.
int FindOnCommandLine(int argc, char **argv)
{
    if (argc < 3) {
        std::fputs("benchlist: --find needs words to look for, as in: benchlist --find usb hub\n",
                   stderr);
        return kUsageError;
    }
    std::string query;
    for (int i = 2; i < argc; ++i)
        query.append(argv[i]).push_back(' ');
    const std::vector<benchlist::FindHit> hits = benchlist::CatalogueIndex::Catalogue().Find(query);
    for (const benchlist::FindHit &hit : hits) {
        const benchlist::FindRecord &record = *hit.record;
        std::printf("%.*s\t%.*s\t%.*s\t%s\n", int(record.text.size()), record.text.data(),
                    int(record.windowTitle.size()), record.windowTitle.data(),
                    int(record.caption.size()), record.caption.data(), record.address.c_str());
    }
    if (hits.empty()) {
        std::fputs("benchlist: no category matches those words\n", stderr);
        return 1;
    }
    return 0;
}

// Returns -1 to go on and start the windows, or the exit status to end with.
int HandleCommandLine(int argc, char **argv)
{
    if (argc < 2)
        return -1;
    const std::string_view argument = argv[1];
    if (argument == "--find")
        return FindOnCommandLine(argc, argv);
    if (argc == 2 && argument == "--version") {
        std::puts("benchlist 1.00");
        return 0;
    }
    if (argc == 2 && argument == "--help") {
        std::puts("Usage: benchlist [--list | --export-bookmarks FILE | --find WORDS... | --help | "
                  "--version]  (without arguments opens the window; --find prints the categories "
                  "the words find, one per line: text, window, drop-down and address, "
                  "tab-separated)");
        return 0;
    }
    if (argc == 2 && argument == "--list")
        return WriteToStandardOutput(benchlist::CatalogueListing(benchlist::catalogue::kWindows));
    if (argument == "--export-bookmarks") {
        if (argc == 2) {
            std::fputs("benchlist: --export-bookmarks needs a file name, or - for standard "
                       "output\n",
                       stderr);
            return kUsageError;
        }
        if (argc == 3)
            return ExportBookmarks(argv[2]);
    }
    // Name the first argument that no option takes.
    const bool known = argument == "--list" || argument == "--help" || argument == "--version";
    const int unexpected = argument == "--export-bookmarks" ? 3 : known ? 2 : 1;
    std::fprintf(stderr, "benchlist: unexpected argument '%s' (try --help)\n", argv[unexpected]);
    return kUsageError;
}

#ifndef _WIN32
bool EnvSet(const char *name)
{
    const char *value = std::getenv(name);
    return value && *value;
}

// Whether any display is named at all.
bool HasDisplay()
{
    return EnvSet("QT_QPA_PLATFORM") || EnvSet("WAYLAND_DISPLAY") || EnvSet("DISPLAY");
}

std::string Env(const char *name)
{
    const char *value = std::getenv(name);
    return value ? value : "";
}

// Whether an X server takes a connection on the display, tried as Qt tries it.
bool XDisplayOpens(const std::string &display)
{
    xcb_connection_t *connection =
        xcb_connect(display.empty() ? nullptr : display.c_str(), nullptr);
    const bool opens = xcb_connection_has_error(connection) == 0;
    xcb_disconnect(connection);
    return opens;
}

// Whether a Wayland compositor listens on the display's socket.
bool WaylandDisplayOpens(const std::string &display)
{
    if (EnvSet("WAYLAND_SOCKET"))
        return true;
    std::string path = display;
    if (path.front() != '/') {
        if (!EnvSet("XDG_RUNTIME_DIR"))
            return false;
        path = Env("XDG_RUNTIME_DIR") + '/' + path;
    }
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (path.size() >= sizeof address.sun_path)
        return false;
    std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
    const int fd = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0)
        return true;
    const bool opens =
        connect(fd, reinterpret_cast<const sockaddr *>(&address), sizeof address) == 0;
    close(fd);
    return opens;
}

// Qt aborts when the display it tries cannot be opened. Tries the platforms
// in Qt's order (QT_QPA_PLATFORM's list, else Wayland first where a Wayland
// display is named) and settles on the first whose display opens. Returns
// false, with the displays tried, when none does.
bool FindDisplay(std::string &tried)
{
    std::string list = Env("QT_QPA_PLATFORM");
    if (list.empty())
        list = EnvSet("WAYLAND_DISPLAY") ? "wayland;xcb" : "xcb";
    std::size_t start = 0;
    for (;;) {
        const std::size_t end = std::min(list.find(';', start), list.size());
        const std::string entry = list.substr(start, end - start);
        const std::string platform = entry.substr(0, entry.find(':'));
        std::string display;
        bool opens = false;
        if (platform == "xcb") {
            display = Env("DISPLAY");
            opens = XDisplayOpens(display);
            display = display.empty() ? "X display (DISPLAY is not set)" : "X display " + display;
        } else if (platform.starts_with("wayland")) {
            display = EnvSet("WAYLAND_DISPLAY") ? Env("WAYLAND_DISPLAY") : "wayland-0";
            opens = WaylandDisplayOpens(display);
            display = "Wayland display " + display;
        } else {
            // Any other platform is Qt's to open; a failure is caught when it starts.
            return true;
        }
        if (opens) {
            // Spares Qt trying the ones that cannot open first.
            if (start > 0)
                qputenv("QT_QPA_PLATFORM", entry.c_str());
            return true;
        }
        tried += tried.empty() ? display : " or " + display;
        if (end == list.size())
            return false;
        start = end + 1;
    }
}

// Anything else that stops Qt from starting its platform would end in an
// abort: what Qt says while it starts is held back, and its fatal message
// becomes one line and exit status 1.
struct StartupMessage {
    QtMsgType type;
    QByteArray category;
    QString text;
};
std::vector<StartupMessage> heldMessages;
std::mutex heldMessagesLock; // Qt's own threads may speak while it starts
QtMessageHandler qtHandler = nullptr;

void HoldStartupMessage(QtMsgType type, const QMessageLogContext &context, const QString &text)
{
    if (type == QtFatalMsg) {
        if (EnvSet("QT_QPA_PLATFORM"))
            std::fprintf(stderr, "benchlist: cannot open a display with Qt's platform '%s'\n",
                         std::getenv("QT_QPA_PLATFORM"));
        else
            std::fputs("benchlist: cannot open a display: no Qt platform could start\n", stderr);
        std::_Exit(1);
    }
    const std::lock_guard lock(heldMessagesLock);
    heldMessages.push_back({type, context.category, text});
}

void ReleaseStartupMessages()
{
    qInstallMessageHandler(qtHandler);
    const std::lock_guard lock(heldMessagesLock);
    for (const StartupMessage &message : heldMessages) {
        const QMessageLogContext context(nullptr, 0, nullptr, message.category.constData());
        qt_message_output(message.type, context, message.text);
    }
    heldMessages.clear();
}

// Windows are placed at fixed screen positions, which a Wayland compositor does
// not allow; where X11 is available too (XWayland), the program uses it.
void PreferX11()
{
    if (!EnvSet("QT_QPA_PLATFORM") && EnvSet("WAYLAND_DISPLAY") && EnvSet("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "xcb");
}
#endif

} // namespace

int main(int argc, char **argv)
{
    if (const int status = HandleCommandLine(argc, argv); status >= 0)
        return status;
#ifndef _WIN32
    if (!HasDisplay()) {
        std::fputs("benchlist: no display to open windows on (is DISPLAY set?)\n", stderr);
        return 1;
    }
    PreferX11();
    if (std::string tried; !FindDisplay(tried)) {
        std::fprintf(stderr, "benchlist: cannot open %s\n", tried.c_str());
        return 1;
    }
    qtHandler = qInstallMessageHandler(HoldStartupMessage);
#endif

    QApplication app(argc, argv);
#ifndef _WIN32
    ReleaseStartupMessages();
#endif
    QApplication::setApplicationName(QStringLiteral("benchlist"));
    QApplication::setApplicationVersion(QStringLiteral("1.00"));
    benchlist::NameDesktopEntry();
    QApplication::setQuitOnLastWindowClosed(false);
    QApplication::setFont(benchlist::DefaultFont());
    benchlist::ExitAfterFirstFrameIfAsked();

    benchlist::WindowModel &forms = benchlist::Forms();
    benchlist::RegisterForms(forms);
    forms.SetLastWindowGone([] { QCoreApplication::quit(); });
    forms.Show("frmMain");

    const int status = QApplication::exec();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    forms.DestroyAll();
    return status;
}
