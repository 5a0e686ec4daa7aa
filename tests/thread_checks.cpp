// SPDX-FileCopyrightText: 2026 Veldmark
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The parts that own threads, driven from several threads at once without Qt,
// so that ThreadSanitizer can watch them as well as the fast lane: the store's
// writer while pages are recorded from two threads and the store is cleared a
// thousand times, and the opener asked from two threads at once.
//   thread_checks STATE_FOLDER     exits 0 when nothing recorded or opened was lost
#include "core/aboutnet.h"
#include "usage/usagestore.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <thread>
#include <vector>

using namespace benchlist;

namespace {

int failures = 0;

void Check(bool good, const std::string &what)
{
    if (!good) {
        std::fprintf(stderr, "thread_checks: %s\n", what.c_str());
        ++failures;
    }
}

PageUse Use(const std::string &page)
{
    return {page, "http://www.veldmark.example/" + page, "query", 0};
}

// Every clear drops what was recorded before it, never what comes after it:
// uses recorded once the clearing is over are all kept, and Flush waits for
// them, also after a clear that came while the writer held uses of its own.
void ClearWhileRecording(const std::string &folder)
{
    constexpr int kClears = 1000;
    constexpr int kAfter = 50;
    std::remove((folder + "/usage.sqlite").c_str());
    UsageStore store(folder + "/usage.sqlite");
    // The writer may be made to hold on to the uses it took, a while each time.
    std::atomic<int> holds{0}, held{0};
    store.SetWriteCheck([&] {
        if (holds > 0) {
            --holds;
            ++held;
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
        }
        return true;
    });
    std::atomic<bool> clearing{true};
    const auto record = [&](const std::string &name) {
        for (int i = 0; clearing; ++i) {
            store.Record(Use(name + std::to_string(i)));
            std::this_thread::sleep_for(std::chrono::microseconds(500));
        }
    };
    std::thread one(record, "one/"), two(record, "two/");
    for (int i = 0; i < kClears; ++i)
        store.Clear();
    clearing = false;
    one.join();
    two.join();
    // The last clear comes while the writer surely holds many uses: those
    // queued while it held on to the one before.
    holds = 2;
    store.Record(Use("held"));
    while (held < 1)
        std::this_thread::yield();
    for (int i = 0; i < 2 * kAfter; ++i)
        store.Record(Use("held/" + std::to_string(i)));
    while (held < 2)
        std::this_thread::yield();
    store.Clear();
    std::vector<std::string> expected;
    for (int i = 0; i < kAfter; ++i) {
        store.Record(Use("after/" + std::to_string(i)));
        expected.insert(expected.begin(), "after/" + std::to_string(i));
    }
    store.Flush();
    std::vector<std::string> recent;
    for (const RecentPage &page : store.Recent(kAfter + 1))
        recent.push_back(page.page);
    Check(recent == expected, "the uses recorded after clearing were not all written by Flush ("
                                  + std::to_string(recent.size()) + " of " + std::to_string(kAfter)
                                  + ")");
}

// Two threads hand addresses over at once; every address reaches the stand-in
// xdg-open once, and each caller hears that it was handed over.
void OpenFromTwoThreads(const std::string &folder)
{
    constexpr int kEach = 20;
    const std::string log = folder + "/opened.log";
    std::remove(log.c_str());
    setenv("BENCHLIST_OPEN_LOG", log.c_str(), 1);
    setenv("PATH", (std::string(BENCHLIST_TEST_SCRIPTS ":") + std::getenv("PATH")).c_str(), 1);
    std::atomic<int> notHandedOver{0};
    const auto open = [&](const std::string &name) {
        for (int i = 0; i < kEach; ++i)
            notHandedOver += OpenPage("http://h/" + name + std::to_string(i)) ? 0 : 1;
    };
    std::thread one(open, "one"), two(open, "two");
    one.join();
    two.join();
    Check(notHandedOver == 0, std::to_string(notHandedOver) + " addresses not handed over");
    const auto arrived = [&log] {
        std::ifstream file(log);
        return std::count(std::istreambuf_iterator<char>(file), {}, '\n');
    };
    for (int tries = 0; tries < 500 && arrived() < 2 * kEach; ++tries)
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    Check(arrived() == 2 * kEach, std::to_string(arrived()) + " addresses reached xdg-open");
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: thread_checks STATE_FOLDER\n");
        return 2;
    }
    std::filesystem::create_directories(argv[1]);
    ClearWhileRecording(argv[1]);
    OpenFromTwoThreads(argv[1]);
    return failures == 0 ? 0 : 1;
}
