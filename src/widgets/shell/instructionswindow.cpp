// SPDX-FileCopyrightText: 2026 Veldmark
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "widgets/shell/instructionswindow.h"

#include "widgets/forms/pictures.h"
#include "widgets/forms/twips.h"

namespace benchlist {

namespace {

LabelLook Paragraph()
{
    return {.font = DefaultFont(), .alignment = Qt::AlignLeft | Qt::AlignTop, .sizeToFit = false};
}

} // namespace

// The texts of this and the other windows are the program's own, slips and all
// ("sytem", "effecient", "Benchlistt", "Thankyou", the catalogue's "Prnters"):
// users know them so, and catalogue pages answer to them as they stand. They
// are kept on purpose; do not correct them.
InstructionsWindow::InstructionsWindow() : FormWidget<QWidget>("frmInstructions")
{
    setWindowFlags(kFixedSingleFrame);
    setWindowTitle(tr("Instructions"));
    setFixedSize(PxSize(10440, 5040));

    AddPicture(this, "Image4", ":/instructions-title.jpg", {0, 0, 7035, 1275});
    AddLabel(
        this, "lblInfo",
        tr("Using Benchlist is easy. Simply select from the main categories for the type of "
           "equipment you are looking for. Another sub menu will appear where you can choose "
           "from pre-selected items. Select a category here and your web browser will open with "
           "the latest results queried. Our constant evolving search technology will provide "
           "you with more direct results to the exact piece of computer equipment you are "
           "looking for. We weed out as much irrelevant items as possible and design the sytem "
           "to find the pieces of equipment you are looking for. Thus providing you with a quick "
           "and effecient way of finding the item with just a click of your mouse. Easily browse "
           "all the computer categories on Ebay without tedious work done straight from your "
           "browser."),
        {120, 1560, 10095, 1335}, Paragraph());
    AddLabel(this, "lblReq", tr("Requirements"), {120, 4320, 1185, 195},
             {.font = LayoutFont(Face::SansSerif, 8.25, {.bold = true})});
    AddLabel(this, "Label1",
             tr("You will need to be connected to the internet and have a internet web browser. "
                "Benchlist will use the web browser you have set up as default. For the time "
                "left on auctions to be displayed in your browser, a javascript capible browser "
                "is required."),
             {120, 4560, 10095, 375}, Paragraph());
    AddLabel(this, "Label2",
             tr("We are constantly upgrading our Benchlist service and have lots of "
                "new ideas to implement. Be sure to look for new versions often."),
             {120, 2880, 10095, 255}, Paragraph());
    AddLabel(
        this, "Label3",
        tr("Benchlistt is completely anonymous to use. We have no concerns or installed methods "
           "of monitoring your use of our program. You have complete privacy. We have no way to "
           "identify who is using our program, nor do we care. We hope you are using it and hope "
           "it helps you find items quickly and effeciently. That is our goal. Thankyou for "
           "trying Benchlist. We do love to hear feedback from our users. You can stop by our "
           "web site and send in feedback anytime. Please tell us when you have used our "
           "software and found that perfect gift. We love real testimonies from our users. Thank "
           "You and God Bless you and your family."),
        {120, 3240, 10095, 975}, Paragraph());
    AddLabel(this, "lblElim", tr("Computer Auction Shopping Made Easy"), {7800, 200, 2205, 915},
             {.font = LayoutFont(Face::Serif, 13.5, {.italic = true}),
              .colour = QColor(128, 0, 0),
              .alignment = Qt::AlignHCenter | Qt::AlignTop,
              .sizeToFit = false});
}

} // namespace benchlist
