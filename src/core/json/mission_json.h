#pragma once
// A Mission as JSON and back, losing nothing: every record field under its own name (from the
// field tables of model/layouts.h), and where a file holds bytes no field shows (after a text's
// first zero, after a text block's terminator, bytes no field covers), keys that hold them. A
// Mission read from a file, dumped and read back from the JSON writes the identical file.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "model/mission.h"
#include "model/mission_file.h"

namespace json {

// The Mission as JSON text: what `zyned-cli dump` writes.
std::string dumpMission(const model::Mission& m);

struct MissionResult {
  std::string error;  // empty on success; else one message naming the JSON path
  bool ok() const { return error.empty(); }
};

// Builds `out` from JSON text: every record byte for byte as the JSON says, keys it leaves out
// from a new Mission's records (a missing flight-group or message list means none). The Mission
// holds exactly what a file of that content loads as, except the values a load derives
// (headings, team colours, auto-link): read it through `readMissionJson` to have those. On any
// refusal (not JSON, an unknown key, a wrong type, a number out of range, a text too long, a
// wrong count) `out` is untouched and the error names the JSON path: "FlightGroups[3].CraftType:
// 300 is outside 0..255".
MissionResult missionFromJson(std::string_view text, model::Mission& out);

// JSON text to a Mission as loading the file it describes gives it (derived values computed,
// auto-link from `defaults`). `out` is untouched on refusal.
MissionResult readMissionJson(std::string_view text, model::Mission& out,
                              const model::MissionDefaults& defaults = {});
// The same for a JSON file: a file that cannot be read gives readWholeFile's message, a refusal
// the file's path before the message.
MissionResult readMissionJsonFile(const std::string& path, model::Mission& out,
                                  const model::MissionDefaults& defaults = {});

}  // namespace json
