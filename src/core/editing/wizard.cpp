#include "editing/wizard.h"

#include <algorithm>

#include "editing/descriptions.h"

namespace editing {

namespace {

using model::u8;
namespace fg = model::fg;
namespace order = model::order;

constexpr u8 AttackTargets = 7;
constexpr u8 RebelIff = 0;
constexpr u8 ImperialIff = 1;

std::string allowed(const std::array<int, 3>& values) {
  return std::to_string(values[0]) + ", " + std::to_string(values[1]) + " or " +
         std::to_string(values[2]);
}

bool offered(const std::array<int, 3>& values, int v) {
  return std::find(values.begin(), values.end(), v) != values.end();
}

// A player flight group as every kind starts it.
model::FlightGroup playerGroup(const model::Mission& m, const model::MissionDefaults& defaults,
                               int player) {
  model::FlightGroup g = m.newFlightGroupTemplate(defaults);
  g.heading = model::Heading{};
  g.set(fg::PlayerNumber, static_cast<u8>(player));
  return g;
}

void buildTraining(model::Mission& m, const WizardChoices& c, const model::MissionDefaults& d) {
  const int count = c.trainingPlayers;
  m.header.set(model::header::MissionType,
               u8{count == 8 ? model::MultiplayerTraining : model::Training});
  const u8 own = c.trainingRebel ? RebelIff : ImperialIff;
  const u8 other = c.trainingRebel ? ImperialIff : RebelIff;
  m.teamIff[0] = own;
  m.teamIff[1] = other;
  m.teams[0].setText(model::team::Name, c.trainingRebel ? "Rebel" : "Imperial");
  m.teams[1].setText(model::team::Name, c.trainingRebel ? "Imperial" : "Rebel");
  for (int n = 1; n <= count; ++n) {
    model::FlightGroup g = playerGroup(m, d, n);
    g.autoLink = true;
    g.set(fg::Iff, own);
    if (c.defaultOrders) {
      model::Bytes o = g.orderBytes(0);
      model::set(o, order::Command, AttackTargets);
      model::set(o, order::Target2Type, u8{TargetIff});
      model::set(o, order::Target2, m.teamIff[1]);
    }
    m.flightGroups.push_back(g);
  }
}

void buildCombat(model::Mission& m, const WizardChoices& c, const model::MissionDefaults& d) {
  const int count = c.combatPlayers;
  m.header.set(model::header::MissionType, u8{model::MultiplayerCombat});
  for (int n = 1; n <= count; ++n) {
    model::FlightGroup g = playerGroup(m, d, n);
    g.autoLink = true;
    // The first half flies for the Empire on team 1, the second half for the Rebels on team 2;
    // each side's order targets the other IFF.
    const bool firstHalf = n <= count / 2;
    g.set(fg::Iff, firstHalf ? ImperialIff : RebelIff);
    g.set(fg::Team, u8{firstHalf ? u8{0} : u8{1}});
    if (c.defaultOrders) {
      model::Bytes o = g.orderBytes(0);
      model::set(o, order::Command, AttackTargets);
      model::set(o, order::Target2Type, u8{TargetIff});
      model::set(o, order::Target2, firstHalf ? RebelIff : ImperialIff);
    }
    m.flightGroups.push_back(g);
  }
}

void buildMelee(model::Mission& m, const WizardChoices& c, const model::MissionDefaults& d) {
  m.header.set(model::header::MissionType, u8{model::Melee});
  const int teams = c.meleeTeams;
  const int perTeam = 8 / teams;
  static constexpr std::array<u8, 2> TwoTeams{1, 2};
  static constexpr std::array<u8, 4> FourTeams{1, 3, 2, 0};
  for (int i = 0; i < teams; ++i) {
    const u8 iff = teams == 2 ? TwoTeams[i] : teams == 4 ? FourTeams[i] : u8{2};
    m.teamIff[static_cast<std::size_t>(i)] = iff;
  }
  int player = 1;
  for (int i = 0; i < teams; ++i) {
    const u8 iff = m.teamIff[static_cast<std::size_t>(i)];
    const std::string_view word = perTeam == 1 ? teamNumberWord(i) : iffColourWord(iff);
    m.teams[static_cast<std::size_t>(i)].setText(model::team::Name, word);
    for (int k = 0; k < perTeam; ++k) {
      model::FlightGroup g = playerGroup(m, d, player++);
      g.set(fg::Iff, iff);
      g.set(fg::Team, static_cast<u8>(i));
      g.set(fg::GlobalUnit, static_cast<u8>(i + 1));
      g.set(fg::WaveCount, u8{99});
      g.set(fg::OptionalCraftCategory, u8{1});
      g.setText(fg::Name, word);
      if (c.defaultOrders) {
        // Attack every starfighter of all teams but its own.
        model::Bytes o = g.orderBytes(0);
        model::set(o, order::Command, AttackTargets);
        model::set(o, order::Target1Type, u8{TargetShipCategory});
        model::set(o, order::Target1, u8{0});
        model::set(o, order::Target2Type, u8{TargetAllTeamsBut});
        model::set(o, order::Target2, static_cast<u8>(i));
        model::set(o, order::Target1Or2, u8{0});
      }
      m.flightGroups.push_back(g);
    }
  }
}

}  // namespace

std::optional<std::string> wizardChoiceError(const WizardChoices& c) {
  switch (c.kind) {
    case WizardKind::Training:
      if (!offered(TrainingPlayerChoices, c.trainingPlayers))
        return "a training mission is for " + allowed(TrainingPlayerChoices) + " players";
      break;
    case WizardKind::Combat:
      if (!offered(CombatPlayerChoices, c.combatPlayers))
        return "a combat mission is for " + allowed(CombatPlayerChoices) + " players";
      break;
    case WizardKind::Melee:
      if (!offered(MeleeTeamChoices, c.meleeTeams))
        return "a melee has " + allowed(MeleeTeamChoices) + " teams";
      break;
  }
  return std::nullopt;
}

std::string_view iffColourWord(int iff) {
  static constexpr std::array<std::string_view, 6> Words{"Green", "Red", "Blue",
                                                         "Gold",  "Red", "Purple"};
  return iff >= 0 && iff < static_cast<int>(Words.size()) ? Words[static_cast<std::size_t>(iff)]
                                                          : std::string_view{};
}

std::string_view teamNumberWord(int team) {
  static constexpr std::array<std::string_view, 8> Words{"One",  "Two", "Three", "Four",
                                                         "Five", "Six", "Seven", "Eight"};
  return team >= 0 && team < static_cast<int>(Words.size()) ? Words[static_cast<std::size_t>(team)]
                                                            : std::string_view{};
}

void buildWizardMission(model::Mission& m, const WizardChoices& c,
                        const model::MissionDefaults& defaults) {
  m.newMission(defaults);
  m.flightGroups.clear();
  switch (c.kind) {
    case WizardKind::Training:
      buildTraining(m, c, defaults);
      break;
    case WizardKind::Combat:
      buildCombat(m, c, defaults);
      break;
    case WizardKind::Melee:
      buildMelee(m, c, defaults);
      break;
  }
  m.syncCounts();
  m.updateMapExtent();
}

}  // namespace editing
