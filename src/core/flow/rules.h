#pragma once
// What the mission-flow analysis knows of the game's rules: the conditions, which conditions need
// the craft to be there, and which targets name a set of flight groups the file can list.

#include <string>

#include "editing/triggers.h"

namespace flow {

using editing::AlwaysTrueCondition;
using editing::NeverTrueCondition;
inline constexpr int ArriveCondition = 1;

// Conditions that can only come true once the craft they name are in the mission: arriving,
// being destroyed, attacked, boarded, completing an order and the like. Others ("survive", the
// goal conditions, numbers without a known meaning) can say nothing about when.
bool needsPresence(int condition);
// Conditions the game's table names (0 to 30, 44 and 45); the others show as a number and have
// no known meaning.
bool knownCondition(int condition);

// A target the file can list as a set of flight groups (craft type, the categories the editor
// sorts craft into, IFF, global group and unit, team, all teams but one) gets a slot below
// SetSlotCount; any other target -1.
inline constexpr int SetSlotCount = 8 * 256;
int setSlot(int type, int value);

// The ship category (0 starfighters … 6 mines) the editor sorts a craft type into, -1 for none.
int shipCategory(int craftType);

// Whether a target's set rests on the editor's sorting of craft into categories (ship and object
// categories), which the game may not share.
bool sortedByTheEditor(int type);

}  // namespace flow
