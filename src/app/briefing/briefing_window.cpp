#include "app/briefing/briefing_window.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QKeyEvent>
#include <QListWidget>
#include <QMenu>
#include <QTabWidget>
#include <QToolBar>
#include <QUndoStack>
#include <QVBoxLayout>

#include "app/base/actions.h"
#include "app/base/input_policy.h"
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

// The window's commands. The tool bar shows the short texts; the pop-up menu has its own
// entries that trigger these.
const std::vector<ActionSpec>& briefingActions() {
  using enum KeyScope;
  static const std::vector<ActionSpec> table = {
      {"UndoAction", "Undo", "Undo", "edit-undo", "Ctrl+Z", Window},
      {"RedoAction", "Redo", "Redo", "edit-redo", "Ctrl+Y; Ctrl+Shift+Z", Window},
      {"MoveUpAction", "Up", "Move Instruction up", nullptr, ""},
      {"MoveDownAction", "Down", "Move Instruction down", nullptr, ""},
      // The key deletes while the instruction list has the focus.
      {"DeleteAction", "Delete", "Delete Current Instruction", nullptr, "Del", List},
      {"InsertStopAction", "Stop", "Insert Stop Point", nullptr, ""},
      {"InsertMoveAction", "Move", "Insert Move Map instruction", nullptr, ""},
      {"InsertZoomAction", "Zoom", "Insert Zoom instruction", nullptr, ""},
      {"InsertTextAction", "Text", "Insert Briefing Text instruction", nullptr, ""},
      {"InsertBoxAction", "Box", "Insert FG Box instruction", nullptr, ""},
      {"InsertClearBoxesAction", "Clear boxes", "Insert Clear Boxes instruction", nullptr, ""},
      {"InsertTagAction", "Tag", "Insert Map Tag instruction", nullptr, ""},
      {"InsertClearTagsAction", "Clear tags", "Insert Clear Tags instruction", nullptr, ""},
      {"LoadBrfAction", ".brf", "Load matching Vortan .brf file", nullptr, ""},
      {"SaveMissionAction", "Save", "Save Mission", nullptr, "Ctrl+S", Window},
      {"SaveAsAction", "Save As...", "Save As ", nullptr, "Ctrl+Shift+S; Ctrl+A", Window},
      {"PrevBriefingAction", "\u25C0", "Previous Briefing", nullptr, ""},
      {"NextBriefingAction", "\u25B6", "Next Briefing", nullptr, ""},
      // Space on the preview page.
      {"PlayPauseAction", "Play/Pause", "Play or pause the preview", nullptr, "Space", Window},
      // Escape ends a drag on the map or the placing of an instruction, putting things back.
      {"CancelAction", "Cancel", "Cancel the drag or the instruction being placed", nullptr, "Esc",
       Window},
  };
  return table;
}

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

// The insert commands and their codes (a box or tag code picks its own slot).
const std::pair<const char*, int> Inserts[] = {
    {"InsertStopAction", brf::StopPoint}, {"InsertMoveAction", brf::MoveMap},
    {"InsertZoomAction", brf::ZoomMap},   {"InsertTextAction", brf::BriefingText},
    {"InsertBoxAction", brf::FirstBox},   {"InsertClearBoxesAction", brf::ClearBoxes},
    {"InsertTagAction", brf::FirstTag},   {"InsertClearTagsAction", brf::ClearTags},
};

// Whether the widget with the focus uses a plain key (no Ctrl or Alt) itself: a text entry
// types it, a button or a check box is pressed by Space, a list or combo box moves or selects.
bool keepsPlainKey(QWidget* focus) {
  return InputPolicy::textEntry(focus) || qobject_cast<QAbstractButton*>(focus) ||
         qobject_cast<QComboBox*>(focus) || qobject_cast<QAbstractItemView*>(focus);
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
  top->addWidget(pages_, 1);
  buildPopup();
  preview_->setDescription(
      fromFile(brf::missionDescription(mission(), env_.missionFile, ctx_.settings)));

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
  qApp->installEventFilter(this);

  showBriefing(0);
  pages_->setCurrentIndex(PreviewTab);
  updateActions();
}

