// The main window's life cycle: start-up, load, save, the save question, titles, history, keys,
// undo, the error list and the mission settings panel.
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QElapsedTimer>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSpinBox>
#include <QTabWidget>
#include <QToolButton>
#include <QUndoView>

#include <filesystem>
#include <fstream>

#include "app/base/notice_window.h"
#include "app/editing/flight_groups_page.h"
#include "app/editing/messages_page.h"
#include "app/editing/ship_list.h"
#include "app/editing/trigger_editor.h"
#include "app/map/map_window.h"
#include "app/shell/about_box.h"
#include "app/shell/error_list_window.h"
#include "app/shell/startup_dialog.h"
#include "app/shell/text_block_memo.h"
#include "editor_fixture.h"
#include "shell/file_history.h"

using testing_gui::EditorFixture;
using PromptKind = testing_gui::ScriptedPrompter::Kind;
namespace fs = std::filesystem;

namespace {

QString titleFor(const std::string& file, const char* missionTitle) {
  return QStringLiteral(" ZynED 1.1 - (%1) - %2")
      .arg(QString::fromStdString(fs::path(file).filename().string()),
           QString::fromLatin1(missionTitle));
}

std::vector<app::NoticeWindow*> notices(QWidget* w) {
  const auto list = w->findChildren<app::NoticeWindow*>();
  return {list.begin(), list.end()};
}

bool hasNotice(QWidget* w, const QString& text) {
  for (auto* n : w->findChildren<app::NoticeWindow*>())
    if (n->text() == text) return true;
  return false;
}

}  // namespace

// ------------------------------------------------------------------------------------------
// Start-up

class StartUp : public EditorFixture {};

TEST_F(StartUp, PathArgumentLoadsWhateverTheStartActionSays) {
  const std::string file = writeMission("arg.kre", 12, "Argument");
  settings.openProgWith = 2;  // would show the open dialog
  start({QString::fromStdString(file)});
  EXPECT_EQ(prompter.openCalls, 0);
  EXPECT_EQ(doc().fileName(), file);
  EXPECT_EQ(mission().platformId, 12);
  EXPECT_FALSE(doc().isChanged());
  EXPECT_EQ(window->windowTitle(), titleFor(file, "Argument"));
  ASSERT_EQ(window->history().size(), 1u);
  EXPECT_EQ(window->history().at(0), file);
  EXPECT_TRUE(find<QRadioButton>("ZynRadio")->isChecked());
}

TEST_F(StartUp, BlankStartShowsExpansionFormatAndPlainTitle) {
  settings.defaultFormat = 0;  // only New Mission follows it
  start();
  EXPECT_EQ(window->windowTitle(), QStringLiteral(" ZynED 1.1"));
  EXPECT_EQ(mission().platformId, 14);
  EXPECT_TRUE(find<QRadioButton>("QvnRadio")->isChecked());
  ASSERT_EQ(mission().flightGroups.size(), 1u);
  // At least 810 x 580, within the screen (the offscreen screen may be smaller), and wide
  // enough for the list's lines and the pages where the screen allows.
  const QRect area = window->screen()->availableGeometry();
  EXPECT_GE(window->width(), std::min(810, area.width()));
  EXPECT_GE(window->height(), std::min(580, area.height()));
  EXPECT_LE(window->width(), area.width());
  EXPECT_EQ(window->width(), std::min(area.width(), window->sizeHint().width()));
  EXPECT_TRUE(prompter.dialogs.empty());
  EXPECT_EQ(window->lastDirectory(), QString::fromStdString(settings.missionsDirectory));
}

TEST_F(StartUp, MissingSettingsFileOpensPreferencesWithDefaults) {
  start({}, /*writeIni=*/false);
  // Once for the missing file; cancelling it does not bring it back at once.
  EXPECT_EQ(prompter.dialogCount("app::PreferencesDialog"), 1);
  EXPECT_EQ(window->settings().gameDirectory, "Undefined");
}

TEST_F(StartUp, AbbreviatedDirectoryIsReportedBeforePreferences) {
  settings.waveDirectory = "C:\\GAMES\\QUELVA~1\\WAVE";
  start();
  const auto infos = prompter.texts(PromptKind::Information);
  ASSERT_EQ(infos.size(), 1u);
  EXPECT_EQ(infos[0], QStringLiteral("At least one directory in Preferences includes the "
                                     "abbreviation \"quelva~1\".\n\r You'll need to reset them "
                                     "for some features to work correctly."));
  EXPECT_EQ(prompter.dialogCount("app::PreferencesDialog"), 1);
}

TEST_F(StartUp, LastUsedFileLoadsOrSaysItIsGone) {
  const std::string file = writeMission("last.kre", 14, "Last");
  {
    shell::FileHistory h;
    h.add(file);
    ASSERT_TRUE(shell::writeHistory(h, editorDir).ok());
  }
  settings.openProgWith = 3;
  start();
  EXPECT_EQ(doc().fileName(), file);

  window.reset();
  fs::remove(file);
  prompter = {};
  start();
  EXPECT_EQ(doc().fileName(), model::UnnamedFile);
  EXPECT_TRUE(hasNotice(window.get(), QStringLiteral("Can't find last loaded file")));
}

TEST_F(StartUp, ChoiceBoxCanMakeAWizardMissionInTheDefaultFormat) {
  settings.openProgWith = 0;
  settings.defaultFormat = 0;
  settings.useWiz = true;
  prompter.onDialog = [](QDialog& d) {
    if (auto* s = qobject_cast<app::StartUpDialog*>(&d)) {
      s->setChoice(app::StartUpDialog::CreateNew);
      return int(QDialog::Accepted);
    }
    d.findChild<QRadioButton*>(QStringLiteral("CombatBut"))->setChecked(true);
    return int(QDialog::Accepted);
  };
  start();
  EXPECT_EQ(prompter.dialogCount("app::StartUpDialog"), 1);
  EXPECT_EQ(prompter.dialogCount("app::WizardDialog"), 1);
  EXPECT_EQ(mission().platformId, 12);
  EXPECT_EQ(mission().missionType(), 4);
  EXPECT_TRUE(doc().isChanged());
  EXPECT_EQ(window->windowTitle(), QStringLiteral(" ZynED 1.1 - [Unnamed*]"));
}

