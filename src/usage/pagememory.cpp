#include "usage/pagememory.h"

#include "core/catalogueindex.h"
#include "core/searchresults.h"

#include <QCoreApplication>
#include <QSettings>

#include <atomic>

#include <memory>
#include <string>

namespace benchlist {

namespace {

const QString kRememberKey = QStringLiteral("RememberOpenedPages");

// $XDG_CONFIG_HOME/benchlist/benchlist.conf, whichever process asks.
std::unique_ptr<QSettings> Settings()
{
    return std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                       QStringLiteral("benchlist"), QStringLiteral("benchlist"));
}

std::unique_ptr<UsageStore> &Store()
{
    static std::unique_ptr<UsageStore> store;
    return store;
}

// The switch as last read, for a write after Qt has gone (QSettings with it).
std::atomic<bool> lastSwitch{true};

} // namespace

UsageStore &PageMemory()
{
    std::unique_ptr<UsageStore> &store = Store();
    if (!store) {
        store = std::make_unique<UsageStore>(UsageStore::DefaultPath());
        store->SetRemembering(RememberingPages());
        // Read again before each write, on the store's thread: the shopper
        // may have turned it off in another copy of the program. Once the
        // application object is gone, so is what QSettings stands on.
        store->SetWriteCheck(
            [] { return QCoreApplication::instance() ? RememberingPages() : lastSwitch.load(); });
        // What is still queued is written while Qt is still there.
        if (QCoreApplication::instance())
            qAddPostRoutine(ClosePageMemory);
    }
    return *store;
}

void ClosePageMemory()
{
    Store().reset();
}

bool RememberingPages()
{
    const bool on = Settings()->value(kRememberKey, true).toBool();
    lastSwitch = on;
    return on;
}

void SetRememberingPages(bool on)
{
    Settings()->setValue(kRememberKey, on);
    PageMemory().SetRemembering(on);
}

namespace {

void Remember(std::string page, std::string_view address, std::string_view query)
{
    UsageStore &store = PageMemory();
    store.Record({std::move(page), std::string(address), std::string(query), 0});
}

} // namespace

void RememberPage(const FindRecord &record, std::string_view query)
{
    Remember(SearchResultId(record), record.address, query);
}

// The id as SearchResultId writes it, without building the index for it.
void RememberPage(std::string_view windowName, std::string_view dropDownName, std::string_view text,
                  std::string_view address)
{
    std::string id(windowName);
    id.append("/").append(dropDownName).append("/").append(text);
    Remember(std::move(id), address, {});
}

FindUsage PageUsage(std::string_view query)
{
    return FindUsageOf(PageMemory().Usage(query));
}

std::vector<const FindRecord *> RecentRecords(std::size_t count)
{
    std::vector<const FindRecord *> records;
    // A few more than asked for, in case a page left the catalogue since.
    for (const RecentPage &page : PageMemory().Recent(count + 5)) {
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
    PageMemory().Clear();
}

} // namespace benchlist
