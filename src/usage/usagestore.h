// SPDX-FileCopyrightText: 2026 Veldmark
//
// SPDX-License-Identifier: GPL-3.0-or-later

// What this shopper opened, kept between runs so that pages chosen before come
// first and the recent ones can be reopened. One SQLite file under the state
// directory, shared by every copy of the program and the search service.
// Plain C++ over the SQLite C API; no display needed.
//
// Recording never waits on the disk: uses go to a queue that a thread of the
// store's own writes, in its own connection. Searches read a summary kept in
// memory, brought up to date from the file when another connection (this
// store's writer, another copy of the program, the search service) changed it.
#pragma once

#include <chrono>
#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <string_view>
#include <thread>
#include <unordered_map>
#include <vector>

#include "base/message.h"
#include "find/catalogueindex.h"

struct sqlite3;
struct sqlite3_stmt;

namespace benchlist {

// Bounds the file keeps itself to; the oldest go first.
inline constexpr std::int64_t kMaxKeptUses = 10'000;
inline constexpr std::int64_t kMaxKeptQueries = 1'000;
// A use counts half as much after this many days, a quarter after twice as many.
inline constexpr double kUseHalfLifeDays = 30;

// One page opened.
struct PageUse {
    std::string page;      // the result id: "frmMonitors/cbFlat/17-inch LCD"
    std::string address;   // the page it opened
    std::string query;     // what the shopper had typed to find it; empty: chosen from a list
    std::int64_t time = 0; // seconds since 1970; 0: now
};

// A page of the recent list.
struct RecentPage {
    std::string page;
    std::string address;
};

// What every use kept says, summed up once each time the file changed.
struct UsageSummary {
    struct Hash {
        using is_transparent = void;
        std::size_t operator()(std::string_view text) const
        {
            return std::hash<std::string_view>{}(text);
        }
    };
    std::unordered_map<std::string, std::uint32_t, Hash, std::equal_to<>> pageIndex;
    std::vector<double> weight; // per page, decayed
    // Per query kept (its key), the pages opened from it with their decayed weight.
    std::vector<std::pair<std::string, std::vector<std::pair<std::uint32_t, double>>>> queries;

    // Per record of the catalogue's index, its page here or -1: a result is
    // scored without building its id. Made on the first search that needs it.
    const std::vector<std::int32_t> &PageOfRecord() const;

private:
    mutable std::once_flag recordsMapped_;
    mutable std::vector<std::int32_t> pageOfRecord_;
};

// The summary for one query: cheap to ask once per result.
class QueryUsage {
public:
    bool Empty() const { return !summary_ || summary_->weight.empty(); }
    UsageScore Score(std::string_view page) const;
    // The same for a page by its place in the summary.
    UsageScore Score(std::uint32_t page) const;

private:
    friend class UsageStore;
    friend UsageScorer UsageScorerOf(QueryUsage usage);
    std::shared_ptr<const UsageSummary> summary_;
    std::vector<std::pair<std::uint32_t, double>> chosen_; // sorted by page
};

// What Find takes of it: each record's score under its result id. Empty when
// nothing is kept, so that Find does without.
UsageScorer UsageScorerOf(QueryUsage usage);

// The form in which queries are kept and compared: folded as find folds words
// (find/fold.h), ASCII blanks between words made one, so that "Ink  Cart" and
// "ink cart" are one, and so are "Écran" and "ecran". Punctuation and other
// separators stay as they stand: a no-break space keeps "ink cart" apart.
std::string UsageQueryKey(std::string_view query);

// The file `file` in the program's folder under the XDG base directory that
// `variable` names, or under HOME + `underHome` where it is unset or relative.
std::string XdgFile(const char *variable, std::string_view underHome, std::string_view file);

class UsageStore {
public:
    // `path`: the store's file; it and its folder are created on the first use
    // recorded, never before. Messages (one line each) go to `report`, by
    // default the program's reporter (base/message.h).
    explicit UsageStore(std::string path, std::function<void(const Message &)> report = {});
    // Writes whatever is still queued.
    ~UsageStore();
    UsageStore(const UsageStore &) = delete;
    UsageStore &operator=(const UsageStore &) = delete;

