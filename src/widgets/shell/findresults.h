// SPDX-FileCopyrightText: 2026 Veldmark
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The find window's results: the hits of the last search as list rows, and
// how a row is drawn, its text over where it lives, the matched words in bold.
#pragma once

#include "find/catalogueindex.h"

#include <QAbstractListModel>
#include <QStyledItemDelegate>

#include <vector>

namespace benchlist {

// What each row of the find window's list holds besides its text
// (Qt::DisplayRole) and what a screen reader says for it (Qt::AccessibleTextRole).
enum FindResultRole : int {
    FindLocationRole = Qt::UserRole, // the dimmed second line: where the category lives
    // The parts of the text and of the location the query matched, as
    // QPoint(start, length) pairs.
    FindTextMarksRole,
    FindLocationMarksRole,
    // "without: card" for a result that lacks words of the query; empty for one that has them all.
    FindMissingRole,
};

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

    QVariant data(const QModelIndex &index, int role) const override;

private:
    static QVariantList TextMarks(const FindHit &hit);
    static QVariantList LocationMarks(const FindHit &hit);

    std::vector<FindHit> hits_;
};

// Draws a result as two lines: its text, and below it, dimmed, its location.
class ResultDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter *painter, const QStyleOptionViewItem &option,
               const QModelIndex &index) const override;
    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override;

private:
    static constexpr int kMargin = 3;
};

} // namespace benchlist
