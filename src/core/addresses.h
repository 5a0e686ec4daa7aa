// SPDX-FileCopyrightText: 2026 Veldmark
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Every address the program opens: the two bases of the build's configuration,
// the fixed pages of the shell windows, and catalogue pages as base + path.
#pragma once

#include "core/siteconfig.h"

#include <string>
#include <string_view>

namespace benchlist {

inline constexpr std::string_view SiteBase = BENCHLIST_SITE_BASE;
inline constexpr std::string_view AffiliateBase = BENCHLIST_AFFILIATE_BASE;
inline constexpr std::string_view PublisherNumber = BENCHLIST_PUBLISHER_NUMBER;

// The maker's home page is the bare site base, with nothing appended.
inline constexpr std::string_view HomePageUrl = BENCHLIST_SITE_BASE;
inline constexpr std::string_view ErrorPageUrl = BENCHLIST_SITE_BASE "/error.html";
inline constexpr std::string_view TellAFriendUrl = BENCHLIST_SITE_BASE "/tellafriend.html";
inline constexpr std::string_view VersionPageUrl = BENCHLIST_SITE_BASE "/bl/version1.html";

#define BENCHLIST_AFFILIATE_OFFER(offer)                                                           \
    BENCHLIST_AFFILIATE_BASE "/click-" BENCHLIST_PUBLISHER_NUMBER "-" #offer

// The gift-certificate banner, the auction-site banner and the sign-up menu item.
inline constexpr std::string_view GiftCertificateOfferUrl = BENCHLIST_AFFILIATE_OFFER(10304392);
inline constexpr std::string_view AuctionBannerOfferUrl = BENCHLIST_AFFILIATE_OFFER(10296229);
inline constexpr std::string_view SignUpOfferUrl = BENCHLIST_AFFILIATE_OFFER(2202641);

#undef BENCHLIST_AFFILIATE_OFFER

// A catalogue page: SiteBase followed by the page path exactly as stored.
std::string CataloguePageUrl(std::string_view path);

} // namespace benchlist
