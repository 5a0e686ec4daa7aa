// SPDX-FileCopyrightText: 2026 Veldmark
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The flat light-grey bar buttons of the farewell and About windows.
#pragma once

#include "base/geometry.h"

#include <QFont>
#include <QPushButton>

namespace benchlist {

QPushButton *AddGreyButton(QWidget *parent, const char *name, const QString &caption,
                           const Box &box, const QFont &font);

} // namespace benchlist
