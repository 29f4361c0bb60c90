#include "editing/flight_group_ops.h"

#include <algorithm>
#include <utility>

#include "editing/descriptions.h"

namespace editing {

using model::Bytes;
using model::FlightGroup;
using model::Mission;
namespace fg = model::fg;
namespace tr = model::trigger;
namespace od = model::order;

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

FlightGroupSelection finish(Mission& m, FlightGroupSelection s) {
  m.currentFlightGroup = s.current;
  return s;
}

void renumberTrigger(Bytes t, int a, Renumber code, std::size_t count) {
  if (model::get(t, tr::VariableType) != TargetFlightGroup) return;
  model::set(t, tr::Variable, renumbered(model::get(t, tr::Variable), a, code, count));
}

void renumberTriggerSet(Bytes set, int a, Renumber code, std::size_t count) {
  for (std::size_t at : model::triggerset::TriggerAt)
    renumberTrigger(set.subspan(at, tr::Size), a, code, count);
}

struct Mothership {
  model::Field<std::uint8_t> ship, via;
};
constexpr Mothership Motherships[] = {
    {fg::ArrivalMothership, fg::ArriveViaMothership},
    {fg::AltArrivalMothership, fg::AltArriveViaMothership},
    {fg::DepartureMothership, fg::DepartViaMothership},
    {fg::AltDepartureMothership, fg::AltDepartViaMothership},
};

void renumberFlightGroup(FlightGroup& g, int a, Renumber code, std::size_t count) {
  renumberTriggerSet(g.part(fg::ArrivalTriggers, model::triggerset::Size), a, code, count);
  for (std::size_t at :
       {fg::DepartureTrigger1, fg::DepartureTrigger2, fg::SkipTrigger1, fg::SkipTrigger2})
    renumberTrigger(g.part(at, tr::Size), a, code, count);
  for (std::size_t n = 0; n < fg::OrderCount; ++n) {
    Bytes o = g.orderBytes(n);
    for (std::size_t t = 0; t < od::Target.size(); ++t) {
      if (model::get(o, od::TargetType[t]) != TargetFlightGroup) continue;
      model::set(o, od::Target[t], renumbered(model::get(o, od::Target[t]), a, code, count));
    }
  }
  // Mother-ship fields are renumbered whatever their via flags say, so that switching the flag
  // back on finds the same ship.
  for (const Mothership& ms : Motherships) {
    const std::uint8_t r = g.get(ms.ship);
    std::uint8_t next = renumbered(r, a, code, count);
    if (next == DeletedFlightGroup && r != DeletedFlightGroup && g.get(ms.via) == 0) next = 0;
    g.set(ms.ship, next);
  }
}

}  // namespace

std::uint8_t renumbered(std::uint8_t r, int a, Renumber code, std::size_t count) {
  if (static_cast<std::size_t>(r) >= count || a < 0) return r;
  switch (code) {
    case Renumber::Down:
      if (r == a) return static_cast<std::uint8_t>(a + 1);
      if (r == a + 1) return static_cast<std::uint8_t>(a);
      return r;
    case Renumber::Up:
      if (r == a) return static_cast<std::uint8_t>(a - 1);
      if (r == a - 1) return static_cast<std::uint8_t>(a);
      return r;
    case Renumber::Delete:
      if (r == a) return DeletedFlightGroup;
      if (r > a) return static_cast<std::uint8_t>(r - 1);
      return r;
  }
  return r;
}

void renumberReferences(Mission& m, int a, Renumber code) {
  const std::size_t count = m.flightGroups.size();
  for (FlightGroup& g : m.flightGroups) renumberFlightGroup(g, a, code, count);
  // The buffer keeps naming the groups it named when it was copied.
  renumberFlightGroup(m.flightGroupBuffer, a, code, count);
  for (model::Message& msg : m.messages)
    renumberTriggerSet(msg.part(model::message::Triggers, model::triggerset::Size), a, code, count);
  for (model::GlobalGoal& gg : m.globalGoals)
    for (std::size_t p = 0; p < model::globalgoal::EntryAt.size(); ++p)
      renumberTriggerSet(gg.entry(p).subspan(model::ggentry::Triggers, model::triggerset::Size), a,
                         code, count);
}

