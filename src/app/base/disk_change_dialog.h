#pragma once
// "Mission Changed on Disk": a file the editor works on has other bytes on disk than the editor
// last read or wrote there (a second editor, git, zyned-cli). Before a save it asks whether to
// overwrite them (Overwrite / Compare / Cancel); when the file changes while the editor holds
// unsaved changes it asks which to keep (Reload / Keep Mine / Compare). Compare shows, in the
// window, the differences between the file on disk and the editor, one line each.

#include <QDialog>
#include <QString>
#include <QStringList>

#include <functional>
#include <string>
#include <vector>

#include "shell/recovery.h"

class QLabel;
class QLayout;
class QPlainTextEdit;

namespace app {

class Prompter;

class DiskChangeDialog : public QDialog {
  Q_OBJECT
 public:
  enum class Mode { BeforeSave, ChangedOnDisk };
  enum class Choice { Overwrite, Reload, KeepMine, Cancel };
  // `file` names the file in the question; `differences` makes the lines Compare shows.
  DiskChangeDialog(Mode mode, const QString& file, std::function<QStringList()> differences,
                   QWidget* parent = nullptr);

  // Cancel (before a save) or Keep Mine (a change on disk) unless another button was pressed.
  Choice choice() const { return choice_; }

 private:
  QLayout* buildButtons(Mode mode);
  void compare();

  std::function<QStringList()> differences_;
  QPlainTextEdit* text_;
  Choice choice_;
};

// A text file the editor is about to write over, as it read it and as it will write it.
struct PlannedWrite {
  std::string path;
  shell::DiskStamp read;  // the file when the editor read it (not `exists` when it was missing)
  std::string bytes;      // what will be written
};
// Before writing files the editor read earlier (the game's lists): those another program wrote
// since are named in "Mission Changed on Disk", whose Compare shows the lines only on disk and
// only in the editor. True when none was written since, or the user chose Overwrite.
bool mayOverwrite(QWidget* parent, Prompter& prompter, const std::vector<PlannedWrite>& writes);

}  // namespace app
