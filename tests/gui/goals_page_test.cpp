// The "FG Goals" tab driven through its widgets, inside a flight-groups page of its own.
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QTabWidget>

#include <gtest/gtest.h>

#include "app/base/refusal_note.h"
#include "app/document/mission_document.h"
#include "app/editing/flight_groups_page.h"
#include "app/editing/goals_page.h"
#include "app/editing/ship_list.h"
#include "editing/descriptions.h"
#include "editor_fixture.h"
#include "page_fixture.h"
#include "shell/settings.h"
#include "shell/vocabulary.h"

// The model's names for this file alone: a batch of the unity build holds other files too.
namespace goals_page_test {

using namespace model;
using testing_gui::EditorFixture;
using testing_gui::ScriptedPrompter;

namespace {

class GoalsPageTest : public testing_gui::PageFixture {
 protected:
  // A mission of `n` flight groups, every goal unset but goal 0 of each group set apart.
  void start(int n = 3, const std::function<void(Mission&)>& edit = {}) {
    makePage(n, edit);
    page->resize(810, 560);
    page->pages()->setCurrentIndex(app::FlightGroupsPage::GoalsTab);
    page->show();
    select({0});
    goals = page->findChild<app::GoalsPage*>();
    ASSERT_NE(goals, nullptr);
    ASSERT_TRUE(goals->isVisible());
  }
  void beforeEdit(Mission& m) override {
    for (FlightGroup& g : m.flightGroups) {
      for (std::size_t k = 0; k < fg::GoalCount; ++k) {
        auto b = g.goalBytes(k);
        set(b, goal::Condition, u8{10});
        b[20] = static_cast<u8>(40 + k);  // bytes nobody names must survive every edit
      }
    }
  }

  CBytes goalOf(std::size_t fgi, std::size_t g) { return group(fgi).goalBytes(g); }
  QListWidget* goalList() { return find<QListWidget>("FGgoalList"); }
  QString goalLine(int row) { return goalList()->item(row)->text(); }
  void clickGoal(int row) { goalList()->setCurrentRow(row); }
  // Types into a number box and presses Enter.
  void typeNumber(const char* name, const QString& text) {
    auto* box = find<app::GoalNumberBox>(name);
    EditorFixture::retype(box, text + QLatin1Char('\n'));
  }
  std::vector<std::vector<u8>> allBytes() {
    std::vector<std::vector<u8>> out;
    for (const FlightGroup& g : doc.mission().flightGroups) {
      out.emplace_back(g.bytes.begin(), g.bytes.end());
      out.emplace_back(g.goalStrings.bytes.begin(), g.goalStrings.bytes.end());
    }
    return out;
  }

