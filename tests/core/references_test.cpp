#include <gtest/gtest.h>

#include <set>

#include "briefing/commands.h"
#include "editing/flight_group_ops.h"
#include "editing/references.h"
#include "model/layouts.h"
#include "model/record_kind.h"
#include "shell/error_check.h"
#include "shell/vocabulary.h"

namespace {

using model::RecordKind;

// The bytes of a layout whose fields are declared as naming a flight group.
void declaredOffsets(const model::RecordLayout& layout, std::size_t base,
                     std::set<std::size_t>& out) {
  for (const model::FieldInfo& f : layout.fields)
    for (std::size_t i = 0; i < f.count; ++i) {
      const std::size_t at = base + f.offset + i * f.stride;
      if (f.kind == model::Kind::Record)
        declaredOffsets(*f.sub, at, out);
      else if (f.refers == model::Refers::FlightGroup)
        out.insert(at);
    }
}

// The bytes the rows of a record kind read a flight group from.
std::set<std::size_t> rowOffsets(RecordKind kind, std::size_t size) {
  std::set<std::size_t> out;
  const std::vector<std::uint8_t> zeros(size, 0);
  for (const editing::ReferenceRow& row : editing::referenceTable()) {
    if (row.record != kind) continue;
    if (row.inRecordBytes())
      editing::forEachPlace(row, 0, zeros, [&](const editing::Reference& r) { out.insert(r.at); });
    if (row.kind == editing::ReferenceKind::BriefingBox)  // any word of the stream may be one
      for (std::size_t w = 0; w < model::briefing::Events.count; ++w)
        out.insert(model::briefing::Events.at(w));
  }
  return out;
}

TEST(References, EveryFieldTheLayoutsDeclareAsNamingAFlightGroupIsInARow) {
  struct Kind {
    RecordKind kind;
    const model::RecordLayout& layout;
  };
  const Kind kinds[] = {
      {RecordKind::Header, model::header::Layout},
      {RecordKind::FlightGroup, model::fg::Layout},
      {RecordKind::FlightGroupGoalStrings, model::fggoalstrings::Layout},
      {RecordKind::Message, model::message::Layout},
      {RecordKind::GlobalGoal, model::globalgoal::Layout},
      {RecordKind::Team, model::team::Layout},
      {RecordKind::Briefing, model::briefing::Layout},
      {RecordKind::GlobalGoalStrings, model::ggstrings::Layout},
  };
  std::size_t declared = 0;
  for (const Kind& k : kinds) {
    std::set<std::size_t> fields;
    declaredOffsets(k.layout, 0, fields);
    const std::set<std::size_t> rows = rowOffsets(k.kind, k.layout.size);
    for (std::size_t at : fields)
      EXPECT_TRUE(rows.count(at)) << k.layout.name << " byte " << at << " names a flight group";
    declared += fields.size();
  }
  // 8 triggers and 16 order targets and 4 mother ships of a flight group, 4 + 12 triggers of a
  // message and of the global goals, the briefing's 400 words.
  EXPECT_EQ(declared, 8u + 16u + 4u + 4u + 12u + 400u);
}

// A box instruction follows its flight group when the list is rearranged, and names no group
// once that group is deleted; the error check then says where it is.
TEST(References, ABriefingBoxFollowsItsGroupAndDanglesWhenItIsDeleted) {
  model::Mission m;
  m.newMission();
  for (int i = 0; i < 3; ++i) m.addFlightGroup();
  model::Briefing& b = m.briefings[0];
  const std::vector<model::i16> words{0, 9, 2, 20, 10, 1, 9999, 34};  // boxes around #3, #2
  for (std::size_t i = 0; i < words.size(); ++i) b.set(model::briefing::Events, words[i], i);
  b.set(model::briefing::EventWordsUsed, static_cast<model::i16>(words.size()));
  auto boxes = [&] {
    std::vector<int> out;
    for (int w : ::briefing::boxGroupWords(m.briefings[0].span()))
      out.push_back(m.briefings[0].get(model::briefing::Events, static_cast<std::size_t>(w)));
    return out;
  };
  // Words beyond the used ones are left-overs, never instructions.
  b.set(model::briefing::EventWordsUsed, model::i16{4});
  EXPECT_EQ(boxes(), std::vector<int>{2});
  b.set(model::briefing::EventWordsUsed, static_cast<model::i16>(words.size()));
  ASSERT_EQ(boxes(), (std::vector<int>{2, 1}));
  editing::moveUp(m, {{2}, 2});
  EXPECT_EQ(boxes(), (std::vector<int>{1, 2}));
  editing::deleteFlightGroups(m, {{1}, 1});
  EXPECT_EQ(boxes(), (std::vector<int>{editing::DeletedFlightGroup, 1}));
  const auto warnings = shell::runCheck(m, shell::Vocabulary{}, shell::Settings{}).warnings;
  EXPECT_NE(std::find(warnings.begin(), warnings.end(),
                      "WARNING: Briefing 1 instruction 1: refers to a flight group that does not "
                      "exist."),
            warnings.end());
}

}  // namespace

