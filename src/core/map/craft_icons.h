#pragma once
// The craft icon strip: 74 columns of 16 x 20 icons in 5 colour rows, which column a craft type
// shows, and which row an IFF colours it in.

namespace map {

inline constexpr int IconColumns = 74;
inline constexpr int IconRows = 5;
inline constexpr int IconWidth = 16;
inline constexpr int IconHeight = 20;
inline constexpr int IconPitch = 19;  // columns are 19 pixels apart in the strip
inline constexpr int IconStripWidth = 1404;

// The 1-based icon column of a craft type, the icon column of the craft table
// (map/craft_types.h); the briefing shows some types with another column.
int iconColumn(int craftType, bool briefing = false);
// The colour row of an IFF: 0..3 their own, 4 (red) shares row 1, 5 (purple) row 4.
int iffRow(int iff);

// The look an icon column is drawn with: what kind of craft, and a variant within the kind.
enum class IconShape {
  Fighter,
  Bomber,
  Shuttle,
  Transport,
  Tender,
  Container,
  Freighter,
  Starship,
  Platform,
  Station,
  Mine,
  Buoy,
  Rock,
  Unknown
};
struct IconLook {
  IconShape shape = IconShape::Unknown;
  int variant = 0;  // 0.. distinguishes columns of one shape
};
IconLook iconLook(int column);

}  // namespace map
