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

// A place as refusals name it, followed by ": ": words joined by ".", array positions "[3]",
// keys that are no words quoted in brackets ["a b"] (as JSON strings).
bool startsWithPath(std::string_view e) {
  std::size_t i = 0;
  while (i < e.size()) {
    if (e[i] == '[') {
      ++i;
      if (i < e.size() && e[i] == '"') {
        for (++i; i < e.size() && e[i] != '"'; ++i)
          if (e[i] == '\\') ++i;
        if (i >= e.size()) return false;
        ++i;
      } else {
        const std::size_t digits = i;
        while (i < e.size() && e[i] >= '0' && e[i] <= '9') ++i;
        if (i == digits) return false;
      }
      if (i >= e.size() || e[i] != ']') return false;
      ++i;
    } else if (isWordChar(e[i]) && (i == 0 || e[i - 1] == '.' || e[i - 1] == ']')) {
      while (i < e.size() && isWordChar(e[i])) ++i;
    } else if (e[i] == '.' && i > 0) {
      ++i;
    } else {
      break;
    }
  }
  return i > 0 && e.substr(i).starts_with(": ");
}

// Text that is no JSON names its line and column; a key twice in the document's top names the
// key; anything else names the path of the value refused.
bool namesPlace(const std::string& error) {
  return error.starts_with("line ") || error.starts_with("the key \"") ||
         error.starts_with("expected an object at the top") || startsWithPath(error);
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
