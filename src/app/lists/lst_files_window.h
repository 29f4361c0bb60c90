#pragma once
// The ".lst Files" window: the game's mission lists that belong to the open Mission, each as an
// editable page, with Auto-Add of the Mission's entry and a backup of the lists. Nothing is
// written before "&OK"; the Mission itself is never changed here.

#include <QDialog>

#include <optional>
#include <string>

#include "lists/game_lists.h"
#include "shell/vocabulary.h"

class QGroupBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTabWidget;

namespace app {

class Prompter;

class LstFilesWindow : public QDialog {
  Q_OBJECT
 public:
  LstFilesWindow(lists::ListSession session, Prompter& prompter, QWidget* parent = nullptr);

  // Runs the ".lst" command for the Mission: tells why when its lists cannot be edited,
  // otherwise shows the window modally through the prompter: the first time 15 pixels above the
  // centre of `parent`, after that where the user left it (kept in the settings file `iniPath`).
  // Returns the mission a line of "Check All…" chose to open (`vocabulary` names its craft;
  // the built-in tables without one).
  static std::optional<std::string> run(QWidget* parent, const shell::Settings& settings,
                                        const model::Mission& m, const std::string& missionFile,
                                        Prompter& prompter, const std::string& iniPath,
                                        const shell::Vocabulary* vocabulary = nullptr);

  const lists::ListSession& session() const { return session_; }

  void done(int result) override;
  // The mission a line of "Check All…" chose to open, once the window closed for it.
  const std::optional<std::string>& chosenMission() const { return chosen_; }

 private:
  void buildPages();
  QGroupBox* buildEntry(QPushButton*& addButton);
  QGroupBox* buildBackup(QPushButton*& backupButton);
  void autoAdd();
  // "Check All…": every mission the pages' lists name, checked, in a window of its own; a
  // mission chosen there closes the window to open it.
  void checkAll();
  void backupNow();
  // The pages' texts into the session.
  void takeTexts();

  lists::ListSession session_;
  std::array<std::string, 3> loaded_;  // the pages' texts as read
  Prompter& prompter_;
  shell::Settings settings_;
  const shell::Vocabulary* vocabulary_ = nullptr;
  std::optional<std::string> chosen_;
  QTabWidget* pages_ = nullptr;
  QPlainTextEdit* memos_[3] = {};
  QLineEdit* number_ = nullptr;
  QLineEdit* file_ = nullptr;
  QLineEdit* description_ = nullptr;
};

}  // namespace app
