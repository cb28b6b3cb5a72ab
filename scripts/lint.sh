#!/usr/bin/env bash
# Checks the formatting of the C++ sources (clang-format, .clang-format) and runs clang-tidy
# (.clang-tidy) over the Qt-free layers with the dev build's compile database. Fails on any
# finding.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh

status=0
mapfile -t sources < <(find src tests bench fuzz -name '*.cpp' -o -name '*.h' | sort)
clang-format --dry-run --Werror "${sources[@]}" || status=1

[ -f build/dev/compile_commands.json ] || cmake --preset dev >/dev/null
# One clang-tidy per file, two at a time; a file's findings are printed together.
tidy() {
    local out
    out=$(clang-tidy -p build/dev --quiet "$1" 2>&1) && return 0
    grep -Ev '^[0-9]+ warnings? generated\.$' <<<"$out"
    return 1
}
export -f tidy
# The Win32 sides (*_win32.cpp) need <windows.h> and are built only by the windows preset's
# cross compiler, so the Linux compile database cannot check them.
find src/core src/cli -name '*.cpp' ! -name '*_win32.cpp' -print0 | sort -z |
    xargs -0 -n1 -P2 bash -c 'tidy "$1"' _ ||
    status=1

if [ $status -ne 0 ]; then
    echo "lint: findings above" >&2
    exit 1
fi
echo "lint: clean"
