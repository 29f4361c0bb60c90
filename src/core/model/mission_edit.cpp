#include "model/mission_edit.h"

#include <algorithm>
#include <stdexcept>

#include "map/craft_size.h"

namespace model {

namespace {

std::size_t idx(int i) {
  return static_cast<std::size_t>(i);
}

template <class F>
void remapIndices(std::vector<int>& v, F f) {
  for (int& i : v) i = f(i);
  v.erase(std::remove(v.begin(), v.end(), -1), v.end());
  std::sort(v.begin(), v.end());
  v.erase(std::unique(v.begin(), v.end()), v.end());
}

void addIndex(std::vector<int>& v, int i) {
  const auto it = std::lower_bound(v.begin(), v.end(), i);
  if (it == v.end() || *it != i) v.insert(it, i);
}

std::size_t listSize(const Mission& m, ListKind list) {
  return list == ListKind::FlightGroups ? m.flightGroups.size() : m.messages.size();
}

// Notes a change of positions in `list` (f maps a position before to one after, -1 removed).
template <class F>
void notePositions(ChangeSet& c, const Mission& m, ListKind list, std::size_t countBefore, F f,
                   const std::vector<int>& insertedNow) {
  std::optional<ListRemap>& r = list == ListKind::FlightGroups ? c.flightGroupList : c.messageList;
  if (!r) {
    r = ListRemap{};
    r->oldToNew.resize(countBefore);
    for (std::size_t i = 0; i < countBefore; ++i) r->oldToNew[i] = static_cast<int>(i);
  }
  for (int& p : r->oldToNew)
    if (p >= 0) p = f(p);
  remapIndices(r->inserted, f);
  for (int i : insertedNow) addIndex(r->inserted, i);
  r->newCount = listSize(m, list);
  auto remapKind = [&](RecordKind k) { remapIndices(c.of(k).indices, f); };
  if (list == ListKind::FlightGroups) {
    remapKind(RecordKind::FlightGroup);
    remapKind(RecordKind::FlightGroupGoalStrings);
  } else {
    remapKind(RecordKind::Message);
  }
}

void notePatch(ChangeSet& c, RecordKind kind, int index, std::size_t offset, std::size_t width) {
  ChangeSet::Records& r = c.of(kind);
  if (r.indices.empty()) {
    r.begin = offset;
    r.end = offset + width;
  } else {
    r.begin = std::min(r.begin, offset);
    r.end = std::max(r.end, offset + width);
  }
  addIndex(r.indices, index);
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

// Applies one step forward (`back` false) or backward.
void applyStep(Mission& m, FlightGroup* buffer, const Step& step, bool back, ChangeSet& c) {
  std::visit(
      [&](const auto& s) {
        using S = std::decay_t<decltype(s)>;
        if constexpr (std::is_same_v<S, PatchStep>) {
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
          notePatch(c, s.kind, s.index, s.offset, to.size());
        } else if constexpr (std::is_same_v<S, AutoLinkStep>) {
          m.flightGroups.at(idx(s.index)).autoLink = back ? s.before : s.after;
          c.autoLink = true;
          addIndex(c.of(RecordKind::FlightGroup).indices, s.index);
        } else if constexpr (std::is_same_v<S, InsertStep>) {
          const bool insert = s.insert != back;
          const std::size_t before = listSize(m, s.list);
          if (insert) {
            if (s.list == ListKind::FlightGroups) {
              insertAt(m.flightGroups, s.index, *s.group);
            } else {
              insertAt(m.messages, s.index, *s.message);
              if (s.sound) insertAt(m.sounds, s.index, *s.sound);
            }
            notePositions(c, m, s.list, before, [&](int p) { return p >= s.index ? p + 1 : p; },
                          {s.index});
          } else {
            if (s.list == ListKind::FlightGroups) {
              m.flightGroups.erase(m.flightGroups.begin() + s.index);
            } else {
              m.messages.erase(m.messages.begin() + s.index);
              if (s.sound) m.sounds.erase(m.sounds.begin() + s.index);
            }
            notePositions(c, m, s.list, before,
                          [&](int p) { return p == s.index ? -1 : (p > s.index ? p - 1 : p); }, {});
          }
        } else if constexpr (std::is_same_v<S, MoveStep>) {
          const int from = back ? s.to : s.from;
          const int to = back ? s.from : s.to;
          const std::size_t before = listSize(m, s.list);
          if (s.list == ListKind::FlightGroups) {
            moveWithin(m.flightGroups, from, to);
          } else {
            moveWithin(m.messages, from, to);
            if (idx(std::max(from, to)) < m.sounds.size()) moveWithin(m.sounds, from, to);
          }
          notePositions(c, m, s.list, before, [&](int p) { return movedPosition(p, from, to); },
                        {});
        } else if constexpr (std::is_same_v<S, TextBlockStep>) {
          textBlock(m, s.block) = back ? s.before : s.after;
          c.textBlocks[static_cast<std::size_t>(s.block)] = true;
        } else if constexpr (std::is_same_v<S, FormatStep>) {
          m.platformId = back ? s.before : s.after;
          c.format = true;
        } else if constexpr (std::is_same_v<S, SoundsStep>) {
          m.sounds = back ? s.before : s.after;
          c.sounds = true;
        } else if constexpr (std::is_same_v<S, BriefingTextStep>) {
          Briefing& b = m.briefings.at(idx(s.briefing));
          (s.tags ? b.tags : b.strings).at(idx(s.index)) = back ? s.before : s.after;
          c.briefingText = true;
          addIndex(c.of(RecordKind::Briefing).indices, s.briefing);
        } else if constexpr (std::is_same_v<S, ListReplaceStep>) {
          const std::size_t before = listSize(m, s.list);
          if (s.list == ListKind::FlightGroups)
            m.flightGroups = back ? s.beforeGroups : s.afterGroups;
          else
            m.messages = back ? s.beforeMessages : s.afterMessages;
          std::vector<int> all(listSize(m, s.list));
          for (std::size_t i = 0; i < all.size(); ++i) all[i] = static_cast<int>(i);
          notePositions(
              c, m, s.list, before, [](int) { return -1; }, all);
        }
      },
      step);
}

// The smallest range in which two equal-sized byte images differ: [first, last).
std::pair<std::size_t, std::size_t> differingRange(CBytes a, CBytes b) {
  std::size_t first = 0;
  while (first < a.size() && a[first] == b[first]) ++first;
  if (first == a.size()) return {0, 0};
  std::size_t last = a.size();
  while (last > first && a[last - 1] == b[last - 1]) --last;
  return {first, last};
}

}  // namespace

Bytes recordBytes(Mission& m, RecordKind kind, int index, FlightGroup* buffer) {
  const auto i = idx(index);
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

bool ListRemap::changed() const {
  if (!inserted.empty() || newCount != oldToNew.size()) return true;
  for (std::size_t i = 0; i < oldToNew.size(); ++i)
    if (oldToNew[i] != static_cast<int>(i)) return true;
  return false;
}

int ListRemap::map(int i) const {
  return i >= 0 && idx(i) < oldToNew.size() ? oldToNew[idx(i)] : -1;
}

bool ChangeSet::touches(RecordKind kind) const {
  return whole || of(kind).any();
}

bool ChangeSet::touches(RecordKind kind, std::size_t offset, std::size_t width) const {
  if (whole) return true;
  const Records& r = of(kind);
  return r.any() && r.begin < offset + width && offset < r.end;
}

bool ChangeSet::touchesRecord(RecordKind kind, int index) const {
  if (whole) return true;
  const auto& v = of(kind).indices;
  return std::binary_search(v.begin(), v.end(), index);
}

bool ChangeSet::listChanged(ListKind list) const {
  if (whole) return true;
  const auto& r = list == ListKind::FlightGroups ? flightGroupList : messageList;
  return r && r->changed();
}

bool ChangeSet::contentChanged() const {
  if (whole || format || sounds || autoLink || briefingText) return true;
  for (bool b : textBlocks)
    if (b) return true;
  for (std::size_t k = 0; k < RecordKindCount; ++k)
    if (k != static_cast<std::size_t>(RecordKind::FlightGroupBuffer) && records[k].any())
      return true;
  return listChanged(ListKind::FlightGroups) || listChanged(ListKind::Messages);
}

ChangeSet ChangeSet::wholeMission() {
  ChangeSet c;
  c.whole = true;
  c.changedState = true;
  return c;
}

void ChangeSet::merge(const ChangeSet& o) {
  whole = whole || o.whole;
  format = format || o.format;
  sounds = sounds || o.sounds;
  autoLink = autoLink || o.autoLink;
  briefingText = briefingText || o.briefingText;
  changedState = changedState || o.changedState;
  for (std::size_t b = 0; b < textBlocks.size(); ++b)
    textBlocks[b] = textBlocks[b] || o.textBlocks[b];
  // A later list change makes earlier positions stale: views treat the list as rebuilt.
  for (auto [mine, theirs] :
       {std::pair{&flightGroupList, &o.flightGroupList}, std::pair{&messageList, &o.messageList}}) {
    if (!*theirs) continue;
    if (!*mine) {
      *mine = *theirs;
    } else {
      ListRemap r;
      r.oldToNew.resize((*mine)->oldToNew.size());
      for (std::size_t i = 0; i < r.oldToNew.size(); ++i)
        r.oldToNew[i] = (*theirs)->map((*mine)->oldToNew[i]);
      r.inserted = (*theirs)->inserted;
      for (int i : (*mine)->inserted) {
        const int n = (*theirs)->map(i);
        if (n >= 0) addIndex(r.inserted, n);
      }
      r.newCount = (*theirs)->newCount;
      *mine = r;
    }
  }
  for (std::size_t k = 0; k < RecordKindCount; ++k) {
    Records& r = records[k];
    const Records& s = o.records[k];
    if (!s.any()) continue;
    if (!r.any()) {
      r = s;
      continue;
    }
    r.begin = std::min(r.begin, s.begin);
    r.end = std::max(r.end, s.end);
    for (int i : s.indices) addIndex(r.indices, i);
  }
}

ChangeSet Delta::apply(Mission& m, FlightGroup* buffer) const {
  ChangeSet c;
  for (const Step& s : steps) applyStep(m, buffer, s, false, c);
  refreshDerived(m, c);
  return c;
}

ChangeSet Delta::revert(Mission& m, FlightGroup* buffer) const {
  ChangeSet c;
  for (auto it = steps.rbegin(); it != steps.rend(); ++it) applyStep(m, buffer, *it, true, c);
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

bool Delta::mergeWith(const Delta& later, const Mission& now, const FlightGroup* buffer) {
  if (steps.size() != later.steps.size() || steps.empty()) return false;
  for (std::size_t i = 0; i < steps.size(); ++i) {
    const Step& a = steps[i];
    const Step& b = later.steps[i];
    if (a.index() != b.index()) return false;
    if (const auto* p = std::get_if<PatchStep>(&a)) {
      const auto& q = std::get<PatchStep>(b);
      if (p->kind != q.kind || p->index != q.index) return false;
      // Each record once: the bytes between two patches are read from the content.
      for (std::size_t k = 0; k < i; ++k)
        if (const auto* o = std::get_if<PatchStep>(&steps[k]);
            o && o->kind == p->kind && o->index == p->index)
          return false;
    } else if (const auto* t = std::get_if<TextBlockStep>(&a)) {
      if (t->block != std::get<TextBlockStep>(b).block) return false;
    } else if (const auto* s = std::get_if<BriefingTextStep>(&a)) {
      const auto& u = std::get<BriefingTextStep>(b);
      if (s->briefing != u.briefing || s->tags != u.tags || s->index != u.index) return false;
    } else if (const auto* l = std::get_if<AutoLinkStep>(&a)) {
      if (l->index != std::get<AutoLinkStep>(b).index) return false;
    } else if (!std::holds_alternative<FormatStep>(a) && !std::holds_alternative<SoundsStep>(a)) {
      return false;
    }
  }
  for (std::size_t i = 0; i < steps.size(); ++i) {
    std::visit(
        [&](auto& x) {
          using S = std::decay_t<decltype(x)>;
          const S& y = std::get<S>(later.steps[i]);
          if constexpr (std::is_same_v<S, PatchStep>) {
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

void MissionEdit::record(Step s) {
  applyStep(m_, buffer_, s, false, changes_);
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
  FlightGroup g = m_.flightGroups.at(idx(index));
  fn(g);
  patchDiff(RecordKind::FlightGroup, index, 0, g.span());
  patchDiff(RecordKind::FlightGroupGoalStrings, index, 0, g.goalStrings.span());
  setAutoLink(index, g.autoLink);
}

void MissionEdit::modifyMessage(int index, const std::function<void(Message&)>& fn) {
  Message msg = m_.messages.at(idx(index));
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
  const bool was = m_.flightGroups.at(idx(index)).autoLink;
  if (was != on) record(AutoLinkStep{index, was, on});
}

void MissionEdit::insertFlightGroup(int index, FlightGroup g) {
  record(InsertStep{ListKind::FlightGroups, index,
                    std::make_shared<const FlightGroup>(std::move(g)), nullptr, std::nullopt,
                    true});
}

FlightGroup MissionEdit::removeFlightGroup(int index) {
  auto g = std::make_shared<const FlightGroup>(m_.flightGroups.at(idx(index)));
  record(InsertStep{ListKind::FlightGroups, index, g, nullptr, std::nullopt, false});
  return *g;
}

void MissionEdit::moveFlightGroup(int from, int to) {
  if (from == to) return;
  record(MoveStep{ListKind::FlightGroups, from, to});
}

void MissionEdit::insertMessage(int index, Message msg, std::optional<std::string> sound) {
  // The sound list follows the messages as far as it reaches.
  if (idx(index) > m_.sounds.size())
    sound.reset();
  else if (!sound && idx(index) < m_.sounds.size())
    sound = std::string();
  record(InsertStep{ListKind::Messages, index, nullptr,
                    std::make_shared<const Message>(std::move(msg)), std::move(sound), true});
}

Message MissionEdit::removeMessage(int index) {
  auto msg = std::make_shared<const Message>(m_.messages.at(idx(index)));
  std::optional<std::string> sound;
  if (idx(index) < m_.sounds.size()) sound = m_.sounds[idx(index)];
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
  const Briefing& b = m_.briefings.at(idx(briefing));
  const std::string& now = (tags ? b.tags : b.strings).at(idx(index));
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
    ListReplaceStep s{m_.flightGroups, w.flightGroups, {}, {}, ListKind::FlightGroups};
    record(std::move(s));
  }
  if (w.messages.size() == m_.messages.size()) {
    for (std::size_t i = 0; i < w.messages.size(); ++i)
      patchDiff(RecordKind::Message, static_cast<int>(i), 0, w.messages[i].span());
  } else {
    ListReplaceStep s{{}, {}, m_.messages, w.messages, ListKind::Messages};
    record(std::move(s));
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

void refreshDerived(Mission& m, const ChangeSet& c) {
  if (c.whole) {
    for (FlightGroup& g : m.flightGroups) g.heading = computeHeading(g, &g.lastRoutePoint);
    for (Message& msg : m.messages) msg.updateSentToAnyTeam();
    m.updateMapExtent();
    m.syncCounts();
    return;
  }
  const std::size_t pointsBegin = fg::WaypointX.offset;
  const std::size_t pointsEnd = fg::WaypointEnabled.offset + fg::WaypointEnabled.bytes();
  const bool groupsMoved = c.listChanged(ListKind::FlightGroups);
  auto heading = [&](int i) {
    if (idx(i) >= m.flightGroups.size()) return;
    FlightGroup& g = m.flightGroups[idx(i)];
    g.heading = computeHeading(g, &g.lastRoutePoint);
  };
  if (c.touches(RecordKind::FlightGroup, pointsBegin, pointsEnd - pointsBegin))
    for (int i : c.of(RecordKind::FlightGroup).indices) heading(i);
  // An inserted group's heading follows its points like any other.
  if (c.flightGroupList)
    for (int i : c.flightGroupList->inserted) heading(i);
  if (groupsMoved || c.touches(RecordKind::FlightGroup, pointsBegin, pointsEnd - pointsBegin) ||
      c.touches(RecordKind::FlightGroup, fg::CraftType.offset, 1))
    m.updateMapExtent();
  if (c.touches(RecordKind::Message, message::SentToTeam.offset, message::SentToTeam.bytes()))
    for (int i : c.of(RecordKind::Message).indices)
      if (idx(i) < m.messages.size()) m.messages[idx(i)].updateSentToAnyTeam();
  if (c.messageList)
    for (int i : c.messageList->inserted)
      if (idx(i) < m.messages.size()) m.messages[idx(i)].updateSentToAnyTeam();
  if (c.flightGroupList || c.messageList) m.syncCounts();
}

}  // namespace model
