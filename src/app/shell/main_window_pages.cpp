// The main window's pages and the windows it opens: the tabs (those behind the first built when
// first shown), the map window (made when first asked for), the library, the briefing editor and
// the windows of the game's lists.
#include <QDir>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QSplitter>
#include <QStackedWidget>
#include <QTabWidget>
#include <QVBoxLayout>

#include <algorithm>

#include "app/base/actions.h"
#include "app/base/deferred_page.h"
#include "app/base/fitting_scroll_area.h"
#include "app/base/input_policy.h"
#include "app/base/prompter.h"
#include "app/base/text.h"
#include "app/base/window_memory.h"
#include "app/briefing/briefing_window.h"
#include "app/document/field_binding.h"
#include "app/document/mission_document.h"
#include "app/document/step_text.h"
#include "app/editing/flight_groups_page.h"
#include "app/editing/global_goals_page.h"
#include "app/editing/library_window.h"
#include "app/editing/messages_page.h"
#include "app/editing/ship_list.h"
#include "app/editing/teams_page.h"
#include "app/editing/wps_page.h"
#include "app/lists/battle_manager.h"
#include "app/lists/load_by_list_window.h"
#include "app/lists/lst_files_window.h"
#include "app/lists/message_sounds.h"
#include "app/lists/opt_file_manager.h"
#include "app/lists/wav_manager.h"
#include "app/map/map_window.h"
#include "app/shell/main_window.h"
#include "app/shell/mission_files.h"
#include "app/shell/mission_settings_panel.h"
#include "app/shell/text_block_memo.h"
#include "lists/game_lists.h"
#include "model/mission_file.h"

