// SPDX-FileCopyrightText: 2026 Veldmark
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/addresses.h"

namespace benchlist {

std::string CataloguePageUrl(std::string_view path)
{
    std::string address;
    address.reserve(SiteBase.size() + path.size());
    address.append(SiteBase).append(path);
    return address;
}

} // namespace benchlist