TEST_F(StartUp, ChoiceBoxWithoutTheWizardOnlyTakesTheDefaultFormat) {
  settings.openProgWith = 0;
  settings.defaultFormat = 0;
  settings.useWiz = false;
  prompter.onDialog = [](QDialog& d) {
    auto* s = qobject_cast<app::StartUpDialog*>(&d);
    if (!s) return int(QDialog::Rejected);
    s->setChoice(app::StartUpDialog::CreateNew);
    return int(QDialog::Accepted);
  };
  start();
  EXPECT_EQ(mission().platformId, 12);
  EXPECT_TRUE(find<QRadioButton>("ZynRadio")->isChecked());
  EXPECT_FALSE(doc().isChanged());
  EXPECT_EQ(window->windowTitle(), QStringLiteral(" ZynED 1.1"));
}

TEST_F(StartUp, ABrokenSettingsFileIsReportedNotSilentlyDefaulted) {
  ASSERT_TRUE(shell::writeSettings(iniPath(), settings));
  std::string text;
  {
    std::ifstream in(iniPath(), std::ios::binary);
    text.assign(std::istreambuf_iterator<char>(in), {});
  }
  const auto at = text.find("DefaultShip=1");
  ASSERT_NE(at, std::string::npos);
  text.replace(at, 13, "DefaultShip=lots\nnot a setting");
  std::ofstream(iniPath(), std::ios::binary) << text;

  start({}, false);
  const auto warnings = prompter.texts(PromptKind::Warning);
  ASSERT_EQ(warnings.size(), 1u);
  EXPECT_TRUE(warnings[0].contains(QStringLiteral("DefaultShip=lots")));
  EXPECT_TRUE(warnings[0].contains(QStringLiteral("not a setting")));
}

// ------------------------------------------------------------------------------------------
// Loading, saving and the save question

class LifeCycle : public EditorFixture {};

TEST_F(LifeCycle, TitleDropsLeadingMarkOnLoadAndKeepsItOnSave) {
  const std::string file = writeMission("mark.kre", 14, ">Convoy");
  start();
  ASSERT_TRUE(window->load(QString::fromStdString(file)));
  EXPECT_EQ(window->windowTitle(), titleFor(file, "Convoy"));
  ASSERT_TRUE(window->save());
  EXPECT_EQ(window->windowTitle(), titleFor(file, ">Convoy"));
  // A lone ">" is the whole title either way.
  const std::string lone = writeMission("lone.kre", 14, ">");
  ASSERT_TRUE(window->load(QString::fromStdString(lone)));
  EXPECT_EQ(window->windowTitle(), titleFor(lone, ">"));
}

TEST_F(LifeCycle, SaveWritesReportsAndChecks) {
  const std::string file = writeMission("save.kre");
  start();
  ASSERT_TRUE(window->load(QString::fromStdString(file)));
  const auto before = fileBytes(file);
  find<QRadioButton>("ZynRadio")->click();
  ASSERT_TRUE(doc().isChanged());
  ASSERT_TRUE(window->save());
  EXPECT_FALSE(doc().isChanged());
  const auto after = fileBytes(file);
  EXPECT_EQ(after.size(), before.size() - 3 * 4096 + 1024);
  EXPECT_EQ(after[0], 12);
  const QString notice = QString::fromStdString(model::savedBytesNotice(12, after.size()));
  EXPECT_TRUE(hasNotice(window.get(), notice));
  for (auto* n : notices(window.get()))
    if (n->text() == notice) {
      EXPECT_EQ(n->width(), app::NoticeWindow::widthFor(notice));
      EXPECT_EQ(n->windowTitle(), QStringLiteral("Information"));
    }
  // The new mission's single player craft on team 1 is clean: no list after the save.
  EXPECT_EQ(prompter.dialogCount("app::ErrorListWindow"), 0);
}

TEST_F(LifeCycle, NoByteNoticeWhenTheSettingIsOff) {
  settings.fileSavedMsg = false;
  const std::string file = writeMission("quiet.kre");
  start();
  ASSERT_TRUE(window->load(QString::fromStdString(file)));
  ASSERT_TRUE(window->save());
  EXPECT_TRUE(notices(window.get()).empty());
}

TEST_F(LifeCycle, SaveAsDialogStartsInTheFormatsFolderForTheMissionType) {
  fs::create_directories(fs::path(settings.gameDirectory) / "Quelvane" / "Melee");
  start();
  doc().setField(app::RecordKind::Header, 0, model::header::MissionType, model::u8{2});
  EXPECT_FALSE(window->saveAs());
  EXPECT_EQ(fs::path(prompter.lastSaveDir.toStdString()),
            fs::path(settings.gameDirectory) / "Quelvane" / "Melee");
  EXPECT_EQ(prompter.lastSaveFilter, QStringLiteral("Zyn Mission Files (*.[kK][rR][eE])"));
  EXPECT_EQ(prompter.lastSaveSuffix, QStringLiteral("kre"));
}

TEST_F(LifeCycle, YesThenCancelledSaveDialogLeavesEverythingAsItWas) {
  settings.defaultFormat = 0;  // a new mission would switch to the base format
  start();
  auto* memo = find<QPlainTextEdit>("DescriptionMemo");
  find<QTabWidget>("OverallPages")->setCurrentWidget(find<QWidget>("DescriptionPage"));
  memo->setFocus();
  type(memo, QStringLiteral("Keep me"));
  ASSERT_TRUE(doc().isChanged());
  const auto bytes = model::writeMission(mission());
  const QString title = window->windowTitle();
  const int steps = doc().undoStack()->count();

  for (auto command : {&app::MainWindow::newMission, &app::MainWindow::openMission}) {
    prompter.answers = {QMessageBox::Yes};
    prompter.saveNames = {QString()};  // cancel
    (window.get()->*command)();
    EXPECT_EQ(model::writeMission(mission()), bytes);
    EXPECT_TRUE(doc().isChanged());
    EXPECT_EQ(window->windowTitle(), title);
    EXPECT_EQ(doc().undoStack()->count(), steps);
    EXPECT_TRUE(find<QRadioButton>("QvnRadio")->isChecked());
    EXPECT_EQ(memo->toPlainText(), QStringLiteral("Keep me"));
  }
  EXPECT_EQ(prompter.openCalls, 0);
  EXPECT_EQ(prompter.texts(PromptKind::Question).size(), 2u);
  EXPECT_EQ(prompter.texts(PromptKind::Question)[0],
            QStringLiteral("Current Mission has been changed. Save it?"));

  // Cancel at the question stops too; No goes on without saving.
  prompter.answers = {QMessageBox::Cancel};
  window->newMission();
  EXPECT_TRUE(doc().isChanged());
  prompter.answers = {QMessageBox::No};
  window->newMission();
  EXPECT_FALSE(doc().isChanged());
  EXPECT_EQ(mission().platformId, 12);
  EXPECT_EQ(window->windowTitle(), QStringLiteral(" ZynED 1.1 - [Unnamed]"));
  EXPECT_EQ(prompter.saveCalls, 2);
}

