#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <string>
#include <vector>

#include "app/document/mission_document.h"
#include "map_mission.h"
#include "model/mission_file.h"

using namespace model;
using app::MissionDocument;

namespace {

// Everything an edit may change: the file image, what lives beside it, the derived values and
// the document's state.
struct Seen {
  std::vector<std::uint8_t> file;
  std::vector<std::string> sounds;
  std::array<std::uint8_t, TeamCount> teamIff;
  std::vector<bool> autoLink;
  std::vector<Heading> headings;
  std::vector<bool> sentToAny;
  Vec3 centre, extent;
  Selection fg, msg;
  bool operator==(const Seen&) const = default;
};

Seen seen(const MissionDocument& d) {
  const Mission& m = d.mission();
  Seen s{writeMission(m),
         m.sounds,
         m.teamIff,
         {},
         {},
         {},
         m.mapCentre,
         m.mapExtent,
         d.selection(ListKind::FlightGroups),
         d.selection(ListKind::Messages)};
  for (const auto& g : m.flightGroups) {
    s.autoLink.push_back(g.autoLink);
    s.headings.push_back(g.heading);
  }
  for (const auto& msg : m.messages) s.sentToAny.push_back(msg.sentToAnyTeam);
  return s;
}

// The derived values as a fresh computation gives them.
void expectDerivedUpToDate(const MissionDocument& d, const std::string& what) {
  Mission fresh = d.mission();
  refreshDerived(fresh, ChangeSet::wholeMission());
  for (std::size_t i = 0; i < fresh.flightGroups.size(); ++i)
    EXPECT_EQ(d.mission().flightGroups[i].heading, fresh.flightGroups[i].heading) << what << i;
  EXPECT_EQ(d.mission().mapExtent, fresh.mapExtent) << what;
  EXPECT_EQ(d.mission().mapCentre, fresh.mapCentre) << what;
  for (std::size_t i = 0; i < fresh.messages.size(); ++i)
    EXPECT_EQ(d.mission().messages[i].sentToAnyTeam, fresh.messages[i].sentToAnyTeam) << what;
  EXPECT_EQ(d.mission().header.get(header::FlightGroupCount), fresh.flightGroups.size()) << what;
}

struct EditCase {
  const char* name;
  std::vector<int> selected;
  std::function<void(MissionDocument&)> edit;
  bool marksChanged = true;
};

TEST(DocumentEdits, EveryKindUndoesAndRedoesBytesFlagsDerivedValuesAndSelection) {
  const EditCase cases[] = {
      {"patch", {0, 2}, [](MissionDocument& d) { d.setFlightGroupField(fg::CraftType, u8{9}); }},
      {"multi-patch drag",
       {0},
       [](MissionDocument& d) {
         d.setFields("Drag", {MissionDocument::fieldWrite(RecordKind::FlightGroup, 0, fg::WaypointX,
                                                          800, Waypoint1),
                              MissionDocument::fieldWrite(RecordKind::FlightGroup, 2, fg::WaypointY,
                                                          -700, Start1)});
       }},
      {"message patch",
       {0},
       [](MissionDocument& d) { d.setMessageField(message::SentToTeam, u8{1}, 3); }},
      {"new", {1}, [](MissionDocument& d) { d.newFlightGroup(); }},
      {"delete", {1, 2}, [](MissionDocument& d) { d.deleteFlightGroups(); }},
      {"move down", {0, 1}, [](MissionDocument& d) { d.moveFlightGroupsDown(); }},
      {"paste", {2}, [](MissionDocument& d) { d.pasteFlightGroup(); }},
      {"cut", {3}, [](MissionDocument& d) { d.cutFlightGroups(); }},
      {"text block",
       {0},
       [](MissionDocument& d) {
         d.setTextBlock(MissionDocument::Block::Description, "Hi\r\nyou");
       }},
      {"format", {0}, [](MissionDocument& d) { d.setFormat(FormatBase); }},
      // The sound list is a file of its own: the Mission does not count as changed.
      {"sounds", {0}, [](MissionDocument& d) { d.setSounds({"a\\b.wav"}); }, false},
      {"team colours",
       {0},
       [](MissionDocument& d) {
         d.setField(RecordKind::TeamIff, 0, Field<u8>{"", 2}, u8{4});
       }},
      {"auto-link", {0}, [](MissionDocument& d) { d.setAutoLinkAll(false); }, false},
  };
  for (const EditCase& c : cases) {
    MissionDocument doc;
    doc.replaceMission(testgen::namedGroupsMission(4));
    doc.selectFlightGroups(c.selected);
    const Seen before = seen(doc);
    c.edit(doc);
    const Seen after = seen(doc);
    EXPECT_NE(after, before) << c.name;
    EXPECT_EQ(doc.undoStack()->count(), 1) << c.name;
    EXPECT_EQ(doc.isChanged(), c.marksChanged) << c.name;
    expectDerivedUpToDate(doc, c.name);

    doc.undoStack()->undo();
    EXPECT_EQ(seen(doc), before) << c.name;
    EXPECT_FALSE(doc.isChanged()) << c.name;
    expectDerivedUpToDate(doc, c.name);

    doc.undoStack()->redo();
    EXPECT_EQ(seen(doc), after) << c.name;
    EXPECT_EQ(doc.isChanged(), c.marksChanged) << c.name;
    expectDerivedUpToDate(doc, c.name);
  }
}

TEST(DocumentEdits, AnEditThatChangesNoByteIsNoStep) {
  MissionDocument doc;
  doc.replaceMission(testgen::namedGroupsMission(2));
  doc.setFlightGroupField(fg::CraftType, doc.mission().flightGroups[0].get(fg::CraftType));
  doc.setTextBlock(MissionDocument::Block::Description, "");
  doc.setFormat(doc.mission().platformId);
  doc.moveFlightGroupsUp();  // the first line cannot move up
  EXPECT_EQ(doc.undoStack()->count(), 0);
  EXPECT_FALSE(doc.isChanged());
  // Typing a name and back again leaves nothing either.
  for (const char* t : {"G1x", "G1"}) doc.setFlightGroupText(fg::Name, t, "name");
  EXPECT_EQ(doc.undoStack()->count(), 0);
  EXPECT_FALSE(doc.isChanged());
}

TEST(DocumentEdits, TypedValuesAreClampedToTheFieldNeverWrapped) {
  MissionDocument doc;
  doc.replaceMission(testgen::namedGroupsMission(2));
  doc.selectMessages({0});
  struct Case {
    long long value;
    int stored;
  };
  for (const Case& c : {Case{400, 255}, Case{-3, 0}, Case{24, 24}}) {
    doc.setMessageField(message::Delay, c.value);
    EXPECT_EQ(doc.mission().messages[0].get(message::Delay), c.stored) << c.value;
  }
  doc.setField(RecordKind::FlightGroup, 1, fg::WaypointX, 40000, Start1);
  EXPECT_EQ(doc.mission().flightGroups[1].get(fg::WaypointX, Start1), 32767);
  doc.setField(RecordKind::FlightGroup, 1, fg::WaypointX, -40000, Start1);
  EXPECT_EQ(doc.mission().flightGroups[1].get(fg::WaypointX, Start1), -32768);
}

TEST(DocumentEdits, NewGroupsFollowTheDefaultsOfNowWhateverIsUndone) {
  MissionDocument doc;
  doc.replaceMission(testgen::namedGroupsMission(1));
  doc.newFlightGroup();
  MissionDefaults d = doc.defaults();
  d.defaultShip = 5;
  doc.setDefaults(d);
  doc.undoStack()->undo();
  doc.newFlightGroup();
  EXPECT_EQ(doc.mission().flightGroups.back().get(fg::CraftType), 5);
}

TEST(DocumentEdits, ListStepsHoldTheRecordsNotTheMission) {
  MissionDocument doc;
  doc.replaceMission(testgen::namedGroupsMission(200));
  for (int i = 0; i < 190; ++i) doc.newFlightGroup();
  // A flight group with its goal strings is about 3 KiB; a whole mission would be 600 KiB.
  EXPECT_LT(doc.undoMemory(), 190u * 4096u);
}

TEST(DocumentEdits, MessageListStepsCarryTheirSoundEntry) {
  MissionDocument doc;
  Mission m = testgen::namedGroupsMission(1);
  m.addMessage();
  m.sounds = {"one.wav", "two.wav"};
  doc.replaceMission(std::move(m));
  doc.selectMessages({1});
  doc.applyListOp("Delete message", ChangedFlag::Message, ListKind::Messages, [](MissionEdit& e) {
    e.removeMessage(0);
    return Selection{{0}, 0};
  });
  EXPECT_EQ(doc.mission().sounds, (std::vector<std::string>{"two.wav"}));
  EXPECT_EQ(doc.mission().header.get(header::MessageCount), 1);
  doc.undoStack()->undo();
  EXPECT_EQ(doc.mission().sounds, (std::vector<std::string>{"one.wav", "two.wav"}));
  EXPECT_EQ(doc.selectedMessages(), (std::vector<int>{1}));
}

}  // namespace

