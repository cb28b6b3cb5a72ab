#!/usr/bin/env bash
# Whole or absent: kills quillet-convert with SIGKILL at random moments of a large export (from 30%
# to 110% of its usual run time, so that many land while it writes) and
# runs pairs of exports into one file at once, then counts the files that are neither the old
# bytes nor the old bytes plus whole exports, and the temporary files left behind.
#   bench/interrupted_exports.sh [BUILD_DIR (build/bench)] [RUNS (100)]
set -euo pipefail
cd "$(dirname "$0")/.."
source bench/timing.sh
runs=${2:-100}

# A large export: 20 copies of a 9,000-step file give about 180,000 rows.
"$make_nk2" limits "$work/limits.nk2" >/dev/null
inputs=()
for i in $(seq 20); do
    cp "$work/limits.nk2" "$work/in-$i.nk2"
    inputs+=("$work/in-$i.nk2")
done
head -c 20000000 /dev/urandom | base64 -w 76 | sed 's/$/\r/' >"$work/old.csv"
"$convert" -o "$work/export.csv" "${inputs[@]}" 2>/dev/null
tail -n +2 "$work/export.csv" >"$work/records.csv" # the old file is not empty: no header
cat "$work/old.csv" "$work/records.csv" >"$work/whole.csv"
export_seconds=$(seconds "$convert" -o "$work/timed.csv" "${inputs[@]}" 2>/dev/null)
printf 'export: %s bytes of records over %s bytes, %.0f ms\n' "$(stat -c %s "$work/records.csv")" \
    "$(stat -c %s "$work/old.csv")" "$(awk -v s="$export_seconds" 'BEGIN { print s * 1000 }')"

torn=0 old=0 whole=0
for _ in $(seq "$runs"); do
    cp "$work/old.csv" "$work/target.csv"
    "$convert" -o "$work/target.csv" "${inputs[@]}" 2>/dev/null &
    pid=$!
    sleep "$(awk -v max="$export_seconds" -v r="$RANDOM" 'BEGIN { printf "%.4f", max * (0.3 + 0.8 * r / 32767) }')"
    kill -KILL "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
    if cmp -s "$work/target.csv" "$work/old.csv"; then
        old=$((old + 1))
    elif cmp -s "$work/target.csv" "$work/whole.csv"; then
        whole=$((whole + 1))
    else
        torn=$((torn + 1))
    fi
done
left=$(find "$work" -name '.target.csv.quillet-*' | wc -l)
"$convert" -o "$work/target.csv" "$work/limits.nk2" 2>/dev/null
cleaned=$(find "$work" -name '.target.csv.quillet-*' | wc -l)
echo "SIGKILL at random moments: $runs runs, $torn torn, $old old bytes, $whole old + whole export;" \
    "$left temporary file(s) left after the last kill, $cleaned after one more export"

# Racing pairs: two different exports into one file at the same moment.
"$make_nk2" realistic "$work/other.nk2" 800 >/dev/null
"$convert" -o "$work/a.csv" "${inputs[@]:0:3}" 2>/dev/null
"$convert" -o "$work/b.csv" "$work/other.nk2" 2>/dev/null
tail -n +2 "$work/a.csv" >"$work/a.rec"
tail -n +2 "$work/b.csv" >"$work/b.rec"
cat "$work/old.csv" "$work/a.rec" "$work/b.rec" >"$work/ab.csv"
cat "$work/old.csv" "$work/b.rec" "$work/a.rec" >"$work/ba.csv"
bad=0 failed=0
for _ in $(seq "$runs"); do
    cp "$work/old.csv" "$work/target.csv"
    "$convert" -o "$work/target.csv" "${inputs[@]:0:3}" 2>/dev/null &
    first=$!
    "$convert" -o "$work/target.csv" "$work/other.nk2" 2>/dev/null || failed=$((failed + 1))
    wait "$first" || failed=$((failed + 1))
    if ! cmp -s "$work/target.csv" "$work/ab.csv" && ! cmp -s "$work/target.csv" "$work/ba.csv"; then
        bad=$((bad + 1))
    fi
done
echo "racing pairs: $runs pairs, $bad neither old+A+B nor old+B+A, $failed failed exports"
