#include "editing/flight_group_rules.h"

#include "map/craft_types.h"

#include <algorithm>
#include <cctype>
#include <charconv>

namespace editing {
namespace {

std::string upper(std::string_view s) {
  std::string r(s);
  for (char& c : r) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return r;
}

int roleIndex(std::string_view abbreviation) {
  const std::string u = upper(abbreviation);
  for (std::size_t i = 1; i < RoleAbbreviations.size(); ++i)
    if (RoleAbbreviations[i] == u) return static_cast<int>(i);
  return 0;
}

bool isRoleTeamChar(char c) {
  return (c >= '1' && c <= '8') || c == 'a' || c == 'A';
}

}  // namespace

PackedRoles packRoles(const RoleBoxes& boxes) {
  PackedRoles r;
  auto add = [&r](char team, int box) {
    if (box <= 0 || box >= static_cast<int>(RoleAbbreviations.size())) return;
    r.text += team;
    r.text += RoleAbbreviations[static_cast<std::size_t>(box)];
  };
  add('a', boxes.allTeams);
  for (std::size_t t = 0; t < boxes.team.size(); ++t)
    add(static_cast<char>('1' + t), boxes.team[t]);
  // The field holds 19 characters: a fifth entry cannot be stored whole.
  if (r.text.size() >= 20) {
    r.text.resize(16);
    r.truncated = true;
  }
  return r;
}

RoleBoxes unpackRoles(std::string_view roles) {
  RoleBoxes b;
  while (!roles.empty() && isRoleTeamChar(roles.front())) {
    const char team = roles.front();
    const int index = roleIndex(roles.substr(1, 3));
    if (team == 'a' || team == 'A')
      b.allTeams = index;
    else if (team <= '4')
      b.team[static_cast<std::size_t>(team - '1')] = index;
    roles.remove_prefix(std::min<std::size_t>(4, roles.size()));
  }
  return b;
}

std::vector<std::uint8_t> packOptions(const std::vector<int>& chosen, std::size_t size) {
  std::vector<int> sorted = chosen;
  std::sort(sorted.begin(), sorted.end());
  sorted.erase(std::unique(sorted.begin(), sorted.end()), sorted.end());
  std::vector<std::uint8_t> packed(size, 0);
  std::size_t at = 0;
  for (int item : sorted) {
    if (item < 0 || item > 254 || at >= size) continue;
    packed[at++] = static_cast<std::uint8_t>(item + 1);
  }
  return packed;
}

std::vector<int> unpackOptions(const std::vector<std::uint8_t>& packed) {
  std::vector<int> items;
  for (std::uint8_t v : packed)
    if (v != 0) items.push_back(v - 1);
  std::sort(items.begin(), items.end());
  items.erase(std::unique(items.begin(), items.end()), items.end());
  return items;
}

std::uint8_t specialCraftAfterCount(std::uint8_t special, std::uint8_t oldCount,
                                    std::uint8_t newCount) {
  if (special >= oldCount || special >= newCount) return newCount;
  return special;
}

Side autoLinkSide(int craftType) {
  switch (craftType) {
    case 1:
    case 2:
    case 3:
    case 4:
    case 14:
    case 49:
    case 50:
    case 92:
      return Side::Rebel;
    case 5:
    case 6:
    case 7:
    case 8:
    case 9:
    case 12:
    case 16:
    case 51:
    case 52:
    case 53:
    case 54:
      return Side::Imperial;
    default:
      return Side::None;
  }
}

std::optional<int> autoLinkTeam(const model::Mission& m, Side side) {
  if (side == Side::None) return std::nullopt;
  if (m.missionType() == model::MultiplayerCombat) return side == Side::Rebel ? 1 : 0;
  if (side == Side::Rebel) {
    for (int t = 0; t < 8; ++t)
      if (m.teamIff[static_cast<std::size_t>(t)] == 0) return t;
    return std::nullopt;
  }
  int found = 0;
  for (int t = 0; t < 8; ++t) {
    const std::string name = upper(m.teams[static_cast<std::size_t>(t)].name());
    const auto first = name.find_first_not_of(' ');
    const auto last = name.find_last_not_of(' ');
    const std::string trimmed =
        first == std::string::npos ? std::string() : name.substr(first, last - first + 1);
    const bool imperialIff = m.teamIff[static_cast<std::size_t>(t)] == 1;
    if (imperialIff || trimmed == "IMPERIAL" || trimmed == "EMPIRE") found = t;
    if (imperialIff) break;
  }
  return found;
}

void applyCraftTypeAutoLink(const model::Mission& m, model::FlightGroup& g) {
  const Side side = autoLinkSide(g.get(model::fg::CraftType));
  if (side == Side::None) return;
  g.set(model::fg::Iff, static_cast<std::uint8_t>(side == Side::Rebel ? 0 : 1));
  if (const auto team = autoLinkTeam(m, side))
    g.set(model::fg::Team, static_cast<std::uint8_t>(*team));
}

void applyTeamAutoLink(const model::Mission& m, model::FlightGroup& g) {
  const std::size_t team = g.get(model::fg::Team);
  if (team < m.teamIff.size()) g.set(model::fg::Iff, m.teamIff[team]);
}

std::string playableWarning(int craftType, int platformId) {
  if (map::isExpansionOnlyCraft(craftType))
    return platformId == model::FormatBase ? OnlyInExpansionWarning : "";
  if (craftType == 0 || craftType >= 93 || map::isUnsupportedSlot(craftType)) return NoSlotWarning;
  return "";
}

std::optional<std::uint8_t> markingsForName(std::string_view name, int craftType) {
  const std::string u = upper(name);
  std::uint8_t markings;
  if (u == "RED" || u == "ROGUE")
    markings = 0;
  else if (u == "GOLD" || u == "YELLOW")
    markings = 1;
  else if (u == "BLUE")
    markings = 2;
  else if (u == "GREEN")
    markings = 3;
  else
    return std::nullopt;
  // These craft list their colours one place later: "Gold" is their first item.
  if (craftType >= 5 && craftType <= 9 && markings < 3) ++markings;
  return markings;
}

std::optional<long> parseInteger(std::string_view text) {
  const auto first = text.find_first_not_of(" \t");
  if (first == std::string_view::npos) return std::nullopt;
  text = text.substr(first, text.find_last_not_of(" \t") - first + 1);
  if (text.size() > 1 && text.front() == '+' && text[1] != '-') text.remove_prefix(1);
  long value = 0;
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (ec != std::errc() || end != text.data() + text.size() || text.empty()) return std::nullopt;
  return value;
}

model::Text notAnIntegerMessage(std::string_view text) {
  return model::Text(ZYNED_TEXT("core", "'%1' is not a valid integer value"),
                     model::utf8Data(std::string(text)));
}

std::string optionalCraftRow(const model::FlightGroup& g, std::size_t row,
                             const std::string& craftName) {
  const int count = g.get(model::fg::OptionalCraftCount, row);
  if (count == 0) return "<None>";
  return std::to_string(g.get(model::fg::OptionalCraftWaves, row) + 1) + " x [ " +
         std::to_string(count) + " ]  " + craftName;
}

}  // namespace editing
