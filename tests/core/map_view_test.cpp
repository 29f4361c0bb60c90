// The map's view math: conversions, zoom steps, fitting, snapping, picking radius.
#include <gtest/gtest.h>

#include "map/scene.h"
#include "map/view.h"

namespace {

using namespace map;

MapView viewAt(int zoom, Plane plane, bool briefing = false) {
  MapView v;
  v.zoom = zoom;
  v.plane = plane;
  v.briefing = briefing;
  v.resize(800, 600);
  return v;
}

TEST(MapView, ConversionsRoundTripOnEveryPlane) {
  for (Plane p : {Plane::XY, Plane::XZ, Plane::YZ}) {
    const MapView v = viewAt(32, p);
    const ScreenPoint s = v.mapToScreen({160, 320});
    const ViewPoint back = v.screenToMap(s.x, s.y);
    EXPECT_DOUBLE_EQ(back.h, 160);
    EXPECT_DOUBLE_EQ(back.v, 320);
  }
}

TEST(MapView, SideViewsPutLargerVerticalValuesHigher) {
  EXPECT_GT(viewAt(32, Plane::XY).mapToScreen({0, 160}).y, 300);  // +Y down
  EXPECT_LT(viewAt(32, Plane::XZ).mapToScreen({0, 160}).y, 300);  // +Z up
  EXPECT_LT(viewAt(32, Plane::YZ).mapToScreen({0, 160}).y, 300);
  EXPECT_GT(viewAt(32, Plane::XZ, true).mapToScreen({0, 160}).y, 300);  // briefing never flips
}

TEST(MapView, ScreenPositionsRoundHalvesToEven) {
  MapView v = viewAt(16, Plane::XY);  // 0.1 pixel per map unit
  v.setPan(0, 0);
  EXPECT_EQ(v.mapToScreen({5, 0}).x, 400);   // 400.5 -> 400
  EXPECT_EQ(v.mapToScreen({15, 0}).x, 402);  // 401.5 -> 402
}

TEST(MapView, CentreOnAndZoomKeepTheCentre) {
  MapView v = viewAt(32, Plane::XZ);
  v.centreOn({800, -480});
  EXPECT_EQ(v.mapToScreen({800, -480}), (ScreenPoint{400, 300}));
  v.setZoom(200);
  EXPECT_EQ(v.mapToScreen({800, -480}), (ScreenPoint{400, 300}));
}

TEST(MapView, WheelZoomKeepsThePointUnderTheCursor) {
  EXPECT_EQ(wheelZoom(32, 1), 48);
  EXPECT_EQ(wheelZoom(32, -2), 16);
  EXPECT_EQ(wheelZoom(1990, 3), 2000);
  for (const MapView start :
       {viewAt(32, Plane::XY), viewAt(32, Plane::XZ), viewAt(100, Plane::YZ, true)}) {
    MapView v = start;
    v.setPan(37.5, -81);
    const ViewPoint under = v.screenToMap(123, 456);
    v.zoomAbout(wheelZoom(v.zoom, 2), 123, 456);
    EXPECT_NEAR(v.screenToMap(123, 456).h, under.h, 1e-9);
    EXPECT_NEAR(v.screenToMap(123, 456).v, under.v, 1e-9);
    const ViewPoint centre = v.screenToMap(400, 300);  // the stored centre follows
    EXPECT_NEAR(v.centre.h, centre.h, 1e-9);
    EXPECT_NEAR(v.centre.v, centre.v, 1e-9);
    v.placeAt({640, -320}, 10, 20);  // press-and-hold keeps the pressed point under the cursor
    EXPECT_EQ(v.mapToScreen({640, -320}), (ScreenPoint{10, 20}));
  }
}

TEST(MapView, VisibleRangeInKm) {
  const VisibleRange r = viewAt(40, Plane::XZ).visibleRange(800, 600);
  EXPECT_DOUBLE_EQ(r.left, -10);
  EXPECT_DOUBLE_EQ(r.right, 10);
  EXPECT_DOUBLE_EQ(r.top, -7.5);
  EXPECT_DOUBLE_EQ(r.bottom, 7.5);
}

TEST(MapView, ZoomSteps) {
  const struct {
    int (*step)(int);
    int from, to;
  } cases[] = {
      {zoomInStep, 13, 15},           {zoomInStep, 15, 16},
      {zoomInStep, 168, 200},         {zoomInStep, 200, 300},
      {zoomInStep, 2000, 2000},       {zoomOutStep, 4, 4},
      {zoomOutStep, 16, 14},          {zoomOutStep, 17, 16},
      {zoomOutStep, 300, 200},        {zoomOutStep, 200, 168},
      {fineZoomIn, 99, 103},          {fineZoomIn, 100, 106},
      {fineZoomOut, 100, 94},         {doubleClickZoomOut, 1001, 500},
      {doubleClickZoomOut, 500, 200}, {doubleClickZoomOut, 499, 64},
      {doubleClickZoomOut, 37, 32},   {doubleClickZoomOut, 36, 16},
      {doubleClickZoomOut, 20, 8},    {doubleClickZoomOut, 10, 4},
  };
  for (const auto& c : cases) EXPECT_EQ(c.step(c.from), c.to) << c.from;
}

TEST(MapView, HoldZoomStep) {
  EXPECT_EQ(holdZoomStep(7, 8), 8);      // below 8: one at a time
  EXPECT_EQ(holdZoomStep(120, 8), 130);  // zoom / 12 with the default speed
  EXPECT_EQ(holdZoomStep(1990, 18), 2000);
}

TEST(MapView, PlanesCycle) {
  Plane p = Plane::XY;
  for (int i = 0; i < 3; ++i) p = nextPlane(p);
  EXPECT_EQ(p, Plane::XY);
  EXPECT_EQ(horizontalAxis(Plane::YZ), 1);
  EXPECT_EQ(verticalAxis(Plane::XZ), 2);
}

TEST(MapView, FitOnOneSharedPoint) {
  const Fit f = fitToBattlefield({160, -320, 0}, {0, 0, 0}, Plane::XY, 780, 560);
  EXPECT_EQ(f.zoom, 1950);
  EXPECT_EQ(f.centre, (ViewPoint{160, -320}));
}

TEST(MapView, FitUsesTheNarrowerAxis) {
  // 121000 / 4000 = 30.25 -> 30, minus 3; 76000 / 1000 = 76.
  EXPECT_EQ(fitToBattlefield({}, {4000, 1000, 0}, Plane::XY, 780, 560).zoom, 27);
  EXPECT_EQ(fitToBattlefield({}, {4000, 0, 1000}, Plane::XZ, 780, 560).zoom, 27);
}

TEST(MapView, SnapsCutTowardZero) {
  EXPECT_EQ(snapTowardZero(238, 80), 160);  // 1.49 km
  EXPECT_EQ(snapTowardZero(-48, 80), 0);    // -0.3 km
  EXPECT_EQ(snapTowardZero(-100, 32), -96);
  EXPECT_EQ(snapTowardZero(12.5, 1), 12);
  EXPECT_EQ(snapOfItem(3), 80);
}

TEST(MapView, PickRadiusBands) {
  EXPECT_EQ(pickRadius(32), 46);
  EXPECT_EQ(pickRadius(200), 6);
  EXPECT_EQ(pickRadius(500), 4);
  EXPECT_EQ(pickRadius(1500), 2);
}

TEST(MapView, CoordinatesStayInSixteenBits) {
  EXPECT_EQ(clampCoordinate(40000), 32767);
  EXPECT_EQ(clampCoordinate(-40000), -32768);
  EXPECT_EQ(clampCoordinate(-5), -5);
  EXPECT_EQ(kmText(200), "1.25");
}

}  // namespace

namespace {

TEST(MapDrag, LocksAndTheSixteenBitEdge) {
  model::FlightGroup g;
  g.set(model::fg::WaypointX, model::i16{10}, model::Waypoint1);
  g.set(model::fg::WaypointY, model::i16{20}, model::Waypoint1);
  g.set(model::fg::WaypointZ, model::i16{30}, model::Waypoint1);
  using map::Plane;
  EXPECT_EQ(map::draggedPosition(g, model::Waypoint1, Plane::XZ, 99, 77, true, false),
            (model::Vec3{10, 20, 77}));  // LockX in X-Z: only Z moves
  EXPECT_EQ(map::draggedPosition(g, model::Waypoint1, Plane::YZ, 99, 77, false, true),
            (model::Vec3{10, 99, 30}));
  EXPECT_EQ(map::draggedPosition(g, model::Waypoint1, Plane::XY, 40000, -40000, false, false),
            (model::Vec3{32767, -32768, 30}));
}

}  // namespace
