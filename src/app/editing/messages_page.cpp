#include "app/editing/messages_page.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QSpinBox>
#include <QVBoxLayout>

#include <algorithm>
#include <initializer_list>

#include "app/base/colour.h"
#include "app/base/input_policy.h"
#include "app/base/prompter.h"
#include "app/base/text.h"
#include "app/base/translations.h"
#include "app/base/window_memory.h"
#include "app/document/deletes.h"
#include "app/document/field_binding.h"
#include "app/document/step_text.h"
#include "app/document/view_updater.h"
#include "app/editing/fg_widgets.h"
#include "app/editing/ship_list.h"
#include "app/editing/trigger_editor.h"
#include "editing/descriptions.h"
#include "editing/messages.h"
#include "editing/triggers.h"
#include "model/colours.h"
#include "shell/settings.h"

namespace app {

namespace msg = model::message;
using model::u8;

namespace {

// The widest the fields beside the list grow.
constexpr int MaxFieldsWidth = 760;

model::Selection toSelection(const editing::MessageSelection& s) {
  return {s.selected, s.current};
}

editing::MessageSelection fromSelection(const model::Selection& s) {
  return {s.selected, s.current};
}

}  // namespace

MessagesPage::MessagesPage(const EditorContext& context, QWidget* parent)
    : QWidget(parent), ctx_(context), doc_(context.document) {
  setObjectName(QStringLiteral("MessagesPage"));
  QWidget* left = buildList();
  QWidget* right = buildFields();
  splitPage(this, QStringLiteral("MessageSplitter"), left, right);
  bindFields();
  connectSignals();
  rebuildList();
  showDetails();
  bindings_->refill();
}

// Left: the list and where the current message stands in it.
QWidget* MessagesPage::buildList() {
  auto* left = new QWidget(this);
  auto* lv = new QVBoxLayout(left);
  lv->setContentsMargins(0, 0, 0, 0);
  list_ = new ShipList(left);
  list_->setObjectName(QStringLiteral("MsgStrList"));
  lv->addWidget(list_, 1);
  countLabel_ = new QLabel(left);
  countLabel_->setObjectName(QStringLiteral("Label60"));
  lv->addWidget(countLabel_);
  return left;
}

// Right: the fields of the selected messages, the sent-to list, the triggers, the sounds.
QWidget* MessagesPage::buildFields() {
  auto* right = new QWidget(this);
  auto* rv = new QVBoxLayout(right);
  rv->setContentsMargins(4, 0, 0, 0);
  rv->setSpacing(4);
  rv->addLayout(buildTextRows(right));
  soundArea_ = new QWidget(right);
  soundArea_->setObjectName(QStringLiteral("MessageSoundArea"));
  {
    auto* l = new QVBoxLayout(soundArea_);
    l->setContentsMargins(0, 0, 0, 0);
  }
  rv->addWidget(soundArea_);
  rv->addWidget(new QLabel(tr("Click on text to edit (double-click for clipboard)"), right));
  editor_ = new TriggerEditor(doc_, ctx_.vocabulary, triggerSource(), right);
  rv->addWidget(editor_);
  rv->addStretch(1);
  // On a wide window the fields keep a width to read them by; the list takes the rest.
  right->setMaximumWidth(MaxFieldsWidth);
  return right;
}

void MessagesPage::holdSoundGroup(QWidget* group) {
  soundArea_->layout()->addWidget(group);
  // Made after the trigger editor, the group would follow it in the Tab order: its controls move
  // in after the teams beside the fields above it, in their own order.
  QList<QWidget*> controls;
  for (QWidget* w = group->nextInFocusChain(); group->isAncestorOf(w); w = w->nextInFocusChain())
    if (w->focusPolicy() != Qt::NoFocus) controls << w;
  QWidget* previous = seenBy_;
  for (QWidget* w : controls) {
    QWidget::setTabOrder(previous, w);
    previous = w;
  }
}

// The text, its colour and delay, and the teams it is sent to.
QGridLayout* MessagesPage::buildTextRows(QWidget* right) {
  auto* fields = new QGridLayout;
  fields->setHorizontalSpacing(6);
  text_ = new QLineEdit(right);
  text_->setObjectName(QStringLiteral("MsgtextEd"));
  {
    QPalette p = text_->palette();
    p.setColor(QPalette::Base, Qt::black);
    text_->setPalette(p);
  }
  colour_ = new QComboBox(right);
  colour_->setObjectName(QStringLiteral("MsgColorBox"));
  colour_->addItems({tr("Red"), tr("Green"), tr("Blue"), tr("Gold")});
  delay_ = new QSpinBox(right);
  delay_->setObjectName(QStringLiteral("MsgDelaySpin"));
  delay_->setRange(0, editing::MaxMessageDelay);
  delay_->setSingleStep(editing::MessageDelayStep);
  delay_->setSuffix(tr(" sec"));
  fields->addWidget(captionFor(text_, tr("Message:"), right), 0, 0);
  fields->addWidget(text_, 0, 1, 1, 5);
  fields->addWidget(captionFor(colour_, tr("Color:"), right), 1, 0);
  fields->addWidget(colour_, 1, 1);
  fields->addWidget(captionFor(delay_, tr("Delay:"), right), 1, 2);
  fields->addWidget(delay_, 1, 3);
  fields->setColumnStretch(4, 1);
  fields->setRowStretch(2, 1);
  fields->addWidget(buildTeamsBox(right), 1, 5, 2, 1);
  return fields;
}

// The teams in a box of their own beside the colour and the delay, as high as their eight lines:
// the sounds come below, and the trigger editor keeps its room.
QGroupBox* MessagesPage::buildTeamsBox(QWidget* right) {
  auto* teams = new QGroupBox(tr("Sent to Teams:"), right);
  teams->setObjectName(QStringLiteral("SentToTeamsGroup"));
  auto* tv = new QVBoxLayout(teams);
  seenBy_ = new QListWidget(teams);
  seenBy_->setObjectName(QStringLiteral("SeenByList"));
  seenBy_->setSelectionMode(QAbstractItemView::MultiSelection);
  for (std::size_t t = 0; t < editing::MessageTeams; ++t) seenBy_->addItem(QString());
  seenBy_->setFixedHeight(seenBy_->sizeHintForRow(0) * static_cast<int>(editing::MessageTeams) +
                          2 * seenBy_->frameWidth());
  seenBy_->setFixedWidth(180);
  tv->addWidget(seenBy_);
  return teams;
}

// The triggers of the selected messages; the first chosen in an empty list makes the message.
TriggerSource MessagesPage::triggerSource() {
  TriggerSource src;
  src.kind = RecordKind::Message;
  src.place = editing::messageTriggers();
  src.records = [this] { return doc_.selectedMessages(); };
  src.shown = [this] { return doc_.mission().messages.empty() ? -1 : doc_.currentMessage(); };
  src.beforeStore = [this] {
    if (doc_.mission().messages.empty()) newMessage();
  };
  src.undoText = editText(tr("Message Trigger"));
  return src;
}

void MessagesPage::bindFields() {
  bindings_ = new FieldBindings(this, ctx_, [this] {
    BoundRecords r = selectedMessages(doc_);
    // With no message the fields show a new message's and take no edit.
    r.fallback = [this] {
      template_ = doc_.newMessageTemplate();
      return model::CBytes(template_.span());
    };
    return r;
  }());
  // The text belongs to the current message only. It is shown whole (the list hides a leading
  // colour digit), so that an edit keeps what is stored; a text that would not read back as
  // typed is refused.
  FieldBinding& text = bindings_->bind(text_, msg::Text);
  text.records(shownOnly(bindings_->records()))
      .checksText([this](const std::string& typed) {
        return shownText(editing::messageTextProblem(currentColour(), typed));
      })
      .onCommitText([this, &text](const std::string& typed) {
        const int i = doc_.currentMessage();
        doc_.setFields(
            editText(tr("Message Text")),
            {MissionDocument::textWrite(RecordKind::Message, i,
                                        editing::messageTextField(currentColour()), typed)},
            text.mergeKey());
      });
  FieldBinding& colour = bindings_->bind(colour_, msg::Color);
  colour.convert({[](long long c) { return c - '0'; }, [](long long i) { return i + '0'; }})
      .onCommit([this, &colour](long long c) { colourChosen(static_cast<char>(c), colour); });
  bindings_->bind(delay_, msg::Delay).convert(scaled(editing::MessageDelayStep));
  bindings_->bind(seenBy_, msg::SentToTeam).undoText(editText(tr("Teams Sent to")));
}

// The list's selection and the document's changes.
void MessagesPage::connectSignals() {
  connect(list_, &ShipList::selectionEdited, this, [this](std::vector<int> rows, int current) {
    if (rows.empty()) {
      // Every line deselected: the current message stays selected.
      list_->showSelection(doc_.selectedMessages(), doc_.currentMessage());
      return;
    }
    doc_.selectMessages(std::move(rows), current);
  });
  new ViewUpdater(this, doc_, MessageFields | MessageList | Selection | TeamFields | Sounds,
                  [this](Changes t, const ChangeSet& c) { onChanged(t, c); });
}

void MessagesPage::setPopupActions(const QList<QAction*>& actions) {
  QMenu* menu = list_->popupMenu();
  for (QAction* a : menu->actions()) menu->removeAction(a);
  menu->addActions(actions);
}

void MessagesPage::setSoundListActive(bool on) {
  if (soundListActive_ == on) return;
  soundListActive_ = on;
  rebuildList();
}

void MessagesPage::onChanged(Changes what, const ChangeSet&) {
  if (what & (MessageFields | MessageList | Sounds))
    rebuildList();
  else if (what & Selection)
    list_->showSelection(doc_.selectedMessages(), doc_.currentMessage());
  showDetails();
}

void MessagesPage::rebuildList() {
  const model::Mission& m = doc_.mission();
  std::vector<QString> lines;
  std::vector<QColor> colours;
  for (const std::string& l : editing::messageListLines(m, soundListActive_ ? &m.sounds : nullptr))
    lines.push_back(fromFile(l));
  for (const model::Message& message : m.messages)
    colours.push_back(toQColor(editing::messageListColour(message)));
  list_->rebuild(lines, colours, doc_.selectedMessages(), doc_.currentMessage());
}

char MessagesPage::currentColour() const {
  const model::Mission& m = doc_.mission();
  const auto i = static_cast<std::size_t>(doc_.currentMessage());
  return static_cast<char>(
      (i < m.messages.size() ? m.messages[i] : doc_.newMessageTemplate()).get(msg::Color));
}

void MessagesPage::colourChosen(char colour, const FieldBinding& binding) {
  const model::Mission& m = doc_.mission();
  std::vector<MissionDocument::FieldWrite> writes;
  for (int i : doc_.selectedMessages()) {
    const auto k = static_cast<std::size_t>(i);
    if (k >= m.messages.size()) continue;
    // Every selected text must read back as it is in the new colour; else nothing changes.
    const model::Text problem = editing::messageTextProblem(colour, m.messages[k].textValue());
    if (!problem.empty()) {
      ctx_.prompter.information(this, tr("Message %1: %2").arg(i + 1).arg(shownText(problem)));
      return;
    }
    writes.push_back(MissionDocument::fieldWrite(RecordKind::Message, i, msg::Color, colour));
  }
  doc_.setFields(editText(tr("Message Colour")), writes, binding.mergeKey());
}

void MessagesPage::showDetails() {
  const model::Mission& m = doc_.mission();
  const char colourChar = currentColour();
  {
    QPalette p = text_->palette();
    p.setColor(QPalette::Text, toQColor(model::messageColour(colourChar)));
    text_->setPalette(p);
  }
  // The box takes what the colour holds (a longer text already stored is shown whole).
  const int room = std::max(static_cast<int>(editing::messageTextRoom(colourChar)),
                            static_cast<int>(text_->text().size()));
  if (text_->maxLength() != room) {
    // Setting the length sets the text again: the cursor stays where the user is.
    const int cursor = text_->cursorPosition();
    text_->setMaxLength(room);
    text_->setCursorPosition(cursor);
  }
  // With no message there is nothing to edit: the fields show a new message's values.
  for (QWidget* w : std::initializer_list<QWidget*>{text_, colour_, delay_, seenBy_})
    w->setEnabled(!m.messages.empty());
  const std::vector<std::string> teams = editing::teamNameList(m);
  for (int t = 0; t < seenBy_->count(); ++t) {
    const auto k = static_cast<std::size_t>(t);
    seenBy_->item(t)->setText(k < teams.size() ? fromFile(teams[k]) : QString());
  }
  countLabel_->setText(m.messages.empty()
                           ? tr("No messages")
                           : tr("Message #") + QString::number(doc_.currentMessage() + 1) +
                                 tr(" of ") + QString::number(m.messages.size()));
}

void MessagesPage::newMessage() {
  const model::Message tmpl = doc_.newMessageTemplate();
  doc_.applyListOp(
      stepText(Verb::New, Records::Message, 1), ChangedFlag::Mission, ListKind::Messages,
      [&](model::MissionEdit& e) {
        editing::MessageSelection s;
        e.modifyContent([&](model::Mission& w) { s = editing::addMessage(w, tmpl, w.sounds); });
        return toSelection(s);
      });
}

void MessagesPage::deleteSelected() {
  const bool any = !doc_.mission().messages.empty();
  if (any && !deleteConfirmed(ctx_, this, tr("Delete all selected Messages - Are You Sure?")))
    return;
  removeSelected(Verb::Delete);
}

void MessagesPage::removeSelected(Verb verb) {
  const editing::MessageSelection sel = fromSelection(doc_.selection(ListKind::Messages));
  doc_.applyListOp(
      stepText(verb, messages(sel.selected)), ChangedFlag::Mission, ListKind::Messages,
      [&](model::MissionEdit& e) {
        editing::MessageSelection s;
        e.modifyContent([&](model::Mission& w) { s = editing::deleteMessages(w, sel, w.sounds); });
        return toSelection(s);
      });
}

void MessagesPage::copy() {
  const std::vector<model::Message>& all = doc_.mission().messages;
  std::vector<model::Message> copied;
  for (int i : doc_.selectedMessages())
    if (i >= 0 && i < static_cast<int>(all.size()))
      copied.push_back(all[static_cast<std::size_t>(i)]);
  if (!copied.empty()) copied_ = std::move(copied);
}

void MessagesPage::cut() {
  if (doc_.mission().messages.empty()) return;
  // Undo brings them back; the buffer keeps them for a paste.
  copy();
  removeSelected(Verb::Cut);
}

void MessagesPage::paste() {
  if (copied_.empty()) return;
  doc_.applyListOp(stepText(Verb::Paste, Records::Message, static_cast<int>(copied_.size())),
                   ChangedFlag::Mission, ListKind::Messages, [&](model::MissionEdit& e) {
                     editing::MessageSelection s;
                     e.modifyContent([&](model::Mission& w) {
                       s = editing::pasteMessages(w, copied_, w.sounds);
                     });
                     return toSelection(s);
                   });
}

void MessagesPage::moveUp() {
  const editing::MessageSelection sel = fromSelection(doc_.selection(ListKind::Messages));
  if (!editing::canMoveMessagesUp(doc_.mission(), sel)) return;
  doc_.applyListOp(
      stepText(Verb::MoveUp, messages(sel.selected)), ChangedFlag::Mission, ListKind::Messages,
      [&](model::MissionEdit& e) {
        editing::MessageSelection s;
        e.modifyContent([&](model::Mission& w) { s = editing::moveMessagesUp(w, sel, w.sounds); });
        return toSelection(s);
      });
}

void MessagesPage::moveDown() {
  const editing::MessageSelection sel = fromSelection(doc_.selection(ListKind::Messages));
  if (!editing::canMoveMessagesDown(doc_.mission(), sel)) return;
  doc_.applyListOp(stepText(Verb::MoveDown, messages(sel.selected)), ChangedFlag::Mission,
                   ListKind::Messages, [&](model::MissionEdit& e) {
                     editing::MessageSelection s;
                     e.modifyContent([&](model::Mission& w) {
                       s = editing::moveMessagesDown(w, sel, w.sounds);
                     });
                     return toSelection(s);
                   });
}

}  // namespace app