namespace {

TEST(DocumentLifeCycle, ReplacingTheMissionAnnouncesOnlyValidSelections) {
  MissionDocument d;
  d.replaceMission(testgen::namedGroupsMission(4));
  d.selectFlightGroups({3});
  d.setFlightGroupField(fg::CraftCount, u8{5});
  // Views read the current group on every notice.
  int notices = 0;
  QObject::connect(&d, &MissionDocument::changed, [&](const app::ChangeSet&) {
    ++notices;
    EXPECT_LT(d.currentFlightGroup(), static_cast<int>(d.mission().flightGroups.size()));
  });
  // A Mission that is not on disk counts as changed even after a history was cleared.
  d.replaceMission(testgen::namedGroupsMission(1), UnnamedFile, false, true);
  EXPECT_GT(notices, 0);
  EXPECT_TRUE(d.isChanged());
}

// Views keep what they showed until a notice tells them what changed: the first notice with the
// new content is the whole-mission one, even where forgetting the old history is announced too.
TEST(DocumentLifeCycle, ANewMissionIsAnnouncedWholeBeforeAnythingElse) {
  MissionDocument d;
  d.replaceMission(testgen::namedGroupsMission(4), "a.kre", true);
  d.setFlightGroupField(fg::CraftCount, u8{5});
  bool sawWhole = false;
  QObject::connect(&d, &MissionDocument::changed, [&](const app::ChangeSet& c) {
    if (d.mission().flightGroups.size() == 1 && !sawWhole) {
      EXPECT_TRUE(c.whole);
    }
    sawWhole = sawWhole || c.whole;
  });
  d.replaceMission(testgen::namedGroupsMission(1), "b.kre", true);
  EXPECT_TRUE(sawWhole);
  EXPECT_FALSE(d.isChanged());
}

// The older orders of an imported Mission go and come back with their flight groups.
TEST(DocumentLifeCycle, UndoingADeleteBringsBackTheOlderOrders) {
  MissionDocument d;
  d.replaceMission(testgen::namedGroupsMission(3), UnnamedFile, false, true,
                   {"first", "second", "third"});
  d.selectFlightGroups({1});
  d.deleteFlightGroups();
  EXPECT_EQ(d.state().importedOrderTexts, (std::vector<std::string>{"first", "third"}));
  d.undoStack()->undo();
  EXPECT_EQ(d.state().importedOrderTexts, (std::vector<std::string>{"first", "second", "third"}));
  d.undoStack()->redo();
  EXPECT_EQ(d.state().importedOrderTexts, (std::vector<std::string>{"first", "third"}));
}

}  // namespace

