// The game-list windows driven through their controls: the ".lst Files" window, the
// Battle/Campaign Manager, Load by list and the OPT File Manager.
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>
#include <QVBoxLayout>

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

#include "app/base/disk_change_dialog.h"
#include "app/base/notice_window.h"
#include "app/base/translations.h"
#include "app/document/mission_document.h"
#include "app/lists/battle_manager.h"
#include "app/lists/list_check_window.h"
#include "app/lists/load_by_list_window.h"
#include "app/lists/lst_files_window.h"
#include "app/lists/opt_file_manager.h"
#include "app/lists/wav_manager.h"
#include "app/lists/wave_catalogue_window.h"
#include "app/lists/wave_player.h"
#include "app/shell/about_box.h"
#include "editing/triggers.h"
#include "editor_fixture.h"
#include "flow_mission.h"
#include "in_language.h"
#include "lists/model_slots.h"
#include "model/mission_file.h"
#include "shell/vocabulary.h"
#include "temp_dir.h"

namespace {

namespace fs = std::filesystem;
using testing_gui::ScriptedPrompter;
using testsupport::readFile;
using testsupport::writeFile;

template <class T>
T* child(QWidget& w, const char* name) {
  T* found = w.findChild<T*>(QString::fromLatin1(name));
  EXPECT_NE(found, nullptr) << name;
  return found;
}

class ListsWindows : public ::testing::Test {
 protected:
  ListsWindows() {
    settings.gameDirectory = dir / "Zyn";
    settings.editorDirectory = dir / "editor";
    fs::create_directories(dir / "Zyn/Train");
    fs::create_directories(dir / "Zyn/COMBAT/extra");
    fs::create_directories(dir / "editor");
  }
  // A mission with one flight group, flown by player 1: the list windows open for it.
  static model::Mission withPlayer() {
    model::Mission m;
    model::FlightGroup player;
    player.set(model::fg::PlayerNumber, std::uint8_t{1});
    m.flightGroups.push_back(player);
    return m;
  }
  testsupport::TempDir dir;
  const std::string ini = dir / "ZynED.ini";
  shell::Settings settings;
  ScriptedPrompter prompter;
};

TEST_F(ListsWindows, LstFilesAutoAddTwiceThenOk) {
  writeFile(dir / "Zyn/Train/Mission.lst", "3\r\nm3.kre\r\nThree\r\n");
  writeFile(dir / "Zyn/Train/REBEL.LST", "12\r\nr12.kre\r\nTwelve\r\n12a\r\n");
  model::Mission m = withPlayer();
  m.platformId = model::FormatBase;
  prompter.onDialog = [&](QDialog& d) {
    auto* pages = child<QTabWidget>(d, "LstPages");
    EXPECT_EQ(pages->count(), 1);
    EXPECT_EQ(pages->tabText(0), "Rebel.lst");
    EXPECT_EQ(child<QLineEdit>(d, "NextNumberEdit")->text(), "13");
    EXPECT_EQ(child<QLineEdit>(d, "MissionFileEdit")->text(), "T1.KRE");
    child<QPushButton>(d, "AutoAddBtn")->click();
    EXPECT_EQ(prompter.texts(ScriptedPrompter::Kind::Information).back(),
              "You must write a description for the mission in the edit box");
    testing_gui::EditorFixture::retype(child<QLineEdit>(d, "DescriptionEdit"),
                                       QString::fromUtf8("Über"));
    child<QPushButton>(d, "AutoAddBtn")->click();
    // The number just entered is taken: the second entry gets the next one.
    EXPECT_EQ(child<QLineEdit>(d, "NextNumberEdit")->text(), "14");
    // The mission is in its list now: entered again only when the user says so.
    child<QPushButton>(d, "AutoAddBtn")->click();
    EXPECT_EQ(prompter.shown.back().text, "T1.KRE is already in Rebel.lst. Add it again?");
    EXPECT_EQ(child<QLineEdit>(d, "NextNumberEdit")->text(), "14");
    prompter.answers = {QMessageBox::Yes};
    child<QPushButton>(d, "AutoAddBtn")->click();
    // Without a description nothing is entered: no question about the lists comes first.
    auto* description = child<QLineEdit>(d, "DescriptionEdit");
    description->setFocus();
    description->selectAll();
    QTest::keyClick(description, Qt::Key_Backspace);
    const auto asked = prompter.texts(ScriptedPrompter::Kind::Question).size();
    child<QPushButton>(d, "AutoAddBtn")->click();
    EXPECT_EQ(prompter.shown.back().text,
              "You must write a description for the mission in the edit box");
    EXPECT_EQ(prompter.texts(ScriptedPrompter::Kind::Question).size(), asked);
    child<QPushButton>(d, "BackupBtn")->click();
    QStringList notices;
    for (auto* n : d.findChildren<app::NoticeWindow*>()) notices << n->text();
    EXPECT_EQ(notices, QStringList{"Backed up Rebel.lst as Rebel.~ls."});
    child<QPushButton>(d, "OKBtn")->click();
    return d.result();
  };
  app::LstFilesWindow::run(nullptr, settings, m, "/x/T1.KRE", prompter, ini);
  const auto entry = [](const char* number) {
    return number + std::string(
                        "\r\nT1.KRE\r\n\xDC"
                        "ber\r\n");
  };
  EXPECT_EQ(readFile(dir / "Zyn/Train/REBEL.LST"),
            "12\r\nr12.kre\r\nTwelve\r\n12a\r\n" + entry("13") + entry("14"));
  EXPECT_EQ(readFile(dir / "Zyn/Train/Rebel.~ls"),
            "12\r\nr12.kre\r\nTwelve\r\n12a\r\n" + entry("13") + entry("14"));
  EXPECT_EQ(readFile(dir / "Zyn/Train/Mission.lst"), "3\r\nm3.kre\r\nThree\r\n");

  // A mission never saved is entered nowhere.
  prompter.onDialog = [&](QDialog& d) {
    testing_gui::EditorFixture::retype(child<QLineEdit>(d, "DescriptionEdit"),
                                       QString::fromUtf8("Never saved"));
    child<QPushButton>(d, "AutoAddBtn")->click();
    child<QPushButton>(d, "OKBtn")->click();
    return d.result();
  };
  app::LstFilesWindow::run(nullptr, settings, m, model::UnnamedFile, prompter, ini);
  EXPECT_EQ(prompter.shown.back().text,
            "Mission File is unnamed. Can't enter it in the game's lists until it is named.");
  EXPECT_EQ(readFile(dir / "Zyn/Train/REBEL.LST").find("Unnamed"), std::string::npos);

  // Without a player the window does not open.
  m.flightGroups.clear();
  app::LstFilesWindow::run(nullptr, settings, m, "/x/T1.KRE", prompter, ini);
  EXPECT_EQ(prompter.texts(ScriptedPrompter::Kind::Information).back(), "Where's Player 1?");
  EXPECT_EQ(prompter.dialogs.size(), 2u);
}

// A list another program wrote while the window was open is overwritten only when the user says
// so: Cancel keeps the window open and the other program's list; Compare names the lines.
TEST_F(ListsWindows, AListChangedOnDiskIsOverwrittenOnlyWhenTheUserSaysSo) {
  writeFile(dir / "Zyn/Train/Mission.lst", "3\r\nm3.kre\r\nThree\r\n");
  writeFile(dir / "Zyn/Train/REBEL.LST", "12\r\nr12.kre\r\nTwelve\r\n");
  model::Mission m = withPlayer();
  m.platformId = model::FormatBase;
  std::vector<app::DiskChangeDialog::Choice> answers{app::DiskChangeDialog::Choice::Cancel,
                                                     app::DiskChangeDialog::Choice::Overwrite};
  QStringList compared;
  bool stillOpen = false;
  prompter.onDialog = [&](QDialog& d) {
    if (auto* question = qobject_cast<app::DiskChangeDialog*>(&d)) {
      child<QPushButton>(d, "CompareButton")->click();
      compared << child<QPlainTextEdit>(d, "DifferencesText")->toPlainText();
      const auto answer = answers.front();
      answers.erase(answers.begin());
      child<QPushButton>(
          d, answer == app::DiskChangeDialog::Choice::Cancel ? "CancelButton" : "OverwriteButton")
          ->click();
      return question->result();
    }
    testing_gui::EditorFixture::retype(child<QLineEdit>(d, "DescriptionEdit"),
                                       QStringLiteral("Mine"));
    child<QPushButton>(d, "AutoAddBtn")->click();
    writeFile(dir / "Zyn/Train/REBEL.LST", "12\r\nr12.kre\r\nTwelve\r\n20\r\nt20.kre\r\n");
    child<QPushButton>(d, "OKBtn")->click();
    stillOpen = d.result() != QDialog::Accepted;
    EXPECT_EQ(readFile(dir / "Zyn/Train/REBEL.LST"),
              "12\r\nr12.kre\r\nTwelve\r\n20\r\nt20.kre\r\n");
    child<QPushButton>(d, "OKBtn")->click();
    return d.result();
  };
  app::LstFilesWindow::run(nullptr, settings, m, "/x/T1.KRE", prompter, ini);
  EXPECT_TRUE(stillOpen);
  EXPECT_EQ(readFile(dir / "Zyn/Train/REBEL.LST"),
            "12\r\nr12.kre\r\nTwelve\r\n13\r\nT1.KRE\r\nMine\r\n");
  ASSERT_EQ(compared.size(), 2);
  EXPECT_EQ(compared[0].toStdString(),
            "REBEL.LST, only on disk: 20\nREBEL.LST, only on disk: t20.kre\n"
            "REBEL.LST, only here: 13\nREBEL.LST, only here: Mine\nREBEL.LST, only here: T1.KRE");

  // The battle window's game list likewise; unchanged on disk, it is written without a word.
  fs::create_directories(dir / "Zyn/battle");
  writeFile(dir / "Zyn/battle/Mission.lst", "// battles\r\n");
  answers = {app::DiskChangeDialog::Choice::Cancel};
  {
    app::BattleManager w(settings, model::FormatBase, std::nullopt, prompter);
    auto* memo = child<QPlainTextEdit>(w, "MissionLstMemo");
    memo->setFocus();
    memo->moveCursor(QTextCursor::End);
    for (const char* line : {"4", "b.lst", "B"}) {
      QTest::keyClicks(memo, line);
      QTest::keyClick(memo, Qt::Key_Return);
    }
    writeFile(dir / "Zyn/battle/Mission.lst", "// theirs\r\n");
    child<QPushButton>(w, "OKBtn")->click();
    EXPECT_EQ(readFile(dir / "Zyn/battle/Mission.lst"), "// theirs\r\n");
    EXPECT_EQ(w.result(), QDialog::Rejected);
    writeFile(dir / "Zyn/battle/Mission.lst", "// battles\r\n");
    // A battle list loaded into the window, changed on disk since, likewise.
    writeFile(dir / "Zyn/battle/Mine.lst", "0\r\nOld");
    prompter.openNames.push_back(QString::fromStdString(dir / "Zyn/battle/Mine.lst"));
    child<QToolButton>(w, "LoadCustomBtn")->click();
    writeFile(dir / "Zyn/battle/Mine.lst", "0\r\nTheirs");
    answers = {app::DiskChangeDialog::Choice::Cancel};
    child<QToolButton>(w, "SaveCustomBtn")->click();
    EXPECT_EQ(readFile(dir / "Zyn/battle/Mine.lst"), "0\r\nTheirs");
    EXPECT_TRUE(answers.empty());
    writeFile(dir / "Zyn/battle/Mine.lst", "0\r\nOld");
    const auto asked = prompter.dialogs.size();
    child<QPushButton>(w, "OKBtn")->click();
    EXPECT_EQ(prompter.dialogs.size(), asked);
  }
  EXPECT_EQ(readFile(dir / "Zyn/battle/Mission.lst"), "// battles\r\n4\r\nb.lst\r\nB\r\n");
}

TEST_F(ListsWindows, BattleListBuiltSavedAndEntered) {
  writeFile(dir / "Zyn/COMBAT/b1.kre", "x");
  writeFile(dir / "Zyn/COMBAT/B2.KRE", "x");
  writeFile(dir / "Zyn/COMBAT/extra/e1.kre", "x");
  fs::create_directories(dir / "Zyn/battle");
  writeFile(dir / "Zyn/battle/Mission.lst", "// battles\r\n4\r\nold.lst\r\nOld\r\n");
  app::BattleManager w(settings, model::FormatBase, std::nullopt, prompter);
  EXPECT_EQ(child<QComboBox>(w, "TypeBox")->count(), 1);  // no expansion: battles only
  EXPECT_EQ(child<QLineEdit>(w, "NextNumberEdit")->text(), "5");
  EXPECT_EQ(child<QTabWidget>(w, "ListTabs")->tabText(1), "N/A");
  auto* files = child<QListWidget>(w, "MissionFileList");
  ASSERT_EQ(files->count(), 2);
  files->selectAll();
  child<QPushButton>(w, "AddBtn")->click();
  testing_gui::EditorFixture::retype(child<QPlainTextEdit>(w, "DescriptionMemo"),
                                     QString::fromUtf8("Word"));
  EXPECT_EQ(child<QLabel>(w, "CountLabel")->text(), "2 missions in Battle");
  child<QListWidget>(w, "CustomMissionList")->setCurrentRow(1);
  child<QToolButton>(w, "MoveUpBtn")->click();

  child<QPushButton>(w, "AutoAddBtn")->click();
  EXPECT_EQ(prompter.texts(ScriptedPrompter::Kind::Information).back(),
            "You must save your list file before adding it");
  prompter.saveNames.push_back(QString::fromStdString(dir / "Zyn/battle/Mine.lst"));
  child<QToolButton>(w, "SaveCustomBtn")->click();
  EXPECT_EQ(child<QLineEdit>(w, "CustomNameEdit")->text(), "Mine.lst");
  // The dialogs offer the folder's lists (the filter in the dialogs' own form).
  EXPECT_EQ(prompter.lastSaveFilter, "Lst Files (*.[lL][sS][tT])");
  child<QToolButton>(w, "LoadCustomBtn")->click();  // cancelled
  EXPECT_EQ(prompter.lastOpenFilter, ".lst Files (*.[lL][sS][tT])");
  testing_gui::EditorFixture::retype(child<QLineEdit>(w, "TitleEdit"),
                                     QString::fromUtf8("My battle"));
  child<QPushButton>(w, "AutoAddBtn")->click();
  EXPECT_EQ(child<QLineEdit>(w, "NextNumberEdit")->text(), "6");  // 5 is taken now
  // Entered again only when the user says so.
  child<QPushButton>(w, "AutoAddBtn")->click();
  EXPECT_EQ(prompter.shown.back().text, "Mine.lst is already in Mission.lst. Add it again?");
  EXPECT_EQ(child<QLineEdit>(w, "NextNumberEdit")->text(), "6");
  child<QPushButton>(w, "BackupBtn")->click();
  const auto notices = w.findChildren<app::NoticeWindow*>();
  ASSERT_EQ(notices.size(), 1);
  EXPECT_EQ(notices[0]->text(), "Backed up Mission.lst as Mission.~ls.");
  child<QPushButton>(w, "OKBtn")->click();
  EXPECT_EQ(readFile(dir / "Zyn/battle/Mine.lst"), "2\r\nB2.KRE\r\nb1.kre\r\nWord");
  EXPECT_EQ(readFile(dir / "Zyn/battle/Mission.lst"),
            "// battles\r\n4\r\nold.lst\r\nOld\r\n5\r\nMine.lst\r\nMy battle\r\n");
}

// A battle's description holds 2500 characters: a longer paste is cut there, a key typed at the
// limit is left out, and the list saves what the box shows.
TEST_F(ListsWindows, BattleDescriptionPastedTooLongIsCutAtItsLimit) {
  fs::create_directories(dir / "Zyn/battle");
  app::BattleManager w(settings, model::FormatBase, std::nullopt, prompter);
  auto* memo = child<QPlainTextEdit>(w, "DescriptionMemo");
  QApplication::clipboard()->setText(QString(3000, QLatin1Char('w')));
  memo->setFocus();
  QTest::keyClick(memo, Qt::Key_V, Qt::ControlModifier);
  QApplication::processEvents();
  EXPECT_EQ(memo->toPlainText(), QString(2500, QLatin1Char('w')));
  QTest::keyClicks(memo, QStringLiteral("x"));
  QApplication::processEvents();
  EXPECT_EQ(memo->toPlainText(), QString(2500, QLatin1Char('w')));
  prompter.saveNames.push_back(QString::fromStdString(dir / "Zyn/battle/Long.lst"));
  child<QToolButton>(w, "SaveCustomBtn")->click();
  EXPECT_EQ(readFile(dir / "Zyn/battle/Long.lst"), "0\r\n" + std::string(2500, 'w'));
}

TEST_F(ListsWindows, BattleRefusesMissionListAsCustomList) {
  fs::create_directories(dir / "Zyn/battle");
  writeFile(dir / "Zyn/battle/Mission.lst", "// battles\r\n");
  app::BattleManager w(settings, model::FormatBase, std::nullopt, prompter);
  prompter.openNames.push_back(QString::fromStdString(dir / "Zyn/battle/Mission.lst"));
  child<QToolButton>(w, "LoadCustomBtn")->click();
  EXPECT_EQ(prompter.texts(ScriptedPrompter::Kind::Information).back().left(29),
            "Wrong type of .lst file! (Don");
  EXPECT_EQ(child<QLabel>(w, "CustomNameLabel")->text(), "<No File>");
  // Nothing built, nothing to write: OK writes no file called "Unnamed".
  child<QPushButton>(w, "OKBtn")->click();
  EXPECT_EQ(prompter.saveCalls, 0);
  EXPECT_FALSE(fs::exists(dir / "Zyn/battle/Unnamed"));
}

TEST_F(ListsWindows, ListWindowsOpenAboveTheCentreTheFirstTimeThenWhereTheyWereLeft) {
  writeFile(dir / "Zyn/Train/Mission.lst", "");
  fs::create_directories(dir / "Zyn/battle");
  writeFile(dir / "Zyn/battle/Mission.lst", "");
  model::Mission m = withPlayer();
  QWidget main;
  main.setGeometry(40, 30, 720, 540);
  main.show();
  const std::pair<std::function<void()>, int> windows[] = {
      {[&] { app::LstFilesWindow::run(&main, settings, m, "/x/T1.KRE", prompter, ini); }, 15},
      {[&] {
         app::BattleManager::run(settings, model::FormatBase, std::nullopt, prompter, ini, &main);
       },
       18},
  };
  for (const auto& [open, lift] : windows) {
    QRect first, second;
    prompter.onDialog = [&](QDialog& d) {
      first = d.geometry();
      d.setGeometry(10, 20, 600, 420);  // the user moves and resizes it
      return int(QDialog::Rejected);
    };
    open();
    if (first.height() + 2 * lift < main.screen()->availableGeometry().height()) {
      EXPECT_EQ(first.center(), main.geometry().center() - QPoint(0, lift)) << lift;
    }
    prompter.onDialog = [&](QDialog& d) {
      second = d.geometry();
      return int(QDialog::Rejected);
    };
    open();
    EXPECT_EQ(second, QRect(10, 20, 600, 420)) << lift;
  }
}

// "Check All..." checks every mission the lists name, each once; a click on a mission's line
// closes the window (after asking about changed lists) for the editor to open that mission.
TEST_F(ListsWindows, CheckAllReportsEveryListedMissionAndOpensOne) {
  model::Mission t1;
  t1.newMission();
  t1.platformId = model::FormatBase;
  // A group that never arrives, named in the report with the editor's craft names.
  const auto ghost = static_cast<std::size_t>(t1.addFlightGroup());
  t1.flightGroups[ghost].setText(model::fg::Name, "Ghost");
  t1.flightGroups[ghost].set(model::fg::CraftType, std::uint8_t{1});
  const auto never = editing::packTrigger(10, 0, 0, 0);
  std::copy(never.begin(), never.end(),
            t1.flightGroups[ghost].span().begin() +
                static_cast<long>(editing::arrivalTriggers().triggerOffset(1)));
  t1.syncCounts();
  ASSERT_TRUE(model::saveMissionFile(t1, dir / "Zyn/Train/T1.KRE").ok);
  shell::Vocabulary vocabulary;
  auto ships = vocabulary.table(shell::tables::Ships);
  ships[1] = "Heavy Lancer";
  vocabulary.setTable(shell::tables::Ships, ships);
  writeFile(dir / "Zyn/Train/Mission.lst", "1\r\nt1.kre\r\nOne\r\n2\r\nt2.kre\r\nTwo\r\n");
  writeFile(dir / "Zyn/Train/Rebel.lst", "1\r\nT1.KRE\r\nOne\r\n");
  model::Mission m = withPlayer();
  m.platformId = model::FormatBase;
  m.header.set(model::header::MissionType, std::uint8_t{3});  // multiplayer training
  prompter.onDialog = [&](QDialog& d) {
    child<QPushButton>(d, "CheckAllBtn")->click();
    auto* report = d.findChild<app::ListCheckWindow*>();
    EXPECT_NE(report, nullptr);
    if (!report) return int(QDialog::Rejected);
    EXPECT_EQ(child<QLabel>(*report, "ListCheckSummary")->text().toStdString(),
              "2 missions, 0 errors, 0 warnings, 1 finding, 0 advisories, 1 missing file");
    QListWidget* lines = report->lines();
    EXPECT_EQ(lines->count(), 3);
    if (lines->count() != 3) return int(QDialog::Rejected);
    EXPECT_EQ(lines->item(1)->text().toStdString(),
              "    never-arrives: #2 Heavy Lancer Ghost never arrives at every level: arrival "
              "trigger 1 is never true");
    EXPECT_TRUE(lines->item(2)->text().startsWith("t2.kre \u2014 missing"));
    EXPECT_EQ(lines->item(0)->toolTip().toStdString(), dir / "Zyn/Train/T1.KRE");  // the file
    // A list changed and not saved: the user is asked first, and may stay.
    auto* memo = child<QPlainTextEdit>(d, "MissionMemo");
    memo->setFocus();
    memo->moveCursor(QTextCursor::End);
    QTest::keyClicks(memo, "//");
    prompter.answers = {QMessageBox::Cancel};
    emit lines->itemClicked(lines->item(0));
    EXPECT_TRUE(d.findChild<app::ListCheckWindow*>());
    prompter.answers = {QMessageBox::No};
    emit lines->itemClicked(lines->item(0));
    return d.result();
  };
  const auto chosen =
      app::LstFilesWindow::run(nullptr, settings, m, "/x/T1.KRE", prompter, ini, &vocabulary);
  EXPECT_EQ(chosen, std::optional<std::string>(dir / "Zyn/Train/T1.KRE"));
  EXPECT_EQ(prompter.shown.back().text, "Save the changes to the lists first?");
  EXPECT_EQ(readFile(dir / "Zyn/Train/Mission.lst"),
            "1\r\nt1.kre\r\nOne\r\n2\r\nt2.kre\r\nTwo\r\n");
}

// The check report closes by its own button.
TEST_F(ListsWindows, TheCheckReportClosesByItsButton) {
  writeFile(dir / "Zyn/Train/Mission.lst", "1\r\nt2.kre\r\nTwo\r\n");
  model::Mission m = withPlayer();
  m.platformId = model::FormatBase;
  m.header.set(model::header::MissionType, std::uint8_t{3});
  bool closed = false;
  prompter.onDialog = [&](QDialog& d) {
    child<QPushButton>(d, "CheckAllBtn")->click();
    QPointer<app::ListCheckWindow> report = d.findChild<app::ListCheckWindow*>();
    if (!report) return int(QDialog::Rejected);
    child<QPushButton>(*report, "CloseBtn")->click();
    closed = !report || !report->isVisible();
    return int(QDialog::Rejected);
  };
  app::LstFilesWindow::run(nullptr, settings, m, "/x/T1.KRE", prompter, ini, nullptr);
  EXPECT_TRUE(closed);
}

// A listed mission that cannot be read is said in the report in the user's language, with its
// path as the folder has it.
TEST_F(ListsWindows, TheCheckReportSaysWhyAMissionCannotBeReadInTheUsersLanguage) {
  const testing_gui::InLanguage language(QStringLiteral("pseudo"));
  ASSERT_TRUE(language.installed());
  writeFile(dir / "Zyn/Train/Mission.lst", "1\r\nt2.kre\r\nTwo\r\n");
  writeFile(dir / "Zyn/Train/t2.kre", "\x01");
  model::Mission m = withPlayer();
  m.platformId = model::FormatBase;
  m.header.set(model::header::MissionType, std::uint8_t{3});
  QString shown;
  prompter.onDialog = [&](QDialog& d) {
    child<QPushButton>(d, "CheckAllBtn")->click();
    if (auto* report = d.findChild<app::ListCheckWindow*>(); report && report->lines()->count() > 1)
      shown = report->lines()->item(1)->text();
    return int(QDialog::Rejected);
  };
  app::LstFilesWindow::run(nullptr, settings, m, "/x/T1.KRE", prompter, ini, nullptr);
  const QString form = app::pseudoText(QStringLiteral("\"%1\" cannot be loaded: %2."));
  EXPECT_TRUE(shown.startsWith(QStringLiteral("    ") +
                               form.left(form.indexOf(QLatin1String("%2")))
                                   .arg(QString::fromStdString(dir / "Zyn/Train/t2.kre"))))
      << shown.toStdString();
}

TEST_F(ListsWindows, LoadByListShowsHeadingsAndLoadsTheBaseGameFile) {
  fs::create_directories(dir / "Zyn/Quelvane/Combat");
  writeFile(dir / "Zyn/Quelvane/Combat/Mission.lst",
            "// list\r\n[ Tour ]\r\n1\r\n1 only.kre\r\nOnly in the base game\r\n");
  writeFile(dir / "Zyn/COMBAT/ONLY.KRE", "x");
  QString loaded;
  app::LoadByListWindow w(
      settings, QString::fromStdString(dir / "Zyn/Quelvane/Combat"),
      [&](const QString& p) {
        loaded = p;
        return true;
      },
      prompter);
  EXPECT_EQ(child<QComboBox>(w, "DirectoryBox")->currentText(), "Qvn");
  child<QTabBar>(w, "ListTabs")->setCurrentIndex(2);
  auto* entries = child<QListWidget>(w, "EntryList");
  ASSERT_EQ(entries->count(), 2);
  EXPECT_TRUE(entries->item(0)->font().bold());
  EXPECT_EQ(entries->item(1)->text(), "Only in the base game");
  entries->setCurrentRow(0);
  EXPECT_EQ(child<QLabel>(w, "FileLabel")->text(), "----");
  entries->setCurrentRow(1);
  EXPECT_EQ(child<QLabel>(w, "FileLabel")->text(), "only.kre");
  w.accept();
  EXPECT_EQ(loaded, QString::fromStdString(dir / "Zyn/COMBAT/ONLY.KRE"));
  // A listed file that is gone is named in the refusal.
  fs::remove(dir / "Zyn/COMBAT/ONLY.KRE");
  w.accept();
  const auto refused = prompter.texts(testing_gui::ScriptedPrompter::Kind::Error);
  ASSERT_EQ(refused.size(), 1u);
  EXPECT_TRUE(refused[0].endsWith(QStringLiteral("only.kre does not exist!"), Qt::CaseInsensitive))
      << refused[0].toStdString();

  // A list of comments alone is there but lists nothing, and says so.
  fs::create_directories(dir / "Zyn/Quelvane/Melee");
  const std::string melee = dir / "Zyn/Quelvane/Melee/Mission.lst";
  writeFile(melee, "// melee missions\r\n// none yet\r\n");
  child<QTabBar>(w, "ListTabs")->setCurrentIndex(3);
  ASSERT_EQ(entries->count(), 1);
  EXPECT_EQ(entries->item(0)->text(),
            QString::fromStdString("(" + melee + " is empty: it lists no missions)"));
}

TEST_F(ListsWindows, OptSlotsAssignRenameAndUse) {
  fs::create_directories(dir / "Zyn/ivfiles");
  writeFile(dir / "Zyn/ivfiles/spec640.lst", "ivfiles\\first.opt\r\n");
  writeFile(dir / "Zyn/ivfiles/Big.OPT", "x");
  settings.modelDirectory = dir / "Zyn/ivfiles";
  auto names = shell::Vocabulary::builtIn(shell::tables::Ships);
  app::OptFileManager w(settings, names, prompter);
  EXPECT_FALSE(child<QComboBox>(w, "IvfilesDirBox")->isVisibleTo(&w));
  auto* slotList = child<QListWidget>(w, "SlotList");
  EXPECT_EQ(slotList->item(0)->text().left(2), "* ");
  EXPECT_TRUE(child<QLabel>(w, "StatusLabel")->text().endsWith("*AVAILABLE*"));
  slotList->setCurrentRow(9);  // slot 10 is not functional
  EXPECT_EQ(child<QLabel>(w, "StatusLabel")->text(), "Ship slot not functional");
  EXPECT_FALSE(child<QPushButton>(w, "AssignBtn")->isEnabled());
  slotList->setCurrentRow(69);  // slot 70 shares its line with 71
  child<QListWidget>(w, "OptFileList")->setCurrentRow(0);
  child<QPushButton>(w, "AssignBtn")->click();
  EXPECT_EQ(child<QLabel>(w, "StatusLabel")->text(), "Assigned to: big.opt");
  EXPECT_EQ(slotList->item(70)->text().left(2), "* ");
  slotList->setCurrentRow(0);
  testing_gui::EditorFixture::retype(child<QLineEdit>(w, "SlotNameEdit"),
                                     QString::fromUtf8("Arrow"));
  child<QPushButton>(w, "RenameBtn")->click();
  EXPECT_EQ(slotList->item(0)->text(), "* Arrow");
  // A default model the game does not have is not restored.
  slotList->setCurrentRow(1);
  child<QPushButton>(w, "RestoreBtn")->click();
  EXPECT_TRUE(
      child<QLabel>(w, "StatusLabel")->text().startsWith("Not restored: the default model "));
  child<QPushButton>(w, "UseBtn")->click();
  EXPECT_TRUE(w.craftNamesChanged());
  const std::string spec640 = readFile(dir / "Zyn/ivfiles/spec640.lst");
  EXPECT_EQ(spec640.substr(0, 19), "ivfiles\\first.opt\r\n");
  EXPECT_NE(spec640.find("ivfiles\\big.opt\r\n"), std::string::npos);
  EXPECT_EQ(spec640.find("IVFILES\\"), std::string::npos);  // nothing restored
  EXPECT_EQ(readFile(dir / "editor/Ships.txt").substr(0, 15), "(None)\r\nArrow\r\n");
}

// Every list window refuses a list that is not single-byte text with a message naming the file
// and writes nothing over it.
TEST_F(ListsWindows, EveryListWindowRefusesAListThatIsNotText) {
  const std::string utf16(
      "\xFF\xFE"
      "1\0\r\0\n\0",
      8);
  const auto refusedNaming = [&](const std::string& file) {
    const auto errors = prompter.texts(ScriptedPrompter::Kind::Error);
    return !errors.empty() && errors.back().contains(QString::fromStdString("\"" + file + "\"")) &&
           errors.back().contains("UTF-16");
  };

  const std::string lst = dir / "Zyn/Train/Mission.lst";
  writeFile(lst, utf16);
  model::Mission m = withPlayer();
  app::LstFilesWindow::run(nullptr, settings, m, "/x/T1.KRE", prompter, ini);
  EXPECT_TRUE(prompter.texts(ScriptedPrompter::Kind::Information)
                  .back()
                  .contains(QString::fromStdString("\"" + lst + "\"")));
  EXPECT_TRUE(prompter.dialogs.empty());

  fs::create_directories(dir / "Zyn/battle");
  const std::string battle = dir / "Zyn/battle/Mission.lst";
  writeFile(battle, utf16);
  {
    app::BattleManager w(settings, model::FormatBase, std::nullopt, prompter);
    EXPECT_TRUE(refusedNaming(battle));
    EXPECT_FALSE(child<QPlainTextEdit>(w, "MissionLstMemo")->isEnabled());
    prompter.saveNames.push_back(QString::fromStdString(dir / "Zyn/battle/Mine.lst"));
    child<QToolButton>(w, "SaveCustomBtn")->click();
    testing_gui::EditorFixture::retype(child<QLineEdit>(w, "TitleEdit"), QString::fromUtf8("Mine"));
    child<QPushButton>(w, "AutoAddBtn")->click();
    child<QPushButton>(w, "BackupBtn")->click();
    child<QPushButton>(w, "OKBtn")->click();
  }
  EXPECT_EQ(readFile(battle), utf16);
  EXPECT_FALSE(fs::exists(dir / "Zyn/battle/Mission.~ls"));

  const std::string combat = dir / "Zyn/COMBAT/Mission.lst";
  writeFile(combat, utf16);
  app::LoadByListWindow byList(
      settings, QString(), [](const QString&) { return true; }, prompter);
  child<QTabBar>(byList, "ListTabs")->setCurrentIndex(2);
  EXPECT_TRUE(refusedNaming(combat));

  fs::create_directories(dir / "Zyn/ivfiles");
  const std::string slotList = dir / "Zyn/ivfiles/spec640.lst";
  writeFile(slotList, utf16);
  app::OptFileManager opt(settings, shell::Vocabulary::builtIn(shell::tables::Ships), prompter);
  EXPECT_TRUE(refusedNaming(slotList));
  EXPECT_FALSE(child<QPushButton>(opt, "UseBtn")->isEnabled());
  opt.accept();
  EXPECT_EQ(readFile(slotList), utf16);
}

}  // namespace

