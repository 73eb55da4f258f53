#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Pantrova developers
# Installs the Debian packages Pantrova needs to build and test, and only those that are missing.
# Safe to run any number of times; prints nothing when everything is already present.
set -euo pipefail

# qt6-tools-dev and qt6-l10n-tools build the translations; qt6-translations-l10n has Qt's own, for its buttons.
# libcsv-dev reads and writes the CSV files of File, Export and Import; qt6-charts-dev draws the price history
# (its CMake package needs libqt6opengl6-dev).
packages=(build-essential cmake qt6-base-dev libqt6svg6 fonts-dejavu-core desktop-file-utils qt6-tools-dev
    qt6-l10n-tools qt6-translations-l10n libcsv-dev qt6-charts-dev
    libqt6opengl6-dev)

# Extra package sets, asked for by name: `install-deps.sh fuzz` adds what the fuzz targets need, `reuse` the
# licence check of `make lint-licences`, `deb` the Debian package's tools and the checks distributions run on it.
for extra in "$@"; do
    case "$extra" in
        fuzz) packages+=(clang libclang-rt-14-dev) ;;
        bench) packages+=(libbenchmark-dev valgrind hyperfine) ;;
        reuse) packages+=(reuse) ;;
        deb) packages+=(dpkg-dev fakeroot lintian appstream desktop-file-utils) ;;
        *) echo "install-deps.sh: unknown package set '$extra'" >&2; exit 2 ;;
    esac
done

missing=()
for p in "${packages[@]}"; do
    status=$(dpkg-query -W -f='${db:Status-Status}' "$p" 2>/dev/null || true)
    [ "$status" = "installed" ] || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

if [ "$(id -u)" -eq 0 ]; then
    sudo=()
elif command -v sudo >/dev/null 2>&1; then
    sudo=(sudo)
else
    echo "install-deps.sh: missing packages (${missing[*]}) and no sudo to install them; run as root." >&2
    exit 1
fi

echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" apt-get update -qq
"${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
