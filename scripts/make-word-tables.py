#!/usr/bin/env python3

# SPDX-FileCopyrightText: 2026 Veldmark
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""Turns find's word files (words/*.txt, one per language) into C++ tables.

Usage: make-word-tables.py OUTPUT.h words/en.txt [words/de.txt ...]

Each file's name, without ".txt", is its language's code. The grammar of each
section is described at its head in words/en.txt. A line that breaks it stops
the build with the file, the line and what is wrong.
"""

import math
import os
import re
import sys

from cpptext import cpp_string

LIST_SECTIONS = ("small", "range", "below", "above", "between")
PAIR_SECTIONS = ("units", "singular", "numerals", "words")
# The longest phrase a shopper's words may be, in words as find counts them;
# written into the tables as kLongestPhrase, the one place find reads it from.
MOST_SHOPPER_WORDS = 3

DECIMAL = re.compile(r"[0-9]+(\.[0-9]+)?")


class WordFileError(Exception):
    pass


def words_of(text):
    return text.split()


def find_words(text):
    """The words find cuts `text` into: runs of letters, digits and marks; an
    apostrophe inside a word and a dot between digits keep it whole, every
    other character (a hyphen, a slash) ends it."""
    text = re.sub(r"(?<=\w)['\u2019](?=\w)", "", text)
    text = re.sub(r"(?<=\d)\.(?=\d)", "0", text)
    return [word for word in re.split(r"[^\w\u0300-\u036f]|_", text) if word]


def parse_units(right, kinds):
    parts = [part.strip() for part in right.split(",")]
    if len(parts) != 2 or not parts[0]:
        raise WordFileError('a unit is "unit = kind, scale", as in "ghz = speed, 1000"')
    if not DECIMAL.fullmatch(parts[1]):
        raise WordFileError('the scale of a unit must be a decimal number, as in "1024", not "%s"'
                            % parts[1])
    scale = float(parts[1])
    if not math.isfinite(scale) or scale <= 0:
        raise WordFileError("the scale of a unit must be above 0")
    kinds.setdefault(parts[0], len(kinds) + 1)
    return kinds[parts[0]], scale


def parse_singular(left, right):
    parts = [part.strip() for part in right.split(",")]
    if len(parts) != 2 or not DECIMAL.fullmatch(parts[1]) or "." in parts[1]:
        raise WordFileError('a singular rule is "plural ending = singular ending, shortest word",'
                            ' as in "ies = y, 5"')
    if " " in left or " " in parts[0]:
        raise WordFileError("an ending is one piece of a word, without blanks")
    return parts[0], int(parts[1])


def parse_words(left, right):
    shoppers = [" ".join(words_of(part)) for part in left.split(",")]
    if any(not shopper for shopper in shoppers):
        raise WordFileError("an empty shopper's word before or between commas")
    for shopper in shoppers:
        if len(find_words(shopper)) > MOST_SHOPPER_WORDS:
            raise WordFileError('"%s": at most %d words a shopper types, as find counts them'
                                % (shopper, MOST_SHOPPER_WORDS))
    meanings = [" ".join(words_of(part)) for part in right.split("|")]
    if any(not meaning for meaning in meanings):
        raise WordFileError('no catalogue words on one side of "|" or after "="')
    if any("," in meaning for meaning in meanings):
        raise WordFileError('catalogue words take no commas; separate meanings with " | "')
    return shoppers, meanings


def parse_line(language, section, line, kinds):
    if section in LIST_SECTIONS:
        if " " in line or "=" in line:
            raise WordFileError('[%s] takes one word a line' % section)
        language[section].append(line)
        return
    if "=" not in line:
        raise WordFileError('[%s] needs "=" on every line' % section)
    left, right = (part.strip() for part in line.split("=", 1))
    if section == "words":
        shoppers, meaning = parse_words(left, right)
        language["words"].extend((shopper, meaning) for shopper in shoppers)
        return
    if not left or (section != "singular" and " " in left):
        raise WordFileError('one word before "="')
    if section == "units":
        language["units"].append((left,) + parse_units(right, kinds))
    elif section == "singular":
        language["singular"].append((left,) + parse_singular(left, right))
    elif not right or " " in right:
        raise WordFileError('a numeral is "number = numeral", as in "2 = ii"')
    else:
        language["numerals"].append((left, right))


def read_language(path, kinds):
    language = {name: [] for name in LIST_SECTIONS + PAIR_SECTIONS}
    language["code"] = os.path.basename(path).rsplit(".", 1)[0]
    section = None
    with open(path, encoding="utf-8") as lines:
        for number, raw in enumerate(lines, 1):
            line = raw.split("#", 1)[0].strip()
            try:
                if number == 1 and raw.startswith("\ufeff"):
                    raise WordFileError("the file starts with a byte-order mark; save it as "
                                        "UTF-8 without one")
                if not line:
                    continue
                if line.startswith("["):
                    if not line.endswith("]") or line[1:-1] not in language:
                        raise WordFileError("unknown section %s; the sections are %s" % (
                            line, ", ".join("[%s]" % s for s in LIST_SECTIONS + PAIR_SECTIONS)))
                    section = line[1:-1]
                elif section is None:
                    raise WordFileError('an entry before the first section: "%s"' % line)
                elif line != line.lower():
                    raise WordFileError('write words in lower case: "%s"' % line)
                else:
                    parse_line(language, section, line, kinds)
            except WordFileError as error:
                raise WordFileError("%s:%d: %s" % (path, number, error)) from None
    return language


def table(name, kind, rows):
    body = "".join("    %s,\n" % row for row in rows)
    return "inline constexpr std::array<%s, %d> %s{{\n%s}};\n" % (kind, len(rows), name, body)


def write_language(out, language):
    prefix = "k" + language["code"].capitalize()
    for section in LIST_SECTIONS:
        out.append(table(prefix + section.capitalize(), "std::string_view",
                         [cpp_string(word) for word in language[section]]))
    out.append(table(prefix + "Units", "UnitWord", ["{%s, %d, %r}" % (cpp_string(w), k, s)
                                                    for w, k, s in language["units"]]))
    out.append(table(prefix + "Singular", "SingularRule", [
        "{%s, %s, %d}" % (cpp_string(p), cpp_string(s), n) for p, s, n in language["singular"]]))
    out.append(table(prefix + "Numerals", "Numeral", [
        "{%s, %s}" % (cpp_string(a), cpp_string(b)) for a, b in language["numerals"]]))
    # Every entry's meanings in one table, each entry a piece of it.
    meanings, entries = [], []
    for shopper, means in language["words"]:
        entries.append("{%s, {%sMeanings.data() + %d, %d}}"
                       % (cpp_string(shopper), prefix, len(meanings), len(means)))
        meanings.extend(cpp_string(meaning) for meaning in means)
    out.append(table(prefix + "Meanings", "std::string_view", meanings))
    out.append(table(prefix + "Words", "VocabularyEntry", entries))
    fields = ["Small", "Range", "Below", "Above", "Between", "Units", "Singular", "Numerals",
              "Words"]
    return "    {%s, %s},\n" % (cpp_string(language["code"]),
                                ", ".join(prefix + field for field in fields))


def main(argv):
    if len(argv) < 3:
        sys.exit(__doc__)
    kinds = {}
    try:
        languages = [read_language(path, kinds) for path in argv[2:]]
    except (WordFileError, OSError, UnicodeDecodeError) as error:
        sys.exit("error: %s" % error)
    out = ["// Made by scripts/make-word-tables.py from the word files; edit those instead.\n",
           "#pragma once\n\n#include \"find/vocabulary.h\"\n\n#include <array>\n\n",
           "namespace benchlist::words {\n\n",
           "inline constexpr std::size_t kLongestPhrase = %d;\n\n" % MOST_SHOPPER_WORDS]
    rows = [write_language(out, language) for language in languages]
    out.append("inline constexpr std::array<LanguageData, %d> kLanguages{{\n%s}};\n\n"
               % (len(rows), "".join(rows)))
    out.append("} // namespace benchlist::words\n")
    text = "".join(out)
    if not os.path.exists(argv[1]) or open(argv[1], encoding="utf-8").read() != text:
        with open(argv[1], "w", encoding="utf-8") as output:
            output.write(text)


if __name__ == "__main__":
    main(sys.argv)
