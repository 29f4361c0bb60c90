#include "editing/triggers.h"
#include "model/texts.h"

#include "editing/descriptions.h"
#include "editing/flight_group_rules.h"

namespace editing {

namespace fg = model::fg;
using model::Field;
using model::u8;

Field<u8> TriggerSetPlace::triggerByte(int n, Field<u8> byte) const {
  return {byte.name, triggerOffset(n) + byte.offset};
}

TriggerSetPlace fourTriggerSet(std::size_t base, Field<u8> pairsOr) {
  namespace ts = model::triggerset;
  TriggerSetPlace p;
  p.count = 4;
  for (std::size_t i = 0; i < 4; ++i) p.trigger[i] = base + ts::TriggerAt[i];
  p.orFlag[0] = Field<u8>{ts::Trigger1Or2.name, base + ts::Trigger1Or2.offset};
  p.orFlag[1] = Field<u8>{ts::Trigger3Or4.name, base + ts::Trigger3Or4.offset};
  p.orFlag[2] = pairsOr;
  return p;
}

namespace {
TriggerSetPlace twoTriggers(std::size_t first, std::size_t second, Field<u8> orFlag) {
  TriggerSetPlace p;
  p.count = 2;
  p.trigger = {first, second, 0, 0};
  p.orFlag[0] = orFlag;
  return p;
}
}  // namespace

TriggerSetPlace arrivalTriggers() {
  return fourTriggerSet(fg::ArrivalTriggers, fg::ArrivalTriggersOr);
}

TriggerSetPlace departureTriggers() {
  return twoTriggers(fg::DepartureTrigger1, fg::DepartureTrigger2, fg::DepartureTriggersOr);
}

TriggerSetPlace jumpTriggers() {
  return twoTriggers(fg::SkipTrigger1, fg::SkipTrigger2, fg::SkipTriggersOr);
}

TriggerSetPlace messageTriggers() {
  return fourTriggerSet(model::message::Triggers, model::message::TriggersOr);
}

TriggerSetPlace globalGoalTriggers(std::size_t goalSet) {
  const std::size_t base = model::globalgoal::EntryAt.at(goalSet);
  const auto& pairs = model::ggentry::TriggersOr;
  return fourTriggerSet(base + model::ggentry::Triggers,
                        Field<u8>{pairs.name, base + pairs.offset});
}

TriggerBytes readTrigger(model::CBytes record, const TriggerSetPlace& place, int n) {
  TriggerBytes t{};
  const std::size_t at = place.triggerOffset(n);
  for (std::size_t i = 0; i < t.size(); ++i) t[i] = record[at + i];
  return t;
}

bool readOr(model::CBytes record, const TriggerSetPlace& place, OrFlag f) {
  const auto& flag = place.flag(f);
  return flag && model::get(record, *flag) != 0;
}

TriggerBytes packTrigger(int condition, int type, int target, int amount) {
  namespace tr = model::trigger;
  TriggerBytes t{};
  model::set(model::Bytes(t), tr::Condition, static_cast<u8>(condition));
  model::set(model::Bytes(t), tr::VariableType, static_cast<u8>(type));
  model::set(model::Bytes(t), tr::Variable, static_cast<u8>(target));
  model::set(model::Bytes(t), tr::Amount, static_cast<u8>(amount));
  return t;
}

namespace {
std::vector<std::string> numbers(std::string first) {
  std::vector<std::string> items{std::move(first)};
  for (int i = 1; i <= 255; ++i) items.push_back(std::to_string(i));
  return items;
}
}  // namespace

std::vector<std::string> targetItems(const model::Mission& m, const shell::Vocabulary& v,
                                     int type) {
  namespace t = shell::tables;
  switch (type) {
    case TargetNone:
      return numbers("none");
    case TargetFlightGroup:
      return nameList(m, v);
    case TargetShipType: {
      const auto& ships = v.table(t::Ships);
      if (ships.empty()) return {};
      return {ships.begin() + 1, ships.end()};
    }
    case TargetShipCategory:
      return v.table(t::ShipCats);
    case TargetObjectCategory:
      return v.table(t::ObjCats);
    case TargetIff:
      return v.table(t::IFF);
    case TargetCraftWithOrders:
      return v.table(t::Orders);
    case TargetCraftWhen:
      return v.table(t::When);
    case TargetTeam:
    case TargetAllTeamsBut:
      return teamNameList(m);
    default:
      return numbers("0");
  }
}

namespace {
// value * tenths / 10, rounded to the nearest whole number, an exact half to the even one.
int timesTenths(int value, int tenths) {
  const int n = value * tenths;
  int q = n / 10;
  const int r = n % 10;
  if (r > 5 || (r == 5 && q % 2 != 0)) ++q;
  return q;
}

std::string twoDigits(int n) {
  return std::string(n < 10 ? "0" : "").append(std::to_string(n));
}
}  // namespace

int explosionSeconds(int v) {
  if (v >= 57 && v <= 84) v -= 55;
  if (v >= 86) return -2;
  if (v >= 35) return timesTenths(v, 46);
  if (v >= 15) return timesTenths(v, 45);
  if (v >= 8) return timesTenths(v, 42);
  if (v >= 6) return v * 4;
  static constexpr int Small[] = {-1, 0, 5, 9, 14, 19};
  return v >= 0 ? Small[v] : -1;
}

std::string explosionTimeText(int value) {
  const int s = explosionSeconds(value);
  if (s == -1) return ZYNED_TEXT("core", " = (default)");
  if (s == -2) return ZYNED_TEXT("core", " = (untested)");
  if (s == 0) return " = 00:00";
  std::string time;
  if (s < 60)
    time = "00:" + twoDigits(s);
  else
    time = std::to_string(s / 60) + ":" + twoDigits(s % 60);
  return " = " + time + " (approx)";
}

DelayEntry parseDelay(const std::string& text) {
  DelayEntry e;
  const auto first = text.find_first_not_of(" \t");
  const std::string bare = first == std::string::npos
                               ? std::string()
                               : text.substr(first, text.find_last_not_of(" \t") - first + 1);
  if (bare.empty() || bare == "-") return e;
  const auto v = parseInteger(text);
  if (!v) {
    e.kind = DelayEntry::NotANumber;
    e.message = notAnIntegerMessage(text);
    return e;
  }
  if (*v < 0 || *v > 255) {
    e.kind = DelayEntry::OutOfRange;
    e.message = model::Text(
        ZYNED_TEXT("core", "'%1' is out of range: the delay takes a number from 0 to 255"),
        model::utf8Data(bare));
    return e;
  }
  e.kind = DelayEntry::Value;
  e.value = static_cast<std::uint8_t>(*v);
  return e;
}

}  // namespace editing
