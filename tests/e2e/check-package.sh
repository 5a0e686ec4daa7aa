#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 Veldmark
#
# SPDX-License-Identifier: GPL-3.0-or-later

# The Debian package.
#   check-package.sh build   BUILD_DIR DEB_DIR VERSION PROGRAM_VERSION
#       runs cpack in the build tree and checks the .deb's name, dependencies
#       and contents, and with lintian (a skip when lintian is missing);
#   check-package.sh licences BUILD_DIR DEB_DIR VERSION PROGRAM_VERSION
#       checks with reuse lint that every file of the sources says its
#       copyright and licence;
#   check-package.sh reproducible BUILD_DIR DEB_DIR VERSION PROGRAM_VERSION
#       builds the last commit twice, in two folders of BUILD_DIR, one after the
#       other and under two umasks, and compares the two .deb files byte for
#       byte (diffoscope shows what differs);
#   check-package.sh install BUILD_DIR DEB_DIR VERSION PROGRAM_VERSION
#       (root only) installs that .deb with apt-get, as a user would, starts the
#       installed program, reads its manual page with man and loads its
#       completion in bash, and removes the package again.
set -euo pipefail
mode=$1
build=$(realpath "$2")
deb_dir=$(realpath -m "$3")
version=$4
program_version=$5

fail() {
    echo "FAILED: $*"
    exit 1
}
skip() {
    echo "SKIPPED: $*"
    exit 77
}

sources=$(cd "$(dirname "$0")/../.." && pwd)
if [ "$mode" = licences ]; then
    command -v reuse >/dev/null || skip "reuse is missing (bash scripts/build-and-test.sh installs it)"
    cd "$sources"
    reuse lint || fail "reuse lint: files above lack their copyright or licence"
    exit 0
fi

for tool in cpack dpkg dpkg-deb dpkg-shlibdeps; do
    command -v "$tool" >/dev/null || skip "$tool is missing (bash scripts/build-and-test.sh installs it)"
done
deb=$deb_dir/benchlist_${version}_$(dpkg --print-architecture).deb
desktop_files=(
    ./usr/bin/benchlist
    ./usr/share/applications/example.veldmark.benchlist.desktop
    ./usr/share/metainfo/example.veldmark.benchlist.metainfo.xml
    ./usr/share/icons/hicolor/32x32/apps/benchlist.png
    ./usr/share/icons/hicolor/256x256/apps/benchlist.png
    ./usr/share/icons/hicolor/scalable/apps/benchlist.svg
    ./usr/share/dbus-1/services/example.veldmark.benchlist.SearchProvider.service
    ./usr/share/gnome-shell/search-providers/example.veldmark.benchlist.search-provider.ini
    ./usr/share/krunner/dbusplugins/example.veldmark.benchlist.desktop
    ./usr/share/man/man1/benchlist.1.gz
    ./usr/share/bash-completion/completions/benchlist
    ./usr/share/doc/benchlist/copyright
    ./usr/share/doc/benchlist/changelog.gz
)

# Builds the commit COMMIT of the sources in the folder DIR under the umask
# UMASK, from a clone of its own, and packages it into DIR/deb.
build_commit() {
    local commit=$1 dir=$2 mask=$3
    rm -rf "$dir"
    mkdir -p "$dir"
    {
        git clone -q --shared --no-checkout "$sources" "$dir/src" \
            && git -C "$dir/src" checkout -q --detach "$commit" \
            && (umask "$mask" \
                && cmake -S "$dir/src" -B "$dir/build" -DCMAKE_BUILD_TYPE=Release \
                    -DBUILD_TESTING=OFF -DBENCHLIST_BENCHMARKS=OFF \
                && cmake --build "$dir/build" --parallel "$(nproc)" \
                && cd "$dir/build" && cpack -G DEB -B "$dir/deb")
    } >"$dir/log" 2>&1 || {
        tail -n 40 "$dir/log"
        fail "building $commit in $dir failed (the whole log is $dir/log)"
    }
}

