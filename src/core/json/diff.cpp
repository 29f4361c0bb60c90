#include "json/diff.h"

#include <algorithm>
#include <optional>

#include "json/mission_value.h"

namespace json {
namespace {

// Lists whose records may be inserted, removed or moved; the others have fixed counts.
constexpr std::string_view GrowingLists[] = {"FlightGroups", "Messages"};
// Lists whose records carry a name worth showing.
constexpr std::string_view NamedLists[] = {"FlightGroups", "Teams"};

template <class List>
bool contains(const List& list, std::string_view key) {
  return std::find(std::begin(list), std::end(list), key) != std::end(list);
}

std::string show(const Value* v) {
  return v ? inlineText(*v) : std::string("none");
}

// The share of top-level keys two records agree on: records that still agree on most of their
// fields are the same record edited.
double similarity(const Value& a, const Value& b) {
  std::size_t same = 0, all = 0;
  for (const auto& [key, value] : a.items()) {
    ++all;
    const auto other = b.find(key);
    if (other != b.end() && *other == value) ++same;
  }
  for (const auto& [key, value] : b.items())
    if (!a.contains(key)) ++all;
  return all ? static_cast<double>(same) / static_cast<double>(all) : 1.0;
}

class Differ {
 public:
  std::vector<std::string> lines;

  // The members of two objects at `where` (empty: the top level).
  void objects(const std::string& where, const Value& a, const Value& b) {
    for (const auto& [key, va] : a.items()) {
      const auto vb = b.find(key);
      member(where, key, &va, vb == b.end() ? nullptr : &*vb);
    }
    for (const auto& [key, vb] : b.items())
      if (!a.contains(key)) member(where, key, nullptr, &vb);
  }

 private:
  void member(const std::string& where, const std::string& key, const Value* a, const Value* b) {
    if (a && b && *a == *b) return;
    const std::string path = where.empty() ? key : where + "." + key;
    if (a && b && a->is_object() && b->is_object()) return objects(path, *a, *b);
    if (a && b && a->is_array() && b->is_array()) {
      if (where.empty() && contains(GrowingLists, key)) return records(key, *a, *b);
      if (a->size() == b->size()) return arrays(path, key, where.empty(), *a, *b);
    }
    // A value at the top level is its own place: "PlatformId: 12 -> 14".
    lines.push_back(where.empty() ? key + ": " + show(a) + " -> " + show(b)
                                  : where + ": " + key + " " + show(a) + " -> " + show(b));
  }

  // Two arrays of one length at `path`; records of a top-level list are named.
  void arrays(const std::string& path, const std::string& key, bool top, const Value& a,
              const Value& b) {
    for (std::size_t i = 0; i < a.size(); ++i) {
      if (a[i] == b[i]) continue;
      const std::string at =
          top && a[i].is_object() ? label(key, i, i, a[i]) : path + "[" + std::to_string(i) + "]";
      if (a[i].is_object() && b[i].is_object())
        objects(at, a[i], b[i]);
      else if (a[i].is_array() && b[i].is_array() && a[i].size() == b[i].size())
        arrays(at, key, false, a[i], b[i]);
      else
        lines.push_back(at + ": " + show(&a[i]) + " -> " + show(&b[i]));
    }
  }

  // "FlightGroups[2] \"Beta\"", "FlightGroups[2->3] \"Beta\"", "Messages[4]".
  static std::string label(const std::string& list, std::size_t ia, std::size_t ib,
                           const Value& record) {
    std::string s = list + "[" + std::to_string(ia);
    if (ib != ia) s += "->" + std::to_string(ib);
    s += "]";
    const auto name = record.find("Name");
    if (contains(NamedLists, list) && name != record.end() && name->is_string())
      s += " " + quote(name->get<std::string>());
    return s;
  }

