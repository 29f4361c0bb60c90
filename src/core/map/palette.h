#pragma once
// The team palette of the map: a strip of craft icons in two rows; clicking a cell places a new
// flight group of that craft type.

#include <array>
#include <optional>

#include "model/mission.h"

namespace map {

inline constexpr int PaletteWidth = 591;
inline constexpr int PaletteHeight = 40;
inline constexpr int PaletteUpperCells = 37;
inline constexpr int PaletteLowerCells = 39;

// Craft type of a 1-based palette slot (upper row 1-37, lower row 38-74).
int paletteCraftType(int slot);
// The slot under (x, y) of a map `height` pixels high, when the palette strip is there.
std::optional<int> paletteSlotAt(int x, int y, int height);
// The icon column drawn in cell k (0-based) of the upper or lower row.
int paletteIconColumn(bool lowerRow, int cell);
// Craft types placed with Waypoint 1 and Hyperspace switched off (they stay where they are).
bool placedWithoutRoute(int craftType);
// The palette colour of a team: the IFF of the last flight group of that team, else the team's
// colour.
int paletteIff(const model::Mission& m, int team);
// Team after the increase/decrease buttons: 9 -> 0 and 0 -> 9.
inline int nextPaletteTeam(int team) {
  return team >= 9 ? 0 : team + 1;
}
inline int previousPaletteTeam(int team) {
  return team <= 0 ? 9 : team - 1;
}

}  // namespace map
