#pragma once
// The steps of `flow::analyse`, each filling its part of the result at one level, and the
// collector that makes one finding of a cause found at several levels. Seen by the analysis' own
// files only.

#include <string>
#include <unordered_map>
#include <vector>

#include "flow/explain.h"
#include "flow/plan.h"

namespace flow {

// Findings and advisories of every level, one per cause: those alike at several levels (kind,
// place, text and chain, the levels left out) become one that holds at those levels.
class Collector {
 public:
  explicit Collector(Levels analysed) : analysed_(analysed) {}
  // A finding at level d, its text and chain holding `LevelMark` where the levels go.
  void add(Finding f, Difficulty d);
  // One that holds at every analysed level and says none.
  void addEverywhere(Finding f);
  // The level phrases filled in, findings and advisories apart, each kind in the order found.
  void finish(Result& r);

 private:
  Levels analysed_;
  std::vector<Finding> items_;
  std::unordered_map<std::string, std::size_t> index_;
};

// One level's run: the names, the solved times, the result to fill and the collector.
struct LevelRun {
  const model::Mission& m;
  Names& names;
  const Values& v;
  LevelResult& r;
  Collector& out;
};

// Each flight group's time, what it waits on, the cycle that keeps it away and its reason.
void describeArrivals(LevelRun& run);
// The messages' times and the global goals in use.
void timeMessages(LevelRun& run);
void timeGlobalGoals(LevelRun& run);

// Findings (findings.cpp): groups that never arrive (a cycle once, at its first group), messages
// never sent, global goals never met, "must" goals of groups that never arrive.
void neverArriveFindings(LevelRun& run);
void neverSentFindings(LevelRun& run);
void goalFindings(LevelRun& run);
// Advisories (advisories.cpp): triggers and mother ships whose time the game decides.
void advisories(LevelRun& run);
// Triggers, order targets and mother ships whose target names no flight group of the mission
// (names_nothing.cpp).
void namesNothing(const model::Mission& m, Names& names, Collector& out);

}  // namespace flow
