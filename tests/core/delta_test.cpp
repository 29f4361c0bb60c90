#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "model/mission_edit.h"
#include "model/mission_file.h"
#include "model/selection.h"

using namespace model;

namespace {

Mission missionWith(int groups, int messages) {
  Mission m;
  m.newMission();
  while (static_cast<int>(m.flightGroups.size()) < groups) m.addFlightGroup();
  for (std::size_t i = 0; i < m.flightGroups.size(); ++i) {
    m.flightGroups[i].setText(fg::Name, "G" + std::to_string(i));
    m.flightGroups[i].set(fg::WaypointX, static_cast<i16>(10 * i), Start1);
  }
  for (int i = 0; i < messages; ++i) {
    m.addMessage();
    m.messages.back().setText(message::Text, "M" + std::to_string(i));
  }
  return m;
}

std::vector<std::string> texts(const Mission& m) {
  std::vector<std::string> out;
  for (const auto& msg : m.messages) out.push_back(msg.text(message::Text));
  return out;
}

ChangeSet recorded(Mission& m, const std::function<void(MissionEdit&)>& fn) {
  MissionEdit e(m);
  fn(e);
  const ChangeSet c = e.changes();
  e.take();
  return c;
}

// Where the records of a list went: which old position went where (-1: removed), which new
// positions hold inserted records.
TEST(ChangeSetLists, InsertRemoveAndMoveSayWhereEachOldRecordWent) {
  struct Case {
    const char* name;
    std::function<void(MissionEdit&)> edit;
    std::vector<int> oldToNew, inserted;
  };
  const FlightGroup g = missionWith(1, 0).flightGroups[0];
  const Case cases[] = {
      {"insert", [&](MissionEdit& e) { e.insertFlightGroup(1, g); }, {0, 2, 3, 4}, {1}},
      {"remove", [](MissionEdit& e) { e.removeFlightGroup(1); }, {0, -1, 1, 2}, {}},
      {"move down", [](MissionEdit& e) { e.moveFlightGroup(0, 2); }, {2, 0, 1, 3}, {}},
      {"move up", [](MissionEdit& e) { e.moveFlightGroup(3, 1); }, {0, 2, 3, 1}, {}},
      {"insert then remove",
       [&](MissionEdit& e) {
         e.insertFlightGroup(0, g);
         e.removeFlightGroup(2);  // the old second record
       },
       {1, -1, 2, 3},
       {0}},
      {"remove then insert there",
       [&](MissionEdit& e) {
         e.removeFlightGroup(3);
         e.insertFlightGroup(3, g);
       },
       {0, 1, 2, -1},
       {3}},
  };
  for (const Case& c : cases) {
    Mission m = missionWith(4, 0);
    const ChangeSet cs = recorded(m, c.edit);
    ASSERT_TRUE(cs.flightGroupList) << c.name;
    EXPECT_EQ(cs.flightGroupList->oldToNew, c.oldToNew) << c.name;
    EXPECT_EQ(cs.flightGroupList->inserted, c.inserted) << c.name;
    EXPECT_EQ(cs.flightGroupList->newCount, m.flightGroups.size()) << c.name;
    EXPECT_FALSE(cs.messageList) << c.name;
    // The header's count follows the list: its bytes are named with it.
    if (m.flightGroups.size() != 4) {
      EXPECT_TRUE(cs.touches(RecordKind::Header, header::FlightGroupCount.offset, 2)) << c.name;
    }
  }
}

// A selection follows its records through a list step: the current line with them, removed
// lines dropped.
TEST(ChangeSetLists, TheSelectionFollowsItsRecords) {
  struct Case {
    const char* name;
    std::function<void(MissionEdit&)> edit;
    Selection before, after;
  };
  const Message n = missionWith(0, 1).messages[0];
  const Case cases[] = {
      {"insert before", [&](MissionEdit& e) { e.insertMessage(0, n); }, {{1, 2}, 2}, {{2, 3}, 3}},
      {"insert between", [&](MissionEdit& e) { e.insertMessage(2, n); }, {{1, 2}, 1}, {{1, 3}, 1}},
      {"insert after", [&](MissionEdit& e) { e.insertMessage(3, n); }, {{1, 2}, 2}, {{1, 2}, 2}},
      {"remove the current", [](MissionEdit& e) { e.removeMessage(2); }, {{0, 2}, 2}, {{0}, 0}},
      {"remove a selected line", [](MissionEdit& e) { e.removeMessage(0); }, {{0, 2}, 2}, {{1}, 1}},
      {"move the current", [](MissionEdit& e) { e.moveMessage(2, 0); }, {{0, 2}, 2}, {{0, 1}, 0}},
  };
  for (const Case& c : cases) {
    Mission m = missionWith(1, 3);
    Selection sel = c.before;
    sel.remap(*recorded(m, c.edit).messageList);
    EXPECT_EQ(sel, c.after) << c.name;
  }
}

TEST(ChangeSetLists, PatchedRecordsFollowALaterListChange) {
  Mission m = missionWith(4, 0);
  const ChangeSet c = recorded(m, [](MissionEdit& e) {
    e.set(RecordKind::FlightGroup, 1, fg::CraftType, u8{7});
    e.set(RecordKind::FlightGroup, 3, fg::CraftType, u8{7});
    e.removeFlightGroup(0);  // 1 -> 0, 3 -> 2
    e.moveFlightGroup(0, 1);
  });
  EXPECT_EQ(c.of(RecordKind::FlightGroup).indices, (std::vector<int>{1, 2}));
  EXPECT_TRUE(c.touchesRecord(RecordKind::FlightGroup, 1));
  EXPECT_FALSE(c.touchesRecord(RecordKind::FlightGroup, 0));
}

TEST(ChangeSetBytes, APatchTouchesExactlyItsBytes) {
  Mission m = missionWith(3, 0);
  const std::size_t at = fg::WaypointX.at(Waypoint2);
  const ChangeSet c = recorded(m, [&](MissionEdit& e) {
    e.set(RecordKind::FlightGroup, 2, fg::WaypointX, i16{300}, Waypoint2);
  });
  EXPECT_EQ(c.of(RecordKind::FlightGroup).begin, at);
  EXPECT_EQ(c.of(RecordKind::FlightGroup).end, at + 2);
  EXPECT_TRUE(c.touches(RecordKind::FlightGroup, at + 1, 1));
  EXPECT_FALSE(c.touches(RecordKind::FlightGroup, at + 2, 1));
  EXPECT_FALSE(c.touches(RecordKind::FlightGroup, at - 1, 1));
  EXPECT_FALSE(c.touches(RecordKind::Message));
  // Two patches touch the span between them.
  const ChangeSet both = recorded(m, [&](MissionEdit& e) {
    e.set(RecordKind::FlightGroup, 0, fg::CraftType, u8{9});
    e.set(RecordKind::FlightGroup, 1, fg::WaypointX, i16{5}, Waypoint2);
  });
  EXPECT_EQ(both.of(RecordKind::FlightGroup).begin, fg::CraftType.offset);
  EXPECT_EQ(both.of(RecordKind::FlightGroup).end, at + 2);
}

// A view that was hidden gets the notices it missed as one: it covers every byte either touched,
// in whichever order they came.
TEST(ChangeSetBytes, AMergedNoticeCoversEveryByteOfBoth) {
  for (const auto& [first, second] : {std::pair{10, 2}, std::pair{2, 10}}) {
    ChangeSet c, later;
    c.notePatch(RecordKind::FlightGroup, 1, first, 3);
    later.notePatch(RecordKind::FlightGroup, 4, second, 3);
    c.merge(later);
    for (std::size_t at : {2, 4, 10, 12})
      EXPECT_TRUE(c.touches(RecordKind::FlightGroup, at, 1))
          << first << " then " << second << ": " << at;
    EXPECT_FALSE(c.touches(RecordKind::FlightGroup, 1, 1));
    EXPECT_FALSE(c.touches(RecordKind::FlightGroup, 13, 1));
    EXPECT_EQ(c.of(RecordKind::FlightGroup).indices, (std::vector<int>{1, 4}));
  }
}

// Every kind of step replays forward onto the content it was recorded from and backward to the
// content before, byte for byte.
TEST(DeltaSteps, EveryStepRevertsAndReplays) {
  Mission other = missionWith(1, 1);
  other.flightGroups[0].setText(fg::Name, "Other");
  other.messages[0].setText(message::Text, "Hello");
  struct Case {
    const char* name;
    std::function<void(MissionEdit&)> edit;
  };
  const Case cases[] = {
      {"patch", [](MissionEdit& e) { e.set(RecordKind::FlightGroup, 1, fg::CraftType, u8{4}); }},
      {"insert group", [&](MissionEdit& e) { e.insertFlightGroup(1, other.flightGroups[0]); }},
      {"remove group", [](MissionEdit& e) { e.removeFlightGroup(0); }},
      {"move group", [](MissionEdit& e) { e.moveFlightGroup(2, 0); }},
      {"insert message", [&](MissionEdit& e) { e.insertMessage(0, other.messages[0], "x.wav"); }},
      {"remove message", [](MissionEdit& e) { e.removeMessage(1); }},
      {"move message", [](MissionEdit& e) { e.moveMessage(0, 1); }},
      {"text block",
       [](MissionEdit& e) {
         TextBlock b(1024);
         b.setText("About\r\nthis", 1024);
         e.setTextBlock(TextBlockId::Description, b);
       }},
      {"format", [](MissionEdit& e) { e.setFormat(FormatBase); }},
      {"sounds", [](MissionEdit& e) { e.setSounds({"a.wav"}); }},
      {"briefing string", [](MissionEdit& e) { e.setBriefingText(2, false, 5, "Go"); }},
      {"auto-link", [](MissionEdit& e) { e.setAutoLink(0, false); }},
      {"content",
       [](MissionEdit& e) {
         e.modifyContent([](Mission& w) {
           w.flightGroups.pop_back();
           w.teams[1].setText(team::Name, "Blue");
         });
       }},
  };
  for (const Case& c : cases) {
    const Mission original = missionWith(3, 2);
    Mission m = original;
    m.sounds = {"one.wav", "two.wav"};
    Mission start = m;
    MissionEdit e(m);
    c.edit(e);
    const Delta d = e.take();
    ASSERT_FALSE(d.empty()) << c.name;
    const Mission after = m;
    d.revert(m);
    EXPECT_EQ(writeMission(m), writeMission(start)) << c.name;
    EXPECT_EQ(m.sounds, start.sounds) << c.name;
    EXPECT_EQ(m.flightGroups[0].autoLink, start.flightGroups[0].autoLink) << c.name;
    EXPECT_EQ(m.briefings[2].strings, start.briefings[2].strings) << c.name;
    EXPECT_EQ(m.briefings[2].tags, start.briefings[2].tags) << c.name;
    // Replayed onto a copy of the content it was recorded from.
    d.apply(start);
    EXPECT_EQ(writeMission(start), writeMission(after)) << c.name;
    EXPECT_EQ(start.sounds, after.sounds) << c.name;
    EXPECT_EQ(start.flightGroups[0].autoLink, after.flightGroups[0].autoLink) << c.name;
    EXPECT_EQ(start.briefings[2].strings, after.briefings[2].strings) << c.name;
    EXPECT_EQ(start.briefings[2].tags, after.briefings[2].tags) << c.name;
  }
}

// A change of many kinds made on a copy is recorded whole: the content after the edit is the
// copy's, and undo gives back every part.
TEST(DeltaSteps, AChangeOfTheWholeContentRecordsEveryPart) {
  const auto change = [](Mission& w) {
    w.flightGroups.pop_back();
    w.addMessage();
    w.header.set(header::TimeLimitMinutes, u8{9});
    w.teams[1].setText(team::Name, "Blue");
    w.teamIff[2] = 4;
    w.description.setText("About");
    w.briefings[2].tags[1] = "Tag";
    w.briefings[2].strings[3] = "Str";
    w.sounds = {"s.wav"};
  };
  Mission m = missionWith(3, 2);
  const Mission before = m;
  Mission expected = m;
  change(expected);
  MissionEdit e(m);
  e.modifyContent(change);
  const Delta d = e.take();
  const auto same = [](const Mission& a, const Mission& b) {
    return writeMission(a) == writeMission(b) && a.sounds == b.sounds && a.teamIff == b.teamIff &&
           a.briefings[2].tags == b.briefings[2].tags &&
           a.briefings[2].strings == b.briefings[2].strings;
  };
  EXPECT_TRUE(same(m, expected));
  d.revert(m);
  EXPECT_TRUE(same(m, before));
}

// A message list step carries the message's sound entry as far as the sound list reaches.
TEST(DeltaSteps, SoundEntriesFollowTheirMessages) {
  struct Case {
    const char* name;
    std::vector<std::string> sounds;
    std::function<void(MissionEdit&, const Message&)> edit;
    std::vector<std::string> texts, after;
  };
  const Case cases[] = {
      {"insert",
       {"a", "b", "c"},
       [](MissionEdit& e, const Message& n) { e.insertMessage(1, n); },
       {"M0", "New", "M1", "M2"},
       {"a", "", "b", "c"}},
      {"insert with its sound",
       {"a", "b", "c"},
       [](MissionEdit& e, const Message& n) { e.insertMessage(0, n, "n"); },
       {"New", "M0", "M1", "M2"},
       {"n", "a", "b", "c"}},
      {"insert at the end of the sounds",
       {"a"},
       [](MissionEdit& e, const Message& n) { e.insertMessage(1, n, "n"); },
       {"M0", "New", "M1", "M2"},
       {"a", "n"}},
      {"insert past the sounds",
       {"a"},
       [](MissionEdit& e, const Message& n) { e.insertMessage(2, n, "n"); },
       {"M0", "M1", "New", "M2"},
       {"a"}},
      {"move down",
       {"a", "b", "c"},
       [](MissionEdit& e, const Message&) { e.moveMessage(0, 2); },
       {"M1", "M2", "M0"},
       {"b", "c", "a"}},
      {"move up",
       {"a", "b", "c"},
       [](MissionEdit& e, const Message&) { e.moveMessage(2, 1); },
       {"M0", "M2", "M1"},
       {"a", "c", "b"}},
      {"remove",
       {"a", "b", "c"},
       [](MissionEdit& e, const Message&) { e.removeMessage(1); },
       {"M0", "M2"},
       {"a", "c"}},
  };
  Message n = missionWith(0, 1).messages[0];
  n.setText(message::Text, "New");
  for (const Case& c : cases) {
    Mission m = missionWith(1, 3);
    m.sounds = c.sounds;
    MissionEdit e(m);
    c.edit(e, n);
    const Delta d = e.take();
    EXPECT_EQ(texts(m), c.texts) << c.name;
    EXPECT_EQ(m.sounds, c.after) << c.name;
    EXPECT_EQ(m.header.get(header::MessageCount), m.messages.size()) << c.name;
    d.revert(m);
    EXPECT_EQ(texts(m), (std::vector<std::string>{"M0", "M1", "M2"})) << c.name;
    EXPECT_EQ(m.sounds, c.sounds) << c.name;
  }
}

// Merging keeps the earliest before and the latest after of the same records; it never joins
// different records.
TEST(DeltaMerge, PatchesOfTheSameRecordsJoinOthersDoNot) {
  Mission m = missionWith(3, 0);
  const auto image = writeMission(m);
  auto move = [&](int group, int x) {
    MissionEdit e(m);
    e.set(RecordKind::FlightGroup, group, fg::WaypointX, static_cast<i16>(x), Start1);
    e.set(RecordKind::FlightGroup, group, fg::WaypointY, static_cast<i16>(-x), Start1);
    return e.take();
  };
  Delta d = move(1, 100);
  ASSERT_TRUE(d.mergeWith(move(1, 200), m));
  ASSERT_TRUE(d.mergeWith(move(1, 300), m));
  EXPECT_EQ(d.steps.size(), 2u);
  Delta other = move(2, 50);
  EXPECT_FALSE(d.mergeWith(other, m));
  other.revert(m);
  d.revert(m);
  EXPECT_EQ(writeMission(m), image);
  d.apply(m);
  EXPECT_EQ(m.flightGroups[1].x(Start1), 300);
  EXPECT_EQ(m.flightGroups[1].y(Start1), -300);
  EXPECT_EQ(m.flightGroups[2].x(Start1), 20);
}

// Two patches of different bytes of one record join into one range only while no other step of
// the delta writes that record: undo gives back the bytes before either edit, merged or not.
TEST(DeltaMerge, APatchJoinsAnotherOfItsRecordOnlyWhereNoOtherStepWritesIt) {
  const auto edit = [](Mission& m, const std::function<void(MissionEdit&)>& fn) {
    MissionEdit e(m);
    fn(e);
    return e.take();
  };
  for (const bool typing : {true, false}) {
    Mission m = missionWith(3, 0);
    const auto image = writeMission(m);
    // The craft type and the start's X; then the start's Y (between them) and X again.
    Delta d = edit(m, [](MissionEdit& e) {
      e.set(RecordKind::FlightGroup, 1, fg::CraftType, u8{9});
      e.set(RecordKind::FlightGroup, 1, fg::WaypointX, i16{100}, Start1);
    });
    Delta later = edit(m, [](MissionEdit& e) {
      e.set(RecordKind::FlightGroup, 1, fg::WaypointY, i16{7}, Start1);
      e.set(RecordKind::FlightGroup, 1, fg::WaypointX, i16{200}, Start1);
    });
    if (typing) {
      if (!d.mergeWith(later, m)) later.revert(m);
    } else {
      d.join(later, m);
    }
    d.revert(m);
    EXPECT_EQ(writeMission(m), image) << (typing ? "typing" : "a gesture");
    // One record patched twice alone joins into one step.
    Delta one =
        edit(m, [](MissionEdit& e) { e.set(RecordKind::FlightGroup, 2, fg::CraftType, u8{9}); });
    const Delta two = edit(m, [](MissionEdit& e) {
      e.set(RecordKind::FlightGroup, 2, fg::WaypointY, i16{7}, Start1);
    });
    if (typing)
      ASSERT_TRUE(one.mergeWith(two, m));
    else
      one.join(two, m);
    EXPECT_EQ(one.steps.size(), 1u);
    one.revert(m);
    EXPECT_EQ(writeMission(m), image) << (typing ? "typing" : "a gesture");
  }
}

// A gesture joins whatever it does: one delta that takes back both records.
TEST(DeltaMerge, JoinTakesInAnyDeltaAndKeepsPatchesOfTheSameRecordsCompact) {
  Mission m = missionWith(3, 0);
  const auto image = writeMission(m);
  auto move = [&](int group, int x) {
    MissionEdit e(m);
    e.set(RecordKind::FlightGroup, group, fg::WaypointX, static_cast<i16>(x), Start1);
    return e.take();
  };
  Delta d = move(0, 100);
  d.join(move(1, 200), m);
  d.join(move(1, 250), m);
  EXPECT_EQ(d.steps.size(), 2u);
  d.revert(m);
  EXPECT_EQ(writeMission(m), image);
}

}  // namespace