TEST_F(LifeCycle, YesSavesAnUnnamedMissionThroughTheSaveDialogThenGoesOn) {
  start();
  doc().setField(app::RecordKind::Header, 0, model::header::TimeLimitMinutes, model::u8{7});
  const std::string target = path("named.kre");
  prompter.answers = {QMessageBox::Yes};
  prompter.saveNames = {QString::fromStdString(target)};
  window->newMission();
  ASSERT_TRUE(fs::exists(target));
  model::Mission back;
  ASSERT_TRUE(model::loadMissionFile(target, back).ok());
  EXPECT_EQ(back.header.get(model::header::TimeLimitMinutes), 7);
  EXPECT_EQ(mission().header.get(model::header::TimeLimitMinutes), 0);
  EXPECT_EQ(window->history().at(0), target);
}

TEST_F(LifeCycle, FailedSaveShowsTheReasonAndKeepsTheOldFile) {
  // A name so long that the temporary file beside it cannot be made: the save fails even for
  // a user who may write anywhere.
  const std::string file = path(std::string(246, 'a') + ".kre");
  {
    const auto image = fileBytes(writeMission("short.kre", 14, "Old"));
    std::ofstream(file, std::ios::binary)
        .write(reinterpret_cast<const char*>(image.data()),
               static_cast<std::streamsize>(image.size()));
  }
  start();
  ASSERT_TRUE(window->load(QString::fromStdString(file)));
  const auto old = fileBytes(file);
  find<QRadioButton>("ZynRadio")->click();
  EXPECT_FALSE(window->save());
  const auto errors = prompter.texts(PromptKind::Error);
  ASSERT_EQ(errors.size(), 1u);
  EXPECT_TRUE(errors[0].contains(QString::fromStdString(file)));
  EXPECT_TRUE(errors[0].contains(QStringLiteral("too long"), Qt::CaseInsensitive));
  EXPECT_EQ(fileBytes(file), old);
  EXPECT_TRUE(doc().isChanged());
  EXPECT_TRUE(notices(window.get()).empty());

  // Yes at the save question with a failing save stops the command.
  prompter.answers = {QMessageBox::Yes};
  window->newMission();
  EXPECT_EQ(doc().fileName(), file);
  EXPECT_TRUE(doc().isChanged());
}

TEST_F(LifeCycle, RefusedFilesLeaveTheOpenMissionAlone) {
  const std::string good = writeMission("good.kre", 14, "Good");
  const std::string older = path("old.vtn");
  { std::ofstream(older, std::ios::binary).write("\x02\x00\x01\x02", 4); }
  const std::string kre = path("kre.kre");
  { std::ofstream(kre, std::ios::binary).write("\xff\xff\x00\x00", 4); }
  auto damaged = fileBytes(good);
  damaged.resize(damaged.size() / 2);
  const std::string cut = path("cut.kre");
  ASSERT_TRUE(model::writeFileAtomically(cut, damaged).ok);

  start();
  ASSERT_TRUE(window->load(QString::fromStdString(good)));
  doc().setField(app::RecordKind::Header, 0, model::header::TimeLimitSeconds, model::u8{30});
  const auto bytes = model::writeMission(mission());
  const QString title = window->windowTitle();

  for (const std::string& bad : {older, kre, cut}) {
    prompter.shown.clear();
    prompter.answers = {QMessageBox::No};
    prompter.openNames = {QString::fromStdString(bad)};
    window->openMission();
    const auto errors = prompter.texts(PromptKind::Error);
    ASSERT_EQ(errors.size(), 1u) << bad;
    EXPECT_EQ(model::writeMission(mission()), bytes);
    EXPECT_EQ(doc().fileName(), good);
    EXPECT_TRUE(doc().isChanged());
    EXPECT_EQ(window->windowTitle(), title);
  }
  EXPECT_TRUE(prompter.texts(PromptKind::Error)[0].contains(QStringLiteral("cut.kre")));
}

TEST_F(LifeCycle, LoadWritesTheBackupUnlessItIsTheBackup) {
  const std::string file = writeMission("orig.kre", 12, "Orig");
  start();
  ASSERT_TRUE(window->load(QString::fromStdString(file)));
  const std::string backup = path("Backup.kre");
  ASSERT_TRUE(fs::exists(backup));
  EXPECT_EQ(fileBytes(backup), fileBytes(file));
  const auto stamp = fs::last_write_time(backup);
  ASSERT_TRUE(window->load(QString::fromStdString(backup)));
  EXPECT_EQ(fs::last_write_time(backup), stamp);
}

TEST_F(LifeCycle, NoBackupWhenTheSettingIsOff) {
  settings.doBackups = false;
  const std::string file = writeMission("orig.kre");
  start();
  ASSERT_TRUE(window->load(QString::fromStdString(file)));
  EXPECT_FALSE(fs::exists(path("Backup.kre")));
}

TEST_F(LifeCycle, OpenDialogUsesTheNamedFiltersAndRemembersTheFolder) {
  fs::create_directories(path("sub"));
  const std::string file = writeMission("sub/one.kre");
  start();
  prompter.openNames = {QString::fromStdString(file)};
  window->openMission();
  EXPECT_EQ(prompter.lastOpenFilter,
            QStringLiteral("Zyn mission files (.kre) (*.[kK][rR][eE]);;Vortan mission files "
                           "(.vtn) (*.[vV][tT][nN]);;All Files (*.*) (*)"));
  EXPECT_EQ(window->lastDirectory().toStdString(), path("sub"));
  window->openMission();
  EXPECT_EQ(prompter.lastOpenDir.toStdString(), path("sub"));
}

// ------------------------------------------------------------------------------------------
// File history

class History : public EditorFixture {};

