#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 Veldmark
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Installs what is missing, builds a Release binary and starts Benchlist.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/deps.sh
install_missing "${BUILD_PACKAGES[@]}" "${RUN_PACKAGES[@]}"
cmake -S . -B build/release -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF -DBENCHLIST_BENCHMARKS=OFF
cmake --build build/release --parallel "$(nproc)"
exec build/release/src/benchlist
