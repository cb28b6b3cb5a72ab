# Shared by the converter timing scripts: the built programs (build folder in $1, default
# build/bench), a scratch folder, wall-clock seconds of one command and the median of a column
# of numbers.
export LC_ALL=C
build=${1:-build/bench}
convert=$build/src/cli/quillet-convert
make_nk2=$build/tests/tools/make-nk2

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# Seconds taken by one run of the command, timed by bench/time_command.py, which reads the
# command's output from a pipe itself: a pipe, because GNU grep stops at its first match when its
# output is /dev/null; read by the timer, so that no other process shares the timed run. A command
# that fails stops the calling script, with a word on the standard error it started with (the
# callers hide the commands' own warnings). Without site packages the timer starts in about half
# the time; its start comes before the clock, so this only shortens the whole run.
exec {script_stderr}>&2
seconds() {
    python3 -I -S bench/time_command.py "$@" || {
        local status=$?
        echo "${0##*/}: timing failed (status $status): $*" >&"$script_stderr"
        return "$status"
    }
}

median() { sort -g | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
