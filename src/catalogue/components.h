// SPDX-FileCopyrightText: 2026 Veldmark
//
// SPDX-License-Identifier: GPL-3.0-or-later

// PC Components: cables and adapter cards, CPUs, fans and heatsinks, memory, modems,
// motherboards, cases, power supplies and thermal compounds.
#pragma once

#include "base/categorydata.h"

namespace benchlist::catalogue::components {

// Page names do not always follow the item text ("Keyboard, Mouse Cables" opens
// Keyboard-Mouse-Cards, "Ide Cards" opens IDE-Cards); they are the site's own.
inline constexpr std::string_view kCablesItems[] = {
    "Cables And Adapter Cards",
    "Adapters",
    "Audio Adapters",
    "Extension Adapters",
    "Firewire Cards and Cables",
    "Cable Adapters",
    "Controller Cards",
    "Ide Cards",
    "Keyboard, Mouse Cables",
    "KVM, Switchbox and Cables",
    "Power Cables",
    "Round Cables",
    "SCSI Cards and Cables",
    "Serial Cards",
    "Switch Box And Cables",
    "USB 1.0 Cards and Cables",
    "USB 2.0 Cards and Cables",
    "USB Hubs and Cables",
    "PCI Cards",
    "Printer, Scanner A/B Cables",
    "Other Cables",
    "VGA, SVGA Cards and Cables",
    "Other Adapters and Cables",
    "Other Components",
};
inline constexpr PageEntry kCablesPages[] = {
    {"Cables And Adapter Cards", "/bl/cc/Cables-Adapter-Cards.html"},
    {"Adapters", "/bl/cc/Adapters.html"},
    {"Audio Adapters", "/bl/cc/Audio-Adapters.html"},
    {"Extension Adapters", "/bl/cc/Extension-Adapters.html"},
    {"Firewire Cards and Cables", "/bl/cc/Firewire-Adapters.html"},
    {"Cable Adapters", "/bl/cc/Cable-Adapters.html"},
    {"Controller Cards", "/bl/cc/Controller-Cards.html"},
    {"Ide Cards", "/bl/cc/IDE-Cards.html"},
    {"Keyboard, Mouse Cables", "/bl/cc/Keyboard-Mouse-Cards.html"},
    {"KVM, Switchbox and Cables", "/bl/cc/KVM-Switchbox.html"},
    {"Power Cables", "/bl/cc/Power-Cables.html"},
    {"Round Cables", "/bl/cc/Round-Cables.html"},
    {"SCSI Cards and Cables", "/bl/cc/SCSI.html"},
    {"Serial Cards", "/bl/cc/Serial.html"},
    {"Switch Box And Cables", "/bl/cc/Switch-Box.html"},
    {"USB 1.0 Cards and Cables", "/bl/cc/USB-1.html"},
    {"USB 2.0 Cards and Cables", "/bl/cc/USB-2.html"},
    {"USB Hubs and Cables", "/bl/cc/USB-Hubs.html"},
    {"PCI Cards", "/bl/cc/PCI-Cards.html"},
    {"Printer, Scanner A/B Cables", "/bl/cc/Printer-Scanner-Cables.html"},
    {"Other Cables", "/bl/cc/Other-Cables.html"},
    {"VGA, SVGA Cards and Cables", "/bl/cc/VGA-SVGA-Cables.html"},
    {"Other Adapters and Cables", "/bl/cc/All-Other-Cables.html"},
    {"Other Components", "/bl/cc/Other-Components.html"},
};

inline constexpr std::string_view kCPUItems[] = {
    "CPUs",
    "AMD CPUs",
    "Athlon CPUs",
    "Athlon XP CPUs",
    "Duron CPUs",
    "K6 CPUs",
    "Other AMD CPUs",
    "Cyrix CPUs",
    "Intel CPUs",
    "Intel Celeron CPUs",
    "Intel Pentium II CPUs",
    "Intel Pentium III CPUs",
    "Intel Pentium IV CPUs",
    "Intel Pentium Pro CPUs",
    "Intel Xeon CPUs",
    "Other Intel CPUs",
    "All Other CPUs",
};
inline constexpr PageEntry kCPUPages[] = {
    {"CPUs", "/bl/cc/CPUs.html"},
    {"AMD CPUs", "/bl/cc/AMD-CPU.html"},
    {"Athlon CPUs", "/bl/cc/Athlon-CPU.html"},
    {"Athlon XP CPUs", "/bl/cc/Athlon-XP-CPU.html"},
    {"Duron CPUs", "/bl/cc/Duron-CPU.html"},
    {"K6 CPUs", "/bl/cc/K6-CPU.html"},
    {"Other AMD CPUs", "/bl/cc/Other-AMD-CPU.html"},
    {"Cyrix CPUs", "/bl/cc/Cyrix.html"},
    {"Intel CPUs", "/bl/cc/Intel.html"},
    {"Intel Celeron CPUs", "/bl/cc/Celeron.html"},
    {"Intel Pentium II CPUs", "/bl/cc/Pentium-II.html"},
    {"Intel Pentium III CPUs", "/bl/cc/Pentium-III.html"},
    {"Intel Pentium IV CPUs", "/bl/cc/Pentium-4.html"},
    {"Intel Pentium Pro CPUs", "/bl/cc/Pentium-Pro.html"},
    {"Intel Xeon CPUs", "/bl/cc/Xeon-CPU.html"},
    {"Other Intel CPUs", "/bl/cc/Other-Intel-CPU.html"},
    {"All Other CPUs", "/bl/cc/Other-CPU.html"},
};

inline constexpr std::string_view kFansItems[] = {
    "Fans and Heatsinks",
    "AMD and Athlon Fans/Heatsinks",
    "Crystal, Vantec Fans/Heatsinks",
    "Thermaltake Fans/Heatsinks",
    "Fan Grills",
    "Other Fans and Heatsinks",
};
inline constexpr PageEntry kFansPages[] = {
    {"Fans and Heatsinks", "/bl/cc/Fans-Heatsinks.html"},
    {"AMD and Athlon Fans/Heatsinks", "/bl/cc/AMD-Athlon-Heatsinks.html"},
    {"Crystal, Vantec Fans/Heatsinks", "/bl/cc/Crystal-Vantec.html"},
    {"Thermaltake Fans/Heatsinks", "/bl/cc/Thermaltake.html"},
    {"Fan Grills", "/bl/cc/Fan-Grills.html"},
    {"Other Fans and Heatsinks", "/bl/cc/Other-Fans.html"},
};

inline constexpr std::string_view kMemoryItems[] = {
    "Memory",
    "DDR",
    "DDR 256MB and Less",
    "DDR 512MB and Higher",
    "EDO Memory",
    "FPM Memory",
    "RAM",
    "RDRAM",
    "SDRAM",
    "32MB SDRAM",
    "64MB SDRAM",
    "128MB SDRAM",
    "256MB SDRAM",
    "512MB SDRAM",
    "Other SDRAM",
    "All Other Memory",
};
inline constexpr PageEntry kMemoryPages[] = {
    {"Memory", "/bl/cc/Memory.html"},
    {"DDR", "/bl/cc/DDR.html"},
    {"DDR 256MB and Less", "/bl/cc/DDR-256.html"},
    {"DDR 512MB and Higher", "/bl/cc/DDR-512.html"},
    {"EDO Memory", "/bl/cc/EDO-memory.html"},
    {"FPM Memory", "/bl/cc/FPM-memory.html"},
    {"RAM", "/bl/cc/RAM-memory.html"},
    {"RDRAM", "/bl/cc/RDRAM-memory.html"},
    {"SDRAM", "/bl/cc/SDRAM-memory.html"},
    {"32MB SDRAM", "/bl/cc/SDRAM-32MB.html"},
    {"64MB SDRAM", "/bl/cc/SDRAM-64MB.html"},
    {"128MB SDRAM", "/bl/cc/SDRAM-128MB.html"},
    {"256MB SDRAM", "/bl/cc/SDRAM-256MB.html"},
    {"512MB SDRAM", "/bl/cc/SDRAM-512MB.html"},
    {"Other SDRAM", "/bl/cc/Other-SDRAM.html"},
    {"All Other Memory", "/bl/cc/Other-Memory.html"},
};

inline constexpr std::string_view kModemsItems[] = {
    "Modems",
    "External",
    "External Modems 33.6K & Less",
    "External Modems 56k",
    "External Cable Modems",
    "External DSL Modems",
    "External ISDN Modems",
    "Other External Modems",
    "Internal Modems",
    "Internal 56k Modems",
    "Internal Modems 56K V.90 V.92",
    "Internal DSL Modems",
    "Other Modems",
};
inline constexpr PageEntry kModemsPages[] = {
    {"Modems", "/bl/cc/Modems.html"},
    {"External", "/bl/cc/External-Modems.html"},
    {"External Modems 33.6K & Less", "/bl/cc/External-Modems-33.html"},
    {"External Modems 56k", "/bl/cc/External-Modems-56K.html"},
    {"External Cable Modems", "/bl/cc/External-Modems-Cable.html"},
    {"External DSL Modems", "/bl/cc/External-Modems-DSL.html"},
    {"External ISDN Modems", "/bl/cc/External-Modems-ISDN.html"},
    {"Other External Modems", "/bl/cc/Other-External-Modems.html"},
    {"Internal Modems", "/bl/cc/Internal-Modems.html"},
    {"Internal 56k Modems", "/bl/cc/Internal-Modems-56K.html"},
    {"Internal Modems 56K V.90 V.92", "/bl/cc/Internal-Modems-v56K.html"},
    {"Internal DSL Modems", "/bl/cc/Internal-Modems-DSL.html"},
    {"Other Modems", "/bl/cc/Other-Modems.html"},
};

inline constexpr std::string_view kMotherboardsItems[] = {
    "Motherboards",    "Dual Socket",        "Socket 370",       "Abit Tyan Socket 370",
    "Asus Socket 370", "Gateway Socket 370", "Intel Socket 370", "Other Brand Socket 370",
    "Socket 423",      "Socket 478",         "Socket A",         "Abit Socket A",
    "AMD Socket A",    "Asus Socket A",      "MSI Socket A",     "Other Brand Socket A",
    "Super7 Socket 7", "Other Motherboards",
};
inline constexpr PageEntry kMotherboardsPages[] = {
    {"Motherboards", "/bl/cc/Motherboards.html"},
    {"Dual Socket", "/bl/cc/Dual-Socket-Motherboards.html"},
    {"Socket 370", "/bl/cc/Socket-370.html"},
    {"Abit Tyan Socket 370", "/bl/cc/Abit-Tyan-370.html"},
    {"Asus Socket 370", "/bl/cc/Asus-370.html"},
    {"Gateway Socket 370", "/bl/cc/Gateway-370.html"},
    {"Intel Socket 370", "/bl/cc/Intel-370.html"},
    {"Other Brand Socket 370", "/bl/cc/Other-Brands-370.html"},
    {"Socket 423", "/bl/cc/Socket-423.html"},
    {"Socket 478", "/bl/cc/Socket-478.html"},
    {"Socket A", "/bl/cc/Socket-A.html"},
    {"Abit Socket A", "/bl/cc/Abit-Socket-A.html"},
    {"AMD Socket A", "/bl/cc/AMD-Socket-A.html"},
    {"Asus Socket A", "/bl/cc/Asus-Socket-A.html"},
    {"MSI Socket A", "/bl/cc/MSI-Socket-A.html"},
    {"Other Brand Socket A", "/bl/cc/Other-Brands-Socket-A.html"},
    {"Super7 Socket 7", "/bl/cc/Super7-Socket7.html"},
    {"Other Motherboards", "/bl/cc/Other-Motherboards.html"},
};

inline constexpr std::string_view kCasesItems[] = {
    "System Cases",     "300 Watts & Lower", "301 to 350 Watts",          "400 Watt Cases",
    "401 to 450 Watts", "450 Watt Cases",    "Case Accessories and Kits", "Other PC Cases",
};
inline constexpr PageEntry kCasesPages[] = {
    {"System Cases", "/bl/cc/PC-Cases.html"},
    {"300 Watts & Lower", "/bl/cc/300-Watt-PC-Cases.html"},
    {"301 to 350 Watts", "/bl/cc/350-Watt-PC-Cases.html"},
    {"400 Watt Cases", "/bl/cc/400-Watt-PC-Cases.html"},
    {"401 to 450 Watts", "/bl/cc/450-Watt-PC-Cases.html"},
    {"450 Watt Cases", "/bl/cc/451-Watt-PC-Cases.html"},
    {"Case Accessories and Kits", "/bl/cc/Case-Accessories.html"},
    {"Other PC Cases", "/bl/cc/Other-PC-Cases.html"},
};

inline constexpr std::string_view kPowerItems[] = {
    "Power Supplies",   "AT Power Supplies", "ATX Power Supplies", "200 Watts and Less",
    "201 to 300 Watts", "301 to 400 Watts",  "401+ Watts",         "Other Power Supplies",
};
inline constexpr PageEntry kPowerPages[] = {
    {"Power Supplies", "/bl/cc/Power-Supplies.html"},
    {"AT Power Supplies", "/bl/cc/AT-Power-Supply.html"},
    {"ATX Power Supplies", "/bl/cc/ATX-Power-Supply.html"},
    {"200 Watts and Less", "/bl/cc/Power-Supply-200.html"},
    {"201 to 300 Watts", "/bl/cc/Power-Supply-300.html"},
    {"301 to 400 Watts", "/bl/cc/Power-Supply-400.html"},
    {"401+ Watts", "/bl/cc/Power-Supply-401.html"},
    {"Other Power Supplies", "/bl/cc/Other-Power-Supplies.html"},
};

inline constexpr std::string_view kThermalItems[] = {"Thermal Pastes & Compounds"};
inline constexpr PageEntry kThermalPages[] = {
    {"Thermal Pastes & Compounds", "/bl/cc/Thermal-Pastes.html"},
};

// "Cables and, Adapter Cards", "CPU's" and "PC Cases" are captions that match no entry; the
// other six initial texts equal their first item.
inline constexpr DropDownData kDropDowns[] = {
    {"cbCables",
     {240, 1560, 2775, 315},
     1,
     "Cables and, Adapter Cards",
     kCablesItems,
     kCablesPages},
    {"cbCPU", {240, 1920, 2775, 315}, 2, "CPU's", kCPUItems, kCPUPages},
    {"cbFans", {240, 2280, 2775, 315}, 3, "Fans and Heatsinks", kFansItems, kFansPages},
    {"cbMemory", {3240, 1560, 2775, 315}, 4, "Memory", kMemoryItems, kMemoryPages},
    {"cbModems", {3240, 1920, 2775, 315}, 5, "Modems", kModemsItems, kModemsPages},
    {"cbMotherboards",
     {3240, 2280, 2775, 315},
     6,
     "Motherboards",
     kMotherboardsItems,
     kMotherboardsPages},
    {"cbCases", {6240, 1560, 2775, 315}, 7, "PC Cases", kCasesItems, kCasesPages},
    {"cbPower", {6240, 1920, 2775, 315}, 8, "Power Supplies", kPowerItems, kPowerPages},
    {"cbThermal",
     {6240, 2280, 2775, 315},
     9,
     "Thermal Pastes & Compounds",
     kThermalItems,
     kThermalPages},
};

inline constexpr CategoryData kWindow = {
    .name = "frmComponents",
    .title = "PC Components",
    .folder = "cc",
    .clientWidth = 9255,
    .clientHeight = 2745,
    .fixedOuterSize = {},
    .bannerLeft = 120,
    .logoName = "Image2",
    .logoLeft = 6960,
    .titleName = "lblTitle1",
    .titleCaption = "Desktop PC Computer Components",
    .titleBox = {2370, 1080, 4515, 360},
    .titleTabIndex = 0,
    .refreshBox = {240, 1080, 1575, 315},
    .refreshTabIndex = 10,
    .dropDowns = kDropDowns,
};

static_assert(IsWellFormed(kWindow));
static_assert(std::size(kDropDowns) == 9);
static_assert(std::size(kCablesItems) == 24 && std::size(kCablesPages) == 24);
static_assert(std::size(kCPUItems) == 17 && std::size(kCPUPages) == 17);
static_assert(std::size(kFansItems) == 6 && std::size(kFansPages) == 6);
static_assert(std::size(kMemoryItems) == 16 && std::size(kMemoryPages) == 16);
static_assert(std::size(kModemsItems) == 13 && std::size(kModemsPages) == 13);
static_assert(std::size(kMotherboardsItems) == 18 && std::size(kMotherboardsPages) == 18);
static_assert(std::size(kCasesItems) == 8 && std::size(kCasesPages) == 8);
static_assert(std::size(kPowerItems) == 8 && std::size(kPowerPages) == 8);
static_assert(std::size(kThermalItems) == 1 && std::size(kThermalPages) == 1);

} // namespace benchlist::catalogue::components
