#pragma once
// The JSON shape of a Mission, shared by the dump, the JSON reader, the schema and the diff: which
// keys a record has beside its declared fields, and the ranges of numbers.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "json/document.h"
#include "model/fields.h"
#include "model/mission.h"

namespace json {

// The Mission as a JSON value, keys in the order the dump prints them.
Value missionValue(const model::Mission& m);

// The keys of the top-level object, in order (without the keys a text block may add).
inline constexpr std::string_view TopKeys[] = {
    "PlatformId",  "Header",         "FlightGroups",   "Messages",
    "GlobalGoals", "Teams",          "Briefings",      "GlobalGoalStrings",
    "Description", "SuccessDebrief", "FailureDebrief", "TrailingBytes"};
// The text blocks, their sizes in the expansion format (the description is 1024 bytes in the
// base format), and the keys a block adds when its bytes are not all in its text.
inline constexpr std::string_view TextBlocks[] = {"Description", "SuccessDebrief",
                                                  "FailureDebrief"};
inline constexpr std::size_t BlockSizeBase = 1024, BlockSizeExpansion = 4096;
inline constexpr std::string_view TailSuffix = "Tail", BytesSuffix = "Bytes";

// The keys a flight group, a message and a briefing hold beside their record's fields.
inline constexpr std::string_view RawGroupsKey = "RawGroups", GoalStringsKey = "GoalStrings";
inline constexpr std::string_view TagsKey = "BriefingTags", StringsKey = "BriefingStrings";

// Bytes of a record that no field covers (nor, in a flight group, a raw group): shown as
// "Raw" + offset when any of them is not zero, after the field they follow.
struct Gap {
  std::size_t offset = 0, width = 0;
  std::size_t after = 0;  // the number of fields before it
};
const std::vector<Gap>& gapsOf(const model::RecordLayout& layout);
std::string gapName(std::size_t offset);

// "NameTail": the bytes of a text field after its text, from the terminating zero on, present
// when they are not all zero.
std::string tailName(std::string_view field);

// The values a number field takes: its declared range. A message's Color is the ASCII digit
// "0".."3" (red, green, blue, gold) as the editor holds it.
struct Range {
  long long min = 0, max = 0;
};
Range rangeOf(const model::RecordLayout& layout, const model::FieldInfo& field);

// The width of a message's text: 63 bytes, and for a red message 64 (its text begins in the
// colour byte).
inline constexpr std::size_t RedTextWidth = 64;

}  // namespace json
