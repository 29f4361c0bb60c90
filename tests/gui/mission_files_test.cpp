// The file life cycle without a main window: a document, a context and a scripted prompter.
#include "app/shell/mission_files.h"

#include <QCheckBox>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QWidget>

#include <filesystem>

#include "editor_fixture.h"
#include "shell/titles.h"
#include "shell/vocabulary.h"

namespace fs = std::filesystem;
using PromptKind = testing_gui::ScriptedPrompter::Kind;

namespace {

class MissionFilesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dir.isValid());
    settings.editorDirectory = path("editor");
    settings.gameDirectory = path("game");
    fs::create_directories(settings.editorDirectory);
    fs::create_directories(settings.gameDirectory);
    settings.useWiz = false;
    files.makeNewMission(14);
  }
  void TearDown() override { doc.markSaved(doc.fileName()); }

  std::string path(const std::string& name) const {
    return (fs::path(dir.path().toStdString()) / name).string();
  }
  QString qpath(const std::string& name) const { return QString::fromStdString(path(name)); }
  // An edit that makes the Mission changed.
  void change() {
    doc.setFormat(doc.mission().platformId == 14 ? 12 : 14);
    ASSERT_TRUE(doc.isChanged());
  }

  QTemporaryDir dir;
  shell::Settings settings;
  shell::Vocabulary vocab;
  testing_gui::ScriptedPrompter prompter;
  app::MissionDocument doc;
  QWidget parent;
  app::EditorContext ctx{doc, vocab, settings, prompter, {}};
  app::MissionFiles files{ctx, &parent};
};

TEST_F(MissionFilesTest, NewMissionAsksFirstAndCancelKeepsTheChangedMission) {
  change();
  prompter.answers = {QMessageBox::Cancel};
  files.newMission();
  EXPECT_EQ(prompter.texts(PromptKind::Question),
            std::vector<QString>{QStringLiteral("Current Mission has been changed. Save it?")});
  EXPECT_TRUE(doc.isChanged());
  EXPECT_EQ(doc.mission().platformId, 12);

  settings.defaultFormat = 0;
  prompter.answers = {QMessageBox::No};
  files.newMission();
  EXPECT_FALSE(doc.isChanged());
  EXPECT_EQ(doc.mission().platformId, 12);
  EXPECT_EQ(files.title(), shell::newMissionTitle());
}

TEST_F(MissionFilesTest, WizardCancelKeepsTheMissionAndOkBuildsTheChosenMelee) {
  settings.useWiz = true;
  change();
  prompter.answers = {QMessageBox::No};
  files.newMission();  // the wizard is cancelled
  EXPECT_EQ(prompter.dialogCount("app::WizardDialog"), 1);
  EXPECT_TRUE(doc.isChanged());
  EXPECT_EQ(doc.mission().platformId, 12);
  EXPECT_EQ(doc.mission().flightGroups.size(), 1u);

  prompter.answers = {QMessageBox::No};
  settings.defaultShip = 9;  // the wizard's groups follow the Preferences, as New Mission's do
  prompter.onDialog = [](QDialog& d) {
    // The default craft orders are set unless the user says otherwise.
    EXPECT_TRUE(d.findChild<QCheckBox*>(QStringLiteral("DefaultOrds"))->isChecked());
    d.findChild<QRadioButton*>(QStringLiteral("MeleeBut"))->setChecked(true);
    d.findChild<QRadioButton*>(QStringLiteral("WizMeleeTeams0"))->setChecked(true);  // " 2"
    return int(QDialog::Accepted);
  };
  files.newMission();
  const model::Mission& m = doc.mission();
  EXPECT_EQ(m.platformId, 14);  // the default format
  EXPECT_EQ(m.missionType(), 2);
  ASSERT_EQ(m.flightGroups.size(), 8u);
  for (int i = 0; i < 8; ++i) {
    const auto& g = m.flightGroups[static_cast<std::size_t>(i)];
    EXPECT_EQ(g.get(model::fg::Team), i / 4) << i;
    EXPECT_EQ(g.text(model::fg::Name), i < 4 ? "Red" : "Blue") << i;
    EXPECT_EQ(g.get(model::fg::CraftType), 9) << i;
  }
  EXPECT_TRUE(doc.isChanged());
  EXPECT_EQ(doc.fileName(), model::UnnamedFile);
  EXPECT_EQ(files.title(), shell::newMissionTitle());
}

