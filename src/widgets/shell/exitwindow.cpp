// SPDX-FileCopyrightText: 2026 Veldmark
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "widgets/shell/exitwindow.h"

#include "base/project.h"
#include "core/addresses.h"
#include "widgets/forms/openpage.h"
#include "widgets/forms/pictures.h"
#include "widgets/forms/twips.h"
#include "widgets/shell/greybutton.h"

namespace benchlist {

ExitWindow::ExitWindow() : FormWidget<QWidget>("frmExit")
{
    setWindowFlags(kFixedSingleFrame);
    setWindowTitle(tr("Thankyou for using Wishtrail"));
    setFixedSize(PxSize(7380, 4305));

    AddPicture(this, "Image3", ":/exit-title.jpg", {773, 0, 5835, 1035});
    AddPicture(this, "Image4", ":/sibling-title.jpg", {1320, 2640, 4785, 1005});
    // The bar starts left of the window and ends past its right and lower edges,
    // so it shows as a grey band across the whole foot of the window.
    QPushButton *go = AddGreyButton(this, "cmdGO", tr("Visit Veldmark Click Here"),
                                    {-397, 3960, 8175, 375}, DefaultFont());
    connect(go, &QPushButton::clicked, this, [this] { cmdGO_Click(); });
    AddLabel(this, "lblTY",
             tr("We Hope You Enjoy Using Benchlist. Please check for updates often. We are "
                "working hard to bring exciting new features and advanced searching technology "
                "to better serve you. To check for updates now simply click the link below"),
             {330, 1200, 6735, 1455}, {.font = LayoutFont(Face::Verdana, 12), .sizeToFit = false});
    AddLabel(this, "lblExitVersion", tr("Version %1").arg(QStringLiteral(BENCHLIST_VERSION)),
             {5640, 840, 825, 195}, {.font = DefaultFont()});
    AddLabel(this, "Label1",
             tr("Have You Tried Our Wishtrail? Easily Find The Perfect Gift On Ebay "
                "For Your Loved Ones"),
             {480, 3600, 6495, 195}, {.font = DefaultFont()});
    go->setFocus();
}

void ExitWindow::cmdGO_Click()
{
    OpenPageFrom(this, HomePageUrl);
}

} // namespace benchlist
