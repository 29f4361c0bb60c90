#pragma once
// What the trigger editor needs without a widget: where the triggers and And/Or flags of a
// trigger set lie in their record, the items of the target box for each target type, and the
// text that explains a flight group's explosion time.

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "model/layouts.h"
#include "model/mission.h"
#include "model/texts.h"
#include "shell/vocabulary.h"

namespace editing {

// The conditions that hold whatever a trigger's target is.
inline constexpr int AlwaysTrueCondition = 0;
inline constexpr int NeverTrueCondition = 10;

// The three And/Or flags a trigger set may carry; each is 1 for "Or" and 0 for "And".
enum class OrFlag { OneOrTwo = 0, ThreeOrFour = 1, PairOrPair = 2 };

// Where a set of 2 or 4 triggers and its And/Or flags lie inside one record.
struct TriggerSetPlace {
  int count = 4;                         // triggers in the set: 2 or 4
  std::array<std::size_t, 4> trigger{};  // record offsets of triggers 1..count
  std::array<std::optional<model::Field<model::u8>>, 3> orFlag;  // indexed by OrFlag

  // Record offset of trigger n (1..count).
  std::size_t triggerOffset(int n) const { return trigger.at(static_cast<std::size_t>(n - 1)); }
  // One byte of trigger n, as a field that `model::get`/`set` and the document's patch take.
  model::Field<model::u8> triggerByte(int n, model::Field<model::u8> byte) const;
  const std::optional<model::Field<model::u8>>& flag(OrFlag f) const {
    return orFlag[static_cast<std::size_t>(f)];
  }
  // How far flag `f` lies past `built` (the same flag where a panel was built for another set):
  // the base a binding of `built` counts from to reach it.
  std::size_t flagPast(OrFlag f, model::Field<model::u8> built) const {
    return flag(f)->offset - built.offset;
  }
};

// A full 22-byte trigger set at `base` (triggers 1..4 and the 1-or-2 and 3-or-4 flags) whose
// pair-against-pair flag lies at `pairsOr` of the enclosing record.
TriggerSetPlace fourTriggerSet(std::size_t base, model::Field<model::u8> pairsOr);

// The trigger sets of the records.
TriggerSetPlace arrivalTriggers();    // flight group: arrival, four triggers, three flags
TriggerSetPlace departureTriggers();  // flight group: departure, two triggers, one flag
TriggerSetPlace jumpTriggers();       // flight group: jump to order 4, two triggers, one flag
TriggerSetPlace messageTriggers();    // message: four triggers, three flags
// Global-goal record: goal set 0 (primary), 1 (prevent) or 2 (secondary).
TriggerSetPlace globalGoalTriggers(std::size_t goalSet);

using TriggerBytes = std::array<std::uint8_t, model::trigger::Size>;
// The four bytes of trigger n (1..count) of a record.
TriggerBytes readTrigger(model::CBytes record, const TriggerSetPlace& place, int n);
// An And/Or flag of a record: true for "Or"; false when the set has no such flag.
bool readOr(model::CBytes record, const TriggerSetPlace& place, OrFlag f);

// Packs the four box indices in the record's byte order (condition, type, target, amount).
TriggerBytes packTrigger(int condition, int type, int target, int amount);

// Items of the target box for a target type: flight-group names, craft, categories, IFFs,
// orders, "when" states, team names or plain numbers.
std::vector<std::string> targetItems(const model::Mission& m, const shell::Vocabulary& v, int type);

// " = 00:19 (approx)", " = (default)", " = (untested)" …: the explosion time of a stored value.
std::string explosionTimeText(int value);
// The seconds a stored explosion-time value stands for; -1 for "default", -2 for "untested".
int explosionSeconds(int value);

// Result of a delay typed into the minutes or seconds box.
struct DelayEntry {
  enum Kind { Nothing, Value, NotANumber, OutOfRange } kind = Nothing;
  std::uint8_t value = 0;
  model::Text message;  // for NotANumber and OutOfRange
};
// Empty text or a lone "-" stores nothing; a whole number from 0 to 255 is stored; anything
// else is refused with a message (a larger number would lose its high bits in the byte).
// `text` as typed, UTF-8.
DelayEntry parseDelay(const std::string& text);

}  // namespace editing
