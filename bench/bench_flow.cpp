// The mission-flow analysis runs on every edit while its window is open: a 200-group mission
// whose triggers wait on each other in every way, at all three levels, must take well under a
// millisecond. "Check All…" and `zyned-cli check LIST` read and check every mission of a list:
// 100 missions of 100 groups in well under a second.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <string>

#include "flow/analysis.h"
#include "flow/list_check.h"
#include "flow_mission.h"
#include "model/mission_file.h"

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

// A folder of 100 missions and the game list naming them.
struct ListFolder {
  std::filesystem::path dir;
  ListFolder() {
    dir = std::filesystem::temp_directory_path() /
          ("zyned-bench-" + std::to_string(std::random_device{}()));
    std::filesystem::create_directories(dir);
    std::ofstream list(dir / "Mission.lst", std::ios::binary);
    for (int i = 1; i <= 100; ++i) {
      const std::string name = "M" + std::to_string(i) + ".KRE";
      model::saveMissionFile(testgen::flowMission(static_cast<std::uint64_t>(i), 100, 32),
                             (dir / name).string());
      list << i << "\r\n" << name << "\r\nMission " << i << "\r\n";
    }
  }
  ~ListFolder() { std::filesystem::remove_all(dir); }
};

void CheckList100(benchmark::State& state) {
  const ListFolder folder;
  const shell::Vocabulary v;
  const shell::Settings settings;
  for (auto _ : state) {
    std::vector<flow::ListedMission> missions;
    std::string error;
    flow::listedMissions((folder.dir / "Mission.lst").string(), missions, error);
    flow::ListCheck check = flow::checkMissions(missions, settings, v);
    benchmark::DoNotOptimize(check);
  }
}
BENCHMARK(CheckList100)->Unit(benchmark::kMillisecond);

}  // namespace
