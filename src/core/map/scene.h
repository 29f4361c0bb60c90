#pragma once
// The map's renderer interface without pixels: what the map shows (view state and toggles),
// which flight groups are drawn and in which order, where each of their marks goes, and what a
// click hits. Painters turn a FlightGroupMarks into lines and text; the window and the export
// hold a MapState and nothing else about the drawing.

#include <algorithm>
#include <array>
#include <optional>
#include <string>
#include <vector>

#include "map/route.h"
#include "map/view.h"
#include "map/wireframes.h"
#include "model/colours.h"
#include "model/mission.h"

namespace map {

struct MapToggles {
  bool namesOn = true;        // "Names on"
  bool allWPs = false;        // "All WPs"
  bool currWPs = false;       // "Curr WPs"
  bool currentOnly = false;   // "Curr FG only"
  bool linkWPs = false;       // "Link wps 2-8"
  bool linkHyper = true;      // "Link Hyperpt"
  bool times = false;         // "WP times"
  bool distances = false;     // "WP distances"
  bool drawOffScreen = true;  // draw flight groups whose Start 1 is outside the window
  bool grid = true;
  bool ghostGrid = true;
  bool ghostText = false;
  bool lockStart1 = false;  // "[Start Pt 1 Locked]"
  bool palette = false;     // the team palette strip
  bool lockX = false, lockY = false;
};

// Everything the drawing of the map depends on besides the Mission.
struct MapState {
  MapView view;
  int width = 800, height = 600;
  MapToggles toggles;
  WireframeOptions wireframe;
  int current = 0;  // current flight group
  std::size_t currentPoint = model::Start1;
  int briefingPoint = 0;    // 0..7: the briefing point drawn in briefing mode
  std::vector<bool> shown;  // per flight group; missing entries count as shown
  int paletteTeam = 0, paletteIff = 0;
  int hSnap = 1, vSnap = 1;
  // The height of a line of the map's texts (labels move down by lines) and the width of one of
  // their characters (what a label covers).
  int lineHeight = 13;
  int charWidth = 6;
  // The flight groups a drag moves: drawn over the background cache, which leaves them out.
  std::vector<int> moving;

  bool isShown(int fg) const {
    return fg < 0 || static_cast<std::size_t>(fg) >= shown.size() || shown[fg];
  }
  // Whether `fg` is drawn over the background cache: the flight groups a drag moves, or the
  // current one when nothing moves.
  bool drawnOverCache(int fg) const {
    return moving.empty() ? fg == current
                          : std::find(moving.begin(), moving.end(), fg) != moving.end();
  }
  // The range of flight groups drawn: everything, or only the current one.
  int firstDrawn() const { return toggles.currentOnly ? current : 0; }
  int lastDrawn(const model::Mission& m) const {
    return toggles.currentOnly ? current : static_cast<int>(m.flightGroups.size()) - 1;
  }
  VisibleRange visibleRange() const { return view.visibleRange(width, height); }
};

// Whether flight group `fg` is painted: shown and within the drawn range.
bool isDrawn(const MapState& s, const model::Mission& m, int fg);
// The flight groups to paint, in paint order: the shown ones of the drawn range from the highest
// index down, the current one last (on top).
std::vector<int> drawOrder(const MapState& s, const model::Mission& m);

// Whether point `point` (Start 1 unless said) lies within the window widened by the craft's size.
bool isVisible(const model::FlightGroup& g, Plane p, const VisibleRange& r,
               std::size_t point = model::Start1);

// The points (0-based, inclusive) drawn for flight group `fg`.
struct PointRange {
  std::size_t first = model::Start1, last = model::Start1;
};
PointRange pointRange(const MapState& s, int fg);

struct Hit {
  int flightGroup = 0;
  std::size_t point = model::Start1;
  bool operator==(const Hit&) const = default;
};
// The first drawn point within the pick radius of pixel (x, y): lower flight-group index first,
// then the lower point.
std::optional<Hit> hitTest(const MapState& s, const model::Mission& m, double x, double y);
// What a press at pixel (x, y) takes: the hit as above, except that with the Start 1 lock on a
// Start 1 hit only selects its flight group (`locked`) and the search goes on through that
// flight group's other drawn points.
struct Pick {
  std::optional<int> locked;
  std::optional<Hit> hit;
};
Pick pickAt(const MapState& s, const model::Mission& m, double x, double y);
// The map-unit position under pixel (x, y) snapped toward zero, on the two view axes.
std::pair<int, int> snappedPosition(const MapState& s, double x, double y);

// Where a dragged point goes when the cursor's snapped position is (h, v) on the view axes: the
// locked screen axes keep their coordinate, the third axis never changes, and positions beyond
// the 16-bit range stay at its edge.
model::Vec3 draggedPosition(const model::FlightGroup& g, std::size_t point, Plane p, long long h,
                            long long v, bool lockH, bool lockV);
// A point's coordinates.
model::Vec3 pointPosition(const model::FlightGroup& g, std::size_t point);

enum class RouteStyle { Solid, Dotted, DashedWhite };

// Every mark of one flight group, in screen pixels.
struct FlightGroupMarks {
  bool visible = true;
  model::Rgb lineColour, wireColour;
  struct Text {
    ScreenPoint at;  // top-left of the text
    std::string text;
    bool ghost = false;
  };
  struct Marker {
    ScreenPoint at;
    bool silver = false;
  };
  struct Route {
    ScreenPoint from, to;
    RouteStyle style = RouteStyle::Solid;
  };
  struct Craft {
    ScreenPoint at;
    int player = 0;          // player number written below, 0 for none
    bool craft = true;       // the icon or wireframe (only when the flight group is visible)
    bool wireframe = false;  // the wireframe rather than the icon
  };
  std::vector<Text> labels, annotations;
  std::vector<Marker> markers;
  std::vector<Route> routes;
  std::vector<Craft> crafts;
  std::optional<ScreenPoint> brackets;  // the selection mark of the current flight group

