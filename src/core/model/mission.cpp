#include "model/mission.h"

#include <cmath>

#include "map/craft_types.h"

namespace model {

void Mission::clear() {
  flightGroups.clear();
  messages.clear();
  globalGoals = {};
  teams = {};
  briefings = {};
  globalGoalStrings = {};
  trailingBytes.clear();
}

Message newMessageTemplate() {
  Message m;
  m.set(message::Color, std::uint8_t{'0'});
  m.setText(message::Text, "New Message");
  return m;
}

FlightGroup Mission::newFlightGroupTemplate(const MissionDefaults& defaults) const {
  FlightGroup t;
  t.setText(fg::Name, "Unnamed");
  t.set(fg::CraftType, static_cast<u8>(defaults.defaultShip));
  t.set(fg::AiRank, static_cast<u8>(defaults.defaultAI));
  t.set(fg::SpecialCraft, u8{1});
  t.set(fg::Team, u8{0});
  t.set(fg::CraftCount, u8{1});
  t.set(fg::FormationSpacing, u8{6});
  t.set(fg::Markings, u8{0});
  t.set(fg::Iff, teamIff[0]);
  t.set(fg::ObjectOrientation, u8{64});
  for (std::size_t n = 0; n < fg::OrderCount; ++n) {
    Bytes o = t.orderBytes(n);
    set(o, order::Throttle, u8{10});
    set(o, order::Variable1, u8{1});
    set(o, order::Variable2, u8{1});
    set(o, order::Target3Or4, u8{1});
    set(o, order::Target1Or2, u8{1});
  }
  for (std::size_t g = 0; g < fg::GoalCount; ++g) set(t.goalBytes(g), goal::Condition, u8{10});
  for (std::size_t p : {Start1, Briefing1, Briefing2}) t.set(fg::WaypointEnabled, i16{1}, p);
  if (defaults.enableWPs) {
    t.set(fg::WaypointEnabled, i16{1}, Waypoint1);
    t.set(fg::WaypointEnabled, i16{1}, Hyperspace);
  }
  t.autoLink = defaults.autoLink;
  return t;
}

void Mission::newMission(const MissionDefaults& defaults) {
  clear();
  teamIff = {};
  sounds.clear();
  teamIff[0] = 1;

  flightGroups.push_back(newFlightGroupTemplate(defaults));
  flightGroups[0].autoLink = defaults.autoLink;
  flightGroups[0].heading = Heading{};
  updateMapExtent();

  header.set(header::FlightGroupCount, static_cast<u16>(flightGroups.size()));
  flightGroups[0].set(fg::PlayerNumber, u8{1});

  header.set(header::MessageCount, u16{0});
  header.set(header::TimeLimitMinutes, u8{0});
  header.set(header::TimeLimitSeconds, u8{0});
  header.set(header::HeaderByte8, u8{0});
  header.set(header::HeaderByte11, u8{0});
  header.set(header::HeaderByte101, u8{0});

  for (auto& gg : globalGoals) {
    gg = GlobalGoal{};
    gg.set(globalgoal::Leading, i16{3});
  }
  for (auto& tm : teams) {
    tm = Team{};
    tm.set(team::Leading, i16{1});
  }
  teams[0].setText(team::Name, "Imperial");
  teamIff[0] = 1;
  teams[1].setText(team::Name, "Rebel");
  teamIff[1] = 0;

  for (std::size_t n = 0; n < BriefingCount; ++n) {
    Briefing& b = briefings[n];
    b = Briefing{};
    b.set(briefing::RunningTime, i16{600});
    b.set(briefing::EventWordsUsed, i16{2});
    b.set(briefing::Events, i16{9999}, 0);
    b.set(briefing::Events, i16{34}, 1);
    b.set(briefing::TeamVisible, u8{1}, n);
  }
  globalGoalStrings = {};

  description = TextBlock(descriptionSize());
  successDebrief = TextBlock(4096);
  failureDebrief = TextBlock(4096);
  header.set(header::MissionType, u8{Training});
}

FlightGroup Mission::addedFlightGroup(const FlightGroup& tmpl,
                                      const MissionDefaults& defaults) const {
  FlightGroup g = tmpl;
  g.set(fg::Iff, teamIff[0]);
  const bool melee = missionType() == Melee;
  g.autoLink = melee ? false : defaults.autoLink;
  const i16 wp = defaults.enableWPs ? 1 : 0;
  g.set(fg::WaypointEnabled, wp, Waypoint1);
  g.set(fg::WaypointEnabled, wp, Hyperspace);
  if (melee) {
    g.set(fg::OptionalCraftCategory, u8{1});
    g.set(fg::WaveCount, u8{99});
  }
  g.heading = Heading{};
  return g;
}

int Mission::addFlightGroup(const FlightGroup& tmpl, const MissionDefaults& defaults) {
  flightGroups.push_back(addedFlightGroup(tmpl, defaults));
  syncCounts();
  updateMapExtent();
  return static_cast<int>(flightGroups.size()) - 1;
}

Message Mission::addedMessage(const Message& tmpl) const {
  Message m = tmpl;
  m.fromFile = false;
  m.set(message::MessageNumber, static_cast<i16>(messages.size()));
  const auto type = missionType();
  if (type == Training || type == MultiplayerTraining) {
    m.set(message::SentToTeam, u8{1}, 0);
    u8 iff = 0;
    for (const auto& g : flightGroups)
      if (g.get(fg::PlayerNumber) == 1) iff = g.get(fg::Iff);
    char color = '0';
    switch (iff) {
      case 1:
        color = '0';
        break;
      case 2:
        color = '2';
        break;
      case 3:
      case 5:
        color = '3';
        break;
      case 0:
      case 4:
        color = '1';
        break;
      default:
        break;
    }
    m.set(message::Color, static_cast<u8>(color));
  }
  m.updateSentToAnyTeam();
  return m;
}

int Mission::addMessage(const Message& tmpl) {
  messages.push_back(addedMessage(tmpl));
  syncCounts();
  return static_cast<int>(messages.size()) - 1;
}

int Mission::addMessage() {
  return addMessage(newMessageTemplate());
}

void Mission::syncCounts() {
  header.set(header::FlightGroupCount, static_cast<u16>(flightGroups.size()));
  header.set(header::MessageCount, static_cast<u16>(messages.size()));
}

Heading computeHeading(const FlightGroup& g, std::uint8_t* lastRoutePoint) {
  std::uint8_t last = 1;
  for (std::size_t p = Waypoint1; p <= Hyperspace; ++p)
    if (g.enabled(p)) last = static_cast<std::uint8_t>(p + 1);
  if (lastRoutePoint) *lastRoutePoint = last;

  Heading h;
  double dx = 0, dy = 0, dz = 0;
  if (g.enabled(Waypoint1)) {
    dx = g.x(Waypoint1) - g.x(Start1);
    dy = g.y(Waypoint1) - g.y(Start1);
    dz = g.z(Waypoint1) - g.z(Start1);
    if (dx == 0 && dy == 0) {
      dx = 1;
      dy = -1;
      if (dz == 0) dz = 1;
    }
  }
  const double hz = std::sqrt(dx * dx + dy * dy);
  const double l = std::sqrt(dx * dx + dy * dy + dz * dz);
  if (l != 0) {
    h.pitchCos = hz / l;
    h.pitchSin = dz / l;
  }
  if (hz != 0) {
    h.yawCos = dx / hz;
    h.yawSin = dy / hz;
  }
  return h;
}

void Mission::updateHeading(std::size_t i) {
  FlightGroup& g = flightGroups.at(i);
  g.heading = computeHeading(g, &g.lastRoutePoint);
  updateMapExtent();
}

void Mission::updateMapExtent() {
  mapCentre = {};
  mapExtent = {};
  if (flightGroups.empty()) return;
  int minV[3] = {}, maxV[3] = {};
  bool first = true;
  for (const auto& g : flightGroups) {
    double s = map::craftSize(g.get(fg::CraftType));
    if (s > 0.7) s *= 0.5;
    const int m = static_cast<int>(std::lround(s * 160));
    const int c[3] = {g.x(Start1), g.y(Start1), g.z(Start1)};
    for (int a = 0; a < 3; ++a) {
      if (first) {
        maxV[a] = c[a] + m;
        minV[a] = c[a] - m;
      } else if (c[a] > maxV[a]) {
        maxV[a] = c[a] + m;
      } else if (c[a] < minV[a]) {
        minV[a] = c[a] - m;
      }
    }
    first = false;
  }
  int* centre[3] = {&mapCentre.x, &mapCentre.y, &mapCentre.z};
  int* extent[3] = {&mapExtent.x, &mapExtent.y, &mapExtent.z};
  for (int a = 0; a < 3; ++a) {
    *extent[a] = std::abs(maxV[a] - minV[a]);
    *centre[a] = minV[a] + (maxV[a] - minV[a]) / 2;
  }
}

void Mission::computeTeamIff() {
  teamIff = {};
  std::array<bool, TeamCount> seen{};
  for (const auto& g : flightGroups) {
    const auto t = g.get(fg::Team);
    if (t >= TeamCount || seen[t]) continue;
    seen[t] = true;
    teamIff[t] = g.get(fg::Iff);
  }
}

}  // namespace model
