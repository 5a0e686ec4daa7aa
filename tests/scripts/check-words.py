#!/usr/bin/env python3

# SPDX-FileCopyrightText: 2026 Veldmark
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""Checks the word files that find reads (words/*.txt) against the catalogue.

For each file: every line parses; no shopper's phrase (the left side of a
[words] line) is written twice; every catalogue word of a right side is held,
all of one alternative together, by some one page's text, drop-down caption or
window title (tests/data/catalogue-reference.tsv); and in the files of other
languages than English no shopper's phrase is itself made of the catalogue's
words, since the catalogue's own word would then be shadowed by a translation.

Prints each fault as FILE:LINE: MESSAGE and ends with status 1; status 0 when
there is none. Run by hand as `python3 tests/scripts/check-words.py [FILE...]`.
"""
import re
import sys
import unicodedata
from pathlib import Path

ROOT = Path(__file__).resolve().parents[2]
CATALOGUE = ROOT / "tests" / "data" / "catalogue-reference.tsv"
MAX_PHRASE_WORDS = 3


def fold(text):
    """Lower case, marks dropped, compatibility forms made plain, ß as ss."""
    text = unicodedata.normalize("NFKD", text.casefold())
    return "".join(c for c in text if not unicodedata.combining(c)).casefold()


def singular(word):
    """The form an English plural and its singular share."""
    if len(word) > 4 and word.endswith("ies"):
        return word[:-3] + "y"
    if len(word) > 4 and word.endswith(("sses", "shes", "ches", "xes", "zes")):
        return word[:-2]
    if len(word) > 3 and word.endswith("s") and not word.endswith("ss"):
        return word[:-1]
    return word


def words_of(text, joined=False):
    """The folded, singular words of a text: apostrophes dropped, any other
    character that is no letter or digit a separator. With `joined`, also each
    two neighbours written as one ("video conferencing" as "videoconferencing"),
    as find takes them."""
    text = fold(text).replace("'", "").replace("\u2019", "")
    words = [w for w in re.split(r"[^\w]+|_", text) if w]
    pairs = [a + b for a, b in zip(words, words[1:])] if joined else []
    return [singular(w) for w in words + pairs]


def catalogue_records():
    """Each page's words: its text, its drop-down's caption, its window's title."""
    titles, pages = {}, []
    for line in CATALOGUE.read_text(encoding="utf-8").splitlines():
        if line.startswith("#"):
            continue
        cols = line.split("\t")
        if len(cols) < 6:
            continue
        if cols[4] == "window":
            titles[cols[0]] = cols[2]
        elif cols[4] == "page":
            pages.append((cols[0], cols[2], cols[5]))
    return [set(words_of(text, True) + words_of(caption, True)
                + words_of(titles.get(window, ""), True)) for window, caption, text in pages]


def parse(path, faults):
    """The [words] entries of a file as (line, phrases, alternatives)."""
    entries, section = [], None
    for number, raw in enumerate(path.read_text(encoding="utf-8").splitlines(), 1):
        line = raw.split("#", 1)[0].strip()
        where = f"{path}:{number}"
        if not line:
            continue
        if re.fullmatch(r"\[[a-z]+\]", line):
            section = line[1:-1]
            continue
        if line != line.lower():
            faults.append(f"{where}: write it in lower case: {line}")
        if section is None:
            faults.append(f"{where}: a line before any [section]")
        if section != "words":
            continue
        if line.count("=") != 1:
            faults.append(f"{where}: a [words] line needs one '=': {line}")
            continue
        left, right = (side.strip() for side in line.split("="))
        phrases = [p.strip() for p in left.split(",")]
        alternatives = [a.strip() for a in right.split("|")]
        if not all(phrases) or not all(alternatives):
            faults.append(f"{where}: an empty phrase or catalogue word: {line}")
            continue
        for phrase in phrases:
            if len(phrase.split()) > MAX_PHRASE_WORDS:
                faults.append(f"{where}: more than {MAX_PHRASE_WORDS} words: {phrase}")
        entries.append((where, phrases, alternatives))
    return entries


def check(path, records, catalogue_words):
    faults = []
    entries = parse(path, faults)
    english = path.stem == "en"
    seen = {}
    for where, phrases, alternatives in entries:
        for phrase in phrases:
            key = " ".join(words_of(phrase) if english else fold(phrase).split())
            if key in seen:
                faults.append(f"{where}: '{phrase}' is written twice (first at {seen[key]})")
            seen.setdefault(key, where.rsplit(":", 1)[1])
            own = words_of(phrase)
            if not english and own and all(w in catalogue_words for w in own):
                faults.append(f"{where}: '{phrase}' is the catalogue's own English and "
                              "would shadow it")
        for alternative in alternatives:
            wanted = set(words_of(alternative))
            if not any(wanted <= record for record in records):
                faults.append(f"{where}: no page holds '{alternative}'")
    return faults


def main(argv):
    files = [Path(a) for a in argv[1:]] or sorted((ROOT / "words").glob("*.txt"))
    records = catalogue_records()
    catalogue_words = set().union(*records)
    faults = [fault for path in files for fault in check(path, records, catalogue_words)]
    for fault in faults:
        print(fault)
    print(f"{len(files)} word files checked, {len(faults)} faults")
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
