// Every key of every window: each key of each action of the main window, the map window and the
// briefing editor is clicked on a widget of the action's scope, as the toolkit delivers it, and
// must run that action alone and have its effect.
#include <QAction>
#include <QCheckBox>
#include <QListWidget>
#include <QMouseEvent>
#include <QTabWidget>
#include <QTest>
#include <QUndoStack>

#include <map>

#include "app/base/actions.h"
#include "app/base/handbook_window.h"
#include "app/briefing/briefing_session.h"
#include "app/briefing/briefing_window.h"
#include "app/briefing/playback_controller.h"
#include "app/editing/flight_groups_page.h"
#include "app/editing/messages_page.h"
#include "app/map/map_canvas.h"
#include "app/map/map_window.h"
#include "editor_fixture.h"

namespace {

using namespace testing_gui;
namespace fg = model::fg;

// One action's keys: the widget that has the focus when they are clicked, and, made just before
// each key, what must hold after it.
struct KeyRow {
  const char* action;
  const char* focus;
  std::function<std::function<bool()>()> arm;
};

// A value that must have changed.
template <class F>
std::function<std::function<bool()>()> changes(F value) {
  return [value] { return [value, before = value()] { return value() != before; }; };
}

// Shows the tab pages that hold `w`.
void bringToFront(QWidget* w) {
  for (QWidget* p = w; p && p->parentWidget(); p = p->parentWidget())
    if (auto* tabs = qobject_cast<QTabWidget*>(p->parentWidget()->parentWidget());
        tabs && tabs->indexOf(p) >= 0)
      tabs->setCurrentWidget(p);
}

class EveryKey : public EditorFixture {
 protected:
  // Clicks every key of every action of `actions` as its row says; `reset` runs before each key.
  void drive(QWidget* window, const app::ActionSet& actions, const std::vector<KeyRow>& rows,
             const std::function<void()>& reset = {}) {
    std::map<QAction*, int> runs;
    std::vector<QMetaObject::Connection> spies;
    for (QAction* a : actions.all()) {
      spies.push_back(QObject::connect(a, &QAction::triggered, [&runs, a] { ++runs[a]; }));
      const bool hasRow = std::any_of(rows.begin(), rows.end(), [&](const KeyRow& r) {
        return a->objectName() == QLatin1String(r.action);
      });
      EXPECT_TRUE(a->shortcuts().isEmpty() || hasRow)
          << "no row for " << a->objectName().toStdString();
    }
    for (const KeyRow& row : rows) {
      QAction* a = actions.action(QString::fromLatin1(row.action));
      ASSERT_NE(a, nullptr) << row.action;
      for (const QKeySequence& key : a->shortcuts()) {
        const std::string what =
            std::string(row.action) + " on " + key.toString().toStdString() + " in " + row.focus;
        if (reset) reset();
        auto* focus = window->findChild<QWidget*>(QLatin1String(row.focus));
        ASSERT_NE(focus, nullptr) << what;
        bringToFront(focus);
        if (!window->isVisible()) window->show();
        activate(window);
        focus->setFocus();
        const auto holds = row.arm();
        runs.clear();
        QTest::keySequence(focus, key);
        EXPECT_EQ(runs[a], 1) << what;
        EXPECT_EQ(runs.size(), 1u) << what << ": another action ran";
        EXPECT_TRUE(holds()) << what;
      }
    }
    for (const auto& c : spies) QObject::disconnect(c);
  }
  std::string name() { return mission().flightGroups.at(0).name(); }
};

TEST_F(EveryKey, RunsItsActionWhereTheWindowSaysWithItsEffect) {
  const std::string file = writeMission("keys.kre", 14, "Keys", [](model::Mission& m) {
    m.addFlightGroup();
    m.flightGroups[0].setText(fg::Name, "Red");
    m.flightGroups[1].setText(fg::Name, "Blue");
    m.addMessage();
    m.addMessage();
  });
  settings.confirmDeletes = true;
  const auto pristine = fileBytes(file);
  start();
  prompter.defaultAnswer = QMessageBox::Yes;  // cut and delete questions
  const auto reset = [&] {
    // Saving wrote the file: each key starts from the mission as it was.
    ASSERT_TRUE(model::saveFile(file, pristine).ok);
    ASSERT_TRUE(window->load(QString::fromStdString(file)));
  };
  const auto groups = [&] { return mission().flightGroups.size(); };
  const auto messages = [&] { return mission().messages.size(); };
  const auto grows = [](auto count) {
    return [count] { return [count, n = count()] { return count() == n + 1; }; };
  };
  const auto shrinks = [](auto count) {
    return [count] { return [count, n = count()] { return count() + 1 == n; }; };
  };
  const auto rename = [&] { doc().setFlightGroupText(fg::Name, "Renamed"); };
  // The handbook opens above the window.
  const auto handbookOver = [](QWidget* owner) {
    return [owner] {
      return [owner] {
        auto* handbook = owner->findChild<app::HandbookWindow*>();
        const bool shown = handbook && handbook->isVisible();
        if (handbook) handbook->close();
        return shown;
      };
    };
  };
  app::MessagesPage* msgPage = window->messagesPage();

  // ---- The main window: window keys from a box that cannot select, list keys in both lists.
  drive(window.get(), window->actions(),
        {
            {"NewMissionAction", "IFFBox",
             [&] { return [&] { return doc().fileName() == model::UnnamedFile; }; }},
            {"LoadAction", "IFFBox", changes([&] { return prompter.openCalls; })},
            {"SaveAction", "IFFBox",
             [&] {
               rename();
               return [&] { return !doc().isChanged(); };
             }},
            // Save As is always a dialog: cancelled, the mission stays where it was.
            {"SaveAsAction", "IFFBox",
             [&] {
               return [&, calls = prompter.saveCalls] {
                 return prompter.saveCalls == calls + 1 && doc().fileName() == file;
               };
             }},
            {"UndoAction", "IFFBox",
             [&] {
               rename();
               return [&] { return name() == "Red"; };
             }},
            {"RedoAction", "IFFBox",
             [&] {
               rename();
               doc().undoStack()->undo();
               return [&] { return name() == "Renamed"; };
             }},
            {"CutAction", "ShipList",
             [&] {
               return [&, n = groups()] {
                 return groups() + 1 == n && doc().state().flightGroupBuffer.name() == "Red";
               };
             }},
            {"CutAction", "MsgStrList",
             [&] {
               return [&, n = messages()] { return messages() + 1 == n && msgPage->canPaste(); };
             }},
            {"CopyAction", "ShipList",
             [&] { return [&] { return doc().state().flightGroupBuffer.name() == "Red"; }; }},
            {"CopyAction", "MsgStrList", [&] { return [&] { return msgPage->canPaste(); }; }},
            {"PasteAction", "ShipList", grows(groups)},
            {"PasteAction", "MsgStrList",
             [&] {
               msgPage->copy();
               return grows(messages)();
             }},
            {"DeleteAction", "ShipList", shrinks(groups)},
            {"DeleteAction", "MsgStrList", shrinks(messages)},
            {"NewFGAction", "ShipList", grows(groups)},
            {"NewFGAction", "MsgStrList", grows(messages)},
            {"GoalSummaryAction", "IFFBox",
             changes([&] { return window->flightGroupsPage()->goalSummary(); })},
            {"HandbookAction", "IFFBox", handbookOver(window.get())},
            {"ExitAction", "IFFBox", [&] { return [&] { return !window->isVisible(); }; }},
        },
        reset);
  reset();

  // ---- The map window: its keys anywhere in it, whichever control has the focus.
  app::MapWindow* map = window->mapWindow();
  map->showMap();
  int saves = 0, savesAs = 0;
  QObject::connect(map, &app::MapWindow::saveRequested, [&] { ++saves; });
  QObject::connect(map, &app::MapWindow::saveAsRequested, [&] { ++savesAs; });
  const auto state = [map] { return &map->mapState(); };
  const auto zoom = [state] { return state()->view.zoom; };
  const auto setsZoom = [&](int to) {
    return [&, to] {
      map->setZoom(160);
      return [&, to] { return zoom() == to; };
    };
  };
  const auto toPlane = [&](map::Plane p) {
    return [&, p] {
      map->setPlane(p == map::Plane::XY ? map::Plane::YZ : map::Plane::XY);
      return [&, p] { return state()->view.plane == p; };
    };
  };
  const auto flips = [&](bool map::MapToggles::*t) {
    return changes([state, t] { return state()->toggles.*t; });
  };
  const auto box = [&](const char* name) {
    return changes(
        [map, name] { return map->findChild<QCheckBox*>(QLatin1String(name))->isChecked(); });
  };
  std::vector<KeyRow> mapRows = {
      {"UndoAction", "PaintBox1",
       [&] {
         rename();
         return [&] { return name() == "Red"; };
       }},
      {"RedoAction", "PaintBox1",
       [&] {
         rename();
         doc().undoStack()->undo();
         return [&] { return name() == "Renamed"; };
       }},
      {"SaveAction", "PaintBox1", changes([&] { return saves; })},
      {"SaveAsAction", "PaintBox1", changes([&] { return savesAs; })},
      {"DeleteAction", "PaintBox1", changes([&] { return doc().undoStack()->count(); })},
      {"SelectAllAction", "PaintBox1",
       [&] {
         doc().selectFlightGroups({0});
         return [&] { return doc().selectedFlightGroups().size() == groups(); };
       }},
      // Escape takes the drag under way back.
      {"CancelAction", "PaintBox1",
       [&] {
         map->setZoom(160);
         map->centreOn({0, 0});
         const map::ScreenPoint s = state()->view.mapToScreen({0, 0});
         const QPointF at(s.x, s.y);
         for (auto [type, to] : {std::pair{QEvent::MouseButtonPress, at},
                                 std::pair{QEvent::MouseMove, at + QPointF(30, 30)}}) {
           QMouseEvent e(type, to, map->canvas()->mapToGlobal(to),
                         type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton, Qt::LeftButton,
                         Qt::NoModifier);
           QApplication::sendEvent(map->canvas(), &e);
         }
         return [&] { return !map->dragging() && mission().flightGroups[0].x(model::Start1) == 0; };
       }},
      {"ZoomInAction", "PaintBox1", changes(zoom)},
      {"ZoomOutAction", "PaintBox1", changes(zoom)},
      {"FineZoomInAction", "PaintBox1", changes(zoom)},
      {"FineZoomOutAction", "PaintBox1", changes(zoom)},
      {"Zoom800Action", "PaintBox1", setsZoom(800)},
      {"Zoom16Action", "PaintBox1", setsZoom(16)},
      {"CentreMapAction", "PaintBox1",
       [&] {
         map->centreOn({400, 400});
         return changes([state] { return state()->view.panX; })();
       }},
      {"CentreFGAction", "PaintBox1",
       [&] {
         map->centreOn({400, 400});
         return changes([state] { return state()->view.panX; })();
       }},
      {"PanLeftAction", "PaintBox1", changes([state] { return state()->view.panX; })},
      {"PanRightAction", "PaintBox1", changes([state] { return state()->view.panX; })},
      {"PanUpAction", "PaintBox1", changes([state] { return state()->view.panY; })},
      {"PanDownAction", "PaintBox1", changes([state] { return state()->view.panY; })},
      {"NextPlaneAction", "PaintBox1", changes([state] { return state()->view.plane; })},
      {"PlaneXYAction", "PaintBox1", toPlane(map::Plane::XY)},
      {"PlaneXZAction", "PaintBox1", toPlane(map::Plane::XZ)},
      {"PlaneYZAction", "PaintBox1", toPlane(map::Plane::YZ)},
      {"DistancesAction", "PaintBox1", box("ShowDistances")},
      {"TimesAction", "PaintBox1", box("ShowTime")},
      {"LinkHyperAction", "PaintBox1", box("ShowHyp")},
      {"PaletteAction", "PaintBox1", flips(&map::MapToggles::palette)},
      {"CurrOnlyAction", "PaintBox1", flips(&map::MapToggles::currentOnly)},
      {"LockStart1Action", "PaintBox1", flips(&map::MapToggles::lockStart1)},
      {"NamesAction", "PaintBox1", flips(&map::MapToggles::namesOn)},
      {"AllWPsAction", "PaintBox1", flips(&map::MapToggles::allWPs)},
      {"GridAction", "PaintBox1", flips(&map::MapToggles::grid)},
      {"OffScreenAction", "PaintBox1", flips(&map::MapToggles::drawOffScreen)},
      {"IconsOnlyAction", "PaintBox1", changes([state] { return state()->wireframe.iconsOnly; })},
      {"HandbookAction", "PaintBox1", handbookOver(map)},
  };
  const char* teams[] = {"PaletteTeam1Action", "PaletteTeam2Action", "PaletteTeam3Action",
                         "PaletteTeam4Action", "PaletteTeam5Action", "PaletteTeam6Action",
                         "PaletteTeam7Action", "PaletteTeam8Action", "PaletteTeam9Action",
                         "PaletteTeam10Action"};
  for (int t = 0; t < 10; ++t)
    mapRows.push_back(
        {teams[t], "PaintBox1", [&, t] { return [&, t] { return state()->paletteTeam == t; }; }});
  drive(map, map->actions(), mapRows);
  map->hide();

  // ---- The briefing editor.
  app::BriefingEnvironment env;
  int briefingSaves = 0, briefingSavesAs = 0;
  env.save = [&] { return ++briefingSaves > 0; };
  env.saveAs = [&] { return ++briefingSavesAs > 0; };
  app::BriefingWindow briefing(window->context(), std::move(env), window.get());
  briefing.show();
  const auto insertStop = [&] {
    briefing.findChild<QTabWidget*>(QStringLiteral("BrfPages"))->setCurrentIndex(1);
    briefing.actions().action(u"InsertStopAction")->trigger();
  };
  const auto count = [&] { return briefing.commands().size(); };
  drive(&briefing, briefing.actions(),
        {
            {"UndoAction", "AdjustFollowingCheck",
             [&] {
               insertStop();
               return shrinks(count)();
             }},
            {"RedoAction", "AdjustFollowingCheck",
             [&] {
               insertStop();
               doc().undoStack()->undo();
               return grows(count)();
             }},
            {"DeleteAction", "InstructionList",
             [&] {
               insertStop();
               briefing.session().select(0);
               return shrinks(count)();
             }},
            {"SaveMissionAction", "AdjustFollowingCheck", changes([&] { return briefingSaves; })},
            {"SaveAsAction", "AdjustFollowingCheck", changes([&] { return briefingSavesAs; })},
            {"PlayPauseAction", "BriefingMap",
             changes([&] { return briefing.playback().playing(); })},
            {"CancelAction", "BriefingMap",
             [&] {
               briefing.actions().action(u"InsertZoomAction")->trigger();
               return [&] { return !briefing.inserting(); };
             }},
            {"HandbookAction", "InstructionList", handbookOver(&briefing)},
        });
  briefing.playback().pause();
}

// Ctrl+A selects all where something can be selected and does nothing elsewhere: no command
// runs (it once saved as, writing a file from a stray select-all).
TEST_F(EveryKey, CtrlASelectsAllOrDoesNothing) {
  const std::string file = writeMission("all.kre", 14, "All", [](model::Mission& m) {
    m.addFlightGroup();
    m.addMessage();
  });
  start();
  ASSERT_TRUE(window->load(QString::fromStdString(file)));
  app::BriefingWindow briefing(window->context(), {}, window.get());
  struct Row {
    QWidget* window;
    const app::ActionSet& actions;
    const char* focus;
  };
  const Row rows[] = {{window.get(), window->actions(), "IFFBox"},
                      {window.get(), window->actions(), "ShipList"},
                      {window.get(), window->actions(), "MsgStrList"},
                      {&briefing, briefing.actions(), "AdjustFollowingCheck"},
                      {&briefing, briefing.actions(), "InstructionList"}};
  for (const Row& row : rows) {
    int runs = 0;
    std::vector<QMetaObject::Connection> spies;
    for (QAction* a : row.actions.all())
      spies.push_back(QObject::connect(a, &QAction::triggered, [&runs] { ++runs; }));
    auto* focus = row.window->findChild<QWidget*>(QLatin1String(row.focus));
    ASSERT_NE(focus, nullptr) << row.focus;
    bringToFront(focus);
    row.window->show();
    activate(row.window);
    focus->setFocus();
    QTest::keyClick(focus, Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(runs, 0) << row.focus;
    EXPECT_EQ(prompter.saveCalls, 0) << row.focus;
    for (const auto& c : spies) QObject::disconnect(c);
  }
  // The flight-group list selects all of its lines.
  EXPECT_EQ(doc().selectedFlightGroups().size(), mission().flightGroups.size());
}

}  // namespace
