// SPDX-FileCopyrightText: 2026 Veldmark
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "widgets/shell/findresults.h"

#include "find/resultids.h"
#include "core/shops.h"
#include "translation/language.h"
#include "widgets/forms/qtstrings.h"
#include "widgets/shell/findwindow.h"

#include <QApplication>
#include <QPainter>
#include <QTextLayout>

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

} // namespace

QVariant FindResults::data(const QModelIndex &index, int role) const
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
        return QString::fromStdString(
            PageAddress(record->windowName, record->dropDownName, record->text));
    default:
        return {};
    }
}

QVariantList FindResults::TextMarks(const FindHit &hit)
{
    QVariantList marks;
    AddMarks(marks, hit.record->text, hit.marked[std::size_t(FindField::Text)], 0);
    return marks;
}

QVariantList FindResults::LocationMarks(const FindHit &hit)
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

void ResultDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option,
                           const QModelIndex &index) const
{
    QStyleOptionViewItem item = option;
    initStyleOption(&item, index);
    const QString text = item.text;
    item.text.clear();
    const QWidget *view = option.widget;
    QStyle *style = view ? view->style() : QApplication::style();
    style->drawControl(QStyle::CE_ItemViewItem, &item, painter, view);

    const bool selected = option.state & QStyle::State_Selected;
    const QColor ink = option.palette.color(selected ? QPalette::HighlightedText : QPalette::Text);
    QColor dim = ink;
    dim.setAlphaF(0.6F);
    const QRect area = option.rect.adjusted(kMargin, kMargin, -kMargin, -kMargin);
    const int line = option.fontMetrics.height();
    painter->save();
    painter->setPen(ink);
    DrawMarked(painter, area.adjusted(0, 0, 0, -line), option.font, text,
               index.data(FindTextMarksRole).toList(), index.data(FindMissingRole).toString(), dim);
    painter->setPen(dim);
    DrawMarked(painter, area.adjusted(0, line, 0, 0), option.font,
               index.data(FindLocationRole).toString(), index.data(FindLocationMarksRole).toList());
    painter->restore();
}

QSize ResultDelegate::sizeHint(const QStyleOptionViewItem &option,
                               const QModelIndex & /*index*/) const
{
    return {option.rect.width(), 2 * option.fontMetrics.height() + 2 * kMargin};
}

} // namespace benchlist
