#include "flow/report.h"

#include <algorithm>
#include <cstdio>
#include <optional>
#include <set>

#include "editing/descriptions.h"
#include "editing/messages.h"
#include "editing/triggers.h"
#include "flow/rules.h"
#include "json/document.h"
#include "model/cp1252.h"

namespace flow {

namespace {

std::string utf8(std::string_view s) {
  return model::cp1252ToUtf8(s);
}

std::string padded(std::string s, std::size_t width) {
  if (s.size() < width) s.append(width - s.size(), ' ');
  return s;
}

std::string groupLine(const model::Mission& m, const shell::Vocabulary& v, int g) {
  return "#" + std::to_string(g + 1) + " " +
         editing::nameListEntry(m, v, static_cast<std::size_t>(g));
}

std::string messageLine(const model::Mission& m, std::size_t i) {
  return "#" + std::to_string(i + 1) + " \"" +
         editing::trimmed(editing::shownMessageText(m.messages[i].textValue())) + "\"";
}

std::string goalLine(const GlobalGoalTime& g) {
  return "Team " + std::to_string(g.team + 1) + " " + std::string(goalSetWord(g.goalSet)) + " goal";
}

constexpr std::size_t TimeColumn = 14;

// What one item says at one level: its time, its reason and whether it is there at all.
struct Said {
  std::string time;
  std::string reason;
  bool never = false;
  bool there = true;
};

// The time columns of an item, one per analysed level, then its reasons at the levels where it
// is there: once when they are alike, else each after its level; " (lower bound: …)" or ": why
// never".
template <class At>
std::string itemLine(const Result& r, const std::string& label, At at) {
  std::string s = "  ";
  std::vector<std::pair<Difficulty, Said>> given;
  for (const LevelResult& l : r.levels) {
    Said said = at(l);
    s += padded(said.time, TimeColumn);
    if (said.there && !said.reason.empty()) given.emplace_back(l.difficulty, std::move(said));
  }
  s += label;
  if (given.empty()) return s;
  const bool alike = std::all_of(given.begin(), given.end(), [&](const auto& g) {
    return g.second.reason == given.front().second.reason;
  });
  const bool named = !alike || given.size() < r.levels.size();
  std::string why;
  for (std::size_t i = 0; i < (alike ? 1 : given.size()); ++i) {
    if (i) why += "; ";
    if (named && r.levels.size() > 1) why += std::string(difficultyName(given[i].first)) + ": ";
    why += given[i].second.reason;
  }
  const bool never =
      std::any_of(given.begin(), given.end(), [](const auto& g) { return g.second.never; });
  return s + (never ? ": " + why : " (" + why + ")");
}

// Flight groups by their earliest arrival at any level; those that never arrive, then those at
// no level, last.
std::vector<int> groupOrder(const Result& r) {
  const std::size_t n = r.levels.front().flightGroups.size();
  std::vector<std::pair<long long, int>> keyed;
  for (std::size_t g = 0; g < n; ++g) {
    long long key = 1LL << 40;
    bool there = false;
    for (const LevelResult& l : r.levels) {
      const Arrival& a = l.flightGroups[g];
      there = there || !a.absent;
      if (a.arrives()) key = std::min<long long>(key, a.time.seconds);
    }
    keyed.emplace_back(there ? key : 1LL << 41, static_cast<int>(g));
  }
  std::stable_sort(keyed.begin(), keyed.end());
  std::vector<int> order;
  for (const auto& k : keyed) order.push_back(k.second);
  return order;
}

std::string levelHeader(const Result& r) {
  if (r.levels.size() < 2) return {};
  std::string s = "  ";
  for (const LevelResult& l : r.levels)
    s += padded(std::string(difficultyName(l.difficulty)), TimeColumn);
  s.erase(s.find_last_not_of(' ') + 1);
  return s + "\n";
}

std::string groupLines(const model::Mission& m, const shell::Vocabulary& v, const Result& r) {
  std::string s = "Flight groups by earliest arrival:\n";
  if (m.flightGroups.empty()) return s + "  none\n";
  s += levelHeader(r);
  for (int g : groupOrder(r)) {
    const auto i = static_cast<std::size_t>(g);
    std::string label = groupLine(m, v, g);
    if (r.levels.front().flightGroups[i].onlyIfHuman) label += " [only if a human flies it]";
    s += itemLine(r, label,
                  [&](const LevelResult& l) {
                    const Arrival& a = l.flightGroups[i];
                    return Said{arrivalText(a, l.difficulty).english(), a.reason.english(),
                                a.time.never, !a.absent};
                  }) +
         "\n";
  }
  return s;
}

std::string eventLines(const model::Mission& m, const Result& r) {
  std::string s = "\nMessages:\n";
  if (m.messages.empty()) return s + "  none\n";
  s += levelHeader(r);
  for (std::size_t i = 0; i < m.messages.size(); ++i)
    s += itemLine(r, messageLine(m, i),
                  [&](const LevelResult& l) {
                    const Event& e = l.messages[i];
                    return Said{formatTime(e.time), e.reason.english(), e.time.never};
                  }) +
         "\n";
  const auto& goals = r.levels.front().globalGoals;
  if (goals.empty()) return s;
  s += "\nGlobal goals:\n" + levelHeader(r);
  for (std::size_t k = 0; k < goals.size(); ++k)
    s += itemLine(r, goalLine(goals[k]),
                  [&](const LevelResult& l) {
                    const Event& e = l.globalGoals[k];
                    return Said{formatTime(e.time), e.reason.english(), e.time.never};
                  }) +
         "\n";
  return s;
}

std::string levelNames(Levels levels) {
  std::string s;
  for (Difficulty d : AllDifficulties)
    if (levels.has(d)) s += (s.empty() ? "" : ", ") + std::string(difficultyName(d));
  const auto last = s.rfind(", ");
  return last == std::string::npos ? s : s.replace(last, 2, " and ");
}

}  // namespace

std::string findingLines(const std::vector<Finding>& items) {
  std::string s;
  for (const Finding& f : items) {
    s += "  " + std::string(findingWord(f.kind)) + ": " + utf8(f.text.english()) + "\n";
    if (f.chain.empty()) continue;
    s += "    why: ";
    for (std::size_t i = 0; i < f.chain.size(); ++i)
      s += (i ? " \xE2\x80\x94 " : "") + utf8(f.chain[i].text.english());
    s += "\n";
  }
  return s;
}

std::string timelineText(const model::Mission& m, const shell::Vocabulary& v, const Result& r) {
  std::string s = "Mission flow at " + levelNames(r.analysed) + "\n\n";
  s += groupLines(m, v, r) + eventLines(m, r);
  std::string out = utf8(s);
  out += "\nFindings:\n" + (r.findings.empty() ? "  none\n" : findingLines(r.findings));
  out += "\nAdvisories:\n" + (r.advisories.empty() ? "  none\n" : findingLines(r.advisories));
  return out;
}

namespace {

json::Value numbersFromOne(const std::vector<int>& v) {
  json::Value a = json::Value::array();
  for (int x : v) a.push_back(x + 1);
  return a;
}

void putTime(json::Value& o, const Time& t) {
  o["earliest"] = t.never ? json::Value(nullptr) : json::Value(t.seconds);
  o["exact"] = !t.never && t.exact;
  o["never"] = t.never;
}

json::Value levelWords(Levels levels) {
  json::Value a = json::Value::array();
  for (Difficulty d : AllDifficulties)
    if (levels.has(d)) a.push_back(std::string(difficultyWord(d)));
  return a;
}

json::Value groupItems(const model::Mission& m, const Result& r) {
  json::Value items = json::Value::array();
  for (std::size_t g = 0; g < m.flightGroups.size(); ++g)
    for (const LevelResult& l : r.levels) {
      const Arrival& a = l.flightGroups[g];
      json::Value o = json::Value::object();
      o["number"] = g + 1;
      o["name"] = utf8(editing::trimmed(m.flightGroups[g].name()));
      o["difficulty"] = std::string(difficultyWord(l.difficulty));
      o["state"] = a.absent ? "not-at-level" : a.time.never ? "never" : "arrives";
      putTime(o, a.time);
      o["reason"] = utf8(a.reason.english());
      o["waitsOn"] = numbersFromOne(a.waitsOn);
      o["onlyIfHuman"] = a.onlyIfHuman;
      o["cycle"] = numbersFromOne(a.cycle);
      items.push_back(std::move(o));
    }
  return items;
}

void putEvent(json::Value& o, const Event& e, Difficulty d) {
  o["difficulty"] = std::string(difficultyWord(d));
  putTime(o, e.time);
  o["reason"] = utf8(e.reason.english());
  o["waitsOn"] = numbersFromOne(e.waitsOn);
}

json::Value messageItems(const model::Mission& m, const Result& r) {
  json::Value items = json::Value::array();
  for (std::size_t i = 0; i < m.messages.size(); ++i)
    for (const LevelResult& l : r.levels) {
      json::Value o = json::Value::object();
      o["number"] = i + 1;
      o["text"] = utf8(editing::trimmed(editing::shownMessageText(m.messages[i].textValue())));
      putEvent(o, l.messages[i], l.difficulty);
      items.push_back(std::move(o));
    }
  return items;
}

json::Value goalItems(const Result& r) {
  json::Value items = json::Value::array();
  for (std::size_t k = 0; k < r.levels.front().globalGoals.size(); ++k)
    for (const LevelResult& l : r.levels) {
      const GlobalGoalTime& g = l.globalGoals[k];
      json::Value o = json::Value::object();
      o["team"] = g.team + 1;
      o["goal"] = std::string(goalSetWord(g.goalSet));
      putEvent(o, g, l.difficulty);
      items.push_back(std::move(o));
    }
  return items;
}

json::Value findingItems(const model::Mission& m, const shell::Vocabulary& v,
                         const std::vector<Finding>& found) {
  json::Value items = json::Value::array();
  for (const Finding& f : found) {
    json::Value o = json::Value::object();
    o["kind"] = std::string(findingWord(f.kind));
    o["difficulties"] = levelWords(f.levels);
    o["flightGroups"] = numbersFromOne(f.flightGroups);
    o["messages"] = numbersFromOne(f.messages);
    o["where"] = utf8(editing::placeText(m, v, f.place));
    o["text"] = utf8(f.text.english());
    json::Value chain = json::Value::array();
    for (const Step& s : f.chain) chain.push_back(utf8(s.text.english()));
    o["chain"] = std::move(chain);
    items.push_back(std::move(o));
  }
  return items;
}

}  // namespace

std::string flowJson(const model::Mission& m, const shell::Vocabulary& v, const Result& r) {
  json::Value doc = json::Value::object();
  doc["difficulties"] = levelWords(r.analysed);
  doc["flightGroups"] = groupItems(m, r);
  doc["messages"] = messageItems(m, r);
  doc["globalGoals"] = goalItems(r);
  doc["findings"] = findingItems(m, v, r.findings);
  doc["advisories"] = findingItems(m, v, r.advisories);
  return json::print(doc);
}

namespace {

// A DOT string literal.
std::string dotQuoted(const std::string& s) {
  std::string out = "\"";
  for (char c : s) {
    if (c == '"' || c == '\\') out += '\\';
    if (c == '\n') {
      out += "\\n";
      continue;
    }
    out += c;
  }
  return out + "\"";
}

std::string hexColour(model::Rgb c) {
  char buf[8];
  std::snprintf(buf, sizeof buf, "#%02x%02x%02x", c.r, c.g, c.b);
  return buf;
}

struct DotWriter {
  const model::Mission& m;
  const shell::Vocabulary& v;
  std::string nodes, edges;
  std::set<std::string> targets;  // set and open-target nodes already written

