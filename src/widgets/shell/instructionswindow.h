// SPDX-FileCopyrightText: 2026 Veldmark
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Help, Instructions: a page of fixed text; nothing in it reacts.
#pragma once

#include "widgets/forms/formwidget.h"

#include <QCoreApplication>
#include <QWidget>

namespace benchlist {

class InstructionsWindow : public FormWidget<QWidget> {
    Q_DECLARE_TR_FUNCTIONS(InstructionsWindow)

public:
    InstructionsWindow();
};

} // namespace benchlist
