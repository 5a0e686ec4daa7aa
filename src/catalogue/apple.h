// SPDX-FileCopyrightText: 2026 Veldmark
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Apple / Macintosh: desktop and laptop Macs, drives and media, input devices, monitors, parts,
// power supplies, printers, video, vintage and other Mac items. The one category window that
// holds a fixed outer size.
#pragma once

#include "base/categorydata.h"

namespace benchlist::catalogue::apple {

inline constexpr std::string_view kDesktopsItems[] = {
    "68K Mac",       "iMac",          "Power Macs",         "G3 Systems", "G4 Systems",
    "G4 350-466MHz", "G4 500-966MHz", "G4 1.0GHz & Higher", "G5 Systems", "Other Systems",
};
inline constexpr PageEntry kDesktopsPages[] = {
    {"68K Mac", "/bl/mac/68K-Mac.html"},
    {"iMac", "/bl/mac/iMac.html"},
    {"Power Macs", "/bl/mac/Power-Mac.html"},
    {"G3 Systems", "/bl/mac/G3.html"},
    {"G4 Systems", "/bl/mac/G4.html"},
    {"G4 350-466MHz", "/bl/mac/350-466MHz.html"},
    {"G4 500-966MHz", "/bl/mac/500-966MHz.html"},
    {"G4 1.0GHz & Higher", "/bl/mac/1GHz-and-Higher.html"},
    {"G5 Systems", "/bl/mac/G5.html"},
    {"Other Systems", "/bl/mac/Other-Mac-Systems.html"},
};

inline constexpr std::string_view kDrivesMediaItems[] = {
    "CD-R, CD-RW, CD ROM",    "External CDROM etc", "Internal CDROM etc",
    "DVD-R, DVD-RW, DVD ROM", "Hard Drives",        "Media",
};
inline constexpr PageEntry kDrivesMediaPages[] = {
    {"CD-R, CD-RW, CD ROM", "/bl/mac/CDR-CDRW-CD-ROM.html"},
    {"External CDROM etc", "/bl/mac/External.html"},
    {"Internal CDROM etc", "/bl/mac/Internal.html"},
    {"DVD-R, DVD-RW, DVD ROM", "/bl/mac/DVDR-DVDRW-DVD-ROM.html"},
    {"Hard Drives", "/bl/mac/Hard-Drives.html"},
    {"Media", "/bl/mac/Media.html"},
};

inline constexpr std::string_view kInputDevicesItems[] = {"Keyboards", "Mice", "Other"};
inline constexpr PageEntry kInputDevicesPages[] = {
    {"Keyboards", "/bl/mac/Keyboards.html"},
    {"Mice", "/bl/mac/Mice.html"},
    {"Other", "/bl/mac/Other-Input-Devices.html"},
};

inline constexpr std::string_view kLaptopsItems[] = {
    "iBook",      "PowerBook",        "G3", "Bronze, Lombard", "Pismo",
    "WallStreet", "Other G3 Laptops", "G4", "Other",
};
inline constexpr PageEntry kLaptopsPages[] = {
    {"iBook", "/bl/mac/iBook.html"},
    {"PowerBook", "/bl/mac/PowerBook.html"},
    {"G3", "/bl/mac/G3-Laptops.html"},
    {"Bronze, Lombard", "/bl/mac/Bronze-Lombard.html"},
    {"Pismo", "/bl/mac/Pismo.html"},
    {"WallStreet", "/bl/mac/WallStreet.html"},
    {"Other G3 Laptops", "/bl/mac/Other-G3-Laptops.html"},
    {"G4", "/bl/mac/G4-Laptops.html"},
    {"Other", "/bl/mac/Other-Laptops.html"},
};

inline constexpr std::string_view kMonitorsItems[] = {"Monitors"};
inline constexpr PageEntry kMonitorsPages[] = {
    {"Monitors", "/bl/mac/monitors.html"},
};

inline constexpr std::string_view kPartsItems[] = {
    "Adapters", "Batteries, Chargers", "Cables, Connectors", "Ethernet, AirPort", "Memory",
    "Modems",   "Motherboards",        "Other Parts",
};
inline constexpr PageEntry kPartsPages[] = {
    {"Adapters", "/bl/mac/Adapters.html"},
    {"Batteries, Chargers", "/bl/mac/Batteries-Chargers.html"},
    {"Cables, Connectors", "/bl/mac/Cables-Connectors.html"},
    {"Ethernet, AirPort", "/bl/mac/Ethernet-AirPort.html"},
    {"Memory", "/bl/mac/Memory.html"},
    {"Modems", "/bl/mac/Modems.html"},
    {"Motherboards", "/bl/mac/Motherboards.html"},
    {"Other Parts", "/bl/mac/Other-Items.html"},
};

inline constexpr std::string_view kPowerSuppliesItems[] = {"Power Supplies"};
// The initial text "Power Supplies & Battery" finds no page; only the item has one.
inline constexpr PageEntry kPowerSuppliesPages[] = {
    {"Power Supplies", "/bl/mac/Power-Supplies.html"},
};

inline constexpr std::string_view kPrintersItems[] = {"Printers"};
inline constexpr PageEntry kPrintersPages[] = {
    {"Printers", "/bl/mac/printers.html"},
};

inline constexpr std::string_view kVideoItems[] = {"Video & Multimedia"};
// The initial text "Video And Multimedia" finds no page; only the item, spelt with "&",
// has one.
inline constexpr PageEntry kVideoPages[] = {
    {"Video & Multimedia", "/bl/mac/Video-and-Multimedia.html"},
};

inline constexpr std::string_view kVintageItems[] = {
    "Vintage Manuals",
    "Vintage Posters",
    "Vintage Mac Items",
    "Other Vintage",
};
inline constexpr PageEntry kVintagePages[] = {
    {"Vintage Manuals", "/bl/mac/Manuals.html"},
    {"Vintage Posters", "/bl/mac/Posters.html"},
    {"Vintage Mac Items", "/bl/mac/Vintage.html"},
    {"Other Vintage", "/bl/mac/Other-Vintage.html"},
};

inline constexpr std::string_view kOtherItems[] = {"Other"};
inline constexpr PageEntry kOtherPages[] = {
    {"Other", "/bl/mac/other-mac.html"},
};

inline constexpr DropDownData kDropDowns[] = {
    {"cbDesktops", {120, 1800, 2175, 315}, 1, "Desktops", kDesktopsItems, kDesktopsPages},
    {"cbDrivesMedia",
     {120, 2160, 2175, 315},
     2,
     "Drives and Media",
     kDrivesMediaItems,
     kDrivesMediaPages},
    {"cbInputDevices",
     {120, 2520, 2175, 315},
     3,
     "Input Devices",
     kInputDevicesItems,
     kInputDevicesPages},
    {"cbLaptops", {2400, 1800, 2175, 315}, 4, "Laptops", kLaptopsItems, kLaptopsPages},
    {"cbMonitors", {2400, 2160, 2175, 315}, 5, "Monitors", kMonitorsItems, kMonitorsPages},
    {"cbParts", {2400, 2520, 2175, 315}, 6, "Parts & Accessories", kPartsItems, kPartsPages},
    {"cbPowerSupplies",
     {4680, 1800, 2175, 315},
     7,
     "Power Supplies & Battery",
     kPowerSuppliesItems,
     kPowerSuppliesPages},
    {"cbPrinters", {4680, 2160, 2175, 315}, 8, "Printers", kPrintersItems, kPrintersPages},
    {"cbVideo", {4680, 2520, 2175, 315}, 9, "Video And Multimedia", kVideoItems, kVideoPages},
    {"cbVintage", {6960, 1800, 2175, 315}, 10, "Vintage", kVintageItems, kVintagePages},
    {"cbOther", {6960, 2160, 2175, 315}, 11, "Other", kOtherItems, kOtherPages},
};

inline constexpr CategoryData kWindow = {
    .name = "frmApple",
    .title = "Apple / Macintosh Computer Menu",
    .folder = "mac",
    .clientWidth = 9255,
    .clientHeight = 3075,
    .fixedOuterSize = {9375, 3585},
    .bannerLeft = 0,
    .logoName = "Image2",
    .logoLeft = 7080,
    .titleName = "lblTitle1",
    // "Periperhals" is how the window spells it
    .titleCaption = "Apple Macintosh Systems, Components, and Periperhals",
    .titleBox = {1050, 1200, 7155, 360},
    .titleTabIndex = 0,
    .refreshBox = {6960, 2520, 2175, 315},
    .refreshTabIndex = 12,
    .dropDowns = kDropDowns,
};

static_assert(IsWellFormed(kWindow));
static_assert(std::size(kDropDowns) == 11);
static_assert(std::size(kDesktopsItems) == 10 && std::size(kDesktopsPages) == 10);
static_assert(std::size(kDrivesMediaItems) == 6 && std::size(kDrivesMediaPages) == 6);
static_assert(std::size(kInputDevicesItems) == 3 && std::size(kInputDevicesPages) == 3);
static_assert(std::size(kLaptopsItems) == 9 && std::size(kLaptopsPages) == 9);
static_assert(std::size(kMonitorsItems) == 1 && std::size(kMonitorsPages) == 1);
static_assert(std::size(kPartsItems) == 8 && std::size(kPartsPages) == 8);
static_assert(std::size(kPowerSuppliesItems) == 1 && std::size(kPowerSuppliesPages) == 1);
static_assert(std::size(kPrintersItems) == 1 && std::size(kPrintersPages) == 1);
static_assert(std::size(kVideoItems) == 1 && std::size(kVideoPages) == 1);
static_assert(std::size(kVintageItems) == 4 && std::size(kVintagePages) == 4);
static_assert(std::size(kOtherItems) == 1 && std::size(kOtherPages) == 1);

} // namespace benchlist::catalogue::apple
