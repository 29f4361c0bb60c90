#pragma once
// A busy battle for the map's tests, pictures and benchmark: fleets of starships with fighter
// screens, transports on their routes, platforms, containers and mines, every flight group with
// its waypoints, all placed deterministically.

#include <cstdint>

#include "model/mission.h"

namespace testgen {

// A mission of `flightGroups` flight groups (at least 1) spread over about 40 x 30 km.
model::Mission busyMapMission(int flightGroups = 40, std::uint64_t seed = 7);

// A plain mission of `n` flight groups named G1, G2, ... at x = 0, 100, ...; one message.
model::Mission namedGroupsMission(int n);

}  // namespace testgen
