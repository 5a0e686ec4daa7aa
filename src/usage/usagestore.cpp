// SPDX-FileCopyrightText: 2026 Veldmark
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "usage/usagestore.h"

#include "find/fold.h"
#include "find/resultids.h"
#include "usage/privatefiles.h"
#include "usage/statement.h"

#include <sqlite3.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <utility>

#include <sys/stat.h>

namespace benchlist {

std::int64_t UsageStore::Now()
{
    return std::chrono::duration_cast<std::chrono::seconds>(
               std::chrono::system_clock::now().time_since_epoch())
        .count();
}

std::uint64_t UsageStore::FileId(const std::string &path)
{
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0)
        return 0;
    return (static_cast<std::uint64_t>(st.st_dev) << 40) ^ static_cast<std::uint64_t>(st.st_ino);
}

std::string UsageQueryKey(std::string_view query)
{
    return FoldText(query);
}

const std::vector<std::int32_t> &UsageSummary::PageOfRecord() const
{
    std::call_once(recordsMapped_, [this] {
        const SearchResults &results = SearchResults::Catalogue();
        const auto records = CatalogueIndex::Catalogue().Records();
        pageOfRecord_.assign(records.size(), -1);
        for (const auto &[id, page] : pageIndex)
            if (const FindRecord *record = results.Record(id))
                pageOfRecord_[std::size_t(record - records.data())] = std::int32_t(page);
    });
    return pageOfRecord_;
}

UsageScore QueryUsage::Score(std::string_view page) const
{
    if (!summary_)
        return {};
    const auto found = summary_->pageIndex.find(page);
    return found == summary_->pageIndex.end() ? UsageScore{} : Score(found->second);
}

UsageScore QueryUsage::Score(std::uint32_t page) const
{
    UsageScore score;
    score.weight = summary_->weight[page];
    const auto chosen = std::lower_bound(chosen_.begin(), chosen_.end(),
                                         std::pair<std::uint32_t, double>(page, 0.0));
    if (chosen != chosen_.end() && chosen->first == page)
        score.chosen = chosen->second;
    return score;
}

UsageScorer UsageScorerOf(QueryUsage usage)
{
    if (usage.Empty())
        return {};
    // The records of the catalogue's index are scored by their place in it.
    const std::span<const FindRecord> records = CatalogueIndex::Catalogue().Records();
    const std::vector<std::int32_t> &pages = usage.summary_->PageOfRecord();
    return [usage = std::make_shared<const QueryUsage>(std::move(usage)), records,
            &pages](const FindRecord &record) {
        UsageScore score;
        if (&record >= records.data() && &record < records.data() + records.size()) {
            if (const std::int32_t page = pages[std::size_t(&record - records.data())]; page >= 0)
                score = usage->Score(std::uint32_t(page));
        } else {
            score = usage->Score(SearchResultId(record)); // a record of another index
        }
        return score;
    };
}

UsageStore::UsageStore(std::string path, std::function<void(const Message &)> report)
    : path_(std::move(path)), report_(std::move(report))
{
    if (!report_)
        report_ = Report;
}

UsageStore::~UsageStore()
{
    {
        std::lock_guard lock(queueMutex_);
        stopping_ = true;
    }
    queueChanged_.notify_all();
    if (writer_.joinable())
        writer_.join();
    CloseWriter();
    CloseReader();
}

std::string XdgFile(const char *variable, std::string_view underHome, std::string_view file)
{
    std::string base;
    if (const char *set = std::getenv(variable); set && set[0] == '/') {
        base = set;
    } else {
        const char *home = std::getenv("HOME");
        base = std::string(home ? home : "").append(underHome);
    }
    return base.append("/benchlist/").append(file);
}

std::string UsageStore::DefaultPath()
{
    return XdgFile("XDG_STATE_HOME", "/.local/state", "usage.sqlite");
}

void UsageStore::SetRemembering(bool on)
{
    std::lock_guard lock(queueMutex_);
    remembering_ = on;
}

bool UsageStore::Remembering() const
{
    std::lock_guard lock(queueMutex_);
    return remembering_;
}

void UsageStore::SetWriteCheck(std::function<bool()> check)
{
    std::lock_guard lock(queueMutex_);
    writeCheck_ = std::move(check);
}

