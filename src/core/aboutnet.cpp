#include "core/aboutnet.h"

#include <cerrno>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <deque>
#include <mutex>
#include <system_error>
#include <thread>
#include <utility>

#include <fcntl.h>
#include <spawn.h>
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

void ReportOnce(const char *what, int error)
{
    static std::once_flag reported;
    std::call_once(reported, [what, error] {
        std::fprintf(stderr, "benchlist: cannot %s: %s\n", what, std::strerror(error));
    });
}

// Starts xdg-open with the address as its one argument, with no shell in
// between, in a session of its own, reading from and writing to /dev/null so
// that it holds on to none of the program's pipes; it keeps standard error.
// Returns its process id, or -1 when it could not be started.
pid_t StartOpener(const std::string &address)
{
    posix_spawn_file_actions_t files;
    posix_spawnattr_t attributes;
    posix_spawn_file_actions_init(&files);
    posix_spawn_file_actions_addopen(&files, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&files, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawnattr_init(&attributes);
    posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSID);
    char program[] = "xdg-open";
    char *argv[] = {program, const_cast<char *>(address.c_str()), nullptr};
    pid_t opener = -1;
    const int error = posix_spawnp(&opener, program, &files, &attributes, argv, environ);
    posix_spawnattr_destroy(&attributes);
    posix_spawn_file_actions_destroy(&files);
    if (error != 0) {
        ReportOnce("start xdg-open", error);
        return -1;
    }
    return opener;
}

void WaitFor(pid_t opener)
{
    while (waitpid(opener, nullptr, 0) < 0 && errno == EINTR) {
    }
}

// One thread starts an opener for each address in the order given, while
// fewer than eight run, so that the window never waits for a process; each
// opener is waited for by a thread of its own, so that none is left a zombie.
// At exit the addresses still waiting get their openers at once, and the
// program does not wait for any of them.
class Starter {
public:
    static Starter &Instance()
    {
        // Never destroyed: its threads may still be waiting at exit.
        static Starter *const starter = [] {
            auto *created = new Starter;
            std::atexit([] { Instance().StartAllWaiting(); });
            return created;
        }();
        return *starter;
    }

    bool Take(std::string address)
    {
        std::unique_lock lock(mutex_);
        if (ending_) {
            lock.unlock();
            return StartOpener(address) > 0;
        }
        if (!threadStarted_) {
            try {
                std::thread(&Starter::Run, this).detach();
                threadStarted_ = true;
            } catch (const std::system_error &failure) {
                ReportOnce("start a thread for xdg-open", failure.code().value());
                return false;
            }
        }
        waiting_.push_back(std::move(address));
        changed_.notify_all();
        return true;
    }

private:
    Starter() = default;

    void Run()
    {
        std::unique_lock lock(mutex_);
        for (;;) {
            changed_.wait(lock, [this] {
                return ending_ || (!waiting_.empty() && running_ < kMaxRunningOpeners);
            });
            if (ending_)
                return;
            const std::string address = std::move(waiting_.front());
            waiting_.pop_front();
            starting_ = true;
            ++running_;
            lock.unlock();
            const pid_t opener = StartOpener(address);
            if (opener > 0)
                WatchOver(opener);
            lock.lock();
            starting_ = false;
            if (opener <= 0)
                --running_;
            changed_.notify_all();
        }
    }

    void WatchOver(pid_t opener)
    {
        const auto watch = [this, opener] {
            WaitFor(opener);
            const std::lock_guard lock(mutex_);
            --running_;
            changed_.notify_all();
        };
        try {
            std::thread(watch).detach();
        } catch (const std::system_error &) {
            watch(); // no thread to spare: the next start waits for this opener
        }
    }

    void StartAllWaiting()
    {
        std::unique_lock lock(mutex_);
        ending_ = true;
        changed_.notify_all();
        // The address being started goes first; a start is brief.
        changed_.wait(lock, [this] { return !starting_; });
        const std::deque<std::string> rest = std::exchange(waiting_, {});
        lock.unlock();
        for (const std::string &address : rest)
            StartOpener(address);
    }

    std::mutex mutex_;
    std::condition_variable changed_;
    std::deque<std::string> waiting_;
    int running_ = 0;
    bool starting_ = false;
    bool ending_ = false;
    bool threadStarted_ = false;
};

} // namespace

HandOff SetHandOff(HandOff handOff)
{
    return std::exchange(CurrentHandOff(), std::move(handOff));
}

bool HandOver(std::string_view address)
{
    const HandOff &handOff = CurrentHandOff();
    return handOff ? handOff(address) : Starter::Instance().Take(std::string(address));
}

int OpenUrl(std::string &address, int & /*showCommand*/)
{
    return HandOver(address) ? kOpened : kFileNotFound;
}

} // namespace AboutNet

namespace benchlist {

void OpenPage(std::string_view address)
{
    std::string url(address);
    int showCommand = AboutNet::ShowNormal;
    AboutNet::OpenUrl(url, showCommand);
}

} // namespace benchlist
