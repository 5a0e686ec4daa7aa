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

#include <QString>

namespace benchlist {

// Where the settings are kept.
QString SettingsPath();

// File, Remember Opened Pages: on unless the shopper turned it off.
bool RememberOpenedPages();
// Saves the switch and hands it to the page memory. False when the file could
// not be saved; the page memory then goes on as the file says.
bool SetRememberOpenedPages(bool on);

// Lets the page memory follow the saved switch: as it is when the store is
// made, and as another copy of the program changes it while this one runs.
// Once per process, before the first page is remembered; it reads nothing yet.
void FollowRememberSwitch();

} // namespace benchlist
