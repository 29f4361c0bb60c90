// The mission-flow analysis: the Mission compiled into a plan once; at each level its earliest
// times solved, then explained and checked, one named step each; findings alike at several
// levels made one.
#include "flow/analysis.h"

#include <algorithm>

#include "flow/steps.h"

namespace flow {

std::vector<int> LevelResult::arrivalOrder() const {
  std::vector<int> order(flightGroups.size());
  for (std::size_t i = 0; i < order.size(); ++i) order[i] = static_cast<int>(i);
  std::sort(order.begin(), order.end(), [this](int a, int b) {
    const Arrival& ax = flightGroups[static_cast<std::size_t>(a)];
    const Arrival& ay = flightGroups[static_cast<std::size_t>(b)];
    if (ax.absent != ay.absent) return !ax.absent;
    const Time& x = ax.time;
    const Time& y = ay.time;
    if (x.never != y.never) return !x.never;
    if (!x.never && x.seconds != y.seconds) return x.seconds < y.seconds;
    return a < b;
  });
  return order;
}

std::vector<int> LevelResult::waitingFor(int group) const {
  std::vector<int> out;
  for (std::size_t i = 0; i < flightGroups.size(); ++i) {
    const auto& w = flightGroups[i].waitsOn;
    if (std::find(w.begin(), w.end(), group) != w.end()) out.push_back(static_cast<int>(i));
  }
  return out;
}

std::vector<int> LevelResult::messagesWaitingFor(int group) const {
  std::vector<int> out;
  for (std::size_t i = 0; i < messages.size(); ++i) {
    const auto& w = messages[i].waitsOn;
    if (std::find(w.begin(), w.end(), group) != w.end()) out.push_back(static_cast<int>(i));
  }
  return out;
}

const LevelResult& Result::at(Difficulty d) const {
  for (const LevelResult& l : levels)
    if (l.difficulty == d) return l;
  return levels.front();
}

namespace {

LevelResult analyseLevel(const model::Mission& m, const Plan& p, Difficulty d, Names& names,
                         Collector& found) {
  const Level level = levelOf(p, d);
  const std::vector<Val> value = earliestTimes(p, level);
  const Values v{p, level, value};
  LevelResult r;
  r.difficulty = d;
  LevelRun run{m, names, v, r, found};
  describeArrivals(run);
  neverArriveFindings(run);
  timeMessages(run);
  neverSentFindings(run);
  timeGlobalGoals(run);
  goalFindings(run);
  advisories(run);
  return r;
}

}  // namespace

Result analyse(const model::Mission& m, const shell::Vocabulary& v, Levels levels) {
  Result r;
  r.analysed = levels.empty() ? Levels::all() : levels;
  const Plan p = makePlan(m);
  Names names(m, v);
  Collector found(r.analysed);
  for (Difficulty d : AllDifficulties)
    if (r.analysed.has(d)) r.levels.push_back(analyseLevel(m, p, d, names, found));
  namesNothing(m, names, found);
  found.finish(r);
  return r;
}

}  // namespace flow
