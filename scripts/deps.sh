# SPDX-FileCopyrightText: 2026 Veldmark
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Debian packages the build, the program and its tests need; sourced by the other scripts.
# shellcheck shell=bash

BUILD_PACKAGES=(cmake g++ make qt6-base-dev qt6-base-dev-tools libgl-dev pkg-config scdoc
    libsqlite3-dev qt6-tools-dev qt6-tools-dev-tools qt6-l10n-tools libutf8proc-dev python3)
RUN_PACKAGES=(fonts-dejavu-core fonts-liberation xdg-utils qt6-wayland qt6-translations-l10n)
TEST_PACKAGES=(xvfb openbox xdotool x11-utils x11-xserver-utils imagemagick xclip python3
    desktop-file-utils appstream dpkg-dev file libbenchmark-dev firefox-esr sqlite3
    dbus-daemon dbus-bin at-spi2-core python3-pyatspi man-db weston libglib2.0-bin
    python3-dbus orca speech-dispatcher speech-dispatcher-audio-plugins x11-xkb-utils clang
    libclang-rt-14-dev lintian reuse strip-nondeterminism diffoscope-minimal git
    qt6-base-private-dev)
# What bench/run.sh needs besides the build: an X server, an X client library
# that sees windows draw, and callgrind.
BENCH_PACKAGES=(xvfb python3-xlib valgrind libbenchmark-dev)

# Installs whichever of the given packages are missing, with sudo when not root.
install_missing() {
    local missing=()
    local package
    for package in "$@"; do
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" \
            || missing+=("$package")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    local sudo=()
    [ "$(id -u)" -eq 0 ] || sudo=(sudo)
    echo "Installing: ${missing[*]}"
    "${sudo[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends \
        "${missing[@]}"
}
