// SPDX-FileCopyrightText: 2026 Veldmark
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "widgets/shell/aboutwindow.h"

#include "base/project.h"
#include "core/addresses.h"
#include "widgets/forms/openpage.h"
#include "widgets/forms/pictures.h"
#include "widgets/forms/twips.h"
#include "widgets/shell/greybutton.h"

namespace benchlist {

namespace {
constexpr int kOuterWidth = 9060;
constexpr int kOuterHeight = 2805;
} // namespace

AboutWindow::AboutWindow() : FormWidget<QWidget>("frmAbout")
{
    setWindowTitle(tr("About Wishtrail"));
    resize(PxSize(8940, 2295));

    AddPicture(this, "Image4", ":/title.gif", {120, 120, 5835, 1035});
    AddPicture(this, "Image2", ":/logo.gif", {6600, 120, 2160, 885});
    AddPicture(this, "Image3", ":/marketplace-logo.gif", {6720, 1080, 2160, 885});

    const QFont text = LayoutFont(Face::SansSerif, 9.75);
    AddLabel(this, "lbvVersion", tr("Version %1").arg(QStringLiteral(BENCHLIST_VERSION)),
             {5040, 960, 1005, 240}, {.font = text});
    AddLabel(this, "lblCopy", tr("\u00a9 2026 Veldmark. Free software: GNU GPL 3 or later."),
             {600, 1560, 5055, 240},
             {.font = LayoutFont(Face::SansSerif, 9.75, {.bold = true}),
              .alignment = Qt::AlignLeft | Qt::AlignTop});
    QPushButton *go = AddGreyButton(this, "cmdGoDT", tr("Visit Veldmark"), {0, 1920, 9015, 375},
                                    LayoutFont(Face::SansSerif, 9.75, {.bold = true}));
    connect(go, &QPushButton::clicked, this, [this] { cmdGoDT_Click(); });
    AddLabel(this, "lblJingle", tr("Computer Shopping Made Easy"), {960, 1080, 3405, 240},
             {.font = LayoutFont(Face::SansSerif, 9.75, {.bold = true, .italic = true}),
              .colour = Qt::red});
    go->setFocus();
}

void AboutWindow::cmdGoDT_Click()
{
    OpenPageFrom(this, HomePageUrl);
}

// The controls keep their places whatever the size; only the normal state is held.
void AboutWindow::Form_Resize()
{
    KeepOuterSize(this, kOuterWidth, kOuterHeight, true);
}

} // namespace benchlist
