// SPDX-FileCopyrightText: 2026 Veldmark
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "widgets/browse/dropdown.h"

#include <QAbstractItemView>
#include <QAccessibleWidget>
#include <QCompleter>
#include <QCoreApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPointer>
#include <QTimer>
#include <QWheelEvent>

namespace benchlist {

namespace {

// Qt on Linux names an editable combo box after its text; this one keeps the
// caption as its name and offers the text as its value. Its children are those
// of any combo box: the list (with the items) and the edit field.
class DropDownAccessible : public QAccessibleWidget {
public:
    explicit DropDownAccessible(DropDown *box) : QAccessibleWidget(box, QAccessible::ComboBox) {}

    QString text(QAccessible::Text kind) const override
    {
        if (kind == QAccessible::Value)
            return box()->currentText();
        return QAccessibleWidget::text(kind);
    }

    int childCount() const override { return 2; }

    QAccessibleInterface *child(int index) const override
    {
        if (index == 0)
            return QAccessible::queryAccessibleInterface(box()->List());
        if (index == 1)
            return QAccessible::queryAccessibleInterface(box()->lineEdit());
        return nullptr;
    }

    int indexOfChild(const QAccessibleInterface *child) const override
    {
        if (child->object() == box()->List())
            return 0;
        if (child->object() == box()->lineEdit())
            return 1;
        return -1;
    }

    // The drop-down passes its focus on to the edit field, which holds the caret.
    QAccessibleInterface *focusChild() const override { return child(1); }

    QStringList actionNames() const override
    {
        return QStringList{showMenuAction()} + QAccessibleWidget::actionNames();
    }

