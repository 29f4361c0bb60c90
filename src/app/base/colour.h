#pragma once
// The colours of the game's tables (IFF, message, goal colours) as Qt's.

#include <QColor>

#include "model/colours.h"

namespace app {

inline QColor toQColor(model::Rgb c) {
  return QColor(c.r, c.g, c.b);
}

}  // namespace app
