#include "map/route.h"

#include <algorithm>
#include <charconv>
#include <cmath>

#include "map/craft_types.h"
#include "map/filters.h"
#include "map/view.h"

namespace map {

using namespace model;

std::size_t legStart(const FlightGroup& g, std::size_t point) {
  for (std::size_t p = point; p-- > Start1;) {
    if (p < Waypoint1) return Start1;  // Start 2-4 are never predecessors
    if (g.enabled(p)) return p;
  }
  return Start1;
}

LegDistances legDistances(const FlightGroup& g) {
  LegDistances legs{};
  for (std::size_t k = Waypoint1; k <= Hyperspace; ++k) {
    if (!g.enabled(k)) continue;
    const std::size_t from = legStart(g, k);
    const double dx = g.x(k) - g.x(from), dy = g.y(k) - g.y(from), dz = g.z(k) - g.z(from);
    legs[k - Waypoint1] =
        static_cast<std::uint16_t>(nearest(std::sqrt(dx * dx + dy * dy + dz * dz)));
  }
  return legs;
}

int routeDistance(const LegDistances& legs, std::size_t point) {
  int s = 0;
  for (std::size_t k = Waypoint1; k <= point && k <= Hyperspace; ++k) s += legs[k - Waypoint1];
  return s;
}

bool isMovingCraft(int t) {
  return isCraftClass(t) && !(t >= 26 && t <= 29) && !(t >= 55 && t <= 59);
}

int maxCraftSpeed(int t) {
  switch (t) {
    case 1:
    case 5:
    case 14:
    case 15:
      return 45;
    case 2:
    case 7:
      return 36;
    case 3:
      return 54;
    case 4:
      return 41;
    case 6:
    case 13:
      return 50;
    case 8:
      return 60;
    case 9:
      return 65;
    case 12:
      return 55;
    case 16:
    case 37:
    case 38:
    case 39:
      return 40;
    case 17:
    case 22:
    case 23:
      return 30;
    case 18:
      return 33;
    case 19:
    case 20:
      return 35;
    case 21:
      return 25;
    case 24:
    case 49:
    case 53:
    case 54:
      return 5;
    case 25:
    case 35:
      return 15;
    case 30:
    case 33:
    case 40:
    case 41:
      return 10;
    case 32:
    case 36:
    case 42:
    case 43:
    case 44:
    case 45:
    case 46:
    case 92:
      return 8;
    case 34:
      return 12;
    case 47:
    case 48:
    case 50:
      return 6;
    case 51:
    case 52:
      return 4;
    default:
      return 16;
  }
}

namespace {
bool isRouteCommand(int c) {
  return (c >= 1 && c <= 4) || c == 21 || (c >= 24 && c <= 27) || c == 29;
}
}  // namespace

int cruiseSpeed(const FlightGroup& g) {
  std::size_t n = 0;
  for (std::size_t k = 0; k < fg::OrderCount; ++k)
    if (isRouteCommand(g.orderBytes(k)[order::Command.offset])) {
      n = k;
      break;
    }
  const CBytes o = g.orderBytes(n);
  const int throttle = o[order::Throttle.offset];
  const int speed = o[order::Speed.offset];
  if (throttle == 10 && speed != 0) return speed;
  return nearest(maxCraftSpeed(g.get(fg::CraftType)) * throttle / 10.0);
}

int flightSeconds(int mapUnits, int speed) {
  return nearest((mapUnits / 160.0) / (speed * 0.002209456471765));
}

namespace {

// Appends formatTime(seconds) to `out`.
void appendTime(std::string& out, int seconds) {
  const unsigned v = static_cast<std::uint16_t>(seconds);
  char buf[8];
  char* end = v < 60 ? std::copy_n("00", 2, buf) : std::to_chars(buf, buf + sizeof buf, v / 60).ptr;
  *end++ = ':';
  *end++ = static_cast<char>('0' + v % 60 / 10);
  *end++ = static_cast<char>('0' + v % 10);
  out.append(buf, end);
}

}  // namespace

std::string formatTime(int seconds) {
  std::string text;
  appendTime(text, seconds);
  return text;
}

std::string trimmedName(const FlightGroup& g) {
  std::string s;
  for (std::size_t i = 0; i < fg::Name.width; ++i) {
    const auto c = g.bytes[fg::Name.offset + i];
    if (c >= 32 && c != 127) s.push_back(static_cast<char>(c));
  }
  const auto b = s.find_first_not_of(' ');
  if (b == std::string::npos) return {};
  return s.substr(b, s.find_last_not_of(' ') - b + 1);
}

std::string pointLabel(const FlightGroup& g, std::size_t p, const LabelOptions& o) {
  if (!o.namesOn) return {};
  std::string label = "  ";
  if (p == Start1 || p >= Briefing1) return label + " " + trimmedName(g);
  if (p < Waypoint1)
    label += "Start " + std::to_string(p + 1);
  else if (p < Rendezvous)
    label += "w " + std::to_string(p - Waypoint1 + 1);
  else if (p == Rendezvous)
    label += "RDVZ";
  else
    label += "HYP";
  if (!o.currentOnly) label.append(" ").append(trimmedName(g));
  return label;
}

LabelExtent pointLabelExtent(std::size_t nameLength, std::size_t p, const LabelOptions& o) {
  if (!o.namesOn) return {};
  if (p == Start1 || p >= Briefing1) return {3, 3 + nameLength};
  const auto digits = [](std::size_t n) {
    return n < 10 ? std::size_t{1} : std::to_string(n).size();
  };
  const std::size_t word = p < Waypoint1     ? 6 + digits(p + 1)
                           : p < Rendezvous  ? 2 + digits(p - Waypoint1 + 1)
                           : p == Rendezvous ? 4
                                             : 3;
  return {2, 2 + word + (o.currentOnly ? 0 : 1 + nameLength)};
}

std::string pointAnnotation(const FlightGroup& g, std::size_t p, const LegDistances& legs,
                            const LabelOptions& o) {
  if (p == Start1 || p > Hyperspace || !isMovingCraft(g.get(fg::CraftType))) return {};
  if (!o.distances && !o.times) return {};
  const int s = routeDistance(legs, p);
  std::string text;
  if (o.distances) {
    // Kilometres with two decimals, rounded as printf's "%.2f" rounds them.
    char buf[32];
    text.append(buf,
                std::to_chars(buf, buf + sizeof buf, s / 160.0, std::chars_format::fixed, 2).ptr);
    text += "km ";
  }
  if (o.times) {
    const int c = cruiseSpeed(g);
    if (c == 0) {
      text += "(Holding)";
    } else {
      const int t = flightSeconds(s, c);
      text += '(';
      appendTime(text, t);
      text += ')';
      const int minutes = g.get(fg::ArrivalDelayMinutes), seconds = g.get(fg::ArrivalDelaySeconds);
      if (arrivesWithin30Seconds(g) && (minutes != 0 || seconds != 0)) {
        text += " <";
        appendTime(text, minutes * 60 + t + 5 + seconds);
        text += '>';
      }
    }
  }
  return text;
}

namespace {

std::size_t decimalDigits(unsigned v) {
  std::size_t n = 1;
  while (v >= 10) v /= 10, ++n;
  return n;
}

// The length of formatTime(seconds).
std::size_t timeLength(int seconds) {
  const unsigned v = static_cast<std::uint16_t>(seconds);
  return v < 60 ? 5 : decimalDigits(v / 60) + 3;
}

}  // namespace

LabelExtent pointAnnotationExtent(const FlightGroup& g, std::size_t p, const LegDistances& legs,
                                  const LabelOptions& o) {
  if (p == Start1 || p > Hyperspace || !isMovingCraft(g.get(fg::CraftType))) return {};
  if (!o.distances && !o.times) return {};
  const int s = routeDistance(legs, p);
  std::size_t length = 0;
  // Two decimals of s / 160 never round up into the whole kilometres: 159 / 160 < 0.995.
  if (o.distances) length += decimalDigits(static_cast<unsigned>(s / 160)) + 6;  // ".dd" "km "
  if (o.times) {
    const int c = cruiseSpeed(g);
    if (c == 0) {
      length += 9;  // "(Holding)"
    } else {
      const int t = flightSeconds(s, c);
      length += timeLength(t) + 2;
      const int minutes = g.get(fg::ArrivalDelayMinutes), seconds = g.get(fg::ArrivalDelaySeconds);
      if (arrivesWithin30Seconds(g) && (minutes != 0 || seconds != 0))
        length += timeLength(minutes * 60 + t + 5 + seconds) + 3;  // " <" ">"
    }
  }
  return {0, length};
}

}  // namespace map
