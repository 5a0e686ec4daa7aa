// SPDX-FileCopyrightText: 2026 Veldmark
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "lookupcase.h"

namespace benchlist::cases {

inline constexpr LookupCase kPDA[] = {
    {"pda item with single blanks", "cbPDA", "PDAs and Handheld PCs",
     "/bl/pda/PDAs-and-Handheld-PCs.html"},
    {"pda caption with double blank", "cbPDA", "PDAs and  Handheld PCs", ""},
    {"apple item with single blanks", "cbApple", "Apple Newton Accessories",
     "/bl/pda/Apple-Newton-Accessories.html"},
    {"apple caption with double blank", "cbApple", "Apple  Newton Accessories", ""},
    {"palm other palm cases", "cbPalm", "Palm Other Palm Cases",
     "/bl/pda/Palm-Other-Palm-Cases.html"},
    {"dell other dell accessories", "cbDell", "Dell Other Dell Accessories",
     "/bl/pda/Dell-Other-Dell-Accessories.html"},
    {"toshiba car", "cbToshiba", "Toshiba Car", "/bl/pda/Toshiba-Car.html"},
    {"toshiba car from palm", "cbPalm", "Toshiba Car", ""},
    {"palm car", "cbPalm", "Palm Car", "/bl/pda/Palm-Car.html"},
    {"palm car from toshiba", "cbToshiba", "Palm Car", ""},
    {"toshiba caption is no entry", "cbToshiba", "Toshiba PDA's & Accessories", ""},
    {"toshiba first item", "cbToshiba", "Toshiba Accessories", "/bl/pda/Toshiba-Accessories.html"},
    {"other caption is no entry", "cbOtherAccessories", "Other PDA's & Accessories", ""},
    {"other protectors", "cbOtherAccessories", "Other PDA Protectors",
     "/bl/pda/Other-PDA-Protectors.html"},
    {"other screen protectors is no entry", "cbOtherAccessories", "Other PDA Screen Protectors",
     ""},
    {"hp screen protectors", "cbHP", "HP Compaq Screen Protectors",
     "/bl/pda/HP-Compaq-Screen-Protectors.html"},
    {"initial text that is an item", "cbHandheld", "Handheld Units", "/bl/pda/Handheld-Units.html"},
    {"sharp from philips", "cbPhilips", "Sharp Accessories", ""},
    {"lower case", "cbSony", "sony Cases", ""},
    {"leading blank", "cbCasio", " Casio Chargers", ""},
    {"prefix only", "cbHandspring", "Handspring Visor", ""},
    {"empty", "cbHP", "", ""},
};

} // namespace benchlist::cases
