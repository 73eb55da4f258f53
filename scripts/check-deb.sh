#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Pantrova developers
# Checks a built Pantrova package as a distribution would: lintian without errors or warnings, the AppStream
# metainfo and the desktop entry valid.
# usage: check-deb.sh <package.deb>
set -euo pipefail
deb=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
dpkg-deb -x "$deb" "$work"
appstreamcli validate --no-net "$work/usr/share/metainfo/org.pantrova.Pantrova.metainfo.xml"
desktop-file-validate "$work/usr/share/applications/org.pantrova.Pantrova.desktop"
# lintian warns against running as root, which a build container does; the warning says nothing of the package.
lintian --fail-on error,warning "$deb" 2> >(grep -v "running with root privileges" >&2)
echo "check-deb.sh: $deb passes lintian, appstreamcli and desktop-file-validate"