  app::GoalsPage* goals = nullptr;
};

TEST_F(GoalsPageTest, GoalListShowsEightLinesInTheirTeamsColours) {
  start(2, [](Mission& m) {
    m.teamIff = {};
    m.teamIff[0] = 1;
    m.teamIff[1] = 0;
    m.teamIff[2] = 5;
    auto b = m.flightGroups[0].goalBytes(2);
    set(b, goal::Condition, u8{2});
    set(b, goal::Amount, u8{0});
    set(b, goal::Argument, u8{1});
    set(b, goal::Points, i8{2});
    set(b, goal::Team, u8{2});
    // Condition 10 hides whatever else the goal holds.
    auto c = m.flightGroups[0].goalBytes(5);
    set(c, goal::Points, i8{7});
    set(c, goal::Team, u8{1});
    m.flightGroups[0].set(fg::Iff, u8{3});
  });
  ASSERT_EQ(goalList()->count(), 8);
  EXPECT_EQ(goalLine(2),
            QString::fromStdString(editing::describeGoal(doc.mission(), vocab, goalOf(0, 2))));
  EXPECT_TRUE(goalLine(2).contains(QStringLiteral(" must NOT ")));
  EXPECT_TRUE(goalLine(2).contains(QStringLiteral(" : 500 Pts  - Team ")));
  for (int r : {0, 1, 3, 4, 5, 6, 7}) EXPECT_EQ(goalLine(r), QStringLiteral("<None>")) << r;
  EXPECT_EQ(goalList()->item(2)->foreground().color(), QColor(171, 87, 255));
  EXPECT_EQ(goalList()->item(5)->foreground().color(), QColor(0, 255, 0));
  EXPECT_EQ(goalList()->item(0)->foreground().color(), QColor(255, 0, 0));
  EXPECT_EQ(goalList()->currentRow(), 0);

  // The header names the current group in its IFF colour.
  auto* header = find<QLineEdit>("FGgoalFG");
  EXPECT_TRUE(header->isReadOnly());
  EXPECT_EQ(header->text().toStdString(), editing::shortDescription(group(0), vocab));
  EXPECT_EQ(header->palette().color(QPalette::Text), QColor(255, 255, 0));

  // A click on a line makes that goal current and shows it; the line stays selected.
  clickGoal(2);
  EXPECT_EQ(goals->currentGoal(), 2);
  EXPECT_EQ(goalList()->currentRow(), 2);
  EXPECT_EQ(find<QSpinBox>("FGGoalPointsSpin")->value(), 500);
  EXPECT_EQ(find<QComboBox>("FGMustBox")->currentIndex(), 1);
  EXPECT_EQ(find<QComboBox>("FGGoalCond")->currentIndex(), 2);
  EXPECT_EQ(find<QComboBox>("FGGoalTeamBox")->currentIndex(), 2);
  EXPECT_EQ(find<QComboBox>("FGGoalTeamBox")->count(), 10);

  // Another current flight group starts again at goal 1.
  select({1});
  EXPECT_EQ(goals->currentGoal(), 0);
  EXPECT_EQ(goalList()->currentRow(), 0);
  EXPECT_EQ(header->text().toStdString(), editing::shortDescription(group(1), vocab));
}

TEST_F(GoalsPageTest, EveryControlWritesEverySelectedGroupAsOneUndoStep) {
  start(3);
  select({0, 2});
  clickGoal(3);
  struct Step {
    std::function<void()> act;
    std::function<void(CBytes)> check;
  };
  const std::vector<Step> steps = {
      {[&] { find<QComboBox>("FGGoalCond")->setCurrentIndex(2); },
       [](CBytes b) { EXPECT_EQ(b[1], 2); }},
      {[&] { find<QComboBox>("FGGoalPercent")->setCurrentIndex(3); },
       [](CBytes b) { EXPECT_EQ(b[2], 3); }},
      {[&] { find<QComboBox>("FGMustBox")->setCurrentIndex(2); },
       [](CBytes b) { EXPECT_EQ(b[0], 2); }},
      {[&] { find<QComboBox>("FGGoalTeamBox")->setCurrentIndex(4); },
       [](CBytes b) {
         EXPECT_EQ(b[5], 4);
         EXPECT_EQ(b[4], 0);
       }},
      {[&] { find<QCheckBox>("FGGoalUnk")->setChecked(true); },
       [](CBytes b) { EXPECT_EQ(b[4], 1); }},
      {[&] { typeNumber("FGGoalPointsSpin", QStringLiteral("-750")); },
       [](CBytes b) { EXPECT_EQ(b[3], 253); }},
      {[&] { typeNumber("FGGoalTimeSpin", QStringLiteral("42")); },
       [](CBytes b) { EXPECT_EQ(b[13], 42); }},
  };
  for (std::size_t s = 0; s < steps.size(); ++s) {
    SCOPED_TRACE(s);
    const auto before = allBytes();
    const int count = doc.undoStack()->count();
    steps[s].act();
    EXPECT_EQ(doc.undoStack()->count(), count + 1);
    for (std::size_t i : {0u, 2u}) {
      steps[s].check(goalOf(i, 3));
      EXPECT_EQ(goalOf(i, 3)[20], 43);
    }
    EXPECT_EQ(goalOf(1, 3)[1], 10);
    EXPECT_EQ(goalOf(1, 3)[2], 0);
    EXPECT_TRUE(doc.changedFlags().flightGroup);
    const auto after = allBytes();
    doc.undoStack()->undo();
    EXPECT_EQ(allBytes(), before);
    doc.undoStack()->redo();
    EXPECT_EQ(allBytes(), after);
  }
  EXPECT_TRUE(errors().empty());
  // The list line follows the edits.
  EXPECT_EQ(goalLine(3),
            QString::fromStdString(editing::describeGoal(doc.mission(), vocab, goalOf(0, 3))));
  EXPECT_TRUE(goalLine(3).contains(QStringLiteral(" : -750 Pts")));
}

TEST_F(GoalsPageTest, TheQuestionFlagFollowsTheTeam) {
  start(1);
  auto* team = find<QComboBox>("FGGoalTeamBox");
  auto* unk = find<QCheckBox>("FGGoalUnk");
  set(testing_gui::contentOf(doc).flightGroups[0].goalBytes(0), goal::Team, u8{5});
  set(testing_gui::contentOf(doc).flightGroups[0].goalBytes(0), goal::GoalFlag, u8{1});
  goals->chooseGoal(0);
  ASSERT_EQ(team->currentIndex(), 5);
  team->setCurrentIndex(0);
  EXPECT_EQ(goalOf(0, 0)[5], 0);
  EXPECT_EQ(goalOf(0, 0)[4], 1);
  EXPECT_TRUE(unk->isChecked());
  team->setCurrentIndex(2);
  EXPECT_EQ(goalOf(0, 0)[5], 2);
  EXPECT_EQ(goalOf(0, 0)[4], 0);
  EXPECT_FALSE(unk->isChecked());
  team->setCurrentIndex(0);
  EXPECT_EQ(goalOf(0, 0)[4], 1);
  EXPECT_TRUE(unk->isChecked());

  // The box set by hand, then only the condition changed while the team box shows team 2:
  // the flag is derived from the team again.
  team->setCurrentIndex(1);
  unk->setChecked(true);
  EXPECT_EQ(goalOf(0, 0)[4], 1);
  find<QComboBox>("FGGoalCond")->setCurrentIndex(1);
  EXPECT_EQ(goalOf(0, 0)[1], 1);
  EXPECT_EQ(goalOf(0, 0)[5], 1);
  EXPECT_EQ(goalOf(0, 0)[4], 0);
  EXPECT_FALSE(unk->isChecked());
}

TEST_F(GoalsPageTest, BoxesShowingNoEntryKeepTheirBytes) {
  start(1, [](Mission& m) {
    auto b = m.flightGroups[0].goalBytes(0);
    set(b, goal::Argument, u8{9});  // beyond the four "must" entries
    set(b, goal::Team, u8{12});     // beyond the ten teams
  });
  EXPECT_EQ(find<QComboBox>("FGMustBox")->currentIndex(), -1);
  EXPECT_EQ(find<QComboBox>("FGGoalTeamBox")->currentIndex(), -1);
  find<QComboBox>("FGGoalCond")->setCurrentIndex(2);
  EXPECT_EQ(goalOf(0, 0)[1], 2);
  EXPECT_EQ(goalOf(0, 0)[0], 9);
  EXPECT_EQ(goalOf(0, 0)[5], 12);
  EXPECT_EQ(goalOf(0, 0)[4], 0);
}

TEST_F(GoalsPageTest, PointsAreStepsOf250WithinTheSignedByte) {
  start(2);
  select({0, 1});
  auto* points = find<QSpinBox>("FGGoalPointsSpin");
  EXPECT_EQ(points->singleStep(), 250);

  typeNumber("FGGoalPointsSpin", QStringLiteral("-32000"));
  EXPECT_EQ(goalOf(0, 0)[3], 128);
  EXPECT_EQ(goalOf(1, 0)[3], 128);
  typeNumber("FGGoalPointsSpin", QStringLiteral("31750"));
  EXPECT_EQ(goalOf(0, 0)[3], 127);

  // Between the steps: truncated toward zero and shown as stored, also when the goal already
  // held that byte.
  typeNumber("FGGoalPointsSpin", QStringLiteral("499"));
  EXPECT_EQ(goalOf(0, 0)[3], 1);
  EXPECT_EQ(points->value(), 250);
  typeNumber("FGGoalPointsSpin", QStringLiteral("400"));
  EXPECT_EQ(goalOf(0, 0)[3], 1);
  EXPECT_EQ(points->value(), 250);
  EXPECT_EQ(points->text(), QStringLiteral("250"));

  // Beyond the range: the nearest end, never wrapped round to the other sign.
  typeNumber("FGGoalPointsSpin", QStringLiteral("40000"));
  EXPECT_EQ(goalOf(0, 0)[3], 127);
  EXPECT_EQ(points->value(), 31750);
  typeNumber("FGGoalPointsSpin", QStringLiteral("-99999"));
  EXPECT_EQ(goalOf(1, 0)[3], 128);

  // Empty text and a lone "-" store nothing and say nothing; other text is refused.
  const auto before = allBytes();
  const int steps = doc.undoStack()->count();
  typeNumber("FGGoalPointsSpin", QString());
  typeNumber("FGGoalPointsSpin", QStringLiteral("-"));
  EXPECT_TRUE(errors().empty());
  EXPECT_EQ(points->text(), QStringLiteral("-32000"));
  typeNumber("FGGoalPointsSpin", QStringLiteral("lots"));
  EXPECT_EQ(app::shownRefusal(points), QStringLiteral("'lots' is not a valid integer value"));
  EXPECT_TRUE(errors().empty());
  EXPECT_EQ(allBytes(), before);
  EXPECT_EQ(doc.undoStack()->count(), steps);

  // The arrows move by one step.
  points->stepUp();
  EXPECT_EQ(goalOf(0, 0)[3], static_cast<u8>(-127));
}

TEST_F(GoalsPageTest, TimeIsAByteThatDoesNotWrap) {
  start(1);
  typeNumber("FGGoalTimeSpin", QStringLiteral("200"));
  EXPECT_EQ(goalOf(0, 0)[13], 200);
  typeNumber("FGGoalTimeSpin", QStringLiteral("300"));
  EXPECT_EQ(goalOf(0, 0)[13], 255);
  EXPECT_EQ(find<QSpinBox>("FGGoalTimeSpin")->text(), QStringLiteral("255"));
  typeNumber("FGGoalTimeSpin", QStringLiteral("-"));
  EXPECT_TRUE(errors().empty());
  typeNumber("FGGoalTimeSpin", QStringLiteral("1.5"));
  EXPECT_FALSE(app::shownRefusal(find<QSpinBox>("FGGoalTimeSpin")).isEmpty());
  EXPECT_TRUE(errors().empty());
  EXPECT_EQ(goalOf(0, 0)[13], 255);
}

TEST_F(GoalsPageTest, UserStringsBelongToTheCurrentGroupOnly) {
  const std::string full(64, 'W');
  start(3, [&](Mission& m) {
    m.flightGroups[0].goalStrings.setText(fggoalstrings::text(4, 2), full);
  });
  select({0, 1, 2});
  ASSERT_EQ(doc.currentFlightGroup(), 0);
  clickGoal(4);
  auto* succ = find<QLineEdit>("FGStrSucc");
  auto* fail = find<QLineEdit>("FGStrFail");
  // A full 64-character string is shown whole.
  EXPECT_EQ(fail->text().toStdString(), full);

  const auto before = allBytes();
  const int steps = doc.undoStack()->count();
  EditorFixture::retype(succ, QStringLiteral("Well done"));
  EXPECT_EQ(group(0).goalStrings.text(fggoalstrings::text(4, 1)), "Well done");
  EXPECT_EQ(group(2).goalStrings.text(fggoalstrings::text(4, 1)), "");
  EXPECT_EQ(group(1).goalStrings.text(fggoalstrings::text(4, 1)), "");
  EXPECT_EQ(doc.undoStack()->count(), steps + 1);
  EXPECT_TRUE(doc.changedFlags().flightGroup);

  // Typing into the full string keeps all 64 characters: the last one is not cut away.
  fail->setFocus();
  fail->end(false);
  EditorFixture::press(fail, Qt::Key_Backspace);
  EditorFixture::type(fail, QStringLiteral("Z"));
  EXPECT_EQ(group(0).goalStrings.text(fggoalstrings::text(4, 2)), std::string(63, 'W') + "Z");
  EditorFixture::type(fail, QStringLiteral("Q"));  // no room for a 65th
  EXPECT_EQ(fail->text().size(), 64);

  while (doc.undoStack()->index() > steps) doc.undoStack()->undo();
  EXPECT_EQ(allBytes(), before);
  EXPECT_EQ(succ->text(), QString());
  EXPECT_EQ(fail->text().toStdString(), full);
}

TEST_F(GoalsPageTest, UndoShowsTheGoalAgainAndHandlersStayQuietWhileFilling) {
  start(2);
  clickGoal(1);
  find<QComboBox>("FGGoalCond")->setCurrentIndex(2);
  typeNumber("FGGoalPointsSpin", QStringLiteral("1000"));
  const int steps = doc.undoStack()->count();
  doc.undoStack()->undo();
  doc.undoStack()->undo();
  // Refilling the boxes from the undone goal wrote nothing back.
  EXPECT_EQ(doc.undoStack()->index(), steps - 2);
  EXPECT_EQ(goals->currentGoal(), 1);
  EXPECT_EQ(goalLine(1), QStringLiteral("<None>"));
  EXPECT_EQ(find<QSpinBox>("FGGoalPointsSpin")->value(), 0);
  EXPECT_EQ(find<QComboBox>("FGGoalCond")->currentIndex(), 10);
}

// A picture of the tab inside the main window, for a person to look at.
class GoalsPageGrab : public EditorFixture {};

TEST_F(GoalsPageGrab, DISABLED_GrabTab) {
  const QByteArray out = qgetenv("ZYNED_GRAB_DIR");
  if (out.isEmpty()) GTEST_SKIP() << "set ZYNED_GRAB_DIR to save a picture of the tab";
  const std::string file = writeMission("goals.kre", 14, "Goals", [](Mission& m) {
    while (m.flightGroups.size() < 4) m.addFlightGroup();
    FlightGroup& g = m.flightGroups[0];
    g.setText(fg::Name, "Red");
    g.set(fg::CraftCount, u8{3});
    for (std::size_t k = 0; k < fg::GoalCount; ++k) set(g.goalBytes(k), goal::Condition, u8{10});
    const u8 conds[] = {2, 1, 4, 12};
    for (std::size_t k = 0; k < 4; ++k) {
      auto b = g.goalBytes(k);
      set(b, goal::Condition, conds[k]);
      set(b, goal::Argument, static_cast<u8>(k % 4));
      set(b, goal::Amount, static_cast<u8>(k));
      set(b, goal::Team, static_cast<u8>(k % 3));
      set(b, goal::Points, static_cast<i8>(k == 0 ? -128 : 4 * k));
    }
    g.goalStrings.setText(fggoalstrings::text(0, 0), "Destroy the freighters before they jump");
    g.goalStrings.setText(fggoalstrings::text(0, 1), std::string(64, 'M'));
    g.goalStrings.setText(fggoalstrings::text(0, 2), "They got away");
  });
  start();
  prompter.openNames = {QString::fromStdString(file)};
  window->openMission();
  window->resize(810, 580);
  auto* page = find<app::FlightGroupsPage>("FlightGroupsPage");
  page->pages()->setCurrentIndex(app::FlightGroupsPage::GoalsTab);
  QApplication::processEvents();
  window->grab().save(QString("%1/fg-goals.png").arg(QString(out)));
}

}  // namespace

}  // namespace goals_page_test
