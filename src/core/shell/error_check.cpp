#include "shell/error_check.h"

#include <algorithm>
#include <array>

#include "briefing/editing.h"
#include "editing/descriptions.h"
#include "editing/messages.h"
#include "editing/references.h"
#include "editing/triggers.h"
#include "map/craft_types.h"

namespace shell {

namespace {

using model::FlightGroup;
namespace fg = model::fg;
namespace order = model::order;
namespace trigger = model::trigger;
namespace triggerset = model::triggerset;

// Starfighters are ship category 0 of a "ship category" target (type 3).
constexpr int ShipCategoryTarget = 3;
constexpr int StarfighterCategory = 0;
constexpr int AttackTargetsCommand = 7;
constexpr int SinglePointFormationAbove = 33;
constexpr int PlayersPerTeamInBaseFormat = 4;

bool isStarfighterTarget(std::uint8_t type, std::uint8_t value) {
  return type == ShipCategoryTarget && value == StarfighterCategory;
}

std::string num(int n) {
  return std::to_string(n);
}

constexpr const char* DanglingText = ": refers to a flight group that does not exist.";

// Box instructions around a flight group beyond the list, by their place in the instruction list.
void danglingBoxes(const model::Mission& m, std::vector<std::string>& warnings) {
  const auto& row = editing::referenceRow(editing::PlaceKind::BriefingBox);
  for (std::size_t b = 0; b < m.briefings.size(); ++b) {
    const briefing::Decoded list = briefing::instructionList(m.briefings[b]);
    for (std::size_t i = 0; i < list.commands.size(); ++i) {
      const briefing::Command& c = list.commands[i];
      if (briefing::isBox(c.code) && c.index >= m.flightGroups.size())
        warnings.push_back("WARNING: Briefing " + num(static_cast<int>(b) + 1) + " " +
                           std::string(row.checkWords) + " " + num(static_cast<int>(i) + 1) +
                           DanglingText);
    }
  }
}

// Warnings for every reference to a flight group beyond the list: what deleting flight groups
// left behind. One per trigger, order target, mother ship in use and briefing box, in the order
// of the table of references.
void danglingReferences(const model::Mission& m, const Vocabulary& vocabulary,
                        std::vector<std::string>& warnings) {
  const std::size_t count = m.flightGroups.size();
  static constexpr std::array<const char*, 3> GoalSets{"Primary", "Prevent", "Secondary"};
  editing::forEachReference(m, [&](const editing::Reference& r) {
    const bool dangling = r.namesFlightGroup() && static_cast<std::size_t>(r.value) >= count;
    // A trigger dangles whatever its condition; a mother ship only while it is used.
    if (!dangling || (r.row->kind == editing::ReferenceKind::Mothership && !r.inUse)) return;
    const editing::Place& p = r.place;
    std::string where;
    switch (r.row->record) {
      case model::RecordKind::FlightGroup:
        // Named with its number, like every other warning: several groups may share a name.
        where = editing::numberedName(m, vocabulary, static_cast<std::size_t>(p.record)) + " - " +
                std::string(r.row->checkWords);
        if (r.row->kind == editing::ReferenceKind::Trigger) where += " " + num(p.part);
        if (r.row->kind == editing::ReferenceKind::OrderTarget)
          where += " " + num(p.part) + " target " + num(p.item);
        break;
      case model::RecordKind::Message:
        where = "Message " + num(p.record + 1) + " " + std::string(r.row->checkWords) + " " +
                num(p.part);
        break;
      default:
        where = "Team " + num(p.record + 1) + " " + GoalSets[static_cast<std::size_t>(p.part)] +
                " goal " + std::string(r.row->checkWords) + " " + num(p.item);
        break;
    }
    warnings.push_back("WARNING: " + where + DanglingText);
  });
  danglingBoxes(m, warnings);
}

}  // namespace

bool arrivesOnMedium(int d) {
  return d == 0 || d == 2 || d == 4 || d == 5 || d == 9;
}

bool arrivesAtStart(const FlightGroup& g) {
  for (std::size_t at : triggerset::TriggerAt) {
    if (model::get(g.part(fg::ArrivalTriggers + at, trigger::Size), trigger::Condition) != 0)
      return false;
  }
  return g.get(fg::ArrivalDelayMinutes) == 0 && g.get(fg::ArrivalDelaySeconds) < 30;
}

MissionCounts missionCounts(const model::Mission& m) {
  MissionCounts c;
  for (const FlightGroup& g : m.flightGroups) {
    if (!arrivesOnMedium(g.get(fg::ArrivalDifficulty))) continue;
    const int type = g.get(fg::CraftType);
    const int count = g.get(fg::CraftCount);
    if (map::isCraftClass(type)) c.craftMedium += count;
    // Types 78 and 90..92 take a start slot whenever they arrive.
    if (type == 78 || (type >= 90 && type <= 92) || (type >= 1 && type <= 69 && arrivesAtStart(g)))
      c.craftAtStart += count;
    if ((type >= 70 && type <= 74) || (type >= 79 && type <= 89)) c.objectCount += count;
    if (type >= 75 && type <= 77) c.objectCount += count * count;
  }
  return c;
}

std::string craftMediumLabel(int count) {
  return model::fillText(CraftMediumForm, {num(count)});
}
std::string craftAtStartLabel(int count) {
  return model::fillText(CraftAtStartForm, {num(count)});
}
std::string objectCountLabel(int count) {
  return model::fillText(count == 1 ? OneObjectForm : ObjectsForm, {num(count)});
}

std::vector<std::string> CheckResult::lines() const {
  std::vector<std::string> out = errors;
  if (!omitWarnings) out.insert(out.end(), warnings.begin(), warnings.end());
  return out;
}

namespace {

// What the flight-group pass gathers for the checks of the players that follow it.
struct PlayerTally {
  std::array<bool, 256> reportedType{};
  std::array<bool, 256> playerNumberSeen{};
  std::array<int, model::TeamCount> playersOnTeam{};
  int players = 0;
  int teams() const {
    return static_cast<int>(
        std::count_if(playersOnTeam.begin(), playersOnTeam.end(), [](int n) { return n != 0; }));
  }
};

// The shared context of the checks of one run.
struct Check {
  const model::Mission& m;
  const Vocabulary& vocabulary;
  const Settings& settings;
  CheckResult& r;
  int missionType = m.missionType();
  bool baseFormat = m.platformId == model::FormatBase;
};

void checkMissionCounts(Check& c) {
  if (c.r.counts.craftAtStart > 32)
    c.r.warnings.push_back(
        "WARNING: More than 32 ships at the start of the mission. Some ships may not appear at "
        "the start.");
  if (c.r.counts.objectCount > 64)
    c.r.warnings.push_back(
        "WARNING: More than 64 objects in the mission. Some objects may not appear in the "
        "mission.");
  if (c.missionType == model::MissionType1)
    c.r.warnings.push_back("WARNING: Mission Type of \"1\" is unknown.");
}

void checkCraftType(Check& c, std::size_t i, int type, PlayerTally& tally) {
  if (type == 0)
    c.r.errors.push_back("ERROR: FG#" + num(static_cast<int>(i) + 1) + " has no Ship type.");
  if (map::isExpansionOnlyCraft(type) && c.settings.checkPlayable && c.baseFormat &&
      !tally.reportedType[type]) {
    tally.reportedType[type] = true;
    c.r.warnings.push_back("ERROR: Zyn Format mission. " + c.vocabulary.text(tables::Ships, type) +
                           "s are only available in Qvn.");
  }
  if (map::isUnsupportedSlot(type) && c.settings.checkPlayable)
    c.r.errors.push_back("ERROR: Ship Slot #" + num(type) + " is not available in Zyn or Qvn.");
}

void checkPlayer(Check& c, const FlightGroup& g, int player, const std::string& label,
                 PlayerTally& tally) {
  const int iff = g.get(fg::Iff);
  if (iff != 0 && iff != 1 && c.missionType != model::Melee)
    c.r.warnings.push_back("WARNING: All Player Craft should be either IFF Rebel or IFF Imperial.");
  if (g.get(fg::Formation) > SinglePointFormationAbove)
    c.r.errors.push_back("ERROR: Player FG  " + label +
                         " has (Single Point) Formation. The mission will crash.");
  ++tally.players;
  // A team byte beyond the ten teams belongs to no team the game knows.
  const int team = g.get(fg::Team);
  if (team < static_cast<int>(model::TeamCount)) ++tally.playersOnTeam[team];
  if (tally.playerNumberSeen[player])
    c.r.errors.push_back("ERROR: There is more than one Player " + num(player) +
                         " All Players should have different Player numbers.");
  tally.playerNumberSeen[player] = true;
}

void checkGroupSize(Check& c, int type, int count, int player, const std::string& label) {
  if (count <= 6) return;
  if (player == 0) {
    if (map::isCraftClass(type))
      c.r.warnings.push_back("WARNING: " + label + " has " + num(count) + " ships in FG. " +
                             " Zyn does not properly support FG Formations larger than 6 ships.");
  } else if (count > 8) {
    c.r.errors.push_back("ERROR: Player FG  " + label +
                         " has more than 8 ships. The mission will crash.");
  } else {
    c.r.warnings.push_back("WARNING: Player FG  " + label + " has " + num(count) +
                           " ships. Some sounds in the game may be " + "played properly.");
  }
}

void checkAttackOrders(Check& c, const FlightGroup& g, int type, const std::string& label) {
  for (std::size_t k = 0; k < fg::OrderCount; ++k) {
    const model::CBytes o = g.orderBytes(k);
    if (model::get(o, order::Command) != AttackTargetsCommand) continue;
    const std::string prefix = "WARNING: " + label + " - Order " + num(static_cast<int>(k) + 1);
    if (map::isCapitalShip(type))
      c.r.warnings.push_back(prefix + ": Capital ship with \"Attack\" order will" +
                             " make it jump around. Use a Starship order such as Patrol and "
                             "Attack instead.");
    const bool pair12 =
        (isStarfighterTarget(model::get(o, order::Target1Type), model::get(o, order::Target1)) ||
         isStarfighterTarget(model::get(o, order::Target2Type), model::get(o, order::Target2))) &&
        model::get(o, order::Target1Or2) == 1;
    const bool pair34 =
        (isStarfighterTarget(model::get(o, order::Target3Type), model::get(o, order::Target3)) ||
         isStarfighterTarget(model::get(o, order::Target4Type), model::get(o, order::Target4))) &&
        model::get(o, order::Target3Or4) == 1;
    if (pair12 || pair34)
      c.r.warnings.push_back(
          prefix + ": Attack Starfighters has \"Either A or B\" flag turned on, therefore " +
          "it will attack ALL Starfighters in the mission, regardless of Team or "
          "IFF.");
  }
}

void checkFlightGroups(Check& c, PlayerTally& tally) {
  for (std::size_t i = 0; i < c.m.flightGroups.size(); ++i) {
    const FlightGroup& g = c.m.flightGroups[i];
    c.r.arrivesAtStart.push_back(arrivesAtStart(g));
    const int type = g.get(fg::CraftType);
    const int player = g.get(fg::PlayerNumber);
    // The group's number with its name: two groups may share a name.
    const std::string label = editing::numberedName(c.m, c.vocabulary, i);
    checkCraftType(c, i, type, tally);
    if (player != 0) checkPlayer(c, g, player, label, tally);
    checkGroupSize(c, type, g.get(fg::CraftCount), player, label);
    checkAttackOrders(c, g, type, label);
  }
}

void checkPlayersPerTeam(Check& c, const PlayerTally& tally) {
  for (std::size_t t = 0; t < model::TeamCount; ++t)
    if (tally.playersOnTeam[t] > PlayersPerTeamInBaseFormat && c.baseFormat)
      c.r.warnings.push_back("WARNING: There are " + num(tally.playersOnTeam[t]) + " Players" +
                             " on Team " + num(static_cast<int>(t) + 1) +
                             " in this Zyn Format mission. You will only be able to access " +
                             "the first 4 Player slots per Team without Qvn. Split the players "
                             "up" +
                             " into 2 or more allied Teams.");
}

// The players the mission type asks for.
void checkPlayersOfType(Check& c, const PlayerTally& tally) {
  auto& errors = c.r.errors;
  auto& warnings = c.r.warnings;
  const bool expansion = c.m.platformId == model::FormatExpansion;
  const int players = tally.players, playerTeams = tally.teams();
  if (tally.playersOnTeam[0] == 0) {
    errors.push_back(
        "ERROR: There are no player craft on Team 1. There MUST be player craft on Team 1 for a "
        "mission to work.");
    return;
  }
  switch (c.missionType) {
    case model::Training:
      if (players > 4)
        errors.push_back(
            "ERROR: There are more than 4 Players in this Training Mission. Try MultiPlayer "
            "Training.");
      break;
    case model::Melee:
      if (players < 2) warnings.push_back("WARNING: There is only one Player Craft in this Melee.");
      break;
    case model::MultiplayerTraining:
      if (playerTeams >= 2 && expansion)
        warnings.push_back("WARNING: Players should all be on Team 1 for Qvn Campaigns.");
      else if (players < 2)
        errors.push_back("ERROR: Less than 2 Players in Multiplayer Training.");
      else if (players < 5 && expansion)
        warnings.push_back(
            "WARNING: Less than 5 Players in MultiPlayer Training. In Qvn Campaigns this "
            "mission will still work but you will not have access to the 'View Briefing Map' "
            "and 'Assign Players' buttons. This means you will not have a chance to read the "
            "Mission Description.");
      break;
    case model::MultiplayerCombat:
      if (players <= 1)
        errors.push_back(
            "ERROR: This is a \"Multiplayer Combat\" Mission, but only has one Player Craft.  "
            "It should have Player Craft on both Team 1 (which MUST be Imperial), and Team 2 "
            "(which MUST be Rebel.)  If you want player craft on only one Team, try a Training "
            "mission.");
      else if (playerTeams < 2)
        errors.push_back(
            "ERROR: This is a \"Multiplayer Combat\" Mission, but has all Players on the same "
            "Team. It should have Player Craft on both Team 1 (which MUST be Imperial), and "
            "Team 2 (which MUST be Rebel.)  If you want player craft on only one Team, try a "
            "Training mission.");
      break;
    default:
      break;
  }
}

// A message made elsewhere (a JSON file, another tool) that the game would read otherwise.
void checkMessages(Check& c) {
  for (std::size_t i = 0; i < c.m.messages.size(); ++i) {
    const model::Message& msg = c.m.messages[i];
    const std::string problem = editing::messageTextProblem(msg.color(), msg.textValue());
    if (!problem.empty())
      c.r.warnings.push_back("WARNING: Message " + num(static_cast<int>(i) + 1) + ": " + problem);
  }
}

}  // namespace

CheckResult runCheck(const model::Mission& m, const Vocabulary& vocabulary,
                     const Settings& settings, bool omitWarnings) {
  CheckResult r;
  r.omitWarnings = omitWarnings;
  r.counts = missionCounts(m);
  Check c{m, vocabulary, settings, r};
  PlayerTally tally;
  checkMissionCounts(c);
  checkFlightGroups(c, tally);
  checkPlayersPerTeam(c, tally);
  checkPlayersOfType(c, tally);
  danglingReferences(m, vocabulary, r.warnings);
  checkMessages(c);
  return r;
}

}  // namespace shell
