// The document's undo history under list operations: 1,000 adds, moves, deletes and pastes on a
// 200-flight-group mission, then undo all and redo all. Reports the time per step and the bytes
// the history holds.

#include <benchmark/benchmark.h>

#include <QCoreApplication>

#include <chrono>
#include <string>

#include "app/document/mission_document.h"

namespace {

model::Mission twoHundredGroups() {
  model::Mission m;
  m.newMission();
  while (m.flightGroups.size() < 200) m.addFlightGroup();
  for (std::size_t i = 0; i < m.flightGroups.size(); ++i) {
    model::FlightGroup& g = m.flightGroups[i];
    g.setText(model::fg::Name, "G" + std::to_string(i));
    g.set(model::fg::WaypointX, static_cast<model::i16>(i * 10), model::Start1);
    // Every group's first order names the next group: moves and deletes renumber them.
    model::Bytes o = g.orderBytes(0);
    model::set(o, model::order::Command, model::u8{7});
    model::set(o, model::order::Target1Type, model::u8{1});
    model::set(o, model::order::Target1, static_cast<model::u8>((i + 1) % 200));
  }
  m.syncCounts();
  return m;
}

// One list operation of the cycle add, move down, delete, paste.
void listOp(app::MissionDocument& doc, int n) {
  const int count = static_cast<int>(doc.mission().flightGroups.size());
  const int at = (n * 37) % (count - 1);
  switch (n % 4) {
    case 0:
      doc.newFlightGroup();
      break;
    case 1:
      doc.selectFlightGroups({at}, at);
      doc.moveFlightGroupsDown();
      break;
    case 2:
      doc.selectFlightGroups({at}, at);
      doc.deleteFlightGroups();
      break;
    default:
      doc.selectFlightGroups({at}, at);
      doc.copyFlightGroup();
      doc.pasteFlightGroup();
      break;
  }
}

void BM_ListOperationsUndoRedo(benchmark::State& state) {
  using Clock = std::chrono::steady_clock;
  double worstStep = 0, worstUndo = 0, worstRedo = 0, memory = 0;
  for (auto _ : state) {
    app::MissionDocument doc;
    doc.undoStack()->setUndoLimit(0);
    doc.replaceMission(twoHundredGroups());
    auto timed = [](double& worst, auto&& fn) {
      const auto t0 = Clock::now();
      fn();
      worst = std::max(worst, std::chrono::duration<double, std::milli>(Clock::now() - t0).count());
    };
    for (int n = 0; n < 1000; ++n) timed(worstStep, [&] { listOp(doc, n); });
    memory = static_cast<double>(doc.undoMemory());
    while (doc.undoStack()->canUndo()) timed(worstUndo, [&] { doc.undoStack()->undo(); });
    while (doc.undoStack()->canRedo()) timed(worstRedo, [&] { doc.undoStack()->redo(); });
    benchmark::DoNotOptimize(doc.mission().flightGroups.size());
  }
  state.counters["undo_MiB"] = memory / (1024.0 * 1024.0);
  state.counters["worst_step_ms"] = worstStep;
  state.counters["worst_undo_ms"] = worstUndo;
  state.counters["worst_redo_ms"] = worstRedo;
}
BENCHMARK(BM_ListOperationsUndoRedo)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
