#!/usr/bin/env bash
# Runs the editor under random clicks, keys and typing (the GUI tests' MonkeyRun, under the
# sanitizers of the test build) for SECONDS, one run of EVENTS events per seed, each seed a new
# editor. Exits 0 when nothing was found; on a finding (a failed check, a crash, a sanitizer
# report, an event that has not returned after 10 seconds) stops with status 1 and prints the seed,
# the events of that run and how to replay them; a hang also prints the main thread's stack when
# gdb can attach.
#   bash scripts/monkey.sh SECONDS [EVENTS]     (default EVENTS: 5000)
# Environment: BUILD (default build/test), ZYNED_MONKEY_FIRST_SEED (default: from the clock),
# ZYNED_MONKEY_HANG (seconds an event may take, default 10).
set -uo pipefail
seconds=${1:?usage: monkey.sh SECONDS [EVENTS]}
events=${2:-5000}
cd "$(dirname "$0")/.."
build=${BUILD:-build/test}
program=$build/zyned_gui_tests
if [ ! -x "$program" ]; then
  echo "monkey.sh: $program is not built (bash scripts/test.sh builds it)" >&2
  exit 2
fi
out=$build/monkey
mkdir -p "$out"
export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=0
export LSAN_OPTIONS="suppressions=$PWD/scripts/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
seed=${ZYNED_MONKEY_FIRST_SEED:-$(date +%s)}
# Seconds an event may take before it counts as a hang (ZYNED_MONKEY_HANG, default 10).
hang=${ZYNED_MONKEY_HANG:-10}
end=$((SECONDS + seconds))
runs=0
while ((SECONDS < end)); do
  log=$out/events-$seed.txt
  report=$out/report-$seed.txt
  ZYNED_MONKEY_SEED=$seed ZYNED_MONKEY_EVENTS=$events ZYNED_MONKEY_LOG=$log \
    "$program" --gtest_filter='MonkeyRun.*' > "$report" 2>&1 &
  pid=$!
  # The watchdog: every event is written to the log as it happens; a log that stands still for
  # HANG seconds while the run goes on is an event that never returned.
  hung=0
  last=-1
  still=0
  while kill -0 "$pid" 2> /dev/null; do
    sleep 1
    # Counted from the first event to the last (the start and the end of a run are no events).
    lines=$(wc -l < "$log" 2> /dev/null || echo 0)
    if ((lines == 0 || lines >= events)); then continue; fi
    if [ "$lines" = "$last" ]; then still=$((still + 1)); else still=0; last=$lines; fi
    if ((still >= hang)); then
      hung=1
      {
        echo "monkey.sh: an event has not returned for $hang seconds"
        if command -v gdb > /dev/null; then
          echo "the main thread:"
          timeout 60 gdb -p "$pid" -batch -ex "thread 1" -ex "bt 40" 2>&1 | grep -E '^#|^Thread'
        fi
      } >> "$report"
      kill -9 "$pid" 2> /dev/null
      break
    fi
  done
  wait "$pid"
  status=$?
  if ((hung)); then
    echo "monkey.sh: a finding with seed $seed after $runs clean runs: a hang"
    sed -n '/an event has not returned/,$p' "$report" | head -60
    echo "the last events:"
    tail -5 "$log"
    echo "events:  $log"
    echo "report:  $report"
    exit 1
  fi
  if ((status != 0)); then
    echo "monkey.sh: a finding with seed $seed after $runs clean runs (status $status)"
    grep -v "This plugin does not support" "$report" | grep -E -A30 "Failure|ERROR|runtime error" |
      head -60
    echo "events:  $log"
    echo "report:  $report"
    echo "replay:  ZYNED_MONKEY_REPLAY=$log QT_QPA_PLATFORM=offscreen $program --gtest_filter='MonkeyRun.*'"
    echo "or:      ZYNED_MONKEY_SEED=$seed ZYNED_MONKEY_EVENTS=$events QT_QPA_PLATFORM=offscreen $program --gtest_filter='MonkeyRun.*'"
    exit 1
  fi
  rm -f "$log" "$report"
  runs=$((runs + 1))
  seed=$((seed + 1))
done
echo "monkey.sh: $runs runs of $events events, nothing found"
