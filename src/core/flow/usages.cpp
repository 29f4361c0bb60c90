// Every place of a Mission that names one flight group, found through the table of references.
#include <algorithm>

#include "briefing/commands.h"
#include "briefing/editing.h"
#include "editing/descriptions.h"
#include "flow/analysis.h"
#include "flow/rules.h"

namespace flow {

namespace {

using editing::ReferenceKind;

// The instruction line without its time and the columns' padding.
std::string instructionText(const briefing::Command& c, const briefing::LineContext& context) {
  const std::string line = briefing::describe(c, context);
  std::string out;
  bool blank = false;
  for (char ch : line.substr(std::min(line.size(), briefing::seconds(c.time).size()))) {
    if (ch == ' ') {
      blank = !out.empty();
      continue;
    }
    if (blank) out += ' ';
    blank = false;
    out += ch;
  }
  return out;
}

struct UsageFinder {
  const model::Mission& m;
  const shell::Vocabulary& v;
  int group;
  std::vector<Usage>& out;

  // The place, then what it holds after `form` ("%1: %2").
  void add(const Place& p, const char* form, std::vector<model::Text> what) {
    what.insert(what.begin(), editing::placeForm(m, v, p));
    out.push_back({p, model::Text(form, std::move(what))});
  }

  // A trigger, order target or mother ship of one record that names the group.
  void inRecord(const editing::ReferenceRow& row, int index, model::CBytes record) {
    editing::forEachPlace(row, index, record, [&](const editing::Reference& r) {
      if (!r.inUse || !r.namesFlightGroup() || r.value != group) return;
      if (row.kind == ReferenceKind::Trigger) {
        const auto t = editing::readTrigger(record, row.triggers, r.number);
        add(r.place, "%1: %2", {editing::describeTrigger(m, v, model::CBytes(t))});
      } else if (row.kind == ReferenceKind::OrderTarget) {
        const auto k = static_cast<std::size_t>(r.number - 1);
        add(r.place, "%1: %2",
            {editing::describeOrder(m, v,
                                    record.subspan(model::fg::orderAt(k), model::order::Size))});
      } else {
        add(r.place, "%1", {});
      }
    });
  }

  // A flight group's goals concern the group itself.
  void ownGoals(int g) {
    if (g != group) return;
    const model::FlightGroup& fg = m.flightGroups[static_cast<std::size_t>(g)];
    for (std::size_t k = 0; k < model::fg::GoalCount; ++k) {
      const model::CBytes goal = fg.goalBytes(k);
      if (model::get(goal, model::goal::Condition) == NeverTrueCondition) continue;
      add({PlaceKind::FlightGroupGoal, g, static_cast<int>(k) + 1, 0}, "%1: %2",
          {editing::describeGoal(m, v, goal)});
    }
  }

  // Briefing b's boxes around the group and map tags that name it, in list order.
  void instructions(int b, ReferenceKind kind, const std::vector<std::string>& groupNames,
                    const std::string& name) {
    const model::Briefing& brief = m.briefings[static_cast<std::size_t>(b)];
    const briefing::Decoded list = briefing::instructionList(brief);
    const briefing::LineContext context{&brief.strings, &brief.tags, &groupNames};
    for (std::size_t i = 0; i < list.commands.size(); ++i) {
      const briefing::Command& c = list.commands[i];
      const bool box =
          kind == ReferenceKind::BriefingBox && briefing::isBox(c.code) && c.index == group;
      const bool tag = kind == ReferenceKind::BriefingTag && briefing::isTag(c.code) &&
                       c.index < brief.tags.size() && !name.empty() &&
                       editing::trimmed(brief.tags[c.index]) == name;
      if (box || tag)
        add({box ? PlaceKind::BriefingBox : PlaceKind::BriefingTag, b, 0, static_cast<int>(i)},
            ZYNED_TEXT("core", "%1 at %2 s: %3"),
            {briefing::seconds(c.time), instructionText(c, context)});
    }
  }

  // One line per text, however often it names the group.
  void texts(int b, const std::string& name) {
    if (name.empty()) return;
    const model::Briefing& brief = m.briefings[static_cast<std::size_t>(b)];
    for (std::size_t k = 0; k < brief.strings.size(); ++k) {
      const auto names = briefing::bracketedNames(brief.strings[k]);
      if (std::any_of(names.begin(), names.end(),
                      [&](const std::string& n) { return editing::trimmed(n) == name; }))
        add({PlaceKind::BriefingText, b, 0, static_cast<int>(k)},
            ZYNED_TEXT("core", "%1 names it in brackets: \"%2\""), {brief.strings[k]});
    }
  }
};

}  // namespace

std::vector<Usage> usages(const model::Mission& m, const shell::Vocabulary& v, int group) {
  std::vector<Usage> out;
  const int count = static_cast<int>(m.flightGroups.size());
  if (group < 0 || group >= count) return out;
  UsageFinder find{m, v, group, out};
  const auto rows = editing::referenceTable();
  auto walk = [&](model::RecordKind kind, int index, model::CBytes record) {
    for (const editing::ReferenceRow& row : rows) {
      if (row.record != kind) continue;
      if (row.inRecordBytes())
        find.inRecord(row, index, record);
      else if (row.kind == ReferenceKind::OwnGoal)
        find.ownGoals(index);
    }
  };
  for (int g = 0; g < count; ++g)
    walk(model::RecordKind::FlightGroup, g, m.flightGroups[static_cast<std::size_t>(g)].span());
  for (std::size_t i = 0; i < m.messages.size(); ++i)
    walk(model::RecordKind::Message, static_cast<int>(i), m.messages[i].span());
  for (std::size_t t = 0; t < model::TeamCount; ++t)
    walk(model::RecordKind::GlobalGoal, static_cast<int>(t), m.globalGoals[t].span());
  // Briefings: boxes around the group, map tags and texts that name it as Auto-Brief reads names.
  const std::vector<std::string> groupNames = editing::nameList(m, v);
  const std::string name = editing::trimmed(m.flightGroups[static_cast<std::size_t>(group)].name());
  for (int b = 0; b < static_cast<int>(model::BriefingCount); ++b)
    for (const editing::ReferenceRow& row : rows) {
      if (row.record != model::RecordKind::Briefing) continue;
      if (row.kind == ReferenceKind::BriefingText)
        find.texts(b, name);
      else
        find.instructions(b, row.kind, groupNames, name);
    }
  return out;
}

}  // namespace flow
