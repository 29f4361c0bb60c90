#include "app/lists/battle_manager.h"
#include "app/base/input_policy.h"
#include "app/base/translations.h"
#include "app/lists/list_texts.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileInfo>
#include <QFontDatabase>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

#include <functional>

#include "app/base/dialog_buttons.h"
#include "app/base/disk_change_dialog.h"
#include "app/base/folder_chooser_dialog.h"
#include "app/base/notice_window.h"
#include "app/base/palette_colours.h"
#include "app/base/prompter.h"
#include "app/base/text.h"
#include "app/base/window_memory.h"
#include "app/lists/list_check_window.h"
#include "lists/game_lists.h"
#include "lists/text_file.h"
#include "shell/settings_file.h"

namespace app {

namespace {

constexpr const char* UnnamedList = "Unnamed";
// How long "Backed up ..." stays.
constexpr int BattleBackupNoticeMs = 2000;

QToolButton* toolButton(const QString& text, const QString& hint, const char* name,
                        QWidget* parent) {
  auto* b = new QToolButton(parent);
  b->setText(text);
  b->setToolTip(hint);
  b->setObjectName(QString::fromLatin1(name));
  return b;
}

// A list file's text as the pages show it: empty when the file is missing; false, with the
// message, when it is there but cannot be read (or is not single-byte text).
bool listText(const std::string& path, QString& text, std::string& error) {
  text.clear();
  if (!lists::pathExists(path)) return true;
  std::vector<std::string> lines;
  if (!lists::readLines(path, lines, error)) return false;
  text = fromFile(lists::pageText(lines));
  return true;
}

}  // namespace

BattleManager::BattleManager(const shell::Settings& settings, std::int16_t platformId,
                             std::optional<std::uint8_t> side, Prompter& prompter, QWidget* parent)
    : QDialog(parent),
      settings_(settings),
      prompter_(prompter),
      path_(QString::fromLatin1(UnnamedList)) {
  setObjectName(QStringLiteral("BattleManager"));
  setWindowTitle(tr("Battle/Campaign Manager"));
  auto* pages = new QTabWidget(this);
  pages->setObjectName(QStringLiteral("BattlePages"));
  pages->addTab(buildCustomPage(pages), tr("Custom .lst"));
  pages->addTab(buildListsPage(pages), tr("Mission / IFF .lsts"));
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(pages, 1);
  layout->addWidget(okCancelButtons(this));
  showStartingType(platformId, side);
  connectControls();
  resize(700, 560);
}

// The custom list's tool bar: load, move, save and the list's name.
QHBoxLayout* BattleManager::buildCustomTools(QWidget* custom) {
  auto* tools = new QHBoxLayout;
  auto* loadBtn = toolButton(tr("Load"), tr("Load  Custom .lst file"), "LoadCustomBtn", custom);
  auto* upBtn = toolButton(tr("Up"), tr("Move mission up in list"), "MoveUpBtn", custom);
  auto* downBtn = toolButton(tr("Down"), tr("Move mission down in list"), "MoveDownBtn", custom);
  auto* saveAsBtn =
      toolButton(tr("Save As"), tr("Save As Custom .lst file"), "SaveAsCustomBtn", custom);
  auto* saveBtn = toolButton(tr("Save"), tr("Save Custom .lst file"), "SaveCustomBtn", custom);
  nameLabel_ = new QLabel(tr("<No File>"), custom);
  nameLabel_->setObjectName(QStringLiteral("CustomNameLabel"));
  for (QWidget* w : {static_cast<QWidget*>(loadBtn), static_cast<QWidget*>(upBtn),
                     static_cast<QWidget*>(downBtn), static_cast<QWidget*>(saveAsBtn),
                     static_cast<QWidget*>(saveBtn)})
    tools->addWidget(w);
  tools->addSpacing(10);
  tools->addWidget(nameLabel_, 1);
  return tools;
}

// The list's type and the campaign's IFF.
QHBoxLayout* BattleManager::buildChoices(QWidget* custom) {
  typeBox_ = new QComboBox(custom);
  typeBox_->setObjectName(QStringLiteral("TypeBox"));
  typeBox_->setFocusPolicy(Qt::StrongFocus);
  iffBox_ = new QComboBox(custom);
  iffBox_->setObjectName(QStringLiteral("CampaignIffBox"));
  iffBox_->addItems({tr("Rebel"), tr("Imperial")});
  iffBox_->setFocusPolicy(Qt::StrongFocus);
  auto* choices = new QHBoxLayout;
  choices->addWidget(captionFor(typeBox_, tr("Custom .lst type"), custom));
  choices->addWidget(typeBox_);
  choices->addSpacing(12);
  choices->addWidget(captionFor(iffBox_, tr("IFF of Campaign"), custom));
  choices->addWidget(iffBox_);
  choices->addStretch();
  return choices;
}

// The page of the custom list: the mission files of the folder, the list, its description and
// type.
QWidget* BattleManager::buildCustomPage(QWidget* parent) {
  auto* custom = new QWidget(parent);
  QHBoxLayout* tools = buildCustomTools(custom);

  folderLabel_ = new QLabel(custom);
  folderLabel_->setObjectName(QStringLiteral("MissionFolderLabel"));
  folderLabel_->setWordWrap(true);
  files_ = new QListWidget(custom);
  files_->setObjectName(QStringLiteral("MissionFileList"));
  files_->setSelectionMode(QAbstractItemView::ExtendedSelection);
  auto* subdirectory = new QPushButton(tr("Subdirectory"), custom);
  subdirectory->setObjectName(QStringLiteral("SubdirectoryBtn"));
  auto* addBtn = new QPushButton(tr("Add >>"), custom);
  addBtn->setObjectName(QStringLiteral("AddBtn"));
  auto* removeBtn = new QPushButton(tr("<< Remove"), custom);
  removeBtn->setObjectName(QStringLiteral("RemoveBtn"));
  auto* checkBtn =
      pushButton(custom, "CheckAllBtn", tr("&Check All..."),
                 tr("The error check and the mission flow of every mission in the list"));
  missions_ = new QListWidget(custom);
  missions_->setObjectName(QStringLiteral("CustomMissionList"));
  // The list is named by the file it is, the folder's files by the folder.
  nameLabel_->setBuddy(missions_);
  // "Check All..." lies under the list: Tab reaches it after the list.
  QWidget::setTabOrder(missions_, checkBtn);
  folderLabel_->setBuddy(files_);
  description_ = new QPlainTextEdit(custom);
  description_->setObjectName(QStringLiteral("DescriptionMemo"));
  count_ = new QLabel(custom);
  count_->setObjectName(QStringLiteral("CountLabel"));

  auto* grid = new QGridLayout;
  grid->addWidget(folderLabel_, 0, 0);
  grid->addWidget(files_, 1, 0, 3, 1);
  grid->addWidget(subdirectory, 4, 0, Qt::AlignLeft);
  auto* middle = new QVBoxLayout;
  middle->addStretch();
  middle->addWidget(addBtn);
  middle->addWidget(removeBtn);
  middle->addStretch();
  grid->addLayout(middle, 1, 1, 3, 1);
  grid->addWidget(count_, 0, 2);
  grid->addWidget(missions_, 1, 2, 3, 1);
  grid->addWidget(checkBtn, 4, 2, Qt::AlignRight);
  grid->setColumnStretch(0, 1);
  grid->setColumnStretch(2, 1);
  QHBoxLayout* choices = buildChoices(custom);
  auto* customLayout = new QVBoxLayout(custom);
  customLayout->addLayout(tools);
  customLayout->addLayout(grid, 2);
  customLayout->addWidget(captionFor(description_, tr("Description"), custom));
  customLayout->addWidget(description_, 1);
  customLayout->addLayout(choices);
  return custom;
}

// The page of the game's lists: "Mission.lst", the side list, the new entry and the backup.
QWidget* BattleManager::buildListsPage(QWidget* parent) {
  auto* lstPage = new QWidget(parent);
  listTabs_ = new QTabWidget(lstPage);
  // The side's list is named in the side's colour, readable on the desktop's.
  whenPaletteChanges(listTabs_, [this] { colourSideTab(); });
  listTabs_->setObjectName(QStringLiteral("ListTabs"));
  const QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
  missionLst_ = new QPlainTextEdit(lstPage);
  missionLst_->setObjectName(QStringLiteral("MissionLstMemo"));
  sideLst_ = new QPlainTextEdit(lstPage);
  sideLst_->setObjectName(QStringLiteral("SideLstMemo"));
  for (QPlainTextEdit* memo : {missionLst_, sideLst_}) {
    memo->setFont(fixed);
    memo->setLineWrapMode(QPlainTextEdit::NoWrap);
  }
  listTabs_->addTab(missionLst_, QStringLiteral("Mission.lst"));
  listTabs_->addTab(sideLst_, tr("N/A"));

  auto* entry = new QGroupBox(tr("New Entry"), lstPage);
  auto* entryGrid = new QGridLayout(entry);
  number_ = new QLineEdit(entry);
  number_->setObjectName(QStringLiteral("NextNumberEdit"));
  titleLabel_ = new QLabel(entry);
  titleLabel_->setObjectName(QStringLiteral("TitleLabel"));
  title_ = new QLineEdit(entry);
  title_->setObjectName(QStringLiteral("TitleEdit"));
  customName_ = new QLineEdit(QString::fromLatin1(UnnamedList), entry);
  customName_->setObjectName(QStringLiteral("CustomNameEdit"));
  customName_->setReadOnly(true);
  auto* autoAddBtn = new QPushButton(tr("&Auto-Add"), entry);
  autoAddBtn->setObjectName(QStringLiteral("AutoAddBtn"));
  entryGrid->addWidget(new QLabel(tr("Next available #:"), entry), 0, 0);
  entryGrid->addWidget(number_, 0, 1);
  entryGrid->addWidget(titleLabel_, 1, 0);
  entryGrid->addWidget(title_, 1, 1);
  entryGrid->addWidget(new QLabel(tr("Custom .lst name"), entry), 2, 0);
  entryGrid->addWidget(customName_, 2, 1);
  entryGrid->addWidget(autoAddBtn, 3, 1, Qt::AlignRight);
  entryGrid->setColumnStretch(1, 1);
  auto* backup = new QGroupBox(tr("Backup"), lstPage);
  auto* backupLayout = new QVBoxLayout(backup);
  backupLayout->addWidget(new QLabel(tr("Backup current state of these .lst files"), backup));
  backupLayout->addWidget(new QLabel(tr("as <filename>.~ls"), backup));
  auto* backupBtn = new QPushButton(tr("&Backup now"), backup);
  backupBtn->setObjectName(QStringLiteral("BackupBtn"));
  backupLayout->addWidget(backupBtn, 0, Qt::AlignRight);
  backupLayout->addStretch();
  auto* lower = new QHBoxLayout;
  lower->addWidget(entry, 3);
  lower->addWidget(backup, 1);
  auto* lstLayout = new QVBoxLayout(lstPage);
  lstLayout->addWidget(listTabs_, 1);
  lstLayout->addLayout(lower);
  return lstPage;
}

// The types the installed games offer, the one of the open Mission chosen, and its side.
void BattleManager::showStartingType(std::int16_t platformId, std::optional<std::uint8_t> side) {
  const bool expansion = shell::expansionInstalled(settings_);
  typeBox_->addItem(
      QString::fromLatin1(lists::customListTypeName(lists::CustomListType::ZynBattle)),
      static_cast<int>(lists::CustomListType::ZynBattle));
  if (expansion) {
    for (const auto t : {lists::CustomListType::QvnBattle, lists::CustomListType::QvnCampaign})
      typeBox_->addItem(QString::fromLatin1(lists::customListTypeName(t)), static_cast<int>(t));
  }
  imperial_ = side == lists::ImperialSide;
  iffBox_->setCurrentIndex(imperial_ ? 1 : 0);
  const int start = expansion && platformId == model::FormatExpansion ? 2 : 0;
  typeBox_->setCurrentIndex(start);
  chooseType(start);
}

void BattleManager::connectControls() {
  const std::pair<const char*, std::function<void()>> clicks[] = {
      // The custom list's tool bar.
      {"LoadCustomBtn", [this] { loadCustom(); }},
      {"MoveUpBtn", [this] { moveMission(-1); }},
      {"MoveDownBtn", [this] { moveMission(1); }},
      {"SaveAsCustomBtn", [this] { saveCustomAs(); }},
      {"SaveCustomBtn", [this] { saveCustom(); }},
      // The mission files and the list.
      {"SubdirectoryBtn", [this] { browse(); }},
      {"AddBtn", [this] { addMissions(); }},
      {"RemoveBtn", [this] { removeMission(); }},
      {"CheckAllBtn", [this] { checkAll(); }},
      // The game's lists.
      {"AutoAddBtn", [this] { autoAdd(); }},
      {"BackupBtn", [this] { backupNow(); }},
  };
  for (const auto& [name, handler] : clicks)
    connect(findChild<QAbstractButton*>(QLatin1String(name)), &QAbstractButton::clicked, this,
            handler);
  connect(description_, &QPlainTextEdit::textChanged, this, [this] {
    // The field takes at most 2500 characters (cutting it comes back here with the cut text).
    QString text = description_->toPlainText();
    if (text.size() > static_cast<qsizetype>(lists::MaxCustomDescription)) {
      text.truncate(static_cast<qsizetype>(lists::MaxCustomDescription));
      description_->setPlainText(text);
      description_->moveCursor(QTextCursor::End);
      return;
    }
    // A description shown from a loaded list is no edit.
    if (text == descriptionShown_) return;
    descriptionShown_ = text;
    list_.description = toFile(text);
    setCustomChanged();
  });
  connect(typeBox_, &QComboBox::currentIndexChanged, this, &BattleManager::chooseType);
  connect(iffBox_, &QComboBox::currentIndexChanged, this, &BattleManager::chooseIff);
}

bool BattleManager::missionListChanged() const {
  return missionLst_->toPlainText() != missionShown_;
}

bool BattleManager::sideListChanged() const {
  return sideLst_->toPlainText() != sideShown_;
}

void BattleManager::offerToSaveLists() {
  if (!missionListChanged() && !sideListChanged()) return;
  if (prompter_.question(this, tr("Save .lst files?"), QMessageBox::Yes | QMessageBox::No) ==
      QMessageBox::Yes)
    saveLists();
}

bool BattleManager::saveLists() {
  std::vector<std::pair<std::string, std::string>> files;
  if (missionListChanged() && !missionUnreadable_)
    files.emplace_back(folders_.missionList,
                       lists::joinCrLf(lists::pageLines(toFile(missionLst_->toPlainText()))));
  if (sideListChanged() && isCampaign() && !sideUnreadable_ && !folders_.sideList.empty())
    files.emplace_back(folders_.sideList,
                       lists::joinCrLf(lists::pageLines(toFile(sideLst_->toPlainText()))));
  // What another program wrote to a list since the window read it is overwritten only when the
  // user says so.
  std::vector<PlannedWrite> writes;
  for (const auto& [path, bytes] : files)
    writes.push_back({path, path == folders_.missionList ? missionRead_ : sideRead_, bytes});
  if (!mayOverwrite(this, prompter_, writes)) return false;
  std::string error;
  if (!lists::writeTextFiles(files, error)) {
    prompter_.error(this, qs(error));
    return false;
  }
  missionShown_ = missionLst_->toPlainText();
  sideShown_ = sideLst_->toPlainText();
  for (const auto& [path, bytes] : files)
    (path == folders_.missionList ? missionRead_ : sideRead_) = shell::readStamp(path);
  return true;
}

void BattleManager::loadListTexts() {
  folders_ = lists::customListFolders(settings_, type_, imperial_);
  // A list that cannot be read is shown disabled and empty and is never written: saving the
  // empty page would lose its entries.
  std::vector<std::string> errors;
  const auto load = [&](QPlainTextEdit* memo, const std::string& path) {
    QString text;
    std::string error;
    const bool read = listText(path, text, error);
    memo->setPlainText(text);
    memo->setEnabled(read);
    if (!read) errors.push_back(error);
    return !read;
  };
  missionUnreadable_ = load(missionLst_, folders_.missionList);
  missionRead_ = shell::readStamp(folders_.missionList);
  sideRead_ = isCampaign() ? shell::readStamp(folders_.sideList) : shell::DiskStamp{};
  sideUnreadable_ = false;
  if (isCampaign()) {
    sideUnreadable_ = load(sideLst_, folders_.sideList);
    listTabs_->setTabText(1,
                          imperial_ ? QStringLiteral("Imperial.lst") : QStringLiteral("Rebel.lst"));
    colourSideTab();
  } else {
    sideLst_->clear();
    sideLst_->setEnabled(false);
    listTabs_->setTabText(1, tr("N/A"));
    listTabs_->tabBar()->setTabTextColor(1, palette().color(QPalette::WindowText));
  }
  // The texts as read: what the user changes in them is to be saved.
  missionShown_ = missionLst_->toPlainText();
  sideShown_ = sideLst_->toPlainText();
  showNextNumber();
  for (const std::string& error : errors) prompter_.error(this, qs(error));
}

std::string BattleManager::unreadableList() const {
  if (missionUnreadable_) return folders_.missionList;
  if (isCampaign() && sideUnreadable_) return folders_.sideList;
  return {};
}

void BattleManager::colourSideTab() {
  if (listTabs_->count() < 2 || !isCampaign()) return;
  const QColor side = imperial_ ? QColor(255, 38, 38) : QColor(0, 128, 0);
  listTabs_->tabBar()->setTabTextColor(
      1, readableOn(side, QApplication::palette(listTabs_->tabBar()).color(QPalette::Window)));
}

void BattleManager::chooseType(int index) {
  offerToSaveLists();
  type_ = static_cast<lists::CustomListType>(typeBox_->itemData(index).toInt());
  iffBox_->setEnabled(isCampaign());
  loadListTexts();
  showFolder(qs(folders_.missions));
  titleLabel_->setText(tr("Title of this ") + QString::fromLatin1(folders_.word));
  showCount();
}

void BattleManager::chooseIff(int index) {
  offerToSaveLists();
  imperial_ = index == 1;
  loadListTexts();
}

void BattleManager::showFolder(const QString& folder) {
  folder_ = folder;
  folderLabel_->setText(folder);
  files_->clear();
  QDir dir(folder);
  dir.setNameFilters({QStringLiteral("*.kre")});
  dir.setFilter(QDir::Files);
  dir.setSorting(QDir::Name | QDir::IgnoreCase);
  files_->addItems(dir.entryList());
}

void BattleManager::browse() {
  if (const auto chosen = FolderChooserDialog::chooseFolder(this, folder_, prompter_))
    showFolder(*chosen);
}

void BattleManager::showList() {
  const int row = missions_->currentRow();
  missions_->clear();
  for (const std::string& m : list_.missions) missions_->addItem(fromFile(m));
  if (!list_.missions.empty())
    missions_->setCurrentRow(std::clamp(row, 0, static_cast<int>(list_.missions.size()) - 1));
  showCount();
}

void BattleManager::showCount() {
  count_->setText(QString::number(list_.missions.size()) + tr(" missions in ") +
                  QString::fromLatin1(folders_.word));
}

void BattleManager::setCustomChanged() {
  customChanged_ = true;
}

void BattleManager::addMissions() {
  for (QListWidgetItem* item : files_->selectedItems()) {
    const std::string file = QDir(folder_).filePath(item->text()).toStdString();
    const auto relative = lists::missionPathInFolder(folders_.missions, file);
    if (!relative) {
      prompter_.information(
          this,
          coreText(lists::battletext::OutsideFolderForm).arg(qs(file), qs(folders_.missions)));
      return;
    }
    list_.missions.push_back(toFile(QString::fromStdString(*relative)));
    setCustomChanged();
  }
  showList();
  missions_->setCurrentRow(missions_->count() - 1);
}

void BattleManager::removeMission() {
  const int row = missions_->currentRow();
  if (row < 0 || static_cast<std::size_t>(row) >= list_.missions.size()) return;
  list_.missions.erase(list_.missions.begin() + row);
  setCustomChanged();
  showList();
  if (!list_.missions.empty())
    missions_->setCurrentRow(std::min(row, static_cast<int>(list_.missions.size()) - 1));
}

void BattleManager::moveMission(int delta) {
  const int row = missions_->currentRow();
  const int other = row + delta;
  if (row < 0 || other < 0 || static_cast<std::size_t>(other) >= list_.missions.size()) return;
  std::swap(list_.missions[static_cast<std::size_t>(row)],
            list_.missions[static_cast<std::size_t>(other)]);
  setCustomChanged();
  showList();
  missions_->setCurrentRow(other);
}

void BattleManager::loadCustom() {
  if (customChanged_ &&
      prompter_.question(this, tr("Save current .lst file?"), QMessageBox::Yes | QMessageBox::No) ==
          QMessageBox::Yes &&
      !saveCustom())
    return;
  const QString chosen =
      prompter_.openFileName(this, tr("Load Custom .lst file"), qs(folders_.customLists),
                             dialogFilter(QStringLiteral(".lst Files|*.lst")), {});
  if (chosen.isEmpty()) return;
  std::string bytes, error;
  if (!lists::readTextFile(chosen.toStdString(), bytes, error)) {
    prompter_.error(this, qs(error));
    return;
  }
  const auto parsed = lists::parseCustomList(bytes);
  if (!parsed) {
    prompter_.information(this, coreText(lists::battletext::WrongType));
    return;
  }
  list_ = *parsed;
  path_ = chosen;
  customRead_ =
      shell::stampOf(chosen.toStdString(), std::vector<std::uint8_t>(bytes.begin(), bytes.end()));
  descriptionShown_ = fromFile(list_.description);
  description_->setPlainText(descriptionShown_);
  descriptionShown_ = description_->toPlainText();
  customChanged_ = false;
  const QString name = QFileInfo(chosen).fileName();
  nameLabel_->setText(name);
  customName_->setText(name);
  showList();
}

bool BattleManager::writeCustom(const QString& path) {
  const std::string bytes = lists::customListBytes(list_);
  // The list the window read, written by another program since, is overwritten only when the
  // user says so (a new name was asked for in the save dialog).
  if (path == path_ && !mayOverwrite(this, prompter_, {{path.toStdString(), customRead_, bytes}}))
    return false;
  std::string error;
  if (!lists::writeTextFile(path.toStdString(), bytes, error)) {
    prompter_.error(this, qs(error));
    return false;
  }
  customRead_ = shell::readStamp(path.toStdString());
  path_ = path;
  customChanged_ = false;
  const QString name = QFileInfo(path).fileName();
  nameLabel_->setText(name);
  customName_->setText(name);
  return true;
}

bool BattleManager::saveCustom() {
  if (path_ == QLatin1String(UnnamedList)) return saveCustomAs();
  return writeCustom(path_);
}

bool BattleManager::saveCustomAs() {
  const QString chosen = prompter_.saveFileName(
      this, tr("Save As Custom .lst file"), qs(folders_.customLists),
      dialogFilter(QStringLiteral("Lst Files|*.lst")), QStringLiteral("lst"));
  return !chosen.isEmpty() && writeCustom(chosen);
}

void BattleManager::autoAdd() {
  if (const std::string broken = unreadableList(); !broken.empty()) {
    prompter_.error(this, coreText(lists::battletext::UnreadableForm).arg(qs(broken)));
    return;
  }
  if (path_ == QLatin1String(UnnamedList)) {
    prompter_.information(this, coreText(lists::battletext::SaveFirst));
    return;
  }
  if (title_->text().isEmpty()) {
    prompter_.information(this, coreText(lists::battletext::NoTitle));
    return;
  }
  // The entry's lines must each stay one line of the list, in its character set.
  std::string line, refusal;
  if (!lists::listLineFromUtf8("title", title_->text().toStdString(), line, refusal) ||
      !lists::listLineFromUtf8("custom list file name", QFileInfo(path_).fileName().toStdString(),
                               line, refusal)) {
    prompter_.information(this, qs(refusal));
    return;
  }
  // A list the game's lists enter already is entered again only when the user says so.
  const std::string file = toFile(QFileInfo(path_).fileName());
  std::vector<std::string> entering;
  if (lists::entersFile(toFile(missionLst_->toPlainText()), file))
    entering.push_back(lists::fileNameOf(folders_.missionList));
  if (isCampaign() && lists::entersFile(toFile(sideLst_->toPlainText()), file))
    entering.push_back(lists::fileNameOf(folders_.sideList));
  if (!entering.empty() &&
      prompter_.question(this, alreadyListedText(file, entering),
                         QMessageBox::Yes | QMessageBox::No) != QMessageBox::Yes)
    return;
  const QString entry = number_->text() + QLatin1Char('\n') + QFileInfo(path_).fileName() +
                        QLatin1Char('\n') + title_->text();
  for (QPlainTextEdit* memo : {missionLst_, sideLst_}) {
    if (memo == sideLst_ && !isCampaign()) continue;
    QString text = memo->toPlainText();
    if (!text.isEmpty() && !text.endsWith(QLatin1Char('\n'))) text += QLatin1Char('\n');
    memo->setPlainText(text + entry + QLatin1Char('\n'));
  }
  // The number just entered is taken.
  showNextNumber();
}

void BattleManager::showNextNumber() {
  number_->setText(
      QString::number(lists::nextFreeNumber(lists::pageLines(toFile(missionLst_->toPlainText())))));
}

void BattleManager::backupNow() {
  // The empty page of a list that could not be read is no backup of it.
  if (const std::string broken = unreadableList(); !broken.empty()) {
    prompter_.error(this, coreText(lists::battletext::UnreadableForm).arg(qs(broken)));
    return;
  }
  std::vector<std::pair<std::string, std::string>> files;
  files.emplace_back(lists::backupPath(folders_.missionList),
                     lists::joinCrLf(lists::pageLines(toFile(missionLst_->toPlainText()))));
  if (isCampaign())
    files.emplace_back(lists::backupPath(folders_.sideList),
                       lists::joinCrLf(lists::pageLines(toFile(sideLst_->toPlainText()))));
  std::string error;
  if (!lists::writeTextFiles(files, error)) {
    prompter_.error(this, qs(error));
    return;
  }
  std::vector<std::pair<std::string, std::string>> written;
  written.emplace_back(folders_.missionList, files[0].first);
  if (files.size() > 1) written.emplace_back(folders_.sideList, files[1].first);
  NoticeWindow::show(this, backedUpText(written), BattleBackupNoticeMs);
}

std::optional<std::string> BattleManager::run(const shell::Settings& settings,
                                              std::int16_t platformId,
                                              std::optional<std::uint8_t> side, Prompter& prompter,
                                              const std::string& iniPath, QWidget* parent,
                                              const shell::Vocabulary* vocabulary) {
  BattleManager window(settings, platformId, side, prompter, parent);
  window.vocabulary_ = vocabulary;
  const WindowMemory memory(iniPath);
  memory.place(&window, 18);
  prompter.exec(window);
  memory.remember(&window);
  return window.chosen_;
}

void BattleManager::checkAll() {
  auto* report = ListCheckWindow::present(flow::findMissions(list_.missions, folders_.missions),
                                          settings_, vocabulary_, this);
  connect(report, &ListCheckWindow::openMission, this, [this](const QString& path) {
    chosen_ = closeToOpen(*this, prompter_,
                          customChanged_ || missionListChanged() || sideListChanged(), path);
  });
}

void BattleManager::done(int result) {
  if (result == QDialog::Accepted) {
    if (!saveLists()) return;
    // A list never saved is saved under a name the user picks, not under "Unnamed"; one that
    // holds nothing is not written at all.
    const bool unnamed = path_ == QLatin1String(UnnamedList);
    if (unnamed && (customChanged_ || !list_.missions.empty())) {
      if (!saveCustomAs()) return;
    } else if (!unnamed && !writeCustom(path_)) {
      return;
    }
  }
  path_ = QString::fromLatin1(UnnamedList);
  QDialog::done(result);
}

}  // namespace app
