#!/usr/bin/env bash
# Pictures of the game-list windows (".lst Files", Battle/Campaign Manager, Load by list, OPT File
# Manager, the recordings catalogue, About) over a small fake game tree, into build/pictures/lists.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
out="$top/build/pictures/lists"
mkdir -p "$out"
cd "$top/build/test"
ZYNED_GRAB_DIR="$out" QT_QPA_PLATFORM=offscreen ./zyned_gui_tests --gtest_also_run_disabled_tests --gtest_filter='ListsWindows.DISABLED_Pictures'
echo "pictures in $out"
