// Help, About: the product's title, version, the maker's logo and home page.
#pragma once

#include "widgets/forms/formwidget.h"

#include <QWidget>

namespace benchlist {

class AboutWindow : public FormWidget<QWidget> {
public:
    AboutWindow();

    void cmdGoDT_Click();
    void Form_Resize() override;
};

} // namespace benchlist
