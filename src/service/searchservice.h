// SPDX-FileCopyrightText: 2026 Veldmark
//
// SPDX-License-Identifier: GPL-3.0-or-later

// benchlist --search-service: the catalogue offered to the desktop's own search
// (GNOME Shell's overview, KDE's KRunner) on the session bus. Started by the bus
// on the first call, gone again once idle; it needs no display.
#pragma once

#include <QStringList>

namespace benchlist {

// Runs the service until it has been idle for a while; returns the exit status.
// `arguments` are those after --search-service: none, or `--copy-address
// ADDRESS` for the service's own helper that holds an address on the clipboard
// for as long as it is there.
int RunSearchService(const QStringList &arguments);

} // namespace benchlist
