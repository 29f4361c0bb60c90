// The mission-flow analysis runs on every edit while its window is open: a 200-group mission
// whose triggers wait on each other in every way must take well under a millisecond.
#include <benchmark/benchmark.h>

#include "flow/analysis.h"
#include "flow_mission.h"

namespace {

void FlowAnalysis200(benchmark::State& state) {
  const model::Mission m = testgen::flowMission(1, 200, 64);
  const shell::Vocabulary v;
  for (auto _ : state) {
    flow::Result r = flow::analyse(m, v);
    benchmark::DoNotOptimize(r);
  }
}
BENCHMARK(FlowAnalysis200)->Unit(benchmark::kMicrosecond);

}  // namespace
