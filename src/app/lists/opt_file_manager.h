#pragma once
// The "OPT File Manager": the editor's craft types as the game's ship slots, the model file
// each uses, assigning another model or restoring the default, renaming slots in the craft-name
// table, and writing the slot lists (and a changed table) back on "&Use".

#include <QDialog>

#include <optional>
#include <string>
#include <vector>

#include "lists/model_slots.h"

class QCheckBox;
class QComboBox;
class QDialogButtonBox;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace app {

class Prompter;

class OptFileManager : public QDialog {
  Q_OBJECT
 public:
  // `craftNames` is the editor's craft-name table (entry c names craft type c).
  OptFileManager(const shell::Settings& settings, std::vector<std::string> craftNames,
                 Prompter& prompter, QWidget* parent = nullptr);

  // After "&Use": whether the craft-name table changed, and the table.
  bool craftNamesChanged() const { return namesChanged_; }
  const std::vector<std::string>& craftNames() const { return names_; }
  // The folder of the model file list.
  const QString& modelDirectory() const { return folder_; }
  // The folder the user chose with "Ivfiles Directory" or "Subdirectory" (in lower case after
  // browsing): the editor's model folder from now on, "&Use" or not. Nothing when none was.
  const std::optional<QString>& chosenModelDirectory() const { return chosen_; }
  const lists::SlotLists& slotLists() const { return lists_; }

  void accept() override;

 private:
  QHBoxLayout* buildLists();
  QHBoxLayout* buildNameRow();
  QDialogButtonBox* buildButtons(QPushButton*& use);
  // The slot lists read into the list; "&Use" (`use`) off when they cannot be.
  void readSlotLists(QPushButton* use);
  // The ivfiles box and the file list on the model folder of the settings.
  void showModelFolder();
  void connectSignals();

  void selectSlot(int row);
  void refreshRow(int craft);
  void showFolder(const QString& folder);
  void chooseIvfiles(int index);
  void browse();
  void assign();
  void restore();
  void rename();
  int currentCraft() const;
  std::string nameOf(int craft) const;

  shell::Settings settings_;
  std::vector<std::string> names_;
  Prompter& prompter_;
  lists::SlotLists lists_;
  bool namesChanged_ = false;
  bool unreadable_ = false;  // a slot list could not be read: nothing is written
  bool expansion_ = false;
  QString folder_;
  std::optional<QString> chosen_;

  QListWidget* slots_ = nullptr;
  QListWidget* files_ = nullptr;
  QLabel* folderLabel_ = nullptr;
  QPushButton* subdirectory_ = nullptr;
  QPushButton* assign_ = nullptr;
  QPushButton* restore_ = nullptr;
  QLineEdit* name_ = nullptr;
  QPushButton* rename_ = nullptr;
  QLabel* status_ = nullptr;
  QComboBox* ivfiles_ = nullptr;
  QCheckBox* zynToo_ = nullptr;
};

}  // namespace app
