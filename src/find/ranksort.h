// SPDX-FileCopyrightText: 2026 Veldmark
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The order of find's results.
#pragma once

#include "find/catalogueindex.h"

#include <vector>

namespace benchlist {

// Best first, by rank; equal ranks keep their order.
void SortByRank(std::vector<FindHit> &hits);

} // namespace benchlist