    // $XDG_STATE_HOME/benchlist/usage.sqlite, or ~/.local/state/benchlist/
    // when XDG_STATE_HOME is unset or not an absolute path.
    static std::string DefaultPath();

    // Off: nothing is recorded and the file is never opened for writing;
    // what was kept still ranks and is still listed.
    void SetRemembering(bool on);
    bool Remembering() const;
    // Asked on the writer thread before each write, so that a switch kept
    // elsewhere (another process may turn it off) is read off the GUI thread;
    // false: the uses are dropped and the file is not opened.
    void SetWriteCheck(std::function<bool()> check);

    // Queues the use and returns at once.
    void Record(PageUse use);
    // Returns when every use queued so far has been written (or given up).
    void Flush();

    // The uses for a query (as typed; any case and spacing), with whatever
    // any connection has written up to now.
    QueryUsage Usage(std::string_view query);
    // The last `count` pages opened, each once, newest first.
    std::vector<RecentPage> Recent(std::size_t count = 10);
    // Deletes every use and query and rebuilds the file so that nothing of
    // them is left in it. Waits for the disk.
    void Clear();

private:
    struct Cached {
        std::int64_t id;
        std::int64_t time;
        std::uint32_t page; // into pages_
        std::int32_t query; // into queries_, -1 for none
    };

    // Writer thread.
    void WriterLoop();
    bool OpenWriter();
    int PrepareWriter(int &version);
    bool WriteBatch(const std::vector<PageUse> &batch);
    void Prune();
    void CloseWriter();
    void WriterFailed(const std::string &what, int code);
    void ClearNow();

    // Reading, in the caller's thread, under readMutex_.
    bool Refresh();
    bool OpenReader();
    void CloseReader();
    bool Reload();
    void Summarise();
    std::uint32_t PageIndex(std::string page, std::string address);
    std::int32_t QueryIndex(std::string query);

    // Both.
    // Another copy of the program or the search service may hold the write lock
    // for a moment; far longer than that means something is wrong with the file.
    static constexpr int kBusyMilliseconds = 10'000;
    static std::int64_t Now(); // seconds since 1970
    // The file's identity, to notice it was replaced or moved away; 0 when absent.
    static std::uint64_t FileId(const std::string &path);
    bool MoveAsideIfDamaged(int code);
    bool MovedAsideAfter(int attempt, int code);
    void KeepPrivate();
    void Say(const Message &line);

    const std::string path_;
    std::function<void(const Message &)> report_;

    mutable std::mutex queueMutex_;
    std::condition_variable queueChanged_;
    std::condition_variable queueDone_;
    std::deque<PageUse> queue_;
    std::deque<std::function<void()>> jobs_; // run by the writer (Clear)
    std::uint64_t queued_ = 0, written_ = 0;
    bool remembering_ = true;
    bool stopping_ = false;
    std::thread writer_;
    std::function<bool()> writeCheck_; // set before the first Record

    // The writer's connection and state (writer thread only).
    sqlite3 *writeDb_ = nullptr;
    std::uint64_t writeId_ = 0;
    bool failedOnce_ = false;

    // Reading.
    std::mutex readMutex_;
    std::mutex damageMutex_;
    std::once_flag keptPrivate_;
    sqlite3 *readDb_ = nullptr;
    std::uint64_t readId_ = 0;
    sqlite3_stmt *versionStatement_ = nullptr;
    std::int64_t dataVersion_ = -1;
    std::int64_t cachedMax_ = 0;
    std::vector<Cached> uses_;                               // by id, oldest first
    std::vector<std::pair<std::string, std::string>> pages_; // page id, address
    std::unordered_map<std::string, std::uint32_t> pageIndex_;
    std::vector<std::string> queries_; // keys (UsageQueryKey)
    std::unordered_map<std::string, std::int32_t> queryIndex_;
    std::shared_ptr<const UsageSummary> summary_;
};

} // namespace benchlist
