#include <gtest/gtest.h>

#include "editing/waypoints.h"

using namespace editing;
using K = TypedCoordinate::Kind;

TEST(Waypoints, KilometresRoundHalvesToEven) {
  const std::vector<std::pair<std::string, int>> cases = {{"1.5", 240},
                                                          {"0.015625", 2},
                                                          {"0.021875", 4},
                                                          {"-0.015625", -2},
                                                          {"", 0},
                                                          {"-", 0},
                                                          {" 2 ", 320},
                                                          {"1,5", 240},
                                                          {".5", 80},
                                                          {"0.1", 16},
                                                          {"+3", 480},
                                                          {"204.79375", 32767},
                                                          {"-204.8", -32768},
                                                          {"0.0031250000000000001", 1},
                                                          {"-0.00625", -1}};
  for (const auto& [text, units] : cases) {
    const TypedCoordinate t = parseKm(text);
    EXPECT_EQ(t.kind, K::Value) << text;
    EXPECT_EQ(t.value, units) << text;
  }
}

TEST(Waypoints, RefusedTexts) {
  for (const char* text : {"abc", "1.2.3", "1e3", "--1", "."})
    EXPECT_EQ(parseKm(text).kind, K::NotANumber) << text;
  for (const char* text : {"300", "-204.81", "99999999999"})
    EXPECT_EQ(parseKm(text).kind, K::OutOfRange) << text;
  EXPECT_EQ(parseRaw("").kind, K::Ignore);
  EXPECT_EQ(parseRaw("-").kind, K::Ignore);
  EXPECT_EQ(parseRaw("-32768").value, -32768);
  EXPECT_EQ(parseRaw("40000").kind, K::OutOfRange);
  EXPECT_EQ(parseRaw("1.5").kind, K::NotANumber);
  EXPECT_EQ(coordinateError(parseKm("x"), "x", true).english(), "\"x\" is not a number of km.");
  EXPECT_NE(coordinateError(parseKm("300"), "300", true).english().find("off the map"),
            std::string::npos);
}

TEST(Waypoints, FormatAndBriefingPoints) {
  EXPECT_EQ(formatKm(240, 2), "1.50");
  EXPECT_EQ(formatKm(-2, 3), "-0.013");
  EXPECT_EQ(formatKm(-1, 2), "-0.01");
  model::FlightGroup g;
  g.set(model::fg::WaypointX, model::i16{-7}, model::Start1);
  g.set(model::fg::WaypointZ, model::i16{9}, model::Start1);
  setBriefingPointsToStart(g);
  for (std::size_t p = model::Briefing1; p <= model::Briefing8; ++p) {
    EXPECT_EQ(g.x(p), -7);
    EXPECT_EQ(g.z(p), 9);
  }
}
