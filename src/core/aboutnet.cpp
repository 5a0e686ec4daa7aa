// SPDX-FileCopyrightText: 2026 Veldmark
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/aboutnet.h"

#include "base/message.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <deque>
#include <mutex>
#include <set>
#include <string>
#include <string_view>
#include <system_error>
#include <thread>
#include <utility>
#include <vector>

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

extern char **environ;

namespace AboutNet {

namespace {

// The shell's answers: any value above 32 for success, 2 for "file not found".
constexpr int kOpened = 42;
constexpr int kFileNotFound = 2;

// How many openers may run at once; further addresses wait their turn in order.
constexpr int kMaxRunningOpeners = 8;

HandOff &CurrentHandOff()
{
    static HandOff handOff;
    return handOff;
}

// Each reason once, however often it stands in the way: a later failure of
// another kind (PATH set right, but the file made unexecutable) is said too.
void ReportOnce(const benchlist::Message &why)
{
    static std::mutex mutex;
    static std::set<std::string> said;
    const std::lock_guard lock(mutex);
    if (said.insert(benchlist::Filled(why.text, why.arguments)).second)
        benchlist::Report(why);
}

// The xdg-open that PATH leads to, or empty with the reason. Only folders
// named by their full path count: an empty PATH, or an empty or relative
// folder in it, would otherwise run whatever xdg-open the working folder holds.
std::string FindOpener(benchlist::Message &why)
{
    const char *path = std::getenv("PATH");
    std::string_view folders = path ? path : "";
    bool looked = false;
    std::string refused;
    while (!folders.empty()) {
        const std::size_t end = std::min(folders.find(':'), folders.size());
        const std::string_view folder = folders.substr(0, end);
        folders.remove_prefix(std::min(end + 1, folders.size()));
        if (folder.empty() || folder.front() != '/')
            continue;
        looked = true;
        const std::string candidate = std::string(folder) + "/xdg-open";
        struct stat status {};
        if (stat(candidate.c_str(), &status) != 0 || !S_ISREG(status.st_mode))
            continue;
        if (access(candidate.c_str(), X_OK) == 0)
            return candidate;
        refused = candidate;
    }
    namespace said = benchlist::said;
    why = !refused.empty() ? benchlist::Message{said::kOpenerNotExecutable, {refused}}
          : looked         ? benchlist::Message{said::kOpenerNotFound, {}}
                           : benchlist::Message{said::kOpenerNoFolder, {}};
    return {};
}

// How the opener starts: reading from and writing to /dev/null, so that it
// holds on to none of the program's pipes (it keeps standard error), in a
// session of its own, with no signal blocked and every signal at its default,
// whatever the program's threads block or ignore (an ignored SIGCHLD or
// SIGPIPE would pass on to the browser). 0, or the first call's error.
int SetUpStart(posix_spawn_file_actions_t &files, posix_spawnattr_t &attributes)
{
    sigset_t none;
    sigset_t all;
    sigemptyset(&none);
    sigfillset(&all);
    int error = posix_spawn_file_actions_addopen(&files, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
    if (error == 0)
        error = posix_spawn_file_actions_addopen(&files, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    if (error == 0)
        error = posix_spawnattr_setsigmask(&attributes, &none);
    if (error == 0)
        error = posix_spawnattr_setsigdefault(&attributes, &all);
    if (error == 0)
        error = posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSID | POSIX_SPAWN_SETSIGMASK
                                                          | POSIX_SPAWN_SETSIGDEF);
    return error;
}

// Starts xdg-open with the address as its one argument, with no shell in
// between. Returns its process id, or -1 when it could not be started, said once.
pid_t StartOpener(const std::string &address)
{
    benchlist::Message why;
    std::string program = FindOpener(why);
    if (program.empty()) {
        ReportOnce(why);
        return -1;
    }
    char *argv[] = {program.data(), const_cast<char *>(address.c_str()), nullptr};
    pid_t opener = -1;
    posix_spawn_file_actions_t files;
    posix_spawnattr_t attributes;
    int error = posix_spawn_file_actions_init(&files);
    if (error == 0) {
        error = posix_spawnattr_init(&attributes);
        if (error == 0) {
            error = SetUpStart(files, attributes);
            // Reports a program that cannot run at once; never waits for the browser.
            if (error == 0)
                error = posix_spawn(&opener, program.c_str(), &files, &attributes, argv, environ);
            posix_spawnattr_destroy(&attributes);
        }
        posix_spawn_file_actions_destroy(&files);
    }
    if (error != 0) {
        ReportOnce({benchlist::said::kOpenerFailed, {std::strerror(error)}});
        return -1;
    }
    return opener;
}

void WaitFor(pid_t opener)
{
    while (waitpid(opener, nullptr, 0) < 0 && errno == EINTR) {
    }
}

// Each address gets its opener in the caller's thread, which so learns whether
// it started, while fewer than eight run; the rest wait their turn in order.
// A thread waits for each opener, so that none is left a zombie and none
// holds up a window, and starts the next address waiting when its opener ends.
// At exit the addresses still waiting get their openers at once, and the
// program does not wait for any of them.
class Openers {
public:
    static Openers &Instance()
    {
        // Never destroyed: its threads may still be waiting at exit.
        static Openers *const openers = [] {
            auto *created = new Openers;
            std::atexit([] { Instance().StartAllWaiting(); });
            return created;
        }();
        return *openers;
    }

    bool Open(const std::string &address)
    {
        std::unique_lock lock(mutex_);
        ReapUnwatched();
        if (!ending_ && (running_ >= kMaxRunningOpeners || !waiting_.empty())) {
            // Openers run, so xdg-open was there; while it still is, this
            // address will be handed over in its turn.
            benchlist::Message why;
            if (FindOpener(why).empty()) {
                ReportOnce(why);
                return false;
            }
            waiting_.push_back(address);
            return true;
        }
        ++running_;
        lock.unlock();
        const pid_t opener = StartOpener(address);
        if (opener <= 0) {
            lock.lock();
            --running_;
            return false;
        }
        Watch(opener);
        return true;
    }

private:
    Openers() = default;

    void Watch(pid_t opener)
    {
        try {
            std::thread([this, opener] {
                for (pid_t next = opener; next > 0; next = NextInLine())
                    WaitFor(next);
            }).detach();
        } catch (const std::system_error &) {
            // No thread to spare: a later caller reaps this opener, which no
            // longer counts against the eight, so that no address waits for it.
            const std::lock_guard lock(mutex_);
            --running_;
            unwatched_.push_back(opener);
        }
    }

    // After an opener ended: starts the address waiting longest, if any, and
    // returns its opener's process id, or -1.
    pid_t NextInLine()
    {
        std::unique_lock lock(mutex_);
        --running_;
        while (!ending_ && !waiting_.empty()) {
            const std::string address = std::move(waiting_.front());
            waiting_.pop_front();
            ++running_;
            lock.unlock();
            const pid_t next = StartOpener(address);
            if (next > 0)
                return next;
            lock.lock();
            --running_;
        }
        return -1;
    }

    // Openers whose thread could not be made, reaped by a later caller once ended.
    void ReapUnwatched()
    {
        std::erase_if(unwatched_,
                      [](pid_t opener) { return waitpid(opener, nullptr, WNOHANG) != 0; });
    }

    void StartAllWaiting()
    {
        std::unique_lock lock(mutex_);
        ending_ = true;
        const std::deque<std::string> rest = std::exchange(waiting_, {});
        lock.unlock();
        for (const std::string &address : rest)
            StartOpener(address);
    }

    std::mutex mutex_;
    std::deque<std::string> waiting_;
    std::vector<pid_t> unwatched_;
    int running_ = 0;
    bool ending_ = false;
};

} // namespace

HandOff SetHandOff(HandOff handOff)
{
    return std::exchange(CurrentHandOff(), std::move(handOff));
}

bool HandOver(std::string_view address)
{
    const HandOff &handOff = CurrentHandOff();
    return handOff ? handOff(address) : Openers::Instance().Open(std::string(address));
}

int OpenUrl(std::string &address, int & /*showCommand*/)
{
    return HandOver(address) ? kOpened : kFileNotFound;
}

} // namespace AboutNet

namespace benchlist {

bool OpenPage(std::string_view address)
{
    std::string url(address);
    int showCommand = AboutNet::ShowNormal;
    return AboutNet::OpenUrl(url, showCommand) > 32;
}

} // namespace benchlist
