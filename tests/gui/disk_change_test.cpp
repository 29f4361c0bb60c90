// A mission changed beside the editor: reloaded when the editor holds nothing unsaved, asked
// about when it does, never overwritten by a save that has not seen the change; a file deleted
// stays open and Save writes it back; two editors on one file hear of each other.
#include <QDialog>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTabWidget>
#include <QTest>
#include <QUndoStack>

#include <filesystem>

#include "app/base/disk_change_dialog.h"
#include "app/shell/mission_watch.h"
#include "editor_fixture.h"
#include "model/mission_file.h"

using testing_gui::EditorFixture;
using PromptKind = testing_gui::ScriptedPrompter::Kind;
namespace fs = std::filesystem;

namespace {

class DiskChange : public EditorFixture {
 protected:
  // A mission of three flight groups, the last named `last`.
  std::string writeGroups(const std::string& name, const char* last) {
    return writeMission(name, 14, "Test", [last](model::Mission& m) {
      for (int i = 0; i < 3; ++i) m.addFlightGroup();
      m.flightGroups[2].setText(model::fg::Name, last);
    });
  }
  std::string groupName(int i) {
    return mission().flightGroups[static_cast<std::size_t>(i)].text(model::fg::Name);
  }
  QString status() { return window->statusBar()->currentMessage(); }

