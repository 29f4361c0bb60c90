#pragma once
// Which craft types belong to which class: the error check, the property pages and the counts
// all ask these questions of the same tables.

namespace map {

bool isCraftClass(int craftType);          // 1..69, 78, 90..92: craft rather than objects
bool isExpansionOnlyCraft(int craftType);  // exists only in the expansion's slots
bool isUnsupportedSlot(int craftType);     // a slot between 1 and 92 that neither format fills
bool isCapitalShip(int craftType);         // ships that an Attack order makes jump around
bool isPlayerCraft(int craftType);         // craft a player can fly

}  // namespace map
