#pragma once
// What the older game's numbers become in this game's records, as tables indexed by the older
// number: craft types, orders, objectives, object types and briefing commands. Numbers beyond a
// table take its `Unknown...` row.

#include <array>
#include <cstdint>

namespace older {

// An older craft type.
struct CraftRule {
  std::uint8_t craftType;       // this game's craft type
  std::uint8_t iff;             // IFF and team when the older IFF is 0 (or unknown)
  std::uint8_t warhead;         // 0: none; not for the status values 1 and 11
  std::uint8_t abortCondition;  // 0: none
  std::uint8_t spacing;         // formation spacing; 0: the new group's own
};
inline constexpr std::array<CraftRule, 19> CraftRules{{
    {0, 0, 0, 0, 0},    // 0
    {1, 0, 4, 4, 0},    // 1
    {2, 0, 4, 4, 0},    // 2 (type 4 from status 10 on, see LightCraftStatus)
    {3, 0, 3, 4, 0},    // 3
    {5, 1, 0, 9, 0},    // 4
    {6, 1, 0, 4, 0},    // 5
    {7, 1, 4, 4, 0},    // 6
    {16, 1, 3, 4, 0},   // 7
    {21, 2, 0, 0, 15},  // 8
    {17, 2, 0, 0, 15},  // 9
    {24, 2, 0, 0, 0},   // 10
    {26, 2, 0, 0, 0},   // 11
    {32, 1, 0, 0, 0},   // 12
    {49, 0, 0, 0, 0},   // 13
    {42, 2, 0, 0, 0},   // 14
    {40, 2, 0, 0, 0},   // 15
    {53, 1, 0, 0, 0},   // 16
    {8, 1, 0, 4, 0},    // 17
    {4, 0, 0, 0, 0},    // 18
}};
inline constexpr CraftRule UnknownCraft{0, 2, 0, 0, 0};
// Older craft type 2 with a status of this or more is this game's craft type 4.
inline constexpr int LightCraftType = 2, LightCraftStatus = 10, LightCraftAsType = 4;

// An older order: this game's command, the order description some orders carry, and the words
// of the older order's text on the Orders tab.
struct OrderRule {
  std::uint8_t command;
  const char* description;  // nullptr: none
  const char* verb;
  const char* object;
};
inline constexpr std::array<OrderRule, 33> OrderRules{{
    {0, nullptr, "Stationary", ""},
    {1, nullptr, "Go Home", ""},
    {2, nullptr, "Circle ", "and ignore"},
    {2, nullptr, "Fly once ", "and ignore"},
    {3, nullptr, "Circle ", "and evade"},
    {3, nullptr, "Fly once ", "and evade"},
    {9, "Escort", "Close ", "escort"},
    {9, "Escort", "Loose ", "escort"},
    {7, "Attack", "Attack ", "escorters"},
    {7, "Attack", "Attack ", "primary and secondary targets"},
    {7, "Attack", "Attack ", "all enemies (means fighters, TRNs, SHUs)"},
    {4, nullptr, "Rendezvous", ""},
    {5, nullptr, "Disabled", ""},
    {12, nullptr, "Board to ", "deliver"},
    {13, nullptr, "Board to ", "take"},
    {14, nullptr, "Board to ", "exchange"},
    {15, nullptr, "Board to ", "capture"},
    {16, nullptr, "Board to ", "destroy"},
    {11, "Disable", "Disable ", "primary and secondary targets"},
    {11, "Disable", "Disable ", "all enemies (means fighters, TRNs, SHUs)"},
    {7, "Attack", "Attack ", "Transports"},
    {7, "Attack", "Attack ", "Freighters (includes CRVs)"},
    {7, "Attack", "Attack ", "Starships"},
    {7, "Attack", "Attack ", "satellites and mines"},
    {11, "Disable", "Disable ", "Freighters (includes CRVs)"},
    {11, "Disable", "Disable ", "Starships"},
    {26, nullptr, "", "sit and fire"},  // starship orders from here on
    {21, nullptr, "Fly once ", "through WPs"},
    {26, nullptr, "Circle ", "through WPs"},
    {22, nullptr, "", "await return"},
    {23, nullptr, "", "await launch of targets"},
    {5, nullptr, "", "await boarding by targets"},
    {5, nullptr, "", "wait until targets?"},
}};
inline constexpr OrderRule UnknownOrder{5, nullptr, "", ""};
inline constexpr int FirstStarshipOrder = 26;

// An older objective: the first goal of the converted group and its strings.
struct ObjectiveRule {
  std::uint8_t condition;
  std::uint8_t amount;  // 0: the goal's own
  const char* role;     // nullptr: none
  // Goal strings after "<craft> <name>: ", nullptr: none.
  const char* incomplete;
  const char* failed;
  const char* success;
};
inline constexpr std::array<ObjectiveRule, 17> ObjectiveRules{{
    {10, 0, nullptr, nullptr, nullptr, nullptr},  // 0
    {2, 0, "1PRI", nullptr, nullptr, nullptr},    // 1
    {12, 0, "1MIS", nullptr, nullptr, nullptr},   // 2
    {44, 0, "1PRI", "Capture", "can't be captured", "captured"},
    {6, 0, "1PRI", nullptr, nullptr, nullptr},  // 4
    {2, 6, "1PRI", "Destroy special ship", "Special ship can't be destroyed",
     "Special ship destroyed"},
    {12, 6, "1MIS", "special ship from being destroyed", "special ship destroyed",
     "special ship survived"},
    {44, 6, nullptr, "Capture special ship ", "special ship can't be captured",
     "special ship captured"},
    {6, 6, "1PRI", "Special ship must be boarded", "special ship can't be boarded",
     "special ship boarded"},
    {2, 2, "1PRI", nullptr, nullptr, nullptr},   // 9
    {12, 2, "1MIS", nullptr, nullptr, nullptr},  // 10
    {44, 2, "1PRI", "Capture 50%", "50% can't be captured", "50% captured"},
    {6, 2, "1PRI", nullptr, nullptr, nullptr},  // 12
    {5, 0, "1PRI", nullptr, nullptr, nullptr},  // 13
    {5, 6, nullptr, "Identify special ship ", "special ship can't be identified",
     "special ship identified"},
    {5, 2, "1PRI", nullptr, nullptr, nullptr},   // 15
    {1, 0, nullptr, nullptr, nullptr, nullptr},  // 16
}};
inline constexpr ObjectiveRule UnknownObjective{2, 0, nullptr, nullptr, nullptr, nullptr};

// Older object types, by ranges: this game's craft type.
struct ObjectRule {
  int first, last;
  std::uint8_t craftType;
};
inline constexpr ObjectRule ObjectRules[] = {
    {34, 49, 87},                // planets: the status is the type - 34
    {26, 33, 86}, {18, 21, 75},  // mines: they attack the enemy
    {22, 22, 70}, {23, 23, 83}, {24, 24, 80},
};
inline constexpr int FirstPlanet = 34, LastPlanet = 49, FirstMine = 18, LastMine = 21;

// Older briefing commands: how many parameter words follow the code, and what they become.
enum class EventKind : std::uint8_t {
  Drop,     // no counterpart
  End,      // the end marker
  Plain,    // the new code, no parameters
  Shifted,  // the new code, the parameter less one
  Copied,   // the new code, the parameters as they are
  Doubled,  // the new code, the parameters doubled
  Placed,   // the new code, the three parameters, then 2
};
struct EventRule {
  EventKind kind;
  std::uint8_t code;   // this game's command
  std::uint8_t words;  // parameter words of the older command
};
inline constexpr std::array<EventRule, 42> EventRules{{
    {EventKind::Drop, 0, 0},    {EventKind::End, 34, 0},    {EventKind::Drop, 0, 0},
    {EventKind::Drop, 0, 0},    {EventKind::Drop, 0, 0},    {EventKind::Drop, 0, 0},
    {EventKind::Drop, 0, 0},    {EventKind::Drop, 0, 0},    {EventKind::Drop, 0, 0},
    {EventKind::Drop, 0, 0},    {EventKind::Plain, 17, 0},  {EventKind::Shifted, 4, 1},
    {EventKind::Shifted, 5, 1}, {EventKind::Drop, 0, 0},    {EventKind::Drop, 0, 0},
    {EventKind::Copied, 6, 2},  {EventKind::Doubled, 7, 2}, {EventKind::Drop, 0, 0},
    {EventKind::Drop, 0, 0},    {EventKind::Drop, 0, 0},    {EventKind::Drop, 0, 0},
    {EventKind::Plain, 8, 0},   {EventKind::Copied, 9, 1},  {EventKind::Copied, 10, 1},
    {EventKind::Copied, 11, 1}, {EventKind::Copied, 12, 1}, {EventKind::Plain, 17, 0},
    {EventKind::Placed, 18, 3}, {EventKind::Placed, 19, 3}, {EventKind::Placed, 20, 3},
    {EventKind::Placed, 21, 3}, {EventKind::Drop, 0, 0},    {EventKind::Drop, 0, 0},
    {EventKind::Drop, 0, 0},    {EventKind::Drop, 0, 0},    {EventKind::Drop, 0, 0},
    {EventKind::Drop, 0, 0},    {EventKind::Drop, 0, 0},    {EventKind::Drop, 0, 0},
    {EventKind::Drop, 0, 0},    {EventKind::Drop, 0, 0},    {EventKind::End, 34, 0},
}};
inline constexpr EventRule UnknownEvent{EventKind::Drop, 0, 0};

// The row of `table` for older number `n`, or `unknown`.
template <class T, std::size_t N>
constexpr const T& rowOf(const std::array<T, N>& table, int n, const T& unknown) {
  return n >= 0 && static_cast<std::size_t>(n) < N ? table[static_cast<std::size_t>(n)] : unknown;
}

}  // namespace older
