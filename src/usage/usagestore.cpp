// SPDX-FileCopyrightText: 2026 Veldmark
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "usage/usagestore.h"

#include "find/fold.h"
#include "find/resultids.h"

#include <sqlite3.h>

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <map>
#include <system_error>
#include <utility>

#include <sys/stat.h>

namespace benchlist {

namespace {

// The layout of the file; a newer program may add to it, an older one then
// leaves the file alone.
constexpr int kSchemaVersion = 1;

// Another copy of the program or the search service may hold the write lock
// for a moment; far longer than that means something is wrong with the file.
constexpr int kBusyMilliseconds = 10'000;

constexpr const char *kSchema = R"sql(
CREATE TABLE IF NOT EXISTS queries(
    id INTEGER PRIMARY KEY AUTOINCREMENT,
    text TEXT NOT NULL UNIQUE,
    last INTEGER NOT NULL);
CREATE INDEX IF NOT EXISTS queries_last ON queries(last);
CREATE TABLE IF NOT EXISTS uses(
    id INTEGER PRIMARY KEY AUTOINCREMENT,
    page TEXT NOT NULL,
    address TEXT NOT NULL,
    time INTEGER NOT NULL,
    query INTEGER);
PRAGMA user_version = 1;
)sql";

std::int64_t Now()
{
    return std::chrono::duration_cast<std::chrono::seconds>(
               std::chrono::system_clock::now().time_since_epoch())
        .count();
}

// One prepared statement, finalised when it goes.
class Statement {
public:
    Statement(sqlite3 *db, const char *sql)
    {
        code_ = sqlite3_prepare_v2(db, sql, -1, &st_, nullptr);
    }
    ~Statement() { sqlite3_finalize(st_); }
    Statement(const Statement &) = delete;
    Statement &operator=(const Statement &) = delete;
    bool Ok() const { return code_ == SQLITE_OK; }
    int Code() const { return code_; }
    void Bind(int i, std::int64_t v) { sqlite3_bind_int64(st_, i, v); }
    void Bind(int i, const std::string &v)
    {
        sqlite3_bind_text(st_, i, v.data(), static_cast<int>(v.size()), SQLITE_STATIC);
    }
    // SQLITE_ROW, SQLITE_DONE or an error.
    int Step()
    {
        code_ = sqlite3_step(st_);
        return code_;
    }
    void Reset()
    {
        sqlite3_reset(st_);
        sqlite3_clear_bindings(st_);
    }
    std::int64_t Int(int i) const { return sqlite3_column_int64(st_, i); }
    bool Null(int i) const { return sqlite3_column_type(st_, i) == SQLITE_NULL; }
    std::string Text(int i) const
    {
        const auto *text = reinterpret_cast<const char *>(sqlite3_column_text(st_, i));
        return text ? std::string(text, static_cast<std::size_t>(sqlite3_column_bytes(st_, i)))
                    : std::string();
    }

private:
    sqlite3_stmt *st_ = nullptr;
    int code_ = SQLITE_OK;
};

int Exec(sqlite3 *db, const char *sql)
{
    return sqlite3_exec(db, sql, nullptr, nullptr, nullptr);
}

bool Damaged(int code)
{
    code &= 0xff;
    return code == SQLITE_NOTADB || code == SQLITE_CORRUPT;
}

// The file's identity, to notice it was replaced or moved away; 0 when absent.
std::uint64_t FileId(const std::string &path)
{
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0)
        return 0;
    return (static_cast<std::uint64_t>(st.st_dev) << 40) ^ static_cast<std::uint64_t>(st.st_ino);
}

} // namespace

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

PageScore QueryUsage::Score(std::string_view page) const
{
    if (!summary_)
        return {};
    const auto found = summary_->pageIndex.find(page);
    return found == summary_->pageIndex.end() ? PageScore{} : Score(found->second);
}

PageScore QueryUsage::Score(std::uint32_t page) const
{
    PageScore score;
    score.weight = summary_->weight[page];
    const auto chosen = std::lower_bound(chosen_.begin(), chosen_.end(),
                                         std::pair<std::uint32_t, double>(page, 0.0));
    if (chosen != chosen_.end() && chosen->first == page)
        score.chosen = chosen->second;
    return score;
}

