// Wireframe models: which craft get them, their scale and orientation, levels of detail.
#include <gtest/gtest.h>

#include <algorithm>

#include "map/wireframes.h"

namespace {

using namespace map;

// The bounding box of a drawing's lines.
struct Box {
  int left = 1 << 30, top = 1 << 30, right = -(1 << 30), bottom = -(1 << 30);
};
Box bounds(const WireframeDrawing& d) {
  Box b;
  for (const WireLine& l : d.lines) {
    b.left = std::min({b.left, l.x1, l.x2});
    b.right = std::max({b.right, l.x1, l.x2});
    b.top = std::min({b.top, l.y1, l.y2});
    b.bottom = std::max({b.bottom, l.y1, l.y2});
  }
  return b;
}

TEST(Wireframes, EveryWireframeTypeHasAModel) {
  for (int t = 0; t < 256; ++t)
    if (isAlwaysWireframe(t) || isSmallCraftWireframe(t)) {
      EXPECT_NE(craftModel(t), nullptr) << t;
    }
}

TEST(Wireframes, WhenDrawn) {
  WireframeOptions o;
  EXPECT_TRUE(drawsWireframe(1, 32, Plane::XY, o));
  EXPECT_FALSE(drawsWireframe(1, 4, Plane::XY, o));
  o.onlyXY = true;
  EXPECT_FALSE(drawsWireframe(1, 32, Plane::XZ, o));
  EXPECT_TRUE(drawsWireframe(42, 32, Plane::XZ, o));
  o.briefing = true;
  EXPECT_FALSE(drawsWireframe(42, 32, Plane::XY, o));
  EXPECT_FALSE(drawsWireframe(9, 500, Plane::XY, {}));  // no model
}

TEST(Wireframes, ContainerHasItsSizeTurnedTowardWaypoint1) {
  WireframeDrawing d;
  // No Waypoint 1: the craft faces -Y; 70 m long, 38 m wide at zoom 1000 (1 px per metre).
  ASSERT_TRUE(buildWireframe(26, 1000, model::Heading{}, Plane::XY, true, {100, 100}, d));
  const Box b = bounds(d);
  EXPECT_EQ(b.bottom - b.top, 70);
  EXPECT_EQ(b.right - b.left, 38);
  EXPECT_EQ(d.lines.size(), 12u);  // two rings of four joined corner to corner
  EXPECT_TRUE(d.centreDot);
  // Facing +X: the long side runs across the screen.
  ASSERT_TRUE(buildWireframe(26, 1000, {1, 0, 1, 0}, Plane::XY, true, {100, 100}, d));
  EXPECT_EQ(bounds(d).right - bounds(d).left, 70);
}

TEST(Wireframes, NoseTowardWaypoint1) {
  // A point on the nose ends up on the side of the heading.
  const model::Heading east{1, 0, 1, 0};
  EXPECT_GT(projectModelPoint({0, 100, 0}, east, Plane::XY, 1, {0, 0}).x, 0);
  const model::Heading climbing{0.6, 0.8, 1, 0};
  EXPECT_LT(projectModelPoint({0, 100, 0}, climbing, Plane::XZ, 1, {0, 0}).y, 0);  // up the screen
  EXPECT_EQ(projectModelPoint({0, 100, 0}, model::Heading{}, Plane::XY, 1, {0, 0}),
            (ScreenPoint{0, -100}));
}

TEST(Wireframes, MinimumSizeAndScale) {
  EXPECT_DOUBLE_EQ(wireframeScale(42, 20, true), 0.04);  // as at zoom 40
  EXPECT_DOUBLE_EQ(wireframeScale(42, 20, false), 0.02);
  EXPECT_DOUBLE_EQ(wireframeScale(50, 10, true), 0.009);
  EXPECT_NEAR(wireframeScale(50, 2574, true), 1.0, 0.001);
  EXPECT_DOUBLE_EQ(wireframeScale(1, 1000, true), 0.1566);
}

TEST(Wireframes, DetailGrowsWithZoomAndDottedPartsComeLastInSilver) {
  WireframeDrawing low, high;
  buildWireframe(42, 60, {}, Plane::XY, true, {0, 0}, low);
  buildWireframe(42, 400, {}, Plane::XY, true, {0, 0}, high);
  EXPECT_GT(high.lines.size(), low.lines.size());
  EXPECT_FALSE(low.centreDot);
  ASSERT_TRUE(high.centreDot);
  ASSERT_LT(high.dotBeforeRun, high.runs.size());
  EXPECT_TRUE(high.runs.back().style.silver);
  EXPECT_EQ(high.runs.back().style.pen, PenStyle::Dotted);
}

TEST(Wireframes, SharedModels) {
  // The guard cruiser draws the war cruiser's model without its own group of parts.
  WireframeDrawing war, guard;
  buildWireframe(49, 200, {}, Plane::XY, true, {0, 0}, war);
  buildWireframe(50, 200, {}, Plane::XY, true, {0, 0}, guard);
  EXPECT_GT(war.lines.size(), guard.lines.size());
  EXPECT_FALSE(craftModel(64)->parts.empty());
  EXPECT_EQ(craftModel(60)->parts.front().points.size(),
            craftModel(65)->parts.front().points.size());
}

}  // namespace
