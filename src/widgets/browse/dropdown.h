// SPDX-FileCopyrightText: 2026 Veldmark
//
// SPDX-License-Identifier: GPL-3.0-or-later

// An editable drop-down that reports user actions the way category windows
// need them: Change for every edit the user makes to the text, Click for every
// item chosen in the open list or stepped to with Up and Down. Filling it in
// reports nothing, and nothing else (Enter, leaving the field, the mouse wheel)
// chooses an item or rewrites the text. Its initial text is its caption: screen
// readers announce the drop-down by it whatever the field shows. Arriving in it
// leaves its text as it is, unselected, so that a screen reader hears the
// drop-down once rather than the text selected on the way in and unselected on
// the way out.
#pragma once

#include <QComboBox>
#include <QStringList>

class QAbstractItemView;
class QAccessibleInterface;

namespace benchlist {

class DropDown : public QComboBox {
    Q_OBJECT

public:
    DropDown(const QString &initialText, const QStringList &items, QWidget *parent = nullptr);

    // Shows `text` and reports nothing; when it is an item it counts as chosen,
    // so that Up and Down step on from it.
    void PutText(const QString &text);

    // Describes drop-downs to screen readers: named by their caption, valued by
    // their text. For QAccessible::installFactory.
    static QAccessibleInterface *Accessible(const QString &className, QObject *object);

    // The list, named by the caption like the drop-down. Qt makes it the first
    // time it is needed (opened, or asked for by a screen reader), not before.
    QAbstractItemView *List() const;

    void showPopup() override;
    void hidePopup() override;

signals:
    void Change();
    void Click();

protected:
    void focusInEvent(QFocusEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;

private:
    // Shows `text` from its first character, whatever its length.
    void ShowText(const QString &text);
    void ChooseItem(int index);
    void OnEdited();
    void OnActivated(int index);

    // The item last chosen, or -1 while the text is no item chosen from the list.
    int chosen_ = -1;
    // The program put the text in and the caret at its start, to show it from there.
    bool caretWaitsAtStart_ = false;
    // Set while the open list is closing on a choice, so that only that
    // activation counts as one.
    bool closingOnChoice_ = false;
    // Whether the list has been made yet.
    mutable bool listMade_ = false;
};

} // namespace benchlist
