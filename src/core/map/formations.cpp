#include "map/formations.h"

#include <cmath>

namespace map {

namespace {

using P = GridPoint;

// Grid positions of craft 1 to 6 in every formation, in value order.
const std::array<Formation, FormationCount> Table{{
    {"Vic", 6, {P{3, 2, 3}, P{4, 3, 3}, P{2, 3, 3}, P{5, 4, 3}, P{1, 4, 3}, P{6, 5, 3}}},
    {"Finger Four",
     6,
     {P{3.5, 1, 3}, P{4.5, 2, 3}, P{1.5, 3, 3}, P{0.5, 4, 3}, P{5.5, 5, 3}, P{6.5, 6, 3}}},
    {"Line Astern", 6, {P{3, 1, 3}, P{3, 2, 3}, P{3, 3, 3}, P{3, 4, 3}, P{3, 5, 3}, P{3, 6, 3}}},
    {"Line Abreast", 6, {P{3, 3, 3}, P{4, 3, 3}, P{2, 3, 3}, P{5, 3, 3}, P{1, 3, 3}, P{6, 3, 3}}},
    {"Echelon Right", 6, {P{1, 1, 3}, P{2, 2, 3}, P{3, 3, 3}, P{4, 4, 3}, P{5, 5, 3}, P{6, 6, 3}}},
    {"Echelon Left", 6, {P{6, 1, 3}, P{5, 2, 3}, P{4, 3, 3}, P{3, 4, 3}, P{2, 5, 3}, P{1, 6, 3}}},
    {"Double Astern", 6, {P{4, 2, 3}, P{3, 2, 3}, P{4, 3, 3}, P{3, 3, 3}, P{4, 4, 3}, P{3, 4, 3}}},
    {"Diamond 1", 6, {P{3, 2, 3}, P{4, 3, 3}, P{2, 3, 3}, P{3, 4, 3}, P{3, 3, 2}, P{3, 3, 4}}},
    {"Stacked High", 6, {P{3, 3, 6}, P{3, 3, 5}, P{3, 3, 4}, P{3, 3, 3}, P{3, 3, 2}, P{3, 3, 1}}},
    {"High 'X'", 6, {P{3, 3, 3}, P{4, 3, 2}, P{2, 3, 2}, P{4, 3, 4}, P{2, 3, 4}, P{3, 4, 3}}},
    {"Vic Abreast", 6, {P{3, 5, 3}, P{4, 4, 3}, P{2, 4, 3}, P{5, 3, 3}, P{1, 3, 3}, P{6, 2, 3}}},
    {"High Vic", 6, {P{3, 2, 4}, P{3, 3, 3}, P{3, 3, 5}, P{3, 4, 2}, P{3, 4, 6}, P{3, 5, 1}}},
    {"Reverse High Vic",
     6,
     {P{3, 5, 4}, P{3, 4, 3}, P{3, 4, 5}, P{3, 3, 2}, P{3, 3, 6}, P{3, 2, 1}}},
    {"Reverse Line Astern",
     6,
     {P{3, 6, 3}, P{3, 5, 3}, P{3, 4, 3}, P{3, 3, 3}, P{3, 2, 3}, P{3, 1, 3}}},
    {"Stacked Low", 6, {P{3, 3, 1}, P{3, 3, 2}, P{3, 3, 3}, P{3, 3, 4}, P{3, 3, 5}, P{3, 3, 6}}},
    {"Abreast Right", 6, {P{1, 3, 3}, P{2, 3, 3}, P{3, 3, 3}, P{4, 3, 3}, P{5, 3, 3}, P{6, 3, 3}}},
    {"Abreast Left", 6, {P{6, 3, 3}, P{5, 3, 3}, P{4, 3, 3}, P{3, 3, 3}, P{2, 3, 3}, P{1, 3, 3}}},
    {"Wing Forward", 6, {P{2, 6, 6}, P{2, 5, 5}, P{3, 4, 4}, P{4, 3, 3}, P{5, 2, 2}, P{6, 1, 1}}},
    {"Wing Back", 6, {P{1, 1, 6}, P{2, 2, 5}, P{3, 3, 4}, P{4, 4, 3}, P{5, 5, 2}, P{6, 6, 1}}},
    {"Line Astern Up", 6, {P{3, 1, 6}, P{3, 2, 5}, P{3, 3, 4}, P{3, 4, 3}, P{3, 5, 2}, P{3, 6, 1}}},
    {"Line Astern Down",
     6,
     {P{3, 1, 1}, P{3, 2, 2}, P{3, 3, 3}, P{3, 4, 4}, P{3, 5, 5}, P{3, 6, 6}}},
    {"Abreast 'V'", 6, {P{3, 3, 5}, P{4, 3, 4}, P{2, 3, 4}, P{5, 3, 3}, P{1, 3, 3}, P{6, 3, 2}}},
    {"Abreast Inverted 'V'",
     6,
     {P{3, 3, 2}, P{4, 3, 3}, P{2, 3, 3}, P{5, 3, 4}, P{1, 3, 4}, P{6, 3, 5}}},
    {"Double Astern Mirror",
     6,
     {P{2, 2, 3}, P{3, 2, 3}, P{2, 3, 3}, P{3, 3, 3}, P{2, 4, 3}, P{3, 4, 3}}},
    {"Double Stacked Astern",
     6,
     {P{3, 2, 3}, P{3, 2, 4}, P{3, 3, 3}, P{3, 3, 4}, P{3, 4, 3}, P{3, 4, 4}}},
    {"Double Stacked High",
     6,
     {P{3, 3, 2}, P{4, 3, 2}, P{3, 3, 3}, P{4, 3, 3}, P{3, 3, 4}, P{4, 3, 4}}},
    {"Diamond 2", 6, {P{3, 2, 3}, P{3, 3, 2}, P{3, 3, 4}, P{2, 3, 3}, P{4, 3, 3}, P{3, 4, 3}}},
    {"Diamond 3", 6, {P{3, 3, 2}, P{4, 3, 3}, P{2, 3, 3}, P{3, 3, 4}, P{3, 2, 3}, P{3, 4, 3}}},
    {"Flat Pentagon",
     6,
     {P{3, 2, 3}, P{4, 4.5, 3}, P{1.5, 3, 3}, P{4.5, 3, 3}, P{2, 4.5, 3}, P{3, 3.5, 3}}},
    {"Side Pentagon",
     6,
     {P{3, 2, 3}, P{3, 4.7, 2.4}, P{3, 3, 4}, P{3, 3, 2}, P{3, 4.7, 3.6}, P{3, 3.7, 3}}},
    {"Front Pentagon",
     6,
     {P{3, 3, 2.3}, P{4, 3, 4}, P{1.3, 3, 3}, P{4.7, 3, 3}, P{2, 3, 4}, P{3, 3, 3.4}}},
    {"Flat Hexagon",
     6,
     {P{2.8, 2.3, 3}, P{4.2, 2.3, 3}, P{2, 3.5, 3}, P{5, 3.5, 3}, P{2.8, 4.7, 3}, P{4.2, 4.7, 3}}},
    {"Side Hexagon",
     6,
     {P{3, 2, 3}, P{3, 2, 4}, P{3, 3.5, 2.2}, P{3, 3.5, 4.8}, P{3, 5, 3}, P{3, 5, 4}}},
    {"Front Hexagon",
     6,
     {P{2.8, 3, 2}, P{4.2, 3, 2}, P{2, 3, 3}, P{5, 3, 3}, P{2.8, 3, 4}, P{4.2, 3, 4}}},
    {"(Single Point)", 5, {P{3, 3, 3}, P{3, 3, 3}, P{3, 3, 3}, P{3, 3, 3}, P{3, 3, 3}, P{}}},
}};

// Nearest whole pixel, halves to even like the rest of the editor's rounding.
int nearestPixel(double v) {
  return static_cast<int>(std::nearbyint(v));
}

}  // namespace

const Formation& formation(int n) {
  if (n < 0 || n >= FormationCount) return Table[SinglePointFormation];
  return Table[static_cast<std::size_t>(n)];
}

int previousFormation(int n) {
  return n <= 0 ? FormationCount - 1 : n - 1;
}

int nextFormation(int n) {
  return n >= FormationCount - 1 ? 0 : n + 1;
}

std::vector<CraftMark> formationMarks(int n, bool limitToCount, int craftCount) {
  std::vector<CraftMark> marks;
  const Formation& f = formation(n);
  for (std::size_t k = 0; k < f.count; ++k) {
    const int number = static_cast<int>(k) + 1;
    if (limitToCount && number > craftCount) break;
    const GridPoint& p = f.craft[k];
    const int x = nearestPixel(30 + 31 * (p.x - 1));
    const int topY = nearestPixel(150 + 40 * (p.y - 1));
    const int upperY = nearestPixel(10 + 17 * (p.z - 1));
    const int frontX = nearestPixel(250 + 40 * (p.y - 1));
    marks.push_back({FormationView::Top, number, x, topY, x + 10, topY + 10});
    marks.push_back({FormationView::Side, number, x, upperY, x + 12, upperY + 10});
    marks.push_back({FormationView::Front, number, frontX, upperY, frontX + 12, upperY + 9});
  }
  return marks;
}

}  // namespace map
