#include "app/shell/main_window.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QPainter>
#include <QScreen>
#include <QSettings>
#include <QStyle>
#include <QTabWidget>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QUndoStack>
#include <QUrl>
#include <QVBoxLayout>

#include "app/editing/flight_groups_page.h"
#include "app/editing/ship_list.h"
#include "app/map/map_window.h"
#include "app/model/mission_document.h"
#include "app/shell/about_box.h"
#include "app/shell/error_list_window.h"
#include "app/shell/mission_settings_panel.h"
#include "app/shell/notice_window.h"
#include "app/shell/preferences_dialog.h"
#include "app/shell/prompter.h"
#include "app/shell/startup_dialog.h"
#include "app/shell/text.h"
#include "app/shell/text_block_memo.h"
#include "model/mission_file.h"
#include "shell/error_check.h"
#include "shell/paths.h"
#include "shell/settings_file.h"
#include "shell/titles.h"

namespace app {
namespace {

constexpr int SavedNoticeMs = 800;
constexpr const char* ChangedQuestion = "Current Mission has been changed. Save it?";
constexpr const char* OpenFilter =
    "Zyn mission files (.kre)|*.kre|Vortan mission files (.vtn)|*.vtn|All Files (*.*)|*.*";
constexpr const char* SaveFilter = "Zyn Mission Files|*.kre";
constexpr const char* DefaultHomePage = "https://example.org/zyned";
constexpr const char* QuelvaBoxText =
    "At least one directory in Preferences includes the abbreviation \"quelva~1\".\n\r You'll "
    "need to reset them for some features to work correctly.";

// A tool-bar picture of our own: a few letters on a coloured tile.
QIcon glyphIcon(const QString& letters, const QColor& tile) {
  QPixmap pix(24, 24);
  pix.fill(Qt::transparent);
  QPainter p(&pix);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(tile.darker(140));
  p.setBrush(tile);
  p.drawRoundedRect(QRectF(1.5, 1.5, 21, 21), 4, 4);
  QFont f = p.font();
  f.setBold(true);
  f.setPixelSize(letters.size() > 2 ? 7 : 10);
  p.setFont(f);
  p.setPen(Qt::white);
  p.drawText(QRect(0, 0, 24, 24), Qt::AlignCenter, letters);
  return QIcon(pix);
}

QString qs(const std::string& s) {
  return QString::fromStdString(s);
}
std::string native(const QString& s) {
  return QDir::toNativeSeparators(s).toStdString();
}

}  // namespace

MainWindow::MainWindow(StartOptions options, QWidget* parent)
    : QMainWindow(parent),
      options_(std::move(options)),
      prompter_(options_.prompter ? options_.prompter : &defaultPrompter()),
      doc_(std::make_unique<MissionDocument>()) {
  setObjectName(QStringLiteral("MainWindow"));
  readSettings();
  buildActions();
  buildPages();
  buildToolBar();
  sizeWindow();

  setTitle(shell::startupTitle());
  // Until the first activation the Mission is the empty one made here.
  doc_->setDefaults(missionDefaults());
  connect(doc_.get(), &MissionDocument::changed, this, &MainWindow::onDocumentChanged);
  // The map window is made once, hidden; the map command shows it.
  mapWindow_ = new MapWindow(*doc_, settings_, vocab_, this);
  mapAct_->setEnabled(true);
  connect(mapAct_, &QAction::triggered, mapWindow_, &MapWindow::showMap);
  connect(mapWindow_, &MapWindow::backToMain, this, [this] {
    raise();
    activateWindow();
  });
  connect(mapWindow_, &MapWindow::saveRequested, this, &MainWindow::save);
  connect(mapWindow_, &MapWindow::saveAsRequested, this, &MainWindow::saveAs);
  applyFormat();
  pages_->setCurrentIndex(0);
  qApp->installEventFilter(this);
}

MainWindow::~MainWindow() {
  qApp->removeEventFilter(this);
  // The map reads the document: it goes before the document does.
  delete mapWindow_;
  // The pages hold references to the document: they go first.
  delete centralWidget();
}

std::string MainWindow::iniPath() const {
  return shell::settingsFilePath(options_.configDir);
}

QString MainWindow::editorDirectory() const {
  return qs(settings_.editorDirectory);
}

void MainWindow::readSettings() {
  bool found = false;
  settings_ = shell::readSettings(iniPath(), &found);
  if (!found) {
    // First run: every default is shown, and OK writes the file.
    PreferencesDialog dialog(settings_, vocab_, iniPath(), this, options_.screenWidth);
    dialog.setPrompter(*prompter_);
    // The main window is not on screen yet: the dialog centres on the screen instead.
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
      dialog.adjustSize();
      dialog.move(screen->availableGeometry().center() - dialog.rect().center());
    }
    prompter_->exec(dialog);
  }
}

