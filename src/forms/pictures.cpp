#include "forms/pictures.h"

#include "forms/twips.h"

#include <QMouseEvent>

namespace benchlist {

QCursor HandCursor()
{
    return QCursor(QPixmap(QStringLiteral(":/hand-cursor.png")), 6, 0);
}

void ClickablePicture::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
    QLabel::mouseReleaseEvent(event);
}

namespace {

void SetUpPicture(QLabel *picture, const char *name, const char *resource, const Box &box)
{
    picture->setObjectName(QLatin1String(name));
    picture->setPixmap(QPixmap(QLatin1String(resource)));
    picture->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    picture->setGeometry(PxRect(box));
}

} // namespace

QLabel *AddPicture(QWidget *parent, const char *name, const char *resource, const Box &box)
{
    auto *picture = new QLabel(parent);
    SetUpPicture(picture, name, resource, box);
    return picture;
}

ClickablePicture *AddClickablePicture(QWidget *parent, const char *name, const char *resource,
                                      const Box &box)
{
    auto *picture = new ClickablePicture(parent);
    SetUpPicture(picture, name, resource, box);
    picture->setCursor(HandCursor());
    return picture;
}

QLabel *AddLabel(QWidget *parent, const char *name, const QString &text, const Box &box,
                 const LabelLook &look)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    label->setTextFormat(Qt::PlainText);
    label->setFont(look.font);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, look.colour);
    palette.setColor(QPalette::Window, Qt::white);
    label->setPalette(palette);
    label->setAutoFillBackground(true);
    label->setAlignment(look.alignment);
    label->setWordWrap(!look.sizeToFit);
    label->setGeometry(PxRect(box));
    if (look.sizeToFit)
        label->resize(label->sizeHint());
    return label;
}

} // namespace benchlist
