// SPDX-FileCopyrightText: 2026 Veldmark
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The nine category windows, in the order the closing sequence unloads them.
#pragma once

#include "catalogue/apple.h"
#include "catalogue/components.h"
#include "catalogue/desktops.h"
#include "catalogue/drives.h"
#include "catalogue/laptops.h"
#include "catalogue/monitors.h"
#include "catalogue/networking.h"
#include "catalogue/pda.h"
#include "catalogue/printers.h"

#include <algorithm>
#include <array>

namespace benchlist::catalogue {

inline constexpr std::array<const CategoryData *, 9> kWindows = {
    &apple::kWindow,      &components::kWindow, &desktops::kWindow,
    &drives::kWindow,     &laptops::kWindow,    &monitors::kWindow,
    &networking::kWindow, &pda::kWindow,        &printers::kWindow,
};

// The same nine windows in the order of the main window's buttons, which is
// also the order an export of the catalogue presents them in.
inline constexpr std::array<const CategoryData *, 9> kButtonOrder = {
    &apple::kWindow,      &monitors::kWindow, &drives::kWindow,
    &components::kWindow, &desktops::kWindow, &laptops::kWindow,
    &networking::kWindow, &pda::kWindow,      &printers::kWindow,
};

constexpr bool IsSameSet(const std::array<const CategoryData *, 9> &a,
                         const std::array<const CategoryData *, 9> &b)
{
    for (const CategoryData *window : a)
        if (std::find(b.begin(), b.end(), window) == b.end())
            return false;
    return true;
}
static_assert(IsSameSet(kWindows, kButtonOrder), "every window has exactly one button");

constexpr bool FoldersAreDistinct()
{
    for (std::size_t i = 0; i < kWindows.size(); ++i)
        for (std::size_t j = i + 1; j < kWindows.size(); ++j)
            if (kWindows[i]->folder == kWindows[j]->folder
                || kWindows[i]->name == kWindows[j]->name)
                return false;
    return true;
}
static_assert(FoldersAreDistinct(), "every category window has a section folder of its own");

constexpr std::size_t PageCount()
{
    std::size_t count = 0;
    for (const CategoryData *window : kWindows)
        for (const DropDownData &dropDown : window->dropDowns)
            count += dropDown.pages.size();
    return count;
}

} // namespace benchlist::catalogue
