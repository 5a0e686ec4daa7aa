// SPDX-FileCopyrightText: 2026 Veldmark
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The main window's nine category buttons: which window each opens, its name,
// caption and place. Plain data, so that the benchmark's baseline lays out the
// same buttons.
#pragma once

#include "catalogue/catalogue.h"

#include <algorithm>
#include <array>

namespace benchlist {

inline constexpr int kCategoryButtonWidth = 3135;
inline constexpr int kCategoryButtonHeight = 375;

struct CategoryButton {
    const CategoryData *window;
    const char *name;
    const char *caption;
    int left;
    int top;
};

// In the catalogue's button order, which is also the order they take the focus in.
inline constexpr std::array kCategoryButtons = {
    CategoryButton{&catalogue::apple::kWindow, "cmdApple", "Apple / Macintosh", 173, 1440},
    CategoryButton{&catalogue::monitors::kWindow, "cmdMonitors", "Computer Monitors", 3533, 2400},
    CategoryButton{&catalogue::drives::kWindow, "cmdDrives", "Drives And Peripherals", 3533, 1440},
    CategoryButton{&catalogue::components::kWindow, "cmdComponents", "PC Components", 3533, 1920},
    CategoryButton{&catalogue::desktops::kWindow, "cmdDeskTops", "Desktop PC's", 173, 1920},
    CategoryButton{&catalogue::laptops::kWindow, "cmdLaptops", "Laptops", 173, 2400},
    CategoryButton{&catalogue::networking::kWindow, "cmdNetworking", "Networking", 6893, 1920},
    CategoryButton{&catalogue::pda::kWindow, "cmdPDA", "PDA's / Handheld PC's", 6893, 2400},
    CategoryButton{&catalogue::printers::kWindow, "cmdPrinters", "Printers and Supplies", 6893,
                   1440},
};

constexpr bool ButtonsFollowButtonOrder()
{
    return std::equal(kCategoryButtons.begin(), kCategoryButtons.end(),
                      catalogue::kButtonOrder.begin(), catalogue::kButtonOrder.end(),
                      [](const CategoryButton &button, const CategoryData *window) {
                          return button.window == window;
                      });
}
static_assert(ButtonsFollowButtonOrder(), "one button per window, in the button order");

} // namespace benchlist