namespace {

// A short tone as a wave file, for the fake game tree of the pictures.
void writeTone(const std::string& path) {
  const std::uint32_t samples = 2205;
  std::string data;
  auto u32 = [&](std::uint32_t v) {
    for (int i = 0; i < 4; ++i) data.push_back(static_cast<char>((v >> (8 * i)) & 0xFF));
  };
  auto u16 = [&](std::uint16_t v) {
    data.push_back(static_cast<char>(v & 0xFF));
    data.push_back(static_cast<char>(v >> 8));
  };
  data += "RIFF";
  u32(36 + samples);
  data += "WAVEfmt ";
  u32(16);
  u16(1);
  u16(1);
  u32(22050);
  u32(22050);
  u16(1);
  u16(8);
  data += "data";
  u32(samples);
  for (std::uint32_t i = 0; i < samples; ++i)
    data.push_back(static_cast<char>(i % 50 < 25 ? 200 : 56));
  fs::create_directories(fs::path(path).parent_path());
  writeFile(path, data);
}

void grab(QWidget& w, const QString& out, const char* name) {
  w.show();
  QApplication::processEvents();
  w.grab().save(out + QLatin1Char('/') + QLatin1String(name) + QStringLiteral(".png"));
}

// Every list window lays out all its controls: none is left in a corner over another.
TEST_F(ListsWindows, EveryControlOfTheListWindowsHasItsOwnPlace) {
  model::Mission m = withPlayer();
  m.platformId = model::FormatBase;
  writeFile(dir / "Zyn/Train/Mission.lst", "1\r\ntrain1.kre\r\nFirst flight\r\n");
  std::string why;
  auto session = lists::openListSession(settings, m, "/x/T1.KRE", why);
  ASSERT_TRUE(session) << why;
  app::LstFilesWindow lst(*session, prompter);
  app::BattleManager battle(settings, model::FormatExpansion, std::uint8_t{0}, prompter);
  app::LoadByListWindow byList(
      settings, {}, [](const QString&) { return true; }, prompter);
  app::OptFileManager opt(settings, shell::Vocabulary::builtIn(shell::tables::Ships), prompter);
  app::WavePlayer player0;
  app::WaveCatalogueWindow catalogue(settings, player0, [](const std::string&) { return true; });
  for (QWidget* w : std::initializer_list<QWidget*>{&lst, &battle, &byList, &opt, &catalogue}) {
    w->show();
    QApplication::processEvents();
    testing_gui::expectControlsApart(*w);
    w->hide();
  }
}

TEST_F(ListsWindows, DISABLED_Pictures) {
  const QString out = qEnvironmentVariable("ZYNED_GRAB_DIR");
  if (out.isEmpty()) GTEST_SKIP() << "set ZYNED_GRAB_DIR to save pictures of the list windows";
  // The pictures show the game folder: one with a name a reader could have, not a test's own.
  const fs::path root = fs::temp_directory_path() / "Games";
  fs::remove_all(root);
  struct Removed {
    fs::path path;
    ~Removed() {
      std::error_code ec;
      fs::remove_all(path, ec);
    }
  } removed{root};
  settings.gameDirectory = (root / "Zyn").string();
  settings.editorDirectory = (root / "editor").string();
  fs::create_directories(root / "editor");
  for (const char* sub :
       {"Zyn/Train", "Zyn/COMBAT/extra", "Zyn/Quelvane/Combat", "Zyn/Quelvane/Train",
        "Zyn/Quelvane/Campaign", "Zyn/Quelvane/ivfiles", "Zyn/ivfiles", "Zyn/battle", "Zyn/Melee"})
    fs::create_directories(root / sub);
  writeFile(
      root / "Zyn/COMBAT/Mission.lst",
      "// Combat missions\r\n[ Skirmishes ]\r\n1\r\ncombat1.kre\r\nAmbush at the relay\r\n2\r\n"
      "combat2.kre\r\nConvoy run\r\n//\r\n[ Stations ]\r\n3\r\ncombat3.kre\r\nStation siege\r\n");
  writeFile(root / "Zyn/COMBAT/Rebel.lst", "1\r\ncombat1.kre\r\nAmbush at the relay\r\n");
  // Missions of a few groups waiting on each other, for "Check All...".
  for (int i = 1; i <= 3; ++i) {
    model::Mission combat = testgen::flowMission(static_cast<std::uint64_t>(i), 8, 3);
    combat.platformId = model::FormatBase;
    model::saveMissionFile(combat, root / ("Zyn/COMBAT/combat" + std::to_string(i) + ".kre"));
  }
  writeFile(root / "Zyn/COMBAT/extra/bonus.kre", "x");
  writeFile(root / "Zyn/Quelvane/Campaign/Mission.lst", "1\r\nfirst.lst\r\nThe first campaign\r\n");
  writeFile(root / "Zyn/Quelvane/Campaign/Rebel.lst", "1\r\nfirst.lst\r\nThe first campaign\r\n");
  for (const char* f : {"camp1.kre", "camp2.kre", "camp3.kre"})
    writeFile(root / (std::string("Zyn/Quelvane/Train/") + f), "x");
  writeFile(root / "Zyn/Quelvane/ivfiles/spec640.lst",
            "ivfiles\\LTFIGHTER.OPT\r\nivfiles\\custom\\arrow.opt\r\n");
  for (const char* f : {"LtFighter.opt", "arrow2.opt", "hauler.opt"})
    writeFile(root / (std::string("Zyn/Quelvane/ivfiles/") + f), "x");
  for (const char* f :
       {"Rto1/To3glc00.wav", "Rto1/To3glc01.wav", "Train/Tdummy.wav", "train/hello.wav"})
    writeTone(root / (std::string("Zyn/wave/") + f));
  QDir().mkpath(out);

  model::Mission m = withPlayer();
  m.platformId = model::FormatBase;
  m.header.set(model::header::MissionType, std::uint8_t{model::MultiplayerCombat});
  std::string why;
  auto session = lists::openListSession(settings, m, "/x/combat4.kre", why);
  ASSERT_TRUE(session) << why;
  app::LstFilesWindow lst(*session, prompter);
  grab(lst, out, "lst-files");
  child<QPushButton>(lst, "CheckAllBtn")->click();
  if (auto* report = lst.findChild<app::ListCheckWindow*>()) grab(*report, out, "list-check");
  app::BattleManager battle(settings, model::FormatExpansion, std::uint8_t{0}, prompter);
  grab(battle, out, "battle-custom");
  child<QTabWidget>(battle, "BattlePages")->setCurrentIndex(1);
  grab(battle, out, "battle-lists");
  app::LoadByListWindow byList(
      settings, {}, [](const QString&) { return true; }, prompter);
  child<QTabBar>(byList, "ListTabs")->setCurrentIndex(2);
  grab(byList, out, "load-by-list");
  app::OptFileManager opt(settings, shell::Vocabulary::builtIn(shell::tables::Ships), prompter);
  child<QListWidget>(opt, "SlotList")->setCurrentRow(1);
  grab(opt, out, "opt-file-manager");
  app::WavePlayer player0;
  app::WaveCatalogueWindow catalogue(settings, player0, [](const std::string&) { return true; });
  grab(catalogue, out, "wave-catalogue");
  child<QComboBox>(catalogue, "VoiceBox")->setCurrentIndex(2);
  grab(catalogue, out, "wave-catalogue-training");
  child<QComboBox>(catalogue, "VoiceBox")->setCurrentIndex(0);
  app::AboutBox about;
  grab(about, out, "about");

  // The WAV Manager group as the Messages tab holds it, on a message whose file is missing.
  model::Mission sounds;
  sounds.platformId = model::FormatBase;
  sounds.newMission();
  for (int i = 0; i < 3; ++i) sounds.addMessage();
  writeFile(root / "Zyn/wave/M1.lst", "train\\hello.wav\r\nRsp1\\Rp1gone.wav\r\n");
  app::MissionDocument doc;
  shell::Vocabulary vocab;
  const app::EditorContext ctx{doc, vocab, settings, prompter, ""};
  QWidget holder;
  holder.resize(560, 150);
  auto* wav = new app::WavManager(ctx, &holder);
  (new QVBoxLayout(&holder))->addWidget(wav);
  const std::string missionFile = root / "Zyn/COMBAT/M1.KRE";
  wav->loadFor(sounds, missionFile);
  doc.replaceMission(std::move(sounds), missionFile, true);
  doc.selectMessages({1}, 1);
  grab(holder, out, "wav-manager");
}

}  // namespace