  // The node a trigger waits on; empty for triggers that wait on nothing.
  std::string source(int condition, int type, int value) {
    if (condition == AlwaysTrueCondition) return {};
    if (condition == NeverTrueCondition) {
      if (targets.insert("never").second)
        nodes += "  never [shape=plaintext, label=\"(Never true)\", fontcolor=\"#808080\"];\n";
      return "never";
    }
    const int count = static_cast<int>(m.flightGroups.size());
    if (type == editing::TargetFlightGroup && value < count)
      return "fg" + std::to_string(value + 1);
    const std::string id = "t" + std::to_string(type) + "_" + std::to_string(value);
    if (!targets.insert(id).second) return id;
    const TargetSet set = targetMembers(m, type, value);
    // A flight group beyond the list is named by its number from 1, as the lists count.
    const std::string label = type == editing::TargetFlightGroup
                                  ? "flight group " + std::to_string(value + 1)
                                  : utf8(editing::describeTarget(m, v, type, value));
    if (!set.known) {
      nodes += "  " + id + " [shape=plaintext, label=" + dotQuoted(label) + "];\n";
    } else {
      nodes += "  " + id + " [shape=ellipse, style=dashed, label=" +
               dotQuoted(set.members.empty() ? label + "\n(none in the mission)" : label) + "];\n";
      for (int g : set.members)
        edges +=
            "  fg" + std::to_string(g + 1) + " -> " + id + " [style=dashed, arrowhead=none];\n";
    }
    return id;
  }

