#pragma once
// Teams and global goals without a widget: the team IFF rules, renaming, the radio link, and
// which goal strings each global-goal page offers.

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "model/colours.h"
#include "model/mission.h"
#include "model/texts.h"

namespace editing {

// Teams the allies list, the sent-to list and the radio reach.
inline constexpr std::size_t LinkableTeams = 8;
// The editor's IFF of each team (record `TeamIff` 0, element = team), as a field.
inline constexpr model::Field<model::u8> TeamIffField{"TeamIff", 0, model::TeamCount};

// The name an IFF gives its team: "Rebel" for 0, "Imperial" for 1, none for the others.
std::optional<std::string> teamNameForIff(int iff);
// The warning a multiplayer combat mission gives when team 1 is not Imperial or team 2 not
// Rebel (a marked text); none in other mission types or for other teams.
std::optional<std::string> teamIffWarning(int missionType, std::size_t team, int iff);
// The team's IFF := `iff`; IFF 0 and 1 rename the team.
void setTeamIff(model::Mission& m, std::size_t team, std::uint8_t iff);
// The colour a team's name and strings are drawn in.
model::Rgb teamColour(const model::Mission& m, std::size_t team);

// The radio value that links a team: team number + 1 for teams 1..8. Teams 9 and 10 have no
// radio channel (values 9 and up name players), so they cannot be linked.
std::optional<std::uint8_t> teamRadio(std::size_t team);
// Every flight group of the team gets the team's radio; returns how many groups there are.
int linkTeamByRadio(model::Mission& m, std::size_t team);
// "Team 3.Osmira has been linked by Radio".
std::string radioLinkNotice(const model::Mission& m, std::size_t team);
model::Text radioLinkText(const model::Mission& m, std::size_t team);

// Global goals: the three goal sets and the three strings of each trigger.
enum GoalSet : std::size_t { PrimaryGoals = 0, PreventGoals = 1, SecondaryGoals = 2 };
enum GoalStringKind : std::size_t { Incomplete = 0, Success = 1, Failed = 2 };

// A row of string boxes on a global-goal page: which kind it edits and its caption.
struct GoalStringRow {
  bool visible = false;
  std::string caption;
  enum Tint { Plain, Green, Red } tint = Plain;
};
// The three rows (incomplete, middle, failed) of a goal set. The middle row always edits the
// success slot; on "Prevent" it is captioned "   Failed".
std::array<GoalStringRow, 3> goalStringRows(GoalSet set);
// The hidden label of a goal set's unknown byte: "GG Unk1= 7".
std::string goalUnknownText(model::CBytes entry);

}  // namespace editing
