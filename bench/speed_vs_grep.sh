#!/usr/bin/env bash
# Side by side in one run, rounds alternating: `quillet-convert --list` and CSV export to standard
# output against one `grep -c -a SMTP:` pass over the same file, every command timed alone with its
# output read by the timer, on the ~5 MB file that reaches both step limits, on a ~5 MB cache of
# 7,000 entries the scan reads whole, on a realistic cache of 50,000 entries and on the first file
# tiled 20 times (~100 MB). The converter reads as it does by default (--read auto). Prints each
# file's size and rows, each median and the ratio of the converter's median to grep's. Given a
# second converter (an earlier build, say), its commands are timed in the same rounds. Build the
# bench preset first.
#   bench/speed_vs_grep.sh [BUILD_DIR (build/bench)] [ROUNDS (21)] [BASELINE_CONVERTER]
set -euo pipefail
cd "$(dirname "$0")/.."
source bench/timing.sh
rounds=${2:-21}
baseline=${3:-}
"$make_nk2" limits "$work/limits.nk2" >/dev/null
"$make_nk2" many-rows "$work/many-rows.nk2" >/dev/null
"$make_nk2" realistic "$work/realistic-50k.nk2" 40000 >/dev/null # and 10,000 Exchange entries
for _ in $(seq 20); do cat "$work/limits.nk2"; done >"$work/tiled.nk2"

# The converter warns where the scan had to help: expected here, not timed output.
files=(limits many-rows realistic-50k tiled)
timings=()
whats=(list export)
[[ -n $baseline ]] && whats+=(baselist baseexport)
for file in "${files[@]}"; do
    for what in "${whats[@]}" grep; do timings+=("$what-$file"); done
done
run() {
    case $1 in
    list-*) seconds "$convert" --list "$work/${1#*-}.nk2" 2>/dev/null ;;
    export-*) seconds "$convert" -o - "$work/${1#*-}.nk2" 2>/dev/null ;;
    baselist-*) seconds "$baseline" --list "$work/${1#*-}.nk2" 2>/dev/null ;;
    baseexport-*) seconds "$baseline" -o - "$work/${1#*-}.nk2" 2>/dev/null ;;
    grep-*) seconds grep -c -a SMTP: "$work/${1#*-}.nk2" ;;
    esac
}
for name in "${timings[@]}"; do
    run "$name" >/dev/null # warm the page cache and the programs
    : >"$work/$name"
done
for round in $(seq "$rounds"); do
    # Alternate the order, so that neither side always runs right after the other.
    if ((round % 2)); then order=("${timings[@]}"); else order=($(printf '%s\n' "${timings[@]}" | tac)); fi
    for name in "${order[@]}"; do
        run "$name" >>"$work/$name"
    done
done

ms() { median <"$work/$1" | awk '{ printf "%.2f", $1 * 1000 }'; }
for file in "${files[@]}"; do
    printf '%s.nk2: %s bytes, %s rows\n' "$file" "$(stat -c %s "$work/$file.nk2")" \
        "$("$convert" --list "$work/$file.nk2" 2>/dev/null | wc -l)"
    g=$(ms "grep-$file")
    printf '  %-8s grep -c -a SMTP:          %8s ms\n' "" "$g"
    for what in "${whats[@]}"; do
        c=$(ms "$what-$file")
        printf '  %-8s quillet-convert %-9s %8s ms  %.2fx grep\n' "$([[ $what == base* ]] && echo baseline)" \
            "$([[ $what == *list ]] && echo --list || echo '-o -')" \
            "$c" "$(awk -v c="$c" -v g="$g" 'BEGIN { print c / g }')"
    done
done
echo "medians of $rounds alternating rounds"