  void triggers(model::CBytes record, const editing::TriggerSetPlace& tp, const std::string& to) {
    namespace tr = model::trigger;
    for (int n = 1; n <= tp.count; ++n) {
      const auto t = editing::readTrigger(record, tp, n);
      const model::CBytes b(t);
      const int c = model::get(b, tr::Condition);
      const std::string from =
          source(c, model::get(b, tr::VariableType), model::get(b, tr::Variable));
      if (from.empty()) continue;
      const std::string label = c == NeverTrueCondition
                                    ? std::string{}
                                    : utf8(v.text(shell::tables::Conds, c, std::to_string(c)));
      edges += "  " + from + " -> " + to + " [label=" + dotQuoted(label) + "];\n";
    }
  }

  // Dotted edges from the arrival mother ship and its alternative, while the group arrives from
  // a mother ship.
  void motherShips(model::CBytes group, const std::string& to) {
    const auto& ship = editing::referenceRow(PlaceKind::ArrivalMothership, 0);
    const auto& alt = editing::referenceRow(PlaceKind::ArrivalMothership, 1);
    if (model::get(group, ship.via) == 0) return;
    motherEdge(model::get(group, ship.number), "mother ship", to);
    if (model::get(group, alt.via) != 0)
      motherEdge(model::get(group, alt.number), "alternative mother ship", to);
  }
  void motherEdge(int from, const char* label, const std::string& to) {
    if (from < static_cast<int>(m.flightGroups.size()))
      edges += "  fg" + std::to_string(from + 1) + " -> " + to + " [label=\"" + label +
               "\", style=dotted];\n";
  }
};

std::string nodeStyle(const Time& t, model::Rgb colour, bool absent = false) {
  std::string s = "color=" + dotQuoted(hexColour(colour)) + ", penwidth=2";
  if (absent)
    s += ", style=\"rounded,dotted\", fontcolor=\"#909090\"";
  else if (t.never)
    s += ", style=\"rounded,dashed,filled\", fillcolor=\"#eeeeee\", fontcolor=\"#606060\"";
  else if (!t.exact)
    s += ", style=\"rounded,dashed\"";
  return s;
}

}  // namespace

std::string flowDot(const model::Mission& m, const shell::Vocabulary& v, const LevelResult& r) {
  DotWriter w{m, v, {}, {}, {}};
  std::string s =
      "digraph flow {\n  rankdir=LR;\n"
      "  node [shape=box, style=rounded, fontname=\"Sans\", fontsize=10];\n"
      "  edge [fontname=\"Sans\", fontsize=9];\n";
  for (std::size_t g = 0; g < r.flightGroups.size(); ++g) {
    const Arrival& a = r.flightGroups[g];
    const std::string id = "fg" + std::to_string(g + 1);
    const model::FlightGroup& group = m.flightGroups[g];
    w.nodes += "  " + id + " [label=" +
               dotQuoted(utf8(groupLine(m, v, static_cast<int>(g))) + "\n" +
                         arrivalText(a, r.difficulty).english()) +
               ", " + nodeStyle(a.time, model::iffColour(group.get(model::fg::Iff)), a.absent) +
               "];\n";
    w.triggers(group.span(), editing::referenceRow(PlaceKind::ArrivalTrigger).triggers, id);
    w.motherShips(group.span(), id);
  }
  for (std::size_t i = 0; i < r.messages.size(); ++i) {
    const std::string id = "msg" + std::to_string(i + 1);
    const model::Message& msg = m.messages[i];
    w.nodes +=
        "  " + id + " [shape=note, label=" +
        dotQuoted("Message " + utf8(messageLine(m, i)) + "\n" + formatTime(r.messages[i].time)) +
        ", " + nodeStyle(r.messages[i].time, model::messageColour(msg.color())) + "];\n";
    w.triggers(msg.span(), editing::referenceRow(PlaceKind::MessageTrigger).triggers, id);
  }
  for (const GlobalGoalTime& g : r.globalGoals) {
    const std::string id =
        "team" + std::to_string(g.team + 1) + "_" + std::string(goalSetWord(g.goalSet));
    w.nodes += "  " + id +
               " [shape=hexagon, label=" + dotQuoted(goalLine(g) + "\n" + formatTime(g.time)) +
               ", " + nodeStyle(g.time, model::Grey) + "];\n";
    w.triggers(m.globalGoals[static_cast<std::size_t>(g.team)].span(),
               editing::referenceRow(PlaceKind::GlobalGoalTrigger, g.goalSet).triggers, id);
  }
  return s + w.nodes + w.edges + "}\n";
}

}  // namespace flow
