// Unsaved work outlives the editor: copies written as changes settle, offered at the next start
// ("Recover Unsaved Work") and restored byte for byte; copies of running editors left alone.
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTest>
#include <QTreeWidget>
#include <QWindow>

#include <filesystem>

#include "app/lists/message_sounds.h"
#include "app/shell/recovery_dialog.h"
#include "app/shell/recovery_keeper.h"
#include "editor_fixture.h"
#include "model/mission_file.h"
#include "shell/recovery.h"
#include "temp_dir.h"

using testing_gui::EditorFixture;
namespace fs = std::filesystem;

namespace {

class Recovery : public EditorFixture {
 protected:
  std::string folder() const { return shell::recoveryFolder(configDir()); }

  // The copies of editors that are gone.
  std::vector<shell::RecoveryCopy> deadCopies() const {
    std::vector<shell::RecoveryCopy> out;
    for (auto& c : shell::listCopies(folder()))
      if (!c.alive) out.push_back(std::move(c));
    return out;
  }

  // Waits (as the user would, doing nothing) until this editor's copy holds `bytes`.
  bool copyHolds(const std::vector<std::uint8_t>& bytes, int ms = 2500) {
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < ms) {
      QTest::qWait(20);
      for (const auto& c : shell::listCopies(folder())) {
        std::vector<std::uint8_t> got;
        std::string why;
        if (c.alive && c.readable && shell::readCopy(folder(), c.meta, "mission", got, why) &&
            got == bytes)
          return true;
      }
    }
    return false;
  }

  // The editor goes without closing, as a crash or a kill takes it.
  void crash() { window.reset(); }

  // Answers the offer: `press` the named button on the row of `file` (the current one if empty).
  void answerOffer(const char* press, QStringList* rows = nullptr) {
    prompter.onDialog = [press, rows](QDialog& d) {
      if (!qobject_cast<app::RecoveryDialog*>(&d)) return int(QDialog::Rejected);
      EXPECT_EQ(d.windowTitle(), QStringLiteral("Recover Unsaved Work"));
      auto* list = d.findChild<QTreeWidget*>(QStringLiteral("RecoveryList"));
      if (rows)
        for (int i = 0; i < list->topLevelItemCount(); ++i)
          *rows << list->topLevelItem(i)->text(0) + " | " + list->topLevelItem(i)->text(2);
      EXPECT_TRUE(d.findChild<QPushButton*>(QStringLiteral("RestoreButton"))->isDefault());
      d.findChild<QPushButton*>(QLatin1String(press))->click();
      return d.result();
    };
  }
};

TEST_F(Recovery, AnEditorTakenDownLeavesItsWorkAndTheNextOneRestoresIt) {
  struct Case {
    bool named;
    const char* row;
  };
  for (const Case c : {Case{true, "1 field in 1 flight group"}, Case{false, "never saved"}}) {
    SCOPED_TRACE(c.named);
    const std::string file = writeMission("work.kre");
    start();
    if (c.named) {
      ASSERT_TRUE(window->load(QString::fromStdString(file)));
    }
    auto* cargo = find<QLineEdit>("CargoEd");
    cargo->setFocus();
    type(cargo, QStringLiteral("Gold"));
    const std::vector<std::uint8_t> typed = model::writeMission(mission());
    ASSERT_TRUE(copyHolds(typed));
    crash();

    QStringList rows;
    answerOffer("RestoreButton", &rows);
    start();
    ASSERT_EQ(rows.size(), 1);
    EXPECT_EQ(rows[0],
              (c.named ? QString::fromStdString(file) : QStringLiteral("Unnamed")) + " | " + c.row);
    EXPECT_EQ(model::writeMission(mission()), typed);
    EXPECT_TRUE(doc().isChanged());
    EXPECT_TRUE(window->windowTitle().startsWith(QLatin1Char('*')) ||
                window->windowTitle().contains(QLatin1Char('*')));
    EXPECT_EQ(doc().named(), c.named);
    if (c.named) {
      EXPECT_EQ(doc().fileName(), file);
    }
    // The copy is this editor's now; a save takes it away.
    window->recovery().waitForWriter();
    EXPECT_TRUE(deadCopies().empty());
    ASSERT_EQ(shell::listCopies(folder()).size(), 1u);
    if (c.named) {
      ASSERT_TRUE(window->save());
      window->recovery().writeNow();
      window->recovery().waitForWriter();
      EXPECT_TRUE(shell::listCopies(folder()).empty());
      EXPECT_EQ(fileBytes(file), typed);
    }
    doc().markSaved(doc().fileName());
    window->close();
    window.reset();
    EXPECT_TRUE(shell::listCopies(folder()).empty());
    prompter.onDialog = nullptr;
  }
}

