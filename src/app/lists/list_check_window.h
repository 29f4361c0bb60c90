#pragma once
// "Check All…" of the ".lst Files" window and the battle manager: every mission the lists name,
// each with its error check and its flow findings and advisories, and the summary line. A click
// on a mission's line asks for that mission to be opened.

#include <QDialog>

#include <optional>
#include <string>

#include "flow/list_check.h"

class QLabel;
class QListWidget;
class QListWidgetItem;

namespace app {

class Prompter;

class ListCheckWindow : public QDialog {
  Q_OBJECT
 public:
  ListCheckWindow(flow::ListCheck check, QWidget* parent = nullptr);

  const flow::ListCheck& check() const { return check_; }
  QListWidget* lines() const { return lines_; }

  // Checks `missions` and shows the report beside `parent` (a window of its own it owns), with
  // the settings and the vocabulary of the editor (the built-in tables without one).
  static ListCheckWindow* present(const std::vector<flow::ListedMission>& missions,
                                  const shell::Settings& settings,
                                  const shell::Vocabulary* vocabulary, QWidget* parent);

 signals:
  // A mission's line was chosen: the file to open.
  void openMission(const QString& path);

 private:
  void fill();
  void choose(QListWidgetItem* item);

  flow::ListCheck check_;
  QLabel* summary_ = nullptr;
  QListWidget* lines_ = nullptr;
};

// Closes a lists window to open the mission at `path`: when its lists `changed`, the user first
// says whether to save them (Yes closes it as OK, which saves; No as Cancel; Cancel keeps it
// open). The path, or nothing when the window stays open.
std::optional<std::string> closeToOpen(QDialog& window, Prompter& prompter, bool changed,
                                       const QString& path);

}  // namespace app
