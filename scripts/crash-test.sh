#!/usr/bin/env bash
# Kills the editor N times and checks what the next start restores. Each run starts the editor
# on an X server of its own (Xvfb) with random events (the GUI monkey's event source) on a
# random mission, kills it with SIGKILL at a random moment, starts it again, restores what the
# recovery offer lists, and compares the restored bytes with the states the document took: the
# state restored must have been the document's no more than 2 seconds before the kill (when
# nothing was unsaved then, or the document was saved since, no offer is right too).
#   bash scripts/crash-test.sh N
# Environment: BUILD (default build/release when it holds the GUI tests, else build/test),
# ZYNED_CRASH_FIRST_SEED (default: from the clock). Prints the runs and the worst age.
set -uo pipefail
runs=${1:?usage: crash-test.sh N}
cd "$(dirname "$0")/.."
build=${BUILD:-build/release}
[ -x "$build/zyned_gui_tests" ] || build=build/test
program=$build/zyned_gui_tests
if [ ! -x "$program" ]; then
  echo "crash-test.sh: $program is not built" >&2
  exit 2
fi
command -v Xvfb > /dev/null || { echo "crash-test.sh: Xvfb is missing" >&2; exit 2; }
work=$(mktemp -d)
display=:$((90 + RANDOM % 100))
Xvfb "$display" -screen 0 1600x1200x24 -nolisten tcp > /dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2> /dev/null; rm -rf "$work"' EXIT
sleep 1
export DISPLAY=$display QT_QPA_PLATFORM=xcb
export ASAN_OPTIONS=detect_leaks=0:abort_on_error=0
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
seed=${ZYNED_CRASH_FIRST_SEED:-$(date +%s)}
failed=0
worst=0
for ((run = 1; run <= runs; run++, seed++)); do
  dir=$work/run$run
  mkdir -p "$dir"
  ZYNED_CRASH_DIR=$dir ZYNED_MONKEY_SEED=$seed ZYNED_MONKEY_LOG=$dir/events.log \
    "$program" --gtest_filter=CrashRun.EditUntilKilled \
    > "$dir/edit.txt" 2>&1 &
  pid=$!
  # Up and editing, then a random moment of 0.5 to 8 seconds.
  for ((w = 0; w < 600; w++)); do
    [ -s "$dir/states.log" ] && break
    sleep 0.1
  done
  sleep "$(awk -v r=$RANDOM 'BEGIN { printf "%.2f", 0.5 + 7.5 * r / 32767 }')"
  killed=$(date +%s%3N)
  echo "$killed" > "$dir/killed.txt"
  kill -9 "$pid" 2> /dev/null
  wait "$pid" 2> /dev/null
  status=$?
  ZYNED_CRASH_DIR=$dir "$program" --gtest_filter=CrashRun.RestoreAfterKill > "$dir/restore.txt" 2>&1
  verdict=$(python3 - "$dir/states.log" "$dir/restored.txt" "$killed" <<'PY'
import sys
states, restored, killed = sys.argv[1], sys.argv[2], int(sys.argv[3])
rows = []
for line in open(states):
    parts = line.split()
    if len(parts) == 4:
        rows.append((int(parts[0]), parts[1], parts[2] == "1", parts[3] == "1"))
try:
    offered, got = open(restored).read().split()
except (OSError, ValueError):
    print("FAIL no restore result"); sys.exit()
# The age of a state: how long before the kill the document left it (0: still in it).
def age(i):
    end = rows[i + 1][0] if i + 1 < len(rows) else None
    return 0 if end is None or end > killed else killed - end
if offered == "0":
    # Nothing offered is right when the document held nothing unsaved 2 seconds before the kill,
    # or was saved since: work younger than that may not have been copied yet.
    # A state half made (a gesture under way) is none to keep: the last whole one counts.
    before = [r for r in rows if r[0] <= killed - 2000 and not r[3]]
    saved_since = any(not r[2] for r in rows if killed - 2000 < r[0] <= killed)
    bad = before and before[-1][2] and not saved_since
    print("FAIL nothing offered for unsaved work" if bad else "OK 0 nothing unsaved")
    sys.exit()
ages = [age(i) for i in range(len(rows)) if rows[i][1] == got and not rows[i][3]]
if not ages:
    print("FAIL the restored bytes were never the document's")
else:
    best = min(ages)
    print(("OK" if best <= 2000 else "FAIL too old") + " %d" % best)
PY
)
  # An editor that stopped before the kill (a crash) is a finding of its own; its events are kept.
  ((status == 137)) || verdict="FAIL the editor stopped by itself (status $status); $verdict"
  echo "run $run (seed $seed): $verdict"
  case $verdict in
    OK*) a=${verdict#OK }; a=${a%% *}; ((a > worst)) && worst=$a ;;
    *) failed=$((failed + 1)); cp -r "$dir" "${TMPDIR:-/tmp}/crash-test-seed-$seed" ;;
  esac
done
echo "crash-test.sh: $runs runs, $failed failed, worst age ${worst} ms"
((failed == 0))
