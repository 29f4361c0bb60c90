#pragma once
// A JSON Schema of the mission JSON (`zyned-cli dump`, `from-json`), made from the same field
// declarations the reader and writer use: names, types, ranges, text lengths and counts. Text
// editors check and complete a mission edited by hand with it.

#include <string>

namespace json {

// The schema as `zyned-cli schema` prints it (and data/mission.schema.json holds).
std::string missionSchema();

}  // namespace json
