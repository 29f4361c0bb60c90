// The editor's selections: clamping to the lists, following the records an edit moved, and
// what each change reports.
#include <gtest/gtest.h>

#include <functional>

#include "app/document/selection_model.h"

using app::SelectionModel;
using model::ListKind;
using model::ListRemap;
using model::Selection;

namespace {

// Four flight groups, 0, 2 and 3 selected, 2 current; three messages, 1 selected.
SelectionModel startingSelections() {
  SelectionModel s;
  s.restore({{{0, 2, 3}, 2}, {{1}, 1}}, 4, 3);
  return s;
}

model::ChangeSet flightGroupsRearranged(std::vector<int> oldToNew, std::size_t newCount) {
  model::ChangeSet c;
  c.flightGroupList = ListRemap{std::move(oldToNew), {}, newCount};
  return c;
}

struct SelectionCase {
  const char* rule;
  std::function<bool(SelectionModel&)> change;
  bool reported;
  SelectionModel::Lists after;
};

TEST(SelectionModel, EachChangeClampsFollowsAndReports) {
  const std::vector<SelectionCase> cases{
      {"a selection is sorted and kept inside the list",
       [](SelectionModel& s) {
         return s.select(ListKind::FlightGroups, {{5, 1, 1, 9}, 9}, 6);
       },
       true,
       {{{1, 5}, 5}, {{1}, 1}}},
      {"the selection there already is no change",
       [](SelectionModel& s) {
         return s.select(ListKind::Messages, {{1}, 1}, 3);
       },
       false,
       {{{0, 2, 3}, 2}, {{1}, 1}}},
      {"an empty selection takes the current line",
       [](SelectionModel& s) {
         return s.select(ListKind::Messages, {{}, 2}, 3);
       },
       true,
       {{{0, 2, 3}, 2}, {{2}, 2}}},
      {"the lines follow a removed record; the other list stays",
       [](SelectionModel& s) {
         s.follow(flightGroupsRearranged({0, -1, 1, 2}, 3));
         return true;
       },
       true,
       {{{0, 1, 2}, 1}, {{1}, 1}}},
      {"a removed current line: the selected line that takes its place is current",
       [](SelectionModel& s) {
         s.follow(flightGroupsRearranged({0, 1, -1, 2}, 3));
         return true;
       },
       true,
       {{{0, 2}, 2}, {{1}, 1}}},
      {"records moved: the lines move with them",
       [](SelectionModel& s) {
         s.follow(flightGroupsRearranged({3, 2, 1, 0}, 4));
         return true;
       },
       true,
       {{{0, 1, 3}, 1}, {{1}, 1}}},
      {"both lists given back at once are clamped to shorter lists",
       [](SelectionModel& s) {
         return s.restore({{{1, 3}, 3}, {{2}, 2}}, 2, 1);
       },
       true,
       {{{1}, 1}, {{0}, 0}}},
      {"a new Mission: the first lines",
       [](SelectionModel& s) {
         s.reset(4, 0);
         return true;
       },
       true,
       {{{0}, 0}, {{}, 0}}},
  };
  for (const SelectionCase& c : cases) {
    SelectionModel s = startingSelections();
    EXPECT_EQ(c.change(s), c.reported) << c.rule;
    EXPECT_EQ(s.lists().flightGroups.selected, c.after.flightGroups.selected) << c.rule;
    EXPECT_EQ(s.lists().flightGroups.current, c.after.flightGroups.current) << c.rule;
    EXPECT_EQ(s.lists().messages.selected, c.after.messages.selected) << c.rule;
    EXPECT_EQ(s.lists().messages.current, c.after.messages.current) << c.rule;
  }
}

TEST(SelectionModel, TheCurrentPointReportsOnlyAChangeAndANewMissionUnsetsIt) {
  SelectionModel s = startingSelections();
  EXPECT_EQ(s.currentPoint(), 0);
  EXPECT_TRUE(s.setCurrentPoint(5));
  EXPECT_FALSE(s.setCurrentPoint(5));
  s.reset(1, 1);
  EXPECT_EQ(s.currentPoint(), 0);
}

}  // namespace
