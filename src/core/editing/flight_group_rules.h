#pragma once
// The rules behind the flight-group property pages that need no widget: role strings, packed
// optional-weapon lists, the special-craft rule, the auto-link of craft type to IFF and team,
// the playable-craft warnings and the markings a name implies.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/mission.h"
#include "model/texts.h"

namespace editing {

// ---- Roles ("CMD") ----
// Box index (1..12) of each role abbreviation; index 0 is "None".
inline constexpr std::array<std::string_view, 13> RoleAbbreviations{
    "", "BAS", "COM", "CON", "MAN", "MIS", "PRI", "REL", "RES", "SEC", "STA", "STR", "TER"};
// The five role boxes: All Teams first, then teams 1 to 4. Each holds a box index 0..12.
struct RoleBoxes {
  int allTeams = 0;
  std::array<int, 4> team{};
  bool operator==(const RoleBoxes&) const = default;
};
struct PackedRoles {
  std::string text;        // at most 19 characters, ready for the Roles field
  bool truncated = false;  // more than four roles were chosen: only the first four are kept
};
// Builds the role string: "a" + abbreviation for All Teams, then "1".."4" + abbreviation for
// each team whose box is set.
PackedRoles packRoles(const RoleBoxes& boxes);
// Reads a role string back into the boxes; entries of teams 5 to 8 have no box and are skipped,
// unknown abbreviations leave their box at 0. Reading stops at the first entry that does not
// start with a team character.
RoleBoxes unpackRoles(std::string_view roles);
inline constexpr const char* RoleLimitMessage =
    ZYNED_TEXT("core", "Maximum of 4 CMD Choices per FG, Previous FG has been adjusted");

// ---- Optional weapons ----
// A packed list of `size` bytes: the chosen items (0-based positions of the list that leaves out
// "None"), each stored as position + 1 in ascending order, then zeros.
std::vector<std::uint8_t> packOptions(const std::vector<int>& chosen, std::size_t size);
// The chosen positions of a packed list (each non-zero byte minus 1), without repeats.
std::vector<int> unpackOptions(const std::vector<std::uint8_t>& packed);

// ---- Special craft ----
// The special craft number a group keeps when its craft count goes from `oldCount` to
// `newCount`. A special craft outside the group (number at or above the count, shown as
// "(Special ship is not in FG)") stays outside: it becomes the new count. A craft that leaves
// the group because the group shrank also goes outside. A craft inside the group keeps its
// number.
std::uint8_t specialCraftAfterCount(std::uint8_t special, std::uint8_t oldCount,
                                    std::uint8_t newCount);

// ---- Auto-link ----
enum class Side { None, Rebel, Imperial };
// The side a craft type belongs to when auto-link is on.
Side autoLinkSide(int craftType);
// Team index (0-based) that auto-link moves a group of the side into, or nothing when the
// Mission has no such team.
std::optional<int> autoLinkTeam(const model::Mission& m, Side side);
// Craft type change of one group with auto-link on: IFF and team follow the type's side.
void applyCraftTypeAutoLink(const model::Mission& m, model::FlightGroup& g);
// Team change of one group with auto-link on: the IFF follows the team's (Teams page).
void applyTeamAutoLink(const model::Mission& m, model::FlightGroup& g);

// ---- Checks ----
inline constexpr const char* OnlyInExpansionWarning =
    ZYNED_TEXT("core", "That Ship is only available in Qvn");
inline constexpr const char* NoSlotWarning =
    ZYNED_TEXT("core", "That ship slot is not available in Zyn or Qvn");
inline constexpr const char* NonPlayerCraftWarning =
    ZYNED_TEXT("core", "Non-Player Craft Chosen for Player");
// The warning a chosen craft type deserves in a Mission of `platformId` (a marked text), or
// empty.
std::string playableWarning(int craftType, int platformId);

// ---- Markings ----
// Markings implied by a flight-group name ("Red", "Gold", …), for a group of `craftType`, or
// nothing when the name implies none.
std::optional<std::uint8_t> markingsForName(std::string_view name, int craftType);

// ---- Numbers typed into edit boxes ----
// An integer typed by the user; nothing when the text is not a whole number.
std::optional<long> parseInteger(std::string_view text);
// "'abc' is not a valid integer value": the message for text that is not a number (`text` as
// typed, UTF-8).
model::Text notAnIntegerMessage(std::string_view text);

// ---- Optional craft ----
// One row of the user-defined optional craft: "2 x [ 3 ]  Name", or "<None>" with no craft.
std::string optionalCraftRow(const model::FlightGroup& g, std::size_t row,
                             const std::string& craftName);

}  // namespace editing
