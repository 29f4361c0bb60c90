#pragma once
// Every window of the editor, each page, tab and tab within a tab brought to the front in turn:
// the main window, the map, each window and dialog the main window's commands open
// (Preferences, the briefing editor, the error list, the list managers, the library, the flow
// windows, the handbook, …), the dialogs buttons on the pages and in those windows open, and the
// dialogs of the start (start-up choice, new-mission wizard, recovery) and of a file changed on
// disk. Tests that hold for every window (accessible names, the Tab order, texts that fit) visit
// them through `walk`.

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QTabWidget>
#include <QTest>

#include <filesystem>
#include <fstream>
#include <functional>
#include <set>

#include "app/base/actions.h"
#include "app/base/disk_change_dialog.h"
#include "app/map/map_window.h"
#include "app/shell/recovery_dialog.h"
#include "app/shell/startup_dialog.h"
#include "app/shell/wizard_dialog.h"
#include "editor_fixture.h"
#include "lists/game_lists.h"

namespace testing_gui {

class EveryWindow : public EditorFixture {
 protected:
  // `where` names the window and its tabs in front ("PrefForm/Keyboard").
  using Visit = std::function<void(QWidget* window, const QString& where)>;

  // Starts the editor with a flight group and a message, so that their pages show their fields,
  // and with the game's mission list, so that the .lst Files window opens. The new group is
  // flown by player 1 like the first: the error check finds an error and shows its list.
  void startWithRecords() {
    start();
    doc().newFlightGroup();
    doc().editFlightGroups(QStringLiteral("Player"),
                           [](const model::Mission&, model::FlightGroup& g) {
                             g.set(model::fg::PlayerNumber, std::uint8_t{1});
                           });
    const std::filesystem::path lists = lists::missionFolder(settings, mission());
    std::filesystem::create_directories(lists);
    std::ofstream(lists / "MISSION.LST") << "1\r\nm1.kre\r\nOne\r\n";
    auto* pages = window->findChild<QTabWidget*>(QStringLiteral("OverallPages"));
    pages->setCurrentWidget(window->findChild<QWidget*>(QStringLiteral("MessagesPage")));
    window->actions().action(u"NewFGAction")->trigger();
    pages->setCurrentIndex(0);
    QApplication::processEvents();
  }

  // Visits every window.
  void walk(const Visit& visit) {
    // Every dialog a command or a button runs is visited, and the dialogs its own buttons run.
    prompter.onDialog = [&](QDialog& d) {
      visitWindow(&d, visit);
      return int(QDialog::Rejected);
    };
    walkTabs(window.get(), window->objectName(), visit);
    // The dialogs the buttons on the main window's pages open: the formation viewer, the
    // unknown bytes, the game's sounds, and the clipboard of conditions (a double click on a
    // condition once the clipboard holds one).
    for (const char* button : {"FormBtn", "EditUnknownsBtn", "GameWavBtn"})
      visitOpened([&] { find<QAbstractButton>(QString::fromLatin1(button))->click(); }, visit);
    visitOpened(
        [&] {
          auto* arrival = find<QWidget>(QStringLiteral("ArrivalPage"));
          arrival->findChild<QAbstractButton*>(QStringLiteral("AddToClipBtn"))->click();
          QTest::mouseDClick(arrival->findChild<QWidget*>(QStringLiteral("Cond1Lab")),
                             Qt::LeftButton);
        },
        visit);
    app::MapWindow* map = window->mapWindow();
    map->showMap();
    QApplication::processEvents();
    walkTabs(map, map->objectName(), visit);
    visitOpened([&] { map->findChild<QAbstractButton*>(QStringLiteral("MapEditWPBtn"))->click(); },
                visit);
    map->hide();
    // The commands that open a window or a dialog.
    const char* const opening[] = {"PrefsAction",       "BriefAction",      "ErrorCheckAction",
                                   "LstAction",         "BattleAction",     "OptAction",
                                   "LibraryAction",     "AboutAction",      "LoadByLstAction",
                                   "MissionFlowAction", "WhereUsedAction",  "UndoHistoryAction",
                                   "HandbookAction",    "GoalSummaryAction"};
    for (const char* id : opening) {
      QAction* a = window->actions().action(QString::fromLatin1(id));
      if (a && a->isEnabled()) visitOpened([a] { a->trigger(); }, visit);
    }
    // The dialogs the editor shows at the start or when a file changed on disk, each with what
    // it shows filled in.
    {
      app::StartUpDialog startUp(window.get());
      visitWindow(&startUp, visit);
      app::WizardDialog wizard(window.get());
      visitWindow(&wizard, visit);
      app::RecoveryDialog recovery(
          {{QStringLiteral("1"), QStringLiteral("Patrol.kre"), QStringLiteral("10:04"),
            QStringLiteral("2 flight groups"), true},
           {QStringLiteral("2"), QStringLiteral("2.rec"), QStringLiteral("09:12"),
            QStringLiteral("cannot be read"), false}},
          [](const QString&) {}, window.get());
      visitWindow(&recovery, visit);
      // The question before a save over a file another program changed, its differences shown.
      app::DiskChangeDialog changed(
          app::DiskChangeDialog::Mode::BeforeSave, QStringLiteral("Patrol.kre"),
          [] { return QStringList{QStringLiteral("FG 1: Name")}; }, window.get());
      visitWindow(&changed, visit);
    }
    prompter.onDialog = nullptr;
  }

