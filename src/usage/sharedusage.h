// SPDX-FileCopyrightText: 2026 Veldmark
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The pages this shopper opened, as the windows and the search service share
// them: one store per process, made on first use (never during start-up), and
// the shopper's switch for it, which the program's settings keep and hand down.
#pragma once

#include "usage/usagestore.h"

#include <functional>
#include <string_view>
#include <vector>

namespace benchlist {

struct FindRecord;

// The process's store, made on the first call.
UsageStore &SharedUsageStore();
// Writes what is still queued and lets the store go; at the end of main.
void CloseSharedUsageStore();

// Where "Remember Opened Pages" is kept: `isOn` is asked when the store is
// made, and again on the store's thread before each write, since another copy
// of the program may turn it off meanwhile. Until one is given, pages are
// remembered.
void SetRememberSwitch(std::function<bool()> isOn);
// The switch just turned on or off in this process: the store follows at once.
void SetRememberingPages(bool on);

// Records that the record's page was opened, found by `query` (empty: chosen
// from a list). Returns at once; nothing is written while the switch is off.
void RecordUsage(const FindRecord &record, std::string_view query = {});
// The same for a drop-down's own text and the page it opened.
void RecordUsage(std::string_view windowName, std::string_view dropDownName, std::string_view text,
                 std::string_view address);

// What the pages opened say for ranking the results of `query`.
UsageScorer UsageScorerFor(std::string_view query);

// The last pages opened that the catalogue still has, newest first.
std::vector<const FindRecord *> RecentRecords(std::size_t count = 10);
// The same as results to list, as the find window and --recent show them.
std::vector<FindHit> RecentHits();

// Deletes every page kept.
void ForgetPages();

} // namespace benchlist
