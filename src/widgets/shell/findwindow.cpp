// SPDX-FileCopyrightText: 2026 Veldmark
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "widgets/shell/findwindow.h"

#include "core/aboutnet.h"
#include "core/shops.h"
#include "find/catalogueindex.h"
#include "find/resultids.h"
#include "translation/language.h"
#include "usage/sharedusage.h"
#include "widgets/browse/categorywindow.h"
#include "widgets/browse/dropdown.h"
#include "widgets/forms/openpage.h"
#include "widgets/forms/qtstrings.h"
#include "widgets/shell/findaccessible.h"

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>

namespace benchlist {

FindWindow::FindWindow() : FormWidget<QWidget>(kFindWindowName)
{
    setWindowTitle(tr("Find a Category"));
    resize(520, 420);

    auto *prompt = new QLabel(tr("&Words of a category:"), this);
    field_ = new QLineEdit(this);
    field_->setObjectName(QStringLiteral("txtFind"));
    field_->setAccessibleName(tr("Find a category"));
    field_->setPlaceholderText(tr("for example: usb hub"));
    field_->setClearButtonEnabled(true);
    prompt->setBuddy(field_);

    count_ = new QLabel(this);
    count_->setObjectName(QStringLiteral("lblCount"));
    // Beside the buttons, the longer notes take two lines.
    count_->setWordWrap(true);

    results_ = new FindResults(this);
    list_ = new ResultList(this);
    list_->setObjectName(QStringLiteral("lstResults"));
    list_->setAccessibleName(tr("Categories found"));
    list_->setModel(results_);
    list_->setItemDelegate(new ResultDelegate(list_));
    list_->setUniformItemSizes(true);
    list_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list_->setSelectionMode(QAbstractItemView::SingleSelection);

    auto *open = new QPushButton(tr("&Open Page"), this);
    open->setObjectName(QStringLiteral("cmdOpen"));
    open->setAccessibleName(tr("Open Page"));
    auto *show = new QPushButton(tr("&Show in its window"), this);
    show->setObjectName(QStringLiteral("cmdShow"));
    show->setAccessibleName(tr("Show in its window"));
    // The key as the desktop names it in the session's language ("Alt+Enter").
    show->setToolTip(QKeySequence(Qt::ALT | Qt::Key_Enter).toString(QKeySequence::NativeText));

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(count_, 1);
    buttons->addWidget(show);
    buttons->addWidget(open);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(prompt);
    layout->addWidget(field_);
    layout->addWidget(list_, 1);
    layout->addLayout(buttons);

    connect(field_, &QLineEdit::textChanged, this, [this] { txtFind_Change(); });
    connect(list_, &QListView::doubleClicked, this, [this] { cmdOpen_Click(); });
    connect(open, &QPushButton::clicked, this, [this] { cmdOpen_Click(); });
    connect(show, &QPushButton::clicked, this, [this] { cmdShow_Click(); });
    ConnectKeysAndMenu();

    setTabOrder(field_, list_);
    setTabOrder(list_, show);
    setTabOrder(show, open);
    field_->setFocus();
    txtFind_Change();
}

// Alt+Enter, Escape, Ctrl+C and the results' context menu.
void FindWindow::ConnectKeysAndMenu()
{
    for (const QKeySequence &keys :
         {QKeySequence(Qt::ALT | Qt::Key_Return), QKeySequence(Qt::ALT | Qt::Key_Enter)}) {
        auto *shortcut = new QShortcut(keys, this);
        connect(shortcut, &QShortcut::activated, this, [this] { cmdShow_Click(); });
    }
    auto *escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, this, [this] { Forms().Unload(name()); });
    field_->installEventFilter(this);
    list_->installEventFilter(this);

    // Ctrl+C and the context menu act on the result under them.
    auto *copy = new QShortcut(QKeySequence::Copy, list_, nullptr, nullptr, Qt::WidgetShortcut);
    connect(copy, &QShortcut::activated, this, [this] { CopyAddress(); });
    menu_ = new QMenu(this);
    menu_->setObjectName(QStringLiteral("mnuResult"));
    menu_->addAction(tr("&Open"), this, [this] { cmdOpen_Click(); });
    menu_->addAction(tr("&Show in its window"), this, [this] { cmdShow_Click(); });
    menu_->addAction(tr("&Copy address"), this, [this] { CopyAddress(); });
    list_->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(list_, &QWidget::customContextMenuRequested, this, [this](const QPoint &at) {
        const QModelIndex index = list_->indexAt(at);
        if (!index.isValid())
            return;
        list_->setCurrentIndex(index);
        menu_->popup(list_->viewport()->mapToGlobal(at));
    });
}

void FindWindow::Form_Load()
{
    PlaceWindow(this, 1500, 1500);
}

// Coming back to the window starts a new search over the old one.
void FindWindow::GiveFocus()
{
    FormWidget<QWidget>::GiveFocus();
    field_->setFocus();
    field_->selectAll();
}

