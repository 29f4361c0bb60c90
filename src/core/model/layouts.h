#pragma once
// The byte layout of every record of a mission file, each field declared once.

#include <array>
#include <cstdint>

#include "model/fields.h"

namespace model {

using u8 = std::uint8_t;
using i8 = std::int8_t;
using u16 = std::uint16_t;
using i16 = std::int16_t;

// Number of points every flight group carries: Start 1-4, Waypoint 1-8, Rendezvous, Hyperspace,
// Briefing 1-8.
inline constexpr std::size_t PointCount = 22;
enum Point : std::size_t {
  Start1 = 0,
  Start2,
  Start3,
  Start4,
  Waypoint1 = 4,
  Waypoint2,
  Waypoint3,
  Waypoint4,
  Waypoint5,
  Waypoint6,
  Waypoint7,
  Waypoint8,
  Rendezvous = 12,
  Hyperspace = 13,
  Briefing1 = 14,
  Briefing2,
  Briefing3,
  Briefing4,
  Briefing5,
  Briefing6,
  Briefing7,
  Briefing8,
};

namespace trigger {
inline constexpr std::size_t Size = 4;
inline constexpr Field<u8> Condition{"Condition", 0};
inline constexpr Field<u8> VariableType{"VariableType", 1};
// A flight group's list position while VariableType is "flight group".
inline constexpr Field<u8> Variable{.name = "Variable", .offset = 2, .refers = Refers::FlightGroup};
inline constexpr Field<u8> Amount{"Amount", 3};
extern const RecordLayout Layout;
}  // namespace trigger

namespace triggerset {
inline constexpr std::size_t Size = 22;
inline constexpr std::size_t Trigger1 = 0, Trigger2 = 4, Trigger3 = 11, Trigger4 = 15;
inline constexpr std::array<std::size_t, 4> TriggerAt{Trigger1, Trigger2, Trigger3, Trigger4};
inline constexpr Field<u8> Trigger1Or2{"Trigger1Or2", 10};
inline constexpr Field<u8> Trigger3Or4{"Trigger3Or4", 21};
extern const RecordLayout Layout;
}  // namespace triggerset

namespace order {
inline constexpr std::size_t Size = 82;
inline constexpr Field<u8> Command{"Command", 0};
inline constexpr Field<u8> Throttle{"Throttle", 1};
inline constexpr Field<u8> Variable1{"Variable1", 2};
inline constexpr Field<u8> Variable2{"Variable2", 3};
inline constexpr Field<u8> Raw4{"Raw4", 4};
inline constexpr Field<u8> Raw5{"Raw5", 5};
inline constexpr Field<u8> Target3Type{"Target3Type", 6};
inline constexpr Field<u8> Target4Type{"Target4Type", 7};
inline constexpr Field<u8> Target3{.name = "Target3", .offset = 8, .refers = Refers::FlightGroup};
inline constexpr Field<u8> Target4{.name = "Target4", .offset = 9, .refers = Refers::FlightGroup};
inline constexpr Field<u8> Target3Or4{"Target3Or4", 10};
inline constexpr Field<u8> Raw11{"Raw11", 11};
inline constexpr Field<u8> Target1Type{"Target1Type", 12};
inline constexpr Field<u8> Target1{.name = "Target1", .offset = 13, .refers = Refers::FlightGroup};
inline constexpr Field<u8> Target2Type{"Target2Type", 14};
inline constexpr Field<u8> Target2{.name = "Target2", .offset = 15, .refers = Refers::FlightGroup};
inline constexpr Field<u8> Target1Or2{"Target1Or2", 16};
inline constexpr Field<u8> Raw17{"Raw17", 17};
inline constexpr Field<u8> Speed{"Speed", 18};
inline constexpr TextField Description{"Description", 19, 63, 62};
// Target n (1..4) as (type offset, value offset), in the order the game evaluates them.
inline constexpr std::array<Field<u8>, 4> TargetType{Target1Type, Target2Type, Target3Type,
                                                     Target4Type};
inline constexpr std::array<Field<u8>, 4> Target{Target1, Target2, Target3, Target4};
extern const RecordLayout Layout;
}  // namespace order

namespace goal {
inline constexpr std::size_t Size = 78;
inline constexpr Field<u8> Argument{"Argument", 0};
inline constexpr Field<u8> Condition{"Condition", 1};
inline constexpr Field<u8> Amount{"Amount", 2};
inline constexpr Field<i8> Points{"Points", 3};
inline constexpr Field<u8> GoalFlag{"GoalFlag", 4};
inline constexpr Field<u8> Team{"Team", 5};
inline constexpr Field<u8> GoalTime{"GoalTime", 13};
extern const RecordLayout Layout;
}  // namespace goal

namespace fg {
inline constexpr std::size_t Size = 1378;
inline constexpr TextField Name{"Name", 0, 20, 19};
inline constexpr TextField Roles{"Roles", 20, 20, 19};
inline constexpr TextField Cargo{"Cargo", 40, 20, 19};
inline constexpr TextField SpecialCargo{"SpecialCargo", 60, 20, 19};
inline constexpr Field<u8> SpecialCraft{"SpecialCraft", 80};
inline constexpr Field<u8> RandomSpecialCraft{"RandomSpecialCraft", 81};
inline constexpr Field<u8> CraftType{"CraftType", 82};
inline constexpr Field<u8> CraftCount{"CraftCount", 83};
inline constexpr Field<u8> Status{"Status", 84};
inline constexpr Field<u8> Warhead{"Warhead", 85};
inline constexpr Field<u8> Beam{"Beam", 86};
inline constexpr Field<u8> Iff{"Iff", 87};
inline constexpr Field<u8> Team{"Team", 88};
inline constexpr Field<u8> AiRank{"AiRank", 89};
inline constexpr Field<u8> Markings{"Markings", 90};
inline constexpr Field<u8> Radio{"Radio", 91};
inline constexpr Field<u8> Formation{"Formation", 93};
inline constexpr Field<u8> FormationSpacing{"FormationSpacing", 94};
inline constexpr Field<u8> GlobalGroup{"GlobalGroup", 95};
inline constexpr Field<u8> WaveCount{"WaveCount", 97};
inline constexpr Field<u8> PlayerNumber{"PlayerNumber", 100};
inline constexpr Field<u8> ArriveOnlyIfHuman{"ArriveOnlyIfHuman", 101};
inline constexpr Field<u8> PlayerCraft{"PlayerCraft", 102};
inline constexpr Field<u8> ObjectOrientation{"ObjectOrientation", 104};
inline constexpr Field<u8> ArrivalDifficulty{"ArrivalDifficulty", 109};
inline constexpr std::size_t ArrivalTriggers = 110;  // TriggerSet
inline constexpr Field<u8> ArrivalTriggersOr{"ArrivalTriggersOr", 132};
inline constexpr Field<u8> ArrivalDelayMinutes{"ArrivalDelayMinutes", 134};
inline constexpr Field<u8> ArrivalDelaySeconds{"ArrivalDelaySeconds", 135};
inline constexpr std::size_t DepartureTrigger1 = 136;  // Trigger
inline constexpr std::size_t DepartureTrigger2 = 140;  // Trigger
inline constexpr Field<u8> DepartureTriggersOr{"DepartureTriggersOr", 146};
inline constexpr Field<u8> AbortCondition{"AbortCondition", 149};
inline constexpr Field<u8> ArrivalMothership{
    .name = "ArrivalMothership", .offset = 154, .refers = Refers::FlightGroup};
inline constexpr Field<u8> ArriveViaMothership{"ArriveViaMothership", 155};
inline constexpr Field<u8> DepartureMothership{
    .name = "DepartureMothership", .offset = 156, .refers = Refers::FlightGroup};
inline constexpr Field<u8> DepartViaMothership{"DepartViaMothership", 157};
inline constexpr Field<u8> AltArrivalMothership{
    .name = "AltArrivalMothership", .offset = 158, .refers = Refers::FlightGroup};
inline constexpr Field<u8> AltArriveViaMothership{"AltArriveViaMothership", 159};
inline constexpr Field<u8> AltDepartureMothership{
    .name = "AltDepartureMothership", .offset = 160, .refers = Refers::FlightGroup};
inline constexpr Field<u8> AltDepartViaMothership{"AltDepartViaMothership", 161};
inline constexpr std::size_t Orders = 162;  // Order x 4
inline constexpr std::size_t OrderCount = 4;
constexpr std::size_t orderAt(std::size_t n) {
  return Orders + order::Size * n;
}  // n 0..3
inline constexpr std::size_t SkipTrigger1 = 490;  // Trigger
inline constexpr std::size_t SkipTrigger2 = 494;  // Trigger
inline constexpr Field<u8> SkipTriggersOr{"SkipTriggersOr", 500};
inline constexpr std::size_t Goals = 501;  // Goal x 8
inline constexpr std::size_t GoalCount = 8;
constexpr std::size_t goalAt(std::size_t g) {
  return Goals + goal::Size * g;
}  // g 0..7
inline constexpr Field<i16> WaypointX{"WaypointX", 1126, PointCount};
inline constexpr Field<i16> WaypointY{"WaypointY", 1170, PointCount};
inline constexpr Field<i16> WaypointZ{"WaypointZ", 1214, PointCount};
inline constexpr Field<i16> WaypointEnabled{"WaypointEnabled", 1258, PointCount};
inline constexpr Field<u8> Countermeasure{"Countermeasure", 1315};
inline constexpr Field<u8> ExplosionTime{"ExplosionTime", 1316};
inline constexpr Field<u8> Status2{"Status2", 1317};
inline constexpr Field<u8> GlobalUnit{"GlobalUnit", 1318};
inline constexpr Field<u8> OptionalWarheads{"OptionalWarheads", 1328, 8};
inline constexpr Field<u8> OptionalBeams{"OptionalBeams", 1336, 6};
inline constexpr Field<u8> OptionalCountermeasures{"OptionalCountermeasures", 1342, 4};
inline constexpr Field<u8> OptionalCraftCategory{"OptionalCraftCategory", 1346};
inline constexpr Field<u8> OptionalCraft{"OptionalCraft", 1347, 10};
inline constexpr Field<u8> OptionalCraftCount{"OptionalCraftCount", 1357, 10};
inline constexpr Field<u8> OptionalCraftWaves{"OptionalCraftWaves", 1367, 10};

// The seven groups of bytes nobody has named, shown and edited raw.
struct RawGroup {
  std::string_view name;
  std::span<const std::size_t> offsets;
};
extern const std::array<RawGroup, 7> RawGroups;
extern const RecordLayout Layout;
}  // namespace fg

namespace fggoalstrings {
inline constexpr std::size_t Size = 1536;
// Goal g (0..7), text k (0 Incomplete, 1 Success, 2 Fail).
constexpr TextField text(std::size_t g, std::size_t k) {
  return {"Text", 192 * g + 64 * k, 64, 64};
}
// Where the texts of goal g begin: text(g, k) is text(0, k) counted from here.
constexpr std::size_t goalAt(std::size_t g) {
  return text(g, 0).offset;
}
extern const RecordLayout Layout;
}  // namespace fggoalstrings

namespace message {
inline constexpr std::size_t Size = 116;
inline constexpr Field<i16> MessageNumber{"MessageNumber", 0};
inline constexpr Field<u8> Color{"Color", 2};
inline constexpr TextField Text{"Text", 3, 63, 62};
inline constexpr Field<u8> SentToTeam{"SentToTeam", 66, 10};
inline constexpr std::size_t Triggers = 76;  // TriggerSet
inline constexpr Field<u8> Delay{"Delay", 114};
inline constexpr Field<u8> TriggersOr{"TriggersOr", 115};
extern const RecordLayout Layout;
}  // namespace message

namespace ggentry {
inline constexpr std::size_t Size = 42;
inline constexpr std::size_t Triggers = 0;  // TriggerSet
inline constexpr Field<u8> TriggersOr{"TriggersOr", 39};
inline constexpr Field<u8> Unknown1{"Unknown1", 40};
inline constexpr Field<i8> Points{"Points", 41};
extern const RecordLayout Layout;
}  // namespace ggentry

namespace globalgoal {
inline constexpr std::size_t Size = 128;
inline constexpr Field<i16> Leading{"Leading", 0};
inline constexpr std::size_t Primary = 2, Prevent = 44, Secondary = 86;
inline constexpr std::array<std::size_t, 3> EntryAt{Primary, Prevent, Secondary};
extern const RecordLayout Layout;
}  // namespace globalgoal

namespace team {
inline constexpr std::size_t Size = 487;
inline constexpr Field<i16> Leading{"Leading", 0};
inline constexpr TextField Name{"Name", 2, 16, 15};
inline constexpr Field<u8> Allies{"Allies", 26, 8};
inline constexpr TextField Success1{"Success1", 36, 64, 64};
inline constexpr TextField Success2{"Success2", 100, 64, 64};
inline constexpr TextField Failure1{"Failure1", 164, 64, 64};
inline constexpr TextField Failure2{"Failure2", 228, 64, 64};
inline constexpr TextField Secondary1{"Secondary1", 292, 64, 64};
inline constexpr TextField Secondary2{"Secondary2", 356, 64, 64};
extern const RecordLayout Layout;
}  // namespace team

namespace briefing {
inline constexpr std::size_t Size = 820;
inline constexpr std::size_t EventWords = 400;
inline constexpr std::size_t StringCount = 32;
inline constexpr Field<i16> RunningTime{"RunningTime", 0};
inline constexpr Field<u16> Unknown1{"BriefingUnknown1", 2};
inline constexpr Field<u16> Unknown2{"BriefingUnknown2", 4};
inline constexpr Field<i16> EventWordsUsed{"EventWordsUsed", 6};
inline constexpr Field<u16> Unknown3{"BriefingUnknown3", 8};
// The command stream: a box command's parameter is a flight group's list position.
inline constexpr Field<i16> Events{
    .name = "Events", .offset = 10, .count = EventWords, .refers = Refers::FlightGroup};
inline constexpr Field<u8> TeamVisible{"TeamVisible", 810, 10};
extern const RecordLayout Layout;
}  // namespace briefing

namespace ggstrings {
inline constexpr std::size_t Size = 5376;
// Goal p (0 primary, 1 prevent, 2 secondary), trigger t (0..3), text k (0..2).
constexpr TextField text(std::size_t p, std::size_t t, std::size_t k) {
  return {"Text", 768 * p + 192 * t + 64 * k, 64, 64};
}
// Where the texts of goal p begin: text(p, t, k) is text(0, t, k) counted from here.
constexpr std::size_t goalAt(std::size_t p) {
  return text(p, 0, 0).offset;
}
extern const RecordLayout Layout;
}  // namespace ggstrings

// Header offsets are counted inside the 162-byte record (file offset - 2).
namespace header {
inline constexpr std::size_t Size = 162;
inline constexpr Field<u16> FlightGroupCount{"FlightGroupCount", 0};
inline constexpr Field<u16> MessageCount{"MessageCount", 2};
inline constexpr Field<u8> HeaderByte8{"HeaderByte8", 6};
inline constexpr Field<u8> HeaderByte11{"HeaderByte11", 9};
inline constexpr Field<u8> MissionType{"MissionType", 98};
inline constexpr Field<u8> HeaderByte101{"HeaderByte101", 99};
inline constexpr Field<u8> TimeLimitMinutes{"TimeLimitMinutes", 100};
inline constexpr Field<u8> TimeLimitSeconds{"TimeLimitSeconds", 101};
extern const RecordLayout Layout;
}  // namespace header

}  // namespace model
