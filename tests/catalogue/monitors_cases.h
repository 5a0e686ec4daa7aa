// SPDX-FileCopyrightText: 2026 Veldmark
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "lookupcase.h"

namespace benchlist::cases {

inline constexpr LookupCase kMonitors[] = {
    {"flat 17-inch", "cbFlat", "17-inch LCD", "/bl/cm/17-inch-LCD.html"},
    {"glare filters typed, not listed", "cbAccessories", "Glare Filters",
     "/bl/cm/Glare-Filters.html"},
    {"glare filters wrong case", "cbAccessories", "Glare filters", ""},
    {"caption is no entry", "cbFlat", "LCD & FlatScreen Monitors", ""},
    {"crt caption is no entry", "cbStandard", "Standard CRT Monitors", ""},
    {"initial text that is an item", "cbWholesale", "Wholesale Lots", "/bl/cm/Wholesale-Lots.html"},
    {"cables from another drop-down", "cbFlat", "Cables", ""},
    {"trailing blank", "cbAccessories", "Cables ", ""},
    {"prefix only", "cbAccessories", "Cable", ""},
    {"empty", "cbStandard", "", ""},
};

} // namespace benchlist::cases
