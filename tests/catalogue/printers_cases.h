// SPDX-FileCopyrightText: 2026 Veldmark
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "lookupcase.h"

namespace benchlist::cases {

inline constexpr LookupCase kPrinters[] = {
    {"xerox multi typed, not listed", "cbMultiFunction", "Xerox Multi", "/bl/ps/Xerox-Multi.html"},
    {"multi function caption is no entry", "cbMultiFunction", "Multi Function Printers", ""},
    {"hp branded black ink", "cbBlackInk", "HP Branded", "/bl/ps/HP-Branded-Black.html"},
    {"hp branded colour ink", "cbColorInk", "HP Branded", "/bl/ps/HP-Branded-Color.html"},
    {"hp branded black toner", "cbTonerBlack", "HP Branded", "/bl/ps/HP-Branded-Black-Toner.html"},
    {"hp branded colour toner", "cbTonerColor", "HP Branded", ""},
    {"epson 2 packs black ink", "cbBlackInk", "Epson Comp. 2 Packs",
     "/bl/ps/Epson-Comp-2-Packs-Black.html"},
    {"epson 2 packs colour ink", "cbColorInk", "Epson Comp. 2 Packs",
     "/bl/ps/Epson-Comp-2-Packs-Color.html"},
    {"blank kept in black ink page", "cbBlackInk", "Epson Comp. Other Packs",
     "/bl/ps/Epson Comp-Other-Packs-Black.html"},
    {"blank kept in colour ink page", "cbColorInk", "Epson Comp. 10 Packs",
     "/bl/ps/Epson-Comp-10 Packs-Color.html"},
    {"cannon spelling", "cbBlackInk", "Cannon Comp. Single", "/bl/ps/Single-Units-Black.html"},
    {"canon spelling misses", "cbBlackInk", "Canon Comp. Single", ""},
    {"hp 6-packs with hyphen", "cbBlackInk", "HP Comp. 6-Packs",
     "/bl/ps/HP-Comp-6-Packs-Black.html"},
    {"hp 6 packs without hyphen", "cbBlackInk", "HP Comp. 6 Packs", ""},
    {"hp 2 packs with hyphen", "cbBlackInk", "HP Comp. 2-Packs", ""},
    {"colour ink caption misspelt", "cbColorInk", "Ink Cartriges Color", ""},
    {"colour ink first item", "cbColorInk", "Ink Cartridges Color",
     "/bl/ps/Ink-Cartridges-Color.html"},
    {"ribbons caption is no entry", "cbRibbons", "Ribbons", ""},
    {"ribbons only item", "cbRibbons", "Printer Ribbons", "/bl/ps/Printer-Ribbons.html"},
    {"thermal caption is an item", "cbThermal", "Thermal Printers", "/bl/ps/Thermal-Printers.html"},
    {"power supplies page", "cbPower", "Power Supplies", "/bl/ps/Printer-Power-Supplies.html"},
    {"wholesale printer supplies", "cbWholesale", "Printer Supplies",
     "/bl/ps/Wholesale-Printer-Supply-Lots.html"},
    {"xerox alone in toner", "cbTonerBlack", "Xerox", ""},
    {"manuals trailing blank", "cbManuals", "Manuals ", ""},
    {"sign vinyl lower case", "cbSign", "sign vinyl", ""},
};

} // namespace benchlist::cases
