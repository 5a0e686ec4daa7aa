#include "shell/forms.h"

#include "browse/categorywindow.h"
#include "catalogue/catalogue.h"
#include "shell/aboutwindow.h"
#include "shell/exitwindow.h"
#include "shell/findwindow.h"
#include "shell/instructionswindow.h"
#include "shell/mainwindow.h"

namespace benchlist {

void RegisterForms(WindowModel &model)
{
    model.Register("frmMain", [] { return std::make_unique<MainWindow>(); });
    model.Register("frmExit", [] { return std::make_unique<ExitWindow>(); });
    model.Register("frmAbout", [] { return std::make_unique<AboutWindow>(); });
    model.Register("frmInstructions", [] { return std::make_unique<InstructionsWindow>(); });
    model.Register("frmFind", [] { return std::make_unique<FindWindow>(); });
    for (const CategoryData *data : catalogue::kWindows)
        model.Register(data->name, [data] { return std::make_unique<CategoryWindow>(*data); });
}

} // namespace benchlist
