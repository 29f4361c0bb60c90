#include "map/wireframes.h"

#include "map/craft_types.h"

#include <array>

namespace map {

bool isAlwaysWireframe(int t) {
  return craftFacts(t).wireframe == Wireframe::Always;
}

bool isSmallCraftWireframe(int t) {
  return craftFacts(t).wireframe == Wireframe::ZoomedIn;
}

bool drawsWireframe(int t, int zoom, Plane p, const WireframeOptions& o) {
  if (o.briefing || o.iconsOnly) return false;
  if (isAlwaysWireframe(t)) return true;
  return isSmallCraftWireframe(t) && zoom > o.iconZoomSmall && (!o.onlyXY || p == Plane::XY);
}

double wireframeScale(int t, int zoom, bool limitShrink) {
  const CraftModel* m = craftModel(t);
  if (!m) return zoom / 1000.0;
  double s = zoom / m->zoomDivisor;
  if (limitShrink && zoom < m->minZoom)
    s = m->minScale > 0 ? m->minScale : m->minZoom / m->zoomDivisor;
  return s * m->factor;
}

ScreenPoint projectModelPoint(ModelPoint m, const model::Heading& h, Plane p, double s,
                              ScreenPoint c) {
  const double F = h.pitchCos * m.f - h.pitchSin * m.u;
  const double dX = h.yawCos * F - h.yawSin * m.l;
  const double dY = h.yawSin * F + h.yawCos * m.l;
  const double dZ = h.pitchSin * m.f + h.pitchCos * m.u;
  switch (p) {
    case Plane::XY:
      return {nearest(c.x + s * dX), nearest(c.y + s * dY)};
    case Plane::XZ:
      return {nearest(c.x + s * dX), nearest(c.y - s * dZ)};
    default:
      return {nearest(c.x + s * dY), nearest(c.y - s * dZ)};
  }
}

namespace {

void addRun(WireframeDrawing& out, const WireStyle& style, std::size_t begin) {
  if (out.lines.size() == begin) return;
  if (!out.runs.empty() && out.runs.back().style == style && out.runs.back().end == begin &&
      out.runs.size() > out.dotBeforeRun) {
    out.runs.back().end = out.lines.size();
    return;
  }
  out.runs.push_back({begin, out.lines.size(), style});
}

void line(WireframeDrawing& out, ScreenPoint a, ScreenPoint b) {
  out.lines.push_back({a.x, a.y, b.x, b.y});
}

// Emits one copy of a primitive from its projected points.
void emit(WireframeDrawing& out, Primitive prim, const ScreenPoint* q, std::size_t n) {
  switch (prim) {
    case Primitive::Polyline:
    case Primitive::Loop:
      for (std::size_t i = 1; i < n; ++i) line(out, q[i - 1], q[i]);
      if (prim == Primitive::Loop && n > 2) line(out, q[n - 1], q[0]);
      break;
    case Primitive::Prism:
    case Primitive::Ladder: {
      const std::size_t k = n / 2;
      for (std::size_t r = 0; r < 2; ++r) {
        const ScreenPoint* ring = q + r * k;
        for (std::size_t i = 1; i < k; ++i) line(out, ring[i - 1], ring[i]);
        if (prim == Primitive::Prism && k > 2) line(out, ring[k - 1], ring[0]);
      }
      for (std::size_t i = 0; i < k; ++i) line(out, q[i], q[k + i]);
      break;
    }
    case Primitive::Spokes:
      for (std::size_t i = 1; i < n; ++i) line(out, q[0], q[i]);
      break;
  }
}

void drawPart(WireframeDrawing& out, const ModelPart& part, const CraftModel& m,
              const model::Heading& h, Plane p, double s, ScreenPoint c, bool silver) {
  const std::size_t begin = out.lines.size();
  std::array<ScreenPoint, 64> q;
  const std::size_t n = std::min(part.points.size(), q.size());
  for (int copy = 0; copy < 8; ++copy) {
    if ((copy & ~part.mirror) != 0) continue;  // only the mirrors the part asks for
    for (std::size_t i = 0; i < n; ++i) {
      ModelPoint pt = part.points[i];
      if (copy & MirrorL) pt.l = -pt.l;
      if (copy & MirrorF) pt.f = -pt.f;
      if (copy & MirrorU) pt.u = -pt.u;
      pt.u += m.upOffset;
      q[i] = projectModelPoint(pt, h, p, s * part.scale, c);
    }
    emit(out, part.primitive, q.data(), n);
  }
  addRun(out, {part.shade, part.pen, part.width, silver}, begin);
}

bool shownAt(const ModelPart& part, int zoom) {
  return zoom > part.above && zoom < part.below;
}

}  // namespace

bool buildWireframe(int t, int zoom, const model::Heading& h, Plane p, bool limitShrink,
                    ScreenPoint c, WireframeDrawing& out) {
  out.clear();
  out.centre = c;
  const CraftModel* m = craftModel(t);
  if (!m) return false;
  const double s = wireframeScale(t, zoom, limitShrink);
  for (const ModelPart& part : m->parts)
    if (!part.afterDot && shownAt(part, zoom)) drawPart(out, part, *m, h, p, s, c, false);
  out.centreDot = m->dotAbove >= 0 && zoom > m->dotAbove;
  out.dotBeforeRun = out.runs.size();
  // The dotted parts come after the centre dot and take its silver.
  for (const ModelPart& part : m->parts)
    if (part.afterDot && shownAt(part, zoom)) drawPart(out, part, *m, h, p, s, c, true);
  return true;
}

}  // namespace map
