// SPDX-FileCopyrightText: 2026 Veldmark
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "widgets/shell/findwindow.h"

#include "core/aboutnet.h"
#include "find/catalogueindex.h"
#include "find/resultids.h"
#include "translation/language.h"
#include "usage/pagememory.h"
#include "widgets/browse/categorywindow.h"
#include "widgets/browse/dropdown.h"
#include "widgets/forms/openpage.h"
#include "widgets/forms/qtstrings.h"

#include <QAbstractListModel>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QApplication>
#include <QClipboard>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QPainter>
#include <QPushButton>
#include <QShortcut>
#include <QStyledItemDelegate>
#include <QTextLayout>
#include <QVBoxLayout>

#include <vector>

namespace benchlist {

namespace {

QString Location(const FindRecord &record)
{
    QString location = ResultDescription(record);
    if (record.typed)
        location += FindWindow::tr("  (typed only: not in the list)");
    return location;
}

// The words of the query a partial result lacks, as the list shows them.
QString Missing(const FindHit &hit)
{
    if (!hit.Partial())
        return {};
    QStringList words;
    for (const std::string &word : hit.missing)
        words.append(QString::fromStdString(word));
    return FindWindow::tr("without: %1").arg(words.join(QStringLiteral(", ")));
}

// Where the marked words of `text` stand, as QString positions from `offset`.
void AddMarks(QVariantList &marks, std::string_view text, std::uint32_t marked, qsizetype offset)
{
    const std::vector<FindWordSpan> words = FindWordSpans(text);
    for (std::size_t i = 0; i < words.size() && i < 32; ++i) {
        if (!(marked & (1U << i)))
            continue;
        const auto start = offset + ToQString(text.substr(0, words[i].begin)).size();
        const auto length =
            ToQString(text.substr(words[i].begin, words[i].end - words[i].begin)).size();
        marks.append(QPoint(int(start), int(length)));
    }
}

// Draws `text` in one line, the marked parts in bold, and after it `aside`
// in italics and in `asideInk`.
void DrawMarked(QPainter *painter, const QRect &area, const QFont &font, QString text,
                const QVariantList &marks, const QString &aside = {}, const QColor &asideInk = {})
{
    QList<QTextLayout::FormatRange> formats;
    if (!aside.isEmpty()) {
        QTextLayout::FormatRange range;
        range.start = int(text.size()) + 3;
        range.length = int(aside.size());
        range.format.setFontItalic(true);
        range.format.setForeground(asideInk);
        formats.append(range);
        text += QStringLiteral("   ") + aside;
    }
    for (const QVariant &mark : marks) {
        QTextLayout::FormatRange range;
        range.start = mark.toPoint().x();
        range.length = mark.toPoint().y();
        range.format.setFontWeight(QFont::Bold);
        formats.append(range);
    }
    QTextLayout layout(text, font);
    layout.setFormats(formats);
    layout.beginLayout();
    QTextLine line = layout.createLine();
    line.setLineWidth(1e6);
    layout.endLayout();
    painter->save();
    painter->setClipRect(area);
    layout.draw(painter, area.topLeft());
    painter->restore();
}

// Draws a result as two lines: its text, and below it, dimmed, its location.
class ResultDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter *painter, const QStyleOptionViewItem &option,
               const QModelIndex &index) const override
    {
        QStyleOptionViewItem item = option;
        initStyleOption(&item, index);
        const QString text = item.text;
        item.text.clear();
        const QWidget *view = option.widget;
        QStyle *style = view ? view->style() : QApplication::style();
        style->drawControl(QStyle::CE_ItemViewItem, &item, painter, view);

        const bool selected = option.state & QStyle::State_Selected;
        const QColor ink =
            option.palette.color(selected ? QPalette::HighlightedText : QPalette::Text);
        QColor dim = ink;
        dim.setAlphaF(0.6F);
        const QRect area = option.rect.adjusted(kMargin, kMargin, -kMargin, -kMargin);
        const int line = option.fontMetrics.height();
        painter->save();
        painter->setPen(ink);
        DrawMarked(painter, area.adjusted(0, 0, 0, -line), option.font, text,
                   index.data(FindTextMarksRole).toList(), index.data(FindMissingRole).toString(),
                   dim);
        painter->setPen(dim);
        DrawMarked(painter, area.adjusted(0, line, 0, 0), option.font,
                   index.data(FindLocationRole).toString(),
                   index.data(FindLocationMarksRole).toList());
        painter->restore();
    }

    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex & /*index*/) const override
    {
        return {option.rect.width(), 2 * option.fontMetrics.height() + 2 * kMargin};
    }

private:
    static constexpr int kMargin = 3;
};

// The results list. Qt's list tells a screen reader of every new current row
// as if the focus had gone there, even while the words field keeps it; a new
// search setting the first row current would then have the list and its first
// result spoken after every keystroke, and the list named again at the next
// move. A search sets the row quietly; the user's own moves are still told.
class ResultList : public QListView {
public:
    using QListView::QListView;

