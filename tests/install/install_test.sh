#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Pantrova developers
# Installs Pantrova into temporary folders and checks what a user relies on: the folder holds exactly the
# program's files and still works after being moved or unpacked elsewhere, the desktop entry names the folder
# it was registered from, and uninstalling keeps the user's data. The Debian package installs into a scratch root
# with dpkg, works there and keeps its data in the user's data folder, which removing the package leaves alone.
# usage: install_test.sh moved|desktop|uninstall|package|deb <build dir> <source dir> <checker> <cmake> <cpack>
set -euo pipefail

case_name=$1 build=$2 source=$3 checker=$4 cmake=$5 cpack=$6
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
# Nothing may reach the real home folder or the user's application menu.
export HOME="$tmp/home" XDG_DATA_HOME="$tmp/data"
mkdir -p "$HOME"

fail() {
    echo "FAILED: $*" >&2
    exit 1
}

install_into() {
    "$cmake" --install "$build" --prefix "$1" >/dev/null
}

# The folder holds exactly what the program needs, nothing of the build folder's runs (a data file, a page).
expect_program_files() {
    local expected listed
    expected=$(printf '%s\n' "Pantrova Template.de.htm" "Pantrova Template.htm" libvarnetocx.so pantrova \
        pantrova-setup.sh pantrova.desktop pantrova.svg)
    listed=$(ls -A "$1" | LC_ALL=C sort)
    [ "$listed" = "$expected" ] || fail "$1 holds"$'\n'"$listed"$'\n'"instead of"$'\n'"$expected"
}

# Run from inside the folder, as the program would be, with nothing of the build folder to fall back on.
expect_working_folder() {
    local folder=$1 binary
    cp "$checker" "$folder/install_checker"
    (cd / && "$folder/install_checker") || fail "the checker failed in $folder"
    rm "$folder/install_checker"
    for binary in "$folder/pantrova" "$folder/libvarnetocx.so"; do
        ! ldd "$binary" | grep -F "not found" || fail "$binary misses libraries"
        ! readelf -d "$binary" | grep -E "R(UN)?PATH" | grep -F "$build" || fail "$binary still loads from $build"
    done
}

case $case_name in
moved)
    install_into "$tmp/prefix"
    expect_program_files "$tmp/prefix"
    mkdir -p "$tmp/moved elsewhere"
    mv "$tmp/prefix" "$tmp/moved elsewhere/Pantrova"
    expect_working_folder "$tmp/moved elsewhere/Pantrova"
    ;;

desktop)
    # Every character that Exec must escape, so the entry names this very folder.
    folder="$tmp/a b\$c%d\"e\\f/pantrova"
    install_into "$tmp/prefix"
    mkdir -p "$(dirname "$folder")"
    mv "$tmp/prefix" "$folder"
    "$folder/pantrova-setup.sh" register >/dev/null
    entry="$XDG_DATA_HOME/applications/pantrova.desktop"
    icon="$XDG_DATA_HOME/icons/hicolor/scalable/apps/pantrova.svg"
    grep -qxF "Exec=\"$tmp/a b\\\\\$c%%d\\\\\"e\\\\\\\\f/pantrova/pantrova\"" "$entry" || fail "Exec: $(grep ^Exec= "$entry")"
    grep -qxF "TryExec=$tmp/a b\$c%d\"e\\\\f/pantrova/pantrova" "$entry" || fail "TryExec: $(grep ^TryExec= "$entry")"
    grep -qxF "Icon=pantrova" "$entry" || fail "the entry names another icon"
    cmp -s "$folder/pantrova.svg" "$icon" || fail "the icon was not registered"
    if command -v desktop-file-validate >/dev/null; then
        desktop-file-validate "$entry" || fail "desktop-file-validate rejects $entry"
    else
        echo "desktop-file-validate is not installed (scripts/install-deps.sh installs it): entry not validated"
    fi
    "$folder/pantrova-setup.sh" unregister >/dev/null
    [ ! -e "$entry" ] && [ ! -e "$icon" ] || fail "unregister left the entry or the icon behind"

    # Without XDG_DATA_HOME the entry goes where the XDG rules put it: under ~/.local/share.
    (unset XDG_DATA_HOME && "$folder/pantrova-setup.sh" register >/dev/null)
    [ -f "$HOME/.local/share/applications/pantrova.desktop" ] || fail "no entry under ~/.local/share"
    ;;

