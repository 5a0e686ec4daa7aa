// SPDX-FileCopyrightText: 2026 Veldmark
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "lookupcase.h"

namespace benchlist::cases {

inline constexpr LookupCase kApple[] = {
    // "Other" leads to a different page in each drop-down that lists it.
    {"other in input devices", "cbInputDevices", "Other", "/bl/mac/Other-Input-Devices.html"},
    {"other in laptops", "cbLaptops", "Other", "/bl/mac/Other-Laptops.html"},
    {"other, initial text and only item", "cbOther", "Other", "/bl/mac/other-mac.html"},
    {"other with trailing blank", "cbInputDevices", "Other ", ""},
    {"g4 in laptops", "cbLaptops", "G4", "/bl/mac/G4-Laptops.html"},
    {"g4 alone in desktops", "cbDesktops", "G4", ""},
    {"other vintage", "cbVintage", "Other Vintage", "/bl/mac/Other-Vintage.html"},
    {"other vintage from another drop-down", "cbOther", "Other Vintage", ""},
    // Initial captions that are no entry.
    {"video caption is no entry", "cbVideo", "Video And Multimedia", ""},
    {"video item with ampersand", "cbVideo", "Video & Multimedia",
     "/bl/mac/Video-and-Multimedia.html"},
    {"power supplies caption is no entry", "cbPowerSupplies", "Power Supplies & Battery", ""},
    {"power supplies item", "cbPowerSupplies", "Power Supplies", "/bl/mac/Power-Supplies.html"},
    {"desktops caption is no entry", "cbDesktops", "Desktops", ""},
    {"parts caption is no entry", "cbParts", "Parts & Accessories", ""},
    // Letter case, in texts and in pages.
    {"monitors, lower-case page", "cbMonitors", "Monitors", "/bl/mac/monitors.html"},
    {"monitors in lower case", "cbMonitors", "monitors", ""},
    {"printers, lower-case page", "cbPrinters", "Printers", "/bl/mac/printers.html"},
    {"imac", "cbDesktops", "iMac", "/bl/mac/iMac.html"},
    {"imac capitalised", "cbDesktops", "IMac", ""},
    // Texts and pages that differ.
    {"power macs, singular page", "cbDesktops", "Power Macs", "/bl/mac/Power-Mac.html"},
    {"g4 1.0ghz, ampersand in text", "cbDesktops", "G4 1.0GHz & Higher",
     "/bl/mac/1GHz-and-Higher.html"},
    {"other parts", "cbParts", "Other Parts", "/bl/mac/Other-Items.html"},
    {"cd-r with commas", "cbDrivesMedia", "CD-R, CD-RW, CD ROM", "/bl/mac/CDR-CDRW-CD-ROM.html"},
    {"empty", "cbLaptops", "", ""},
};

} // namespace benchlist::cases
