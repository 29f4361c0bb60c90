#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QToolBar>
#include <QToolButton>
#include <QUndoStack>

#include <cmath>

#include "editor_fixture.h"

#include "app/base/refusal_note.h"
#include "app/base/translations.h"
#include "app/briefing/briefing_export.h"
#include "app/briefing/briefing_painter.h"
#include "app/briefing/briefing_preview.h"
#include "app/briefing/briefing_session.h"
#include "app/briefing/briefing_window.h"
#include "app/briefing/playback_controller.h"
#include "app/document/editor_context.h"
#include "app/document/mission_document.h"
#include "briefing/commands.h"
#include "briefing/editing.h"
#include "in_language.h"
#include "older_generator.h"
#include "shell/vocabulary.h"

namespace {

using testing_gui::EditorFixture;
using testing_gui::ScriptedPrompter;
namespace brf = briefing;
namespace rec = model::briefing;

class BriefingWindowTest : public ::testing::Test {
 protected:
  void open(const std::function<void(model::Mission&)>& edit = {}) {
    model::Mission m;
    m.newMission();
    m.briefings[0].strings[1] = "First text [Unnamed]";
    m.briefings[0].tags[0] = "Base";
    if (edit) edit(m);
    doc.replaceMission(std::move(m));
    app::BriefingEnvironment env;
    env.save = [this] {
      ++saves;
      return true;
    };
    env.saveAs = [this] {
      ++savesAs;
      return true;
    };
    window = std::make_unique<app::BriefingWindow>(context, std::move(env));
    window->show();
    testing_gui::EditorFixture::activate(window.get());
  }
  template <class T>
  T* find(const char* name) {
    T* w = window->findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(w, nullptr) << name;
    return w;
  }
  void trigger(const char* action) { find<QAction>(action)->trigger(); }
  void page(int index) { find<QTabWidget>("BrfPages")->setCurrentIndex(index); }
  std::vector<int> storedCodes() {
    std::vector<int> v;
    for (const brf::Command& c : brf::decode(doc.mission().briefings[0]).commands)
      v.push_back(c.code);
    return v;
  }

