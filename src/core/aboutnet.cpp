#include "core/aboutnet.h"

#include <utility>

#ifdef _WIN32
#include <windows.h>
#else
#include <atomic>
#include <cerrno>
#include <condition_variable>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <deque>
#include <fcntl.h>
#include <mutex>
#include <spawn.h>
#include <sys/wait.h>
#include <system_error>
#include <thread>
#include <unistd.h>

extern char **environ;
#endif

namespace AboutNet {

namespace {

// Success as the shell reports it: any value above 32.
constexpr int kOpened = 42;
// The shell's codes for a missing program and for one that may not be run.
constexpr int kFileNotFound = 2;
constexpr int kAccessDenied = 5;

HandOff &CurrentHandOff()
{
    static HandOff handOff;
    return handOff;
}

} // namespace

HandOff SetHandOff(HandOff handOff)
{
    return std::exchange(CurrentHandOff(), std::move(handOff));
}

int OpenUrl(std::string &address, int &showCommand)
{
    const HandOff &handOff = CurrentHandOff();
    return handOff ? handOff(address, showCommand) : OpenWithDesktop(address, showCommand);
}

#ifdef _WIN32

int OpenWithDesktop(const std::string &address, int showCommand)
{
    // Bound by name on first use, so the program carries no import of the shell library.
    using ShellExecuteAFn = HINSTANCE(WINAPI *)(HWND, LPCSTR, LPCSTR, LPCSTR, LPCSTR, INT);
    static const auto shellExecute = []() -> ShellExecuteAFn {
        HMODULE shell32 = LoadLibraryA("shell32.dll");
        if (!shell32)
            return nullptr;
        return reinterpret_cast<ShellExecuteAFn>(
            reinterpret_cast<void *>(GetProcAddress(shell32, "ShellExecuteA")));
    }();
    if (!shellExecute)
        return kFileNotFound;
    HINSTANCE result =
        shellExecute(nullptr, "open", address.c_str(), nullptr, nullptr, showCommand);
    return static_cast<int>(reinterpret_cast<INT_PTR>(result));
}

#else

namespace {

// How many openers may run at once; further addresses wait their turn in order.
constexpr std::size_t kMaxRunningOpeners = 8;

// Whether the program is found on PATH as an executable file, as posix_spawnp
// will look for it.
int FindProgram(const char *program)
{
    const char *path = std::getenv("PATH");
    std::string_view rest = path ? path : "/bin:/usr/bin";
    int result = kFileNotFound;
    for (;;) {
        const std::size_t colon = rest.find(':');
        std::string candidate(rest.substr(0, colon));
        candidate += candidate.empty() ? "./" : "/";
        candidate += program;
        if (access(candidate.c_str(), X_OK) == 0)
            return kOpened;
        if (access(candidate.c_str(), F_OK) == 0)
            result = kAccessDenied;
        if (colon == std::string_view::npos)
            return result;
        rest.remove_prefix(colon + 1);
    }
}

void ReportOnce(int spawnError)
{
    static std::atomic_flag reported = ATOMIC_FLAG_INIT;
    if (!reported.test_and_set())
        std::fprintf(stderr, "benchlist: cannot start xdg-open: %s\n", std::strerror(spawnError));
}

// Starts xdg-open with the address as its one argument, with no shell in
// between, in a session of its own, reading from and writing to /dev/null so
// that it holds on to none of the program's pipes; it keeps standard error.
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
    pid_t opener = 0;
    const int error = posix_spawnp(&opener, program, &files, &attributes, argv, environ);
    posix_spawnattr_destroy(&attributes);
    posix_spawn_file_actions_destroy(&files);
    if (error != 0) {
        ReportOnce(error);
        return -1;
    }
    return opener;
}

void WaitFor(pid_t opener)
{
    while (waitpid(opener, nullptr, 0) < 0 && errno == EINTR) {
    }
}

// Addresses waiting for an opener, and the threads that start openers and
// wait for them, one opener at a time each, so that no opener is left a zombie
// and the window never waits for a process. It lives until the program ends.
class Openers {
public:
    static Openers &Instance()
    {
        // Never destroyed: its threads may still be waiting for an opener at exit.
        static Openers *const openers = [] {
            auto *created = new Openers;
            std::atexit([] { Instance().StartAllWaiting(); });
            return created;
        }();
        return *openers;
    }

    void HandOver(std::string address)
    {
        const std::lock_guard lock(mutex_);
        if (ending_) {
            StartOpener(address);
            return;
        }
        waiting_.push_back(std::move(address));
        // Every idle thread takes one address; beyond them a new thread is due.
        if (waiting_.size() > idle_ && threads_ < kMaxRunningOpeners) {
            try {
                std::thread(&Openers::Run, this).detach();
                ++threads_;
            } catch (const std::system_error &) {
                // The address waits for a thread to come free, or for the end.
            }
        } else {
            ready_.notify_one();
        }
    }

private:
    Openers() = default;

    void Run()
    {
        std::unique_lock lock(mutex_);
        for (;;) {
            ++idle_;
            ready_.wait(lock, [this] { return !waiting_.empty() && !ending_; });
            --idle_;
            const std::string address = std::move(waiting_.front());
            waiting_.pop_front();
            // Openers start in the order of their addresses, and none while the
            // lock is held, so that a hand-off never waits for a start.
            const std::uint64_t turn = taken_++;
            turnDone_.wait(lock, [this, turn] { return started_ == turn; });
            lock.unlock();
            const pid_t opener = StartOpener(address);
            lock.lock();
            ++started_;
            turnDone_.notify_all();
            if (opener < 0)
                continue;
            lock.unlock();
            WaitFor(opener);
            lock.lock();
        }
    }

    // At exit: every address still waiting gets its opener now, and the program
    // does not wait for any of them.
    void StartAllWaiting()
    {
        std::unique_lock lock(mutex_);
        ending_ = true;
        // Addresses a thread has already taken start first, in their turn; a
        // start is brief, and the program still does not wait for the openers.
        turnDone_.wait(lock, [this] { return started_ == taken_; });
        for (const std::string &address : waiting_)
            StartOpener(address);
        waiting_.clear();
    }

    std::mutex mutex_;
    std::condition_variable ready_;
    std::condition_variable turnDone_;
    std::deque<std::string> waiting_;
    std::uint64_t taken_ = 0;
    std::uint64_t started_ = 0;
    std::size_t idle_ = 0;
    std::size_t threads_ = 0;
    bool ending_ = false;
};

} // namespace

int OpenWithDesktop(const std::string &address, int /*showCommand*/)
{
    const int found = FindProgram("xdg-open");
    if (found != kOpened) {
        ReportOnce(found == kFileNotFound ? ENOENT : EACCES);
        return found;
    }
    Openers::Instance().HandOver(address);
    return kOpened;
}

#endif

} // namespace AboutNet

namespace benchlist {

void OpenPage(std::string_view address)
{
    std::string url(address);
    int showCommand = AboutNet::ShowNormal;
    AboutNet::OpenUrl(url, showCommand);
}

} // namespace benchlist
