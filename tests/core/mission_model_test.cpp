// The Mission in memory: field tables, headings, map box, team colours, new mission and the
// records made for new flight groups and messages.
#include <gtest/gtest.h>

#include <cmath>
#include <set>

#include "model/document_state.h"
#include "model/mission.h"
#include "model/texts.h"

namespace {

using namespace model;

// ---- Field tables ---------------------------------------------------------------------------

// Byte offsets a layout covers; nested records count with their own fields.
void collect(const RecordLayout& layout, std::size_t base, std::vector<std::size_t>& bytes) {
  for (const FieldInfo& f : layout.fields) {
    for (std::size_t i = 0; i < f.count; ++i) {
      const std::size_t at = base + f.offset + i * f.stride;
      if (f.kind == Kind::Record)
        collect(*f.sub, at, bytes);
      else
        for (std::size_t k = 0; k < f.width; ++k) bytes.push_back(at + k);
    }
  }
}

void expectCoversEveryByteOnce(const RecordLayout& layout, std::vector<std::size_t> extra = {}) {
  std::vector<std::size_t> bytes = std::move(extra);
  collect(layout, 0, bytes);
  std::vector<int> seen(layout.size, 0);
  for (std::size_t b : bytes) {
    ASSERT_LT(b, layout.size) << layout.name;
    ++seen[b];
  }
  for (std::size_t b = 0; b < layout.size; ++b)
    EXPECT_EQ(seen[b], 1) << layout.name << " byte " << b;
}

TEST(FieldTables, EveryRecordIsCoveredExactlyOnce) {
  expectCoversEveryByteOnce(trigger::Layout);
  expectCoversEveryByteOnce(triggerset::Layout);
  expectCoversEveryByteOnce(order::Layout);
  expectCoversEveryByteOnce(goal::Layout);
  expectCoversEveryByteOnce(message::Layout);
  expectCoversEveryByteOnce(ggentry::Layout);
  expectCoversEveryByteOnce(globalgoal::Layout);
  expectCoversEveryByteOnce(team::Layout);
  expectCoversEveryByteOnce(model::briefing::Layout);
  expectCoversEveryByteOnce(ggstrings::Layout);
  expectCoversEveryByteOnce(fggoalstrings::Layout);
  expectCoversEveryByteOnce(header::Layout);
}

TEST(FieldTables, FlightGroupFieldsRawGroupsAndCarriedBytesCoverTheRecord) {
  // The raw groups list ArriveOnlyIfHuman (101) and AbortCondition (149) as well; the bytes
  // after the two departure triggers and the two skip triggers are carried through.
  std::vector<std::size_t> extra = {144, 145, 498, 499};
  for (const auto& group : fg::RawGroups)
    for (std::size_t at : group.offsets)
      if (at != 101 && at != 149) extra.push_back(at);
  expectCoversEveryByteOnce(fg::Layout, extra);
}

TEST(FieldTables, OffsetsOfTheFileFormat) {
  EXPECT_EQ(fg::orderAt(3) + order::Size, fg::SkipTrigger1);
  EXPECT_EQ(fg::goalAt(7) + goal::Size, 1125u);
  EXPECT_EQ(fg::WaypointEnabled.at(21) + 2, 1302u);
  EXPECT_EQ(fg::OptionalCraftWaves.at(9), 1376u);
  EXPECT_EQ(fggoalstrings::text(7, 2).offset + 64, fggoalstrings::Size);
  EXPECT_EQ(ggstrings::text(2, 3, 2).offset + 64, 2304u);
  // Header fields are named by their file offsets (record offset + 2).
  EXPECT_EQ(header::MissionType.offset + 2, 100u);
  EXPECT_EQ(header::TimeLimitSeconds.offset + 2, 103u);
  EXPECT_EQ(header::HeaderByte101.offset + 2, 101u);
}

TEST(FieldTables, TextFieldsKeepTheirWidthRules) {
  FlightGroup g;
  g.setText(fg::Name, "ABCDEFGHIJKLMNOPQRSTUVWXYZ");
  EXPECT_EQ(g.name(), "ABCDEFGHIJKLMNOPQRS");  // 19: the last byte stays zero
  EXPECT_EQ(g.bytes[19], 0);
  Team t;
  t.setText(team::Name, std::string(30, 'T'));
  EXPECT_EQ(t.name().size(), 15u);
  t.setText(team::Success1, std::string(70, 'S'));
  EXPECT_EQ(t.text(team::Success1), std::string(64, 'S'));  // 64 bytes, no terminator
  EXPECT_EQ(t.bytes[team::Success2.offset], 0);
  Message m;
  m.setText(message::Text, std::string(80, 'm'));
  EXPECT_EQ(m.textValue().size(), 62u);
  // A shorter text clears the tail of a longer one.
  g.setText(fg::Name, "Red");
  EXPECT_EQ(g.name(), "Red");
  for (std::size_t i = 3; i < 20; ++i) EXPECT_EQ(g.bytes[i], 0) << i;
}

// ---- Text blocks ----------------------------------------------------------------------------

TEST(TextBlocks, LineBreaksAreStoredAsDollar) {
  const auto block = encodeTextBlock("A\r\nB", 1024);
  ASSERT_EQ(block.size(), 1024u);
  EXPECT_EQ(block[0], 'A');
  EXPECT_EQ(block[1], '$');
  EXPECT_EQ(block[2], 'B');
  for (std::size_t i = 3; i < block.size(); ++i) ASSERT_EQ(block[i], 0) << i;
  EXPECT_EQ(decodeTextBlock(block), "A\r\nB");
  // Text from a widget has bare line feeds; they are line breaks too.
  EXPECT_EQ(encodeTextBlock("A\nB", 16), encodeTextBlock("A\r\nB", 16));
  EXPECT_EQ(encodeTextBlock("A\rB", 16), encodeTextBlock("A\r\nB", 16));
}

TEST(TextBlocks, LastByteIsAlwaysZeroAndLongTextIsCut) {
  const auto block = encodeTextBlock(std::string(5000, 'x'), 1024);
  EXPECT_EQ(block[1022], 'x');
  EXPECT_EQ(block[1023], 0);
  EXPECT_EQ(decodeTextBlock(block).size(), 1023u);
}

TEST(TextBlocks, DecodingStopsAtTheLimits) {
  // A block with no zero byte: the reader stops at byte S - 2.
  std::vector<std::uint8_t> full(16, 'a');
  EXPECT_EQ(decodeTextBlock(full), std::string(15, 'a'));
  // A "$" at i = S - 3 gives a carriage return only; a "$" later gives nothing.
  std::vector<std::uint8_t> late(16, 'a');
  late[13] = '$';
  late[14] = '$';
  EXPECT_EQ(decodeTextBlock(late), std::string(13, 'a') + "\r");
}

TEST(TextBlocks, UneditedBlockKeepsItsBytes) {
  std::vector<std::uint8_t> bytes(1024, 0);
  bytes[0] = 'x';
  bytes[500] = 'y';  // after the first zero: no text, but part of the file
  bytes[1023] = 7;
  const TextBlock block = TextBlock::fromBytes(bytes);
  EXPECT_EQ(block.text(), "x");
  EXPECT_EQ(block.encoded(1024), bytes);
  // In another size the block is written from its text.
  const auto longer = block.encoded(4096);
  EXPECT_EQ(longer.size(), 4096u);
  EXPECT_EQ(longer[0], 'x');
  EXPECT_EQ(longer[500], 0);
}

// ---- Heading and last route point -----------------------------------------------------------

FlightGroup groupAt(int sx, int sy, int sz) {
  FlightGroup g;
  g.set(fg::WaypointX, static_cast<i16>(sx), Start1);
  g.set(fg::WaypointY, static_cast<i16>(sy), Start1);
  g.set(fg::WaypointZ, static_cast<i16>(sz), Start1);
  return g;
}

void setPoint(FlightGroup& g, std::size_t p, int x, int y, int z, bool enabled = true) {
  g.set(fg::WaypointX, static_cast<i16>(x), p);
  g.set(fg::WaypointY, static_cast<i16>(y), p);
  g.set(fg::WaypointZ, static_cast<i16>(z), p);
  g.set(fg::WaypointEnabled, static_cast<i16>(enabled ? 1 : 0), p);
}

TEST(Heading, WaypointOverStartPointsSouthEast) {
  FlightGroup g = groupAt(100, -50, 0);
  setPoint(g, Waypoint1, 100, -50, 0);
  const Heading h = computeHeading(g);
  EXPECT_NEAR(h.yawCos, std::sqrt(0.5), 1e-12);
  EXPECT_NEAR(h.yawSin, -std::sqrt(0.5), 1e-12);
  // dz becomes 1 as well: pitch of (1, -1, 1).
  EXPECT_NEAR(h.pitchCos, std::sqrt(2.0) / std::sqrt(3.0), 1e-12);
  EXPECT_NEAR(h.pitchSin, 1 / std::sqrt(3.0), 1e-12);
  // A height difference alone is kept.
  setPoint(g, Waypoint1, 100, -50, -30);
  const Heading down = computeHeading(g);
  EXPECT_NEAR(down.pitchSin, -30 / std::sqrt(902.0), 1e-12);
}

TEST(Heading, TowardTheFirstWaypoint) {
  FlightGroup g = groupAt(10, 20, 0);
  setPoint(g, Waypoint1, 13, 24, 0);
  const Heading h = computeHeading(g);
  EXPECT_DOUBLE_EQ(h.yawCos, 0.6);
  EXPECT_DOUBLE_EQ(h.yawSin, 0.8);
  EXPECT_DOUBLE_EQ(h.pitchCos, 1.0);
  EXPECT_DOUBLE_EQ(h.pitchSin, 0.0);
}

TEST(Heading, WithoutFirstWaypointTheDefault) {
  FlightGroup g = groupAt(0, 0, 0);
  setPoint(g, Waypoint1, 500, 500, 500, false);
  setPoint(g, Waypoint2, 500, 0, 0);
  EXPECT_EQ(computeHeading(g), Heading{});
  EXPECT_EQ(Heading{}, (Heading{1.0, 0.0, 0.0, -1.0}));
  // Only the value 1 enables a point.
  g.set(fg::WaypointEnabled, i16{2}, Waypoint1);
  EXPECT_EQ(computeHeading(g), Heading{});
}

TEST(Heading, LastRoutePoint) {
  FlightGroup g;
  std::uint8_t last = 0;
  // Start and briefing points do not count.
  for (std::size_t p : {Start1, Start2, Briefing1, Briefing8}) setPoint(g, p, 0, 0, 0);
  computeHeading(g, &last);
  EXPECT_EQ(last, 1);
  setPoint(g, Hyperspace, 0, 0, 0);
  computeHeading(g, &last);
  EXPECT_EQ(last, 14);
  FlightGroup h;
  for (std::size_t p : {Waypoint1, Waypoint2, Waypoint3}) setPoint(h, p, 0, 0, 0);
  computeHeading(h, &last);
  EXPECT_EQ(last, 7);
  setPoint(h, Rendezvous, 0, 0, 0);
  computeHeading(h, &last);
  EXPECT_EQ(last, 13);
}

TEST(Heading, UpdateHeadingStoresBothAndTheMapBox) {
  Mission m;
  m.flightGroups.push_back(groupAt(0, 0, 0));
  setPoint(m.flightGroups[0], Waypoint1, 0, 10, 0);
  setPoint(m.flightGroups[0], Hyperspace, 0, 0, 0);
  m.flightGroups[0].set(fg::WaypointX, i16{80}, Start1);
  m.updateHeading(0);
  EXPECT_EQ(m.flightGroups[0].lastRoutePoint, 14);
  EXPECT_NEAR(m.flightGroups[0].heading.yawCos, -80 / std::sqrt(6500.0), 1e-12);
  EXPECT_EQ(m.mapCentre.x, 80);
}

// ---- Map box --------------------------------------------------------------------------------

TEST(MapExtent, BoxAroundFirstStartPointsWithCraftMargins) {
  Mission m;
  m.updateMapExtent();
  EXPECT_EQ(m.mapCentre, Vec3{});
  EXPECT_EQ(m.mapExtent, Vec3{});

  FlightGroup a = groupAt(0, 0, 0);
  a.set(fg::CraftType, u8{52});  // 0.45 km: margin 72
  FlightGroup b = groupAt(1000, -200, 5);
  b.set(fg::CraftType, u8{54});  // 4 km, halved: margin 320
  m.flightGroups = {a, b};
  m.updateMapExtent();
  // x: [-72, 72] then 1000 > 72 -> max 1320; y: -200 < -72 -> min -520; z: 5 inside.
  EXPECT_EQ(m.mapExtent, (Vec3{1392, 592, 144}));
  EXPECT_EQ(m.mapCentre, (Vec3{-72 + 696, -520 + 296, 0}));
}

TEST(MapExtent, CentreDivisionTruncatesTowardZero) {
  Mission m;
  FlightGroup a = groupAt(-5, 0, 0);  // craft type 0: no margin
  FlightGroup b = groupAt(0, 0, 0);
  m.flightGroups = {a, b};
  m.updateMapExtent();
  EXPECT_EQ(m.mapExtent.x, 5);
  EXPECT_EQ(m.mapCentre.x, -3);  // -5 + 5 / 2
}

// ---- Team colours ---------------------------------------------------------------------------

TEST(TeamIff, FirstFlightGroupOfEachTeamGivesItsColour) {
  Mission m;
  auto add = [&](u8 team, u8 iff) {
    FlightGroup g;
    g.set(fg::Team, team);
    g.set(fg::Iff, iff);
    m.flightGroups.push_back(g);
  };
  add(0, 1);
  add(1, 0);
  add(0, 3);   // team 1 already has its colour
  add(12, 5);  // no such team
  add(3, 4);
  m.teamIff.fill(9);
  m.computeTeamIff();
  EXPECT_EQ(m.teamIff[0], 1);
  EXPECT_EQ(m.teamIff[1], 0);
  EXPECT_EQ(m.teamIff[2], 0);  // team 3 has no flight group
  EXPECT_EQ(m.teamIff[3], 4);
  for (std::size_t t = 4; t < TeamCount; ++t) EXPECT_EQ(m.teamIff[t], 0);
}

// ---- New mission ----------------------------------------------------------------------------

TEST(NewMission, DefaultMission) {
  Mission m;
  m.platformId = FormatBase;
  m.header.bytes.fill(0x5A);  // bytes the new mission does not name keep their values
  m.messages.resize(3);
  m.sounds = {"a.wav"};
  m.newMission();

  EXPECT_EQ(m.platformId, FormatBase);
  EXPECT_TRUE(m.sounds.empty());
  ASSERT_EQ(m.flightGroups.size(), 1u);
  const FlightGroup& g = m.flightGroups[0];
  EXPECT_EQ(g.name(), "Unnamed");
  EXPECT_EQ(g.get(fg::PlayerNumber), 1);
  EXPECT_EQ(g.get(fg::Iff), 1);
  EXPECT_EQ(m.header.get(header::FlightGroupCount), 1);
  EXPECT_EQ(m.header.get(header::MessageCount), 0);
  EXPECT_TRUE(m.messages.empty());
  EXPECT_EQ(m.missionType(), Training);
  EXPECT_EQ(m.header.get(header::TimeLimitMinutes), 0);
  EXPECT_EQ(m.header.get(header::TimeLimitSeconds), 0);
  EXPECT_EQ(m.header.get(header::HeaderByte8), 0);
  EXPECT_EQ(m.header.get(header::HeaderByte11), 0);
  EXPECT_EQ(m.header.get(header::HeaderByte101), 0);
  EXPECT_EQ(m.header.bytes[50], 0x5A);

  for (const auto& gg : m.globalGoals) {
    EXPECT_EQ(gg.get(globalgoal::Leading), 3);
    EXPECT_TRUE(std::all_of(gg.bytes.begin() + 2, gg.bytes.end(), [](auto b) { return b == 0; }));
  }
  for (const auto& t : m.teams) EXPECT_EQ(t.get(team::Leading), 1);
  EXPECT_EQ(m.teams[0].name(), "Imperial");
  EXPECT_EQ(m.teams[1].name(), "Rebel");
  EXPECT_EQ(m.teams[2].name(), "");
  EXPECT_EQ(m.teamIff[0], 1);
  EXPECT_EQ(m.teamIff[1], 0);

  for (std::size_t n = 0; n < BriefingCount; ++n) {
    const Briefing& b = m.briefings[n];
    EXPECT_EQ(b.get(model::briefing::RunningTime), 600);
    EXPECT_EQ(b.get(model::briefing::EventWordsUsed), 2);
    EXPECT_EQ(b.get(model::briefing::Events, 0), 9999);
    EXPECT_EQ(b.get(model::briefing::Events, 1), 34);
    EXPECT_EQ(b.get(model::briefing::Events, 2), 0);
    for (std::size_t t = 0; t < TeamCount; ++t)
      EXPECT_EQ(b.get(model::briefing::TeamVisible, t), t == n ? 1 : 0) << "briefing " << n;
    for (std::size_t s = 0; s < model::briefing::StringCount; ++s) {
      EXPECT_TRUE(b.tags[s].empty());
      EXPECT_TRUE(b.strings[s].empty());
    }
  }
  EXPECT_EQ(m.description.size(), 1024u);
  EXPECT_EQ(m.description.text(), "");
  EXPECT_EQ(m.successDebrief.size(), 4096u);
}

TEST(NewMission, FlightGroupTemplate) {
  Mission m;
  MissionDefaults d;
  d.defaultShip = 7;
  d.defaultAI = 3;
  m.newMission(d);
  const FlightGroup t = m.newFlightGroupTemplate(d);
  EXPECT_EQ(m.flightGroups[0].get(fg::CraftType), 7);
  EXPECT_EQ(t.name(), "Unnamed");
  EXPECT_EQ(t.get(fg::CraftType), 7);
  EXPECT_EQ(t.get(fg::AiRank), 3);
  EXPECT_EQ(t.get(fg::SpecialCraft), 1);
  EXPECT_EQ(t.get(fg::CraftCount), 1);
  EXPECT_EQ(t.get(fg::FormationSpacing), 6);
  EXPECT_EQ(t.get(fg::ObjectOrientation), 64);
  for (std::size_t n = 0; n < fg::OrderCount; ++n) {
    const CBytes o = t.orderBytes(n);
    EXPECT_EQ(get(o, order::Throttle), 10);
    EXPECT_EQ(get(o, order::Variable1), 1);
    EXPECT_EQ(get(o, order::Variable2), 1);
    EXPECT_EQ(get(o, order::Target3Or4), 1);
    EXPECT_EQ(get(o, order::Target1Or2), 1);
    EXPECT_EQ(get(o, order::Command), 0);
  }
  for (std::size_t g = 0; g < fg::GoalCount; ++g)
    EXPECT_EQ(get(t.goalBytes(g), goal::Condition), 10);
  std::set<std::size_t> enabled;
  for (std::size_t p = 0; p < PointCount; ++p)
    if (t.enabled(p)) enabled.insert(p);
  EXPECT_EQ(enabled, (std::set<std::size_t>{Start1, Waypoint1, Hyperspace, Briefing1, Briefing2}));

  d.enableWPs = false;
  enabled.clear();
  for (std::size_t p = 0; p < PointCount; ++p)
    if (m.newFlightGroupTemplate(d).enabled(p)) enabled.insert(p);
  EXPECT_EQ(enabled, (std::set<std::size_t>{Start1, Briefing1, Briefing2}));
  EXPECT_EQ(newMessageTemplate().color(), '0');
  EXPECT_EQ(newMessageTemplate().textValue(), "New Message");
}

// ---- Adding records -------------------------------------------------------------------------

TEST(AddFlightGroup, TakesTeamOneColourAndTheSettings) {
  Mission m;
  m.newMission();
  m.teamIff[0] = 3;
  MissionDefaults d;
  d.enableWPs = false;
  const int i = m.addFlightGroup(m.newFlightGroupTemplate(d), d);
  EXPECT_EQ(i, 1);
  EXPECT_EQ(m.header.get(header::FlightGroupCount), 2);
  const FlightGroup& g = m.flightGroups[1];
  EXPECT_EQ(g.get(fg::Iff), 3);
  EXPECT_TRUE(g.autoLink);
  EXPECT_FALSE(g.enabled(Waypoint1));
  EXPECT_FALSE(g.enabled(Hyperspace));
  EXPECT_EQ(g.get(fg::PlayerNumber), 0);
  EXPECT_EQ(g.heading, Heading{});
}

TEST(AddFlightGroup, MeleeGroupsFlyAnyCraftInManyWaves) {
  Mission m;
  m.newMission();
  m.header.set(header::MissionType, u8{Melee});
  m.addFlightGroup();
  const FlightGroup& g = m.flightGroups.back();
  EXPECT_EQ(g.get(fg::OptionalCraftCategory), 1);
  EXPECT_EQ(g.get(fg::WaveCount), 99);
  EXPECT_FALSE(g.autoLink);
  EXPECT_TRUE(g.enabled(Waypoint1));
}

TEST(AddMessage, MeleeMessagesAreRedAndSentToNoTeam) {
  Mission m;
  m.newMission();
  m.header.set(header::MissionType, u8{Melee});
  m.addMessage();
  const Message& msg = m.messages[0];
  EXPECT_EQ(msg.color(), '0');
  for (std::size_t t = 0; t < TeamCount; ++t) EXPECT_EQ(msg.get(message::SentToTeam, t), 0);
  EXPECT_FALSE(msg.sentToAnyTeam);
  EXPECT_EQ(msg.textValue(), "New Message");
  EXPECT_EQ(m.header.get(header::MessageCount), 1);
}

TEST(AddMessage, TrainingColourFollowsThePlayersIff) {
  const std::pair<u8, char> table[] = {{0, '1'}, {1, '0'}, {2, '2'}, {3, '3'},
                                       {4, '1'}, {5, '3'}, {6, '0'}, {200, '0'}};
  for (u8 type : {u8{Training}, u8{MultiplayerTraining}}) {
    for (const auto& [iff, colour] : table) {
      Mission m;
      m.newMission();
      m.header.set(header::MissionType, type);
      m.addFlightGroup();
      m.addFlightGroup();
      m.flightGroups[0].set(fg::Iff, u8{3});  // player 1, but not the last one
      m.flightGroups[2].set(fg::PlayerNumber, u8{1});
      m.flightGroups[2].set(fg::Iff, iff);
      m.addMessage();
      const Message& msg = m.messages[0];
      EXPECT_EQ(msg.color(), colour) << "iff " << int{iff} << " type " << int{type};
      EXPECT_EQ(msg.get(message::SentToTeam, 0), 1);
      EXPECT_TRUE(msg.sentToAnyTeam);
    }
  }
}

TEST(AddMessage, NumberIsTheCountBeforeAndNoPlayerMeansRebel) {
  Mission m;
  m.newMission();
  m.flightGroups[0].set(fg::PlayerNumber, u8{0});
  m.addMessage();
  m.addMessage();
  EXPECT_EQ(m.messages[1].get(message::MessageNumber), 1);
  EXPECT_EQ(m.messages[1].color(), '1');  // no player: Iff 0
  m.header.set(header::MissionType, u8{MultiplayerCombat});
  m.addMessage();
  EXPECT_EQ(m.messages[2].color(), '0');
  EXPECT_EQ(m.messages[2].get(message::SentToTeam, 0), 0);
}

TEST(ChangedFlags, MessageChangeMarksTheMission) {
  ChangedFlags f;
  mark(f, ChangedFlag::Message);
  EXPECT_TRUE(f.message);
  EXPECT_TRUE(f.mission);
  f = {};
  mark(f, ChangedFlag::FlightGroup);
  EXPECT_TRUE(f.any());
  EXPECT_FALSE(f.mission);
}

}  // namespace

