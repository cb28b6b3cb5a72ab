#!/usr/bin/env bash
# End-to-end times of quillet-convert, one process per run: listing and exporting a realistic
# 1000-entry cache, the ~5 MB file that reaches both step limits and a ~5 MB cache of 7,000 entries
# the scan reads whole. Each command is timed alone, its output read by the timer. Build the bench
# preset first.
#   bench/converter_times.sh [BUILD_DIR (build/bench)] [ROUNDS (21)]
set -euo pipefail
cd "$(dirname "$0")/.."
source bench/timing.sh
rounds=${2:-21}
"$make_nk2" realistic "$work/realistic-1000.nk2" 800 >/dev/null
"$make_nk2" limits "$work/limits.nk2" >/dev/null
"$make_nk2" many-rows "$work/many-rows.nk2" >/dev/null

# The converter's warnings (characters Windows-1252 lacks, addresses the scan missed) are expected
# here and not timed output.
for file in "$work/realistic-1000.nk2" "$work/limits.nk2" "$work/many-rows.nk2"; do
    : >"$work/list" >"$work/export"
    for _ in $(seq "$rounds"); do
        seconds "$convert" --list "$file" 2>/dev/null >>"$work/list"
        rm -f "$work/out.csv"
        seconds "$convert" -o "$work/out.csv" "$file" 2>/dev/null >>"$work/export"
    done
    printf '%s: %s bytes, %s rows; median --list %.2f ms, median export %.2f ms\n' \
        "$(basename "$file")" "$(stat -c %s "$file")" "$("$convert" --list "$file" 2>/dev/null | wc -l)" \
        "$(median <"$work/list" | awk '{ print $1 * 1000 }')" \
        "$(median <"$work/export" | awk '{ print $1 * 1000 }')"
done
