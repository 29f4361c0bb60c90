#include "map/filters.h"

namespace map {

CraftClass craftClassOf(int t) {
  if ((t >= 42 && t <= 54) || t == 92) return CraftClass::Starship;
  if ((t >= 1 && t <= 9) || (t >= 12 && t <= 16)) return CraftClass::Starfighter;
  if ((t >= 17 && t <= 25) || t == 30) return CraftClass::Transport;
  if ((t >= 60 && t <= 69) || t == 78 || t == 90 || t == 91) return CraftClass::Platform;
  if (t == 70 || t == 71 || (t >= 75 && t <= 77) || t == 80 || t == 83 || t == 84 || t == 86 ||
      t == 87)
    return CraftClass::Object;
  if ((t >= 26 && t <= 29) || (t >= 32 && t <= 38) || t == 40 || t == 41 || (t >= 55 && t <= 59))
    return CraftClass::Freighter;
  return CraftClass::None;
}

void MapFilters::showAll() {
  iff.fill(true);
  classes.fill(true);
  within30Seconds = false;
}

bool arrivesWithin30Seconds(const model::FlightGroup& g) {
  for (std::size_t t = 0; t < 4; ++t)
    if (g.bytes[model::fg::ArrivalTriggers + 4 * t] != 0) return false;
  return g.get(model::fg::ArrivalDelayMinutes) == 0 && g.get(model::fg::ArrivalDelaySeconds) < 30;
}

bool difficultyAllows(Difficulty d, int a) {
  switch (d) {
    case Difficulty::Easy:
      return a == 0 || a == 1 || a == 5 || a == 8;
    case Difficulty::Medium:
      return a == 0 || a == 2 || a == 4 || a == 5 || a == 9;
    case Difficulty::Hard:
      return a == 0 || a == 3 || a == 4 || a == 10;
    default:
      return true;
  }
}

bool passesFilters(const MapFilters& f, const model::FlightGroup& g) {
  const int iff = g.get(model::fg::Iff);
  if (iff >= FilterIffCount || !f.iff[iff]) return false;
  const int type = g.get(model::fg::CraftType);
  const CraftClass c = craftClassOf(type);
  if (c == CraftClass::None ? type <= 92 : !f.classes[static_cast<int>(c)]) return false;
  if (f.within30Seconds && !arrivesWithin30Seconds(g)) return false;
  return difficultyAllows(f.difficulty, g.get(model::fg::ArrivalDifficulty));
}

std::vector<bool> shownFlags(const MapFilters& f, const model::Mission& m) {
  std::vector<bool> shown;
  shown.reserve(m.flightGroups.size());
  for (const auto& g : m.flightGroups) shown.push_back(passesFilters(f, g));
  return shown;
}

int currentAfterFiltering(int current, const std::vector<bool>& shown) {
  if (current >= 0 && current < static_cast<int>(shown.size()) && shown[current]) return current;
  for (int i = static_cast<int>(shown.size()) - 1; i >= 0; --i)
    if (shown[i]) return i;
  return 0;
}

}  // namespace map
