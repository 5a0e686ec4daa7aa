// SPDX-FileCopyrightText: 2026 Veldmark
//
// SPDX-License-Identifier: GPL-3.0-or-later

// File, Open Pages At: the shop every category's page opens at, as radio
// items. The catalogue first, then the shops of the country the session's
// locale names, then the others, the one the shopper added, and "Other Shop...".
#pragma once

#include "core/shops.h"

#include <QMenu>

namespace benchlist {

class ShopMenu : public QMenu {
    Q_OBJECT

public:
    explicit ShopMenu(QWidget *parent);

private:
    void Fill();
    void AddShop(QActionGroup *group, const Shop &shop, const QString &caption,
                 const std::string &chosen);
    void AskOtherShop();
};

// The shops built in as the menu lists them: the catalogue, then those that
// serve `country` (two letters, "DE"), then the rest, each in the file's order.
std::vector<const Shop *> ShopsInMenuOrder(const QString &country);

} // namespace benchlist
