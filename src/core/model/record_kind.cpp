#include "model/record_kind.h"

#include <cctype>
#include <stdexcept>

namespace model {

Bytes recordBytes(Mission& m, RecordKind kind, int index, FlightGroup* buffer) {
  const auto i = static_cast<std::size_t>(index);
  switch (kind) {
    case RecordKind::Header:
      return m.header.span();
    case RecordKind::FlightGroup:
      return m.flightGroups.at(i).span();
    case RecordKind::FlightGroupGoalStrings:
      return m.flightGroups.at(i).goalStrings.span();
    case RecordKind::Message:
      return m.messages.at(i).span();
    case RecordKind::GlobalGoal:
      return m.globalGoals.at(i).span();
    case RecordKind::Team:
      return m.teams.at(i).span();
    case RecordKind::Briefing:
      return m.briefings.at(i).span();
    case RecordKind::GlobalGoalStrings:
      return m.globalGoalStrings.at(i).span();
    case RecordKind::TeamIff:
      return m.teamIff;
    case RecordKind::FlightGroupBuffer:
      if (!buffer) throw std::out_of_range("no copy buffer");
      return buffer->span();
  }
  return {};
}

CBytes recordBytes(const Mission& m, RecordKind kind, int index, const FlightGroup* buffer) {
  return recordBytes(const_cast<Mission&>(m), kind, index, const_cast<FlightGroup*>(buffer));
}

int recordCount(const Mission& m, RecordKind kind) {
  switch (kind) {
    case RecordKind::Header:
    case RecordKind::TeamIff:
    case RecordKind::FlightGroupBuffer:
      return 1;
    case RecordKind::FlightGroup:
    case RecordKind::FlightGroupGoalStrings:
      return static_cast<int>(m.flightGroups.size());
    case RecordKind::Message:
      return static_cast<int>(m.messages.size());
    case RecordKind::GlobalGoal:
    case RecordKind::Team:
    case RecordKind::GlobalGoalStrings:
      return static_cast<int>(TeamCount);
    case RecordKind::Briefing:
      return static_cast<int>(BriefingCount);
  }
  return 0;
}

TextBlock& textBlock(Mission& m, TextBlockId id) {
  switch (id) {
    case TextBlockId::SuccessDebrief:
      return m.successDebrief;
    case TextBlockId::FailureDebrief:
      return m.failureDebrief;
    case TextBlockId::Description:
      break;
  }
  return m.description;
}

const TextBlock& textBlock(const Mission& m, TextBlockId id) {
  return textBlock(const_cast<Mission&>(m), id);
}

std::size_t listSize(const Mission& m, ListKind list) {
  return list == ListKind::FlightGroups ? m.flightGroups.size() : m.messages.size();
}

std::string fieldTitle(std::string_view name) {
  std::string out;
  for (std::size_t i = 0; i < name.size(); ++i) {
    const auto c = static_cast<unsigned char>(name[i]);
    const auto prev = i ? static_cast<unsigned char>(name[i - 1]) : 0;
    const bool startsWord = i > 0 && ((std::isupper(c) && !std::isupper(prev)) ||
                                      (std::isdigit(c) && !std::isdigit(prev)));
    if (startsWord) out += ' ';
    out += static_cast<char>(c);
  }
  return out;
}

}  // namespace model
