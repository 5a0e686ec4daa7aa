#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 Veldmark
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Installs what is missing, builds with warnings as errors and runs every test,
# the layer check among them.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/deps.sh
install_missing "${BUILD_PACKAGES[@]}" "${RUN_PACKAGES[@]}" "${TEST_PACKAGES[@]}"
cmake -S . -B build/test -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBENCHLIST_WERROR=ON -DBUILD_TESTING=ON
cmake --build build/test --parallel "$(nproc)"
ctest --test-dir build/test --output-on-failure --timeout 600

# The program and its offscreen suites again, with AddressSanitizer and
# UndefinedBehaviorSanitizer, and with other site addresses so that none can be
# fixed in the code by mistake. UBSan's null checks stay off: with them GCC no
# longer compares the addresses of two catalogue windows at compile time, which
# the catalogue's static_asserts do; AddressSanitizer reports a null access anyway.
sanitizers="-fsanitize=address,undefined -fno-sanitize=null,nonnull-attribute,returns-nonnull-attribute"
cmake -S . -B build/asan -DCMAKE_BUILD_TYPE=Debug -DBENCHLIST_WERROR=ON -DBUILD_TESTING=ON \
    -DBENCHLIST_BENCHMARKS=OFF \
    -DCMAKE_CXX_FLAGS="$sanitizers -fno-sanitize-recover=all -fno-omit-frame-pointer" \
    -DCMAKE_EXE_LINKER_FLAGS="$sanitizers" \
    -DBENCHLIST_SITE_BASE=http://shop.test.invalid:8080 \
    -DBENCHLIST_AFFILIATE_BASE=http://aff.test.invalid \
    -DBENCHLIST_PUBLISHER_NUMBER=987654
cmake --build build/asan --parallel "$(nproc)" --target fast_lane
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    ctest --test-dir build/asan --output-on-failure --timeout 600 -L fast

# The parts that own threads, the store's writer and the opener, driven from
# several threads at once by a check without Qt, under ThreadSanitizer. Its
# store, cleared a thousand times, lives in memory (/dev/shm where there is
# one), so that the clears do not wait on a disk.
cmake -S . -B build/tsan -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBENCHLIST_WERROR=ON -DBUILD_TESTING=ON \
    -DBENCHLIST_BENCHMARKS=OFF \
    -DCMAKE_CXX_FLAGS="-fsanitize=thread" -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=thread"
cmake --build build/tsan --parallel "$(nproc)" --target thread_checks
tsan_state=$(mktemp -d "$( [ -w /dev/shm ] && echo /dev/shm || echo "${TMPDIR:-/tmp}")/benchlist-tsan.XXXXXX")
TSAN_OPTIONS=halt_on_error=1 build/tsan/tests/thread_checks "$tsan_state"
rm -rf "$tsan_state"

# The fuzz targets (tests/fuzz), built with clang for its libFuzzer, with the
# libraries they test under AddressSanitizer and UndefinedBehaviorSanitizer,
# each run for a minute from its seed corpus. Warnings are the GCC builds' to
# stop on; clang has warnings of its own.
CC=clang CXX=clang++ cmake -S . -B build/fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DBUILD_TESTING=ON -DBENCHLIST_FUZZ=ON -DBENCHLIST_BENCHMARKS=OFF
cmake --build build/fuzz --parallel "$(nproc)" --target fuzz_find fuzz_search
ctest --test-dir build/fuzz --output-on-failure --timeout 600 -L '^fuzz$'
