#include "older/import.h"

#include <algorithm>

#include "older/tables.h"

namespace older {
namespace {

using model::i16;
using model::u16;
using model::u8;

u16 saturated(long v) {
  return static_cast<u16>(std::clamp<long>(v, 0, 0xFFFF));
}
u16 signedWord(long v) {
  return static_cast<u16>(static_cast<i16>(std::clamp<long>(v, -32768, 32767)));
}

constexpr u16 EndTime = 9999;
constexpr u16 EndCode = 34;

}  // namespace

std::vector<std::uint16_t> convertedEvents(const std::vector<std::uint16_t>& old) {
  constexpr std::size_t Max = model::briefing::EventWords;
  std::vector<std::uint16_t> out;
  bool endsWithMarker = false;
  std::size_t i = 0;
  while (i + 2 <= old.size()) {
    const u16 time = old[i];
    const EventRule& rule = rowOf(EventRules, old[i + 1], UnknownEvent);
    const std::size_t n = rule.words;
    if (i + 2 + n > old.size()) break;  // a command cut off by the end of the block
    const u16* p = old.data() + i + 2;
    i += 2 + n;

    const u16 newTime = time == EndTime ? EndTime : saturated(2L * time);
    auto param = [&](std::size_t k) { return static_cast<long>(static_cast<i16>(p[k])); };
    std::vector<u16> cmd = {newTime, rule.code};
    switch (rule.kind) {
      case EventKind::Drop:
        continue;
      case EventKind::End:
      case EventKind::Plain:
        break;
      case EventKind::Shifted:
        cmd.push_back(saturated(param(0) - 1));
        break;
      case EventKind::Copied:
        cmd.insert(cmd.end(), p, p + n);
        break;
      case EventKind::Doubled:
        for (std::size_t k = 0; k < n; ++k) cmd.push_back(signedWord(2 * param(k)));
        break;
      case EventKind::Placed:
        cmd.insert(cmd.end(), p, p + n);
        cmd.push_back(2);
        break;
    }

    // The stream keeps room for its end marker.
    const bool marker = cmd[1] == EndCode;
    if (out.size() + cmd.size() + (marker ? 0 : 2) > Max) break;
    out.insert(out.end(), cmd.begin(), cmd.end());
    endsWithMarker = marker;
  }
  if (!endsWithMarker) out.insert(out.end(), {EndTime, EndCode});
  return out;
}

void convertBriefing(const Briefing& brf, model::Mission& m) {
  model::Briefing& b = m.briefings[0];
  for (std::size_t s = 0; s < model::briefing::StringCount; ++s) {
    b.tags[s] = brf.tags[s];
    b.strings[s] = brf.texts[s];
  }
  std::string description;
  for (const std::string& t : brf.texts)
    if (t.size() > 200) description.append(t).append("\r\n\r\n");
  if (!description.empty()) {
    if (description.size() > 4095) description.resize(4095);
    m.description.setText(description, 4096);
  }

  const std::vector<std::uint16_t> words = convertedEvents(brf.events);
  for (std::size_t w = 0; w < words.size(); ++w)
    b.set(model::briefing::Events, static_cast<i16>(words[w]), w);
  b.set(model::briefing::EventWordsUsed, static_cast<i16>(words.size()));
  b.set(model::briefing::RunningTime, static_cast<i16>(std::clamp(2 * brf.runningTime, 0, 32767)));
  b.set(model::briefing::TeamVisible, u8{1}, 0);

  // The first coordinate set places each flight group's icon in briefing 1.
  if (!brf.coordinateSets.empty()) {
    const auto& set = brf.coordinateSets[0];
    for (std::size_t i = 0; i < set.size() && i < m.flightGroups.size(); ++i) {
      model::FlightGroup& g = m.flightGroups[i];
      g.set(model::fg::WaypointX, static_cast<i16>(set[i].x), model::Briefing1);
      g.set(model::fg::WaypointY, static_cast<i16>(set[i].y), model::Briefing1);
      g.set(model::fg::WaypointZ, static_cast<i16>(set[i].z), model::Briefing1);
      g.set(model::fg::WaypointEnabled, i16{1}, model::Briefing1);
    }
  }
}

}  // namespace older