  app::MissionDocument doc;
  ScriptedPrompter prompter;
  shell::Settings settings;
  shell::Vocabulary vocab;
  app::EditorContext context{doc, vocab, settings, prompter, {}};
  std::unique_ptr<app::BriefingWindow> window;
  int saves = 0;
  int savesAs = 0;
};

// Auto-Brief refuses a briefing longer than the game allows in the user's language, with the
// longest time the game allows.
TEST_F(BriefingWindowTest, AnAutoBriefRefusalIsSaidInTheUsersLanguageWithItsTime) {
  const testing_gui::InLanguage language(QStringLiteral("pseudo"));
  ASSERT_TRUE(language.installed());
  open([](model::Mission& m) { m.briefings[0].strings[2] = "Second text"; });
  page(3);
  auto* seconds = find<QLineEdit>("AutoSecondsEdit");
  seconds->setFocus();
  QTest::keyClick(seconds, Qt::Key_A, Qt::ControlModifier);
  QTest::keyClicks(seconds, QStringLiteral("1000"));  // two texts of 1000 s each
  prompter.answers = {QMessageBox::Yes};
  QTest::mouseClick(find<QPushButton>("MakeBriefingBtn"), Qt::LeftButton);
  EXPECT_EQ(prompter.texts(ScriptedPrompter::Kind::Information),
            (std::vector<QString>{
                app::pseudoText(QStringLiteral("The briefing would run longer than the game "
                                               "allows (%1 seconds). Choose a shorter time "
                                               "between texts."))
                    .arg(QStringLiteral("1633.35"))}));
}

// The pop-up menus of the preview and of the list hold the table's actions, with their texts and
// enabled as the table says; the tool bar shows the short texts of the same actions.
TEST_F(BriefingWindowTest, PopUpMenusHoldTheTablesActions) {
  open();
  const auto texts = [&](const char* menu) {
    QStringList t;
    for (QAction* a : find<QMenu>(menu)->actions()) {
      t << (a->isSeparator() ? QStringLiteral("-") : a->text());
      EXPECT_TRUE(a->isSeparator() || window->actions().action(a->objectName()) == a);
    }
    return t;
  };
  const QStringList inserts = {"Insert &Stop",       "Insert &Move...",   "Insert &Zoom...",
                               "Insert T&ext...",    "Insert FG &Box...", "Clear All Bo&xes",
                               "Insert Map &Tag...", "&Clear All Tags"};
  EXPECT_EQ(texts("BrfPreviewPopup"),
            (inserts + QStringList{"-", "Play", "Pause", "Stop", "-", "Set all to Start &1"}));
  EXPECT_EQ(texts("BrfListPopup"),
            (inserts + QStringList{"-", "&Delete", "Move &up", "Move do&wn"}));
  auto* bar = find<QToolBar>("BrfToolBar");
  EXPECT_EQ(
      qobject_cast<QToolButton*>(bar->widgetForAction(find<QAction>("InsertStopAction")))->text(),
      QStringLiteral("Stop"));
  const auto enabled = [&](const char* id) { return find<QAction>(id)->isEnabled(); };
  for (const bool playing : {false, true}) {
    if (playing) trigger("PlayAction");
    ASSERT_EQ(window->playback().playing(), playing);
    EXPECT_EQ(enabled("PlayAction"), !playing);
    EXPECT_EQ(enabled("SetAllToStart1Action"), !playing);
    EXPECT_EQ(enabled("PauseAction"), playing);
    EXPECT_EQ(enabled("StopAction"), playing);
  }
  trigger("StopAction");
  EXPECT_FALSE(window->playback().playing());
}

TEST_F(BriefingWindowTest, InsertMoveAndDeleteOnTheListAreUndoableRecordEdits) {
  settings.confirmDeletes = false;
  open();
  page(1);
  trigger("InsertStopAction");  // before the end marker
  trigger("InsertTextAction");  // before the stop
  EXPECT_EQ(storedCodes(), (std::vector<int>{5, 3, 34}));
  EXPECT_EQ(find<QListWidget>("InstructionList")->count(), 3);
  trigger("MoveDownAction");
  EXPECT_EQ(storedCodes(), (std::vector<int>{3, 5, 34}));
  trigger("DeleteAction");
  EXPECT_EQ(storedCodes(), (std::vector<int>{3, 34}));
  EXPECT_EQ(doc.mission().briefings[0].get(rec::EventWordsUsed), 4);
  doc.undoStack()->undo();
  EXPECT_EQ(storedCodes(), (std::vector<int>{3, 5, 34}));
  EXPECT_EQ(window->commands().size(), 3u);  // the list follows the record
}

// The record's fields beside the list are bound to it: each typed value one step, text that is
// no value refused with a message, another briefing shown no edit at all.
TEST_F(BriefingWindowTest, FieldsBesideTheListAreBoundToTheRecord) {
  open();
  const int before = doc.undoStack()->index();
  window->showBriefing(1);
  window->showBriefing(0);
  EXPECT_EQ(doc.undoStack()->index(), before);
  const model::Briefing& b = doc.mission().briefings[0];
  auto enter = [](QLineEdit* e, const QString& text) {
    e->selectAll();
    EditorFixture::type(e, text + QLatin1Char('\n'));
  };
  enter(find<QLineEdit>("RunningTimeEdit"), QStringLiteral("12.5"));
  EXPECT_EQ(b.get(rec::RunningTime), 250);
  find<QListWidget>("SeenByList")->item(2)->setSelected(true);
  EXPECT_EQ(b.get(rec::TeamVisible, 2), 1);
  EXPECT_EQ(b.get(rec::TeamVisible, 0), 1);
  page(1);
  enter(find<QLineEdit>("Unknown3Edit"), QStringLiteral("7"));
  EXPECT_EQ(b.get(rec::Unknown3), 7);
  enter(find<QLineEdit>("Unknown1Edit"), QStringLiteral("x"));
  EXPECT_EQ(find<QLineEdit>("Unknown1Edit")->text(), "0");
  EXPECT_EQ(app::shownRefusal(find<QLineEdit>("Unknown1Edit")), "'x' is not a valid integer value");
  EXPECT_TRUE(prompter.shown.empty());
  EXPECT_EQ(doc.undoStack()->index(), before + 3);
  EXPECT_EQ(doc.undoStack()->undoText(), "Edit Unknown 3");

  page(2);
  auto* texts = find<QTableWidget>("StringsGrid");
  texts->setCurrentCell(3, 1);
  texts->editItem(texts->item(3, 1));
  auto* cell = qobject_cast<QLineEdit*>(texts->indexWidget(texts->model()->index(3, 1)));
  ASSERT_NE(cell, nullptr);
  EditorFixture::type(cell, QStringLiteral("Go \u03A9"));
  EXPECT_EQ(b.strings[3], "Go ");  // as typed, without what the file cannot hold
  EXPECT_TRUE(app::shownRefusal(texts->viewport()).startsWith("\"\u03A9\" cannot be stored"));
  EditorFixture::type(cell, QStringLiteral("on\n"));
  QApplication::processEvents();  // Enter closes the cell from the event loop
  EXPECT_EQ(b.strings[3], "Go on");
  EXPECT_EQ(texts->item(3, 1)->text(), "Go on");
  doc.undoStack()->undo();  // the typing was one step
  EXPECT_EQ(texts->item(3, 1)->text(), "");
  texts->item(3, 1)->setText(QStringLiteral("shown, not typed"));
  EXPECT_EQ(b.strings[3], "");
}

TEST_F(BriefingWindowTest, TheTimeBoxShowsAndTakesTheSecondsItsCaptionNames) {
  open([](model::Mission& m) {
    brf::encode({brf::newCommand(brf::StopPoint, 30), brf::Command::endMarker()}, m.briefings[0]);
  });
  page(1);
  auto* time = find<QSpinBox>("TimeSpin");
  EXPECT_EQ(time->text(), "1.5");
  auto* edit = time->findChild<QLineEdit*>();
  ASSERT_FALSE(edit->isReadOnly());
  edit->selectAll();
  EditorFixture::type(edit, QStringLiteral("2.25\n"));
  EXPECT_EQ(window->commands()[0].time, 45);
  EXPECT_EQ(find<QLabel>("TimeCaption")->text(), "Time (2.25 sec)");
}

TEST_F(BriefingWindowTest, PickersOfferTheTagsThatHoldATextAndAZoomShowsItsPreset) {
  open([](model::Mission& m) {
    m.briefings[0].tags[5] = "Gate";
    brf::Command zoom = brf::newCommand(brf::ZoomMap, 0);
    zoom.x = zoom.y = 48;
    brf::encode({zoom, brf::Command::endMarker()}, m.briefings[0]);
  });
  page(1);
  auto* parameter = find<QComboBox>("ParameterBox");
  EXPECT_EQ(parameter->currentText(), "48   -   12 km  across");
  const QString zoomCaption = QStringLiteral("Zoom 'presets' commonly used in Zyn");
  EXPECT_EQ(find<QLabel>("ParameterCaption")->text(), zoomCaption);
  window->session().select(1);
  trigger("InsertTagAction");  // before the end marker
  ASSERT_EQ(window->selected(), 1);
  QStringList items;
  for (int i = 0; i < parameter->count(); ++i) items << parameter->itemText(i);
  EXPECT_EQ(items, (QStringList{"0: Base", "5: Gate"}));
  parameter->setCurrentIndex(1);
  emit parameter->activated(1);
  EXPECT_EQ(window->commands()[1].index, 5);
  // Each instruction brings its own caption back.
  EXPECT_NE(find<QLabel>("ParameterCaption")->text(), zoomCaption);
  window->session().select(0);
  EXPECT_EQ(find<QLabel>("ParameterCaption")->text(), zoomCaption);
}

// While the list holds more than the record's 400 words, Undo takes that back first and Redo
// waits: the step it would redo was made for the list the record holds.
TEST_F(BriefingWindowTest, RedoWaitsWhileTheListIsOverTheRecordsWords) {
  open([](model::Mission& m) {
    brf::CommandList l(198, brf::newCommand(brf::StopPoint, 0));  // 396 words
    l.push_back(brf::Command::endMarker());
    brf::encode(l, m.briefings[0]);
  });
  window->session().select(0);
  window->session().insert(brf::StopPoint);  // 400 words: stored
  trigger("UndoAction");
  EXPECT_TRUE(find<QAction>("RedoAction")->isEnabled());
  window->session().insert(brf::MoveMap);  // 402 words: kept in the list only
  ASSERT_TRUE(window->session().pending());
  EXPECT_TRUE(find<QAction>("UndoAction")->isEnabled());
  EXPECT_FALSE(find<QAction>("RedoAction")->isEnabled());
}

TEST_F(BriefingWindowTest, TheToolBarMovesAndDeletesOnThePreviewPageToo) {
  settings.confirmDeletes = false;
  open([](model::Mission& m) {
    brf::encode({brf::newCommand(brf::StopPoint, 0), brf::newCommand(brf::ClearBoxes, 20),
                 brf::Command::endMarker()},
                m.briefings[0]);
  });
  ASSERT_EQ(find<QTabWidget>("BrfPages")->currentIndex(), 0);
  window->session().select(1);
  ASSERT_TRUE(find<QAction>("MoveUpAction")->isEnabled());
  trigger("MoveUpAction");
  EXPECT_EQ(storedCodes(), (std::vector<int>{8, 3, 34}));
  trigger("DeleteAction");
  EXPECT_EQ(storedCodes(), (std::vector<int>{3, 34}));
}

TEST_F(BriefingWindowTest, PagesStayWhileAnInsertionIsPlacedAndCancelRestores) {
  open();
  trigger("InsertZoomAction");
  ASSERT_TRUE(window->inserting());
  page(2);
  EXPECT_EQ(find<QTabWidget>("BrfPages")->currentIndex(), 0);
  find<QPushButton>("InsertCancelBtn")->click();
  EXPECT_FALSE(window->inserting());
  EXPECT_EQ(window->commands().size(), 1u);
  trigger("InsertZoomAction");
  find<QPushButton>("InsertDoneBtn")->click();
  EXPECT_EQ(storedCodes(), (std::vector<int>{7, 34}));
}

TEST_F(BriefingWindowTest, CopyOntoItselfIsRefusedAndElsewhereCopiesTheBriefing) {
  open();
  page(3);
  find<QPushButton>("CopyBriefingBtn")->click();
  ASSERT_EQ(prompter.shown.size(), 1u);
  EXPECT_EQ(prompter.shown[0].text, "This IS the briefing for Team1.Imperial!");
  find<QComboBox>("CopyTargetBox")->setCurrentIndex(2);
  prompter.answers = {QMessageBox::Yes};
  find<QPushButton>("CopyBriefingBtn")->click();
  EXPECT_EQ(doc.mission().briefings[2].strings[1], "First text [Unnamed]");
}

TEST_F(BriefingWindowTest, PendingListIsEncodedBeforeCtrlS) {
  open([](model::Mission& m) {
    brf::CommandList l(198, brf::newCommand(brf::StopPoint, 0));
    l.push_back(brf::Command::endMarker());
    brf::encode(l, m.briefings[0]);
  });
  page(1);
  trigger("InsertStopAction");
  trigger("InsertStopAction");  // 402 words: kept pending with a warning
  EXPECT_TRUE(window->pending());
  EXPECT_EQ(prompter.texts(ScriptedPrompter::Kind::Warning).size(), 1u);
  testing_gui::EditorFixture::press(window.get(), Qt::Key_S, Qt::ControlModifier);
  EXPECT_EQ(saves, 1);
  EXPECT_FALSE(window->pending());
  EXPECT_EQ(doc.mission().briefings[0].get(rec::EventWordsUsed), 400);
}

TEST_F(BriefingWindowTest, LoadingABriefingFileKeepsThePendingListOfTheShownBriefing) {
  open([](model::Mission& m) {
    brf::CommandList l(198, brf::newCommand(brf::StopPoint, 0));
    l.push_back(brf::Command::endMarker());
    brf::encode(l, m.briefings[1]);
  });
  trigger("NextBriefingAction");
  page(1);
  trigger("InsertStopAction");
  trigger("InsertStopAction");
  ASSERT_TRUE(window->pending());
  QTemporaryDir dir;
  const QString brfFile = dir.filePath(QStringLiteral("m.brf"));
  testgen::OlderBriefingFile older;
  older.texts[0] = "Title";
  older.events = {0, 12, 1, 9999, 1};
  const auto bytes = older.bytes();
  {
    QFile f(brfFile);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(reinterpret_cast<const char*>(bytes.data()), static_cast<qint64>(bytes.size()));
  }
  prompter.openNames = {brfFile};
  trigger("LoadBrfAction");
  EXPECT_FALSE(window->pending());
  EXPECT_EQ(doc.mission().briefings[1].get(rec::EventWordsUsed), 400);
  EXPECT_EQ(doc.mission().briefings[0].strings[0], "Title");
  EXPECT_EQ(doc.mission().briefings[0].get(rec::EventWordsUsed), 5);
}

// A screen reader hears the current instruction, as the list shows it, as the preview's value.
TEST_F(BriefingWindowTest, ThePreviewTellsTheCurrentInstruction) {
  open();
  page(1);
  trigger("InsertStopAction");
  auto* list = find<QListWidget>("InstructionList");
  auto* preview = find<QWidget>("BriefingMap");
  const auto value = [](QWidget* w) {
    return QAccessible::queryAccessibleInterface(w)->text(QAccessible::Value);
  };
  ASSERT_EQ(list->count(), 2);
  for (int row : {0, 1}) {
    const QPoint at = list->visualItemRect(list->item(row)).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, at);
    EXPECT_EQ(value(preview), list->item(row)->text());
    EXPECT_EQ(value(list), list->item(row)->text().simplified());
  }
  EditorFixture::press(list, Qt::Key_Up);
  EXPECT_EQ(value(preview), list->item(0)->text());
}