model::MissionDefaults MainWindow::missionDefaults() const {
  model::MissionDefaults d;
  d.autoLink = settings_.autoLink;
  d.enableWPs = settings_.enableWPs;
  d.defaultShip = settings_.defaultShip;
  d.defaultAI = settings_.defaultAI;
  return d;
}

QString MainWindow::homePageUrl() const {
  const QSettings ini(qs(iniPath()), QSettings::IniFormat);
  const QString configured = ini.value(QStringLiteral("Options/HomePage")).toString().trimmed();
  return configured.isEmpty() ? QString::fromLatin1(DefaultHomePage) : configured;
}

// ---------------------------------------------------------------------------------------------
// Building the window

QAction* MainWindow::makeAction(const char* name, const QString& text, const QString& hint) {
  auto* a = new QAction(text, this);
  a->setObjectName(QLatin1String(name));
  a->setToolTip(hint);
  a->setStatusTip(hint);
  return a;
}

void MainWindow::buildActions() {
  QStyle* st = style();
  errorCheckAct_ = makeAction("ErrorCheckAction", tr("Error Check"), tr("Error Check"));
  errorCheckAct_->setIcon(glyphIcon(QStringLiteral("!"), QColor(200, 60, 40)));
  prefsAct_ = makeAction("PrefsAction", tr("Preferences"), tr("Preferences"));
  prefsAct_->setIcon(glyphIcon(QStringLiteral("P"), QColor(90, 90, 110)));
  lstAct_ = makeAction("LstAction", tr(".lst"), tr("Edit .lst Files"));
  lstAct_->setIcon(glyphIcon(QStringLiteral(".lst"), QColor(60, 110, 60)));
  battleAct_ = makeAction("BattleAction", tr("Campaign"), tr("Campaign/Battle Manager"));
  battleAct_->setIcon(glyphIcon(QStringLiteral("CB"), QColor(60, 110, 60)));
  optAct_ = makeAction("OptAction", tr("OPT"), tr("OPT File Manager"));
  optAct_->setIcon(glyphIcon(QStringLiteral("OPT"), QColor(60, 110, 60)));
  newFGAct_ = makeAction("NewFGAction", tr("New"), tr("New FG or Message"));
  newFGAct_->setIcon(glyphIcon(QStringLiteral("+"), QColor(40, 120, 180)));
  deleteAct_ = makeAction("DeleteAction", tr("Delete"), tr("Delete FG or Message"));
  deleteAct_->setIcon(glyphIcon(QStringLiteral("\u2212"), QColor(40, 120, 180)));
  newMissionAct_ = makeAction("NewMissionAction", tr("New Mission"), tr("New Mission"));
  newMissionAct_->setIcon(st->standardIcon(QStyle::SP_FileIcon));
  loadAct_ = makeAction("LoadAction", tr("Load Mission"), tr("Load Mission"));
  loadAct_->setIcon(st->standardIcon(QStyle::SP_DialogOpenButton));
  upAct_ = makeAction("UpAction", tr("Up"), tr("Move FG or Message Up"));
  upAct_->setIcon(st->standardIcon(QStyle::SP_ArrowUp));
  downAct_ = makeAction("DownAction", tr("Down"), tr("Move FG or Message Down"));
  downAct_->setIcon(st->standardIcon(QStyle::SP_ArrowDown));
  saveAsAct_ = makeAction("SaveAsAction", tr("Save As"), tr("Save As "));
  saveAsAct_->setIcon(glyphIcon(QStringLiteral("As"), QColor(40, 80, 160)));
  cutAct_ = makeAction("CutAction", tr("Cut"), tr("Cut FG"));
  cutAct_->setIcon(glyphIcon(QStringLiteral("X"), QColor(150, 110, 40)));
  copyAct_ = makeAction("CopyAction", tr("Copy"), tr("Copy FG"));
  copyAct_->setIcon(glyphIcon(QStringLiteral("C"), QColor(150, 110, 40)));
  pasteAct_ = makeAction("PasteAction", tr("Paste"), tr("Paste FG"));
  pasteAct_->setIcon(glyphIcon(QStringLiteral("V"), QColor(150, 110, 40)));
  saveAct_ = makeAction("SaveAction", tr("Save"), tr("Save"));
  saveAct_->setIcon(st->standardIcon(QStyle::SP_DialogSaveButton));
  mapAct_ = makeAction("MapAction", tr("Map"), tr("Map"));
  mapAct_->setIcon(glyphIcon(QStringLiteral("Map"), QColor(30, 130, 130)));
  briefAct_ = makeAction("BriefAction", tr("Briefings"), tr("Briefings"));
  briefAct_->setIcon(glyphIcon(QStringLiteral("Brf"), QColor(30, 130, 130)));
  aboutAct_ = makeAction("AboutAction", tr("About"), tr("About / FAQ"));
  aboutAct_->setIcon(glyphIcon(QStringLiteral("?"), QColor(90, 90, 110)));
  libraryAct_ = makeAction("LibraryAction", tr("Library"), tr("FG Library page"));
  libraryAct_->setIcon(glyphIcon(QStringLiteral("Lib"), QColor(120, 70, 140)));
  addToLibAct_ =
      makeAction("AddToLibAction", tr("Add to library"), tr("Add selected FGs to current library"));
  addToLibAct_->setIcon(glyphIcon(QStringLiteral("L+"), QColor(120, 70, 140)));
  homeAct_ = makeAction("HomePageAction", tr("Home page"), tr("Home page"));
  homeAct_->setIcon(glyphIcon(QStringLiteral("www"), QColor(90, 90, 110)));

  // Parts of the editor that come with later work.
  for (QAction* a : {lstAct_, battleAct_, optAct_, mapAct_, briefAct_, libraryAct_, addToLibAct_})
    a->setEnabled(false);

  connect(errorCheckAct_, &QAction::triggered, this, &MainWindow::errorCheck);
  connect(prefsAct_, &QAction::triggered, this, &MainWindow::preferences);
  connect(newMissionAct_, &QAction::triggered, this, &MainWindow::newMission);
  connect(loadAct_, &QAction::triggered, this, &MainWindow::openMission);
  connect(saveAct_, &QAction::triggered, this, &MainWindow::save);
  connect(saveAsAct_, &QAction::triggered, this, &MainWindow::saveAs);
  connect(aboutAct_, &QAction::triggered, this, &MainWindow::about);
  connect(homeAct_, &QAction::triggered, this, &MainWindow::homePage);
  connect(newFGAct_, &QAction::triggered, this,
          [this] { listCommand(&FlightGroupsPage::newFlightGroup); });
  connect(deleteAct_, &QAction::triggered, this,
          [this] { listCommand(&FlightGroupsPage::deleteSelected); });
  connect(upAct_, &QAction::triggered, this, [this] { listCommand(&FlightGroupsPage::moveUp); });
  connect(downAct_, &QAction::triggered, this,
          [this] { listCommand(&FlightGroupsPage::moveDown); });
  connect(cutAct_, &QAction::triggered, this, [this] { listCommand(&FlightGroupsPage::cut); });
  connect(copyAct_, &QAction::triggered, this, [this] { listCommand(&FlightGroupsPage::copy); });
  connect(pasteAct_, &QAction::triggered, this, [this] { listCommand(&FlightGroupsPage::paste); });

  // The pop-up menu's file commands and the keys the window handles before its controls.
  undoAct_ = doc_->undoStack()->createUndoAction(this, tr("&Undo"));
  undoAct_->setObjectName(QStringLiteral("UndoAction"));
  undoAct_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
  redoAct_ = doc_->undoStack()->createRedoAction(this, tr("&Redo"));
  redoAct_->setObjectName(QStringLiteral("RedoAction"));
  redoAct_->setShortcuts(
      {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
  menuNewAct_ = makeAction("MenuNewAction", tr("&New Mission"), {});
  menuNewAct_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_N));
  menuOpenAct_ = makeAction("MenuOpenAction", tr("&Open..."), {});
  menuOpenAct_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
  menuSaveAct_ = makeAction("MenuSaveAction", tr("&Save"), {});
  menuSaveAct_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
  menuSaveAsAct_ = makeAction("MenuSaveAsAction", tr("Save &as..."), {});
  menuSaveAsAct_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_A));
  loadByLstAct_ = makeAction("LoadByLstAction", tr("&Load by lst..."), {});
  loadByLstAct_->setEnabled(false);
  goalSummaryAct_ = makeAction("GoalSummaryAction", tr("Goal summary"), {});
  goalSummaryAct_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_G));
  // The shortcuts are shown in the menus; the keys themselves reach the window first
  // (eventFilter), so a text box never takes them.
  for (QAction* a : {undoAct_, redoAct_, menuNewAct_, menuOpenAct_, menuSaveAct_, menuSaveAsAct_,
                     goalSummaryAct_})
    a->setShortcutContext(Qt::WidgetShortcut);
  connect(menuNewAct_, &QAction::triggered, this, &MainWindow::newMission);
  connect(menuOpenAct_, &QAction::triggered, this, &MainWindow::openMission);
  connect(menuSaveAct_, &QAction::triggered, this, &MainWindow::save);
  connect(menuSaveAsAct_, &QAction::triggered, this, &MainWindow::saveAs);
  connect(goalSummaryAct_, &QAction::triggered, this, [this] {
    if (fgPage_) fgPage_->toggleGoalSummary();
  });

  reopenMenu_ = new QMenu(tr("&Reopen"), this);
  reopenMenu_->setObjectName(QStringLiteral("ReopenMenu"));
}

