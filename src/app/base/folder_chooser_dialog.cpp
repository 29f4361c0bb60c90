#include "app/base/folder_chooser_dialog.h"

#include "app/base/dialog_buttons.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QStorageInfo>
#include <QTreeView>
#include <QVBoxLayout>

namespace app {

namespace {

QString cleanFolder(const QString& path) {
  return QDir::cleanPath(QFileInfo(path).absoluteFilePath());
}

bool isInside(const QString& path, const QString& root) {
  if (path == root) return true;
  const QString prefix = root.endsWith('/') ? root : root + '/';
  return path.startsWith(prefix);
}

}  // namespace

QStringList FolderChooserDialog::rootFolders() {
  QStringList roots;
  const auto add = [&roots](const QString& path) {
    if (path.isEmpty()) return;
    const QString clean = QDir::cleanPath(path);
    if (!roots.contains(clean)) roots << clean;
  };
  for (const QFileInfo& drive : QDir::drives()) add(drive.absoluteFilePath());
  for (const QStorageInfo& volume : QStorageInfo::mountedVolumes()) {
    if (volume.isValid() && volume.isReady()) add(volume.rootPath());
  }
  add(QDir::homePath());
  return roots;
}

FolderChooserDialog::FolderChooserDialog(const QString& start, QWidget* parent) : QDialog(parent) {
  setObjectName("FolderChooser");
  setWindowTitle("Browse");

  roots_ = new QComboBox(this);
  roots_->setObjectName("DriveBox");
  for (const QString& root : rootFolders()) roots_->addItem(QDir::toNativeSeparators(root), root);

  model_ = new QFileSystemModel(this);
  model_->setFilter(QDir::Dirs | QDir::Drives | QDir::NoDotAndDotDot);
  model_->setReadOnly(true);

  tree_ = new QTreeView(this);
  tree_->setObjectName("FolderTree");
  tree_->setModel(model_);
  tree_->setHeaderHidden(true);
  for (int column = 1; column < model_->columnCount(); ++column) tree_->hideColumn(column);
  tree_->setSelectionMode(QAbstractItemView::SingleSelection);
  tree_->setMinimumSize(360, 360);

  current_ = new QLabel(this);
  current_->setObjectName("FolderLabel");
  current_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  current_->setWordWrap(true);

  auto* buttons = okCancelButtons(this);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(roots_);
  layout->addWidget(tree_, 1);
  layout->addWidget(current_);
  layout->addWidget(buttons);

  connect(roots_, &QComboBox::activated, this, &FolderChooserDialog::onRootChosen);
  connect(tree_->selectionModel(), &QItemSelectionModel::currentChanged, this,
          &FolderChooserDialog::onFolderChosen);

  QString first = start.isEmpty() ? QString() : cleanFolder(start);
  if (first.isEmpty() || !QFileInfo(first).isDir()) first = QDir::homePath();
  if (!QFileInfo(first).isDir()) first = QDir::rootPath();
  setCurrentFolder(first);
}

QString FolderChooserDialog::currentFolder() const {
  return folder_;
}

void FolderChooserDialog::setCurrentFolder(const QString& path) {
  const QString folder = cleanFolder(path);
  if (!QFileInfo(folder).isDir()) return;

  // The innermost root that holds the folder, so the tree starts as close to it as possible.
  int best = -1;
  qsizetype bestLength = -1;
  for (int i = 0; i < roots_->count(); ++i) {
    const QString root = roots_->itemData(i).toString();
    if (isInside(folder, root) && root.size() > bestLength) {
      best = i;
      bestLength = root.size();
    }
  }
  if (best < 0) {
    roots_->addItem(QDir::toNativeSeparators(folder), folder);
    best = roots_->count() - 1;
  }
  roots_->setCurrentIndex(best);
  showRoot(roots_->itemData(best).toString());

  const QModelIndex index = model_->index(folder);
  if (index.isValid()) {
    for (QModelIndex up = index.parent(); up.isValid(); up = up.parent()) tree_->expand(up);
    tree_->setCurrentIndex(index);
    tree_->scrollTo(index);
  }
  folder_ = folder;
  current_->setText(QDir::toNativeSeparators(folder_));
}

void FolderChooserDialog::showRoot(const QString& root) {
  model_->setRootPath(root);
  tree_->setRootIndex(model_->index(root));
}

void FolderChooserDialog::onRootChosen(int index) {
  const QString root = roots_->itemData(index).toString();
  showRoot(root);
  tree_->clearSelection();
  folder_ = root;
  current_->setText(QDir::toNativeSeparators(folder_));
}

void FolderChooserDialog::onFolderChosen() {
  const QModelIndex index = tree_->currentIndex();
  if (!index.isValid()) return;
  folder_ = model_->filePath(index);
  current_->setText(QDir::toNativeSeparators(folder_));
}

std::optional<QString> FolderChooserDialog::chooseFolder(QWidget* parent, const QString& start) {
  FolderChooserDialog dialog(start, parent);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  return dialog.currentFolder();
}

}  // namespace app
