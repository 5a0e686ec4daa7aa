// SPDX-FileCopyrightText: 2026 Veldmark
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "lookupcase.h"

namespace benchlist::cases {

inline constexpr LookupCase kDrives[] = {
    // One text, a different page in every drop-down that lists it.
    {"other in cd-rom", "cbCDROM", "Other", "/bl/dp/Other-CDROM-Drives.html"},
    {"other in dvd-r", "cbDVDR", "Other", "/bl/dp/Other-DVDRW-Drives.html"},
    {"other in input", "cbInput", "Other", "/bl/dp/Other-Input-Devices.html"},
    {"other in wholesale", "cbWholesale", "Other", "/bl/dp/Other.html"},
    {"hp in dvd-r", "cbDVDR", "HP", "/bl/dp/HP-DVDRW-Drives.html"},
    {"hp in input", "cbInput", "HP", "/bl/dp/HP-Scanners.html"},
    {"external in dvd-r", "cbDVDR", "External", "/bl/dp/External-DVDRW-Drives.html"},
    {"external hard drives", "cbHardDriveExternal", "External", "/bl/dp/External-Hard-Drives.html"},
    {"keyboards in wholesale", "cbWholesale", "Keyboards", "/bl/dp/Keyboard-Lots.html"},
    {"ide alone in hard drives", "cbHardDriveInternal", "IDE", ""},
    // Listed without a page, and a page without a list item.
    {"other hardware item without page", "cbOtherHardware", "Other", ""},
    {"other vintage typed, not listed", "cbOtherHardware", "Other Vintage",
     "/bl/dp/Other-Vintage.html"},
    // Blanks and letter case count.
    {"sca with its trailing blank", "cbHardDriveInternal", "SCA Hard Drives ",
     "/bl/dp/SCA-Hard-Drives.html"},
    {"sca without trailing blank", "cbHardDriveInternal", "SCA Hard Drives", ""},
    {"infrared blank before comma", "cbInput", "Infrared , IrDA", "/bl/dp/Infrared-IrDA.html"},
    {"infrared without that blank", "cbInput", "Infrared, IrDA", ""},
    {"dlt lower case", "cbTape", "dlt", ""},
    // Initial texts: some are entries, some only captions.
    {"dvd-rom caption is no entry", "cbDVRROM", "DVD-ROM Drives", ""},
    {"dvd rom item, page in capitals", "cbDVRROM", "DVD ROM Drives", "/bl/dp/DVD-ROM-DRIVES.html"},
    {"tape caption is an entry", "cbTape", "Tape Drives", "/bl/dp/Tape-Drives.html"},
    {"wholesale caption is no entry", "cbWholesale", "Wholesale Lots", ""},
    {"video caption is no entry", "cbVideo", "Video & Multimedia", ""},
    // Pages as the site names them.
    {"matrox page misspelt", "cbVideoAccessories", "Matrox", "/bl/dp/Maxtrox-Video-Cards.html"},
    {"ps/2 keyboards lower-case page", "cbInput", "PS/2 Keyboards", "/bl/dp/ps2-Keyboards.html"},
    {"empty", "cbFlash", "", ""},
};

} // namespace benchlist::cases
