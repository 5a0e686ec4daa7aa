// SPDX-FileCopyrightText: 2026 Veldmark
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/catalogueexport.h"

#include "core/addresses.h"
#include "core/lookup.h"
#include "core/shops.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <initializer_list>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace benchlist {

namespace {

// Whether the entry at `index` is the first of its text: a text's bookmark
// stands where the text first appears, and leads where its winning entry does.
bool IsFirstOfItsText(std::span<const PageEntry> pages, std::size_t index)
{
    return std::none_of(pages.begin(), pages.begin() + static_cast<std::ptrdiff_t>(index),
                        [&](const PageEntry &entry) { return entry.text == pages[index].text; });
}

// A short write says nothing of why; the next one meets the error itself (a
// full disk, say) and sets errno.
bool WriteAll(int fd, std::string_view text)
{
    while (!text.empty()) {
        const ssize_t written = write(fd, text.data(), text.size());
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return false;
        text.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

void AppendFolderStart(std::string &out, std::string_view indent, std::string_view name)
{
    out.append(indent).append("<DT><H3>").append(EscapeHtml(name)).append("</H3>\n");
    out.append(indent).append("<DL><p>\n");
}

void AppendFolderEnd(std::string &out, std::string_view indent)
{
    out.append(indent).append("</DL><p>\n");
}

// The mode open() with 0666 gives a new file, for the private one mkstemp
// makes. The file mask is read, not set and set back, which would change it
// for every thread of the program for a moment.
mode_t NewFileMode()
{
    std::FILE *status = std::fopen("/proc/self/status", "re");
    unsigned mask = 022;
    char line[256];
    while (status && std::fgets(line, sizeof line, status))
        if (std::sscanf(line, "Umask: %o", &mask) == 1)
            break;
    if (status)
        std::fclose(status);
    return static_cast<mode_t>(0666 & ~mask);
}

} // namespace

std::string CatalogueListing(WindowList windows)
{
    const Shop shop = ActiveShop();
    std::string out;
    for (const CategoryData *window : windows) {
        for (const DropDownData &dropDown : window->dropDowns) {
            for (const PageEntry &entry : dropDown.pages) {
                AppendFields(out, {window->name, window->title, dropDown.name, dropDown.initialText,
                                   entry.text, EntryAddress(shop, *window, dropDown, entry),
                                   IsListed(dropDown, entry.text) ? "listed" : "typed"});
            }
        }
    }
    return out;
}

void AppendFields(std::string &out, std::initializer_list<std::string_view> fields)
{
    bool first = true;
    for (std::string_view field : fields) {
        if (!first)
            out += '\t';
        out += field;
        first = false;
    }
    out += '\n';
}

std::string EscapeHtml(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        switch (c) {
        case '&':
            out += "&amp;";
            break;
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        case '"':
            out += "&quot;";
            break;
        default:
            out += c;
        }
    }
    return out;
}

std::string BookmarksHtml(WindowList windows)
{
    const Shop shop = ActiveShop();
    std::string out = "<!DOCTYPE NETSCAPE-Bookmark-file-1>\n"
                      "<META HTTP-EQUIV=\"Content-Type\" CONTENT=\"text/html; charset=UTF-8\">\n"
                      "<TITLE>Bookmarks</TITLE>\n"
                      "<H1>Bookmarks</H1>\n"
                      "<DL><p>\n";
    // Searches at a shop go in a folder that names it, so that a file exported
    // for one shop and one for another can both be imported and told apart.
    const std::string indent = shop.IsCatalogue() ? "" : "    ";
    if (!shop.IsCatalogue())
        AppendFolderStart(out, "    ", "Benchlist at " + shop.name);
    for (const CategoryData *window : windows) {
        AppendFolderStart(out, indent + "    ", window->title);
        for (const DropDownData &dropDown : window->dropDowns) {
            AppendFolderStart(out, indent + "        ", dropDown.initialText);
            for (std::size_t i = 0; i < dropDown.pages.size(); ++i) {
                if (!IsFirstOfItsText(dropDown.pages, i))
                    continue;
                const std::string_view text = dropDown.pages[i].text;
                out.append(indent)
                    .append("            <DT><A HREF=\"")
                    .append(EscapeHtml(ShopPageAddress(shop, *window, dropDown, text)))
                    .append("\">")
                    .append(EscapeHtml(text))
                    .append("</A>\n");
            }
            AppendFolderEnd(out, indent + "        ");
        }
        AppendFolderEnd(out, indent + "    ");
    }
    if (!shop.IsCatalogue())
        AppendFolderEnd(out, "    ");
    out += "</DL><p>\n";
    return out;
}

std::string WriteBookmarkFile(const std::string &name, WindowList windows)
{
    const std::string html = BookmarksHtml(windows);
    // A link goes on leading where it did: the file it names is replaced.
    std::error_code unresolved;
    const std::filesystem::path resolved = std::filesystem::canonical(name, unresolved);
    const std::string fileName = unresolved ? name : resolved.string();
    struct stat old {};
    const bool exists = stat(fileName.c_str(), &old) == 0;
    if (exists && S_ISDIR(old.st_mode))
        return std::strerror(EISDIR);
    // A device or a pipe has no contents to keep and must stay what it is.
    if (exists && !S_ISREG(old.st_mode)) {
        const int fd = open(fileName.c_str(), O_WRONLY | O_TRUNC | O_CLOEXEC);
        const bool written = fd >= 0 && WriteAll(fd, html);
        const int error = errno;
        if (fd >= 0 && close(fd) != 0 && written)
            return std::strerror(errno);
        return written ? std::string() : std::strerror(error);
    }
    // Written whole beside the older file, under a name of its own, then renamed over it.
    std::string temporary = fileName + ".new-XXXXXX";
    const int fd = mkostemp(temporary.data(), O_CLOEXEC);
    if (fd < 0)
        return std::strerror(errno);
    bool done = fchmod(fd, exists ? old.st_mode & 07777 : NewFileMode()) == 0 && WriteAll(fd, html)
                && fsync(fd) == 0;
    int error = errno;
    if (close(fd) != 0 && done) {
        done = false;
        error = errno;
    }
    if (done && std::rename(temporary.c_str(), fileName.c_str()) == 0)
        return {};
    error = done ? errno : error;
    unlink(temporary.c_str());
    return std::strerror(error);
}

} // namespace benchlist
