// SPDX-FileCopyrightText: 2026 Veldmark
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "widgets/shell/forms.h"

#include "catalogue/catalogue.h"
#include "widgets/browse/categorywindow.h"
#include "widgets/browse/dropdown.h"
#include "widgets/forms/formwidget.h"
#include "widgets/forms/pictures.h"
#include "widgets/shell/aboutwindow.h"
#include "widgets/shell/exitwindow.h"
#include "widgets/shell/findwindow.h"
#include "widgets/shell/instructionswindow.h"
#include "widgets/shell/mainwindow.h"

#include <QAccessible>

namespace benchlist {

void RegisterForms(WindowModel &model)
{
    // Before any window exists, so that screen readers meet every window and
    // control of the program as what it is.
    QAccessible::installFactory(&WindowAccessible);
    QAccessible::installFactory(&ClickablePicture::Accessible);
    QAccessible::installFactory(&DropDown::Accessible);
    QAccessible::installFactory(&FindWindow::Accessible);
    model.Register(kMainWindowName, [] { return std::make_unique<MainWindow>(); });
    model.Register("frmExit", [] { return std::make_unique<ExitWindow>(); });
    model.Register("frmAbout", [] { return std::make_unique<AboutWindow>(); });
    model.Register("frmInstructions", [] { return std::make_unique<InstructionsWindow>(); });
    model.Register(kFindWindowName, [] { return std::make_unique<FindWindow>(); });
    for (const CategoryData *data : catalogue::kWindows)
        model.Register(data->name, [data] { return std::make_unique<CategoryWindow>(*data); });
}

} // namespace benchlist
