// SPDX-FileCopyrightText: 2026 Veldmark
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The catalogue as written down in tests/data, apart from its sources: the
// nine windows in the order of the main window's buttons, each window's title
// label and refresh button, and each drop-down with its list and page table.
#pragma once

#include <QByteArray>
#include <QFile>
#include <QList>
#include <QString>

namespace benchlist::cases {

struct ReferenceControl {
    QByteArray window;
    QByteArray name;
    QByteArray kind; // "window", "label", "button" or "dropDown"
    QByteArray text; // title, caption or initial text
    int tabIndex = -1;
    QList<QByteArray> items;
    QList<QByteArray> pages; // "text -> path", in the order they are tested
    QByteArray button;       // a window's button caption; its name is `name`
};

// Read once; empty when the file is missing or a row is malformed.
inline const QList<ReferenceControl> &Reference()
{
    static const QList<ReferenceControl> controls = [] {
        QList<ReferenceControl> list;
        QFile file(QStringLiteral(BENCHLIST_TEST_DATA "/catalogue-reference.tsv"));
        if (!file.open(QIODevice::ReadOnly))
            return list;
        while (!file.atEnd()) {
            QByteArray line = file.readLine();
            if (line.endsWith('\n'))
                line.chop(1);
            if (line.isEmpty() || line.startsWith('#'))
                continue;
            const QList<QByteArray> field = line.split('\t');
            if (field.size() != 7)
                return QList<ReferenceControl>{};
            const QByteArray &kind = field[4];
            const bool listed = kind == "item" || kind == "page";
            if (list.isEmpty() || list.last().window != field[0] || list.last().name != field[1])
                list.append({.window = field[0],
                             .name = field[1],
                             .kind = listed ? "dropDown" : kind,
                             .text = field[2],
                             .tabIndex = field[3].toInt(),
                             .items = {},
                             .pages = {},
                             .button = {}});
            if (kind == "window")
                list.last().button = field[5];
            else if (kind == "item")
                list.last().items.append(field[5]);
            else if (kind == "page")
                list.last().pages.append(field[5] + " -> " + field[6]);
        }
        return list;
    }();
    return controls;
}

// The nine category windows, in the order of the main window's buttons.
inline QList<ReferenceControl> ReferenceWindows()
{
    QList<ReferenceControl> windows;
    for (const ReferenceControl &control : Reference())
        if (control.kind == "window")
            windows.append(control);
    return windows;
}

} // namespace benchlist::cases
