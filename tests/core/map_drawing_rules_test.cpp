// What the map shows of a flight group: filters, route annotations, palette and icons.
#include <gtest/gtest.h>

#include "map/craft_icons.h"
#include "map/craft_types.h"
#include "map/filters.h"
#include "map/palette.h"
#include "map/route.h"
#include "map/wireframes.h"
#include "shell/vocabulary.h"

namespace {

using namespace map;
using namespace model;

FlightGroup group(int craftType, int iff = 0) {
  Mission m;
  m.newMission();
  FlightGroup g = m.flightGroups[0];
  g.set(fg::CraftType, static_cast<u8>(craftType));
  g.set(fg::Iff, static_cast<u8>(iff));
  g.set(fg::ArrivalDifficulty, u8{0});
  return g;
}

void place(FlightGroup& g, std::size_t p, int x, int y, int z, bool on = true) {
  g.set(fg::WaypointX, static_cast<i16>(x), p);
  g.set(fg::WaypointY, static_cast<i16>(y), p);
  g.set(fg::WaypointZ, static_cast<i16>(z), p);
  g.set(fg::WaypointEnabled, static_cast<i16>(on ? 1 : 0), p);
}

TEST(MapFilters, ClassesInTheirOrder) {
  EXPECT_EQ(craftClassOf(42), CraftClass::Starship);
  EXPECT_EQ(craftClassOf(92), CraftClass::Starship);
  EXPECT_EQ(craftClassOf(12), CraftClass::Starfighter);
  EXPECT_EQ(craftClassOf(30), CraftClass::Transport);
  EXPECT_EQ(craftClassOf(78), CraftClass::Platform);
  EXPECT_EQ(craftClassOf(87), CraftClass::Object);
  EXPECT_EQ(craftClassOf(41), CraftClass::Freighter);
  EXPECT_EQ(craftClassOf(31), CraftClass::None);
}

TEST(MapFilters, HiddenByIffClassTimeAndDifficulty) {
  MapFilters f;
  EXPECT_TRUE(passesFilters(f, group(1)));
  EXPECT_FALSE(passesFilters(f, group(1, 6)));  // no button for IFF 6
  EXPECT_FALSE(passesFilters(f, group(31)));    // in no class
  EXPECT_TRUE(passesFilters(f, group(93)));     // unknown types above 92 show
  f.classes[static_cast<int>(CraftClass::Starfighter)] = false;
  EXPECT_FALSE(passesFilters(f, group(1)));
  f.showAll();
  FlightGroup late = group(1);
  late.set(fg::ArrivalDelaySeconds, u8{30});
  f.within30Seconds = true;
  EXPECT_FALSE(passesFilters(f, late));
  f.within30Seconds = false;
  late.set(fg::ArrivalDifficulty, u8{3});  // hard only
  EXPECT_FALSE(passesFilters(f, late));
  f.difficulty = Difficulty::Hard;
  EXPECT_TRUE(passesFilters(f, late));
}

TEST(MapFilters, CurrentFallsToTheHighestShown) {
  EXPECT_EQ(currentAfterFiltering(1, {true, true, false}), 1);
  EXPECT_EQ(currentAfterFiltering(2, {true, true, false}), 1);
  EXPECT_EQ(currentAfterFiltering(2, {false, false, false}), 0);
}

TEST(MapRoute, LegsSkipDisabledPointsAndStarts) {
  FlightGroup g = group(1);
  place(g, Start1, 0, 0, 0);
  place(g, Start2, 5000, 0, 0);
  place(g, Waypoint1, 300, 400, 0);
  place(g, Waypoint2, 300, 800, 0);
  place(g, Waypoint3, 9000, 9000, 0, false);
  place(g, Waypoint4, 600, 800, 0);
  const LegDistances legs = legDistances(g);
  EXPECT_EQ(legs[0], 500);  // from Start 1, never Start 2
  EXPECT_EQ(legs[1], 400);
  EXPECT_EQ(legs[2], 0);
  EXPECT_EQ(legs[3], 300);  // from Waypoint 2
  EXPECT_EQ(legStart(g, Waypoint4), Waypoint2);
  EXPECT_EQ(routeDistance(legs, Waypoint4), 1200);
}

TEST(MapRoute, CruiseSpeedAndTimes) {
  FlightGroup g = group(1);  // top speed 45
  g.orderBytes(0)[order::Throttle.offset] = 10;
  EXPECT_EQ(cruiseSpeed(g), 45);
  g.orderBytes(0)[order::Speed.offset] = 20;
  EXPECT_EQ(cruiseSpeed(g), 20);
  g.orderBytes(1)[order::Command.offset] = 2;  // the first route order governs
  g.orderBytes(1)[order::Throttle.offset] = 5;
  EXPECT_EQ(cruiseSpeed(g), 22);  // 22.5, the half to the even one
  EXPECT_EQ(formatTime(45), "00:45");
  EXPECT_EQ(formatTime(125), "2:05");
  EXPECT_EQ(formatTime(-1), "1092:15");  // taken as unsigned 16-bit
}

TEST(MapRoute, LabelsAndAnnotations) {
  FlightGroup g = group(1);
  g.setText(fg::Name, " Red 1");
  place(g, Waypoint1, 560, 0, 0);
  LabelOptions o;
  EXPECT_EQ(pointLabel(g, Start1, o), "   Red 1");
  EXPECT_EQ(pointLabel(g, Waypoint3, o), "  w 3 Red 1");
  o.currentOnly = true;
  EXPECT_EQ(pointLabel(g, Hyperspace, o), "  HYP");
  o.distances = true;
  EXPECT_EQ(pointAnnotation(g, Waypoint1, legDistances(g), o), "3.50km ");
  o.distances = false;
  o.times = true;
  g.orderBytes(0)[order::Throttle.offset] = 0;
  EXPECT_EQ(pointAnnotation(g, Waypoint1, legDistances(g), o), "(Holding)");
  g.set(fg::CraftType, u8{26});
  o.distances = true;
  EXPECT_EQ(pointAnnotation(g, Waypoint1, legDistances(g), o), "");  // containers never
}

// The label layout measures labels without making them: the same length and leading blanks.
TEST(MapRoute, LabelExtentIsThatOfTheLabel) {
  FlightGroup g = group(1);
  for (const char* name : {"", " Red 1 "})
    for (const bool currentOnly : {false, true})
      for (std::size_t p = 0; p < PointCount; ++p) {
        g.setText(fg::Name, name);
        const LabelOptions o{true, currentOnly};
        const std::string label = pointLabel(g, p, o);
        const LabelExtent e = pointLabelExtent(trimmedName(g).size(), p, o);
        EXPECT_EQ(e.length, label.size()) << p;
        EXPECT_EQ(e.lead, std::min(label.find_first_not_of(' '), label.size())) << p;
      }
  EXPECT_EQ(pointLabelExtent(5, Start1, LabelOptions{false}).length, 0u);
}

// The times and distances under the route points too, over distances, speeds and delays.
TEST(MapRoute, AnnotationExtentIsThatOfTheAnnotation) {
  FlightGroup g = group(1);
  for (const int x : {0, 159, 160, 1599, 1600, 16000, 32000})
    for (const u8 throttle : {0, 3, 10})
      for (const u8 delay : {0, 20}) {
        place(g, Waypoint1, x, 0, 0);
        g.orderBytes(0)[order::Throttle.offset] = throttle;
        g.set(fg::ArrivalDelaySeconds, delay);
        for (const bool distances : {false, true})
          for (const bool times : {false, true})
            for (const std::size_t p : {Start1, Waypoint1}) {
              const LabelOptions o{true, false, distances, times};
              const std::string text = pointAnnotation(g, p, legDistances(g), o);
              const LabelExtent e = pointAnnotationExtent(g, p, legDistances(g), o);
              EXPECT_EQ(e.length, text.size()) << x << " " << int{throttle} << " " << text;
              EXPECT_EQ(e.lead, std::min(text.find_first_not_of(' '), text.size())) << text;
            }
      }
}

// Kilometres round to the nearest hundredth of the distance as a double; a tie to the even one.
TEST(MapRoute, DistancesRoundToHundredths) {
  FlightGroup g = group(1);
  const LabelOptions o{true, false, true, false};
  for (const auto& [x, text] : std::initializer_list<std::pair<int, const char*>>{
           {4, "0.03km "},  // 0.025 lies a little above as a double
           {20, "0.12km "},
           {60, "0.38km "},
           {100, "0.62km "},
           {159, "0.99km "},
           {32767, "204.79km "}}) {
    place(g, Waypoint1, x, 0, 0);
    EXPECT_EQ(pointAnnotation(g, Waypoint1, legDistances(g), o), text) << x;
  }
}

TEST(MapRoute, ArrivalDelayShowsInBrackets) {
  FlightGroup g = group(1);
  g.orderBytes(0)[order::Throttle.offset] = 10;
  place(g, Waypoint1, 160, 0, 0);
  g.set(fg::ArrivalDelaySeconds, u8{20});
  LabelOptions o;
  o.times = true;
  // 1 km at 45: 1 / (45 * 0.0022094...) = 10.06 -> 10 s; arrival 20 + 10 + 5.
  EXPECT_EQ(pointAnnotation(g, Waypoint1, legDistances(g), o), "(00:10) <00:35>");
}

TEST(MapPalette, SlotsCellsAndColours) {
  EXPECT_EQ(paletteSlotAt(0, 590, 600), 38);
  EXPECT_EQ(paletteCraftType(38), 42);
  EXPECT_EQ(paletteSlotAt(20, 570, 600), 2);
  EXPECT_EQ(paletteSlotAt(20, 560, 600), std::nullopt);
  EXPECT_EQ(paletteSlotAt(591, 590, 600), std::nullopt);
  const std::pair<int, int> slots[] = {{9, 9},   {10, 12}, {29, 32}, {36, 40}, {57, 66},
                                       {63, 75}, {67, 80}, {68, 83}, {70, 86}, {72, 90}};
  for (auto [slot, type] : slots) EXPECT_EQ(paletteCraftType(slot), type) << slot;
  EXPECT_TRUE(placedWithoutRoute(26));
  EXPECT_FALSE(placedWithoutRoute(42));

  Mission m;
  m.newMission();
  EXPECT_EQ(paletteIff(m, 1), 0);  // the Rebel team's colour
  m.flightGroups[0].set(fg::Team, u8{1});
  m.flightGroups[0].set(fg::Iff, u8{3});
  EXPECT_EQ(paletteIff(m, 1), 3);  // its last flight group wins
  EXPECT_EQ(nextPaletteTeam(9), 0);
  EXPECT_EQ(previousPaletteTeam(0), 9);
}

TEST(MapIcons, ColumnsAndRows) {
  const std::pair<int, int> cases[] = {{0, 10},  {93, 10}, {5, 5},   {60, 60}, {63, 60},
                                       {68, 63}, {71, 65}, {77, 68}, {80, 70}, {84, 71},
                                       {86, 11}, {87, 62}, {91, 73}};
  for (auto [type, column] : cases) EXPECT_EQ(iconColumn(type), column) << type;
  EXPECT_EQ(iconColumn(86, true), 62);
  EXPECT_EQ(iffRow(4), 1);
  EXPECT_EQ(iffRow(5), 4);
}

// Every craft type of the vocabulary has its row: an icon of the strip, a model wherever it is
// drawn as one, and the slots neither format fills ("-") marked so.
TEST(CraftTypes, EveryTypeHasItsRow) {
  const auto& names = shell::Vocabulary::builtIn(shell::tables::Ships);
  ASSERT_EQ(names.size(), static_cast<std::size_t>(CraftTypeCount));
  for (int t = 0; t < CraftTypeCount; ++t) {
    const CraftFacts& f = craftFacts(t);
    EXPECT_TRUE(f.icon.map >= 1 && f.icon.map <= IconColumns) << t;
    EXPECT_TRUE(f.icon.briefing == -1 || (f.icon.briefing >= 1 && f.icon.briefing <= IconColumns))
        << t;
    EXPECT_EQ(f.wireframe != Wireframe::None, craftModel(t) != nullptr) << t;
    EXPECT_GE(f.size, 0.0) << t;
    EXPECT_EQ(isUnsupportedSlot(t), names[static_cast<std::size_t>(t)] == "-") << t;
  }
  EXPECT_EQ(&craftFacts(CraftTypeCount), &craftFacts(-1));
  EXPECT_EQ(craftFacts(CraftTypeCount).classes, 0);
}

}  // namespace
