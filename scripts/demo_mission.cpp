// Writes a mission that looks like a real one (a dozen flight groups of several sides, craft,
// ranks and wave counts, some messages and a title) for screenshots. Built and run by
// scripts/desktop-shots.sh; not part of the program.
#include <cstdio>
#include <string>

#include "model/mission.h"
#include "model/mission_file.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: demo_mission OUT.kre\n");
    return 2;
  }
  using namespace model;
  Mission m;
  m.platformId = FormatExpansion;
  m.newMission();
  struct Group {
    const char* name;
    int craft, iff, count, waves, rank, player, globalGroup;
  };
  const Group groups[] = {
      {"Red", 1, 0, 3, 1, 2, 1, 0},          {"Gold", 2, 0, 2, 2, 3, 0, 0},
      {"Blue Squadron", 3, 0, 4, 0, 2, 0, 1}, {"Kestrel", 4, 1, 6, 2, 1, 0, 2},
      {"Talon", 5, 1, 4, 1, 4, 0, 2},        {"Harrow", 12, 1, 1, 0, 5, 0, 3},
      {"Convoy A", 22, 3, 2, 0, 1, 0, 4},    {"Convoy B", 22, 3, 2, 0, 1, 0, 4},
      {"Relay Station", 40, 2, 1, 0, 2, 0, 5}, {"Mine Field", 60, 4, 3, 0, 0, 0, 6},
      {"Shuttle Tyr", 17, 5, 1, 0, 2, 0, 7}, {"Escort", 6, 0, 2, 1, 3, 2, 1},
  };
  for (std::size_t i = 0; i < std::size(groups); ++i) {
    if (i >= m.flightGroups.size()) m.addFlightGroup();
    FlightGroup& g = m.flightGroups[i];
    const Group& d = groups[i];
    g.setText(fg::Name, d.name);
    g.set(fg::CraftType, static_cast<std::uint8_t>(d.craft));
    g.set(fg::Iff, static_cast<std::uint8_t>(d.iff));
    g.set(fg::CraftCount, static_cast<std::uint8_t>(d.count));
    g.set(fg::WaveCount, static_cast<std::uint8_t>(d.waves));
    g.set(fg::AiRank, static_cast<std::uint8_t>(d.rank));
    g.set(fg::PlayerNumber, static_cast<std::uint8_t>(d.player));
    g.set(fg::GlobalGroup, static_cast<std::uint8_t>(d.globalGroup));
    g.set(fg::WaypointX, static_cast<std::int16_t>(160 * (static_cast<int>(i) % 4) - 240));
    g.set(fg::WaypointY, static_cast<std::int16_t>(120 * (static_cast<int>(i) / 4) - 200));
  }
  m.briefings[0].strings[0] = ">Operation Nightfall";
  const auto r = saveMissionFile(m, argv[1]);
  if (!r.ok) {
    std::fprintf(stderr, "%s\n", r.error.c_str());
    return 1;
  }
  return 0;
}
