// SPDX-FileCopyrightText: 2026 Veldmark
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Laptops: systems by maker and speed, memory, drives, cards, parts, power
// adapters, docking stations, screens, cases, tablets and wholesale lots.
#pragma once

#include "base/categorydata.h"

namespace benchlist::catalogue::laptops {

inline constexpr std::string_view kSystemsItems[] = {
    "Systems",
    "Acer Laptops",
    "Alienware Laptops",
    "Dell Laptops",
    "Dell 266MHz Less",
    "Dell 300-366 MHz",
    "Dell 400-466 MHz",
    "Dell 500-666MHz",
    "Dell 700-750 MHz",
    "Dell 800-933 MHz",
    "Dell 1.0-1.49GHz",
    "Dell 1.5-1.9 GHz",
    "Dell 2.0-2.4 GHz",
    "Dell 2.5GHz More",
    "Fujitsu Laptops",
    "Gateway Laptops",
    "Gateway 450MHz Less",
    "Gateway 450-666MHz",
    "Gateway 700-933MHz",
    "Gateway 1GHz More",
    "HP and Compaq Laptops",
    "HP 266MHz Less",
    "HP 266-366 MHz",
    "HP 400-466 MHz",
    "HP 500-666 MHz",
    "HP 700-933 MHz",
    "HP 1.0-1.9GHz",
    "HP 2.0GHz More",
    "IBM Laptops",
    "IBM 266 MHz Less",
    "IBM 266-333 MHz",
    "IBM 350-366 MHz",
    "IBM 400-466 MHz",
    "IBM 500-550 MHz",
    "IBM 600-666 MHz",
    "IBM 700-933 MHz",
    "IBM 1.0-1.9 GHz",
    "IBM 2.0 GHz More",
    "NEC Laptops",
    "Panasonic Laptops",
    "Sharp Laptops",
    "Sony Laptops",
    "Sony 500MHz Less",
    "Sony 450-666 MHz",
    "Sony 700-933 MHz",
    "Sony 1.0-1.9 GHz",
    "Sony 2.0 GHz Higher",
    "Toshiba Laptops",
    "Toshiba 266MHz Less",
    "Toshiba 266-466MHz",
    "Toshiba 500-666MHz",
    "Toshiba 700-933 MHz",
    "Toshiba 1.0-1.9 GHz",
    "Toshiba 2.0GHz More",
    "Other Laptops",
    "Non Branded Laptops",
};
// The last item, "Non Branded Laptops", has no entry and opens the error page: the last
// entry answers only to "Non Branded Laptop", which is in no list and is reached by typing it.
inline constexpr PageEntry kSystemsPages[] = {
    {"Systems", "/bl/lt/Laptop-Systems.html"},
    {"Acer Laptops", "/bl/lt/Acer-laptops.html"},
    {"Alienware Laptops", "/bl/lt/Alienware-laptops.html"},
    {"Dell Laptops", "/bl/lt/Dell-laptops.html"},
    {"Dell 266MHz Less", "/bl/lt/266-Less-laptops.html"},
    {"Dell 300-366 MHz", "/bl/lt/366-laptops.html"},
    {"Dell 400-466 MHz", "/bl/lt/466-laptops.html"},
    {"Dell 500-666MHz", "/bl/lt/666-laptops.html"},
    {"Dell 700-750 MHz", "/bl/lt/750-laptops.html"},
    {"Dell 800-933 MHz", "/bl/lt/933-laptops.html"},
    {"Dell 1.0-1.49GHz", "/bl/lt/1490MHz-laptops.html"},
    {"Dell 1.5-1.9 GHz", "/bl/lt/1900MHz-laptops.html"},
    {"Dell 2.0-2.4 GHz", "/bl/lt/2400MHz-laptops.html"},
    {"Dell 2.5GHz More", "/bl/lt/2500MHz-Higher-Systems.html"},
    {"Fujitsu Laptops", "/bl/lt/Fujitsu-laptops.html"},
    {"Gateway Laptops", "/bl/lt/Gateway.html"},
    {"Gateway 450MHz Less", "/bl/lt/Gateway-450.html"},
    {"Gateway 450-666MHz", "/bl/lt/Gateway-666.html"},
    {"Gateway 700-933MHz", "/bl/lt/Gateway-933.html"},
    {"Gateway 1GHz More", "/bl/lt/Gateway-1000.html"},
    {"HP and Compaq Laptops", "/bl/lt/HP-Compaq-Laptops.html"},
    {"HP 266MHz Less", "/bl/lt/HP-266.html"},
    {"HP 266-366 MHz", "/bl/lt/HP-366.html"},
    {"HP 400-466 MHz", "/bl/lt/HP-466.html"},
    {"HP 500-666 MHz", "/bl/lt/HP-666.html"},
    {"HP 700-933 MHz", "/bl/lt/HP-933.html"},
    {"HP 1.0-1.9GHz", "/bl/lt/HP-1900.html"},
    {"HP 2.0GHz More", "/bl/lt/HP-2000-More.html"},
    {"IBM Laptops", "/bl/lt/IBM-Systems.html"},
    {"IBM 266 MHz Less", "/bl/lt/IBM-266.html"},
    {"IBM 266-333 MHz", "/bl/lt/IBM-333.html"},
    {"IBM 350-366 MHz", "/bl/lt/IBM-366.html"},
    {"IBM 400-466 MHz", "/bl/lt/IBM-466.html"},
    {"IBM 500-550 MHz", "/bl/lt/IBM-550.html"},
    {"IBM 600-666 MHz", "/bl/lt/IBM-666.html"},
    {"IBM 700-933 MHz", "/bl/lt/IBM-933.html"},
    {"IBM 1.0-1.9 GHz", "/bl/lt/IBM-1900.html"},
    {"IBM 2.0 GHz More", "/bl/lt/IBM-2000-More.html"},
    {"NEC Laptops", "/bl/lt/NEC-laptops.html"},
    {"Panasonic Laptops", "/bl/lt/Panasonic-laptops.html"},
    {"Sharp Laptops", "/bl/lt/Sharp-laptops.html"},
    {"Sony Laptops", "/bl/lt/Sony-laptops.html"},
    {"Sony 500MHz Less", "/bl/lt/Sony-500.html"},
    {"Sony 450-666 MHz", "/bl/lt/Sony-666.html"},
    {"Sony 700-933 MHz", "/bl/lt/Sony-933.html"},
    {"Sony 1.0-1.9 GHz", "/bl/lt/Sony-1900.html"},
    {"Sony 2.0 GHz Higher", "/bl/lt/Sony-2000-More.html"},
    {"Toshiba Laptops", "/bl/lt/Toshiba.html"},
    {"Toshiba 266MHz Less", "/bl/lt/Less than 266 MHz.html"},
    {"Toshiba 266-466MHz", "/bl/lt/266-466MHz.html"},
    {"Toshiba 500-666MHz", "/bl/lt/500-666MHz.html"},
    {"Toshiba 700-933 MHz", "/bl/lt/700-933 MHz.html"},
    {"Toshiba 1.0-1.9 GHz", "/bl/lt/1.0-1.9 GHz.html"},
    {"Toshiba 2.0GHz More", "/bl/lt/2.0 GHz & More.html"},
    {"Other Laptops", "/bl/lt/Other Laptops.html"},
    {"Non Branded Laptop", "/bl/lt/Non-Branded.html"},
};

inline constexpr std::string_view kMemoryItems[] = {
    "Memory Upgrades", "16 Mb", "32 Mb", "64 Mb", "128 Mb", "256 Mb", "Other",
};
inline constexpr PageEntry kMemoryPages[] = {
    {"Memory Upgrades", "/bl/lt/Memory-Upgrades.html"},
    {"16 Mb", "/bl/lt/16-Mb-laptop-memory.html"},
    {"32 Mb", "/bl/lt/32-Mb-laptop-memory.html"},
    {"64 Mb", "/bl/lt/64-Mb-laptop-memory.html"},
    {"128 Mb", "/bl/lt/128-Mb-laptop-memory.html"},
    {"256 Mb", "/bl/lt/256-Mb-laptop-memory.html"},
    {"Other", "/bl/lt/Other-laptop-memory.html"},
};

inline constexpr std::string_view kDrivesItems[] = {
    "Drives",         "CD-ROM Drives",     "cdrom 20X Less", "cdrom 24x More",  "CD-R CD-RW Drives",
    "Combo Drives",   "DVD Drives",        "Floppy Drives",  "Internal Floppy", "External Floppy",
    "Hard Drives",    "10.0GB Less",       "10 to 20GB",     "20 to 40GB",      "40 to 60GB",
    "Higher 60GB",    "Zip Drives",        "Other Drives",   "Keyboards",       "Compaq Keyboards",
    "Dell Keyboards", "Gateway Keyboards", "IBM Keyboards",  "Other Keyboards",
};
// The six keyboard items at the end of the list are cbParts' keyboard pages; this table has
// no entry for them, so choosing one of them here opens the error page.
inline constexpr PageEntry kDrivesPages[] = {
    {"Drives", "/bl/lt/Drives.html"},
    {"CD-ROM Drives", "/bl/lt/CD-ROM-Drives.html"},
    {"cdrom 20X Less", "/bl/lt/cdrom-20X-Less.html"},
    {"cdrom 24x More", "/bl/lt/cdrom-24X-More.html"},
    {"CD-R CD-RW Drives", "/bl/lt/CDR-CD-RW-Drives.html"},
    {"Combo Drives", "/bl/lt/Combo-Drives.html"},
    {"DVD Drives", "/bl/lt/DVD-Drives.html"},
    {"Floppy Drives", "/bl/lt/Floppy-Drives.html"},
    {"Internal Floppy", "/bl/lt/Internal-Drives.html"},
    {"External Floppy", "/bl/lt/External-Drives.html"},
    {"Hard Drives", "/bl/lt/Hard Drives.html"},
    {"10.0GB Less", "/bl/lt/10gb-Less.html"},
    {"10 to 20GB", "/bl/lt/20gb.html"},
    {"20 to 40GB", "/bl/lt/40gb.html"},
    {"40 to 60GB", "/bl/lt/60gb.html"},
    {"Higher 60GB", "/bl/lt/60gb-More.html"},
    {"Zip Drives", "/bl/lt/Zip-Drives.html"},
    {"Other Drives", "/bl/lt/Other-Drives.html"},
};

inline constexpr std::string_view kPCMCIAItems[] = {
    "PCMCIA Cards",
    "Compact Flash, Memory",
    "Network Interface Cards",
    "3Com NICs",
    "IBM NICs",
    "Xircom NICs",
    "Other NICs",
    "USB-2-Adapters",
    "Other Cards",
};
inline constexpr PageEntry kPCMCIAPages[] = {
    {"PCMCIA Cards", "/bl/lt/PCMCIA-Cards.html"},
    {"Compact Flash, Memory", "/bl/lt/Compact-Flash-Memory.html"},
    {"Network Interface Cards", "/bl/lt/Network-Interface-Cards.html"},
    {"3Com NICs", "/bl/lt/3Com-Nics.html"},
    {"IBM NICs", "/bl/lt/IBM-Nics.html"},
    {"Xircom NICs", "/bl/lt/Xircom-Nics.html"},
    {"Other NICs", "/bl/lt/Other-Nics.html"},
    {"USB-2-Adapters", "/bl/lt/USB-2-Adapter-Cards.html"},
    {"Other Cards", "/bl/lt/Other-Cards.html"},
};

inline constexpr std::string_view kMotherboardsItems[] = {"Motherboards"};
inline constexpr PageEntry kMotherboardsPages[] = {
    {"Motherboards", "/bl/lt/Motherboards.html"},
};

inline constexpr std::string_view kCPUItems[] = {"Laptop CPUs"};
inline constexpr PageEntry kCPUPages[] = {
    {"Laptop CPUs", "/bl/lt/Laptop-CPUs.html"},
};

inline constexpr std::string_view kCablesItems[] = {
    "Cables, Connectors",
    "Dell Cables, Connectors",
    "IBM Cables, Connectors",
    "Other Cables, Connectors",
};
inline constexpr PageEntry kCablesPages[] = {
    {"Cables, Connectors", "/bl/lt/Cables-and-Connectors.html"},
    {"Dell Cables, Connectors", "/bl/lt/Dell-Cables.html"},
    {"IBM Cables, Connectors", "/bl/lt/IBM-Cables.html"},
    {"Other Cables, Connectors", "/bl/lt/Other-Cables.html"},
};

// "Acccessories" with three c's is the text the page answers to; item and entry must agree.
inline constexpr std::string_view kPartsItems[] = {
    "Parts and Acccessories", "Keyboards",     "Compaq Keyboards", "Dell Keyboards",
    "Gateway Keyboards",      "IBM Keyboards", "Other Keyboards",
};
inline constexpr PageEntry kPartsPages[] = {
    {"Parts and Acccessories", "/bl/lt/laptop-parts-accessories.html"},
    {"Keyboards", "/bl/lt/Keyboards.html"},
    {"Compaq Keyboards", "/bl/lt/Compaq-Keyboards.html"},
    {"Dell Keyboards", "/bl/lt/Dell-Keyboards.html"},
    {"Gateway Keyboards", "/bl/lt/Gateway-Keyboards.html"},
    {"IBM Keyboards", "/bl/lt/IBM-Keyboards.html"},
    {"Other Keyboards", "/bl/lt/Other-Keyboards.html"},
};

inline constexpr std::string_view kBatteriesItems[] = {
    "Laptop Batteries",
    "Compaq",
    "Dell",
    "HP",
    "IBM",
    "IBM A, T Series",
    "IBM 600 Series",
    "IBM 390, i1700 Series",
    "Other IBM",
    "Sony",
    "Toshiba",
    "Other Brands",
};
inline constexpr PageEntry kBatteriesPages[] = {
    {"Laptop Batteries", "/bl/lt/Laptop-Batteries.html"},
    {"Compaq", "/bl/lt/Compaq-Batteries.html"},
    {"Dell", "/bl/lt/Dell-Batteries.html"},
    {"HP", "/bl/lt/HP-Batteries.html"},
    {"IBM", "/bl/lt/IBM-Batteries.html"},
    {"IBM A, T Series", "/bl/lt/A-T-Series.html"},
    {"IBM 600 Series", "/bl/lt/600-Series.html"},
    {"IBM 390, i1700 Series", "/bl/lt/390-i1700-Series.html"},
    {"Other IBM", "/bl/lt/Other-IBM-Batteries.html"},
    {"Sony", "/bl/lt/Sony-Batteries.html"},
    {"Toshiba", "/bl/lt/Toshiba-Batteries.html"},
    {"Other Brands", "/bl/lt/Other-Batteries.html"},
};

inline constexpr std::string_view kACItems[] = {
    "Adapters and Chargers",
    "Car Adapters",
    "Dell Car Adapters",
    "Toshiba Car Adapters",
    "Other Car Adapters",
    "AC Standard Adapters",
    "Dell AC Adapters Chargers",
    "Gateway AC Adapters Chargers",
    "HP AC Adapters Chargers",
    "IBM AC Adapters Chargers",
    "NEC AC Adapters Chargers",
    "Sony AC Adapters Chargers",
    "Toshiba AC Adapters Chargers",
    "Compaq AC Adapters Chargers",
    "Other Brand Chargers",
};
inline constexpr PageEntry kACPages[] = {
    {"Adapters and Chargers", "/bl/lt/Adapters-Charges.html"},
    {"Car Adapters", "/bl/lt/car-auto.html"},
    {"Dell Car Adapters", "/bl/lt/Dell-Car-Adapters.html"},
    {"Toshiba Car Adapters", "/bl/lt/Toshiba-Car-Adapters.html"},
    {"Other Car Adapters", "/bl/lt/Other-Brand-Car-Adapters.html"},
    {"AC Standard Adapters", "/bl/lt/AC-Standard-Adapters.html"},
    {"Dell AC Adapters Chargers", "/bl/lt/Dell-AC-Adapters.html"},
    {"Gateway AC Adapters Chargers", "/bl/lt/Gateway-AC-Adapters.html"},
    {"HP AC Adapters Chargers", "/bl/lt/HP-AC-Adapters.html"},
    {"IBM AC Adapters Chargers", "/bl/lt/IBM-AC-Adapters.html"},
    {"NEC AC Adapters Chargers", "/bl/lt/NEC-AC-Adapters.html"},
    {"Sony AC Adapters Chargers", "/bl/lt/Sony-AC-Adapters.html"},
    {"Toshiba AC Adapters Chargers", "/bl/lt/Toshiba-AC-Adapters.html"},
    {"Compaq AC Adapters Chargers", "/bl/lt/Compaq-AC-Adapters.html"},
    {"Other Brand Chargers", "/bl/lt/Other-Brand-AC-Adapters.html"},
};

inline constexpr std::string_view kDockingItems[] = {
    "Docking Stations",          "Compaq Docking Stations",
    "Dell Docking Stations",     "Inspiron Docking Stations",
    "Latitude Docking Stations", "Other Dell Docking Stations",
    "HP Docking Stations",       "IBM Docking Stations",
    "Toshiba Docking Stations",  "Other Brand Docking Stations",
};
inline constexpr PageEntry kDockingPages[] = {
    {"Docking Stations", "/bl/lt/Docking-Stations.html"},
    {"Compaq Docking Stations", "/bl/lt/Compaq-Docking-Stations.html"},
    {"Dell Docking Stations", "/bl/lt/Dell-Docking-Stations.html"},
    {"Inspiron Docking Stations", "/bl/lt/Inspiron-Docking-Stations.html"},
    {"Latitude Docking Stations", "/bl/lt/Latitude-Docking-Stations.html"},
    {"Other Dell Docking Stations", "/bl/lt/Other-Dell-Docking-Stations.html"},
    {"HP Docking Stations", "/bl/lt/HP-Docking-Stations.html"},
    {"IBM Docking Stations", "/bl/lt/IBM-Docking-Stations.html"},
    {"Toshiba Docking Stations", "/bl/lt/Toshiba-Docking-Stations.html"},
    {"Other Brand Docking Stations", "/bl/lt/Other-Brand-Docking-Stations.html"},
};

inline constexpr std::string_view kScreensItems[] = {
    "Screens, LCD Panels",
    "Compaq",
    "Dell",
    "Hitachi",
    "HP",
    "IBM",
    "Samsung",
    "Sharp",
    "Sony",
    "Toshiba",
    "Other Brands",
};
inline constexpr PageEntry kScreensPages[] = {
    {"Screens, LCD Panels", "/bl/lt/Screens-LCD-Panels.html"},
    {"Compaq", "/bl/lt/Compaq-Screens.html"},
    {"Dell", "/bl/lt/Dell-Screens.html"},
    {"Hitachi", "/bl/lt/Hitachi-Screens.html"},
    {"HP", "/bl/lt/HP-Screens.html"},
    {"IBM", "/bl/lt/IBM-Screens.html"},
    {"Samsung", "/bl/lt/Samsung-Screens.html"},
    {"Sharp", "/bl/lt/Sharp-Screens.html"},
    {"Sony", "/bl/lt/Sony-Screens.html"},
    {"Toshiba", "/bl/lt/Toshiba-Screens.html"},
    {"Other Brands", "/bl/lt/Other-Brand-Screens.html"},
};

inline constexpr std::string_view kCasesItems[] = {
    "Cases, Bags", "Backpacks",  "Carrying, Briefcase", "Leather Cases",
    "Nylon Cases", "Other Bags", "Rolling Cases",       "Other Style Cases",
};
inline constexpr PageEntry kCasesPages[] = {
    {"Cases, Bags", "/bl/lt/Cases-Bags.html"},
    {"Backpacks", "/bl/lt/Backpacks.html"},
    {"Carrying, Briefcase", "/bl/lt/Carrying-Briefcase.html"},
    {"Leather Cases", "/bl/lt/Leather-Case.html"},
    {"Nylon Cases", "/bl/lt/Nylon-Case.html"},
    {"Other Bags", "/bl/lt/Other-Bags.html"},
    {"Rolling Cases", "/bl/lt/Rolling-Cases.html"},
    {"Other Style Cases", "/bl/lt/Other-Style-Cases.html"},
};

inline constexpr std::string_view kTabletsItems[] = {"Tablet PCs"};
inline constexpr PageEntry kTabletsPages[] = {
    {"Tablet PCs", "/bl/lt/Tablet-PCs.html"},
};

inline constexpr std::string_view kWholesaleItems[] = {"Wholesale Lots"};
inline constexpr PageEntry kWholesalePages[] = {
    {"Wholesale Lots", "/bl/lt/Wholesale-Lots.html"},
};

inline constexpr DropDownData kDropDowns[] = {
    {"cbSystems", {120, 1680, 2295, 315}, 1, "Laptop Systems", kSystemsItems, kSystemsPages},
    {"cbMemory", {120, 2040, 2295, 315}, 2, "Memory Upgrades", kMemoryItems, kMemoryPages},
    {"cbDrives", {120, 2400, 2295, 315}, 3, "Drives", kDrivesItems, kDrivesPages},
    {"cbPCMCIA", {120, 2760, 2295, 315}, 4, "PCMCIA Cards", kPCMCIAItems, kPCMCIAPages},
    {"cbMotherboards",
     {2520, 1680, 2295, 315},
     5,
     "Motherboards",
     kMotherboardsItems,
     kMotherboardsPages},
    {"cbCPU", {2520, 2040, 2295, 315}, 6, "CPUs", kCPUItems, kCPUPages},
    {"cbCables", {2520, 2400, 2295, 315}, 7, "Cables & Connectors", kCablesItems, kCablesPages},
    {"cbParts", {2520, 2760, 2295, 315}, 8, "Parts, Accessories", kPartsItems, kPartsPages},
    {"cbBatteries", {5040, 1680, 2295, 315}, 9, "Batteries", kBatteriesItems, kBatteriesPages},
    {"cbAC", {5040, 2040, 2295, 315}, 10, "AC, Standard", kACItems, kACPages},
    {"cbDocking", {5040, 2400, 2295, 315}, 11, "Docking Stations", kDockingItems, kDockingPages},
    {"cbScreens",
     {5040, 2760, 2295, 315},
     12,
     "Laptop Screens, LCDs",
     kScreensItems,
     kScreensPages},
    {"cbCases", {7560, 1680, 2295, 315}, 13, "Cases, Bags", kCasesItems, kCasesPages},
    {"cbTablets", {7560, 2040, 2295, 315}, 14, "Tablet PC's", kTabletsItems, kTabletsPages},
    {"cbWholesale",
     {7560, 2400, 2295, 315},
     15,
     "Wholesale Lots",
     kWholesaleItems,
     kWholesalePages},
};

inline constexpr CategoryData kWindow = {
    .name = "frmLaptops",
    .title = "Laptops",
    .folder = "lt",
    .clientWidth = 9975,
    .clientHeight = 3240,
    .fixedOuterSize = {},
    .bannerLeft = 0,
    .logoName = "Image2",
    .logoLeft = 7680,
    .titleName = "lblTitle1",
    .titleCaption = "Laptops and Laptop Components and Accessories",
    .titleBox = {1800, 1200, 6375, 360},
    .titleTabIndex = 0,
    .refreshBox = {7560, 2760, 2295, 315},
    .refreshTabIndex = 16,
    .dropDowns = kDropDowns,
};

static_assert(IsWellFormed(kWindow));
static_assert(std::size(kDropDowns) == 15);
static_assert(std::size(kSystemsItems) == 56 && std::size(kSystemsPages) == 56);
static_assert(std::size(kMemoryItems) == 7 && std::size(kMemoryPages) == 7);
static_assert(std::size(kDrivesItems) == 24 && std::size(kDrivesPages) == 18);
static_assert(std::size(kPCMCIAItems) == 9 && std::size(kPCMCIAPages) == 9);
static_assert(std::size(kMotherboardsItems) == 1 && std::size(kMotherboardsPages) == 1);
static_assert(std::size(kCPUItems) == 1 && std::size(kCPUPages) == 1);
static_assert(std::size(kCablesItems) == 4 && std::size(kCablesPages) == 4);
static_assert(std::size(kPartsItems) == 7 && std::size(kPartsPages) == 7);
static_assert(std::size(kBatteriesItems) == 12 && std::size(kBatteriesPages) == 12);
static_assert(std::size(kACItems) == 15 && std::size(kACPages) == 15);
static_assert(std::size(kDockingItems) == 10 && std::size(kDockingPages) == 10);
static_assert(std::size(kScreensItems) == 11 && std::size(kScreensPages) == 11);
static_assert(std::size(kCasesItems) == 8 && std::size(kCasesPages) == 8);
static_assert(std::size(kTabletsItems) == 1 && std::size(kTabletsPages) == 1);
static_assert(std::size(kWholesaleItems) == 1 && std::size(kWholesalePages) == 1);

} // namespace benchlist::catalogue::laptops
