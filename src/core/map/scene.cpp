#include "map/scene.h"

#include <algorithm>
#include <limits>

#include "map/craft_types.h"

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

// A point's label, `shift` pixels under its place above the point (as buildMarks draws it).
LabelBox labelBox(const MapState& s, ScreenPoint at, LabelExtent text, int shift) {
  return {at.x + static_cast<int>(text.lead) * s.charWidth,
          at.x + static_cast<int>(text.length) * s.charWidth, at.y - 6 + shift};
}

// What the labels laid out so far cover: those of `out` and, during a drag, the still ones.
struct Placed {
  const LabelLayout* still;
  LabelLayout& out;
  int overlaps(const LabelBox& b) const {
    return out.overlaps(b) + (still ? still->overlaps(b) : 0);
  }
};

// The drawn flight groups a layout takes, in index order.
template <typename Takes>
void eachLaidOut(const MapState& s, const Mission& m, const Takes& takes, auto&& f) {
  const int count = static_cast<int>(m.flightGroups.size());
  const int last = std::min(count - 1, s.lastDrawn(m));
  for (int fg = std::max(0, s.firstDrawn()); fg <= last; ++fg)
    if (s.isShown(fg) && takes(fg)) f(fg, m.flightGroups[static_cast<std::size_t>(fg)]);
}

// Craft labels at one spot stack, the lowest index on top.
template <typename Takes>
void stackCraftLabels(const MapState& s, const Mission& m, const Takes& takes, Placed placed) {
  const Plane plane = s.view.shownPlane();
  const LabelOptions lo{s.toggles.namesOn, s.toggles.currentOnly, s.toggles.distances,
                        s.toggles.times};
  const VisibleRange range = s.visibleRange();
  auto& stacks = placed.out.stacks;
  eachLaidOut(s, m, takes, [&](int fg, const FlightGroup& g) {
    const auto p = craftPoint(s, g, fg);
    if (!p || (!s.toggles.drawOffScreen && !isVisible(g, plane, range, *p))) return;
    const ScreenPoint at = s.view.mapToScreen(pointOnPlane(g, *p, plane));
    auto stack = std::find_if(stacks.begin(), stacks.end(), [&](const LabelLayout::Stack& k) {
      return std::abs(k.at.x - at.x) <= SameSpot && std::abs(k.at.y - at.y) <= SameSpot;
    });
    int shift = 0;
    if (stack == stacks.end()) {
      stacks.push_back({at, 1});
    } else {
      shift = stack->at.y + stack->lines * s.lineHeight - at.y;
      ++stack->lines;
    }
    placed.out.shifts.shifts[static_cast<std::size_t>(fg)][*p] = shift;
    placed.out.add(labelBox(s, at, pointLabelExtent(trimmedName(g).size(), *p, lo), shift));
  });
}

// The route points drawn, flight group by flight group.
template <typename Takes>
void eachRoutePoint(const MapState& s, const Mission& m, const Takes& takes, auto&& f) {
  const Plane plane = s.view.shownPlane();
  const VisibleRange range = s.visibleRange();
  eachLaidOut(s, m, takes, [&](int fg, const FlightGroup& g) {
    if (!s.toggles.drawOffScreen && !isVisible(g, plane, range, Start1)) return;
    const PointRange points = pointRange(s, fg);
    for (std::size_t p = points.first; p <= points.last; ++p)
      if (p != Start1 && p < Briefing1 && g.enabled(p))
        f(fg, g, p, s.view.mapToScreen(pointOnPlane(g, p, plane)));
  });
}

// Times and distances stay under their points (as buildMarks draws them): labels keep off.
template <typename Takes>
void placeAnnotations(const MapState& s, const Mission& m, const Takes& takes, Placed placed) {
  if (!s.toggles.times && !s.toggles.distances) return;
  const LabelOptions lo{s.toggles.namesOn, s.toggles.currentOnly, s.toggles.distances,
                        s.toggles.times};
  int legsOf = -1;
  LegDistances legs;
  eachRoutePoint(s, m, takes, [&](int fg, const FlightGroup& g, std::size_t p, ScreenPoint at) {
    if (p > Hyperspace) return;
    if (fg != legsOf) legs = legDistances(g), legsOf = fg;
    const LabelExtent text = pointAnnotationExtent(g, p, legs, lo);
    const int x = at.x + 5;
    placed.out.add({x + static_cast<int>(text.lead) * s.charWidth,
                    x + static_cast<int>(text.length) * s.charWidth, at.y + 7});
  });
}

