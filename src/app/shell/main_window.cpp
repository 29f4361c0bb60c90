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
#include <QMenuBar>
#include <QScreen>
#include <QSettings>
#include <QSplitter>
#include <QStyle>
#include <QTabWidget>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QUndoStack>
#include <QUrl>
#include <QVBoxLayout>

#include "app/briefing/briefing_window.h"
#include "app/editing/clip_store.h"
#include "app/editing/flight_groups_page.h"
#include "app/editing/global_goals_page.h"
#include "app/editing/library_window.h"
#include "app/editing/messages_page.h"
#include "app/editing/ship_list.h"
#include "app/editing/teams_page.h"
#include "app/editing/wps_page.h"
#include "app/map/map_window.h"
#include "app/model/mission_document.h"
#include "app/shell/about_box.h"
#include "app/shell/actions.h"
#include "app/shell/error_list_window.h"
#include "app/shell/help_page.h"
#include "app/shell/icons.h"
#include "app/shell/input_policy.h"
#include "app/shell/mission_settings_panel.h"
#include "app/shell/notice_window.h"
#include "app/shell/preferences_dialog.h"
#include "app/shell/prompter.h"
#include "app/shell/startup_dialog.h"
#include "app/shell/text.h"
#include "app/shell/text_block_memo.h"
#include "app/shell/window_memory.h"
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
constexpr const char* QuelvaBoxText =
    "At least one directory in Preferences includes the abbreviation \"quelva~1\".\n\r You'll "
    "need to reset them for some features to work correctly.";

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
  context_.reset(new EditorContext{*doc_, vocab_, settings_, *prompter_, iniPath()});
  clipboards_ = std::make_unique<ClipboardStore>(*context_);
  buildActions();
  buildPages();
  buildToolBar();
  sizeWindow();
  // The size, place and splitter positions of the last run win over the default size.
  WindowMemory(iniPath()).restore(this, findChildren<QSplitter*>());

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
    firstRunDialogShown_ = true;
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
  // Only an address set in the settings file; without one the editor's own help page is shown.
  const QSettings ini(qs(iniPath()), QSettings::IniFormat);
  return ini.value(QStringLiteral("Options/HomePage")).toString().trimmed();
}

// ---------------------------------------------------------------------------------------------
// Building the window

void MainWindow::buildActions() {
  // Every command comes from the one action table; the menu bar, the tool bar and the list's
  // pop-up menu show the same actions.
  actions_ = std::make_unique<ActionSet>(this);
  const auto act = [this](const char* id) { return actions_->action(QString::fromLatin1(id)); };
  errorCheckAct_ = act("ErrorCheckAction");
  prefsAct_ = act("PrefsAction");
  lstAct_ = act("LstAction");
  battleAct_ = act("BattleAction");
  optAct_ = act("OptAction");
  newFGAct_ = act("NewFGAction");
  deleteAct_ = act("DeleteAction");
  newMissionAct_ = act("NewMissionAction");
  loadAct_ = act("LoadAction");
  upAct_ = act("UpAction");
  downAct_ = act("DownAction");
  saveAsAct_ = act("SaveAsAction");
  cutAct_ = act("CutAction");
  copyAct_ = act("CopyAction");
  pasteAct_ = act("PasteAction");
  saveAct_ = act("SaveAction");
  mapAct_ = act("MapAction");
  briefAct_ = act("BriefAction");
  aboutAct_ = act("AboutAction");
  libraryAct_ = act("LibraryAction");
  addToLibAct_ = act("AddToLibAction");
  homeAct_ = act("HomePageAction");
  undoAct_ = act("UndoAction");
  redoAct_ = act("RedoAction");
  goalSummaryAct_ = act("GoalSummaryAction");
  loadByLstAct_ = act("LoadByLstAction");
  QAction* exitAct = act("ExitAction");
  loadByLstAct_->setEnabled(false);

  // Parts of the editor that come with later work.
  for (QAction* a : {lstAct_, battleAct_, optAct_, mapAct_}) a->setEnabled(false);

  connect(errorCheckAct_, &QAction::triggered, this, &MainWindow::errorCheck);
  connect(prefsAct_, &QAction::triggered, this, &MainWindow::preferences);
  connect(newMissionAct_, &QAction::triggered, this, &MainWindow::newMission);
  connect(loadAct_, &QAction::triggered, this, &MainWindow::openMission);
  connect(saveAct_, &QAction::triggered, this, &MainWindow::save);
  connect(saveAsAct_, &QAction::triggered, this, &MainWindow::saveAs);
  connect(briefAct_, &QAction::triggered, this, &MainWindow::briefings);
  connect(aboutAct_, &QAction::triggered, this, &MainWindow::about);
  connect(homeAct_, &QAction::triggered, this, &MainWindow::homePage);
  connect(libraryAct_, &QAction::triggered, this, &MainWindow::showLibrary);
  connect(addToLibAct_, &QAction::triggered, this,
          [this] { library_.add(doc_->mission(), doc_->selectedFlightGroups()); });
  connect(exitAct, &QAction::triggered, this, &QWidget::close);
  connect(newFGAct_, &QAction::triggered, this,
          [this] { listCommand(&FlightGroupsPage::newFlightGroup, &MessagesPage::newMessage); });
  connect(deleteAct_, &QAction::triggered, this, [this] {
    listCommand(&FlightGroupsPage::deleteSelected, &MessagesPage::deleteSelected);
  });
  connect(upAct_, &QAction::triggered, this,
          [this] { listCommand(&FlightGroupsPage::moveUp, &MessagesPage::moveUp); });
  connect(downAct_, &QAction::triggered, this,
          [this] { listCommand(&FlightGroupsPage::moveDown, &MessagesPage::moveDown); });
  connect(cutAct_, &QAction::triggered, this, [this] { listCommand(&FlightGroupsPage::cut); });
  connect(copyAct_, &QAction::triggered, this, [this] { listCommand(&FlightGroupsPage::copy); });
  connect(pasteAct_, &QAction::triggered, this, [this] { listCommand(&FlightGroupsPage::paste); });

  QUndoStack* stack = doc_->undoStack();
  connect(undoAct_, &QAction::triggered, stack, &QUndoStack::undo);
  connect(redoAct_, &QAction::triggered, stack, &QUndoStack::redo);
  connect(stack, &QUndoStack::canUndoChanged, undoAct_, &QAction::setEnabled);
  connect(stack, &QUndoStack::canRedoChanged, redoAct_, &QAction::setEnabled);
  undoAct_->setEnabled(stack->canUndo());
  redoAct_->setEnabled(stack->canRedo());
  connect(goalSummaryAct_, &QAction::triggered, this, [this] {
    if (fgPage_) fgPage_->toggleGoalSummary();
  });

  reopenMenu_ = new QMenu(tr("&Reopen"), this);
  reopenMenu_->setObjectName(QStringLiteral("ReopenMenu"));
  reopenMenu_->setIcon(icon(QStringLiteral("reopen")));
}

