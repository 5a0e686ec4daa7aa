// SPDX-FileCopyrightText: 2026 Veldmark
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "widgets/shell/picturebutton.h"

#include "widgets/forms/fonts.h"
#include "widgets/forms/pictures.h"
#include "widgets/forms/qtstrings.h"

#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>

namespace benchlist {

PictureButton::PictureButton(const QString &caption, QWidget *parent)
    : QPushButton(caption, parent), face_(Picture(QStringLiteral(":/button-face.jpg")))
{
    setFont(LayoutFont(Face::Verdana, 11.25, {.bold = true, .italic = true}));
    ShowHandOver(this);
    setAccessibleName(Drawn(caption));
}

void PictureButton::paintEvent(QPaintEvent * /*event*/)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().button());
    const bool pressed = isDown() || !isEnabled();
    // The pressed face waits for the first press: no button shows it at start.
    if (pressed && pressedFace_.isNull())
        pressedFace_ = Picture(QStringLiteral(":/button-face-down.jpg"));
    const QPixmap &face = pressed ? pressedFace_ : face_;
    const QPoint corner((width() - face.width()) / 2, (height() - face.height()) / 2);
    painter.drawPixmap(corner, face);

    const QPoint shift = isDown() ? QPoint(1, 1) : QPoint();
    painter.setPen(isEnabled() ? Qt::black : Qt::darkGray);
    const int mnemonic = style()->styleHint(QStyle::SH_UnderlineShortcut, nullptr, this)
                             ? Qt::TextShowMnemonic
                             : Qt::TextHideMnemonic;
    painter.drawText(rect().translated(shift), Qt::AlignCenter | mnemonic, text());

    // The one-pixel grey frame, as four filled edges: the same pixels a drawn
    // rectangle gives, without stroking an outline for each button.
    const QColor frame(96, 96, 96);
    const QRect r = rect();
    painter.fillRect(r.left(), r.top(), r.width(), 1, frame);
    painter.fillRect(r.left(), r.bottom(), r.width(), 1, frame);
    painter.fillRect(r.left(), r.top() + 1, 1, r.height() - 2, frame);
    painter.fillRect(r.right(), r.top() + 1, 1, r.height() - 2, frame);
    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = rect().adjusted(3, 3, -3, -3);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, this);
    }
}

} // namespace benchlist
