// SPDX-FileCopyrightText: 2026 Veldmark
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Positions and sizes as the windows are laid out: in twips, plain integers.
#pragma once

namespace benchlist {

// A box in twips within the window's client area.
struct Box {
    int left;
    int top;
    int width;
    int height;
};

} // namespace benchlist
