// SPDX-FileCopyrightText: 2026 Veldmark
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "lookupcase.h"

namespace benchlist::cases {

inline constexpr LookupCase kComponents[] = {
    {"keyboard cables open the cards page", "cbCables", "Keyboard, Mouse Cables",
     "/bl/cc/Keyboard-Mouse-Cards.html"},
    {"450 watt cases open the 451 page", "cbCases", "450 Watt Cases",
     "/bl/cc/451-Watt-PC-Cases.html"},
    {"ide cards", "cbCables", "Ide Cards", "/bl/cc/IDE-Cards.html"},
    {"ide in capitals", "cbCables", "IDE Cards", ""},
    {"external 56k small k", "cbModems", "External Modems 56k", "/bl/cc/External-Modems-56K.html"},
    {"external 56K capital k", "cbModems", "External Modems 56K", ""},
    {"internal 56K capital k", "cbModems", "Internal Modems 56K V.90 V.92",
     "/bl/cc/Internal-Modems-v56K.html"},
    {"internal 56k small k", "cbModems", "Internal Modems 56k V.90 V.92", ""},
    {"cables caption is no entry", "cbCables", "Cables and, Adapter Cards", ""},
    {"cables first item", "cbCables", "Cables And Adapter Cards",
     "/bl/cc/Cables-Adapter-Cards.html"},
    {"cpu caption is no entry", "cbCPU", "CPU's", ""},
    {"cpus first item", "cbCPU", "CPUs", "/bl/cc/CPUs.html"},
    {"cases caption is no entry", "cbCases", "PC Cases", ""},
    {"system cases first item", "cbCases", "System Cases", "/bl/cc/PC-Cases.html"},
    {"other cables own drop-down", "cbCables", "Other Cables", "/bl/cc/Other-Cables.html"},
    {"other cables from cpu", "cbCPU", "Other Cables", ""},
    {"301 watts in cases", "cbCases", "301 to 350 Watts", "/bl/cc/350-Watt-PC-Cases.html"},
    {"case range in power", "cbPower", "301 to 350 Watts", ""},
    {"ddr exact", "cbMemory", "DDR", "/bl/cc/DDR.html"},
    {"ddr prefix of an entry", "cbMemory", "DDR 256MB", ""},
    {"thermal trailing blank", "cbThermal", "Thermal Pastes & Compounds ", ""},
    {"socket a lower case", "cbMotherboards", "Socket a", ""},
    {"empty", "cbMotherboards", "", ""},
};

} // namespace benchlist::cases
