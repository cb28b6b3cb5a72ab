# Shared by the converter timing scripts: the built programs (build folder in $1, default
# build/bench), a scratch folder, wall-clock seconds of one command and the median of a column
# of numbers.
export LC_ALL=C
build=${1:-build/bench}
convert=$build/src/cli/quillet-convert
make_nk2=$build/tests/tools/make-nk2

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# Seconds taken by one run of the command, output discarded through a pipe: GNU grep stops at
# its first match when it sees its output is /dev/null, which would time its start-up only.
seconds() {
    local start=$EPOCHREALTIME
    "$@" | cat >/dev/null
    local end=$EPOCHREALTIME
    awk -v s="$start" -v e="$end" 'BEGIN { printf "%.6f\n", e - s }'
}

median() { sort -g | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