// A place whose message is gone (a window still listing it) is named without its text.
TEST(References, APlaceOfAMessageTheMissionNoLongerHasIsNamedByItsNumber) {
  model::Mission m;
  m.newMission();
  m.addMessage();
  const shell::Vocabulary v;
  EXPECT_EQ(editing::placeText(m, v, {editing::PlaceKind::Message, 4, 0, 0}), "Message #5 \"\"");
  EXPECT_EQ(editing::placeText(m, v, {editing::PlaceKind::Message, -1, 0, 0}), "Message #0 \"\"");
}

// Every kind of place is named as the windows list it: the group, message or goal, then where.
TEST(References, EveryKindOfPlaceHasItsWords) {
  model::Mission m;
  m.newMission();
  m.addMessage();
  const shell::Vocabulary v;
  using K = editing::PlaceKind;
  const std::pair<editing::Place, std::string> places[] = {
      {{K::FlightGroup, 0, 0, 0}, "#1 "},
      {{K::ArrivalTrigger, 0, 2, 0}, ", arrival trigger 2"},
      {{K::DepartureTrigger, 0, 1, 0}, ", departure trigger 1"},
      {{K::JumpTrigger, 0, 1, 0}, ", jump to order 4 trigger 1"},
      {{K::ArrivalMothership, 0, 1, 0}, ", alternative arrival mother ship"},
      {{K::DepartureMothership, 0, 0, 0}, ", departure mother ship"},
      {{K::OrderTarget, 0, 3, 2}, ", order 3 target 2"},
      {{K::FlightGroupGoal, 0, 4, 0}, ", goal 4"},
      {{K::FlightGroup, 7, 0, 0}, "flight group 8"},
      {{K::MessageTrigger, 0, 2, 0}, "Message #1 \"New Message\", trigger 2"},
      {{K::GlobalGoal, 2, 0, 0}, "Team 3 primary goal"},
      {{K::GlobalGoalTrigger, 0, 1, 3}, "Team 1 prevent goal, trigger 3"},
      {{K::GlobalGoalTrigger, 9, 2, 4}, "Team 10 secondary goal, trigger 4"},
      {{K::BriefingTag, 1, 0, 3}, "Briefing 2, instruction 4"},
      {{K::BriefingText, 0, 0, 5}, "Briefing 1, text #5"},
  };
  for (const auto& [place, words] : places) {
    const std::string text = editing::placeText(m, v, place);
    EXPECT_TRUE(text.size() >= words.size() &&
                (text.compare(text.size() - words.size(), words.size(), words) == 0 ||
                 text.compare(0, words.size(), words) == 0))
        << text << " / " << words;
  }
}
