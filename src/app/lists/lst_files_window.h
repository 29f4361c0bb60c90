#pragma once
// The ".lst Files" window: the game's mission lists that belong to the open Mission, each as an
// editable page, with Auto-Add of the Mission's entry and a backup of the lists. Nothing is
// written before "&OK"; the Mission itself is never changed here.

#include <QDialog>

#include "lists/game_lists.h"

class QLineEdit;
class QPlainTextEdit;
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
  static void run(QWidget* parent, const shell::Settings& settings, const model::Mission& m,
                  const std::string& missionFile, Prompter& prompter, const std::string& iniPath);

  const lists::ListSession& session() const { return session_; }

  void done(int result) override;

 private:
  void autoAdd();
  void backupNow();
  // The pages' texts into the session.
  void takeTexts();

  lists::ListSession session_;
  Prompter& prompter_;
  QTabWidget* pages_ = nullptr;
  QPlainTextEdit* memos_[3] = {};
  QLineEdit* number_ = nullptr;
  QLineEdit* file_ = nullptr;
  QLineEdit* description_ = nullptr;
};

}  // namespace app