namespace app {
namespace {

// The widest a page of fields grows on a wide window.
constexpr int MaxPageWidth = 1100;

}  // namespace

// ---------------------------------------------------------------------------------------------
// Undo and redo bring what they changed to the front

namespace {

// Makes every tab and stacked page that `w` sits in inside `top` the current one.
void bringToFront(QWidget* w, const QWidget* top) {
  for (; w && w != top; w = w->parentWidget()) {
    auto* stack = qobject_cast<QStackedWidget*>(w->parentWidget());
    if (!stack) continue;
    if (auto* tabs = qobject_cast<QTabWidget*>(stack->parentWidget()))
      tabs->setCurrentWidget(w);
    else
      stack->setCurrentWidget(w);
  }
}

// The page of the main window that lists the records `c` changed, or null.
const char* pageOfChange(const model::ChangeSet& c) {
  using K = model::RecordKind;
  if (c.touches(K::FlightGroup) || c.touches(K::FlightGroupGoalStrings) ||
      c.listChanged(model::ListKind::FlightGroups))
    return "FlightGroupsPage";
  if (c.touches(K::Message) || c.listChanged(model::ListKind::Messages)) return "MessagesPage";
  if (c.touches(K::GlobalGoal) || c.touches(K::GlobalGoalStrings)) return "GlobalGoalsPage";
  if (c.touches(K::Team) || c.touches(K::TeamIff)) return "TeamsPage";
  if (c.textBlocks[0]) return "DescriptionPage";
  if (c.textBlocks[1] || c.textBlocks[2]) return "DebriefingsPage";
  return nullptr;
}

}  // namespace

void MainWindow::showChanged(const model::ChangeSet& c) {
  // A control of this window that shows a changed field: unless one is in view already, its
  // page and tab come to the front.
  std::vector<QWidget*> controls;
  for (const FieldBindings* b : findChildren<FieldBindings*>())
    for (QWidget* control : b->controlsShowing(c))
      if (control->window() == this) controls.push_back(control);
  if (std::any_of(controls.begin(), controls.end(), [](QWidget* w) { return w->isVisible(); }))
    return;
  if (!controls.empty()) {
    bringToFront(controls.front(), this);
    return;
  }
  // A change no control in view shows: the page of its records.
  if (const char* page = pageOfChange(c))
    for (int i = 0; i < pages_->count(); ++i)
      if (pages_->widget(i)->objectName() == QLatin1String(page)) pages_->setCurrentIndex(i);
}

// ---------------------------------------------------------------------------------------------
// The pages

void MainWindow::buildPages() {
  pages_ = new QTabWidget(this);
  DeferredPage::buildWhenChosen(pages_);
  pages_->setObjectName(QStringLiteral("OverallPages"));
  buildFlightGroupsPage();

  // The pages behind the other tabs are built when they are first shown.
  const auto later = [this](const char* name, const QString& title, DeferredPage::Build build) {
    auto* frame = new DeferredPage(QString::fromLatin1(name), std::move(build), pages_);
    pages_->addTab(frame, title);
    return frame;
  };
  messagesFrame_ = later("MessagesPage", tr("&Messages"),
                         [this](QWidget* frame) { return buildMessagesPage(frame); });
  later("GlobalGoalsPage", tr("&Global Goals"),
        [this](QWidget* frame) { return new GlobalGoalsPage(context(), frame); });
  later("DescriptionPage", tr("&Description"),
        [this](QWidget* frame) { return buildDescriptionPage(frame); });
  later("DebriefingsPage", tr("De&briefings"),
        [this](QWidget* frame) { return buildDebriefingsPage(frame); });
  later("TeamsPage", tr("Te&ams"),
        [this](QWidget* frame) { return new TeamsPage(context(), frame); });

  // A page built later gets the splitter positions of the last run as the others got them.
  for (DeferredPage* frame : pages_->findChildren<DeferredPage*>())
    frame->whenBuilt([this](QWidget* page) {
      WindowMemory(iniPath()).restoreSplitters(this, page->findChildren<QSplitter*>());
    });

  // The list commands follow the page in front.
  actions_->refreshOn(pages_, &QTabWidget::currentChanged);
  // The pages scroll only where the screen is too small for them (a large scale).
  setCentralWidget(new FittingScrollArea(pages_, this));
}

// The first tab, built at once: the flight groups with the mission settings beside them.
void MainWindow::buildFlightGroupsPage() {
  fgPage_ = new FlightGroupsPage(*context_, pages_);
  fgPage_->setObjectName(QStringLiteral("FlightGroupsPage"));
  fgPage_->whenMissionSettingsArea([this](QWidget* area) {
    if (!area->layout()) {
      auto* l = new QVBoxLayout(area);
      l->setContentsMargins(0, 0, 0, 0);
    }
    settingsPanel_ = new MissionSettingsPanel(*context_, area);
    area->layout()->addWidget(settingsPanel_);
  });
  fgPage_->setPopupActions(
      actions_->popupActions(flightGroupPopupLayout(), reopenMenu_->menuAction(), this));
  actions_->addScope(KeyScope::List, fgPage_->shipList());
  pages_->addTab(fgPage_, tr("F&light Groups"));
  // The lists are named after their pages.
  fgPage_->shipList()->setAccessibleName(tr("F&light Groups").remove(QLatin1Char('&')));
  fgPage_->setTabBuild(FlightGroupsPage::WPsTab, [this](QWidget* frame) {
    auto* wpsPage = new WpsPage(context(), frame);
    connect(wpsPage, &WpsPage::mapRequested, this, [this] { mapWindow()->showMap(); });
    return wpsPage;
  });
}

QWidget* MainWindow::buildMessagesPage(QWidget* frame) {
  messagesPage_ = new MessagesPage(context(), frame);
  // The message sound list's group sits on the Messages tab and follows the file life cycle.
  wavManager_ = new WavManager(context(), *sounds_, messagesPage_->soundArea());
  messagesPage_->holdSoundGroup(wavManager_);
  messagesPage_->setSoundListActive(sounds_->active());
  connect(wavManager_, &WavManager::listActiveChanged, messagesPage_,
          &MessagesPage::setSoundListActive);
  messagesPage_->setPopupActions(actions_->popupActions(messagePopupLayout(), nullptr, this));
  if (auto* list = messagesPage_->findChild<QListWidget*>(QStringLiteral("MsgStrList"))) {
    connect(list, &QListWidget::itemDoubleClicked, wavManager_, &WavManager::chooseFromGame);
    list->setAccessibleName(tr("&Messages").remove(QLatin1Char('&')));
    actions_->addScope(KeyScope::List, list);
  }
  return messagesPage_;
}

QWidget* MainWindow::buildDescriptionPage(QWidget* frame) {
  auto* description = new QWidget(frame);
  description->setMaximumWidth(MaxPageWidth);
  descriptionMemo_ = new TextBlockMemo(context(), MissionDocument::Block::Description, description);
  descriptionMemo_->setObjectName(QStringLiteral("DescriptionMemo"));
  auto* dl = new QVBoxLayout(description);
  dl->addWidget(captionFor(descriptionMemo_, tr("Mission Description:"), description));
  dl->addWidget(descriptionMemo_);
  applyFormat();
  return description;
}

QWidget* MainWindow::buildDebriefingsPage(QWidget* frame) {
  debriefings_ = new QWidget(frame);
  debriefings_->setMaximumWidth(MaxPageWidth);
  auto* bl = new QVBoxLayout(debriefings_);
  noDebriefLabel_ =
      new QLabel(tr("There are no Debriefings for Zyn Format Missions"), debriefings_);
  noDebriefLabel_->setObjectName(QStringLiteral("NoDebriefLabel"));
  noDebriefLabel_->setAlignment(Qt::AlignCenter);
  bl->addWidget(noDebriefLabel_);
  successMemo_ = new TextBlockMemo(context(), MissionDocument::Block::SuccessDebrief, debriefings_);
  successMemo_->setObjectName(QStringLiteral("SuccessDebriefMemo"));
  failureMemo_ = new TextBlockMemo(context(), MissionDocument::Block::FailureDebrief, debriefings_);
  failureMemo_->setObjectName(QStringLiteral("FailureDebriefMemo"));
  auto* successLabel = new QLabel(tr("Success Debriefing:"), debriefings_);
  successLabel->setObjectName(QStringLiteral("SuccessDebriefLabel"));
  auto* failureLabel = new QLabel(tr("Failure Debriefing:"), debriefings_);
  failureLabel->setObjectName(QStringLiteral("FailureDebriefLabel"));
  successLabel->setBuddy(successMemo_);
  failureLabel->setBuddy(failureMemo_);
  bl->addWidget(successLabel);
  bl->addWidget(successMemo_);
  bl->addWidget(failureLabel);
  bl->addWidget(failureMemo_);
  applyFormat();
  return debriefings_;
}

void MainWindow::applyFormat() {
  const bool base = doc_->mission().platformId == model::FormatBase;
  // A block keeps its last byte zero: 1023 and 4095 characters reach the file whole.
  if (descriptionMemo_) descriptionMemo_->setLimit(base ? 1023 : 4095);
  if (debriefings_)
    for (QWidget* w : debriefings_->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
      w->setVisible(w == noDebriefLabel_ ? base : !base);
}

MessagesPage* MainWindow::messagesPage() {
  messagesFrame_->page();
  return messagesPage_;
}

WavManager* MainWindow::wavManager() {
  messagesFrame_->page();
  return wavManager_;
}

// ---------------------------------------------------------------------------------------------
// The windows opened from the main window

MapWindow* MainWindow::mapWindow() {
  if (!mapWindow_) {
    mapWindow_ = new MapWindow(*context_, this);
    connect(mapWindow_, &MapWindow::backToMain, this, [this] {
      raise();
      activateWindow();
    });
    connect(mapWindow_, &MapWindow::saveRequested, this, &MainWindow::save);
    connect(mapWindow_, &MapWindow::saveAsRequested, this, &MainWindow::saveAs);
  }
  return mapWindow_;
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
  doc_->applyListOp(
      stepText(Verb::AddFromLibrary, Records::FlightGroup, static_cast<int>(groups.size()),
               groups.size() == 1 ? fromFile(groups.front().name()) : QString()),
      ChangedFlag::Mission, ListKind::FlightGroups, [&](model::MissionEdit& e) {
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

void MainWindow::briefings() {
  BriefingEnvironment env;
  if (doc_->named()) env.missionFile = doc_->fileName();
  env.save = [this] { return save(); };
  env.saveAs = [this] { return saveAs(); };
  BriefingWindow::run(*context_, std::move(env), this);
}

// ---------------------------------------------------------------------------------------------
// The game's lists and assets

void MainWindow::editLists() {
  const EditorContext& c = context();
  const std::string file = c.document.named() ? c.document.fileName() : model::UnnamedFile;
  if (const auto chosen = LstFilesWindow::run(this, c.settings, c.document.mission(), file,
                                              c.prompter, c.iniPath, &c.vocabulary))
    files_->openChosen(qs(*chosen));
}

void MainWindow::battleManager() {
  const EditorContext& c = context();
  const model::Mission& m = c.document.mission();
  if (const auto chosen = BattleManager::run(c.settings, m.platformId, lists::playerSide(m),
                                             c.prompter, c.iniPath, this, &c.vocabulary))
    files_->openChosen(qs(*chosen));
}

void MainWindow::optManager() {
  const EditorContext& c = context();
  OptFileManager window(c.settings, vocab_.table(shell::tables::Ships), c.prompter, this);
  const int result = c.prompter.exec(window);
  // A model folder chosen in the window is the editor's from now on, "&Use" or not.
  if (const auto& folder = window.chosenModelDirectory())
    settings_.modelDirectory = QDir::toNativeSeparators(*folder).toStdString();
  if (result != QDialog::Accepted) return;
  if (window.craftNamesChanged()) {
    // "Ships.txt" is already rewritten; the craft-type boxes show the new names.
    vocab_.setTable(shell::tables::Ships, window.craftNames());
    doc_->tablesReplaced();
  }
}

void MainWindow::loadByList() {
  if (!files_->saveChanged()) return;
  files_->offerToSaveSounds();
  const EditorContext& c = context();
  // The chosen mission opens through the same path as "Load Mission".
  LoadByListWindow window(
      c.settings, files_->lastDirectory(),
      [this](const QString& path) {
        files_->addToHistory(path);
        return files_->load(path);
      },
      c.prompter, this);
  c.prompter.exec(window);
}

}  // namespace app
