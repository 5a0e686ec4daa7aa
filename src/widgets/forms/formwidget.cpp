// SPDX-FileCopyrightText: 2026 Veldmark
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "widgets/forms/formwidget.h"

#include "widgets/forms/fonts.h"
#include "widgets/forms/twips.h"

#include <QAccessibleWidget>
#include <QApplication>
#include <QPalette>
#include <QTimer>
#include <QWindow>

namespace benchlist {

void PrepareWindow(QWidget *window, std::string_view name)
{
    window->setObjectName(QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())));
    QPalette palette = window->palette();
    palette.setColor(QPalette::Window, Qt::white);
    window->setPalette(palette);
    window->setAutoFillBackground(true);
    window->setFont(DefaultFont());
}

void PlaceWindow(QWidget *window, int topTwips, int leftTwips)
{
    window->move(Px(leftTwips), Px(topTwips));
}

void KeepOuterSize(QWidget *window, int widthTwips, int heightTwips, bool resizable)
{
    if (window->windowState() & (Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen))
        return;
    // Until the window is on screen its frame is unknown, and resizing it then
    // makes some window managers drop the position it asked for.
    if (!window->windowHandle() || !window->windowHandle()->isExposed())
        return;
    const QSize frame = window->frameGeometry().size() - window->geometry().size();
    // Qt's own title bar on Wayland is gone in full screen and comes back a
    // moment after it; without it the frame is not known.
    if (frame.isNull() && OnWayland())
        return;
    const QSize client = PxSize(widthTwips, heightTwips) - frame;
    if (resizable) {
        if (window->size() != client)
            window->resize(client);
    } else if (window->minimumSize() != client || window->maximumSize() != client) {
        window->setFixedSize(client);
    }
}

void ActivateWindow(QWidget *window)
{
    window->raise();
    window->activateWindow();
}

bool OnWayland()
{
    return QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

void OpenNearMainWindow(QWidget *window)
{
    if (!OnWayland())
        return;
    for (QWidget *main : QApplication::topLevelWidgets()) {
        if (main != window && main->objectName() == QLatin1String(kMainWindowName)
            && main->windowHandle()) {
            window->winId();
            window->windowHandle()->setTransientParent(main->windowHandle());
            return;
        }
    }
}

namespace {

// Whether the window is maximised or full screen, or is still at the size the
// compositor gave for that after the window has asked to be normal again: the
// compositor's answer brings the normal size.
bool FillsScreen(const QWidget *window)
{
    if (window->windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen))
        return true;
    const QWindow *handle = window->windowHandle();
    const QSize frame = handle->frameGeometry().size();
    const QSize screen = handle->screen()->size();
    return frame.width() >= screen.width() || frame.height() >= screen.height();
}

} // namespace

// A window of fixed size takes whatever size the compositor gives with its
// maximised or full-screen state, then asks at once to be a normal window again,
// where it holds its own size. Its widget keeps the fixed size throughout: only
// the platform window is let grow, and it is brought back when it comes back
// larger, as after the compositor's title bar made way for the full screen.
void FollowCompositor(QWidget *window, QEvent::Type type)
{
    QWindow *handle = window->windowHandle();
    if (!handle || window->minimumSize() != window->maximumSize())
        return;
    handle->setMaximumSize(QSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX));
    if (FillsScreen(window)) {
        if (type == QEvent::WindowStateChange)
            QTimer::singleShot(0, window, &QWidget::showNormal);
    } else if (!(window->windowState() & Qt::WindowMinimized)
               && handle->size() != window->minimumSize()) {
        handle->resize(window->minimumSize());
    }
}

namespace {

// The interface may be asked for while the widget is still being built, before
// it is known to be one of the program's windows, so the role is found anew
// each time: any top-level window or dialog made of a plain widget is a window.
class PlainWidgetAccessible : public QAccessibleWidget {
public:
    explicit PlainWidgetAccessible(QWidget *widget) : QAccessibleWidget(widget) {}

    QAccessible::Role role() const override
    {
        const Qt::WindowType type = widget()->windowType();
        if (widget()->isWindow() && (type == Qt::Window || type == Qt::Dialog))
            return QAccessible::Window;
        return QAccessibleWidget::role();
    }
};

} // namespace

QAccessibleInterface *WindowAccessible(const QString &className, QObject *object)
{
    if (className == QLatin1String("QWidget") && object && object->isWidgetType())
        return new PlainWidgetAccessible(static_cast<QWidget *>(object));
    return nullptr;
}

} // namespace benchlist
