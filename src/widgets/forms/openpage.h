// SPDX-FileCopyrightText: 2026 Veldmark
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Opening a page from a window. When the desktop cannot take the page, the
// window the shopper acted in says so in plain words, without holding up
// the next click or keystroke.
#pragma once

#include <QCoreApplication>
#include <QString>

#include <string_view>

class QWidget;

namespace benchlist {

class PageNotOpened {
    Q_DECLARE_TR_FUNCTIONS(PageNotOpened)

public:
    // The news in one line, for a window with a status line of its own.
    static QString Line();
    // A note over `window` that takes neither the focus nor the clicks,
    // naming the address so that it can be opened by hand; a second failure
    // while it shows updates it.
    static void Show(QWidget *window, std::string_view address);
};

// Opens the page, or says over `window` that it could not. Whether the page
// was handed over, and so may be remembered as opened.
bool OpenPageFrom(QWidget *window, std::string_view address);

} // namespace benchlist
