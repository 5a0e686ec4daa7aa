// SPDX-FileCopyrightText: 2026 Veldmark
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The store of opened pages is the shopper's history, so its folder and files
// are for the shopper alone: the folder 0700, each file 0600, whatever the
// umask, as the XDG base directory specification asks of the folders it names.
#pragma once

#include <string>
#include <system_error>

namespace benchlist {

// Makes `folder` and those above it that are missing, each 0700.
std::error_code MakePrivateFolder(const std::string &folder);

// Creates `file` empty and 0600 unless it is there, so that SQLite, which gives
// its log and shared memory the store's mode, makes them 0600 too.
void MakePrivateFile(const std::string &file);

// Takes from the store's folder, the store `file`, its -wal, -shm and -journal
// and the copies moved aside from it whatever they allow anyone but their
// owner. True when any allowed more.
bool NarrowToOwner(const std::string &file);

} // namespace benchlist
