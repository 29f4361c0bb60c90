#include "app/base/folder_chooser_dialog.h"

#include "app/base/dialog_buttons.h"
#include "app/base/prompter.h"

#include <QAbstractFileIconProvider>
#include <QApplication>
#include <QComboBox>
#include <QCompleter>
#include <QDialogButtonBox>
#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStorageInfo>
#include <QStyle>
#include <QTimer>
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

// Whether the tree would show anything below `folder` (hidden folders are not shown).
bool hasVisibleFolders(const QString& folder) {
  return !QDir(folder).entryList(QDir::Dirs | QDir::NoDotAndDotDot).isEmpty();
}

// Whether a part of the path is a hidden folder (".config"): the tree then shows hidden ones.
bool insideHidden(const QString& folder) {
  const QStringList parts = folder.split(QLatin1Char('/'), Qt::SkipEmptyParts);
  for (const QString& part : parts)
    if (part.startsWith(QLatin1Char('.'))) return true;
  return false;
}

// A typed path: "~" is the home folder, relative paths are not guessed at.
QString typedFolder(const QString& text) {
  QString path = text.trimmed();
  if (path == QLatin1String("~") || path.startsWith(QLatin1String("~/")))
    path = QDir::homePath() + path.mid(1);
  path = QDir::fromNativeSeparators(path);
  if (path.isEmpty() || QDir::isRelativePath(path)) return {};
  return QDir::cleanPath(path);
}

// Icons and type names by what a file is, never by what it holds: the toolkit's own provider
// reads a file's first bytes to guess its type, and a read of a named pipe or of a kernel file
// such as /proc/kmsg never returns (the model then hangs the editor when it is destroyed).
class FolderIcons : public QAbstractFileIconProvider {
 public:
  QIcon icon(IconType type) const override {
    return QApplication::style()->standardIcon(type == Drive ? QStyle::SP_DriveHDIcon
                                                             : QStyle::SP_DirIcon);
  }
  QIcon icon(const QFileInfo& info) const override {
    return QApplication::style()->standardIcon(info.isDir() ? QStyle::SP_DirIcon
                                                            : QStyle::SP_FileIcon);
  }
  QString type(const QFileInfo& info) const override {
    return info.isDir() ? QStringLiteral("Folder") : QStringLiteral("File");
  }
};

FolderIcons& folderIcons() {
  static FolderIcons icons;
  return icons;
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
  setWindowTitle(tr("Browse"));

  roots_ = new QComboBox(this);
  roots_->setObjectName("DriveBox");
  roots_->setAccessibleName(tr("Drive"));
  for (const QString& root : rootFolders()) roots_->addItem(QDir::toNativeSeparators(root), root);

  buildTree();
  QLayout* pathRow = buildPathRow();

  current_ = new QLabel(this);
  current_->setObjectName("FolderLabel");
  current_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  current_->setWordWrap(true);

  auto* buttons = okCancelButtons(this);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(roots_);
  layout->addWidget(tree_, 1);
  layout->addLayout(pathRow);
  layout->addWidget(current_);
  layout->addWidget(buttons);

  connectSignals();

  QString first = start.isEmpty() ? QString() : cleanFolder(start);
  if (first.isEmpty() || !QFileInfo(first).isDir()) first = QDir::homePath();
  if (!QFileInfo(first).isDir()) first = QDir::rootPath();
  setCurrentFolder(first);
}

// The folders under the chosen root, read in the background.
void FolderChooserDialog::buildTree() {
  model_ = new QFileSystemModel(this);
  model_->setFilter(QDir::Dirs | QDir::Drives | QDir::NoDotAndDotDot);
  model_->setReadOnly(true);
  model_->setIconProvider(&folderIcons());

  tree_ = new QTreeView(this);
  tree_->setObjectName("FolderTree");
  tree_->setAccessibleName(tr("Folders"));
  tree_->setModel(model_);
  tree_->setHeaderHidden(true);
  for (int column = 1; column < model_->columnCount(); ++column) tree_->hideColumn(column);
  tree_->setSelectionMode(QAbstractItemView::SingleSelection);
  tree_->setMinimumSize(360, 360);
  tree_->installEventFilter(this);
  tree_->viewport()->installEventFilter(this);
}

QLayout* FolderChooserDialog::buildPathRow() {
  // A folder can also be typed or pasted; the tree follows while it names one.
  path_ = new QLineEdit(this);
  path_->setObjectName("FolderPathEdit");
  path_->setClearButtonEnabled(true);
  auto* completions = new QFileSystemModel(this);
  completions->setFilter(QDir::Dirs | QDir::Drives | QDir::NoDotAndDotDot | QDir::Hidden);
  completions->setIconProvider(&folderIcons());
  completions->setRootPath(QString());
  auto* completer = new QCompleter(completions, this);
  path_->setCompleter(completer);
  auto* pathLabel = new QLabel(tr("&Folder:"), this);
  pathLabel->setBuddy(path_);
  auto* pathRow = new QHBoxLayout;
  pathRow->addWidget(pathLabel);
  pathRow->addWidget(path_, 1);
  return pathRow;
}

