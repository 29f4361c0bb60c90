#include "editing/teams.h"

#include "editing/descriptions.h"
#include "model/texts.h"

namespace editing {

std::optional<std::string> teamNameForIff(int iff) {
  if (iff == 0) return "Rebel";
  if (iff == 1) return "Imperial";
  return std::nullopt;
}

std::optional<std::string> teamIffWarning(int missionType, std::size_t team, int iff) {
  if (missionType != model::MultiplayerCombat) return std::nullopt;
  if (team == 0 && iff != 1)
    return ZYNED_TEXT("core", "You shouldn't do that. In Combat Missions, Team 1 must be Imperial");
  if (team == 1 && iff != 0)
    return ZYNED_TEXT("core", "You shouldn't do that. In Combat Missions, Team 2 must be Rebel");
  return std::nullopt;
}

void setTeamIff(model::Mission& m, std::size_t team, std::uint8_t iff) {
  if (team >= model::TeamCount) return;
  m.teamIff[team] = iff;
  if (auto name = teamNameForIff(iff)) m.teams[team].setText(model::team::Name, *name);
}

model::Rgb teamColour(const model::Mission& m, std::size_t team) {
  return model::iffColour(team < model::TeamCount ? m.teamIff[team] : 0);
}

std::optional<std::uint8_t> teamRadio(std::size_t team) {
  if (team >= LinkableTeams) return std::nullopt;
  return static_cast<std::uint8_t>(team + 1);
}

int linkTeamByRadio(model::Mission& m, std::size_t team) {
  const auto radio = teamRadio(team);
  if (!radio) return 0;
  int n = 0;
  for (auto& g : m.flightGroups) {
    if (g.get(model::fg::Team) != team) continue;
    g.set(model::fg::Radio, *radio);
    ++n;
  }
  return n;
}

model::Text radioLinkText(const model::Mission& m, std::size_t team) {
  const auto names = teamNameList(m);
  return {ZYNED_TEXT("core", "Team %1 has been linked by Radio"),
          {trimmed(team < names.size() ? names[team] : std::string())}};
}
std::string radioLinkNotice(const model::Mission& m, std::size_t team) {
  return radioLinkText(m, team).english();
}

std::array<GoalStringRow, 3> goalStringRows(GoalSet set) {
  using R = GoalStringRow;
  const char* const Incomp = ZYNED_TEXT("core", "Incomp");
  const char* const Success = ZYNED_TEXT("core", "Success");
  const char* const Failed = ZYNED_TEXT("core", "Failed");
  switch (set) {
    case PreventGoals:
      return {R{true, Incomp, R::Plain}, R{true, ZYNED_TEXT("core", "   Failed"), R::Red},
              R{false, Failed}};
    case SecondaryGoals:
      return {R{false, Incomp}, R{true, Success, R::Green}, R{false, Failed}};
    default:
      return {R{true, Incomp, R::Plain}, R{true, Success, R::Green}, R{true, Failed, R::Plain}};
  }
}

std::string goalUnknownText(model::CBytes entry) {
  return "GG Unk1= " + std::to_string(model::get(entry, model::ggentry::Unknown1));
}

}  // namespace editing
