#include "app/commandline.h"
#include "app/start.h"
#include "base/project.h"
#include "core/windowmodel.h"
#include "service/language.h"
#include "service/pagememory.h"
#include "widgets/forms/fonts.h"
#include "widgets/shell/findwindow.h"
#include "widgets/shell/forms.h"

#include <QApplication>
#include <QPixmapCache>

#include <cstdio>
#include <vector>

int main(int argc, char **argv)
{
    benchlist::LoadTranslations(); // the session's language, for every answer and window
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    const benchlist::CommandLine line = benchlist::ReadCommandLine(arguments);
    if (!line.error.isEmpty()) {
        std::fprintf(stderr, "benchlist: %s\n", line.error.toLocal8Bit().constData());
        return 2;
    }
    // The answers on standard output need no display.
    if (line.option && line.option->answer)
        return line.option->answer(line.words);

    // Qt is given its own words alone, and takes out those it knows.
    QList<QByteArray> qtWords;
    std::vector<char *> qtArgv;
    for (const QString &word : line.qtArguments)
        qtWords.append(word.toLocal8Bit());
    for (QByteArray &word : qtWords)
        qtArgv.push_back(word.data());
    qtArgv.push_back(nullptr);
    int qtArgc = int(qtWords.size());
    benchlist::PrepareDisplay(line.qtArguments);
    QApplication app(qtArgc, qtArgv.data());
    benchlist::DisplayOpened();
    if (qtArgc > 1) {
        const QString error = benchlist::UnexpectedArgument(QString::fromLocal8Bit(qtArgv[1]));
        std::fprintf(stderr, "benchlist: %s\n", error.toLocal8Bit().constData());
        return 2;
    }
    QApplication::setApplicationName(QStringLiteral("benchlist"));
    QApplication::setApplicationVersion(QStringLiteral(BENCHLIST_FILE_VERSION));
    // By the desktop entry's name a Wayland desktop finds the windows' icon and name.
    QGuiApplication::setDesktopFileName(QStringLiteral(BENCHLIST_APP_ID));
    QApplication::setQuitOnLastWindowClosed(false);
    QApplication::setFont(benchlist::DefaultFont());
    // The style caches its drawings of controls under each control's own
    // palette, and every new control's palette is a new one: each window opened
    // and closed would leave drawings of controls long gone behind, and memory
    // would grow with every window. The controls are few and quick to draw.
    QPixmapCache::setCacheLimit(0);
    benchlist::ExitAfterFirstFrameIfAsked();

    benchlist::WindowModel &forms = benchlist::Forms();
    benchlist::RegisterForms(forms);
    forms.SetLastWindowGone([] { QCoreApplication::quit(); });
    forms.Show("frmMain");
    if (!line.words.isEmpty())
        benchlist::ShowFindWindow(line.words.first());

    const int status = QApplication::exec();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    forms.DestroyAll();
    benchlist::ClosePageMemory(); // the pages opened last are written before the end
    return status;
}
