#!/usr/bin/env bash
# Pictures of the Messages, Global Goals, Teams and WPs tabs over a small sample mission, written
# to build/screenshots/pages/ (build first with tools/build.sh or scripts/test.sh).
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
out="$top/build/screenshots/pages"
mkdir -p "$out"
bin="$top/build/test/zyned_gui_tests"
[ -x "$bin" ] || bin="$top/build/zyned_gui_tests"
ZYNED_GRAB_DIR="$out" QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=0 \
  "$bin" --gtest_also_run_disabled_tests --gtest_filter='PagesPictures.*'
echo "pictures in $out"
