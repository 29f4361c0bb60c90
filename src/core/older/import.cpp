#include "older/import.h"

#include <algorithm>
#include <filesystem>
#include <memory>

#include "older/tables.h"
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

// Target types of orders and triggers.
enum TargetType : u8 {
  FlightGroupTarget = 1,
  ShipType = 2,
  ShipCategory = 3,
  ObjectCategory = 4,
  IffTarget = 5,
  CraftWithOrder = 6,
};

const CraftRule& craftRule(int type) {
  return rowOf(CraftRules, type, UnknownCraft);
}

int craftTypeFor(int type, int status) {
  if (type == LightCraftType && status >= LightCraftStatus) return LightCraftAsType;
  return craftRule(type).craftType;
}

const OrderRule& orderRule(int order) {
  return rowOf(OrderRules, order, UnknownOrder);
}

std::string orderText(int o, int primary, int secondary) {
  const OrderRule& rule = orderRule(o);
  std::string s = "[Vortan]    ";
  if (in(o, FirstStarshipOrder, static_cast<int>(OrderRules.size()) - 1)) s += "SShip ";
  s += rule.verb;
  s += rule.object;
  s += "   -   Pri ";
  s += primary < 0 ? std::string(" <none>") : "#" + std::to_string(primary + 1);
  s += ",  Sec ";
  s += secondary < 0 ? std::string("<none>") : "#" + std::to_string(secondary + 1);
  return s;
}

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
  const ObjectiveRule& rule = rowOf(ObjectiveRules, objective, UnknownObjective);
  model::Bytes goal = g.goalBytes(0);
  model::set(goal, model::goal::GoalFlag, u8{1});
  if (rule.amount) model::set(goal, model::goal::Amount, rule.amount);
  u8 condition = rule.condition;
  if ((oldType == 11 || oldOrder == 0) && condition == 12) {
    model::set(goal, model::goal::Argument, u8{1});
    condition = 2;
  }
  model::set(goal, model::goal::Condition, condition);
  if (rule.role) g.setText(model::fg::Roles, rule.role);
  if (rule.incomplete) {
    auto put = [&](std::size_t k, const char* text) {
      g.goalStrings.setText(model::fggoalstrings::text(0, k), prefix + text);
    };
    put(0, rule.incomplete);
    put(1, rule.success);
    put(2, rule.failed);
  }
}

// IFF (and team) of an older flight group.
void convertIff(model::FlightGroup& g, int oldIff, int oldType) {
  // IFF 0 (and any value the older game does not know): the craft type decides.
  const u8 iff = in(oldIff, 1, 3) ? lowByte(oldIff - 1) : craftRule(oldType).iff;
  g.set(model::fg::Iff, iff);
  g.set(model::fg::Team, iff);
  if (!in(oldIff, 1, 3) && iff == 0) g.set(model::fg::Radio, u8{1});
}

// Rows of the seven older points: Start 1, Waypoint 1-3, Start 2, Start 3, Hyperspace.
constexpr std::array<std::size_t, ofg::PointCount> OlderPointRows{
    model::Start1, model::Waypoint1, model::Waypoint2,  model::Waypoint3,
    model::Start2, model::Start3,    model::Hyperspace,
};

using OlderGroup = model::Record<ofg::Size>;

// A 16-bit value of an older flight group.
int olderValue(const OlderGroup& old, model::Field<i16> f, std::size_t i = 0) {
  return int{old.get(f, i)};
}

// Craft type, status, markings, warhead, counts and formation.
void convertCraft(model::FlightGroup& g, const OlderGroup& old, int craft) {
  auto v = [&](model::Field<i16> f) { return olderValue(old, f); };
  const int type = v(ofg::CraftType);
  const int status = v(ofg::Status);
  const CraftRule& rule = craftRule(type);
  g.set(model::fg::CraftType, lowByte(craft));
  if (rule.spacing) g.set(model::fg::FormationSpacing, rule.spacing);
  convertIff(g, v(ofg::Iff), type);

  if (status == 2 || status == 3) g.set(model::fg::Status, lowByte(status));
  if (in(type, 4, 6)) {
    if (status == 3) g.set(model::fg::Status, u8{0});
  } else {
    g.set(model::fg::Markings, lowByte(v(ofg::Markings)));
  }
  if (status != 1 && status != 11 && rule.warhead) g.set(model::fg::Warhead, rule.warhead);
  if (rule.abortCondition) g.set(model::fg::AbortCondition, rule.abortCondition);

  g.set(model::fg::CraftCount, lowByte(v(ofg::CraftCount)));
  g.set(model::fg::WaveCount, lowByte(v(ofg::Waves)));
  g.set(model::fg::AiRank, lowByte(v(ofg::AiRank)));
  g.set(model::fg::Formation, lowByte(v(ofg::Formation)));
}

// The arrival trigger and delay, the mother ships.
void convertArrival(model::FlightGroup& g, const OlderGroup& old, std::size_t oldCount) {
  auto v = [&](model::Field<i16> f) { return olderValue(old, f); };
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
}

