#pragma once
// The waypoint grid without a widget: kilometres shown and typed, raw values typed, the rows of
// the enabled list and the "Set To Start 1" copy.

#include <cstdint>
#include <string>
#include <string_view>

#include "model/mission.h"
#include "model/texts.h"

namespace editing {

// 160 map units are one kilometre.
inline constexpr int UnitsPerKm = 160;
// The grid's columns: X, Y and Z.
inline constexpr std::size_t WaypointAxes = 3;

// What a typed cell stores.
struct TypedCoordinate {
  enum Kind {
    Value,       // store `value`
    Ignore,      // store nothing, say nothing (a raw cell left empty or "-")
    NotANumber,  // store nothing, say so
    OutOfRange,  // store nothing, say so: the value has no 16-bit coordinate
  } kind = Ignore;
  std::int16_t value = 0;
};

// A kilometre cell: a decimal number ("1.5", "-0.25", ",5" also with a comma), times 160,
// rounded to the nearest unit with an exact half going to the even neighbour. An empty text
// or a lone "-" is 0. A value beyond -32768..32767 units is refused rather than wrapped: a typed
// 300 km must not land somewhere else on the map.
TypedCoordinate parseKm(std::string_view text);
// A raw cell: a whole number in -32768..32767; an empty text or a lone "-" is ignored.
TypedCoordinate parseRaw(std::string_view text);
// The message for a refused cell (`text` as typed, UTF-8).
model::Text coordinateError(const TypedCoordinate& t, std::string_view text, bool km);

// A coordinate in kilometres with 2 (or 3) decimals: 240 -> "1.50", -2 -> "-0.013".
std::string formatKm(int units, int decimals);

// The coordinate field of an axis (0 X, 1 Y, 2 Z).
model::Field<model::i16> axisField(std::size_t axis);

// Briefing points 1..8 take the values of Start 1.
void setBriefingPointsToStart(model::FlightGroup& g);

}  // namespace editing
