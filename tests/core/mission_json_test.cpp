// Missions as JSON: the dump loses nothing, reading it back gives the identical file, edits
// change exactly their field's bytes, and every kind of bad JSON is refused naming its path.
#include <gtest/gtest.h>

#include <functional>
#include <set>

#include "json/document.h"
#include "json/mission_json.h"
#include "mission_generator.h"
#include "model/mission_file.h"
#include "temp_dir.h"

namespace {

using namespace model;
using Bytes8 = std::vector<std::uint8_t>;

Mission loadMission(const Bytes8& file) {
  Mission m;
  const ReadResult r = readMission(file, m);
  EXPECT_TRUE(r.ok()) << r.message;
  return m;
}

std::size_t messageAt(const testgen::FileMap& map, std::size_t i) {
  return map.messages + i * message::Size;
}

std::size_t descriptionAt(const testgen::FileMap& map, std::int16_t format) {
  return map.textBlocks + (format == FormatBase ? 0 : 2 * 4096);
}

// A mission as files from other tools hold them: bytes after texts' first zero, after a text
// block's terminator and in bytes no field covers; red messages whose colour byte is zero or
// whose text fills every byte; a debriefing with a raw carriage return; trailing bytes.
Bytes8 junkMission(std::int16_t format) {
  Mission m;
  m.platformId = format;
  m.newMission();
  m.addFlightGroup();
  for (int i = 0; i < 4; ++i) m.addMessage();
  m.messages[1].set(message::Color, u8{'1'});
  m.messages[1].setText(message::Text, "Go");
  m.description.setText("Line one\r\nLine two", format == FormatBase ? 1024 : 4096);
  m.trailingBytes = {1, 2, 3};
  Bytes8 f = writeMission(m);
  const auto map = testgen::mapFile(f);
  f[map.flightGroups + 10] = 'X';                         // after "Unnamed"
  f[map.flightGroups + fg::Size + 144] = 7;               // no field covers 144
  f[messageAt(map, 0) + 40] = 'j';                        // after "New Message" (red)
  f[messageAt(map, 1) + 3 + 10] = 'k';                    // after "Go" (green)
  std::fill_n(f.begin() + messageAt(map, 2) + 2, 64, 0);  // red, empty, junk behind
  f[messageAt(map, 2) + 30] = 'z';
  std::fill_n(f.begin() + messageAt(map, 3) + 2, 64, 'x');  // red, no zero at all
  f[map.teams + 2 + 12] = 'Z';                              // after "Imperial"
  f[descriptionAt(map, format) + 100] = 9;                  // after the terminator
  if (format == FormatExpansion)  // a success debriefing with a raw carriage return
    for (std::size_t i = 0; i < 3; ++i) f[map.textBlocks + i] = static_cast<u8>("A\rB"[i]);
  return f;
}

struct Sample {
  std::string name;
  Bytes8 file;
};

std::vector<Sample> samples() {
  std::vector<Sample> out{{"junk 12", junkMission(FormatBase)},
                          {"junk 14", junkMission(FormatExpansion)},
                          {"large", testgen::largeMissionFile(2)}};
  Mission fresh;
  fresh.newMission();
  out.push_back({"new mission", writeMission(fresh)});
  // Few records each: the kinds of junk vary with the seed, not with the counts.
  const testgen::GeneratorLimits small{3, 5, 80, 64};
  for (std::uint64_t seed = 1; seed <= 16; ++seed)
    out.push_back({"seed " + std::to_string(seed), testgen::randomMissionFile(seed, small)});
  return out;
}

Bytes8 fromJson(const std::string& text) {
  Mission m;
  const json::MissionResult r = json::missionFromJson(text, m);
  EXPECT_TRUE(r.ok()) << r.error;
  return writeMission(m);
}

TEST(MissionJson, DumpThenFromJsonGivesTheIdenticalFile) {
  for (const Sample& s : samples()) {
    EXPECT_TRUE(fromJson(json::dumpMission(loadMission(s.file))) == s.file) << s.name;
  }
}

TEST(MissionJson, BytesNoFieldShowsGetKeysOnlyWhereTheyAreNotZero) {
  Mission clean;
  clean.newMission();
  clean.addMessage();
  for (const char* key : {"Tail\"", "DescriptionBytes", "DebriefBytes", "\"Raw144\""})
    EXPECT_EQ(json::dumpMission(clean).find(key), std::string::npos) << key;

  const std::string dump = json::dumpMission(loadMission(junkMission(FormatExpansion)));
  auto zeros = [](std::size_t n) {
    std::string s;
    for (std::size_t i = 0; i < n; ++i) s += ", 0";
    return s;
  };
  const std::string lines[] = {
      "\"Name\": \"Unnamed\",\n      \"NameTail\": [0, 0, 0, 88" + zeros(9) + "],",
      std::string("\"Raw144\": [7, 0],"),
      "\"Text\": \"New Message\",\n      \"TextTail\": [0" + zeros(26) + ", 106" + zeros(25) + "],",
      "\"Text\": \"Go\",\n      \"TextTail\": [0" + zeros(7) + ", 107" + zeros(52) + "],",
      "\"Text\": \"\",\n      \"TextTail\": [0" + zeros(27) + ", 122" + zeros(35) + "],",
      "\"Text\": \"" + std::string(63, 'x') + "\",\n      \"TextTail\": [120],",
      "\"Name\": \"Imperial\",\n      \"NameTail\": [0, 0, 0, 0, 90, 0, 0, 0],",
      std::string("\"Description\": \"Line one\\nLine two\",\n  \"DescriptionTail\": [0"),
      std::string("\"SuccessDebrief\": \"A\\nB\",\n  \"SuccessDebriefBytes\": [65, 13, 66, 0"),
  };
  for (const std::string& line : lines) EXPECT_NE(dump.find(line), std::string::npos) << line;
}

TEST(MissionJson, AnEditChangesExactlyThatFieldsBytes) {
  const Bytes8 file = junkMission(FormatExpansion);
  const auto map = testgen::mapFile(file);
  const std::size_t fg1 = map.flightGroups + fg::Size;
  struct Case {
    const char* name;
    std::function<void(json::Value&)> edit;
    std::set<std::size_t> changed;
  };
  const Case cases[] = {
      {"craft type", [](json::Value& v) { v["FlightGroups"][1]["CraftType"] = 12; }, {fg1 + 82}},
      {"waypoint",
       [](json::Value& v) { v["FlightGroups"][1]["WaypointX"][3] = -2; },
       {fg1 + 1126 + 6, fg1 + 1126 + 7}},
      {"order throttle",
       [](json::Value& v) { v["FlightGroups"][1]["Orders"][2]["Throttle"] = 4; },
       {fg1 + 162 + 2 * 82 + 1}},
      {"message text",
       [](json::Value& v) { v["Messages"][1]["Text"] = "Ok"; },
       {messageAt(map, 1) + 3, messageAt(map, 1) + 4}},
      {"team name",
       [](json::Value& v) { v["Teams"][1]["Name"] = "Rebels"; },
       {map.teams + team::Size + 2 + 5}},
      {"event word",
       [](json::Value& v) { v["Briefings"][0]["Events"][12] = 3; },
       {map.briefings + 10 + 24}},
      {"description",
       [](json::Value& v) { v["Description"] = "Line one\nLine Two"; },
       {descriptionAt(map, FormatExpansion) + 14}},
  };
  json::Value dump;
  std::string error;
  ASSERT_TRUE(json::parse(json::dumpMission(loadMission(file)), dump, error)) << error;
  for (const Case& c : cases) {
    json::Value v = dump;  // edited as a designer would, then read back
    c.edit(v);
    const Bytes8 back = fromJson(json::print(v));
    ASSERT_EQ(back.size(), file.size()) << c.name;
    std::set<std::size_t> changed;
    for (std::size_t i = 0; i < file.size(); ++i)
      if (back[i] != file[i]) changed.insert(i);
    EXPECT_EQ(changed, c.changed) << c.name;
  }
}

TEST(MissionJson, MissingKeysTakeTheNewRecords) {
  Mission m;
  ASSERT_TRUE(json::readMissionJson("{}", m).ok());
  EXPECT_EQ(m.platformId, FormatExpansion);
  EXPECT_TRUE(m.flightGroups.empty());
  EXPECT_TRUE(m.messages.empty());
  EXPECT_EQ(m.teams[0].name(), "Imperial");
  EXPECT_EQ(m.briefings[2].get(model::briefing::TeamVisible, 2), 1);

  ASSERT_TRUE(json::readMissionJson(R"({"PlatformId": 12, "FlightGroups": [{"Name": "Solo"}],
      "Messages": [{}, {"Color": 49, "Text": "Go"}], "Header": {"MissionType": 2}})",
                                    m)
                  .ok());
  EXPECT_EQ(m.platformId, FormatBase);
  ASSERT_EQ(m.flightGroups.size(), 1u);
  Mission fresh;
  fresh.newMission();
  const FlightGroup tmpl = fresh.newFlightGroupTemplate({});
  FlightGroup solo = m.flightGroups[0];
  solo.setText(fg::Name, "Unnamed");
  EXPECT_TRUE(solo.bytes == tmpl.bytes);
  ASSERT_EQ(m.messages.size(), 2u);
  EXPECT_EQ(m.messages[0].textValue(), "New Message");
  EXPECT_EQ(m.messages[1].get(message::MessageNumber), 1);
  EXPECT_EQ(m.messages[1].color(), '1');
  EXPECT_EQ(m.header.get(header::FlightGroupCount), 1);
  EXPECT_EQ(m.header.get(header::MissionType), 2);
}

