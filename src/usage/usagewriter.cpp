// SPDX-FileCopyrightText: 2026 Veldmark
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The store's writer: the thread that takes uses off the queue and writes them
// in its own connection, prunes, clears, and moves a damaged file aside.
#include "usage/usagestore.h"

#include "usage/privatefiles.h"
#include "usage/statement.h"

#include <sqlite3.h>

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <system_error>
#include <thread>
#include <utility>

namespace benchlist {

namespace {

// The layout of the file; a newer program may add to it, an older one then
// leaves the file alone.
constexpr int kSchemaVersion = 1;

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

} // namespace

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
    Say({said::kPagesNotRemembered, {what, reason}});
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
    const std::filesystem::path folder = std::filesystem::path(path_).parent_path();
    const std::error_code error = MakePrivateFolder(folder.string());
    if (error) {
        CloseWriter();
        if (!failedOnce_) {
            failedOnce_ = true;
            Say({said::kPagesFolderNotMade, {folder.string(), error.message()}});
        }
        return false;
    }
    KeepPrivate();
    for (int attempt = 0; attempt < 2; ++attempt) {
        MakePrivateFile(path_);
        int code = sqlite3_open_v2(path_.c_str(), &writeDb_,
                                   SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
        int version = 0;
        if (code == SQLITE_OK)
            code = PrepareWriter(version);
        if (code == SQLITE_OK && version > kSchemaVersion) {
            CloseWriter();
            if (!failedOnce_) {
                failedOnce_ = true;
                Say({said::kPagesStoreTooNew, {path_}});
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
        Say({said::kPagesNotCleared, {path_, sqlite3_errmsg(writeDb_)}});
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
    Say({said::kPagesStoreDamaged, {path_, aside}});
    return true;
}

} // namespace benchlist
