#!/usr/bin/env bash
# Regenerates the README's screenshots under docs/ from the real main window, headless.
set -euo pipefail
cd "$(dirname "$0")/.."
make build
QT_QPA_PLATFORM=offscreen LANG=en_GB.UTF-8 ./build/tests/pantrova_screenshots docs
echo "Screenshots written to docs/"
