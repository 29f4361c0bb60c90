// The main window's Edit commands and undo: keys that reach the window, the list commands,
// undo and redo of the panel's edits, the step names, the changed state after a save.

#include <QCheckBox>
#include <QClipboard>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>
#include <QUndoView>

#include <functional>

#include "app/document/field_binding.h"
#include "app/document/step_text.h"
#include "app/editing/flight_groups_page.h"
#include "app/editing/messages_page.h"
#include "app/editing/ship_list.h"
#include "app/editing/trigger_editor.h"
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
  // The Edit menu's list commands name what they act on: the list of the page in front.
  const auto listItems = [&] {
    QStringList texts;
    for (QAction* a : find<QMenu>("EditMenu")->actions())
      if (!a->isSeparator() && !a->objectName().startsWith(QLatin1String("Undo")) &&
          !a->objectName().startsWith(QLatin1String("Redo")))
        texts << a->text().remove(QLatin1Char('&'));
    return texts;
  };
  EXPECT_EQ(listItems(),
            (QStringList{"Cut", "Copy", "Paste", "Delete", "Add", "Move up", "Move down"}));
  for (const char* page : {"FlightGroupsPage", "MessagesPage"}) {
    pages->setCurrentWidget(find<QWidget>(page));
    const QString what = page == std::string("MessagesPage") ? "Message" : "FG";
    for (const QString& text : listItems()) EXPECT_TRUE(text.contains(what)) << text.toStdString();
    EXPECT_EQ(listItems().size(), 7);
  }
}

// The first message of a mission: Add is enabled on the empty list and adds it from the tool bar,
// the Edit menu, the Insert key and the list's pop-up menu.
TEST_F(Keys, TheFirstMessageComesFromEveryWayIn) {
  const std::string file =
      writeMission("none.kre", 14, "None", [](model::Mission& m) { m.messages.clear(); });
  start();
  ASSERT_TRUE(window->load(QString::fromStdString(file)));
  find<QTabWidget>("OverallPages")->setCurrentWidget(find<QWidget>("MessagesPage"));
  auto* list = find<QListWidget>("MsgStrList");
  QAction* add = window->findChild<QAction*>(QStringLiteral("NewFGAction"));
  ASSERT_TRUE(find<QMenu>("EditMenu")->actions().contains(add));
  ASSERT_TRUE(list->findChild<QMenu*>()->actions().contains(add));
  EXPECT_EQ(add->text(), QStringLiteral("&Add Message"));
  const std::function<void()> ways[] = {
      [&] { find<QToolButton>("NewFGBut")->click(); },
      [&] { add->trigger(); },  // the Edit menu and the pop-up menu hold this action
      [&] {
        list->setFocus();
        QTest::keyClick(list, Qt::Key_Insert);
      },
  };
  for (const auto& way : ways) {
    ASSERT_TRUE(mission().messages.empty());
    EXPECT_TRUE(add->isEnabled());
    way();
    EXPECT_EQ(mission().messages.size(), 1u);
    doc().undoStack()->undo();
  }
}

// A control's undo step is "Edit" and its caption as the page shows it, in the page's letter case.
TEST_F(Keys, UndoStepsAreNamedAfterTheCaptionsOnThePage) {
  const std::string file = writeMission("captions.kre");
  start();
  ASSERT_TRUE(window->load(QString::fromStdString(file)));
  auto* tabs = window->flightGroupsPage()->pages();
  const struct {
    int tab;
    const char* control;
    const char* caption;
    const char* captioned;  // the control the caption stands beside
    Qt::Key key;
  } rows[] = {
      {app::FlightGroupsPage::ShipTab, "WaveSpin", "Waves:", "WaveSpin", Qt::Key_Up},
      {app::FlightGroupsPage::ShipTab, "FGSizeSpin", "Craft per wave:", "FGSizeSpin", Qt::Key_Up},
      {app::FlightGroupsPage::ShipTab, "ShipName", "Name:", "ShipName", Qt::Key_X},
      {app::FlightGroupsPage::ShipTab, "TeamBox", "Team:", "TeamBox", Qt::Key_Down},
      {app::FlightGroupsPage::ShipTab, "AIBox", "A.I.:", "AIBox", Qt::Key_Down},
      {app::FlightGroupsPage::ArrivalTab, "ArrMinSpin", "Delay:", "ArrMinSpin", Qt::Key_1},
      {app::FlightGroupsPage::ArrivalTab, "ArrSecSpin", "Delay:", "ArrMinSpin", Qt::Key_2},
  };
  for (const auto& row : rows) {
    tabs->setCurrentIndex(row.tab);
    auto* control = find<QWidget>(row.control);
    bool shown = false;
    for (const QLabel* label : window->findChildren<QLabel*>())
      shown = shown || (label->buddy() == find<QWidget>(row.captioned) &&
                        label->text() == QLatin1String(row.caption));
    EXPECT_TRUE(shown) << row.control;
    control->setFocus();
    QTest::keyClick(control, row.key);
    QTest::keyClick(control, Qt::Key_Return);
    EXPECT_EQ(doc().undoStack()->undoText(),
              QStringLiteral("Edit ") + QString::fromLatin1(row.caption).chopped(1))
        << row.control;
  }
  // A check box is captioned by its own text.
  tabs->setCurrentIndex(app::FlightGroupsPage::ShipTab);
  auto* link = find<QCheckBox>("AutoLinkChk");
  link->setFocus();
  QTest::keyClick(link, Qt::Key_Space);
  EXPECT_EQ(doc().undoStack()->undoText(), QStringLiteral("Edit Auto-link: Shiptype / Team / IFF"));
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
  // The tool tip names the keys too.
  EXPECT_EQ(redo->toolTip(), QStringLiteral("Redo Change format (Ctrl+Y)"));

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

TEST_F(Keys, EveryFieldNamesItsUndoStepByItsCaptionInOneLetterCase) {
  // "Edit" and the caption beside the control as the page shows it; a field without a caption of
  // its own (or a part of a trigger) by a name in the case of the captions: "Edit Goal Points".
  const std::string file = writeMission("every-caption.kre");
  start();
  ASSERT_TRUE(window->load(QString::fromStdString(file)));
  int captioned = 0, named = 0;
  for (const app::FieldBinding* b : window->findChildren<app::FieldBinding*>()) {
    const QString caption = app::shownCaption(b->control());
    EXPECT_FALSE(b->undoStepText().contains(QLatin1Char('&'))) << b->undoStepText().toStdString();
    const QString name = b->control() ? b->control()->objectName() : QString();
    bool inTrigger = false;
    for (const QWidget* p = b->control(); p; p = p->parentWidget())
      inTrigger = inTrigger || qobject_cast<const app::TriggerEditor*>(p);
    if (caption.contains(QRegularExpression(QStringLiteral("\\w{2}"))) && !inTrigger) {
      ++captioned;
      EXPECT_EQ(b->undoStepText().toStdString(), app::editText(caption).toStdString())
          << name.toStdString();
      continue;
    }
    ++named;
    for (const QString& word : b->undoStepText().split(QLatin1Char(' ')))
      EXPECT_FALSE(word.size() > 2 && word.front().isLower())
          << name.toStdString() << ": " << b->undoStepText().toStdString();
  }
  EXPECT_GT(captioned, 20);
  EXPECT_GT(named, 20);
}