TEST(MissionJson, RefusalsNameTheJsonPathAndChangeNothing) {
  json::Value base;
  std::string error;
  ASSERT_TRUE(json::parse(R"({"PlatformId": 14, "FlightGroups": [{}, {}],
                              "Messages": [{}, {"Color": 49, "Text": "Go"}]})",
                          base, error));
  using Edit = std::function<void(json::Value&)>;
  // Sets the value at a path of keys and array positions ("3").
  auto set = [](std::vector<std::string> path, json::Value value) -> Edit {
    return [=](json::Value& v) {
      json::Value* at = &v;
      for (const std::string& step : path)
        at = std::isdigit(static_cast<unsigned char>(step[0])) ? &(*at)[std::stoul(step)]
                                                               : &(*at)[step];
      *at = value;
    };
  };
  auto list = [](std::size_t n, json::Value entry) {
    return json::Value(json::Value::array_t(n, entry));
  };
  const json::Value object = json::Value::object();
  struct Case {
    Edit edit;
    std::string message;
  };
  const Case cases[] = {
      // Unknown keys.
      {set({"Colour"}, 1), "Colour: unknown key"},
      {set({""}, 1), "[\"\"]: unknown key"},
      {set({"FlightGroups", "1", "a b"}, 1), "FlightGroups[1][\"a b\"]: unknown key"},
      {set({"FlightGroups", "1", "Colour"}, 1), "FlightGroups[1].Colour: unknown key"},
      {set({"FlightGroups", "0", "RawGroups", "Raw8"}, 1),
       "FlightGroups[0].RawGroups.Raw8: unknown key"},
      {set({"Teams"}, list(10, {{"Raw5", 0}})), "Teams[0].Raw5: unknown key"},
      // Wrong types.
      {set({"FlightGroups", "1", "CraftType"}, "5"),
       "FlightGroups[1].CraftType: expected a number, found a string"},
      {set({"Messages", "0"}, 5), "Messages[0]: expected an object, found a whole number"},
      {set({"FlightGroups", "0", "WaypointY"}, list(22, 1.5)),
       "FlightGroups[0].WaypointY[0]: 1.5 is not a whole number"},
      {set({"FlightGroups", "1", "Name"}, nullptr),
       "FlightGroups[1].Name: expected a string, found null"},
      {set({"FlightGroups"}, object), "FlightGroups: expected an array, found an object"},
      // Numbers out of their range.
      {set({"FlightGroups", "1", "CraftType"}, 300),
       "FlightGroups[1].CraftType: 300 is outside 0..255"},
      {set({"FlightGroups", "0", "WaypointX"}, list(22, -40000)),
       "FlightGroups[0].WaypointX[0]: -40000 is outside -32768..32767"},
      {set({"FlightGroups", "0", "Goals"}, list(8, {{"Points", 128}})),
       "FlightGroups[0].Goals[0].Points: 128 is outside -128..127"},
      {set({"Messages", "1", "Color"}, 52), "Messages[1].Color: 52 is outside 48..51"},
      {set({"Messages", "1", "Color"}, 47), "Messages[1].Color: 47 is outside 48..51"},
      // Raw, gap and tail bytes are bytes.
      {set({"TrailingBytes"}, json::Value::array({7, 256})),
       "TrailingBytes[1]: 256 is outside 0..255"},
      {set({"Header", "Raw6"}, json::Value::array({0, -1})),
       "Header.Raw6[1]: -1 is outside 0..255"},
      {set({"FlightGroups", "0", "NameTail"}, list(13, 256)),
       "FlightGroups[0].NameTail[0]: 256 is outside 0..255"},
      {set({"FlightGroups", "1", "RawGroups", "Raw1"}, list(10, -1)),
       "FlightGroups[1].RawGroups.Raw1[0]: -1 is outside 0..255"},
      {set({"DescriptionTail"}, list(4096, 300)), "DescriptionTail[0]: 300 is outside 0..255"},
      {set({"PlatformId"}, 13), "PlatformId: 13 is neither 12 (Zyn Format) nor 14 (Qvn Format)"},
      // Texts.
      {set({"FlightGroups", "0", "Name"}, std::string(21, 'n')),
       "FlightGroups[0].Name: 21 characters, the field holds at most 20"},
      {set({"Messages", "1", "Text"}, std::string(64, 't')),
       "Messages[1].Text: 64 characters, the field holds at most 63"},
      {set({"Description"}, std::string(4096, 'd')),
       "Description: 4096 characters, the block holds at most 4095"},
      {[&](json::Value& v) {
         v["Briefings"] = list(8, object);
         v["Briefings"][2]["BriefingStrings"] = list(32, "");
         v["Briefings"][2]["BriefingStrings"][5] = std::string(70000, 's');
       },
       "Briefings[2].BriefingStrings[5]: 70000 characters, a briefing string holds at most 65535"},
      {set({"FlightGroups", "0", "Cargo"}, "\xe4\xb8\xad"),
       "FlightGroups[0].Cargo: the character \"\xe4\xb8\xad\" has no Windows-1252 form"},
      {set({"FlightGroups", "0", "Cargo"}, std::string("a\0b", 3)),
       "FlightGroups[0].Cargo: a zero character ends a text in the file; it cannot stand inside "
       "one"},
      {set({"Messages", "0", "Text"}, "1 wing"),
       "Messages[0].Text: a red message cannot begin with \"1\", \"2\" or \"3\": the file would "
       "read it as the colour"},
      {set({"FlightGroups", "0", "NameTail"}, json::Value::array({0, 1})),
       "FlightGroups[0].NameTail: 2 entries, expected 13"},
      {set({"DescriptionTail"}, json::Value::array({0})),
       "DescriptionTail: 1 entry, expected 4096"},
      {[](json::Value& v) {
         v["SuccessDebrief"] = "edited";
         v["SuccessDebriefBytes"] = json::Value::array_t(4096, 0);
       },
       "SuccessDebrief: does not match the text SuccessDebriefBytes holds; change one of them and "
       "remove the other"},
      // Counts.
      {set({"Briefings"}, list(7, object)), "Briefings: 7 entries, expected 8"},
      {set({"Teams"}, list(11, object)), "Teams: 11 entries, expected 10"},
      {set({"GlobalGoals"}, list(9, object)), "GlobalGoals: 9 entries, expected 10"},
      {set({"FlightGroups", "0", "WaypointX"}, json::Value::array({1, 2})),
       "FlightGroups[0].WaypointX: 2 entries, expected 22"},
      {set({"Briefings"}, list(8, {{"Events", list(399, 0)}})),
       "Briefings[0].Events: 399 entries, expected 400"},
      {set({"Briefings"}, list(8, {{"BriefingTags", list(31, "")}})),
       "Briefings[0].BriefingTags: 31 entries, expected 32"},
      {set({"Header", "FlightGroupCount"}, 3),
       "Header.FlightGroupCount: 3, but FlightGroups has 2 entries"},
      // Two names of one byte that disagree.
      {set({"FlightGroups", "0"},
           {{"ArriveOnlyIfHuman", 0}, {"RawGroups", {{"Raw1", {0, 0, 0, 0, 1, 0, 0, 0, 0, 0}}}}}),
       "FlightGroups[0].RawGroups.Raw1[4]: 1 differs from ArriveOnlyIfHuman 0, which is the same "
       "byte"},
      {[](json::Value& v) { v["PlatformId"] = 12, v["SuccessDebrief"] = "Won"; },
       "SuccessDebrief: a mission of format 12 has no debriefings"},
  };
  const Bytes8 file = junkMission(FormatBase);
  for (const Case& c : cases) {
    json::Value v = base;
    c.edit(v);
    Mission out = loadMission(file);
    EXPECT_EQ(json::missionFromJson(json::print(v), out).error, c.message);
    EXPECT_TRUE(writeMission(out) == file) << c.message;
  }
}

