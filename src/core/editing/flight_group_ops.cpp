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

void renumberReferences(model::MissionEdit& e, int a, Renumber code) {
  const Mission& m = e.mission();
  const std::size_t count = m.flightGroups.size();
  for (std::size_t i = 0; i < count; ++i) {
    FlightGroup g;
    g.bytes = m.flightGroups[i].bytes;
    renumberFlightGroup(g, a, code, count);
    e.patchDiff(model::RecordKind::FlightGroup, static_cast<int>(i), 0, g.span());
  }
  // The buffer keeps naming the groups it named when it was copied.
  e.modifyBuffer([&](FlightGroup& b) { renumberFlightGroup(b, a, code, count); });
  for (std::size_t i = 0; i < m.messages.size(); ++i) {
    model::Message msg = m.messages[i];
    renumberTriggerSet(msg.part(model::message::Triggers, model::triggerset::Size), a, code, count);
    e.patchDiff(model::RecordKind::Message, static_cast<int>(i), 0, msg.span());
  }
  for (std::size_t t = 0; t < m.globalGoals.size(); ++t) {
    model::GlobalGoal gg = m.globalGoals[t];
    for (std::size_t p = 0; p < model::globalgoal::EntryAt.size(); ++p)
      renumberTriggerSet(gg.entry(p).subspan(model::ggentry::Triggers, model::triggerset::Size), a,
                         code, count);
    e.patchDiff(model::RecordKind::GlobalGoal, static_cast<int>(t), 0, gg.span());
  }
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