void FolderChooserDialog::connectSignals() {
  connect(roots_, &QComboBox::activated, this, &FolderChooserDialog::onRootChosen);
  connect(tree_->selectionModel(), &QItemSelectionModel::currentChanged, this,
          &FolderChooserDialog::onFolderChosen);
  connect(path_, &QLineEdit::textEdited, this, &FolderChooserDialog::onPathEdited);
  // The tree is read in the background: the start folder is selected and scrolled to again
  // each time a branch arrives or the rows are sorted, until the user takes over.
  connect(model_, &QFileSystemModel::directoryLoaded, this,
          [this] { QTimer::singleShot(0, this, &FolderChooserDialog::revealPending); });
  connect(model_, &QAbstractItemModel::layoutChanged, this,
          [this] { QTimer::singleShot(0, this, &FolderChooserDialog::revealPending); });
}

bool FolderChooserDialog::eventFilter(QObject* watched, QEvent* event) {
  // Once the user clicks, scrolls or keys in the tree, it is no longer moved for them.
  switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::Wheel:
    case QEvent::KeyPress:
      pending_.clear();
      break;
    default:
      break;
  }
  return QDialog::eventFilter(watched, event);
}

QString FolderChooserDialog::currentFolder() const {
  return folder_;
}

void FolderChooserDialog::setCurrentFolder(const QString& path) {
  const QString folder = cleanFolder(path);
  if (!QFileInfo(folder).isDir()) return;

  QDir::Filters filter = QDir::Dirs | QDir::Drives | QDir::NoDotAndDotDot;
  if (insideHidden(folder)) filter |= QDir::Hidden;
  if (model_->filter() != filter) model_->setFilter(filter);

  // The innermost root that holds the folder, so the tree starts as close to it as possible;
  // but a root that is the folder itself and shows nothing below it (a home folder of hidden
  // folders only) gives way to the next root out, where the folder is seen among its neighbours.
  int best = -1;
  qsizetype bestLength = -1;
  int outermost = -1;
  qsizetype outermostLength = -1;
  for (int i = 0; i < roots_->count(); ++i) {
    const QString root = roots_->itemData(i).toString();
    if (!isInside(folder, root)) continue;
    if (outermost < 0 || root.size() < outermostLength) {
      outermost = i;
      outermostLength = root.size();
    }
    if (root == folder && !(filter & QDir::Hidden) && !hasVisibleFolders(folder)) continue;
    if (root.size() > bestLength) {
      best = i;
      bestLength = root.size();
    }
  }
  if (best < 0) best = outermost;
  if (best < 0) {
    roots_->addItem(QDir::toNativeSeparators(folder), folder);
    best = roots_->count() - 1;
  }
  roots_->setCurrentIndex(best);
  showRoot(roots_->itemData(best).toString());

  folder_ = folder;
  pending_ = folder;
  revealPending();
  showFolderText(!typing_);
}

void FolderChooserDialog::revealPending() {
  if (pending_.isEmpty()) return;
  const QModelIndex index = model_->index(pending_);
  if (!index.isValid()) return;
  for (QModelIndex up = index.parent(); up.isValid(); up = up.parent()) tree_->expand(up);
  const QString keep = pending_;
  tree_->setCurrentIndex(index);
  pending_ = keep;
  tree_->scrollTo(index, QAbstractItemView::PositionAtCenter);
}

void FolderChooserDialog::showRoot(const QString& root) {
  model_->setRootPath(root);
  tree_->setRootIndex(model_->index(root));
}

void FolderChooserDialog::showFolderText(bool withPath) {
  current_->setText(QDir::toNativeSeparators(folder_));
  if (withPath) path_->setText(QDir::toNativeSeparators(folder_));
}

void FolderChooserDialog::onRootChosen(int index) {
  const QString root = roots_->itemData(index).toString();
  pending_.clear();
  showRoot(root);
  tree_->clearSelection();
  folder_ = root;
  showFolderText(true);
}

void FolderChooserDialog::onFolderChosen() {
  const QModelIndex index = tree_->currentIndex();
  if (!index.isValid()) return;
  folder_ = model_->filePath(index);
  if (folder_ != pending_) pending_.clear();
  showFolderText(!typing_);
}

void FolderChooserDialog::onPathEdited(const QString& text) {
  const QString folder = typedFolder(text);
  if (folder.isEmpty() || !QFileInfo(folder).isDir() || cleanFolder(folder) == folder_) return;
  typing_ = true;
  setCurrentFolder(folder);
  typing_ = false;
}

void FolderChooserDialog::accept() {
  const QString typed = path_->text().trimmed();
  if (!typed.isEmpty() && typed != QDir::toNativeSeparators(folder_)) {
    const QString folder = typedFolder(typed);
    if (folder.isEmpty() || !QFileInfo(folder).isDir()) {
      current_->setText(QString("\"%1\" is not a folder.").arg(typed));
      path_->setFocus();
      path_->selectAll();
      return;
    }
    folder_ = cleanFolder(folder);
  }
  QDialog::accept();
}

std::optional<QString> FolderChooserDialog::chooseFolder(QWidget* parent, const QString& start,
                                                         Prompter& prompter) {
  FolderChooserDialog dialog(start, parent);
  if (prompter.exec(dialog) != QDialog::Accepted) return std::nullopt;
  return dialog.currentFolder();
}

}  // namespace app
