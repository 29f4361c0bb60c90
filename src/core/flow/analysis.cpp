// The mission-flow analysis: the Mission compiled into a plan, its earliest times solved, then
// explained and checked, one named step each.
#include "flow/analysis.h"

#include <algorithm>

#include "flow/steps.h"

namespace flow {

std::vector<int> Result::arrivalOrder() const {
  std::vector<int> order(flightGroups.size());
  for (std::size_t i = 0; i < order.size(); ++i) order[i] = static_cast<int>(i);
  std::sort(order.begin(), order.end(), [this](int a, int b) {
    const Time& x = flightGroups[static_cast<std::size_t>(a)].time;
    const Time& y = flightGroups[static_cast<std::size_t>(b)].time;
    if (x.never != y.never) return !x.never;
    if (!x.never && x.seconds != y.seconds) return x.seconds < y.seconds;
    return a < b;
  });
  return order;
}

std::vector<int> Result::waitingFor(int group) const {
  std::vector<int> out;
  for (std::size_t i = 0; i < flightGroups.size(); ++i) {
    const auto& w = flightGroups[i].waitsOn;
    if (std::find(w.begin(), w.end(), group) != w.end()) out.push_back(static_cast<int>(i));
  }
  return out;
}

std::vector<int> Result::messagesWaitingFor(int group) const {
  std::vector<int> out;
  for (std::size_t i = 0; i < messages.size(); ++i) {
    const auto& w = messages[i].waitsOn;
    if (std::find(w.begin(), w.end(), group) != w.end()) out.push_back(static_cast<int>(i));
  }
  return out;
}

Result analyse(const model::Mission& m, const shell::Vocabulary& v, Difficulty d) {
  Result r;
  r.difficulty = d;
  const Plan p = makePlan(m, d);
  const std::vector<Val> value = earliestTimes(p);
  Names names(m, v);
  describeArrivals(m, v, p, value, names, r);
  neverArriveFindings(p, names, r);
  timeMessages(m, p, value, names, r);
  neverSentFindings(names, r);
  timeGlobalGoals(p, value, names, r);
  goalFindings(m, v, names, r);
  namesNothing(m, v, names, r.findings);
  return r;
}

}  // namespace flow
