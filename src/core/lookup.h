// How the text of a drop-down becomes the address of a page.
#pragma once

#include "base/categorydata.h"

#include <string>
#include <string_view>

namespace benchlist {

// The page of the last entry whose text equals `text` exactly (same characters,
// same case, nothing trimmed), or the error page when no entry does.
std::string LookupPage(std::span<const PageEntry> pages, std::string_view text);

} // namespace benchlist
