#!/usr/bin/env bash
# Pictures of the main window as a user sees it: a real-looking mission at the default size
# (810 x 580), on a 1600 x 1000 screen with the window filling it, and at QT_SCALE_FACTOR=2.
# Needs a built tree (tools/build.sh or scripts/start.sh); writes build/shots/*.png.
# Usage: scripts/desktop-shots.sh [BUILD_DIR] [NAME_PREFIX]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build/test}
prefix=${2:-main}
out=build/shots
mkdir -p "$out"
# The demo mission is made with the core library of the same build.
flags=()
grep -q "ZYNED_SANITIZE:BOOL=ON" "$build/CMakeCache.txt" 2>/dev/null && flags=(-fsanitize=address,undefined)
c++ -std=c++20 -I src/core "${flags[@]}" scripts/demo_mission.cpp "$build/libzyned_core.a" \
  -o "$out/demo_mission"
ASAN_OPTIONS=detect_leaks=0 "$out/demo_mission" "$out/demo.kre"

config=$(mktemp -d)
trap 'rm -rf "$config"' EXIT
mkdir -p "$config/game" "$config/editor"
printf '[Directories]\nMissions=%s\nZyn=%s\nZynED=%s\n[Options]\nOpenProgWith=1\n' \
  "$PWD/$out" "$config/game" "$config/editor" > "$config/ZynED.ini"

shot() {  # NAME SCREEN_WIDTH SCREEN_HEIGHT SCALE [WINDOW_GEOMETRY]
  local name=$1 w=$2 h=$3 scale=$4 place=${5:-}
  # A remembered window place (the editor keeps it in ZynED.ini) sizes the window.
  sed -i '/^\[Windows\]/,$d' "$config/ZynED.ini"
  [ -n "$place" ] && printf '[Windows]\nMainWindow=%s\n' "$place" >> "$config/ZynED.ini"
  xvfb-run -a -s "-screen 0 ${w}x${h}x24" bash -c '
    QT_SCALE_FACTOR='"$scale"' ASAN_OPTIONS=detect_leaks=0 \
      "$0" --config-dir "$1" "$2" & pid=$!
    sleep 6
    import -window root "$3"
    kill $pid' "$build/zyned" "$config" "$out/demo.kre" "$out/$prefix-$name.png"
  echo "$out/$prefix-$name.png"
}
shot 810x580 1024 700 1 810x580+0+0
shot 1600x1000 1600 1000 1 1600x1000+0+0
shot scale2 1800 1300 2
