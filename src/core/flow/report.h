#pragma once
// The mission-flow analysis printed three ways: the timeline as text, JSON for scripts, and the
// dependency graph in Graphviz's language. All three are UTF-8.

#include <string>

#include "flow/analysis.h"

namespace flow {

// The timeline: one line per flight group by earliest arrival ("0:00", ">= 1:30", the
// never-arriving last with their reason), then the messages, the global goals in use and the
// findings.
std::string timelineText(const model::Mission& m, const shell::Vocabulary& v, const Result& r);

// {"difficulty": "medium", "flightGroups": [...], "messages": [...], "globalGoals": [...],
//  "findings": [...]}, numbers from 1 as in the lists (the shape is documented in the README).
std::string flowJson(const model::Mission& m, const shell::Vocabulary& v, const Result& r);

// A directed graph: flight groups, messages and global goals as nodes, one edge per trigger from
// what it waits on to what waits, labelled with the condition; sets of craft a trigger names
// are nodes of their own with an edge from each member. `dot -Tsvg` draws it.
std::string flowDot(const model::Mission& m, const shell::Vocabulary& v, const Result& r);

}  // namespace flow
