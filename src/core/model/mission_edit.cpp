#include "model/mission_edit.h"

#include <cstring>
#include <stdexcept>

namespace model {

namespace {

std::size_t sizeIndex(int i) {
  return static_cast<std::size_t>(i);
}

// The smallest range in which two equal-sized byte images differ: [first, last).
std::pair<std::size_t, std::size_t> differingRange(CBytes a, CBytes b) {
  // Most records a rule rewrites come back unchanged.
  if (a.empty() || std::memcmp(a.data(), b.data(), a.size()) == 0) return {0, 0};
  std::size_t first = 0;
  while (first < a.size() && a[first] == b[first]) ++first;
  if (first == a.size()) return {0, 0};
  std::size_t last = a.size();
  while (last > first && a[last - 1] == b[last - 1]) --last;
  return {first, last};
}

}  // namespace

void MissionEdit::record(Step s) {
  Delta::applyStep(m_, buffer_, s, changes_);
  d_.steps.push_back(std::move(s));
}

void MissionEdit::patch(RecordKind kind, int index, std::size_t offset, CBytes bytes) {
  if (kind == RecordKind::FlightGroupBuffer && !buffer_) return;
  CBytes rec = recordBytes(m_, kind, index, buffer_);
  if (offset + bytes.size() > rec.size()) throw std::out_of_range("patch beyond the record");
  const auto [first, last] = differingRange(rec.subspan(offset, bytes.size()), bytes);
  if (first == last) return;
  PatchStep p{kind, index, static_cast<std::uint32_t>(offset), {}, {}};
  p.before.assign(rec.begin() + static_cast<std::ptrdiff_t>(offset),
                  rec.begin() + static_cast<std::ptrdiff_t>(offset + bytes.size()));
  p.after.assign(bytes.begin(), bytes.end());
  record(std::move(p));
}

void MissionEdit::patchDiff(RecordKind kind, int index, std::size_t offset, CBytes bytes) {
  if (kind == RecordKind::FlightGroupBuffer && !buffer_) return;
  CBytes rec = recordBytes(m_, kind, index, buffer_);
  if (offset + bytes.size() > rec.size()) throw std::out_of_range("patch beyond the record");
  const auto [first, last] = differingRange(rec.subspan(offset, bytes.size()), bytes);
  if (first == last) return;
  PatchStep p{kind, index, static_cast<std::uint32_t>(offset + first), {}, {}};
  p.before.assign(rec.begin() + static_cast<std::ptrdiff_t>(offset + first),
                  rec.begin() + static_cast<std::ptrdiff_t>(offset + last));
  p.after.assign(bytes.begin() + static_cast<std::ptrdiff_t>(first),
                 bytes.begin() + static_cast<std::ptrdiff_t>(last));
  record(std::move(p));
}

void MissionEdit::setText(RecordKind kind, int index, const TextField& f, std::string_view text) {
  const std::string enc = encodeText(f, text);
  patch(kind, index, f.offset,
        CBytes(reinterpret_cast<const std::uint8_t*>(enc.data()), enc.size()));
}

void MissionEdit::modifyFlightGroup(int index, const std::function<void(FlightGroup&)>& fn) {
  FlightGroup g = m_.flightGroups.at(sizeIndex(index));
  fn(g);
  patchDiff(RecordKind::FlightGroup, index, 0, g.span());
  patchDiff(RecordKind::FlightGroupGoalStrings, index, 0, g.goalStrings.span());
  setAutoLink(index, g.autoLink);
}

void MissionEdit::modifyMessage(int index, const std::function<void(Message&)>& fn) {
  Message msg = m_.messages.at(sizeIndex(index));
  fn(msg);
  patchDiff(RecordKind::Message, index, 0, msg.span());
}

void MissionEdit::modifyBuffer(const std::function<void(FlightGroup&)>& fn) {
  if (!buffer_) return;
  FlightGroup g = *buffer_;
  fn(g);
  patchDiff(RecordKind::FlightGroupBuffer, 0, 0, g.span());
}

void MissionEdit::setAutoLink(int index, bool on) {
  const bool was = m_.flightGroups.at(sizeIndex(index)).autoLink;
  if (was != on) record(AutoLinkStep{index, was, on});
}

void MissionEdit::insertFlightGroup(int index, FlightGroup g) {
  record(InsertStep{ListKind::FlightGroups, index,
                    std::make_shared<const FlightGroup>(std::move(g)), nullptr, std::nullopt,
                    true});
}

FlightGroup MissionEdit::removeFlightGroup(int index) {
  auto g = std::make_shared<const FlightGroup>(m_.flightGroups.at(sizeIndex(index)));
  record(InsertStep{ListKind::FlightGroups, index, g, nullptr, std::nullopt, false});
  return *g;
}

void MissionEdit::moveFlightGroup(int from, int to) {
  if (from == to) return;
  record(MoveStep{ListKind::FlightGroups, from, to});
}

void MissionEdit::insertMessage(int index, Message msg, std::optional<std::string> sound) {
  // The sound list follows the messages as far as it reaches.
  if (sizeIndex(index) > m_.sounds.size())
    sound.reset();
  else if (!sound && sizeIndex(index) < m_.sounds.size())
    sound = std::string();
  record(InsertStep{ListKind::Messages, index, nullptr,
                    std::make_shared<const Message>(std::move(msg)), std::move(sound), true});
}

Message MissionEdit::removeMessage(int index) {
  auto msg = std::make_shared<const Message>(m_.messages.at(sizeIndex(index)));
  std::optional<std::string> sound;
  if (sizeIndex(index) < m_.sounds.size()) sound = m_.sounds[sizeIndex(index)];
  record(InsertStep{ListKind::Messages, index, nullptr, msg, std::move(sound), false});
  return *msg;
}

void MissionEdit::moveMessage(int from, int to) {
  if (from == to) return;
  record(MoveStep{ListKind::Messages, from, to});
}

void MissionEdit::setTextBlock(TextBlockId id, const TextBlock& block) {
  const TextBlock& now = textBlock(m_, id);
  if (now == block) return;
  record(TextBlockStep{id, now, block});
}

void MissionEdit::setFormat(std::int16_t platformId) {
  if (m_.platformId != platformId) record(FormatStep{m_.platformId, platformId});
}

void MissionEdit::setSounds(std::vector<std::string> sounds) {
  if (m_.sounds != sounds) record(SoundsStep{m_.sounds, std::move(sounds)});
}

void MissionEdit::setBriefingText(int briefing, bool tags, int index, std::string text) {
  const Briefing& b = m_.briefings.at(sizeIndex(briefing));
  const std::string& now = (tags ? b.tags : b.strings).at(sizeIndex(index));
  if (now != text) record(BriefingTextStep{briefing, tags, index, now, std::move(text)});
}

void MissionEdit::modifyContent(const std::function<void(Mission&)>& fn) {
  Mission w = m_;
  fn(w);
  auto records = [&](RecordKind kind, int count) {
    for (int i = 0; i < count; ++i) patchDiff(kind, i, 0, recordBytes(w, kind, i));
  };
  setFormat(w.platformId);
  records(RecordKind::Header, 1);
  records(RecordKind::TeamIff, 1);
  records(RecordKind::GlobalGoal, static_cast<int>(TeamCount));
  records(RecordKind::Team, static_cast<int>(TeamCount));
  records(RecordKind::GlobalGoalStrings, static_cast<int>(TeamCount));
  records(RecordKind::Briefing, static_cast<int>(BriefingCount));
  for (std::size_t b = 0; b < BriefingCount; ++b)
    for (std::size_t s = 0; s < briefing::StringCount; ++s) {
      setBriefingText(static_cast<int>(b), true, static_cast<int>(s), w.briefings[b].tags[s]);
      setBriefingText(static_cast<int>(b), false, static_cast<int>(s), w.briefings[b].strings[s]);
    }
  if (w.flightGroups.size() == m_.flightGroups.size()) {
    for (std::size_t i = 0; i < w.flightGroups.size(); ++i)
      modifyFlightGroup(static_cast<int>(i), [&](FlightGroup& g) { g = w.flightGroups[i]; });
  } else {
    record(ListReplaceStep{m_.flightGroups, w.flightGroups, {}, {}, ListKind::FlightGroups});
  }
  if (w.messages.size() == m_.messages.size()) {
    for (std::size_t i = 0; i < w.messages.size(); ++i)
      patchDiff(RecordKind::Message, static_cast<int>(i), 0, w.messages[i].span());
  } else {
    record(ListReplaceStep{{}, {}, m_.messages, w.messages, ListKind::Messages});
  }
  for (TextBlockId id :
       {TextBlockId::Description, TextBlockId::SuccessDebrief, TextBlockId::FailureDebrief})
    setTextBlock(id, textBlock(w, id));
  setSounds(w.sounds);
}

Delta MissionEdit::take() {
  refreshDerived(m_, changes_);
  changes_ = {};
  return std::move(d_);
}

}  // namespace model
