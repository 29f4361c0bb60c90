#include "flow/report.h"

#include <cstdio>
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

// " (lower bound: …)" or ": why never" after an item.
std::string reasonSuffix(const Time& t, const std::string& reason) {
  if (reason.empty()) return {};
  return t.never ? ": " + reason : " (" + reason + ")";
}

constexpr std::size_t TimeColumn = 11;

}  // namespace

std::string timelineText(const model::Mission& m, const shell::Vocabulary& v, const Result& r) {
  std::string s = "Mission flow at " + std::string(difficultyName(r.difficulty)) + "\n\n";
  s += "Flight groups by earliest arrival:\n";
  if (r.flightGroups.empty()) s += "  none\n";
  for (int g : r.arrivalOrder()) {
    const Arrival& a = r.flightGroups[static_cast<std::size_t>(g)];
    s += "  " + padded(formatTime(a.time), TimeColumn) + groupLine(m, v, g);
    if (a.onlyIfHuman) s += " [only if a human flies it]";
    s += reasonSuffix(a.time, a.reason) + "\n";
  }
  s += "\nMessages:\n";
  if (r.messages.empty()) s += "  none\n";
  for (std::size_t i = 0; i < r.messages.size(); ++i) {
    const Event& e = r.messages[i];
    s += "  " + padded(formatTime(e.time), TimeColumn) + messageLine(m, i) +
         reasonSuffix(e.time, e.reason) + "\n";
  }
  if (!r.globalGoals.empty()) {
    s += "\nGlobal goals:\n";
    for (const GlobalGoalTime& g : r.globalGoals)
      s += "  " + padded(formatTime(g.time), TimeColumn) + goalLine(g) +
           reasonSuffix(g.time, g.reason) + "\n";
  }
  s += "\nFindings:\n";
  if (r.findings.empty()) s += "  none\n";
  for (const Finding& f : r.findings)
    s += "  " + std::string(findingWord(f.kind)) + ": " + f.text + "\n";
  return utf8(s);
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

}  // namespace

std::string flowJson(const model::Mission& m, const shell::Vocabulary& /*v*/, const Result& r) {
  json::Value doc = json::Value::object();
  doc["difficulty"] = std::string(difficultyWord(r.difficulty));
  json::Value groups = json::Value::array();
  for (std::size_t g = 0; g < r.flightGroups.size(); ++g) {
    const Arrival& a = r.flightGroups[g];
    json::Value o = json::Value::object();
    o["number"] = g + 1;
    o["name"] = utf8(editing::trimmed(m.flightGroups[g].name()));
    putTime(o, a.time);
    o["reason"] = utf8(a.reason);
    o["waitsOn"] = numbersFromOne(a.waitsOn);
    o["onlyIfHuman"] = a.onlyIfHuman;
    o["cycle"] = numbersFromOne(a.cycle);
    groups.push_back(std::move(o));
  }
  doc["flightGroups"] = std::move(groups);
  json::Value messages = json::Value::array();
  for (std::size_t i = 0; i < r.messages.size(); ++i) {
    const Event& e = r.messages[i];
    json::Value o = json::Value::object();
    o["number"] = i + 1;
    o["text"] = utf8(editing::trimmed(editing::shownMessageText(m.messages[i].textValue())));
    putTime(o, e.time);
    o["reason"] = utf8(e.reason);
    o["waitsOn"] = numbersFromOne(e.waitsOn);
    messages.push_back(std::move(o));
  }
  doc["messages"] = std::move(messages);
  json::Value goals = json::Value::array();
  for (const GlobalGoalTime& g : r.globalGoals) {
    json::Value o = json::Value::object();
    o["team"] = g.team + 1;
    o["goal"] = std::string(goalSetWord(g.goalSet));
    putTime(o, g.time);
    o["reason"] = utf8(g.reason);
    o["waitsOn"] = numbersFromOne(g.waitsOn);
    goals.push_back(std::move(o));
  }
  doc["globalGoals"] = std::move(goals);
  json::Value findings = json::Value::array();
  for (const Finding& f : r.findings) {
    json::Value o = json::Value::object();
    o["kind"] = std::string(findingWord(f.kind));
    o["flightGroups"] = numbersFromOne(f.flightGroups);
    o["messages"] = numbersFromOne(f.messages);
    o["text"] = utf8(f.text);
    findings.push_back(std::move(o));
  }
  doc["findings"] = std::move(findings);
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

std::string nodeStyle(const Time& t, model::Rgb colour) {
  std::string s = "color=" + dotQuoted(hexColour(colour)) + ", penwidth=2";
  if (t.never)
    s += ", style=\"rounded,dashed,filled\", fillcolor=\"#eeeeee\", fontcolor=\"#606060\"";
  else if (!t.exact)
    s += ", style=\"rounded,dashed\"";
  return s;
}

}  // namespace

std::string flowDot(const model::Mission& m, const shell::Vocabulary& v, const Result& r) {
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
               dotQuoted(utf8(groupLine(m, v, static_cast<int>(g))) + "\n" + formatTime(a.time)) +
               ", " + nodeStyle(a.time, model::iffColour(group.get(model::fg::Iff))) + "];\n";
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
