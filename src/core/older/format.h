#pragma once
// Missions of the older game of the series (platform id 2, ".vtn") and their briefing files
// (".brf"), as byte records. Both are read only: the importer converts them into a Mission.
// Every count is checked against the data before anything is allocated from it; a short or
// damaged file is refused with a message saying what is missing.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "model/mission_file.h"
#include "model/records.h"

namespace older {

using model::Field;
using model::i16;
using model::TextField;

inline constexpr std::int16_t PlatformId = 2;

// The older mission file: platform id, header, flight groups, object groups.

// Header (204 bytes after the platform id). All values are 16-bit.
namespace header {
inline constexpr std::size_t Size = 204;
inline constexpr Field<i16> TimeLimit{"TimeLimit", 0};  // minutes
inline constexpr Field<i16> Location{"Location", 6};    // 1: over a station surface
inline constexpr std::size_t EndStringCount = 3;
inline constexpr TextField EndString1{"EndString1", 8, 64, 64};
inline constexpr TextField EndString2{"EndString2", 72, 64, 64};
inline constexpr TextField EndString3{"EndString3", 136, 64, 64};
inline constexpr Field<i16> FlightGroupCount{"FlightGroupCount", 200};
inline constexpr Field<i16> ObjectGroupCount{"ObjectGroupCount", 202};
}  // namespace header

// Flight group (148 bytes).
namespace fg {
inline constexpr std::size_t Size = 148;
inline constexpr std::size_t PointCount = 7;
inline constexpr TextField Name{"Name", 0, 16, 16};
inline constexpr TextField Cargo{"Cargo", 16, 16, 16};
inline constexpr TextField SpecialCargo{"SpecialCargo", 32, 16, 16};
inline constexpr Field<i16> SpecialCraft{"SpecialCraft", 48};
inline constexpr Field<i16> CraftType{"CraftType", 50};
inline constexpr Field<i16> Iff{"Iff", 52};
inline constexpr Field<i16> Status{"Status", 54};
inline constexpr Field<i16> CraftCount{"CraftCount", 56};
inline constexpr Field<i16> Waves{"Waves", 58};
inline constexpr Field<i16> ArrivalEvent{"ArrivalEvent", 60};
inline constexpr Field<i16> ArrivalDelay{"ArrivalDelay", 62};
inline constexpr Field<i16> ArrivalFlightGroup{"ArrivalFlightGroup", 64};
inline constexpr Field<i16> Mothership{"Mothership", 66};
inline constexpr Field<i16> ArriveByHyperspace{"ArriveByHyperspace", 68};
inline constexpr Field<i16> DepartByHyperspace{"DepartByHyperspace", 70};
inline constexpr Field<i16> WaypointX{"WaypointX", 72, PointCount};
inline constexpr Field<i16> WaypointY{"WaypointY", 86, PointCount};
inline constexpr Field<i16> WaypointZ{"WaypointZ", 100, PointCount};
inline constexpr Field<i16> WaypointEnabled{"WaypointEnabled", 114, PointCount};
inline constexpr Field<i16> Formation{"Formation", 128};
inline constexpr Field<i16> PlayerPosition{"PlayerPosition", 130};
inline constexpr Field<i16> AiRank{"AiRank", 132};
inline constexpr Field<i16> Order{"Order", 134};
inline constexpr Field<i16> OrderParameter{"OrderParameter", 136};
inline constexpr Field<i16> Markings{"Markings", 140};
inline constexpr Field<i16> Objective{"Objective", 142};
inline constexpr Field<i16> PrimaryTarget{"PrimaryTarget", 144};
inline constexpr Field<i16> SecondaryTarget{"SecondaryTarget", 146};
}  // namespace fg

// Object group (70 bytes).
namespace og {
inline constexpr std::size_t Size = 70;
inline constexpr TextField Name{"Name", 0, 16, 16};
inline constexpr Field<i16> ObjectType{"ObjectType", 50};
inline constexpr Field<i16> Iff{"Iff", 52};
inline constexpr Field<i16> Objective{"Objective", 54};
inline constexpr Field<i16> Count{"Count", 56};
inline constexpr Field<i16> X{"X", 58};
inline constexpr Field<i16> Y{"Y", 60};
inline constexpr Field<i16> Z{"Z", 62};
}  // namespace og

struct Mission {
  model::Record<header::Size> header;
  std::vector<model::Record<fg::Size>> flightGroups;
  std::vector<model::Record<og::Size>> objectGroups;
};

// Reads a whole older mission file (platform id included). On success `out` is replaced; a
// refusal leaves it untouched and says what is missing.
model::ReadResult readMission(model::CBytes data, Mission& out);

// The older briefing file, as the importer reads it (all values 16-bit, little-endian):
//   header: running time (1/10 s), coordinate-set count, icon count;
//   coordinate sets: each icon count x (X, Y, Z);
//   icon records: icon count x 32 bytes;
//   32 tags: u16 length, then the characters;
//   32 texts: u16 length L, L characters, L further bytes;
//   event blocks: u16 word count, then the words. Only the first one is read.
namespace briefingFile {
inline constexpr std::size_t HeaderWords = 3;
inline constexpr std::size_t IconRecordSize = 32;
inline constexpr std::size_t StringCount = 32;
// Files with this many coordinate sets or more have a structure the importer does not know.
inline constexpr std::size_t MaxCoordinateSets = 2;
}  // namespace briefingFile

struct Briefing {
  std::int16_t runningTime = 0;
  std::size_t iconCount = 0;
  // coordinateSets[s][icon]
  std::vector<std::vector<model::Vec3>> coordinateSets;
  std::array<std::string, briefingFile::StringCount> tags;
  std::array<std::string, briefingFile::StringCount> texts;
  std::vector<std::uint16_t> events;  // the words of the first event block
};

inline constexpr const char* StrangeBriefingMessage =
    ZYNED_TEXT("core", ".brf file has strange structure. Unable to convert it.");

// Reads an older briefing file. A coordinate-set count of 3 or more gives
// StrangeBriefingMessage; short data names what is missing. `out` is untouched on refusal.
model::ReadResult readBriefing(model::CBytes data, Briefing& out);

}  // namespace older
