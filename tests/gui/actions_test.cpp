// The action table behind the menu bar, the tool bar and the pop-up menus.
#include <QAction>
#include <QKeyEvent>
#include <QMainWindow>
#include <QMenuBar>
#include <QSet>
#include <QToolBar>
#include <QToolButton>

#include <gtest/gtest.h>

#include "app/base/actions.h"
#include "app/base/icons.h"

namespace {

TEST(Actions, EveryActionIsInTheMenusWithItsIconAndNoKeyIsTwice) {
  const QStringList icons = app::iconNames();
  QSet<QString> ids, keys, inMenus;
  for (const auto& menu : app::menuBarLayout())
    inMenus.unite(QSet<QString>(menu.items.begin(), menu.items.end()));
  QMainWindow window;
  app::ActionSet set(&window);
  for (const app::ActionSpec& spec : app::actionTable()) {
    const QString id = QLatin1String(spec.id);
    EXPECT_FALSE(ids.contains(id)) << spec.id;
    ids << id;
    EXPECT_TRUE(inMenus.contains(id)) << spec.id;
    EXPECT_TRUE(!spec.icon || icons.contains(QLatin1String(spec.icon))) << spec.id;
    for (const QKeySequence& k : set.action(id)->shortcuts()) {
      EXPECT_FALSE(keys.contains(k.toString())) << spec.id;
      keys << k.toString();
    }
  }
  for (const QString& id : app::toolBarLayout())
    EXPECT_TRUE(id == QLatin1String("-") || ids.contains(id)) << id.toStdString();
}

// Commands that belong together stand together on the tool bar, between separators.
TEST(Actions, ToolBarGroupsTheFileAndTheListCommands) {
  const QStringList& bar = app::toolBarLayout();
  const auto group = [&](const QString& id) {
    return bar.mid(0, static_cast<int>(bar.indexOf(id))).count(QStringLiteral("-"));
  };
  for (const char* id : {"LoadAction", "SaveAction", "SaveAsAction"})
    EXPECT_EQ(group(QLatin1String(id)), group(QStringLiteral("NewMissionAction"))) << id;
  for (const char* id :
       {"DeleteAction", "UpAction", "DownAction", "CutAction", "CopyAction", "PasteAction"})
    EXPECT_EQ(group(QLatin1String(id)), group(QStringLiteral("NewFGAction"))) << id;
  EXPECT_NE(group(QStringLiteral("NewFGAction")), group(QStringLiteral("SaveAction")));
}

TEST(Actions, MenuBarAndToolBarShareTheActions) {
  QMainWindow window;
  app::ActionSet set(&window);
  auto* reopen = new QAction(QStringLiteral("&Reopen"), &window);
  set.buildMenuBar(window.menuBar(), reopen);
  auto* bar = window.addToolBar(QStringLiteral("Tools"));
  set.buildToolBar(bar);
  QAction* saveAs = set.action(u"SaveAsAction");
  ASSERT_NE(saveAs, nullptr);
  auto* button = window.findChild<QToolButton*>(QStringLiteral("SaveAsBtn"));
  ASSERT_NE(button, nullptr);
  EXPECT_EQ(button->defaultAction(), saveAs);
  auto* file = window.findChild<QMenu*>(QStringLiteral("FileMenu"));
  ASSERT_NE(file, nullptr);
  EXPECT_TRUE(file->actions().contains(saveAs));
  EXPECT_TRUE(file->actions().contains(reopen));
  EXPECT_EQ(saveAs->shortcut(), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
}

TEST(Actions, WindowKeysFindTheirActionAndListKeysDoNot) {
  QObject owner;
  app::ActionSet set(&owner);
  const auto key = [&](int k, Qt::KeyboardModifiers mods) {
    const QKeyEvent e(QEvent::KeyPress, k, mods);
    QAction* a = set.windowActionFor(e);
    return a ? a->objectName() : QString();
  };
  EXPECT_EQ(key(Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier), "SaveAsAction");
  EXPECT_EQ(key(Qt::Key_A, Qt::ControlModifier), "SaveAsAction");
  EXPECT_EQ(key(Qt::Key_S, Qt::ControlModifier), "SaveAction");
  EXPECT_EQ(key(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier), "RedoAction");
  EXPECT_EQ(key(Qt::Key_X, Qt::ControlModifier), QString());  // the lists' own key
  EXPECT_EQ(key(Qt::Key_S, Qt::NoModifier), QString());
}

}  // namespace