TEST_F(History, OpeningTwiceKeepsOneEntryAndClosingWritesTheFile) {
  const std::string a = writeMission("a.kre");
  const std::string b = writeMission("b.kre");
  start();
  for (const auto& f : {a, b, a}) {
    prompter.openNames = {QString::fromStdString(f)};
    window->openMission();
  }
  ASSERT_EQ(window->history().size(), 2u);
  EXPECT_EQ(window->history().at(0), a);
  auto* menu = window->findChild<QMenu*>(QStringLiteral("ReopenMenu"));
  ASSERT_NE(menu, nullptr);
  ASSERT_EQ(menu->actions().size(), 2);
  EXPECT_EQ(menu->actions()[0]->text(), QStringLiteral("&0 a.kre"));
  EXPECT_EQ(menu->actions()[1]->text(), QStringLiteral("&1 b.kre"));

  menu->actions()[1]->trigger();
  EXPECT_EQ(doc().fileName(), b);
  EXPECT_EQ(window->history().at(0), b);

  EXPECT_TRUE(window->close());
  EXPECT_TRUE(prompter.shown.empty());
  const auto stored = shell::readHistory(editorDir);
  ASSERT_EQ(stored.size(), 2u);
  EXPECT_EQ(stored.at(0), b);
}

TEST_F(History, ReopenFromTheMenuKeepsTheEntryThatRanIt) {
  const std::string a = writeMission("a.kre", 14, "A");
  const std::string b = writeMission("b.kre", 14, "B");
  start();
  for (const auto& f : {a, b}) {
    prompter.openNames = {QString::fromStdString(f)};
    window->openMission();
  }
  auto* menu = window->findChild<QMenu*>(QStringLiteral("ReopenMenu"));
  ASSERT_EQ(menu->actions().size(), 2);
  // The menu goes on using the entry after its signal: reopening must not delete it.
  QPointer<QAction> entry = menu->actions()[1];
  QPointer<QAction> other = menu->actions()[0];
  entry->trigger();
  ASSERT_FALSE(entry.isNull());
  ASSERT_FALSE(other.isNull());
  EXPECT_EQ(doc().fileName(), a);
  ASSERT_EQ(menu->actions().size(), 2);
  EXPECT_EQ(menu->actions()[0]->text(), QStringLiteral("&0 a.kre"));
  EXPECT_EQ(menu->actions()[1]->text(), QStringLiteral("&1 b.kre"));
  // Each entry still opens the file its caption names.
  menu->actions()[1]->trigger();
  EXPECT_EQ(doc().fileName(), b);
}

TEST_F(History, ReopenOfAGoneFileSaysSoAndKeepsTheMission) {
  const std::string a = writeMission("a.kre", 14, "A");
  const std::string b = writeMission("b.kre", 14, "B");
  start();
  ASSERT_TRUE(window->load(QString::fromStdString(a)));
  window->reopen(0);  // not in the history: nothing
  prompter.openNames = {QString::fromStdString(b)};
  window->openMission();
  fs::remove(b);
  window->reopen(0);
  const auto errors = prompter.texts(PromptKind::Error);
  ASSERT_EQ(errors.size(), 1u);
  EXPECT_EQ(errors[0], QString::fromStdString(b + " does not exist"));
  EXPECT_EQ(doc().fileName(), b);
}

TEST_F(History, ClosingWithoutAnEditorFolderWarns) {
  start();
  window->settings().editorDirectory = path("gone");
  EXPECT_TRUE(window->close());
  const auto warnings = prompter.texts(PromptKind::Warning);
  ASSERT_EQ(warnings.size(), 1u);
  EXPECT_EQ(warnings[0],
            QStringLiteral("Can't find your ZynED directory. Use Preferences to set it."));
}

// A step that sets no flag of its own (auto-linking every group), done and undone, leaves a
// changed Mission changed: the title keeps its mark and closing still offers to save.
TEST_F(History, AStepThatSetsNoFlagLeavesAChangedMissionChanged) {
  const std::string file = writeMission("c.kre", 14, "Kept");
  start({QString::fromStdString(file)});
  doc().setField(app::RecordKind::Header, 0, model::header::TimeLimitMinutes, 7);
  const QString marked = QStringLiteral(" ZynED 1.1 - (c.kre*) - Kept");
  ASSERT_EQ(window->windowTitle(), marked);
  doc().setAutoLinkAll(false);
  EXPECT_EQ(window->windowTitle(), marked);
  doc().undoStack()->undo();
  EXPECT_EQ(window->windowTitle(), marked);
  prompter.answers = {QMessageBox::Cancel};
  EXPECT_FALSE(window->close());
  EXPECT_EQ(prompter.texts(PromptKind::Question).size(), 1u);
}

TEST_F(History, ClosingAChangedMissionAsksAndCancelKeepsTheWindow) {
  start();
  doc().setFormat(12);
  prompter.answers = {QMessageBox::Cancel};
  EXPECT_FALSE(window->close());
  EXPECT_FALSE(fs::exists(fs::path(editorDir) / "EDHistry.txt"));
  prompter.answers = {QMessageBox::No};
  EXPECT_TRUE(window->close());
  EXPECT_TRUE(fs::exists(fs::path(editorDir) / "EDHistry.txt"));
}

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

// ------------------------------------------------------------------------------------------
// The mission settings panel and the memos

class Panel : public EditorFixture {};

TEST_F(Panel, ControlsWriteTheMissionAtOnce) {
  start();
  auto* type = find<QComboBox>("MissionTypeBox");
  ASSERT_EQ(type->count(), 5);
  EXPECT_EQ(type->itemText(1), QStringLiteral("1"));
  testing_gui::contentOf(doc()).teamIff[0] = 3;
  testing_gui::contentOf(doc()).teamIff[1] = 3;
  type->setCurrentIndex(4);
  emit type->activated(4);
  EXPECT_EQ(mission().missionType(), 4);
  EXPECT_EQ(mission().teamIff[0], 1);
  EXPECT_EQ(mission().teamIff[1], 0);

  find<QSpinBox>("MissMinSpin")->setValue(12);
  find<QSpinBox>("MissSecSpin")->setValue(40);
  EXPECT_EQ(mission().header.get(model::header::TimeLimitMinutes), 12);
  EXPECT_EQ(mission().header.get(model::header::TimeLimitSeconds), 40);
  EXPECT_TRUE(doc().isChanged());

  doc().undoStack()->undo();
  EXPECT_EQ(find<QSpinBox>("MissSecSpin")->value(), 0);
  doc().undoStack()->undo();
  doc().undoStack()->undo();
  EXPECT_EQ(type->currentIndex(), 0);
  EXPECT_EQ(mission().teamIff[0], 3);
}

