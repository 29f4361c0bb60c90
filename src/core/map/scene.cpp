#include "map/scene.h"

#include "map/craft_size.h"

namespace map {

using namespace model;

std::vector<int> drawOrder(const MapState& s, const Mission& m) {
  std::vector<int> order;
  const int count = static_cast<int>(m.flightGroups.size());
  const int first = std::max(0, s.firstDrawn()), last = std::min(count - 1, s.lastDrawn(m));
  for (int i = last; i >= first; --i)
    if (i != s.current && s.isShown(i)) order.push_back(i);
  if (s.current >= first && s.current <= last && s.isShown(s.current)) order.push_back(s.current);
  return order;
}

bool isVisible(const FlightGroup& g, Plane p, const VisibleRange& r) {
  const double size = craftSize(g.get(fg::CraftType));
  const ViewPoint at = pointOnPlane(g, Start1, p);
  const double h = at.h / MapUnitsPerKm, v = at.v / MapUnitsPerKm;
  return h > r.left - size && h < r.right + size && v > r.top - size && v < r.bottom + size;
}

PointRange pointRange(const MapState& s, int fg) {
  if (s.view.briefing) {
    const std::size_t p = Briefing1 + static_cast<std::size_t>(std::clamp(s.briefingPoint, 0, 7));
    return {p, p};
  }
  if (s.toggles.allWPs || (s.toggles.currWPs && fg == s.current)) return {Start1, Hyperspace};
  return {Start1, Start1};
}

std::optional<Hit> hitTest(const MapState& s, const Mission& m, double x, double y) {
  const ViewPoint at = s.view.screenToMap(x, y);
  const int r = pickRadius(s.view.zoom);
  const Plane plane = s.view.shownPlane();
  const int count = static_cast<int>(m.flightGroups.size());
  for (int i = std::max(0, s.firstDrawn()); i <= std::min(count - 1, s.lastDrawn(m)); ++i) {
    if (!s.isShown(i)) continue;
    const FlightGroup& g = m.flightGroups[i];
    const PointRange range = pointRange(s, i);
    for (std::size_t p = range.first; p <= range.last; ++p) {
      if (p != Start1 && !g.enabled(p)) continue;
      const ViewPoint pt = pointOnPlane(g, p, plane);
      if (std::abs(at.h - pt.h) < r && std::abs(at.v - pt.v) < r) return Hit{i, p};
    }
  }
  return std::nullopt;
}

std::pair<int, int> snappedPosition(const MapState& s, double x, double y) {
  const ViewPoint at = s.view.screenToMap(x, y);
  return {snapTowardZero(at.h, s.hSnap), snapTowardZero(at.v, s.vSnap)};
}

model::Vec3 pointPosition(const FlightGroup& g, std::size_t p) {
  return {g.x(p), g.y(p), g.z(p)};
}

model::Vec3 draggedPosition(const FlightGroup& g, std::size_t point, Plane p, long long h,
                            long long v, bool lockH, bool lockV) {
  Vec3 at = pointPosition(g, point);
  auto axis = [&](int a) -> int& { return a == 0 ? at.x : a == 1 ? at.y : at.z; };
  if (!lockH) axis(horizontalAxis(p)) = clampCoordinate(h);
  if (!lockV) axis(verticalAxis(p)) = clampCoordinate(v);
  return at;
}

void FlightGroupMarks::clear() {
  visible = true;
  labels.clear();
  annotations.clear();
  markers.clear();
  routes.clear();
  crafts.clear();
  brackets.reset();
}

Rgb wireframeColour(int iff) {
  const Rgb c = iffColour(iff);
  if (iff != 0) return c;
  auto dim = [](std::uint8_t v) { return static_cast<std::uint8_t>(nearest(v * 0.8)); };
  return {dim(c.r), dim(c.g), dim(c.b)};
}

void buildMarks(const MapState& s, const Mission& m, int index, FlightGroupMarks& out) {
  out.clear();
  const FlightGroup& g = m.flightGroups.at(index);
  const Plane plane = s.view.shownPlane();
  out.visible = isVisible(g, plane, s.visibleRange());
  if (!out.visible && !s.toggles.drawOffScreen) return;
  const int iff = g.get(fg::Iff);
  out.lineColour = iffLightColour(iff);
  out.wireColour = wireframeColour(iff);

  const MapToggles& t = s.toggles;
  const bool annotate = t.times || t.distances;
  const LegDistances legs = annotate ? legDistances(g) : LegDistances{};
  const LabelOptions lo{t.namesOn, t.currentOnly, t.distances, t.times};
  const int player = g.get(fg::PlayerNumber);
  const PointRange range = pointRange(s, index);
  ScreenPoint lineStart;
  for (std::size_t p = range.first; p <= range.last; ++p) {
    if (p != Start1 && !g.enabled(p)) continue;
    const ScreenPoint at = s.view.mapToScreen(pointOnPlane(g, p, plane));
    if (t.namesOn) out.labels.push_back({{at.x, at.y - 6}, pointLabel(g, p, lo), t.ghostText});
    if (annotate && p != Start1 && p <= Hyperspace)
      out.annotations.push_back({{at.x + 5, at.y + 7}, pointAnnotation(g, p, legs, lo), false});
    if (p == Start1 || p >= Briefing1) {
      out.crafts.push_back({at, player, out.visible});
      lineStart = at;
      if (p == Start1 && index == s.current) out.brackets = at;
      continue;
    }
    out.markers.push_back({at, p == Hyperspace});
    std::optional<RouteStyle> style;
    if (p == Waypoint1)
      style = RouteStyle::Solid;
    else if (p == Hyperspace && t.linkHyper)
      style = RouteStyle::DashedWhite;
    else if (p > Waypoint1 && p < Hyperspace && t.linkWPs)
      style = RouteStyle::Dotted;
    if (style) {
      out.routes.push_back({lineStart, at, *style});
      lineStart = at;
    }
  }
}

}  // namespace map