void UsageStore::Say(const Message &line)
{
    report_(line);
}

// Once per store, on its first opening, by either connection.
void UsageStore::KeepPrivate()
{
    std::call_once(keptPrivate_, [this] {
        if (NarrowToOwner(path_))
            Say({said::kPagesMadePrivate, {std::filesystem::path(path_).parent_path().string()}});
    });
}
// --- Reading ----------------------------------------------------------------

void UsageStore::CloseReader()
{
    sqlite3_finalize(versionStatement_);
    versionStatement_ = nullptr;
    if (readDb_)
        sqlite3_close_v2(readDb_);
    readDb_ = nullptr;
    dataVersion_ = -1;
}

bool UsageStore::OpenReader()
{
    KeepPrivate();
    // Read-only: a search never writes, and with remembering off the file is
    // not opened for writing at all.
    if (sqlite3_open_v2(path_.c_str(), &readDb_, SQLITE_OPEN_READONLY, nullptr) != SQLITE_OK) {
        CloseReader();
        return false;
    }
    sqlite3_busy_timeout(readDb_, kBusyMilliseconds);
    return true;
}

std::uint32_t UsageStore::PageIndex(std::string page, std::string address)
{
    const auto [at, added] =
        pageIndex_.try_emplace(page, static_cast<std::uint32_t>(pages_.size()));
    if (added)
        pages_.emplace_back(std::move(page), std::move(address));
    else
        pages_[at->second].second = std::move(address);
    return at->second;
}

std::int32_t UsageStore::QueryIndex(std::string query)
{
    if (query.empty())
        return -1;
    const auto [at, added] =
        queryIndex_.try_emplace(query, static_cast<std::int32_t>(queries_.size()));
    if (added)
        queries_.push_back(std::move(query));
    return at->second;
}

bool UsageStore::Refresh()
{
    std::uint64_t id = FileId(path_);
    if (readDb_ && id != readId_) // moved aside, deleted or replaced
        CloseReader();
    if (id == 0) {
        if (!uses_.empty() || summary_) {
            uses_.clear();
            cachedMax_ = 0;
            summary_.reset();
        }
        return true;
    }
    if (!readDb_) {
        if (!OpenReader())
            return false;
        readId_ = id;
        cachedMax_ = 0; // a new file: read all of it
        uses_.clear();
    }
    // Asked on every search: prepared once, reset at once so that it holds
    // no read lock between searches.
    int code = versionStatement_ ? SQLITE_OK
                                 : sqlite3_prepare_v2(readDb_, "PRAGMA data_version", -1,
                                                      &versionStatement_, nullptr);
    if (code == SQLITE_OK)
        code = sqlite3_step(versionStatement_);
    const std::int64_t version = sqlite3_column_int64(versionStatement_, 0);
    sqlite3_reset(versionStatement_);
    if (code != SQLITE_ROW) {
        CloseReader();
        if (MoveAsideIfDamaged(code))
            return Refresh();
        return false;
    }
    if (version == dataVersion_ && summary_)
        return true;
    if (!Reload()) {
        code = sqlite3_extended_errcode(readDb_);
        CloseReader();
        if (Damaged(code) && MoveAsideIfDamaged(code))
            return Refresh();
        return false;
    }
    dataVersion_ = version;
    Summarise();
    return true;
}

