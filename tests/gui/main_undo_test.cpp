// The main window's Edit commands and undo: keys that reach the window, the list commands,
// undo and redo of the panel's edits, the step names, the changed state after a save.

#include <QClipboard>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTabWidget>
#include <QUndoView>

#include "app/editing/messages_page.h"
#include "app/editing/ship_list.h"
#include "editor_fixture.h"
#include "shell/file_history.h"

using testing_gui::EditorFixture;
using PromptKind = testing_gui::ScriptedPrompter::Kind;

// ------------------------------------------------------------------------------------------
// Keys and undo

class Keys : public EditorFixture {};

TEST_F(Keys, CtrlKeysReachTheWindowBeforeTextBoxes) {
  const std::string file = writeMission("keys.kre");
  start();
  ASSERT_TRUE(window->load(QString::fromStdString(file)));
  auto* memo = find<QPlainTextEdit>("DescriptionMemo");
  find<QTabWidget>("OverallPages")->setCurrentWidget(find<QWidget>("DescriptionPage"));
  memo->setFocus();
  type(memo, QStringLiteral("ab"));

  // Ctrl+A selects all in a text box; Ctrl+Shift+S is Save As everywhere.
  press(memo, Qt::Key_A, Qt::ControlModifier, QStringLiteral("\x01"));
  EXPECT_EQ(prompter.saveCalls, 0);
  EXPECT_EQ(memo->textCursor().selectedText(), QStringLiteral("ab"));
  press(memo, Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier);
  EXPECT_EQ(prompter.saveCalls, 1);

  press(memo, Qt::Key_S, Qt::ControlModifier);
  EXPECT_FALSE(doc().isChanged());
  EXPECT_EQ(prompter.saveCalls, 1);  // a named mission saves without the dialog

  press(memo, Qt::Key_O, Qt::ControlModifier);
  EXPECT_EQ(prompter.openCalls, 1);

  press(memo, Qt::Key_N, Qt::ControlModifier);
  EXPECT_EQ(window->windowTitle(), QStringLiteral(" ZynED 1.1 - [Unnamed]"));
  EXPECT_EQ(memo->toPlainText(), QString());
  EXPECT_EQ(doc().undoStack()->count(), 0);
}

// Ctrl+X, Ctrl+C, Ctrl+V and Ctrl+A in the lists act on what the lists hold; the Edit menu
// follows the page in front.
TEST_F(Keys, DesktopKeysInTheListsActOnFlightGroupsAndMessages) {
  const std::string file = writeMission("desk.kre", 14, "Desk", [](model::Mission& m) {
    m.addFlightGroup();
    m.flightGroups[0].setText(model::fg::Name, "Red");
    m.flightGroups[1].setText(model::fg::Name, "Blue");
    m.addMessage();
  });
  start();
  ASSERT_TRUE(window->load(QString::fromStdString(file)));
  QApplication::clipboard()->setText(QStringLiteral("kept"));
  auto* list = find<QListWidget>("ShipList");
  list->setFocus();
  press(list, Qt::Key_C, Qt::ControlModifier);
  EXPECT_EQ(doc().state().flightGroupBuffer.name(), "Red");
  EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("kept"));
  press(list, Qt::Key_V, Qt::ControlModifier);
  ASSERT_EQ(mission().flightGroups.size(), 3u);
  EXPECT_EQ(mission().flightGroups[2].name(), "Red");
  press(list, Qt::Key_A, Qt::ControlModifier);
  EXPECT_EQ(prompter.saveCalls, 0);
  EXPECT_EQ(doc().selectedFlightGroups(), (std::vector<int>{0, 1, 2}));

  auto* pages = find<QTabWidget>("OverallPages");
  auto* paste = window->findChild<QAction*>(QStringLiteral("PasteAction"));
  pages->setCurrentWidget(find<QWidget>("MessagesPage"));
  EXPECT_FALSE(paste->isEnabled());  // nothing copied among the messages yet
  auto* messages = find<QListWidget>("MsgStrList");
  messages->setFocus();
  press(messages, Qt::Key_C, Qt::ControlModifier);
  EXPECT_TRUE(paste->isEnabled());
  press(messages, Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(mission().messages.size(), 2u);
  EXPECT_EQ(mission().flightGroups.size(), 3u);
  pages->setCurrentWidget(find<QWidget>("TeamsPage"));
  for (const char* id : {"CutAction", "CopyAction", "PasteAction", "DeleteAction", "NewFGAction"})
    EXPECT_FALSE(window->findChild<QAction*>(QLatin1String(id))->isEnabled()) << id;
}