void MainWindow::buildToolBar() {
  auto* bar = new QToolBar(tr("Tools"), this);
  bar->setObjectName(QStringLiteral("MainToolBar"));
  bar->setMovable(false);
  bar->setFloatable(false);
  bar->setIconSize(QSize(24, 24));
  bar->setToolButtonStyle(Qt::ToolButtonIconOnly);
  addToolBar(Qt::TopToolBarArea, bar);
  actions_->buildToolBar(bar);
  actions_->buildMenuBar(menuBar(), reopenMenu_->menuAction());
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
  fgPage_->setFileActions({sep, undoAct_, redoAct_, sep2, newMissionAct_, loadAct_, saveAct_,
                           saveAsAct_, reopenMenu_->menuAction(), loadByLstAct_});
  pages_->addTab(fgPage_, tr("F&light Groups"));
  {
    QWidget* wps = fgPage_->tabFrame(FlightGroupsPage::WPsTab);
    auto* l = new QVBoxLayout(wps);
    l->setContentsMargins(0, 0, 0, 0);
    l->addWidget(new WpsPage(context(), wps));
  }

  messagesPage_ = new MessagesPage(context(), pages_);
  pages_->addTab(messagesPage_, tr("&Messages"));

  pages_->addTab(new GlobalGoalsPage(context(), pages_), tr("&Global Goals"));

  auto* description = new QWidget(pages_);
  description->setObjectName(QStringLiteral("DescriptionPage"));
  descriptionMemo_ = new TextBlockMemo(*doc_, MissionDocument::Block::Description, description);
  descriptionMemo_->setObjectName(QStringLiteral("DescriptionMemo"));
  auto* dl = new QVBoxLayout(description);
  dl->addWidget(new QLabel(tr("Mission Description:"), description));
  dl->addWidget(descriptionMemo_);
  pages_->addTab(description, tr("&Description"));

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
  pages_->addTab(debriefings_, tr("De&briefings"));

  pages_->addTab(new TeamsPage(context(), pages_), tr("Te&ams"));

  setCentralWidget(pages_);
}

