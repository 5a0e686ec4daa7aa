#include "net/aboutnet.h"

#include <utility>

#ifdef _WIN32
#include <windows.h>
#else
#include <cerrno>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char **environ;
#endif

namespace AboutNet {

namespace {

// Success as the shell reports it: any value above 32.
constexpr int kOpened = 42;
// The shell's codes for a missing program and for anything else that failed.
constexpr int kFileNotFound = 2;
constexpr int kAccessDenied = 5;
constexpr int kNoAssociation = 31;

HandOff &CurrentHandOff()
{
    static HandOff handOff;
    return handOff;
}

#ifndef _WIN32
// Status of the intermediate child when it could not start xdg-open.
constexpr int kSpawnFailedBase = 100;

int ErrorCodeFor(int spawnError)
{
    switch (spawnError) {
    case ENOENT:
    case ENOTDIR:
        return kFileNotFound;
    case EACCES:
    case EPERM:
        return kAccessDenied;
    default:
        return kNoAssociation;
    }
}
#endif

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

int OpenWithDesktop(const std::string &address, int /*showCommand*/)
{
    // xdg-open gets the address as its one argument, with no shell in between.
    // An intermediate child starts it and exits at once: xdg-open becomes a
    // child of init, which reaps it, and we wait only for that brief child,
    // never for the browser.
    const pid_t intermediate = fork();
    if (intermediate < 0)
        return 0;
    if (intermediate == 0) {
        setsid();
        char program[] = "xdg-open";
        char *argv[] = {program, const_cast<char *>(address.c_str()), nullptr};
        pid_t opener = 0;
        const int error = posix_spawnp(&opener, program, nullptr, nullptr, argv, environ);
        _exit(error == 0 ? 0 : kSpawnFailedBase + error);
    }
    int status = 0;
    while (waitpid(intermediate, &status, 0) < 0) {
        if (errno != EINTR)
            return kOpened;
    }
    if (!WIFEXITED(status))
        return 0;
    const int exitCode = WEXITSTATUS(status);
    return exitCode == 0 ? kOpened : ErrorCodeFor(exitCode - kSpawnFailedBase);
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
