#pragma once
// The steps of `flow::analyse`, each filling its part of the result. Seen by the analysis' own
// files only.

#include <vector>

#include "flow/explain.h"
#include "flow/plan.h"

namespace flow {

// Each flight group's time, what it waits on, the cycle that keeps it away and its reason.
void describeArrivals(const model::Mission& m, const shell::Vocabulary& v, const Plan& p,
                      const std::vector<Val>& value, Names& names, Result& r);
// The messages' times and the global goals in use.
void timeMessages(const model::Mission& m, const Plan& p, const std::vector<Val>& value,
                  Names& names, Result& r);
void timeGlobalGoals(const Plan& p, const std::vector<Val>& value, Names& names, Result& r);

// Findings (findings.cpp): groups that never arrive (a cycle once, at its first group), messages
// never sent, global goals never met, "must" goals of groups that never arrive.
void neverArriveFindings(const Plan& p, Names& names, Result& r);
void neverSentFindings(Names& names, Result& r);
void goalFindings(const model::Mission& m, const shell::Vocabulary& v, Names& names, Result& r);
// Triggers, order targets and mother ships whose target names no flight group of the mission
// (names_nothing.cpp).
void namesNothing(const model::Mission& m, const shell::Vocabulary& v, Names& names,
                  std::vector<Finding>& out);

}  // namespace flow
