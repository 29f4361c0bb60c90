#pragma once
// Missions whose triggers wait on each other in every way the mission-flow analysis follows:
// chains, and/or pairs, cycles, sets of craft, mother ships, difficulties, messages and global
// goals. Deterministic from a seed, for the analysis' tests and its benchmark.

#include <cstdint>

#include "model/mission.h"

namespace testgen {

model::Mission flowMission(std::uint64_t seed, int flightGroups = 200, int messages = 40);

}  // namespace testgen
