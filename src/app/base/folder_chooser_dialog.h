#pragma once
// The "Browse" dialog: picks a folder from a root box and a folder tree.

#include <QDialog>
#include <QString>

#include <optional>

class QComboBox;
class QFileSystemModel;
class QLabel;
class QTreeView;

namespace app {

// Lets the user pick one existing folder, starting from a given one.
class FolderChooserDialog : public QDialog {
  Q_OBJECT
 public:
  // Opens at `start`; when it does not exist, at the user's home folder (or the filesystem root).
  explicit FolderChooserDialog(const QString& start, QWidget* parent = nullptr);

  // The folder shown in the label: the one OK returns.
  QString currentFolder() const;
  // Shows `path` (when it is an existing folder): picks its root in the root box and selects it.
  void setCurrentFolder(const QString& path);

  // The entries of the root box: filesystem roots and mounted volumes, then the home folder.
  static QStringList rootFolders();

  // Shows the dialog modally; the chosen folder on OK, nothing on Cancel.
  static std::optional<QString> chooseFolder(QWidget* parent, const QString& start);

 private:
  void onRootChosen(int index);
  void onFolderChosen();
  void showRoot(const QString& root);

  QComboBox* roots_ = nullptr;
  QTreeView* tree_ = nullptr;
  QFileSystemModel* model_ = nullptr;
  QLabel* current_ = nullptr;
  QString folder_;
};

}  // namespace app