    void doAction(const QString &action) override
    {
        if (action != showMenuAction())
            return QAccessibleWidget::doAction(action);
        if (box()->List()->isVisible())
            box()->hidePopup();
        else
            box()->showPopup();
    }

private:
    DropDown *box() const { return static_cast<DropDown *>(widget()); }
};

// Stands in for a field's completer while the field is handed to the drop-down,
// so that none is made for it; the drop-down then takes it out again.
QCompleter *PlaceholderCompleter()
{
    static QPointer<QCompleter> placeholder;
    if (!placeholder)
        placeholder = new QCompleter(QCoreApplication::instance());
    return placeholder;
}

} // namespace

QAccessibleInterface *DropDown::Accessible(const QString &className, QObject *object)
{
    if (className == QLatin1String(staticMetaObject.className()))
        if (auto *box = qobject_cast<DropDown *>(object))
            return new DropDownAccessible(box);
    return nullptr;
}

DropDown::DropDown(const QString &initialText, const QStringList &items, QWidget *parent)
    : QComboBox(parent)
{
    // Editable without what setEditable(true) would build at once: the list's
    // popup, which Qt makes the first time the list is needed, and a completer
    // that would be dropped right away. Together they are most of the cost of
    // opening a window of many drop-downs.
    auto *field = new QLineEdit(this);
    field->setPalette(palette());
    field->setCompleter(PlaceholderCompleter());
    setLineEdit(field);
    setInsertPolicy(QComboBox::NoInsert);
    setCompleter(nullptr);
    setMaxVisibleItems(8);
    addItems(items);
    // Filling the list leaves item 0 current; the field must show the initial
    // text, which counts as no choice even where it equals an item, so that the
    // first Up or Down chooses item 0.
    ShowText(initialText);
    // The field and the open list are parts of the drop-down and go by its caption.
    setAccessibleName(initialText);
    lineEdit()->setAccessibleName(initialText);

    // Qt turns Enter and leaving the field into choices of an equal item and
    // rewrites the text to that item's case; the field keeps what was typed.
    disconnect(lineEdit(), &QLineEdit::returnPressed, this, nullptr);
    disconnect(lineEdit(), &QLineEdit::editingFinished, this, nullptr);

    connect(lineEdit(), &QLineEdit::textEdited, this, &DropDown::OnEdited);
    connect(lineEdit(), &QLineEdit::cursorPositionChanged, this,
            [this] { caretWaitsAtStart_ = false; });
    connect(this, &QComboBox::activated, this, &DropDown::OnActivated);
}

void DropDown::PutText(const QString &text)
{
    ShowText(text);
    chosen_ = findText(text);
}

void DropDown::ShowText(const QString &text)
{
    setEditText(text);
    // A field scrolls to keep its caret in view, and a text put in leaves the
    // caret at its end: a caption longer than the box would show only its
    // tail ("xternal Hard Drives"). The caret waits at the start, which the
    // field then shows, until the user moves it or edits: an edit still goes
    // on from the end of the text, as it always did.
    lineEdit()->setCursorPosition(0);
    caretWaitsAtStart_ = true;
}

void DropDown::OnEdited()
{
    chosen_ = -1;
    emit Change();
}

QAbstractItemView *DropDown::List() const
{
    QAbstractItemView *list = view();
    if (!listMade_) {
        listMade_ = true;
        list->setAccessibleName(accessibleName());
    }
    return list;
}

void DropDown::showPopup()
{
    List();
    QComboBox::showPopup();
}

void DropDown::hidePopup()
{
    // The list closes before it reports the chosen item; remember that this
    // activation, and only this one, comes from the list. A list never made is
    // not made now just to be found hidden (Qt hides it with the window).
    if (listMade_ && view()->isVisible()) {
        closingOnChoice_ = true;
        QTimer::singleShot(0, this, [this] { closingOnChoice_ = false; });
    }
    QComboBox::hidePopup();
}

void DropDown::OnActivated(int index)
{
    if (!closingOnChoice_)
        return;
    closingOnChoice_ = false;
    ChooseItem(index);
}

void DropDown::ChooseItem(int index)
{
    if (index < 0 || index >= count())
        return;
    chosen_ = index;
    if (currentIndex() != index)
        setCurrentIndex(index);
    ShowText(itemText(index));
    emit Click();
}

void DropDown::focusInEvent(QFocusEvent *event)
{
    // The field would select its whole text when Tab or a shortcut brings the
    // focus, and clear that selection again when the focus leaves; a screen
    // reader speaks both, on top of the drop-down itself. It takes the focus
    // as the mouse would give it instead: the caret stays where it was.
    switch (event->reason()) {
    case Qt::TabFocusReason:
    case Qt::BacktabFocusReason:
    case Qt::ShortcutFocusReason: {
        QFocusEvent plain(event->type(), Qt::OtherFocusReason);
        QComboBox::focusInEvent(&plain);
        return;
    }
    default:
        QComboBox::focusInEvent(event);
        return;
    }
}

void DropDown::keyPressEvent(QKeyEvent *event)
{
    const bool plain = !(event->modifiers() & (Qt::AltModifier | Qt::ControlModifier));
    switch (event->key()) {
    case Qt::Key_Up:
    case Qt::Key_Down:
        if (!plain)
            break;
        if (count() > 0) {
            // From a text that is no chosen item, either key chooses the first item.
            const int step = event->key() == Qt::Key_Down ? 1 : -1;
            const int next = chosen_ < 0 ? 0 : chosen_ + step;
            if (next >= 0 && next < count() && next != chosen_)
                ChooseItem(next);
        }
        event->accept();
        return;
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
        // Only Up and Down choose items from the closed list.
        if (!plain)
            break;
        event->accept();
        return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        // Never adds or chooses an item.
        event->ignore();
        return;
    default:
        // A key that edits (a letter, Backspace, Delete, a paste) starts at the end.
        if (caretWaitsAtStart_ && !event->text().isEmpty() && !lineEdit()->hasSelectedText())
            lineEdit()->end(false);
        break;
    }
    QComboBox::keyPressEvent(event);
}

void DropDown::wheelEvent(QWheelEvent *event)
{
    // Scrolling over a closed drop-down chooses nothing.
    event->ignore();
}

} // namespace benchlist
