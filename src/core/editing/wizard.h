#pragma once
// The new-mission wizard's builder: a fresh multiplayer Mission with one player flight group per
// player (or per team slot), their IFFs, teams, player numbers and, when asked, a first order.

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "model/mission.h"

namespace editing {

enum class WizardKind { Training, Combat, Melee };

struct WizardChoices {
  WizardKind kind = WizardKind::Training;
  int trainingPlayers = 8;    // 1, 2 or 8
  bool trainingRebel = true;  // the players' IFF: Rebel, else Imperial
  int combatPlayers = 8;      // 2, 4 or 8
  int meleeTeams = 8;         // 2, 4 or 8
  bool defaultOrders = true;  // "Set Default Craft Orders"
};

// The values each choice offers, in the dialog's order.
inline constexpr std::array<int, 3> TrainingPlayerChoices{1, 2, 8};
inline constexpr std::array<int, 3> CombatPlayerChoices{2, 4, 8};
inline constexpr std::array<int, 3> MeleeTeamChoices{2, 4, 8};

// What is wrong with the choices ("--players 3" for combat and the like), naming the allowed
// values; nothing when the dialog could have made them.
std::optional<std::string> wizardChoiceError(const WizardChoices& c);

// Names used for melee flight groups and teams.
std::string_view iffColourWord(int iff);
std::string_view teamNumberWord(int team);

// Replaces `m` by the wizard's Mission: the default new mission without its flight group, then
// the generated groups, each made from the new-flight-group template of `defaults` (the
// Preferences' craft type, AI rank and waypoints, as a plain new mission). The choices must be
// valid (see wizardChoiceError). The Mission's platform id is kept; its changed flag is set.
void buildWizardMission(model::Mission& m, const WizardChoices& c,
                        const model::MissionDefaults& defaults = {});

}  // namespace editing
