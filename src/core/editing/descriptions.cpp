#include "editing/descriptions.h"

#include <cstdio>

namespace editing {

using model::CBytes;
using model::FlightGroup;
using model::Mission;
using shell::Vocabulary;
namespace fg = model::fg;
namespace tables = shell::tables;

namespace {

std::string hex(int value) {
  char buf[16];
  std::snprintf(buf, sizeof buf, "%X", static_cast<unsigned>(value));
  return buf;
}

bool inNumberedUnit(int unit) {
  return unit >= FirstNumberedUnit && unit <= LastNumberedUnit;
}

std::string craftName(const Vocabulary& v, int craftType) {
  return v.text(tables::Ships, craftType);
}

std::string entryWithUnit(const FlightGroup& g, const Vocabulary& v, int unitNumber) {
  std::string s = craftName(v, g.get(fg::CraftType)) + " " + trimmed(g.name());
  const int player = g.get(fg::PlayerNumber);
  if (player != 0) s += " (" + std::to_string(player) + ")";
  if (inNumberedUnit(g.get(fg::GlobalUnit)) && player == 0) s += " " + std::to_string(unitNumber);
  return s;
}

// The difficulty column of a computer group's line, by arrival difficulty.
std::string difficultyColumn(int difficulty) {
  switch (difficulty) {
    case 0:
      return std::string(15, ' ');
    case 1:
    case 8:
      return "<= Easy  ";
    case 2:
    case 9:
      return "   Med     ";
    case 3:
    case 10:
      return "   hard     ";
    case 4:
      return ">= Med   ";
    case 5:
      return "<= Med   ";
    case 6:
    case 7:
      return "--never--  ";
    default:
      return {};
  }
}

std::string lineWithUnit(const FlightGroup& g, const Vocabulary& v, int unitNumber,
                         bool withGoals) {
  std::string s = hex(g.get(fg::Team) + 1) + "    ";
  const int unit = g.get(fg::GlobalUnit);
  s += hex(g.get(fg::GlobalGroup)) + "  -  " + hex(unit) + " ";
  const int player = g.get(fg::PlayerNumber);
  if (player != 0) {
    s += g.get(fg::ArriveOnlyIfHuman) == 1 ? "? " : "   ";
    s += "Plr: " + std::to_string(player) + "    ";
  } else {
    s += difficultyColumn(g.get(fg::ArrivalDifficulty));
  }
  s += std::to_string(g.get(fg::WaveCount) + 1) + "  x  [ " +
       std::to_string(g.get(fg::CraftCount)) + " ]  " + craftName(v, g.get(fg::CraftType)) + "  " +
       trimmed(g.name());
  if (inNumberedUnit(unit)) s += " " + std::to_string(unitNumber);

  std::string roles = trimmed(g.text(fg::Roles));
  for (char& c : roles)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  bool marked = false;
  if (roles.find("MIS") != std::string::npos) {
    s += " *";
    marked = true;
  }
  if (roles.find("PRI") != std::string::npos) {
    s += " ^";
    marked = true;
  }
  if (withGoals) {
    if (!marked) s += " ";
    s += goalSummary(g);
  }
  return s;
}

// The team's entry of the team name list without its "n." prefix, trimmed; the whole entry when
// the name is empty.
std::string teamEntryName(const Mission& m, int team) {
  const std::string entry = trimmed(teamNameList(m)[static_cast<std::size_t>(team)]);
  const std::size_t prefix = std::to_string(team + 1).size() + 1;
  return entry.size() > prefix ? trimmed(std::string_view(entry).substr(prefix)) : entry;
}

std::string notATeam(int value) {
  return "team value " + std::to_string(value + 1) + ", not in the team list";
}

std::string tableEntry(const Vocabulary& v, std::string_view table, int value) {
  return v.text(table, value);
}

bool inTable(const Vocabulary& v, std::string_view table, int value) {
  return value >= 0 && static_cast<std::size_t>(value) < v.table(table).size();
}

}  // namespace

std::string trimmed(std::string_view s) {
  std::size_t b = 0, e = s.size();
  while (b < e && static_cast<unsigned char>(s[b]) <= ' ') ++b;
  while (e > b && static_cast<unsigned char>(s[e - 1]) <= ' ') --e;
  return std::string(s.substr(b, e - b));
}

std::vector<int> globalUnitNumbers(const Mission& m) {
  std::vector<int> counters(LastNumberedUnit + 1, 1);
  std::vector<int> numbers(m.flightGroups.size(), 0);
  for (std::size_t i = 0; i < m.flightGroups.size(); ++i) {
    const FlightGroup& g = m.flightGroups[i];
    const int unit = g.get(fg::GlobalUnit);
    if (!inNumberedUnit(unit)) continue;
    numbers[i] = counters[static_cast<std::size_t>(unit)];
    counters[static_cast<std::size_t>(unit)] += g.get(fg::CraftCount);
  }
  return numbers;
}

int globalUnitNumber(const Mission& m, std::size_t index) {
  const int unit = m.flightGroups.at(index).get(fg::GlobalUnit);
  if (!inNumberedUnit(unit)) return 0;
  int number = 1;
  for (std::size_t i = 0; i < index; ++i)
    if (m.flightGroups[i].get(fg::GlobalUnit) == unit)
      number += m.flightGroups[i].get(fg::CraftCount);
  return number;
}

std::vector<std::string> teamNameList(const Mission& m) {
  std::vector<std::string> list;
  list.reserve(m.teams.size());
  for (std::size_t t = 0; t < m.teams.size(); ++t)
    list.push_back(std::to_string(t + 1) + "." + m.teams[t].name());
  return list;
}

std::string nameListEntry(const Mission& m, const Vocabulary& v, std::size_t index) {
  return entryWithUnit(m.flightGroups.at(index), v, globalUnitNumber(m, index));
}

std::string numberedName(const Mission& m, const Vocabulary& v, std::size_t fg) {
  return "#" + std::to_string(fg + 1) + " " + nameListEntry(m, v, fg);
}

std::vector<std::string> nameList(const Mission& m, const Vocabulary& v) {
  const std::vector<int> units = globalUnitNumbers(m);
  std::vector<std::string> list;
  list.reserve(m.flightGroups.size());
  for (std::size_t i = 0; i < m.flightGroups.size(); ++i)
    list.push_back(entryWithUnit(m.flightGroups[i], v, units[i]));
  return list;
}

std::string listLine(const Mission& m, const Vocabulary& v, std::size_t index, bool withGoals) {
  return lineWithUnit(m.flightGroups.at(index), v, globalUnitNumber(m, index), withGoals);
}

std::vector<std::string> listLines(const Mission& m, const Vocabulary& v, bool withGoals) {
  const std::vector<int> units = globalUnitNumbers(m);
  std::vector<std::string> lines;
  lines.reserve(m.flightGroups.size());
  for (std::size_t i = 0; i < m.flightGroups.size(); ++i)
    lines.push_back(lineWithUnit(m.flightGroups[i], v, units[i], withGoals));
  return lines;
}

std::vector<int> staleListLines(const Mission& m, const model::ChangeSet& c) {
  std::vector<int> rows = c.of(model::RecordKind::FlightGroup).indices;
  const bool renumbers = c.touches(model::RecordKind::FlightGroup, fg::GlobalUnit.offset, 1) ||
                         c.touches(model::RecordKind::FlightGroup, fg::CraftCount.offset, 1);
  if (renumbers && !rows.empty()) {
    const int first = rows.front();
    rows.clear();
    for (int i = first; i < static_cast<int>(m.flightGroups.size()); ++i) rows.push_back(i);
  }
  return rows;
}

std::string goalConditionCode(int condition) {
  switch (condition) {
    case 1:
      return "a";
    case 2:
      return "d";
    case 4:
      return "c";
    case 5:
      return "i";
    case 6:
      return "b";
    case 7:
      return "dk";
    case 8:
      return "di";
    case 12:
      return "m";
    case 44:
      return "bg";
    case 45:
      return "w";
    default:
      return "*";
  }
}

std::string goalSummary(const FlightGroup& g) {
  std::string s;
  bool opened = false, bonus = false;
  for (std::size_t i = 0; i < fg::GoalCount; ++i) {
    const CBytes goal = g.goalBytes(i);
    const int condition = model::get(goal, model::goal::Condition);
    if (condition == 10) continue;
    const int argument = model::get(goal, model::goal::Argument);
    if (argument == 0 || argument == 1) {
      if (!opened) s += " [";
      opened = true;
      s += std::to_string(model::get(goal, model::goal::Team) + 1);
      if (argument == 1) s += "N";
      s += goalConditionCode(condition);
    } else if ((argument == 2 || argument == 3) && !bonus) {
      s += "+";
      bonus = true;
    }
  }
  if (opened) s += "]";
  return s;
}

std::string shortDescription(const FlightGroup& g, const Vocabulary& v) {
  return "[" + std::to_string(g.get(fg::CraftCount)) + "] " + craftName(v, g.get(fg::CraftType)) +
         " " + g.name();
}

model::Rgb listColour(const FlightGroup& g) {
  const int difficulty = g.get(fg::ArrivalDifficulty);
  if (difficulty == 6 || difficulty == 7) return model::Grey;
  return model::iffColour(g.get(fg::Iff));
}

std::string describeTarget(const Mission& m, const Vocabulary& v, int type, int value) {
  switch (type) {
    case TargetNone:
      return {};
    case TargetFlightGroup:
      if (value >= 0 && static_cast<std::size_t>(value) < m.flightGroups.size())
        return nameListEntry(m, v, static_cast<std::size_t>(value));
      return "FG#" + std::to_string(value);
    case TargetShipType:
      return craftName(v, value + 1) + "s";
    case TargetShipCategory:
      return tableEntry(v, tables::ShipCats, value);
    case TargetObjectCategory:
      return tableEntry(v, tables::ObjCats, value);
    case TargetIff:
      return tableEntry(v, tables::IFF, value) + "s";
    case TargetCraftWithOrders:
      return "Craft order: " + tableEntry(v, tables::Orders, value);
    case TargetCraftWhen:
      return tableEntry(v, tables::When, value);
    case TargetGlobalGroup:
      return "GGroup " + std::to_string(value);
    case TargetGlobalUnit:
      return "GUnit " + std::to_string(value);
    case TargetTeam:
    case TargetAllTeamsBut: {
      // A value past the ten teams says so, numbered as the team list numbers its lines (never
      // "Team #10" beside the tenth team's "Team 10.").
      if (value < 0 || static_cast<std::size_t>(value) >= model::TeamCount)
        return (type == TargetTeam ? "" : "All teams but ") + notATeam(value);
      return (type == TargetTeam ? "Team " : "All teams but ") + teamEntryName(m, value);
    }
    default:
      return std::to_string(type) + "? " + std::to_string(value);
  }
}

std::string describeTrigger(const Mission& m, const Vocabulary& v, CBytes t) {
  namespace tr = model::trigger;
  const int condition = model::get(t, tr::Condition);
  if (condition == 0) return "(Always true)";
  if (condition == 10) return "(Never true)";
  std::string s;
  const int amount = model::get(t, tr::Amount);
  if (inTable(v, tables::Percents, amount)) s += tableEntry(v, tables::Percents, amount) + " of ";
  s += describeTarget(m, v, model::get(t, tr::VariableType), model::get(t, tr::Variable));
  if (inTable(v, tables::Conds, condition)) s += " must " + tableEntry(v, tables::Conds, condition);
  return s;
}

std::string describeOrder(const Mission& m, const Vocabulary& v, CBytes o) {
  namespace od = model::order;
  auto target = [&](std::size_t n) {
    return describeTarget(m, v, model::get(o, od::TargetType[n]), model::get(o, od::Target[n]));
  };
  auto used = [&](std::size_t n) { return model::get(o, od::TargetType[n]) != 0; };
  // A pair of targets; an empty first one leaves the second alone ("Attack targets:  Imperials",
  // never "Attack targets:   or Imperials").
  auto pair = [&](std::size_t first, model::Field<std::uint8_t> orFlag) {
    if (!used(first)) return used(first + 1) ? target(first + 1) : std::string{};
    if (!used(first + 1)) return target(first);
    return target(first) + (model::get(o, orFlag) ? " or " : " only if ") + target(first + 1);
  };
  // The order's name as its box shows it; order 0 takes no targets and reads "(No Order)" (its
  // box keeps the table's entry, "Hold Steady").
  const int command = model::get(o, od::Command);
  std::string s = command == 0 ? "(No Order)" : tableEntry(v, tables::Orders, command);
  if (command != 0) s += ":  " + pair(0, od::Target1Or2);
  if (used(2) || used(3)) s += "  /  " + pair(2, od::Target3Or4);
  return s;
}

std::string describeGoal(const Mission& m, const Vocabulary& v, CBytes g) {
  namespace gl = model::goal;
  const int condition = model::get(g, gl::Condition);
  if (condition == 10) return "<None>";
  std::string s = tableEntry(v, tables::Percents, model::get(g, gl::Amount)) + " of it " +
                  tableEntry(v, tables::Musts, model::get(g, gl::Argument)) + " " +
                  tableEntry(v, tables::Conds, condition);
  const int points = model::get(g, gl::Points);
  if (points != 0) s += " : " + std::to_string(points * 250) + " Pts";
  const int team = model::get(g, gl::Team);
  s += "  - ";
  s += static_cast<std::size_t>(team) < model::TeamCount
           ? "Team " + trimmed(m.teams[static_cast<std::size_t>(team)].name())
           : notATeam(team);
  return s;
}

}  // namespace editing
