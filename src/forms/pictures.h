// Pictures, labels and the pointing-hand cursor, placed by twips.
#pragma once

#include "browse/categorydata.h"
#include "forms/fonts.h"

#include <QColor>
#include <QCursor>
#include <QLabel>
#include <QPixmap>

namespace benchlist {

// The hand whose index fingertip is the hot spot, over everything clickable.
QCursor HandCursor();

// A picture that reports a click of the left mouse button.
class ClickablePicture : public QLabel {
    Q_OBJECT

public:
    using QLabel::QLabel;

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent *event) override;
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
