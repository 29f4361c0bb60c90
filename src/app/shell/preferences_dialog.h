#pragma once
// The "Preferences" dialog: edits the running settings and, on OK, writes "ZynED.ini".

#include <QDialog>
#include <QString>

#include <array>
#include <functional>
#include <string>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QGridLayout;
class QGroupBox;
class QLabel;
class QLayout;
class QLineEdit;
class QScrollBar;
class QTabWidget;

namespace shell {
struct Settings;
class Vocabulary;
}  // namespace shell

namespace app {

class KeyboardPage;
class Prompter;

// What the main window does while the dialog is open and when it closes.
struct PreferencesHooks {
  // "Use Autolink by default" was ticked or cleared: every flight group and the main window's
  // auto-link box follow it at once.
  std::function<void(bool on)> autoLinkToggled;
  // The dialog closed (either button): the default ship and A.I. for NewFlightGroupTemplate.
  std::function<void(int craftType, int aiRank)> defaultsChosen;
};

// Shows every setting, copies the controls back into the running settings when it closes by
// either button, and writes the settings file only on OK.
class PreferencesDialog : public QDialog {
  Q_OBJECT
 public:
  // `screenWidth` decides the "AdjustForRes" box; 0 takes the width of the dialog's screen.
  PreferencesDialog(shell::Settings& settings, const shell::Vocabulary& vocab, std::string iniPath,
                    QWidget* parent = nullptr, int screenWidth = 0);

  // Error boxes go through `prompter` (the real boxes by default).
  void setPrompter(Prompter& prompter);
  // Brings the "Directories" tab to the front (the first start, where the folders are chosen).
  void showFolders();

  // Shows the dialog modally. Returns whether it was closed with OK.
  static bool editSettings(QWidget* parent, shell::Settings& settings,
                           const shell::Vocabulary& vocab, const std::string& iniPath,
                           const PreferencesHooks& hooks = {});

  // The caption of the "AdjustForRes" box for a screen width, empty when the box is hidden.
  static QString adjustForResCaption(int screenWidth);

  // The five directories, in the order of the Directories page.
  enum Directory { Missions, Zyn, ZynED, Wave, OPT, DirectoryCount };
  // Where "Browse" opens for a directory: its label, or for an undefined one the game's wave
  // folder (Wave only) or nothing (the chooser then starts at the home folder).
  QString browseStart(Directory which) const;
  // Puts a chosen folder into a directory label, as OK in the folder chooser does.
  void setDirectory(Directory which, const QString& folder);

  // Copies and checks every control; refuses to close while "Only when Zoom >" is not a number.
  void done(int result) override;

 signals:
  void autoLinkToggled(bool on);
  void defaultsChosen(int craftType, int aiRank);

 private:
  // A line of the Directories page: its caption, the start of its controls' names, and the
  // note under the caption (or null).
  struct DirectoryRow {
    const char* caption;
    const char* name;
    const char* note;
  };

  QWidget* buildOptionsPage(const shell::Vocabulary& vocab);
  QLayout* buildOptionChecks(QWidget* page);
  QGroupBox* buildNewFGGroup(const shell::Vocabulary& vocab, QWidget* page);
  QLayout* buildLanguageRow(QWidget* page);
  QWidget* buildDirectoriesPage();
  int addDirectoryRow(QGridLayout* layout, int line, Directory which, const DirectoryRow& row);
  QWidget* buildMapPage();
  QGroupBox* buildDefaultStateGroup(QWidget* page);
  QGroupBox* buildSmallWireframesGroup(QWidget* page);
  QWidget* buildMousePage();
  void showSettings();
  // Copies the controls into the settings. Accepted: false (and nothing copied) when a text is no
  // number; cancelled: such a field keeps its old value and the rest is copied.
  bool takeControls(bool accepted);
  void takeOptionsPage(shell::Settings& s) const;
  void takeDirectoriesPage(shell::Settings& s) const;
  void takeMapPage(shell::Settings& s) const;
  void browse(Directory which);
  QString modelDirectoryDefault() const;

  shell::Settings& settings_;
  std::string iniPath_;
  Prompter* prompter_ = nullptr;

  QTabWidget* pages_ = nullptr;
  KeyboardPage* keyboard_ = nullptr;

  QCheckBox* autoLink_ = nullptr;
  QCheckBox* checkPlayable_ = nullptr;
  QCheckBox* confirmDeletes_ = nullptr;
  QCheckBox* enableWPs_ = nullptr;
  QCheckBox* linkColor_ = nullptr;
  QCheckBox* adjustForRes_ = nullptr;
  QCheckBox* useWiz_ = nullptr;
  QCheckBox* dirInReopen_ = nullptr;
  QCheckBox* doBackups_ = nullptr;
  QCheckBox* fileSavedMsg_ = nullptr;
  QCheckBox* keepRecovery_ = nullptr;
  QButtonGroup* defaultFormat_ = nullptr;
  QButtonGroup* openProgWith_ = nullptr;
  QComboBox* defaultShip_ = nullptr;
  QComboBox* defaultAI_ = nullptr;
  QComboBox* language_ = nullptr;

  std::array<QLabel*, DirectoryCount> directories_{};
  // The model folder the OPT label showed for an unset setting: left unchanged, it stays unset
  // so that it keeps following the game folder.
  QString shownModelDefault_;

  QCheckBox* centre_ = nullptr;
  QCheckBox* ghostText_ = nullptr;
  QButtonGroup* defaultWPs_ = nullptr;
  QButtonGroup* autoCtr_ = nullptr;
  QCheckBox* defaultName_ = nullptr;
  QCheckBox* defaultWPtime_ = nullptr;
  QCheckBox* defaultWPdist_ = nullptr;
  QCheckBox* defaultPallet_ = nullptr;
  QCheckBox* defaultFGList_ = nullptr;
  QCheckBox* defaultHyp_ = nullptr;
  QCheckBox* defaultOptions_ = nullptr;
  QCheckBox* limitShrink_ = nullptr;
  QCheckBox* ghostGrid_ = nullptr;
  QCheckBox* onlyXY_ = nullptr;
  QLineEdit* iconZoomSmall_ = nullptr;

  QScrollBar* zoomSpeed_ = nullptr;
  QButtonGroup* dblClickLink_ = nullptr;
};

}  // namespace app