TEST_F(Panel, DescriptionTypingStopsAtTheFormatsLimit) {
  start();
  find<QRadioButton>("ZynRadio")->click();
  auto* memo = qobject_cast<app::TextBlockMemo*>(find<QPlainTextEdit>("DescriptionMemo"));
  ASSERT_NE(memo, nullptr);
  // The base format's block holds 1023 characters and its closing zero.
  EXPECT_EQ(memo->limit(), 1023);
  memo->setPlainText(QString(1019, QLatin1Char('x')));
  memo->setFocus();
  memo->moveCursor(QTextCursor::End);
  type(memo, QStringLiteral("abcdef"));
  EXPECT_EQ(memo->storedLength(), 1023);
  EXPECT_TRUE(memo->toPlainText().endsWith(QStringLiteral("xabcd")));
  type(memo, QStringLiteral("\n"));  // a line break needs two
  EXPECT_EQ(memo->storedLength(), 1023);
  // Everything typed reaches the file.
  const auto image = model::writeMission(mission());
  const std::string stored(image.end() - 1024, image.end() - 1);
  EXPECT_EQ(stored, std::string(1019, 'x') + "abcd");

  find<QRadioButton>("QvnRadio")->click();
  EXPECT_EQ(memo->limit(), 4095);
  type(memo, QStringLiteral("\nz"));
  EXPECT_EQ(memo->storedLength(), 1026);
  EXPECT_EQ(mission().description.text().size(), 1026u);
}

TEST_F(Panel, TabLeavesTheMemoAndComposedTextStopsAtTheLimit) {
  start();
  find<QTabWidget>("OverallPages")->setCurrentWidget(find<QWidget>("DescriptionPage"));
  find<QRadioButton>("ZynRadio")->click();
  auto* memo = qobject_cast<app::TextBlockMemo*>(find<QPlainTextEdit>("DescriptionMemo"));
  ASSERT_NE(memo, nullptr);
  EXPECT_TRUE(memo->tabChangesFocus());

  memo->setPlainText(QString(1020, QLatin1Char('x')));
  memo->moveCursor(QTextCursor::End);
  QInputMethodEvent composed;
  composed.setCommitString(QStringLiteral("\u00e9t\u00e9s"));
  QApplication::sendEvent(memo, &composed);
  EXPECT_EQ(memo->storedLength(), 1023);
  EXPECT_TRUE(memo->toPlainText().endsWith(QStringLiteral("x\u00e9t\u00e9")));
  EXPECT_EQ(mission().description.text().size(), 1023u);
}

TEST_F(Panel, MemoTextConvertsLineEnds) {
  EXPECT_EQ(app::TextBlockMemo::toMemo("a\r\nb\r"), QStringLiteral("a\nb\n"));
  EXPECT_EQ(app::TextBlockMemo::toBlock(QStringLiteral("a\nb")), "a\r\nb");
  EXPECT_EQ(app::TextBlockMemo::toBlock(QStringLiteral("caf\u00e9")), "caf\xe9");
}

TEST_F(Panel, ToolBarHasEveryButtonAndAllAreLive) {
  start();
  const char* now[] = {"LstBtn",      "BattleBtn", "OptBtn",        "ErrorCheckBtn", "PrefsBtn",
                       "NewFGBut",    "DeleteBut", "NewMissionBtn", "LoadBtn",       "SaveAsBtn",
                       "CutBtn",      "CopyBtn",   "PasteBtn",      "SaveBtn",       "AboutBtn",
                       "HomePageBtn", "BriefBtn",  "MapBtn",        "LibShowBut",    "PutIntoLib"};
  for (const char* n : now) EXPECT_TRUE(find<QToolButton>(n)->isEnabled()) << n;
  // A single flight group has nowhere to move.
  EXPECT_FALSE(find<QToolButton>("UpBtn")->isEnabled());
  EXPECT_FALSE(find<QToolButton>("DownBtn")->isEnabled());
  EXPECT_EQ(find<QToolButton>("SaveAsBtn")->toolTip(), QStringLiteral("Save As "));
  EXPECT_EQ(find<QToolButton>("LstBtn")->toolTip(), QStringLiteral("Edit .lst Files"));
  // The list's pop-up menu: the list commands, undo, redo and the file commands, the same
  // actions as the menu bar's.
  QStringList captions;
  const auto popup = window->flightGroupsPage()->shipList()->popupMenu()->actions();
  for (QAction* a : popup)
    if (!a->isSeparator()) captions << a->text();
  EXPECT_EQ(captions,
            (QStringList{"Add &FG", "&Delete", "&Copy", "&Paste", "Move &up", "&Move down",
                         "Where is it &used?", "&Undo", "&Redo", "&New Mission", "&Open...",
                         "&Save", "Save &as...", "&Reopen", "&Load by lst..."}));
  EXPECT_EQ(popup.front(), window->findChild<QAction*>(QStringLiteral("NewFGAction")));
  auto* pages = find<QTabWidget>("OverallPages");
  ASSERT_EQ(pages->count(), 6);
  EXPECT_EQ(pages->tabText(0), QStringLiteral("F&light Groups"));  // Alt+L
  EXPECT_EQ(pages->tabText(5), QStringLiteral("Te&ams"));
}

TEST_F(Panel, HomePageComesFromTheSettingsFileWhenGiven) {
  start();
  EXPECT_EQ(window->homePageUrl(), QString());  // the editor's own help page
  {
    std::ofstream ini(iniPath(), std::ios::app);
    ini << "\n[Options]\nHomePage=https://example.net/missions\n";
  }
  EXPECT_EQ(window->homePageUrl(), QStringLiteral("https://example.net/missions"));
}

// ------------------------------------------------------------------------------------------
// The error check

class Check : public EditorFixture {
 protected:
  // A mission whose only finding is a warning: seven starfighters in one computer group.
  static void sevenFighters(model::Mission& m) {
    const int i = m.addFlightGroup();
    m.flightGroups[static_cast<std::size_t>(i)].set(model::fg::CraftCount, model::u8{7});
  }
};

