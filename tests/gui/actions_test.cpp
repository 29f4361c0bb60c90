// ActionSet: a window's table of actions, their keys dispatched by the toolkit in the scope the
// table gives, and their enabled and checked states; the main window's table and layouts.
#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QMainWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QSet>
#include <QTest>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

#include <gtest/gtest.h>

#include "app/base/actions.h"
#include "app/base/icons.h"
#include "app/briefing/briefing_window.h"
#include "app/map/map_window.h"
#include "app/shell/main_window.h"

namespace {

using app::ActionSpec;
using app::Held;
using app::KeyScope;

// A window with a list, a text entry and a button, and a few commands that count their runs.
struct CountingWindow : QWidget {
  static constexpr const char* KeyGroup = "";
  QListWidget* list = new QListWidget(this);
  QLineEdit* entry = new QLineEdit(QStringLiteral("text"), this);
  QPushButton* button = new QPushButton(QStringLiteral("OK"), this);
  int saves = 0, copies = 0, zooms = 0, toggles = 0;
  bool canCopy = true, on = false;

  CountingWindow() {
    list->addItems({QStringLiteral("a"), QStringLiteral("b")});
    list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    auto* l = new QVBoxLayout(this);
    for (QWidget* w :
         {static_cast<QWidget*>(list), static_cast<QWidget*>(entry), static_cast<QWidget*>(button)})
      l->addWidget(w);
  }
  static const std::vector<ActionSpec<CountingWindow>>& table() {
    using enum KeyScope;
    static const std::vector<ActionSpec<CountingWindow>> t = {
        {"SaveAsAction",
         "Save &as",
         "Save As",
         nullptr,
         {"Ctrl+Shift+S; Ctrl+A", Window},
         [](CountingWindow& w) { ++w.saves; }},
        {"CopyAction",
         "&Copy",
         "Copy",
         nullptr,
         {"Ctrl+C; C", List},
         [](CountingWindow& w) {
           ++w.copies;
           w.canCopy = false;
         },
         [](const CountingWindow& w) { return w.canCopy; }},
        {"ZoomAction",
         "Zoom",
         "Zoom",
         nullptr,
         {"Z", Window, Held::Repeats},
         [](CountingWindow& w) { ++w.zooms; }},
        {"ToggleAction",
         "Toggle",
         "Toggle",
         nullptr,
         {"Any+T", Window},
         [](CountingWindow& w) {
           ++w.toggles;
           w.on = !w.on;
         },
         {},
         [](const CountingWindow& w) { return w.on; }},
    };
    return t;
  }
};

class ActionSetTest : public ::testing::Test {
 protected:
  void SetUp() override {
    window.resize(300, 300);
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    actions.addScope(KeyScope::List, window.list);
    actions.refresh();
  }
  void click(QWidget* focus, Qt::Key key, Qt::KeyboardModifiers mods = Qt::NoModifier) {
    focus->setFocus();
    QTest::keyClick(focus, key, mods);
  }
  CountingWindow window;
  app::ActionSet actions{window, CountingWindow::table()};
};

TEST_F(ActionSetTest, WindowKeysWorkAnywhereInTheWindowAndOnlyThere) {
  click(window.button, Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier);
  click(window.list, Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier);
  EXPECT_EQ(window.saves, 2);
  QWidget other;
  other.show();
  other.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
  QTest::keyClick(&other, Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier);
  EXPECT_EQ(window.saves, 2);
}

TEST_F(ActionSetTest, ListKeysWorkWhileTheListHasTheFocus) {
  click(window.button, Qt::Key_C);
  EXPECT_EQ(window.copies, 0);
  click(window.list, Qt::Key_C);
  EXPECT_EQ(window.copies, 1);
  // The run disabled the action: the next key is the list's own again.
  EXPECT_FALSE(actions.action(u"CopyAction")->isEnabled());
  click(window.list, Qt::Key_C, Qt::ControlModifier);
  EXPECT_EQ(window.copies, 1);
  window.canCopy = true;
  actions.refresh();
  click(window.list, Qt::Key_C, Qt::ControlModifier);
  EXPECT_EQ(window.copies, 2);
}

TEST_F(ActionSetTest, CtrlAIsSelectAllInListsAndEntriesAndTheWindowsKeyElsewhere) {
  click(window.list, Qt::Key_A, Qt::ControlModifier);
  EXPECT_EQ(window.list->selectedItems().size(), 2);
  click(window.entry, Qt::Key_A, Qt::ControlModifier);
  EXPECT_EQ(window.entry->selectedText(), QStringLiteral("text"));
  // A list that cannot select keeps the key from every other command.
  window.list->setSelectionMode(QAbstractItemView::NoSelection);
  click(window.list, Qt::Key_A, Qt::ControlModifier);
  EXPECT_EQ(window.saves, 0);
  click(window.button, Qt::Key_A, Qt::ControlModifier);
  EXPECT_EQ(window.saves, 1);
}

TEST_F(ActionSetTest, OnlyActionsThatSayRepeatsRunAgainWhileTheKeyIsHeld) {
  window.button->setFocus();
  for (int key : {int(Qt::Key_Z), int(Qt::Key_S)}) {
    const Qt::KeyboardModifiers mods =
        key == Qt::Key_S ? Qt::ControlModifier | Qt::ShiftModifier : Qt::NoModifier;
    QKeyEvent first(QEvent::KeyPress, key, mods);
    QApplication::sendEvent(window.button, &first);
    QKeyEvent again(QEvent::KeyPress, key, mods, QString(), true);
    QApplication::sendEvent(window.button, &again);
  }
  EXPECT_EQ(window.zooms, 2);
  EXPECT_EQ(window.saves, 1);
}

TEST_F(ActionSetTest, AnyModifiersAndTheCheckMarkFollowTheState) {
  QAction* toggle = actions.action(u"ToggleAction");
  EXPECT_TRUE(toggle->isCheckable());
  EXPECT_EQ(toggle->shortcuts().size(), 16);
  click(window.button, Qt::Key_T, Qt::ControlModifier | Qt::AltModifier);
  EXPECT_EQ(window.toggles, 1);
  EXPECT_TRUE(toggle->isChecked());
  toggle->trigger();  // from a menu: the state, not the menu, decides the mark
  EXPECT_FALSE(window.on);
  EXPECT_FALSE(toggle->isChecked());
}

// ---- The tables of the editor's windows -------------------------------------------------------

template <class W>
void expectNoKeyTwice(const std::vector<ActionSpec<W>>& table, const char* window) {
  QSet<QString> keys;
  for (const ActionSpec<W>& spec : table)
    for (const QKeySequence& k : app::parseKeys(spec.keys.keys)) {
      EXPECT_FALSE(keys.contains(k.toString())) << window << " " << spec.id;
      keys << k.toString();
    }
}

// Two actions on one key in one window are ambiguous to the toolkit: neither would run.
TEST(ActionTables, NoKeyIsTwiceInAWindow) {
  expectNoKeyTwice(app::MainWindow::actionTable(), "main");
  expectNoKeyTwice(app::MapWindow::actionTable(), "map");
  expectNoKeyTwice(app::BriefingWindow::actionTable(), "briefing");
}

TEST(ActionTables, EveryMainActionIsInTheMenusWithItsIcon) {
  const QStringList icons = app::iconNames();
  QSet<QString> ids, inMenus;
  for (const auto& menu : app::MainWindow::menuBarLayout())
    inMenus.unite(QSet<QString>(menu.items.begin(), menu.items.end()));
  for (const auto& spec : app::MainWindow::actionTable()) {
    const QString id = QLatin1String(spec.id);
    EXPECT_FALSE(ids.contains(id)) << spec.id;
    ids << id;
    EXPECT_TRUE(inMenus.contains(id)) << spec.id;
    EXPECT_TRUE(!spec.icon || icons.contains(QLatin1String(spec.icon))) << spec.id;
  }
  for (const QString& id : app::MainWindow::toolBarLayout() +
                               app::MainWindow::flightGroupPopupLayout() +
                               app::MainWindow::messagePopupLayout())
    EXPECT_TRUE(id == QLatin1String("-") || id == QLatin1String("Reopen") || ids.contains(id))
        << id.toStdString();
}

// Commands that belong together stand together on the tool bar, between separators.
TEST(ActionTables, ToolBarGroupsTheFileAndTheListCommands) {
  const QStringList& bar = app::MainWindow::toolBarLayout();
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

}  // namespace
