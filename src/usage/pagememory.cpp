// SPDX-FileCopyrightText: 2026 Veldmark
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "usage/pagememory.h"

#include "find/catalogueindex.h"
#include "find/resultids.h"

#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <unistd.h>

namespace benchlist {

namespace {

constexpr std::string_view kRememberKey = "RememberOpenedPages";
constexpr std::string_view kGeneralGroup = "[General]";

std::unique_ptr<UsageStore> &Store()
{
    static std::unique_ptr<UsageStore> store;
    return store;
}

std::vector<std::string> ReadLines(const std::string &path)
{
    std::vector<std::string> lines;
    std::ifstream in(path);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

std::string Trimmed(std::string_view text)
{
    const auto first = text.find_first_not_of(" \t\r");
    if (first == std::string_view::npos)
        return {};
    return std::string(text.substr(first, text.find_last_not_of(" \t\r") - first + 1));
}

struct SwitchPlace {
    std::size_t line = 0; // the switch's line, or where it would go
    bool found = false;
    bool inGroup = false; // the file has a [General] group
};

// Where the switch is in the file's [General] group, the group Qt's settings
// files keep ungrouped keys in and so where earlier versions wrote it.
SwitchPlace FindSwitch(const std::vector<std::string> &lines)
{
    SwitchPlace place;
    bool inGeneral = false;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::string line = Trimmed(lines[i]);
        if (line.starts_with('[')) {
            inGeneral = line == kGeneralGroup && !place.inGroup;
            place.inGroup = place.inGroup || inGeneral;
            if (inGeneral)
                place.line = i + 1;
        } else if (inGeneral && Trimmed(line.substr(0, line.find('='))) == kRememberKey) {
            place.line = i;
            place.found = true;
            return place;
        } else if (inGeneral && !line.empty()) {
            place.line = i + 1;
        }
    }
    return place;
}

// $XDG_CONFIG_HOME/benchlist/benchlist.conf, or under ~/.config when
// XDG_CONFIG_HOME is unset or not an absolute path, whichever process asks.
std::string SettingsPath()
{
    return XdgFile("XDG_CONFIG_HOME", "/.config", "benchlist.conf");
}

// Written beside the file and renamed over it, so that a reader never sees
// half a file; the file's other settings are kept as they are.
void WriteSwitch(const std::string &path, bool on)
{
    std::vector<std::string> lines = ReadLines(path);
    const std::string line = std::string(kRememberKey) + (on ? "=true" : "=false");
    const SwitchPlace place = FindSwitch(lines);
    if (place.found)
        lines[place.line] = line;
    else if (place.inGroup)
        lines.insert(lines.begin() + std::ptrdiff_t(place.line), line);
    else if (lines.empty())
        lines = {std::string(kGeneralGroup), line};
    else
        lines.insert(lines.begin(), {std::string(kGeneralGroup), line, std::string()});
    std::error_code error;
    std::filesystem::create_directories(std::filesystem::path(path).parent_path(), error);
    const std::string temporary = path + ".new-" + std::to_string(::getpid());
    std::ofstream out(temporary, std::ios::trunc);
    for (const std::string &each : lines)
        out << each << '\n';
    out.close();
    if (!out || std::rename(temporary.c_str(), path.c_str()) != 0) {
        std::remove(temporary.c_str());
        std::fprintf(stderr, "benchlist: could not save the settings in %s\n", path.c_str());
    }
}

} // namespace

UsageStore &PageMemory()
{
    std::unique_ptr<UsageStore> &store = Store();
    if (!store) {
        store = std::make_unique<UsageStore>(UsageStore::DefaultPath());
        store->SetRemembering(RememberingPages());
        // Read again before each write, on the store's thread: the shopper
        // may have turned it off in another copy of the program.
        store->SetWriteCheck([] { return RememberingPages(); });
    }
    return *store;
}

void ClosePageMemory()
{
    Store().reset();
}

bool RememberingPages()
{
    const std::vector<std::string> lines = ReadLines(SettingsPath());
    const SwitchPlace place = FindSwitch(lines);
    if (!place.found)
        return true;
    // As Qt reads a stored bool: off only for "false", "0" or nothing.
    const std::string &line = lines[place.line];
    std::string value = Trimmed(std::string_view(line).substr(line.find('=') + 1));
    for (char &letter : value)
        letter = char(std::tolower(static_cast<unsigned char>(letter)));
    return !(value.empty() || value == "false" || value == "0");
}

void SetRememberingPages(bool on)
{
    WriteSwitch(SettingsPath(), on);
    PageMemory().SetRemembering(on);
}

namespace {

void Remember(std::string page, std::string_view address, std::string_view query)
{
    UsageStore &store = PageMemory();
    store.Record({std::move(page), std::string(address), std::string(query), 0});
}

} // namespace

void RememberPage(const FindRecord &record, std::string_view query)
{
    Remember(SearchResultId(record), record.address, query);
}

// Without building the index for it.
void RememberPage(std::string_view windowName, std::string_view dropDownName, std::string_view text,
                  std::string_view address)
{
    Remember(SearchResultId(windowName, dropDownName, text), address, {});
}

FindUsage PageUsage(std::string_view query)
{
    return FindUsageOf(PageMemory().Usage(query));
}

std::vector<const FindRecord *> RecentRecords(std::size_t count)
{
    std::vector<const FindRecord *> records;
    // A few more than asked for, in case a page left the catalogue since.
    for (const RecentPage &page : PageMemory().Recent(count + 5)) {
        if (const FindRecord *record = SearchResults::Catalogue().Record(page.page))
            records.push_back(record);
        if (records.size() == count)
            break;
    }
    return records;
}

std::vector<FindHit> RecentHits()
{
    std::vector<FindHit> hits;
    for (const FindRecord *record : RecentRecords())
        hits.emplace_back(record);
    return hits;
}

void ForgetPages()
{
    PageMemory().Clear();
}

} // namespace benchlist
