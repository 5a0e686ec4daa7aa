// An editable drop-down that reports user actions the way category windows
// need them: Change for every edit the user makes to the text, Click for every
// item chosen in the open list or stepped to with Up and Down. Filling it in
// reports nothing, and nothing else (Enter, leaving the field, the mouse wheel)
// chooses an item or rewrites the text.
#pragma once

#include <QComboBox>
#include <QStringList>

namespace benchlist {

class DropDown : public QComboBox {
    Q_OBJECT

public:
    DropDown(const QString &initialText, const QStringList &items, QWidget *parent = nullptr);

    // Shows `text` as if the window had been loaded with it: reports nothing,
    // and Up and Down step on from it when it is an item.
    void PutText(const QString &text);

signals:
    void Change();
    void Click();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;
    void hidePopup() override;

private:
    void ChooseItem(int index);
    void OnEdited();
    void OnActivated(int index);

    // The item last chosen, or -1 while the text is no item chosen from the list.
    int chosen_ = -1;
    // Set while the open list is closing on a choice, so that only that
    // activation counts as one.
    bool closingOnChoice_ = false;
};

} // namespace benchlist
