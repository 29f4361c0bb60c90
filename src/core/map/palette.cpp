#include "map/palette.h"

namespace map {

int paletteCraftType(int s) {
  if (s <= 9) return s;
  if (s <= 28) return s + 2;
  if (s <= 35) return s + 3;
  if (s <= 56) return s + 4;
  if (s <= 62) return s + 9;
  if (s <= 66) return s + 12;
  if (s == 67) return 80;
  if (s <= 69) return s + 15;
  if (s <= 71) return s + 16;
  return s + 18;
}

std::optional<int> paletteSlotAt(int x, int y, int height) {
  if (y <= height - PaletteHeight || x < 0 || x >= PaletteWidth) return std::nullopt;
  const int k = x / 16;
  return y <= height - 20 ? k + 1 : k + 38;
}

int paletteIconColumn(bool lowerRow, int cell) {
  static constexpr std::array<int, PaletteUpperCells> upper{
      1,  2,  3,  4,  5,  6,  7,  8,  9,  12, 13, 14, 15, 16, 17, 18, 19, 20, 21,
      22, 23, 24, 25, 26, 27, 28, 29, 30, 32, 33, 34, 35, 36, 37, 38, 40, 41};
  static constexpr std::array<int, PaletteLowerCells> lower{
      42, 43, 44, 45, 46, 47, 48, 49, 50, 51, 52, 53, 54, 55, 56, 57, 58, 59, 60, 61,
      62, 63, 64, 65, 65, 66, 67, 68, 69, 70, 71, 71, 62, 63, 72, 73, 74, 75, 76};
  if (lowerRow) return cell >= 0 && cell < PaletteLowerCells ? lower[cell] : 10;
  return cell >= 0 && cell < PaletteUpperCells ? upper[cell] : 10;
}

bool placedWithoutRoute(int t) {
  return (t >= 26 && t <= 29) || (t >= 55 && t <= 71) || (t >= 75 && t <= 78) || t == 80 ||
         t == 83 || t == 84 || t == 86 || t == 87 || (t >= 90 && t <= 92);
}

int paletteIff(const model::Mission& m, int team) {
  for (auto g = m.flightGroups.rbegin(); g != m.flightGroups.rend(); ++g)
    if (g->get(model::fg::Team) == team) return g->get(model::fg::Iff);
  return team >= 0 && team < static_cast<int>(model::TeamCount) ? m.teamIff[team] : 0;
}

}  // namespace map
