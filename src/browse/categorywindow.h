// A category window: banner, logo, title, the drop-downs of one catalogue
// area and a "Refresh Categories" button, all built from its CategorySpec.
#pragma once

#include "browse/categoryspec.h"
#include "forms/formwidget.h"

#include <QWidget>

#include <vector>

class QPushButton;

namespace benchlist {

class DropDown;

class CategoryWindow : public FormWidget<QWidget> {
public:
    explicit CategoryWindow(const CategorySpec &spec);

    const CategorySpec &spec() const { return spec_; }

    void Form_Load() override;
    void Form_Unload() override;
    void Form_Resize() override;
    void Command1_Click();

    // The Change and Click handlers every drop-down of the window shares.
    void DropDown_Change(const DropDownSpec &dropDown);
    void DropDown_Click(const DropDownSpec &dropDown);

private:
    void AddDropDown(const DropDownSpec &dropDown, std::vector<std::pair<int, QWidget *>> &tabs);

    const CategorySpec &spec_;
};

} // namespace benchlist
