#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 Veldmark
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Installs the build into a scratch directory, as a package would, and checks
# the desktop integration: the program, its menu entry, its icon, its
# AppStream description, its manual page, its bash completion and the search
# service's files, each in its place and valid.
#   check-install.sh BUILD_DIR APP_ID PROGRAM_VERSION
set -euo pipefail
build=$1
app_id=$2
program_version=$3

for tool in desktop-file-validate appstreamcli file; do
    if ! command -v "$tool" >/dev/null; then
        echo "SKIPPED: $tool is missing (bash scripts/build-and-test.sh installs it)"
        exit 77
    fi
done

fail() {
    echo "FAILED: $*"
    exit 1
}

stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
DESTDIR=$stage cmake --install "$build" --prefix /usr >/dev/null
root=$stage/usr

desktop=share/applications/$app_id.desktop
metainfo=share/metainfo/$app_id.metainfo.xml
icon=share/icons/hicolor/32x32/apps/benchlist.png
bus_name=$app_id.SearchProvider
service=share/dbus-1/services/$bus_name.service
provider=share/gnome-shell/search-providers/$app_id.search-provider.ini
runner=share/krunner/dbusplugins/$app_id.desktop
for file in bin/benchlist "$desktop" "$metainfo" "$icon" share/man/man1/benchlist.1.gz \
    share/bash-completion/completions/benchlist "$service" "$provider" "$runner"; do
    [ -f "$root/$file" ] || fail "cmake --install did not put $file under the prefix"
done
[ -x "$root/bin/benchlist" ] || fail "bin/benchlist is not executable"

# The entry starts the installed program by its full path, whatever the PATH,
# and shows the installed icon, at each of the desktop's sizes.
grep -qx 'Exec=/usr/bin/benchlist' "$root/$desktop" || fail "the entry does not run /usr/bin/benchlist"
grep -qx 'Icon=benchlist' "$root/$desktop" || fail "the entry does not name the icon benchlist"
for size in 16 22 24 32 48 64 128 256; do
    sized=share/icons/hicolor/${size}x$size/apps/benchlist.png
    file -b "$root/$sized" | grep -q "^PNG image data, $size x $size," \
        || fail "$sized is not a $size x $size PNG: $(file -b "$root/$sized")"
done
scalable=share/icons/hicolor/scalable/apps/benchlist.svg
file -b "$root/$scalable" | grep -q '^SVG Scalable Vector Graphics image' \
    || fail "$scalable is not an SVG picture: $(file -b "$root/$scalable")"
# X11 desktops match the program's windows to the entry by their class, Wayland
# desktops by the app id, which the program takes from the entry's name.
grep -qx 'StartupWMClass=benchlist' "$root/$desktop" || fail "the entry's StartupWMClass is not benchlist"
grep -qaF "$app_id" "$root/bin/benchlist" || fail "the program does not name $app_id as its app id"
grep -q "<launchable type=\"desktop-id\">$app_id.desktop</launchable>" "$root/$metainfo" \
    || fail "the AppStream description does not launch $app_id.desktop"

# The launcher finds and names the program in each language it speaks.
for language in de es fr; do
    for key in Name GenericName Comment Keywords; do
        grep -q "^$key\[$language\]=." "$root/$desktop" || fail "the entry has no $key[$language]"
    done
done
desktop-file-validate "$root/$desktop" || fail "desktop-file-validate rejects $desktop"
desktop-file-validate "$root/$runner" || fail "desktop-file-validate rejects $runner"

# The bus starts the installed program for the name that the desktop's search asks for.
has() {
    grep -qxF -- "$2" "$root/$1" || fail "$1 lacks the line '$2'"
}
has "$service" "[D-BUS Service]"
has "$service" "Name=$bus_name"
has "$service" "Exec=/usr/bin/benchlist --search-service"
has "$provider" "[Shell Search Provider]"
has "$provider" "DesktopId=$app_id.desktop"
has "$provider" "BusName=$bus_name"
has "$provider" "Version=2"
has "$runner" "X-Plasma-API=DBus"
has "$runner" "X-Plasma-DBusRunner-Service=$bus_name"
path=$(sed -n 's/^ObjectPath=//p' "$root/$provider")
[[ $path == /* ]] || fail "$provider has no object path"
grep -q '^X-Plasma-DBusRunner-Path=/' "$root/$runner" || fail "$runner has no object path"
appstreamcli validate --pedantic --no-net "$root/$metainfo" || fail "appstreamcli rejects $metainfo"
appstreamcli validate-tree --pedantic --no-net "$stage" || fail "appstreamcli rejects the installed tree"

[ "$("$root/bin/benchlist" --version)" = "benchlist $program_version" ] \
    || fail "the installed program does not answer --version"
echo "installed tree and its desktop files are valid"
