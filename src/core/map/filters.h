#pragma once
// Which flight groups the map shows: the IFF, class, arrival-time and difficulty filters.

#include <array>
#include <vector>

#include "model/mission.h"

namespace map {

// The map's class buttons, in the order they are tested.
enum class CraftClass { Starship, Starfighter, Transport, Platform, Object, Freighter, None };
inline constexpr int FilterClassCount = 6;
inline constexpr int FilterIffCount = 6;

// The class of a craft type; None for types in no class.
CraftClass craftClassOf(int craftType);

enum class Difficulty { All, Easy, Medium, Hard };

struct MapFilters {
  std::array<bool, FilterIffCount> iff{true, true, true, true, true, true};
  std::array<bool, FilterClassCount> classes{true, true, true, true, true, true};
  bool within30Seconds = false;
  Difficulty difficulty = Difficulty::Medium;

  // "All": every IFF and class button down, the 30-second filter off.
  void showAll();
};

// No arrival trigger, no delay minutes and a delay below 30 seconds.
bool arrivesWithin30Seconds(const model::FlightGroup& g);
bool difficultyAllows(Difficulty d, int arrivalDifficulty);
bool passesFilters(const MapFilters& f, const model::FlightGroup& g);
// One flag per flight group.
std::vector<bool> shownFlags(const MapFilters& f, const model::Mission& m);
// The current flight group after filtering: kept when shown, else the highest shown, else 0.
int currentAfterFiltering(int current, const std::vector<bool>& shown);

}  // namespace map
