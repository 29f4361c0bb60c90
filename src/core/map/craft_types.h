#pragma once
// What the editor knows of each craft type, in one table with a row per type (0..92) and four
// columns: its size on the map, whether it is drawn as a wireframe, the classes it belongs to
// (the error check, the property pages and the counts ask these) and the icon column it shows.
// A type beyond the table is none of these: size 0, no wireframe, no class, the unknown icon.

#include <cstdint>

namespace map {

// When a craft type is drawn as a line model rather than its icon (wireframes switched on).
enum class Wireframe : std::uint8_t {
  None,      // always the icon
  Always,    // always the model
  ZoomedIn,  // small craft: the model only when zoomed in past the icon-zoom setting
};

// The classes of a craft type, as bits.
enum ClassBit : std::uint8_t {
  Craft = 1,            // 1..69, 78, 90..92: craft rather than objects
  ExpansionOnly = 2,    // exists only in the expansion's slots
  UnsupportedSlot = 4,  // a slot between 1 and 92 that neither format fills
  CapitalShip = 8,      // ships that an Attack order makes jump around
  PlayerCraft = 16,     // craft a player can fly
};

struct CraftIcon {
  int map = 10;       // the 1-based column of the icon strip (10: the unknown icon)
  int briefing = -1;  // the column the briefing shows instead (-1: the same)
};

struct CraftFacts {
  double size = 0;  // km; 0 for craft too small to matter (visibility margins, the map extent)
  Wireframe wireframe = Wireframe::None;
  std::uint8_t classes = 0;  // ClassBit bits
  CraftIcon icon;
};

inline constexpr int CraftTypeCount = 93;

// The row of a craft type; the empty row for a type beyond the table.
const CraftFacts& craftFacts(int craftType);

// The columns asked one by one.
double craftSize(int craftType);
bool isCraftClass(int craftType);
bool isExpansionOnlyCraft(int craftType);
bool isUnsupportedSlot(int craftType);
bool isCapitalShip(int craftType);
bool isPlayerCraft(int craftType);

}  // namespace map
