// SPDX-FileCopyrightText: 2026 Veldmark
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "settings/settings.h"

#include "translation/language.h"
#include "usage/sharedusage.h"
#include "usage/usagestore.h"

#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QVariant>

#include <atomic>
#include <cstdio>

namespace benchlist {

namespace {

// In the [General] group, as earlier versions wrote it by hand.
const QString kRememberKey = QStringLiteral("RememberOpenedPages");
const QString kShopKey = QStringLiteral("Shop");
const QString kOtherNameKey = QStringLiteral("OtherShopName");
const QString kOtherAddressKey = QStringLiteral("OtherShopAddress");
const QString kOtherLanguageKey = QStringLiteral("OtherShopLanguage");
const QString kOtherShopId = QStringLiteral("other");

void SayNotSaved(const QString &path)
{
    const QString line = Translated("Settings", "could not save the settings in %1").arg(path);
    std::fprintf(stderr, "benchlist: %s\n", line.toLocal8Bit().constData());
}

// A symlink that leads back to itself: saving would put a plain file in its place.
bool LinkLoops(const QString &path)
{
    QFileInfo link(path);
    for (int depth = 0; link.isSymLink(); ++depth) {
        if (depth == 40)
            return true;
        link.setFile(link.symLinkTarget());
    }
    return false;
}

// What the file's own mode forbids, also to root, who may read and write any
// file: the shopper made it read-only or unreadable and means it to stay so.
bool ModeForbidsSaving(const QString &path)
{
    const QFileInfo file(path);
    if (!file.exists())
        return false;
    const QFile::Permissions mode = file.permissions();
    const bool writable = mode & (QFile::WriteOwner | QFile::WriteGroup | QFile::WriteOther);
    const bool readable = mode & (QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
    return !writable || !readable;
}

QVariant Read(const QString &key, const QVariant &otherwise)
{
    const QSettings settings(SettingsPath(), QSettings::IniFormat);
    return settings.value(key, otherwise);
}

// False, with one line said, when the file is left as it was. A file that could
// not be read is never written: what it holds would be lost.
bool Write(const QString &key, const QVariant &value)
{
    const QString path = SettingsPath();
    if (LinkLoops(path) || ModeForbidsSaving(path)) {
        SayNotSaved(path);
        return false;
    }
    QSettings settings(path, QSettings::IniFormat);
    if (settings.status() == QSettings::NoError) {
        settings.setValue(key, value);
        settings.sync();
    }
    if (settings.status() != QSettings::NoError) {
        SayNotSaved(path);
        return false;
    }
    return true;
}

void SayShopGone(const QString &id)
{
    static std::atomic_bool said = false;
    if (said.exchange(true))
        return;
    const QString line = Translated("Settings", "the settings name a shop that no longer "
                                                "exists, '%1'; pages open at %2 instead")
                             .arg(id, QString::fromStdString(DefaultShop().name));
    std::fprintf(stderr, "benchlist: %s\n", line.toLocal8Bit().constData());
}

} // namespace

QString SettingsPath()
{
    return QFile::decodeName(XdgFile("XDG_CONFIG_HOME", "/.config", "benchlist.conf").c_str());
}

bool RememberOpenedPages()
{
    return Read(kRememberKey, true).toBool();
}

bool SetRememberOpenedPages(bool on)
{
    if (!Write(kRememberKey, on))
        return false;
    SetRememberingPages(on);
    return true;
}

void FollowRememberSwitch()
{
    SetRememberSwitch(&RememberOpenedPages);
}

std::optional<Shop> OtherShop()
{
    const std::string name = Read(kOtherNameKey, {}).toString().simplified().toStdString();
    const std::string address = Read(kOtherAddressKey, {}).toString().toStdString();
    if (name.empty() || CheckSearchAddress(address) != AddressFault::None)
        return std::nullopt;
    const std::string language = Read(kOtherLanguageKey, "en").toString().toStdString();
    return Shop{.id = {}, .name = name, .countries = "*", .language = language, .address = address};
}

Shop ChosenShop()
{
    const QString id = Read(kShopKey, {}).toString();
    if (id.isEmpty())
        return DefaultShop();
    if (id == kOtherShopId) {
        if (std::optional<Shop> other = OtherShop())
            return *other;
    } else if (const Shop *shop = BuiltInShop(id.toStdString())) {
        return *shop;
    }
    SayShopGone(id);
    return DefaultShop();
}

void ApplyChosenShop()
{
    SetActiveShop(ChosenShop());
}

bool ChooseShop(const Shop &shop)
{
    SetActiveShop(shop);
    if (shop.id.empty()
        && !(Write(kOtherNameKey, QString::fromStdString(shop.name))
             && Write(kOtherAddressKey, QString::fromStdString(shop.address))
             && Write(kOtherLanguageKey, QString::fromStdString(shop.language))))
        return false;
    return Write(kShopKey, shop.id.empty() ? kOtherShopId : QString::fromStdString(shop.id));
}

} // namespace benchlist
