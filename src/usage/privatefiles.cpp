// SPDX-FileCopyrightText: 2026 Veldmark
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "usage/privatefiles.h"

#include <cerrno>
#include <filesystem>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace benchlist {

namespace {

constexpr mode_t kPrivateFolder = 0700;
constexpr mode_t kPrivateFile = 0600;

// True when `path` is there, let others in, and now lets in only its owner.
bool Narrow(const std::string &path)
{
    struct stat st {};
    if (::lstat(path.c_str(), &st) != 0 || S_ISLNK(st.st_mode) || (st.st_mode & 077) == 0)
        return false;
    return ::chmod(path.c_str(), st.st_mode & 0700) == 0;
}

} // namespace

std::error_code MakePrivateFolder(const std::string &folder)
{
    std::string path;
    for (const std::filesystem::path &part : std::filesystem::path(folder)) {
        if (!path.empty() && path.back() != '/')
            path += '/';
        path += part.string();
        if (::mkdir(path.c_str(), kPrivateFolder) == 0)
            ::chmod(path.c_str(), kPrivateFolder); // the umask may have taken some away
        else if (errno != EEXIST)
            return {errno, std::generic_category()};
    }
    if (!std::filesystem::is_directory(folder))
        return std::make_error_code(std::errc::not_a_directory);
    return {};
}

void MakePrivateFile(const std::string &file)
{
    const int fd =
        ::open(file.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, kPrivateFile);
    if (fd < 0)
        return; // there already, or SQLite says what is wrong as it opens it
    ::fchmod(fd, kPrivateFile);
    ::close(fd);
}

bool NarrowToOwner(const std::string &file)
{
    const std::filesystem::path path(file);
    bool narrowed = Narrow(path.parent_path().string());
    for (const char *suffix : {"", "-wal", "-shm", "-journal"})
        narrowed = Narrow(file + suffix) || narrowed;
    std::error_code error;
    const std::string aside = path.filename().string() + ".corrupt-";
    for (const auto &entry : std::filesystem::directory_iterator(path.parent_path(), error))
        if (entry.path().filename().string().starts_with(aside))
            narrowed = Narrow(entry.path().string()) || narrowed;
    return narrowed;
}

} // namespace benchlist
