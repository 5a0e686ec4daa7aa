// SPDX-FileCopyrightText: 2026 Veldmark
//
// SPDX-License-Identifier: GPL-3.0-or-later

// What every window suite shares: the windows driven offscreen through their
// widgets, with the opener replaced by a recorder.
#pragma once

#include "widgets/shell/forms.h"

#include <QObject>
#include <QPoint>
#include <QStringList>
#include <QWidget>

#include <utility>

namespace benchlist::testing {

QWidget *Window(const char *name);

template <class T = QWidget> T *Control(const char *window, const char *name)
{
    QWidget *form = Window(window);
    return form ? form->findChild<T *>(QLatin1String(name)) : nullptr;
}

// Lets deferred deletions of unloaded windows happen.
void Flush();

QPoint OuterCorner(QWidget *window);

// Waits for the window to become the active one; a window that never opened
// fails the check instead of crashing the suite.
bool BecomesActive(QWidget *window);

// The focused control's name, then the name of each one that Tab moves on to:
// `count` names in all, fewer when the focus goes nowhere.
QStringList TabWalk(qsizetype count);

// Each suite derives its test class from this one. Every test starts with the
// main window shown and active, and ends with every window destroyed.
class WindowsFixture : public QObject {
    Q_OBJECT

protected:
    QStringList opened_;
    QStringList unloaded_;
    int ends_ = 0;
    bool handedOver_ = true; // what the recorder answers

    void ClickButton(const char *window, const char *name);
    QStringList Opened() { return std::exchange(opened_, {}); }

private slots:
    void initTestCase();
    void init();
    void cleanup();
};

} // namespace benchlist::testing
