#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Pantrova developers
# Regenerates the README's screenshots under docs/ from the real main window, headless.
set -euo pipefail
cd "$(dirname "$0")/.."
make build
QT_QPA_PLATFORM=offscreen LANG=en_GB.UTF-8 ./build/tests/pantrova_screenshots docs
# The window and the item editor on a 1600 x 1000 screen at twice the scale: they fit the screen and scroll.
QT_QPA_PLATFORM=offscreen:configfile=tests/support/screen.json QT_SCALE_FACTOR=2 LANG=en_GB.UTF-8 \
    ./build/tests/pantrova_screenshots docs scaled
echo "Screenshots written to docs/"
