// SPDX-FileCopyrightText: 2026 Veldmark
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The find window: words in, categories out. Each result names its window and
// drop-down, with the words that matched in bold; Enter opens its page,
// Alt+Enter shows it in its own window, Ctrl+C copies its address.
#pragma once

#include "widgets/forms/formwidget.h"
#include "widgets/shell/findresults.h"

#include <QCoreApplication>
#include <QWidget>

class QLabel;
class QLineEdit;
class QListView;
class QAccessibleInterface;
class QMenu;
class QModelIndex;

namespace benchlist {

class FindWindow : public FormWidget<QWidget> {
    Q_DECLARE_TR_FUNCTIONS(FindWindow)

public:
    FindWindow();

    void Form_Load() override;
    void GiveFocus() override;
    void SetWords(const QString &words);

    void txtFind_Change();
    void cmdOpen_Click();
    void cmdShow_Click();

    // Describes the status line to screen readers. For QAccessible::installFactory.
    static QAccessibleInterface *Accessible(const QString &className, QObject *object);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    const FindRecord *Selected() const;
    void CopyAddress();
    void ConnectKeysAndMenu();
    void AnnounceCurrent();
    void AnnounceRow(const QModelIndex &row);
    void SetStatus(const QString &status);

    QLineEdit *field_;
    QListView *list_;
    QLabel *count_;
    FindResults *results_;
    QMenu *menu_;
};

// Shows the find window, searching for the words.
void ShowFindWindow(const QString &words);

} // namespace benchlist
