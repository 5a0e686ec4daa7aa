// SPDX-FileCopyrightText: 2026 Veldmark
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The data a category window is built from. Every window of the catalogue is
// one constexpr CategoryData; the window class and the lookup read nothing else.
#pragma once

#include "base/geometry.h"

#include <span>
#include <string_view>

namespace benchlist {

// One entry of a drop-down's page table: the exact text it answers to and the
// page path under SiteBase that it opens.
struct PageEntry {
    std::string_view text;
    std::string_view path;
};

struct DropDownData {
    std::string_view name;
    Box box;
    int tabIndex;
    std::string_view initialText;
    std::span<const std::string_view> items;
    std::span<const PageEntry> pages;
};

// Outer size in twips that a window re-imposes on every resize; zero for none.
struct FixedSize {
    int width = 0;
    int height = 0;
};

struct CategoryData {
    std::string_view name;     // window name, e.g. "frmMonitors"
    std::string_view title;    // window caption
    std::string_view folder;   // section folder of every page path
    int clientWidth;           // twips
    int clientHeight;          // twips
    FixedSize fixedOuterSize;  // {} when the window keeps its natural size
    int bannerLeft;            // Image4: top 0, 5835 x 1035
    std::string_view logoName; // "Image1" or "Image2": top 120, 2160 x 885
    int logoLeft;
    std::string_view titleName; // "lblTitle1", or "Label1"
    std::string_view titleCaption;
    Box titleBox;
    int titleTabIndex;
    Box refreshBox; // Command1, "Refresh Categories"
    int refreshTabIndex;
    std::span<const DropDownData> dropDowns;
};

inline constexpr int kBannerTop = 0;
inline constexpr int kBannerWidth = 5835;
inline constexpr int kBannerHeight = 1035;
inline constexpr int kLogoTop = 120;
inline constexpr int kLogoWidth = 2160;
inline constexpr int kLogoHeight = 885;
inline constexpr int kDropDownHeight = 315;

// Compile-time checks on the catalogue data.

constexpr bool IsPlainAscii(std::string_view text)
{
    for (char c : text)
        if (static_cast<unsigned char>(c) < 0x20 || static_cast<unsigned char>(c) > 0x7e)
            return false;
    return true;
}

// Every page of a window lies in its own section folder: "/bl/" + folder + "/" ... ".html".
constexpr bool IsPagePathOf(std::string_view path, std::string_view folder)
{
    constexpr std::string_view root = "/bl/";
    constexpr std::string_view suffix = ".html";
    if (!path.starts_with(root) || !path.ends_with(suffix) || !IsPlainAscii(path))
        return false;
    const std::string_view rest = path.substr(root.size());
    return rest.starts_with(folder) && rest.size() > folder.size() + 1 + suffix.size()
           && rest[folder.size()] == '/';
}

constexpr bool PagesLieInFolder(const CategoryData &window)
{
    for (const DropDownData &dropDown : window.dropDowns)
        for (const PageEntry &entry : dropDown.pages)
            if (!IsPagePathOf(entry.path, window.folder) || !IsPlainAscii(entry.text))
                return false;
    return true;
}

constexpr bool DropDownNamesAreUnique(const CategoryData &window)
{
    for (std::size_t i = 0; i < window.dropDowns.size(); ++i)
        for (std::size_t j = i + 1; j < window.dropDowns.size(); ++j)
            if (window.dropDowns[i].name == window.dropDowns[j].name)
                return false;
    return true;
}

constexpr bool DropDownsHaveStandardHeight(const CategoryData &window)
{
    for (const DropDownData &dropDown : window.dropDowns)
        if (dropDown.box.height != kDropDownHeight)
            return false;
    return true;
}

// The catalogue listing is one line per page with the fields split by tabs, so
// no title, caption or item may hold a tab, a line break or any other control.
constexpr bool TextsArePlain(const CategoryData &window)
{
    if (!IsPlainAscii(window.name) || !IsPlainAscii(window.title))
        return false;
    for (const DropDownData &dropDown : window.dropDowns) {
        if (!IsPlainAscii(dropDown.name) || !IsPlainAscii(dropDown.initialText))
            return false;
        for (std::string_view item : dropDown.items)
            if (!IsPlainAscii(item))
                return false;
    }
    return true;
}

constexpr bool IsWellFormed(const CategoryData &window)
{
    return PagesLieInFolder(window) && TextsArePlain(window) && DropDownNamesAreUnique(window)
           && DropDownsHaveStandardHeight(window);
}

// Whether the drop-down's list shows `text`; a text it does not show is
// reached only by typing it.
constexpr bool IsListed(const DropDownData &dropDown, std::string_view text)
{
    for (std::string_view item : dropDown.items)
        if (item == text)
            return true;
    return false;
}

} // namespace benchlist
