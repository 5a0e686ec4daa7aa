// SPDX-FileCopyrightText: 2026 Veldmark
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "widgets/forms/pictures.h"

#include "translation/language.h"
#include "widgets/forms/twips.h"

#include <QAccessibleWidget>
#include <QCoreApplication>
#include <QFile>
#include <QHash>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>

#include <optional>

namespace benchlist {

namespace {

std::optional<QCursor> &SharedHand()
{
    static std::optional<QCursor> hand;
    return hand;
}

QHash<QString, QPixmap> &DecodedPictures()
{
    static QHash<QString, QPixmap> pictures;
    return pictures;
}

} // namespace

// Qt's pixmap cache, which would keep a picture read from a file, is off (the
// program turns it off at start, in SetUpApplication), so the few pictures the
// windows share are kept here instead: each is read and decoded once, however
// many windows and buttons show it. They go with the application object, as
// pixmaps must.
QPixmap Picture(const QString &resource)
{
    QHash<QString, QPixmap> &pictures = DecodedPictures();
    auto found = pictures.constFind(resource);
    if (found == pictures.constEnd()) {
        if (pictures.isEmpty())
            qAddPostRoutine([] { DecodedPictures().clear(); });
        found = pictures.insert(resource, QPixmap(resource));
    }
    return *found;
}

QByteArray InLanguage(const char *resource)
{
    const QString language = LoadedLanguage();
    const QByteArray english(resource);
    if (language.isEmpty() || !english.startsWith(":/"))
        return english;
    const QByteArray translated = ":/" + language.toLatin1() + "/" + english.mid(2);
    return QFile::exists(QString::fromLatin1(translated)) ? translated : english;
}

// Made once and shared: turning the picture into a cursor costs more than
// building the button it is for. It goes with the application object, as the
// pictures in it must.
QCursor HandCursor()
{
    std::optional<QCursor> &hand = SharedHand();
    if (!hand) {
        hand.emplace(Picture(QStringLiteral(":/hand-cursor.png")), 6, 0);
        qAddPostRoutine([] { SharedHand().reset(); });
    }
    return *hand;
}

namespace {

// Gives each widget it watches the hand as the pointer first enters, then lets it be.
class HandOnEntry : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Enter && watched->isWidgetType()) {
            static_cast<QWidget *>(watched)->setCursor(HandCursor());
            watched->removeEventFilter(this);
        }
        return false;
    }
};

} // namespace

void ShowHandOver(QWidget *widget)
{
    // One for every widget, going with the application object as the hand does.
    static QPointer<HandOnEntry> filter;
    if (!filter)
        filter = new HandOnEntry(QCoreApplication::instance());
    widget->installEventFilter(filter);
}

ClickablePicture::ClickablePicture(QWidget *parent) : QLabel(parent)
{
    setFocusPolicy(Qt::StrongFocus);
    ShowHandOver(this);
}

void ClickablePicture::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
    QLabel::mouseReleaseEvent(event);
}

void ClickablePicture::keyPressEvent(QKeyEvent *event)
{
    const int key = event->key();
    const bool plain =
        (event->modifiers() & ~Qt::KeyboardModifiers(Qt::KeypadModifier)) == Qt::NoModifier;
    if (!plain || (key != Qt::Key_Return && key != Qt::Key_Enter && key != Qt::Key_Space)) {
        QLabel::keyPressEvent(event);
        return;
    }
    // A key held down clicks once, as a button held down does.
    if (!event->isAutoRepeat())
        emit clicked();
    event->accept();
}

void ClickablePicture::paintEvent(QPaintEvent *event)
{
    QLabel::paintEvent(event);
    if (!hasFocus())
        return;
    // A wide frame in the highlight colour over the picture's edge, inside its
    // own border line if it has one, so that it shows on light and dark pictures.
    QPainter painter(this);
    constexpr int kWidth = 3;
    painter.setPen(QPen(palette().color(QPalette::Highlight), kWidth, Qt::SolidLine, Qt::SquareCap,
                        Qt::MiterJoin));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(
        QRectF(contentsRect()).adjusted(kWidth / 2.0, kWidth / 2.0, -kWidth / 2.0, -kWidth / 2.0));
}

namespace {

class ClickablePictureAccessible : public QAccessibleWidget {
public:
    explicit ClickablePictureAccessible(ClickablePicture *picture)
        : QAccessibleWidget(picture, QAccessible::Button)
    {
    }

    QStringList actionNames() const override
    {
        return QStringList{pressAction()} + QAccessibleWidget::actionNames();
    }

    void doAction(const QString &action) override
    {
        if (action == pressAction())
            emit static_cast<ClickablePicture *>(widget())->clicked();
        else
            QAccessibleWidget::doAction(action);
    }
};

} // namespace

QAccessibleInterface *ClickablePicture::Accessible(const QString &className, QObject *object)
{
    auto *picture = qobject_cast<ClickablePicture *>(object);
    const bool own = picture && className == QLatin1String(staticMetaObject.className());
    return own ? new ClickablePictureAccessible(picture) : nullptr;
}

namespace {

void SetUpPicture(QLabel *picture, const char *name, const char *resource, const Box &box)
{
    picture->setObjectName(QLatin1String(name));
    picture->setPixmap(Picture(QLatin1String(resource)));
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
