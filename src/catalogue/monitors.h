// SPDX-FileCopyrightText: 2026 Veldmark
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Computer Monitors and Accessories: flat panels, CRTs, accessories and lots.
#pragma once

#include "base/categorydata.h"

namespace benchlist::catalogue::monitors {

inline constexpr std::string_view kFlatItems[] = {
    "LCD Flat Panel", "15-inch Smaller LCD", "17-inch LCD",
    "18-inch LCD",    "19-inch LCD",         "20-inch Larger LCD",
};
inline constexpr PageEntry kFlatPages[] = {
    {"LCD Flat Panel", "/bl/cm/LCD-Flat-Panel.html"},
    {"15-inch Smaller LCD", "/bl/cm/15-inch-Smaller-LCD.html"},
    {"17-inch LCD", "/bl/cm/17-inch-LCD.html"},
    {"18-inch LCD", "/bl/cm/18-inch-LCD.html"},
    {"19-inch LCD", "/bl/cm/19-inch-LCD.html"},
    {"20-inch Larger LCD", "/bl/cm/20-inch-Larger-LCD.html"},
};

inline constexpr std::string_view kStandardItems[] = {
    "Standard CRT", "16-inch Smaller CRT",    "17-inch CRT", "18-19-inch CRT",
    "20-inch CRT",  "21-inch and Larger CRT", "Other CRTs",
};
inline constexpr PageEntry kStandardPages[] = {
    {"Standard CRT", "/bl/cm/Standard-CRT.html"},
    {"16-inch Smaller CRT", "/bl/cm/16-inch-Smaller-CRT.html"},
    {"17-inch CRT", "/bl/cm/17-inch-CRT.html"},
    {"18-19-inch CRT", "/bl/cm/18-19-inch-CRT.html"},
    {"20-inch CRT", "/bl/cm/20-inch-CRT.html"},
    {"21-inch and Larger CRT", "/bl/cm/21-inch-and-Larger-CRT.html"},
    {"Other CRTs", "/bl/cm/Other-CRTs.html"},
};

inline constexpr std::string_view kAccessoriesItems[] = {
    "Monitor Accessories", "Arms and Wall Mounts", "Cables",
    "Stands and Risers",   "Other Accessories",
};
// "Glare Filters" has a page but no list item: it is reached only by typing it.
inline constexpr PageEntry kAccessoriesPages[] = {
    {"Monitor Accessories", "/bl/cm/Monitor-Accessories.html"},
    {"Arms and Wall Mounts", "/bl/cm/Arms-and-Wall-Mounts.html"},
    {"Cables", "/bl/cm/Cables.html"},
    {"Glare Filters", "/bl/cm/Glare-Filters.html"},
    {"Stands and Risers", "/bl/cm/Stands-and-Risers.html"},
    {"Other Accessories", "/bl/cm/Other-Accessories.html"},
};

inline constexpr std::string_view kWholesaleItems[] = {"Wholesale Lots"};
inline constexpr PageEntry kWholesalePages[] = {
    {"Wholesale Lots", "/bl/cm/Wholesale-Lots.html"},
};

inline constexpr DropDownData kDropDowns[] = {
    {"cbFlat", {240, 1560, 3135, 315}, 1, "LCD & FlatScreen Monitors", kFlatItems, kFlatPages},
    {"cbStandard",
     {240, 1920, 3135, 315},
     2,
     "Standard CRT Monitors",
     kStandardItems,
     kStandardPages},
    {"cbAccessories",
     {3600, 1560, 3135, 315},
     3,
     "Monitor Accessories",
     kAccessoriesItems,
     kAccessoriesPages},
    {"cbWholesale", {3600, 1920, 3135, 315}, 4, "Wholesale Lots", kWholesaleItems, kWholesalePages},
};

inline constexpr CategoryData kWindow = {
    .name = "frmMonitors",
    .title = "Computer Monitors and Accessories",
    .folder = "cm",
    .clientWidth = 8505,
    .clientHeight = 2385,
    .fixedOuterSize = {},
    .bannerLeft = 0,
    .logoName = "Image1",
    .logoLeft = 6120,
    .titleName = "lblTitle1",
    .titleCaption = "Computer Monitors and Monitor Accessories",
    .titleBox = {1440, 1080, 5625, 360},
    .titleTabIndex = 0,
    .refreshBox = {7080, 1665, 1095, 495},
    .refreshTabIndex = 5,
    .dropDowns = kDropDowns,
};

static_assert(IsWellFormed(kWindow));
static_assert(std::size(kDropDowns) == 4);
static_assert(std::size(kFlatItems) == 6 && std::size(kFlatPages) == 6);
static_assert(std::size(kStandardItems) == 7 && std::size(kStandardPages) == 7);
static_assert(std::size(kAccessoriesItems) == 5 && std::size(kAccessoriesPages) == 6);
static_assert(std::size(kWholesaleItems) == 1 && std::size(kWholesalePages) == 1);

} // namespace benchlist::catalogue::monitors
