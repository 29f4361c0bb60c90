#include "model/delta.h"

#include <algorithm>

#include "model/derived.h"

namespace model {

namespace {

std::size_t idx(int i) {
  return static_cast<std::size_t>(i);
}

template <class T>
void insertAt(std::vector<T>& v, int i, T value) {
  v.insert(v.begin() + i, std::move(value));
}

template <class T>
void moveWithin(std::vector<T>& v, int from, int to) {
  T x = std::move(v[idx(from)]);
  v.erase(v.begin() + from);
  v.insert(v.begin() + to, std::move(x));
}

int movedPosition(int p, int from, int to) {
  if (p == from) return to;
  if (from < to && p > from && p <= to) return p - 1;
  if (to < from && p >= to && p < from) return p + 1;
  return p;
}

// Applies each kind of step forward (`back` false) or backward, noting what changed in `c`.
struct StepApplier {
  Mission& m;
  FlightGroup* buffer;
  bool back;
  ChangeSet& c;

  void operator()(const PatchStep& s) const {
    const auto& from = back ? s.after : s.before;
    const auto& to = back ? s.before : s.after;
    if (s.kind == RecordKind::FlightGroupBuffer) {
      // The buffer takes the step only while it holds what the step expects: a buffer
      // the user filled again since is left alone.
      if (!buffer) return;
      Bytes rec = buffer->span();
      if (!std::equal(from.begin(), from.end(), rec.begin() + s.offset)) return;
      std::copy(to.begin(), to.end(), rec.begin() + s.offset);
    } else {
      Bytes rec = recordBytes(m, s.kind, s.index, buffer);
      std::copy(to.begin(), to.end(), rec.begin() + s.offset);
    }
    c.notePatch(s.kind, s.index, s.offset, to.size());
  }

  void operator()(const AutoLinkStep& s) const {
    m.flightGroups.at(idx(s.index)).autoLink = back ? s.before : s.after;
    c.autoLink = true;
    c.noteRecord(RecordKind::FlightGroup, s.index);
  }

  void operator()(const InsertStep& s) const {
    const std::size_t before = listSize(m, s.list);
    if (s.insert != back) {
      if (s.list == ListKind::FlightGroups) {
        insertAt(m.flightGroups, s.index, *s.group);
      } else {
        insertAt(m.messages, s.index, *s.message);
        if (s.sound) insertAt(m.sounds, s.index, *s.sound);
      }
      c.noteList(s.list, before, listSize(m, s.list),
                 [&](int p) { return p >= s.index ? p + 1 : p; }, {s.index});
    } else {
      if (s.list == ListKind::FlightGroups) {
        m.flightGroups.erase(m.flightGroups.begin() + s.index);
      } else {
        m.messages.erase(m.messages.begin() + s.index);
        if (s.sound) m.sounds.erase(m.sounds.begin() + s.index);
      }
      c.noteList(s.list, before, listSize(m, s.list),
                 [&](int p) { return p == s.index ? -1 : (p > s.index ? p - 1 : p); }, {});
    }
  }

  void operator()(const MoveStep& s) const {
    const int from = back ? s.to : s.from;
    const int to = back ? s.from : s.to;
    const std::size_t before = listSize(m, s.list);
    if (s.list == ListKind::FlightGroups) {
      moveWithin(m.flightGroups, from, to);
    } else {
      moveWithin(m.messages, from, to);
      if (idx(std::max(from, to)) < m.sounds.size()) moveWithin(m.sounds, from, to);
    }
    c.noteList(s.list, before, before, [&](int p) { return movedPosition(p, from, to); }, {});
  }

  void operator()(const TextBlockStep& s) const {
    textBlock(m, s.block) = back ? s.before : s.after;
    c.textBlocks[static_cast<std::size_t>(s.block)] = true;
  }

  void operator()(const FormatStep& s) const {
    m.platformId = back ? s.before : s.after;
    c.format = true;
  }

  void operator()(const SoundsStep& s) const {
    m.sounds = back ? s.before : s.after;
    c.sounds = true;
  }

