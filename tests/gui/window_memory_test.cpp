// Windows come back with the size and splitter positions they had.
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QScreen>
#include <QSplitter>
#include <QTabWidget>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "app/base/window_memory.h"
#include "app/map/map_window.h"
#include "app/shell/main_window.h"
#include "app/shell/preferences_dialog.h"
#include "editor_fixture.h"
#include "shell/settings_file.h"
#include "shell/window_places.h"

namespace {

struct Window {
  QMainWindow window;
  QSplitter* splitter = new QSplitter(&window);
  Window() {
    window.setObjectName(QStringLiteral("TestWindow"));
    splitter->setObjectName(QStringLiteral("Split"));
    splitter->addWidget(new QLabel(QStringLiteral("list")));
    splitter->addWidget(new QLabel(QStringLiteral("pages")));
    window.setCentralWidget(splitter);
  }
};

TEST(WindowMemory, SizeAndSplitterComeBackInTheNextRun) {
  QTemporaryDir dir;
  const std::string ini = dir.filePath(QStringLiteral("ZynED.ini")).toStdString();
  const app::WindowMemory memory(ini);
  QPoint framePlace;
  {
    Window w;
    EXPECT_FALSE(memory.restore(&w.window, {w.splitter}));
    w.window.setGeometry(40, 30, 700, 500);
    w.window.show();
    w.splitter->setSizes({200, 500});
    QApplication::processEvents();
    framePlace = w.window.pos();
    ASSERT_TRUE(memory.remember(&w.window, {w.splitter}));
  }
  Window again;
  ASSERT_TRUE(memory.restore(&again.window, {again.splitter}));
  again.window.show();
  QApplication::processEvents();
  EXPECT_EQ(again.window.size(), QSize(700, 500));
  EXPECT_EQ(again.window.pos(), framePlace);             // not lowered by the frame each run
  EXPECT_NEAR(again.splitter->sizes().first(), 200, 2);  // the handle takes its share
  EXPECT_FALSE(again.window.isMaximized());
  // The settings of the file are untouched by it.
  EXPECT_EQ(shell::readSettings(ini).gameDirectory, "Undefined");
}

// Two screens side by side (the offscreen platform given tests/gui/two_screens.json, as the test
// gui:TwoScreens runs it): a window left on the second comes back there, held to it.
TEST(WindowMemoryTwoScreens, AWindowLeftOnTheSecondScreenComesBackThere) {
  const QList<QScreen*> screens = QGuiApplication::screens();
  if (screens.size() < 2) GTEST_SKIP() << "one screen";
  QTemporaryDir dir;
  const std::string ini = dir.filePath(QStringLiteral("ZynED.ini")).toStdString();
  const struct {
    const char* remembered;
    QPoint place;
  } cases[] = {{"700x500+2100+100", {2100, 100}}, {"700x500+3500+100", {3140, 100}}};
  for (const auto& c : cases) {
    ASSERT_TRUE(shell::writeSectionFile(ini, shell::WindowsSection, {{"TestWindow", c.remembered}},
                                        nullptr));
    Window w;
    ASSERT_TRUE(app::WindowMemory(ini).restore(&w.window, {w.splitter}));
    w.window.show();
    QApplication::processEvents();
    EXPECT_EQ(w.window.pos(), c.place) << c.remembered;
    EXPECT_EQ(w.window.screen(), screens[1]) << c.remembered;
  }
}

// A page never shown has a splitter never laid out: what it holds is no position of the user's,
// and the one remembered from an earlier run stays.
TEST(WindowMemory, ASplitterNeverShownKeepsTheRememberedPosition) {
  QTemporaryDir dir;
  const std::string ini = dir.filePath(QStringLiteral("ZynED.ini")).toStdString();
  const app::WindowMemory memory(ini);
  struct Tabs {
    QTabWidget window;
    QSplitter* splitter;
    Tabs() {
      window.setObjectName(QStringLiteral("Tabs"));
      window.addTab(new QLabel(QStringLiteral("first")), QStringLiteral("First"));
      auto* page = new QWidget;
      window.addTab(page, QStringLiteral("Second"));
      splitter = app::splitPage(page, QStringLiteral("Split"), new QLabel(QStringLiteral("list")),
                                new QLabel(QStringLiteral("fields")));
      window.resize(700, 400);
    }
  };
  auto remembered = [&]() -> std::string {
    for (const auto& [key, value] : shell::readSectionFile(ini, shell::WindowsSection))
      if (key == "Tabs.Split") return value;
    return "none";
  };
  {
    Tabs never;
    memory.restore(&never.window, {never.splitter});
    never.window.show();
    QApplication::processEvents();
    ASSERT_TRUE(memory.remember(&never.window, {never.splitter}));
    EXPECT_EQ(remembered(), "none");
  }
  std::string shown;
  {
    Tabs once;
    memory.restore(&once.window, {once.splitter});
    once.window.show();
    once.window.setCurrentIndex(1);
    QApplication::processEvents();
    once.splitter->setSizes({250, 400});
    ASSERT_TRUE(memory.remember(&once.window, {once.splitter}));
    shown = remembered();
    EXPECT_NE(shown, "none");
  }
  Tabs later;
  memory.restore(&later.window, {later.splitter});
  later.window.show();
  QApplication::processEvents();
  ASSERT_TRUE(memory.remember(&later.window, {later.splitter}));
  EXPECT_EQ(remembered(), shown);
}

// The map and the undo history, open as the editor closes, open again at the next start where
// they were; closed, they stay closed.
class ReopenedWindows : public testing_gui::EditorFixture {
 protected:
  QWidget* undoHistory() {
    return window->findChild<QWidget*>(QStringLiteral("UndoHistoryWindow"));
  }
  void restart() {
    ASSERT_TRUE(window->close());
    window.reset();
    start({}, false);
  }
};

TEST_F(ReopenedWindows, TheMapAndTheUndoHistoryOpenAgainWhereTheyWere) {
  start();
  window->mapWindow()->showMap();
  window->mapWindow()->move(0, 40);  // as wide as its controls, the whole screen's height
  window->findChild<QAction*>(QStringLiteral("UndoHistoryAction"))->trigger();
  undoHistory()->setGeometry(500, 140, 250, 300);
  QApplication::processEvents();
  const QRect map = window->mapWindow()->geometry();
  restart();
  // Where they were, give or take the frame.
  auto near = [](QPoint a, QPoint b) { return (a - b).manhattanLength() <= 4; };
  ASSERT_TRUE(window->mapWindow()->isVisible());
  EXPECT_TRUE(near(window->mapWindow()->pos(), map.topLeft()));
  ASSERT_NE(undoHistory(), nullptr);
  EXPECT_TRUE(undoHistory()->isVisible());
  EXPECT_TRUE(near(undoHistory()->pos(), {500, 140}));
  EXPECT_EQ(undoHistory()->size(), QSize(250, 300));
  window->mapWindow()->hide();
  undoHistory()->hide();
  restart();
  EXPECT_FALSE(window->mapWindow()->isVisible());
  EXPECT_EQ(undoHistory(), nullptr);
}

// At a large scale (here a font twice as large) on a small screen, the main window, the map and
// Preferences open within the screen and their controls stay reachable.
class ScaledScreen : public testing_gui::EditorFixture {
 protected:
  void SetUp() override {
    EditorFixture::SetUp();
    QFont big = font_;
    big.setPointSizeF(font_.pointSizeF() * 2);
    QApplication::setFont(big);
  }
  void TearDown() override {
    EditorFixture::TearDown();
    QApplication::setFont(font_);
  }
  static void expectOnScreen(const QWidget* w) {
    const QRect area = w->screen()->availableGeometry();
    const QRect frame = w->frameGeometry();
    EXPECT_TRUE(area.contains(frame))
        << w->objectName().toStdString() << " " << frame.width() << "x" << frame.height() << " at "
        << frame.x() << "," << frame.y() << " on " << area.width() << "x" << area.height();
  }
  void expectMainAndMapOnScreen() {
    expectOnScreen(window.get());
    app::MapWindow* map = window->mapWindow();
    map->show();
    QApplication::processEvents();
    expectOnScreen(map);
    map->close();
  }
  const QFont font_ = QApplication::font();
};

TEST_F(ScaledScreen, TheLargestWindowsFitTheScreenTheyOpenOn) {
  start();
  expectMainAndMapOnScreen();
  const shell::Vocabulary vocab;
  app::PreferencesDialog preferences(settings, vocab, iniPath(), window.get(), 1280);
  preferences.show();
  QApplication::processEvents();
  expectOnScreen(&preferences);
}

// Sizes and places remembered on a larger screen or at another scale.
TEST_F(ScaledScreen, RememberedSizesLargerThanTheScreenAreShrunkToIt) {
  ASSERT_TRUE(shell::writeSettings(iniPath(), settings));
  shell::SectionValues places;
  for (const char* name : {"MainWindow", "MapForm"})
    places.emplace_back(name, shell::windowRectText({0, 0, 1500, 1200}));
  ASSERT_TRUE(shell::writeSectionFile(iniPath(), shell::WindowsSection, places, nullptr));
  start({}, false);
  expectMainAndMapOnScreen();
}

}  // namespace
