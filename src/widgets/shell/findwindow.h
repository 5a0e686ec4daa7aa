// The find window: words in, categories out. Each result names its window and
// drop-down; Enter opens its page, Alt+Enter shows it in its own window.
#pragma once

#include "widgets/forms/formwidget.h"

#include <QWidget>

class QLabel;
class QLineEdit;
class QListView;

namespace benchlist {

struct FindRecord;
class FindResults;

class FindWindow : public FormWidget<QWidget> {
public:
    FindWindow();

    void Form_Load() override;
    void GiveFocus() override;

    void txtFind_Change();
    void cmdOpen_Click();
    void cmdShow_Click();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    const FindRecord *Selected() const;

    QLineEdit *field_;
    QListView *list_;
    QLabel *count_;
    FindResults *results_;
};

} // namespace benchlist
