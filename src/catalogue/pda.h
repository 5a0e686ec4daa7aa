// SPDX-FileCopyrightText: 2026 Veldmark
//
// SPDX-License-Identifier: GPL-3.0-or-later

// PDA's and Handheld PC's: the devices, handheld units and each maker's accessories.
#pragma once

#include "base/categorydata.h"

namespace benchlist::catalogue::pda {

inline constexpr std::string_view kPDAItems[] = {"PDAs and Handheld PCs"};
inline constexpr PageEntry kPDAPages[] = {
    {"PDAs and Handheld PCs", "/bl/pda/PDAs-and-Handheld-PCs.html"},
};

inline constexpr std::string_view kAppleItems[] = {"Apple Newton Accessories"};
inline constexpr PageEntry kApplePages[] = {
    {"Apple Newton Accessories", "/bl/pda/Apple-Newton-Accessories.html"},
};

inline constexpr std::string_view kCasioItems[] = {
    "Casio Accessories",
    "Casio Chargers",
    "Casio USB Cables",
    "Other Casio Accessories",
};
inline constexpr PageEntry kCasioPages[] = {
    {"Casio Accessories", "/bl/pda/Casio-Accessories.html"},
    {"Casio Chargers", "/bl/pda/Casio-Chargers.html"},
    {"Casio USB Cables", "/bl/pda/Casio-USB-Cables.html"},
    {"Other Casio Accessories", "/bl/pda/Other-Casio-Accessories.html"},
};

inline constexpr std::string_view kDellItems[] = {
    "Dell Accessories",
    "Dell PDA Cases",
    "Dell PDA Chargers",
    "Dell PDA USB Cables",
    "Dell Other Dell Accessories",
};
inline constexpr PageEntry kDellPages[] = {
    {"Dell Accessories", "/bl/pda/Dell-Accessories.html"},
    {"Dell PDA Cases", "/bl/pda/Dell-PDA-Cases.html"},
    {"Dell PDA Chargers", "/bl/pda/Dell-PDA-Chargers.html"},
    {"Dell PDA USB Cables", "/bl/pda/Dell-PDA-USB-Cables.html"},
    {"Dell Other Dell Accessories", "/bl/pda/Dell-Other-Dell-Accessories.html"},
};

inline constexpr std::string_view kHandspringItems[] = {
    "Handspring Visor Accessories", "Handspring Visor Cases",       "Handspring Visor Chargers",
    "Handspring Visor Cradles",     "Handspring Visor Keyboards",   "Handspring Visor Styluses",
    "Handspring Visor USB Cables",  "Other Handspring Accessories",
};
inline constexpr PageEntry kHandspringPages[] = {
    {"Handspring Visor Accessories", "/bl/pda/Handspring-Visor-Accessories.html"},
    {"Handspring Visor Cases", "/bl/pda/Handspring-Visor-Cases.html"},
    {"Handspring Visor Chargers", "/bl/pda/Handspring-Visor-Chargers.html"},
    {"Handspring Visor Cradles", "/bl/pda/Handspring-Visor-Cradles.html"},
    {"Handspring Visor Keyboards", "/bl/pda/Handspring-Visor-Keyboards.html"},
    {"Handspring Visor Styluses", "/bl/pda/Handspring-Visor-Styluses.html"},
    {"Handspring Visor USB Cables", "/bl/pda/Handspring-Visor-USB-Cables.html"},
    {"Other Handspring Accessories", "/bl/pda/Other-Handspring-Accessories.html"},
};

inline constexpr std::string_view kHPItems[] = {
    "HP Compaq Accessories",       "HP Compaq Cases",           "HP Compaq Chargers",
    "HP Compaq Cradles",           "HP Compaq Expansion Packs", "HP Compaq Keyboards",
    "HP Compaq Screen Protectors", "HP Compaq Styluses",        "HP Compaq USB Cables",
    "Other HP Compaq Accessories",
};
inline constexpr PageEntry kHPPages[] = {
    {"HP Compaq Accessories", "/bl/pda/HP-Compaq-Accessories.html"},
    {"HP Compaq Cases", "/bl/pda/HP-Compaq-Cases.html"},
    {"HP Compaq Chargers", "/bl/pda/HP-Compaq-Chargers.html"},
    {"HP Compaq Cradles", "/bl/pda/HP-Compaq-Cradles.html"},
    {"HP Compaq Expansion Packs", "/bl/pda/HP-Compaq-Expansion-Packs.html"},
    {"HP Compaq Keyboards", "/bl/pda/HP-Compaq-Keyboards.html"},
    {"HP Compaq Screen Protectors", "/bl/pda/HP-Compaq-Screen-Protectors.html"},
    {"HP Compaq Styluses", "/bl/pda/HP-Compaq-Styluses.html"},
    {"HP Compaq USB Cables", "/bl/pda/HP-Compaq-USB-Cables.html"},
    {"Other HP Compaq Accessories", "/bl/pda/Other-HP-Compaq-Accessories.html"},
};

inline constexpr std::string_view kPalmItems[] = {
    "Palm Accessories",
    "Palm Cases",
    "Palm Aluminum Hard Cases",
    "Palm Leather Cases",
    "Palm Other Palm Cases",
    "Palm Chargers",
    "Palm Car",
    "Palm Home",
    "Palm Travel",
    "Palm Cradles",
    "Palm Expansion Packs",
    "Palm Keyboards",
    "Palm Modems",
    "Palm Screen Protectors",
    "Palm PDA Software",
    "Palm Styluses",
    "Palm USB Cables",
    "Other Palm Accessories",
};
inline constexpr PageEntry kPalmPages[] = {
    {"Palm Accessories", "/bl/pda/Palm-Accessories.html"},
    {"Palm Cases", "/bl/pda/Palm-Cases.html"},
    {"Palm Aluminum Hard Cases", "/bl/pda/Palm-Aluminum-Hard-Cases.html"},
    {"Palm Leather Cases", "/bl/pda/Palm-Leather-Cases.html"},
    {"Palm Other Palm Cases", "/bl/pda/Palm-Other-Palm-Cases.html"},
    {"Palm Chargers", "/bl/pda/Palm-Chargers.html"},
    {"Palm Car", "/bl/pda/Palm-Car.html"},
    {"Palm Home", "/bl/pda/Palm-Home.html"},
    {"Palm Travel", "/bl/pda/Palm-Travel.html"},
    {"Palm Cradles", "/bl/pda/Palm-Cradles.html"},
    {"Palm Expansion Packs", "/bl/pda/Palm-Expansion-Packs.html"},
    {"Palm Keyboards", "/bl/pda/Palm-Keyboards.html"},
    {"Palm Modems", "/bl/pda/Palm-Modems.html"},
    {"Palm Screen Protectors", "/bl/pda/Palm-Screen-Protectors.html"},
    {"Palm PDA Software", "/bl/pda/Palm-PDA-Software.html"},
    {"Palm Styluses", "/bl/pda/Palm-Styluses.html"},
    {"Palm USB Cables", "/bl/pda/Palm-USB-Cables.html"},
    {"Other Palm Accessories", "/bl/pda/Other-Palm-Accessories.html"},
};

inline constexpr std::string_view kPhilipsItems[] = {"Philips Accessories"};
inline constexpr PageEntry kPhilipsPages[] = {
    {"Philips Accessories", "/bl/pda/Philips-Accessories.html"},
};

inline constexpr std::string_view kSharpItems[] = {"Sharp Accessories"};
inline constexpr PageEntry kSharpPages[] = {
    {"Sharp Accessories", "/bl/pda/Sharp-Accessories.html"},
};

inline constexpr std::string_view kSonyItems[] = {
    "Sony Accessories", "Sony Cases",      "Sony Chargers",          "Sony Keyboards",
    "Sony Styluses",    "Sony USB Cables", "Other Sony Accessories",
};
inline constexpr PageEntry kSonyPages[] = {
    {"Sony Accessories", "/bl/pda/Sony-Accessories.html"},
    {"Sony Cases", "/bl/pda/Sony-Cases.html"},
    {"Sony Chargers", "/bl/pda/Sony-Chargers.html"},
    {"Sony Keyboards", "/bl/pda/Sony-Keyboards.html"},
    {"Sony Styluses", "/bl/pda/Sony-Styluses.html"},
    {"Sony USB Cables", "/bl/pda/Sony-USB-Cables.html"},
    {"Other Sony Accessories", "/bl/pda/Other-Sony-Accessories.html"},
};

inline constexpr std::string_view kToshibaItems[] = {
    "Toshiba Accessories", "Toshiba Cases",  "Toshiba Chargers",   "Toshiba Car",
    "Toshiba Home",        "Toshiba Travel", "Toshiba USB Cables", "Other Toshiba Accessories",
};
inline constexpr PageEntry kToshibaPages[] = {
    {"Toshiba Accessories", "/bl/pda/Toshiba-Accessories.html"},
    {"Toshiba Cases", "/bl/pda/Toshiba-Cases.html"},
    {"Toshiba Chargers", "/bl/pda/Toshiba-Chargers.html"},
    {"Toshiba Car", "/bl/pda/Toshiba-Car.html"},
    {"Toshiba Home", "/bl/pda/Toshiba-Home.html"},
    {"Toshiba Travel", "/bl/pda/Toshiba-Travel.html"},
    {"Toshiba USB Cables", "/bl/pda/Toshiba-USB-Cables.html"},
    {"Other Toshiba Accessories", "/bl/pda/Other-Toshiba-Accessories.html"},
};

inline constexpr std::string_view kOtherAccessoriesItems[] = {
    "Other PDA Accessories", "Other PDA Cases",           "Other PDA Chargers",
    "Other PDA Cradles",     "Other PDA Expansion Packs", "Other PDA Keyboards",
    "Other PDA Protectors",  "Other PDA Software",        "Other PDA Styluses",
    "Other PDA USB Cables",
};
inline constexpr PageEntry kOtherAccessoriesPages[] = {
    {"Other PDA Accessories", "/bl/pda/Other-PDA-Accessories.html"},
    {"Other PDA Cases", "/bl/pda/Other-PDA-Cases.html"},
    {"Other PDA Chargers", "/bl/pda/Other-PDA-Chargers.html"},
    {"Other PDA Cradles", "/bl/pda/Other-PDA-Cradles.html"},
    {"Other PDA Expansion Packs", "/bl/pda/Other-PDA-Expansion-Packs.html"},
    {"Other PDA Keyboards", "/bl/pda/Other-PDA-Keyboards.html"},
    {"Other PDA Protectors", "/bl/pda/Other-PDA-Protectors.html"},
    {"Other PDA Software", "/bl/pda/Other-PDA-Software.html"},
    {"Other PDA Styluses", "/bl/pda/Other-PDA-Styluses.html"},
    {"Other PDA USB Cables", "/bl/pda/Other-PDA-USB-Cables.html"},
};

inline constexpr std::string_view kHandheldItems[] = {"Handheld Units"};
inline constexpr PageEntry kHandheldPages[] = {
    {"Handheld Units", "/bl/pda/Handheld-Units.html"},
};

// The initial texts of cbPDA and cbApple hold two blanks in a row where their items hold one,
// so they match no entry.
inline constexpr DropDownData kDropDowns[] = {
    {"cbPDA", {233, 1800, 3015, 315}, 1, "PDAs and  Handheld PCs", kPDAItems, kPDAPages},
    {"cbApple", {233, 2160, 3015, 315}, 2, "Apple  Newton Accessories", kAppleItems, kApplePages},
    {"cbCasio", {233, 2520, 3015, 315}, 3, "Casio Accessories", kCasioItems, kCasioPages},
    {"cbDell", {233, 2880, 3015, 315}, 4, "Dell Accessories", kDellItems, kDellPages},
    {"cbHandspring",
     {233, 3240, 3015, 315},
     5,
     "Handspring Visor Accessories",
     kHandspringItems,
     kHandspringPages},
    {"cbHP", {3473, 1800, 3015, 315}, 6, "HP Compaq Accessories", kHPItems, kHPPages},
    {"cbPalm", {3473, 2160, 3015, 315}, 7, "Palm Accessories", kPalmItems, kPalmPages},
    {"cbPhilips", {3473, 2520, 3015, 315}, 8, "Philips Accessories", kPhilipsItems, kPhilipsPages},
    {"cbSharp", {3473, 2880, 3015, 315}, 9, "Sharp Accessories", kSharpItems, kSharpPages},
    {"cbSony", {3473, 3240, 3015, 315}, 10, "Sony Accessories", kSonyItems, kSonyPages},
    {"cbToshiba",
     {6713, 1800, 3015, 315},
     11,
     "Toshiba PDA's & Accessories",
     kToshibaItems,
     kToshibaPages},
    {"cbOtherAccessories",
     {6713, 2160, 3015, 315},
     12,
     "Other PDA's & Accessories",
     kOtherAccessoriesItems,
     kOtherAccessoriesPages},
    {"cbHandheld", {6713, 2520, 3015, 315}, 13, "Handheld Units", kHandheldItems, kHandheldPages},
};

inline constexpr CategoryData kWindow = {
    .name = "frmPDA",
    .title = "PDA's & Handheld PC's",
    .folder = "pda",
    .clientWidth = 9960,
    .clientHeight = 3705,
    .fixedOuterSize = {},
    .bannerLeft = 120,
    .logoName = "Image2",
    .logoLeft = 7680,
    .titleName = "lblTitle1",
    .titleCaption = "PDA's, Handheld PC's and Accessories",
    .titleBox = {2483, 1200, 4995, 360},
    .titleTabIndex = 0,
    .refreshBox = {6713, 2880, 3015, 315},
    .refreshTabIndex = 14,
    .dropDowns = kDropDowns,
};

static_assert(IsWellFormed(kWindow));
static_assert(std::size(kDropDowns) == 13);
static_assert(std::size(kPDAItems) == 1 && std::size(kPDAPages) == 1);
static_assert(std::size(kAppleItems) == 1 && std::size(kApplePages) == 1);
static_assert(std::size(kCasioItems) == 4 && std::size(kCasioPages) == 4);
static_assert(std::size(kDellItems) == 5 && std::size(kDellPages) == 5);
static_assert(std::size(kHandspringItems) == 8 && std::size(kHandspringPages) == 8);
static_assert(std::size(kHPItems) == 10 && std::size(kHPPages) == 10);
static_assert(std::size(kPalmItems) == 18 && std::size(kPalmPages) == 18);
static_assert(std::size(kPhilipsItems) == 1 && std::size(kPhilipsPages) == 1);
static_assert(std::size(kSharpItems) == 1 && std::size(kSharpPages) == 1);
static_assert(std::size(kSonyItems) == 7 && std::size(kSonyPages) == 7);
static_assert(std::size(kToshibaItems) == 8 && std::size(kToshibaPages) == 8);
static_assert(std::size(kOtherAccessoriesItems) == 10 && std::size(kOtherAccessoriesPages) == 10);
static_assert(std::size(kHandheldItems) == 1 && std::size(kHandheldPages) == 1);

} // namespace benchlist::catalogue::pda