bool UsageStore::Reload()
{
    int code = Exec(readDb_, "BEGIN");
    if (code != SQLITE_OK)
        return false;
    {
        Statement bounds(readDb_, "SELECT (SELECT min(id) FROM uses), (SELECT max(id) FROM uses)");
        if (!bounds.Ok()) {
            Exec(readDb_, "ROLLBACK");
            // No tables yet: the writer has only just created the file.
            return !Damaged(sqlite3_extended_errcode(readDb_));
        }
        if (bounds.Step() != SQLITE_ROW) {
            Exec(readDb_, "ROLLBACK");
            return false;
        }
        const std::int64_t first = bounds.Null(0) ? 0 : bounds.Int(0);
        const std::int64_t last = bounds.Null(1) ? 0 : bounds.Int(1);
        if (last < cachedMax_ || first == 0) {
            // Cleared (ids never come back), or nothing kept.
            uses_.clear();
            cachedMax_ = 0;
        }
        // Pruned by some writer: the oldest went.
        uses_.erase(uses_.begin(), std::find_if(uses_.begin(), uses_.end(), [&](const Cached &use) {
                        return use.id >= first;
                    }));
        if (uses_.empty()) {
            pages_.clear();
            pageIndex_.clear();
            queries_.clear();
            queryIndex_.clear();
        }
        Statement rows(readDb_,
                       "SELECT u.id, u.page, u.address, u.time, q.text FROM uses u "
                       "LEFT JOIN queries q ON q.id = u.query WHERE u.id > ? ORDER BY u.id");
        if (!rows.Ok()) {
            Exec(readDb_, "ROLLBACK");
            return false;
        }
        rows.Bind(1, cachedMax_);
        while ((code = rows.Step()) == SQLITE_ROW) {
            Cached use{};
            use.id = rows.Int(0);
            use.page = PageIndex(rows.Text(1), rows.Text(2));
            use.time = rows.Int(3);
            use.query = rows.Null(4) ? -1 : QueryIndex(rows.Text(4));
            uses_.push_back(use);
            cachedMax_ = use.id;
        }
        if (code != SQLITE_DONE) {
            Exec(readDb_, "ROLLBACK");
            return false;
        }
    }
    Exec(readDb_, "COMMIT");
    return true;
}

void UsageStore::Summarise()
{
    auto summary = std::make_shared<UsageSummary>();
    const std::int64_t now = Now();
    std::vector<std::int32_t> seen(pages_.size(), -1);
    std::map<std::int32_t, std::map<std::uint32_t, double>> byQuery;
    for (const Cached &use : uses_) {
        // A use stamped after now (the clock was set back) counts as a fresh one.
        const double days =
            static_cast<double>(std::max<std::int64_t>(0, now - use.time)) / 86'400.0;
        const double weight = std::exp2(-days / kUseHalfLifeDays);
        std::int32_t &index = seen[use.page];
        if (index < 0) {
            index = static_cast<std::int32_t>(summary->weight.size());
            summary->pageIndex.emplace(pages_[use.page].first, static_cast<std::uint32_t>(index));
            summary->weight.push_back(0);
        }
        summary->weight[static_cast<std::size_t>(index)] += weight;
        if (use.query >= 0)
            byQuery[use.query][static_cast<std::uint32_t>(index)] += weight;
    }
    for (auto &[query, pages] : byQuery)
        summary->queries.emplace_back(
            queries_[static_cast<std::size_t>(query)],
            std::vector<std::pair<std::uint32_t, double>>(pages.begin(), pages.end()));
    summary_ = std::move(summary);
}

QueryUsage UsageStore::Usage(std::string_view query)
{
    std::lock_guard lock(readMutex_);
    Refresh();
    QueryUsage usage;
    usage.summary_ = summary_;
    const std::string key = UsageQueryKey(query);
    if (!summary_ || key.empty())
        return usage;
    // The shopper may still be typing: "ink c" is the start of "ink cartridge",
    // and what was chosen from that counts for this.
    for (const auto &[kept, pages] : summary_->queries)
        if (kept.compare(0, key.size(), key) == 0)
            usage.chosen_.insert(usage.chosen_.end(), pages.begin(), pages.end());
    std::sort(usage.chosen_.begin(), usage.chosen_.end());
    // One entry per page, its weights summed.
    auto out = usage.chosen_.begin();
    for (auto in = usage.chosen_.begin(); in != usage.chosen_.end(); ++in) {
        if (out != usage.chosen_.begin() && (out - 1)->first == in->first)
            (out - 1)->second += in->second;
        else
            *out++ = *in;
    }
    usage.chosen_.erase(out, usage.chosen_.end());
    return usage;
}

std::vector<RecentPage> UsageStore::Recent(std::size_t count)
{
    std::lock_guard lock(readMutex_);
    Refresh();
    std::vector<RecentPage> recent;
    std::vector<bool> listed(pages_.size(), false);
    // By id, not by time: a clock set back does not reorder what came after.
    for (auto use = uses_.rbegin(); use != uses_.rend() && recent.size() < count; ++use) {
        if (listed[use->page])
            continue;
        listed[use->page] = true;
        recent.push_back({pages_[use->page].first, pages_[use->page].second});
    }
    return recent;
}

} // namespace benchlist
