#pragma once
// The "Browse" dialog: picks a folder from a root box, a folder tree and a path field.

#include <QDialog>
#include <QString>

#include <optional>

class QComboBox;
class QFileSystemModel;
class QLabel;
class QLayout;
class QLineEdit;
class QTreeView;

namespace app {

class Prompter;

// Lets the user pick one existing folder, starting from a given one.
class FolderChooserDialog : public QDialog {
  Q_OBJECT
 public:
  // Opens at `start`, selected and scrolled into view; when it does not exist, at the user's
  // home folder (or the filesystem root).
  explicit FolderChooserDialog(const QString& start, QWidget* parent = nullptr);

  // The folder shown in the label: the one OK returns.
  QString currentFolder() const;
  // Shows `path` (when it is an existing folder): picks its root in the root box and selects it.
  void setCurrentFolder(const QString& path);

  // The entries of the root box: filesystem roots and mounted volumes, then the home folder.
  static QStringList rootFolders();

  // Shows the dialog modally through `prompter`; the chosen folder on OK, nothing on Cancel.
  static std::optional<QString> chooseFolder(QWidget* parent, const QString& start,
                                             Prompter& prompter);

  // Takes a folder typed into the path field; refuses to close while it names no folder.
  void accept() override;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void buildTree();
  QLayout* buildPathRow();
  void connectSignals();
  void onRootChosen(int index);
  void onFolderChosen();
  void onPathEdited(const QString& text);
  void showRoot(const QString& root);
  void showFolderText(bool withPath);
  // Selects the folder waiting to be shown once its branch of the tree has been read.
  void revealPending();

  QComboBox* roots_ = nullptr;
  QTreeView* tree_ = nullptr;
  QFileSystemModel* model_ = nullptr;
  QLineEdit* path_ = nullptr;
  QLabel* current_ = nullptr;
  QString folder_;
  QString pending_;      // the folder to select and scroll to when the tree has read it
  bool typing_ = false;  // the path field leads: the tree follows without rewriting it
};

}  // namespace app
