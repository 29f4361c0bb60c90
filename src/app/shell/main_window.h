#pragma once
// The editor's main window: tool bar, the tabbed pages of the Mission, and the wiring of the
// commands; the file life cycle itself is app::MissionFiles.

#include <QMainWindow>
#include <QPointer>
#include <QStringList>

#include <memory>
#include <string>

#include "app/base/actions.h"
#include "app/document/editor_context.h"
#include "editing/library.h"
#include "model/mission.h"
#include "model/mission_edit.h"
#include "shell/file_history.h"
#include "shell/settings.h"
#include "shell/vocabulary.h"

class QAction;
class QLabel;
class QMenu;
class QTabWidget;

namespace app {

class ClipboardStore;
class DeferredPage;
class FlightGroupsPage;
class MessagesPage;
class MapWindow;
class MessageSounds;
class MissionDocument;
class MissionFiles;
class MissionSettingsPanel;
class MissionWatch;
class Prompter;
class RecoveryKeeper;
class TextBlockMemo;
class UndoHistoryWindow;
class WavManager;

// How the editor was started.
struct StartOptions {
  // Folder of "ZynED.ini".
  std::string configDir;
  // The program's arguments without the program name and options; the first names a mission
  // to open at start-up.
  QStringList arguments;
  // Answers the boxes and dialogs; the real ones when null.
  Prompter* prompter = nullptr;
  // Width of the screen for the window-size rules; 0 takes the screen the window is on.
  int screenWidth = 0;
};

class MainWindow : public QMainWindow {
  Q_OBJECT
 public:
  explicit MainWindow(StartOptions options, QWidget* parent = nullptr);
  ~MainWindow() override;

  MissionDocument& document() { return *doc_; }
  // Document, vocabulary, settings and prompter, for every page, window and dialog.
  const EditorContext& context() const { return *context_; }
  shell::Settings& settings() { return settings_; }
  const shell::Vocabulary& vocabulary() const { return vocab_; }
  const shell::FileHistory& history() const;
  // New, open, save, the save question, the history and the start-up actions.
  MissionFiles& files() { return *files_; }
  // The copies of unsaved work in the recovery folder.
  RecoveryKeeper& recovery() { return *recovery_; }
  // The watch on the mission file and its sound list.
  MissionWatch& watch() { return *watch_; }
  editing::Library& library() { return library_; }
  FlightGroupsPage* flightGroupsPage() const { return fgPage_; }
  // The pages behind the tabs are built when first shown; these build theirs when asked.
  MessagesPage* messagesPage();
  // The message sound list's group on the Messages tab.
  WavManager* wavManager();
  // The message sound list through the file life cycle.
  MessageSounds& messageSounds() { return *sounds_; }
  // The map window: made hidden when first asked for (the map command), lives as long as the
  // editor.
  MapWindow* mapWindow();
  std::string iniPath() const;
  // The folder the open dialog starts in.
  const QString& lastDirectory() const;
  bool omitWarnings() const;
  // Whether the first-activation steps have run.
  bool started() const { return started_; }
  // The address set for the "Home page" button in the settings file; empty: the help page.
  QString homePageUrl() const;

  // The window's commands: what each looks like, its keys and where they work, what it does
  // and when it can (main_window_actions.cpp). Adding a command is a row here and its id where
  // it shows in the menus, the tool bar or the list's pop-up menu (the layouts below).
  // Its actions go by their bare names in the "Keys" section.
  static constexpr const char* KeyGroup = "";
  static const std::vector<ActionSpec<MainWindow>>& actionTable();
  static const std::vector<MenuSpec>& menuBarLayout();
  static const QStringList& toolBarLayout();
  static const QStringList& flightGroupPopupLayout();
  static const QStringList& messagePopupLayout();
  const ActionSet& actions() const { return *actions_; }