void MainWindow::buildToolBar() {
  auto* bar = new QToolBar(tr("Tools"), this);
  bar->setObjectName(QStringLiteral("MainToolBar"));
  bar->setMovable(false);
  bar->setFloatable(false);
  bar->setIconSize(QSize(24, 24));
  bar->setToolButtonStyle(Qt::ToolButtonIconOnly);
  addToolBar(Qt::TopToolBarArea, bar);
  struct Entry {
    QAction* action;
    const char* button;
  };
  const std::initializer_list<Entry> entries = {
      {errorCheckAct_, "ErrorCheckBtn"},
      {prefsAct_, "PrefsBtn"},
      {nullptr, nullptr},
      {lstAct_, "LstBtn"},
      {battleAct_, "BattleBtn"},
      {optAct_, "OptBtn"},
      {nullptr, nullptr},
      {newFGAct_, "NewFGBut"},
      {deleteAct_, "DeleteBut"},
      {newMissionAct_, "NewMissionBtn"},
      {loadAct_, "LoadBtn"},
      {upAct_, "UpBtn"},
      {downAct_, "DownBtn"},
      {saveAsAct_, "SaveAsBtn"},
      {nullptr, nullptr},
      {cutAct_, "CutBtn"},
      {copyAct_, "CopyBtn"},
      {pasteAct_, "PasteBtn"},
      {saveAct_, "SaveBtn"},
      {nullptr, nullptr},
      {mapAct_, "MapBtn"},
      {briefAct_, "BriefBtn"},
      {aboutAct_, "AboutBtn"},
      {nullptr, nullptr},
      {libraryAct_, "LibraryBtn"},
      {addToLibAct_, "AddToLibBtn"},
      {homeAct_, "HomePageBtn"},
  };
  for (const Entry& e : entries) {
    if (!e.action) {
      bar->addSeparator();
      continue;
    }
    bar->addAction(e.action);
    if (auto* button = qobject_cast<QToolButton*>(bar->widgetForAction(e.action))) {
      button->setObjectName(QLatin1String(e.button));
      button->setAutoRaise(true);
    }
  }
}

