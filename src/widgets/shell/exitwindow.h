// SPDX-FileCopyrightText: 2026 Veldmark
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The farewell window: shown by the closing sequence, it is the last window of
// the program, which ends when it is closed.
#pragma once

#include "widgets/forms/formwidget.h"

#include <QCoreApplication>
#include <QWidget>

namespace benchlist {

class ExitWindow : public FormWidget<QWidget> {
    Q_DECLARE_TR_FUNCTIONS(ExitWindow)

public:
    ExitWindow();

    void cmdGO_Click();
};

} // namespace benchlist
