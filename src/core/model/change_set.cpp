#include "model/change_set.h"

#include <algorithm>

namespace model {

namespace {

void addIndex(std::vector<int>& v, int i) {
  const auto it = std::lower_bound(v.begin(), v.end(), i);
  if (it == v.end() || *it != i) v.insert(it, i);
}

// Maps every position, drops the removed ones, keeps the rest ascending.
void remapIndices(std::vector<int>& v, const std::function<int(int)>& f) {
  for (int& i : v) i = f(i);
  v.erase(std::remove(v.begin(), v.end(), -1), v.end());
  std::sort(v.begin(), v.end());
  v.erase(std::unique(v.begin(), v.end()), v.end());
}

}  // namespace

bool ListRemap::changed() const {
  if (!inserted.empty() || newCount != oldToNew.size()) return true;
  for (std::size_t i = 0; i < oldToNew.size(); ++i)
    if (oldToNew[i] != static_cast<int>(i)) return true;
  return false;
}

int ListRemap::map(int i) const {
  return i >= 0 && static_cast<std::size_t>(i) < oldToNew.size()
             ? oldToNew[static_cast<std::size_t>(i)]
             : -1;
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
  const auto& r = of(list);
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

void ChangeSet::notePatch(RecordKind kind, int index, std::size_t offset, std::size_t width) {
  Records& r = of(kind);
  if (r.indices.empty()) {
    r.begin = offset;
    r.end = offset + width;
  } else {
    r.begin = std::min(r.begin, offset);
    r.end = std::max(r.end, offset + width);
  }
  addIndex(r.indices, index);
}

void ChangeSet::noteRecord(RecordKind kind, int index) {
  addIndex(of(kind).indices, index);
}

void ChangeSet::noteList(ListKind list, std::size_t countBefore, std::size_t countAfter,
                         const std::function<int(int)>& moved, const std::vector<int>& inserted) {
  std::optional<ListRemap>& r = list == ListKind::FlightGroups ? flightGroupList : messageList;
  if (!r) {
    r = ListRemap{};
    r->oldToNew.resize(countBefore);
    for (std::size_t i = 0; i < countBefore; ++i) r->oldToNew[i] = static_cast<int>(i);
  }
  for (int& p : r->oldToNew)
    if (p >= 0) p = moved(p);
  remapIndices(r->inserted, moved);
  for (int i : inserted) addIndex(r->inserted, i);
  r->newCount = countAfter;
  // The header counts the records of both lists: a list that changes length changes its count.
  if (countBefore != countAfter) {
    const auto& count =
        list == ListKind::FlightGroups ? header::FlightGroupCount : header::MessageCount;
    notePatch(RecordKind::Header, 0, count.offset, count.bytes());
  }
  if (list == ListKind::FlightGroups) {
    remapIndices(of(RecordKind::FlightGroup).indices, moved);
    remapIndices(of(RecordKind::FlightGroupGoalStrings).indices, moved);
  } else {
    remapIndices(of(RecordKind::Message).indices, moved);
  }
}

}  // namespace model
