#pragma once
// What the map writes beside a flight group's points: labels, leg distances, cruise speed and
// flight times.

#include <array>
#include <cstdint>
#include <string>

#include "model/mission.h"

namespace map {

// Leg lengths in map units of Waypoint 1 .. Hyperspace (index 0 = Waypoint 1), each measured
// from the nearest enabled point before it (Start 2-4 never count; Start 1 always does).
using LegDistances = std::array<std::uint16_t, 10>;
LegDistances legDistances(const model::FlightGroup& g);
// The point a route line to `point` (Waypoint 1 .. Hyperspace) starts from, by the same rule.
std::size_t legStart(const model::FlightGroup& g, std::size_t point);
// Sum of the legs from Waypoint 1 up to `point` (0 for the start points).
int routeDistance(const LegDistances& legs, std::size_t point);

// The craft type's top speed, for flight times.
int maxCraftSpeed(int craftType);
// The speed the flight group flies its route at (0 = holding).
int cruiseSpeed(const model::FlightGroup& g);
// Seconds to fly `mapUnits` at `speed` (speed > 0).
int flightSeconds(int mapUnits, int speed);
// "2:05", or "00:45" below a minute; the value is taken as unsigned 16-bit.
std::string formatTime(int seconds);

// Craft that fly routes, so that distances and times mean something: the craft types, without
// the cargo pods and modules that only sit where they are placed.
bool isMovingCraft(int craftType);

// The Name bytes without control characters and surrounding blanks.
std::string trimmedName(const model::FlightGroup& g);

struct LabelOptions {
  bool namesOn = true;
  bool currentOnly = false;  // "Curr FG only": no names beside route points
  bool distances = false;    // "WP distances"
  bool times = false;        // "WP times"
};

// The label of a point (0-based index) drawn above it; empty when names are off.
std::string pointLabel(const model::FlightGroup& g, std::size_t point, const LabelOptions& o);
// What pointLabel prints, measured without making it (the label layout measures every label of
// a frame): its length and its leading blanks, for a name of `nameLength` characters
// (trimmedName).
struct LabelExtent {
  std::size_t lead = 0, length = 0;
};
LabelExtent pointLabelExtent(std::size_t nameLength, std::size_t point, const LabelOptions& o);
// The distance/time annotation drawn below a route point; empty when there is none.
std::string pointAnnotation(const model::FlightGroup& g, std::size_t point,
                            const LegDistances& legs, const LabelOptions& o);
// What pointAnnotation prints, measured without making it.
LabelExtent pointAnnotationExtent(const model::FlightGroup& g, std::size_t point,
                                  const LegDistances& legs, const LabelOptions& o);

}  // namespace map
