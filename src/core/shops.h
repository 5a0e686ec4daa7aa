// SPDX-FileCopyrightText: 2026 Veldmark
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Where a category's page opens: the catalogue's own page, or a search at the
// shop the shopper chose, made of words kept for every category (shops/) in
// the shop's language.
#pragma once

#include "base/categorydata.h"

#include <string>
#include <string_view>
#include <vector>

namespace benchlist {

struct Shop {
    std::string id;        // "ebay-de"; empty for one the shopper added
    std::string name;      // "eBay (Germany)"
    std::string countries; // "DE,AT", or "*"
    std::string language;  // "en", "de", "fr" or "es": the search words' language
    std::string address;   // with {searchTerms}; empty for the catalogue

    bool IsCatalogue() const { return address.empty(); }
};

// The shops built in, the catalogue first, in the order of shops/shops.txt.
const std::vector<Shop> &BuiltInShops();
// Null when no shop has that id (ids are lower case: "EBAY-US" is none).
const Shop *BuiltInShop(std::string_view id);
// The build's default, BENCHLIST_DEFAULT_SHOP: the catalogue unless a packager chose.
const Shop &DefaultShop();
// The ids of the shops built in, split by ", ", for the message that names them.
std::string BuiltInShopIds();

// The shop every page of this process opens at: the default until set.
Shop ActiveShop();
void SetActiveShop(Shop shop);

// What is wrong with a search address, so that a shop the shopper adds
// cannot open anything but a web page of the search.
enum class AddressFault { None, NotWeb, NoHost, NoPlaceholder, TwoPlaceholders, Blank };
// Browsers' keyword bookmarks write the words' place as "%s": taken as {searchTerms}.
std::string SearchTemplate(std::string_view typed);
AddressFault CheckSearchAddress(std::string_view address);

// UTF-8 percent-encoded: everything but letters, digits and "-._~" of
// ASCII, so that a blank is "%20" in a path and a query alike.
std::string PercentEncoded(std::string_view utf8);
std::string SearchAddress(std::string_view address, std::string_view words);

// The words a shop searching in `language` is given for a category; empty
// when the category has none kept.
std::string SearchWords(std::string_view windowName, std::string_view dropDownName,
                        std::string_view text, std::string_view language);
// The words said in a language that name a kind of product or a product line,
// folded to lower case (ASCII letters only: what the checks over every
// search compare with).
std::vector<std::string> ProductWords(std::string_view language);

// The address a drop-down's text opens at `shop`: for the catalogue exactly
// the catalogue's page (or its error page); at a shop, the search for its
// category, or for the words typed when no category has that text.
std::string ShopPageAddress(const Shop &shop, const CategoryData &window,
                            const DropDownData &dropDown, std::string_view text);
// The address of one entry of a page table: for the catalogue its own page,
// also where a later entry of the same text wins.
std::string EntryAddress(const Shop &shop, const CategoryData &window, const DropDownData &dropDown,
                         const PageEntry &entry);
// The same at the active shop, by names; the error page for names no window has.
std::string PageAddress(std::string_view windowName, std::string_view dropDownName,
                        std::string_view text);

} // namespace benchlist
