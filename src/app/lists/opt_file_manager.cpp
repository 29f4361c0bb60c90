#include "app/lists/opt_file_manager.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFontDatabase>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/base/folder_chooser_dialog.h"
#include "app/base/prompter.h"
#include "app/base/text.h"
#include "app/base/translations.h"
#include "lists/text_file.h"
#include "shell/paths.h"
#include "shell/settings_file.h"
#include "shell/vocabulary.h"

namespace app {

namespace {

// The model folder as it is on disk: one kept in lower case is found again in any letter case.
std::string onDisk(const std::string& folder) {
  if (folder.empty() || folder.front() != '/' || shell::isDirectory(folder)) return folder;
  return lists::findPath("/", folder);
}

}  // namespace

OptFileManager::OptFileManager(const shell::Settings& settings, std::vector<std::string> craftNames,
                               Prompter& prompter, QWidget* parent)
    : QDialog(parent), settings_(settings), names_(std::move(craftNames)), prompter_(prompter) {
  setObjectName(QStringLiteral("OptFileManager"));
  setWindowTitle(tr("OPT File Manager"));
  expansion_ = shell::expansionInstalled(settings_);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(buildLists(), 1);
  layout->addLayout(buildNameRow());
  QPushButton* use = nullptr;
  QDialogButtonBox* buttons = buildButtons(use);
  layout->addWidget(status_);
  layout->addWidget(buttons);
  readSlotLists(use);
  showModelFolder();
  connectSignals();
  slots_->setCurrentRow(0);
  resize(620, 520);
}

// The slots, the folder's files and the buttons between them.
QHBoxLayout* OptFileManager::buildLists() {
  auto* slotGroup = new QGroupBox(tr("Select ship slot"), this);
  slots_ = new QListWidget(slotGroup);
  slots_->setObjectName(QStringLiteral("SlotList"));
  slots_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  (new QVBoxLayout(slotGroup))->addWidget(slots_);

  auto* fileGroup = new QGroupBox(tr("Select OPT file"), this);
  folderLabel_ = new QLabel(fileGroup);
  folderLabel_->setObjectName(QStringLiteral("OptFolderLabel"));
  folderLabel_->setWordWrap(true);
  files_ = new QListWidget(fileGroup);
  files_->setObjectName(QStringLiteral("OptFileList"));
  subdirectory_ = new QPushButton(tr("Subdirectory"), fileGroup);
  subdirectory_->setObjectName(QStringLiteral("SubdirectoryBtn"));
  auto* fileLayout = new QVBoxLayout(fileGroup);
  fileLayout->addWidget(folderLabel_);
  fileLayout->addWidget(files_, 1);
  fileLayout->addWidget(subdirectory_, 0, Qt::AlignRight);

  assign_ = new QPushButton(tr("<< Assign"), this);
  assign_->setObjectName(QStringLiteral("AssignBtn"));
  restore_ = new QPushButton(tr("Restore >>"), this);
  restore_->setObjectName(QStringLiteral("RestoreBtn"));
  auto* middle = new QVBoxLayout;
  middle->addStretch();
  middle->addWidget(assign_);
  middle->addWidget(restore_);
  middle->addStretch();

  auto* lists = new QHBoxLayout;
  lists->addWidget(slotGroup, 1);
  lists->addLayout(middle);
  lists->addWidget(fileGroup, 1);
  // Tab from left to right: the slots, the buttons between the lists, then the files.
  QWidget::setTabOrder(slots_, assign_);
  QWidget::setTabOrder(assign_, restore_);
  QWidget::setTabOrder(restore_, files_);
  QWidget::setTabOrder(files_, subdirectory_);
  return lists;
}

// The slot's name, the status line and the ivfiles folder of the expansion.
QHBoxLayout* OptFileManager::buildNameRow() {
  name_ = new QLineEdit(this);
  name_->setObjectName(QStringLiteral("SlotNameEdit"));
  name_->setAccessibleName(tr("Rename Slot"));
  rename_ = new QPushButton(tr("Rename Slot"), this);
  rename_->setObjectName(QStringLiteral("RenameBtn"));
  status_ = new QLabel(this);
  status_->setObjectName(QStringLiteral("StatusLabel"));
  status_->setFrameShape(QFrame::StyledPanel);
  status_->setTextInteractionFlags(Qt::TextSelectableByMouse);

  auto* ivGroup = new QGroupBox(tr("Ivfiles Directory"), this);
  ivGroup->setObjectName(QStringLiteral("IvfilesGroup"));
  ivfiles_ = new QComboBox(ivGroup);
  ivfiles_->setObjectName(QStringLiteral("IvfilesDirBox"));
  ivfiles_->addItems({QStringLiteral("Zyn"), QStringLiteral("Qvn")});
  ivfiles_->setFocusPolicy(Qt::StrongFocus);
  zynToo_ = new QCheckBox(tr("Zyn too"), ivGroup);
  zynToo_->setObjectName(QStringLiteral("ZynTooCheck"));
  auto* ivLayout = new QHBoxLayout(ivGroup);
  ivLayout->addWidget(ivfiles_);
  ivLayout->addWidget(zynToo_);
  ivGroup->setVisible(expansion_);

  auto* nameRow = new QHBoxLayout;
  nameRow->addWidget(name_, 1);
  nameRow->addWidget(rename_);
  nameRow->addSpacing(12);
  nameRow->addWidget(ivGroup);
  return nameRow;
}

QDialogButtonBox* OptFileManager::buildButtons(QPushButton*& use) {
  auto* buttons = new QDialogButtonBox(this);
  use = buttons->addButton(tr("&Use"), QDialogButtonBox::AcceptRole);
  use->setObjectName(QStringLiteral("UseBtn"));
  auto* cancel = buttons->addButton(tr("&Cancel"), QDialogButtonBox::RejectRole);
  cancel->setObjectName(QStringLiteral("CancelBtn"));
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  return buttons;
}

void OptFileManager::readSlotLists(QPushButton* use) {
  std::string error;
  if (!lists::loadSlotLists(settings_, lists_, error)) {
    // Lists that could not be read are never written: "&Use" would replace them by empty ones.
    unreadable_ = true;
    use->setEnabled(false);
    prompter_.error(this, qs(error));
  }
  for (int craft = 1; craft <= lists::CraftSlotCount; ++craft)
    slots_->addItem(fromFile(lists::slotRow(lists_, craft, nameOf(craft))));
}

namespace {

// A slot's status in the user's language: "Assigned to: " and "  *AVAILABLE*" around the model
// file's entry, or a whole text of the core's.
QString shownStatus(const std::string& status) {
  const std::string_view assigned = lists::opttext::AssignedTo;
  const std::string_view available = lists::opttext::Available;
  if (status.compare(0, assigned.size(), assigned) != 0) return coreText(status);
  std::string entry = status.substr(assigned.size());
  QString tail;
  if (entry.size() >= available.size() &&
      entry.compare(entry.size() - available.size(), available.size(), available) == 0) {
    entry.resize(entry.size() - available.size());
    tail = coreText(lists::opttext::Available);
  }
  return coreText(lists::opttext::AssignedTo) + qs(entry) + tail;
}

}  // namespace

void OptFileManager::showModelFolder() {
  const QString modelDir = qs(onDisk(shell::effectiveModelDirectory(settings_)));
  // Its handler is connected after: showing the folder here is no choice of the user's.
  ivfiles_->setCurrentIndex(modelDir.toLower().contains(QLatin1String("quelva")) ? 1 : 0);
  showFolder(modelDir);
  if (!QDir(modelDir).exists())
    prompter_.warning(this, coreText(lists::opttext::MissingDirectoryForm).arg(modelDir));
}

void OptFileManager::connectSignals() {
  connect(slots_, &QListWidget::currentRowChanged, this, &OptFileManager::selectSlot);
  connect(assign_, &QPushButton::clicked, this, &OptFileManager::assign);
  connect(restore_, &QPushButton::clicked, this, &OptFileManager::restore);
  connect(rename_, &QPushButton::clicked, this, &OptFileManager::rename);
  connect(ivfiles_, &QComboBox::currentIndexChanged, this, &OptFileManager::chooseIvfiles);
  connect(subdirectory_, &QPushButton::clicked, this, &OptFileManager::browse);
  connect(files_, &QListWidget::itemDoubleClicked, this, &OptFileManager::assign);
}

std::string OptFileManager::nameOf(int craft) const {
  return static_cast<std::size_t>(craft) < names_.size() ? names_[static_cast<std::size_t>(craft)]
                                                         : std::string();
}

int OptFileManager::currentCraft() const {
  return slots_->currentRow() + 1;
}

void OptFileManager::selectSlot(int row) {
  const int craft = row + 1;
  status_->setText(shownStatus(lists::slotStatus(settings_, lists_, craft)));
  const bool usable = lists::isFunctionalSlot(craft) && craft != lists::PlanetSlot;
  for (QWidget* w : {static_cast<QWidget*>(assign_), static_cast<QWidget*>(restore_),
                     static_cast<QWidget*>(name_), static_cast<QWidget*>(rename_)})
    w->setEnabled(usable);
  name_->setText(usable ? fromFile(nameOf(craft)) : QString());
}

void OptFileManager::refreshRow(int craft) {
  for (const int c : {craft, lists::slotPartner(craft)}) {
    if (c < 1 || c > lists::CraftSlotCount) continue;
    slots_->item(c - 1)->setText(fromFile(lists::slotRow(lists_, c, nameOf(c))));
  }
}

void OptFileManager::showFolder(const QString& folder) {
  folder_ = folder;
  folderLabel_->setText(folder);
  files_->clear();
  QDir dir(folder);
  dir.setNameFilters({QStringLiteral("*.opt")});
  dir.setFilter(QDir::Files);
  dir.setSorting(QDir::Name | QDir::IgnoreCase);
  files_->addItems(dir.entryList());
}

void OptFileManager::chooseIvfiles(int index) {
  const std::string base =
      index == 1 ? shell::expansionDirectory(settings_) : settings_.gameDirectory;
  showFolder(qs(lists::findPath(base, "ivfiles")));
  chosen_ = folder_;
}

void OptFileManager::browse() {
  const auto picked = FolderChooserDialog::chooseFolder(this, folder_, prompter_);
  if (!picked) return;
  showFolder(*picked);
  chosen_ = picked->toLower();
}

void OptFileManager::assign() {
  const int craft = currentCraft();
  QListWidgetItem* file = files_->currentItem();
  if (!file || !assign_->isEnabled()) return;
  // Models of the expansion's folder are named relative to the expansion.
  const std::string directory = folder_.toLower().contains(QLatin1String("quelva"))
                                    ? shell::expansionDirectory(settings_)
                                    : settings_.gameDirectory;
  const std::string path = QDir(folder_).filePath(file->text()).toStdString();
  const auto line = lists::assignedLine(directory, path);
  if (!line) {
    status_->setText(coreText(lists::opttext::OutsideFolderForm)
                         .arg(qs(path), qs(lists::findPath(directory, "ivfiles"))));
    return;
  }
  lists_.setLine(craft, *line);
  status_->setText(shownStatus(lists::opttext::AssignedTo + line->substr(8)));
  refreshRow(craft);
}

void OptFileManager::restore() {
  const int craft = currentCraft();
  if (!restore_->isEnabled()) return;
  // A name the game has no model for is not written: the slot keeps its model.
  if (!lists::defaultModelPresent(settings_, craft)) {
    QStringList folders;
    for (const std::string& f : lists::modelFolders(settings_)) folders << qs(f);
    status_->setText(coreText(lists::opttext::DefaultMissingForm)
                         .arg(qs(lists::defaultModel(craft)),
                              coreList(folders, model::OrWord, coreText(model::OrWord))));
    return;
  }
  lists_.setLine(craft, lists::restoredLine(craft));
  const auto& builtIn = shell::Vocabulary::builtIn(shell::tables::Ships);
  if (static_cast<std::size_t>(craft) < builtIn.size()) {
    if (names_.size() <= static_cast<std::size_t>(craft))
      names_.resize(static_cast<std::size_t>(craft) + 1);
    names_[static_cast<std::size_t>(craft)] = builtIn[static_cast<std::size_t>(craft)];
    namesChanged_ = true;
  }
  name_->setText(fromFile(nameOf(craft)));
  status_->setText(shownStatus(lists::slotStatus(settings_, lists_, craft)));
  refreshRow(craft);
}

void OptFileManager::rename() {
  const int craft = currentCraft();
  if (!rename_->isEnabled()) return;
  if (names_.size() <= static_cast<std::size_t>(craft))
    names_.resize(static_cast<std::size_t>(craft) + 1);
  names_[static_cast<std::size_t>(craft)] = toFile(name_->text());
  namesChanged_ = true;
  refreshRow(craft);
}

void OptFileManager::accept() {
  if (unreadable_) return;
  std::string error;
  const auto targets = lists::slotListTargets(settings_, zynToo_->isChecked());
  if (!lists::writeSlotFiles(lists_, targets, namesChanged_ ? &names_ : nullptr,
                             settings_.editorDirectory, error)) {
    // Nothing was replaced; the window stays so the user can try again or cancel.
    prompter_.error(this, qs(error));
    return;
  }
  QDialog::accept();
}

}  // namespace app
