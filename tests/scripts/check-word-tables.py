#!/usr/bin/env python3

# SPDX-FileCopyrightText: 2026 Veldmark
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""Feeds scripts/make-word-tables.py broken word files and checks that each
stops the build with its file, line and exact message, and never with a
Python traceback. Status 0 when every case says what it should."""
import subprocess
import sys
import tempfile
from pathlib import Path

ROOT = Path(__file__).resolve().parents[2]
GENERATOR = ROOT / "scripts" / "make-word-tables.py"

SINGULAR = 'a singular rule is "plural ending = singular ending, shortest word", as in "ies = y, 5"'
CASES = [
    ("[units]\nghz = speed, nan\n",
     '2: the scale of a unit must be a decimal number, as in "1024", not "nan"'),
    ("[units]\nghz = speed, inf\n",
     '2: the scale of a unit must be a decimal number, as in "1024", not "inf"'),
    ("[units]\nghz = speed, \u0661\u0662\n",
     '2: the scale of a unit must be a decimal number, as in "1024", not "\u0661\u0662"'),
    ("[singular]\nies = y, \u00b2\n", "2: " + SINGULAR),
    ("\ufeff[small]\na\n",
     "1: the file starts with a byte-order mark; save it as UTF-8 without one"),
    ("[words]\nusb-c-to-a-adapter = adapter\n",
     '2: "usb-c-to-a-adapter": at most 3 words a shopper types, as find counts them'),
]


def main():
    failed = 0
    with tempfile.TemporaryDirectory() as folder:
        for text, expected in CASES:
            words = Path(folder) / "en.txt"
            words.write_text(text, encoding="utf-8")
            run = subprocess.run([sys.executable, str(GENERATOR), str(Path(folder) / "out.h"),
                                  str(words)], capture_output=True, text=True, check=False)
            said = run.stderr.strip()
            if run.returncode == 0 or said != "error: %s:%s" % (words, expected):
                print("%r\n  said:     %s\n  expected: error: %s:%s" % (text, said, words, expected))
                failed += 1
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