// Route points' labels keep off every label placed before them: on its point, else a line down,
// a line up, two down…: the nearest free place; where none is free, the one printing over the
// fewest labels.
template <typename Takes>
void moveRouteLabels(const MapState& s, const Mission& m, const Takes& takes, Placed placed) {
  const LabelOptions lo{s.toggles.namesOn, s.toggles.currentOnly, s.toggles.distances,
                        s.toggles.times};
  int nameOf = -1;
  std::size_t nameLength = 0;
  eachRoutePoint(s, m, takes, [&](int fg, const FlightGroup& g, std::size_t p, ScreenPoint at) {
    if (fg != nameOf) nameLength = trimmedName(g).size(), nameOf = fg;
    const LabelExtent text = pointLabelExtent(nameLength, p, lo);
    int shift = 0;
    int fewest = placed.overlaps(labelBox(s, at, text, 0));
    for (int lines = 1; fewest > 0 && lines <= MaxLabelMove; ++lines)
      for (const int candidate : {lines * s.lineHeight, -lines * s.lineHeight}) {
        const int n = placed.overlaps(labelBox(s, at, text, candidate));
        if (n < fewest) {
          fewest = n;
          shift = candidate;
          if (n == 0) break;
        }
      }
    placed.out.shifts.shifts[static_cast<std::size_t>(fg)][p] = shift;
    placed.out.add(labelBox(s, at, text, shift));
  });
}

// Lays out the labels of the drawn flight groups `takes` accepts into `out`, around those of
// `still` (none: null).
template <typename Takes>
void layOut(const MapState& s, const Mission& m, const Takes& takes, const LabelLayout* still,
            LabelLayout& out) {
  out.shifts.shifts.assign(m.flightGroups.size(), {});
  if (!s.toggles.namesOn) return;
  const Placed placed{still, out};
  stackCraftLabels(s, m, takes, placed);
  placeAnnotations(s, m, takes, placed);
  moveRouteLabels(s, m, takes, placed);
}

}  // namespace

int LabelLayout::overlaps(const LabelBox& b) const {
  int n = 0;
  const int row = rowOf(b.top);
  auto it = std::lower_bound(rows_.begin(), rows_.end(), row - 1,
                             [](const auto& r, int k) { return r.first < k; });
  for (; it != rows_.end() && it->first <= row + 1; ++it)
    for (const LabelBox& o : it->second)
      if (b.left < o.right && o.left < b.right && b.top < o.top + line_ && o.top < b.top + line_)
        ++n;
  return n;
}

void LabelLayout::reset(int lineHeight) {
  // Rows the last layout left empty go: what is kept is what one frame needs.
  std::erase_if(rows_, [](const auto& r) { return r.second.empty(); });
  for (auto& row : rows_) row.second.clear();
  line_ = std::max(1, lineHeight);
  stacks.clear();
}

void LabelLayout::add(const LabelBox& b) {
  const int row = rowOf(b.top);
  auto it = std::lower_bound(rows_.begin(), rows_.end(), row,
                             [](const auto& r, int k) { return r.first < k; });
  if (it == rows_.end() || it->first != row) it = rows_.insert(it, {row, {}});
  it->second.push_back(b);
}

LabelShifts labelShifts(const MapState& s, const Mission& m) {
  thread_local LabelLayout out;  // reused only for its memory: a full redraw lays out every label
  out.reset(s.lineHeight);
  layOut(
      s, m, [](int) { return true; }, nullptr, out);
  return out.shifts;
}

LabelLayout stillLabels(const MapState& s, const Mission& m) {
  LabelLayout out(s.lineHeight);
  layOut(
      s, m, [&](int fg) { return !s.drawnOverCache(fg); }, nullptr, out);
  return out;
}

LabelShifts movingLabelShifts(const MapState& s, const Mission& m, const LabelLayout& still) {
  LabelLayout out(s.lineHeight);
  out.stacks = still.stacks;
  layOut(
      s, m, [&](int fg) { return s.drawnOverCache(fg); }, &still, out);
  return std::move(out.shifts);
}

void buildMarks(const MapState& s, const Mission& m, int index, FlightGroupMarks& out,
                const LabelShifts* shifts) {
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
      out.labels.push_back({{at.x, at.y - 6 + (shifts ? shifts->at(index, p) : 0)},
                            pointLabel(g, p, lo),
                            t.ghostText});
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
