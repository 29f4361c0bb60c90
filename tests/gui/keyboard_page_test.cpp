// Preferences › Keyboard: keys chosen by pressing them, clashes, resets, the "Keys" section of
// the settings file, and the keys in force in the menus, tool tips and the keyboard reference.
#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTabWidget>
#include <QTest>
#include <QTextBrowser>
#include <QToolButton>
#include <QTreeWidget>

#include "app/base/handbook_window.h"
#include "app/base/key_map.h"
#include "app/map/map_window.h"
#include "app/shell/keyboard_page.h"
#include "app/shell/keyboard_reference.h"
#include "editor_fixture.h"
#include "shell/key_bindings.h"
#include "temp_dir.h"

namespace {

using namespace testing_gui;

class KeyboardPageTest : public EditorFixture {
 protected:
  void TearDown() override {
    EditorFixture::TearDown();
    // The keys in force outlive the window: the next test starts with the tables' keys.
    app::KeyMap::instance().setBindings({});
  }

  // Opens Preferences › Keyboard, lets `use` work the page, and closes with OK.
  void onKeyboardPage(const std::function<void(QWidget& page)>& use) {
    prompter.onDialog = [&](QDialog& dialog) {
      dialog.show();
      activate(&dialog);
      auto* tabs = dialog.findChild<QTabWidget*>("PrefPages");
      auto* page = dialog.findChild<QWidget*>("KeyboardTab");
      tabs->setCurrentWidget(page);
      use(*page);
      dialog.accept();
      return int(QDialog::Accepted);
    };
    window->actions().action(u"PrefsAction")->trigger();
    prompter.onDialog = nullptr;
  }