  void operator()(const BriefingTextStep& s) const {
    Briefing& b = m.briefings.at(idx(s.briefing));
    (s.tags ? b.tags : b.strings).at(idx(s.index)) = back ? s.before : s.after;
    c.briefingText = true;
    c.noteRecord(RecordKind::Briefing, s.briefing);
  }

  void operator()(const ListReplaceStep& s) const {
    const std::size_t before = listSize(m, s.list);
    if (s.list == ListKind::FlightGroups)
      m.flightGroups = back ? s.beforeGroups : s.afterGroups;
    else
      m.messages = back ? s.beforeMessages : s.afterMessages;
    std::vector<int> all(listSize(m, s.list));
    for (std::size_t i = 0; i < all.size(); ++i) all[i] = static_cast<int>(i);
    c.noteList(
        s.list, before, all.size(), [](int) { return -1; }, all);
  }
};

// Applies one step forward (`back` false) or backward.
void applyStep(Mission& m, FlightGroup* buffer, const Step& step, bool back, ChangeSet& c) {
  std::visit(StepApplier{m, buffer, back, c}, step);
}

// A step's own comparison for merging: the same record, field, block or flag.
bool sameTarget(const Step& a, const Step& b) {
  if (a.index() != b.index()) return false;
  if (const auto* p = std::get_if<PatchStep>(&a)) {
    const auto& q = std::get<PatchStep>(b);
    return p->kind == q.kind && p->index == q.index;
  }
  if (const auto* t = std::get_if<TextBlockStep>(&a))
    return t->block == std::get<TextBlockStep>(b).block;
  if (const auto* s = std::get_if<BriefingTextStep>(&a)) {
    const auto& u = std::get<BriefingTextStep>(b);
    return s->briefing == u.briefing && s->tags == u.tags && s->index == u.index;
  }
  if (const auto* l = std::get_if<AutoLinkStep>(&a))
    return l->index == std::get<AutoLinkStep>(b).index;
  return std::holds_alternative<FormatStep>(a) || std::holds_alternative<SoundsStep>(a);
}

bool sameRange(const PatchStep& a, const PatchStep& b) {
  return a.offset == b.offset && a.after.size() == b.after.size();
}

}  // namespace

void Delta::applyStep(Mission& m, FlightGroup* buffer, const Step& step, ChangeSet& c) {
  model::applyStep(m, buffer, step, false, c);
}

ChangeSet Delta::apply(Mission& m, FlightGroup* buffer) const {
  ChangeSet c;
  for (const Step& s : steps) model::applyStep(m, buffer, s, false, c);
  refreshDerived(m, c);
  return c;
}

ChangeSet Delta::revert(Mission& m, FlightGroup* buffer) const {
  ChangeSet c;
  for (auto it = steps.rbegin(); it != steps.rend(); ++it)
    model::applyStep(m, buffer, *it, true, c);
  refreshDerived(m, c);
  return c;
}

std::size_t Delta::memory() const {
  std::size_t n = sizeof(Delta) + steps.capacity() * sizeof(Step);
  for (const Step& s : steps) {
    std::visit(
        [&](const auto& x) {
          using S = std::decay_t<decltype(x)>;
          if constexpr (std::is_same_v<S, PatchStep>) {
            n += x.before.capacity() + x.after.capacity();
          } else if constexpr (std::is_same_v<S, InsertStep>) {
            n += (x.group ? sizeof(FlightGroup) : 0) + (x.message ? sizeof(Message) : 0) +
                 (x.sound ? x.sound->capacity() : 0);
          } else if constexpr (std::is_same_v<S, TextBlockStep>) {
            n += x.before.size() + x.after.size();
          } else if constexpr (std::is_same_v<S, SoundsStep>) {
            for (const auto& v : {&x.before, &x.after})
              for (const std::string& t : *v) n += sizeof(std::string) + t.capacity();
          } else if constexpr (std::is_same_v<S, BriefingTextStep>) {
            n += x.before.capacity() + x.after.capacity();
          } else if constexpr (std::is_same_v<S, ListReplaceStep>) {
            n += (x.beforeGroups.size() + x.afterGroups.size()) * sizeof(FlightGroup) +
                 (x.beforeMessages.size() + x.afterMessages.size()) * sizeof(Message);
          }
        },
        s);
  }
  return n;
}

bool Delta::mergeAt(std::size_t start, const Delta& later, const Mission& now,
                    const FlightGroup* buffer) {
  if (later.steps.empty() || start + later.steps.size() != steps.size()) return false;
  for (std::size_t i = start; i < steps.size(); ++i) {
    if (!sameTarget(steps[i], later.steps[i - start])) return false;
    // Two patches of different bytes of a record join into one range whose bytes between them
    // are read from the content: only while no other step writes that record.
    const auto* p = std::get_if<PatchStep>(&steps[i]);
    if (!p || sameRange(*p, std::get<PatchStep>(later.steps[i - start]))) continue;
    for (std::size_t k = start; k < steps.size(); ++k)
      if (const auto* o = std::get_if<PatchStep>(&steps[k]);
          k != i && o && o->kind == p->kind && o->index == p->index)
        return false;
  }
  for (std::size_t i = start; i < steps.size(); ++i) {
    std::visit(
        [&](auto& x) {
          using S = std::decay_t<decltype(x)>;
          const S& y = std::get<S>(later.steps[i - start]);
          if constexpr (std::is_same_v<S, PatchStep>) {
            if (sameRange(x, y)) {
              x.after = y.after;
              return;
            }
            const std::size_t from = std::min(x.offset, y.offset);
            const std::size_t to = std::max(x.offset + x.after.size(), y.offset + y.after.size());
            const CBytes rec = recordBytes(now, x.kind, x.index, buffer);
            std::vector<std::uint8_t> before(rec.begin() + static_cast<std::ptrdiff_t>(from),
                                             rec.begin() + static_cast<std::ptrdiff_t>(to));
            std::vector<std::uint8_t> after = before;
            std::copy(y.before.begin(), y.before.end(), before.begin() + (y.offset - from));
            std::copy(x.before.begin(), x.before.end(), before.begin() + (x.offset - from));
            std::copy(x.after.begin(), x.after.end(), after.begin() + (x.offset - from));
            std::copy(y.after.begin(), y.after.end(), after.begin() + (y.offset - from));
            x.offset = static_cast<std::uint32_t>(from);
            x.before = std::move(before);
            x.after = std::move(after);
          } else if constexpr (!std::is_same_v<S, InsertStep> && !std::is_same_v<S, MoveStep> &&
                               !std::is_same_v<S, ListReplaceStep>) {
            x.after = y.after;
          }
        },
        steps[i]);
  }
  return true;
}

bool Delta::mergeWith(const Delta& later, const Mission& now, const FlightGroup* buffer) {
  return steps.size() == later.steps.size() && mergeAt(0, later, now, buffer);
}

void Delta::join(Delta later, const Mission& now, const FlightGroup* buffer) {
  if (later.steps.size() <= steps.size() &&
      mergeAt(steps.size() - later.steps.size(), later, now, buffer))
    return;
  steps.insert(steps.end(), std::make_move_iterator(later.steps.begin()),
               std::make_move_iterator(later.steps.end()));
}

bool Delta::isNoOp() const {
  for (const Step& s : steps) {
    const bool same = std::visit(
        [](const auto& x) {
          using S = std::decay_t<decltype(x)>;
          if constexpr (std::is_same_v<S, PatchStep> || std::is_same_v<S, AutoLinkStep> ||
                        std::is_same_v<S, TextBlockStep> || std::is_same_v<S, FormatStep> ||
                        std::is_same_v<S, SoundsStep> || std::is_same_v<S, BriefingTextStep>)
            return x.before == x.after;
          else
            return false;
        },
        s);
    if (!same) return false;
  }
  return true;
}

}  // namespace model
