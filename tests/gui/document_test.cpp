#include <gtest/gtest.h>

#include "app/model/mission_document.h"

using namespace model;

namespace {
Mission threeGroups() {
  Mission m;
  m.newMission();
  m.addFlightGroup();
  m.addFlightGroup();
  m.clearChanged();
  return m;
}
}  // namespace

TEST(MissionDocument, FieldEditReachesEverySelectedGroupAndUndoes) {
  app::MissionDocument doc;
  doc.replaceMission(threeGroups());
  doc.selectFlightGroups({0, 2});
  doc.setFlightGroupField(fg::CraftType, u8{5});
  EXPECT_EQ(doc.mission().flightGroups[0].get(fg::CraftType), 5);
  EXPECT_EQ(doc.mission().flightGroups[1].get(fg::CraftType), 1);
  EXPECT_EQ(doc.mission().flightGroups[2].get(fg::CraftType), 5);
  EXPECT_TRUE(doc.mission().flightGroupChanged);
  doc.undoStack()->undo();
  EXPECT_EQ(doc.mission().flightGroups[0].get(fg::CraftType), 1);
  EXPECT_FALSE(doc.mission().isChanged());
  doc.undoStack()->redo();
  EXPECT_EQ(doc.mission().flightGroups[2].get(fg::CraftType), 5);
  EXPECT_TRUE(doc.mission().isChanged());
}

TEST(MissionDocument, TypingBurstIsOneStepAndSnapshotsRestoreLists) {
  app::MissionDocument doc;
  doc.replaceMission(threeGroups());
  doc.selectFlightGroups({1});
  for (const char* t : {"R", "Re", "Red"}) doc.setFlightGroupText(fg::Name, t, "name");
  EXPECT_EQ(doc.undoStack()->count(), 1);
  EXPECT_EQ(doc.mission().flightGroups[1].name(), "Red");

  const auto before = doc.mission().flightGroups;
  doc.edit("Delete", app::FlightGroupList, app::ChangedFlag::FlightGroup,
           [](Mission& m) { m.flightGroups.erase(m.flightGroups.begin()); });
  EXPECT_EQ(doc.mission().flightGroups.size(), 2u);
  EXPECT_EQ(doc.mission().header.get(header::FlightGroupCount), 2);
  doc.undoStack()->undo();
  ASSERT_EQ(doc.mission().flightGroups.size(), 3u);
  EXPECT_EQ(doc.mission().flightGroups[1].bytes, before[1].bytes);
}