case $mode in
build)
    rm -rf "$deb_dir"
    mkdir -p "$deb_dir"
    (cd "$build" && cpack -G DEB -B "$deb_dir" --config CPackConfig.cmake) \
        || fail "cpack could not build the package"
    [ -f "$deb" ] || fail "no $(basename "$deb") in $deb_dir: $(ls "$deb_dir")"
    dpkg-deb -I "$deb"

    depends=$(dpkg-deb -f "$deb" Depends)
    names=$(tr ',' '\n' <<<"$depends" | awk '{print $1}')
    for package in libqt6widgets6 libqt6gui6 libqt6dbus6 libqt6core6 libstdc++6 libc6 \
        fonts-dejavu-core fonts-liberation xdg-utils; do
        grep -qxF -- "$package" <<<"$names" \
            || fail "the package does not depend on $package: $depends"
    done
    contents=$(dpkg-deb -c "$deb" | awk '{print $NF}')
    for file in "${desktop_files[@]}"; do
        grep -qx -- "$file" <<<"$contents" || fail "the package lacks $file"
    done
    # The bus starts the program where the package puts it.
    service=$(dpkg-deb --fsys-tarfile "$deb" \
        | tar -xO ./usr/share/dbus-1/services/example.veldmark.benchlist.SearchProvider.service)
    grep -qx 'Exec=/usr/bin/benchlist --search-service' <<<"$service" \
        || fail "the packaged service file does not start /usr/bin/benchlist: $service"
    # The newest release of the AppStream description is the package's.
    metainfo=$(dpkg-deb --fsys-tarfile "$deb" \
        | tar -xO ./usr/share/metainfo/example.veldmark.benchlist.metainfo.xml)
    newest=$(grep -m1 -o '<release version="[^"]*"' <<<"$metainfo")
    [ "$newest" = "<release version=\"$version\"" ] \
        || fail "the newest release of the AppStream description is not $version: $newest"
    # Without lintian the package is built (package_install may use it) but
    # not checked through, which is a skip, not a pass.
    command -v lintian >/dev/null \
        || skip "lintian is missing, so $(basename "$deb") is built but not checked with it" \
            "(bash scripts/build-and-test.sh installs it)"
    # lintian says once that it runs as root, which is no finding.
    findings=$(lintian "$deb" 2>&1 | grep -vxF 'running with root privileges is not recommended!') \
        || true
    [ -z "$findings" ] || fail "lintian: $findings"
    echo "built $(basename "$deb")"
    ;;
reproducible)
    command -v git >/dev/null || skip "git is missing"
    commit=$(git -C "$sources" rev-parse HEAD) || skip "$sources is not a git checkout"
    work=$build/reproducible
    echo "building $commit twice in $work (SOURCE_DATE_EPOCH ${SOURCE_DATE_EPOCH:-from the commit})"
    build_commit "$commit" "$work/first" 0022
    echo "first build done at $(date -u +%T)"
    build_commit "$commit" "$work/second-build" 0002
    echo "second build done at $(date -u +%T)"
    name=$(basename "$deb")
    one=$work/first/deb/$name
    two=$work/second-build/deb/$name
    if ! cmp -s "$one" "$two"; then
        if command -v diffoscope >/dev/null; then
            # diffoscope's status says that they differ, which is known here.
            diffoscope --text - "$one" "$two" | head -n 200 || true
        fi
        fail "two builds of $commit give two different packages"
    fi
    echo "both builds of $commit give $(sha256sum <"$one" | cut -d' ' -f1) $name"
    ;;
install)
    [ "$(id -u)" -eq 0 ] || skip "installing the package needs root; built $deb"
    if dpkg-query -W -f='${Status}' benchlist 2>/dev/null | grep -q 'install ok installed'; then
        skip "a benchlist package is already installed here; it is left alone"
    fi
    [ -f "$deb" ] || fail "$deb is missing (the package_build test makes it)"
    remove() {
        DEBIAN_FRONTEND=noninteractive apt-get remove -y -q benchlist >/dev/null
    }
    trap remove EXIT
    DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends "$deb" \
        || fail "apt-get could not install $deb"
    for file in "${desktop_files[@]}"; do
        [ -f "${file#.}" ] || fail "the installed package lacks ${file#.}"
    done
    answer=$(/usr/bin/benchlist --version) || fail "the installed program did not start"
    [ "$answer" = "benchlist $program_version" ] || fail "the installed program answered '$answer'"
    page=/usr/share/man/man1/benchlist.1.gz
    warnings=$(MANWIDTH=80 man --warnings -l "$page" 2>&1 >/dev/null) \
        || fail "man -l cannot show $page: $warnings"
    [ -z "$warnings" ] || fail "man -l warns about $page: $warnings"
    for heading in OPTIONS 'EXIT STATUS' ENVIRONMENT FILES; do
        MANWIDTH=80 MANPAGER=cat man -l "$page" | grep -qx "$heading" \
            || fail "the manual page has no $heading"
    done
    # shellcheck disable=SC2016 # expanded by the inner bash
    loaded=$(bash -c 'source "$1" && complete -p benchlist' _ \
        /usr/share/bash-completion/completions/benchlist) \
        || fail "the bash completion does not load"
    [ "$loaded" = "complete -F _benchlist benchlist" ] || fail "bash completes with: $loaded"
    trap - EXIT
    remove || fail "apt-get could not remove the package"
    [ ! -e /usr/bin/benchlist ] || fail "/usr/bin/benchlist is still there after removal"
    echo "installed, started ($answer) and removed $(basename "$deb")"
    ;;
*)
    fail "unknown mode $mode"
    ;;
esac