FlightGroupSelection newFlightGroup(Mission& m) {
  const int index = m.addFlightGroup();
  return finish(m, {{index}, index});
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

FlightGroupSelection moveUp(Mission& m, const FlightGroupSelection& s) {
  if (!canMoveUp(m, s)) return s;
  FlightGroupSelection out{validSelection(m, s), s.current};
  for (int& i : out.selected) {
    renumberReferences(m, i, Renumber::Up);
    std::swap(m.flightGroups[static_cast<std::size_t>(i)],
              m.flightGroups[static_cast<std::size_t>(i - 1)]);
    if (out.current == i)
      out.current = i - 1;
    else if (out.current == i - 1)
      out.current = i;
    --i;
  }
  m.markMissionChanged();
  return finish(m, out);
}

FlightGroupSelection moveDown(Mission& m, const FlightGroupSelection& s) {
  if (!canMoveDown(m, s)) return s;
  FlightGroupSelection out{validSelection(m, s), s.current};
  for (auto it = out.selected.rbegin(); it != out.selected.rend(); ++it) {
    int& i = *it;
    renumberReferences(m, i, Renumber::Down);
    std::swap(m.flightGroups[static_cast<std::size_t>(i)],
              m.flightGroups[static_cast<std::size_t>(i + 1)]);
    if (out.current == i)
      out.current = i + 1;
    else if (out.current == i + 1)
      out.current = i;
    ++i;
  }
  m.markMissionChanged();
  return finish(m, out);
}

FlightGroupSelection deleteFlightGroups(Mission& m, const FlightGroupSelection& s) {
  const std::vector<int> sel = validSelection(m, s);
  if (sel.empty()) return s;
  if (m.flightGroups.size() == 1) {
    renumberReferences(m, 0, Renumber::Delete);
    FlightGroup fresh = m.newFlightGroupTemplate;
    fresh.autoLink = m.flightGroups[0].autoLink;
    fresh.heading = model::Heading{};
    m.flightGroups[0] = fresh;
    m.updateMapExtent();
    m.markMissionChanged();
    return finish(m, {{0}, 0});
  }
  // The current line steps up once for every deleted line (never below the first), then comes
  // down one again unless it was the first: one deleted line leaves the current line on the
  // group after it, a block of lines lands the current line above the block.
  const int oldCurrent = s.current;
  int current = oldCurrent;
  for (auto it = sel.rbegin(); it != sel.rend(); ++it) {
    renumberReferences(m, *it, Renumber::Delete);
    m.flightGroups.erase(m.flightGroups.begin() + *it);
    if (current > 0) --current;
  }
  if (oldCurrent != 0) ++current;
  m.syncCounts();
  m.updateMapExtent();
  m.markMissionChanged();
  const int count = static_cast<int>(m.flightGroups.size());
  if (count == 0) return finish(m, {{}, 0});
  current = std::clamp(current, 0, count - 1);
  return finish(m, {{current}, current});
}

void copyFlightGroup(Mission& m, const FlightGroupSelection& s) {
  if (s.current < 0 || static_cast<std::size_t>(s.current) >= m.flightGroups.size()) return;
  m.flightGroupBuffer = m.flightGroups[static_cast<std::size_t>(s.current)];
}

FlightGroupSelection cutFlightGroups(Mission& m, const FlightGroupSelection& s) {
  if (m.flightGroups.empty()) return s;
  copyFlightGroup(m, s);
  return deleteFlightGroups(m, s);
}

FlightGroupSelection pasteFlightGroup(Mission& m, const FlightGroupSelection& s) {
  FlightGroup g = m.flightGroupBuffer;
  if (m.defaults.autoLink && m.missionType() != model::Melee) g.autoLink = true;
  m.flightGroups.push_back(g);
  m.syncCounts();
  m.updateMapExtent();
  m.markFlightGroupChanged();
  FlightGroupSelection out{validSelection(m, s), s.current};
  if (m.flightGroups.size() == 1) out = {{0}, 0};
  return finish(m, out);
}

}  // namespace editing
