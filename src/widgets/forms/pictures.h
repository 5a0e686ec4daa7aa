// SPDX-FileCopyrightText: 2026 Veldmark
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Pictures, labels and the pointing-hand cursor, placed by twips.
#pragma once

#include "base/geometry.h"
#include "widgets/forms/fonts.h"

#include <QColor>
#include <QCursor>
#include <QLabel>
#include <QPixmap>

class QAccessibleInterface;

namespace benchlist {

// The hand whose index fingertip is the hot spot, over everything clickable.
QCursor HandCursor();

// Shows the hand over `widget` from the moment the pointer first enters it:
// no frame shows the pointer's shape, so the hand is not made before the
// first frame, and it is in place before the pointer rests anywhere on it.
void ShowHandOver(QWidget *widget);

// A picture of the program's resources (":/name"), decoded once and shared.
QPixmap Picture(const QString &resource);

// A picture with words on it in the language loaded, where it is drawn in that
// language (":/de/banner-gift.jpg" for ":/banner-gift.jpg"), else the English one.
// Only that one is ever decoded.
QByteArray InLanguage(const char *resource);

// A picture that reports a click of the left mouse button, and works from the
// keyboard as a button does: it takes the focus, shows a frame while it has it,
// and Enter or Space click it. Screen readers meet it as a button named by its
// accessible name, with a press action that clicks it.
class ClickablePicture : public QLabel {
    Q_OBJECT

public:
    explicit ClickablePicture(QWidget *parent);

    // Describes clickable pictures to screen readers. For QAccessible::installFactory.
    static QAccessibleInterface *Accessible(const QString &className, QObject *object);

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
};

// A picture at its natural size, top-left in its box, drawn under later controls.
QLabel *AddPicture(QWidget *parent, const char *name, const char *resource, const Box &box);
ClickablePicture *AddClickablePicture(QWidget *parent, const char *name, const char *resource,
                                      const Box &box);

struct LabelLook {
    QFont font;
    QColor colour = Qt::black;
    Qt::Alignment alignment = Qt::AlignHCenter | Qt::AlignTop;
    // One line, the box grown or shrunk to the text; otherwise the text wraps in the box.
    bool sizeToFit = true;
};

QLabel *AddLabel(QWidget *parent, const char *name, const QString &text, const Box &box,
                 const LabelLook &look);

} // namespace benchlist
