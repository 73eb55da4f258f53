#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Pantrova developers
# Times whole processes with hyperfine, as a user meets them: loading, changing and saving the data file of the
# benchmarks against QSettings and against only reading and writing its bytes, the same file as another tool may
# write it (members in another order, or keys in a random order), a file of sixteen times the items, and start-up
# with and without the 10,000-item file. Prints a table of medians and their ratios.
# Usage: bench-processes.sh <bench build folder> [runs]
set -euo pipefail
bench="$(cd "$1" && pwd)/bin/pantrova_bench"
store="$(cd "$1" && pwd)/bin/pantrova_store_process"
runs=${2:-11}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export QT_QPA_PLATFORM=offscreen LANG=en_GB.UTF-8
"$bench" --prepare "$work"

commands=("$store store $work/store.dat" "$store qsettings $work/store.ini" "$store floor $work/floor.dat"
    "$store reordered $work/reordered.dat" "$bench --startup $work/nofile" "$bench --startup $work/large"
    "$store store $work/store16.dat" "$store reordered $work/shuffled.dat")
# Interleaved runs share the machine's conditions: hyperfine runs the commands in turns of one run each.
for ((i = 0; i < runs; i++)); do
    hyperfine --runs 1 --shell=none --style none --export-csv "$work/run-$i.csv" "${commands[@]}" >/dev/null
done
# The median user + system time of each command, in milliseconds, in the order of `commands`.
median() {
    for ((i = 0; i < runs; i++)); do sed -n "$(($1 + 2))p" "$work/run-$i.csv"; done |
        awk -F, '{ print ($5 + $6) * 1000 }' | sort -n | awk '{ a[NR] = $1 } END { print a[int((NR + 1) / 2)] }'
}
ours=$(median 0); qsettings=$(median 1); floor=$(median 2); reordered=$(median 3); nofile=$(median 4); large=$(median 5)
ours16=$(median 6); shuffled=$(median 7)
size=$(($(stat -c %s "$work/store.dat") / 1024))
size16=$(($(stat -c %s "$work/store16.dat") / 1024))
storePeak=$("$store" store "$work/store.dat" | tail -n 1)

row() { # measure, ours, against, ratio, goal test, goal
    awk -v m="$1" -v o="$2" -v a="$3" -v r="$4" -v g="$5" 'BEGIN {
        printf "| %s | %.1f | %.1f | %.2f | %s | %s |\n", m, o, a, r, g, (r '"$6"') ? "met" : "MISSED" }'
}
echo
echo "Whole processes, median CPU (user + system) of $runs interleaved runs each, in ms."
echo
echo "| Measure | Ours | Against | Ratio | Goal | |"
echo "|---|---|---|---|---|---|"
row "1. Store load + change + save: QSettings / ours" "$ours" "$qsettings" "$(awk "BEGIN{print $qsettings/$ours}")" ">= 5" ">= 5"
row "1. Store load + change + save / reading and writing the same bytes" "$ours" "$floor" "$(awk "BEGIN{print $ours/$floor}")" "<= 3" "<= 3"
row "1. Peak memory of that process / the file's size (KiB)" "$storePeak" "$size" "$(awk "BEGIN{print $storePeak/$size}")" "<= 3" "<= 3"
row "2. The same file written in another valid form / as Pantrova writes it" "$reordered" "$ours" "$(awk "BEGIN{print $reordered/$ours}")" "<= 1.5" "<= 1.5"
row "2. The same file with its keys in a random order / as Pantrova writes it" "$shuffled" "$ours" "$(awk "BEGIN{print $shuffled/$ours}")" "<= 1.5" "<= 1.5"
row "Store load + change + save per byte, the file of 16 times the items / the file of 1" "$ours16" "$ours" \
    "$(awk "BEGIN{print ($ours16/$size16)/($ours/$size)}")" "<= 1.25" "<= 1.25"
row "3. Start-up with the 10,000-item file / with no file" "$large" "$nofile" "$(awk "BEGIN{print $large/$nofile}")" "<= 2" "<= 2"
