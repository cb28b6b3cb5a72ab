#!/usr/bin/env bash
# Saves a picture of each window state (start, loaded, Add, Edit, Help and its section on
# today's systems, About, the export's confirmation, a failed export, an export seen from the
# bottom of the window) at 100% and 200% scale under Xvfb, into the folder given
# (build/screenshots by default). With --docs it also refreshes the pictures in docs/.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
cmake --preset dev >/dev/null
cmake --build --preset dev --target desktop_tests
out=build/screenshots
docs=false
for arg in "$@"; do
    if [ "$arg" = --docs ]; then docs=true; else out=$arg; fi
done
mkdir -p "$out"
for scale in 1 2; do
    QT_QPA_PLATFORM=xcb QT_SCALE_FACTOR=$scale QUILLET_SCREENSHOT_DIR=$out \
        xvfb-run -a -s "-screen 0 2560x2048x24" build/dev/tests/desktop/desktop_tests \
        --gtest_filter=DesktopScreenshots.* --gtest_brief=1
done
ls "$out"
if $docs; then
    cp "$out/loaded-100.png" docs/screenshot.png
    cp "$out/loaded-200.png" docs/loaded-200.png
    cp "$out/failed-export-100.png" docs/failed-export-100.png
fi
