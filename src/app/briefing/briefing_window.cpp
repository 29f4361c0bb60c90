#include "app/briefing/briefing_window.h"
#include "app/base/translations.h"

#include <QAction>
#include <QCloseEvent>
#include <QListWidget>
#include <QMenu>
#include <QTabWidget>
#include <QTableWidget>
#include <QToolBar>
#include <QUndoStack>
#include <QVBoxLayout>

#include "app/base/actions.h"
#include "app/base/handbook_window.h"
#include "app/base/prompter.h"
#include "app/base/text.h"
#include "app/base/window_memory.h"
#include "app/briefing/accessories_page.h"
#include "app/briefing/briefing_preview.h"
#include "app/briefing/briefing_session.h"
#include "app/briefing/instructions_page.h"
#include "app/briefing/playback_controller.h"
#include "app/briefing/preview_page.h"
#include "app/briefing/strings_page.h"
#include "app/document/deletes.h"
#include "app/document/editor_context.h"
#include "app/document/mission_document.h"
#include "briefing/editing.h"
#include "briefing/preview.h"

namespace app {

namespace brf = briefing;

namespace {

enum Page { PreviewTab = 0, ListTab = 1, StringsTab = 2, AccessoriesTab = 3 };

const QStringList& briefingToolBar() {
  static const QStringList bar = {"UndoAction",
                                  "RedoAction",
                                  "-",
                                  "MoveUpAction",
                                  "MoveDownAction",
                                  "DeleteAction",
                                  "-",
                                  "InsertStopAction",
                                  "InsertMoveAction",
                                  "InsertZoomAction",
                                  "InsertTextAction",
                                  "InsertBoxAction",
                                  "InsertClearBoxesAction",
                                  "InsertTagAction",
                                  "InsertClearTagsAction",
                                  "-",
                                  "LoadBrfAction",
                                  "SaveMissionAction",
                                  "-",
                                  "PrevBriefingAction",
                                  "NextBriefingAction"};
  return bar;
}

}  // namespace

BriefingWindow::BriefingWindow(const EditorContext& context, BriefingEnvironment env,
                               QWidget* parent)
    : QDialog(parent),
      ctx_(context),
      env_(std::move(env)),
      doc_(context.document),
      session_(std::make_unique<BriefingSession>(context.document)),
      playback_(std::make_unique<PlaybackController>(*session_)) {
  setObjectName(QStringLiteral("BrfForm"));
  setModal(true);
  auto* top = new QVBoxLayout(this);
  toolBar_ = new QToolBar(this);
  toolBar_->setObjectName(QStringLiteral("BrfToolBar"));
  buildActions();
  top->addWidget(toolBar_);

  top->addWidget(buildPages(), 1);
  buildPopup();
  const std::string description =
      brf::missionDescription(mission(), env_.missionFile, ctx_.settings);
  preview_->setDescription(description == brf::NoDescriptionText ? coreText(description)
                                                                 : fromFile(description));

  connectSignals();
  showBriefing(0);
  pages_->setCurrentIndex(PreviewTab);
  updateActions();
}

// The four tabs; the instruction list and the preview's map and time bar take the keys of
// their scopes.
QTabWidget* BriefingWindow::buildPages() {
  pages_ = new QTabWidget(this);
  pages_->setObjectName(QStringLiteral("BrfPages"));
  preview_ = new PreviewPage(ctx_, *session_, *playback_);
  list_ = new InstructionsPage(ctx_, *session_);
  strings_ = new StringsPage(ctx_, *session_);
  accessories_ = new AccessoriesPage(ctx_, *session_);
  pages_->addTab(preview_, tr("WYSIWYG"));
  pages_->addTab(list_, tr("Instruction List"));
  pages_->addTab(strings_, tr("Strings"));
  pages_->addTab(accessories_, tr("Accessories"));
  actions_->addScope(KeyScope::List, list_->list());
  for (const char* name : {"BriefingMap", "TimeBar"})
    if (auto* w = preview_->findChild<QWidget*>(QLatin1String(name)))
      actions_->addScope(KeyScope::Canvas, w);
  return pages_;
}

void BriefingWindow::connectSignals() {
  connect(pages_, &QTabWidget::currentChanged, this, &BriefingWindow::onPageChanged);
  connect(preview_, &PreviewPage::popupRequested, this, &BriefingWindow::showPopup);
  connect(list_, &InstructionsPage::popupRequested, this, &BriefingWindow::showPopup);
  connect(preview_, &PreviewPage::gestureChanged, this, &BriefingWindow::updateActions);
  connect(playback_.get(), &PlaybackController::playingChanged, this,
          &BriefingWindow::updateActions);
  connect(session_.get(), &BriefingSession::shown, this, &BriefingWindow::onShown);
  connect(session_.get(), &BriefingSession::selectionChanged, this, &BriefingWindow::updateActions);
  connect(session_.get(), &BriefingSession::listChanged, this, &BriefingWindow::updateActions);
  connect(session_.get(), &BriefingSession::placementChanged, this, [this] {
    toolBar_->setEnabled(!session_->placing());
    updateActions();
  });
  connect(session_.get(), &BriefingSession::notice, this, [this](const QString& text, bool warn) {
    if (warn)
      ctx_.prompter.warning(this, text);
    else
      ctx_.prompter.information(this, text);
  });
  connect(&doc_, &MissionDocument::changed, this, [this](const ChangeSet& c) {
    if (topicsOf(c) & (TeamFields | FlightGroupFields | FlightGroupList | WholeMission))
      fillEntries();
    preview_->redraw(true);
  });
  QUndoStack* stack = doc_.undoStack();
  for (auto signal : {&QUndoStack::canUndoChanged, &QUndoStack::canRedoChanged})
    connect(stack, signal, this, &BriefingWindow::updateActions);
  for (auto signal : {&QUndoStack::undoTextChanged, &QUndoStack::redoTextChanged})
    connect(stack, signal, this, &BriefingWindow::updateActions);
}

BriefingWindow::~BriefingWindow() {
  // A cell or box still being edited is committed while the session it writes through lives;
  // then the actions go, whose states read the pages.
  hide();
  actions_.reset();
}

int BriefingWindow::run(const EditorContext& context, BriefingEnvironment env, QWidget* parent) {
  BriefingWindow window(context, std::move(env), parent);
  const WindowMemory memory(context.iniPath);
  memory.place(&window, 15);
  const int result = context.prompter.exec(window);
  memory.remember(&window);
  return result;
}

QAction* BriefingWindow::act(const char* id) const {
  return actions_->action(QString::fromLatin1(id));
}

// The window's commands. The tool bar shows the short texts, the pop-up menus the full ones.
const std::vector<ActionSpec<BriefingWindow>>& BriefingWindow::actionTable() {
  using enum KeyScope;
  using enum Held;
  using W = BriefingWindow;
  // The insert commands (a box or tag code picks its own slot).
  const auto insert = [](int code) { return [code](W& w) { w.insertInstruction(code); }; };
  const auto onPreview = [](const W& w) { return w.pages_->currentIndex() == PreviewTab; };
  const auto idle = [](const W& w) { return !w.preview_->gestureActive(); };
  static const std::vector<ActionSpec<BriefingWindow>> table = {
      {"UndoAction", QT_TR_NOOP("Undo"), QT_TR_NOOP("Undo"), "edit-undo",
       keys("Ctrl+Z", Window, Repeats), &W::undo, &W::canUndo},
      {"RedoAction", QT_TR_NOOP("Redo"), QT_TR_NOOP("Redo"), "edit-redo",
       keys("Ctrl+Y; Ctrl+Shift+Z", Window, Repeats), &W::redo, &W::canRedo},
      // The tool bar moves and deletes the selected instruction on every page (only the pop-up
      // menu of the preview leaves them out); the key deletes while the instruction list has the
      // focus.
      {"MoveUpAction", QT_TR_NOOP("Move &up"), QT_TR_NOOP("Move Instruction up"), nullptr, NoKeys,
       [](W& w) { w.editList([&w] { w.session_->moveUp(); }); },
       [idle](const W& w) { return idle(w) && brf::canMoveUp(w.commands(), w.selected()); },
       nullptr, nullptr, QT_TR_NOOP("Up")},
      {"MoveDownAction", QT_TR_NOOP("Move do&wn"), QT_TR_NOOP("Move Instruction down"), nullptr,
       NoKeys, [](W& w) { w.editList([&w] { w.session_->moveDown(); }); },
       [idle](const W& w) { return idle(w) && brf::canMoveDown(w.commands(), w.selected()); },
       nullptr, nullptr, QT_TR_NOOP("Down")},
      {"DeleteAction", QT_TR_NOOP("&Delete"), QT_TR_NOOP("Delete Current Instruction"), nullptr,
       keys("Del", List), &W::deleteInstruction,
       [idle](const W& w) { return idle(w) && brf::canDelete(w.commands(), w.selected()); },
       nullptr, nullptr, QT_TR_NOOP("Delete")},
      {"InsertStopAction",
       QT_TR_NOOP("Insert &Stop"),
       QT_TR_NOOP("Insert Stop Point"),
       nullptr,
       NoKeys,
       insert(brf::StopPoint),
       {},
       {},
       nullptr,
       QT_TR_NOOP("Stop")},
      {"InsertMoveAction",
       QT_TR_NOOP("Insert &Move..."),
       QT_TR_NOOP("Insert Move Map instruction"),
       nullptr,
       NoKeys,
       insert(brf::MoveMap),
       {},
       {},
       nullptr,
       QT_TR_NOOP("Move")},
      {"InsertZoomAction",
       QT_TR_NOOP("Insert &Zoom..."),
       QT_TR_NOOP("Insert Zoom instruction"),
       nullptr,
       NoKeys,
       insert(brf::ZoomMap),
       {},
       {},
       nullptr,
       QT_TR_NOOP("Zoom")},
      {"InsertTextAction",
       QT_TR_NOOP("Insert T&ext..."),
       QT_TR_NOOP("Insert Briefing Text instruction"),
       nullptr,
       NoKeys,
       insert(brf::BriefingText),
       {},
       {},
       nullptr,
       QT_TR_NOOP("Text")},
      {"InsertBoxAction",
       QT_TR_NOOP("Insert FG &Box..."),
       QT_TR_NOOP("Insert FG Box instruction"),
       nullptr,
       NoKeys,
       insert(brf::FirstBox),
       {},
       {},
       nullptr,
       QT_TR_NOOP("Box")},
      {"InsertClearBoxesAction",
       QT_TR_NOOP("Clear All Bo&xes"),
       QT_TR_NOOP("Insert Clear Boxes instruction"),
       nullptr,
       NoKeys,
       insert(brf::ClearBoxes),
       {},
       {},
       nullptr,
       QT_TR_NOOP("Clear boxes")},
      {"InsertTagAction",
       QT_TR_NOOP("Insert Map &Tag..."),
       QT_TR_NOOP("Insert Map Tag instruction"),
       nullptr,
       NoKeys,
       insert(brf::FirstTag),
       {},
       {},
       nullptr,
       QT_TR_NOOP("Tag")},
      {"InsertClearTagsAction",
       QT_TR_NOOP("&Clear All Tags"),
       QT_TR_NOOP("Insert Clear Tags instruction"),
       nullptr,
       NoKeys,
       insert(brf::ClearTags),
       {},
       {},
       nullptr,
       QT_TR_NOOP("Clear tags")},
      // The preview's playback, from the pop-up menu of the map.
      {"PlayAction", QT_TR_NOOP("Play"), QT_TR_NOOP("Play the preview"), nullptr, NoKeys,
       [](W& w) { w.preview_->play(); }, [](const W& w) { return !w.playback_->playing(); }},
      {"PauseAction", QT_TR_NOOP("Pause"), QT_TR_NOOP("Pause the preview"), nullptr, NoKeys,
       [](W& w) { w.playback_->pause(); }, [](const W& w) { return w.playback_->playing(); }},
      {"StopAction", QT_TR_NOOP("Stop"), QT_TR_NOOP("Stop the preview and go back to its start"),
       nullptr, NoKeys, [](W& w) { w.playback_->rewindAndStop(); },
       [](const W& w) { return w.playback_->playing(); }},
      {"SetAllToStart1Action", QT_TR_NOOP("Set all to Start &1"),
       QT_TR_NOOP("Every flight group's briefing point takes the position of its Start 1 point"),
       nullptr, NoKeys, [](W& w) { w.accessories_->setIconsToStart1(); },
       [](const W& w) { return !w.playback_->playing(); }},
      {"LoadBrfAction", QT_TR_NOOP(".brf"), QT_TR_NOOP("Load matching Vortan .brf file"), nullptr,
       NoKeys,
       [](W& w) {
         w.finishGestures();
         w.playback_->pause();
         w.accessories_->loadBrfFile(w.env_.missionFile);
       }},
      {"SaveMissionAction", QT_TR_NOOP("Save"), QT_TR_NOOP("Save Mission"), nullptr,
       keys("Ctrl+S", Window), [](W& w) { w.saveMission(false); }},
      // Not Ctrl+A, which selects all where something can be selected.
      {"SaveAsAction", QT_TR_NOOP("Save As..."), QT_TR_NOOP("Save As "), nullptr,
       keys("Ctrl+Shift+S", Window), [](W& w) { w.saveMission(true); }},
      {"PrevBriefingAction", QT_TR_NOOP("\u25C0"), QT_TR_NOOP("Previous Briefing"), nullptr, NoKeys,
       [](W& w) { w.showBriefing(w.briefingNumber() - 1); },
       [](const W& w) { return w.briefingNumber() > 0; }},
      {"NextBriefingAction", QT_TR_NOOP("\u25B6"), QT_TR_NOOP("Next Briefing"), nullptr, NoKeys,
       [](W& w) { w.showBriefing(w.briefingNumber() + 1); },
       [](const W& w) { return w.briefingNumber() < static_cast<int>(model::BriefingCount) - 1; }},
      // Space on the preview page, while the map or the time bar has the focus.
      {"PlayPauseAction", QT_TR_NOOP("Play/Pause"), QT_TR_NOOP("Play or pause the preview"),
       nullptr, keys("Space", Canvas),
       [](W& w) {
         if (w.playback_->playing())
           w.playback_->pause();
         else
           w.preview_->play();
       },
       [onPreview](const W& w) { return onPreview(w) && !w.session_->placing(); }},
      // Escape ends a drag on the map or the placing of an instruction, putting things back;
      // otherwise it closes the window.
      {"CancelAction", QT_TR_NOOP("Cancel"),
       QT_TR_NOOP("Cancel the drag or the instruction being placed"), nullptr, keys("Esc", Window),
       [](W& w) { w.preview_->cancelGesture(); },
       [](const W& w) { return w.preview_->gestureActive(); }},
      {"HandbookAction", QT_TR_NOOP("Handbook"),
       QT_TR_NOOP("Open the handbook at the section about the page in front"), nullptr,
       keys("F1", Window), [](W& w) { showHandbookForFocus(&w); }},
  };
  return table;
}

void BriefingWindow::buildActions() {
  actions_ = std::make_unique<ActionSet>(*this, actionTable());
  actions_->buildToolBar(toolBar_, briefingToolBar());
}

void BriefingWindow::buildPopup() {
  // The insert commands, then the playback on the preview page, the list's moves on the list
  // page: rows of the table, their enabled states with them.
  static const QStringList inserts = {
      "InsertStopAction", "InsertMoveAction",       "InsertZoomAction", "InsertTextAction",
      "InsertBoxAction",  "InsertClearBoxesAction", "InsertTagAction",  "InsertClearTagsAction"};
  const auto menu = [this](const char* name, const QStringList& layout) {
    auto* m = new QMenu(this);
    m->setObjectName(QLatin1String(name));
    m->addActions(actions_->popupActions(inserts + layout, nullptr, m));
    return m;
  };
  previewPopup_ = menu("BrfPreviewPopup", {"-", "PlayAction", "PauseAction", "StopAction", "-",
                                           "SetAllToStart1Action"});
  listPopup_ = menu("BrfListPopup", {"-", "DeleteAction", "MoveUpAction", "MoveDownAction"});
}

void BriefingWindow::showPopup(QWidget* from, QPoint at) {
  if (session_->placing()) return;
  actions_->refresh();
  (pages_->currentIndex() == PreviewTab ? previewPopup_ : listPopup_)->popup(from->mapToGlobal(at));
}

// ---------------------------------------------------------------------------------------------
// The session as the window shows it

int BriefingWindow::briefingNumber() const {
  return session_->briefing();
}
const brf::CommandList& BriefingWindow::commands() const {
  return session_->instructions();
}
int BriefingWindow::selected() const {
  return session_->selected();
}
bool BriefingWindow::pending() const {
  return session_->pending();
}
brf::Player& BriefingWindow::player() {
  return playback_->player();
}
bool BriefingWindow::inserting() const {
  return session_->placing();
}
const model::Mission& BriefingWindow::mission() const {
  return doc_.mission();
}

void BriefingWindow::fillEntries() {
  setWindowTitle(tr("Briefing Editor") + QStringLiteral("          ") +
                 briefingTeamEntry(mission(), briefingNumber()));
  preview_->fillEntries();
  accessories_->fillEntries();
}

void BriefingWindow::onShown() {
  fillEntries();
  if (!playback_->playing()) playback_->rewind();
  updateActions();
}

void BriefingWindow::showBriefing(int b) {
  if (b < 0 || b >= static_cast<int>(model::BriefingCount)) return;
  finishGestures();
  playback_->pause();
  session_->show(b);
}

void BriefingWindow::showInstruction(int b, int position) {
  showBriefing(b);
  pages_->setCurrentIndex(ListTab);
  session_->select(position);
}

void BriefingWindow::showText(int b, int row) {
  showBriefing(b);
  pages_->setCurrentIndex(StringsTab);
  if (auto* grid = strings_->findChild<QTableWidget*>(QStringLiteral("StringsGrid")))
    grid->setCurrentCell(row, 1);
}

void BriefingWindow::encodePending() {
  session_->storePending();
}

void BriefingWindow::seekTo(int ticks) {
  if (session_->placing()) return;
  playback_->pause();
  playback_->seek(ticks);
}

void BriefingWindow::finishGestures() {
  if (preview_->gestureActive()) preview_->cancelGesture();
}

bool BriefingWindow::canUndo() const {
  // Undo first takes back changes the record could not hold yet.
  return !preview_->gestureActive() && (session_->pending() || doc_.undoStack()->canUndo());
}

bool BriefingWindow::canRedo() const {
  return !preview_->gestureActive() && !session_->pending() && doc_.undoStack()->canRedo();
}

void BriefingWindow::updateActions() {
  if (!actions_ || !pages_) return;
  actions_->refresh();
  const QUndoStack* stack = doc_.undoStack();
  const QString undoText = session_->pending() ? tr("Undo changes above 400 words")
                           : stack->canUndo()  ? tr("Undo %1").arg(stack->undoText())
                                               : tr("Undo");
  const QString redoText = stack->canRedo() ? tr("Redo %1").arg(stack->redoText()) : tr("Redo");
  act("UndoAction")->setToolTip(undoText.trimmed());
  act("RedoAction")->setToolTip(redoText.trimmed());
}

// ---------------------------------------------------------------------------------------------
// Commands

void BriefingWindow::undo() {
  if (preview_->gestureActive()) return;
  if (session_->pending())
    session_->reload();
  else
    doc_.undoStack()->undo();
}

void BriefingWindow::redo() {
  if (preview_->gestureActive() || session_->pending()) return;
  doc_.undoStack()->redo();
}

void BriefingWindow::insertInstruction(int code) {
  if (session_->placing()) return;
  if (pages_->currentIndex() == PreviewTab)
    preview_->insert(code);
  else
    session_->insert(code);
}

void BriefingWindow::deleteInstruction() {
  if (!brf::canDelete(session_->instructions(), session_->selected())) return;
  if (!deleteConfirmed(ctx_, this, tr("Delete Current Instruction - Are You Sure?"))) return;
  editList([this] { session_->remove(); });
}

void BriefingWindow::editList(const std::function<void()>& edit) {
  if (preview_->gestureActive()) return;
  edit();
  // The preview runs the changed list from its start.
  if (pages_->currentIndex() == PreviewTab) playback_->rewind();
}

void BriefingWindow::saveMission(bool as) {
  finishGestures();
  session_->storePending();
  const auto& save = as ? env_.saveAs : env_.save;
  if (save) save();
}

// ---------------------------------------------------------------------------------------------
// Pages, closing

void BriefingWindow::onPageChanged(int index) {
  // While an instruction is placed the preview stays (going back to it is no page change).
  if (index == lastPage_) return;
  if (session_->placing() && index != PreviewTab) {
    pages_->setCurrentIndex(PreviewTab);
    return;
  }
  if (index != PreviewTab) finishGestures();
  // Coming back to the list, it warns again while it is above 400 words.
  if ((lastPage_ == PreviewTab || lastPage_ == StringsTab) && index != lastPage_ &&
      session_->wordCount() > brf::MaxWords)
    ctx_.prompter.warning(this, coreText(brf::TooManyMessage));
  if (index == PreviewTab)
    playback_->rewind();
  else if (index == ListTab || index == StringsTab)
    playback_->pause();
  lastPage_ = index;
  updateActions();
}

void BriefingWindow::closeEvent(QCloseEvent* e) {
  finishGestures();
  playback_->pause();
  session_->storePending();
  QDialog::closeEvent(e);
}

void BriefingWindow::reject() {
  finishGestures();
  playback_->pause();
  session_->storePending();
  QDialog::reject();
}

}  // namespace app
