// SPDX-FileCopyrightText: 2026 Veldmark
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Networking: servers, routers, switches, cabling and the rest of the network gear.
#pragma once

#include "base/categorydata.h"

namespace benchlist::catalogue::networking {

inline constexpr std::string_view kWirelessItems[] = {
    "802.11 Wifi Wireless",
    "Access Points and Routers",
    "D-Link Routers",
    "Linksys Routers",
    "Netgear Routers",
    "Other Wireless Routers",
    "Adapters and NICs",
    "Bluetooth Adapters and NICs",
    "PC PCMCIA Adapters and Nics",
    "PCI Adapters and Nics",
    "USB Adapters and Nics",
    "Other Adapters and Nics",
    "Wireless Kits",
    "Other Wireless Adapters and Nics",
};
// The two "Other ... Adapters and Nics" entries share one page, and the D-Link,
// Linksys and Netgear router pages are the same ones that cbRoutersWired opens.
inline constexpr PageEntry kWirelessPages[] = {
    {"802.11 Wifi Wireless", "/bl/nw/802-11-Wifi-Wireless.html"},
    {"Access Points and Routers", "/bl/nw/Access-Points-and-Routers.html"},
    {"D-Link Routers", "/bl/nw/D-Link-Routers.html"},
    {"Linksys Routers", "/bl/nw/Linksys-Routers.html"},
    {"Netgear Routers", "/bl/nw/Netgear-Routers.html"},
    {"Other Wireless Routers", "/bl/nw/Other-Wireless-Routers.html"},
    {"Adapters and NICs", "/bl/nw/Adapters-NICs.html"},
    {"Bluetooth Adapters and NICs", "/bl/nw/Bluetooth-Adapters-and-NICs.html"},
    {"PC PCMCIA Adapters and Nics", "/bl/nw/PC-PCMCIA-Adapters-and-Nics.html"},
    {"PCI Adapters and Nics", "/bl/nw/PCI-Adapters-and-Nics.html"},
    {"USB Adapters and Nics", "/bl/nw/USB-Adapters-and-Nics.html"},
    {"Other Adapters and Nics", "/bl/nw/Other-Wireless-Adapters-and-Nics.html"},
    {"Wireless Kits", "/bl/nw/Wireless-Kits.html"},
    {"Other Wireless Adapters and Nics", "/bl/nw/Other-Wireless-Adapters-and-Nics.html"},
};

inline constexpr std::string_view kCableDSLModemsItems[] = {"Cable and DSL Modems"};
inline constexpr PageEntry kCableDSLModemsPages[] = {
    {"Cable and DSL Modems", "/bl/nw/Cable-and-DSL-Modems.html"},
};

inline constexpr std::string_view kFilersItems[] = {"Filers and Load Balancers"};
inline constexpr PageEntry kFilersPages[] = {
    {"Filers and Load Balancers", "/bl/nw/Filers-and-Load-Balancers.html"},
};

inline constexpr std::string_view kFirewallItems[] = {"Firewalls and Security"};
inline constexpr PageEntry kFirewallPages[] = {
    {"Firewalls and Security", "/bl/nw/Firewalls-and-Security.html"},
};

inline constexpr std::string_view kHubsItems[] = {
    "Hubs", "Hubs 4 Ports and Less", "Hubs 5-6 Ports", "Hubs 7-12 Ports", "Hubs 13 Ports and Over",
};
inline constexpr PageEntry kHubsPages[] = {
    {"Hubs", "/bl/nw/Hubs.html"},
    {"Hubs 4 Ports and Less", "/bl/nw/Hubs-4-Ports-and-Less.html"},
    {"Hubs 5-6 Ports", "/bl/nw/Hubs-5-6-Ports.html"},
    {"Hubs 7-12 Ports", "/bl/nw/Hubs-7-12-Ports.html"},
    {"Hubs 13 Ports and Over", "/bl/nw/Hubs-13-Ports-and-Over.html"},
};

inline constexpr std::string_view kToolsItems[] = {
    "Installation Tools",
    "Crimping Tools",
    "Punch Down Tools",
    "Other Tools",
};
inline constexpr PageEntry kToolsPages[] = {
    {"Installation Tools", "/bl/nw/Installation-Tools.html"},
    {"Crimping Tools", "/bl/nw/Crimping-Tools.html"},
    {"Punch Down Tools", "/bl/nw/Punch-Down-Tools.html"},
    {"Other Tools", "/bl/nw/Other-Tools.html"},
};

inline constexpr std::string_view kKVMItems[] = {
    "KVM Switch Boxes and Cables", "KVM Cables Only",           "Switch Boxes",
    "4 Port Switches and Less",    "5 Ports Switches and More",
};
inline constexpr PageEntry kKVMPages[] = {
    {"KVM Switch Boxes and Cables", "/bl/nw/KVM-Switch-Boxes-and-Cables.html"},
    {"KVM Cables Only", "/bl/nw/KVM-Cables-Only.html"},
    {"Switch Boxes", "/bl/nw/Switch-Boxes.html"},
    {"4 Port Switches and Less", "/bl/nw/4-Port-Switches-and-Less.html"},
    {"5 Ports Switches and More", "/bl/nw/5-Ports-Switches-and-More.html"},
};

inline constexpr std::string_view kMainFrameItems[] = {"Mainframe Equipment"};
inline constexpr PageEntry kMainFramePages[] = {
    {"Mainframe Equipment", "/bl/nw/Mainframe-Equipment.html"},
};

inline constexpr std::string_view kMemoryItems[] = {"Memory"};
inline constexpr PageEntry kMemoryPages[] = {
    {"Memory", "/bl/nw/Memory.html"},
};

inline constexpr std::string_view kNetworkCablesItems[] = {
    "Network Cables and Connectors",
    "Cable Boots",
    "Cat-5 Patch Cables",
    "Cat5 3Ft and Less",
    "Cat 5 4-7Ft",
    "Cat 5 8-10Ft",
    "Cat 5 11-25Ft",
    "Cat 5 26-50Ft",
    "Cat 5 51 Feet and More",
    "Cat-5e Patch Cables",
    "Cat-6 Patch Cables",
    "Cat-5 Raw Cables",
    "Cat-5 Raw 50Ft or Less",
    "Cat-5 Raw 51 to 100Ft",
    "Cat-5 Raw 101 to 250Ft",
    "Cat-5 Raw 250 Feet and More",
    "Cat-5 Raw Mixed Lots",
    "Cat-5e Cat-6 Raw Cables",
    "Connectors",
    "Fiber Cables",
    "Jacks Plugs",
    "Testers",
    "USB",
    "Other Cables",
};
inline constexpr PageEntry kNetworkCablesPages[] = {
    {"Network Cables and Connectors", "/bl/nw/Network-Cables-and-Connectors.html"},
    {"Cable Boots", "/bl/nw/Cable-Boots.html"},
    {"Cat-5 Patch Cables", "/bl/nw/Cat-5-Patch-Cables.html"},
    {"Cat5 3Ft and Less", "/bl/nw/Cat5-3Ft-and-Less.html"},
    {"Cat 5 4-7Ft", "/bl/nw/Cat-5-4-7Ft.html"},
    {"Cat 5 8-10Ft", "/bl/nw/Cat-5-8-10Ft.html"},
    {"Cat 5 11-25Ft", "/bl/nw/Cat-5-11-25Ft.html"},
    {"Cat 5 26-50Ft", "/bl/nw/Cat-5-26-50Ft.html"},
    {"Cat 5 51 Feet and More", "/bl/nw/Cat-5-51-Feet-and-More.html"},
    {"Cat-5e Patch Cables", "/bl/nw/Cat-5e-Patch-Cables.html"},
    {"Cat-6 Patch Cables", "/bl/nw/Cat-6-Patch-Cables.html"},
    {"Cat-5 Raw Cables", "/bl/nw/Cat-5-Raw-Cables.html"},
    {"Cat-5 Raw 50Ft or Less", "/bl/nw/Cat-5-Raw-50Ft-or-Less.html"},
    {"Cat-5 Raw 51 to 100Ft", "/bl/nw/Cat-5-Raw-51-to-100Ft.html"},
    {"Cat-5 Raw 101 to 250Ft", "/bl/nw/Cat-5-Raw-101-to-250Ft.html"},
    {"Cat-5 Raw 250 Feet and More", "/bl/nw/Cat-5-Raw-250-Feet-and-More.html"},
    {"Cat-5 Raw Mixed Lots", "/bl/nw/Cat-5-Raw-Mixed-Lots.html"},
    {"Cat-5e Cat-6 Raw Cables", "/bl/nw/Cat-5e-Cat-6-Raw-Cables.html"},
    {"Connectors", "/bl/nw/Connectors.html"},
    {"Fiber Cables", "/bl/nw/Fiber-Cables.html"},
    {"Jacks Plugs", "/bl/nw/Jacks-Plugs.html"},
    {"Testers", "/bl/nw/Testers.html"},
    {"USB", "/bl/nw/USB.html"},
    {"Other Cables", "/bl/nw/Other-Cables.html"},
};

inline constexpr std::string_view kNICSItems[] = {
    "Network Interface Cards Wired",
    "Ethernet NICS",
    "10 Mbps NICS",
    "10/100 Mbps NICS",
    "3Com NICS",
    "Belkin NICS",
    "Compaq NICS",
    "D-Link NICS",
    "Linksys NICS",
    "Netgear NICS",
    "Other 10/100 Mbps NICS",
    "Gigabit NICS",
    "Other NICS",
    "Home Networking Kits",
    "Token Ring NICS",
    "Other Network Interface Cards",
};
inline constexpr PageEntry kNICSPages[] = {
    {"Network Interface Cards Wired", "/bl/nw/Network-Interface-Cards-Wired.html"},
    {"Ethernet NICS", "/bl/nw/Ethernet-NICS.html"},
    {"10 Mbps NICS", "/bl/nw/10-Mbps-NICS.html"},
    {"10/100 Mbps NICS", "/bl/nw/10-100-Mbps-NICS.html"},
    {"3Com NICS", "/bl/nw/3Com-NICS.html"},
    {"Belkin NICS", "/bl/nw/Belkin-NICS.html"},
    {"Compaq NICS", "/bl/nw/Compaq-NICS.html"},
    {"D-Link NICS", "/bl/nw/D-Link-NICS.html"},
    {"Linksys NICS", "/bl/nw/Linksys-NICS.html"},
    {"Netgear NICS", "/bl/nw/Netgear-NICS.html"},
    {"Other 10/100 Mbps NICS", "/bl/nw/Other-10-100-Mbps-NICS.html"},
    {"Gigabit NICS", "/bl/nw/Gigabit-NICS.html"},
    {"Other NICS", "/bl/nw/Other-NICS.html"},
    {"Home Networking Kits", "/bl/nw/Home-Networking-Kits.html"},
    {"Token Ring NICS", "/bl/nw/Token-Ring-NICS.html"},
    {"Other Network Interface Cards", "/bl/nw/Other-Network-Interface-Cards.html"},
};

inline constexpr std::string_view kPowerItems[] = {"Power Supplies and Battery Packs"};
inline constexpr PageEntry kPowerPages[] = {
    {"Power Supplies and Battery Packs", "/bl/nw/Power-Supplies-and-Battery-Packs.html"},
};

inline constexpr std::string_view kPrintServersItems[] = {"Print Servers"};
inline constexpr PageEntry kPrintServersPages[] = {
    {"Print Servers", "/bl/nw/Print-Servers.html"},
};

inline constexpr std::string_view kRacksItems[] = {
    "Racks Mounts and Patch Panels",
    "Patch Panels",
    "Racks Mounts and Cabinets",
    "Compaq Racks Mounts and Cabinets",
    "Dell Racks Mounts and Cabinets",
    "Other Racks Mounts and Cabinets",
    "Other Racks",
};
inline constexpr PageEntry kRacksPages[] = {
    {"Racks Mounts and Patch Panels", "/bl/nw/Racks-Mounts-and-Patch-Panels.html"},
    {"Patch Panels", "/bl/nw/Patch-Panels.html"},
    {"Racks Mounts and Cabinets", "/bl/nw/Racks-Mounts-and-Cabinets.html"},
    {"Compaq Racks Mounts and Cabinets", "/bl/nw/Compaq-Racks-Mounts-and-Cabinets.html"},
    {"Dell Racks Mounts and Cabinets", "/bl/nw/Dell-Racks-Mounts-and-Cabinets.html"},
    {"Other Racks Mounts and Cabinets", "/bl/nw/Other-Racks-Mounts-and-Cabinets.html"},
    {"Other Racks", "/bl/nw/Other-Racks.html"},
};

inline constexpr std::string_view kRouterCompItems[] = {
    "Router and Switch Components",
    "Converters",
    "GBICs",
    "Network Modules NM",
    "Port Adapters PA",
    "Power Supplies",
    "Router Memory",
    "Switch Modules WS-X",
    "Voice Interface Cards VIC VWIC",
    "WAN Interface Cards WIC",
    "Other Router and Switch Components",
};
inline constexpr PageEntry kRouterCompPages[] = {
    {"Router and Switch Components", "/bl/nw/Router-and-Switch-Components.html"},
    {"Converters", "/bl/nw/Converters.html"},
    {"GBICs", "/bl/nw/GBICs.html"},
    {"Network Modules NM", "/bl/nw/Network-Modules-NM.html"},
    {"Port Adapters PA", "/bl/nw/Port-Adapters-PA.html"},
    {"Power Supplies", "/bl/nw/Power-Supplies.html"},
    {"Router Memory", "/bl/nw/Router-Memory.html"},
    {"Switch Modules WS-X", "/bl/nw/Switch-Modules-WS-X.html"},
    {"Voice Interface Cards VIC VWIC", "/bl/nw/Voice-Interface-Cards-VIC-VWIC.html"},
    {"WAN Interface Cards WIC", "/bl/nw/WAN-Interface-Cards-WIC.html"},
    {"Other Router and Switch Components", "/bl/nw/Other-Router-and-Switch-Components.html"},
};

inline constexpr std::string_view kRoutersWiredItems[] = {
    "Routers Wired",
    "3Com Routers",
    "Cisco Routers",
    "Series 1600-1699 Routers",
    "Series 1700-2499 Routers",
    "Series 2500-2599 Routers",
    "Series 2600-2699 Routers",
    "Series 3000-3699 Routers",
    "Series 3700-3999 Routers",
    "Series 4000-7199 Routers",
    "Series 7200-7499 Routers",
    "Series 7500 and Higher",
    "Voice Over IP VolP",
    "Other Cisco Routers",
    "D-Link Routers",
    "Extreme Routers",
    "Foundry Routers",
    "HP Routers",
    "Linksys Routers",
    "11186",
    "Netgear Routers",
    "Nortel Bay Networks Routers",
    "SMC Routers",
    "Other Wired Routers",
};
// "Voice Over IP VolP" ends in a lower-case L, in text and path alike. The bare
// number "11186" between Linksys and Netgear is an entry too and opens nw.html.
inline constexpr PageEntry kRoutersWiredPages[] = {
    {"Routers Wired", "/bl/nw/Routers-Wired.html"},
    {"3Com Routers", "/bl/nw/3Com-Routers.html"},
    {"Cisco Routers", "/bl/nw/Cisco-Routers.html"},
    {"Series 1600-1699 Routers", "/bl/nw/Series-1600-1699-Routers.html"},
    {"Series 1700-2499 Routers", "/bl/nw/Series-1700-2499-Routers.html"},
    {"Series 2500-2599 Routers", "/bl/nw/Series-2500-2599-Routers.html"},
    {"Series 2600-2699 Routers", "/bl/nw/Series-2600-2699-Routers.html"},
    {"Series 3000-3699 Routers", "/bl/nw/Series-3000-3699-Routers.html"},
    {"Series 3700-3999 Routers", "/bl/nw/Series-3700-3999-Routers.html"},
    {"Series 4000-7199 Routers", "/bl/nw/Series-4000-7199-Routers.html"},
    {"Series 7200-7499 Routers", "/bl/nw/Series-7200-7499-Routers.html"},
    {"Series 7500 and Higher", "/bl/nw/Series-7500-and-Higher.html"},
    {"Voice Over IP VolP", "/bl/nw/Voice-Over-IP-VolP.html"},
    {"Other Cisco Routers", "/bl/nw/Other-Cisco-Routers.html"},
    {"D-Link Routers", "/bl/nw/D-Link-Routers.html"},
    {"Extreme Routers", "/bl/nw/Extreme-Routers.html"},
    {"Foundry Routers", "/bl/nw/Foundry-Routers.html"},
    {"HP Routers", "/bl/nw/HP-Routers.html"},
    {"Linksys Routers", "/bl/nw/Linksys-Routers.html"},
    {"11186", "/bl/nw/nw.html"},
    {"Netgear Routers", "/bl/nw/Netgear-Routers.html"},
    {"Nortel Bay Networks Routers", "/bl/nw/Nortel-Bay-Networks-Routers.html"},
    {"SMC Routers", "/bl/nw/SMC-Routers.html"},
    {"Other Wired Routers", "/bl/nw/Other-Wired-Routers.html"},
};

inline constexpr std::string_view kServerComponentsItems[] = {
    "Server Components",
    "Compaq Server Components",
    "Compaq CPUs Processors",
    "Compaq Hard Drives",
    "Compaq Power Supplies",
    "Compaq RAID Controllers",
    "Other Compaq Server Components",
    "Dell Server Components",
    "HP Server Components",
    "IBM Server Components",
    "Sun Server Components",
    "Sun CPUs and Processors",
    "Sun Hard Drives",
    "Other Sun Server Components",
    "Other Brand Server Components",
};
inline constexpr PageEntry kServerComponentsPages[] = {
    {"Server Components", "/bl/nw/Server-Components.html"},
    {"Compaq Server Components", "/bl/nw/Compaq-Server-Components.html"},
    {"Compaq CPUs Processors", "/bl/nw/Compaq-CPUs-Processors.html"},
    {"Compaq Hard Drives", "/bl/nw/Compaq-Hard-Drives.html"},
    {"Compaq Power Supplies", "/bl/nw/Compaq-Power-Supplies.html"},
    {"Compaq RAID Controllers", "/bl/nw/Compaq-RAID-Controllers.html"},
    {"Other Compaq Server Components", "/bl/nw/Other-Compaq-Server-Components.html"},
    {"Dell Server Components", "/bl/nw/Dell-Server-Components.html"},
    {"HP Server Components", "/bl/nw/HP-Server-Components.html"},
    {"IBM Server Components", "/bl/nw/IBM-Server-Components.html"},
    {"Sun Server Components", "/bl/nw/Sun-Server-Components.html"},
    {"Sun CPUs and Processors", "/bl/nw/Sun-CPUs-and-Processors.html"},
    {"Sun Hard Drives", "/bl/nw/Sun-Hard-Drives.html"},
    {"Other Sun Server Components", "/bl/nw/Other-Sun-Server-Components.html"},
    {"Other Brand Server Components", "/bl/nw/Other-Brand-Server-Components.html"},
};

inline constexpr std::string_view kServersItems[] = {
    "Servers",
    "Compaq Servers",
    "Compaq DL320 DL360",
    "Compaq 1850 DL380",
    "Compaq 6400 DL 580",
    "Compaq 3000 ML530 ML 570",
    "Compaq 400 800 1600 ML330 to 370",
    "Compaq Other Pentium-based Servers",
    "Compaq Other Xeon-based Servers",
    "Dell PowerEdge",
    "Dell 200s to 1655 Series",
    "Dell 1750 to 2300 Series",
    "Dell 2400 to 3250 Series",
    "Dell 4100 to 5000 Series",
    "Dell 6100 Series and Higher",
    "Other Dell Servers",
    "HP Servers",
    "HP Mid-Range Servers",
    "HP Netservers",
    "Other HP Servers",
    "IBM Servers",
    "Network Appliance and NetApp",
    "Sun Servers",
    "Cobalt Servers",
    "Netra Servers",
    "Sun Fire E Series",
    "Other Sun Servers",
    "Other Servers",
};
// The HP mid-range page really has a blank in its name; it is opened as it stands.
inline constexpr PageEntry kServersPages[] = {
    {"Servers", "/bl/nw/Servers.html"},
    {"Compaq Servers", "/bl/nw/Compaq-Servers.html"},
    {"Compaq DL320 DL360", "/bl/nw/Compaq-DL320-DL360.html"},
    {"Compaq 1850 DL380", "/bl/nw/Compaq-1850-DL380.html"},
    {"Compaq 6400 DL 580", "/bl/nw/Compaq-6400-DL-580.html"},
    {"Compaq 3000 ML530 ML 570", "/bl/nw/Compaq-3000-ML530-ML-570.html"},
    {"Compaq 400 800 1600 ML330 to 370", "/bl/nw/Compaq-400-800-1600-ML330-to-370.html"},
    {"Compaq Other Pentium-based Servers", "/bl/nw/Compaq-Other-Pentium-based-Servers.html"},
    {"Compaq Other Xeon-based Servers", "/bl/nw/Compaq-Other-Xeon-based-Servers.html"},
    {"Dell PowerEdge", "/bl/nw/Dell-PowerEdge.html"},
    {"Dell 200s to 1655 Series", "/bl/nw/Dell-200s-to-1655-Series.html"},
    {"Dell 1750 to 2300 Series", "/bl/nw/Dell-1750-to-2300-Series.html"},
    {"Dell 2400 to 3250 Series", "/bl/nw/Dell-2400-to-3250-Series.html"},
    {"Dell 4100 to 5000 Series", "/bl/nw/Dell-4100-to-5000-Series.html"},
    {"Dell 6100 Series and Higher", "/bl/nw/Dell-6100-Series-and-Higher.html"},
    {"Other Dell Servers", "/bl/nw/Other-Dell-Servers.html"},
    {"HP Servers", "/bl/nw/HP-Servers.html"},
    {"HP Mid-Range Servers", "/bl/nw/HP-Mid-Range Servers.html"},
    {"HP Netservers", "/bl/nw/HP-Netservers.html"},
    {"Other HP Servers", "/bl/nw/Other-HP-Servers.html"},
    {"IBM Servers", "/bl/nw/IBM-Servers.html"},
    {"Network Appliance and NetApp", "/bl/nw/Network-Appliance-and-NetApp.html"},
    {"Sun Servers", "/bl/nw/Sun-Servers.html"},
    {"Cobalt Servers", "/bl/nw/Cobalt-Servers.html"},
    {"Netra Servers", "/bl/nw/Netra-Servers.html"},
    {"Sun Fire E Series", "/bl/nw/Sun-Fire-E-Series.html"},
    {"Other Sun Servers", "/bl/nw/Other-Sun-Servers.html"},
    {"Other Servers", "/bl/nw/Other-Servers.html"},
};

inline constexpr std::string_view kSoftwareItems[] = {
    "Software", "Linux Software", "Unix Software", "Windows Software", "Other Software",
};
inline constexpr PageEntry kSoftwarePages[] = {
    {"Software", "/bl/nw/Software.html"},
    {"Linux Software", "/bl/nw/Linux-Software.html"},
    {"Unix Software", "/bl/nw/Unix-Software.html"},
    {"Windows Software", "/bl/nw/Windows-Software.html"},
    {"Other Software", "/bl/nw/Other-Software.html"},
};

inline constexpr std::string_view kStorageItems[] = {
    "Storage",          "Controller Cards", "NAS SAN Storage", "RAID Array Storage",
    "Tape Back-Up DLT", "Other Storage",
};
inline constexpr PageEntry kStoragePages[] = {
    {"Storage", "/bl/nw/Storage.html"},
    {"Controller Cards", "/bl/nw/Controller-Cards.html"},
    {"NAS SAN Storage", "/bl/nw/NAS-SAN-Storage.html"},
    {"RAID Array Storage", "/bl/nw/RAID-Array-Storage.html"},
    {"Tape Back-Up DLT", "/bl/nw/Tape-Back-Up-DLT.html"},
    {"Other Storage", "/bl/nw/Other-Storage.html"},
};

inline constexpr std::string_view kSwitchesItems[] = {
    "Switches",
    "3Com Switches",
    "Adtran Switches",
    "Cisco Switches",
    "Catalyst 1900-1999",
    "Catalyst 2800-2999",
    "Catalyst 3000-3599",
    "Catalyst 3750-4099",
    "Catalyst 4200-4599",
    "Catalyst 4600-5099",
    "Catalyst 5100-5599",
    "Catalyst 5600-6399",
    "Catalyst 6500 and Higher",
    "Cisco Modules",
    "Other Cisco Swithces",
    "Linksys Switches",
    "Netgear Switches",
    "Nortel Bay Networks Switches",
    "Other Switches",
};
// "Swithces" is misspelled in the list, the table and the page name alike.
inline constexpr PageEntry kSwitchesPages[] = {
    {"Switches", "/bl/nw/Switches.html"},
    {"3Com Switches", "/bl/nw/3Com-Switches.html"},
    {"Adtran Switches", "/bl/nw/Adtran-Switches.html"},
    {"Cisco Switches", "/bl/nw/Cisco-Switches.html"},
    {"Catalyst 1900-1999", "/bl/nw/Catalyst-1900-1999.html"},
    {"Catalyst 2800-2999", "/bl/nw/Catalyst-2800-2999.html"},
    {"Catalyst 3000-3599", "/bl/nw/Catalyst-3000-3599.html"},
    {"Catalyst 3750-4099", "/bl/nw/Catalyst-3750-4099.html"},
    {"Catalyst 4200-4599", "/bl/nw/Catalyst-4200-4599.html"},
    {"Catalyst 4600-5099", "/bl/nw/Catalyst-4600-5099.html"},
    {"Catalyst 5100-5599", "/bl/nw/Catalyst-5100-5599.html"},
    {"Catalyst 5600-6399", "/bl/nw/Catalyst-5600-6399.html"},
    {"Catalyst 6500 and Higher", "/bl/nw/Catalyst-6500-and-Higher.html"},
    {"Cisco Modules", "/bl/nw/Cisco-Modules.html"},
    {"Other Cisco Swithces", "/bl/nw/Other-Cisco-Swithces.html"},
    {"Linksys Switches", "/bl/nw/Linksys-Switches.html"},
    {"Netgear Switches", "/bl/nw/Netgear-Switches.html"},
    {"Nortel Bay Networks Switches", "/bl/nw/Nortel-Bay-Networks-Switches.html"},
    {"Other Switches", "/bl/nw/Other-Switches.html"},
};

inline constexpr std::string_view kWorkStationsItems[] = {
    "Workstations",           "Compaq Workstations", "Dell Workstations",
    "HP Workstations",        "IBM Workstations",    "Silicon Graphics SGI Workstations",
    "Sun Workstations",       "Sparc Workstations",  "Ultra Workstations",
    "Other Sun Workstations", "Wyse Terminals",      "Other Brand Workstations",
};
inline constexpr PageEntry kWorkStationsPages[] = {
    {"Workstations", "/bl/nw/Workstations.html"},
    {"Compaq Workstations", "/bl/nw/Compaq-Workstations.html"},
    {"Dell Workstations", "/bl/nw/Dell-Workstations.html"},
    {"HP Workstations", "/bl/nw/HP-Workstations.html"},
    {"IBM Workstations", "/bl/nw/IBM-Workstations.html"},
    {"Silicon Graphics SGI Workstations", "/bl/nw/Silicon-Graphics-SGI-Workstations.html"},
    {"Sun Workstations", "/bl/nw/Sun-Workstations.html"},
    {"Sparc Workstations", "/bl/nw/Sparc-Workstations.html"},
    {"Ultra Workstations", "/bl/nw/Ultra-Workstations.html"},
    {"Other Sun Workstations", "/bl/nw/Other-Sun-Workstations.html"},
    {"Wyse Terminals", "/bl/nw/Wyse-Terminals.html"},
    {"Other Brand Workstations", "/bl/nw/Other-Brand-Workstations.html"},
};

inline constexpr std::string_view kOtherItemsItems[] = {
    "Other Networking Items", "CSU, DSU",          "Multiplexers",    "Parts and Components",
    "ATT Avaya Merlin",       "ATT Avaya Partner", "Nortel Meridian", "Nortel Norstar",
};
inline constexpr PageEntry kOtherItemsPages[] = {
    {"Other Networking Items", "/bl/nw/Other-Networking-Items.html"},
    {"CSU, DSU", "/bl/nw/CSU-DSU.html"},
    {"Multiplexers", "/bl/nw/Multiplexers.html"},
    {"Parts and Components", "/bl/nw/Networking-Parts-and-Components.html"},
    {"ATT Avaya Merlin", "/bl/nw/ATT-Avaya-Merlin.html"},
    {"ATT Avaya Partner", "/bl/nw/ATT-Avaya-Partner.html"},
    {"Nortel Meridian", "/bl/nw/Nortel-Meridian.html"},
    {"Nortel Norstar", "/bl/nw/Nortel-Norstar.html"},
};

inline constexpr std::string_view kWholesaleItems[] = {
    "Wholesale Lots", "Components and Parts", "Network Interface Cards", "Routers and Switches",
    "Telecom",        "Other Lots",
};
inline constexpr PageEntry kWholesalePages[] = {
    {"Wholesale Lots", "/bl/nw/Wholesale-Lots.html"},
    {"Components and Parts", "/bl/nw/Components-and-Parts.html"},
    {"Network Interface Cards", "/bl/nw/Wholesale-Network-Interface-Cards.html"},
    {"Routers and Switches", "/bl/nw/Wholesale-Routers-and-Switches.html"},
    {"Telecom", "/bl/nw/Wholesale-Telecom.html"},
    {"Other Lots", "/bl/nw/Other-Lots.html"},
};

// Initial texts with a comma or an ampersand are captions, not entries; every other
// initial text is the drop-down's first item and opens its page.
inline constexpr DropDownData kDropDowns[] = {
    {"cbWireless",
     {150, 1680, 2535, 315},
     1,
     "802.11, Wifi, Wireless",
     kWirelessItems,
     kWirelessPages},
    {"cbCableDSLModems",
     {150, 2040, 2535, 315},
     2,
     "Cable, DSL Modems",
     kCableDSLModemsItems,
     kCableDSLModemsPages},
    {"cbFilers", {150, 2400, 2535, 315}, 3, "Filers, Load Balancers", kFilersItems, kFilersPages},
    {"cbFirewall", {150, 2760, 2535, 315}, 4, "Firewall, Security", kFirewallItems, kFirewallPages},
    {"cbHubs", {150, 3120, 2535, 315}, 5, "Hubs", kHubsItems, kHubsPages},
    {"cbTools", {150, 3480, 2535, 315}, 6, "Installation Tools", kToolsItems, kToolsPages},
    {"cbKVM", {2910, 1680, 2535, 315}, 7, "KVM Switch Boxes, Cables", kKVMItems, kKVMPages},
    {"cbMainFrame",
     {2910, 2040, 2535, 315},
     8,
     "Mainframe Equipment",
     kMainFrameItems,
     kMainFramePages},
    {"cbMemory", {2910, 2400, 2535, 315}, 9, "Memory", kMemoryItems, kMemoryPages},
    {"cbNetworkCables",
     {2910, 2760, 2535, 315},
     10,
     "Network Cables & Connectors",
     kNetworkCablesItems,
     kNetworkCablesPages},
    {"cbNICS",
     {2910, 3120, 2535, 315},
     11,
     "Network Interface Cards, Wired",
     kNICSItems,
     kNICSPages},
    {"cbPower",
     {2910, 3480, 2535, 315},
     12,
     "Power Supplies, Battery Packs",
     kPowerItems,
     kPowerPages},
    {"cbPrintServers",
     {5670, 1680, 2535, 315},
     13,
     "Print Servers",
     kPrintServersItems,
     kPrintServersPages},
    {"cbRacks",
     {5670, 2040, 2535, 315},
     14,
     "Racks, Mounts & Patch Panels",
     kRacksItems,
     kRacksPages},
    {"cbRouterComp",
     {5670, 2400, 2535, 315},
     15,
     "Router, Switch Components",
     kRouterCompItems,
     kRouterCompPages},
    {"cbRoutersWired",
     {5670, 2760, 2535, 315},
     16,
     "Routers, Wired",
     kRoutersWiredItems,
     kRoutersWiredPages},
    {"cbServerComponents",
     {5670, 3120, 2535, 315},
     17,
     "Server Components",
     kServerComponentsItems,
     kServerComponentsPages},
    {"cbServers", {5670, 3480, 2535, 315}, 18, "Servers", kServersItems, kServersPages},
    {"cbSoftware", {8430, 1680, 2535, 315}, 19, "Software", kSoftwareItems, kSoftwarePages},
    {"cbStorage", {8430, 2040, 2535, 315}, 20, "Storage", kStorageItems, kStoragePages},
    {"cbSwitches", {8430, 2400, 2535, 315}, 21, "Switches", kSwitchesItems, kSwitchesPages},
    {"cbWorkStations",
     {8430, 2760, 2535, 315},
     22,
     "Workstations",
     kWorkStationsItems,
     kWorkStationsPages},
    {"cbOtherItems",
     {8430, 3120, 2535, 315},
     23,
     "Other Networking Items",
     kOtherItemsItems,
     kOtherItemsPages},
    {"cbWholesale",
     {8430, 3480, 2535, 315},
     24,
     "Wholesale Lots",
     kWholesaleItems,
     kWholesalePages},
};

inline constexpr CategoryData kWindow = {
    .name = "frmNetworking",
    .title = "Networking",
    .folder = "nw",
    .clientWidth = 11115,
    .clientHeight = 3975,
    .fixedOuterSize = {},
    .bannerLeft = 120,
    .logoName = "Image2",
    .logoLeft = 8760,
    .titleName = "lblTitle1",
    .titleCaption = "Networking Servers and Networking Equipment",
    .titleBox = {2565, 1080, 5985, 360},
    .titleTabIndex = 0,
    .refreshBox = {120, 1150, 1800, 255},
    .refreshTabIndex = 25,
    .dropDowns = kDropDowns,
};

static_assert(IsWellFormed(kWindow));
static_assert(std::size(kDropDowns) == 24);
static_assert(std::size(kWirelessItems) == 14 && std::size(kWirelessPages) == 14);
static_assert(std::size(kCableDSLModemsItems) == 1 && std::size(kCableDSLModemsPages) == 1);
static_assert(std::size(kFilersItems) == 1 && std::size(kFilersPages) == 1);
static_assert(std::size(kFirewallItems) == 1 && std::size(kFirewallPages) == 1);
static_assert(std::size(kHubsItems) == 5 && std::size(kHubsPages) == 5);
static_assert(std::size(kToolsItems) == 4 && std::size(kToolsPages) == 4);
static_assert(std::size(kKVMItems) == 5 && std::size(kKVMPages) == 5);
static_assert(std::size(kMainFrameItems) == 1 && std::size(kMainFramePages) == 1);
static_assert(std::size(kMemoryItems) == 1 && std::size(kMemoryPages) == 1);
static_assert(std::size(kNetworkCablesItems) == 24 && std::size(kNetworkCablesPages) == 24);
static_assert(std::size(kNICSItems) == 16 && std::size(kNICSPages) == 16);
static_assert(std::size(kPowerItems) == 1 && std::size(kPowerPages) == 1);
static_assert(std::size(kPrintServersItems) == 1 && std::size(kPrintServersPages) == 1);
static_assert(std::size(kRacksItems) == 7 && std::size(kRacksPages) == 7);
static_assert(std::size(kRouterCompItems) == 11 && std::size(kRouterCompPages) == 11);
static_assert(std::size(kRoutersWiredItems) == 24 && std::size(kRoutersWiredPages) == 24);
static_assert(std::size(kServerComponentsItems) == 15 && std::size(kServerComponentsPages) == 15);
static_assert(std::size(kServersItems) == 28 && std::size(kServersPages) == 28);
static_assert(std::size(kSoftwareItems) == 5 && std::size(kSoftwarePages) == 5);
static_assert(std::size(kStorageItems) == 6 && std::size(kStoragePages) == 6);
static_assert(std::size(kSwitchesItems) == 19 && std::size(kSwitchesPages) == 19);
static_assert(std::size(kWorkStationsItems) == 12 && std::size(kWorkStationsPages) == 12);
static_assert(std::size(kOtherItemsItems) == 8 && std::size(kOtherItemsPages) == 8);
static_assert(std::size(kWholesaleItems) == 6 && std::size(kWholesalePages) == 6);

} // namespace benchlist::catalogue::networking
