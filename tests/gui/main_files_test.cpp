// The main window's files: load, save, the save question, titles, the backup, the open and
// save dialogs and the file history.

#include <QMenu>
#include <QPlainTextEdit>
#include <QPointer>
#include <QRadioButton>
#include <QTabWidget>

#include <filesystem>
#include <fstream>

#include "app/base/notice_window.h"
#include "app/base/translations.h"
#include "app/shell/error_list_window.h"
#include "editor_fixture.h"
#include "in_language.h"
#include "shell/file_history.h"

using testing_gui::EditorFixture;
using testing_gui::hasNotice;
using testing_gui::notices;
using testing_gui::titleFor;
using PromptKind = testing_gui::ScriptedPrompter::Kind;
namespace fs = std::filesystem;

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
  ASSERT_TRUE(model::saveFile(cut, damaged).ok);

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

// A refused file and a failed save are said in the user's language, with the file's path in
// them as it is.
TEST_F(LifeCycle, RefusalsAndFailedSavesAreSaidInTheUsersLanguage) {
  const testing_gui::InLanguage language(QStringLiteral("pseudo"));
  ASSERT_TRUE(language.installed());
  using testing_gui::pseudo;
  const std::string cut = path("cut \u00e4.kre");
  { std::ofstream(cut, std::ios::binary).write("\x0e", 1); }
  const std::string file = writeMission("locked \u00e4.kre");
  start();
  prompter.openNames = {QString::fromStdString(cut)};
  window->openMission();
  ASSERT_TRUE(window->load(QString::fromStdString(file)));
  fs::permissions(file, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
  find<QRadioButton>("ZynRadio")->click();
  EXPECT_FALSE(window->save());
  const QString ends = pseudo("the file ends at byte %1 inside %2 (%3 bytes needed from byte %4)")
                           .arg(QStringLiteral("1"), pseudo("the platform id"), QStringLiteral("2"),
                                QStringLiteral("0"));
  EXPECT_EQ(prompter.texts(PromptKind::Error),
            (std::vector<QString>{
                pseudo("\"%1\" cannot be loaded: %2.").arg(QString::fromStdString(cut), ends),
                pseudo("Could not save \"%1\": %2")
                    .arg(QString::fromStdString(file), pseudo("the file is write-protected."))}));
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

TEST(DialogFilter, KeepsTheNamesAndMatchesEitherCase) {
  EXPECT_EQ(app::dialogFilter(QStringLiteral("Zyn Mission Files|*.kre")),
            QStringLiteral("Zyn Mission Files (*.[kK][rR][eE])"));
  EXPECT_EQ(app::dialogFilter(QStringLiteral("Lists|*.lst;*.txt|All Files (*.*)|*.*")),
            QStringLiteral("Lists (*.[lL][sS][tT] *.[tT][xX][tT]);;All Files (*.*) (*)"));
  EXPECT_EQ(app::dialogFilter(QString()), QString());
}
