#!/usr/bin/env bash
# Runs the editor under random clicks, keys and typing (the GUI tests' MonkeyRun, under the
# sanitizers of the test build) for SECONDS, one run of EVENTS events per seed, each seed a new
# editor. Exits 0 when nothing was found; on a finding (a failed check, a crash, a sanitizer
# report) stops with status 1 and prints the seed, the events of that run and how to replay them.
#   bash scripts/monkey.sh SECONDS [EVENTS]     (default EVENTS: 5000)
# Environment: BUILD (default build/test), ZYNED_MONKEY_FIRST_SEED (default: from the clock).
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
end=$((SECONDS + seconds))
runs=0
while ((SECONDS < end)); do
  log=$out/events-$seed.txt
  report=$out/report-$seed.txt
  ZYNED_MONKEY_SEED=$seed ZYNED_MONKEY_EVENTS=$events ZYNED_MONKEY_LOG=$log \
    "$program" --gtest_filter='MonkeyRun.*' > "$report" 2>&1
  status=$?
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
