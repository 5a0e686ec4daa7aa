// SPDX-FileCopyrightText: 2026 Veldmark
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The fonts the windows are laid out for, mapped onto families this desktop has.
#pragma once

#include <QFont>

namespace benchlist {

enum class Face { SansSerif, Verdana, Serif };

struct FontStyle {
    bool bold = false;
    bool italic = false;
};

QFont LayoutFont(Face face, double points, FontStyle style = {});

// The windows' default: the sans-serif face at 8.25 points.
QFont DefaultFont();

} // namespace benchlist
