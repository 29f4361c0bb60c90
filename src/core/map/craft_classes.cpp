#include "map/craft_classes.h"

namespace map {

bool isCraftClass(int t) {
  return (t >= 1 && t <= 69) || t == 78 || (t >= 90 && t <= 92);
}

bool isExpansionOnlyCraft(int t) {
  switch (t) {
    case 4:
    case 36:
    case 41:
    case 43:
    case 50:
    case 54:
    case 78:
    case 90:
    case 91:
    case 92:
      return true;
    default:
      return false;
  }
}

bool isUnsupportedSlot(int t) {
  switch (t) {
    case 10:
    case 11:
    case 31:
    case 39:
    case 72:
    case 73:
    case 74:
    case 79:
    case 81:
    case 82:
    case 85:
    case 88:
    case 89:
      return true;
    default:
      return false;
  }
}

bool isCapitalShip(int t) {
  return t == 42 || t == 43 || t == 46 || (t >= 48 && t <= 54) || t == 92;
}

bool isPlayerCraft(int t) {
  return (t >= 1 && t <= 9) || t == 12 || t == 14 || t == 16;
}

}  // namespace map
