// Pictures of the Messages, Global Goals, Teams and WPs tabs over a mission with realistic
// content, for a person to look at. Disabled: scripts/pages-screenshots.sh runs them with
// ZYNED_GRAB_DIR set; ctest never does.
#include <QApplication>
#include <QTabBar>

#include <gtest/gtest.h>

#include "app/base/prompter.h"
#include "app/document/editor_context.h"
#include "app/document/mission_document.h"
#include "app/editing/global_goals_page.h"
#include "app/editing/messages_page.h"
#include "app/editing/teams_page.h"
#include "app/editing/wps_page.h"
#include "model/mission.h"
#include "shell/settings.h"
#include "shell/vocabulary.h"

namespace {

void save(QWidget& w, const QString& name) {
  const QString dir = QString::fromLocal8Bit(qgetenv("ZYNED_GRAB_DIR"));
  w.resize(900, 620);
  w.show();
  QApplication::processEvents();
  w.grab().save(dir + QLatin1Char('/') + name + QStringLiteral(".png"));
  w.hide();
}

model::Mission sampleMission() {
  using namespace model;
  Mission m;
  m.newMission();
  for (int i = 0; i < 4; ++i) m.addFlightGroup();
  const char* names[] = {"Red", "Kestrel", "Convoy A", "Relay Station"};
  for (std::size_t i = 0; i < 4; ++i) {
    m.flightGroups[i].setText(fg::Name, names[i]);
    m.flightGroups[i].set(fg::WaypointX, static_cast<i16>(160 * i + 37), 0);
    m.flightGroups[i].set(fg::WaypointY, static_cast<i16>(-250 * i), 0);
    m.flightGroups[i].set(fg::WaypointX, static_cast<i16>(800 + 40 * i), 4);
  }
  struct Line {
    const char* text;
    char colour;
    int team;
  };
  const Line lines[] = {{"Red Leader: Form up on me.", '1', 1},
                        {"Convoy A has entered the sector", '2', 1},
                        {"2Kestrel squadron inbound!", '0', 1},
                        {"Relay Station shields are failing", '3', 2},
                        {"Hold position until the convoy clears", '1', 0},
                        {"Mission complete. Return to base.", '2', 1}};
  for (const Line& l : lines) {
    m.addMessage();
    Message& msg = m.messages.back();
    msg.setText(message::Text, l.text);
    msg.set(message::Color, static_cast<u8>(l.colour));
    for (std::size_t t = 0; t < 8; ++t) msg.set(message::SentToTeam, u8{0}, t);
    if (l.team) msg.set(message::SentToTeam, u8{1}, static_cast<std::size_t>(l.team - 1));
    msg.set(message::Delay, u8{2});
    msg.updateSentToAnyTeam();
  }
  m.messages[0].span()[message::Triggers] = 2;
  m.messages[0].span()[message::Triggers + 1] = 1;
  m.teams[2].setText(team::Name, "Osmira");
  m.teamIff[2] = 2;
  m.teams[0].setText(team::Success1, "The convoy got through.");
  m.teams[0].setText(team::Failure1, "The convoy was lost.");
  m.teams[0].set(team::Allies, u8{1}, 2);
  m.globalGoalStrings[0].setText(ggstrings::text(0, 0, 0), "Protect Convoy A");
  m.globalGoalStrings[0].setText(ggstrings::text(0, 0, 1), "Convoy A is safe");
  m.globalGoalStrings[0].setText(ggstrings::text(0, 0, 2), "Convoy A was destroyed");
  m.globalGoals[0].span()[globalgoal::Primary] = 2;
  m.globalGoals[0].span()[globalgoal::Primary + 1] = 1;
  m.globalGoals[0].span()[globalgoal::Primary + 2] = 2;
  m.globalGoals[0].span()[globalgoal::Primary + 41] = 4;
  return m;
}

TEST(PagesPictures, DISABLED_Pages) {
  if (qgetenv("ZYNED_GRAB_DIR").isEmpty()) GTEST_SKIP() << "set ZYNED_GRAB_DIR";
  shell::Vocabulary vocab;
  shell::Settings settings;
  app::MissionDocument doc;
  doc.replaceMission(sampleMission());
  doc.selectMessages({0, 2}, 0);
  app::EditorContext ctx{doc, vocab, settings, app::defaultPrompter(), std::string()};
  {
    app::MessagesPage page(ctx);
    save(page, QStringLiteral("messages"));
  }
  {
    app::GlobalGoalsPage page(ctx);
    save(page, QStringLiteral("global-goals-primary"));
    page.findChild<QTabBar*>(QStringLiteral("GGPages"))->setCurrentIndex(1);
    save(page, QStringLiteral("global-goals-prevent"));
  }
  {
    app::TeamsPage page(ctx);
    save(page, QStringLiteral("teams"));
    page.setTeam(2);
    save(page, QStringLiteral("teams-3"));
  }
  {
    app::WpsPage page(ctx);
    save(page, QStringLiteral("wps"));
  }
}

}  // namespace
