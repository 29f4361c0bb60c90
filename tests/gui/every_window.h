#pragma once
// Every window of the editor, each page, tab and tab within a tab brought to the front in turn:
// the main window, the map, and each window and dialog the main window's commands open
// (Preferences, the briefing editor, the list managers, the library, the flow windows, the
// handbook, …). Tests that hold for every window (accessible names, the Tab order, texts that
// fit) visit them through `walk`.

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QTabWidget>

#include <functional>
#include <set>

#include "app/base/actions.h"
#include "app/map/map_window.h"
#include "editor_fixture.h"

namespace testing_gui {

class EveryWindow : public EditorFixture {
 protected:
  // `where` names the window and its tabs in front ("PrefForm/Keyboard").
  using Visit = std::function<void(QWidget* window, const QString& where)>;

  // Starts the editor with a flight group and a message, so that their pages show their fields.
  void startWithRecords() {
    start();
    doc().newFlightGroup();
    auto* pages = window->findChild<QTabWidget*>(QStringLiteral("OverallPages"));
    pages->setCurrentWidget(window->findChild<QWidget*>(QStringLiteral("MessagesPage")));
    window->actions().action(u"NewFGAction")->trigger();
    pages->setCurrentIndex(0);
    QApplication::processEvents();
  }

  // Visits every window.
  void walk(const Visit& visit) {
    walkTabs(window.get(), window->objectName(), visit);
    app::MapWindow* map = window->mapWindow();
    map->showMap();
    QApplication::processEvents();
    walkTabs(map, map->objectName(), visit);
    map->hide();
    // The commands that open a window or a dialog.
    const char* const opening[] = {"PrefsAction",       "BriefAction",      "ErrorCheckAction",
                                   "LstAction",         "BattleAction",     "OptAction",
                                   "LibraryAction",     "AboutAction",      "LoadByLstAction",
                                   "MissionFlowAction", "WhereUsedAction",  "UndoHistoryAction",
                                   "HandbookAction",    "GoalSummaryAction"};
    for (const char* id : opening) {
      QAction* a = window->actions().action(QString::fromLatin1(id));
      if (!a || !a->isEnabled()) continue;
      std::set<QWidget*> before;
      for (QWidget* w : QApplication::topLevelWidgets())
        if (w->isVisible()) before.insert(w);
      prompter.onDialog = [&](QDialog& d) {
        showAndWalk(&d, visit);
        return int(QDialog::Rejected);
      };
      a->trigger();
      prompter.onDialog = nullptr;
      QApplication::processEvents();
      // Windows that stay open beside the main window.
      for (QWidget* w : QApplication::topLevelWidgets()) {
        if (!w->isVisible() || before.count(w) || w == window.get()) continue;
        showAndWalk(w, visit);
        w->close();
      }
      QApplication::processEvents();
    }
  }

 private:
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
