// The undo history of a document: typing bursts, gestures and their cancel, the step limit
// against the state on disk.
#include <gtest/gtest.h>

#include <string>

#include "app/document/mission_document.h"
#include "map_mission.h"
#include "model/mission_file.h"

using namespace model;
using app::MissionDocument;

namespace {

TEST(EditHistory, TypingMergesOnlyOnTheSameFieldOfTheSameRecords) {
  MissionDocument doc;
  doc.replaceMission(testgen::namedGroupsMission(3));
  doc.selectFlightGroups({1});
  for (const char* t : {"R", "Re", "Red"}) doc.setFlightGroupText(fg::Name, t, "name");
  EXPECT_EQ(doc.undoStack()->count(), 1);
  // Another group renamed right after is a step of its own.
  doc.selectFlightGroups({2});
  doc.setFlightGroupText(fg::Name, "Blue", "name");
  EXPECT_EQ(doc.undoStack()->count(), 2);
  doc.undoStack()->undo();
  EXPECT_EQ(doc.mission().flightGroups[1].name(), "Red");
  EXPECT_EQ(doc.mission().flightGroups[2].name(), "G3");
  // Another field of the same group does not join either.
  doc.selectFlightGroups({1});
  doc.setFlightGroupText(fg::Name, "Reds", "name");
  doc.setFlightGroupText(fg::Cargo, "Food", "cargo");
  EXPECT_EQ(doc.undoStack()->count(), 3);
  // Coming back to the group after another was selected starts a new step.
  doc.selectFlightGroups({2});
  doc.selectFlightGroups({1});
  doc.setFlightGroupText(fg::Cargo, "Foods", "cargo");
  EXPECT_EQ(doc.undoStack()->count(), 4);
}

TEST(EditHistory, ATransactionIsOneStepAndCancelTakesItBack) {
  MissionDocument doc;
  doc.replaceMission(testgen::namedGroupsMission(3));
  const auto image = writeMission(doc.mission());
  doc.beginTransaction("drag");
  for (int x : {10, 20, 30})
    doc.setFields(
        "Drag",
        {MissionDocument::fieldWrite(RecordKind::FlightGroup, 0, fg::WaypointX, x, Start1),
         MissionDocument::fieldWrite(RecordKind::FlightGroup, 1, fg::WaypointX, x + 1, Start1)});
  doc.commitTransaction();
  EXPECT_EQ(doc.undoStack()->count(), 1);
  EXPECT_EQ(doc.mission().flightGroups[1].x(Start1), 31);

  doc.beginTransaction("drag");
  doc.setFields(
      "Drag", {MissionDocument::fieldWrite(RecordKind::FlightGroup, 2, fg::WaypointX, 5, Start1)});
  doc.setFields(
      "Drag", {MissionDocument::fieldWrite(RecordKind::FlightGroup, 2, fg::WaypointX, 6, Start1)});
  doc.cancelTransaction();
  EXPECT_EQ(doc.undoStack()->count(), 1);
  EXPECT_EQ(doc.mission().flightGroups[2].x(Start1), 200);
  doc.undoStack()->undo();
  EXPECT_EQ(writeMission(doc.mission()), image);
}

// A gesture joins the history when it ends: a cancelled one leaves the steps to redo.
TEST(EditHistory, ACancelledGestureKeepsTheStepsToRedo) {
  MissionDocument doc;
  doc.replaceMission(testgen::namedGroupsMission(3));
  doc.setField(RecordKind::FlightGroup, 0, fg::CraftType, u8{7});
  doc.undoStack()->undo();
  doc.beginTransaction("drag");
  doc.setFields(
      "Drag", {MissionDocument::fieldWrite(RecordKind::FlightGroup, 2, fg::WaypointX, 5, Start1)});
  doc.cancelTransaction();
  EXPECT_EQ(doc.mission().flightGroups[2].x(Start1), 200);
  ASSERT_TRUE(doc.undoStack()->canRedo());
  doc.undoStack()->redo();
  EXPECT_EQ(doc.mission().flightGroups[0].get(fg::CraftType), 7);
}

// The edits of a gesture under way are changes of the saved Mission before the gesture joins
// the history.
TEST(EditHistory, AGestureUnderWayMarksTheMissionChanged) {
  MissionDocument doc;
  doc.replaceMission(testgen::namedGroupsMission(2), "a.kre", true);
  doc.beginTransaction("drag");
  doc.setFields(
      "Drag", {MissionDocument::fieldWrite(RecordKind::FlightGroup, 0, fg::WaypointX, 5, Start1)});
  EXPECT_TRUE(doc.isChanged());
  doc.commitTransaction();
  EXPECT_TRUE(doc.isChanged());
  doc.undoStack()->undo();
  EXPECT_FALSE(doc.isChanged());
  // A drag that comes back where it began leaves no step, and the Mission as saved.
  const int x = doc.mission().flightGroups[0].x(Start1);
  doc.beginTransaction("drag");
  for (int to : {x + 5, x})
    doc.setFields("Drag", {MissionDocument::fieldWrite(RecordKind::FlightGroup, 0, fg::WaypointX,
                                                       to, Start1)});
  doc.commitTransaction();
  EXPECT_FALSE(doc.isChanged());
  EXPECT_EQ(doc.undoStack()->count(), 1);
  EXPECT_EQ(doc.undoStack()->index(), 0);
}

// A gesture is one step whatever records it touches: a drag that moves group 0, then group 1.
TEST(EditHistory, AGestureOverTwoRecordsIsOneStep) {
  MissionDocument doc;
  doc.replaceMission(testgen::namedGroupsMission(3));
  const auto image = writeMission(doc.mission());
  doc.beginTransaction("drag", "Move 2 craft");
  for (int x : {10, 20}) doc.setField(RecordKind::FlightGroup, 0, fg::WaypointX, x, Start1);
  for (int x : {30, 40}) doc.setField(RecordKind::FlightGroup, 1, fg::WaypointX, x, Start1);
  doc.setField(RecordKind::FlightGroup, 0, fg::WaypointY, 5, Start1);
  doc.commitTransaction();
  EXPECT_EQ(doc.undoStack()->count(), 1);
  EXPECT_EQ(doc.undoStack()->undoText(), "Move 2 craft");
  doc.undoStack()->undo();
  EXPECT_EQ(writeMission(doc.mission()), image);
  doc.undoStack()->redo();
  EXPECT_EQ(doc.mission().flightGroups[0].x(Start1), 20);
  EXPECT_EQ(doc.mission().flightGroups[1].x(Start1), 40);
  EXPECT_EQ(doc.mission().flightGroups[0].y(Start1), 5);
}

// Typing joins one step until undo or redo: what is typed after them is a step of its own.
TEST(EditHistory, TypingAfterAnUndoAndARedoIsANewStep) {
  MissionDocument doc;
  doc.replaceMission(testgen::namedGroupsMission(1));
  for (const char* t : {"R", "Re"}) doc.setFlightGroupText(fg::Name, t, "name");
  doc.undoStack()->undo();
  doc.undoStack()->redo();
  doc.setFlightGroupText(fg::Name, "Red", "name");
  EXPECT_EQ(doc.undoStack()->count(), 2);
  doc.undoStack()->undo();
  EXPECT_EQ(doc.mission().flightGroups[0].name(), "Re");
}

// A gesture that adds and deletes flight groups on the way (a placement that replaces a group)
// is one step all the same: undo gives back the list, the bytes and the selection before it.
TEST(EditHistory, AGestureHoldingListOperationsIsOneStep) {
  MissionDocument doc;
  doc.replaceMission(testgen::namedGroupsMission(3));
  doc.selectFlightGroups({1});
  const auto image = writeMission(doc.mission());
  doc.beginTransaction("place", "Place flight group");
  doc.newFlightGroup();
  doc.setFlightGroupField(fg::WaypointX, 500, Start1);
  doc.selectFlightGroups({0});
  doc.deleteFlightGroups();
  doc.commitTransaction();
  ASSERT_EQ(doc.undoStack()->count(), 1);
  EXPECT_EQ(doc.undoStack()->undoText(), "Place flight group");
  const auto after = writeMission(doc.mission());
  const std::vector<int> selectedAfter = doc.selectedFlightGroups();
  doc.undoStack()->undo();
  EXPECT_EQ(writeMission(doc.mission()), image);
  EXPECT_EQ(doc.selectedFlightGroups(), (std::vector<int>{1}));
  doc.undoStack()->redo();
  EXPECT_EQ(writeMission(doc.mission()), after);
  EXPECT_EQ(doc.selectedFlightGroups(), selectedAfter);
}

// A gesture begun while another is under way ends the first: two steps, undone one by one.
TEST(EditHistory, AGestureBegunInsideAnotherEndsTheFirst) {
  MissionDocument doc;
  doc.replaceMission(testgen::namedGroupsMission(2));
  doc.beginTransaction("drag", "Move G1");
  doc.setField(RecordKind::FlightGroup, 0, fg::WaypointX, 10, Start1);
  doc.beginTransaction("drag", "Move G2");
  doc.setField(RecordKind::FlightGroup, 1, fg::WaypointX, 20, Start1);
  doc.commitTransaction();
  EXPECT_FALSE(doc.inTransaction());
  ASSERT_EQ(doc.undoStack()->count(), 2);
  EXPECT_EQ(doc.undoStack()->undoText(), "Move G2");
  doc.undoStack()->undo();
  EXPECT_EQ(doc.mission().flightGroups[0].x(Start1), 10);
  EXPECT_EQ(doc.mission().flightGroups[1].x(Start1), 100);
  EXPECT_EQ(doc.undoStack()->undoText(), "Move G1");
}

// The history keeps its last steps only. When the step that reached the saved state falls out
// of it, no undo comes back to that state: the Mission stays changed however far it is undone.
TEST(EditHistory, TheSavedStateOutOfTheStepLimitIsNeverReachedAgain) {
  MissionDocument doc;
  doc.replaceMission(testgen::namedGroupsMission(1), "a.kre", true);
  const int limit = doc.undoStack()->undoLimit();
  ASSERT_GT(limit, 0);
  for (int i = 1; i <= limit + 1; ++i)
    doc.setField(RecordKind::FlightGroup, 0, fg::WaypointX, i, Start1);
  EXPECT_EQ(doc.undoStack()->count(), limit);
  while (doc.undoStack()->canUndo()) doc.undoStack()->undo();
  EXPECT_EQ(doc.mission().flightGroups[0].x(Start1), 1);
  EXPECT_TRUE(doc.isChanged());
  // Saved within the limit, the state is reached again.
  doc.markSaved("a.kre");
  doc.setField(RecordKind::FlightGroup, 0, fg::WaypointX, 7, Start1);
  doc.undoStack()->undo();
  EXPECT_FALSE(doc.isChanged());
}

}  // namespace
