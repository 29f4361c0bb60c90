// The "WAV Manager" group driven through its buttons on a document of its own: creating the
// list, assigning, the duplicate question, undo, saving, missing files and the life cycle.
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QStackedWidget>

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

#include "app/base/coloured_list.h"
#include "app/base/notice_window.h"
#include "app/base/translations.h"
#include "app/document/mission_document.h"
#include "app/lists/wav_manager.h"
#include "app/lists/wave_player.h"
#include "editor_fixture.h"
#include "in_language.h"
#include "lists/wave_list.h"
#include "shell/settings.h"
#include "shell/vocabulary.h"
#include "temp_dir.h"

namespace {

namespace fs = std::filesystem;
using testing_gui::ScriptedPrompter;
using testsupport::readFile;
using testsupport::writeFile;
using Lines = std::vector<std::string>;
const std::string D = lists::PlaceholderWave;

// A tone of a tenth of a second as a wave file.
std::string tone() {
  std::string d = "RIFF";
  const auto u32 = [&](std::uint32_t v) {
    for (int i = 0; i < 4; ++i) d.push_back(static_cast<char>((v >> (8 * i)) & 0xFF));
  };
  u32(36 + 2205);
  d += "WAVEfmt ";
  u32(16);
  d += std::string("\x01\x00\x01\x00", 4);
  u32(22050);
  u32(22050);
  d += std::string("\x01\x00\x08\x00", 4);
  d += "data";
  u32(2205);
  d += std::string(2205, '\x80');
  return d;
}

class WavManagerTest : public ::testing::Test {
 protected:
  WavManagerTest() {
    settings.gameDirectory = dir / "Zyn";
    fs::create_directories(dir / "Zyn/Train");
    fs::create_directories(dir / "Zyn/WAVE/Train");
    writeFile(dir / "Zyn/WAVE/Train/Hello.wav", tone());
    missionFile = dir / "Zyn/Train/M1.KRE";
  }
  // A base-format mission of `messages` messages named M1.KRE, its sound list looked for.
  void start(std::size_t messages) {
    model::Mission m;
    m.platformId = 12;
    m.newMission();
    for (std::size_t i = 0; i < messages; ++i) m.addMessage();
    wav = std::make_unique<app::WavManager>(ctx, &holder);
    wav->loadFor(m, missionFile);
    doc.replaceMission(std::move(m), missionFile, true);
    if (messages > 0) doc.selectMessages({0}, 0);
  }
  template <class T>
  T* child(const char* name) {
    T* w = wav->findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(w, nullptr) << name;
    return w;
  }
  void click(const char* name) { child<QPushButton>(name)->click(); }
  QString shownField() {
    auto* stack = wav->findChild<QStackedWidget*>();
    return stack->currentWidget()->objectName() == "WavField" ? child<QLineEdit>("WavField")->text()
                                                              : QStringLiteral("(no list)");
  }