 public slots:
  // The commands of the tool bar, the pop-up menu and the keyboard.
  void newMission();
  void openMission();
  // Returns whether the Mission was written.
  bool save();
  bool saveAs();
  void reopen(int index);
  void errorCheck();
  void preferences();
  void about();
  void homePage();
  // The "Flight Group Library" dialog, modal.
  void showLibrary();
  // The "Briefing Editor" window, modal.
  void briefings();
  // The game's lists and assets: ".lst", battles and campaigns, model slots, load by list.
  void editLists();
  void battleManager();
  void optManager();
  void loadByList();
  // The first-activation steps (run once, when the window is first shown).
  void firstActivation();
  // Opens the windows that were open when the editor closed last (the map, the undo history).
  void reopenWindows();
  // The keys chosen on Preferences › Keyboard, with a notice of those that are no keys.
  void readKeys();

 public:
  // Replaces the Mission by the file's content; on refusal shows why and keeps the open
  // Mission. Returns whether the file was loaded.
  bool load(const QString& path);
  // Writes the Mission to `path` as the user asked; false (after an error box) when it failed.
  bool saveTo(const QString& path);
  // Runs the check; `verbose` also reports a clean Mission.
  void runCheck(bool verbose);

 protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void buildActions();
  void buildToolBar();
  void buildPages();
  void buildFlightGroupsPage();
  // The pages built when their tab is first chosen, inside `frame`.
  QWidget* buildMessagesPage(QWidget* frame);
  QWidget* buildDescriptionPage(QWidget* frame);
  QWidget* buildDebriefingsPage(QWidget* frame);
  void sizeWindow();
  void readSettings();
  void rebuildReopenMenu();
  // The title with the unsaved-changes star as the Mission stands now.
  void refreshTitle();
  void applyFormat();
  void onDocumentChanged(const model::ChangeSet& c);
  // After an undo or redo: the page and tab that show what it changed come to the front.
  void showChanged(const model::ChangeSet& c);
  void applySettingsToMission();
  // Library entries appended to the Mission as one undo step.
  void addFromLibrary(std::vector<model::FlightGroup> groups);
  // The list the list commands (new, delete, move, cut, copy, paste) act on: the one of the
  // page in front, which is the one with the focus when a list has it.
  enum class ListTarget { None, FlightGroups, Messages };
  ListTarget listTarget() const;
  // Runs the command on the flight-group list or on the message list, as the target says.
  void listCommand(void (FlightGroupsPage::*onGroups)(), void (MessagesPage::*onMessages)());
  bool hasItems() const;
  bool canPaste() const;
  bool canMove(bool up) const;
  void showUndoHistory();
  // Preferences; `folders`: on the tab of the folders.
  void runPreferences(bool folders);
  // The handbook at the section about the page and tab in front.
  void showHandbookInFront();

  StartOptions options_;
  Prompter* prompter_;
  shell::Settings settings_;
  shell::Vocabulary vocab_;
  std::unique_ptr<MissionDocument> doc_;
  std::unique_ptr<EditorContext> context_;
  MissionFiles* files_ = nullptr;
  std::unique_ptr<ClipboardStore> clipboards_;
  editing::Library library_;
  std::unique_ptr<ActionSet> actions_;
  bool firstRunDialogShown_ = false;
  bool started_ = false;
  bool startScheduled_ = false;

  MessageSounds* sounds_ = nullptr;
  QTabWidget* pages_ = nullptr;
  FlightGroupsPage* fgPage_ = nullptr;
  DeferredPage* messagesFrame_ = nullptr;
  MessagesPage* messagesPage_ = nullptr;
  WavManager* wavManager_ = nullptr;
  MapWindow* mapWindow_ = nullptr;
  UndoHistoryWindow* undoHistory_ = nullptr;  // made when first shown
  MissionSettingsPanel* settingsPanel_ = nullptr;
  TextBlockMemo* descriptionMemo_ = nullptr;
  TextBlockMemo* successMemo_ = nullptr;
  TextBlockMemo* failureMemo_ = nullptr;
  QWidget* debriefings_ = nullptr;
  QLabel* noDebriefLabel_ = nullptr;
  QMenu* reopenMenu_ = nullptr;
  std::unique_ptr<RecoveryKeeper> recovery_;
  MissionWatch* watch_ = nullptr;
};

}  // namespace app
