// SPDX-FileCopyrightText: 2026 Veldmark
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/commandline.h"
#include "app/start.h"
#include "core/windowmodel.h"
#include "settings/settings.h"
#include "translation/language.h"
#include "usage/sharedusage.h"
#include "widgets/forms/fonts.h"
#include "widgets/forms/formwidget.h"
#include "widgets/shell/findwindow.h"
#include "widgets/shell/forms.h"

#include <QApplication>

#include <cstdio>

int main(int argc, char **argv)
{
    benchlist::LoadTranslations(); // the session's language, for every answer and window
    benchlist::FollowRememberSwitch();
    benchlist::SayInSessionLanguage();
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    const benchlist::CommandLine line = benchlist::ReadCommandLine(arguments);
    if (!line.error.isEmpty()) {
        std::fprintf(stderr, "benchlist: %s\n", line.error.toLocal8Bit().constData());
        return 2;
    }
    // The shop --shop names is this run's alone; the chosen one is left as it is.
    if (line.shop.isEmpty())
        benchlist::ApplyChosenShop();
    else
        benchlist::SetActiveShop(*benchlist::BuiltInShop(line.shop.toStdString()));
    // The answers on standard output need no display.
    if (line.option && line.option->answer)
        return line.option->answer(line.words);

    // Qt is given its own words alone, and takes out those it knows.
    benchlist::QtArguments qtArguments(line.qtArguments);
    benchlist::PrepareDisplay(line.qtArguments);
    QApplication app(qtArguments.Count(), qtArguments.Words());
    benchlist::DisplayOpened();
    if (const char *unexpected = qtArguments.Unexpected()) {
        const QString error = benchlist::UnexpectedArgument(QString::fromLocal8Bit(unexpected));
        std::fprintf(stderr, "benchlist: %s\n", error.toLocal8Bit().constData());
        return 2;
    }
    benchlist::SetUpApplication(benchlist::DefaultFont());
    benchlist::ExitAfterFirstFrameIfAsked();

    benchlist::WindowModel &forms = benchlist::Forms();
    benchlist::RegisterForms(forms);
    forms.SetLastWindowGone([] { QCoreApplication::quit(); });
    forms.Show(benchlist::kMainWindowName);
    if (!line.words.isEmpty())
        benchlist::ShowFindWindow(line.words.first());

    const int status = QApplication::exec();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    forms.DestroyAll();
    benchlist::CloseSharedUsageStore(); // the pages opened last are written before the end
    return status;
}