// A sound list changed and not saved is kept with the mission and comes back with it.
TEST_F(Recovery, AnUnsavedSoundListComesBackWithTheMission) {
  const std::string file = writeMission("snd.kre", 14, "Test", [](model::Mission& m) {
    m.addMessage();
    m.syncCounts();
  });
  fs::create_directories(path("game") + "/WAVE");
  testsupport::writeFile(path("game") + "/WAVE/snd.lst", "a.wav\r\n");
  start();
  ASSERT_TRUE(window->load(QString::fromStdString(file)));
  ASSERT_EQ(mission().sounds, std::vector<std::string>{"a.wav"});
  doc().setSounds({"b\\c.wav"});
  ASSERT_TRUE(copyHolds(model::writeMission(mission())));
  crash();
  QStringList rows;
  answerOffer("RestoreButton", &rows);
  start();
  ASSERT_EQ(rows.size(), 1);
  EXPECT_TRUE(rows[0].endsWith(QStringLiteral("; the sound list changed")))
      << rows[0].toStdString();
  EXPECT_EQ(mission().sounds, std::vector<std::string>{"b\\c.wav"});
  // The restored list is the mission's own again: saving it writes the file it came from.
  window->messageSounds().save();
  EXPECT_EQ(testsupport::readFile(path("game") + "/WAVE/snd.lst"), "b\\c.wav\r\n");
  doc().markSaved(doc().fileName());
  prompter.onDialog = nullptr;
}

// Work done before a gesture is copied however long the gesture lasts; typing is copied while a
// mouse button is down (a button is no gesture of the document's).
TEST_F(Recovery, WorkBeforeALongGestureIsCopiedWhileTheGestureLasts) {
  start();
  auto* cargo = find<QLineEdit>("CargoEd");
  cargo->setFocus();
  QWindow* handle = window->windowHandle();
  const QPoint free = window->statusBar()->mapTo(window.get(), QPoint(4, 4));
  QTest::mousePress(handle, Qt::LeftButton, {}, free);
  cargo->setFocus();
  type(cargo, QStringLiteral("Go"));
  ASSERT_NE(QGuiApplication::mouseButtons(), Qt::NoButton);
  EXPECT_TRUE(copyHolds(model::writeMission(mission())));
  QTest::mouseRelease(handle, Qt::LeftButton, {}, free);
  type(cargo, QStringLiteral("ld"));
  const std::vector<std::uint8_t> typed = model::writeMission(mission());
  doc().beginTransaction(QStringLiteral("gesture"), QStringLiteral("Move"));  // a drag begins
  EXPECT_TRUE(copyHolds(typed, 4000));
  doc().cancelTransaction();
}

TEST_F(Recovery, DiscardDecideLaterAndACopyThatCannotBeRead) {
  const std::string file = writeMission("later.kre");
  {
    auto s = shell::RecoverySession::start(folder(), nullptr);
    ASSERT_TRUE(s);
    shell::RecoveryMeta meta;
    meta.format = 14;
    meta.files.emplace_back().role = "mission";
    meta.files.back().path = file;
    ASSERT_TRUE(s->write(meta, {model::writeMission(model::Mission{})}).ok);
    auto broken = shell::RecoverySession::start(folder(), nullptr);
    ASSERT_TRUE(broken->write(meta, {{1, 2, 3}}).ok);
    fs::resize_file(folder() + "/" + broken->id() + ".mission", 1);
  }
  ASSERT_EQ(deadCopies().size(), 2u);
  // The unreadable copy is listed by its name and can only be discarded; the start goes on.
  prompter.onDialog = [](QDialog& d) {
    auto* list = d.findChild<QTreeWidget*>(QStringLiteral("RecoveryList"));
    EXPECT_EQ(list->topLevelItemCount(), 2);
    for (int i = 0; i < list->topLevelItemCount(); ++i) {
      if (!list->topLevelItem(i)->text(2).startsWith(QStringLiteral("cannot be read"))) continue;
      EXPECT_TRUE(list->topLevelItem(i)->text(0).endsWith(QStringLiteral(".mission")));
      list->setCurrentItem(list->topLevelItem(i));
      EXPECT_FALSE(d.findChild<QPushButton*>(QStringLiteral("RestoreButton"))->isEnabled());
      d.findChild<QPushButton*>(QStringLiteral("DiscardButton"))->click();
    }
    EXPECT_EQ(list->topLevelItemCount(), 1);
    d.findChild<QPushButton*>(QStringLiteral("DecideLaterButton"))->click();
    return d.result();
  };
  const std::string other = writeMission("other.kre", 14, "Other");
  start({QString::fromStdString(other)});
  EXPECT_EQ(doc().fileName(), other);  // Decide Later: the command line's file opens
  ASSERT_EQ(deadCopies().size(), 1u);
  EXPECT_TRUE(deadCopies()[0].readable);
  window.reset();
  answerOffer("DiscardButton");
  start();
  EXPECT_TRUE(deadCopies().empty());
}

TEST_F(Recovery, RunningEditorsLeaveEachOthersCopiesAlone) {
  start();
  auto* cargo = find<QLineEdit>("CargoEd");
  cargo->setFocus();
  type(cargo, QStringLiteral("X"));
  ASSERT_TRUE(copyHolds(model::writeMission(mission())));
  app::StartOptions options;
  options.configDir = configDir();
  options.prompter = &prompter;
  app::MainWindow second(std::move(options));
  second.show();
  for (int i = 0; i < 100 && !second.started(); ++i) QApplication::processEvents();
  EXPECT_EQ(prompter.dialogCount("app::RecoveryDialog"), 0);
  EXPECT_EQ(shell::listCopies(folder()).size(), 1u);
}

}  // namespace
