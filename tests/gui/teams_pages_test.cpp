// The "Global Goals" and "Teams" tabs driven through their widgets.

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QTabBar>

#include <memory>

#include "app/base/notice_window.h"
#include "app/editing/global_goals_page.h"
#include "app/editing/teams_page.h"
#include "app/editing/trigger_editor.h"
#include "context_fixture.h"

namespace {

namespace fg = model::fg;
namespace team = model::team;
using testing_gui::ContextFixture;
using PromptKind = testing_gui::ScriptedPrompter::Kind;

class GlobalGoalsPageTest : public ContextFixture {
 protected:
  void open() {
    load(1, 0);
    page = std::make_unique<app::GlobalGoalsPage>(context);
  }
  std::string goalString(std::size_t team, std::size_t set, std::size_t t, std::size_t k) {
    return doc.mission().globalGoalStrings[team].text(model::ggstrings::text(set, t, k));
  }
  std::unique_ptr<app::GlobalGoalsPage> page;
};

TEST_F(GlobalGoalsPageTest, SecondaryOffersOnlySuccessStrings) {
  open();
  find<QComboBox>(page.get(), "GGTeamBox")->setCurrentIndex(1);
  find<QTabBar>(page.get(), "GGPages")->setCurrentIndex(2);
  page->show();
  EXPECT_FALSE(find<QLineEdit>(page.get(), "GGCond2i")->isVisible());
  EXPECT_FALSE(find<QLineEdit>(page.get(), "GGCond2f")->isVisible());
  testing_gui::EditorFixture::type(find<QLineEdit>(page.get(), "GGCond2s"), QStringLiteral("Won"));
  EXPECT_EQ(goalString(1, 2, 1, 1), "Won");
  EXPECT_EQ(goalString(0, 2, 1, 1), "");
  doc.undoStack()->undo();
  EXPECT_EQ(goalString(1, 2, 1, 1), "");
}

// A mission loaded (or made new) is shown from team 1's primary goals, whatever was shown before.
TEST_F(GlobalGoalsPageTest, AnotherMissionShowsTeamOneAndThePrimaryGoals) {
  open();
  find<QComboBox>(page.get(), "GGTeamBox")->setCurrentIndex(2);
  find<QTabBar>(page.get(), "GGPages")->setCurrentIndex(1);
  load(1, 0, [](model::Mission& m) {
    m.globalGoalStrings[0].setText(model::ggstrings::text(0, 0, 0), "Team one's");
  });
  EXPECT_EQ(page->team(), 0);
  EXPECT_EQ(page->goalSet(), 0);
  EXPECT_EQ(find<QComboBox>(page.get(), "GGTeamBox")->currentIndex(), 0);
  EXPECT_EQ(find<QTabBar>(page.get(), "GGPages")->currentIndex(), 0);
  EXPECT_EQ(find<QLineEdit>(page.get(), "GGCond1i")->text(), QStringLiteral("Team one's"));
}

TEST_F(GlobalGoalsPageTest, PreventMiddleRowStoresSuccessStrings) {
  open();
  find<QTabBar>(page.get(), "GGPages")->setCurrentIndex(1);
  testing_gui::EditorFixture::type(find<QLineEdit>(page.get(), "GGCond1s"), QStringLiteral("Lost"));
  EXPECT_EQ(goalString(0, 1, 0, 1), "Lost");
}

TEST_F(GlobalGoalsPageTest, PointsAndTriggersGoToTheShownSet) {
  open();
  find<QTabBar>(page.get(), "GGPages")->setCurrentIndex(2);
  testing_gui::EditorFixture::retype(find<QSpinBox>(page.get(), "GGPointsED"),
                                     QStringLiteral("-250\n"));
  const std::size_t entry = model::globalgoal::Secondary;
  EXPECT_EQ(doc.mission().globalGoals[0].span()[entry + 41], 255);
  page->triggerEditor()->condBox()->setCurrentIndex(3);
  EXPECT_EQ(doc.mission().globalGoals[0].span()[entry], 3);
  EXPECT_EQ(doc.mission().globalGoals[0].span()[model::globalgoal::Primary], 0);
  undoAll();
  EXPECT_EQ(doc.mission().globalGoals[0].span()[entry + 41], 0);
}

class TeamsPageTest : public ContextFixture {
 protected:
  void open(int missionType = 0) {
    load(4, 0, [&](model::Mission& m) {
      m.header.set(model::header::MissionType, static_cast<model::u8>(missionType));
      for (std::size_t g = 0; g < 4; ++g)
        m.flightGroups[g].set(fg::Team, static_cast<model::u8>(g % 2 ? 2 : 0));
    });
    page = std::make_unique<app::TeamsPage>(context);
  }
  void stepTo(int team) {
    while (page->team() < team) find<QPushButton>(page.get(), "NextTeamBtn")->click();
  }
  std::unique_ptr<app::TeamsPage> page;
};

TEST_F(TeamsPageTest, LinkTeamByRadioReachesOnlyThatTeam) {
  open();
  stepTo(2);
  const int before = doc.mission().flightGroups[0].get(fg::Radio);
  find<QPushButton>(page.get(), "JoinByRadio")->click();
  for (std::size_t g = 0; g < 4; ++g)
    EXPECT_EQ(doc.mission().flightGroups[g].get(fg::Radio), g % 2 ? 3 : before) << g;
  // A notice says which team was linked, as the team list names it.
  QStringList notices;
  for (auto* n : page->window()->findChildren<app::NoticeWindow*>()) notices << n->text();
  EXPECT_TRUE(notices.contains(QStringLiteral("Team 3. has been linked by Radio")))
      << notices.join(QLatin1Char('|')).toStdString();
  doc.undoStack()->undo();
  EXPECT_EQ(doc.mission().flightGroups[1].get(fg::Radio), before);
}

TEST_F(TeamsPageTest, IffRenamesOnlyForRebelAndImperial) {
  open();
  stepTo(2);
  const auto iffBefore = doc.mission().teamIff[2];
  const std::string nameBefore = doc.mission().teams[2].text(team::Name);
  auto* iff = find<QComboBox>(page.get(), "TeamIFFBox1");
  iff->setCurrentIndex(2);
  emit iff->activated(2);
  EXPECT_EQ(doc.mission().teamIff[2], 2);
  EXPECT_EQ(doc.mission().teams[2].text(team::Name), nameBefore);
  iff->setCurrentIndex(1);
  emit iff->activated(1);
  EXPECT_EQ(doc.mission().teams[2].text(team::Name), "Imperial");
  undoAll();
  EXPECT_EQ(doc.mission().teamIff[2], iffBefore);
  EXPECT_EQ(doc.mission().teams[2].text(team::Name), nameBefore);
}

TEST_F(TeamsPageTest, CombatMissionWarnsAndKeepsTheChoice) {
  open(model::MultiplayerCombat);
  auto* iff = find<QComboBox>(page.get(), "TeamIFFBox1");
  iff->setCurrentIndex(0);
  emit iff->activated(0);
  EXPECT_EQ(doc.mission().teamIff[0], 0);
  ASSERT_EQ(prompter.texts(PromptKind::Warning).size(), 1u);
  EXPECT_EQ(prompter.texts(PromptKind::Warning)[0],
            QStringLiteral("You shouldn't do that. In Combat Missions, Team 1 must be Imperial"));
}

TEST_F(TeamsPageTest, NameStringsAndAllies) {
  open();
  stepTo(1);
  auto* name = find<QComboBox>(page.get(), "TeamName1Ed");
  name->lineEdit()->selectAll();
  testing_gui::EditorFixture::type(name->lineEdit(), QStringLiteral("Osmira"));
  EXPECT_EQ(doc.mission().teams[1].text(team::Name), "Osmira");
  testing_gui::EditorFixture::type(find<QLineEdit>(page.get(), "Fail2Ed"),
                                   QStringLiteral("Retreat"));
  EXPECT_EQ(doc.mission().teams[1].text(team::Failure2), "Retreat");
  find<QListWidget>(page.get(), "FriendsList")->item(0)->setSelected(true);
  EXPECT_EQ(doc.mission().teams[1].get(team::Allies, 0), 1);
  undoAll();
  EXPECT_EQ(doc.mission().teams[1].get(team::Allies, 0), 0);
  EXPECT_EQ(doc.mission().teams[1].text(team::Failure2), "");
}

}  // namespace