    void SetCurrentQuietly(const QModelIndex &index)
    {
        quiet_ = true;
        setCurrentIndex(index);
        quiet_ = false;
    }

protected:
    void currentChanged(const QModelIndex &current, const QModelIndex &previous) override
    {
        if (quiet_)
            QAbstractItemView::currentChanged(current, previous);
        else
            QListView::currentChanged(current, previous);
    }

private:
    bool quiet_ = false;
};

// The status line, to screen readers a notification: shown anew, it is spoken
// wherever the focus is.
class StatusAccessible : public QAccessibleWidget {
public:
    explicit StatusAccessible(QLabel *label) : QAccessibleWidget(label, QAccessible::Notification)
    {
    }

    QString text(QAccessible::Text kind) const override
    {
        if (kind == QAccessible::Name)
            return static_cast<QLabel *>(widget())->text();
        return QAccessibleWidget::text(kind);
    }
};

} // namespace

QAccessibleInterface *FindWindow::Accessible(const QString &className, QObject *object)
{
    if (className == QLatin1String("QLabel") && object->objectName() == QLatin1String("lblCount"))
        if (auto *label = qobject_cast<QLabel *>(object))
            return new StatusAccessible(label);
    return nullptr;
}

// The hits of the last search as list rows.
class FindResults : public QAbstractListModel {
public:
    using QAbstractListModel::QAbstractListModel;

    void SetHits(std::vector<FindHit> hits)
    {
        beginResetModel();
        hits_ = std::move(hits);
        endResetModel();
    }

    const FindHit *Hit(const QModelIndex &index) const
    {
        return index.isValid() && index.row() < rowCount() ? &hits_[std::size_t(index.row())]
                                                           : nullptr;
    }

    const FindRecord *Record(const QModelIndex &index) const
    {
        const FindHit *hit = Hit(index);
        return hit ? hit->record : nullptr;
    }

    // No result has every word of the query.
    bool Partial() const { return !hits_.empty() && hits_.front().Partial(); }

    int rowCount(const QModelIndex &parent = {}) const override
    {
        return parent.isValid() ? 0 : static_cast<int>(hits_.size());
    }

    QVariant data(const QModelIndex &index, int role) const override
    {
        const FindHit *hit = Hit(index);
        if (!hit)
            return {};
        const FindRecord *record = hit->record;
        switch (role) {
        case Qt::DisplayRole:
            return ToQString(record->text);
        case FindLocationRole:
            return Location(*record);
        case FindTextMarksRole:
            return TextMarks(*hit);
        case FindLocationMarksRole:
            return LocationMarks(*hit);
        case FindMissingRole:
            return Missing(*hit);
        case Qt::AccessibleTextRole: {
            // What a screen reader says for the row: the category, where it
            // lives, and the words it lacks.
            QString text = ToQString(record->text) + QStringLiteral(", ") + Location(*record);
            if (hit->Partial())
                text += QStringLiteral(", ") + Missing(*hit);
            return text;
        }
        case Qt::ToolTipRole:
            return QString::fromStdString(record->address);
        default:
            return {};
        }
    }

private:
    static QVariantList TextMarks(const FindHit &hit)
    {
        QVariantList marks;
        AddMarks(marks, hit.record->text, hit.marked[std::size_t(FindField::Text)], 0);
        return marks;
    }

    static QVariantList LocationMarks(const FindHit &hit)
    {
        // The words matched are English: a title or caption shown in another
        // language has none of them to mark.
        QVariantList marks;
        const FindRecord &record = *hit.record;
        const QString caption = CatalogueText(record.caption);
        if (CatalogueText(record.windowTitle) == ToQString(record.windowTitle))
            AddMarks(marks, record.windowTitle, hit.marked[std::size_t(FindField::Title)], 0);
        if (caption == ToQString(record.caption))
            AddMarks(marks, record.caption, hit.marked[std::size_t(FindField::Caption)],
                     ResultDescription(record).size() - caption.size());
        return marks;
    }

    std::vector<FindHit> hits_;
};

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
    show->setToolTip(QStringLiteral("Alt+Enter"));

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
            CatalogueIndex::Catalogue().Find(words, PageUsage(words), ShopperLanguage()));
    }
    const int found = results_->rowCount();
    if (found > 0)
        static_cast<ResultList *>(list_)->SetCurrentQuietly(results_->index(0));
    QString status;
    if (noWords)
        status = tr("Type words of the category you look for.");
    else if (results_->Partial())
        status = tr("No category has every word; showing those with most of them");
    else if (found == 1)
        status = tr("1 category");
    else if (found > 1)
        status = tr("%1 categories").arg(found);
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
    if (!OpenPage(record->address))
        SetStatus(PageNotOpened::Line());
    else
        RememberPage(*record, field_->text().toStdString());
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
        QApplication::clipboard()->setText(QString::fromStdString(record->address));
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
