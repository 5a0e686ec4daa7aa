#!/usr/bin/env bash
# Installs what is missing, builds with warnings as errors and runs every test.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/deps.sh
install_missing "${BUILD_PACKAGES[@]}" "${RUN_PACKAGES[@]}" "${TEST_PACKAGES[@]}"
cmake -S . -B build/test -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBENCHLIST_WERROR=ON -DBUILD_TESTING=ON
cmake --build build/test --parallel "$(nproc)"
ctest --test-dir build/test --output-on-failure --timeout 600
