#include "map/view.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <limits>

namespace map {

Plane nextPlane(Plane p) {
  switch (p) {
    case Plane::XY:
      return Plane::XZ;
    case Plane::XZ:
      return Plane::YZ;
    default:
      return Plane::XY;
  }
}

int horizontalAxis(Plane p) {
  return p == Plane::YZ ? 1 : 0;
}
int verticalAxis(Plane p) {
  return p == Plane::XY ? 1 : 2;
}

const char* axisName(int axis) {
  static const char* const names[] = {"X", "Y", "Z"};
  return names[std::clamp(axis, 0, 2)];
}

int coordinate(const model::FlightGroup& g, std::size_t point, int axis) {
  switch (axis) {
    case 0:
      return g.x(point);
    case 1:
      return g.y(point);
    default:
      return g.z(point);
  }
}

ViewPoint pointOnPlane(const model::FlightGroup& g, std::size_t point, Plane p) {
  return {static_cast<double>(coordinate(g, point, horizontalAxis(p))),
          static_cast<double>(coordinate(g, point, verticalAxis(p)))};
}

ScreenPoint MapView::mapToScreen(ViewPoint m) const {
  return {nearest(mapToScreenX(m.h)), nearest(mapToScreenY(m.v))};
}

ViewPoint MapView::screenToMap(double x, double y) const {
  const double h = (x - centrePixel.x - panX) / zoom * MapUnitsPerKm;
  const double v = (y - centrePixel.y - panY) / zoom * MapUnitsPerKm;
  return {h, invertsVertical() ? -v : v};
}

void MapView::centreOn(ViewPoint m) {
  panX = -m.h * zoom / MapUnitsPerKm;
  panY = -((invertsVertical() ? -m.v : m.v) * zoom / MapUnitsPerKm);
  centre = screenToMap(centrePixel.x, centrePixel.y);
}

void MapView::setPan(double px, double py) {
  panX = px;
  panY = py;
  centre = screenToMap(centrePixel.x, centrePixel.y);
}

void MapView::setZoom(int z) {
  const ViewPoint keep = centre;
  zoom = clampZoom(z);
  centreOn(keep);
}

void MapView::placeAt(ViewPoint m, double x, double y) {
  const double v = invertsVertical() ? -m.v : m.v;
  setPan(x - centrePixel.x - m.h * zoom / MapUnitsPerKm,
         y - centrePixel.y - v * zoom / MapUnitsPerKm);
}

void MapView::zoomAbout(int z, double x, double y) {
  const ViewPoint keep = screenToMap(x, y);
  zoom = clampZoom(z);
  placeAt(keep, x, y);
}

void MapView::resize(int width, int height) {
  const ViewPoint keep = centre;
  centrePixel = {width / 2, height / 2};
  centreOn(keep);
}

VisibleRange MapView::visibleRange(int width, int height) const {
  const ViewPoint a = screenToMap(0, 0);
  const ViewPoint b = screenToMap(width, height);
  VisibleRange r;
  r.left = std::min(a.h, b.h) / MapUnitsPerKm;
  r.right = std::max(a.h, b.h) / MapUnitsPerKm;
  r.top = std::min(a.v, b.v) / MapUnitsPerKm;
  r.bottom = std::max(a.v, b.v) / MapUnitsPerKm;
  return r;
}

int clampZoom(int z) {
  return std::clamp(z, MinZoom, MaxZoom);
}

int zoomInStep(int z) {
  static constexpr int presets[] = {16, 24, 32, 48, 64, 80, 100, 120, 168, 200};
  if (z < 14) return clampZoom(z + 2);
  if (z >= 200) return clampZoom(z + 100);
  for (int p : presets)
    if (p > z) return p;
  return clampZoom(z + 100);
}

int zoomOutStep(int z) {
  static constexpr int presets[] = {168, 120, 100, 80, 64, 48, 32, 24, 16};
  if (z > 200) return clampZoom(z - 100);
  if (z <= 16) return clampZoom(z - 2);
  for (int p : presets)
    if (p < z) return p;
  return clampZoom(z - 2);
}

int fineZoomIn(int z) {
  return clampZoom(z + (z > 99 ? 6 : 4));
}
int fineZoomOut(int z) {
  return clampZoom(z - (z > 99 ? 6 : 4));
}

int holdZoomStep(int z, int zoomSpeed) {
  const int speed = std::clamp(zoomSpeed, 5, 18);
  const int step = z < 8 ? 1 : nearest(static_cast<double>(z) / (20 - speed));
  return clampZoom(z + step);
}

int doubleClickZoomOut(int z) {
  if (z > 1000) return 500;
  if (z >= 500) return 200;
  if (z >= 200) return 64;
  if (z >= 37) return 32;
  if (z >= 21) return 16;
  if (z >= 11) return 8;
  return 4;
}

int wheelZoom(int z, int notches) {
  for (; notches > 0; --notches) z = zoomInStep(z);
  for (; notches < 0; ++notches) z = zoomOutStep(z);
  return clampZoom(z);
}

namespace {
int axisValue(const model::Vec3& v, int axis) {
  return axis == 0 ? v.x : axis == 1 ? v.y : v.z;
}
}  // namespace

Fit fitToBattlefield(const model::Vec3& centre, const model::Vec3& extent, Plane p, int width,
                     int height, int labelRoom) {
  const int eh = axisValue(extent, horizontalAxis(p));
  const int ev = axisValue(extent, verticalAxis(p));
  // The side views put the box left of the names beside its rightmost craft.
  const int room = p == Plane::XY ? 0 : std::clamp(labelRoom, 0, width / 3);
  const double ws = (width - room) / 780.0, hs = height / 560.0;
  const int zh = eh == 0 ? 2000 : std::abs(nearest(ws * 121000 / eh));
  const int zv = ev == 0 ? 2000 : std::abs(nearest(hs * 76000 / ev));
  int z = std::min(zh, zv);
  if (z > 1200)
    z -= 50;
  else if (z > 25)
    z -= 3;
  else if (z > 17)
    z -= 1;
  // The window centre lies half the room right of the box's centre.
  const double shift = room / 2.0 * MapUnitsPerKm / std::clamp(z, MinZoom, MaxZoom);
  return {z,
          {axisValue(centre, horizontalAxis(p)) + shift,
           static_cast<double>(axisValue(centre, verticalAxis(p)))}};
}

int snapTowardZero(double mapUnits, int snap) {
  const int v = nearest(mapUnits);
  return snap > 1 ? (v / snap) * snap : v;
}

int snapOfItem(int item) {
  static constexpr int snaps[] = {1, 16, 32, 80};
  return snaps[std::clamp(item, 0, 3)];
}

int pickRadius(int zoom) {
  zoom = std::max(zoom, 1);
  if (zoom < 200) return 1500 / zoom;
  if (zoom < 500) return 1200 / zoom;
  if (zoom < 1500) return 2400 / zoom;
  return 3600 / zoom;
}

std::int16_t clampCoordinate(long long v) {
  return static_cast<std::int16_t>(std::clamp<long long>(
      v, std::numeric_limits<std::int16_t>::min(), std::numeric_limits<std::int16_t>::max()));
}

std::string kmText(int mapUnits) {
  char buf[32];
  std::snprintf(buf, sizeof buf, "%.2f", mapUnits / static_cast<double>(MapUnitsPerKm));
  return buf;
}

}  // namespace map
