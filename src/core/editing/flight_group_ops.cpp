#include "editing/flight_group_ops.h"

#include <algorithm>
#include <utility>

#include "editing/descriptions.h"

namespace editing {

using model::Bytes;
using model::FlightGroup;
using model::Mission;

namespace {

// The selected lines that exist, ascending and without repeats.
std::vector<int> validSelection(const Mission& m, const FlightGroupSelection& s) {
  const int count = static_cast<int>(m.flightGroups.size());
  std::vector<int> sel;
  for (int i : s.selected)
    if (i >= 0 && i < count) sel.push_back(i);
  std::sort(sel.begin(), sel.end());
  sel.erase(std::unique(sel.begin(), sel.end()), sel.end());
  return sel;
}

}  // namespace

void renumberReferences(model::MissionEdit& e, int a, Renumber code) {
  const Mission& m = e.mission();
  const std::size_t count = m.flightGroups.size();
  // Each record's bytes rewritten on a copy, kept only where a byte changed.
  auto renumberList = [&](model::RecordKind kind, const auto& records) {
    for (std::size_t i = 0; i < records.size(); ++i) {
      auto bytes = records[i].bytes;
      renumberRecord(kind, bytes, a, code, count);
      e.patchDiff(kind, static_cast<int>(i), 0, bytes);
    }
  };
  renumberList(model::RecordKind::FlightGroup, m.flightGroups);
  // The buffer keeps naming the groups it named when it was copied.
  e.modifyBuffer([&](FlightGroup& b) {
    renumberRecord(model::RecordKind::FlightGroupBuffer, b.span(), a, code, count);
  });
  renumberList(model::RecordKind::Message, m.messages);
  renumberList(model::RecordKind::GlobalGoal, m.globalGoals);
  renumberList(model::RecordKind::Briefing, m.briefings);
}

void renumberReferences(Mission& m, int a, Renumber code) {
  model::MissionEdit e(m);
  renumberReferences(e, a, code);
  e.take();
}

FlightGroupSelection newFlightGroup(model::MissionEdit& e, const FlightGroup& tmpl,
                                    const model::MissionDefaults& defaults) {
  const int index = static_cast<int>(e.mission().flightGroups.size());
  e.insertFlightGroup(index, e.mission().addedFlightGroup(tmpl, defaults));
  return {{index}, index};
}

FlightGroupSelection newFlightGroup(Mission& m, const model::MissionDefaults& defaults) {
  model::MissionEdit e(m);
  auto s = newFlightGroup(e, m.newFlightGroupTemplate(defaults), defaults);
  e.take();
  return s;
}

bool canMoveUp(const Mission& m, const FlightGroupSelection& s) {
  const std::vector<int> sel = validSelection(m, s);
  return !sel.empty() && s.current > 0 && s.current < static_cast<int>(m.flightGroups.size()) &&
         sel.front() != 0;
}

bool canMoveDown(const Mission& m, const FlightGroupSelection& s) {
  const int last = static_cast<int>(m.flightGroups.size()) - 1;
  const std::vector<int> sel = validSelection(m, s);
  return !sel.empty() && s.current >= 0 && s.current < last && sel.back() != last;
}

FlightGroupSelection moveUp(model::MissionEdit& e, const FlightGroupSelection& s) {
  if (!canMoveUp(e.mission(), s)) return s;
  FlightGroupSelection out{validSelection(e.mission(), s), s.current};
  for (int& i : out.selected) {
    renumberReferences(e, i, Renumber::Up);
    e.moveFlightGroup(i, i - 1);
    if (out.current == i)
      out.current = i - 1;
    else if (out.current == i - 1)
      out.current = i;
    --i;
  }
  return out;
}

FlightGroupSelection moveDown(model::MissionEdit& e, const FlightGroupSelection& s) {
  if (!canMoveDown(e.mission(), s)) return s;
  FlightGroupSelection out{validSelection(e.mission(), s), s.current};
  for (auto it = out.selected.rbegin(); it != out.selected.rend(); ++it) {
    int& i = *it;
    renumberReferences(e, i, Renumber::Down);
    e.moveFlightGroup(i, i + 1);
    if (out.current == i)
      out.current = i + 1;
    else if (out.current == i + 1)
      out.current = i;
    ++i;
  }
  return out;
}

FlightGroupSelection moveUp(Mission& m, const FlightGroupSelection& s) {
  model::MissionEdit e(m);
  auto out = moveUp(e, s);
  e.take();
  return out;
}

FlightGroupSelection moveDown(Mission& m, const FlightGroupSelection& s) {
  model::MissionEdit e(m);
  auto out = moveDown(e, s);
  e.take();
  return out;
}

FlightGroupSelection deleteFlightGroups(model::MissionEdit& e, const FlightGroupSelection& s,
                                        const FlightGroup& tmpl) {
  const std::vector<int> sel = validSelection(e.mission(), s);
  if (sel.empty()) return s;
  if (e.mission().flightGroups.size() == 1) {
    renumberReferences(e, 0, Renumber::Delete);
    e.modifyFlightGroup(0, [&](FlightGroup& g) {
      FlightGroup fresh = tmpl;
      fresh.autoLink = g.autoLink;
      fresh.heading = model::Heading{};
      g = fresh;
    });
    return {{0}, 0};
  }
  // The current line steps up once for every deleted line (never below the first), then comes
  // down one again unless it was the first: one deleted line leaves the current line on the
  // group after it, a block of lines lands the current line above the block.
  const int oldCurrent = s.current;
  int current = oldCurrent;
  for (auto it = sel.rbegin(); it != sel.rend(); ++it) {
    renumberReferences(e, *it, Renumber::Delete);
    e.removeFlightGroup(*it);
    if (current > 0) --current;
  }
  if (oldCurrent != 0) ++current;
  const int count = static_cast<int>(e.mission().flightGroups.size());
  if (count == 0) return {{}, 0};
  current = std::clamp(current, 0, count - 1);
  return {{current}, current};
}

FlightGroupSelection deleteFlightGroups(Mission& m, const FlightGroupSelection& s) {
  model::MissionEdit e(m);
  auto out = deleteFlightGroups(e, s, m.newFlightGroupTemplate({}));
  e.take();
  return out;
}

bool copyFlightGroup(const Mission& m, const FlightGroupSelection& s, FlightGroup& buffer) {
  if (s.current < 0 || static_cast<std::size_t>(s.current) >= m.flightGroups.size()) return false;
  buffer = m.flightGroups[static_cast<std::size_t>(s.current)];
  return true;
}

FlightGroupSelection cutFlightGroups(model::MissionEdit& e, const FlightGroupSelection& s,
                                     const FlightGroup& tmpl) {
  if (e.mission().flightGroups.empty()) return s;
  if (e.buffer()) copyFlightGroup(e.mission(), s, *e.buffer());
  return deleteFlightGroups(e, s, tmpl);
}

FlightGroupSelection pasteFlightGroup(model::MissionEdit& e,
                                      const FlightGroupSelection& /*selection*/,
                                      const FlightGroup& buffer,
                                      const model::MissionDefaults& defaults) {
  FlightGroup g = buffer;
  if (defaults.autoLink && e.mission().missionType() != model::Melee) g.autoLink = true;
  const int at = static_cast<int>(e.mission().flightGroups.size());
  e.insertFlightGroup(at, g);
  // The new group becomes the selected one, so that the user sees where it went.
  return {{at}, at};
}

}  // namespace editing
