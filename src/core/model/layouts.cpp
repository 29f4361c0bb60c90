#include "model/layouts.h"

#include <algorithm>

namespace model {

std::string getText(CBytes rec, const TextField& f) {
  const auto* begin = rec.data() + f.offset;
  const auto* end = std::find(begin, begin + f.width, std::uint8_t{0});
  return std::string(begin, end);
}

std::string encodeText(const TextField& f, std::string_view text) {
  std::string out(f.width, '\0');
  const std::size_t n = std::min(text.size(), f.maxChars);
  std::copy_n(text.begin(), n, out.begin());
  // A zero inside the text ends it for every reader, so what follows it is not kept.
  const auto zero = out.find('\0');
  if (zero != std::string::npos) std::fill(out.begin() + zero, out.end(), '\0');
  return out;
}

void setText(Bytes rec, const TextField& f, std::string_view text) {
  const std::string bytes = encodeText(f, text);
  std::copy(bytes.begin(), bytes.end(), rec.begin() + f.offset);
}

namespace trigger {
static constexpr FieldInfo Fields[] = {info(Condition), info(VariableType), info(Variable),
                                       info(Amount)};
constexpr RecordLayout Layout{"Trigger", Size, Fields};
}  // namespace trigger

namespace triggerset {
static constexpr FieldInfo Fields[] = {
    nested("Trigger1", Trigger1, trigger::Layout),
    nested("Trigger2", Trigger2, trigger::Layout),
    info(RawField{"Raw8", 8, 2}),
    info(Trigger1Or2),
    nested("Trigger3", Trigger3, trigger::Layout),
    nested("Trigger4", Trigger4, trigger::Layout),
    info(RawField{"Raw19", 19, 2}),
    info(Trigger3Or4),
};
constexpr RecordLayout Layout{"TriggerSet", Size, Fields};
}  // namespace triggerset

namespace order {
static constexpr FieldInfo Fields[] = {
    info(Command),    info(Throttle),    info(Variable1),   info(Variable2), info(Raw4),
    info(Raw5),       info(Target3Type), info(Target4Type), info(Target3),   info(Target4),
    info(Target3Or4), info(Raw11),       info(Target1Type), info(Target1),   info(Target2Type),
    info(Target2),    info(Target1Or2),  info(Raw17),       info(Speed),     info(Description),
};
constexpr RecordLayout Layout{"Order", Size, Fields};
}  // namespace order

namespace goal {
static constexpr FieldInfo Fields[] = {
    info(Argument),
    info(Condition),
    info(Amount),
    info(Points),
    info(GoalFlag),
    info(Team),
    info(RawField{"Raw6", 6, 7}),
    info(GoalTime),
    info(RawField{"Raw14", 14, 64}),
};
constexpr RecordLayout Layout{"Goal", Size, Fields};
}  // namespace goal

namespace fg {
static constexpr std::size_t Raw1[] = {92, 96, 98, 99, 101, 103, 105, 106, 107, 108};
static constexpr std::size_t Raw2[] = {133};
static constexpr std::size_t Raw3[] = {147, 148, 149, 150, 151, 152, 153};
static constexpr std::size_t Raw4[] = {1302, 1303, 1304, 1305, 1306, 1307, 1308,
                                       1309, 1310, 1311, 1312, 1313, 1314};
static constexpr std::size_t Raw5[] = {1125};
static constexpr std::size_t Raw6[] = {1319, 1320, 1321, 1322, 1323, 1324, 1325, 1326, 1327};
static constexpr std::size_t Raw7[] = {1377};
const std::array<RawGroup, 7> RawGroups{{{"Raw1", Raw1},
                                         {"Raw2", Raw2},
                                         {"Raw3", Raw3},
                                         {"Raw4", Raw4},
                                         {"Raw5", Raw5},
                                         {"Raw6", Raw6},
                                         {"Raw7", Raw7}}};

static constexpr FieldInfo Fields[] = {
    info(Name),
    info(Roles),
    info(Cargo),
    info(SpecialCargo),
    info(SpecialCraft),
    info(RandomSpecialCraft),
    info(CraftType),
    info(CraftCount),
    info(Status),
    info(Warhead),
    info(Beam),
    info(Iff),
    info(Team),
    info(AiRank),
    info(Markings),
    info(Radio),
    info(Formation),
    info(FormationSpacing),
    info(GlobalGroup),
    info(WaveCount),
    info(PlayerNumber),
    info(ArriveOnlyIfHuman),
    info(PlayerCraft),
    info(ObjectOrientation),
    info(ArrivalDifficulty),
    nested("ArrivalTriggers", ArrivalTriggers, triggerset::Layout),
    info(ArrivalTriggersOr),
    info(ArrivalDelayMinutes),
    info(ArrivalDelaySeconds),
    nested("DepartureTrigger1", DepartureTrigger1, trigger::Layout),
    nested("DepartureTrigger2", DepartureTrigger2, trigger::Layout),
    info(DepartureTriggersOr),
    info(AbortCondition),
    info(ArrivalMothership),
    info(ArriveViaMothership),
    info(DepartureMothership),
    info(DepartViaMothership),
    info(AltArrivalMothership),
    info(AltArriveViaMothership),
    info(AltDepartureMothership),
    info(AltDepartViaMothership),
    nested("Orders", Orders, order::Layout, OrderCount),
    nested("SkipTrigger1", SkipTrigger1, trigger::Layout),
    nested("SkipTrigger2", SkipTrigger2, trigger::Layout),
    info(SkipTriggersOr),
    nested("Goals", Goals, goal::Layout, GoalCount),
    info(WaypointX),
    info(WaypointY),
    info(WaypointZ),
    info(WaypointEnabled),
    info(Countermeasure),
    info(ExplosionTime),
    info(Status2),
    info(GlobalUnit),
    info(OptionalWarheads),
    info(OptionalBeams),
    info(OptionalCountermeasures),
    info(OptionalCraftCategory),
    info(OptionalCraft),
    info(OptionalCraftCount),
    info(OptionalCraftWaves),
};
constexpr RecordLayout Layout{"FlightGroup", Size, Fields};
}  // namespace fg

namespace fggoalstrings {
static constexpr FieldInfo GoalTextFields[] = {
    {"Incomplete", 0, Kind::Text, 64, 1, 64, nullptr},
    {"Success", 64, Kind::Text, 64, 1, 64, nullptr},
    {"Fail", 128, Kind::Text, 64, 1, 64, nullptr},
};
static constexpr RecordLayout GoalTexts{"GoalTexts", 192, GoalTextFields};
static constexpr FieldInfo Fields[] = {nested("Goals", 0, GoalTexts, 8)};
constexpr RecordLayout Layout{"FlightGroupGoalStrings", Size, Fields};
}  // namespace fggoalstrings

namespace message {
static constexpr FieldInfo Fields[] = {
    info(MessageNumber),
    info(Color),
    info(Text),
    info(SentToTeam),
    nested("Triggers", Triggers, triggerset::Layout),
    info(RawField{"Raw98", 98, 16}),
    info(Delay),
    info(TriggersOr),
};
constexpr RecordLayout Layout{"Message", Size, Fields};
}  // namespace message

namespace ggentry {
static constexpr FieldInfo Fields[] = {nested("Triggers", Triggers, triggerset::Layout),
                                       info(RawField{"Raw22", 22, 17}), info(TriggersOr),
                                       info(Unknown1), info(Points)};
constexpr RecordLayout Layout{"GlobalGoalEntry", Size, Fields};
}  // namespace ggentry

namespace globalgoal {
static constexpr FieldInfo Fields[] = {info(Leading), nested("Primary", Primary, ggentry::Layout),
                                       nested("Prevent", Prevent, ggentry::Layout),
                                       nested("Secondary", Secondary, ggentry::Layout)};
constexpr RecordLayout Layout{"GlobalGoal", Size, Fields};
}  // namespace globalgoal

namespace team {
static constexpr FieldInfo Fields[] = {
    info(Leading),
    info(Name),
    info(RawField{"Raw18", 18, 8}),
    info(Allies),
    info(RawField{"Raw34", 34, 2}),
    info(Success1),
    info(Success2),
    info(Failure1),
    info(Failure2),
    info(Secondary1),
    info(Secondary2),
    info(RawField{"Raw420", 420, 67}),
};
constexpr RecordLayout Layout{"Team", Size, Fields};
}  // namespace team

namespace briefing {
static constexpr FieldInfo Fields[] = {info(RunningTime),    info(Unknown1), info(Unknown2),
                                       info(EventWordsUsed), info(Unknown3), info(Events),
                                       info(TeamVisible)};
constexpr RecordLayout Layout{"Briefing", Size, Fields};
}  // namespace briefing

namespace ggstrings {
static constexpr FieldInfo TriggerTextFields[] = {
    {"Incomplete", 0, Kind::Text, 64, 1, 64, nullptr},
    {"Success", 64, Kind::Text, 64, 1, 64, nullptr},
    {"Fail", 128, Kind::Text, 64, 1, 64, nullptr},
};
static constexpr RecordLayout TriggerTexts{"TriggerTexts", 192, TriggerTextFields};
static constexpr FieldInfo GoalFields[] = {nested("Triggers", 0, TriggerTexts, 4)};
static constexpr RecordLayout GoalTexts{"GoalTexts", 768, GoalFields};
static constexpr FieldInfo Fields[] = {nested("Primary", 0, GoalTexts),
                                       nested("Prevent", 768, GoalTexts),
                                       nested("Secondary", 1536, GoalTexts),
                                       {"Raw2304", 2304, Kind::Raw, 3072, 1, 3072, nullptr}};
constexpr RecordLayout Layout{"GlobalGoalStrings", Size, Fields};
}  // namespace ggstrings

namespace header {
// The unnamed runs are named by their file offsets, like HeaderByte8.
static constexpr FieldInfo Fields[] = {
    info(FlightGroupCount),
    info(MessageCount),
    info(RawField{"Raw6", 4, 2}),
    info(HeaderByte8),
    info(RawField{"Raw9", 7, 2}),
    info(HeaderByte11),
    info(RawField{"Raw12", 10, 88}),
    info(MissionType),
    info(HeaderByte101),
    info(TimeLimitMinutes),
    info(TimeLimitSeconds),
    info(RawField{"Raw104", 102, 60}),
};
constexpr RecordLayout Layout{"Header", Size, Fields};
}  // namespace header

}  // namespace model
