#include "shell/forms.h"

#include "browse/categorywindow.h"
#include "browse/dropdown.h"
#include "catalogue/catalogue.h"
#include "forms/formwidget.h"
#include "forms/pictures.h"
#include "shell/aboutwindow.h"
#include "shell/exitwindow.h"
#include "shell/findwindow.h"
#include "shell/instructionswindow.h"
#include "shell/mainwindow.h"

#include <QAccessible>
#include <QGuiApplication>

namespace benchlist {

void RegisterForms(WindowModel &model)
{
    // Before any window exists, so that screen readers meet every window and
    // control of the program as what it is.
    QAccessible::installFactory(&WindowAccessible);
    QAccessible::installFactory(&ClickablePicture::Accessible);
    QAccessible::installFactory(&DropDown::Accessible);
    model.Register("frmMain", [] { return std::make_unique<MainWindow>(); });
    model.Register("frmExit", [] { return std::make_unique<ExitWindow>(); });
    model.Register("frmAbout", [] { return std::make_unique<AboutWindow>(); });
    model.Register("frmInstructions", [] { return std::make_unique<InstructionsWindow>(); });
    model.Register("frmFind", [] { return std::make_unique<FindWindow>(); });
    for (const CategoryData *data : catalogue::kWindows)
        model.Register(data->name, [data] { return std::make_unique<CategoryWindow>(*data); });
}

void NameDesktopEntry()
{
    QGuiApplication::setDesktopFileName(QLatin1String(BENCHLIST_APP_ID));
}

} // namespace benchlist
