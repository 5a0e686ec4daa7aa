// SPDX-FileCopyrightText: 2026 Veldmark
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "lookupcase.h"

namespace benchlist::cases {

inline constexpr LookupCase kDeskTops[] = {
    // One text, a different page (or none) in each speed range.
    {"athlon xp in 1.1-2 GHz", "cb1GHz", "AMD Athlon XP Systems", "/bl/dt/AMD-Athlon-XP-2.html"},
    {"athlon xp in 2.1-2.6 GHz", "cb2GHz", "AMD Athlon XP Systems",
     "/bl/dt/AMD-Athlon-XP-2100.html"},
    {"athlon xp in 2.7 GHz", "cb2p7GHz", "AMD Athlon XP Systems", "/bl/dt/AMD-Athlon-XP-2700.html"},
    {"athlon xp in 3 GHz", "cb3GHz", "AMD Athlon XP Systems", "/bl/dt/AMD-Athlon-XP-3000.html"},
    {"athlon xp in 366 MHz", "cb366", "AMD Athlon XP Systems", ""},
    {"other chip type in 366 MHz", "cb366", "Other Chip Type Systems",
     "/bl/dt/Other-Chip-Type-Systems-366.html"},
    {"other chip type in 1.1-2 GHz", "cb1GHz", "Other Chip Type Systems",
     "/bl/dt/Other-Chip-Types-2.html"},
    {"celeron in 400 MHz", "cb400", "Intel Celeron Systems", "/bl/dt/Intel-Celeron.html"},
    {"celeron in 700 MHz", "cb700", "Intel Celeron Systems", ""},
    {"custom systems without chip", "cb1GHz", "Custom Systems", ""},
    // Pentium 4 is spelled differently per range.
    {"short pentium 4 in 3 GHz", "cb3GHz", "Intel Pentium 4", "/bl/dt/Intel-Pentium-4-3000.html"},
    {"short pentium 4 in 2.1-2.6 GHz", "cb2GHz", "Intel Pentium 4", ""},
    {"long pentium 4 in 3 GHz", "cb3GHz", "Intel Pentium 4 Systems", ""},
    {"roman pentium iv in 700 MHz", "cb700", "Intel Pentium IV Systems",
     "/bl/dt/Intel-Pentium-4-700.html"},
    {"roman pentium iv in 1.1-2 GHz", "cb1GHz", "Intel Pentium IV Systems", ""},
    // Misspelling kept; the correct spelling is no entry.
    {"penitum ii", "cb400", "Penitum II", "/bl/dt/Intel-Pentium-II-400.html"},
    {"pentium ii spelled right", "cb400", "Pentium II", ""},
    // Initial texts are captions, not entries.
    {"lots caption", "cbLots", "Wholesale Lots", ""},
    {"lots item", "cbLots", "PC System Wholesale Lots", "/bl/dt/Wholesale-Lots-Systems.html"},
    {"366 caption", "cb366", "366Mhz And Less Systems", ""},
    {"2.7 GHz caption", "cb2p7GHz", "2.7GHz - 2.8 GHz Systems", ""},
    // Exact comparison.
    {"capital H as in the page name", "cb366", "366MHz & Less Systems", ""},
    {"ampersand entry", "cb366", "366Mhz & Less Systems", "/bl/dt/366MHz-Less-systems.html"},
    {"lower case", "cbDesktopMonitors", "pc systems with monitors", ""},
    {"leading blank", "cb400", " Dell Systems", ""},
};

} // namespace benchlist::cases
