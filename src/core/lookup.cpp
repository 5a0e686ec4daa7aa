#include "core/lookup.h"

#include "core/addresses.h"

namespace benchlist {

std::string LookupPage(std::span<const PageEntry> pages, std::string_view text)
{
    const PageEntry *match = nullptr;
    for (const PageEntry &entry : pages) {
        if (entry.text == text)
            match = &entry;
    }
    return match ? CataloguePageUrl(match->path) : std::string(ErrorPageUrl);
}

} // namespace benchlist
