// SPDX-FileCopyrightText: 2026 Veldmark
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "usage/sharedusage.h"

#include "core/shops.h"
#include "find/catalogueindex.h"
#include "find/resultids.h"

#include <memory>
#include <string>
#include <utility>

namespace benchlist {

namespace {

std::unique_ptr<UsageStore> &Store()
{
    static std::unique_ptr<UsageStore> store;
    return store;
}

std::function<bool()> &RememberSwitch()
{
    static std::function<bool()> isOn;
    return isOn;
}

} // namespace

UsageStore &SharedUsageStore()
{
    std::unique_ptr<UsageStore> &store = Store();
    if (!store) {
        store = std::make_unique<UsageStore>(UsageStore::DefaultPath());
        if (const std::function<bool()> &isOn = RememberSwitch()) {
            store->SetRemembering(isOn());
            store->SetWriteCheck(isOn);
        }
    }
    return *store;
}

void CloseSharedUsageStore()
{
    Store().reset();
}

void SetRememberSwitch(std::function<bool()> isOn)
{
    RememberSwitch() = std::move(isOn);
}

void SetRememberingPages(bool on)
{
    SharedUsageStore().SetRemembering(on);
}

namespace {

void Remember(std::string page, std::string_view address, std::string_view query)
{
    UsageStore &store = SharedUsageStore();
    store.Record({std::move(page), std::string(address), std::string(query), 0});
}

} // namespace

void RecordUsage(const FindRecord &record, std::string_view query)
{
    Remember(SearchResultId(record),
             PageAddress(record.windowName, record.dropDownName, record.text), query);
}

// Without building the index for it.
void RecordUsage(std::string_view windowName, std::string_view dropDownName, std::string_view text,
                 std::string_view address)
{
    Remember(SearchResultId(windowName, dropDownName, text), address, {});
}

UsageScorer UsageScorerFor(std::string_view query)
{
    return UsageScorerOf(SharedUsageStore().Usage(query));
}

std::vector<const FindRecord *> RecentRecords(std::size_t count)
{
    std::vector<const FindRecord *> records;
    // A few more than asked for, in case a page left the catalogue since.
    for (const RecentPage &page : SharedUsageStore().Recent(count + 5)) {
        if (const FindRecord *record = SearchResults::Catalogue().Record(page.page))
            records.push_back(record);
        if (records.size() == count)
            break;
    }
    return records;
}

std::vector<FindHit> RecentHits()
{
    std::vector<FindHit> hits;
    for (const FindRecord *record : RecentRecords())
        hits.emplace_back(record);
    return hits;
}

void ForgetPages()
{
    SharedUsageStore().Clear();
}

} // namespace benchlist
