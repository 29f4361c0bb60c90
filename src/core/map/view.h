#pragma once
// The map's view of the battle space: which plane is shown, the zoom, the pan, and the named
// conversions between map units and screen pixels. Also the zoom steps, fitting, snapping and
// the pick radius. Pure functions of plain numbers, so the window and the export share them.

#include <cmath>
#include <cstdint>

#include "model/mission.h"

namespace map {

inline constexpr int MapUnitsPerKm = 160;
inline constexpr int MinZoom = 4;
inline constexpr int MaxZoom = 2000;
inline constexpr int DefaultZoom = 32;

// Rounds to the nearest integer, an exact half to the even one.
inline int nearest(double v) {
  return static_cast<int>(std::nearbyint(v));
}

enum class Plane { XY = 0, XZ = 1, YZ = 2 };

// X-Y, X-Z, Y-Z, X-Y: the Space key's order.
Plane nextPlane(Plane p);
// The coordinate axis (0 X, 1 Y, 2 Z) shown across and up/down the screen.
int horizontalAxis(Plane p);
int verticalAxis(Plane p);
// The letter of an axis, "X", "Y" or "Z".
const char* axisName(int axis);

struct ScreenPoint {
  int x = 0, y = 0;
  bool operator==(const ScreenPoint&) const = default;
};

// A position on the two view axes, in map units.
struct ViewPoint {
  double h = 0, v = 0;
  bool operator==(const ViewPoint&) const = default;
};

// The km range of the window's edges on the two view axes; low < high on both.
struct VisibleRange {
  double left = 0, right = 0, top = 0, bottom = 0;
};

// A point of a flight group's record on the two view axes.
ViewPoint pointOnPlane(const model::FlightGroup& g, std::size_t point, Plane p);
// The coordinate of `axis` (0 X, 1 Y, 2 Z) of a point.
int coordinate(const model::FlightGroup& g, std::size_t point, int axis);

struct MapView {
  int zoom = DefaultZoom;  // pixels per km
  Plane plane = Plane::XY;
  // Briefing mode: the X-Y plane with +Y down, its own background.
  bool briefing = false;
  ScreenPoint centrePixel;    // half the window size
  double panX = 0, panY = 0;  // pixels added to every screen position
  // The map-unit point at the centre pixel, kept so that zooming keeps it in place.
  ViewPoint centre;

  // Whether +vertical points up the screen (the side views).
  bool invertsVertical() const { return !briefing && plane != Plane::XY; }
  Plane shownPlane() const { return briefing ? Plane::XY : plane; }

  // Map units on the view axes -> the pixel they are drawn at.
  ScreenPoint mapToScreen(ViewPoint m) const;
  // The same without rounding, for painting at fractional positions.
  double mapToScreenX(double h) const { return h * zoom / MapUnitsPerKm + centrePixel.x + panX; }
  double mapToScreenY(double v) const {
    return (invertsVertical() ? -v : v) * zoom / MapUnitsPerKm + centrePixel.y + panY;
  }
  // A pixel -> map units on the view axes (unrounded).
  ViewPoint screenToMap(double x, double y) const;

  // Puts the map-unit point (h, v) at the centre pixel.
  void centreOn(ViewPoint m);
  // Sets the pan offset (the scroll bars) and recomputes the stored centre.
  void setPan(double px, double py);
  // A new zoom that keeps the stored centre in place.
  void setZoom(int z);
  // Puts the map-unit point `m` at pixel (x, y).
  void placeAt(ViewPoint m, double x, double y);
  // A new zoom that keeps the map-unit point under pixel (x, y) where it is: the wheel.
  void zoomAbout(int z, double x, double y);
  // A new window size: the centre pixel is half of it; the stored centre stays in place.
  void resize(int width, int height);
  // The km of the window edges on the two view axes.
  VisibleRange visibleRange(int width, int height) const;
};

// ---- Zoom steps ----------------------------------------------------------------------------

int clampZoom(int z);
// The zoom-in and zoom-out keys: fine steps below 16, presets up to 200, then steps of 100.
int zoomInStep(int z);
int zoomOutStep(int z);
// Keys Z and X.
int fineZoomIn(int z);
int fineZoomOut(int z);
// One tick of press-and-hold zooming with the zoom-speed setting (5..18).
int holdZoomStep(int z, int zoomSpeed);
// The zoom a double click steps out to.
int doubleClickZoomOut(int z);
// The zoom after `notches` clicks of the mouse wheel (positive: away from the user, zooming in),
// each one zoom-in or zoom-out step.
int wheelZoom(int z, int notches);

// ---- Fit to battlefield ----------------------------------------------------------------------

struct Fit {
  int zoom = DefaultZoom;  // as computed (may lie outside 4..2000 before clamping)
  ViewPoint centre;        // map units on the view axes
};
// The zoom and centre that show the mission's box (centre and extent per axis) in a window of
// the given size on plane `p`. In the side views the box leaves `labelRoom` pixels free at the
// right edge for the names written beside the craft there (at most a third of the width).
Fit fitToBattlefield(const model::Vec3& centre, const model::Vec3& extent, Plane p, int width,
                     int height, int labelRoom = 0);

// ---- What edits on the map use ----------------------------------------------------------------

// A map-unit value rounded and then cut toward zero to a multiple of `snap` (1, 16, 32, 80).
int snapTowardZero(double mapUnits, int snap);
// The snap of the "X Snap" / "Y Snap" items "Off", "0.1 km", "0.2 km", "0.5 km".
int snapOfItem(int item);
// The pick radius in map units for a zoom: about 9, 7.5, 15 and 22 pixels in its bands.
int pickRadius(int zoom);
// Coordinates are signed 16-bit: a value beyond the range stays at its edge.
std::int16_t clampCoordinate(long long mapUnits);

// Kilometres with two decimals from map units, e.g. "1.25", "-0.30".
std::string kmText(int mapUnits);

}  // namespace map
