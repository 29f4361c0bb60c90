#pragma once
// The mission's file life cycle: New Mission, open, load, reopen, save, save as, the question
// that saves a changed Mission before it is replaced or the editor closes, the backup copy, the
// file history and the start-up actions. It works on the context's document and asks through
// the context's prompter, so it runs without a main window; the window only wires commands
// and shows what it reports (title, reopen menu).

#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <functional>
#include <string>

#include "app/document/editor_context.h"
#include "model/document_state.h"
#include "model/mission.h"
#include "shell/file_history.h"
#include "shell/recovery.h"

class QWidget;

namespace app {

class MissionFiles : public QObject {
  Q_OBJECT
 public:
  // `boxParent` parents the boxes, dialogs and notices (and owns this object when given).
  MissionFiles(const EditorContext& context, QWidget* boxParent);

  // ---- What the window shows ----------------------------------------------------------------
  // The window title without the unsaved-changes star (UTF-8).
  const std::string& title() const { return title_; }
  void setTitle(const std::string& utf8);
  // The title of a named Mission follows its heading (string #0 of briefing 1) as it is edited,
  // in the form it has: as loaded, or as stored after a save.
  void followHeading();
  const shell::FileHistory& history() const { return history_; }
  // The folder the open dialog starts in: where the last mission was opened or saved.
  const QString& lastDirectory() const { return lastDirectory_; }
  void setLastDirectory(const QString& dir) { lastDirectory_ = dir; }
  // "Omit warnings" of the error list, until the next load or new Mission.
  bool omitWarnings() const { return omitWarnings_; }
  // The settings new records are made from.
  model::MissionDefaults missionDefaults() const;
  // The Mission's file as the editor last loaded or saved it (not `exists` for a Mission that
  // has no file, or whose file could not be read back).
  const shell::DiskStamp& diskStamp() const { return diskStamp_; }

  // ---- Commands -----------------------------------------------------------------------------
  // Asks to save a changed Mission; false when the command that asked must stop.
  bool saveChanged();
  // The save question, then a new Mission in the default format: the new-mission wizard's when
  // the settings ask for it (cancelling it keeps the open Mission), else a blank one.
  void newMission();
  // The save question, then the open dialog and a load of the chosen file.
  void openMission();
  // The save question, then a load of history entry `index`.
  void reopen(int index);
  // The save question, then a load of `path`, a mission another window chose.
  void openChosen(const QString& path);
  // Replaces the Mission by the file's content and writes the backup; on refusal shows why and
  // keeps the open Mission. Returns whether the file was loaded.
  bool load(const QString& path);
  // Save to the Mission's own file, or Save As when it has none. Returns whether it was written.
  bool save();
  bool saveAs();
  // Writes the Mission to `path`; false (after an error box) when it failed.
  bool saveTo(const QString& path);
  // "Import JSON…": the save question, the open dialog, and the Mission the JSON describes as an
  // unnamed, changed Mission (like an imported older mission); JSON the command-line from-json
  // refuses is refused with the same message and the open Mission stays.
  void importJson();
  // "Export as JSON…": the Mission as `zyned-cli dump` prints it, into a file the save dialog
  // names; the Mission itself stays as it is (name, changed state).
  void exportJson();
  // A Mission recovered from a copy: opened as it was, changed, under its file's name (`path`
  // empty: unnamed), its sound list entries `sounds` when the copy held them; `disk` is the file
  // as the editor that wrote the copy last loaded or saved it, so Save still sees a change made
  // on disk since.
  void restore(model::Mission m, const std::string& path, const shell::DiskStamp& disk,
               const std::vector<std::string>* sounds);
  // The file changed on disk: its content replaces the Mission as one undo step ("Reload from
  // disk"), the current flight group and message kept where they still exist. False (after an
  // error box) when it cannot be read.
  bool reloadFromDisk();
  // The field differences between the Mission's file on disk and the editor, as zyned-cli diff
  // prints them (the file first).
  QStringList differencesFromDisk() const;
  // A blank, unchanged Mission in `platformId`'s format with the settings' defaults.
  void makeNewMission(std::int16_t platformId);
  // Runs the check; `verbose` also reports a clean Mission.
  void runCheck(bool verbose);

  // ---- Start and close ----------------------------------------------------------------------
  // Reads the file history of the editor folder.
  void readHistory();
  // The file named on the command line, else the start-up action of the settings.
  void startUp(const QStringList& arguments);
  // The questions of closing the editor (the save question, then `moreOffers` for what the
  // caller owns), then the history is written; false when the editor must stay open.
  bool mayClose(const std::function<bool()>& moreOffers = {});
  void addToHistory(const QString& path);

  // ---- The message sound list beside the Mission ----------------------------------------------
  struct SoundHooks {
    // A loaded Mission, before it replaces the open one, and its file.
    std::function<void(model::Mission&, const std::string&)> load;
    // A new Mission.
    std::function<void()> reset;
    // Asks to save a changed sound list.
    std::function<void()> offerToSave;
    // The Mission was saved under a new name.
    std::function<void(const std::string&)> savedAs;
  };
  void setSoundHooks(SoundHooks hooks) { sounds_ = std::move(hooks); }
  // Asked before a mission file is loaded: false keeps the open Mission (another editor holds
  // the file and the user would rather not open it twice).
  void setOpenCheck(std::function<bool(const std::string&)> check) {
    openCheck_ = std::move(check);
  }
  void offerToSaveSounds();

 signals:
  // The title or the changed state to show with it.
  void titleChanged();
  void historyChanged();

 private:
  std::int16_t defaultFormat() const;
  // Where Save As starts: the Mission's own file; else the game's folder for its format and
  // type, with the name of the file an imported Mission came from.
  QString saveAsStart() const;
  // The new-mission wizard; false when it was cancelled and nothing changed.
  bool runWizard();
  void runStartUpDialog();
  void openLastUsedFile();
  void writeHistory();
  // Before a save to `path`: the Mission's own file with other bytes on disk than the editor
  // last read or wrote there is overwritten only when the user says so.
  bool mayOverwrite(const std::string& path);

  const EditorContext& ctx_;
  QWidget* boxParent_;
  std::string title_;
  std::string heading_;         // the heading the title shows
  bool headingStored_ = false;  // shown as stored (after a save) or as loaded
  shell::FileHistory history_;
  QString lastDirectory_;
  // The name (without extension) of the file the open Mission was imported from.
  QString importedName_;
  bool omitWarnings_ = false;
  // The notice of the last save while it shows: the error list opens clear of it.
  QPointer<QWidget> savedNotice_;
  SoundHooks sounds_;
  shell::DiskStamp diskStamp_;
  std::function<bool(const std::string&)> openCheck_;
  // Save As takes the sound list along instead of offering to save it.
  bool savingAs_ = false;
};

}  // namespace app
