#include "older/import.h"

#include <algorithm>
#include <filesystem>
#include <memory>

#include "shell/paths.h"

namespace older {
namespace {

using model::i16;
using model::u16;
using model::u8;
namespace ofg = older::fg;
namespace oog = older::og;
namespace oh = older::header;

// Older values are 16-bit; the game of this editor keeps most of them in a byte.
u8 lowByte(int v) {
  return static_cast<u8>(v & 0xFF);
}
u8 clampByte(int v) {
  return static_cast<u8>(std::clamp(v, 0, 255));
}
// X of the older game runs the other way. -32768 has no positive twin: it becomes 32767.
i16 negated(int x) {
  return static_cast<i16>(std::clamp(-x, -32768, 32767));
}

bool in(int v, int lo, int hi) {
  return v >= lo && v <= hi;
}
bool oneOf(int v, std::initializer_list<int> values) {
  return std::find(values.begin(), values.end(), v) != values.end();
}

// Target types of orders and triggers.
enum TargetType : u8 {
  FlightGroupTarget = 1,
  ShipType = 2,
  ShipCategory = 3,
  ObjectCategory = 4,
  IffTarget = 5,
  CraftWithOrder = 6,
};

int craftTypeFor(int oldType, int oldStatus) {
  switch (oldType) {
    case 0:
    case 1:
    case 3:
      return oldType;
    case 2:
      return oldStatus < 10 ? 2 : 4;
    case 18:
      return 4;
    case 4:
    case 5:
    case 6:
      return oldType + 1;
    case 7:
      return 16;
    case 8:
      return 21;
    case 9:
      return 17;
    case 10:
      return 24;
    case 11:
      return 26;
    case 12:
      return 32;
    case 13:
      return 49;
    case 14:
      return 42;
    case 15:
      return 40;
    case 16:
      return 53;
    case 17:
      return 8;
    default:
      return 0;
  }
}

int orderCommandFor(int o) {
  if (o == 0 || o == 1) return o;
  if (o == 2 || o == 3) return 2;
  if (o == 4 || o == 5) return 3;
  if (o == 6 || o == 7) return 9;
  if (in(o, 8, 10) || in(o, 20, 23)) return 7;
  if (o == 11) return 4;
  if (in(o, 13, 17)) return o - 1;
  if (oneOf(o, {18, 19, 24, 25})) return 11;
  if (o == 26 || o == 28) return 26;
  if (o == 27) return 21;
  if (o == 29) return 22;
  if (o == 30) return 23;
  return 5;
}

const char* orderDescriptionFor(int o) {
  if (o == 6 || o == 7) return "Escort";
  if (in(o, 8, 10) || in(o, 20, 23)) return "Attack";
  if (oneOf(o, {18, 19, 24, 25})) return "Disable";
  return nullptr;
}

std::string orderVerb(int o) {
  if (o == 0) return "Stationary";
  if (o == 1) return "Go Home";
  if (oneOf(o, {2, 4, 28})) return "Circle ";
  if (oneOf(o, {3, 5, 27})) return "Fly once ";
  if (o == 6) return "Close ";
  if (o == 7) return "Loose ";
  if (o == 11) return "Rendezvous";
  if (o == 12) return "Disabled";
  if (in(o, 13, 17)) return "Board to ";
  if (oneOf(o, {18, 19, 24, 25})) return "Disable ";
  if (o == 26) return "";
  if (in(o, 0, 28)) return "Attack ";
  return "";
}

std::string orderObject(int o) {
  switch (o) {
    case 2:
    case 3:
      return "and ignore";
    case 4:
    case 5:
      return "and evade";
    case 6:
    case 7:
      return "escort";
    case 8:
      return "escorters";
    case 9:
    case 18:
      return "primary and secondary targets";
    case 10:
    case 19:
      return "all enemies (means fighters, TRNs, SHUs)";
    case 13:
      return "deliver";
    case 14:
      return "take";
    case 15:
      return "exchange";
    case 16:
      return "capture";
    case 17:
      return "destroy";
    case 20:
      return "Transports";
    case 21:
    case 24:
      return "Freighters (includes CRVs)";
    case 22:
    case 25:
      return "Starships";
    case 23:
      return "satellites and mines";
    case 26:
      return "sit and fire";
    case 27:
    case 28:
      return "through WPs";
    case 29:
      return "await return";
    case 30:
      return "await launch of targets";
    case 31:
      return "await boarding by targets";
    case 32:
      return "wait until targets?";
    default:
      return "";
  }
}

std::string orderText(int o, int primary, int secondary) {
  std::string s = "[Vortan]    ";
  if (in(o, 26, 32)) s += "SShip ";
  s += orderVerb(o);
  s += orderObject(o);
  s += "   -   Pri ";
  s += primary < 0 ? std::string(" <none>") : "#" + std::to_string(primary + 1);
  s += ",  Sec ";
  s += secondary < 0 ? std::string("<none>") : "#" + std::to_string(secondary + 1);
  return s;
}

struct GoalTexts {
  int objective;
  const char* incomplete;
  const char* failed;
  const char* success;
};
constexpr GoalTexts GoalTextTable[] = {
    {5, "Destroy special ship", "Special ship can't be destroyed", "Special ship destroyed"},
    {6, "special ship from being destroyed", "special ship destroyed", "special ship survived"},
    {7, "Capture special ship ", "special ship can't be captured", "special ship captured"},
    {8, "Special ship must be boarded", "special ship can't be boarded", "special ship boarded"},
    {14, "Identify special ship ", "special ship can't be identified", "special ship identified"},
    {3, "Capture", "can't be captured", "captured"},
    {11, "Capture 50%", "50% can't be captured", "50% captured"},
};

void setTarget(model::Bytes order, std::size_t n, u8 type, u8 value) {
  model::set(order, model::order::TargetType[n], type);
  model::set(order, model::order::Target[n], value);
}

u8 enemyOf(u8 iff) {
  return iff == 1 ? u8{0} : u8{1};
}

std::string craftName(const ImportOptions& o, int type) {
  if (type >= 0 && static_cast<std::size_t>(type) < o.craftNames.size())
    return o.craftNames[static_cast<std::size_t>(type)];
  return std::to_string(type);
}

// The further targets and the second order some older orders imply.
void applyFurtherTargets(model::FlightGroup& g, int oldOrder, u8 enemy) {
  model::Bytes o1 = g.orderBytes(0);
  model::Bytes o2 = g.orderBytes(1);
  auto targets34 = [&](model::Bytes o, u8 type3, u8 value3) {
    setTarget(o, 2, type3, value3);
    setTarget(o, 3, IffTarget, enemy);
    model::set(o, model::order::Target3Or4, u8{0});
  };
  auto targets12 = [&](model::Bytes o, u8 type1, u8 value1) {
    setTarget(o, 0, type1, value1);
    setTarget(o, 1, IffTarget, enemy);
    model::set(o, model::order::Target1Or2, u8{0});
  };
  switch (oldOrder) {
    case 8:
      targets34(o1, CraftWithOrder, 10);
      break;
    case 10:
    case 19:
      targets34(o1, ShipCategory, 0);
      model::set(o2, model::order::Command, u8{7});
      targets12(o2, ShipCategory, 1);
      targets34(o2, ShipCategory, 0);
      break;
    case 20:
      targets34(o1, ShipType, 20);
      break;
    case 21:
    case 24:
      model::set(o2, model::order::Command, model::get(o1, model::order::Command));
      targets12(o2, ShipType, 31);
      targets34(o2, ShipType, 39);
      break;
    case 22:
    case 25:
      targets34(o1, ShipCategory, 3);
      break;
    case 23:
      setTarget(o1, 0, ObjectCategory, 2);
      setTarget(o1, 1, ShipCategory, 6);
      break;
    case 26:
    case 27:
    case 28:
      setTarget(o1, 3, IffTarget, enemy);
      break;
    default:
      break;
  }
}

void convertGoal(model::FlightGroup& g, int objective, int oldType, int oldOrder,
                 const std::string& prefix) {
  const int o = objective;
  model::Bytes goal = g.goalBytes(0);
  model::set(goal, model::goal::GoalFlag, u8{1});
  if (in(o, 5, 8) || o == 14) model::set(goal, model::goal::Amount, u8{6});
  if (in(o, 9, 12) || o == 15) model::set(goal, model::goal::Amount, u8{2});
  u8 condition = 2;
  if (o == 0)
    condition = 10;
  else if (oneOf(o, {2, 6, 10}))
    condition = 12;
  else if (oneOf(o, {3, 7, 11}))
    condition = 44;
  else if (oneOf(o, {4, 8, 12}))
    condition = 6;
  else if (in(o, 13, 15))
    condition = 5;
  else if (o == 16)
    condition = 1;
  if ((oldType == 11 || oldOrder == 0) && oneOf(o, {2, 6, 10})) {
    model::set(goal, model::goal::Argument, u8{1});
    condition = 2;
  }
  model::set(goal, model::goal::Condition, condition);

  if (oneOf(o, {2, 6, 10}))
    g.setText(model::fg::Roles, "1MIS");
  else if (in(o, 1, 15) && o != 7 && o != 14)
    g.setText(model::fg::Roles, "1PRI");

  for (const GoalTexts& t : GoalTextTable) {
    if (t.objective != o) continue;
    auto put = [&](std::size_t k, const char* text) {
      g.goalStrings.setText(model::fggoalstrings::text(0, k), prefix + text);
    };
    put(0, t.incomplete);
    put(1, t.success);
    put(2, t.failed);
  }
}

// IFF (and team) of an older flight group.
void convertIff(model::FlightGroup& g, int oldIff, int oldType) {
  if (in(oldIff, 1, 3)) {
    g.set(model::fg::Iff, lowByte(oldIff - 1));
    g.set(model::fg::Team, lowByte(oldIff - 1));
    return;
  }
  // IFF 0 (and any value the older game does not know): the craft type decides.
  if (in(oldType, 0, 3) || oldType == 13 || oldType == 18) {
    g.set(model::fg::Iff, u8{0});
    g.set(model::fg::Team, u8{0});
    g.set(model::fg::Radio, u8{1});
  } else if (in(oldType, 4, 7) || oneOf(oldType, {12, 16, 17})) {
    g.set(model::fg::Iff, u8{1});
    g.set(model::fg::Team, u8{1});
  } else {
    g.set(model::fg::Iff, u8{2});
    g.set(model::fg::Team, u8{2});
  }
}

// Rows of the seven older points: Start 1, Waypoint 1-3, Start 2, Start 3, Hyperspace.
constexpr std::array<std::size_t, ofg::PointCount> OlderPointRows{
    model::Start1, model::Waypoint1, model::Waypoint2,  model::Waypoint3,
    model::Start2, model::Start3,    model::Hyperspace,
};

model::FlightGroup convertFlightGroup(const model::Record<ofg::Size>& old, std::size_t oldCount,
                                      const model::Mission& m, const ImportOptions& options) {
  auto v = [&](model::Field<i16> f, std::size_t i = 0) { return int{old.get(f, i)}; };
  model::FlightGroup g = m.newFlightGroupTemplate(options.defaults);
  g.autoLink = options.defaults.autoLink;
  g.setText(model::fg::Name, convertedName(old.text(ofg::Name)));
  g.setText(model::fg::Cargo, convertedName(old.text(ofg::Cargo)));
  g.setText(model::fg::SpecialCargo, convertedName(old.text(ofg::SpecialCargo)));
  g.set(model::fg::SpecialCraft, lowByte(std::min(v(ofg::SpecialCraft), v(ofg::CraftCount))));

  const int type = v(ofg::CraftType);
  const int status = v(ofg::Status);
  const int craft = craftTypeFor(type, status);
  g.set(model::fg::CraftType, lowByte(craft));
  if (type == 8 || type == 9) g.set(model::fg::FormationSpacing, u8{15});
  convertIff(g, v(ofg::Iff), type);

  if (status == 2 || status == 3) g.set(model::fg::Status, lowByte(status));
  if (in(type, 4, 6)) {
    if (status == 3) g.set(model::fg::Status, u8{0});
  } else {
    g.set(model::fg::Markings, lowByte(v(ofg::Markings)));
  }
  if (status != 1 && status != 11) {
    if (oneOf(type, {1, 2, 6})) g.set(model::fg::Warhead, u8{4});
    if (type == 3 || type == 7) g.set(model::fg::Warhead, u8{3});
  }
  if (in(type, 1, 3) || in(type, 5, 7) || type == 17) g.set(model::fg::AbortCondition, u8{4});
  if (type == 4) g.set(model::fg::AbortCondition, u8{9});

  g.set(model::fg::CraftCount, lowByte(v(ofg::CraftCount)));
  g.set(model::fg::WaveCount, lowByte(v(ofg::Waves)));
  g.set(model::fg::AiRank, lowByte(v(ofg::AiRank)));
  g.set(model::fg::Formation, lowByte(v(ofg::Formation)));

  const int event = v(ofg::ArrivalEvent);
  if (event != 0) {
    model::Bytes t =
        g.part(model::fg::ArrivalTriggers + model::triggerset::Trigger1, model::trigger::Size);
    const int condition = event == 4 ? 6 : event == 6 ? 8 : event;
    model::set(t, model::trigger::Condition, lowByte(condition));
    model::set(t, model::trigger::VariableType, u8{FlightGroupTarget});
    model::set(t, model::trigger::Variable, lowByte(v(ofg::ArrivalFlightGroup)));
    model::set(t, model::trigger::Amount, event == 2 ? u8{0} : u8{4});
  }
  const Delay delay = convertedDelay(v(ofg::ArrivalDelay));
  g.set(model::fg::ArrivalDelayMinutes, lowByte(delay.minutes));
  g.set(model::fg::ArrivalDelaySeconds, lowByte(delay.seconds));

  // Mother ships are flight-group numbers counted from 0: one at or beyond the count of older
  // flight groups would name an object group (or nothing) in the new list.
  const int mother = v(ofg::Mothership);
  const u8 motherValue =
      mother < 0 || static_cast<std::size_t>(mother) >= oldCount ? u8{0} : lowByte(mother);
  g.set(model::fg::ArrivalMothership, motherValue);
  g.set(model::fg::DepartureMothership, motherValue);
  g.set(model::fg::ArriveViaMothership, v(ofg::ArriveByHyperspace) ? u8{0} : u8{1});
  g.set(model::fg::DepartViaMothership, v(ofg::DepartByHyperspace) ? u8{0} : u8{1});

  for (std::size_t row = model::Start1; row <= model::Hyperspace; ++row)
    g.set(model::fg::WaypointEnabled, i16{0}, row);
  for (std::size_t p = 0; p < ofg::PointCount; ++p) {
    const std::size_t row = OlderPointRows[p];
    g.set(model::fg::WaypointX, negated(v(ofg::WaypointX, p)), row);
    g.set(model::fg::WaypointY, static_cast<i16>(v(ofg::WaypointY, p)), row);
    g.set(model::fg::WaypointZ, static_cast<i16>(v(ofg::WaypointZ, p)), row);
    g.set(model::fg::WaypointEnabled, static_cast<i16>(v(ofg::WaypointEnabled, p)), row);
  }
  g.heading = model::computeHeading(g, &g.lastRoutePoint);

  // Order 1 and its targets.
  const int order = v(ofg::Order);
  const int parameter = v(ofg::OrderParameter);
  const int primary = v(ofg::PrimaryTarget);
  const int secondary = v(ofg::SecondaryTarget);
  model::Bytes o1 = g.orderBytes(0);
  model::set(o1, model::order::Command, lowByte(orderCommandFor(order)));
  if (order != 29) {
    if (primary >= 0) setTarget(o1, 0, FlightGroupTarget, lowByte(primary));
    if (secondary >= 0) setTarget(o1, 1, FlightGroupTarget, lowByte(secondary));
    if (primary >= 0 && secondary >= 0 && primary != secondary && order == 31)
      model::set(o1, model::order::Variable1, u8{2});
  }
  // Throttle runs from 0 to 10 (100%); a larger parameter means full speed.
  if (order == 26)
    model::set(o1, model::order::Throttle, u8{0});
  else
    model::set(o1, model::order::Throttle,
               parameter == 0 ? u8{10} : static_cast<u8>(std::clamp(parameter + 1, 0, 10)));
  if (in(order, 13, 17)) {
    model::set(o1, model::order::Variable1, clampByte(12 * parameter));
    model::set(o1, model::order::Throttle, u8{10});
  }
  applyFurtherTargets(g, order, enemyOf(g.get(model::fg::Iff)));

  const std::string prefix = craftName(options, craft) + " " + g.name() + ": ";
  convertGoal(g, v(ofg::Objective), type, order, prefix);
  return g;
}

model::FlightGroup convertObjectGroup(const model::Record<oog::Size>& old, const model::Mission& m,
                                      const ImportOptions& options) {
  auto v = [&](model::Field<i16> f) { return int{old.get(f)}; };
  model::FlightGroup g = m.newFlightGroupTemplate(options.defaults);
  g.autoLink = options.defaults.autoLink;
  g.setText(model::fg::Name, convertedName(old.text(oog::Name)));

  const int type = v(oog::ObjectType);
  const bool planet = in(type, 34, 49);
  const int oldIff = v(oog::Iff);
  if (in(oldIff, 1, 3)) {
    g.set(model::fg::Iff, lowByte(oldIff - 1));
    g.set(model::fg::Team, lowByte(oldIff - 1));
  } else if (planet) {
    g.set(model::fg::Iff, u8{3});
    g.set(model::fg::Team, u8{9});
  } else {
    g.set(model::fg::Iff, u8{1});
    g.set(model::fg::Team, u8{1});
  }

  if (planet) {
    g.set(model::fg::CraftType, u8{87});
    g.set(model::fg::Status, lowByte(type - 34));
  } else if (in(type, 26, 33)) {
    g.set(model::fg::CraftType, u8{86});
  } else if (in(type, 18, 21)) {
    g.set(model::fg::CraftType, u8{75});
    setTarget(g.orderBytes(0), 0, IffTarget, enemyOf(g.get(model::fg::Iff)));
  } else if (type == 22) {
    g.set(model::fg::CraftType, u8{70});
  } else if (type == 23) {
    g.set(model::fg::CraftType, u8{83});
  } else if (type == 24) {
    g.set(model::fg::CraftType, u8{80});
  }

  g.set(model::fg::CraftCount, lowByte(v(oog::Count)));
  g.set(model::fg::WaypointX, negated(v(oog::X)), model::Start1);
  g.set(model::fg::WaypointY, static_cast<i16>(v(oog::Y)), model::Start1);
  g.set(model::fg::WaypointZ, static_cast<i16>(v(oog::Z)), model::Start1);
  g.heading = model::computeHeading(g, &g.lastRoutePoint);

  model::Bytes goal = g.goalBytes(0);
  model::set(goal, model::goal::GoalFlag, u8{1});
  if (v(oog::Objective) > 3) {
    model::set(goal, model::goal::Condition, u8{2});
    g.setText(model::fg::Roles, "1PRI");
  }
  return g;
}

u16 saturated(long v) {
  return static_cast<u16>(std::clamp<long>(v, 0, 0xFFFF));
}
u16 signedWord(long v) {
  return static_cast<u16>(static_cast<i16>(std::clamp<long>(v, -32768, 32767)));
}

std::size_t parameterWords(int code) {
  if (code == 11 || code == 12 || in(code, 22, 25)) return 1;
  if (code == 15 || code == 16) return 2;
  if (in(code, 27, 30)) return 3;
  return 0;
}

constexpr u16 EndTime = 9999;
constexpr u16 EndCode = 34;

}  // namespace

std::string convertedName(std::string_view text) {
  std::string s(text);
  for (char& c : s) {
    const auto b = static_cast<unsigned char>(c);
    // ASCII and the Windows-1252 capitals that have a small letter 32 further on.
    if ((b >= 'A' && b <= 'Z') || (b >= 0xC0 && b <= 0xDE && b != 0xD7))
      c = static_cast<char>(b + 32);
  }
  if (!s.empty()) {
    const auto b = static_cast<unsigned char>(s[0]);
    if ((b >= 'a' && b <= 'z') || (b >= 0xE0 && b <= 0xFE && b != 0xF7))
      s[0] = static_cast<char>(b - 32);
  }
  return s;
}

Delay convertedDelay(int oldDelay) {
  if (oldDelay <= 0) return {};
  if (oldDelay <= 20) return {oldDelay, 0};
  const int seconds = 6 * oldDelay - 120;
  if (seconds < 60) return {0, seconds};
  // A minute byte holds at most 255 minutes.
  if (seconds / 60 > 255) return {255, 59};
  return {seconds / 60, seconds % 60};
}

model::Mission convertMission(const Mission& old, const ImportOptions& options,
                              ImportedExtras& extras) {
  auto owned = std::make_unique<model::Mission>();
  model::Mission& m = *owned;
  m.platformId = options.platformId;
  m.newMission(options.defaults);
  m.flightGroups.clear();
  m.header.set(model::header::TimeLimitMinutes, lowByte(old.header.get(oh::TimeLimit)));

  const std::size_t oldCount = old.flightGroups.size();
  m.flightGroups.reserve(oldCount + old.objectGroups.size());
  extras.orderTexts.clear();
  extras.orderTexts.reserve(oldCount + old.objectGroups.size());
  for (std::size_t i = 0; i < oldCount; ++i) {
    const auto& o = old.flightGroups[i];
    model::FlightGroup g = convertFlightGroup(o, oldCount, m, options);
    const int order = o.get(ofg::Order);
    const int position = o.get(ofg::PlayerPosition);
    if (i == 0) g.set(model::fg::PlayerNumber, u8{1});
    if (position != 0) {
      g.set(model::fg::PlayerCraft, lowByte(position - 1));
      g.set(model::fg::PlayerNumber, u8{1});
      g.set(model::fg::DepartViaMothership, u8{0});
      if (i != 0) m.flightGroups[0].set(model::fg::PlayerNumber, u8{0});
    }
    if (i == 0 || position != 0)
      if (const char* d = orderDescriptionFor(order))
        model::setText(g.orderBytes(0), model::order::Description, d);
    m.flightGroups.push_back(std::move(g));
    extras.orderTexts.push_back(
        orderText(order, o.get(ofg::PrimaryTarget), o.get(ofg::SecondaryTarget)));
  }
  bool planetSeen = false;
  for (const auto& o : old.objectGroups) {
    m.flightGroups.push_back(convertObjectGroup(o, m, options));
    extras.orderTexts.push_back(ObjectOrderText);
    planetSeen = planetSeen || o.get(oog::ObjectType) == 49;
  }

  m.teams[0].setText(model::team::Name, "Rebel");
  m.teams[1].setText(model::team::Name, "Imperial");
  m.teams[2].setText(model::team::Name, "Neutral");
  m.teamIff[0] = 0;
  m.teamIff[1] = 1;
  m.teamIff[2] = 2;
  m.teams[0].setText(model::team::Success1, old.header.text(oh::EndString1));
  m.teams[0].setText(model::team::Success2, old.header.text(oh::EndString2));

  m.syncCounts();
  m.updateMapExtent();
  if (planetSeen) extras.notices.push_back(PlanetNotice);
  if (old.header.get(oh::Location) == 1) extras.notices.push_back(SurfaceNotice);
  return std::move(m);
}

std::vector<std::uint16_t> convertedEvents(const std::vector<std::uint16_t>& old) {
  constexpr std::size_t Max = model::briefing::EventWords;
  std::vector<std::uint16_t> out;
  bool endsWithMarker = false;
  std::size_t i = 0;
  while (i + 2 <= old.size()) {
    const u16 time = old[i];
    const int code = old[i + 1];
    const std::size_t n = parameterWords(code);
    if (i + 2 + n > old.size()) break;  // a command cut off by the end of the block
    const u16* p = old.data() + i + 2;
    i += 2 + n;

    std::vector<u16> cmd;
    const u16 newTime = time == EndTime ? EndTime : saturated(2L * time);
    auto param = [&](std::size_t k) { return static_cast<long>(static_cast<i16>(p[k])); };
    if (code == 1 || code == 41)
      cmd = {newTime, EndCode};
    else if (code == 10 || code == 26)
      cmd = {newTime, 17};
    else if (code == 11 || code == 12)
      cmd = {newTime, static_cast<u16>(code == 11 ? 4 : 5), saturated(param(0) - 1)};
    else if (code == 15)
      cmd = {newTime, 6, p[0], p[1]};
    else if (code == 16)
      cmd = {newTime, 7, signedWord(2 * param(0)), signedWord(2 * param(1))};
    else if (code == 21)
      cmd = {newTime, 8};
    else if (in(code, 22, 25))
      cmd = {newTime, static_cast<u16>(code - 13), p[0]};
    else if (in(code, 27, 30))
      cmd = {newTime, static_cast<u16>(code - 9), p[0], p[1], p[2], 2};
    else
      continue;  // no counterpart: dropped

    // The stream keeps room for its end marker.
    const bool marker = cmd[1] == EndCode;
    if (out.size() + cmd.size() + (marker ? 0 : 2) > Max) break;
    out.insert(out.end(), cmd.begin(), cmd.end());
    endsWithMarker = marker;
  }
  if (!endsWithMarker) out.insert(out.end(), {EndTime, EndCode});
  return out;
}

void convertBriefing(const Briefing& brf, model::Mission& m) {
  model::Briefing& b = m.briefings[0];
  for (std::size_t s = 0; s < model::briefing::StringCount; ++s) {
    b.tags[s] = brf.tags[s];
    b.strings[s] = brf.texts[s];
  }
  std::string description;
  for (const std::string& t : brf.texts)
    if (t.size() > 200) description.append(t).append("\r\n\r\n");
  if (!description.empty()) {
    if (description.size() > 4095) description.resize(4095);
    m.description.setText(description, 4096);
  }

  const std::vector<std::uint16_t> words = convertedEvents(brf.events);
  for (std::size_t w = 0; w < words.size(); ++w)
    b.set(model::briefing::Events, static_cast<i16>(words[w]), w);
  b.set(model::briefing::EventWordsUsed, static_cast<i16>(words.size()));
  b.set(model::briefing::RunningTime, static_cast<i16>(std::clamp(2 * brf.runningTime, 0, 32767)));
  b.set(model::briefing::TeamVisible, u8{1}, 0);

  // The first coordinate set places each flight group's icon in briefing 1.
  if (!brf.coordinateSets.empty()) {
    const auto& set = brf.coordinateSets[0];
    for (std::size_t i = 0; i < set.size() && i < m.flightGroups.size(); ++i) {
      model::FlightGroup& g = m.flightGroups[i];
      g.set(model::fg::WaypointX, static_cast<i16>(set[i].x), model::Briefing1);
      g.set(model::fg::WaypointY, static_cast<i16>(set[i].y), model::Briefing1);
      g.set(model::fg::WaypointZ, static_cast<i16>(set[i].z), model::Briefing1);
      g.set(model::fg::WaypointEnabled, i16{1}, model::Briefing1);
    }
  }
}

std::optional<std::string> matchingBriefingFile(const std::string& missionPath) {
  const std::filesystem::path path(missionPath);
  std::string name = path.filename().string();
  if (name.size() < 3) return std::nullopt;
  name.replace(name.size() - 3, 3, "brf");
  const std::string dir = path.has_parent_path() ? path.parent_path().string() : ".";
  return shell::findEntryNoCase(dir, name);
}

bool importBriefingFile(const std::string& path, model::Mission& m, std::string& message) {
  std::vector<std::uint8_t> data;
  if (!model::readWholeFile(path, data, message)) return false;
  Briefing brf;
  const model::ReadResult r = readBriefing(data, brf);
  if (!r.ok()) {
    message = r.message == StrangeBriefingMessage
                  ? r.message
                  : "\"" + path + "\" cannot be converted: " + r.message + ".";
    return false;
  }
  convertBriefing(brf, m);
  return true;
}

ImportResult importMissionFile(const std::string& path, model::Mission& out,
                               const ImportOptions& options) {
  ImportResult result;
  std::vector<std::uint8_t> data;
  if (!model::readWholeFile(path, data, result.error)) return result;
  auto old = std::make_unique<Mission>();
  const model::ReadResult r = readMission(data, *old);
  if (!r.ok()) {
    result.error =
        "\"" + path + "\" cannot be loaded as an older-format mission: " + r.message + ".";
    return result;
  }
  auto m = std::make_unique<model::Mission>(convertMission(*old, options, result.extras));
  if (const auto brf = matchingBriefingFile(path)) {
    std::string message;
    if (!importBriefingFile(*brf, *m, message)) result.extras.notices.push_back(message);
  } else {
    result.extras.notices.push_back(MissingBriefingMessage);
  }
  out = std::move(*m);
  result.ok = true;
  return result;
}

}  // namespace older
