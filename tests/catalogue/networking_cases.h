// SPDX-FileCopyrightText: 2026 Veldmark
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "lookupcase.h"

namespace benchlist::cases {

inline constexpr LookupCase kNetworking[] = {
    // Quirky entries that must still open their pages, and their "corrected" forms that must not.
    {"bare number entry", "cbRoutersWired", "11186", "/bl/nw/nw.html"},
    {"bare number elsewhere", "cbWireless", "11186", ""},
    {"lower-case L kept", "cbRoutersWired", "Voice Over IP VolP", "/bl/nw/Voice-Over-IP-VolP.html"},
    {"capital I is no entry", "cbRoutersWired", "Voice Over IP VoIP", ""},
    {"misspelled switches kept", "cbSwitches", "Other Cisco Swithces",
     "/bl/nw/Other-Cisco-Swithces.html"},
    {"correct spelling is no entry", "cbSwitches", "Other Cisco Switches", ""},
    {"page with a blank", "cbServers", "HP Mid-Range Servers", "/bl/nw/HP-Mid-Range Servers.html"},
    {"slash in text, not in page", "cbNICS", "10/100 Mbps NICS", "/bl/nw/10-100-Mbps-NICS.html"},
    // Two texts, one page; one text, same page from two drop-downs.
    {"other adapters shares a page", "cbWireless", "Other Adapters and Nics",
     "/bl/nw/Other-Wireless-Adapters-and-Nics.html"},
    {"d-link from wireless", "cbWireless", "D-Link Routers", "/bl/nw/D-Link-Routers.html"},
    {"netgear from wired", "cbRoutersWired", "Netgear Routers", "/bl/nw/Netgear-Routers.html"},
    {"linksys routers in switches", "cbSwitches", "Linksys Routers", ""},
    // A text that is an entry in one drop-down only.
    {"power supplies in router parts", "cbRouterComp", "Power Supplies",
     "/bl/nw/Power-Supplies.html"},
    {"power supplies is a prefix in power", "cbPower", "Power Supplies", ""},
    {"wholesale nics", "cbWholesale", "Network Interface Cards",
     "/bl/nw/Wholesale-Network-Interface-Cards.html"},
    {"wholesale nics text in nics", "cbNICS", "Network Interface Cards", ""},
    // Initial texts: captions with a comma or "&" are no entries, the others are.
    {"wireless caption", "cbWireless", "802.11, Wifi, Wireless", ""},
    {"routers wired caption", "cbRoutersWired", "Routers, Wired", ""},
    {"cables caption with ampersand", "cbNetworkCables", "Network Cables & Connectors", ""},
    {"hubs initial text is an item", "cbHubs", "Hubs", "/bl/nw/Hubs.html"},
    {"comma inside a real entry", "cbOtherItems", "CSU, DSU", "/bl/nw/CSU-DSU.html"},
    // Exact comparison.
    {"lower case", "cbServers", "servers", ""},
    {"trailing blank", "cbMemory", "Memory ", ""},
    {"doubled blank", "cbServers", "HP Mid-Range  Servers", ""},
    {"empty", "cbStorage", "", ""},
};

} // namespace benchlist::cases
