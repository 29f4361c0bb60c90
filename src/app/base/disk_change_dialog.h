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

class QLabel;
class QLayout;
class QPlainTextEdit;

namespace app {

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

}  // namespace app
