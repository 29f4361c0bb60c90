#include "editing/waypoints.h"

#include <cstdio>
#include <limits>

namespace editing {

namespace {

using model::i16;

bool isBlank(char c) {
  return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

std::string_view trim(std::string_view s) {
  while (!s.empty() && isBlank(s.front())) s.remove_prefix(1);
  while (!s.empty() && isBlank(s.back())) s.remove_suffix(1);
  return s;
}

TypedCoordinate refused(TypedCoordinate::Kind k) {
  return {k, 0};
}

}  // namespace

TypedCoordinate parseKm(std::string_view text) {
  std::string_view s = trim(text);
  if (s.empty() || s == "-") return {TypedCoordinate::Value, 0};
  bool negative = false;
  if (s.front() == '-' || s.front() == '+') {
    negative = s.front() == '-';
    s.remove_prefix(1);
  }
  // Digits before and after the decimal point, read exactly: the product with 160 is decided
  // on the decimal text, not on a binary approximation of it.
  std::uint64_t whole = 0;
  std::size_t i = 0, wholeDigits = 0, fracDigits = 0;
  bool wholeTooLong = false;
  for (; i < s.size() && s[i] >= '0' && s[i] <= '9'; ++i, ++wholeDigits) {
    if (whole > 100000)
      wholeTooLong = true;  // far beyond any coordinate; keep counting
    else
      whole = whole * 10 + static_cast<std::uint64_t>(s[i] - '0');
  }
  // Up to 14 decimals are kept exactly; further digits only matter for breaking a tie.
  std::uint64_t frac = 0;
  std::uint64_t scale = 1;
  bool sticky = false;
  if (i < s.size() && (s[i] == '.' || s[i] == ',')) {
    for (++i; i < s.size() && s[i] >= '0' && s[i] <= '9'; ++i, ++fracDigits) {
      if (fracDigits < 14) {
        frac = frac * 10 + static_cast<std::uint64_t>(s[i] - '0');
        scale *= 10;
      } else if (s[i] != '0') {
        sticky = true;
      }
    }
  }
  if (i != s.size() || wholeDigits + fracDigits == 0) return refused(TypedCoordinate::NotANumber);
  if (wholeTooLong) return refused(TypedCoordinate::OutOfRange);

  // units = (whole + frac / scale) * 160, rounded half to even.
  const std::uint64_t fracUnits = frac * UnitsPerKm;  // < 160 * 10^14
  std::uint64_t units = whole * UnitsPerKm + fracUnits / scale;
  const std::uint64_t rest = fracUnits % scale;  // the part below one unit, in 1/scale
  const std::uint64_t twice = rest * 2;
  if (twice > scale || (twice == scale && (sticky || units % 2 == 1))) ++units;

  const std::int64_t value =
      negative ? -static_cast<std::int64_t>(units) : static_cast<std::int64_t>(units);
  if (value < std::numeric_limits<i16>::min() || value > std::numeric_limits<i16>::max())
    return refused(TypedCoordinate::OutOfRange);
  return {TypedCoordinate::Value, static_cast<i16>(value)};
}

TypedCoordinate parseRaw(std::string_view text) {
  std::string_view s = trim(text);
  if (s.empty() || s == "-") return refused(TypedCoordinate::Ignore);
  bool negative = false;
  if (s.front() == '-' || s.front() == '+') {
    negative = s.front() == '-';
    s.remove_prefix(1);
  }
  if (s.empty()) return refused(TypedCoordinate::NotANumber);
  std::int64_t v = 0;
  bool tooBig = false;
  for (char c : s) {
    if (c < '0' || c > '9') return refused(TypedCoordinate::NotANumber);
    if (v > 100000)
      tooBig = true;
    else
      v = v * 10 + (c - '0');
  }
  if (negative) v = -v;
  if (tooBig || v < std::numeric_limits<i16>::min() || v > std::numeric_limits<i16>::max())
    return refused(TypedCoordinate::OutOfRange);
  return {TypedCoordinate::Value, static_cast<i16>(v)};
}

model::Text coordinateError(const TypedCoordinate& t, std::string_view text, bool km) {
  const model::Text typed = model::utf8Data(std::string(trim(text)));
  if (t.kind == TypedCoordinate::NotANumber)
    return model::Text(km ? ZYNED_TEXT("core", "\"%1\" is not a number of km.")
                          : ZYNED_TEXT("core", "\"%1\" is not a whole number."),
                       typed);
  if (t.kind == TypedCoordinate::OutOfRange)
    return {
        km ? ZYNED_TEXT("core",
                        "\"%1\" km is off the map: coordinates run from -204.800 to 204.794 km.")
           : ZYNED_TEXT("core", "\"%1\" is off the map: raw coordinates run from -32768 to 32767."),
        {typed}};
  return {};
}

std::string formatKm(int units, int decimals) {
  char buf[32];
  std::snprintf(buf, sizeof buf, "%.*f", decimals, static_cast<double>(units) / UnitsPerKm);
  return buf;
}

model::Field<model::i16> axisField(std::size_t axis) {
  switch (axis) {
    case 0:
      return model::fg::WaypointX;
    case 1:
      return model::fg::WaypointY;
    default:
      return model::fg::WaypointZ;
  }
}

void setBriefingPointsToStart(model::FlightGroup& g) {
  for (std::size_t axis = 0; axis < WaypointAxes; ++axis) {
    const auto f = axisField(axis);
    const i16 start = g.get(f, model::Start1);
    for (std::size_t p = model::Briefing1; p <= model::Briefing8; ++p) g.set(f, start, p);
  }
}

}  // namespace editing
