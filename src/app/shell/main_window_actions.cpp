// The main window's commands: its action table, where each action shows (menu bar, tool bar,
// the flight-group list's pop-up menu) and the list commands that act on the list in front.
#include <QApplication>
#include <QMenu>
#include <QTabWidget>
#include <QUndoStack>

#include "app/base/actions.h"
#include "app/base/deferred_page.h"
#include "app/base/handbook_window.h"
#include "app/base/icons.h"
#include "app/base/undo_history_window.h"
#include "app/document/mission_document.h"
#include "app/editing/flight_groups_page.h"
#include "app/editing/library_window.h"
#include "app/editing/messages_page.h"
#include "app/editing/ship_list.h"
#include "app/map/map_window.h"
#include "app/shell/flow_windows.h"
#include "app/shell/main_window.h"
#include "app/shell/mission_files.h"
#include "editing/flight_group_ops.h"
#include "editing/messages.h"

namespace app {

const std::vector<ActionSpec<MainWindow>>& MainWindow::actionTable() {
  using enum KeyScope;
  using enum Held;
  using W = MainWindow;
  // The list commands act on the flight groups or the messages, as the page in front says.
  const auto onList = [](void (FlightGroupsPage::*g)(), void (MessagesPage::*m)()) {
    return [g, m](W& w) { w.listCommand(g, m); };
  };
  const auto hasList = [](const W& w) { return w.listTarget() != ListTarget::None; };
  // Their menu texts name what they act on (the table's own text while neither list is in front).
  const auto naming = [](const char* onGroups, const char* onMessages) {
    return [onGroups, onMessages](const W& w) -> const char* {
      switch (w.listTarget()) {
        case ListTarget::FlightGroups:
          return onGroups;
        case ListTarget::Messages:
          return onMessages;
        case ListTarget::None:
          break;
      }
      return nullptr;
    };
  };
  // Hints are the tool bar's own texts ("Save As " with its blank included). The
  // list keys work with Shift held too; Ctrl+X, Ctrl+C and Ctrl+V are the desktop's.
  static const std::vector<ActionSpec<MainWindow>> table = {
      // File
      {"NewMissionAction", QT_TR_NOOP("&New Mission"), QT_TR_NOOP("New Mission"), "document-new",
       keys("Ctrl+N", Window), &W::newMission, nullptr, nullptr, "NewMissionBtn"},
      {"LoadAction", QT_TR_NOOP("&Open..."), QT_TR_NOOP("Load Mission"), "document-open",
       keys("Ctrl+O", Window), &W::openMission, nullptr, nullptr, "LoadBtn"},
      {"LoadByLstAction", QT_TR_NOOP("&Load by lst..."),
       QT_TR_NOOP("Load a mission chosen from the game's lists"), "load-by-list", NoKeys,
       &W::loadByList},
      {"SaveAction", QT_TR_NOOP("&Save"), QT_TR_NOOP("Save"), "document-save",
       keys("Ctrl+S", Window), &W::save, nullptr, nullptr, "SaveBtn"},
      // Not Ctrl+A: that key selects all where something can be selected and does nothing
      // elsewhere (a stray select-all wrote a mission file).
      {"SaveAsAction", QT_TR_NOOP("Save &as..."), QT_TR_NOOP("Save As "), "document-save-as",
       keys("Ctrl+Shift+S", Window), &W::saveAs, nullptr, nullptr, "SaveAsBtn"},
      {"ImportJsonAction", QT_TR_NOOP("&Import JSON…"),
       QT_TR_NOOP("Open a mission written as JSON"), nullptr, NoKeys,
       [](W& w) { w.files_->importJson(); }},
      {"ExportJsonAction", QT_TR_NOOP("&Export as JSON…"), QT_TR_NOOP("Write the mission as JSON"),
       nullptr, NoKeys, [](W& w) { w.files_->exportJson(); }},
      {"ExitAction", QT_TR_NOOP("E&xit"), QT_TR_NOOP("Close the editor"), "exit",
       keys("Ctrl+Q", Window), [](W& w) { w.close(); }},
      // Edit
      {"UndoAction", QT_TR_NOOP("&Undo"), QT_TR_NOOP("Undo"), "edit-undo",
       keys("Ctrl+Z", Window, Repeats), [](W& w) { w.doc_->undoStack()->undo(); },
       [](const W& w) { return w.doc_->undoStack()->canUndo(); }},
      {"RedoAction", QT_TR_NOOP("&Redo"), QT_TR_NOOP("Redo"), "edit-redo",
       keys("Ctrl+Y; Ctrl+Shift+Z", Window, Repeats), [](W& w) { w.doc_->undoStack()->redo(); },
       [](const W& w) { return w.doc_->undoStack()->canRedo(); }},
      {"CutAction", QT_TR_NOOP("Cu&t"), QT_TR_NOOP("Cut FG"), "fg-cut",
       keys("Ctrl+X; X; Shift+X", List), onList(&FlightGroupsPage::cut, &MessagesPage::cut),
       &W::hasItems, nullptr, "CutBtn", nullptr,
       naming(QT_TR_NOOP("Cu&t FG"), QT_TR_NOOP("Cu&t Message"))},
      {"CopyAction", QT_TR_NOOP("&Copy"), QT_TR_NOOP("Copy FG"), "fg-copy",
       keys("Ctrl+C; C; Shift+C", List), onList(&FlightGroupsPage::copy, &MessagesPage::copy),
       &W::hasItems, nullptr, "CopyBtn", nullptr,
       naming(QT_TR_NOOP("&Copy FG"), QT_TR_NOOP("&Copy Message"))},
      {"PasteAction", QT_TR_NOOP("&Paste"), QT_TR_NOOP("Paste FG"), "fg-paste",
       keys("Ctrl+V; V; Shift+V", List), onList(&FlightGroupsPage::paste, &MessagesPage::paste),
       &W::canPaste, nullptr, "PasteBtn", nullptr,
       naming(QT_TR_NOOP("&Paste FG"), QT_TR_NOOP("&Paste Message"))},
      {"DeleteAction", QT_TR_NOOP("&Delete"), QT_TR_NOOP("Delete FG or Message"), "fg-delete",
       keys("Del; Shift+Del", List),
       onList(&FlightGroupsPage::deleteSelected, &MessagesPage::deleteSelected), hasList, nullptr,
       "DeleteBut", nullptr, naming(QT_TR_NOOP("&Delete FG"), QT_TR_NOOP("&Delete Message"))},
      {"NewFGAction", QT_TR_NOOP("&Add"), QT_TR_NOOP("New FG or Message"), "fg-add",
       keys("Ins; Shift+Ins", List),
       onList(&FlightGroupsPage::newFlightGroup, &MessagesPage::newMessage), hasList, nullptr,
       "NewFGBut", nullptr, naming(QT_TR_NOOP("Add &FG"), QT_TR_NOOP("&Add Message"))},
      {"UpAction", QT_TR_NOOP("Move &up"), QT_TR_NOOP("Move FG or Message Up"), "fg-up", NoKeys,
       onList(&FlightGroupsPage::moveUp, &MessagesPage::moveUp),
       [](const W& w) { return w.canMove(true); }, nullptr, "UpBtn", nullptr,
       naming(QT_TR_NOOP("Move FG &up"), QT_TR_NOOP("Move Message &Up"))},
      {"DownAction", QT_TR_NOOP("&Move down"), QT_TR_NOOP("Move FG or Message Down"), "fg-down",
       NoKeys, onList(&FlightGroupsPage::moveDown, &MessagesPage::moveDown),
       [](const W& w) { return w.canMove(false); }, nullptr, "DownBtn", nullptr,
       naming(QT_TR_NOOP("&Move FG down"), QT_TR_NOOP("&Move Message Down"))},
      // View
      {"MapAction", QT_TR_NOOP("&Map"), QT_TR_NOOP("Map"), "map", NoKeys,
       [](W& w) { w.mapWindow()->showMap(); }, nullptr, nullptr, "MapBtn"},
      {"BriefAction", QT_TR_NOOP("&Briefings"), QT_TR_NOOP("Briefings"), "briefings", NoKeys,
       &W::briefings, nullptr, nullptr, "BriefBtn"},
      {"GoalSummaryAction", QT_TR_NOOP("&Goal summary"),
       QT_TR_NOOP("Show the goals in the flight-group list"), "goal-summary",
       keys("Ctrl+G", Window), [](W& w) { w.fgPage_->toggleGoalSummary(); }, nullptr,
       [](const W& w) { return w.fgPage_ && w.fgPage_->goalSummary(); }},
      {"MissionFlowAction", QT_TR_NOOP("Mission &Flow"),
       QT_TR_NOOP("When each flight group can arrive, and what can never happen"), nullptr, NoKeys,
       [](W& w) { showMissionFlow(w); }},
      {"WhereUsedAction", QT_TR_NOOP("Where is it &used?"),
       QT_TR_NOOP("Every place that names the current flight group"), nullptr, NoKeys,
       [](W& w) { showUsages(w); }},
      {"UndoHistoryAction", QT_TR_NOOP("Undo &History"),
       QT_TR_NOOP("Show every step Undo can take back"), nullptr, NoKeys, &W::showUndoHistory},
      // Tools
      {"ErrorCheckAction", QT_TR_NOOP("&Error Check"), QT_TR_NOOP("Error Check"), "error-check",
       NoKeys, &W::errorCheck, nullptr, nullptr, "ErrorCheckBtn"},
      {"LstAction", QT_TR_NOOP("Edit .&lst Files"), QT_TR_NOOP("Edit .lst Files"), "list-files",
       NoKeys, &W::editLists, nullptr, nullptr, "LstBtn"},
      {"BattleAction", QT_TR_NOOP("&Campaign/Battle Manager"),
       QT_TR_NOOP("Campaign/Battle Manager"), "battle-manager", NoKeys, &W::battleManager, nullptr,
       nullptr, "BattleBtn"},
      {"OptAction", QT_TR_NOOP("&OPT File Manager"), QT_TR_NOOP("OPT File Manager"), "model-files",
       NoKeys, &W::optManager, nullptr, nullptr, "OptBtn"},
      {"LibraryAction", QT_TR_NOOP("FG &Library"), QT_TR_NOOP("FG Library page"), "library", NoKeys,
       &W::showLibrary, nullptr, nullptr, "LibShowBut"},
      {"AddToLibAction", QT_TR_NOOP("&Add selected FGs to library"),
       QT_TR_NOOP("Add selected FGs to current library"), "library-add", NoKeys,
       [](W& w) {
         addToLibrary(w.library_, w.doc_->mission(), w.doc_->selectedFlightGroups(), &w);
       },
       nullptr, nullptr, "PutIntoLib"},
      {"PrefsAction", QT_TR_NOOP("&Preferences..."), QT_TR_NOOP("Preferences"), "preferences",
       NoKeys, &W::preferences, nullptr, nullptr, "PrefsBtn"},
      // Help
      {"HandbookAction", QT_TR_NOOP("Hand&book"),
       QT_TR_NOOP("Open the handbook at the page and tab in front"), nullptr, keys("F1", Window),
       &W::showHandbookInFront},
      {"AboutAction", QT_TR_NOOP("&About / FAQ"), QT_TR_NOOP("About / FAQ"), "about", NoKeys,
       &W::about, nullptr, nullptr, "AboutBtn"},
      {"HomePageAction", QT_TR_NOOP("&Home page"), QT_TR_NOOP("Home page"), "home-page", NoKeys,
       &W::homePage, nullptr, nullptr, "HomePageBtn"},
  };
  return table;
}

const std::vector<MenuSpec>& MainWindow::menuBarLayout() {
  static const std::vector<MenuSpec> menus = {
      {QT_TR_NOOP("&File"),
       "FileMenu",
       {"NewMissionAction", "LoadAction", "Reopen", "LoadByLstAction", "-", "SaveAction",
        "SaveAsAction", "-", "ImportJsonAction", "ExportJsonAction", "-", "ExitAction"}},
      {QT_TR_NOOP("&Edit"),
       "EditMenu",
       {"UndoAction", "RedoAction", "-", "CutAction", "CopyAction", "PasteAction", "DeleteAction",
        "-", "NewFGAction", "UpAction", "DownAction"}},
      {QT_TR_NOOP("&View"),
       "ViewMenu",
       {"MapAction", "BriefAction", "MissionFlowAction", "WhereUsedAction", "-",
        "GoalSummaryAction", "-", "UndoHistoryAction"}},
      {QT_TR_NOOP("&Tools"),
       "ToolsMenu",
       {"ErrorCheckAction", "-", "LstAction", "BattleAction", "OptAction", "-", "LibraryAction",
        "AddToLibAction", "-", "PrefsAction"}},
      {QT_TR_NOOP("&Help"), "HelpMenu", {"HandbookAction", "-", "AboutAction", "HomePageAction"}},
  };
  return menus;
}

const QStringList& MainWindow::toolBarLayout() {
  // The file commands together, then the list's, the windows of the mission, the tools, the
  // library and the editor's own.
  static const QStringList bar = {"NewMissionAction",
                                  "LoadAction",
                                  "SaveAction",
                                  "SaveAsAction",
                                  "-",
                                  "NewFGAction",
                                  "DeleteAction",
                                  "UpAction",
                                  "DownAction",
                                  "CutAction",
                                  "CopyAction",
                                  "PasteAction",
                                  "-",
                                  "MapAction",
                                  "BriefAction",
                                  "-",
                                  "ErrorCheckAction",
                                  "LstAction",
                                  "BattleAction",
                                  "OptAction",
                                  "-",
                                  "LibraryAction",
                                  "AddToLibAction",
                                  "-",
                                  "PrefsAction",
                                  "AboutAction",
                                  "HomePageAction"};
  return bar;
}

const QStringList& MainWindow::flightGroupPopupLayout() {
  static const QStringList popup = {"NewFGAction",
                                    "DeleteAction",
                                    "CopyAction",
                                    "PasteAction",
                                    "UpAction",
                                    "DownAction",
                                    "-",
                                    "WhereUsedAction",
                                    "-",
                                    "UndoAction",
                                    "RedoAction",
                                    "-",
                                    "NewMissionAction",
                                    "LoadAction",
                                    "SaveAction",
                                    "SaveAsAction",
                                    "Reopen",
                                    "LoadByLstAction"};
  return popup;
}

const QStringList& MainWindow::messagePopupLayout() {
  static const QStringList popup = {"NewFGAction", "DeleteAction", "UpAction", "DownAction"};
  return popup;
}

void MainWindow::buildActions() {
  // The menu bar, the tool bar and the list's pop-up menu show the same actions.
  actions_ = std::make_unique<ActionSet>(*this, actionTable());
  nameUndoRedo(doc_->undoStack(), actions_->action(u"UndoAction"), actions_->action(u"RedoAction"));
  actions_->refreshOn(doc_.get(), &MissionDocument::changed);
  actions_->refreshOn(doc_.get(), &MissionDocument::selectionChanged);
  actions_->refreshOn(doc_->undoStack(), &QUndoStack::indexChanged);
  actions_->refreshOn(doc_->undoStack(), &QUndoStack::cleanChanged);

  reopenMenu_ = new QMenu(tr("&Reopen"), this);
  reopenMenu_->setObjectName(QStringLiteral("ReopenMenu"));
  reopenMenu_->setIcon(icon(QStringLiteral("reopen")));
}

void MainWindow::showHandbookInFront() {
  // The page in front, and on the flight-group page its tab in front; the control with the
  // focus where it lies there and has a section of its own (the message sounds' group).
  QWidget* front = pages_->currentWidget();
  if (front == fgPage_) front = fgPage_->pages()->currentWidget();
  QWidget* focus = QApplication::focusWidget();
  showHandbook(this, handbookPageFor(focus && front->isAncestorOf(focus) ? focus : front));
}

void MainWindow::showUndoHistory() {
  if (!undoHistory_) undoHistory_ = new UndoHistoryWindow(doc_->undoStack(), iniPath(), this);
  undoHistory_->show();
  undoHistory_->raise();
}

// ---------------------------------------------------------------------------------------------
// The list commands

MainWindow::ListTarget MainWindow::listTarget() const {
  if (!pages_) return ListTarget::None;
  if (pages_->currentWidget() == fgPage_) return ListTarget::FlightGroups;
  if (pages_->currentWidget() == messagesFrame_) return ListTarget::Messages;
  return ListTarget::None;
}

void MainWindow::listCommand(void (FlightGroupsPage::*onGroups)(),
                             void (MessagesPage::*onMessages)()) {
  switch (listTarget()) {
    case ListTarget::FlightGroups:
      (fgPage_->*onGroups)();
      break;
    case ListTarget::Messages:
      (messagesPage()->*onMessages)();
      break;
    case ListTarget::None:
      break;
  }
}

bool MainWindow::hasItems() const {
  switch (listTarget()) {
    case ListTarget::FlightGroups:
      return !doc_->mission().flightGroups.empty();
    case ListTarget::Messages:
      return !doc_->mission().messages.empty();
    case ListTarget::None:
      break;
  }
  return false;
}

bool MainWindow::canPaste() const {
  switch (listTarget()) {
    case ListTarget::FlightGroups:
      return true;  // the buffer always holds a flight group (a new one at first)
    case ListTarget::Messages:
      return messagesPage_ && messagesPage_->canPaste();
    case ListTarget::None:
      break;
  }
  return false;
}

bool MainWindow::canMove(bool up) const {
  const model::Mission& m = doc_->mission();
  switch (listTarget()) {
    case ListTarget::FlightGroups: {
      const model::Selection& s = doc_->selection(ListKind::FlightGroups);
      return up ? editing::canMoveUp(m, s) : editing::canMoveDown(m, s);
    }
    case ListTarget::Messages: {
      const model::Selection& s = doc_->selection(ListKind::Messages);
      const editing::MessageSelection sel{s.selected, s.current};
      return up ? editing::canMoveMessagesUp(m, sel) : editing::canMoveMessagesDown(m, sel);
    }
    case ListTarget::None:
      break;
  }
  return false;
}

}  // namespace app