void MainWindow::buildPages() {
  pages_ = new QTabWidget(this);
  pages_->setObjectName(QStringLiteral("OverallPages"));

  fgPage_ = new FlightGroupsPage(*doc_, vocab_, settings_, pages_);
  fgPage_->setObjectName(QStringLiteral("FlightGroupsPage"));
  fgPage_->setPrompter(*prompter_);
  QWidget* area = fgPage_->missionSettingsArea();
  if (!area->layout()) {
    auto* l = new QVBoxLayout(area);
    l->setContentsMargins(0, 0, 0, 0);
  }
  settingsPanel_ = new MissionSettingsPanel(*doc_, area);
  area->layout()->addWidget(settingsPanel_);
  auto* sep = new QAction(this);
  sep->setSeparator(true);
  auto* sep2 = new QAction(this);
  sep2->setSeparator(true);
  fgPage_->setFileActions({sep, undoAct_, redoAct_, sep2, menuNewAct_, menuOpenAct_, menuSaveAct_,
                           menuSaveAsAct_, reopenMenu_->menuAction(), loadByLstAct_});
  pages_->addTab(fgPage_, tr("Flight Groups"));

  // Pages whose editors come with later work.
  const std::initializer_list<std::pair<const char*, QString>> later = {
      {"MessagesPage", tr("Messages")}, {"GlobalGoalsPage", tr("Global Goals")}};
  for (const auto& [name, caption] : later) {
    auto* page = new QWidget(pages_);
    page->setObjectName(QLatin1String(name));
    pages_->addTab(page, caption);
  }

  auto* description = new QWidget(pages_);
  description->setObjectName(QStringLiteral("DescriptionPage"));
  descriptionMemo_ = new TextBlockMemo(*doc_, MissionDocument::Block::Description, description);
  descriptionMemo_->setObjectName(QStringLiteral("DescriptionMemo"));
  auto* dl = new QVBoxLayout(description);
  dl->addWidget(new QLabel(tr("Mission Description:"), description));
  dl->addWidget(descriptionMemo_);
  pages_->addTab(description, tr("Description"));

  debriefings_ = new QWidget(pages_);
  debriefings_->setObjectName(QStringLiteral("DebriefingsPage"));
  auto* bl = new QVBoxLayout(debriefings_);
  noDebriefLabel_ =
      new QLabel(tr("There are no Debriefings for Zyn Format Missions"), debriefings_);
  noDebriefLabel_->setObjectName(QStringLiteral("NoDebriefLabel"));
  noDebriefLabel_->setAlignment(Qt::AlignCenter);
  bl->addWidget(noDebriefLabel_);
  successMemo_ = new TextBlockMemo(*doc_, MissionDocument::Block::SuccessDebrief, debriefings_);
  successMemo_->setObjectName(QStringLiteral("SuccessDebriefMemo"));
  failureMemo_ = new TextBlockMemo(*doc_, MissionDocument::Block::FailureDebrief, debriefings_);
  failureMemo_->setObjectName(QStringLiteral("FailureDebriefMemo"));
  auto* successLabel = new QLabel(tr("Success Debriefing:"), debriefings_);
  successLabel->setObjectName(QStringLiteral("SuccessDebriefLabel"));
  auto* failureLabel = new QLabel(tr("Failure Debriefing:"), debriefings_);
  failureLabel->setObjectName(QStringLiteral("FailureDebriefLabel"));
  bl->addWidget(successLabel);
  bl->addWidget(successMemo_);
  bl->addWidget(failureLabel);
  bl->addWidget(failureMemo_);
  pages_->addTab(debriefings_, tr("Debriefings"));

  auto* teams = new QWidget(pages_);
  teams->setObjectName(QStringLiteral("TeamsPage"));
  pages_->addTab(teams, tr("Teams"));

  setCentralWidget(pages_);
}

