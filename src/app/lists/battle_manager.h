#pragma once
// The "Battle/Campaign Manager": builds a custom list (missions in order with a description)
// from mission files on disk and enters it into the battle or campaign folder's "Mission.lst"
// (and, for campaigns, the side list). It never changes the open Mission.

#include <QDialog>

#include <optional>
#include <string>

#include "lists/custom_lists.h"
#include "shell/recovery.h"
#include "shell/vocabulary.h"

class QComboBox;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QTabWidget;

namespace app {

class Prompter;

class BattleManager : public QDialog {
  Q_OBJECT
 public:
  // `platformId` and `side` (the player's side) of the open Mission choose the starting type and
  // the campaign's side.
  BattleManager(const shell::Settings& settings, std::int16_t platformId,
                std::optional<std::uint8_t> side, Prompter& prompter, QWidget* parent = nullptr);

  // Shows the window modally through the prompter: the first time 18 pixels above the centre of
  // `parent`, after that where the user left it (kept in the settings file `iniPath`). Returns
  // the mission a line of "Check All…" chose to open (`vocabulary` names its craft; the built-in
  // tables without one).
  static std::optional<std::string> run(const shell::Settings& settings, std::int16_t platformId,
                                        std::optional<std::uint8_t> side, Prompter& prompter,
                                        const std::string& iniPath, QWidget* parent,
                                        const shell::Vocabulary* vocabulary = nullptr);

  lists::CustomListType type() const { return type_; }
  const lists::CustomList& customList() const { return list_; }
  const QString& customPath() const { return path_; }
  const lists::CustomListFolders& folders() const { return folders_; }

  void done(int result) override;
  // The mission a line of "Check All…" chose to open, once the window closed for it.
  const std::optional<std::string>& chosenMission() const { return chosen_; }

 private:
  void colourSideTab();
  // "Check All…": every mission of the custom list, checked, in a window of its own; a mission
  // chosen there closes the window to open it.
  void checkAll();
  // The constructor's steps: the two pages, the starting type, the controls' handlers.
  QWidget* buildCustomPage(QWidget* parent);
  QHBoxLayout* buildCustomTools(QWidget* custom);
  QHBoxLayout* buildChoices(QWidget* custom);
  QWidget* buildListsPage(QWidget* parent);
  void showStartingType(std::int16_t platformId, std::optional<std::uint8_t> side);
  void connectControls();
  void chooseType(int index);
  void chooseIff(int index);
  // Asks "Save .lst files?" when a list text changed and saves on yes.
  void offerToSaveLists();
  bool missionListChanged() const;
  bool sideListChanged() const;
  // "Next available #:" after the numbers of "Mission.lst".
  void showNextNumber();
  bool saveLists();
  void loadListTexts();
  void loadCustom();
  bool saveCustom();
  bool saveCustomAs();
  bool writeCustom(const QString& path);
  void showFolder(const QString& folder);
  void browse();
  void addMissions();
  void removeMission();
  void moveMission(int delta);
  void autoAdd();
  void backupNow();
  void showList();
  void showCount();
  void setCustomChanged();
  bool isCampaign() const { return type_ == lists::CustomListType::QvnCampaign; }
  // The list of the current type that could not be read, or empty.
  std::string unreadableList() const;

  shell::Settings settings_;
  Prompter& prompter_;
  const shell::Vocabulary* vocabulary_ = nullptr;
  std::optional<std::string> chosen_;
  lists::CustomListType type_ = lists::CustomListType::ZynBattle;
  bool imperial_ = false;
  lists::CustomListFolders folders_;
  lists::CustomList list_;
  QString path_;
  bool customChanged_ = false;
  // The list texts and the description as last read or saved: a text that differs was edited.
  QString missionShown_, sideShown_, descriptionShown_;
  bool missionUnreadable_ = false;  // "Mission.lst" could not be read: never written
  bool sideUnreadable_ = false;     // the side list likewise
  // The lists as the window last read or wrote them: another program may write them meanwhile.
  shell::DiskStamp missionRead_, sideRead_, customRead_;
  QString folder_;

  QLabel* nameLabel_ = nullptr;
  QLabel* folderLabel_ = nullptr;
  QListWidget* files_ = nullptr;
  QListWidget* missions_ = nullptr;
  QPlainTextEdit* description_ = nullptr;
  QLabel* count_ = nullptr;
  QComboBox* typeBox_ = nullptr;
  QComboBox* iffBox_ = nullptr;
  QTabWidget* listTabs_ = nullptr;
  QPlainTextEdit* missionLst_ = nullptr;
  QPlainTextEdit* sideLst_ = nullptr;
  QLineEdit* number_ = nullptr;
  QLabel* titleLabel_ = nullptr;
  QLineEdit* title_ = nullptr;
  QLineEdit* customName_ = nullptr;
};

}  // namespace app
