#include "map_mission.h"

#include <cmath>
#include <random>
#include <string>

namespace testgen {

using namespace model;

namespace {

struct Kind {
  int craftType;
  const char* name;
  int count;
  bool route;
};

// Craft of every class the map draws differently.
const Kind Kinds[] = {
    {1, "Red", 4, true},       {2, "Gold", 3, true},     {3, "Blue", 2, true},
    {42, "Warden", 1, true},   {49, "Bastion", 1, true}, {26, "Pod", 6, false},
    {5, "Hawk", 3, true},      {33, "Trader", 2, true},  {46, "Picket", 1, true},
    {60, "Turret", 1, false},  {17, "Courier", 1, true}, {53, "Anvil", 1, true},
    {14, "Escort", 2, true},   {76, "Mine", 4, false},   {92, "Harbor", 1, true},
    {66, "Dock", 1, false},    {8, "Lancer", 2, true},   {41, "Tanker", 1, true},
    {90, "Outpost", 1, false}, {22, "Ferry", 1, true},
};

}  // namespace

Mission busyMapMission(int flightGroups, std::uint64_t seed) {
  Mission m;
  m.newMission();
  std::mt19937_64 rng(seed);
  auto uniform = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
  for (int i = 0; i < flightGroups; ++i) {
    if (i > 0) m.addFlightGroup();
    FlightGroup& g = m.flightGroups[i];
    const Kind& k = Kinds[i % std::size(Kinds)];
    const int side = (i / 3) % 3;  // three sides, in bands across the map
    g.setText(fg::Name, std::string(k.name) + " " + std::to_string(i / std::size(Kinds) + 1));
    g.set(fg::CraftType, static_cast<u8>(k.craftType));
    g.set(fg::CraftCount, static_cast<u8>(k.count));
    g.set(fg::Iff, static_cast<u8>(side == 2 ? 2 : side));
    g.set(fg::Team, static_cast<u8>(side));
    g.set(fg::PlayerNumber, static_cast<u8>(i < 2 ? i + 1 : 0));
    g.set(fg::ArrivalDelaySeconds, static_cast<u8>(i % 4 == 0 ? 20 : 0));
    g.orderBytes(0)[order::Command.offset] = 2;
    g.orderBytes(0)[order::Throttle.offset] = static_cast<u8>(i % 7 == 0 ? 0 : 10);
    const int baseX = (side - 1) * 2400 + uniform(-900, 900);
    const int baseY = (i % 5 - 2) * 700 + uniform(-300, 300);
    const int baseZ = uniform(-400, 400);
    auto put = [&](std::size_t p, int x, int y, int z, bool on) {
      g.set(fg::WaypointX, static_cast<i16>(x), p);
      g.set(fg::WaypointY, static_cast<i16>(y), p);
      g.set(fg::WaypointZ, static_cast<i16>(z), p);
      g.set(fg::WaypointEnabled, static_cast<i16>(on ? 1 : 0), p);
    };
    put(Start1, baseX, baseY, baseZ, true);
    put(Start2, baseX + 80, baseY, baseZ, i % 3 == 0);
    const int dir = side == 0 ? 1 : -1;
    int x = baseX, y = baseY, z = baseZ;
    for (std::size_t p = Waypoint1; p <= Hyperspace; ++p) {
      x += dir * uniform(300, 900);
      y += uniform(-500, 500);
      z += uniform(-200, 200);
      const bool on =
          k.route && (p <= Waypoint4 || p == Hyperspace) && !(p == Waypoint3 && i % 4 == 1);
      put(p, x, y, z, on);
    }
    for (std::size_t p = Briefing1; p < PointCount; ++p)
      put(p, baseX / 4 + uniform(-40, 40), baseY / 4, 0, p < Briefing1 + 2);
  }
  for (std::size_t i = 0; i < m.flightGroups.size(); ++i) m.updateHeading(i);
  m.computeTeamIff();
  m.syncCounts();
  return m;
}

model::Mission namedGroupsMission(int n) {
  model::Mission m;
  m.newMission();
  while (static_cast<int>(m.flightGroups.size()) < n) m.addFlightGroup();
  for (std::size_t i = 0; i < m.flightGroups.size(); ++i) {
    m.flightGroups[i].setText(model::fg::Name, "G" + std::to_string(i + 1));
    m.flightGroups[i].set(model::fg::WaypointX, static_cast<model::i16>(100 * i), model::Start1);
  }
  m.addMessage();
  return m;
}

}  // namespace testgen
