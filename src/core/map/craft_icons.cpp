#include "map/craft_icons.h"

#include "map/craft_types.h"

namespace map {

int iconColumn(int t, bool briefing) {
  const CraftIcon& icon = craftFacts(t).icon;
  return briefing && icon.briefing >= 0 ? icon.briefing : icon.map;
}

int iffRow(int iff) {
  switch (iff) {
    case 0:
    case 1:
    case 2:
    case 3:
      return iff;
    case 4:
      return 1;
    case 5:
      return 4;
    default:
      return 2;  // drawn in the blue of IFF 2, like the rest of the editor
  }
}

IconLook iconLook(int c) {
  // Columns follow the craft types that use them (the icon column of map/craft_types.cpp).
  if (c >= 1 && c <= 9) return {IconShape::Fighter, c - 1};
  if (c >= 12 && c <= 16) return {c == 15 ? IconShape::Bomber : IconShape::Fighter, c - 3};
  if (c >= 17 && c <= 23) return {c <= 19 ? IconShape::Shuttle : IconShape::Transport, c - 17};
  if (c >= 24 && c <= 25) return {IconShape::Tender, c - 24};
  if (c >= 26 && c <= 29) return {IconShape::Container, c - 26};
  if (c == 30) return {IconShape::Tender, 2};
  if (c >= 32 && c <= 41) return {IconShape::Freighter, c - 32};
  if (c >= 42 && c <= 54) return {IconShape::Starship, c - 42};
  if (c >= 55 && c <= 59) return {IconShape::Container, c - 51};
  if (c >= 60 && c <= 61) return {IconShape::Platform, c - 60};
  if (c >= 62 && c <= 63) return {IconShape::Rock, c - 62};
  if (c == 64) return {IconShape::Station, 0};
  if (c == 65) return {IconShape::Buoy, 0};
  if (c >= 66 && c <= 69) return {c == 69 ? IconShape::Platform : IconShape::Mine, c - 66};
  if (c == 70) return {IconShape::Buoy, 1};
  if (c == 71) return {IconShape::Buoy, 2};
  if (c >= 72 && c <= 73) return {IconShape::Station, c - 71};
  if (c == 74) return {IconShape::Starship, 13};
  if (c == 11) return {IconShape::Buoy, 3};
  return {IconShape::Unknown, 0};
}

}  // namespace map
