// SPDX-FileCopyrightText: 2026 Veldmark
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "widgets/shell/greybutton.h"

#include "widgets/forms/twips.h"

namespace benchlist {

QPushButton *AddGreyButton(QWidget *parent, const char *name, const QString &caption,
                           const Box &box, const QFont &font)
{
    auto *button = new QPushButton(caption, parent);
    button->setObjectName(QLatin1String(name));
    button->setAccessibleName(caption);
    button->setFont(font);
    button->setGeometry(PxRect(box));
    button->setStyleSheet(QStringLiteral(
        "QPushButton { background-color: rgb(224, 224, 224); color: black; border: none; }"
        "QPushButton:pressed { background-color: rgb(200, 200, 200); }"
        "QPushButton:focus { border: 1px dotted black; }"));
    return button;
}

} // namespace benchlist