// The forms of the editor's texts: each "%n" takes its argument, a "%" without one stays.
TEST(Texts, FormsAndListsFillAsWritten) {
  EXPECT_EQ(model::fillText("%2 before %1", {"a", "b"}), "b before a");
  EXPECT_EQ(model::fillText("100% of %1, %3", {"x"}), "100% of x, %3");
  EXPECT_EQ(model::joinedList({}, ", ", " and "), "");
  EXPECT_EQ(model::joinedList({"a"}, ", ", " and "), "a");
  EXPECT_EQ(model::joinedList({"a", "b"}, ", ", " and "), "a and b");
  EXPECT_EQ(model::joinedList({"a", "b", "c"}, ", ", " or "), "a, b or c");
}

// Texts are alike when their forms and everything that fills them are; a form is told by its
// words, wherever the program keeps them.
TEST(Texts, AlikeWhenFormAndFillingAre) {
  const std::string form = "waits on %1";  // the same words at another address
  const model::Text a("waits on %1", std::string("x"));
  EXPECT_EQ(a, model::Text(form.c_str(), std::string("x")));
  EXPECT_NE(a, model::Text("waits on %1", std::string("y")));
  EXPECT_NE(a, model::Text("needs %1", std::string("x")));
  EXPECT_NE(model::Text(std::string("x")), model::utf8Data("x"));
  EXPECT_NE(model::Text(std::string("x")), model::text("x"));
  EXPECT_EQ(model::joinedTexts({std::string("a"), model::text("b")}, "; ").english(), "a; b");
}