void MainWindow::sizeWindow() {
  const QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
  const QRect area = screen ? screen->availableGeometry() : QRect(0, 0, 1280, 1024);
  const int width = options_.screenWidth > 0 ? options_.screenWidth
                                             : (screen ? screen->geometry().width() : 1280);
  // Small screens get the whole screen; 1024 wide ones when the settings ask for it.
  const bool fill = width <= 800 || (width == 1024 && settings_.adjustForRes);
  resize(std::min(810, area.width()), std::min(580, area.height()));
  move(area.center() - QPoint(this->width() / 2, this->height() / 2));
  if (fill) setWindowState(windowState() | Qt::WindowMaximized);
}

// ---------------------------------------------------------------------------------------------
// Start-up

void MainWindow::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  if (!startScheduled_) {
    startScheduled_ = true;
    QTimer::singleShot(0, this, &MainWindow::firstActivation);
  }
}

void MainWindow::firstActivation() {
  if (started_) return;
  started_ = true;
  startScheduled_ = true;

  const bool abbreviated = shell::hasAbbreviatedDirectory(settings_);
  if (abbreviated) prompter_->information(this, QString::fromLatin1(QuelvaBoxText));
  if (abbreviated || settings_.gameDirectory == shell::Undefined ||
      settings_.editorDirectory == shell::Undefined)
    preferences();

  // The title stays the plain one until the user makes or opens a mission.
  makeNewMission(model::FormatExpansion);
  setTitle(shell::startupTitle());
  lastDirectory_ =
      settings_.missionsDirectory == shell::Undefined ? QString() : qs(settings_.missionsDirectory);
  if (shell::isDirectory(settings_.editorDirectory)) {
    vocab_.loadTables(settings_.editorDirectory);
    history_ = shell::readHistory(settings_.editorDirectory);
  }
  rebuildReopenMenu();
  fgPage_->refresh();
  if (auto* list = fgPage_->shipList()) list->setFocus();

  if (!options_.arguments.isEmpty() && !options_.arguments.first().isEmpty()) {
    const QString path = QFileInfo(options_.arguments.first()).absoluteFilePath();
    addToHistory(path);
    load(path);
  } else {
    runStartAction();
  }
}