  // A list whose records may be inserted and removed: the records are aligned first, so an
  // insertion is one line and not a change of every record after it.
  void records(const std::string& list, const Value& a, const Value& b) {
    const std::size_t n = a.size(), m = b.size();
    std::size_t head = 0, tail = 0;
    while (head < n && head < m && a[head] == b[head]) ++head;
    while (tail < n - head && tail < m - head && a[n - 1 - tail] == b[m - 1 - tail]) ++tail;
    const std::size_t na = n - head - tail, nb = m - head - tail;

    // Pairs (a index, b index) of the same record; npos on one side for a removal or insertion.
    constexpr std::size_t None = std::string::npos;
    std::vector<std::pair<std::size_t, std::size_t>> steps;
    constexpr std::size_t MaxCells = 40000;  // larger changes pair records by position
    if (na * nb <= MaxCells) {
      // Best total similarity of the first x records of A with the first y of B (an alignment
      // pairs records that agree on at least half their fields).
      std::vector<std::vector<double>> best(na + 1, std::vector<double>(nb + 1, 0.0));
      std::vector<std::vector<double>> pair(na, std::vector<double>(nb, -1.0));
      for (std::size_t x = 1; x <= na; ++x)
        for (std::size_t y = 1; y <= nb; ++y) {
          const double s = similarity(a[head + x - 1], b[head + y - 1]);
          pair[x - 1][y - 1] = s >= 0.5 ? s : -1.0;
          best[x][y] = std::max(best[x - 1][y], best[x][y - 1]);
          if (s >= 0.5) best[x][y] = std::max(best[x][y], best[x - 1][y - 1] + s);
        }
      std::size_t x = na, y = nb;
      while (x > 0 || y > 0) {
        if (x > 0 && y > 0 && pair[x - 1][y - 1] >= 0 &&
            best[x][y] == best[x - 1][y - 1] + pair[x - 1][y - 1]) {
          steps.emplace_back(head + --x, head + --y);
        } else if (y > 0 && (x == 0 || best[x][y] == best[x][y - 1])) {
          steps.emplace_back(None, head + --y);
        } else {
          steps.emplace_back(head + --x, None);
        }
      }
      std::reverse(steps.begin(), steps.end());
    } else {
      for (std::size_t i = 0; i < std::max(na, nb); ++i)
        steps.emplace_back(i < na ? head + i : None, i < nb ? head + i : None);
    }
    for (const auto& [ia, ib] : steps) {
      if (ib == None)
        lines.push_back(label(list, ia, ia, a[ia]) + ": removed");
      else if (ia == None)
        lines.push_back(label(list, ib, ib, b[ib]) + ": inserted");
      else
        objects(label(list, ia, ib, a[ia]), a[ia], b[ib]);
    }
  }
};

// The kinds of record diffSummary counts, by the top-level key a line begins with; the keys
// outside the lists fall into "the header" and "the texts".
struct SummaryKind {
  std::string_view key;
  std::string_view one, many;  // "flight group", "flight groups"; empty: a part of the mission
  std::string_view part;
};
constexpr SummaryKind SummaryKinds[] = {
    {"FlightGroups", "flight group", "flight groups", {}},
    {"Messages", "message", "messages", {}},
    {"GlobalGoals", "global goal", "global goals", {}},
    {"Teams", "team", "teams", {}},
    {"Briefings", "briefing", "briefings", {}},
    {"GlobalGoalStrings", {}, {}, "the global goal strings"},
    {"Description", {}, {}, "the texts"},
    {"SuccessDebrief", {}, {}, "the texts"},
    {"FailureDebrief", {}, {}, "the texts"},
};

std::string counted(std::size_t n, std::string_view one, std::string_view many) {
  return std::to_string(n) + " " + std::string(n == 1 ? one : many);
}

// The lines of one kind of record (SummaryKinds) or of the header.
struct SummaryTally {
  std::size_t fields = 0, added = 0, removed = 0;
  std::vector<std::string> records;  // the records with changed fields
};

// The lines counted in the order of SummaryKinds, then the header (anything else).
std::vector<SummaryTally> tallyLines(const std::vector<std::string>& lines) {
  std::vector<SummaryTally> tallies(std::size(SummaryKinds) + 1);
  for (const std::string& line : lines) {
    // The header's counts follow from the records inserted and removed.
    if (line.starts_with("Header: FlightGroupCount ") || line.starts_with("Header: MessageCount "))
      continue;
    const std::size_t keyEnd = line.find_first_of("[:. ");
    const std::string_view key = std::string_view(line).substr(0, keyEnd);
    std::size_t kind = std::size(SummaryKinds);
    for (std::size_t k = 0; k < std::size(SummaryKinds); ++k)
      if (SummaryKinds[k].key == key) kind = k;
    SummaryTally& t = tallies[kind];
    if (line.ends_with(": inserted")) {
      ++t.added;
    } else if (line.ends_with(": removed")) {
      ++t.removed;
    } else {
      ++t.fields;
      // The record as the line names it: "FlightGroups[2" (a moved one by its old number).
      if (keyEnd != std::string::npos && line[keyEnd] == '[') {
        const std::string record = line.substr(0, line.find_first_of("]-", keyEnd));
        if (std::find(t.records.begin(), t.records.end(), record) == t.records.end())
          t.records.push_back(record);
      }
    }
  }
  return tallies;
}

// "N fields in …" for the tally of kind `k` (the header past SummaryKinds), into `parts`.
void addFieldPart(std::vector<std::string>& parts, const SummaryTally& t, std::size_t k) {
  const bool header = k == std::size(SummaryKinds);
  const std::string_view one = header ? std::string_view{} : SummaryKinds[k].one;
  std::string part = counted(t.fields, "field", "fields") + " in ";
  if (!one.empty())
    part += counted(t.records.size(), one, SummaryKinds[k].many);
  else
    part += header ? std::string("the header") : std::string(SummaryKinds[k].part);
  // Parts shared by several keys (the texts) are counted together.
  const auto same = std::find_if(parts.begin(), parts.end(), [&](const std::string& p) {
    return p.ends_with(part.substr(part.find(" in ")));
  });
  if (one.empty() && same != parts.end()) {
    const std::size_t n = std::stoul(*same) + t.fields;
    *same = counted(n, "field", "fields") + part.substr(part.find(" in "));
  } else {
    parts.push_back(part);
  }
}

}  // namespace

std::string diffSummary(const std::vector<std::string>& lines) {
  if (lines.empty()) return "no differences";
  const std::vector<SummaryTally> tallies = tallyLines(lines);
  std::vector<std::string> parts;
  std::vector<std::string> listChanges;
  for (std::size_t k = 0; k < tallies.size(); ++k) {
    const SummaryTally& t = tallies[k];
    const bool header = k == std::size(SummaryKinds);
    const std::string_view one = header ? std::string_view{} : SummaryKinds[k].one;
    if (t.fields) addFieldPart(parts, t, k);
    if (t.added) listChanges.push_back(counted(t.added, one, SummaryKinds[k].many) + " added");
    if (t.removed)
      listChanges.push_back(counted(t.removed, one, SummaryKinds[k].many) + " removed");
  }
  parts.insert(parts.end(), listChanges.begin(), listChanges.end());
  std::string out;
  for (const std::string& p : parts) out += (out.empty() ? "" : ", ") + p;
  return out.empty() ? "no differences" : out;
}

std::vector<std::string> diffMissions(const model::Mission& a, const model::Mission& b) {
  Differ d;
  d.objects("", missionValue(a), missionValue(b));
  return std::move(d.lines);
}

}  // namespace json