TEST_F(MissionFilesTest, YesThenCancelledSaveDialogStopsTheOpen) {
  change();
  prompter.answers = {QMessageBox::Yes};
  files.openMission();
  EXPECT_EQ(prompter.saveCalls, 1);
  EXPECT_EQ(prompter.openCalls, 0);
  EXPECT_TRUE(doc.isChanged());
}

TEST_F(MissionFilesTest, SaveAsThenSaveWriteTheSameFileAndOpenReadsItBack) {
  change();
  prompter.saveNames = {qpath("one.kre")};
  ASSERT_TRUE(files.save());
  EXPECT_EQ(prompter.saveCalls, 1);
  EXPECT_FALSE(doc.isChanged());
  EXPECT_EQ(files.history().at(0), path("one.kre"));

  change();
  ASSERT_TRUE(files.save());
  EXPECT_EQ(prompter.saveCalls, 1);  // no dialog for a named Mission
  EXPECT_EQ(fs::file_size(path("one.kre")), model::writeMission(doc.mission()).size());

  files.makeNewMission(12);
  prompter.openNames = {qpath("one.kre")};
  files.openMission();
  EXPECT_EQ(doc.fileName(), path("one.kre"));
  EXPECT_EQ(doc.mission().platformId, 14);
  EXPECT_EQ(files.lastDirectory(), dir.path());
  EXPECT_TRUE(fs::exists(path("Backup.kre")));
}

TEST_F(MissionFilesTest, SaveAsStartsAtTheOwnFileAndOpenWhereTheLastMissionWasSavedOrOpened) {
  fs::create_directories(path("saved"));
  fs::create_directories(path("opened"));
  change();
  prompter.saveNames = {qpath("saved/one.kre")};
  ASSERT_TRUE(files.saveAs());
  EXPECT_NE(prompter.lastSaveDir, qpath("saved/one.kre"));  // unnamed: the game's folder
  EXPECT_EQ(files.lastDirectory(), qpath("saved"));
  files.saveAs();
  EXPECT_EQ(prompter.lastSaveDir, qpath("saved/one.kre"));

  fs::copy_file(path("saved/one.kre"), path("opened/two.kre"));
  ASSERT_TRUE(files.load(qpath("opened/two.kre")));  // as Reopen and the command line load
  files.openMission();
  EXPECT_EQ(prompter.lastOpenDir, qpath("opened"));
  // A mission chosen in a list window likewise.
  fs::create_directories(path("listed"));
  fs::copy_file(path("saved/one.kre"), path("listed/three.kre"));
  files.openChosen(qpath("listed/three.kre"));
  EXPECT_EQ(doc.fileName(), path("listed/three.kre"));
  files.openMission();
  EXPECT_EQ(prompter.lastOpenDir, qpath("listed"));
  files.makeNewMission(14);
  files.saveAs();
  EXPECT_NE(prompter.lastSaveDir, qpath("opened/two.kre"));
}

TEST_F(MissionFilesTest, CloseAsksAndWritesTheHistoryOnlyWhenItMayClose) {
  files.addToHistory(qpath("a.kre"));
  change();
  prompter.answers = {QMessageBox::Cancel};
  EXPECT_FALSE(files.mayClose());
  EXPECT_FALSE(fs::exists(fs::path(settings.editorDirectory) / "EDHistry.txt"));
  prompter.answers = {QMessageBox::No};
  EXPECT_TRUE(files.mayClose());
  EXPECT_EQ(shell::readHistory(settings.editorDirectory).at(0), path("a.kre"));
}

}  // namespace
