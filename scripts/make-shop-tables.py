#!/usr/bin/env python3

# SPDX-FileCopyrightText: 2026 Veldmark
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""Turns the shops (shops/shops.txt) and their search words
(shops/searches.txt) into C++ tables.

Usage: make-shop-tables.py OUTPUT.h DEFAULT-SHOP shops.txt searches.txt words/de.txt ...

The word files give each language's vocabulary, which the search words'
German, French and Spanish must be made of. A line that breaks a file's
grammar (described at the head of each file) stops the build with the file,
the line and what is wrong.
"""

import os
import re
import sys
import unicodedata

from cpptext import cpp_string

LANGUAGES = ("en", "de", "fr", "es")
ID = re.compile(r"^[a-z0-9]+(-[a-z0-9]+)*$")
REFERENCE = re.compile(r"\{([^{}]*)\}")


class DataError(Exception):
    pass


def fold(word):
    decomposed = unicodedata.normalize("NFKD", word.casefold())
    return "".join(c for c in decomposed if not unicodedata.combining(c))


def words_of(text):
    return [w for w in re.split(r"[\s\-'’]+", fold(text)) if w]


def data_lines(name):
    with open(name, encoding="utf-8") as data:
        for number, line in enumerate(data, 1):
            line = line.rstrip("\n")
            if line.strip() and not line.lstrip().startswith("#"):
                yield number, line


def check_address(address):
    match = re.match(r"^https?://([^/?#{}\s]+)(.*)$", address)
    if not match or "{searchTerms}" in match.group(1):
        raise DataError("a search address is http:// or https:// and a host")
    if address.count("{searchTerms}") != 1:
        raise DataError("a search address holds {searchTerms} exactly once")
    if any(c.isspace() or ord(c) < 32 for c in address):
        raise DataError("a search address holds no blank or control character")


def read_shops(name):
    shops = []
    for number, line in data_lines(name):
        try:
            fields = [field.strip() for field in line.split("|")]
            if len(fields) != 5:
                raise DataError("a shop is: id | name | countries | language | search address")
            shop_id, shop_name, countries, language, address = fields
            if not ID.match(shop_id) or shop_id in (shop[0] for shop in shops):
                raise DataError('the id "%s" is not lower case, or not unique' % shop_id)
            if not shop_name or language not in LANGUAGES:
                raise DataError("a shop has a name and one of the languages %s" % ", ".join(LANGUAGES))
            if countries != "*" and not all(re.match(r"^[A-Z]{2}$", c) for c in countries.split(",")):
                raise DataError('countries are two upper-case letters split by ",", or "*"')
            if shop_id == "catalogue" and address:
                raise DataError("the catalogue opens its own pages and has no search address")
            if shop_id != "catalogue":
                check_address(address)
            if not shops and shop_id != "catalogue":
                raise DataError("the catalogue comes first")
            shops.append((shop_id, shop_name, countries, language, address))
        except DataError as error:
            raise DataError("%s:%d: %s" % (name, number, error))
    return shops


def vocabulary(name):
    words = set()
    in_words = False
    for _, line in data_lines(name):
        if line.startswith("["):
            in_words = line.strip() in ("[words]", "[small]")
        elif in_words:
            for phrase in line.split("=", 1)[0].split(","):
                words.update(words_of(phrase))
    return words


def read_searches(name, vocabularies):
    terms, lines, searches = {}, set(), {}
    section = None
    for number, line in data_lines(name):
        try:
            if line.startswith("["):
                section = line.strip()[1:-1].split()
                if len(section) == 2 and section[0] in ("kinds", "terms"):
                    raise DataError("a drop-down's section names a window and a drop-down")
                continue
            if section in (["kinds"], ["terms"]):
                term_id, _, right = line.partition(" = ")
                forms = [form.strip() for form in right.split("|")]
                if len(forms) != len(LANGUAGES) or not all(forms) or term_id in terms:
                    raise DataError("a kind or term is: id = English | German | French | Spanish, once")
                english = set(words_of(forms[0]))
                for language, form in zip(LANGUAGES[1:], forms[1:]):
                    for word in words_of(form.removeprefix("+")):
                        if word not in english and word not in vocabularies[language] \
                                and not word.isdigit():
                            raise DataError('"%s" is not a word of words/%s.txt' % (word, language))
                terms[term_id.strip()] = (forms, section == ["kinds"])
            elif section == ["lines"]:
                lines.update(line.split())
            elif section and len(section) == 2:
                text, separator, words = line.partition(" = ")
                if not separator or not words.strip():
                    raise DataError("a search is: TEXT = WORDS")
                for reference in REFERENCE.findall(words):
                    if reference not in terms:
                        raise DataError('"{%s}" is not a kind or term above' % reference)
                key = (section[0], section[1], text)
                if key in searches:
                    raise DataError('"%s" has its words already' % text)
                searches[key] = words.strip()
            else:
                raise DataError("a line before any section")
        except DataError as error:
            raise DataError("%s:%d: %s" % (name, number, error))
    return terms, lines, searches


def write_header(output, default_shop, shops, terms, lines, searches):
    out = ["// Made by scripts/make-shop-tables.py from shops/; do not edit.",
           "#pragma once", "", "#include \"base/message.h\"", "", "#include <array>", "#include <string_view>", "",
           "namespace benchlist::shoptables {", "",
           "struct ShopRow {", "    std::string_view id, name, countries, language, address;", "};",
           "struct TermRow {", "    std::string_view id;",
           "    std::array<std::string_view, %d> forms; // %s" % (len(LANGUAGES), ", ".join(LANGUAGES)),
           "    bool kind;", "};",
           "struct SearchRow {", "    std::string_view window, dropDown, text, words;", "};", "",
           "inline constexpr std::string_view kDefaultShop = %s;" % cpp_string(default_shop), "",
           "inline constexpr std::array<std::string_view, %d> kLanguages = {%s};"
           % (len(LANGUAGES), ", ".join(cpp_string(l) for l in LANGUAGES)), "",
           "inline constexpr ShopRow kShops[] = {"]
    # The names, as the File menu shows them, are texts for the translations.
    for shop_id, name, *rest in shops:
        fields = [cpp_string(shop_id), "BENCHLIST_MESSAGE(\"Shops\", %s)" % cpp_string(name)]
        out.append("    {%s}," % ", ".join(fields + [cpp_string(field) for field in rest]))
    out += ["};", "", "// By id.", "inline constexpr TermRow kTerms[] = {"]
    for term_id in sorted(terms):
        forms, kind = terms[term_id]
        out.append("    {%s, {%s}, %s}," % (cpp_string(term_id), ", ".join(cpp_string(f) for f in forms),
                                          "true" if kind else "false"))
    out += ["};", "", "inline constexpr std::string_view kLines[] = {"]
    out += ["    %s," % cpp_string(line) for line in sorted(lines)]
    out += ["};", "", "// By window, drop-down and text.", "inline constexpr SearchRow kSearches[] = {"]
    for key in sorted(searches, key=lambda k: tuple(part.encode("utf-8") for part in k)):
        out.append("    {%s, %s}," % (", ".join(cpp_string(part) for part in key), cpp_string(searches[key])))
    out += ["};", "", "} // namespace benchlist::shoptables", ""]
    text = "\n".join(out)
    if os.path.exists(output) and open(output, encoding="utf-8").read() == text:
        return
    with open(output, "w", encoding="utf-8") as header:
        header.write(text)


def main(argv):
    if len(argv) < 5:
        sys.exit(__doc__)
    output, default_shop, shops_file, searches_file = argv[1:5]
    vocabularies = {os.path.basename(name)[:-4]: vocabulary(name) for name in argv[5:]}
    try:
        shops = read_shops(shops_file)
        if default_shop not in (shop[0] for shop in shops):
            raise DataError("BENCHLIST_DEFAULT_SHOP names no shop of %s: %s" % (shops_file, default_shop))
        missing = set(LANGUAGES[1:]) - set(vocabularies)
        if missing:
            raise DataError("no word file for %s" % ", ".join(sorted(missing)))
        terms, lines, searches = read_searches(searches_file, vocabularies)
    except (DataError, OSError) as error:
        sys.exit("make-shop-tables.py: %s" % error)
    write_header(output, default_shop, shops, terms, lines, searches)


if __name__ == "__main__":
    main(sys.argv)
