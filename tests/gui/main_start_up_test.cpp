// The main window at start-up: the start action, the settings file and the first-run
// Preferences, the start-up choice box; Preferences opened from the main window.

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QMenu>
#include <QRadioButton>
#include <QTabWidget>

#include <filesystem>
#include <fstream>

#include "app/shell/startup_dialog.h"
#include "editor_fixture.h"
#include "shell/file_history.h"

using testing_gui::EditorFixture;
using testing_gui::hasNotice;
using testing_gui::titleFor;
using PromptKind = testing_gui::ScriptedPrompter::Kind;
namespace fs = std::filesystem;

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
  // At least 810 x 580, frame included within the screen (the offscreen screen may be
  // smaller, and the window then takes its whole width).
  const QRect area = window->screen()->availableGeometry();
  const QRect frame = window->frameGeometry();
  EXPECT_GE(frame.width(), std::min(810, area.width()));
  EXPECT_GE(frame.height(), std::min(580, area.height()));
  EXPECT_TRUE(area.contains(frame));
  EXPECT_TRUE(prompter.dialogs.empty());
  EXPECT_EQ(window->lastDirectory(), QString::fromStdString(settings.missionsDirectory));
}

TEST_F(StartUp, MissingSettingsFileOpensPreferencesWithDefaults) {
  // On the tab of the folders, as the handbook shows it.
  QString tab;
  prompter.onDialog = [&](QDialog& d) {
    if (auto* pages = d.findChild<QTabWidget*>(QStringLiteral("PrefPages")))
      tab = pages->currentWidget()->objectName();
    return int(QDialog::Rejected);
  };
  start({}, /*writeIni=*/false);
  EXPECT_EQ(tab, QStringLiteral("DirectoriesTab"));
  // Once for the missing file; cancelling it does not bring it back at once.
  EXPECT_EQ(prompter.dialogCount("app::PreferencesDialog"), 1);
  EXPECT_EQ(window->settings().gameDirectory, "Undefined");
}

TEST_F(StartUp, AbbreviatedDirectoryIsReportedBeforePreferences) {
  settings.waveDirectory = "C:\\GAMES\\QUELVA~1\\WAVE";
  // Opened for the folders: on their tab; Tools › "Preferences..." opens on the first one.
  QStringList tabs;
  prompter.onDialog = [&](QDialog& d) {
    if (auto* pages = d.findChild<QTabWidget*>(QStringLiteral("PrefPages")))
      tabs << pages->currentWidget()->objectName();
    return int(QDialog::Rejected);
  };
  start();
  window->findChild<QAction*>(QStringLiteral("PrefsAction"))->trigger();
  EXPECT_EQ(tabs, (QStringList{"DirectoriesTab", "OptionsTab"}));
  const auto infos = prompter.texts(PromptKind::Information);
  ASSERT_EQ(infos.size(), 1u);
  EXPECT_EQ(infos[0], QStringLiteral("At least one directory in Preferences includes the "
                                     "abbreviation \"quelva~1\".\n\r You'll need to reset them "
                                     "for some features to work correctly."));
  EXPECT_EQ(prompter.dialogCount("app::PreferencesDialog"), 2);
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
