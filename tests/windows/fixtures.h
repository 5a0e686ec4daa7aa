// SPDX-FileCopyrightText: 2026 Veldmark
//
// SPDX-License-Identifier: GPL-3.0-or-later

// What every window suite shares: the windows driven offscreen through their
// widgets, with the opener replaced by a recorder.
#pragma once

#include "widgets/shell/forms.h"

#include <QMap>
#include <QObject>
#include <QPoint>
#include <QStringList>
#include <QTranslator>
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

// What a window says, by control: its title, its labels' and buttons' texts as
// drawn, and what tooltips, screen readers and empty fields say, its menus
// too. A drop-down says its caption, unless that stays English; its items,
// the catalogue's, are left out.
QMap<QString, QString> Sayings(QWidget *window);

// Every text a translation gives while installed: a text that reads as in
// English is no English left over when the translation gave it on purpose
// ("Version %1" in German). It gives nothing itself.
class TranslationWitness : public QTranslator {
public:
    explicit TranslationWitness(const QString &language);
    QString translate(const char *context, const char *source, const char *disambiguation,
                      int n) const override;
    bool Gave(const QString &text) const;

private:
    QTranslator own_;
    mutable QStringList given_;
};

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