  testsupport::TempDir dir;
  shell::Settings settings;
  shell::Vocabulary vocab;
  ScriptedPrompter prompter;
  app::MissionDocument doc;
  app::EditorContext ctx{doc, vocab, settings, prompter, ""};
  QWidget holder;
  std::string missionFile;
  std::unique_ptr<app::WavManager> wav;
};

TEST_F(WavManagerTest, AssignCreatesTheListAndTakesThePathBelowTheWaveFolder) {
  start(3);
  EXPECT_EQ(shownField(), "(no list)");
  EXPECT_EQ(child<QLabel>("NoWavListLabel")->text(), "No matching .lst file for WAVs");
  prompter.answers = {QMessageBox::Yes};
  prompter.openNames = {QString::fromStdString(dir / "Zyn/WAVE/Train/Hello.wav")};
  click("AssignWavBtn");
  EXPECT_EQ(prompter.shown.at(0).text,
            "There is no .lst file for this mission to assign WAVs to. Create one?");
  EXPECT_EQ(doc.mission().sounds, (Lines{"Train\\Hello.wav", D, D}));
  EXPECT_EQ(shownField(), "Train\\Hello.wav");
  EXPECT_EQ(wav->player().plays(), 1);
  EXPECT_EQ(settings.waveDirectory, dir / "Zyn/WAVE/Train");
  EXPECT_EQ(readFile(dir / "Zyn/WAVE/M1.lst"), D + "\r\n" + D + "\r\n" + D + "\r\n");
  // The same WAV for message 2: asked, and "No" changes nothing.
  doc.selectMessages({1}, 1);
  prompter.answers = {QMessageBox::No};
  prompter.openNames = {QString::fromStdString(dir / "Zyn/WAVE/Train/Hello.wav")};
  click("AssignWavBtn");
  EXPECT_EQ(prompter.shown.back().text.left(40), "This WAV has already been used in this .");
  EXPECT_EQ(doc.mission().sounds[1], D);
  // Undo takes the assignment back; saving writes what the list holds.
  doc.undoStack()->undo();
  EXPECT_EQ(doc.mission().sounds, (Lines{D, D, D}));
  doc.undoStack()->redo();
  EXPECT_TRUE(wav->listFile().changed(doc.mission().sounds));
  click("SaveWavListBtn");
  EXPECT_EQ(readFile(dir / "Zyn/WAVE/M1.lst"), "Train\\Hello.wav\r\n" + D + "\r\n" + D + "\r\n");
  EXPECT_FALSE(wav->listFile().changed(doc.mission().sounds));
}

TEST_F(WavManagerTest, SoundsChangeTheListNotTheMissionAndComeFromTheWaveFolders) {
  writeFile(dir / "Zyn/WAVE/M1.lst", D + "\r\n" + D + "\r\n");
  start(2);
  ASSERT_FALSE(doc.isChanged());
  prompter.openNames = {QString::fromStdString(dir / "Zyn/WAVE/Train/Hello.wav")};
  click("AssignWavBtn");
  click("ClearWavBtn");
  doc.selectMessages({1}, 1);
  prompter.openNames = {QString::fromStdString(dir / "Zyn/WAVE/Train/Hello.wav")};
  click("AssignWavBtn");
  EXPECT_EQ(doc.mission().sounds, (Lines{D, "Train\\Hello.wav"}));
  EXPECT_FALSE(doc.isChanged());  // the sound list is what changed
  EXPECT_TRUE(wav->listFile().changed(doc.mission().sounds));
  // A recording outside the wave folders: named once, with the folder it belongs in.
  fs::create_directories(dir / "Desktop");
  writeFile(dir / "Desktop/Other.wav", tone());
  prompter.openNames = {QString::fromStdString(dir / "Desktop/Other.wav")};
  click("AssignWavBtn");
  EXPECT_EQ(prompter.shown.back().text.toStdString(),
            "Error assigning Other.wav. Only use WAV files from " + (dir / "Zyn/WAVE") +
                ", or its subfolders.");
  EXPECT_EQ(doc.mission().sounds[1], "Train\\Hello.wav");
}

TEST_F(WavManagerTest, PlayingWithoutSoundSaysSoOnce) {
  writeFile(dir / "Zyn/WAVE/M1.lst", "Train\\Hello.wav\r\n");
  start(1);
  wav->player().setOutputMaker([](QString& why) -> app::SoundOutput* {
    why = QStringLiteral("No sound: none here.");
    return nullptr;
  });
  click("PlayWavBtn");
  click("PlayWavBtn");
  const auto notices = holder.findChildren<app::NoticeWindow*>();
  ASSERT_EQ(notices.size(), 1);
  EXPECT_EQ(notices[0]->text(), "No sound: none here.");
}

TEST_F(WavManagerTest, ListNamingMissingFilesLoadsAndShowsThemMissing) {
  writeFile(dir / "Zyn/WAVE/m1.lst", "gone.wav\nTrain\\hello.WAV\n");
  start(2);
  EXPECT_TRUE(wav->listActive());
  EXPECT_EQ(shownField(), "gone.wav");
  EXPECT_TRUE(child<QLabel>("WavMissingLabel")->isVisibleTo(wav.get()));
  click("PlayWavBtn");
  EXPECT_TRUE(prompter.shown.back().text.startsWith("Error assigning "));
  doc.selectMessages({1}, 1);  // autoplay plays a sound that is there
  EXPECT_FALSE(child<QLabel>("WavMissingLabel")->isVisibleTo(wav.get()));
  EXPECT_EQ(wav->player().plays(), 1);
  EXPECT_EQ(child<QLabel>("WavCaptionLabel")->text(), "WAV assigned to this message:");
  click("ClearWavBtn");
  EXPECT_EQ(doc.mission().sounds, (Lines{"gone.wav", D}));
  // A changed list is offered for saving while its file is there.
  prompter.answers = {QMessageBox::Yes};
  wav->offerToSave();
  EXPECT_EQ(prompter.shown.back().text, "WAV .lst file has been changed. Save it?");
  EXPECT_EQ(readFile(dir / "Zyn/WAVE/m1.lst"), "gone.wav\r\n" + D + "\r\n");
}

// The missing-file note stays readable when the desktop turns dark while the window is open.
TEST_F(WavManagerTest, TheMissingNoteFollowsADarkerDesktop) {
  start(1);
  const QPalette before = QApplication::palette();
  QPalette dark = before;
  dark.setColor(QPalette::Window, QColor(30, 30, 30));
  dark.setColor(QPalette::WindowText, QColor(230, 230, 230));
  QApplication::setPalette(dark);
  QApplication::processEvents();  // the open windows take it from the event loop
  const QColor note = child<QLabel>("WavMissingLabel")->palette().color(QPalette::WindowText);
  QApplication::setPalette(before);
  EXPECT_GE(app::ColouredListDelegate::contrast(note, dark.color(QPalette::Window)), 4.5);
}

TEST_F(WavManagerTest, RefusalsWithoutMessagesOrName) {
  start(0);
  click("AssignWavBtn");
  click("GameWavBtn");
  EXPECT_EQ(prompter.texts(ScriptedPrompter::Kind::Information),
            (std::vector<QString>{"There are no messages to add sounds to!",
                                  "There are no messages to add sounds to!"}));
  click("SaveWavListBtn");
  EXPECT_EQ(prompter.shown.back().text, "There is no matching .lst file to save!");
  doc.replaceMission(doc.mission(), model::UnnamedFile, false);
  click("CreateWavListBtn");
  EXPECT_EQ(prompter.shown.back().text,
            "Mission File is unnamed. Can't create matching .lst file until it is named.");
}

// A list that cannot be read, and one that is there already, are said in the user's language
// with the list's path in them.
TEST_F(WavManagerTest, AListThatCannotBeReadIsSaidInTheUsersLanguage) {
  const testing_gui::InLanguage language(QStringLiteral("pseudo"));
  ASSERT_TRUE(language.installed());
  using testing_gui::pseudo;
  const std::string list = dir / "Zyn/WAVE/M1.lst";
  writeFile(list, std::string("\xFF\xFE-\0\r\0\n\0", 8));
  start(1);
  EXPECT_EQ(prompter.texts(ScriptedPrompter::Kind::Error),
            std::vector<QString>{pseudo("Cannot read \"%1\" as a list: %2.")
                                     .arg(QString::fromStdString(list),
                                          pseudo("it is UTF-16 text, not single-byte text"))});
  click("CreateWavListBtn");
  EXPECT_EQ(prompter.texts(ScriptedPrompter::Kind::Information),
            std::vector<QString>{pseudo("%1 already exists!").arg(QString::fromStdString(list))});
}

TEST_F(WavManagerTest, CatalogueChoiceBecomesTheEntryAndSaveAsTakesTheListAlong) {
  writeFile(dir / "Zyn/WAVE/M1.lst", D + "\r\n");
  start(1);
  prompter.onDialog = [](QDialog& d) {
    auto* phrases = d.findChild<QListWidget*>(QStringLiteral("PhraseList"));
    // The rows read as the catalogue has them: the heading, a rule, the first phrase.
    EXPECT_EQ(phrases->item(0)->text(), "( Mission Status )");
    EXPECT_EQ(phrases->item(2)->text(), "   Good Work!");
    phrases->setCurrentRow(2);
    d.accept();
    return d.result();
  };
  click("GameWavBtn");
  EXPECT_EQ(prompter.dialogCount("app::WaveCatalogueWindow"), 1);
  EXPECT_EQ(doc.mission().sounds.at(0).substr(0, 9), "Rto1\\To3g");
  wav->missionSavedAs(dir / "Zyn/Train/M2.KRE");
  EXPECT_EQ(wav->listFile().path(), dir / "Zyn/WAVE/M2.lst");
  EXPECT_EQ(readFile(dir / "Zyn/WAVE/M1.lst"), D + "\r\n");
  wav->reset();
  EXPECT_EQ(shownField(), "(no list)");
}

}  // namespace
