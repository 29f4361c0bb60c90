#include "app/shell/main_window.h"

#include <QAction>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QSettings>
#include <QSplitter>
#include <QStatusBar>
#include <QTabWidget>
#include <QTimer>
#include <QToolBar>

#include "app/base/actions.h"
#include "app/base/deferred_page.h"
#include "app/base/handbook_window.h"
#include "app/base/icons.h"
#include "app/base/key_map.h"
#include "app/base/prompter.h"
#include "app/base/text.h"
#include "app/base/undo_history_window.h"
#include "app/base/window_memory.h"
#include "app/document/mission_document.h"
#include "app/editing/clip_store.h"
#include "app/editing/flight_groups_page.h"
#include "app/editing/library_window.h"
#include "app/editing/messages_page.h"
#include "app/editing/ship_list.h"
#include "app/lists/message_sounds.h"
#include "app/map/map_window.h"
#include "app/shell/about_box.h"
#include "app/shell/help_page.h"
#include "app/shell/keyboard_reference.h"
#include "app/shell/mission_files.h"
#include "app/shell/mission_watch.h"
#include "app/shell/preferences_dialog.h"
#include "app/shell/recovery_keeper.h"
#include "model/mission_file.h"
#include "shell/key_bindings.h"
#include "shell/paths.h"
#include "shell/settings_file.h"
#include "shell/titles.h"

namespace app {
namespace {

constexpr const char* QuelvaBoxText =
    "At least one directory in Preferences includes the abbreviation \"quelva~1\".\n\r You'll "
    "need to reset them for some features to work correctly.";

}  // namespace

MainWindow::MainWindow(StartOptions options, QWidget* parent)
    : QMainWindow(parent),
      options_(std::move(options)),
      prompter_(options_.prompter ? options_.prompter : &defaultPrompter()),
      doc_(std::make_unique<MissionDocument>()) {
  setObjectName(QStringLiteral("MainWindow"));
  readSettings();
  readKeys();
  setHandbookSettings(iniPath());
  // The handbook's keyboard reference names the keys in force.
  setHandbookChapter(QStringLiteral("keyboard.md"), [] {
    return QString::fromStdString(keyboardReference(&KeyMap::instance().bindings()));
  });
  context_.reset(new EditorContext{*doc_, vocab_, settings_, *prompter_, iniPath()});
  files_ = new MissionFiles(*context_, this);
  connect(files_, &MissionFiles::titleChanged, this, &MainWindow::refreshTitle);
  connect(files_, &MissionFiles::historyChanged, this, &MainWindow::rebuildReopenMenu);
  clipboards_ = std::make_unique<ClipboardStore>(*context_);
  // The message sound list follows the file life cycle whether or not its tab was built.
  sounds_ = new MessageSounds(*context_, this, this);
  files_->setSoundHooks(
      {[this](model::Mission& m, const std::string& file) { sounds_->loadFor(m, file); },
       [this] { sounds_->reset(); }, [this] { sounds_->offerToSave(); },
       [this](const std::string& file) { sounds_->missionSavedAs(file); }});
  recovery_ =
      std::make_unique<RecoveryKeeper>(*context_, *files_, *sounds_, options_.configDir, this);
  recovery_->setEnabled(settings_.keepRecovery);
  files_->setOpenCheck([this](const std::string& path) { return recovery_->mayOpen(path); });
  watch_ = new MissionWatch(*context_, *files_, *sounds_, this);
  const auto status = [this](const QString& text) { statusBar()->showMessage(text); };
  connect(recovery_.get(), &RecoveryKeeper::statusMessage, this, status);
  connect(watch_, &MissionWatch::statusMessage, this, status);
  buildActions();
  buildPages();
  buildToolBar();
  // The size, place and splitter positions of the last run win over the default size. Without
  // them the window is made as large as every page needs, so the pages behind the other tabs
  // are built now; otherwise they are built when first shown.
  const WindowMemory memory(iniPath());
  if (!memory.remembers(this)) DeferredPage::buildAll(this);
  sizeWindow();
  memory.restore(this, findChildren<QSplitter*>());

  refreshTitle();
  // Until the first activation the Mission is the empty one made here.
  doc_->setDefaults(files_->missionDefaults());
  connect(doc_.get(), &MissionDocument::changed, this, &MainWindow::onDocumentChanged);
  connect(doc_.get(), &MissionDocument::travelled, this, &MainWindow::showChanged);
  applyFormat();
  pages_->setCurrentIndex(0);
  actions_->refresh();
}

MainWindow::~MainWindow() {
  // Unsaved work not yet in its copy goes there while the document still stands.
  recovery_.reset();
  // The actions' states read the pages: they go first.
  actions_.reset();
  // The map reads the document: it goes before the document does.
  delete mapWindow_;
  // The pages hold references to the document: they go first.
  delete centralWidget();
}

std::string MainWindow::iniPath() const {
  return shell::settingsFilePath(options_.configDir);
}

void MainWindow::readSettings() {
  bool found = false;
  std::string error;
  std::vector<std::string> problems;
  settings_ = shell::readSettings(iniPath(), &found, &error, &problems);
  if (found && (!error.empty() || !problems.empty())) {
    // Defaults in place of what the user wrote must not pass unnoticed.
    QString text = qs(error);
    if (!problems.empty()) {
      text = tr("Some settings in \"%1\" cannot be read; they keep their defaults:")
                 .arg(qs(iniPath()));
      // A file that is not settings at all would fill the screen: the first few say enough.
      constexpr std::size_t Shown = 10;
      for (std::size_t i = 0; i < problems.size() && i < Shown; ++i)
        text += QStringLiteral("\n- ") + qs(problems[i]);
      if (problems.size() > Shown) text += tr("\n- and %1 more").arg(problems.size() - Shown);
    }
    prompter_->warning(this, text);
  }
  if (!found) {
    // First run: every default is shown, and OK writes the file; the folders' tab in front.
    PreferencesDialog dialog(settings_, vocab_, iniPath(), this, options_.screenWidth);
    dialog.setPrompter(*prompter_);
    dialog.showFolders();
    // The main window is not on screen yet: the dialog centres on the screen instead.
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
      dialog.adjustSize();
      dialog.move(screen->availableGeometry().center() - dialog.rect().center());
    }
    prompter_->exec(dialog);
    firstRunDialogShown_ = true;
  }
}

