#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Pantrova developers
# Runs each libFuzzer target for a set time from the committed seeds, and prints how many inputs it tried.
# Usage: run-fuzzers.sh <fuzz build folder> <seconds each> <target>...   Fails on the first crash found.
set -euo pipefail
build=$1
seconds=$2
shift 2
for target in "$@"; do
    work="$build/corpus/$target"
    mkdir -p "$work"
    log="$build/$target.log"
    if ! "./$build/fuzz/${target}_fuzz" -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
        -artifact_prefix="$build/$target-" "$work" "fuzz/corpus/$target" >"$log" 2>&1; then
        tail -n 40 "$log"
        echo "fuzz: $target found a crash; the input is kept under $build/" >&2
        exit 1
    fi
    runs=$(grep -m1 'stat::number_of_executed_units' "$log" | awk '{print $2}')
    echo "fuzz: $target ran $runs inputs in $seconds s without a failure"
done
