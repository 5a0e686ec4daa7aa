// SPDX-FileCopyrightText: 2026 Veldmark
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "widgets/forms/openpage.h"

#include "core/aboutnet.h"
#include "widgets/forms/qtstrings.h"

#include <QMessageBox>
#include <QWidget>

namespace benchlist {

QString PageNotOpened::Line()
{
    return tr("The page could not be opened: xdg-open, which hands pages to the web browser, "
              "could not be started.");
}

void PageNotOpened::Show(QWidget *window, std::string_view address)
{
    const QString name = QStringLiteral("msgPageNotOpened");
    auto *box = window->findChild<QMessageBox *>(name, Qt::FindDirectChildrenOnly);
    if (!box) {
        box = new QMessageBox(QMessageBox::Warning, tr("Page Not Opened"), {}, QMessageBox::Ok,
                              window);
        box->setObjectName(name);
        // A note, not a question: the window behind goes on taking clicks and
        // keys, and a screen reader hears the note as an alert.
        box->setModal(false);
        box->setWindowModality(Qt::NonModal);
        box->setAttribute(Qt::WA_ShowWithoutActivating);
        box->setAttribute(Qt::WA_DeleteOnClose);
        box->setTextInteractionFlags(Qt::TextSelectableByMouse);
    }
    box->setText(Line());
    box->setInformativeText(
        tr("Installing the package xdg-utils may help. The page's address, to open it "
           "yourself:\n%1")
            .arg(ToQString(address)));
    box->show();
    box->raise();
}

bool OpenPageFrom(QWidget *window, std::string_view address)
{
    const bool handedOver = OpenPage(address);
    if (!handedOver)
        PageNotOpened::Show(window, address);
    return handedOver;
}

} // namespace benchlist
