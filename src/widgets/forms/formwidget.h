// SPDX-FileCopyrightText: 2026 Veldmark
//
// SPDX-License-Identifier: GPL-3.0-or-later

// A window of the program: a Qt top-level widget that the window model loads,
// shows and unloads by name.
#pragma once

#include "core/windowmodel.h"

#include <QCloseEvent>
#include <QEvent>
#include <QString>
#include <QWidget>
#include <QWindow>

#include <string>
#include <string_view>

class QAccessibleInterface;

namespace benchlist {

// The main window's name, by which the window model and the windows know it.
inline constexpr char kMainWindowName[] = "frmMain";

// Fixed single border with a close box only: no resizing, minimising or maximising.
inline constexpr Qt::WindowFlags kFixedSingleFrame =
    Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
    | Qt::WindowCloseButtonHint;

// Gives a window the white background and default font of every window of the program.
void PrepareWindow(QWidget *window, std::string_view name);

// Describes the program's plain-widget windows to screen readers as windows
// (frames) named by their title, which Qt would otherwise leave as anonymous
// panes. For QAccessible::installFactory.
QAccessibleInterface *WindowAccessible(const QString &className, QObject *object);

// Places the window's outer top-left corner (frame included), in twips from the screen's.
void PlaceWindow(QWidget *window, int topTwips, int leftTwips);

// Brings the window's outer size, frame and title bar included, back to the given
// size unless it is minimised or maximised. `resizable` windows keep their border
// usable for maximising; the others are pinned at that size.
void KeepOuterSize(QWidget *window, int widthTwips, int heightTwips, bool resizable);

void ActivateWindow(QWidget *window);

// Whether the windows are on a Wayland compositor, which places them itself.
bool OnWayland();

// On Wayland, opens the window near the main window, the one way to ask a
// compositor for a place relative to another window. Elsewhere the window's own
// placement stands. Call before the window is first shown.
void OpenNearMainWindow(QWidget *window);

// Keeps a window of fixed size usable on Wayland, where the compositor may
// maximise any window or fill the screen with it and drops the connection when
// a maximised window does not then take the size it gives. For Wayland only.
void FollowCompositor(QWidget *window, QEvent::Type type);

template <class Base> class FormWidget : public Base, public Form {
public:
    explicit FormWidget(std::string_view name) : name_(name) { PrepareWindow(this, name); }

    void MakeVisible() override { this->show(); }
    void GiveFocus() override { ActivateWindow(this); }

    // A window is often unloaded from inside one of its own handlers, so it
    // leaves the screen now and is deleted once that handler has returned.
    void Destroy() override
    {
        this->hide();
        this->deleteLater();
    }

    const std::string &name() const { return name_; }

    // Runs on every change of size; a window with a fixed outer size restores it here.
    virtual void Form_Resize() {}

protected:
    bool event(QEvent *event) override
    {
        const bool handled = Base::event(event);
        switch (event->type()) {
        case QEvent::Resize:
        case QEvent::WindowStateChange:
        case QEvent::Show:
        // A window manager that frames the window late reports it as a move.
        case QEvent::Move:
            Form_Resize();
            if (OnWayland())
                FollowCompositor(this, event->type());
            break;
        default:
            break;
        }
        if (event->type() == QEvent::Show && this->windowHandle())
            this->windowHandle()->installEventFilter(this);
        return handled;
    }

    // The first exposure is when the frame is known and the outer size can be set.
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched == this->windowHandle() && event->type() == QEvent::Expose) {
            Form_Resize();
            if (OnWayland())
                FollowCompositor(this, event->type());
        }
        return Base::eventFilter(watched, event);
    }

    // The close box, the system menu and Alt+F4 unload the window through the
    // model, which hides and deletes it itself.
    void closeEvent(QCloseEvent *event) override
    {
        event->ignore();
        Forms().Unload(name_);
    }

private:
    std::string name_;
};

} // namespace benchlist
