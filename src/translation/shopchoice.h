// SPDX-FileCopyrightText: 2026 Veldmark
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The shop the shopper chose, kept with the other settings in
// $XDG_CONFIG_HOME/benchlist/benchlist.conf (Qt's INI format, group General):
// "Shop" is a built-in shop's id, or "other" for the one the shopper added,
// whose name and search address are "OtherShopName" and "OtherShopAddress".
#pragma once

#include "core/shops.h"

#include <optional>

namespace benchlist {

// The shop the settings name, or the default when they name none. A shop
// that no longer exists, or a search address that is not one, gives the
// default and one line on standard error, said once in a process.
Shop ChosenShop();
// Makes the chosen shop the one pages open at in this process.
void ApplyChosenShop();
// Keeps `shop` as the choice and makes it the active one.
void ChooseShop(const Shop &shop);
// The shop the shopper added, kept even while another one is chosen.
std::optional<Shop> OtherShop();

} // namespace benchlist
