#!/usr/bin/env bash
# Times `quillet-convert --list` against one `grep -c -a SMTP:` pass over the same file (the
# ~5 MB one that reaches both step limits), alternately, and prints the medians and the median
# of the per-round ratios. Build the bench preset first.
#   bench/convert_vs_grep.sh [BUILD_DIR (build/bench)] [ROUNDS (31)]
set -euo pipefail
cd "$(dirname "$0")/.."
source bench/timing.sh
rounds=${2:-31}
file=$work/limits.nk2
"$make_nk2" limits "$file"

seconds "$convert" --list "$file" >/dev/null # warm the page cache
: >"$work/convert" >"$work/grep" >"$work/ratio"
for _ in $(seq "$rounds"); do
    c=$(seconds "$convert" --list "$file")
    g=$(seconds grep -c -a SMTP: "$file")
    echo "$c" >>"$work/convert"
    echo "$g" >>"$work/grep"
    awk -v c="$c" -v g="$g" 'BEGIN { printf "%.4f\n", c / g }' >>"$work/ratio"
done

printf 'file: %s bytes, %s rows listed\n' "$(stat -c %s "$file")" "$("$convert" --list "$file" | wc -l)"
printf 'median quillet-convert --list: %.2f ms\n' "$(median <"$work/convert" | awk '{ print $1 * 1000 }')"
printf 'median grep -c -a SMTP:       %.2f ms\n' "$(median <"$work/grep" | awk '{ print $1 * 1000 }')"
printf 'median ratio (convert / grep): %.2f over %s rounds\n' "$(median <"$work/ratio")" "$rounds"
