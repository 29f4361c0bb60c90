#include "map/scene.h"

#include <algorithm>
#include <limits>

#include "map/craft_size.h"

namespace map {

using namespace model;

bool isDrawn(const MapState& s, const Mission& m, int fg) {
  const int count = static_cast<int>(m.flightGroups.size());
  const int first = std::max(0, s.firstDrawn()), last = std::min(count - 1, s.lastDrawn(m));
  return fg >= first && fg <= last && s.isShown(fg);
}

std::vector<int> drawOrder(const MapState& s, const Mission& m) {
  std::vector<int> order;
  const int count = static_cast<int>(m.flightGroups.size());
  const int first = std::max(0, s.firstDrawn()), last = std::min(count - 1, s.lastDrawn(m));
  for (int i = last; i >= first; --i)
    if (i != s.current && s.isShown(i)) order.push_back(i);
  if (isDrawn(s, m, s.current)) order.push_back(s.current);
  return order;
}

bool isVisible(const FlightGroup& g, Plane p, const VisibleRange& r, std::size_t point) {
  const double size = craftSize(g.get(fg::CraftType));
  const ViewPoint at = pointOnPlane(g, point, p);
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

namespace {

// The first drawn point of flight group `fg` from `from` on within the pick radius of `at`.
std::optional<std::size_t> hitPoint(const MapState& s, const Mission& m, int fg, ViewPoint at,
                                    std::size_t from) {
  const int r = pickRadius(s.view.zoom);
  const Plane plane = s.view.shownPlane();
  const FlightGroup& g = m.flightGroups[fg];
  const PointRange range = pointRange(s, fg);
  for (std::size_t p = std::max(from, range.first); p <= range.last; ++p) {
    if (p != Start1 && !g.enabled(p)) continue;
    const ViewPoint pt = pointOnPlane(g, p, plane);
    if (std::abs(at.h - pt.h) < r && std::abs(at.v - pt.v) < r) return p;
  }
  return std::nullopt;
}

}  // namespace

std::optional<Hit> hitTest(const MapState& s, const Mission& m, double x, double y) {
  const ViewPoint at = s.view.screenToMap(x, y);
  const int count = static_cast<int>(m.flightGroups.size());
  for (int i = std::max(0, s.firstDrawn()); i <= std::min(count - 1, s.lastDrawn(m)); ++i)
    if (s.isShown(i))
      if (const auto p = hitPoint(s, m, i, at, Start1)) return Hit{i, *p};
  return std::nullopt;
}

Pick pickAt(const MapState& s, const Mission& m, double x, double y) {
  const auto hit = hitTest(s, m, x, y);
  if (!hit || hit->point != Start1 || !s.toggles.lockStart1) return {std::nullopt, hit};
  Pick pick{hit->flightGroup, std::nullopt};
  if (const auto p = hitPoint(s, m, hit->flightGroup, s.view.screenToMap(x, y), Start1 + 1))
    pick.hit = Hit{hit->flightGroup, *p};
  return pick;
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

WireframeOptions wireframeOptions(const MapState& s) {
  WireframeOptions o = s.wireframe;
  o.briefing = o.briefing || s.view.briefing;
  return o;
}

namespace {

// The point a flight group's craft stands at: Start 1, or the briefing point in briefing mode
// (none when that point is not in use).
std::optional<std::size_t> craftPoint(const MapState& s, const FlightGroup& g, int fg) {
  const PointRange range = pointRange(s, fg);
  for (std::size_t p = range.first; p <= range.last; ++p)
    if (p == Start1 || (p >= Briefing1 && g.enabled(p))) return p;
  return std::nullopt;
}

}  // namespace

namespace {

// Stacks the craft labels of the drawn flight groups in index order up to `upTo`, handing each
// flight group whose label moves and how far to `moved`.
template <typename Moved>
void stackCraftLabels(const MapState& s, const Mission& m, int upTo, Moved moved) {
  if (!s.toggles.namesOn) return;
  struct Stack {
    ScreenPoint at;
    int lines = 0;
  };
  std::vector<Stack> stacks;
  const int count = static_cast<int>(m.flightGroups.size());
  const int first = std::max(0, s.firstDrawn());
  const int last = std::min({count - 1, s.lastDrawn(m), upTo});
  const Plane plane = s.view.shownPlane();
  for (int fg = first; fg <= last; ++fg) {
    if (!s.isShown(fg)) continue;
    const FlightGroup& g = m.flightGroups[fg];
    const auto p = craftPoint(s, g, fg);
    if (!p) continue;
    const ScreenPoint at = s.view.mapToScreen(pointOnPlane(g, *p, plane));
    auto stack = std::find_if(stacks.begin(), stacks.end(), [&](const Stack& k) {
      return std::abs(k.at.x - at.x) <= SameSpot && std::abs(k.at.y - at.y) <= SameSpot;
    });
    if (stack == stacks.end()) {
      stacks.push_back({at, 1});
      continue;
    }
    moved(fg, stack->at.y + stack->lines * s.lineHeight - at.y);
    ++stack->lines;
  }
}

}  // namespace

std::vector<int> craftLabelShifts(const MapState& s, const Mission& m) {
  std::vector<int> shifts(m.flightGroups.size(), 0);
  stackCraftLabels(s, m, std::numeric_limits<int>::max(),
                   [&](int fg, int shift) { shifts[fg] = shift; });
  return shifts;
}

int craftLabelShift(const MapState& s, const Mission& m, int fg) {
  int shift = 0;
  stackCraftLabels(s, m, fg, [&](int moved, int by) {
    if (moved == fg) shift = by;
  });
  return shift;
}

void buildMarks(const MapState& s, const Mission& m, int index, FlightGroupMarks& out,
                int labelShift) {
  out.clear();
  const FlightGroup& g = m.flightGroups.at(index);
  const Plane plane = s.view.shownPlane();
  const PointRange range = pointRange(s, index);
  // In briefing mode the craft stands at its briefing point, wherever Start 1 is.
  out.visible = isVisible(g, plane, s.visibleRange(), s.view.briefing ? range.first : Start1);
  if (!out.visible && !s.toggles.drawOffScreen) return;
  const int iff = g.get(fg::Iff);
  out.lineColour = iffLightColour(iff);
  out.wireColour = wireframeColour(iff);

  const MapToggles& t = s.toggles;
  const bool annotate = t.times || t.distances;
  const LegDistances legs = annotate ? legDistances(g) : LegDistances{};
  const LabelOptions lo{t.namesOn, t.currentOnly, t.distances, t.times};
  const int player = g.get(fg::PlayerNumber);
  const bool wireframe =
      out.visible && drawsWireframe(g.get(fg::CraftType), s.view.zoom, plane, wireframeOptions(s));
  ScreenPoint lineStart;
  for (std::size_t p = range.first; p <= range.last; ++p) {
    if (p != Start1 && !g.enabled(p)) continue;
    const ScreenPoint at = s.view.mapToScreen(pointOnPlane(g, p, plane));
    const bool craft = p == Start1 || p >= Briefing1;
    if (t.namesOn)
      out.labels.push_back(
          {{at.x, at.y - 6 + (craft ? labelShift : 0)}, pointLabel(g, p, lo), t.ghostText});
    if (annotate && p != Start1 && p <= Hyperspace)
      out.annotations.push_back({{at.x + 5, at.y + 7}, pointAnnotation(g, p, legs, lo), false});
    if (craft) {
      out.crafts.push_back({at, player, out.visible, wireframe});
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
