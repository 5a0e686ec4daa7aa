// SPDX-FileCopyrightText: 2026 Veldmark
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "lookupcase.h"

namespace benchlist::cases {

inline constexpr LookupCase kLaptops[] = {
    {"non branded item has no entry", "cbSystems", "Non Branded Laptops", ""},
    {"non branded typed, not listed", "cbSystems", "Non Branded Laptop", "/bl/lt/Non-Branded.html"},
    {"systems caption is no entry", "cbSystems", "Laptop Systems", ""},
    {"first systems item", "cbSystems", "Systems", "/bl/lt/Laptop-Systems.html"},
    {"blanks in path", "cbSystems", "Toshiba 266MHz Less", "/bl/lt/Less than 266 MHz.html"},
    {"ampersand in path", "cbSystems", "Toshiba 2.0GHz More", "/bl/lt/2.0 GHz & More.html"},
    {"lower-case maker", "cbSystems", "ibm Laptops", ""},
    {"keyboards listed in drives", "cbDrives", "Keyboards", ""},
    {"keyboards in parts", "cbParts", "Keyboards", "/bl/lt/Keyboards.html"},
    {"other keyboards listed in drives", "cbDrives", "Other Keyboards", ""},
    {"compaq keyboards in parts", "cbParts", "Compaq Keyboards", "/bl/lt/Compaq-Keyboards.html"},
    {"cdrom lower-case x as listed", "cbDrives", "cdrom 24x More", "/bl/lt/cdrom-24X-More.html"},
    {"cdrom capital x", "cbDrives", "cdrom 24X More", ""},
    {"hard drives path with blank", "cbDrives", "Hard Drives", "/bl/lt/Hard Drives.html"},
    {"three c's as listed", "cbParts", "Parts and Acccessories",
     "/bl/lt/laptop-parts-accessories.html"},
    {"accessories spelt right", "cbParts", "Parts and Accessories", ""},
    {"dell battery", "cbBatteries", "Dell", "/bl/lt/Dell-Batteries.html"},
    {"dell screen", "cbScreens", "Dell", "/bl/lt/Dell-Screens.html"},
    {"other brands battery", "cbBatteries", "Other Brands", "/bl/lt/Other-Batteries.html"},
    {"other brands screen", "cbScreens", "Other Brands", "/bl/lt/Other-Brand-Screens.html"},
    {"cables caption is no entry", "cbCables", "Cables & Connectors", ""},
    {"tablets caption has an apostrophe", "cbTablets", "Tablet PC's", ""},
    {"initial text that is an item", "cbMemory", "Memory Upgrades", "/bl/lt/Memory-Upgrades.html"},
    {"other in systems is no entry", "cbSystems", "Other", ""},
    {"trailing blank", "cbWholesale", "Wholesale Lots ", ""},
};

} // namespace benchlist::cases