TEST_F(Keys, UndoAndRedoOfAFormatSwitchRestoreBytesAndChangedState) {
  const std::string file = writeMission("fmt.kre");
  start();
  ASSERT_TRUE(window->load(QString::fromStdString(file)));
  const auto original = model::writeMission(mission());
  auto* zyn = find<QRadioButton>("ZynRadio");
  auto* list = window->findChild<QWidget*>(QStringLiteral("ShipList"));
  QWidget* target = list ? list : window.get();

  zyn->click();
  EXPECT_EQ(mission().platformId, 12);
  EXPECT_TRUE(doc().isChanged());
  EXPECT_FALSE(find<QLabel>("NoDebriefLabel")->isHidden());
  EXPECT_TRUE(find<QWidget>("SuccessDebriefMemo")->isHidden());

  press(target, Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(model::writeMission(mission()), original);
  EXPECT_FALSE(doc().isChanged());
  EXPECT_TRUE(find<QRadioButton>("QvnRadio")->isChecked());
  EXPECT_FALSE(find<QWidget>("SuccessDebriefMemo")->isHidden());
  EXPECT_TRUE(find<QLabel>("NoDebriefLabel")->isHidden());

  press(target, Qt::Key_Y, Qt::ControlModifier);
  EXPECT_EQ(mission().platformId, 12);
  EXPECT_TRUE(doc().isChanged());
  EXPECT_TRUE(zyn->isChecked());
  press(target, Qt::Key_Z, Qt::ControlModifier);
  press(target, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
  EXPECT_EQ(mission().platformId, 12);
}

TEST_F(Keys, UndoOfADescriptionEditRestoresTheBlockAndTheMemo) {
  const std::string file = writeMission("desc.kre", 14, "D", [](model::Mission& m) {
    m.description.setText("Line one\r\nLine two");
  });
  start();
  ASSERT_TRUE(window->load(QString::fromStdString(file)));
  const auto original = model::writeMission(mission());
  auto* memo = find<QPlainTextEdit>("DescriptionMemo");
  EXPECT_EQ(memo->toPlainText(), QStringLiteral("Line one\nLine two"));
  find<QTabWidget>("OverallPages")->setCurrentWidget(find<QWidget>("DescriptionPage"));
  memo->setFocus();
  memo->moveCursor(QTextCursor::End);
  type(memo, QStringLiteral("\nthree"));
  EXPECT_EQ(mission().description.text(), "Line one\r\nLine two\r\nthree");
  EXPECT_TRUE(doc().isChanged());

  press(memo, Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(model::writeMission(mission()), original);
  EXPECT_EQ(memo->toPlainText(), QStringLiteral("Line one\nLine two"));
  EXPECT_FALSE(doc().isChanged());

  press(memo, Qt::Key_Y, Qt::ControlModifier);
  EXPECT_EQ(memo->toPlainText(), QStringLiteral("Line one\nLine two\nthree"));
  EXPECT_TRUE(doc().isChanged());
}

TEST_F(Keys, EditMenuAndUndoHistoryNameEveryStep) {
  const std::string file = writeMission("steps.kre");
  start();
  ASSERT_TRUE(window->load(QString::fromStdString(file)));
  const auto original = model::writeMission(mission());
  auto* undo = window->findChild<QAction*>(QStringLiteral("UndoAction"));
  auto* redo = window->findChild<QAction*>(QStringLiteral("RedoAction"));
  EXPECT_EQ(undo->text(), QStringLiteral("&Undo"));
  doc().setFlightGroupText(model::fg::Name, "Red");
  doc().setFormat(12);
  EXPECT_EQ(undo->text(), QStringLiteral("&Undo Change format"));
  press(window.get(), Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(undo->text(), QStringLiteral("&Undo Edit Name"));
  EXPECT_EQ(redo->text(), QStringLiteral("&Redo Change format"));
  EXPECT_EQ(redo->toolTip(), QStringLiteral("Redo Change format"));

  window->findChild<QAction*>(QStringLiteral("UndoHistoryAction"))->trigger();
  auto* view = window->findChild<QUndoView*>(QStringLiteral("UndoHistoryView"));
  ASSERT_TRUE(view && view->isVisible());
  ASSERT_EQ(view->model()->rowCount(), 3);  // the start, then each step
  EXPECT_EQ(view->model()->index(2, 0).data().toString(), QStringLiteral("Change format"));
  // Picking the start takes every step back.
  view->setCurrentIndex(view->model()->index(0, 0));
  EXPECT_EQ(model::writeMission(mission()), original);
  EXPECT_FALSE(undo->isEnabled());
}

TEST_F(Keys, SavingThenUndoingMakesTheMissionChangedAgain) {
  const std::string file = writeMission("undo.kre");
  start();
  ASSERT_TRUE(window->load(QString::fromStdString(file)));
  doc().setFormat(12);
  ASSERT_TRUE(window->save());
  EXPECT_FALSE(doc().isChanged());
  doc().undoStack()->undo();
  EXPECT_EQ(mission().platformId, 14);
  // Away from the saved state: the question comes back.
  prompter.answers = {QMessageBox::Cancel};
  window->newMission();
  EXPECT_EQ(prompter.texts(PromptKind::Question).size(), 1u);
}
