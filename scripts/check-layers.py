#!/usr/bin/env python3

# SPDX-FileCopyrightText: 2026 Veldmark
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""Fails when a source file includes a header from a layer its own may not use.

Each folder under src/ is one layer; a file may include headers of its own
layer and of the layers its own reaches through USES. Prints every file and
include that breaks this and ends with status 1; status 0 when none does.
"""
import re
import sys
from pathlib import Path

# The layers each layer uses directly; what they use, it may use too. The
# search service and the widgets use neither the other, so that the service
# never comes to need a window. The widgets are one library, built in three
# steps.
USES = {
    "base": [],
    "catalogue": ["base"],
    "core": ["catalogue"],
    "find": ["core"],
    "usage": ["find"],
    "translation": ["find"],
    "settings": ["translation", "usage"],
    "service": ["settings"],
    "widgets/forms": ["core", "translation"],
    "widgets/browse": ["widgets/forms", "translation", "usage"],
    "widgets/shell": ["widgets/browse", "settings"],
    "app": ["widgets/shell", "service"],
    # Not a folder: where the tests and benchmarks not named in OUTSIDE stand.
    "(tests)": ["widgets/shell", "service"],
}

# These layers build without Qt.
QT_FREE = {"base", "catalogue", "core", "find", "usage"}

# Files outside src/ sit on a layer too: the display-free test suite on find,
# the find benchmark on the store of pages opened; the command line's tests
# and the baseline program, which starts as the program does, stand on the
# program's own layer, and so does the fuzz target that reads the command
# line; the rest may use the windows, the service and all below them.
OUTSIDE = {"tests/tst_core.cpp": "find", "bench/bench_find.cpp": "usage",
           "tests/tst_cli.cpp": "app", "bench/baseline.cpp": "app",
           "tests/fuzz/fuzz_search.cpp": "app"}
OUTSIDE_DEFAULT = "(tests)"


def reachable(layer):
    """`layer` and every layer it uses, directly or through others."""
    seen, todo = set(), [layer]
    while todo:
        current = todo.pop()
        if current not in seen:
            seen.add(current)
            todo.extend(USES[current])
    return seen


INCLUDE = re.compile(r'^\s*#\s*include\s*([<"])([^>"]+)[>"]')


def layer_of(path):
    """The layer a path under src/ (or an include path) belongs to, or None."""
    matches = [layer for layer in USES if path == layer or path.startswith(layer + "/")]
    return max(matches, key=len) if matches else None


def file_layer(root, file):
    relative = file.relative_to(root).as_posix()
    if relative.startswith("src/"):
        return layer_of(relative[len("src/"):])
    return OUTSIDE.get(relative, OUTSIDE_DEFAULT)


def problems(root, file):
    own = file_layer(root, file)
    if own is None:
        return
    allowed = reachable(own)
    in_src = file.relative_to(root).parts[0] == "src"
    for number, line in enumerate(file.read_text(encoding="utf-8").splitlines(), 1):
        match = INCLUDE.match(line)
        if not match:
            continue
        bracket, header = match.groups()
        where = f"{file.relative_to(root).as_posix()}:{number}"
        if bracket == '"':
            target = layer_of(header)
            if target is not None and target not in allowed:
                yield f'{where}: includes "{header}" from {target}/, which {own}/ may not use'
        elif in_src and own in QT_FREE and re.match(r"Q[A-Za-z]|Qt", header):
            yield f"{where}: includes <{header}>, but {own}/ builds without Qt"


def main():
    root = Path(__file__).resolve().parent.parent
    files = sorted(
        file
        for folder in ("src", "tests", "bench")
        for file in (root / folder).rglob("*")
        if file.suffix in {".h", ".cpp", ".in"} and file.is_file()
    )
    found = [problem for file in files for problem in problems(root, file)]
    for problem in found:
        print(problem, file=sys.stderr)
    if found:
        print(f"check-layers: {len(found)} include(s) against the layers", file=sys.stderr)
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