  // Finds a row by the search field, typed key by key, and makes it current.
  static void choose(QWidget& page, const char* words, const char* command,
                     const char* window = "Main window") {
    auto* search = page.findChild<QLineEdit*>("KeySearch");
    search->setFocus();
    QTest::keyClick(search, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(search, Qt::Key_Delete);
    QTest::keyClicks(search, words);
    auto* list = page.findChild<QTreeWidget*>("KeyList");
    for (const auto* item : list->findItems(command, Qt::MatchExactly | Qt::MatchRecursive))
      if (!item->isHidden() && item->parent()->text(0) == window) {
        list->setCurrentItem(const_cast<QTreeWidgetItem*>(item));
        return;
      }
    FAIL() << "no visible row " << command;
  }

  static void pressIn(QWidget& page, Qt::Key key, Qt::KeyboardModifiers mods = {}) {
    auto* catcher = page.findChild<QLineEdit*>("KeyCatcher");
    catcher->setFocus();
    QTest::keyClick(catcher, key, mods);
  }

  static QString keysShown(QWidget& page, const char* command) {
    auto* list = page.findChild<QTreeWidget*>("KeyList");
    const auto items = list->findItems(command, Qt::MatchExactly | Qt::MatchRecursive);
    return items.isEmpty() ? QString() : items.front()->text(1);
  }

  QAction* action(const char16_t* id) { return window->actions().action(QStringView(id)); }
};

// Every control and caption of every Preferences tab has a place of its own.
TEST_F(KeyboardPageTest, EveryControlOfPreferencesHasItsOwnPlace) {
  start();
  prompter.onDialog = [&](QDialog& dialog) {
    dialog.show();
    auto* tabs = dialog.findChild<QTabWidget*>("PrefPages");
    for (int t = 0; t < tabs->count(); ++t) {
      tabs->setCurrentIndex(t);
      QApplication::processEvents();
      SCOPED_TRACE(tabs->tabText(t).toStdString());
      testing_gui::expectControlsApart(dialog);
    }
    // A folder is chosen with a button, never typed: its strip is a shade darker than the page.
    const auto strips = dialog.findChildren<QLabel*>(QRegularExpression("DirLabel$"));
    EXPECT_GE(strips.size(), 5);
    for (const QLabel* strip : strips)
      EXPECT_LT(strip->palette().color(QPalette::Window).lightness(),
                dialog.palette().color(QPalette::Window).lightness())
          << strip->objectName().toStdString();
    return int(QDialog::Rejected);
  };
  window->actions().action(u"PrefsAction")->trigger();
  prompter.onDialog = nullptr;
}

TEST_F(KeyboardPageTest, AKeyPressedIsStoredAndWorksAfterARestart) {
  start();
  onKeyboardPage([&](QWidget& page) {
    choose(page, "save as", "Save as...");
    // The search leaves the rows that match; its clear button brings them all back.
    const auto openHidden = [&] {
      return page.findChild<QTreeWidget*>("KeyList")
          ->findItems("Open...", Qt::MatchExactly | Qt::MatchRecursive)
          .front()
          ->isHidden();
    };
    EXPECT_TRUE(openHidden());
    auto* search = page.findChild<QLineEdit*>("KeySearch");
    const QString typed = search->text();
    auto* clear = search->findChild<QToolButton*>();
    ASSERT_NE(clear, nullptr);
    clear->click();
    EXPECT_FALSE(openHidden());
    QTest::keyClicks(search, typed);
    EXPECT_TRUE(openHidden());
    pressIn(page, Qt::Key_F9);
    EXPECT_EQ(keysShown(page, "Save as..."), "F9");
  });
  EXPECT_NE(testsupport::readFile(iniPath()).find("[Keys]\nSaveAsAction=F9\n"), std::string::npos);
  EXPECT_EQ(action(u"SaveAsAction")->shortcuts(), QList<QKeySequence>{QKeySequence(Qt::Key_F9)});
  EXPECT_EQ(action(u"SaveAsAction")->toolTip(), "Save As (F9)");

  window.reset();
  app::KeyMap::instance().setBindings({});
  start({}, false);
  EXPECT_EQ(action(u"SaveAsAction")->shortcuts(), QList<QKeySequence>{QKeySequence(Qt::Key_F9)});
  QTest::keyClick(window.get(), Qt::Key_F9);
  EXPECT_EQ(prompter.saveCalls, 1);
  // The handbook's reference names the key in force.
  app::HandbookWindow* handbook = app::showHandbook(window.get(), QStringLiteral("keyboard.md"));
  ASSERT_NE(handbook, nullptr);
  const QString shown = handbook->findChild<QTextBrowser*>()->toMarkdown();
  EXPECT_TRUE(shown.contains(QRegularExpression(QStringLiteral("\\|\\s*`?F9`?\\s*\\|\\s*Save as"))))
      << shown.toStdString().substr(0, 600);
  handbook->close();
}

TEST_F(KeyboardPageTest, AKeyTakenInTheWindowIsRefusedOrSwappedAfterAQuestion) {
  start();
  onKeyboardPage([&](QWidget& page) {
    choose(page, "save as", "Save as...");
    const QString saveAsKeys = keysShown(page, "Save as...");
    prompter.answers = {QMessageBox::No};
    pressIn(page, Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(keysShown(page, "Save as..."), saveAsKeys);
    EXPECT_EQ(page.findChild<QLabel*>("KeyNote")->text(), "Ctrl+S stays the key of \"Save\".");
    prompter.answers = {QMessageBox::Yes};
    pressIn(page, Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(keysShown(page, "Save as..."), "Ctrl+S");
    EXPECT_EQ(keysShown(page, "Save"), saveAsKeys);
    // The map's keys are the map's: Ctrl+O there clashes with nothing of the main window.
    const auto questions = prompter.texts(ScriptedPrompter::Kind::Question).size();
    choose(page, "zoom in", "Zoom in", "Map");
    pressIn(page, Qt::Key_O, Qt::ControlModifier);
    EXPECT_EQ(keysShown(page, "Zoom in"), "Ctrl+O");
    EXPECT_EQ(prompter.texts(ScriptedPrompter::Kind::Question).size(), questions);
    // A window-wide key clashes with a list key of the same window.
    choose(page, "cut", "Cut");
    prompter.answers = {QMessageBox::No};
    pressIn(page, Qt::Key_N, Qt::ControlModifier);
    EXPECT_EQ(prompter.texts(ScriptedPrompter::Kind::Question).size(), questions + 1);
  });
  EXPECT_EQ(action(u"SaveAction")->shortcuts().front(),
            QKeySequence(Qt::ControlModifier | Qt::ShiftModifier | Qt::Key_S));
  EXPECT_EQ(action(u"SaveAsAction")->shortcuts().front(),
            QKeySequence(Qt::ControlModifier | Qt::Key_S));
}

TEST_F(KeyboardPageTest, ClearResetAndResetAllKeepUnknownNames) {
  testsupport::writeFile(iniPath(), "[Keys]\nNoSuchAction=F2\nLoadAction=F3\n");
  start();
  EXPECT_EQ(action(u"LoadAction")->shortcuts().front(), QKeySequence(Qt::Key_F3));
  onKeyboardPage([&](QWidget& page) {
    choose(page, "exit", "Exit");
    page.findChild<QPushButton*>("ClearKeysBtn")->click();
    EXPECT_EQ(keysShown(page, "Exit"), "");
    choose(page, "open", "Open...");
    page.findChild<QPushButton*>("ResetKeyBtn")->click();
    EXPECT_EQ(keysShown(page, "Open..."), "Ctrl+O");
  });
  EXPECT_TRUE(action(u"ExitAction")->shortcuts().isEmpty());
  EXPECT_EQ(shell::readKeyBindings(iniPath()).section(),
            (shell::SectionValues{{"NoSuchAction", "F2"}, {"ExitAction", ""}}));
  onKeyboardPage([&](QWidget& page) { page.findChild<QPushButton*>("ResetAllKeysBtn")->click(); });
  EXPECT_EQ(shell::readKeyBindings(iniPath()).section(),
            (shell::SectionValues{{"NoSuchAction", "F2"}}));
  EXPECT_EQ(action(u"ExitAction")->shortcuts().front(),
            QKeySequence(Qt::ControlModifier | Qt::Key_Q));
}

TEST_F(KeyboardPageTest, BadKeysAreIgnoredWithANotice) {
  testsupport::writeFile(iniPath(), "[Keys]\nLoadAction=Hyper+O\nSaveAction=F4; Frobnicate\n");
  start();
  const auto warnings = prompter.texts(ScriptedPrompter::Kind::Warning);
  ASSERT_EQ(warnings.size(), 1u);
  EXPECT_TRUE(warnings[0].contains("LoadAction=Hyper+O")) << warnings[0].toStdString();
  EXPECT_TRUE(warnings[0].contains("\"Frobnicate\" is no key")) << warnings[0].toStdString();
  EXPECT_EQ(action(u"LoadAction")->shortcuts().front(),
            QKeySequence(Qt::ControlModifier | Qt::Key_O));
  EXPECT_EQ(action(u"SaveAction")->shortcuts(), QList<QKeySequence>{QKeySequence(Qt::Key_F4)});
}

}  // namespace