TEST_F(Check, CleanMissionSaysSeemsOk) {
  start();
  window->errorCheck();
  EXPECT_TRUE(hasNotice(window.get(), QStringLiteral("Seems Ok.")));
  EXPECT_EQ(prompter.dialogCount("app::ErrorListWindow"), 0);
}

TEST_F(Check, WarningsCanBeLeftOutUntilTheNextLoad) {
  const std::string file = writeMission("warn.kre", 14, "W", sevenFighters);
  start();
  ASSERT_TRUE(window->load(QString::fromStdString(file)));
  QString listed;
  prompter.onDialog = [&](QDialog& d) {
    auto* w = qobject_cast<app::ErrorListWindow*>(&d);
    if (!w) return int(QDialog::Rejected);
    listed = w->listText();
    auto* box = w->findChild<QCheckBox*>(QStringLiteral("OmitWarningsBox"));
    EXPECT_EQ(box->text(), QStringLiteral("&Don't include Warnings again this mission"));
    box->click();
    return int(QDialog::Accepted);
  };
  window->errorCheck();
  EXPECT_TRUE(listed.startsWith(QStringLiteral("WARNING: ")));
  EXPECT_TRUE(window->omitWarnings());

  window->errorCheck();
  EXPECT_EQ(prompter.dialogCount("app::ErrorListWindow"), 1);
  EXPECT_TRUE(hasNotice(window.get(), QStringLiteral("Seems Ok.")));

  ASSERT_TRUE(window->save());  // silent: nothing to show
  EXPECT_EQ(prompter.dialogCount("app::ErrorListWindow"), 1);

  ASSERT_TRUE(window->load(QString::fromStdString(file)));
  EXPECT_FALSE(window->omitWarnings());
  ASSERT_TRUE(window->save());  // the silent check finds the warning again
  EXPECT_EQ(prompter.dialogCount("app::ErrorListWindow"), 2);
}

// The byte count of a save stays in sight beside the list of what the check found.
TEST_F(Check, SavedNoticeIsNotHiddenBehindTheErrorList) {
  const std::string file = writeMission("warn.kre", 14, "W", sevenFighters);
  start();
  ASSERT_TRUE(window->load(QString::fromStdString(file)));
  QRect list, notice;
  prompter.onDialog = [&](QDialog& d) {
    list = d.frameGeometry();
    for (auto* n : window->findChildren<app::NoticeWindow*>())
      if (n->isVisible()) notice = n->frameGeometry();
    return int(QDialog::Accepted);
  };
  ASSERT_TRUE(window->save());
  ASSERT_EQ(prompter.dialogCount("app::ErrorListWindow"), 1);
  ASSERT_TRUE(notice.isValid());
  EXPECT_FALSE(list.intersects(notice));
}

TEST_F(Check, ErrorListShowsErrorsBeforeWarnings) {
  app::ErrorListWindow w({QStringLiteral("ERROR: one")}, {QStringLiteral("WARNING: two")}, false);
  EXPECT_EQ(w.windowTitle(), QStringLiteral("Error and Warning List"));
  EXPECT_EQ(w.listText(), QStringLiteral("ERROR: one\nWARNING: two"));
  app::ErrorListWindow omitted({QStringLiteral("ERROR: one")}, {QStringLiteral("WARNING: two")},
                               true);
  EXPECT_EQ(omitted.listText(), QStringLiteral("ERROR: one"));
  EXPECT_TRUE(omitted.omitWarnings());
}

// ------------------------------------------------------------------------------------------
// Preferences from the main window

class MainPreferences : public EditorFixture {};

TEST_F(MainPreferences, FirstRunOkWritesTheSettingsFile) {
  prompter.onDialog = [](QDialog& d) {
    if (d.objectName() != QStringLiteral("PrefForm")) return int(QDialog::Rejected);
    d.accept();
    return int(QDialog::Accepted);
  };
  start({}, /*writeIni=*/false);
  EXPECT_TRUE(fs::exists(iniPath()));
}

TEST_F(MainPreferences, CancelStillAppliesForThisRunAndReachesTheMission) {
  const std::string file = writeMission("pref.kre");
  start();
  prompter.openNames = {QString::fromStdString(file)};
  window->openMission();
  const auto iniBefore = fileBytes(iniPath());
  prompter.onDialog = [](QDialog& d) {
    d.findChild<QCheckBox*>(QStringLiteral("DirInReopenCheck"))->setChecked(true);
    d.findChild<QCheckBox*>(QStringLiteral("AutoLinkCheck"))->click();
    auto* ship = d.findChild<QComboBox*>(QStringLiteral("DefaultShipBox"));
    ship->setCurrentIndex(5);
    d.reject();
    return int(QDialog::Rejected);
  };
  window->preferences();
  auto* menu = window->findChild<QMenu*>(QStringLiteral("ReopenMenu"));
  ASSERT_EQ(menu->actions().size(), 1);
  EXPECT_EQ(menu->actions()[0]->text(), QStringLiteral("&0 ") + QString::fromStdString(file));
  EXPECT_FALSE(mission().flightGroups[0].autoLink);
  EXPECT_EQ(doc().newFlightGroupTemplate().get(model::fg::CraftType), 5);
  EXPECT_EQ(doc().defaults().defaultShip, 5);
  EXPECT_EQ(fileBytes(iniPath()), iniBefore);
  EXPECT_FALSE(doc().isChanged());
}

TEST_F(MainPreferences, UndoingOlderEditsKeepsTheAutoLinkChosenInPreferences) {
  const std::string file = writeMission("autolink.kre");
  start();
  prompter.openNames = {QString::fromStdString(file)};
  window->openMission();
  ASSERT_TRUE(mission().flightGroups[0].autoLink);
  doc().setFlightGroupField(model::fg::CraftType, model::u8{7});
  prompter.onDialog = [](QDialog& d) {
    d.findChild<QCheckBox*>(QStringLiteral("AutoLinkCheck"))->click();
    d.reject();
    return int(QDialog::Rejected);
  };
  window->preferences();
  EXPECT_FALSE(mission().flightGroups[0].autoLink);
  // History stays in order: the switch is undone before the older edit, and redone after it.
  doc().undoStack()->undo();
  EXPECT_TRUE(mission().flightGroups[0].autoLink);
  EXPECT_EQ(mission().flightGroups[0].get(model::fg::CraftType), 7);
  doc().undoStack()->undo();
  EXPECT_NE(mission().flightGroups[0].get(model::fg::CraftType), 7);
  doc().undoStack()->redo();
  doc().undoStack()->redo();
  EXPECT_FALSE(mission().flightGroups[0].autoLink);
  EXPECT_EQ(mission().flightGroups[0].get(model::fg::CraftType), 7);
}

