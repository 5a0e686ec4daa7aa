#include "browse/catalogueexport.h"
#include "catalogue/catalogue.h"
#include "find/catalogueindex.h"
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

// Whether an X server answers on a local display such as ":0"; other forms
// (remote hosts) are left for Qt to try.
bool LocalXServerAnswers(const char *display)
{
    if (display[0] != ':')
        return true;
    const int number = std::atoi(display + 1);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::snprintf(address.sun_path, sizeof address.sun_path, "/tmp/.X11-unix/X%d", number);
    const int fd = socket(AF_UNIX, SOCK_STREAM, 0);
    if (fd < 0)
        return true;
    const bool answers =
        connect(fd, reinterpret_cast<const sockaddr *>(&address), sizeof address) == 0;
    close(fd);
    return answers;
}

// Qt aborts when it finds no display; say so plainly instead.
bool HasDisplay()
{
    if (EnvSet("QT_QPA_PLATFORM"))
        return true;
    if (EnvSet("WAYLAND_DISPLAY"))
        return true;
    return EnvSet("DISPLAY") && LocalXServerAnswers(std::getenv("DISPLAY"));
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
#endif

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("benchlist"));
    QApplication::setApplicationVersion(QStringLiteral("1.00"));
    QApplication::setQuitOnLastWindowClosed(false);
    QApplication::setFont(benchlist::DefaultFont());

    benchlist::WindowModel &forms = benchlist::Forms();
    benchlist::RegisterForms(forms);
    forms.SetLastWindowGone([] { QCoreApplication::quit(); });
    forms.Show("frmMain");

    const int status = QApplication::exec();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    forms.DestroyAll();
    return status;
}