void FindWindow::SetWords(const QString &words)
{
    field_->setText(words);
    field_->selectAll();
}

void ShowFindWindow(const QString &words)
{
    Forms().Show(kFindWindowName);
    if (auto *window = dynamic_cast<FindWindow *>(Forms().Find(kFindWindowName)))
        window->SetWords(words);
}

void FindWindow::txtFind_Change()
{
    const QByteArray query = field_->text().toUtf8();
    const bool noWords = query.trimmed().isEmpty();
    if (noWords) {
        // Nothing to find yet: the pages opened last, to open again.
        results_->SetHits(RecentHits());
    } else {
        const std::string_view words(query.constData(), static_cast<std::size_t>(query.size()));
        // Pages the shopper opened before, here or in the desktop's search, rank higher.
        results_->SetHits(
            CatalogueIndex::Catalogue().Find(words, UsageScorerFor(words), ShopperLanguage()));
    }
    const int found = results_->rowCount();
    if (found > 0)
        static_cast<ResultList *>(list_)->SetCurrentQuietly(results_->index(0));
    QString status;
    if (noWords)
        status = tr("Type words of the category you look for.");
    else if (results_->Partial())
        status = tr("No category has every word; showing those with most of them");
    else if (found > 0)
        status = tr("%n categories", nullptr, found);
    else
        status = tr("No category matches these words.");
    // A screen reader on the list hears how many there are, or that there are none.
    list_->setAccessibleDescription(status);
    SetStatus(status);
}

void FindWindow::SetStatus(const QString &status)
{
    if (status == count_->text())
        return;
    count_->setText(status);
    // Shown anew, the status line is spoken once, while the focus stays where it is.
    if (count_->isVisible()) {
        count_->hide();
        count_->show();
    }
}

const FindRecord *FindWindow::Selected() const
{
    return results_->Record(list_->currentIndex());
}

void FindWindow::cmdOpen_Click()
{
    const FindRecord *record = Selected();
    if (!record)
        return;
    // The next words typed put the count back in the status line.
    if (!OpenPage(PageAddress(record->windowName, record->dropDownName, record->text)))
        SetStatus(PageNotOpened::Line());
    else
        RecordUsage(*record, field_->text().toStdString());
}

// Shows the category where the drop-downs offer it: its window in front, its
// text in the drop-down, which has the focus. Putting the text there is no
// edit by the user, so no page opens until the user asks for one.
void FindWindow::cmdShow_Click()
{
    const FindRecord *record = Selected();
    if (!record)
        return;
    const std::string window(record->windowName);
    Forms().Show(window);
    auto *category = dynamic_cast<QWidget *>(Forms().Find(window));
    auto *box =
        category ? category->findChild<DropDown *>(ToQString(record->dropDownName)) : nullptr;
    if (!box)
        return;
    box->PutText(ToQString(record->text));
    box->setFocus();
}

void FindWindow::CopyAddress()
{
    if (const FindRecord *record = Selected())
        QApplication::clipboard()->setText(QString::fromStdString(
            PageAddress(record->windowName, record->dropDownName, record->text)));
}

// A screen reader hears the current result as soon as the list has the focus,
// not only once it moves.
void FindWindow::AnnounceCurrent()
{
    if (list_->hasFocus())
        AnnounceRow(list_->currentIndex());
}

// Told as Qt's list tells a move: the list, the first time, then the row.
void FindWindow::AnnounceRow(const QModelIndex &row)
{
    if (!row.isValid())
        return;
    QAccessibleEvent focus(list_, QAccessible::Focus);
    focus.setChild(row.row());
    QAccessible::updateAccessibility(&focus);
}

bool FindWindow::eventFilter(QObject *watched, QEvent *event)
{
    // Qt announces the list itself once its focus-in is handled, and that
    // would cover the row: the row follows it.
    if (watched == list_ && event->type() == QEvent::FocusIn)
        QMetaObject::invokeMethod(this, &FindWindow::AnnounceCurrent, Qt::QueuedConnection);
    if (event->type() != QEvent::KeyPress || (watched != field_ && watched != list_))
        return FormWidget<QWidget>::eventFilter(watched, event);
    auto *key = static_cast<QKeyEvent *>(event);
    switch (key->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (key->modifiers() & Qt::AltModifier)
            cmdShow_Click();
        else
            cmdOpen_Click();
        return true;
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
        // The field passes moves through the results to the list.
        if (watched == field_) {
            const QModelIndex before = list_->currentIndex();
            QApplication::sendEvent(list_, event);
            // Qt's list speaks only when the row changes: with one result, or
            // at either end, the move would go unheard.
            if (list_->currentIndex() == before)
                AnnounceRow(before);
            return true;
        }
        break;
    default:
        break;
    }
    return FormWidget<QWidget>::eventFilter(watched, event);
}

} // namespace benchlist
