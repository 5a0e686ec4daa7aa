#!/usr/bin/env bash
# Installs the build into a scratch directory, as a package would, and checks
# the desktop integration: the program, its menu entry, its icon, its
# AppStream description, its manual page, its bash completion and the search
# service's files, each in its place and valid.
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
bus_name=$app_id.SearchProvider
service=share/dbus-1/services/$bus_name.service
provider=share/gnome-shell/search-providers/$app_id.search-provider.ini
runner=share/krunner/dbusplugins/$app_id.desktop
for file in bin/benchlist "$desktop" "$metainfo" "$icon" share/man/man1/benchlist.1.gz \
    share/bash-completion/completions/benchlist "$service" "$provider" "$runner"; do
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
appstreamcli validate --no-net "$root/$metainfo" || fail "appstreamcli rejects $metainfo"
appstreamcli validate-tree --no-net "$stage" || fail "appstreamcli rejects the installed tree"

[ "$("$root/bin/benchlist" --version)" = "benchlist 1.00" ] \
    || fail "the installed program does not answer --version"
echo "installed tree and its desktop files are valid"
