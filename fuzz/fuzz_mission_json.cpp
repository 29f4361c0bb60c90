// libFuzzer target for the JSON mission reader (`zyned-cli from-json`, File > Import JSON): any
// text is accepted or refused, never a crash. Accepted text becomes a mission whose dump reads
// back to the same mission and whose file the mission reader takes back byte for byte; a refusal
// names where in the JSON it lies (a path, or the line and column of text that is no JSON) and
// leaves the mission it was to fill untouched.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "fuzz_check.h"
#include "json/mission_json.h"
#include "model/mission_file.h"

namespace {

constexpr const char* Target = "fuzz_mission_json";

bool isWordChar(char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_';
}

// "line 3, column 14: ...", "FlightGroups[2].Orders[0].Command: ..." or the document's top.
bool namesPlace(const std::string& error) {
  if (error.starts_with("line ") || error.starts_with("expected an object at the top")) return true;
  const std::size_t colon = error.find(": ");
  if (colon == std::string::npos || colon == 0) return false;
  // A path is words joined by dots and array indices; a key that is no word is quoted.
  const std::string_view path(error.data(), colon);
  if (path.front() == '"') return path.size() >= 2 && path.back() == '"';
  for (std::size_t i = 0; i < path.size(); ++i) {
    const char c = path[i];
    if (isWordChar(c) || c == '.' || c == '[' || c == ']') continue;
    return false;
  }
  return isWordChar(path.front());
}

// What a refusal must leave as it was.
const model::Mission& sentinel() {
  static const model::Mission m = [] {
    model::Mission s;
    s.newMission();
    s.briefings[0].strings[0] = "untouched";
    s.addFlightGroup();
    return s;
  }();
  return m;
}

const std::vector<std::uint8_t>& sentinelImage() {
  static const std::vector<std::uint8_t> image = model::writeMission(sentinel());
  return image;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text = fuzzcheck::text(data, size);
  model::Mission mission = sentinel();
  const json::MissionResult r = json::missionFromJson(text, mission);
  if (!r.ok()) {
    if (model::writeMission(mission) != sentinelImage())
      fuzzcheck::fail(Target, "a refusal changed the mission it was to fill");
    if (!namesPlace(r.error))
      fuzzcheck::fail(Target, ("the refusal names no place: " + r.error).c_str());
    return 0;
  }
  const std::vector<std::uint8_t> image = model::writeMission(mission);

  // The dump reads back to the same mission.
  const std::string dump = json::dumpMission(mission);
  model::Mission again;
  const json::MissionResult back = json::missionFromJson(dump, again);
  if (!back.ok()) fuzzcheck::fail(Target, ("the dump is refused: " + back.error).c_str());
  if (model::writeMission(again) != image)
    fuzzcheck::fail(Target, "the dump does not read back to the same mission");

  // The file written from it is one the mission reader takes, byte for byte.
  model::Mission loaded;
  const model::ReadResult read = model::readMission(image, loaded);
  if (!read.ok()) fuzzcheck::fail(Target, ("its file is refused: " + read.message).c_str());
  if (model::writeMission(loaded) != image)
    fuzzcheck::fail(Target, "its file does not read back byte for byte");
  return 0;
}
