#include "core/catalogueexport.h"

#include "core/addresses.h"
#include "core/lookup.h"

#include <algorithm>
#include <initializer_list>

namespace benchlist {

namespace {

// Whether the entry at `index` is the first of its text: a text's bookmark
// stands where the text first appears, and leads where its winning entry does.
bool IsFirstOfItsText(std::span<const PageEntry> pages, std::size_t index)
{
    return std::none_of(pages.begin(), pages.begin() + static_cast<std::ptrdiff_t>(index),
                        [&](const PageEntry &entry) { return entry.text == pages[index].text; });
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

void AppendFolderStart(std::string &out, std::string_view indent, std::string_view name)
{
    out.append(indent).append("<DT><H3>").append(EscapeHtml(name)).append("</H3>\n");
    out.append(indent).append("<DL><p>\n");
}

void AppendFolderEnd(std::string &out, std::string_view indent)
{
    out.append(indent).append("</DL><p>\n");
}

} // namespace

std::string CatalogueListing(WindowList windows)
{
    std::string out;
    for (const CategoryData *window : windows) {
        for (const DropDownData &dropDown : window->dropDowns) {
            for (const PageEntry &entry : dropDown.pages) {
                AppendFields(out, {window->name, window->title, dropDown.name, dropDown.initialText,
                                   entry.text, CataloguePageUrl(entry.path),
                                   IsListed(dropDown, entry.text) ? "listed" : "typed"});
            }
        }
    }
    return out;
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
    std::string out = "<!DOCTYPE NETSCAPE-Bookmark-file-1>\n"
                      "<META HTTP-EQUIV=\"Content-Type\" CONTENT=\"text/html; charset=UTF-8\">\n"
                      "<TITLE>Bookmarks</TITLE>\n"
                      "<H1>Bookmarks</H1>\n"
                      "<DL><p>\n";
    for (const CategoryData *window : windows) {
        AppendFolderStart(out, "    ", window->title);
        for (const DropDownData &dropDown : window->dropDowns) {
            AppendFolderStart(out, "        ", dropDown.initialText);
            for (std::size_t i = 0; i < dropDown.pages.size(); ++i) {
                if (!IsFirstOfItsText(dropDown.pages, i))
                    continue;
                const std::string_view text = dropDown.pages[i].text;
                const PageEntry &winner = *WinningEntry(dropDown.pages, text);
                out.append("            <DT><A HREF=\"")
                    .append(EscapeHtml(CataloguePageUrl(winner.path)))
                    .append("\">")
                    .append(EscapeHtml(text))
                    .append("</A>\n");
            }
            AppendFolderEnd(out, "        ");
        }
        AppendFolderEnd(out, "    ");
    }
    out += "</DL><p>\n";
    return out;
}

} // namespace benchlist
