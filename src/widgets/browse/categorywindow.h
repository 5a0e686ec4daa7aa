// SPDX-FileCopyrightText: 2026 Veldmark
//
// SPDX-License-Identifier: GPL-3.0-or-later

// A category window: banner, logo, title, the drop-downs of one catalogue
// area and a "Refresh Categories" button, all built from its CategoryData.
#pragma once

#include "base/categorydata.h"
#include "widgets/forms/formwidget.h"

#include <QCoreApplication>
#include <QWidget>

#include <vector>

class QPushButton;

namespace benchlist {

// The find window's name, by which the window model shows it from any window.
inline constexpr char kFindWindowName[] = "frmFind";

class DropDown;

class CategoryWindow : public FormWidget<QWidget> {
    Q_DECLARE_TR_FUNCTIONS(CategoryWindow)

public:
    explicit CategoryWindow(const CategoryData &category);

    const CategoryData &category() const { return category_; }

    void Form_Load() override;
    void Form_Unload() override;
    void Form_Resize() override;
    void Command1_Click();

    // The Change and Click handlers every drop-down of the window shares.
    void DropDown_Change(const DropDownData &dropDown);
    void DropDown_Click(const DropDownData &dropDown);

private:
    void AddDropDown(const DropDownData &dropDown, std::vector<std::pair<int, QWidget *>> &tabs);

    const CategoryData &category_;
};

} // namespace benchlist