  // Presses `button` in the "Mission Changed on Disk" window (after Compare when asked).
  void answerDiskChange(const char* button, bool compare = false, QString* compared = nullptr) {
    prompter.onDialog = [=](QDialog& d) {
      if (!qobject_cast<app::DiskChangeDialog*>(&d)) return int(QDialog::Rejected);
      EXPECT_EQ(d.windowTitle(), QStringLiteral("Mission Changed on Disk"));
      if (compare) {
        d.findChild<QPushButton*>(QStringLiteral("CompareButton"))->click();
        if (compared)
          *compared =
              d.findChild<QPlainTextEdit*>(QStringLiteral("DifferencesText"))->toPlainText();
      }
      d.findChild<QPushButton*>(QLatin1String(button))->click();
      return d.result();
    };
  }
  void typeCargo(const QString& text) {
    auto* cargo = find<QLineEdit>("CargoEd");
    cargo->setFocus();
    type(cargo, text);
    doc().endTyping();
  }
};

TEST_F(DiskChange, UnchangedMissionReloadsInPlaceAsOneUndoStep) {
  const std::string file = writeGroups("m.kre", "Gamma");
  start();
  ASSERT_TRUE(window->load(QString::fromStdString(file)));
  doc().selectFlightGroups({2}, 2);
  auto* tabs = find<QTabWidget>("FGPages");
  tabs->setCurrentIndex(2);
  // Twice: a file replaced by rename stays watched.
  for (const char* name : {"Delta", "Omega"}) {
    writeGroups("m.kre", name);
    ASSERT_TRUE(QTest::qWaitFor([&] { return groupName(2) == name; }, 3000)) << name;
    EXPECT_FALSE(doc().isChanged());
    EXPECT_EQ(doc().currentFlightGroup(), 2);
    EXPECT_EQ(tabs->currentIndex(), 2);
    EXPECT_TRUE(status().contains(QStringLiteral("reloaded"))) << status().toStdString();
    EXPECT_EQ(doc().undoStack()->undoText(), QStringLiteral("Reload from disk"));
  }
  doc().undoStack()->undo();
  EXPECT_EQ(groupName(2), "Delta");
  EXPECT_TRUE(doc().isChanged());
}

TEST_F(DiskChange, UnsavedChangesAskReloadKeepMineOrCompare) {
  struct Case {
    const char* button;
    bool compare;
  };
  for (const Case c : {Case{"ReloadButton", false}, Case{"KeepMineButton", true}}) {
    SCOPED_TRACE(c.button);
    const std::string file = writeGroups("m.kre", "Gamma");
    start();
    ASSERT_TRUE(window->load(QString::fromStdString(file)));
    typeCargo(QStringLiteral("Ore"));
    const auto mine = model::writeMission(mission());
    QString compared;
    answerDiskChange(c.button, c.compare, &compared);
    const int asked = prompter.dialogCount("app::DiskChangeDialog");
    writeGroups("m.kre", "Delta");
    const auto theirs = fileBytes(file);
    ASSERT_TRUE(QTest::qWaitFor(
        [&] { return prompter.dialogCount("app::DiskChangeDialog") == asked + 1; }, 3000));
    if (c.compare) {
      EXPECT_TRUE(compared.contains(QStringLiteral("FlightGroups[2] \"Delta\"->")) ||
                  compared.contains(QStringLiteral("Name \"Delta\" -> \"Gamma\"")))
          << compared.toStdString();
    }
    if (std::string(c.button) == "ReloadButton") {
      EXPECT_EQ(model::writeMission(mission()), theirs);
      EXPECT_FALSE(doc().isChanged());
      doc().undoStack()->undo();  // the editor's changes stay a step back
      EXPECT_EQ(model::writeMission(mission()), mine);
    } else {
      EXPECT_EQ(model::writeMission(mission()), mine);
      // The next save asks again: Cancel keeps their file, Overwrite writes mine.
      answerDiskChange("CancelButton");
      EXPECT_FALSE(window->save());
      EXPECT_EQ(fileBytes(file), theirs);
      answerDiskChange("OverwriteButton");
      EXPECT_TRUE(window->save());
      EXPECT_EQ(fileBytes(file), mine);
    }
    prompter.onDialog = nullptr;
    doc().markSaved(doc().fileName());
    window.reset();
  }
}

TEST_F(DiskChange, ASaveNeverOverwritesAChangeItHasNotSeen) {
  const std::string file = writeGroups("m.kre", "Gamma");
  start();
  ASSERT_TRUE(window->load(QString::fromStdString(file)));
  // Rewritten and saved over before the watch could say anything; no edit in the editor.
  writeGroups("m.kre", "Delta");
  const auto theirs = fileBytes(file);
  answerDiskChange("CancelButton");
  EXPECT_FALSE(window->save());
  EXPECT_EQ(prompter.dialogCount("app::DiskChangeDialog"), 1);
  EXPECT_EQ(fileBytes(file), theirs);
  // The save question of closing asks the same, and Cancel keeps the editor open.
  typeCargo(QStringLiteral("X"));
  prompter.answers = {QMessageBox::Yes};
  window->close();
  EXPECT_TRUE(window->isVisible());
  EXPECT_EQ(fileBytes(file), theirs);
}

TEST_F(DiskChange, ADeletedFileStaysOpenAndSaveWritesItBack) {
  const std::string file = writeGroups("m.kre", "Gamma");
  start();
  ASSERT_TRUE(window->load(QString::fromStdString(file)));
  const auto bytes = fileBytes(file);
  fs::remove(file);
  ASSERT_TRUE(QTest::qWaitFor([&] { return doc().isChanged(); }, 3000));
  EXPECT_TRUE(status().contains(QStringLiteral("deleted or moved away")));
  // It is told once: another change in the folder wakes the watch and says nothing again.
  window->statusBar()->clearMessage();
  writeMission("other.kre");
  QTest::qWait(400);
  EXPECT_EQ(status(), QString());
  EXPECT_TRUE(window->save());
  EXPECT_EQ(fileBytes(file), bytes);
  EXPECT_EQ(prompter.dialogCount("app::DiskChangeDialog"), 0);
}

TEST_F(DiskChange, TwoEditorsOnOneFile) {
  const std::string file = writeGroups("m.kre", "Gamma");
  start();
  ASSERT_TRUE(window->load(QString::fromStdString(file)));
  app::StartOptions options;
  options.configDir = configDir();
  options.prompter = &prompter;
  app::MainWindow second(std::move(options));
  second.show();
  ASSERT_TRUE(QTest::qWaitFor([&] { return second.started(); }, 3000));
  prompter.answers = {QMessageBox::No, QMessageBox::Yes};
  EXPECT_FALSE(second.load(QString::fromStdString(file)));
  const auto asked = prompter.texts(PromptKind::Question);
  ASSERT_FALSE(asked.empty());
  EXPECT_TRUE(
      asked.back().contains(QStringLiteral("process %1").arg(QCoreApplication::applicationPid())))
      << asked.back().toStdString();
  EXPECT_TRUE(second.load(QString::fromStdString(file)));
  // The watch keeps the two honest: a save of one reloads the other.
  auto* cargo = second.findChild<QLineEdit*>(QStringLiteral("CargoEd"));
  ASSERT_TRUE(cargo);
  second.activateWindow();
  cargo->setFocus();
  type(cargo, QStringLiteral("Ice"));
  second.document().endTyping();
  ASSERT_TRUE(second.save());
  ASSERT_TRUE(
      QTest::qWaitFor([&] { return model::writeMission(mission()) == fileBytes(file); }, 3000));
  second.document().markSaved(second.document().fileName());
}

}  // namespace
