#!/usr/bin/env python3

# SPDX-FileCopyrightText: 2026 Veldmark
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""Fails when a translation in translations/ would ship unfinished or stale.

Every message of every .ts file must be translated (no type="unfinished"),
none may be left over from a text the program no longer shows
(type="vanished" or "obsolete"), and each translation must keep its source's
place markers (%1, %2) and, where the source has one, a keyboard accelerator
(&) as Qt reads it: an "&" marks the character after it, whatever it is, so
"Laufwerke & Peripherie" takes Alt+Space. The catalogue's texts are shown as
written, their "&" doubled, and hold no accelerator. Prints every message that breaks this and ends with status 1; status 0
when none does. With file names as arguments, checks those files instead.
"""
import re
import sys
import xml.etree.ElementTree as ET
from pathlib import Path

ROOT = Path(__file__).resolve().parent.parent


def accelerators(text):
    return len(re.findall(r"&[^&]", text.replace("&&", "")))


def problems(path):
    found = []
    root = ET.parse(path).getroot()
    for context in root.iter("context"):
        name = context.findtext("name")
        for message in context.iter("message"):
            source = message.findtext("source") or ""
            node = message.find("translation")
            kind = node.get("type") if node is not None else "missing"
            where = f"{path.name}: {name}: {source[:60]!r}"
            # A message with a count has a form per plural, each checked alike,
            # and each says its count.
            forms = [form.text or "" for form in node.iter("numerusform")] if node is not None else []
            if "%n" in source and not all("%n" in form for form in forms):
                found.append(f"{where}: a plural form without its count")
            texts = forms or [(node.text or "") if node is not None else ""]
            for text in texts:
                if kind in ("unfinished", "vanished", "obsolete", "missing") or not text:
                    found.append(f"{where}: {kind or 'empty'}")
                elif sorted(re.findall(r"%\d", source)) != sorted(re.findall(r"%\d", text)):
                    found.append(f"{where}: place markers differ: {text!r}")
                elif (
                    name != "Catalogue"
                    and "<a href" not in source
                    and accelerators(source) != accelerators(text)
                ):
                    found.append(f"{where}: accelerator lost or added: {text!r}")
    return found


def main(arguments):
    files = [Path(a) for a in arguments] or sorted((ROOT / "translations").glob("*.ts"))
    if not files:
        print("no .ts files found")
        return 1
    found = [line for path in files for line in problems(path)]
    for line in found:
        print(line)
    return 1 if found else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