// The seven older points on their rows, the heading toward the route.
void convertRoute(model::FlightGroup& g, const OlderGroup& old) {
  for (std::size_t row = model::Start1; row <= model::Hyperspace; ++row)
    g.set(model::fg::WaypointEnabled, i16{0}, row);
  for (std::size_t p = 0; p < ofg::PointCount; ++p) {
    const std::size_t row = OlderPointRows[p];
    g.set(model::fg::WaypointX, negated(olderValue(old, ofg::WaypointX, p)), row);
    g.set(model::fg::WaypointY, static_cast<i16>(olderValue(old, ofg::WaypointY, p)), row);
    g.set(model::fg::WaypointZ, static_cast<i16>(olderValue(old, ofg::WaypointZ, p)), row);
    g.set(model::fg::WaypointEnabled, static_cast<i16>(olderValue(old, ofg::WaypointEnabled, p)),
          row);
  }
  g.heading = model::computeHeading(g, &g.lastRoutePoint);
}

// Order 1 and its targets.
void convertFirstOrder(model::FlightGroup& g, const OlderGroup& old, int order) {
  auto v = [&](model::Field<i16> f) { return olderValue(old, f); };
  const int parameter = v(ofg::OrderParameter);
  const int primary = v(ofg::PrimaryTarget);
  const int secondary = v(ofg::SecondaryTarget);
  model::Bytes o1 = g.orderBytes(0);
  model::set(o1, model::order::Command, orderRule(order).command);
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
}

model::FlightGroup convertFlightGroup(const OlderGroup& old, std::size_t oldCount,
                                      const model::Mission& m, const ImportOptions& options) {
  auto v = [&](model::Field<i16> f) { return olderValue(old, f); };
  model::FlightGroup g = m.newFlightGroupTemplate(options.defaults);
  g.autoLink = options.defaults.autoLink;
  g.setText(model::fg::Name, convertedName(old.text(ofg::Name)));
  g.setText(model::fg::Cargo, convertedName(old.text(ofg::Cargo)));
  g.setText(model::fg::SpecialCargo, convertedName(old.text(ofg::SpecialCargo)));
  g.set(model::fg::SpecialCraft, lowByte(std::min(v(ofg::SpecialCraft), v(ofg::CraftCount))));
  const int type = v(ofg::CraftType);
  const int craft = craftTypeFor(type, v(ofg::Status));
  convertCraft(g, old, craft);
  convertArrival(g, old, oldCount);
  convertRoute(g, old);
  const int order = v(ofg::Order);
  convertFirstOrder(g, old, order);
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
  const bool planet = in(type, FirstPlanet, LastPlanet);
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

  for (const ObjectRule& r : ObjectRules)
    if (in(type, r.first, r.last)) g.set(model::fg::CraftType, r.craftType);
  if (planet) g.set(model::fg::Status, lowByte(type - FirstPlanet));
  if (in(type, FirstMine, LastMine))
    setTarget(g.orderBytes(0), 0, IffTarget, enemyOf(g.get(model::fg::Iff)));

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
      if (const char* d = orderRule(order).description)
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
  if (planetSeen) extras.notice(model::text(PlanetNotice));
  if (old.header.get(oh::Location) == 1) extras.notice(model::text(SurfaceNotice));
  return std::move(m);
}

std::optional<std::string> matchingBriefingFile(const std::string& missionPath) {
  const std::filesystem::path path(missionPath);
  std::string name = path.filename().string();
  if (name.size() < 3) return std::nullopt;
  name.replace(name.size() - 3, 3, "brf");
  const std::string dir = path.has_parent_path() ? path.parent_path().string() : ".";
  return shell::findEntryNoCase(dir, name);
}

bool importBriefingFile(const std::string& path, model::Mission& m, model::Text& message) {
  std::vector<std::uint8_t> data;
  if (!model::readWholeFile(path, data, message)) return false;
  Briefing brf;
  model::ReadResult r = readBriefing(data, brf);
  if (!r.ok()) {
    message = std::string_view(r.text.form) == StrangeBriefingMessage
                  ? std::move(r.text)
                  : model::Text(ZYNED_TEXT("core", "\"%1\" cannot be converted: %2."),
                                model::utf8Data(path), std::move(r.text));
    return false;
  }
  convertBriefing(brf, m);
  return true;
}

bool importBriefingFile(const std::string& path, model::Mission& m, std::string& message) {
  model::Text why;
  if (importBriefingFile(path, m, why)) return true;
  message = why.english();
  return false;
}

ImportResult importMissionFile(const std::string& path, model::Mission& out,
                               const ImportOptions& options) {
  ImportResult result;
  const auto refused = [&result](model::Text why) {
    result.error = why.english();
    result.errorText = std::move(why);
    return result;
  };
  std::vector<std::uint8_t> data;
  model::Text error;
  if (!model::readWholeFile(path, data, error)) return refused(std::move(error));
  auto old = std::make_unique<Mission>();
  model::ReadResult r = readMission(data, *old);
  if (!r.ok())
    return refused(
        model::Text(ZYNED_TEXT("core", "\"%1\" cannot be loaded as an older-format mission: %2."),
                    model::utf8Data(path), std::move(r.text)));
  auto m = std::make_unique<model::Mission>(convertMission(*old, options, result.extras));
  if (const auto brf = matchingBriefingFile(path)) {
    model::Text message;
    if (!importBriefingFile(*brf, *m, message)) result.extras.notice(std::move(message));
  } else {
    result.extras.notice(model::text(MissingBriefingMessage));
  }
  out = std::move(*m);
  result.ok = true;
  return result;
}

}  // namespace older
