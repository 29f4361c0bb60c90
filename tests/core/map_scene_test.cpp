// The map's renderer rules: paint order, visibility, point ranges, picking and the marks of a
// flight group.
#include <gtest/gtest.h>

#include "map/scene.h"

namespace {

using namespace map;
using namespace model;

struct SceneTest : ::testing::Test {
  Mission m;
  MapState s;
  SceneTest() {
    m.newMission();
    m.addFlightGroup();
    m.addFlightGroup();
    for (auto& g : m.flightGroups) g.set(fg::WaypointEnabled, i16{0}, Hyperspace);
    s.view.zoom = 160;  // one pixel per map unit
    s.view.resize(800, 600);
  }
  void put(int i, std::size_t p, int x, int y, int z = 0) {
    FlightGroup& g = m.flightGroups[i];
    g.set(fg::WaypointX, static_cast<i16>(x), p);
    g.set(fg::WaypointY, static_cast<i16>(y), p);
    g.set(fg::WaypointZ, static_cast<i16>(z), p);
    g.set(fg::WaypointEnabled, i16{1}, p);
  }
};

TEST_F(SceneTest, CurrentIsPaintedLastOthersFromTheHighestIndex) {
  s.current = 1;
  EXPECT_EQ(drawOrder(s, m), (std::vector<int>{2, 0, 1}));
  s.shown = {true, true, false};
  EXPECT_EQ(drawOrder(s, m), (std::vector<int>{0, 1}));
  s.toggles.currentOnly = true;
  EXPECT_EQ(drawOrder(s, m), (std::vector<int>{1}));
}

TEST_F(SceneTest, VisibilityWidenedByCraftSize) {
  const VisibleRange r{-2.5, 2.5, -1.875, 1.875};
  put(0, Start1, 425, 0);  // 2.66 km: just outside
  m.flightGroups[0].set(fg::CraftType, u8{1});
  EXPECT_FALSE(isVisible(m.flightGroups[0], Plane::XY, r));
  m.flightGroups[0].set(fg::CraftType, u8{42});  // 0.18 km reaches in
  EXPECT_TRUE(isVisible(m.flightGroups[0], Plane::XY, r));
}

TEST_F(SceneTest, PickOrderLowerFlightGroupThenLowerPoint) {
  s.toggles.allWPs = true;
  put(0, Start1, 100, 100);
  put(1, Start1, 102, 100);
  put(0, Waypoint1, 100, 100);
  const auto hit = hitTest(s, m, 400 + 101, 300 + 100);
  ASSERT_TRUE(hit);
  EXPECT_EQ(*hit, (Hit{0, Start1}));
  m.flightGroups[0].set(fg::WaypointX, i16{-900}, Start1);
  EXPECT_EQ(*hitTest(s, m, 501, 400), (Hit{0, Waypoint1}));
  EXPECT_FALSE(hitTest(s, m, 100, 100));
}

TEST_F(SceneTest, LockedStartOneSearchGoesOnThroughItsOwnRoute) {
  s.toggles.allWPs = true;
  put(0, Start1, 100, 100);
  put(1, Start1, 101, 100);
  put(0, Waypoint1, 103, 100);
  EXPECT_EQ(*pickAt(s, m, 501, 400).hit, (Hit{0, Start1}));  // no lock
  s.toggles.lockStart1 = true;
  Pick pick = pickAt(s, m, 501, 400);
  EXPECT_EQ(pick.locked, 0);
  EXPECT_EQ(*pick.hit, (Hit{0, Waypoint1}));
  put(0, Waypoint1, 900, 100);  // nothing else of flight group 0 there: flight group 1 is not tried
  pick = pickAt(s, m, 501, 400);
  EXPECT_EQ(pick.locked, 0);
  EXPECT_FALSE(pick.hit);
}

TEST_F(SceneTest, CraftLabelsAtOneSpotStackAndTheCraftStay) {
  put(1, Start1, 2, 1);      // within a few pixels of flight group 0
  put(2, Start1, 500, 100);  // elsewhere
  s.current = 2;
  s.lineHeight = 13;
  auto craftShifts = [&] {
    const LabelShifts l = labelShifts(s, m);
    return std::vector<int>{l.at(0, Start1), l.at(1, Start1), l.at(2, Start1)};
  };
  EXPECT_EQ(craftShifts(), (std::vector<int>{0, 12, 0}));  // one line under, row aligned
  put(2, Start1, 0, 0);
  EXPECT_EQ(craftShifts(), (std::vector<int>{0, 12, 26}));  // the current one too
  const LabelShifts l = labelShifts(s, m);
  FlightGroupMarks marks;
  buildMarks(s, m, 2, marks, &l);
  EXPECT_EQ(marks.labels[0].at, (ScreenPoint{400, 320}));
  EXPECT_EQ(marks.crafts[0].at, (ScreenPoint{400, 300}));
  s.toggles.namesOn = false;
  EXPECT_EQ(craftShifts(), (std::vector<int>{0, 0, 0}));
}

TEST_F(SceneTest, RoutePointLabelsKeepOffEachOtherAndOffCraftLabels) {
  s.toggles.allWPs = true;
  s.lineHeight = 13;
  s.charWidth = 6;
  put(0, Start1, 0, 0);
  put(1, Start1, 0, 300);
  put(2, Start1, 0, -300);
  put(1, Waypoint1, 10, 2);     // over flight group 0's name
  put(2, Waypoint1, 10, 2);     // and over that waypoint's label too
  put(0, Waypoint1, 200, 100);  // alone
  const LabelShifts l = labelShifts(s, m);
  EXPECT_EQ(l.at(0, Start1), 0);
  EXPECT_EQ(l.at(1, Waypoint1), 13);
  EXPECT_EQ(l.at(2, Waypoint1), 26);
  EXPECT_EQ(l.at(0, Waypoint1), 0);
  // No two labels drawn share a pixel.
  std::vector<std::pair<ScreenPoint, std::size_t>> drawn;
  for (int fg = 0; fg < 3; ++fg) {
    FlightGroupMarks marks;
    buildMarks(s, m, fg, marks, &l);
    for (const auto& t : marks.labels) {
      const std::size_t lead = t.text.find_first_not_of(' ');
      drawn.push_back({{t.at.x + static_cast<int>(lead) * 6, t.at.y}, t.text.size() - lead});
    }
  }
  for (std::size_t a = 0; a < drawn.size(); ++a)
    for (std::size_t b = a + 1; b < drawn.size(); ++b) {
      const auto& [pa, na] = drawn[a];
      const auto& [pb, nb] = drawn[b];
      const bool apart = pa.x + static_cast<int>(na) * 6 <= pb.x ||
                         pb.x + static_cast<int>(nb) * 6 <= pa.x || pa.y + 13 <= pb.y ||
                         pb.y + 13 <= pa.y;
      EXPECT_TRUE(apart) << a << " " << b;
    }
}

// A crowd of route points at one spot: each label takes the nearest free line, down before up;
// once every line within reach is taken, the one printing over the fewest labels, nearest first.
TEST_F(SceneTest, CrowdedRouteLabelsTakeTheNearestFreeLineUpOrDown) {
  s.toggles.allWPs = true;
  s.lineHeight = 13;
  s.charWidth = 6;
  while (m.flightGroups.size() < 9) m.addFlightGroup();
  std::vector<int> shifts;
  for (int fg = 0; fg < 9; ++fg) {
    m.flightGroups[fg].set(fg::WaypointEnabled, i16{0}, Hyperspace);
    put(fg, Start1, -350, -280 + 60 * fg);
    put(fg, Waypoint1, 200, 0);
  }
  const LabelShifts l = labelShifts(s, m);
  for (int fg = 0; fg < 9; ++fg) shifts.push_back(l.at(fg, Waypoint1));
  EXPECT_EQ(shifts, (std::vector<int>{0, 13, -13, 26, -26, 39, -39, 0, 13}));
}

// With times shown, a label keeps off the times under other points as well as off labels.
TEST_F(SceneTest, RouteLabelsKeepOffTheTimesUnderThePoints) {
  s.toggles.allWPs = true;
  s.toggles.times = true;
  s.lineHeight = 13;
  s.charWidth = 6;
  put(0, Start1, -300, -200);
  put(1, Start1, -300, 200);
  put(0, Waypoint1, 100, 0);
  put(1, Waypoint1, 100, 13);  // its label's place is where flight group 0's time is
  const LabelShifts l = labelShifts(s, m);
  FlightGroupMarks a, b;
  buildMarks(s, m, 0, a, &l);
  buildMarks(s, m, 1, b, &l);
  const auto& time = a.annotations.at(0);
  const auto& label = b.labels.at(1);
  ASSERT_FALSE(time.text.empty());
  EXPECT_NE(l.at(1, Waypoint1), 0);
  EXPECT_TRUE(label.at.y + 13 <= time.at.y || time.at.y + 13 <= label.at.y)
      << label.at.y << " " << time.at.y;
}

TEST_F(SceneTest, BriefingModeDrawsIconsAtTheBriefingPoint) {
  m.flightGroups[0].set(fg::CraftType, u8{42});  // always a wireframe on the map
  put(0, Briefing1, 0, 0);
  FlightGroupMarks marks;
  buildMarks(s, m, 0, marks);
  EXPECT_TRUE(marks.crafts[0].wireframe);
  s.view.briefing = true;
  put(0, Start1, 30000, 30000);  // far off: the craft is drawn where it stands, at its point
  buildMarks(s, m, 0, marks);
  ASSERT_EQ(marks.crafts.size(), 1u);
  EXPECT_TRUE(marks.crafts[0].craft);
  EXPECT_FALSE(marks.crafts[0].wireframe);
}

TEST_F(SceneTest, PointRanges) {
  EXPECT_EQ(pointRange(s, 0).last, Start1);
  s.toggles.currWPs = true;
  EXPECT_EQ(pointRange(s, 0).last, Hyperspace);
  EXPECT_EQ(pointRange(s, 1).last, Start1);
  s.view.briefing = true;
  s.briefingPoint = 2;
  EXPECT_EQ(pointRange(s, 1).first, Briefing3);
}

TEST_F(SceneTest, RoutesFollowTheLinkOptions) {
  s.toggles.allWPs = true;
  s.toggles.linkWPs = false;
  put(0, Waypoint1, 100, 0);
  put(0, Waypoint2, 200, 0);
  put(0, Hyperspace, 300, 0);
  FlightGroupMarks marks;
  buildMarks(s, m, 0, marks);
  ASSERT_EQ(marks.routes.size(), 2u);
  EXPECT_EQ(marks.routes[0].style, RouteStyle::Solid);
  EXPECT_EQ(marks.routes[1].style, RouteStyle::DashedWhite);
  EXPECT_EQ(marks.routes[1].from, (ScreenPoint{500, 300}));  // from Waypoint 1
  s.toggles.linkWPs = true;
  buildMarks(s, m, 0, marks);
  EXPECT_EQ(marks.routes.size(), 3u);
  EXPECT_EQ(marks.routes[1].style, RouteStyle::Dotted);
  EXPECT_TRUE(marks.markers.back().silver);  // the hyperspace marker
}

TEST_F(SceneTest, MarksOfTheCurrentAndOffScreenFlightGroups) {
  s.current = 0;
  m.flightGroups[0].set(fg::PlayerNumber, u8{2});
  FlightGroupMarks marks;
  buildMarks(s, m, 0, marks);
  ASSERT_TRUE(marks.brackets);
  ASSERT_EQ(marks.crafts.size(), 1u);
  EXPECT_EQ(marks.crafts[0].player, 2);
  EXPECT_EQ(marks.labels[0].at, (ScreenPoint{400, 294}));
  put(1, Start1, 20000, 0);
  s.toggles.drawOffScreen = true;
  buildMarks(s, m, 1, marks);
  EXPECT_FALSE(marks.visible);
  EXPECT_FALSE(marks.crafts[0].craft);  // labels yes, the craft no
  s.toggles.drawOffScreen = false;
  buildMarks(s, m, 1, marks);
  EXPECT_TRUE(marks.labels.empty());
  EXPECT_EQ(wireframeColour(0), (Rgb{0, 204, 0}));
}

// A drag lays out only what moves: the still labels keep the places they take without the
// moving group, and the moving group's labels keep off them, stacking under a still craft.
TEST_F(SceneTest, DragLaysOutOnlyTheMovingLabels) {
  s.toggles.allWPs = true;
  s.lineHeight = 13;
  s.charWidth = 6;
  put(0, Start1, 0, 0);
  put(0, Waypoint1, 100, 0);
  put(1, Start1, 1, 1);      // moved onto flight group 0's craft
  put(1, Waypoint1, 90, 0);  // and its waypoint over flight group 0's
  put(2, Start1, 0, 200);
  put(2, Waypoint1, 92, 0);  // a still group's waypoint there too
  s.moving = {1};
  const LabelLayout still = stillLabels(s, m);
  EXPECT_EQ(still.shifts.at(2, Waypoint1), 13);  // off flight group 0's alone
  EXPECT_EQ(still.shifts.at(1, Waypoint1), 0);   // the moving group is not laid out
  const LabelShifts moving = movingLabelShifts(s, m, still);
  EXPECT_EQ(moving.at(1, Start1), 12);      // under the still craft's name
  EXPECT_EQ(moving.at(1, Waypoint1), -13);  // the nearest line free of both still labels
  EXPECT_EQ(moving.at(2, Waypoint1), 0);    // still groups get no shift of the drag
}

}  // namespace