void MainWindow::runStartAction() {
  switch (settings_.openProgWith) {
    case 0:
      runStartUpDialog();
      break;
    case 2:
      openMission();
      break;
    case 3:
      openLastUsedFile();
      break;
    default:
      break;  // 1: the blank Mission stays
  }
}

void MainWindow::runStartUpDialog() {
  StartUpDialog dialog(this);
  if (prompter_->exec(dialog) != QDialog::Accepted) return;
  switch (dialog.choice()) {
    case StartUpDialog::LoadExisting:
      openMission();
      break;
    case StartUpDialog::CreateNew:
      // The blank Mission takes the default format; the new-mission wizard takes over here
      // once it exists, and without it the title stays the plain one.
      makeNewMission(settings_.defaultFormat == 0 ? model::FormatBase : model::FormatExpansion);
      if (!settings_.useWiz) setTitle(shell::startupTitle());
      break;
    case StartUpDialog::LoadLastUsed:
      if (!history_.empty()) reopen(0);
      break;
  }
}

void MainWindow::openLastUsedFile() {
  if (!shell::findHistoryFile(settings_.editorDirectory)) return;
  if (!history_.empty() && QFileInfo::exists(qs(history_.at(0)))) {
    load(qs(history_.at(0)));
    return;
  }
  NoticeWindow::show(this, QString::fromLatin1(shell::LastFileMissingNotice),
                     shell::LastFileMissingNoticeMs);
}

// ---------------------------------------------------------------------------------------------
// The mission life cycle

void MainWindow::makeNewMission(std::int16_t platformId) {
  model::Mission m;
  m.platformId = platformId;
  // Raw header bytes the new Mission does not set keep what they held.
  m.header = doc_->mission().header;
  doc_->setDefaults(missionDefaults());
  m.newMission(missionDefaults());
  doc_->replaceMission(std::move(m), model::UnnamedFile, doc_->named());
  omitWarnings_ = false;
  setTitle(shell::newMissionTitle());
}