void MainWindow::readKeys() {
  KeyMap::instance().setBindings(shell::readKeyBindings(iniPath()));
  const QStringList bad = KeyMap::instance().problems();
  if (bad.isEmpty()) return;
  prompter_->warning(this,
                     tr("Some keys in \"%1\" are no keys; they are ignored:").arg(qs(iniPath())) +
                         QStringLiteral("\n- ") + bad.join(QStringLiteral("\n- ")));
}

QString MainWindow::homePageUrl() const {
  // Only an address set in the settings file; without one the editor's own help page is shown.
  const QSettings ini(qs(iniPath()), QSettings::IniFormat);
  return ini.value(QStringLiteral("Options/HomePage")).toString().trimmed();
}

// ---------------------------------------------------------------------------------------------
// Building the window

void MainWindow::buildToolBar() {
  auto* bar = new QToolBar(tr("Tools"), this);
  bar->setObjectName(QStringLiteral("MainToolBar"));
  bar->setMovable(false);
  bar->setFloatable(false);
  bar->setIconSize(QSize(24, 24));
  bar->setToolButtonStyle(Qt::ToolButtonIconOnly);
  addToolBar(Qt::TopToolBarArea, bar);
  actions_->buildToolBar(bar, toolBarLayout());
  actions_->buildMenuBar(menuBar(), reopenMenu_->menuAction(), menuBarLayout());
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
  move(area.x() + (area.width() - this->width()) / 2,
       area.y() + (area.height() - this->height()) / 2);
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
  // Opened for the folders: on the tab that holds them.
  if (abbreviated || (!firstRunDialogShown_ && (settings_.gameDirectory == shell::Undefined ||
                                                settings_.editorDirectory == shell::Undefined)))
    runPreferences(true);

  // The title stays the plain one until the user makes or opens a mission.
  files_->makeNewMission(model::FormatExpansion);
  files_->setTitle(shell::startupTitle());
  files_->setLastDirectory(settings_.missionsDirectory == shell::Undefined
                               ? QString()
                               : qs(settings_.missionsDirectory));
  if (shell::isDirectory(settings_.editorDirectory)) {
    vocab_.loadTables(settings_.editorDirectory);
    files_->readHistory();
  }
  rebuildReopenMenu();
  // Every box that shows a table takes the editor folder's entries.
  doc_->tablesReplaced();
  if (auto* list = fgPage_->shipList()) list->setFocus();

  // Work a stopped editor left unsaved is offered first; restored, it stays in front.
  if (!recovery_->offer()) files_->startUp(options_.arguments);
  reopenWindows();
  // Last of all, the order and condition clipboards.
  if (shell::isDirectory(settings_.editorDirectory)) clipboards_->load(this);
}

