#pragma once
// Wireframe drawings of craft on the map: the scale rules, and the models themselves as data
// (points in the model's own units, grouped into primitives, with their level-of-detail
// thresholds, shades and pen styles).
// Building a drawing turns a model toward the flight group's first waypoint and projects it onto
// the view plane; painting the lines is left to the caller.

#include <cstdint>
#include <vector>

#include "map/view.h"
#include "model/records.h"

namespace map {

// A point of a model: lateral (to the right), forward (toward the nose), up.
struct ModelPoint {
  int l = 0, f = 0, u = 0;
};

enum class PenStyle : std::uint8_t { Solid, Dotted, Dashed };

// How a primitive joins its points.
enum class Primitive : std::uint8_t {
  Polyline,  // open: p0-p1-...-pn
  Loop,      // closed back to p0
  Prism,     // two closed rings of n points (first n, then n), corners joined pairwise
  Ladder,    // two open rows of n points, joined pairwise
  Spokes,    // p0 joined to each further point
};

// Mirror flags: the primitive is repeated with these coordinates negated (with two flags also
// mirrored in both).
enum Mirror : std::uint8_t { NoMirror = 0, MirrorL = 1, MirrorF = 2, MirrorU = 4 };

struct ModelPart {
  Primitive primitive = Primitive::Polyline;
  std::vector<ModelPoint> points;
  std::uint8_t mirror = NoMirror;
  int above = 0;        // drawn only when the zoom exceeds this (0: always)
  int below = 1 << 30;  // drawn only when the zoom is below this (the simple variant)
  int shade = 100;      // pen colour in percent of the wireframe colour
  PenStyle pen = PenStyle::Solid;
  int width = 1;
  bool afterDot = false;  // drawn after the centre dot, in its silver
  double scale = 1.0;     // add-ons drawn at a fraction of the model's scale
};

struct CraftModel {
  int minZoom = 0;            // LimitShrink keeps the drawing at least this zoom's size
  double factor = 1.0;        // model units -> metres (1: the model is in metres)
  int dotAbove = -1;          // centre dot when the zoom exceeds this (-1: never)
  double zoomDivisor = 1000;  // s = zoom / divisor pixels per unit
  int upOffset = 0;           // added to every point's up coordinate
  double minScale = 0;        // when set, the minimum scale instead of minZoom / zoomDivisor
  std::vector<ModelPart> parts;
};

// The model of a craft type, or null when it has none.
const CraftModel* craftModel(int craftType);

// The wireframe column of the craft table (map/craft_types.h): types drawn as wireframes
// whenever wireframes are on, and small craft drawn so only when zoomed in past the icon-zoom
// setting.
bool isAlwaysWireframe(int craftType);
bool isSmallCraftWireframe(int craftType);

struct WireframeOptions {
  int iconZoomSmall = 4;
  bool onlyXY = false;      // small craft as wireframes only in the X-Y plane
  bool limitShrink = true;  // models keep a minimum size
  bool iconsOnly = false;   // wireframes switched off (Ctrl+I)
  bool briefing = false;    // briefing mode always shows icons
};

// Whether a craft of this type is drawn as a wireframe at `zoom` on plane `p`.
bool drawsWireframe(int craftType, int zoom, Plane p, const WireframeOptions& o);
// Pixels per model unit at `zoom`, with the minimum size and the scale factor applied.
double wireframeScale(int craftType, int zoom, bool limitShrink);

struct WireLine {
  int x1, y1, x2, y2;
};
struct WireStyle {
  int shade = 100;
  PenStyle pen = PenStyle::Solid;
  int width = 1;
  bool silver = false;
  bool operator==(const WireStyle&) const = default;
};
struct WireRun {
  std::size_t begin = 0, end = 0;  // lines [begin, end)
  WireStyle style;
};

// The projected lines of one craft, in screen pixels, grouped in runs of one pen.
struct WireframeDrawing {
  std::vector<WireLine> lines;
  std::vector<WireRun> runs;
  ScreenPoint centre;      // the craft's position
  bool centreDot = false;  // a silver 3 x 3 square at the centre, drawn before silver runs
  std::size_t dotBeforeRun = 0;
  void clear() {
    lines.clear();
    runs.clear();
    centreDot = false;
    dotBeforeRun = 0;
  }
};

// Projects model point (l, f, u) turned by `h` onto plane `p` at `scale` pixels per unit,
// relative to the craft's screen position.
ScreenPoint projectModelPoint(ModelPoint m, const model::Heading& h, Plane p, double scale,
                              ScreenPoint centre);

// Builds the drawing of `craftType` at `zoom`; false (and nothing built) when it has no model.
bool buildWireframe(int craftType, int zoom, const model::Heading& h, Plane p, bool limitShrink,
                    ScreenPoint centre, WireframeDrawing& out);

}  // namespace map
