// SPDX-FileCopyrightText: 2026 Veldmark
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Desktop PC's: complete systems by processor speed, systems with monitors and lots.
#pragma once

#include "base/categorydata.h"

namespace benchlist::catalogue::desktops {

inline constexpr std::string_view k366Items[] = {
    "366Mhz & Less Systems",
    "486 & Pentium 366MHz",
    "Pentium II, Pentium Pro",
    "Other Chip Type Systems",
};
inline constexpr PageEntry k366Pages[] = {
    {"366Mhz & Less Systems", "/bl/dt/366MHz-Less-systems.html"},
    {"486 & Pentium 366MHz", "/bl/dt/Intel-Pentium-486-Earlier-366.html"},
    {"Pentium II, Pentium Pro", "/bl/dt/Intel-Pentium-II-Pentium-Pro-366.html"},
    {"Other Chip Type Systems", "/bl/dt/Other-Chip-Type-Systems-366.html"},
};

inline constexpr std::string_view k400Items[] = {
    "400-650MHz Systems", "Intel Celeron Systems", "Penitum II",
    "Pentium III",        "Custom Systems",        "Dell Systems",
    "HP, Compaq Systems", "IBM Systems",           "Other Chip Type Systems",
};
// "Penitum II" is misspelled in the list and in the table alike, so choosing it opens
// its page; the name typed with "Pentium" spelled right opens the error page.
inline constexpr PageEntry k400Pages[] = {
    {"400-650MHz Systems", "/bl/dt/400-650MHz-systems.html"},
    {"Intel Celeron Systems", "/bl/dt/Intel-Celeron.html"},
    {"Penitum II", "/bl/dt/Intel-Pentium-II-400.html"},
    {"Pentium III", "/bl/dt/Intel-Pentium-III-400.html"},
    {"Custom Systems", "/bl/dt/Custom-Systems-400.html"},
    {"Dell Systems", "/bl/dt/Dell-400.html"},
    {"HP, Compaq Systems", "/bl/dt/HP-Compaq-400.html"},
    {"IBM Systems", "/bl/dt/IBM-400.html"},
    {"Other Chip Type Systems", "/bl/dt/Other-Chip-Type-Systems-400.html"},
};

inline constexpr std::string_view k700Items[] = {
    "700MHz to 1GHz Systems",   "Celeron Systems",         "Intel Pentium III Systems",
    "Intel Pentium IV Systems", "Other Chip Type Systems",
};
inline constexpr PageEntry k700Pages[] = {
    {"700MHz to 1GHz Systems", "/bl/dt/700MHz-1GHz-Systems.html"},
    {"Celeron Systems", "/bl/dt/Intel-Celeron-700.html"},
    {"Intel Pentium III Systems", "/bl/dt/Intel-Pentium-III-700.html"},
    {"Intel Pentium IV Systems", "/bl/dt/Intel-Pentium-4-700.html"},
    {"Other Chip Type Systems", "/bl/dt/Other-Chip-Type-Systems-700.html"},
};

inline constexpr std::string_view k1GHzItems[] = {
    "1100Mhz-1900Mhz-Systems",     "AMD Athlon XP Systems",
    "AMD Duron, Athlon Systems",   "Intel Celeron Systems",
    "Custom Celeron Systems",      "Dell Celeron Systems",
    "Other Celeron Brand Systems", "Intel Pentium 4 Systems",
    "Custom P4 Systems",           "Dell P4 Systems",
    "HP and Compaq P4 Systems",    "Other Pentium IV Brand Systems",
    "Other Chip Type Systems",
};
inline constexpr PageEntry k1GHzPages[] = {
    {"1100Mhz-1900Mhz-Systems", "/bl/dt/1100Mhz-1900Mhz-Systems.html"},
    {"AMD Athlon XP Systems", "/bl/dt/AMD-Athlon-XP-2.html"},
    {"AMD Duron, Athlon Systems", "/bl/dt/AMD-Duron-Athlon-2.html"},
    {"Intel Celeron Systems", "/bl/dt/Intel-Celeron-2.html"},
    {"Custom Celeron Systems", "/bl/dt/Custom-Celeron-Systems-White-Box-2.html"},
    {"Dell Celeron Systems", "/bl/dt/Dell-Celeron-2.html"},
    {"Other Celeron Brand Systems", "/bl/dt/Other-Celeron-Brands-2.html"},
    {"Intel Pentium 4 Systems", "/bl/dt/Intel-Pentium-4-2.html"},
    {"Custom P4 Systems", "/bl/dt/Custom-P4-Systems-White-Box-2.html"},
    {"Dell P4 Systems", "/bl/dt/Dell-P4-Systems-2.html"},
    {"HP and Compaq P4 Systems", "/bl/dt/HP-Compaq-P4-Systems-2.html"},
    {"Other Pentium IV Brand Systems", "/bl/dt/Other-P4-Brands-2.html"},
    {"Other Chip Type Systems", "/bl/dt/Other-Chip-Types-2.html"},
};

inline constexpr std::string_view k2GHzItems[] = {
    "2.1 to 2.6GHz Systems",   "AMD Athlon XP Systems",   "Intel Celeron Systems",
    "Intel Pentium 4 Systems", "Custom Systems",          "Dell Systems",
    "Other Brand Systems",     "Other Chip Type Systems",
};
inline constexpr PageEntry k2GHzPages[] = {
    {"2.1 to 2.6GHz Systems", "/bl/dt/2100MHz-2600-Systems.html"},
    {"AMD Athlon XP Systems", "/bl/dt/AMD-Athlon-XP-2100.html"},
    {"Intel Celeron Systems", "/bl/dt/Intel-Celeron-2100.html"},
    {"Intel Pentium 4 Systems", "/bl/dt/Intel-Pentium-4-2100.html"},
    {"Custom Systems", "/bl/dt/Custom-Systems-2100.html"},
    {"Dell Systems", "/bl/dt/Dell-Systems-2100.html"},
    {"Other Brand Systems", "/bl/dt/Other-Brands-2100.html"},
    {"Other Chip Type Systems", "/bl/dt/Other-Chip-Types-2100.html"},
};

inline constexpr std::string_view k2p7GHzItems[] = {
    "2.7GHz to 2.9GHz Systems",
    "AMD Athlon XP Systems",
    "Intel Pentium 4 Systems",
    "Other Chip Type Systems",
};
inline constexpr PageEntry k2p7GHzPages[] = {
    {"2.7GHz to 2.9GHz Systems", "/bl/dt/2700MHz-2900-Systems.html"},
    {"AMD Athlon XP Systems", "/bl/dt/AMD-Athlon-XP-2700.html"},
    {"Intel Pentium 4 Systems", "/bl/dt/Intel-Pentium-4-2700.html"},
    {"Other Chip Type Systems", "/bl/dt/Other-Chip-Types-2700.html"},
};

inline constexpr std::string_view k3GHzItems[] = {
    "3.0GHz And Higher Systems",
    "AMD Athlon XP Systems",
    "Intel Pentium 4",
    "Other Chip Type Systems",
};
// Unlike the other speed ranges, the Pentium 4 entry here has no "Systems" at the end.
inline constexpr PageEntry k3GHzPages[] = {
    {"3.0GHz And Higher Systems", "/bl/dt/3000MHz-Higher-Systems.html"},
    {"AMD Athlon XP Systems", "/bl/dt/AMD-Athlon-XP-3000.html"},
    {"Intel Pentium 4", "/bl/dt/Intel-Pentium-4-3000.html"},
    {"Other Chip Type Systems", "/bl/dt/Other-Chip-Types-3000.html"},
};

inline constexpr std::string_view kDesktopMonitorsItems[] = {"PC Systems with Monitors"};
inline constexpr PageEntry kDesktopMonitorsPages[] = {
    {"PC Systems with Monitors", "/bl/dt/Desktop-Systems-with-Monitors.html"},
};

inline constexpr std::string_view kLotsItems[] = {"PC System Wholesale Lots"};
inline constexpr PageEntry kLotsPages[] = {
    {"PC System Wholesale Lots", "/bl/dt/Wholesale-Lots-Systems.html"},
};

// No initial text is an entry: each is a caption for its speed range or group.
// Texts such as "AMD Athlon XP Systems" or "Other Chip Type Systems" recur in
// several drop-downs; each looks only in its own table, so they open different pages.
inline constexpr DropDownData kDropDowns[] = {
    {"cb366", {240, 1800, 2535, 315}, 1, "366Mhz And Less Systems", k366Items, k366Pages},
    {"cb400", {240, 2160, 2535, 315}, 2, "400MHz - 650Mhz Systems", k400Items, k400Pages},
    {"cb700", {240, 2520, 2535, 315}, 3, "700MHz - 1GHz Systems", k700Items, k700Pages},
    {"cb1GHz", {3000, 1800, 2535, 315}, 4, "1.1Ghz - 2GHz Systems", k1GHzItems, k1GHzPages},
    {"cb2GHz", {3000, 2160, 2535, 315}, 5, "2.1Ghz - 2.6GHz Systems", k2GHzItems, k2GHzPages},
    {"cb2p7GHz",
     {3000, 2520, 2535, 315},
     6,
     "2.7GHz - 2.8 GHz Systems",
     k2p7GHzItems,
     k2p7GHzPages},
    {"cb3GHz", {5760, 1800, 2535, 315}, 7, "3GHz And Higher Systems", k3GHzItems, k3GHzPages},
    {"cbDesktopMonitors",
     {5760, 2160, 2535, 315},
     8,
     "Desktops With Monitors",
     kDesktopMonitorsItems,
     kDesktopMonitorsPages},
    {"cbLots", {5760, 2520, 2535, 315}, 9, "Wholesale Lots", kLotsItems, kLotsPages},
};

inline constexpr CategoryData kWindow = {
    .name = "frmDeskTops",
    .title = "Desktop PC's",
    .folder = "dt",
    .clientWidth = 8535,
    .clientHeight = 2985,
    .fixedOuterSize = {},
    .bannerLeft = 0,
    .logoName = "Image1",
    .logoLeft = 6240,
    .titleName = "lblTitle1",
    .titleCaption = "Desktop PC Computer Systems",
    .titleBox = {2295, 1200, 3945, 360},
    .titleTabIndex = 0,
    .refreshBox = {240, 1230, 1575, 315},
    .refreshTabIndex = 10,
    .dropDowns = kDropDowns,
};

static_assert(IsWellFormed(kWindow));
static_assert(std::size(kDropDowns) == 9);
static_assert(std::size(k366Items) == 4 && std::size(k366Pages) == 4);
static_assert(std::size(k400Items) == 9 && std::size(k400Pages) == 9);
static_assert(std::size(k700Items) == 5 && std::size(k700Pages) == 5);
static_assert(std::size(k1GHzItems) == 13 && std::size(k1GHzPages) == 13);
static_assert(std::size(k2GHzItems) == 8 && std::size(k2GHzPages) == 8);
static_assert(std::size(k2p7GHzItems) == 4 && std::size(k2p7GHzPages) == 4);
static_assert(std::size(k3GHzItems) == 4 && std::size(k3GHzPages) == 4);
static_assert(std::size(kDesktopMonitorsItems) == 1 && std::size(kDesktopMonitorsPages) == 1);
static_assert(std::size(kLotsItems) == 1 && std::size(kLotsPages) == 1);

} // namespace benchlist::catalogue::desktops
