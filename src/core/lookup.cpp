// SPDX-FileCopyrightText: 2026 Veldmark
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/lookup.h"

#include "core/addresses.h"

namespace benchlist {

const PageEntry *WinningEntry(std::span<const PageEntry> pages, std::string_view text)
{
    for (auto entry = pages.rbegin(); entry != pages.rend(); ++entry)
        if (entry->text == text)
            return &*entry;
    return nullptr;
}

std::string LookupPage(std::span<const PageEntry> pages, std::string_view text)
{
    const PageEntry *match = WinningEntry(pages, text);
    return match ? CataloguePageUrl(match->path) : std::string(ErrorPageUrl);
}

} // namespace benchlist
