#pragma once
// Sizes of craft on the map, used for visibility margins and the mission's map extent.

namespace map {

// Size in km of a craft type; 0 for craft too small to matter.
double craftSize(int craftType);

}  // namespace map
