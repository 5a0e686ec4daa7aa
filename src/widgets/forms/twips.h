// SPDX-FileCopyrightText: 2026 Veldmark
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Layouts are given in twips: 15 to a logical pixel, which Qt scales to the screen.
#pragma once

#include "base/geometry.h"

#include <QRect>
#include <QSize>

namespace benchlist {

constexpr int Px(int twips)
{
    return twips >= 0 ? (twips + 7) / 15 : -((-twips + 7) / 15);
}

// Edges are rounded, not sizes, so that neighbouring controls never drift apart.
constexpr QRect PxRect(int left, int top, int width, int height)
{
    return QRect(QPoint(Px(left), Px(top)), QPoint(Px(left + width) - 1, Px(top + height) - 1));
}

constexpr QRect PxRect(const Box &box)
{
    return PxRect(box.left, box.top, box.width, box.height);
}

constexpr QSize PxSize(int width, int height)
{
    return QSize(Px(width), Px(height));
}

} // namespace benchlist