BriefingWindow::~BriefingWindow() {
  // A cell or box still being edited is committed while the session it writes through lives.
  hide();
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

void BriefingWindow::buildActions() {
  actions_ = std::make_unique<ActionSet>(this, briefingActions());
  // The keys are handled by eventFilter, before the controls.
  actions_->buildToolBar(toolBar_, briefingToolBar());
  connect(act("UndoAction"), &QAction::triggered, this, &BriefingWindow::undo);
  connect(act("RedoAction"), &QAction::triggered, this, &BriefingWindow::redo);
  connect(act("MoveUpAction"), &QAction::triggered, this,
          [this] { editList([this] { session_->moveUp(); }); });
  connect(act("MoveDownAction"), &QAction::triggered, this,
          [this] { editList([this] { session_->moveDown(); }); });
  connect(act("DeleteAction"), &QAction::triggered, this, &BriefingWindow::deleteInstruction);
  for (auto [id, code] : Inserts)
    connect(act(id), &QAction::triggered, this, [this, code = code] { insertInstruction(code); });
  connect(act("LoadBrfAction"), &QAction::triggered, this, [this] {
    finishGestures();
    playback_->pause();
    accessories_->loadBrfFile(env_.missionFile);
  });
  connect(act("SaveMissionAction"), &QAction::triggered, this, [this] { saveMission(false); });
  connect(act("SaveAsAction"), &QAction::triggered, this, [this] { saveMission(true); });
  connect(act("PrevBriefingAction"), &QAction::triggered, this,
          [this] { showBriefing(briefingNumber() - 1); });
  connect(act("NextBriefingAction"), &QAction::triggered, this,
          [this] { showBriefing(briefingNumber() + 1); });
  connect(act("PlayPauseAction"), &QAction::triggered, this, [this] {
    if (playback_->playing())
      playback_->pause();
    else
      preview_->play();
  });
  connect(act("CancelAction"), &QAction::triggered, this, [this] { preview_->cancelGesture(); });
}

void BriefingWindow::buildPopup() {
  popup_ = new QMenu(this);
  popup_->setObjectName(QStringLiteral("BrfPopup"));
  auto item = [&](const QString& text, const char* id) {
    QAction* a = popup_->addAction(text);
    connect(a, &QAction::triggered, act(id), &QAction::trigger);
    return a;
  };
  item(tr("Insert &Stop"), "InsertStopAction");
  item(tr("Insert &Move..."), "InsertMoveAction");
  item(tr("Insert &Zoom..."), "InsertZoomAction");
  item(tr("Insert T&ext..."), "InsertTextAction");
  item(tr("Insert FG &Box..."), "InsertBoxAction");
  item(tr("Clear All Bo&xes"), "InsertClearBoxesAction");
  item(tr("Insert Map &Tag..."), "InsertTagAction");
  item(tr("&Clear All Tags"), "InsertClearTagsAction");
  QAction* sepPlay = popup_->addSeparator();
  menuPlay_ = popup_->addAction(tr("Play"), preview_, &PreviewPage::play);
  menuPause_ = popup_->addAction(tr("Pause"), playback_.get(), &PlaybackController::pause);
  menuStop_ = popup_->addAction(tr("Stop"), playback_.get(), &PlaybackController::rewindAndStop);
  QAction* sepEdit = popup_->addSeparator();
  listEntries_ = {sepEdit, item(tr("&Delete"), "DeleteAction"),
                  item(tr("Move &up"), "MoveUpAction"), item(tr("Move do&wn"), "MoveDownAction")};
  QAction* sepStart1 = popup_->addSeparator();
  menuStart1_ = popup_->addAction(tr("Set all to Start &1"), accessories_,
                                  &AccessoriesPage::setIconsToStart1);
  previewEntries_ = {sepPlay, menuPlay_, menuPause_, menuStop_, sepStart1, menuStart1_};
}

void BriefingWindow::showPopup(QWidget* from, QPoint at) {
  if (session_->placing()) return;
  const bool preview = pages_->currentIndex() == PreviewTab;
  const bool playing = playback_->playing();
  for (QAction* a : previewEntries_) a->setVisible(preview);
  for (QAction* a : listEntries_) a->setVisible(!preview);
  menuPlay_->setEnabled(!playing);
  menuStart1_->setEnabled(!playing);
  menuPause_->setEnabled(playing);
  menuStop_->setEnabled(playing);
  popup_->popup(from->mapToGlobal(at));
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

void BriefingWindow::updateActions() {
  const bool preview = pages_ && pages_->currentIndex() == PreviewTab;
  const bool busy = preview_ && preview_->gestureActive();
  const brf::CommandList& list = session_->instructions();
  const int sel = session_->selected();
  // The tool bar moves and deletes the selected instruction on every page (only the pop-up menu
  // of the preview leaves them out).
  act("MoveUpAction")->setEnabled(!busy && brf::canMoveUp(list, sel));
  act("MoveDownAction")->setEnabled(!busy && brf::canMoveDown(list, sel));
  act("DeleteAction")->setEnabled(!busy && brf::canDelete(list, sel));
  act("PrevBriefingAction")->setEnabled(briefingNumber() > 0);
  act("NextBriefingAction")->setEnabled(briefingNumber() < 7);
  act("PlayPauseAction")->setEnabled(preview && !session_->placing());
  act("CancelAction")->setEnabled(busy);
  // Undo first takes back changes the record could not hold yet.
  const QUndoStack* stack = doc_.undoStack();
  QAction* undo = act("UndoAction");
  QAction* redo = act("RedoAction");
  undo->setEnabled(!busy && (session_->pending() || stack->canUndo()));
  redo->setEnabled(!busy && !session_->pending() && stack->canRedo());
  const QString undoText = session_->pending() ? tr("Undo changes above 400 words")
                           : stack->canUndo()  ? tr("Undo %1").arg(stack->undoText())
                                               : tr("Undo");
  const QString redoText = stack->canRedo() ? tr("Redo %1").arg(stack->redoText()) : tr("Redo");
  undo->setToolTip(undoText.trimmed());
  redo->setToolTip(redoText.trimmed());
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
// Pages, keys, closing

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
    ctx_.prompter.warning(this, QString::fromLatin1(brf::TooManyMessage));
  if (index == PreviewTab)
    playback_->rewind();
  else if (index == ListTab || index == StringsTab)
    playback_->pause();
  lastPage_ = index;
  updateActions();
}

bool BriefingWindow::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::KeyPress) return QDialog::eventFilter(watched, event);
  auto* w = qobject_cast<QWidget*>(watched);
  if (!w || w->window() != this) return QDialog::eventFilter(watched, event);
  const auto* key = static_cast<QKeyEvent*>(event);
  // A text entry keeps Ctrl+A (select all) for itself.
  if (InputPolicy::textEntryKeepsKey(w, *key)) return QDialog::eventFilter(watched, event);
  QAction* action = actions_->windowActionFor(*key);
  if (!action && w == list_->list()) {
    // List keys work while the instruction list has the focus.
    const auto mods = key->modifiers() & ~Qt::KeypadModifier;
    const QKeySequence pressed(QKeyCombination(mods, Qt::Key(key->key())));
    for (QAction* a : actions_->all())
      if (actions_->spec(a->objectName())->scope == KeyScope::List &&
          a->shortcut().matches(pressed) == QKeySequence::ExactMatch)
        action = a;
  }
  // A disabled command leaves the key to the control (Escape then closes the window).
  if (!action || !action->isEnabled()) return QDialog::eventFilter(watched, event);
  const bool plain = !(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier));
  if (plain && key->key() != Qt::Key_Escape && action != act("DeleteAction") && keepsPlainKey(w))
    return QDialog::eventFilter(watched, event);
  // Holding a key down repeats undo and redo, never a file command.
  if (key->isAutoRepeat() && action != act("UndoAction") && action != act("RedoAction"))
    return true;
  action->trigger();
  return true;
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
