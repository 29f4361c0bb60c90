// Windows come back with the size and splitter positions they had.
#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QSplitter>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "app/base/window_memory.h"
#include "shell/settings_file.h"

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
  {
    Window w;
    EXPECT_FALSE(memory.restore(&w.window, {w.splitter}));
    w.window.setGeometry(40, 30, 700, 500);
    w.window.show();
    w.splitter->setSizes({200, 500});
    QApplication::processEvents();
    ASSERT_TRUE(memory.remember(&w.window, {w.splitter}));
  }
  Window again;
  ASSERT_TRUE(memory.restore(&again.window, {again.splitter}));
  again.window.show();
  QApplication::processEvents();
  EXPECT_EQ(again.window.size(), QSize(700, 500));
  EXPECT_NEAR(again.splitter->sizes().first(), 200, 2);  // the handle takes its share
  EXPECT_FALSE(again.window.isMaximized());
  // The settings of the file are untouched by it.
  EXPECT_EQ(shell::readSettings(ini).gameDirectory, "Undefined");
}

}  // namespace
