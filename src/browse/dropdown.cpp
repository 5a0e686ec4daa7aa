#include "browse/dropdown.h"

#include <QAbstractItemView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTimer>
#include <QWheelEvent>

namespace benchlist {

DropDown::DropDown(const QString &initialText, const QStringList &items, QWidget *parent)
    : QComboBox(parent)
{
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
    setCompleter(nullptr);
    setMaxVisibleItems(8);
    addItems(items);
    // Filling the list leaves item 0 current; the field must show the initial
    // text, and a caption that is no item must not count as a choice.
    setEditText(initialText);
    chosen_ = static_cast<int>(items.indexOf(initialText));

    // Qt turns Enter and leaving the field into choices of an equal item and
    // rewrites the text to that item's case; the field keeps what was typed.
    disconnect(lineEdit(), &QLineEdit::returnPressed, this, nullptr);
    disconnect(lineEdit(), &QLineEdit::editingFinished, this, nullptr);

    connect(lineEdit(), &QLineEdit::textEdited, this, &DropDown::OnEdited);
    connect(this, &QComboBox::activated, this, &DropDown::OnActivated);
}

void DropDown::PutText(const QString &text)
{
    setEditText(text);
    chosen_ = findText(text);
}

void DropDown::OnEdited()
{
    chosen_ = -1;
    emit Change();
}

void DropDown::hidePopup()
{
    // The list closes before it reports the chosen item; remember that this
    // activation, and only this one, comes from the list.
    if (view() && view()->isVisible()) {
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
    if (currentText() != itemText(index))
        setEditText(itemText(index));
    emit Click();
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
