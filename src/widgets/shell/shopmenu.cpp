// SPDX-FileCopyrightText: 2026 Veldmark
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "widgets/shell/shopmenu.h"

#include "settings/settings.h"
#include "translation/language.h"
#include "widgets/shell/othershopdialog.h"

#include <QActionGroup>
#include <QLocale>

namespace benchlist {

namespace {

bool Serves(const Shop &shop, const QString &country)
{
    return !country.isEmpty()
           && QString::fromStdString(shop.countries).split(QLatin1Char(',')).contains(country);
}

// What identifies a choice: a built-in shop's id, or the address of the one added.
std::string ChoiceKey(const Shop &shop)
{
    return shop.id.empty() ? shop.address : shop.id;
}

} // namespace

std::vector<const Shop *> ShopsInMenuOrder(const QString &country)
{
    std::vector<const Shop *> ordered;
    for (bool local : {true, false})
        for (const Shop &shop : BuiltInShops())
            if (!shop.IsCatalogue() && Serves(shop, country) == local)
                ordered.push_back(&shop);
    ordered.insert(ordered.begin(), &BuiltInShops().front());
    return ordered;
}

ShopMenu::ShopMenu(QWidget *parent) : QMenu(tr("Open &Pages At"), parent)
{
    setObjectName(QStringLiteral("mnuShop"));
    menuAction()->setObjectName(QStringLiteral("mnuShop"));
    // Filled as it opens: another copy of the program may have chosen since.
    connect(this, &QMenu::aboutToShow, this, &ShopMenu::Fill);
}

void ShopMenu::Fill()
{
    clear();
    auto *group = new QActionGroup(this);
    const std::string chosen = ChoiceKey(ActiveShop());
    const QString country = QLocale::territoryToCode(QLocale().territory());
    for (const Shop *shop : ShopsInMenuOrder(country)) {
        const QString caption =
            shop->IsCatalogue() ? tr("Benchlist Catalogue") : Translated("Shops", shop->name.c_str());
        AddShop(group, *shop, caption, chosen);
        if (shop->IsCatalogue())
            addSeparator();
    }
    addSeparator();
    if (const std::optional<Shop> other = OtherShop())
        AddShop(group, *other, QString::fromStdString(other->name), chosen);
    QAction *ask = addAction(tr("&Other Shop..."), this, &ShopMenu::AskOtherShop);
    ask->setObjectName(QStringLiteral("mnuOtherShop"));
}

void ShopMenu::AddShop(QActionGroup *group, const Shop &shop, const QString &caption,
                       const std::string &chosen)
{
    // An ampersand in a shop's name ("B&H") is shown, not taken as a shortcut.
    QAction *action = addAction(QString(caption).replace(QLatin1Char('&'), QLatin1String("&&")));
    action->setObjectName(QStringLiteral("mnuShop_")
                          + QString::fromStdString(shop.id.empty() ? "other" : shop.id));
    action->setCheckable(true);
    action->setChecked(ChoiceKey(shop) == chosen);
    action->setActionGroup(group);
    connect(action, &QAction::triggered, this, [shop] { ChooseShop(shop); });
}

void ShopMenu::AskOtherShop()
{
    OtherShopDialog dialog(parentWidget());
    if (dialog.exec() == QDialog::Accepted)
        ChooseShop(dialog.shop());
}

} // namespace benchlist