 private:
  // The buttons of a window that open a dialog or a window of their own, by the window's name.
  static QStringList openers(const QWidget* w) {
    const QString name = w->objectName();
    // The editor's own folder chooser; the .lst Files window's "Check All" report.
    if (name == QLatin1String("PrefForm")) return {QStringLiteral("MissionsBrowseBtn")};
    if (name == QLatin1String("LstFilesWindow")) return {QStringLiteral("CheckAllBtn")};
    return {};
  }

  // Runs `open` and visits the windows it leaves open beside the ones open before (a dialog it
  // runs is visited through the prompter), then closes them.
  void visitOpened(const std::function<void()>& open, const Visit& visit) {
    std::set<QWidget*> before;
    for (QWidget* w : QApplication::topLevelWidgets())
      if (w->isVisible()) before.insert(w);
    open();
    QApplication::processEvents();
    for (QWidget* w : QApplication::topLevelWidgets()) {
      if (!w->isVisible() || before.count(w)) continue;
      visitWindow(w, visit);
      w->close();
    }
    QApplication::processEvents();
  }

  // Visits `w` and then what its buttons open.
  void visitWindow(QWidget* w, const Visit& visit) {
    showAndWalk(w, visit);
    for (const QString& name : openers(w))
      if (auto* b = w->findChild<QAbstractButton*>(name)) visitOpened([b] { b->click(); }, visit);
    w->hide();
  }

  static void showAndWalk(QWidget* w, const Visit& visit) {
    w->show();
    QApplication::processEvents();
    const QString name = w->objectName().isEmpty()
                             ? QString::fromLatin1(w->metaObject()->className())
                             : w->objectName();
    walkTabs(w, name, visit);
  }

  // The tab widgets in view inside `root` that no other tab widget inside `root` holds.
  static QList<QTabWidget*> outerTabs(QWidget* root) {
    QList<QTabWidget*> out;
    for (QTabWidget* t : root->findChildren<QTabWidget*>()) {
      if (!t->isVisible() || t->window() != root->window()) continue;
      bool outer = true;
      for (QWidget* p = t->parentWidget(); p && p != root; p = p->parentWidget())
        if (qobject_cast<QTabWidget*>(p)) outer = false;
      if (outer) out << t;
    }
    return out;
  }

  // Brings each tab of the first outer tab widget in `root` to the front in turn, and the tabs
  // of the tab widgets on it, and visits each combination once.
  static void walkTabs(QWidget* root, const QString& where, const Visit& visit) {
    const QList<QTabWidget*> tabs = outerTabs(root);
    if (tabs.isEmpty()) {
      visit(root->window(), where);
      return;
    }
    QTabWidget* t = tabs.front();
    const int was = t->currentIndex();
    for (int i = 0; i < t->count(); ++i) {
      if (!t->isTabEnabled(i) || !t->isTabVisible(i)) continue;
      t->setCurrentIndex(i);
      QApplication::processEvents();
      const QString here = where + QLatin1Char('/') + t->tabText(i).remove(QLatin1Char('&'));
      QWidget* page = t->widget(i);
      if (!outerTabs(page).isEmpty())
        walkTabs(page, here, visit);
      else
        visit(root->window(), here);
    }
    t->setCurrentIndex(was);
    QApplication::processEvents();
  }
};

}  // namespace testing_gui