bool MainWindow::saveChanged() {
  if (!doc_->isChanged()) return true;
  const auto answer = prompter_->question(this, tr(ChangedQuestion),
                                          QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
  if (answer == QMessageBox::No) return true;
  if (answer != QMessageBox::Yes) return false;
  // A save that was cancelled or failed stops the command: the changes are still only here.
  return save();
}

void MainWindow::newMission() {
  if (!saveChanged()) return;
  // The new-mission wizard takes over here once it exists; until then a blank Mission.
  makeNewMission(settings_.defaultFormat == 0 ? model::FormatBase : model::FormatExpansion);
}

void MainWindow::openMission() {
  if (!saveChanged()) return;
  const QString path = prompter_->openFileName(
      this, tr("Open"), lastDirectory_, dialogFilter(QString::fromLatin1(OpenFilter)), [this] {
        QStringList l;
        for (const auto& e : history_.entries()) l << qs(e);
        return l;
      }());
  if (path.isEmpty()) return;
  addToHistory(path);
  lastDirectory_ = QFileInfo(path).absolutePath();
  load(path);
}

void MainWindow::reopen(int index) {
  if (!saveChanged()) return;
  if (index < 0 || static_cast<std::size_t>(index) >= history_.size()) return;
  const std::string entry = history_.at(static_cast<std::size_t>(index));
  if (!QFileInfo::exists(qs(entry))) {
    prompter_->error(this, qs(shell::missingFileMessage(entry)));
    return;
  }
  addToHistory(qs(entry));
  load(qs(entry));
}

bool MainWindow::load(const QString& path) {
  model::Mission m;
  const model::ReadResult r = model::loadMissionFile(native(path), m, missionDefaults());
  if (r.status == model::ReadStatus::OlderFormat) {
    prompter_->error(this, tr("\"%1\" is a mission of the older game (platform id 2). Importing "
                              "such missions is not available yet.")
                               .arg(path));
    return false;
  }
  if (!r.ok()) {
    prompter_->error(this, qs(r.message));
    return false;
  }
  doc_->replaceMission(std::move(m), native(path), true);
  omitWarnings_ = false;
  setTitle(shell::loadedTitle(doc_->fileName(), doc_->mission().title()));

  if (settings_.doBackups) {
    if (const auto backup = model::backupPathFor(doc_->fileName())) {
      // The backup is a courtesy: a folder that cannot take it does not stop the load.
      model::writeFileAtomically(*backup, model::writeMission(doc_->mission()));
    }
  }
  return true;
}

bool MainWindow::save() {
  if (doc_->named() && doc_->fileName() != model::UnnamedFile) return saveTo(qs(doc_->fileName()));
  return saveAs();
}

bool MainWindow::saveAs() {
  const model::Mission& m = doc_->mission();
  QString folder =
      qs(shell::saveDialogFolder(m.platformId, m.missionType(), settings_.gameDirectory,
                                 shell::expansionDirectory(settings_)));
  if (!QFileInfo(folder).isDir()) folder = lastDirectory_;
  const QString path =
      prompter_->saveFileName(this, tr("Save As"), folder,
                              dialogFilter(QString::fromLatin1(SaveFilter)), QStringLiteral("kre"));
  if (path.isEmpty()) return false;
  return saveTo(path);
}

bool MainWindow::saveTo(const QString& path) {
  const model::SaveResult r = model::saveMissionFile(doc_->mission(), native(path));
  if (!r.ok) {
    // The file on disk is the old one and the Mission keeps its changed state.
    prompter_->error(this, qs(r.error));
    return false;
  }
  doc_->markSaved(native(path));
  if (settings_.fileSavedMsg)
    NoticeWindow::show(this, qs(model::savedBytesNotice(doc_->mission().platformId, r.bytes)),
                       SavedNoticeMs);
  setTitle(shell::savedTitle(doc_->fileName(), doc_->mission().title()));
  addToHistory(qs(doc_->fileName()));
  runCheck(false);
  return true;
}

// ---------------------------------------------------------------------------------------------
// File history

void MainWindow::addToHistory(const QString& path) {
  history_.add(native(path));
  rebuildReopenMenu();
}

void MainWindow::rebuildReopenMenu() {
  // The entries are kept and relabelled rather than rebuilt: a reopen runs from inside its own
  // entry's signal, and the menu still refers to that entry afterwards.
  const auto captions = history_.captions(settings_.dirInReopen);
  QList<QAction*> entries = reopenMenu_->actions();
  for (std::size_t i = 0; i < captions.size(); ++i) {
    const int index = static_cast<int>(i);
    if (index < entries.size()) {
      entries[index]->setText(qs(captions[i]));
      continue;
    }
    QAction* a = reopenMenu_->addAction(qs(captions[i]));
    a->setObjectName(QStringLiteral("ReopenAction%1").arg(i));
    connect(a, &QAction::triggered, this, [this, index] { reopen(index); });
  }
  for (qsizetype i = static_cast<qsizetype>(captions.size()); i < entries.size(); ++i) {
    reopenMenu_->removeAction(entries[i]);
    entries[i]->deleteLater();
  }
  reopenMenu_->setEnabled(!captions.empty());
}

void MainWindow::writeHistory() {
  const shell::HistorySaveResult r = shell::writeHistory(history_, settings_.editorDirectory);
  if (r.status == shell::HistorySaveStatus::NoEditorDirectory)
    prompter_->warning(this, qs(r.message));
  else if (r.status == shell::HistorySaveStatus::WriteFailed)
    prompter_->error(this, qs(r.message));
}

// ---------------------------------------------------------------------------------------------
// Other commands

void MainWindow::runCheck(bool verbose) {
  const shell::CheckResult result =
      shell::runCheck(doc_->mission(), vocab_, settings_, omitWarnings_);
  if (result.findingCount() > 0) {
    QStringList errors, warnings;
    for (const auto& e : result.errors) errors << fromFile(e);
    for (const auto& w : result.warnings) warnings << fromFile(w);
    ErrorListWindow window(errors, warnings, omitWarnings_, this);
    connect(&window, &ErrorListWindow::omitWarningsChanged, this,
            [this](bool omit) { omitWarnings_ = omit; });
    prompter_->exec(window);
  } else if (verbose) {
    NoticeWindow::show(this, QString::fromLatin1(shell::CheckCleanNotice),
                       shell::CheckCleanNoticeMs);
  }
}

void MainWindow::errorCheck() {
  runCheck(true);
}

void MainWindow::preferences() {
  PreferencesDialog dialog(settings_, vocab_, iniPath(), this, options_.screenWidth);
  dialog.setPrompter(*prompter_);
  connect(&dialog, &PreferencesDialog::autoLinkToggled, this, [this](bool on) {
    // An undo step of its own, so that undoing older edits cannot bring back old flags; the
    // flag is not in the file, so the Mission does not count as changed.
    doc_->setAutoLinkAll(on);
  });
  prompter_->exec(dialog);
  applySettingsToMission();
  rebuildReopenMenu();
}

void MainWindow::applySettingsToMission() {
  // New flight groups are made from the document's defaults when they are added, so an undo
  // cannot bring back older settings.
  doc_->setDefaults(missionDefaults());
}

void MainWindow::about() {
  AboutBox box(this);
  prompter_->exec(box);
}

void MainWindow::homePage() {
  QDesktopServices::openUrl(QUrl(homePageUrl()));
}

void MainWindow::listCommand(void (FlightGroupsPage::*command)()) {
  // The message list takes these on the "Messages" page once it exists.
  if (pages_->currentWidget() == fgPage_) (fgPage_->*command)();
}

// ---------------------------------------------------------------------------------------------
// Views, keys, closing

void MainWindow::setTitle(const std::string& utf8) {
  setWindowTitle(qs(utf8));
}

void MainWindow::applyFormat() {
  const bool base = doc_->mission().platformId == model::FormatBase;
  // A block keeps its last byte zero: 1023 and 4095 characters reach the file whole.
  descriptionMemo_->setLimit(base ? 1023 : 4095);
  for (QWidget* w : debriefings_->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
    w->setVisible(w == noDebriefLabel_ ? base : !base);
}

void MainWindow::onDocumentChanged(const ChangeSet& c) {
  if (c.format || c.whole) applyFormat();
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::KeyPress) return QMainWindow::eventFilter(watched, event);
  auto* w = qobject_cast<QWidget*>(watched);
  if (!w || w->window() != this) return QMainWindow::eventFilter(watched, event);
  const auto* key = static_cast<QKeyEvent*>(event);
  const auto mods = key->modifiers() & ~Qt::KeypadModifier;
  QAction* action = nullptr;
  if (mods == Qt::ControlModifier) {
    switch (key->key()) {
      case Qt::Key_A:
        action = menuSaveAsAct_;
        break;
      case Qt::Key_N:
        action = menuNewAct_;
        break;
      case Qt::Key_O:
        action = menuOpenAct_;
        break;
      case Qt::Key_S:
        action = menuSaveAct_;
        break;
      case Qt::Key_G:
        action = goalSummaryAct_;
        break;
      case Qt::Key_Z:
        action = undoAct_;
        break;
      case Qt::Key_Y:
        action = redoAct_;
        break;
      default:
        break;
    }
  } else if (mods == (Qt::ControlModifier | Qt::ShiftModifier) && key->key() == Qt::Key_Z) {
    action = redoAct_;
  }
  if (!action) return QMainWindow::eventFilter(watched, event);
  // Holding a key down repeats undo and redo, never a file command.
  if (key->isAutoRepeat() && action != undoAct_ && action != redoAct_) return true;
  action->trigger();
  return true;
}

void MainWindow::closeEvent(QCloseEvent* event) {
  if (!saveChanged()) {
    event->ignore();
    return;
  }
  writeHistory();
  event->accept();
}

}  // namespace app