TEST(DialogFilter, KeepsTheNamesAndMatchesEitherCase) {
  EXPECT_EQ(app::dialogFilter(QStringLiteral("Zyn Mission Files|*.kre")),
            QStringLiteral("Zyn Mission Files (*.[kK][rR][eE])"));
  EXPECT_EQ(app::dialogFilter(QStringLiteral("Lists|*.lst;*.txt|All Files (*.*)|*.*")),
            QStringLiteral("Lists (*.[lL][sS][tT] *.[tT][xX][tT]);;All Files (*.*) (*)"));
  EXPECT_EQ(app::dialogFilter(QString()), QString());
}

// ------------------------------------------------------------------------------------------
// Pictures for a look by eye (skipped unless ZYNED_GRAB_DIR names a folder)

class Pictures : public EditorFixture {};

TEST_F(Pictures, DISABLED_GrabMainWindowAndShellWindows) {
  const QString out = QString::fromLocal8Bit(qgetenv("ZYNED_GRAB_DIR"));
  if (out.isEmpty()) GTEST_SKIP() << "set ZYNED_GRAB_DIR to save pictures of the windows";
  const std::string file = writeMission("pic.kre", 14, ">Picture", [](model::Mission& m) {
    m.description.setText("A convoy crosses the sector.\r\nKeep it alive.");
    m.successDebrief.setText("Well flown.");
    m.failureDebrief.setText("The convoy is lost.");
  });
  start();
  window->resize(810, 580);
  ASSERT_TRUE(window->load(QString::fromStdString(file)));
  auto* pages = find<QTabWidget>("OverallPages");
  auto grab = [&](const QString& name) {
    QApplication::processEvents();
    window->grab().save(out + QLatin1Char('/') + name + QStringLiteral(".png"));
  };
  grab(QStringLiteral("main-flightgroups"));
  if (auto* sub = window->flightGroupsPage()->pages()) {
    sub->setCurrentIndex(sub->count() - 1);
    grab(QStringLiteral("main-other"));
  }
  pages->setCurrentWidget(find<QWidget>("DescriptionPage"));
  grab(QStringLiteral("main-description"));
  pages->setCurrentWidget(find<QWidget>("DebriefingsPage"));
  grab(QStringLiteral("main-debriefings-qvn"));
  find<QRadioButton>("ZynRadio")->click();
  grab(QStringLiteral("main-debriefings-zyn"));

  app::ErrorListWindow list(
      {QStringLiteral("ERROR: There are no player craft on Team 1. There MUST be player craft "
                      "on Team 1 for a mission to work.")},
      {QStringLiteral("WARNING: Mission Type of \"1\" is unknown.")}, false);
  list.show();
  QApplication::processEvents();
  list.grab().save(out + QStringLiteral("/error-list.png"));
  app::StartUpDialog startUp;
  startUp.show();
  QApplication::processEvents();
  startUp.grab().save(out + QStringLiteral("/startup.png"));
  app::AboutBox about;
  about.show();
  QApplication::processEvents();
  about.grab().save(out + QStringLiteral("/about.png"));
  auto* notice = app::NoticeWindow::show(window.get(),
                                         QStringLiteral("Qvn Format.  12345 bytes written."), 5000);
  QApplication::processEvents();
  notice->grab().save(out + QStringLiteral("/notice.png"));
}

TEST_F(Pictures, DISABLED_GrabDefaultSizeListAndMessages) {
  const QString out = QString::fromLocal8Bit(qgetenv("ZYNED_GRAB_DIR"));
  if (out.isEmpty()) GTEST_SKIP() << "set ZYNED_GRAB_DIR to save pictures of the windows";
  const std::string file = writeMission("busy.kre", 14, "Busy", [](model::Mission& m) {
    const char* names[] = {"Red", "Convoy Alpha", "Relay Station", "Kestrel"};
    for (int i = 0; i < 4; ++i) {
      m.addFlightGroup();
      model::FlightGroup& g = m.flightGroups.back();
      g.setText(model::fg::Name, names[i]);
      g.set(model::fg::CraftType, static_cast<model::u8>(20 + 9 * i));
      g.set(model::fg::CraftCount, static_cast<model::u8>(2 + i));
      g.set(model::fg::GlobalGroup, static_cast<model::u8>(i + 1));
      g.setText(model::fg::Roles, i == 1 ? "1MIS" : "1PRI");
    }
    m.flightGroups[1].set(model::fg::ArrivalDifficulty, model::u8{4});
    for (const char* text : {"Red Leader: Form up on me.", "Convoy Alpha has entered the sector",
                             "Relay Station shields are failing"}) {
      m.addMessage();
      m.messages.back().setText(model::message::Text, text);
    }
  });
  start();
  ASSERT_TRUE(window->load(QString::fromStdString(file)));
  auto grab = [&](const QString& name) {
    QApplication::processEvents();
    window->grab().save(out + QLatin1Char('/') + name + QStringLiteral(".png"));
  };
  grab(QStringLiteral("default-flightgroups"));
  auto* pages = find<QTabWidget>("OverallPages");
  // The tab holds the frame the page is built into.
  pages->setCurrentWidget(window->messagesPage()->parentWidget());
  grab(QStringLiteral("default-messages"));
  // As wide as a maximised window on a large screen.
  window->resize(1900, 1000);
  for (int i = 0; i < pages->count(); ++i) {
    pages->setCurrentIndex(i);
    grab(QStringLiteral("wide-%1").arg(i));
  }
}

TEST_F(Panel, PasteStopsAtTheLimitToo) {
  start();
  find<QRadioButton>("ZynRadio")->click();
  auto* memo = qobject_cast<app::TextBlockMemo*>(find<QPlainTextEdit>("DescriptionMemo"));
  ASSERT_NE(memo, nullptr);
  memo->setPlainText(QString(1018, QLatin1Char('x')));
  memo->moveCursor(QTextCursor::End);
  QApplication::clipboard()->setText(QStringLiteral("ab\r\ncd"));
  memo->paste();
  // "ab", the line break (two places) and "c" fill the last five places; "d" stays out.
  EXPECT_EQ(memo->storedLength(), 1023);
  EXPECT_TRUE(memo->toPlainText().endsWith(QStringLiteral("xab\nc")));
  EXPECT_EQ(mission().description.text().size(), 1023u);
}