namespace {

// The copy buffer is no part of the undo step of a cut: undoing the cut brings the groups back
// and leaves the buffer holding the cut group, its references named as before the cut.
TEST(DocumentEdits, UndoingACutKeepsTheCutGroupInTheCopyBuffer) {
  MissionDocument doc;
  Mission m = testgen::namedGroupsMission(3);
  m.flightGroups[1].set(fg::ArrivalMothership, u8{2});
  doc.replaceMission(std::move(m));
  doc.selectFlightGroups({1});
  doc.cutFlightGroups();
  EXPECT_EQ(doc.state().flightGroupBuffer.name(), "G2");
  EXPECT_EQ(doc.state().flightGroupBuffer.get(fg::ArrivalMothership), 1);  // G3 moved up
  doc.undoStack()->undo();
  EXPECT_EQ(doc.mission().flightGroups.size(), 3u);
  EXPECT_EQ(doc.state().flightGroupBuffer.name(), "G2");
  EXPECT_EQ(doc.state().flightGroupBuffer.get(fg::ArrivalMothership), 2);
  doc.undoStack()->redo();
  EXPECT_EQ(doc.state().flightGroupBuffer.get(fg::ArrivalMothership), 1);
  // A buffer filled again since is left alone by undo.
  doc.selectFlightGroups({0});
  doc.copyFlightGroup();
  doc.undoStack()->undo();
  EXPECT_EQ(doc.state().flightGroupBuffer.name(), "G1");
  EXPECT_EQ(doc.state().flightGroupBuffer.get(fg::ArrivalMothership), 0);
}

TEST(DocumentEdits, AMessageInsertedBeforeTheSelectedOneMovesTheSelection) {
  MissionDocument doc;
  Mission m = testgen::namedGroupsMission(1);
  m.addMessage();
  doc.replaceMission(std::move(m));
  doc.selectMessages({1});
  const Message fresh = doc.newMessageTemplate();
  doc.apply("Insert message", ChangedFlag::Message,
            [&](MissionEdit& e) { e.insertMessage(0, fresh); });
  EXPECT_EQ(doc.selectedMessages(), (std::vector<int>{2}));
  EXPECT_EQ(doc.currentMessage(), 2);
  doc.undoStack()->undo();
  EXPECT_EQ(doc.currentMessage(), 1);
}

// Each record kind an edit writes sets its own changed flag, whatever the order.
TEST(DocumentEdits, AWriteOfSeveralKindsSetsTheFlagOfEach) {
  MissionDocument doc;
  doc.replaceMission(testgen::namedGroupsMission(2));
  doc.setFields("Edit",
                {MissionDocument::fieldWrite(RecordKind::Header, 0, header::TimeLimitMinutes, 5),
                 MissionDocument::fieldWrite(RecordKind::FlightGroup, 1, fg::CraftType, 3)});
  EXPECT_TRUE(doc.changedFlags().mission);
  EXPECT_TRUE(doc.changedFlags().flightGroup);
}

// A write past the end of its record refuses the whole edit: nothing of it reaches a byte.
TEST(DocumentEdits, AWritePastItsRecordRefusesTheWholeEdit) {
  MissionDocument doc;
  doc.replaceMission(testgen::namedGroupsMission(2));
  const auto image = writeMission(doc.mission());
  doc.setFields("Edit", {MissionDocument::fieldWrite(RecordKind::FlightGroup, 0, fg::CraftType, 3),
                         MissionDocument::fieldWrite(RecordKind::Message, 0, message::Delay, 5,
                                                     model::message::Size)});
  EXPECT_EQ(writeMission(doc.mission()), image);
  EXPECT_EQ(doc.undoStack()->count(), 0);
}

TEST(DocumentEdits, EveryStepSaysWhatItDid) {
  MissionDocument doc;
  doc.replaceMission(testgen::namedGroupsMission(2));
  doc.selectMessages({0});
  const std::pair<std::function<void()>, const char*> cases[] = {
      {[&] { doc.setMessageField(message::Delay, 24); }, "Edit Delay"},
      {[&] { doc.setFlightGroupField(fg::CraftType, 4); }, "Edit Craft Type"},
      {[&] { doc.setFlightGroupText(fg::Name, "Red"); }, "Edit Name"},
      {[&] { doc.setTextBlock(MissionDocument::Block::Description, "Hi"); }, "Edit Description"},
      // An operation: its verb and its object, one record named, several counted.
      {[&] {
         doc.selectFlightGroups({0, 1});
       },
       "Edit Description"},
      {[&] { doc.moveFlightGroupsDown(); }, "Edit Description"},  // nowhere to go: no step
      {[&] { doc.copyFlightGroup(); }, "Edit Description"},
      {[&] { doc.deleteFlightGroups(); }, "Delete 2 flight groups"},
      {[&] { doc.pasteFlightGroup(); }, "Paste flight group Red"},
      {[&] { doc.newFlightGroup(); }, "New flight group"},
      {[&] { doc.moveFlightGroupsUp(); }, "Move flight group Unnamed up"},
      {[&] { doc.setFormat(12); }, "Change format"},
      {[&] { doc.setAutoLinkAll(false); }, "Unlink every flight group"},
  };
  for (const auto& [edit, text] : cases) {
    edit();
    EXPECT_EQ(doc.undoStack()->undoText(), text);
  }
}

}  // namespace
