#pragma once
// "Load by .lst": opens a mission by its place in the game's own lists (training lists per side,
// the combat list, the melee list), showing each entry's description and the lists' headings.

#include <QDialog>

#include <functional>
#include <vector>

#include "lists/load_by_list.h"

class QComboBox;
class QLabel;
class QListWidget;
class QTabBar;

namespace app {

class Prompter;

class LoadByListWindow : public QDialog {
  Q_OBJECT
 public:
  // `load` opens a mission file as the Mission (returns whether it did). `lastDirectory` is the
  // folder of the last open dialog: an expansion folder there starts the window on "Qvn".
  LoadByListWindow(const shell::Settings& settings, const QString& lastDirectory,
                   std::function<bool(const QString&)> load, Prompter& prompter,
                   QWidget* parent = nullptr);

  // The chosen directory (GameDirectory or ExpansionDirectory).
  const std::string& directory() const { return directory_; }
  const std::vector<lists::ListRow>& rows() const { return rows_; }

  void accept() override;

 private:
  void chooseDirectory(int index);
  void loadList();
  void showChoice();

  shell::Settings settings_;
  std::function<bool(const QString&)> load_;
  Prompter& prompter_;
  std::string directory_;
  std::vector<lists::ListRow> rows_;
  QTabBar* tabs_ = nullptr;
  QListWidget* list_ = nullptr;
  QLabel* fileLabel_ = nullptr;
  QComboBox* directoryBox_ = nullptr;
};

}  // namespace app