// The sounds' group stands apart from the teams' list, as high as it needs: the trigger editor
// below keeps its room.
TEST_F(Panel, MessagesTabKeepsTheSoundsApartAndTheTriggersTheirRoom) {
  start();
  // The tab holds the frame the page is built into.
  find<QTabWidget>("OverallPages")->setCurrentWidget(window->messagesPage()->parentWidget());
  QApplication::processEvents();
  auto* teams = find<QWidget>("SentToTeamsGroup");
  auto* sounds = find<QWidget>("WavManagerGroup");
  auto* page = window->messagesPage();
  const QRect t(teams->mapTo(page, QPoint()), teams->size());
  const QRect s(sounds->mapTo(page, QPoint()), sounds->size());
  EXPECT_GT(s.top(), t.bottom());
  EXPECT_LE(sounds->height(), sounds->sizeHint().height());
  auto* triggers = page->triggerEditor();
  EXPECT_GE(triggers->height(), triggers->sizeHint().height());
}

// On a maximised window no field grows past a width to read it by.
TEST_F(Panel, FieldsKeepAWidthToReadThemByOnAWideWindow) {
  start();
  window->resize(1900, 1000);
  auto* pages = find<QTabWidget>("OverallPages");
  for (int i = 0; i < pages->count(); ++i) {
    pages->setCurrentIndex(i);
    QApplication::processEvents();
    for (QWidget* w : pages->currentWidget()->findChildren<QWidget*>()) {
      const bool field = qobject_cast<QLineEdit*>(w) || qobject_cast<QComboBox*>(w) ||
                         qobject_cast<QPlainTextEdit*>(w);
      if (field && w->isVisible()) {
        EXPECT_LE(w->width(), 1100) << w->objectName().toStdString() << " on tab " << i;
      }
    }
  }
}

TEST(NoticeWindow, ClosesItselfAfterItsTime) {
  QWidget parent;
  QPointer<app::NoticeWindow> notice =
      app::NoticeWindow::show(&parent, QStringLiteral("Seems Ok."), 20);
  ASSERT_FALSE(notice.isNull());
  EXPECT_EQ(notice->windowTitle(), QStringLiteral("Information"));
  // Wide enough for its title, which 8 * 9 + 10 pixels would cut.
  EXPECT_EQ(notice->width(), std::max(8 * 9 + 10, app::NoticeWindow::titleWidth()));
  EXPECT_GT(app::NoticeWindow::titleWidth(),
            QFontMetrics(QApplication::font()).horizontalAdvance(QStringLiteral("Information")));
  QElapsedTimer clock;
  clock.start();
  while (!notice.isNull() && clock.elapsed() < 2000) {
    QApplication::processEvents(QEventLoop::AllEvents, 10);
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }
  EXPECT_TRUE(notice.isNull());
  EXPECT_GE(clock.elapsed(), 15);
}

class BackgroundTabs : public EditorFixture {};

TEST_F(BackgroundTabs, TeamsTabRefillsOnceItIsShown) {
  start();
  auto* pages = find<QTabWidget>(QStringLiteral("OverallPages"));
  auto* name = find<QComboBox>(QStringLiteral("TeamName1Ed"));
  pages->setCurrentIndex(0);
  const QString before = name->currentText();
  doc().setText(app::RecordKind::Team, 0, model::team::Name, "Osmira");
  // Hidden behind the flight groups, the page keeps its controls until it is shown.
  EXPECT_EQ(name->currentText(), before);
  pages->setCurrentWidget(find<QWidget>(QStringLiteral("TeamsPage")));
  EXPECT_EQ(name->currentText(), QStringLiteral("Osmira"));
}

// The editor folder's tables are read after the pages are built: every box that shows a table
// takes their entries, on the tabs shown and the ones behind them.
TEST_F(BackgroundTabs, ReplacementTablesReachEveryBox) {
  const auto write = [&](const char* file, const std::string& lines) {
    std::ofstream(std::filesystem::path(editorDir) / file, std::ios::binary) << lines;
  };
  write("Teams.txt", "Wolves\r\nRavens\r\n");
  write("IFF.txt", "Friend\r\nFoe\r\n");
  write("WPEnable.txt", "Launch\r\nPatrol\r\n");
  write("Conds.txt", "(Always true)\r\nappear\r\n");
  write("Ships.txt", "(None)\r\nDart\r\n");
  start();
  const auto items = [](QComboBox* box) {
    QStringList out;
    for (int i = 0; i < box->count(); ++i) out << box->itemText(i);
    return out;
  };
  // Tabs in the background take them when they come to the front.
  find<QTabWidget>("OverallPages")->setCurrentWidget(find<QWidget>("TeamsPage"));
  EXPECT_EQ(items(find<QComboBox>("TeamName1Ed")), (QStringList{"Wolves", "Ravens"}));
  EXPECT_EQ(items(find<QComboBox>("TeamIFFBox1")), (QStringList{"Friend", "Foe"}));
  find<QTabWidget>("OverallPages")->setCurrentIndex(0);
  window->flightGroupsPage()->pages()->setCurrentIndex(app::FlightGroupsPage::WPsTab);
  auto* points = find<QListWidget>("WPEnabledList");
  EXPECT_EQ(points->item(1)->text(), QStringLiteral("Patrol"));
  EXPECT_EQ(points->item(2)->text(), QStringLiteral("3"));
  EXPECT_EQ(items(find<QComboBox>("ShipBox")), (QStringList{"(None)", "Dart"}));
  const auto conds = window->findChildren<QComboBox*>(QStringLiteral("CondBox"));
  ASSERT_GE(conds.size(), 4);
  for (QComboBox* box : conds) EXPECT_EQ(items(box), (QStringList{"(Always true)", "appear"}));
}

TEST_F(BackgroundTabs, WaypointTabMapButtonShowsTheMap) {
  start();
  ASSERT_FALSE(window->mapWindow()->isVisible());
  find<QPushButton>(QStringLiteral("ShowMap"))->click();
  EXPECT_TRUE(window->mapWindow()->isVisible());
}
