// SPDX-FileCopyrightText: 2026 Veldmark
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Help, About: the product's title, version, the maker's logo and home page.
#pragma once

#include "widgets/forms/formwidget.h"

#include <QCoreApplication>
#include <QWidget>

namespace benchlist {

class AboutWindow : public FormWidget<QWidget> {
    Q_DECLARE_TR_FUNCTIONS(AboutWindow)

public:
    AboutWindow();

    void cmdGoDT_Click();
    void Form_Resize() override;
};

} // namespace benchlist
