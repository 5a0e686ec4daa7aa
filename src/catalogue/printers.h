// SPDX-FileCopyrightText: 2026 Veldmark
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Printers and Supplies: printers, ink, toner, ribbons, printheads, supplies and accessories,
// power supplies, sign vinyl, printer memory, manuals and wholesale lots.
#pragma once

#include "base/categorydata.h"

namespace benchlist::catalogue::printers {

inline constexpr std::string_view kMultiFunctionItems[] = {
    "All In One Multifunction", "Brother Multi",        "Canon Multi", "HP Multi", "Lexmark Multi",
    "Panasonic Multi",          "Other Multi Function",
};
// "Xerox Multi" has a page but no list item: it is reached only by typing it.
inline constexpr PageEntry kMultiFunctionPages[] = {
    {"All In One Multifunction", "/bl/ps/All-In-One-Multifunction-Printers.html"},
    {"Brother Multi", "/bl/ps/Brother-Multi.html"},
    {"Canon Multi", "/bl/ps/Canon-Multi.html"},
    {"HP Multi", "/bl/ps/HP-Multi.html"},
    {"Lexmark Multi", "/bl/ps/Lexmark-Multi.html"},
    {"Panasonic Multi", "/bl/ps/Panasonic-Multi.html"},
    {"Xerox Multi", "/bl/ps/Xerox-Multi.html"},
    {"Other Multi Function", "/bl/ps/Other-Multi-Function.html"},
};

inline constexpr std::string_view kInkJetItems[] = {
    "Ink Jet Printers", "Canon Ink Jet",   "Compaq Ink Jet", "Epson Ink Jet",
    "HP Ink Jet",       "Lexmark Ink Jet", "Other Ink Jet",
};
inline constexpr PageEntry kInkJetPages[] = {
    {"Ink Jet Printers", "/bl/ps/Ink-Jet-Printers.html"},
    {"Canon Ink Jet", "/bl/ps/Canon-Ink-Jet.html"},
    {"Compaq Ink Jet", "/bl/ps/Compaq-Ink-Jet.html"},
    {"Epson Ink Jet", "/bl/ps/Epson-Ink-Jet.html"},
    {"HP Ink Jet", "/bl/ps/HP-Ink-Jet.html"},
    {"Lexmark Ink Jet", "/bl/ps/Lexmark-Ink-Jet.html"},
    {"Other Ink Jet", "/bl/ps/Other-Ink-Jet.html"},
};

inline constexpr std::string_view kLaserItems[] = {
    "Laser Printers", "HP LaserJet",           "Color Laser",          "Monochrome Laser",
    "Lexmark Laser",  "Xerox Tektronix Laser", "Other Laser Printers",
};
inline constexpr PageEntry kLaserPages[] = {
    {"Laser Printers", "/bl/ps/Laser-Printers.html"},
    {"HP LaserJet", "/bl/ps/HP-LaserJet.html"},
    {"Color Laser", "/bl/ps/Color-Laser.html"},
    {"Monochrome Laser", "/bl/ps/Monochrome-Laser.html"},
    {"Lexmark Laser", "/bl/ps/Lexmark-Laser.html"},
    {"Xerox Tektronix Laser", "/bl/ps/Xerox-Tektronix-Laser.html"},
    {"Other Laser Printers", "/bl/ps/Other-Laser-Printers.html"},
};

inline constexpr std::string_view kDotMatrixItems[] = {
    "POS Dot Matrix Printers", "Epson Dot Matrix", "Okidata Dot Matrix",
    "Panasonic Dot Matrix",    "Other Dot Matrix",
};
inline constexpr PageEntry kDotMatrixPages[] = {
    {"POS Dot Matrix Printers", "/bl/ps/POS-Dot-Matrix-Printers.html"},
    {"Epson Dot Matrix", "/bl/ps/Epson-Dot-Matrix.html"},
    {"Okidata Dot Matrix", "/bl/ps/Okidata-Dot-Matrix.html"},
    {"Panasonic Dot Matrix", "/bl/ps/Panasonic-Dot-Matrix.html"},
    {"Other Dot Matrix", "/bl/ps/Other-Dot-Matrix.html"},
};

inline constexpr std::string_view kThermalItems[] = {"Thermal Printers"};
inline constexpr PageEntry kThermalPages[] = {
    {"Thermal Printers", "/bl/ps/Thermal-Printers.html"},
};

inline constexpr std::string_view kOtherPrintersItems[] = {"Other Printers and Supplies"};
inline constexpr PageEntry kOtherPrintersPages[] = {
    {"Other Printers and Supplies", "/bl/ps/Other-Printers-and-Supplies.html"},
};

// The "Cannon Comp." entries are spelt that way in the list and in the table alike; a text
// with "Canon Comp." reaches none of them.
inline constexpr std::string_view kBlackInkItems[] = {
    "Ink Cartridges Black",
    "Brother Ink Black",
    "Canon Branded Ink Black",
    "Canon Compatible Ink",
    "Cannon Comp. Single",
    "Cannon Comp. 2-Packs Black",
    "Cannon Comp. 3-Packs Black",
    "Cannon Comp. 4-Packs Black",
    "Cannon Comp. 5-Packs Black",
    "Cannon Comp. 6-Packs Black",
    "Cannon Comp. 10-Packs Black",
    "Cannon Comp. Other Packs",
    "Compaq Branded",
    "Compaq Compatible",
    "Epson Branded",
    "Epson Compatible",
    "Epson Comp. Single",
    "Epson Comp. 2 Packs",
    "Epson Comp. 3 Packs",
    "Epson Comp. 4 Packs",
    "Epson Comp. 5 Packs",
    "Epson Comp. 10 Packs",
    "Epson Comp. Other Packs",
    "HP Branded",
    "HP Compatible",
    "HP Comp. Single",
    "HP Comp. 2 Packs",
    "HP Comp. 6-Packs",
    "HP Comp. Other Packs",
    "Lexmark Branded",
    "Lexmark Compatible",
    "Lexmark Single Units",
    "Lexmark 10 Packs",
    "Lexmark Other Packs",
    "Xerox Branded",
    "Xerox Compatible",
    "Other Black Ink",
};
// The page of "Epson Comp. Other Packs" has a blank in its name, and is opened that way.
inline constexpr PageEntry kBlackInkPages[] = {
    {"Ink Cartridges Black", "/bl/ps/Ink-Cartridges-Black.html"},
    {"Brother Ink Black", "/bl/ps/Brother-Ink-Black.html"},
    {"Canon Branded Ink Black", "/bl/ps/Canon-Branded-Ink-Black.html"},
    {"Canon Compatible Ink", "/bl/ps/Canon-Compatible-Ink.html"},
    {"Cannon Comp. Single", "/bl/ps/Single-Units-Black.html"},
    {"Cannon Comp. 2-Packs Black", "/bl/ps/2-Packs-Black.html"},
    {"Cannon Comp. 3-Packs Black", "/bl/ps/3-Packs-Black.html"},
    {"Cannon Comp. 4-Packs Black", "/bl/ps/4-Packs-Black.html"},
    {"Cannon Comp. 5-Packs Black", "/bl/ps/Cannon-Comp-5-Packs-Black.html"},
    {"Cannon Comp. 6-Packs Black", "/bl/ps/Cannon-Comp-6-Packs-Black.html"},
    {"Cannon Comp. 10-Packs Black", "/bl/ps/Cannon-Comp-10-Packs-Black.html"},
    {"Cannon Comp. Other Packs", "/bl/ps/Cannon-Comp-Other-Packs-Black.html"},
    {"Compaq Branded", "/bl/ps/Compaq-Branded-Black.html"},
    {"Compaq Compatible", "/bl/ps/Compaq-Compatible-Black.html"},
    {"Epson Branded", "/bl/ps/Epson-Branded-Black.html"},
    {"Epson Compatible", "/bl/ps/Epson-Compatible-Black.html"},
    {"Epson Comp. Single", "/bl/ps/Epson-Comp-Single-Black.html"},
    {"Epson Comp. 2 Packs", "/bl/ps/Epson-Comp-2-Packs-Black.html"},
    {"Epson Comp. 3 Packs", "/bl/ps/Epson-Comp-3-Packs-Black.html"},
    {"Epson Comp. 4 Packs", "/bl/ps/Epson-Comp-4-Packs-Black.html"},
    {"Epson Comp. 5 Packs", "/bl/ps/Epson-Comp-5-Packs-Black.html"},
    {"Epson Comp. 10 Packs", "/bl/ps/Epson-Comp-10-Packs-Black.html"},
    {"Epson Comp. Other Packs", "/bl/ps/Epson Comp-Other-Packs-Black.html"},
    {"HP Branded", "/bl/ps/HP-Branded-Black.html"},
    {"HP Compatible", "/bl/ps/HP-Compatible-Black.html"},
    {"HP Comp. Single", "/bl/ps/HP-Comp-Single-Black.html"},
    {"HP Comp. 2 Packs", "/bl/ps/HP-Comp-2-Packs-Black.html"},
    {"HP Comp. 6-Packs", "/bl/ps/HP-Comp-6-Packs-Black.html"},
    {"HP Comp. Other Packs", "/bl/ps/HP-Comp-Other-Packs-Black.html"},
    {"Lexmark Branded", "/bl/ps/Lexmark-Branded-Black.html"},
    {"Lexmark Compatible", "/bl/ps/Lexmark-Compatible-Black.html"},
    {"Lexmark Single Units", "/bl/ps/Lexmark-Single-Black.html"},
    {"Lexmark 10 Packs", "/bl/ps/Lexmark-10-Packs-Black.html"},
    {"Lexmark Other Packs", "/bl/ps/Lexmark-Other-Packs-Black.html"},
    {"Xerox Branded", "/bl/ps/Xerox-Branded-Black.html"},
    {"Xerox Compatible", "/bl/ps/Xerox-Compatible-Black.html"},
    {"Other Black Ink", "/bl/ps/Other-Black-Ink.html"},
};

inline constexpr std::string_view kColorInkItems[] = {
    "Ink Cartridges Color",
    "Canon Branded",
    "Canon Compatible",
    "Epson Branded",
    "Epson Compatible",
    "Epson Comp. Single",
    "Epson Comp. 2 Packs",
    "Epson Comp. 3 Packs",
    "Epson Comp. 4 Packs",
    "Epson Comp. 5 Packs",
    "Epson Comp. 6 Packs",
    "Epson Comp. 10 Packs",
    "Other Epson Compatible",
    "HP Branded",
    "HP Single",
    "HP 2 Packs",
    "HP 10 Packs",
    "Other HP Branded",
    "HP Compatible",
    "HP Comp. Single",
    "HP Comp. 2 Packs",
    "Other HP Compatible",
    "Other HP Ink Cartridges",
    "Lexmark Branded",
    "Lexmark Compatible",
    "Xerox",
    "Other Color Ink",
};
// The page of "Epson Comp. 10 Packs" has a blank in its name, and is opened that way.
inline constexpr PageEntry kColorInkPages[] = {
    {"Ink Cartridges Color", "/bl/ps/Ink-Cartridges-Color.html"},
    {"Canon Branded", "/bl/ps/Canon-Branded-Color.html"},
    {"Canon Compatible", "/bl/ps/Canon-Compatible-Color.html"},
    {"Epson Branded", "/bl/ps/Epson-Branded-Color.html"},
    {"Epson Compatible", "/bl/ps/Epson-Compatible-Color.html"},
    {"Epson Comp. Single", "/bl/ps/Epson-Comp-Single-Color.html"},
    {"Epson Comp. 2 Packs", "/bl/ps/Epson-Comp-2-Packs-Color.html"},
    {"Epson Comp. 3 Packs", "/bl/ps/Epson-Comp-3-Packs-Color.html"},
    {"Epson Comp. 4 Packs", "/bl/ps/Epson-Comp-4-Packs-Color.html"},
    {"Epson Comp. 5 Packs", "/bl/ps/Epson-Comp-5-Packs-Color.html"},
    {"Epson Comp. 6 Packs", "/bl/ps/Epson-Comp-6-Packs-Color.html"},
    {"Epson Comp. 10 Packs", "/bl/ps/Epson-Comp-10 Packs-Color.html"},
    {"Other Epson Compatible", "/bl/ps/Other-Epson-Compatible-Color.html"},
    {"HP Branded", "/bl/ps/HP-Branded-Color.html"},
    {"HP Single", "/bl/ps/HP-Single-Color.html"},
    {"HP 2 Packs", "/bl/ps/HP-2-Packs-Color.html"},
    {"HP 10 Packs", "/bl/ps/HP-10-Packs-Color.html"},
    {"Other HP Branded", "/bl/ps/Other-HP-Branded-Color.html"},
    {"HP Compatible", "/bl/ps/HP-Compatible-Color.html"},
    {"HP Comp. Single", "/bl/ps/HP-Comp-Single-Color.html"},
    {"HP Comp. 2 Packs", "/bl/ps/HP-Comp-2-Packs-Color.html"},
    {"Other HP Compatible", "/bl/ps/Other-HP-Compatible-Color.html"},
    {"Other HP Ink Cartridges", "/bl/ps/Other-HP-Ink-Cartridges-Color.html"},
    {"Lexmark Branded", "/bl/ps/Lexmark-Branded-Color.html"},
    {"Lexmark Compatible", "/bl/ps/Lexmark-Compatible-Color.html"},
    {"Xerox", "/bl/ps/Xerox-Color.html"},
    {"Other Color Ink", "/bl/ps/Other-Color-Ink.html"},
};

inline constexpr std::string_view kTonerBlackItems[] = {
    "Laser Toner Black", "Canon Branded",   "Canon Compatible",   "HP Branded",
    "HP Compatible",     "Lexmark Branded", "Lexmark Compatible", "Panasonic",
    "Samsung",           "Xerox Branded",   "Xerox Compatible",   "Other Black Toner",
};
inline constexpr PageEntry kTonerBlackPages[] = {
    {"Laser Toner Black", "/bl/ps/Laser-Toner-Black.html"},
    {"Canon Branded", "/bl/ps/Canon-Branded-Black-Toner.html"},
    {"Canon Compatible", "/bl/ps/Canon-Compatible-Black-Toner.html"},
    {"HP Branded", "/bl/ps/HP-Branded-Black-Toner.html"},
    {"HP Compatible", "/bl/ps/HP-Compatible-Black-Toner.html"},
    {"Lexmark Branded", "/bl/ps/Lexmark-Branded-Black-Toner.html"},
    {"Lexmark Compatible", "/bl/ps/Lexmark-Compatible-Black-Toner.html"},
    {"Panasonic", "/bl/ps/Panasonic-Black-Toner.html"},
    {"Samsung", "/bl/ps/Samsung-Black-Toner.html"},
    {"Xerox Branded", "/bl/ps/Xerox-Branded-Black-Toner.html"},
    {"Xerox Compatible", "/bl/ps/Xerox-Compatible-Black-Toner.html"},
    {"Other Black Toner", "/bl/ps/Other-Black-Toner.html"},
};

inline constexpr std::string_view kTonerColorItems[] = {"Laser Toner Color"};
inline constexpr PageEntry kTonerColorPages[] = {
    {"Laser Toner Color", "/bl/ps/Laser-Toner-Color.html"},
};

inline constexpr std::string_view kRibbonsItems[] = {"Printer Ribbons"};
inline constexpr PageEntry kRibbonsPages[] = {
    {"Printer Ribbons", "/bl/ps/Printer-Ribbons.html"},
};

inline constexpr std::string_view kPrintheadsItems[] = {"Printheads"};
inline constexpr PageEntry kPrintheadsPages[] = {
    {"Printheads", "/bl/ps/Printheads.html"},
};

inline constexpr std::string_view kSuppliesItems[] = {
    "Printer Supplies and Accessories",
    "Cables and Extenders",
    "Parallel IEEE1284 Cables",
    "USB 1.0 Printer Cables",
    "USB 2.0 Printer Cables",
    "USB to IEEE 1284 Parallel",
    "Other Cable Extenders",
    "Cleaning, Repair Kits",
    "Drum Cartridges and Fusers",
    "Feeders and Trays",
};
inline constexpr PageEntry kSuppliesPages[] = {
    {"Printer Supplies and Accessories", "/bl/ps/Printer-Supplies-and-Accessories.html"},
    {"Cables and Extenders", "/bl/ps/Cables-and-Extenders.html"},
    {"Parallel IEEE1284 Cables", "/bl/ps/Parallel-IEEE1284-Cables.html"},
    {"USB 1.0 Printer Cables", "/bl/ps/USB-1-Printer-Cables.html"},
    {"USB 2.0 Printer Cables", "/bl/ps/USB-2-Printer-Cables.html"},
    {"USB to IEEE 1284 Parallel", "/bl/ps/USB-to-IEEE-1284-Parallel.html"},
    {"Other Cable Extenders", "/bl/ps/Other-Cable-Extenders.html"},
    {"Cleaning, Repair Kits", "/bl/ps/Cleaning-Repair-Kits.html"},
    {"Drum Cartridges and Fusers", "/bl/ps/Drum-Cartridges-Fusers.html"},
    {"Feeders and Trays", "/bl/ps/Feeders-and-Trays.html"},
};

inline constexpr std::string_view kPowerItems[] = {"Power Supplies"};
inline constexpr PageEntry kPowerPages[] = {
    {"Power Supplies", "/bl/ps/Printer-Power-Supplies.html"},
};

inline constexpr std::string_view kSignItems[] = {"Sign Vinyl"};
inline constexpr PageEntry kSignPages[] = {
    {"Sign Vinyl", "/bl/ps/Sign-Vinyl.html"},
};

inline constexpr std::string_view kMemoryUpgradesItems[] = {"Memory Upgrades"};
inline constexpr PageEntry kMemoryUpgradesPages[] = {
    {"Memory Upgrades", "/bl/ps/Printer-Memory.html"},
};

inline constexpr std::string_view kManualsItems[] = {"Manuals"};
inline constexpr PageEntry kManualsPages[] = {
    {"Manuals", "/bl/ps/Printer-Manuals.html"},
};

inline constexpr std::string_view kWholesaleItems[] = {
    "Wholesale Lots",
    "Printer Supplies",
    "Printers",
};
inline constexpr PageEntry kWholesalePages[] = {
    {"Wholesale Lots", "/bl/ps/Wholesale-Lots.html"},
    {"Printer Supplies", "/bl/ps/Wholesale-Printer-Supply-Lots.html"},
    {"Printers", "/bl/ps/Wholesale-Lot-Printers.html"},
};

// The initial texts of cbMultiFunction, cbColorInk ("Cartriges") and cbRibbons are captions
// that match no entry; the other fifteen equal a list item that has a page.
inline constexpr DropDownData kDropDowns[] = {
    {"cbMultiFunction",
     {275, 1680, 3015, 315},
     0,
     "Multi Function Printers",
     kMultiFunctionItems,
     kMultiFunctionPages},
    {"cbInkJet", {275, 2040, 3015, 315}, 1, "Ink Jet Printers", kInkJetItems, kInkJetPages},
    {"cbLaser", {275, 2400, 3015, 315}, 2, "Laser Printers", kLaserItems, kLaserPages},
    {"cbDotMatrix",
     {275, 2760, 3015, 315},
     3,
     "POS Dot Matrix Printers",
     kDotMatrixItems,
     kDotMatrixPages},
    {"cbThermal", {275, 3120, 3015, 315}, 4, "Thermal Printers", kThermalItems, kThermalPages},
    {"cbOtherPrinters",
     {275, 3480, 3015, 315},
     5,
     "Other Printers and Supplies",
     kOtherPrintersItems,
     kOtherPrintersPages},
    {"cbBlackInk",
     {3480, 1680, 3015, 315},
     6,
     "Ink Cartridges Black",
     kBlackInkItems,
     kBlackInkPages},
    {"cbColorInk",
     {3480, 2040, 3015, 315},
     7,
     "Ink Cartriges Color",
     kColorInkItems,
     kColorInkPages},
    {"cbTonerBlack",
     {3480, 2400, 3015, 315},
     8,
     "Laser Toner Black",
     kTonerBlackItems,
     kTonerBlackPages},
    {"cbTonerColor",
     {3480, 2760, 3015, 315},
     9,
     "Laser Toner Color",
     kTonerColorItems,
     kTonerColorPages},
    {"cbRibbons", {3480, 3120, 3015, 315}, 10, "Ribbons", kRibbonsItems, kRibbonsPages},
    {"cbPrintheads", {3480, 3480, 3015, 315}, 11, "Printheads", kPrintheadsItems, kPrintheadsPages},
    {"cbSupplies",
     {6720, 1680, 3015, 315},
     12,
     "Printer Supplies and Accessories",
     kSuppliesItems,
     kSuppliesPages},
    {"cbPower", {6720, 2040, 3015, 315}, 13, "Power Supplies", kPowerItems, kPowerPages},
    {"cbSign", {6720, 2400, 3015, 315}, 14, "Sign Vinyl", kSignItems, kSignPages},
    {"cbMemoryUpgrades",
     {6720, 2760, 3015, 315},
     15,
     "Memory Upgrades",
     kMemoryUpgradesItems,
     kMemoryUpgradesPages},
    {"cbManuals", {6720, 3120, 3015, 315}, 16, "Manuals", kManualsItems, kManualsPages},
    {"cbWholesale",
     {6720, 3480, 3015, 315},
     18,
     "Wholesale Lots",
     kWholesaleItems,
     kWholesalePages},
};

inline constexpr CategoryData kWindow = {
    .name = "frmPrinters",
    // The caption reads "Prnters"; the label below it spells "Printers".
    .title = "Prnters And Printer Supplies",
    .folder = "ps",
    .clientWidth = 9975,
    .clientHeight = 3975,
    .fixedOuterSize = {},
    .bannerLeft = 120,
    .logoName = "Image2",
    .logoLeft = 7800,
    .titleName = "Label1",
    .titleCaption = "Printers And Printer Supplies",
    .titleBox = {3180, 1200, 3615, 360},
    // Between cbManuals (16) and cbWholesale (18); the label takes no focus.
    .titleTabIndex = 17,
    .refreshBox = {360, 1200, 1815, 315},
    .refreshTabIndex = 19,
    .dropDowns = kDropDowns,
};

static_assert(IsWellFormed(kWindow));
static_assert(std::size(kDropDowns) == 18);
static_assert(std::size(kMultiFunctionItems) == 7 && std::size(kMultiFunctionPages) == 8);
static_assert(std::size(kInkJetItems) == 7 && std::size(kInkJetPages) == 7);
static_assert(std::size(kLaserItems) == 7 && std::size(kLaserPages) == 7);
static_assert(std::size(kDotMatrixItems) == 5 && std::size(kDotMatrixPages) == 5);
static_assert(std::size(kThermalItems) == 1 && std::size(kThermalPages) == 1);
static_assert(std::size(kOtherPrintersItems) == 1 && std::size(kOtherPrintersPages) == 1);
static_assert(std::size(kBlackInkItems) == 37 && std::size(kBlackInkPages) == 37);
static_assert(std::size(kColorInkItems) == 27 && std::size(kColorInkPages) == 27);
static_assert(std::size(kTonerBlackItems) == 12 && std::size(kTonerBlackPages) == 12);
static_assert(std::size(kTonerColorItems) == 1 && std::size(kTonerColorPages) == 1);
static_assert(std::size(kRibbonsItems) == 1 && std::size(kRibbonsPages) == 1);
static_assert(std::size(kPrintheadsItems) == 1 && std::size(kPrintheadsPages) == 1);
static_assert(std::size(kSuppliesItems) == 10 && std::size(kSuppliesPages) == 10);
static_assert(std::size(kPowerItems) == 1 && std::size(kPowerPages) == 1);
static_assert(std::size(kSignItems) == 1 && std::size(kSignPages) == 1);
static_assert(std::size(kMemoryUpgradesItems) == 1 && std::size(kMemoryUpgradesPages) == 1);
static_assert(std::size(kManualsItems) == 1 && std::size(kManualsPages) == 1);
static_assert(std::size(kWholesaleItems) == 3 && std::size(kWholesalePages) == 3);

} // namespace benchlist::catalogue::printers
