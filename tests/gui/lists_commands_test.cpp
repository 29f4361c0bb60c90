// The main window's commands for the game's lists: ".lst", the Battle/Campaign Manager, the OPT
// File Manager and "&Load by lst...", each opening its window on the open Mission.
#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>

#include <filesystem>

#include "app/base/deferred_page.h"
#include "app/base/folder_chooser_dialog.h"
#include "app/lists/load_by_list_window.h"
#include "editor_fixture.h"
#include "model/layouts.h"
#include "temp_dir.h"

namespace {

namespace fs = std::filesystem;
using testing_gui::ScriptedPrompter;
using testsupport::readFile;
using testsupport::writeFile;

class ListsCommands : public testing_gui::EditorFixture {
 protected:
  QAction* action(const char* name) {
    auto* a = window->findChild<QAction*>(QString::fromLatin1(name));
    EXPECT_NE(a, nullptr) << name;
    return a;
  }
  template <class T>
  static T* in(QDialog& d, const char* name) {
    T* w = d.findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(w, nullptr) << name;
    return w;
  }
  // A base-format training mission flown for the Rebels, in the game's "Train" folder.
  std::string trainingMission(const std::string& name) {
    fs::create_directories(settings.gameDirectory + "/Train");
    return writeMission("game/Train/" + name, 12, "Training",
                        [](model::Mission& m) { m.flightGroups[0].set(model::fg::Iff, u8{0}); });
  }
  using u8 = std::uint8_t;
};

TEST_F(ListsCommands, LstAddsTheOpenMissionToItsSideList) {
  const std::string file = trainingMission("T1.KRE");
  writeFile(settings.gameDirectory + "/Train/Mission.lst", "1\r\nold.kre\r\nOld\r\n");
  writeFile(settings.gameDirectory + "/Train/rebel.lst", "4\r\nr.kre\r\nR\r\n");
  start({QString::fromStdString(file)});
  prompter.onDialog = [](QDialog& d) {
    EXPECT_EQ(in<QLineEdit>(d, "NextNumberEdit")->text(), "5");
    testing_gui::EditorFixture::retype(in<QLineEdit>(d, "DescriptionEdit"),
                                       QString::fromUtf8("First flight"));
    in<QPushButton>(d, "AutoAddBtn")->click();
    in<QPushButton>(d, "OKBtn")->click();
    return d.result();
  };
  action("LstAction")->trigger();
  EXPECT_EQ(prompter.dialogCount("app::LstFilesWindow"), 1);
  EXPECT_EQ(readFile(settings.gameDirectory + "/Train/rebel.lst"),
            "4\r\nr.kre\r\nR\r\n5\r\nT1.KRE\r\nFirst flight\r\n");
}

TEST_F(ListsCommands, LstWithoutListsSaysWhereItLooked) {
  start();
  action("LstAction")->trigger();
  EXPECT_EQ(prompter.dialogs.size(), 0u);
  ASSERT_FALSE(prompter.shown.empty());
  EXPECT_TRUE(prompter.shown.back().text.startsWith("Cannot find .lst files in "));
}

TEST_F(ListsCommands, BattleAndOptWindowsOpen) {
  start();
  action("BattleAction")->trigger();
  EXPECT_EQ(prompter.dialogCount("app::BattleManager"), 1);
  // A renamed slot reaches "Ships.txt" and the craft-type box.
  prompter.onDialog = [](QDialog& d) {
    in<QListWidget>(d, "SlotList")->setCurrentRow(1);
    testing_gui::EditorFixture::retype(in<QLineEdit>(d, "SlotNameEdit"), QString::fromUtf8("Dart"));
    in<QPushButton>(d, "RenameBtn")->click();
    in<QPushButton>(d, "UseBtn")->click();
    return d.result();
  };
  action("OptAction")->trigger();
  EXPECT_EQ(prompter.dialogCount("app::OptFileManager"), 1);
  EXPECT_NE(readFile(editorDir + "/Ships.txt").find("\r\nDart\r\n"), std::string::npos);
  EXPECT_EQ(find<QComboBox>("ShipBox")->itemText(2), "Dart");
}

TEST_F(ListsCommands, OptModelFolderChosenStaysInLowerCaseEvenAfterCancel) {
  const std::string chosen = settings.gameDirectory + "/ivfiles/Extra Models";
  fs::create_directories(chosen);
  start();
  prompter.onDialog = [&](QDialog& d) {
    if (auto* chooser = qobject_cast<app::FolderChooserDialog*>(&d)) {
      chooser->setCurrentFolder(QString::fromStdString(chosen));
      chooser->accept();
      return d.result();
    }
    in<QPushButton>(d, "SubdirectoryBtn")->click();
    EXPECT_EQ(in<QLabel>(d, "OptFolderLabel")->text(), QString::fromStdString(chosen));
    in<QPushButton>(d, "CancelBtn")->click();
    return d.result();
  };
  action("OptAction")->trigger();
  EXPECT_EQ(window->settings().modelDirectory,
            QString::fromStdString(chosen).toLower().toStdString());
  // The next window opens there, the folder found again in its own letter case.
  const auto warnings = prompter.texts(ScriptedPrompter::Kind::Warning).size();
  prompter.onDialog = [&](QDialog& d) {
    EXPECT_EQ(in<QLabel>(d, "OptFolderLabel")->text(), QString::fromStdString(chosen));
    return int(QDialog::Rejected);
  };
  action("OptAction")->trigger();
  EXPECT_EQ(prompter.texts(ScriptedPrompter::Kind::Warning).size(), warnings);
}

TEST_F(ListsCommands, LoadByListOpensTheChosenMissionLikeOpen) {
  const std::string file = trainingMission("T2.KRE");
  writeFile(settings.gameDirectory + "/Train/Rebel.lst", "// tour\r\n1\r\nt2.kre\r\nSecond\r\n");
  start();
  prompter.onDialog = [](QDialog& d) {
    EXPECT_EQ(in<QListWidget>(d, "EntryList")->item(0)->text(), "Second");
    in<QListWidget>(d, "EntryList")->setCurrentRow(0);
    d.accept();
    return d.result();
  };
  action("LoadByLstAction")->trigger();
  EXPECT_EQ(prompter.dialogCount("app::LoadByListWindow"), 1);
  EXPECT_TRUE(fs::equivalent(doc().fileName(), file));
  EXPECT_TRUE(window->windowTitle().contains("Training"));
  EXPECT_EQ(mission().platformId, 12);
}

TEST_F(ListsCommands, LoadedMissionBringsItsSoundListToTheMessagesTab) {
  fs::create_directories(settings.gameDirectory + "/Train");
  const std::string file = writeMission("game/Train/S1.KRE", 12, "Sounds", [](model::Mission& m) {
    m.addMessage();
    m.addMessage();
  });
  fs::create_directories(settings.gameDirectory + "/wave");
  writeFile(settings.gameDirectory + "/wave/S1.lst", "train\\hello.wav\r\n");
  start({QString::fromStdString(file)});
  auto* list = find<QListWidget>("MsgStrList");
  ASSERT_EQ(list->count(), 2);
  EXPECT_TRUE(list->item(0)->text().startsWith("* "));
  EXPECT_TRUE(list->item(1)->text().startsWith("  "));
  EXPECT_EQ(find<QLineEdit>("WavField")->text(), "train\\hello.wav");
  EXPECT_EQ(mission().sounds, std::vector<std::string>{"train\\hello.wav"});
}

TEST_F(ListsCommands, MessagesTabBuiltAfterTheLoadShowsItsSoundList) {
  fs::create_directories(settings.gameDirectory + "/Train");
  const std::string file =
      writeMission("game/Train/S1.KRE", 12, "Sounds", [](model::Mission& m) { m.addMessage(); });
  fs::create_directories(settings.gameDirectory + "/wave");
  writeFile(settings.gameDirectory + "/wave/S1.lst", "train\\hello.wav\r\n");
  // With a remembered window the pages behind other tabs wait until they are chosen.
  ASSERT_TRUE(shell::writeSettings(iniPath(), settings));
  writeFile(iniPath(), readFile(iniPath()) + "[Windows]\r\nMainWindow=900x600+10+10\r\n");
  start({QString::fromStdString(file)}, false);
  auto* frame = window->findChild<app::DeferredPage*>(QStringLiteral("MessagesPage"));
  ASSERT_NE(frame, nullptr);
  EXPECT_FALSE(frame->built());
  window->findChild<QTabWidget*>(QStringLiteral("OverallPages"))->setCurrentWidget(frame);
  ASSERT_TRUE(frame->built());
  EXPECT_TRUE(window->findChild<QListWidget*>(QStringLiteral("MsgStrList"))
                  ->item(0)
                  ->text()
                  .startsWith("* "));
  EXPECT_EQ(window->findChild<QLineEdit*>(QStringLiteral("WavField"))->text(), "train\\hello.wav");
}

}  // namespace