FindUsage FindUsageOf(QueryUsage usage)
{
    if (usage.Empty())
        return {};
    // The records of the catalogue's index are scored by their place in it.
    const std::span<const FindRecord> records = CatalogueIndex::Catalogue().Records();
    const std::vector<std::int32_t> &pages = usage.summary_->PageOfRecord();
    return [usage = std::make_shared<const QueryUsage>(std::move(usage)), records,
            &pages](const FindRecord &record) {
        PageScore score;
        if (&record >= records.data() && &record < records.data() + records.size()) {
            if (const std::int32_t page = pages[std::size_t(&record - records.data())]; page >= 0)
                score = usage->Score(std::uint32_t(page));
        } else {
            score = usage->Score(SearchResultId(record)); // a record of another index
        }
        return FindUse{score.chosen, score.weight};
    };
}

UsageStore::UsageStore(std::string path, std::function<void(const std::string &)> report)
    : path_(std::move(path)), report_(std::move(report))
{
    if (!report_)
        report_ = [](const std::string &line) { std::fprintf(stderr, "%s\n", line.c_str()); };
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

void UsageStore::Say(const std::string &line)
{
    report_(line);
}

// --- Recording, on the writer thread ----------------------------------------

void UsageStore::Record(PageUse use)
{
    if (use.page.empty())
        return;
    if (use.time == 0)
        use.time = Now();
    use.query = UsageQueryKey(use.query);
    {
        std::lock_guard lock(queueMutex_);
        if (!remembering_)
            return;
        queue_.push_back(std::move(use));
        ++queued_;
        if (!writer_.joinable())
            writer_ = std::thread([this] { WriterLoop(); });
    }
    queueChanged_.notify_one();
}

void UsageStore::Flush()
{
    std::unique_lock lock(queueMutex_);
    if (!writer_.joinable())
        return;
    const std::uint64_t target = queued_;
    queueDone_.wait(lock, [&] { return written_ >= target && jobs_.empty(); });
}

void UsageStore::WriterLoop()
{
    std::unique_lock lock(queueMutex_);
    for (;;) {
        queueChanged_.wait(lock, [&] { return stopping_ || !queue_.empty() || !jobs_.empty(); });
        if (!jobs_.empty()) {
            auto job = std::move(jobs_.front());
            lock.unlock();
            job();
            lock.lock();
            jobs_.pop_front();
            queueDone_.notify_all();
            continue;
        }
        if (queue_.empty()) {
            if (stopping_)
                return;
            continue;
        }
        // Everything queued goes in one transaction: a burst of uses costs one
        // commit, and a kill loses at most the uses not yet committed.
        std::vector<PageUse> batch(std::make_move_iterator(queue_.begin()),
                                   std::make_move_iterator(queue_.end()));
        queue_.clear();
        const std::function<bool()> check = writeCheck_;
        lock.unlock();
        if (!check || check())
            WriteBatch(batch);
        lock.lock();
        written_ += batch.size();
        queueDone_.notify_all();
    }
}

void UsageStore::WriterFailed(const std::string &what, int code)
{
    CloseWriter();
    if (failedOnce_)
        return;
    failedOnce_ = true;
    const std::string reason = code != SQLITE_OK ? sqlite3_errstr(code) : std::strerror(errno);
    Say("benchlist: opened pages are not remembered: " + what + ": " + reason);
}

void UsageStore::CloseWriter()
{
    if (writeDb_)
        sqlite3_close_v2(writeDb_);
    writeDb_ = nullptr;
}

// Sets the writer's new connection up, and gives a new file its tables: an
// SQLite code, and the file's schema version in `version`.
int UsageStore::PrepareWriter(int &version)
{
    sqlite3_busy_timeout(writeDb_, kBusyMilliseconds);
    // Going over to the write-ahead log needs the file to itself for a
    // moment; the busy handler does not cover that, so try again.
    int code = SQLITE_OK;
    for (int tries = 0; tries < 100; ++tries) {
        code = Exec(writeDb_, "PRAGMA journal_mode=WAL");
        if ((code & 0xff) != SQLITE_BUSY && (code & 0xff) != SQLITE_LOCKED)
            break;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    if (code == SQLITE_OK)
        code = Exec(writeDb_, "PRAGMA synchronous=NORMAL; PRAGMA secure_delete=ON");
    if (code == SQLITE_OK) {
        Statement st(writeDb_, "PRAGMA user_version");
        code = st.Ok() ? st.Step() : st.Code();
        if (code == SQLITE_ROW) {
            version = static_cast<int>(st.Int(0));
            code = SQLITE_OK;
        }
    }
    if (code == SQLITE_OK && version == 0) {
        code = Exec(writeDb_, "BEGIN IMMEDIATE");
        if (code == SQLITE_OK)
            code = Exec(writeDb_, kSchema);
        if (code == SQLITE_OK)
            code = Exec(writeDb_, "COMMIT");
        else
            Exec(writeDb_, "ROLLBACK");
    }
    return code;
}

bool UsageStore::OpenWriter()
{
    std::error_code error;
    const std::filesystem::path folder = std::filesystem::path(path_).parent_path();
    std::filesystem::create_directories(folder, error);
    if (error) {
        CloseWriter();
        if (!failedOnce_) {
            failedOnce_ = true;
            Say("benchlist: opened pages are not remembered: cannot create " + folder.string()
                + ": " + error.message());
        }
        return false;
    }
    for (int attempt = 0; attempt < 2; ++attempt) {
        int code = sqlite3_open_v2(path_.c_str(), &writeDb_,
                                   SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
        int version = 0;
        if (code == SQLITE_OK)
            code = PrepareWriter(version);
        if (code == SQLITE_OK && version > kSchemaVersion) {
            CloseWriter();
            if (!failedOnce_) {
                failedOnce_ = true;
                Say("benchlist: opened pages are not remembered: " + path_
                    + " was written by a newer Benchlist");
            }
            return false;
        }
        if (code == SQLITE_OK) {
            writeId_ = FileId(path_);
            return true;
        }
        if (MovedAsideAfter(attempt, code))
            continue;
        return false;
    }
    return false;
}

// After a failure on the first attempt at a damaged store: true once the
// store is moved aside, so that the attempt is made again on a fresh one.
// Any other failure is said, once.
bool UsageStore::MovedAsideAfter(int attempt, int code)
{
    if (attempt == 0 && Damaged(code)) {
        CloseWriter();
        if (MoveAsideIfDamaged(code))
            return true;
    }
    WriterFailed(path_, code);
    return false;
}

bool UsageStore::WriteBatch(const std::vector<PageUse> &batch)
{
    // A store moved aside or deleted by another process: start on the new one.
    if (writeDb_ && FileId(path_) != writeId_)
        CloseWriter();
    for (int attempt = 0; attempt < 2; ++attempt) {
        if (!writeDb_ && !OpenWriter())
            return false;
        int code = Exec(writeDb_, "BEGIN IMMEDIATE");
        {
            Statement insert(writeDb_, "INSERT INTO uses(page, address, time) VALUES(?, ?, ?)");
            Statement query(writeDb_,
                            "INSERT INTO queries(text, last) VALUES(?, ?) "
                            "ON CONFLICT(text) DO UPDATE SET last = excluded.last RETURNING id");
            Statement link(writeDb_, "UPDATE uses SET query = ? WHERE id = ?");
            if (code == SQLITE_OK && !(insert.Ok() && query.Ok() && link.Ok()))
                code = !insert.Ok() ? insert.Code() : !query.Ok() ? query.Code() : link.Code();
            for (const PageUse &use : batch) {
                if (code != SQLITE_OK)
                    break;
                insert.Bind(1, use.page);
                insert.Bind(2, use.address);
                insert.Bind(3, use.time);
                code = insert.Step() == SQLITE_DONE ? SQLITE_OK : insert.Code();
                insert.Reset();
                if (code != SQLITE_OK || use.query.empty())
                    continue;
                const std::int64_t id = sqlite3_last_insert_rowid(writeDb_);
                query.Bind(1, use.query);
                query.Bind(2, id);
                code = query.Step() == SQLITE_ROW ? SQLITE_OK : query.Code();
                const std::int64_t queryId = query.Int(0);
                query.Reset();
                if (code != SQLITE_OK)
                    continue;
                link.Bind(1, queryId);
                link.Bind(2, id);
                code = link.Step() == SQLITE_DONE ? SQLITE_OK : link.Code();
                link.Reset();
            }
        }
        if (code == SQLITE_OK) {
            Prune();
            code = Exec(writeDb_, "COMMIT");
        }
        if (code == SQLITE_OK) {
            return true;
        }
        Exec(writeDb_, "ROLLBACK");
        if (MovedAsideAfter(attempt, code))
            continue;
        return false;
    }
    return false;
}

void UsageStore::Prune()
{
    // Ids only grow and the oldest go first, so the newest kMaxKeptUses are
    // the ids within that distance of the last.
    Statement uses(writeDb_, "DELETE FROM uses WHERE id <= (SELECT max(id) FROM uses) - ?");
    uses.Bind(1, kMaxKeptUses);
    uses.Step();
    // A query's `last` is the id of its last use: below the oldest use kept,
    // no use names it any more.
    Exec(writeDb_, "DELETE FROM queries WHERE last < (SELECT min(id) FROM uses)");
    Statement count(writeDb_, "SELECT count(*) FROM queries");
    if (count.Step() == SQLITE_ROW && count.Int(0) > kMaxKeptQueries) {
        Statement queries(writeDb_, "DELETE FROM queries WHERE id IN (SELECT id FROM queries "
                                    "ORDER BY last DESC LIMIT -1 OFFSET ?)");
        queries.Bind(1, kMaxKeptQueries);
        queries.Step();
        // Uses whose query went stay as uses from no query.
        Exec(writeDb_, "UPDATE uses SET query = NULL "
                       "WHERE query IS NOT NULL AND query NOT IN (SELECT id FROM queries)");
    }
}

void UsageStore::Clear()
{
    {
        std::lock_guard lock(queueMutex_);
        // The uses dropped count as done. Uses the writer has taken off the
        // queue are not among them: it counts them itself once through.
        written_ += queue_.size();
        queue_.clear();
        jobs_.push_back([this] { ClearNow(); });
        if (!writer_.joinable())
            writer_ = std::thread([this] { WriterLoop(); });
    }
    queueChanged_.notify_one();
    {
        std::unique_lock lock(queueMutex_);
        queueDone_.wait(lock, [&] { return jobs_.empty(); });
    }
    std::lock_guard lock(readMutex_);
    CloseReader();
    uses_.clear();
    pages_.clear();
    pageIndex_.clear();
    queries_.clear();
    queryIndex_.clear();
    cachedMax_ = 0;
    summary_.reset();
}

void UsageStore::ClearNow()
{
    if (FileId(path_) == 0) {
        CloseWriter();
        return; // nothing was ever kept
    }
    if (!writeDb_ && !OpenWriter())
        return;
    int code = Exec(writeDb_, "BEGIN IMMEDIATE; DELETE FROM uses; DELETE FROM queries; COMMIT");
    if (code != SQLITE_OK)
        Exec(writeDb_, "ROLLBACK");
    // Rebuilt, the file holds no page of what was deleted, and neither does
    // the log once it is emptied into the file and cut to nothing.
    if (code == SQLITE_OK)
        code = Exec(writeDb_, "VACUUM");
    if (code == SQLITE_OK)
        code = Exec(writeDb_, "PRAGMA wal_checkpoint(TRUNCATE)");
    if (code != SQLITE_OK)
        Say("benchlist: could not clear " + path_ + ": " + sqlite3_errmsg(writeDb_));
    CloseWriter();
}

// --- Damage -----------------------------------------------------------------

bool UsageStore::MoveAsideIfDamaged(int code)
{
    if (!Damaged(code) || !Remembering())
        return false;
    std::lock_guard lock(damageMutex_);
    char stamp[32];
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    std::strftime(stamp, sizeof stamp, "%Y-%m-%dT%H%M%S", &local);
    const std::string aside = path_ + ".corrupt-" + stamp;
    if (FileId(path_) == 0)
        return true; // another connection or process moved it already
    if (std::rename(path_.c_str(), aside.c_str()) != 0)
        return false;
    std::rename((path_ + "-wal").c_str(), (aside + "-wal").c_str());
    std::remove((path_ + "-shm").c_str());
    Say("benchlist: " + path_ + " was damaged; it is kept as " + aside
        + " and a new store is started");
    return true;
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
