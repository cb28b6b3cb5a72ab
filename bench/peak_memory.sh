#!/usr/bin/env bash
# Peak memory (maximum resident set size, /usr/bin/time's %M) of quillet-convert in every mode,
# against the bound 1.2 x input + 64 MiB. The files: a realistic cache of ~165 MB laid out as
# Outlook writes it, 400,000 realistic entries (~176 MB), the same cut at 150 MB (damaged: with
# --read auto the scan helps), and two hostile ones, a display name of 400 MB of UTF-16 and one
# of 60 MB. The modes: --list (tab-separated and JSON Lines) and CSV,
# TAB and VCF exports into a new file (-o FILE) and to standard output (-o -), each with --read
# scan, structure and auto. Last, three different 400,000-entry caches in one run (the bound is
# then on the largest input). Given a second converter (an earlier build, say), each run of it
# follows the same run of the first, so both are measured on the same machine in the same
# moment. Run by hand, not in CI: a few minutes, 1.5 GB in a scratch folder. Build the bench
# preset first.
#   bench/peak_memory.sh [BUILD_DIR (build/bench)] [BASELINE_CONVERTER]
set -euo pipefail
cd "$(dirname "$0")/.."
source bench/timing.sh
baseline=${2:-}

"$make_nk2" outlook "$work/outlook-165mb.nk2" 158500 >/dev/null
"$make_nk2" realistic "$work/entries-400k.nk2" 320000 >/dev/null # and 80,000 Exchange entries
head -c 150000000 "$work/entries-400k.nk2" >"$work/entries-400k-cut.nk2"
"$make_nk2" long-name "$work/name-400mb.nk2" 400000000 >/dev/null
"$make_nk2" long-name "$work/name-60mb.nk2" 60000000 >/dev/null
"$make_nk2" realistic "$work/entries-400k-2.nk2" 320000 2 >/dev/null
"$make_nk2" realistic "$work/entries-400k-3.nk2" 320000 3 >/dev/null

# "KiB seconds status" of one run, its output into $work/out (FILE stands for it) or thrown away.
# The warnings on standard error are expected and not shown.
measure() {
    local command=("$@")
    command=("${command[@]/#FILE/$work/out}")
    rm -f "$work/out"
    /usr/bin/time -f '%M %e %x' -o "$work/time" "${command[@]}" >/dev/null 2>&1 || true
    tail -n 1 "$work/time"
}

mib() { awk -v k="$1" 'BEGIN { printf "%.1f", k / 1024 }'; }

# One table row: the file's name, the bound in KiB, --read's value, the output mode's options,
# then the input files.
report() {
    local name=$1 bound=$2 read=$3 mode=$4
    shift 4
    local options peak seconds status extra=""
    read -ra options <<<"$mode"
    read -r peak seconds status < <(measure "$convert" --read "$read" "${options[@]}" "$@")
    if [[ -n $baseline ]]; then
        local before _
        read -r before _ _ < <(measure "$baseline" --read "$read" "${options[@]}" "$@")
        extra=" $(mib "$before") |"
    fi
    local met=yes
    ((peak <= bound)) || met=no
    ((status == 0)) || met="exit $status"
    printf '| %s | %s | %s |%s %s | %s | %s | %s |\n' "$name" "$read" "\`$mode\`" "$extra" \
        "$(mib "$peak")" "$seconds" "$(mib "$bound")" "$met"
}

# The bound in KiB: 1.2 x the largest input + 64 MiB.
bound() { stat -c %s "$@" | sort -n | tail -n 1 | awk '{ printf "%d", 1.2 * $1 / 1024 + 65536 }'; }

modes=("--list" "--list --format jsonl" "-t CSV -o FILE" "-t TAB -o FILE" "-t VCF -o FILE"
    "-t CSV -o -" "-t TAB -o -" "-t VCF -o -")
if [[ -n $baseline ]]; then
    echo "| file | --read | mode | baseline MiB | peak MiB | s | bound MiB | met |"
    echo "|---|---|---|---|---|---|---|---|"
else
    echo "| file | --read | mode | peak MiB | s | bound MiB | met |"
    echo "|---|---|---|---|---|---|---|"
fi
for file in outlook-165mb entries-400k entries-400k-cut name-400mb name-60mb; do
    path=$work/$file.nk2
    for read in scan structure auto; do
        for mode in "${modes[@]}"; do
            report "$file" "$(bound "$path")" "$read" "$mode" "$path"
        done
    done
done
several=("$work/entries-400k.nk2" "$work/entries-400k-2.nk2" "$work/entries-400k-3.nk2")
for read in scan structure; do
    for mode in "--list" "-t CSV -o FILE"; do
        report "3 x entries-400k" "$(bound "${several[@]}")" "$read" "$mode" "${several[@]}"
    done
done
for file in outlook-165mb entries-400k entries-400k-cut name-400mb name-60mb; do
    printf '%s.nk2: %s bytes\n' "$file" "$(stat -c %s "$work/$file.nk2")"
done
