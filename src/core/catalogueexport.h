// SPDX-FileCopyrightText: 2026 Veldmark
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The catalogue written out as text: a plain listing of every page-table entry,
// and a bookmark file that browsers import. No display or toolkit needed.
#pragma once

#include "base/categorydata.h"

#include <initializer_list>

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace benchlist {

using WindowList = std::span<const CategoryData *const>;

// One line per page-table entry, windows and drop-downs in the given order:
// window name, window title, drop-down name, drop-down caption, text, address
// and "listed" or "typed", split by tabs. Texts and addresses are kept exactly.
std::string CatalogueListing(WindowList windows);

// Appends `fields` as one line, split by tabs: the columns every listing for
// scripts is written in.
void AppendFields(std::string &out, std::initializer_list<std::string_view> fields);

// `text` with &, <, > and " written as HTML character references.
std::string EscapeHtml(std::string_view text);

// A bookmark file in the format browsers import and export: a folder per
// window named by its title, in it a folder per drop-down named by its caption,
// and in that a bookmark per distinct text of the page table, named by the text
// and leading where the drop-down goes for it.
std::string BookmarksHtml(WindowList windows);

// Writes the bookmark file of `windows` to `fileName`. An older file is
// replaced at once by the whole new one, or kept where that fails. Returns an
// empty string, or why the file could not be written.
std::string WriteBookmarkFile(const std::string &fileName, WindowList windows);

} // namespace benchlist
