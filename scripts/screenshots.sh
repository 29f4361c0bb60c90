#!/usr/bin/env bash
# Pictures of the main window's pages and of the other windows and dialogs, written as PNGs to
# build/screenshots/ on a virtual X display (Xvfb) when there is one, else offscreen. The
# picture makers are disabled tests of the GUI test binary, so the normal test run never takes
# them; build first with scripts/test.sh. An argument narrows the pictures to a test filter
# (e.g. 'PagesPictures.*').
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
out="$top/build/screenshots"
mkdir -p "$out"
bin="$top/build/test/zyned_gui_tests"
[ -x "$bin" ] || bin="$top/build/zyned_gui_tests"
run=("$bin" --gtest_also_run_disabled_tests --gtest_filter="${1:-*.DISABLED_*}")
export ZYNED_GRAB_DIR="$out" ASAN_OPTIONS=detect_leaks=0
if command -v xvfb-run >/dev/null; then
  QT_QPA_PLATFORM=xcb xvfb-run -a -s "-screen 0 1280x1024x24" "${run[@]}"
else
  QT_QPA_PLATFORM=offscreen "${run[@]}"
fi
echo "pictures in $out"
