// Every place of a Mission that names one flight group.
#include <algorithm>
#include <array>

#include "briefing/commands.h"
#include "briefing/editing.h"
#include "editing/descriptions.h"
#include "editing/messages.h"
#include "editing/triggers.h"
#include "flow/analysis.h"
#include "flow/rules.h"

namespace flow {

namespace {

struct UsageFinder {
  const model::Mission& m;
  const shell::Vocabulary& v;
  int group;
  std::vector<Usage>& out;

  void triggers(model::CBytes record, const editing::TriggerSetPlace& tp, Place place,
                bool numberIsItem, const std::string& holder) {
    namespace tr = model::trigger;
    for (int n = 1; n <= tp.count; ++n) {
      const auto t = editing::readTrigger(record, tp, n);
      const model::CBytes bytes(t);
      const int c = model::get(bytes, tr::Condition);
      if (c == AlwaysTrueCondition || c == NeverTrueCondition) continue;
      if (model::get(bytes, tr::VariableType) != editing::TargetFlightGroup ||
          model::get(bytes, tr::Variable) != group)
        continue;
      Place p = place;
      (numberIsItem ? p.item : p.part) = n;
      out.push_back({p, holder + " trigger " + std::to_string(n) + ": " +
                            editing::describeTrigger(m, v, bytes)});
    }
  }
};

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

std::string groupLabel(const model::Mission& m, const shell::Vocabulary& v, int g) {
  return "#" + std::to_string(g + 1) + " " +
         editing::nameListEntry(m, v, static_cast<std::size_t>(g));
}

}  // namespace

std::vector<Usage> usages(const model::Mission& m, const shell::Vocabulary& v, int group) {
  namespace fg = model::fg;
  std::vector<Usage> out;
  const int count = static_cast<int>(m.flightGroups.size());
  if (group < 0 || group >= count) return out;
  UsageFinder find{m, v, group, out};

  for (int g = 0; g < count; ++g) {
    const model::FlightGroup& fgroup = m.flightGroups[static_cast<std::size_t>(g)];
    const std::string holder = groupLabel(m, v, g);
    find.triggers(fgroup.span(), editing::arrivalTriggers(), {PlaceKind::ArrivalTrigger, g, 0, 0},
                  false, holder + ", arrival");
    struct MotherField {
      model::Field<std::uint8_t> via, index;
      PlaceKind kind;
      int part;
      const char* what;
    };
    static constexpr std::array<MotherField, 4> Mothers{{
        {fg::ArriveViaMothership, fg::ArrivalMothership, PlaceKind::ArrivalMothership, 0,
         "arrival mother ship"},
        {fg::AltArriveViaMothership, fg::AltArrivalMothership, PlaceKind::ArrivalMothership, 1,
         "alternative arrival mother ship"},
        {fg::DepartViaMothership, fg::DepartureMothership, PlaceKind::DepartureMothership, 0,
         "departure mother ship"},
        {fg::AltDepartViaMothership, fg::AltDepartureMothership, PlaceKind::DepartureMothership, 1,
         "alternative departure mother ship"},
    }};
    for (const MotherField& f : Mothers)
      if (fgroup.get(f.via) != 0 && fgroup.get(f.index) == group)
        out.push_back({{f.kind, g, f.part, 0}, holder + ", " + f.what});
    find.triggers(fgroup.span(), editing::departureTriggers(),
                  {PlaceKind::DepartureTrigger, g, 0, 0}, false, holder + ", departure");
    find.triggers(fgroup.span(), editing::jumpTriggers(), {PlaceKind::JumpTrigger, g, 0, 0}, false,
                  holder + ", jump to order 4");
    namespace od = model::order;
    for (std::size_t k = 0; k < fg::OrderCount; ++k) {
      const model::CBytes o = fgroup.orderBytes(k);
      for (std::size_t t = 0; t < od::TargetType.size(); ++t)
        if (model::get(o, od::TargetType[t]) == editing::TargetFlightGroup &&
            model::get(o, od::Target[t]) == group)
          out.push_back(
              {{PlaceKind::OrderTarget, g, static_cast<int>(k) + 1, static_cast<int>(t) + 1},
               holder + ", order " + std::to_string(k + 1) + " target " + std::to_string(t + 1) +
                   ": " + editing::describeOrder(m, v, o)});
    }
    // A flight group's goals concern the group itself.
    if (g == group)
      for (std::size_t k = 0; k < fg::GoalCount; ++k) {
        const model::CBytes goal = fgroup.goalBytes(k);
        if (model::get(goal, model::goal::Condition) == NeverTrueCondition) continue;
        out.push_back({{PlaceKind::FlightGroupGoal, g, static_cast<int>(k) + 1, 0},
                       holder + ", goal " + std::to_string(k + 1) + ": " +
                           editing::describeGoal(m, v, goal)});
      }
  }

  for (std::size_t i = 0; i < m.messages.size(); ++i) {
    const int msg = static_cast<int>(i);
    const std::string holder =
        "Message #" + std::to_string(i + 1) + " \"" +
        editing::trimmed(editing::shownMessageText(m.messages[i].textValue())) + "\",";
    find.triggers(m.messages[i].span(), editing::messageTriggers(),
                  {PlaceKind::MessageTrigger, msg, 0, 0}, false, holder);
  }

  for (std::size_t t = 0; t < model::TeamCount; ++t)
    for (int s = 0; s < 3; ++s)
      find.triggers(m.globalGoals[t].span(),
                    editing::globalGoalTriggers(static_cast<std::size_t>(s)),
                    {PlaceKind::GlobalGoalTrigger, static_cast<int>(t), s, 0}, true,
                    "Team " + std::to_string(t + 1) + " " + std::string(goalSetWord(s)) + " goal,");

  // Briefings: boxes around the group, map tags and texts that name it as Auto-Brief reads names.
  const std::string name = editing::trimmed(m.flightGroups[static_cast<std::size_t>(group)].name());
  const std::vector<std::string> groupNames = editing::nameList(m, v);
  for (std::size_t b = 0; b < model::BriefingCount; ++b) {
    const model::Briefing& brief = m.briefings[b];
    const briefing::Decoded list = briefing::instructionList(brief);
    const std::string holder = "Briefing " + std::to_string(b + 1) + ", ";
    const briefing::LineContext context{&brief.strings, &brief.tags, &groupNames};
    for (std::size_t i = 0; i < list.commands.size(); ++i) {
      const briefing::Command& c = list.commands[i];
      const bool box = briefing::isBox(c.code) && c.index == group;
      const bool tag = briefing::isTag(c.code) && c.index < brief.tags.size() && !name.empty() &&
                       editing::trimmed(brief.tags[c.index]) == name;
      if (!box && !tag) continue;
      out.push_back({{box ? PlaceKind::BriefingBox : PlaceKind::BriefingTag, static_cast<int>(b), 0,
                      static_cast<int>(i)},
                     holder + "instruction " + std::to_string(i + 1) + " at " +
                         briefing::seconds(c.time) + " s: " + instructionText(c, context)});
    }
    if (name.empty()) continue;
    for (std::size_t k = 0; k < brief.strings.size(); ++k) {
      const auto names = briefing::bracketedNames(brief.strings[k]);
      for (const std::string& n : names)
        if (editing::trimmed(n) == name) {
          out.push_back({{PlaceKind::BriefingText, static_cast<int>(b), 0, static_cast<int>(k)},
                         holder + "text #" + std::to_string(k) + " names it in brackets: \"" +
                             brief.strings[k] + "\""});
          break;
        }
    }
  }
  return out;
}

}  // namespace flow
