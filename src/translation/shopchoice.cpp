// SPDX-FileCopyrightText: 2026 Veldmark
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "translation/shopchoice.h"

#include "translation/language.h"
#include "usage/usagestore.h"

#include <QSettings>

#include <atomic>
#include <cstdio>

namespace benchlist {

namespace {

// Keys at the top level are Qt's [General] group of the INI file.
constexpr auto kShopKey = "Shop";
constexpr auto kOtherNameKey = "OtherShopName";
constexpr auto kOtherAddressKey = "OtherShopAddress";
constexpr auto kOtherId = "other";

QString SettingsPath()
{
    return QString::fromLocal8Bit(XdgFile("XDG_CONFIG_HOME", "/.config", "benchlist.conf").c_str());
}

void SayOnce(const QString &id)
{
    static std::atomic_bool said = false;
    if (said.exchange(true))
        return;
    const QString line = Translated("Shops", "the settings name a shop there is no longer, "
                                             "'%1'; pages open at %2")
                             .arg(id, QString::fromStdString(DefaultShop().name));
    std::fprintf(stderr, "benchlist: %s\n", line.toLocal8Bit().constData());
}

} // namespace

std::optional<Shop> OtherShop()
{
    const QSettings settings(SettingsPath(), QSettings::IniFormat);
    const std::string name = settings.value(kOtherNameKey).toString().toStdString();
    const std::string address = settings.value(kOtherAddressKey).toString().toStdString();
    if (name.empty() || CheckSearchAddress(address) != AddressFault::None)
        return std::nullopt;
    return Shop{.id = {}, .name = name, .countries = "*", .language = "en", .address = address};
}

Shop ChosenShop()
{
    const QString id = QSettings(SettingsPath(), QSettings::IniFormat).value(kShopKey).toString();
    if (id.isEmpty())
        return DefaultShop();
    if (id == QLatin1String(kOtherId)) {
        if (std::optional<Shop> other = OtherShop())
            return *other;
    } else if (const Shop *shop = BuiltInShop(id.toStdString())) {
        return *shop;
    }
    SayOnce(id);
    return DefaultShop();
}

void ApplyChosenShop()
{
    SetActiveShop(ChosenShop());
}

void ChooseShop(const Shop &shop)
{
    QSettings settings(SettingsPath(), QSettings::IniFormat);
    if (shop.id.empty()) {
        settings.setValue(kOtherNameKey, QString::fromStdString(shop.name));
        settings.setValue(kOtherAddressKey, QString::fromStdString(shop.address));
    }
    settings.setValue(kShopKey, QString::fromStdString(shop.id.empty() ? kOtherId : shop.id));
    settings.sync();
    if (settings.status() != QSettings::NoError)
        std::fprintf(stderr, "benchlist: %s\n",
                     Translated("Shops", "could not save the settings in %1")
                         .arg(settings.fileName())
                         .toLocal8Bit()
                         .constData());
    SetActiveShop(shop);
}

} // namespace benchlist
