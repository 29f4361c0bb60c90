#include "flow/rules.h"

#include "editing/descriptions.h"
#include "flow/analysis.h"
#include "map/craft_types.h"

namespace flow {

namespace {

constexpr int ShipCategoryCount = 7;   // "Starfighters" … "Mines"
constexpr int SpaceCraftCategory = 0;  // the object category that holds every craft

}  // namespace

bool needsPresence(int c) {
  return (c >= 1 && c <= 8) || c == 11 || (c >= 16 && c <= 30) || c == 44 || c == 45;
}

bool knownCondition(int c) {
  return (c >= 0 && c <= 30) || c == 44 || c == 45;
}

int setSlot(int type, int value) {
  int slot = -1;
  switch (type) {
    case editing::TargetShipType:
      slot = 0;
      break;
    case editing::TargetShipCategory:
      slot = value < ShipCategoryCount ? 1 : -1;
      break;
    case editing::TargetObjectCategory:
      slot = value == SpaceCraftCategory ? 2 : -1;
      break;
    case editing::TargetIff:
      slot = 3;
      break;
    case editing::TargetGlobalGroup:
      slot = 4;
      break;
    case editing::TargetTeam:
      slot = 5;
      break;
    case editing::TargetAllTeamsBut:
      slot = 6;
      break;
    case editing::TargetGlobalUnit:
      slot = 7;
      break;
    default:
      break;
  }
  return slot < 0 || value < 0 || value > 255 ? -1 : slot * 256 + value;
}

int shipCategory(int t) {
  if ((t >= 1 && t <= 9) || (t >= 12 && t <= 16)) return 0;  // starfighters
  if (t >= 17 && t <= 23) return 1;                          // transports
  if ((t >= 26 && t <= 29) || (t >= 32 && t <= 38) || t == 40 || t == 41 || (t >= 55 && t <= 59))
    return 2;                                                           // freighters
  if ((t >= 42 && t <= 54) || t == 92) return 3;                        // starships
  if (t == 24 || t == 25 || t == 30) return 4;                          // utility
  if ((t >= 60 && t <= 69) || t == 78 || t == 90 || t == 91) return 5;  // platforms
  if (t >= 75 && t <= 77) return 6;                                     // mines
  return -1;
}

bool sortedByTheEditor(int type) {
  return type == editing::TargetShipCategory || type == editing::TargetObjectCategory;
}

TargetSet targetMembers(const model::Mission& m, int type, int value) {
  namespace fg = model::fg;
  TargetSet set;
  const int count = static_cast<int>(m.flightGroups.size());
  if (type == editing::TargetFlightGroup) {
    set.known = true;
    if (value >= 0 && value < count) set.members.push_back(value);
    return set;
  }
  if (setSlot(type, value) < 0) return set;
  set.known = true;
  for (int g = 0; g < count; ++g) {
    const model::FlightGroup& group = m.flightGroups[static_cast<std::size_t>(g)];
    bool in = false;
    switch (type) {
      case editing::TargetShipType:
        in = group.get(fg::CraftType) == value + 1;
        break;
      case editing::TargetShipCategory:
        in = shipCategory(group.get(fg::CraftType)) == value;
        break;
      case editing::TargetObjectCategory:
        in = map::isCraftClass(group.get(fg::CraftType));
        break;
      case editing::TargetIff:
        in = group.get(fg::Iff) == value;
        break;
      case editing::TargetGlobalGroup:
        in = group.get(fg::GlobalGroup) == value;
        break;
      case editing::TargetTeam:
        in = group.get(fg::Team) == value;
        break;
      case editing::TargetAllTeamsBut:
        in = group.get(fg::Team) != value;
        break;
      default:
        in = group.get(fg::GlobalUnit) == value;
        break;
    }
    if (in) set.members.push_back(g);
  }
  return set;
}

}  // namespace flow
