// SPDX-FileCopyrightText: 2026 Veldmark
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/shops.h"

#include "catalogue/catalogue.h"
#include "core/addresses.h"
#include "core/lookup.h"
#include "core/shoptables.h"

#include <algorithm>
#include <mutex>
#include <optional>
#include <tuple>

namespace benchlist {

namespace {

constexpr std::string_view kPlaceholder = "{searchTerms}";

std::mutex activeMutex;
std::optional<Shop> activeShop; // none: the default

std::size_t LanguageIndex(std::string_view language)
{
    const auto &languages = shoptables::kLanguages;
    const auto found = std::find(languages.begin(), languages.end(), language);
    return found == languages.end() ? 0 : static_cast<std::size_t>(found - languages.begin());
}

const shoptables::TermRow *TermNamed(std::string_view id)
{
    const auto found = std::lower_bound(
        std::begin(shoptables::kTerms), std::end(shoptables::kTerms), id,
        [](const shoptables::TermRow &row, std::string_view wanted) { return row.id < wanted; });
    return found != std::end(shoptables::kTerms) && found->id == id ? &*found : nullptr;
}

// The kept words with each {id} said in the language, blanks made single. A
// form written "+externe" is said after the next kind of product, as French
// and Spanish put such words after the noun: "lecteur CD externe".
std::string Said(std::string_view words, std::size_t language)
{
    std::string out;
    std::string after;
    const auto append = [&out](std::string_view part) {
        for (char c : part) {
            if (c == ' ' && (out.empty() || out.back() == ' '))
                continue;
            out += c;
        }
    };
    while (!words.empty()) {
        const std::size_t open = words.find('{');
        const std::size_t close = words.find('}', open);
        if (open == std::string_view::npos || close == std::string_view::npos) {
            append(words);
            break;
        }
        append(words.substr(0, open));
        words.remove_prefix(open);
        const shoptables::TermRow *term = TermNamed(words.substr(1, close - open - 1));
        words.remove_prefix(close - open + 1);
        if (!term)
            continue;
        const std::string_view form = term->forms[language];
        if (form.starts_with('+')) {
            after.append(" ").append(form.substr(1));
            continue;
        }
        append(form);
        if (term->kind && !after.empty()) {
            append(after);
            after.clear();
        }
    }
    append(after);
    while (!out.empty() && out.back() == ' ')
        out.pop_back();
    return out;
}

const CategoryData *WindowNamed(std::string_view name)
{
    for (const CategoryData *window : catalogue::kWindows)
        if (window->name == name)
            return window;
    return nullptr;
}

bool IsUnreserved(unsigned char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '-'
           || c == '.' || c == '_' || c == '~';
}

} // namespace

const std::vector<Shop> &BuiltInShops()
{
    static const std::vector<Shop> shops = [] {
        std::vector<Shop> built;
        for (const shoptables::ShopRow &row : shoptables::kShops)
            built.push_back({std::string(row.id), std::string(row.name), std::string(row.countries),
                             std::string(row.language), std::string(row.address)});
        return built;
    }();
    return shops;
}

const Shop *BuiltInShop(std::string_view id)
{
    for (const Shop &shop : BuiltInShops())
        if (shop.id == id)
            return &shop;
    return nullptr;
}

const Shop &DefaultShop()
{
    static const Shop &shop = *BuiltInShop(shoptables::kDefaultShop);
    return shop;
}

std::string BuiltInShopIds()
{
    std::string ids;
    for (const Shop &shop : BuiltInShops())
        ids.append(ids.empty() ? "" : ", ").append(shop.id);
    return ids;
}

Shop ActiveShop()
{
    const std::lock_guard lock(activeMutex);
    return activeShop ? *activeShop : DefaultShop();
}

void SetActiveShop(Shop shop)
{
    const std::lock_guard lock(activeMutex);
    activeShop = std::move(shop);
}

std::string SearchTemplate(std::string_view typed)
{
    std::string address(typed);
    if (address.find(kPlaceholder) == std::string::npos) {
        const std::size_t mark = address.find("%s");
        if (mark != std::string::npos)
            address.replace(mark, 2, kPlaceholder);
    }
    return address;
}

AddressFault CheckSearchAddress(std::string_view address)
{
    if (std::any_of(address.begin(), address.end(),
                    [](char c) { return static_cast<unsigned char>(c) <= ' ' || c == 0x7f; }))
        return AddressFault::Blank;
    std::string_view rest;
    for (std::string_view scheme : {"https://", "http://"})
        if (address.starts_with(scheme))
            rest = address.substr(scheme.size());
    if (rest.data() == nullptr)
        return AddressFault::NotWeb;
    const std::string_view host = rest.substr(0, rest.find_first_of("/?#"));
    const std::size_t first = address.find(kPlaceholder);
    if (host.empty() || host.find_first_of("{}%@") != std::string_view::npos
        || host.starts_with(':') || host.starts_with('.'))
        return AddressFault::NoHost;
    if (first == std::string_view::npos)
        return AddressFault::NoPlaceholder;
    if (address.find(kPlaceholder, first + 1) != std::string_view::npos)
        return AddressFault::TwoPlaceholders;
    return AddressFault::None;
}

std::string PercentEncoded(std::string_view utf8)
{
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string out;
    out.reserve(utf8.size() * 3);
    for (char c : utf8) {
        const auto byte = static_cast<unsigned char>(c);
        if (IsUnreserved(byte)) {
            out += c;
            continue;
        }
        out += '%';
        out += kHex[byte >> 4];
        out += kHex[byte & 0xf];
    }
    return out;
}

std::string SearchAddress(std::string_view address, std::string_view words)
{
    std::string out(address);
    const std::size_t at = out.find(kPlaceholder);
    if (at != std::string::npos)
        out.replace(at, kPlaceholder.size(), PercentEncoded(words));
    return out;
}

std::string SearchWords(std::string_view windowName, std::string_view dropDownName,
                        std::string_view text, std::string_view language)
{
    const auto key = std::tie(windowName, dropDownName, text);
    const auto found =
        std::lower_bound(std::begin(shoptables::kSearches), std::end(shoptables::kSearches), key,
                         [](const shoptables::SearchRow &row, const auto &wanted) {
                             return std::tie(row.window, row.dropDown, row.text) < wanted;
                         });
    if (found == std::end(shoptables::kSearches)
        || std::tie(found->window, found->dropDown, found->text) != key)
        return {};
    return Said(found->words, LanguageIndex(language));
}

std::vector<std::string> ProductWords(std::string_view language)
{
    std::vector<std::string> words(std::begin(shoptables::kLines), std::end(shoptables::kLines));
    for (const shoptables::TermRow &term : shoptables::kTerms)
        if (term.kind)
            words.emplace_back(term.forms[LanguageIndex(language)]);
    return words;
}

std::string ShopPageAddress(const Shop &shop, const CategoryData &window,
                            const DropDownData &dropDown, std::string_view text)
{
    if (shop.IsCatalogue())
        return LookupPage(dropDown.pages, text);
    std::string words;
    if (WinningEntry(dropDown.pages, text))
        words = SearchWords(window.name, dropDown.name, text, shop.language);
    return SearchAddress(shop.address, words.empty() ? text : words);
}

std::string EntryAddress(const Shop &shop, const CategoryData &window, const DropDownData &dropDown,
                         const PageEntry &entry)
{
    return shop.IsCatalogue() ? CataloguePageUrl(entry.path)
                              : ShopPageAddress(shop, window, dropDown, entry.text);
}

std::string PageAddress(std::string_view windowName, std::string_view dropDownName,
                        std::string_view text)
{
    if (const CategoryData *window = WindowNamed(windowName))
        for (const DropDownData &dropDown : window->dropDowns)
            if (dropDown.name == dropDownName)
                return ShopPageAddress(ActiveShop(), *window, dropDown, text);
    return std::string(ErrorPageUrl);
}

} // namespace benchlist
