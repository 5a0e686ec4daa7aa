// Help, Instructions: a page of fixed text; nothing in it reacts.
#pragma once

#include "widgets/forms/formwidget.h"

#include <QWidget>

namespace benchlist {

class InstructionsWindow : public FormWidget<QWidget> {
public:
    InstructionsWindow();
};

} // namespace benchlist
