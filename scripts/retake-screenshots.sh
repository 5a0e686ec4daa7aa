#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 Veldmark
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Retakes every picture of a window in docs/ from the program as built now:
# the desktop test (tests/e2e/desktop_e2e.py) drives the real program on an X
# server of its own and photographs the windows on its way; this builds the
# program, runs that test and copies its pictures here. Needs what the test
# needs (Xvfb, openbox, xdotool, xclip; scripts/deps.sh installs them).
#
#     scripts/retake-screenshots.sh [BUILD-FOLDER]     (default build/test)
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${1:-$root/build/test}
cmake --build "$build" --target benchlist --parallel 2
ctest --test-dir "$build" -R '^e2e_desktop$' --output-on-failure
shots=$build/tests/e2e/screenshots
for picture in main-window main-window-2x main-window-de main-window-fr monitors-window \
    monitors-window-de find-window find-window-de printers-window-es page-not-opened \
    open-pages-at; do
    cp "$shots/$picture.png" "$root/docs/$picture.png"
done
echo "docs/: every window picture retaken from $build"