TEST_F(BriefingWindowTest, KeysUndoInsideTheEditorSaveAsAndAskBeforeDeleting) {
  settings.confirmDeletes = true;
  open();
  page(1);
  trigger("InsertStopAction");
  ASSERT_EQ(storedCodes(), (std::vector<int>{3, 34}));
  EditorFixture::press(window.get(), Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(storedCodes(), (std::vector<int>{34}));
  EXPECT_EQ(window->commands().size(), 1u);
  EditorFixture::press(window.get(), Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
  EXPECT_EQ(storedCodes(), (std::vector<int>{3, 34}));
  EditorFixture::press(window.get(), Qt::Key_Z, Qt::ControlModifier);
  EditorFixture::press(window.get(), Qt::Key_Y, Qt::ControlModifier);
  EXPECT_EQ(window->commands().size(), 2u);

  auto* list = find<QListWidget>("InstructionList");
  window->session().select(0);
  list->setFocus();
  prompter.answers = {QMessageBox::No};
  EditorFixture::press(list, Qt::Key_Delete);
  ASSERT_EQ(prompter.texts(ScriptedPrompter::Kind::Question).size(), 1u);
  EXPECT_EQ(prompter.shown.back().text, "Delete Current Instruction - Are You Sure?");
  EXPECT_EQ(storedCodes(), (std::vector<int>{3, 34}));
  prompter.answers = {QMessageBox::Yes};
  EditorFixture::press(list, Qt::Key_Delete);
  EXPECT_EQ(storedCodes(), (std::vector<int>{34}));
  // In a text entry Delete and Ctrl+A edit the text.
  auto* unknown = find<QLineEdit>("Unknown1Edit");
  unknown->setFocus();
  EditorFixture::press(unknown, Qt::Key_Delete);
  EditorFixture::press(unknown, Qt::Key_A, Qt::ControlModifier);
  EXPECT_EQ(prompter.texts(ScriptedPrompter::Kind::Question).size(), 2u);
  EXPECT_EQ(savesAs, 0);

  EditorFixture::press(window.get(), Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier);
  EXPECT_EQ(savesAs, 1);
  EXPECT_EQ(saves, 0);
  // In the instruction list Ctrl+A is the list's select-all, never Save As.
  list->setFocus();
  EditorFixture::press(list, Qt::Key_A, Qt::ControlModifier);
  EXPECT_EQ(savesAs, 1);
}

TEST_F(BriefingWindowTest, UndoFirstTakesBackWhatTheRecordCouldNotHold) {
  open([](model::Mission& m) {
    brf::CommandList l(198, brf::newCommand(brf::StopPoint, 0));
    l.push_back(brf::Command::endMarker());
    brf::encode(l, m.briefings[0]);
  });
  page(1);
  trigger("InsertStopAction");  // 400 words, stored
  trigger("InsertStopAction");  // 402, pending
  ASSERT_TRUE(window->pending());
  EditorFixture::press(window.get(), Qt::Key_Z, Qt::ControlModifier);
  EXPECT_FALSE(window->pending());
  EXPECT_EQ(window->commands().size(), 200u);
  EditorFixture::press(window.get(), Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(window->commands().size(), 199u);
  EXPECT_EQ(doc.mission().briefings[0].get(rec::EventWordsUsed), 398);
}

// Mouse gestures on the preview map, in its pixels.
class BriefingToolTest : public BriefingWindowTest {
 protected:
  void mouse(QEvent::Type type, QPoint at, Qt::MouseButton button = Qt::LeftButton) {
    app::BriefingPreview* map = find<app::BriefingPreview>("BriefingMap");
    const Qt::MouseButtons held =
        type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent e(type, QPointF(at), map->mapToGlobal(QPointF(at)),
                  type == QEvent::MouseMove ? Qt::NoButton : button, held, Qt::NoModifier);
    QApplication::sendEvent(map, &e);
  }
  // Presses at `from` and moves in ten steps of (dx, dy) pixels.
  void drag(QPoint from, int dx, int dy) {
    mouse(QEvent::MouseButtonPress, from);
    for (int i = 1; i <= 10; ++i) mouse(QEvent::MouseMove, from + QPoint(dx * i, dy * i));
  }
  void escape() { EditorFixture::press(find<app::BriefingPreview>("BriefingMap"), Qt::Key_Escape); }
  int steps() { return doc.undoStack()->index(); }
  static constexpr QPoint Centre{281, 177};  // map point (0, 0) at zoom 32
};

TEST_F(BriefingToolTest, AnIconDragIsOneStepAndEscapePutsItBack) {
  open([](model::Mission& m) {
    m.flightGroups[0].set(model::fg::WaypointEnabled, model::i16{1}, model::Briefing1);
  });
  const model::FlightGroup& g = doc.mission().flightGroups[0];
  drag(Centre, 10, 5);  // diagonally, then straight across: X alone changes
  for (int i = 1; i <= 3; ++i) mouse(QEvent::MouseMove, Centre + QPoint(100 + 10 * i, 50));
  mouse(QEvent::MouseButtonRelease, Centre + QPoint(130, 50));
  EXPECT_EQ(g.x(model::Briefing1), 650);  // 130 pixels at 32 per km
  EXPECT_EQ(g.y(model::Briefing1), 250);
  EXPECT_EQ(steps(), 1);
  EXPECT_EQ(doc.undoStack()->undoText(), "Move icon");
  doc.undoStack()->undo();
  EXPECT_EQ(g.x(model::Briefing1), 0);
  EXPECT_EQ(g.y(model::Briefing1), 0);

  drag(Centre, 10, 10);
  escape();
  EXPECT_EQ(g.x(model::Briefing1), 0);
  EXPECT_EQ(g.y(model::Briefing1), 0);
  EXPECT_EQ(doc.undoStack()->index(), 0);  // the cancelled drag left no step,
  EXPECT_EQ(doc.undoStack()->count(), 1);  // and the move undone before stays to redo
  EXPECT_TRUE(window->isVisible());        // Escape ended the drag, not the window
}

TEST_F(BriefingToolTest, ATagDragIsOneStepAndEscapePutsItBack) {
  open([](model::Mission& m) {
    brf::Command tag = brf::newCommand(brf::FirstTag, 0);
    brf::encode({tag, brf::Command::endMarker()}, m.briefings[0]);
  });
  ASSERT_EQ(window->player().view().tag[0], 0);  // shown from the start
  drag(Centre + QPoint(20, 0), 10, 10);          // a tag is picked 20 pixels left of the mouse
  mouse(QEvent::MouseButtonRelease, Centre + QPoint(120, 100));
  brf::Command stored = brf::decode(doc.mission().briefings[0]).commands[0];
  EXPECT_EQ(stored.x, 600);  // where the mouse is
  EXPECT_EQ(stored.y, 500);
  EXPECT_EQ(steps(), 1);
  EXPECT_EQ(doc.undoStack()->undoText(), "Move map tag");

  drag(Centre + QPoint(120, 100), -10, 0);
  escape();
  EXPECT_EQ(window->commands()[0].x, 600);
  EXPECT_EQ(steps(), 1);
}

TEST_F(BriefingToolTest, PlacingAMoveIsOneStepOnDoneAndEscapeTakesItOut) {
  open();
  trigger("InsertMoveAction");
  ASSERT_TRUE(window->inserting());
  drag(Centre, -8, -4);  // the map follows the mouse
  mouse(QEvent::MouseButtonRelease, Centre + QPoint(-80, -40));
  find<QPushButton>("InsertDoneBtn")->click();
  EXPECT_EQ(storedCodes(), (std::vector<int>{6, 34}));
  const brf::Command move = brf::decode(doc.mission().briefings[0]).commands[0];
  EXPECT_EQ(move.x, 400);  // the map centre moved 80 pixels right of (0, 0): 2.5 km
  EXPECT_EQ(move.y, 200);
  EXPECT_EQ(steps(), 1);
  EXPECT_EQ(doc.undoStack()->undoText(), "Insert instruction");

  trigger("InsertTagAction");
  mouse(QEvent::MouseButtonPress, Centre + QPoint(32, 0));
  mouse(QEvent::MouseButtonRelease, Centre + QPoint(32, 0));
  EXPECT_EQ(window->commands().size(), 3u);
  escape();
  EXPECT_FALSE(window->inserting());
  EXPECT_EQ(window->commands().size(), 2u);
  EXPECT_EQ(steps(), 1);
  EXPECT_TRUE(window->isVisible());
}

TEST_F(BriefingToolTest, FarPlacesStayAtTheEdgeOfTheCoordinates) {
  open([](model::Mission& m) {
    brf::Command zoom = brf::newCommand(brf::ZoomMap, 0);  // zoom 16 from the start
    zoom.x = zoom.y = 16;
    brf::encode({zoom, brf::Command::endMarker()}, m.briefings[0]);
  });
  ASSERT_EQ(window->player().view().zoom, 16);
  trigger("InsertMoveAction");
  find<QScrollBar>("MoveXBar")->setValue(5000);  // 50,000 map units: beyond what a word holds
  find<QScrollBar>("MoveYBar")->setValue(-5000);
  find<QPushButton>("InsertDoneBtn")->click();
  const brf::Command move = brf::decode(doc.mission().briefings[0]).commands[1];
  ASSERT_EQ(move.code, brf::MoveMap);
  EXPECT_EQ(move.x, 32767);
  EXPECT_EQ(move.y, -32768);
}

TEST_F(BriefingWindowTest, ClearsInsertedWhilePlayingLeavePlaybackRunning) {
  open();
  find<QToolButton>("PlayBtn")->click();
  ASSERT_TRUE(window->playback().playing());
  trigger("InsertClearBoxesAction");
  trigger("InsertClearTagsAction");
  EXPECT_TRUE(window->playback().playing());
  EXPECT_EQ(storedCodes(), (std::vector<int>{8, 17, 34}));
  trigger("InsertStopAction");
  EXPECT_FALSE(window->playback().playing());
}

TEST(BriefingPainter, CraftType86HasTheBriefingsIcon) {
  // The briefing shows type 86 with the picture of type 87; the map does not.
  auto picture = [](int craft) {
    model::Mission m;
    m.newMission();
    m.flightGroups[0].set(model::fg::CraftType, static_cast<model::u8>(craft));
    m.flightGroups[0].set(model::fg::WaypointEnabled, model::i16{1}, model::Briefing1);
    brf::DisplayState view;
    app::BriefingScene s{&m, 0, &view, nullptr, false, app::craftIcons()};
    return app::renderBriefingPicture(s, {});
  };
  EXPECT_EQ(picture(86), picture(87));
  EXPECT_NE(picture(86), picture(1));
}

TEST(BriefingPainter, NamesReadableBesideBoxesAndCaptionHighlightsWithoutBrackets) {
  // Names: a contrast of at least 4.5 : 1 against the map, clear of a box at rest.
  auto luminance = [](QColor c) {
    auto channel = [](int v) {
      const double s = v / 255.0;
      return s <= 0.03928 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(c.red()) + 0.7152 * channel(c.green()) + 0.0722 * channel(c.blue());
  };
  EXPECT_GE(
      (luminance(app::briefingNameColour()) + 0.05) / (luminance(app::briefingMapColour()) + 0.05),
      4.5);
  const QPoint c(100, 100);
  EXPECT_LT(app::briefingBoxRect(c, 8).right() + 1, app::briefingNameLeft(c));

  // The caption: the bracketed word where it stands without brackets, in the highlight colour.
  auto strip = [](const QString& text) {
    QImage img(300, app::CaptionStripHeight, QImage::Format_RGB32);
    QPainter p(&img);
    app::paintCaptionStrip(p, img.rect(), text);
    return img;
  };
  const QImage marked = strip("Meet [Red] now"), plain = strip("Meet Red now");
  const QRgb navy = qRgb(0, 0, 128);
  int highlighted = 0;
  for (int y = 0; y < marked.height(); ++y)
    for (int x = 0; x < marked.width(); ++x) {
      ASSERT_EQ(marked.pixel(x, y) == navy, plain.pixel(x, y) == navy) << x << "," << y;
      // Yellow over navy takes blue away; white text only adds to it.
      const QRgb c = marked.pixel(x, y);
      highlighted += qRed(c) > 100 && qBlue(c) < 100;
    }
  EXPECT_GT(highlighted, 0);
}

class BriefingButton : public testing_gui::EditorFixture {};

TEST_F(BriefingButton, OpensTheBriefingEditorOnTheDocument) {
  start();
  QString caption;
  prompter.onDialog = [&](QDialog& d) {
    caption = d.windowTitle();
    return int(QDialog::Rejected);
  };
  find<QToolButton>("BriefBtn")->click();
  EXPECT_EQ(prompter.dialogCount("app::BriefingWindow"), 1);
  EXPECT_TRUE(caption.startsWith("Briefing Editor "));
  EXPECT_TRUE(caption.endsWith("1.Imperial"));
}

TEST_F(BriefingButton, EditingStringZeroOfBriefingOneRetitlesTheMainWindow) {
  start({QString::fromStdString(writeMission("m.kre", 14, "Old heading"))});
  ASSERT_TRUE(window->windowTitle().endsWith("Old heading"));
  prompter.onDialog = [](QDialog& d) {
    auto* texts = d.findChild<QTableWidget*>("StringsGrid");
    texts->editItem(texts->item(0, 1));
    auto* cell = qobject_cast<QLineEdit*>(texts->indexWidget(texts->model()->index(0, 1)));
    cell->selectAll();
    EditorFixture::type(cell, QStringLiteral("New heading\n"));
    QApplication::processEvents();
    return int(QDialog::Rejected);
  };
  find<QToolButton>("BriefBtn")->click();
  EXPECT_EQ(window->windowTitle(), " ZynED 1.1 - (m.kre*) - New heading");
}

TEST_F(BriefingButton, OpensAboveTheCentreTheFirstTimeThenWhereItWasLeft) {
  start();
  QRect first, second;
  prompter.onDialog = [&](QDialog& d) {
    first = d.geometry();
    d.setGeometry(10, 20, 780, 700);  // the user moves and resizes it
    return int(QDialog::Rejected);
  };
  find<QToolButton>("BriefBtn")->click();
  const QRect area = window->screen()->availableGeometry();
  const QRect parent = window->geometry();
  if (first.height() + 30 < area.height()) {  // room to stand where it belongs
    EXPECT_EQ(first.center().y(), parent.center().y() - 15);
  }
  EXPECT_EQ(first.center().x(), std::clamp(parent.center().x(), area.left() + first.width() / 2,
                                           area.right() - first.width() / 2));
  prompter.onDialog = [&](QDialog& d) {
    second = d.geometry();
    return int(QDialog::Rejected);
  };
  find<QToolButton>("BriefBtn")->click();
  EXPECT_EQ(second, QRect(10, 20, 780, 700));
}

TEST(BriefingExport, WritesThePictureWithoutAWindow) {
  QTemporaryDir dir;
  const std::string mission = (dir.path() + "/m.kre").toStdString();
  model::Mission m;
  m.newMission();
  ASSERT_TRUE(model::saveMissionFile(m, mission).ok);
  const std::string png = (dir.path() + "/b.png").toStdString();
  EXPECT_EQ(
      app::runBriefingExport({"--export-briefing", png, "--briefing", "2", "--at", "1.5", mission},
                             dir.path().toStdString()),
      0);
  const QImage img(QString::fromStdString(png));
  EXPECT_EQ(img.size(), QSize(562, 355 + app::CaptionStripHeight + app::DescriptionStripHeight));
  EXPECT_EQ(app::runBriefingExport({"--export-briefing", png, "--briefing", "9", mission}, ""), 2);
  EXPECT_EQ(app::runBriefingExport({"--export-briefing", png, mission + "x"}, ""), 1);
  EXPECT_FALSE(app::runBriefingExport({mission}, ""));
}

// Pictures of every page and of the preview mid-playback, for a person to look at.
TEST_F(BriefingWindowTest, DISABLED_GrabPages) {
  const QByteArray out = qgetenv("ZYNED_GRAB_DIR");
  if (out.isEmpty()) GTEST_SKIP() << "set ZYNED_GRAB_DIR to save pictures of the window";
  open([](model::Mission& m) {
    m.flightGroups[0].setText(model::fg::Name, "Red");
    m.flightGroups[0].set(model::fg::PlayerNumber, model::u8{1});
    m.addFlightGroup();
    m.flightGroups[1].setText(model::fg::Name, "Gold");
    m.flightGroups[1].set(model::fg::Iff, model::u8{1});
    m.flightGroups[1].set(model::fg::WaypointX, model::i16{800}, model::Briefing1);
    m.flightGroups[1].set(model::fg::WaypointY, model::i16{-400}, model::Briefing1);
    m.briefings[0].strings[1] = "Your flight [Red] meets the enemy group [Gold] near the base.";
    m.briefings[0].strings[2] = "Destroy every craft of [Gold].";
    brf::CommandList l = brf::autoBrief(m, 0, {5, true, 0, 48}).commands;
    brf::Command tag = brf::newCommand(brf::FirstTag, 30);
    tag.x = 300;
    tag.y = 300;
    tag.colour = 2;
    l.insert(l.end() - 1, tag);
    int sel = 0;
    brf::sortByTime(l, sel);
    brf::encode(l, m.briefings[0]);
    m.briefings[0].set(rec::RunningTime, model::i16{200});
  });
  window->resize(1100, 650);
  window->seekTo(40);
  QApplication::processEvents();
  window->grab().save(QString("%1/briefing-preview.png").arg(QString(out)));
  const char* names[] = {"", "briefing-list.png", "briefing-strings.png",
                         "briefing-accessories.png"};
  for (int i = 1; i < 4; ++i) {
    page(i);
    QApplication::processEvents();
    window->grab().save(QString("%1/%2").arg(QString(out), names[i]));
  }
  page(0);
  trigger("InsertTagAction");
  QApplication::processEvents();
  window->grab().save(QString("%1/briefing-insert-tag.png").arg(QString(out)));
}

}  // namespace
