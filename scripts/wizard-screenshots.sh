#!/usr/bin/env bash
# Pictures of the formation viewer, the new-mission wizard, the clipboard dialog, the library
# and the unknown-bytes dialog, written to build/screenshots/ (build first with tools/build.sh
# or scripts/test.sh).
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
out="$top/build/screenshots"
mkdir -p "$out"
bin="$top/build/test/zyned_gui_tests"
[ -x "$bin" ] || bin="$top/build/zyned_gui_tests"
ZYNED_GRAB_DIR="$out" QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=0 \
  "$bin" --gtest_also_run_disabled_tests --gtest_filter='WizardPictures.*'
echo "pictures in $out"
