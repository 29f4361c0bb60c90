#!/usr/bin/env bash
# Builds every fuzzer in its own clang build folder, writes the seed corpora and runs each fuzzer
# for SECONDS, one after the other, then prints the executions and findings of each.
#   bash fuzz/run_all.sh SECONDS [BUILD_DIR]      (default BUILD_DIR: build-fuzz)
# On a shared machine run it with low priority: nice -n 19 bash fuzz/run_all.sh 120
set -euo pipefail
seconds=${1:?usage: run_all.sh SECONDS [BUILD_DIR]}
cd "$(dirname "$0")/.."
build=${2:-build-fuzz}
targets=(fuzz_reader fuzz_older fuzz_brf fuzz_game_lists fuzz_custom_list fuzz_load_by_list
         fuzz_slot_lists fuzz_sound_list fuzz_clipboards fuzz_library fuzz_settings
         fuzz_vocabulary fuzz_icon_cache fuzz_mission_json fuzz_edit_sequences)

cmake -S . -B "$build" -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DZYNED_FUZZ=ON -DZYNED_GUI=ON -DZYNED_TESTS=OFF -DZYNED_BENCH=OFF > /dev/null
ninja -C "$build" "${targets[@]}" zyned_gen_corpus zyned_gen_older_corpus zyned_gen_small_corpora
cd "$build"
mkdir -p seeds corpus artifacts logs
[ -d seeds/fuzz_reader ] || { mkdir -p seeds/fuzz_reader && ./zyned_gen_corpus seeds/fuzz_reader 60; }
[ -d seeds/fuzz_older ] || {
  mkdir -p seeds/fuzz_older seeds/fuzz_brf && ./zyned_gen_older_corpus seeds/fuzz_older seeds/fuzz_brf 40
}
./zyned_gen_small_corpora seeds > /dev/null

# Shorter allocation stacks in reports and a smaller quarantine of freed memory: the targets that
# build whole missions spend much of their time in the allocator otherwise (about 15 % faster).
export ASAN_OPTIONS=${ASAN_OPTIONS:-malloc_context_size=0:quarantine_size_mb=16}
printf '%-18s %14s %10s %9s %9s\n' fuzzer executions exec/s corpus findings
for t in "${targets[@]}"; do
  mkdir -p "corpus/$t" "artifacts/$t"
  # A finding stops the fuzzer; the run goes on with the next one.
  ./"$t" -max_total_time="$seconds" -timeout=10 -print_final_stats=1 \
    -artifact_prefix="artifacts/$t/" "corpus/$t" "seeds/$t" > "logs/$t.log" 2>&1 || true
  execs=$(awk '/stat::number_of_executed_units/ {print $2}' "logs/$t.log")
  rate=$(awk '/stat::average_exec_per_sec/ {print $2}' "logs/$t.log")
  size=$(find "corpus/$t" -type f | wc -l)
  findings=$(find "artifacts/$t" -type f | wc -l)
  printf '%-18s %14s %10s %9s %9s\n' "$t" "${execs:-?}" "${rate:-?}" "$size" "$findings"
done
echo "Logs in $build/logs, findings in $build/artifacts/<fuzzer>/ (replay: ./<fuzzer> FILE)."