void MainWindow::sizeWindow() {
  const QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
  const QRect area = screen ? screen->availableGeometry() : QRect(0, 0, 1280, 1024);
  const int width = options_.screenWidth > 0 ? options_.screenWidth
                                             : (screen ? screen->geometry().width() : 1280);
  // Small screens get the whole screen; 1024 wide ones when the settings ask for it.
  const bool fill = width <= 800 || (width == 1024 && settings_.adjustForRes);
  // At least 810 x 580, larger when the list's lines and the pages need it to show whole.
  const QSize wanted = sizeHint().expandedTo(QSize(810, 580));
  resize(std::min(wanted.width(), area.width()), std::min(wanted.height(), area.height()));
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
  // A first run has just shown the dialog: cancelling it does not bring it back at once.
  if (abbreviated || (!firstRunDialogShown_ && (settings_.gameDirectory == shell::Undefined ||
                                                settings_.editorDirectory == shell::Undefined)))
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
  // Last of all, the order and condition clipboards.
  if (shell::isDirectory(settings_.editorDirectory)) clipboards_->load(this);
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

void MainWindow::showLibrary() {
  LibraryMissionAccess access;
  access.mission = &doc_->mission();
  access.selectedFlightGroups = [this] { return doc_->selectedFlightGroups(); };
  access.addFlightGroups = [this](std::vector<model::FlightGroup> groups) {
    addFromLibrary(std::move(groups));
  };
  access.autoLink = settings_.autoLink;
  access.confirmDeletes = settings_.confirmDeletes;
  LibraryWindow window(library_, std::move(access), vocab_, *prompter_, settings_.editorDirectory,
                       this);
  WindowMemory(iniPath()).restore(&window);
  prompter_->exec(window);
  WindowMemory(iniPath()).remember(&window);
}

void MainWindow::addFromLibrary(std::vector<model::FlightGroup> groups) {
  // Appended in library order, one undo step; the new groups become the selection.
  doc_->applyListOp(tr("Flight groups from the library"), ChangedFlag::Mission,
                    ListKind::FlightGroups, [&](model::MissionEdit& e) {
                      model::Selection sel;
                      for (model::FlightGroup& g : groups) {
                        const int at = static_cast<int>(e.mission().flightGroups.size());
                        e.insertFlightGroup(at, std::move(g));
                        sel.selected.push_back(at);
                      }
                      if (!sel.selected.empty()) sel.current = sel.selected.front();
                      return sel;
                    });
}

void MainWindow::homePage() {
  openHomePage(this, *prompter_, homePageUrl(), defaultHelpFolder());
}

void MainWindow::listCommand(void (FlightGroupsPage::*command)(),
                             void (MessagesPage::*messageCommand)()) {
  // The list of the page in front takes the command.
  if (pages_->currentWidget() == fgPage_)
    (fgPage_->*command)();
  else if (messageCommand && pages_->currentWidget() == messagesPage_)
    (messagesPage_->*messageCommand)();
}

// ---------------------------------------------------------------------------------------------
// Views, keys, closing

void MainWindow::setTitle(const std::string& utf8) {
  baseTitle_ = utf8;
  refreshTitle();
}

void MainWindow::refreshTitle() {
  setWindowTitle(qs(shell::changedTitle(baseTitle_, doc_->isChanged())));
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
  refreshTitle();
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::KeyPress) return QMainWindow::eventFilter(watched, event);
  auto* w = qobject_cast<QWidget*>(watched);
  if (!w || w->window() != this) return QMainWindow::eventFilter(watched, event);
  const auto* key = static_cast<QKeyEvent*>(event);
  // A text entry keeps Ctrl+A (select all) for itself.
  if (InputPolicy::textEntryKeepsKey(w, *key)) return QMainWindow::eventFilter(watched, event);
  QAction* action = actions_->windowActionFor(*key);
  if (action && !action->isEnabled()) return true;
  if (!action) return QMainWindow::eventFilter(watched, event);
  // Holding a key down repeats undo and redo, never a file command.
  if (key->isAutoRepeat() && action != undoAct_ && action != redoAct_) return true;
  action->trigger();
  return true;
}

void MainWindow::closeEvent(QCloseEvent* event) {
  // A changed library is offered too; a save asked for that did not happen keeps the editor open.
  if (!saveChanged() ||
      !offerToSaveLibrary(library_, *prompter_, this, settings_.editorDirectory)) {
    event->ignore();
    return;
  }
  library_.clear();
  writeHistory();
  WindowMemory(iniPath()).remember(this, findChildren<QSplitter*>());
  event->accept();
}

void MainWindow::briefings() {
  BriefingEnvironment env;
  env.document = doc_.get();
  env.prompter = prompter_;
  env.vocabulary = &vocab_;
  env.settings = &settings_;
  if (doc_->named()) env.missionFile = doc_->fileName();
  env.save = [this] { return save(); };
  env.saveAs = [this] { return saveAs(); };
  BriefingWindow window(std::move(env), this);
  prompter_->exec(window);
}

}  // namespace app
