// SPDX-FileCopyrightText: 2026 Veldmark
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Drives and Peripherals: optical, hard, flash, floppy and tape drives, controllers, input
// devices, sound and video equipment, power backups, other hardware and wholesale lots.
#pragma once

#include "base/categorydata.h"

namespace benchlist::catalogue::drives {

inline constexpr std::string_view kCDDrivesItems[] = {
    "CD Duplicators",        "CD-R and CD-RW Drives",
    "External CD Drives",    "External Firewire Drives",
    "External USB Drives",   "External USB 2 Drives",
    "Other External Drives", "Internal Drives",
    "44X and Slower",        "48X Drives",
    "52X and Faster",
};
inline constexpr PageEntry kCDDrivesPages[] = {
    {"CD Duplicators", "/bl/dp/CD-Duplicators.html"},
    {"CD-R and CD-RW Drives", "/bl/dp/CDR-CDRW-Drives.html"},
    {"External CD Drives", "/bl/dp/External-CD-Drives.html"},
    {"External Firewire Drives", "/bl/dp/External-Firewire-Drives.html"},
    {"External USB Drives", "/bl/dp/External-USB-Drives.html"},
    {"External USB 2 Drives", "/bl/dp/External-USB-2-Drives.html"},
    {"Other External Drives", "/bl/dp/Other-External-Drives.html"},
    {"Internal Drives", "/bl/dp/Internal-Drives.html"},
    {"44X and Slower", "/bl/dp/44x-Drives.html"},
    {"48X Drives", "/bl/dp/48x-Drives.html"},
    {"52X and Faster", "/bl/dp/52x-Drives.html"},
};

inline constexpr std::string_view kCDROMItems[] = {
    "IDE", "Panasonic", "Samsung", "Sony", "Other", "SCSI", "Other",
};
// "Other" is listed twice, after the IDE makers and after "SCSI"; both entries open
// the same page.
inline constexpr PageEntry kCDROMPages[] = {
    {"IDE", "/bl/dp/IDE-CDROM-Drives.html"},
    {"Panasonic", "/bl/dp/Panasonic-CDROM-Drives.html"},
    {"Samsung", "/bl/dp/Samsung-CDROM-Drives.html"},
    {"Sony", "/bl/dp/Sony-CDROM-Drives.html"},
    {"Other", "/bl/dp/Other-CDROM-Drives.html"},
    {"SCSI", "/bl/dp/SCSI-CDROM-Drives.html"},
    {"Other", "/bl/dp/Other-CDROM-Drives.html"},
};

inline constexpr std::string_view kCDRWItems[] = {"CDRW and DVD Combo", "Other Combo Drives"};
inline constexpr PageEntry kCDRWPages[] = {
    {"CDRW and DVD Combo", "/bl/dp/CDRW-DVD-COMBO.html"},
    {"Other Combo Drives", "/bl/dp/Other-Combo-Drives.html"},
};

inline constexpr std::string_view kDVDRItems[] = {
    "External", "Internal", "Cendyne", "HP", "NEC", "Pioneer", "Sony", "Other",
};
inline constexpr PageEntry kDVDRPages[] = {
    {"External", "/bl/dp/External-DVDRW-Drives.html"},
    {"Internal", "/bl/dp/Internal-DVDRW-Drives.html"},
    {"Cendyne", "/bl/dp/Cendyne-DVDRW-Drives.html"},
    {"HP", "/bl/dp/HP-DVDRW-Drives.html"},
    {"NEC", "/bl/dp/NEC-DVDRW-Drives.html"},
    {"Pioneer", "/bl/dp/Pioneer-DVDRW-Drives.html"},
    {"Sony", "/bl/dp/Sony-DVDRW-Drives.html"},
    {"Other", "/bl/dp/Other-DVDRW-Drives.html"},
};

inline constexpr std::string_view kDVRROMItems[] = {"DVD ROM Drives"};
// The initial text "DVD-ROM Drives" has a hyphen where the item has a blank, so it
// finds no page. The page name is in capitals on the site.
inline constexpr PageEntry kDVRROMPages[] = {
    {"DVD ROM Drives", "/bl/dp/DVD-ROM-DRIVES.html"},
};

inline constexpr std::string_view kHardDriveExternalItems[] = {
    "External",         "External Atapi",   "External Firewire", "External Jaz",
    "External USB 1.0", "External USB 2.0", "External Zip",      "Other External",
};
inline constexpr PageEntry kHardDriveExternalPages[] = {
    {"External", "/bl/dp/External-Hard-Drives.html"}, {"External Atapi", "/bl/dp/Atapi-HD.html"},
    {"External Firewire", "/bl/dp/Firewire-HD.html"}, {"External Jaz", "/bl/dp/Jaz-HD.html"},
    {"External USB 1.0", "/bl/dp/USB1-HD.html"},      {"External USB 2.0", "/bl/dp/USB2-HD.html"},
    {"External Zip", "/bl/dp/Zip-HD.html"},           {"Other External", "/bl/dp/Other-HD.html"},
};

inline constexpr std::string_view kHardDriveInternalItems[] = {
    "IDE Hard Drives",      "IDE 5.0 GB & Less",    "IDE 5.1 GB-10.0 GB",   "IDE 10.1 GB-20.0 GB",
    "IDE 20.1 GB-40.0 GB",  "IDE 40.1 GB-100.0 GB", "IDE More than 100 GB", "SCA Hard Drives ",
    "SCSI Hard Drives",     "SCSI 9.0 GB & Less",   "SCSI 9.1 GB-18.0 GB",  "SCSI 18.1 GB-32.0 GB",
    "SCSI 32.1 GB-50.0 GB", "SCSI Above 50 GB",     "Other Hard Drives",
};
// "SCA Hard Drives " ends in a blank, in the list and in the table alike:
// typed without it, the text finds no page.
inline constexpr PageEntry kHardDriveInternalPages[] = {
    {"IDE Hard Drives", "/bl/dp/Hard-Drives-IDE.html"},
    {"IDE 5.0 GB & Less", "/bl/dp/5gb-Less.html"},
    {"IDE 5.1 GB-10.0 GB", "/bl/dp/10gb-IDE.html"},
    {"IDE 10.1 GB-20.0 GB", "/bl/dp/20gb-IDE.html"},
    {"IDE 20.1 GB-40.0 GB", "/bl/dp/40gb-IDE.html"},
    {"IDE 40.1 GB-100.0 GB", "/bl/dp/100gb-IDE.html"},
    {"IDE More than 100 GB", "/bl/dp/More-100gb-IDE.html"},
    {"SCA Hard Drives ", "/bl/dp/SCA-Hard-Drives.html"},
    {"SCSI Hard Drives", "/bl/dp/SCSI-Hard-Drives.html"},
    {"SCSI 9.0 GB & Less", "/bl/dp/SCSI-9gb-Less.html"},
    {"SCSI 9.1 GB-18.0 GB", "/bl/dp/SCSI-18gb.html"},
    {"SCSI 18.1 GB-32.0 GB", "/bl/dp/SCSI-32gb.html"},
    {"SCSI 32.1 GB-50.0 GB", "/bl/dp/SCSI-50gb.html"},
    {"SCSI Above 50 GB", "/bl/dp/SCSI-51gb.html"},
    {"Other Hard Drives", "/bl/dp/Other-Internal-Hard-Drives.html"},
};

inline constexpr std::string_view kFlashItems[] = {
    "Flash Memory Drives", "32mb & Less", "64mb", "128mb", "256mb", "512mb and More",
};
inline constexpr PageEntry kFlashPages[] = {
    {"Flash Memory Drives", "/bl/dp/Flash-Memory-Drives.html"},
    {"32mb & Less", "/bl/dp/32mb-Flash.html"},
    {"64mb", "/bl/dp/64mb-Flash.html"},
    {"128mb", "/bl/dp/128mb-Flash.html"},
    {"256mb", "/bl/dp/256mb-Flash.html"},
    {"512mb and More", "/bl/dp/512mb-More-Flash.html"},
};

inline constexpr std::string_view kFloppyItems[] = {
    "Floppy Drives",
    "External Floppy Drives",
    "Internal Floppy Drives",
};
inline constexpr PageEntry kFloppyPages[] = {
    {"Floppy Drives", "/bl/dp/Floppy-Drives.html"},
    {"External Floppy Drives", "/bl/dp/External-Floppy-Drives.html"},
    {"Internal Floppy Drives", "/bl/dp/Internal-Floppy-Drives.html"},
};

inline constexpr std::string_view kOtherDrivesItems[] = {"Other Drives & Components"};
inline constexpr PageEntry kOtherDrivesPages[] = {
    {"Other Drives & Components", "/bl/dp/Other-Drives-Components.html"},
};

inline constexpr std::string_view kTapeItems[] = {
    "Tape Drives", "DAT/DDS", "DLT", "Tape Libraries", "Travan", "Other Tape Drives",
};
inline constexpr PageEntry kTapePages[] = {
    {"Tape Drives", "/bl/dp/Tape-Drives.html"},
    {"DAT/DDS", "/bl/dp/DAT-DDS-Drives.html"},
    {"DLT", "/bl/dp/DLT-Drives.html"},
    {"Tape Libraries", "/bl/dp/Tape-Libraries.html"},
    {"Travan", "/bl/dp/Travan-Drives.html"},
    {"Other Tape Drives", "/bl/dp/Other-Tape-Drives.html"},
};

inline constexpr std::string_view kOtherHardwareItems[] = {
    "Other Hardware", "Internet Appliances", "Switchboards", "Vintage",
    "Amiga",          "Vintage PCs",         "Other",
};
// The list ends with "Other", which has no page and leads to the error page;
// "Other Vintage" has a page but no list item: it is reached only by typing it.
inline constexpr PageEntry kOtherHardwarePages[] = {
    {"Other Hardware", "/bl/dp/Other-Hardware.html"},
    {"Internet Appliances", "/bl/dp/Internet-Appliances.html"},
    {"Switchboards", "/bl/dp/Switchboards.html"},
    {"Vintage", "/bl/dp/Vintage-Items.html"},
    {"Amiga", "/bl/dp/Vintage-Amiga.html"},
    {"Vintage PCs", "/bl/dp/Vintage-PCs.html"},
    {"Other Vintage", "/bl/dp/Other-Vintage.html"},
};

inline constexpr std::string_view kControllersItems[] = {"IDE/ATA", "RAID", "SCSI", "Other"};
inline constexpr PageEntry kControllersPages[] = {
    {"IDE/ATA", "/bl/dp/IDE-ATA-Controllers.html"},
    {"RAID", "/bl/dp/RAID-Controllers.html"},
    {"SCSI", "/bl/dp/SCSI-Controllers.html"},
    {"Other", "/bl/dp/Other-Controllers.html"},
};

inline constexpr std::string_view kInputItems[] = {
    "Input Devices",
    "Barcode Scanners",
    "Card Readers",
    "Infrared , IrDA",
    "Keyboards",
    "Ergonomic Keyboards",
    "Standard Keyboards",
    "PS/2 Keyboards",
    "USB Keyboards",
    "Wireless Keyboards",
    "Other Keyboards",
    "Mice",
    "PS/2 Mice",
    "USB Mice",
    "Wireless Mice",
    "Other Mice",
    "PC Remote Controls",
    "Tablets",
    "Trackballs",
    "Other",
    "Projectors",
    "InFocus",
    "Proxima",
    "Other Projectors",
    "Scanners",
    "Canon",
    "Epson",
    "HP",
    "HP SCSI",
    "HP USB",
    "Other HP Scanners",
    "Microtek",
    "Visioneer",
    "Other Scanners",
};
// "Infrared , IrDA" has a blank before its comma, in the list and in the table alike.
inline constexpr PageEntry kInputPages[] = {
    {"Input Devices", "/bl/dp/Input-Devices.html"},
    {"Barcode Scanners", "/bl/dp/Barcode-Scanners.html"},
    {"Card Readers", "/bl/dp/Card-Readers.html"},
    {"Infrared , IrDA", "/bl/dp/Infrared-IrDA.html"},
    {"Keyboards", "/bl/dp/Keyboards.html"},
    {"Ergonomic Keyboards", "/bl/dp/Ergonomic-Keyboards.html"},
    {"Standard Keyboards", "/bl/dp/Standard-Keyboards.html"},
    {"PS/2 Keyboards", "/bl/dp/ps2-Keyboards.html"},
    {"USB Keyboards", "/bl/dp/USB-Keyboards.html"},
    {"Wireless Keyboards", "/bl/dp/Wireless-Keyboards.html"},
    {"Other Keyboards", "/bl/dp/Other-Keyboards.html"},
    {"Mice", "/bl/dp/Mice.html"},
    {"PS/2 Mice", "/bl/dp/PS2-Mice.html"},
    {"USB Mice", "/bl/dp/USB-Mice.html"},
    {"Wireless Mice", "/bl/dp/Wireless-Mice.html"},
    {"Other Mice", "/bl/dp/Other-Mice.html"},
    {"PC Remote Controls", "/bl/dp/PC-Remote-Controls.html"},
    {"Tablets", "/bl/dp/Tablets.html"},
    {"Trackballs", "/bl/dp/Trackballs.html"},
    {"Other", "/bl/dp/Other-Input-Devices.html"},
    {"Projectors", "/bl/dp/Projectors.html"},
    {"InFocus", "/bl/dp/InFocus-Projectors.html"},
    {"Proxima", "/bl/dp/Proxima-Projectors.html"},
    {"Other Projectors", "/bl/dp/Other-Projectors.html"},
    {"Scanners", "/bl/dp/Scanners.html"},
    {"Canon", "/bl/dp/Canon-Scanners.html"},
    {"Epson", "/bl/dp/Epson-Scanners.html"},
    {"HP", "/bl/dp/HP-Scanners.html"},
    {"HP SCSI", "/bl/dp/HP-SCSI-Scanners.html"},
    {"HP USB", "/bl/dp/HP-USB-Scanners.html"},
    {"Other HP Scanners", "/bl/dp/Other-HP-Scanners.html"},
    {"Microtek", "/bl/dp/Microtek-Scanners.html"},
    {"Visioneer", "/bl/dp/Visioneer-Scanners.html"},
    {"Other Scanners", "/bl/dp/Other-Scanners.html"},
};

inline constexpr std::string_view kUPSItems[] = {
    "UPS, Battery Backups", "APC", "Batteries", "Compaq", "Other Backups",
};
inline constexpr PageEntry kUPSPages[] = {
    {"UPS, Battery Backups", "/bl/dp/UPS-Battery-Backups.html"},
    {"APC", "/bl/dp/APC.html"},
    {"Batteries", "/bl/dp/Batteries.html"},
    {"Compaq", "/bl/dp/Compaq.html"},
    {"Other Backups", "/bl/dp/Other-Backup.html"},
};

inline constexpr std::string_view kVideoItems[] = {
    "Headphones, Microphones",
    "Sound Cards",
    "Creative Labs, Sound Blaster",
    "Crystal, Diamond, Dolby",
    "Other Sound Cards",
    "Speakers",
    "Altec Lansing",
    "Creative",
    "Cyber Acoustics",
    "Harman Kardon",
    "Innax",
    "Labtec",
    "Logitech",
    "Other Speakers",
};
inline constexpr PageEntry kVideoPages[] = {
    {"Headphones, Microphones", "/bl/dp/Headphones-Microphones.html"},
    {"Sound Cards", "/bl/dp/Sound-Cards.html"},
    {"Creative Labs, Sound Blaster", "/bl/dp/Creative-Labs.html"},
    {"Crystal, Diamond, Dolby", "/bl/dp/Crystal-Diamond-Dolby.html"},
    {"Other Sound Cards", "/bl/dp/Other-Sound-Cards.html"},
    {"Speakers", "/bl/dp/Speakers.html"},
    {"Altec Lansing", "/bl/dp/Altec-Lansing-Speakers.html"},
    {"Creative", "/bl/dp/Creative-Speakers.html"},
    {"Cyber Acoustics", "/bl/dp/Cyber-Acoustics-Speakers.html"},
    {"Harman Kardon", "/bl/dp/Harman-Kardon-Speakers.html"},
    {"Innax", "/bl/dp/Innax-Speakers.html"},
    {"Labtec", "/bl/dp/Labtec-Speakers.html"},
    {"Logitech", "/bl/dp/Logitech-Speakers.html"},
    {"Other Speakers", "/bl/dp/Other-Speakers.html"},
};

inline constexpr std::string_view kVideoAccessoriesItems[] = {
    "Video Cards", "3DFX",   "ATI", "ASUS",           "Diamond",
    "Matrox",      "Nvidia", "S3",  "STB, Visiontek", "Other Video Cards",
};
// The site spells the page of "Matrox" as "Maxtrox".
inline constexpr PageEntry kVideoAccessoriesPages[] = {
    {"Video Cards", "/bl/dp/Video-Cards.html"},
    {"3DFX", "/bl/dp/3DFX-Cards.html"},
    {"ATI", "/bl/dp/ATI-Cards.html"},
    {"ASUS", "/bl/dp/ASUS-Video-Cards.html"},
    {"Diamond", "/bl/dp/Diamond-Video-Cards.html"},
    {"Matrox", "/bl/dp/Maxtrox-Video-Cards.html"},
    {"Nvidia", "/bl/dp/Nvidia-Video-Cards.html"},
    {"S3", "/bl/dp/S3-Video-Cards.html"},
    {"STB, Visiontek", "/bl/dp/STB-VisionTek-Video-Cards.html"},
    {"Other Video Cards", "/bl/dp/Other-Video-Cards.html"},
};

inline constexpr std::string_view kTVTunersItems[] = {"TV Tuners"};
inline constexpr PageEntry kTVTunersPages[] = {
    {"TV Tuners", "/bl/dp/TV-Tuners.html"},
};

inline constexpr std::string_view kVideoConferencingItems[] = {"Video Conferencing"};
inline constexpr PageEntry kVideoConferencingPages[] = {
    {"Video Conferencing", "/bl/dp/Video-Conferencing.html"},
};

inline constexpr std::string_view kWholesaleItems[] = {
    "Desktop Components", "Cables",    "CPUs", "Memory",     "Other", "Drives",
    "Input Devices",      "Keyboards", "Mice", "Other Lots",
};
inline constexpr PageEntry kWholesalePages[] = {
    {"Desktop Components", "/bl/dp/Desktop-Component-Lots.html"},
    {"Cables", "/bl/dp/Cable-Lots.html"},
    {"CPUs", "/bl/dp/CPU-Lots.html"},
    {"Memory", "/bl/dp/Memory-Lots.html"},
    {"Other", "/bl/dp/Other.html"},
    {"Drives", "/bl/dp/Drive-Lots.html"},
    {"Input Devices", "/bl/dp/Input-Device-Lots.html"},
    {"Keyboards", "/bl/dp/Keyboard-Lots.html"},
    {"Mice", "/bl/dp/Mice-Lots.html"},
    {"Other Lots", "/bl/dp/Other-Lots.html"},
};

inline constexpr DropDownData kDropDowns[] = {
    {"cbCDDrives",
     {240, 1680, 2415, 315},
     1,
     "CD Drives & Duplicators",
     kCDDrivesItems,
     kCDDrivesPages},
    {"cbCDROM", {240, 2040, 2415, 315}, 2, "CD-ROM Drives", kCDROMItems, kCDROMPages},
    {"cbCDRW", {240, 2400, 2415, 315}, 3, "CDRW, DVD Combo Drives", kCDRWItems, kCDRWPages},
    {"cbDVDR", {240, 2760, 2415, 315}, 4, "DVD-R, DVD-RW Drives", kDVDRItems, kDVDRPages},
    {"cbDVRROM", {240, 3120, 2415, 315}, 5, "DVD-ROM Drives", kDVRROMItems, kDVRROMPages},
    {"cbHardDriveExternal",
     {2880, 1680, 2415, 315},
     6,
     "External Hard Drives Zip Jaz",
     kHardDriveExternalItems,
     kHardDriveExternalPages},
    {"cbHardDriveInternal",
     {2880, 2040, 2415, 315},
     7,
     "Hard Drives Internal",
     kHardDriveInternalItems,
     kHardDriveInternalPages},
    {"cbFlash", {2880, 2400, 2415, 315}, 8, "Flash Memory Drives", kFlashItems, kFlashPages},
    {"cbFloppy", {2880, 2760, 2415, 315}, 9, "Floppy Drives", kFloppyItems, kFloppyPages},
    {"cbOtherDrives",
     {2880, 3120, 2415, 315},
     10,
     "Other Drives & Components",
     kOtherDrivesItems,
     kOtherDrivesPages},
    {"cbTape", {5520, 1680, 2415, 315}, 11, "Tape Drives", kTapeItems, kTapePages},
    {"cbOtherHardware",
     {5520, 2040, 2415, 315},
     12,
     "Other Hardware",
     kOtherHardwareItems,
     kOtherHardwarePages},
    {"cbControllers",
     {5520, 2400, 2415, 315},
     13,
     "Controllers-Adapter, I/O Card",
     kControllersItems,
     kControllersPages},
    {"cbInput", {5520, 2760, 2415, 315}, 14, "Input Devices", kInputItems, kInputPages},
    {"cbUPS", {5520, 3120, 2415, 315}, 15, "UPS, Battery Backups", kUPSItems, kUPSPages},
    {"cbVideo", {8160, 1680, 2415, 315}, 16, "Video & Multimedia", kVideoItems, kVideoPages},
    {"cbVideoAccessories",
     {8160, 2040, 2415, 315},
     17,
     "Video & Multimedia Accessories",
     kVideoAccessoriesItems,
     kVideoAccessoriesPages},
    {"cbTVTuners", {8160, 2400, 2415, 315}, 18, "TV Tuners", kTVTunersItems, kTVTunersPages},
    {"cbVideoConferencing",
     {8160, 2760, 2415, 315},
     19,
     "Video Conferencing",
     kVideoConferencingItems,
     kVideoConferencingPages},
    {"cbWholesale",
     {8160, 3120, 2415, 315},
     20,
     "Wholesale Lots",
     kWholesaleItems,
     kWholesalePages},
};

inline constexpr CategoryData kWindow = {
    .name = "frmDrives",
    .title = "Drives and Peripherals",
    .folder = "dp",
    .clientWidth = 10815,
    .clientHeight = 3600,
    .fixedOuterSize = {},
    .bannerLeft = 120,
    .logoName = "Image2",
    .logoLeft = 8520,
    .titleName = "lblTitle1",
    .titleCaption = "Desktop Computer  Drives And Peripherals", // two blanks after "Computer"
    .titleBox = {2722, 1080, 5370, 360},
    .titleTabIndex = 0,
    .refreshBox = {240, 1080, 1695, 315},
    .refreshTabIndex = 21,
    .dropDowns = kDropDowns,
};

static_assert(IsWellFormed(kWindow));
static_assert(std::size(kDropDowns) == 20);
static_assert(std::size(kCDDrivesItems) == 11 && std::size(kCDDrivesPages) == 11);
static_assert(std::size(kCDROMItems) == 7 && std::size(kCDROMPages) == 7);
static_assert(std::size(kCDRWItems) == 2 && std::size(kCDRWPages) == 2);
static_assert(std::size(kDVDRItems) == 8 && std::size(kDVDRPages) == 8);
static_assert(std::size(kDVRROMItems) == 1 && std::size(kDVRROMPages) == 1);
static_assert(std::size(kHardDriveExternalItems) == 8 && std::size(kHardDriveExternalPages) == 8);
static_assert(std::size(kHardDriveInternalItems) == 15 && std::size(kHardDriveInternalPages) == 15);
static_assert(std::size(kFlashItems) == 6 && std::size(kFlashPages) == 6);
static_assert(std::size(kFloppyItems) == 3 && std::size(kFloppyPages) == 3);
static_assert(std::size(kOtherDrivesItems) == 1 && std::size(kOtherDrivesPages) == 1);
static_assert(std::size(kTapeItems) == 6 && std::size(kTapePages) == 6);
static_assert(std::size(kOtherHardwareItems) == 7 && std::size(kOtherHardwarePages) == 7);
static_assert(std::size(kControllersItems) == 4 && std::size(kControllersPages) == 4);
static_assert(std::size(kInputItems) == 34 && std::size(kInputPages) == 34);
static_assert(std::size(kUPSItems) == 5 && std::size(kUPSPages) == 5);
static_assert(std::size(kVideoItems) == 14 && std::size(kVideoPages) == 14);
static_assert(std::size(kVideoAccessoriesItems) == 10 && std::size(kVideoAccessoriesPages) == 10);
static_assert(std::size(kTVTunersItems) == 1 && std::size(kTVTunersPages) == 1);
static_assert(std::size(kVideoConferencingItems) == 1 && std::size(kVideoConferencingPages) == 1);
static_assert(std::size(kWholesaleItems) == 10 && std::size(kWholesalePages) == 10);

} // namespace benchlist::catalogue::drives
