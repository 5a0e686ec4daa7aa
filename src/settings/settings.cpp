// SPDX-FileCopyrightText: 2026 Veldmark
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "settings/settings.h"

#include "translation/language.h"
#include "usage/pagememory.h"
#include "usage/usagestore.h"

#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QVariant>

#include <cstdio>

namespace benchlist {

namespace {

// In the [General] group, as earlier versions wrote it by hand.
const QString kRememberKey = QStringLiteral("RememberOpenedPages");

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

} // namespace benchlist
