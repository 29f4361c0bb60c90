// zyned-cli diff's lines: one per differing field, records by number and name, insertions and
// removals one line each.
#include <gtest/gtest.h>

#include <functional>

#include "json/diff.h"
#include "model/mission.h"

namespace {

using namespace model;

Mission base() {
  Mission m;
  m.newMission();
  for (const char* name : {"Alpha", "Beta", "Gamma"}) {
    m.flightGroups[static_cast<std::size_t>(m.addFlightGroup())].setText(fg::Name, name);
  }
  m.flightGroups[2].set(fg::CraftType, u8{5});
  for (const char* text : {"One", "Two", "Three", "Four", "Go"}) {
    Message& msg = m.messages[static_cast<std::size_t>(m.addMessage())];
    msg.set(message::Color, u8{'1'});
    msg.setText(message::Text, text);
  }
  m.briefings[1].set(model::briefing::Events, i16{34}, 12);
  return m;
}

TEST(MissionDiff, OneLinePerDifference) {
  struct Case {
    const char* name;
    std::function<void(Mission&)> edit;
    std::vector<std::string> lines;
  };
  const Case cases[] = {
      {"nothing", [](Mission&) {}, {}},
      {"field",
       [](Mission& m) { m.flightGroups[2].set(fg::CraftType, u8{12}); },
       {"FlightGroups[2] \"Beta\": CraftType 5 -> 12"}},
      {"text",
       [](Mission& m) { m.messages[4].setText(message::Text, "Go now"); },
       {"Messages[4]: Text \"Go\" -> \"Go now\""}},
      {"event word",
       [](Mission& m) { m.briefings[1].set(model::briefing::Events, i16{3}, 12); },
       {"Briefings[1].Events[12]: 34 -> 3"}},
      {"nested record",
       [](Mission& m) { set(m.flightGroups[1].orderBytes(0), order::Throttle, u8{4}); },
       {"FlightGroups[1] \"Alpha\".Orders[0]: Throttle 10 -> 4"}},
      {"waypoint",
       [](Mission& m) { m.flightGroups[3].set(fg::WaypointX, i16{-160}, 2); },
       {"FlightGroups[3] \"Gamma\".WaypointX[2]: 0 -> -160"}},
      {"team name",
       [](Mission& m) { m.teams[0].setText(team::Name, "Empire"); },
       {"Teams[0] \"Imperial\": Name \"Imperial\" -> \"Empire\""}},
      {"format", [](Mission& m) { m.platformId = FormatBase; }, {"PlatformId: 14 -> 12"}},
      {"description",
       [](Mission& m) { m.description.setText("Hi"); },
       {"Description: \"\" -> \"Hi\""}},
      {"trailing bytes",
       [](Mission& m) {
         m.trailingBytes = {1, 2};
       },
       {"TrailingBytes: [] -> [1, 2]"}},
      {"inserted",
       [](Mission& m) {
         FlightGroup g = m.flightGroups[1];
         g.setText(fg::Name, "Delta");
         g.set(fg::CraftType, u8{40});
         m.flightGroups.insert(m.flightGroups.begin() + 2, g);
         m.syncCounts();
       },
       {"Header: FlightGroupCount 4 -> 5", "FlightGroups[2] \"Delta\": inserted"}},
      {"removed",
       [](Mission& m) {
         m.messages.erase(m.messages.begin() + 1);
         m.syncCounts();
       },
       {"Header: MessageCount 5 -> 4", "Messages[1]: removed"}},
      {"moved and edited",
       [](Mission& m) {
         FlightGroup g = m.flightGroups[0];
         g.setText(fg::Name, "Lead");
         g.set(fg::Iff, u8{3});
         g.set(fg::CraftType, u8{77});
         m.flightGroups.insert(m.flightGroups.begin(), g);
         m.flightGroups[3].set(fg::CraftType, u8{12});
         m.syncCounts();
       },
       {"Header: FlightGroupCount 4 -> 5", "FlightGroups[0] \"Lead\": inserted",
        "FlightGroups[2->3] \"Beta\": CraftType 5 -> 12"}},
  };
  const Mission a = base();
  for (const Case& c : cases) {
    Mission b = a;
    c.edit(b);
    EXPECT_EQ(json::diffMissions(a, b), c.lines) << c.name;
  }
}

}  // namespace
