#!/usr/bin/env bash
# Installs what is missing, checks formatting and clang-tidy (scripts/lint.sh), builds everything
# with warnings as errors and runs the whole test suite: once normally, then the Windows build's
# tests under Wine (scripts/windows.sh), then the NK2 loader's fuzzer for a minute and the
# structural reader's for half a minute over the checked-in seeds, then the suite once more
# under AddressSanitizer + UndefinedBehaviorSanitizer. "--quick" runs the lint and the normal
# suite only.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
scripts/lint.sh

suite() {
    cmake --preset "$1" -DCMAKE_COMPILE_WARNING_AS_ERROR=ON >/dev/null
    cmake --build --preset "$1"
    ctest --preset "$1"
}

suite dev
[ "${1:-}" = "--quick" ] && exit 0

# quillet-convert.exe and the core's tests under Wine, outputs compared with the dev build's.
scripts/windows.sh

cmake --preset fuzz >/dev/null
cmake --build --preset fuzz
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
build/fuzz/fuzz/nk2_load_fuzzer -max_total_time=60 -max_len=1048576 -print_final_stats=1 \
    "$scratch" fuzz/corpus \
    examples 2>&1 | tail -n 12
mkdir "$scratch/structure"
build/fuzz/fuzz/nk2_structure_fuzzer -max_total_time=30 -print_final_stats=1 "$scratch/structure" \
    fuzz/corpus examples 2>&1 | tail -n 12

suite asan
