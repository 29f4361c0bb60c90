#include "map/craft_size.h"

namespace map {

double craftSize(int t) {
  switch (t) {
    case 54:
      return 4.0;
    case 49:
    case 53:
    case 90:
    case 91:
      return 0.8;
    case 52:
    case 66:
      return 0.45;
    case 46:
    case 47:
    case 48:
    case 50:
    case 51:
    case 69:
    case 92:
      return 0.3;
    case 42:
    case 43:
    case 60:
    case 61:
    case 62:
    case 63:
    case 64:
    case 65:
      return 0.18;
    case 32:
    case 33:
    case 34:
    case 36:
    case 37:
    case 40:
    case 41:
    case 67:
    case 68:
      return 0.075;
    default:
      return 0.0;
  }
}

}  // namespace map
