#!/usr/bin/env bash
# Runs the Linux converter and the Windows one (under Wine) on the same caches and checks that
# every output is byte-identical: the listing on standard output, the messages and exit
# statuses, CSV, TAB and vCard exports appended twice to a file, a cache read from standard
# input, and a Unicode-named cache in a Unicode-named folder. Then an export into a read-only
# file must fail on Windows with status 4 and a message, and leave the file as it was.
# usage: compare_outputs.sh LINUX_CONVERT LINUX_MAKE_NK2 EXE WINE SAMPLE_NK2 WORK_DIR
set -euo pipefail
linux=$1 make_nk2=$2 exe=$3 wine=$4 sample=$5 work=$6
for program in "$linux" "$make_nk2"; do
    [ -x "$program" ] || { echo "missing $program: build the dev preset first" >&2; exit 1; }
done
export LC_ALL=C.UTF-8 # Wine reads the arguments' names in the locale's encoding

rm -rf "$work"
mkdir -p "$work/linux/Ünïcødé ☃" "$work/windows/Ünïcødé ☃"
for side in linux windows; do
    cp "$sample" "$work/$side/sample.nk2"
    "$make_nk2" stream "$work/$side/stream.dat" >/dev/null
    cp "$sample" "$work/$side/Ünïcødé ☃/Café 名前.nk2"
done
cd "$work"

# Runs one side's converter in its own folder; the status goes to side/NAME.status.
run() {
    local side=$1 name=$2
    shift 2
    local status=0
    if [ "$side" = linux ]; then
        (cd linux && "$linux" "$@" >"$name.out" 2>"$name.err") || status=$?
    else
        (cd windows && timeout 120 "$wine" "$exe" "$@" >"$name.out" 2>"$name.err") || status=$?
    fi
    echo "$status" >"$side/$name.status"
}

failures=0
compare() {
    local file=$1
    if cmp -s "linux/$file" "windows/$file"; then
        echo "same: $file ($(wc -c <"linux/$file") bytes)"
    else
        echo "DIFFERENT: $file" >&2
        diff <(od -c "linux/$file") <(od -c "windows/$file") | head -n 20 >&2 || true
        failures=$((failures + 1))
    fi
}

inputs=(sample.nk2 stream.dat "Ünïcødé ☃/Café 名前.nk2")
for side in linux windows; do
    for i in "${!inputs[@]}"; do
        run "$side" "list$i" --list "${inputs[$i]}"
        for type in CSV TAB VCF; do
            run "$side" "export$i$type" -t "$type" -o "Ünïcødé ☃/out$i.$type" "${inputs[$i]}"
            run "$side" "again$i$type" -t "$type" -o "Ünïcødé ☃/out$i.$type" "${inputs[$i]}"
        done
    done
    run "$side" stdin -o - - <"$work/$side/sample.nk2"
    run "$side" utf8 --encoding utf-8 -o - stream.dat
    run "$side" jsonl --list --format jsonl "${inputs[2]}"
    run "$side" missing --list missing.nk2
    # The cache itself as the target is refused.
    run "$side" self -o sample.nk2 sample.nk2
    printf 'kept\r\n' >"$side/read-only.csv"
    chmod a-w "$side/read-only.csv"
done
for side in linux windows; do
    run "$side" readonly -o read-only.csv sample.nk2
done

for file in linux/*.out linux/*.err linux/*.status "linux/Ünïcødé ☃"/out*; do
    case "$file" in linux/readonly.*) continue ;; esac
    compare "${file#linux/}"
done
compare sample.nk2
# Linux's root may write a read-only file; Windows' read-only attribute holds for everyone.
status=$(cat windows/readonly.status)
if [ "$status" != 4 ] || [ "$(cat windows/read-only.csv)" != $'kept\r' ]; then
    echo "DIFFERENT: the export into a read-only file gave $status" >&2
    failures=$((failures + 1))
fi
grep -q 'read-only.csv' windows/readonly.err || {
    echo "no message for the read-only file" >&2
    failures=$((failures + 1))
}
echo "windows converter: $failures difference(s)"
[ "$failures" -eq 0 ]
