#pragma once
// The formation table: where the craft of a flight group sit in each of the 35 formations the
// game knows, as grid positions of the formation viewer (3 is the centre line), and where the
// viewer draws them in its three views.

#include <array>
#include <cstddef>
#include <vector>

namespace map {

inline constexpr int FormationCount = 35;
inline constexpr int SinglePointFormation = 34;
// Craft positions a formation row holds (the single point has five).
inline constexpr std::size_t FormationSlots = 6;

struct GridPoint {
  double x = 0, y = 0, z = 0;
};

struct Formation {
  const char* name;  // the built-in name the formation box shows
  std::size_t count;
  std::array<GridPoint, FormationSlots> craft;
};

// Row n of the table (0..34); n outside that range gives the single point.
const Formation& formation(int n);
// The formation before and after n, wrapping at both ends.
int previousFormation(int n);
int nextFormation(int n);

// The viewer's drawing: a 497 x 387 picture split into a side view (X-Z, upper left), a front view
// (Y-Z, upper right) and a top view (X-Y, lower left).
inline constexpr int ViewerWidth = 497;
inline constexpr int ViewerHeight = 387;
inline constexpr int ViewerDividerY = 140;
inline constexpr int ViewerDividerX = 239;

enum class FormationView { Top, Side, Front };

// One craft drawn in one view: the sprite's top left corner and where its number goes.
struct CraftMark {
  FormationView view;
  int number;  // 1-based craft number within the flight group
  int x, y;
  int labelX, labelY;
};

// Every craft of formation n in the three views, in table order. With `limitToCount` only the
// first `craftCount` craft are drawn.
std::vector<CraftMark> formationMarks(int n, bool limitToCount, int craftCount);

}  // namespace map
