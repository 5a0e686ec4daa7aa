#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 Veldmark
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Measures Benchlist against the plain Qt baseline: installs what is missing,
# builds both as Release in build/bench and runs bench/run_bench.py (arguments
# are passed on, e.g. --runs 25). Prints a table; never fails on a figure.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/deps.sh
install_missing "${BUILD_PACKAGES[@]}" "${RUN_PACKAGES[@]}" "${BENCH_PACKAGES[@]}"
cmake -S . -B build/bench -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF >/dev/null
cmake --build build/bench --parallel "$(nproc)" >/dev/null
python=python3
[ -x /usr/bin/python3 ] && python=/usr/bin/python3
exec "$python" bench/run_bench.py --build build/bench "$@"
