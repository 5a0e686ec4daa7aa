#include "app/commandline.h"
#include "app/displayprobe.h"
#include "core/windowmodel.h"
#include "service/pagememory.h"
#include "widgets/forms/firstframe.h"
#include "widgets/forms/fonts.h"
#include "widgets/shell/findwindow.h"
#include "widgets/shell/forms.h"

#include <QApplication>

int main(int argc, char **argv)
{
    // The answers on standard output come before Qt starts: they need no display.
    benchlist::WindowStart start;
    if (const int status = benchlist::AnswerCommandLine(argc, argv, start); status >= 0)
        return status;
    if (!benchlist::PrepareDisplay())
        return 1;

    QApplication app(argc, argv);
    benchlist::ReleaseStartupMessages();
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
    if (start.findWords)
        benchlist::ShowFindWindow(*start.findWords);

    const int status = QApplication::exec();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    forms.DestroyAll();
    benchlist::ClosePageMemory(); // the pages opened last are written before the end
    return status;
}