  void clear();
};

// The wireframe settings in force: briefing mode always shows icons.
WireframeOptions wireframeOptions(const MapState& s);

// Where the labels of the drawn flight groups go, as the pixels each moves down (up when
// negative); the points stay where they are. Labels of craft at one spot stack one line under
// the other, the lowest flight-group index on top (craft within `SameSpot` pixels of the first
// craft of a stack join it). Then each route point's label that would print over a text placed
// before it (every craft label, the times and distances under the route points, and the route
// labels of lower flight groups and points) takes the nearest free line within `MaxLabelMove`
// lines down or up, the lower one first; where none is free, the line of those that prints over
// the fewest texts, the nearest first.
inline constexpr int SameSpot = 3;
inline constexpr int MaxLabelMove = 3;
struct LabelShifts {
  std::vector<std::array<int, model::PointCount>> shifts;  // per flight group and point
  int at(int fg, std::size_t point) const {
    return fg >= 0 && static_cast<std::size_t>(fg) < shifts.size() && point < model::PointCount
               ? shifts[static_cast<std::size_t>(fg)][point]
               : 0;
  }
};
LabelShifts labelShifts(const MapState& s, const model::Mission& m);

// The screen box a label covers: from its first character that is not a blank to its end, one
// line high.
struct LabelBox {
  int left = 0, right = 0, top = 0;
};

// Labels laid out: the boxes they cover, by the text line their top falls in, the stacks of
// craft labels and the shifts found.
class LabelLayout {
 public:
  explicit LabelLayout(int lineHeight = 1) : line_(std::max(1, lineHeight)) {}
  // How many laid-out labels `b` would print over.
  int overlaps(const LabelBox& b) const;
  void add(const LabelBox& b);
  // Empty again, keeping its memory.
  void reset(int lineHeight);

  struct Stack {
    ScreenPoint at;
    int lines = 0;
  };
  std::vector<Stack> stacks;
  LabelShifts shifts;

 private:
  int rowOf(int y) const { return y >= 0 ? y / line_ : (y + 1) / line_ - 1; }
  int line_;
  std::vector<std::pair<int, std::vector<LabelBox>>> rows_;  // sorted by row
};

// A drag lays out only what moves. The labels of every drawn flight group the drag leaves where
// it is (not `MapState::drawnOverCache`), laid out as labelShifts does without the moving ones:
// made once when the drag begins, for the background and to keep the moving labels off.
LabelLayout stillLabels(const MapState& s, const model::Mission& m);
// The labels of the moving flight groups laid out as labelShifts does, after and around the
// still ones: a moving craft joins a still stack at its spot under the still labels.
LabelShifts movingLabelShifts(const MapState& s, const model::Mission& m, const LabelLayout& still);

// Builds the marks of flight group `fg` (nothing when it is neither visible nor drawn off screen),
// its labels moved down as `shifts` say.
void buildMarks(const MapState& s, const model::Mission& m, int fg, FlightGroupMarks& out,
                const LabelShifts* shifts = nullptr);

// The wireframe colour of an IFF: the normal colour, at 80 % for IFF 0.
model::Rgb wireframeColour(int iff);

}  // namespace map
