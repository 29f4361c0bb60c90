#pragma once
// The mission-flow analysis printed three ways: the timeline as text, JSON for scripts, and the
// dependency graph in Graphviz's language. All three are UTF-8.

#include <string>

#include "flow/analysis.h"

namespace flow {

// The timeline: one line per flight group by earliest arrival with a column per analysed level
// ("0:00", ">= 1:30", "never", "not at Hard"), the reasons after; then the messages, the global
// goals in use, the findings and the advisories, each with its chain of why.
std::string timelineText(const model::Mission& m, const shell::Vocabulary& v, const Result& r);

// {"difficulties": [...], "flightGroups": [...], "messages": [...], "globalGoals": [...],
//  "findings": [...], "advisories": [...]}: an item per flight group, message and goal at each
// level, numbers from 1 as in the lists (the shape is documented in the handbook).
std::string flowJson(const model::Mission& m, const shell::Vocabulary& v, const Result& r);

// A directed graph at one level: flight groups, messages and global goals as nodes, one edge per
// trigger from what it waits on to what waits, labelled with the condition; sets of craft a
// trigger names are nodes of their own with an edge from each member. `dot -Tsvg` draws it.
std::string flowDot(const model::Mission& m, const shell::Vocabulary& v, const LevelResult& r);

// The findings or advisories as lines: "kind: text", then "    why: step — step".
std::string findingLines(const std::vector<Finding>& items);

}  // namespace flow
