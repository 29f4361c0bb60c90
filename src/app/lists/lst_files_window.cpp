#include "app/lists/lst_files_window.h"

#include <QFontDatabase>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include "app/base/dialog_buttons.h"
#include "app/base/disk_change_dialog.h"
#include "app/base/notice_window.h"
#include "app/base/prompter.h"
#include "app/base/text.h"
#include "app/base/translations.h"
#include "app/base/window_memory.h"
#include "app/lists/list_check_window.h"
#include "app/lists/list_texts.h"
#include "shell/paths.h"

#include <algorithm>

namespace app {

namespace {

const char* const MemoNames[3] = {"RebelMemo", "MissionMemo", "ImperialMemo"};
// How long "Backed up ..." stays.
constexpr int BackedUpNoticeMs = 2000;

}  // namespace

LstFilesWindow::LstFilesWindow(lists::ListSession session, Prompter& prompter, QWidget* parent)
    : QDialog(parent), session_(std::move(session)), prompter_(prompter) {
  setObjectName(QStringLiteral("LstFilesWindow"));
  setWindowTitle(QString::fromStdString(lists::lsttext::caption(session_.folder)));
  buildPages();
  QPushButton* addButton = nullptr;
  QPushButton* backupButton = nullptr;
  QGroupBox* entry = buildEntry(addButton);
  QGroupBox* backup = buildBackup(backupButton);
  auto* checkButton =
      pushButton(this, "CheckAllBtn", tr("&Check All..."),
                 tr("The error check and the mission flow of every mission these lists name"));

  auto* lower = new QHBoxLayout;
  lower->addWidget(entry, 3);
  lower->addWidget(backup, 1);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(pages_, 1);
  layout->addLayout(lower);
  auto* bottom = new QHBoxLayout;
  bottom->addWidget(checkButton);
  bottom->addStretch();
  bottom->addWidget(okCancelButtons(this));
  layout->addLayout(bottom);

  connect(addButton, &QPushButton::clicked, this, &LstFilesWindow::autoAdd);
  connect(backupButton, &QPushButton::clicked, this, &LstFilesWindow::backupNow);
  connect(checkButton, &QPushButton::clicked, this, &LstFilesWindow::checkAll);
  setTabOrder(pages_, number_);
  setTabOrder(number_, description_);
  setTabOrder(description_, addButton);
  setTabOrder(addButton, backupButton);
  setTabOrder(backupButton, checkButton);
  for (std::size_t i = 0; i < 3; ++i) loaded_[i] = session_.pages[i].text;
  resize(640, 480);
}

// A memo per list file, a tab for each that belongs to the Mission.
void LstFilesWindow::buildPages() {
  pages_ = new QTabWidget(this);
  pages_->setObjectName(QStringLiteral("LstPages"));
  const QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
  for (const lists::GameList l : lists::AllGameLists) {
    const auto i = static_cast<std::size_t>(l);
    auto* memo = new QPlainTextEdit(this);
    memo->setObjectName(QString::fromLatin1(MemoNames[i]));
    memo->setFont(fixed);
    memo->setLineWrapMode(QPlainTextEdit::NoWrap);
    memo->setPlainText(fromFile(session_.pages[i].text));
    memos_[i] = memo;
    // Lists that do not belong to the Mission are not offered.
    if (session_.pages[i].applies)
      pages_->addTab(memo, QString::fromLatin1(lists::listFileName(l)));
    else
      memo->hide();
  }
}

// The entry "&Auto-Add" puts into the lists.
QGroupBox* LstFilesWindow::buildEntry(QPushButton*& addButton) {
  auto* entry = new QGroupBox(tr("New Entry"), this);
  entry->setObjectName(QStringLiteral("NewEntryGroup"));
  auto* grid = new QGridLayout(entry);
  number_ = new QLineEdit(QString::number(session_.nextNumber), entry);
  number_->setObjectName(QStringLiteral("NextNumberEdit"));
  file_ = new QLineEdit(fromFile(session_.missionFile), entry);
  file_->setObjectName(QStringLiteral("MissionFileEdit"));
  file_->setReadOnly(true);
  description_ = new QLineEdit(entry);
  description_->setObjectName(QStringLiteral("DescriptionEdit"));
  addButton = new QPushButton(tr("&Auto-Add"), entry);
  addButton->setObjectName(QStringLiteral("AutoAddBtn"));
  grid->addWidget(new QLabel(tr("Next availiable #:"), entry), 0, 0);
  grid->addWidget(number_, 0, 1);
  grid->addWidget(new QLabel(tr("Mission File"), entry), 1, 0);
  grid->addWidget(file_, 1, 1);
  grid->addWidget(new QLabel(tr("Mission Description"), entry), 2, 0);
  grid->addWidget(description_, 2, 1);
  grid->addWidget(addButton, 3, 1, Qt::AlignRight);
  grid->setColumnStretch(1, 1);
  return entry;
}

QGroupBox* LstFilesWindow::buildBackup(QPushButton*& backupButton) {
  auto* backup = new QGroupBox(tr("Backup"), this);
  backup->setObjectName(QStringLiteral("BackupGroup"));
  auto* backupLayout = new QVBoxLayout(backup);
  backupLayout->addWidget(new QLabel(tr("Backup these files as <filename>.~ls"), backup));
  backupButton = new QPushButton(tr("&Backup now"), backup);
  backupButton->setObjectName(QStringLiteral("BackupBtn"));
  backupLayout->addWidget(backupButton, 0, Qt::AlignRight);
  backupLayout->addStretch();
  return backup;
}

std::optional<std::string> LstFilesWindow::run(QWidget* parent, const shell::Settings& settings,
                                               const model::Mission& m,
                                               const std::string& missionFile, Prompter& prompter,
                                               const std::string& iniPath,
                                               const shell::Vocabulary* vocabulary) {
  std::string refusal;
  auto session = lists::openListSession(settings, m, missionFile, refusal);
  if (!session) {
    // The one refusal with a folder in it.
    const std::string folder = lists::missionFolder(settings, m);
    prompter.information(parent,
                         refusal == lists::lsttext::cannotFind(folder)
                             ? coreText(lists::lsttext::CannotFindForm).arg(fromFile(folder))
                             : coreText(refusal));
    return std::nullopt;
  }
  LstFilesWindow window(std::move(*session), prompter, parent);
  window.settings_ = settings;
  window.vocabulary_ = vocabulary;
  const WindowMemory memory(iniPath);
  memory.place(&window, 15);
  prompter.exec(window);
  memory.remember(&window);
  return window.chosen_;
}

void LstFilesWindow::checkAll() {
  takeTexts();
  // Each mission once, whichever of the lists name it.
  std::vector<std::string> names;
  for (const lists::ListPage& page : session_.pages) {
    if (!page.applies) continue;
    for (const lists::ListEntry& e : lists::listEntries(lists::pageLines(page.text)))
      if (std::none_of(names.begin(), names.end(),
                       [&](const std::string& n) { return shell::equalsNoCase(n, e.file); }))
        names.push_back(e.file);
  }
  auto* report = ListCheckWindow::present(flow::findMissions(names, session_.folder), settings_,
                                          vocabulary_, this);
  connect(report, &ListCheckWindow::openMission, this, [this](const QString& path) {
    takeTexts();
    bool changed = false;
    for (std::size_t i = 0; i < 3; ++i)
      changed = changed || (session_.pages[i].applies && session_.pages[i].text != loaded_[i]);
    chosen_ = closeToOpen(*this, prompter_, changed, path);
  });
}

void LstFilesWindow::takeTexts() {
  for (std::size_t i = 0; i < 3; ++i) session_.pages[i].text = toFile(memos_[i]->toPlainText());
}

void LstFilesWindow::autoAdd() {
  takeTexts();
  std::string refusal, description;
  // A description a list cannot hold (a line break, a character outside its character set) is
  // refused rather than entered broken.
  if (!description_->text().isEmpty() &&
      !lists::listLineFromUtf8("description", description_->text().toStdString(), description,
                               refusal)) {
    prompter_.information(this, coreText(refusal));
    return;
  }
  // A mission its lists enter already is entered again only when the user says so.
  if (session_.missionFileRefusal.empty() && !description.empty()) {
    const std::vector<lists::GameList> entering = lists::listsEntering(session_);
    if (!entering.empty() &&
        prompter_.question(this, alreadyListedText(session_.missionFile, entering),
                           QMessageBox::Yes | QMessageBox::No) != QMessageBox::Yes)
      return;
  }
  if (!lists::autoAdd(session_, toFile(number_->text()), description, refusal)) {
    prompter_.information(this, coreText(refusal));
    return;
  }
  for (std::size_t i = 0; i < 3; ++i) {
    if (!session_.pages[i].applies) continue;
    memos_[i]->setPlainText(fromFile(session_.pages[i].text));
    memos_[i]->moveCursor(QTextCursor::End);
  }
  number_->setText(QString::number(session_.nextNumber));
}

void LstFilesWindow::backupNow() {
  takeTexts();
  std::string error;
  if (!lists::backupListSession(session_, error)) {
    prompter_.error(this, QString::fromStdString(error));
    return;
  }
  std::vector<std::pair<std::string, std::string>> written;
  for (const lists::ListPage& page : session_.pages)
    if (page.applies)
      written.emplace_back(lists::listFileName(page.list), lists::backupFileName(page.list));
  NoticeWindow::show(this, backedUpText(written), BackedUpNoticeMs);
}

void LstFilesWindow::done(int result) {
  if (result == QDialog::Accepted) {
    takeTexts();
    // A list another program wrote since the window read it is overwritten only when the user
    // says so; Cancel keeps the window open with its texts.
    std::vector<PlannedWrite> writes;
    for (const lists::ListPage& page : session_.pages)
      if (page.applies)
        writes.push_back({page.path, page.read, lists::joinCrLf(lists::pageLines(page.text))});
    if (!mayOverwrite(this, prompter_, writes)) return;
    std::string error;
    // A list that cannot be written keeps the window open and every file as it was.
    if (!lists::writeListSession(session_, error)) {
      prompter_.error(this, QString::fromStdString(error));
      return;
    }
  }
  QDialog::done(result);
}

}  // namespace app
