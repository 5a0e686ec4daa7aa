// SPDX-FileCopyrightText: 2026 Veldmark
//
// SPDX-License-Identifier: GPL-3.0-or-later

// What the find window tells a screen reader beyond what Qt's own widgets do.
#pragma once

#include <QListView>

namespace benchlist {

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

} // namespace benchlist
