#!/usr/bin/env bash
# Installs the build into a scratch directory, as a package would, and checks
# the desktop integration: the program, its menu entry, its icon, its
# AppStream description, its manual page and its bash completion, each in its
# place and valid.
#   check-install.sh BUILD_DIR APP_ID
set -euo pipefail
build=$1
app_id=$2

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
for file in bin/benchlist "$desktop" "$metainfo" "$icon" share/man/man1/benchlist.1.gz \
    share/bash-completion/completions/benchlist; do
    [ -f "$root/$file" ] || fail "cmake --install did not put $file under the prefix"
done
[ -x "$root/bin/benchlist" ] || fail "bin/benchlist is not executable"

# The entry starts the installed program by name and shows the installed icon.
grep -qx 'Exec=benchlist' "$root/$desktop" || fail "the entry does not run benchlist"
grep -qx 'Icon=benchlist' "$root/$desktop" || fail "the entry does not name the icon benchlist"
file -b "$root/$icon" | grep -q '^PNG image data, 32 x 32,' \
    || fail "the icon is not a 32 x 32 PNG: $(file -b "$root/$icon")"
# X11 desktops match the program's windows to the entry by their class, Wayland
# desktops by the app id, which the program takes from the entry's name.
grep -qx 'StartupWMClass=benchlist' "$root/$desktop" || fail "the entry's StartupWMClass is not benchlist"
grep -qaF "$app_id" "$root/bin/benchlist" || fail "the program does not name $app_id as its app id"
grep -q "<launchable type=\"desktop-id\">$app_id.desktop</launchable>" "$root/$metainfo" \
    || fail "the AppStream description does not launch $app_id.desktop"

desktop-file-validate "$root/$desktop" || fail "desktop-file-validate rejects $desktop"
appstreamcli validate --no-net "$root/$metainfo" || fail "appstreamcli rejects $metainfo"
appstreamcli validate-tree --no-net "$stage" || fail "appstreamcli rejects the installed tree"

[ "$("$root/bin/benchlist" --version)" = "benchlist 1.00" ] \
    || fail "the installed program does not answer --version"
echo "installed tree and its desktop files are valid"