// ---------------------------------------------------------------------------------------------
// The mission life cycle (app::MissionFiles)

const shell::FileHistory& MainWindow::history() const {
  return files_->history();
}
const QString& MainWindow::lastDirectory() const {
  return files_->lastDirectory();
}
bool MainWindow::omitWarnings() const {
  return files_->omitWarnings();
}
void MainWindow::newMission() {
  files_->newMission();
}
void MainWindow::openMission() {
  files_->openMission();
}
void MainWindow::reopen(int index) {
  files_->reopen(index);
}
bool MainWindow::load(const QString& path) {
  return files_->load(path);
}
bool MainWindow::save() {
  return files_->save();
}
bool MainWindow::saveAs() {
  return files_->saveAs();
}
bool MainWindow::saveTo(const QString& path) {
  return files_->saveTo(path);
}
void MainWindow::runCheck(bool verbose) {
  files_->runCheck(verbose);
}

void MainWindow::rebuildReopenMenu() {
  // The entries are kept and relabelled rather than rebuilt: a reopen runs from inside its own
  // entry's signal, and the menu still refers to that entry afterwards.
  const auto captions = files_->history().captions(settings_.dirInReopen);
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

// ---------------------------------------------------------------------------------------------
// Other commands

void MainWindow::errorCheck() {
  runCheck(true);
}

void MainWindow::preferences() {
  runPreferences(false);
}

void MainWindow::runPreferences(bool folders) {
  PreferencesDialog dialog(settings_, vocab_, iniPath(), this, options_.screenWidth);
  dialog.setPrompter(*prompter_);
  if (folders) dialog.showFolders();
  connect(&dialog, &PreferencesDialog::autoLinkToggled, this, [this](bool on) {
    // An undo step of its own, so that undoing older edits cannot bring back old flags; the
    // flag is not in the file, so the Mission does not count as changed.
    doc_->setAutoLinkAll(on);
  });
  prompter_->exec(dialog);
  applySettingsToMission();
  recovery_->setEnabled(settings_.keepRecovery);
  rebuildReopenMenu();
}

void MainWindow::applySettingsToMission() {
  // New flight groups are made from the document's defaults when they are added, so an undo
  // cannot bring back older settings.
  doc_->setDefaults(files_->missionDefaults());
}

void MainWindow::about() {
  AboutBox box(this);
  prompter_->exec(box);
}

void MainWindow::homePage() {
  openHomePage(this, *prompter_, homePageUrl());
}

// ---------------------------------------------------------------------------------------------
// Views, closing

void MainWindow::refreshTitle() {
  if (files_) setWindowTitle(qs(shell::changedTitle(files_->title(), doc_->isChanged())));
}

void MainWindow::onDocumentChanged(const ChangeSet& c) {
  if (c.format || c.whole) applyFormat();
  if (c.briefingText) files_->followHeading();
  refreshTitle();
}

void MainWindow::closeEvent(QCloseEvent* event) {
  // A changed library is offered too; a save asked for that did not happen keeps the editor open.
  if (!files_->mayClose([this] {
        return offerToSaveLibrary(library_, *prompter_, this, settings_.editorDirectory);
      })) {
    event->ignore();
    return;
  }
  library_.clear();
  const WindowMemory memory(iniPath());
  memory.remember(this, findChildren<QSplitter*>());
  // The map and the undo history open again at the next start, where they are, when they are
  // open now.
  for (QWidget* w : std::initializer_list<QWidget*>{mapWindow_, undoHistory_}) {
    if (w && w->isVisible()) memory.remember(w);
  }
  memory.rememberOpen(QStringLiteral("MapForm"), mapWindow_ && mapWindow_->isVisible());
  memory.rememberOpen(QStringLiteral("UndoHistoryWindow"),
                      undoHistory_ && undoHistory_->isVisible());
  recovery_->closed();
  event->accept();
}

void MainWindow::reopenWindows() {
  const WindowMemory memory(iniPath());
  const bool map = memory.wasOpen(QStringLiteral("MapForm"));
  if (map) mapWindow()->showMap();
  if (memory.wasOpen(QStringLiteral("UndoHistoryWindow"))) showUndoHistory();
  // The main window keeps the keyboard; the others stand where they were.
  if (map) activateWindow();
}

}  // namespace app
