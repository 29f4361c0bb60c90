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

// A reference's words of the error check, as a text of its own.
model::Text checkWords(const editing::ReferenceRow& row) {
  return model::text(row.checkWords.data());
}

// Box instructions around a flight group beyond the list, by their place in the instruction list.
void danglingBoxes(const model::Mission& m, CheckResult& r) {
  const auto& row = editing::referenceRow(editing::PlaceKind::BriefingBox);
  for (std::size_t b = 0; b < m.briefings.size(); ++b) {
    const briefing::Decoded list = briefing::instructionList(m.briefings[b]);
    for (std::size_t i = 0; i < list.commands.size(); ++i) {
      const briefing::Command& c = list.commands[i];
      if (briefing::isBox(c.code) && c.index >= m.flightGroups.size())
        r.warning({ZYNED_TEXT("core",
                              "WARNING: Briefing %1 %2 %3: refers to a flight group that does not "
                              "exist."),
                   {num(static_cast<int>(b) + 1), checkWords(row), num(static_cast<int>(i) + 1)}});
    }
  }
}

// Warnings for every reference to a flight group beyond the list: what deleting flight groups
// left behind. One per trigger, order target, mother ship in use and briefing box, in the order
// of the table of references.
void danglingReferences(const model::Mission& m, const Vocabulary& vocabulary,
                        CheckResult& result) {
  const std::size_t count = m.flightGroups.size();
  static constexpr std::array<const char*, 3> GoalSets{ZYNED_TEXT("core", "Primary"),
                                                       ZYNED_TEXT("core", "Prevent"),
                                                       ZYNED_TEXT("core", "Secondary")};
  editing::forEachReference(m, [&](const editing::Reference& r) {
    const bool dangling = r.namesFlightGroup() && static_cast<std::size_t>(r.value) >= count;
    // A trigger dangles whatever its condition; a mother ship only while it is used.
    if (!dangling || (r.row->kind == editing::ReferenceKind::Mothership && !r.inUse)) return;
    const editing::Place& p = r.place;
    switch (r.row->record) {
      case model::RecordKind::FlightGroup: {
        // Named with its number, like every other warning: several groups may share a name.
        std::string name = editing::numberedName(m, vocabulary, static_cast<std::size_t>(p.record));
        if (r.row->kind == editing::ReferenceKind::Trigger)
          result.warning({ZYNED_TEXT("core",
                                     "WARNING: %1 - %2 %3: refers to a flight group that does not "
                                     "exist."),
                          {std::move(name), checkWords(*r.row), num(p.part)}});
        else if (r.row->kind == editing::ReferenceKind::OrderTarget)
          result.warning({ZYNED_TEXT("core",
                                     "WARNING: %1 - %2 %3 target %4: refers to a flight group that "
                                     "does not exist."),
                          {std::move(name), checkWords(*r.row), num(p.part), num(p.item)}});
        else
          result.warning(
              {ZYNED_TEXT("core",
                          "WARNING: %1 - %2: refers to a flight group that does not exist."),
               {std::move(name), checkWords(*r.row)}});
        break;
      }
      case model::RecordKind::Message:
        result.warning({ZYNED_TEXT("core",
                                   "WARNING: Message %1 %2 %3: refers to a flight group that does "
                                   "not exist."),
                        {num(p.record + 1), checkWords(*r.row), num(p.part)}});
        break;
      default:
        result.warning({ZYNED_TEXT("core",
                                   "WARNING: Team %1 %2 goal %3 %4: refers to a flight group that "
                                   "does not exist."),
                        {num(p.record + 1), model::text(GoalSets[static_cast<std::size_t>(p.part)]),
                         checkWords(*r.row), num(p.item)}});
        break;
    }
  });
  danglingBoxes(m, result);
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

void CheckResult::error(model::Text t) {
  errors.push_back(t.english());
  errorTexts.push_back(std::move(t));
}
void CheckResult::warning(model::Text t) {
  warnings.push_back(t.english());
  warningTexts.push_back(std::move(t));
}

std::vector<std::string> CheckResult::lines() const {
  std::vector<std::string> out = errors;
  if (!omitWarnings) out.insert(out.end(), warnings.begin(), warnings.end());
  return out;
}
std::vector<model::Text> CheckResult::lineTexts() const {
  std::vector<model::Text> out = errorTexts;
  if (!omitWarnings) out.insert(out.end(), warningTexts.begin(), warningTexts.end());
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
    c.r.warning(model::text(ZYNED_TEXT(
        "core",
        "WARNING: More than 32 ships at the start of the mission. Some ships may not appear at "
        "the start.")));
  if (c.r.counts.objectCount > 64)
    c.r.warning(model::text(ZYNED_TEXT(
        "core",
        "WARNING: More than 64 objects in the mission. Some objects may not appear in the "
        "mission.")));
  if (c.missionType == model::MissionType1)
    c.r.warning(model::text(ZYNED_TEXT("core", "WARNING: Mission Type of \"1\" is unknown.")));
}

void checkCraftType(Check& c, std::size_t i, int type, PlayerTally& tally) {
  if (type == 0)
    c.r.error(
        {ZYNED_TEXT("core", "ERROR: FG#%1 has no Ship type."), {num(static_cast<int>(i) + 1)}});
  if (map::isExpansionOnlyCraft(type) && c.settings.checkPlayable && c.baseFormat &&
      !tally.reportedType[type]) {
    tally.reportedType[type] = true;
    c.r.warning({ZYNED_TEXT("core", "ERROR: Zyn Format mission. %1s are only available in Qvn."),
                 {c.vocabulary.text(tables::Ships, type)}});
  }
  if (map::isUnsupportedSlot(type) && c.settings.checkPlayable)
    c.r.error(
        {ZYNED_TEXT("core", "ERROR: Ship Slot #%1 is not available in Zyn or Qvn."), {num(type)}});
}

void checkPlayer(Check& c, const FlightGroup& g, int player, const std::string& label,
                 PlayerTally& tally) {
  const int iff = g.get(fg::Iff);
  if (iff != 0 && iff != 1 && c.missionType != model::Melee)
    c.r.warning(model::text(ZYNED_TEXT(
        "core", "WARNING: All Player Craft should be either IFF Rebel or IFF Imperial.")));
  if (g.get(fg::Formation) > SinglePointFormationAbove)
    c.r.error(
        {ZYNED_TEXT("core",
                    "ERROR: Player FG  %1 has (Single Point) Formation. The mission will crash."),
         {label}});
  ++tally.players;
  // A team byte beyond the ten teams belongs to no team the game knows.
  const int team = g.get(fg::Team);
  if (team < static_cast<int>(model::TeamCount)) ++tally.playersOnTeam[team];
  if (tally.playerNumberSeen[player])
    c.r.error({ZYNED_TEXT("core",
                          "ERROR: There is more than one Player %1 All Players should have "
                          "different Player numbers."),
               {num(player)}});
  tally.playerNumberSeen[player] = true;
}

void checkGroupSize(Check& c, int type, int count, int player, const std::string& label) {
  if (count <= 6) return;
  if (player == 0) {
    if (map::isCraftClass(type))
      c.r.warning({ZYNED_TEXT("core",
                              "WARNING: %1 has %2 ships in FG.  Zyn does not properly "
                              "support FG Formations larger than 6 ships."),
                   {label, num(count)}});
  } else if (count > 8) {
    c.r.error(
        {ZYNED_TEXT("core", "ERROR: Player FG  %1 has more than 8 ships. The mission will crash."),
         {label}});
  } else {
    c.r.warning({ZYNED_TEXT("core",
                            "WARNING: Player FG  %1 has %2 ships. Some sounds in the game "
                            "may be played properly."),
                 {label, num(count)}});
  }
}

void checkAttackOrders(Check& c, const FlightGroup& g, int type, const std::string& label) {
  for (std::size_t k = 0; k < fg::OrderCount; ++k) {
    const model::CBytes o = g.orderBytes(k);
    if (model::get(o, order::Command) != AttackTargetsCommand) continue;
    const std::string order = num(static_cast<int>(k) + 1);
    if (map::isCapitalShip(type))
      c.r.warning({ZYNED_TEXT("core",
                              "WARNING: %1 - Order %2: Capital ship with \"Attack\" order "
                              "will make it jump around. Use a Starship order such as "
                              "Patrol and Attack instead."),
                   {label, order}});
    const bool pair12 =
        (isStarfighterTarget(model::get(o, order::Target1Type), model::get(o, order::Target1)) ||
         isStarfighterTarget(model::get(o, order::Target2Type), model::get(o, order::Target2))) &&
        model::get(o, order::Target1Or2) == 1;
    const bool pair34 =
        (isStarfighterTarget(model::get(o, order::Target3Type), model::get(o, order::Target3)) ||
         isStarfighterTarget(model::get(o, order::Target4Type), model::get(o, order::Target4))) &&
        model::get(o, order::Target3Or4) == 1;
    if (pair12 || pair34)
      c.r.warning({ZYNED_TEXT("core",
                              "WARNING: %1 - Order %2: Attack Starfighters has \"Either A "
                              "or B\" flag turned on, therefore it will attack ALL "
                              "Starfighters in the mission, regardless of Team or IFF."),
                   {label, order}});
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
      c.r.warning({ZYNED_TEXT("core",
                              "WARNING: There are %1 Players on Team %2 in this Zyn Format "
                              "mission. You will only be able to access the first 4 "
                              "Player slots per Team without Qvn. Split the players up "
                              "into 2 or more allied Teams."),
                   {num(tally.playersOnTeam[t]), num(static_cast<int>(t) + 1)}});
}

// The players the mission type asks for.
void checkPlayersOfType(Check& c, const PlayerTally& tally) {
  const auto error = [&](const char* marked) { c.r.error(model::text(marked)); };
  const auto warning = [&](const char* marked) { c.r.warning(model::text(marked)); };
  const bool expansion = c.m.platformId == model::FormatExpansion;
  const int players = tally.players, playerTeams = tally.teams();
  if (tally.playersOnTeam[0] == 0) {
    error(ZYNED_TEXT(
        "core",
        "ERROR: There are no player craft on Team 1. There MUST be player craft on Team 1 for a "
        "mission to work."));
    return;
  }
  switch (c.missionType) {
    case model::Training:
      if (players > 4)
        error(ZYNED_TEXT(
            "core",
            "ERROR: There are more than 4 Players in this Training Mission. Try MultiPlayer "
            "Training."));
      break;
    case model::Melee:
      if (players < 2)
        warning(ZYNED_TEXT("core", "WARNING: There is only one Player Craft in this Melee."));
      break;
    case model::MultiplayerTraining:
      if (playerTeams >= 2 && expansion)
        warning(ZYNED_TEXT("core", "WARNING: Players should all be on Team 1 for Qvn Campaigns."));
      else if (players < 2)
        error(ZYNED_TEXT("core", "ERROR: Less than 2 Players in Multiplayer Training."));
      else if (players < 5 && expansion)
        warning(ZYNED_TEXT(
            "core",
            "WARNING: Less than 5 Players in MultiPlayer Training. In Qvn Campaigns this "
            "mission will still work but you will not have access to the 'View Briefing Map' "
            "and 'Assign Players' buttons. This means you will not have a chance to read the "
            "Mission Description."));
      break;
    case model::MultiplayerCombat:
      if (players <= 1)
        error(ZYNED_TEXT(
            "core",
            "ERROR: This is a \"Multiplayer Combat\" Mission, but only has one Player Craft.  "
            "It should have Player Craft on both Team 1 (which MUST be Imperial), and Team 2 "
            "(which MUST be Rebel.)  If you want player craft on only one Team, try a Training "
            "mission."));
      else if (playerTeams < 2)
        error(ZYNED_TEXT(
            "core",
            "ERROR: This is a \"Multiplayer Combat\" Mission, but has all Players on the same "
            "Team. It should have Player Craft on both Team 1 (which MUST be Imperial), and "
            "Team 2 (which MUST be Rebel.)  If you want player craft on only one Team, try a "
            "Training mission."));
      break;
    default:
      break;
  }
}

// A message made elsewhere (a JSON file, another tool) that the game would read otherwise.
void checkMessages(Check& c) {
  for (std::size_t i = 0; i < c.m.messages.size(); ++i) {
    const model::Message& msg = c.m.messages[i];
    model::Text problem = editing::messageTextProblem(msg.color(), msg.textValue());
    if (!problem.empty())
      c.r.warning({ZYNED_TEXT("core", "WARNING: Message %1: %2"),
                   {num(static_cast<int>(i) + 1), std::move(problem)}});
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
  danglingReferences(m, vocabulary, r);
  checkMessages(c);
  return r;
}

}  // namespace shell
