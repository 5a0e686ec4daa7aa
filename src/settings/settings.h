// SPDX-FileCopyrightText: 2026 Veldmark
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The program's settings, every one of them in one INI file that QSettings
// reads and writes: $XDG_CONFIG_HOME/benchlist/benchlist.conf, or under
// ~/.config when XDG_CONFIG_HOME is unset or not an absolute path. Each read
// asks the file afresh, since another copy of the program may have changed it.
// A save goes through QSaveFile: a temporary file beside the real one (beside
// a symlink's target, so that the link stays a link), synced, given the real
// one's mode and renamed over it. A file that cannot be saved is left as it
// was, with one line on standard error.
//
// A setting more is a getter and a setter here over Read and Write.
#pragma once

#include "core/shops.h"

#include <QString>

#include <optional>

namespace benchlist {

// Where the settings are kept.
QString SettingsPath();

// File, Remember Opened Pages: on unless the shopper turned it off.
bool RememberOpenedPages();
// Saves the switch and hands it to the shared usage store. False when the file could
// not be saved; the shared usage store then goes on as the file says.
bool SetRememberOpenedPages(bool on);

// Lets the shared usage store follow the saved switch: as it is when the store is
// made, and as another copy of the program changes it while this one runs.
// Once per process, before the first page is remembered; it reads nothing yet.
void FollowRememberSwitch();

// File, Open Pages At: the shop pages open at. "Shop" holds a built-in shop's
// id, or "other" for the one the shopper added, whose name, search address
// and words' language are "OtherShopName", "OtherShopAddress" and
// "OtherShopLanguage". A shop that no longer exists, or
// an address that is not a search address, gives the default, said once in a
// process on standard error.
Shop ChosenShop();
// Makes the chosen shop the one pages open at in this process.
void ApplyChosenShop();
// Saves `shop` as the choice (and, for one the shopper added, as the other
// shop) and makes it the active one. False when the file could not be saved;
// the shop is still used until the program ends.
bool ChooseShop(const Shop &shop);
// The shop the shopper added, kept while another one is chosen.
std::optional<Shop> OtherShop();

} // namespace benchlist
