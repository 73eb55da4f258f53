#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Pantrova developers
# Checks a built Pantrova package as a distribution would: lintian without errors or warnings, the AppStream
# metainfo and the desktop entry valid, and both the metainfo and the changelog naming the package's version.
# usage: check-deb.sh <package.deb>
set -euo pipefail
deb=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
dpkg-deb -x "$deb" "$work"
appstreamcli validate --no-net "$work/usr/share/metainfo/org.pantrova.Pantrova.metainfo.xml"
desktop-file-validate "$work/usr/share/applications/org.pantrova.Pantrova.desktop"
# The metainfo's and the changelog's newest release are the package's version (all three are kept by hand).
version=$(dpkg-deb -f "$deb" Version)
grep -q "<release version=\"$version\"" "$work/usr/share/metainfo/org.pantrova.Pantrova.metainfo.xml" ||
    { echo "check-deb.sh: the metainfo has no release $version" >&2; exit 1; }
zcat "$work/usr/share/doc/pantrova/changelog.gz" | head -1 | grep -qF "pantrova ($version)" ||
    { echo "check-deb.sh: the changelog's newest entry is not $version" >&2; exit 1; }
# lintian warns against running as root, which a build container does; the warning says nothing of the package.
lintian --fail-on error,warning "$deb" 2> >(grep -v "running with root privileges" >&2)
echo "check-deb.sh: $deb passes lintian, appstreamcli and desktop-file-validate"
