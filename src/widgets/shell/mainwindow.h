// SPDX-FileCopyrightText: 2026 Veldmark
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The start-up window: nine category buttons, two banners and the menus.
#pragma once

#include "widgets/forms/formwidget.h"

#include <QCoreApplication>
#include <QMainWindow>

class QMenu;

namespace benchlist {

class MainWindow : public FormWidget<QMainWindow> {
    Q_DECLARE_TR_FUNCTIONS(MainWindow)

public:
    MainWindow();

    // Writes the bookmark file; a failure is shown in a message box.
    void ExportBookmarksTo(const QString &fileName);

    void cmdApple_Click() { Forms().Show("frmApple"); }
    void cmdComponents_Click() { Forms().Show("frmComponents"); }
    void cmdDeskTops_Click() { Forms().Show("frmDeskTops"); }
    void cmdDrives_Click() { Forms().Show("frmDrives"); }
    void cmdLaptops_Click() { Forms().Show("frmLaptops"); }
    void cmdMonitors_Click() { Forms().Show("frmMonitors"); }
    void cmdNetworking_Click() { Forms().Show("frmNetworking"); }
    void cmdPDA_Click() { Forms().Show("frmPDA"); }
    void cmdPrinters_Click() { Forms().Show("frmPrinters"); }
    void Form_Load() override;
    void Form_Unload() override;
    void Image2_Click();
    void Image3_Click();
    void mnuAbout_Click();
    void mnuExport_Click();
    void mnuExit_Click();
    void mnuFind_Click();
    void Form_Resize() override;
    void mnuInstructions_Click();
    void mnuSendWishtrail_Click();
    void mnuSignup_Click();
    void mnuUpdates_Click();

private:
    void CloseAllWindows();
    void BuildClientArea();
    void AddFindHint(QWidget *client);
    QWidget *AddCategoryButtons(QWidget *client);
    void BuildMenus();
    void BuildRecentMenu(QMenu *file);
    void FillRecentPages(QMenu *recent);
};

} // namespace benchlist