TEST(MissionJson, TextThatIsNotJsonIsRefusedWithLineAndColumn) {
  Mission m;
  const struct {
    const char* text;
    const char* message;
  } cases[] = {
      {"{\n  \"PlatformId\": 14,\n  oops\n}", "line 3, column 3: syntax error"},
      {"", "line 1, column 1: syntax error"},
      // A number past what a double holds is no syntax error to the parser, but still refused
      // with its place.
      {"{\"PlatformId\": 14,\n \"Header\": {\"MissionType\": -1E8806}}",
       "line 2, column 28: number overflow parsing '-1E8806'"},
      {"{\"PlatformId\": 1E400}", "line 1, column 16: number overflow parsing '1E400'"},
      {"{\n\n\n  \"PlatformId\": 14, \"Header\": 2e999}", "line 4, column 31: number overflow"},
      {"{\"Header\": {\"MissionType\": 1, \"MissionType\": 2}}",
       "Header: the key \"MissionType\" appears twice"},
      {"[]", "expected an object at the top, found an array"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(json::missionFromJson(c.text, m).error.rfind(c.message, 0), 0u)
        << json::missionFromJson(c.text, m).error;
}

// A JSON file: one that cannot be read is named in the message, a refusal follows its path, and
// the Mission stays as it was on either.
TEST(MissionJson, AFileIsReadOrRefusedNamingIt) {
  testsupport::TempDir dir;
  Mission m;
  m.newMission();
  const std::string missing = dir / "missing.json";
  const std::string error = json::readMissionJsonFile(missing, m).error;
  EXPECT_NE(error.find("\"" + missing + "\""), std::string::npos) << error;

  const std::string bad = dir / "bad.json";
  testsupport::writeFile(bad, R"({"FlightGroups": [{"CraftType": 300}]})");
  EXPECT_EQ(json::readMissionJsonFile(bad, m).error,
            bad + ": FlightGroups[0].CraftType: 300 is outside 0..255");
  ASSERT_EQ(m.flightGroups.size(), 1u);
  EXPECT_EQ(m.flightGroups[0].name(), "Unnamed");

  const std::string good = dir / "good.json";
  testsupport::writeFile(good, R"({"FlightGroups": [{"Name": "Solo"}, {}]})");
  ASSERT_TRUE(json::readMissionJsonFile(good, m).ok());
  ASSERT_EQ(m.flightGroups.size(), 2u);
  EXPECT_EQ(m.flightGroups[0].name(), "Solo");
}

}  // namespace