uninstall)
    folder="$tmp/prefix"
    install_into "$folder"
    "$folder/pantrova-setup.sh" register >/dev/null
    printf 'data\n' | tee "$folder/Pantrova.dat" "$folder/Pantrova.dat.bak" "$folder/Pantrova.dat.damaged" \
        "$folder/Pantrova.htm" >/dev/null
    make -s -C "$source" uninstall PREFIX="$folder" >/dev/null
    [ "$(ls -A "$folder" | LC_ALL=C sort | tr '\n' ' ')" = "Pantrova.dat Pantrova.dat.bak Pantrova.dat.damaged " ] ||
        fail "after uninstalling, $folder holds: $(ls -A "$folder")"
    [ -z "$(find "$XDG_DATA_HOME" -type f)" ] || fail "the desktop entry or icon stayed registered"

    # A folder without data goes away entirely; a second uninstall finds nothing and says so.
    install_into "$tmp/empty"
    make -s -C "$source" uninstall PREFIX="$tmp/empty" >/dev/null
    [ ! -e "$tmp/empty" ] || fail "uninstalling left $tmp/empty behind"
    make -s -C "$source" uninstall PREFIX="$tmp/empty" | grep -q "not installed" || fail "second uninstall"
    ;;

package)
    "$cpack" --config "$build/CPackConfig.cmake" -B "$tmp/package" >/dev/null
    tarballs=("$tmp"/package/pantrova-*.tar.gz)
    [ ${#tarballs[@]} -eq 1 ] && [ -f "${tarballs[0]}" ] || fail "no single tarball in $tmp/package"
    mkdir "$tmp/unpacked"
    tar -xzf "${tarballs[0]}" -C "$tmp/unpacked"
    top=("$tmp"/unpacked/*)
    [ ${#top[@]} -eq 1 ] && [ -d "${top[0]}" ] || fail "the tarball does not unpack into one folder"
    expect_program_files "${top[0]}"
    expect_working_folder "${top[0]}"
    ;;

deb)
    for tool in dpkg dpkg-deb dpkg-shlibdeps; do
        if ! command -v "$tool" >/dev/null; then
            echo "SKIPPED: $tool is missing (scripts/install-deps.sh deb installs it)"
            exit 77
        fi
    done
    "$cpack" -G DEB --config "$build/CPackConfig.cmake" -B "$tmp/package" >/dev/null
    debs=("$tmp"/package/pantrova_*.deb)
    [ ${#debs[@]} -eq 1 ] && [ -f "${debs[0]}" ] || fail "no single package in $tmp/package"
    # A scratch root with a package database of its own, into which dpkg installs as into a system.
    root="$tmp/root"
    mkdir -p "$root/var/lib/dpkg/updates" "$root/var/lib/dpkg/info"
    touch "$root/var/lib/dpkg/status"
    dpkg_in_root=(dpkg --root="$root" --log=/dev/null --force-depends --force-not-root)
    "${dpkg_in_root[@]}" -i "${debs[0]}" >/dev/null
    [ -x "$root/usr/bin/pantrova" ] || fail "the package put no program in /usr/bin"
    # Over an empty home, with XDG_DATA_HOME unset: the first save goes to ~/.local/share/pantrova.
    cp "$checker" "$root/usr/bin/install_checker"
    saved=$(cd / && env -u XDG_DATA_HOME "$root/usr/bin/install_checker" save) || fail "the checker failed: $saved"
    rm "$root/usr/bin/install_checker"
    data="$HOME/.local/share/pantrova/Pantrova.dat"
    [ -f "$data" ] || fail "no data file at $data: $saved"
    grep -qF "Saved to '$data'" <<<"$saved" || fail "the status bar does not name $data: $saved"
    [ ! -e "$root/usr/bin/Pantrova.dat" ] || fail "the data file went beside the program"
    "${dpkg_in_root[@]}" -r pantrova >/dev/null
    [ ! -e "$root/usr/bin/pantrova" ] || fail "removing the package left the program"
    [ -f "$data" ] || fail "removing the package took the user's data"
    ;;

*) fail "unknown case $case_name" ;;
esac
echo "ok: $case_name"
