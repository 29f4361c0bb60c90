#include "app/shell/flow_windows.h"

#include <QComboBox>
#include <QTabBar>
#include <QTabWidget>

#include "app/base/prompter.h"
#include "app/base/window_memory.h"
#include "app/briefing/briefing_session.h"
#include "app/briefing/briefing_window.h"
#include "app/document/mission_document.h"
#include "app/editing/flight_groups_page.h"
#include "app/editing/global_goals_page.h"
#include "app/editing/goals_page.h"
#include "app/editing/messages_page.h"
#include "app/editing/orders_page.h"
#include "app/editing/trigger_editor.h"
#include "app/flow/mission_flow_window.h"
#include "app/flow/usages_window.h"
#include "app/shell/main_window.h"

namespace app {

namespace {

using flow::PlaceKind;

// The tab of the main window's pages whose page carries `name`.
bool showOverallPage(MainWindow& w, const QString& name) {
  auto* pages = w.findChild<QTabWidget*>(QStringLiteral("OverallPages"));
  if (!pages) return false;
  for (int i = 0; i < pages->count(); ++i)
    if (pages->widget(i)->objectName() == name) {
      pages->setCurrentIndex(i);
      return true;
    }
  return false;
}

template <class Page>
Page* pageIn(QWidget* frame) {
  if (!frame) return nullptr;
  if (auto* p = qobject_cast<Page*>(frame)) return p;
  return frame->findChild<Page*>();
}

void editTrigger(QWidget* frame, int n) {
  if (auto* editor = pageIn<TriggerEditor>(frame)) editor->setEditedTrigger(n);
}

void openFlightGroupPlace(MainWindow& w, const flow::Place& p) {
  MissionDocument& doc = w.document();
  if (p.record < 0 || static_cast<std::size_t>(p.record) >= doc.mission().flightGroups.size())
    return;
  doc.selectFlightGroups({p.record}, p.record);
  FlightGroupsPage* page = w.flightGroupsPage();
  showOverallPage(w, page->objectName());
  auto tab = static_cast<FlightGroupsPage::Tab>(page->pages()->currentIndex());
  switch (p.kind) {
    case PlaceKind::ArrivalTrigger:
    case PlaceKind::ArrivalMothership:
      tab = FlightGroupsPage::ArrivalTab;
      break;
    case PlaceKind::DepartureTrigger:
    case PlaceKind::DepartureMothership:
      tab = FlightGroupsPage::DepartureTab;
      break;
    case PlaceKind::JumpTrigger:
      tab = FlightGroupsPage::OtherTab;
      break;
    case PlaceKind::OrderTarget:
      tab = FlightGroupsPage::OrdersTab;
      break;
    case PlaceKind::FlightGroupGoal:
      tab = FlightGroupsPage::GoalsTab;
      break;
    default:
      break;
  }
  page->pages()->setCurrentIndex(tab);
  QWidget* frame = page->tabFrame(tab);
  switch (p.kind) {
    case PlaceKind::ArrivalTrigger:
    case PlaceKind::DepartureTrigger:
    case PlaceKind::JumpTrigger:
      editTrigger(frame, p.part);
      break;
    case PlaceKind::OrderTarget:
      if (auto* orders = pageIn<OrdersPage>(frame)) orders->editOrder(p.part - 1);
      break;
    case PlaceKind::FlightGroupGoal:
      if (auto* goals = pageIn<GoalsPage>(frame)) goals->chooseGoal(p.part - 1);
      break;
    default:
      break;
  }
}

void openBriefingPlace(MainWindow& w, const flow::Place& p) {
  BriefingEnvironment env;
  MissionDocument& doc = w.document();
  if (doc.named()) env.missionFile = doc.fileName();
  env.save = [&w] { return w.save(); };
  env.saveAs = [&w] { return w.saveAs(); };
  const EditorContext& c = w.context();
  BriefingWindow window(c, std::move(env), &w);
  if (p.kind == PlaceKind::BriefingText)
    window.showText(p.record, p.item);
  else
    window.showInstruction(p.record, p.item);
  const WindowMemory memory(c.iniPath);
  memory.place(&window, 15);
  c.prompter.exec(window);
  memory.remember(&window);
}

}  // namespace

void openPlace(MainWindow& w, const flow::Place& p) {
  MissionDocument& doc = w.document();
  switch (p.kind) {
    case PlaceKind::Message:
    case PlaceKind::MessageTrigger:
      if (p.record < 0 || static_cast<std::size_t>(p.record) >= doc.mission().messages.size())
        return;
      doc.selectMessages({p.record}, p.record);
      showOverallPage(w, QStringLiteral("MessagesPage"));
      if (p.kind == PlaceKind::MessageTrigger) editTrigger(w.messagesPage(), p.part);
      break;
    case PlaceKind::GlobalGoal:
    case PlaceKind::GlobalGoalTrigger:
      if (showOverallPage(w, QStringLiteral("GlobalGoalsPage")))
        if (auto* goals = w.findChild<GlobalGoalsPage*>()) {
          // As the user chooses them: the team box and the goal set's tab.
          if (auto* team = goals->findChild<QComboBox*>(QStringLiteral("GGTeamBox")))
            team->setCurrentIndex(p.record);
          if (auto* sets = goals->findChild<QTabBar*>(QStringLiteral("GGPages")))
            sets->setCurrentIndex(p.part);
          if (p.kind == PlaceKind::GlobalGoalTrigger) editTrigger(goals, p.item);
        }
      break;
    case PlaceKind::BriefingBox:
    case PlaceKind::BriefingTag:
    case PlaceKind::BriefingText:
      openBriefingPlace(w, p);
      return;
    default:
      openFlightGroupPlace(w, p);
      break;
  }
  w.raise();
  w.activateWindow();
}

MissionFlowWindow* showMissionFlow(MainWindow& w) {
  auto* window = w.findChild<MissionFlowWindow*>(QString(), Qt::FindDirectChildrenOnly);
  if (!window) {
    window = new MissionFlowWindow(w.context(), &w);
    QObject::connect(window, &MissionFlowWindow::placeChosen, &w,
                     [&w](const flow::Place& p) { openPlace(w, p); });
  }
  window->show();
  window->raise();
  window->activateWindow();
  return window;
}

UsagesWindow* showUsages(MainWindow& w) {
  const int group = w.document().currentFlightGroup();
  auto* window = w.findChild<UsagesWindow*>(QString(), Qt::FindDirectChildrenOnly);
  if (!window) {
    window = new UsagesWindow(w.context(), group, &w);
    QObject::connect(window, &UsagesWindow::placeChosen, &w,
                     [&w](const flow::Place& p) { openPlace(w, p); });
  } else {
    window->setGroup(group);
  }
  window->show();
  window->raise();
  return window;
}

}  // namespace app
