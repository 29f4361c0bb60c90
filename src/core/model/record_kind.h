#pragma once
// The records an edit addresses: which list (`RecordKind`), which element, and the bytes of it.

#include <cstddef>
#include <string>
#include <string_view>

#include "model/mission.h"

namespace model {

// Which list of records a byte patch addresses. FlightGroupBuffer is the copy buffer (editor
// state), TeamIff the ten team colours seen as one 10-byte record.
enum class RecordKind {
  Header,
  FlightGroup,
  FlightGroupGoalStrings,
  Message,
  GlobalGoal,
  Team,
  Briefing,
  GlobalGoalStrings,
  TeamIff,
  FlightGroupBuffer,
};
inline constexpr std::size_t RecordKindCount = 10;

// The two lists whose length changes.
enum class ListKind { FlightGroups, Messages };

enum class TextBlockId { Description, SuccessDebrief, FailureDebrief };

// The byte image of record `index` of `kind` (throws std::out_of_range past the list).
Bytes recordBytes(Mission& m, RecordKind kind, int index, FlightGroup* buffer = nullptr);
CBytes recordBytes(const Mission& m, RecordKind kind, int index,
                   const FlightGroup* buffer = nullptr);
int recordCount(const Mission& m, RecordKind kind);
TextBlock& textBlock(Mission& m, TextBlockId id);
const TextBlock& textBlock(const Mission& m, TextBlockId id);
std::size_t listSize(const Mission& m, ListKind list);

// A field name as words for people: "CraftType" -> "Craft Type", "Variable1" -> "Variable 1".
std::string fieldTitle(std::string_view name);

}  // namespace model
