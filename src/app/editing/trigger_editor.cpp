#include "app/editing/trigger_editor.h"

#include <algorithm>

#include <QApplication>
#include <QButtonGroup>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QShowEvent>
#include <QVBoxLayout>

#include "app/base/palette_colours.h"
#include "app/base/table_models.h"
#include "app/base/text.h"
#include "app/document/field_binding.h"
#include "app/document/view_updater.h"
#include "app/editing/clip_store.h"
#include "app/editing/fg_widgets.h"
#include "editing/descriptions.h"
#include "shell/vocabulary.h"

namespace app {

using editing::OrFlag;

// A condition label: shows a trigger's description on one line (cut with "…" when the panel is
// narrower, the whole text in its tool tip); a click makes its trigger the edited one.
class ConditionLabel : public QLabel {
 public:
  ConditionLabel(int n, QWidget* parent) : QLabel(parent), n_(n) {
    setObjectName(QStringLiteral("Cond%1Lab").arg(n));
    setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    setCursor(Qt::PointingHandCursor);
    setFrameShape(QFrame::Panel);
    setFrameShadow(QFrame::Sunken);
    setMargin(1);
  }
  std::function<void(int)> onClick;
  std::function<void(int)> onDoubleClick;

 protected:
  void mousePressEvent(QMouseEvent* e) override {
    if (e->button() == Qt::LeftButton && onClick) onClick(n_);
    QLabel::mousePressEvent(e);
  }
  void mouseDoubleClickEvent(QMouseEvent* e) override {
    if (e->button() == Qt::LeftButton && onDoubleClick) onDoubleClick(n_);
    QLabel::mouseDoubleClickEvent(e);
  }
  void paintEvent(QPaintEvent*) override {
    QPainter p(this);
    drawFrame(&p);
    const QRect r = contentsRect().adjusted(margin() + 1, margin(), -margin() - 1, -margin());
    p.setPen(palette().color(QPalette::WindowText));
    p.drawText(r, Qt::AlignLeft | Qt::AlignVCenter,
               fontMetrics().elidedText(text(), Qt::ElideRight, r.width()));
  }

 private:
  int n_;
};

namespace {

// Which list change of the edited records asks for trigger 1 again.
Changes listChangeOf(RecordKind kind) {
  switch (kind) {
    case RecordKind::FlightGroup:
      return FlightGroupList;
    case RecordKind::Message:
      return MessageList;
    default:
      return NoChange;
  }
}

QComboBox* makeBox(const char* name, QWidget* parent) {
  auto* c = new QComboBox(parent);
  c->setObjectName(QString::fromLatin1(name));
  c->setMaxVisibleItems(20);
  // Long entries must not widen the panel; the pop-up shows them whole.
  c->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
  c->setMinimumContentsLength(6);
  c->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
  return c;
}

}  // namespace

TriggerSource flightGroupTriggers(MissionDocument& doc, const editing::TriggerSetPlace& place,
                                  const QString& undoText) {
  TriggerSource s;
  s.kind = RecordKind::FlightGroup;
  s.place = place;
  s.records = [&doc] { return doc.selectedFlightGroups(); };
  s.shown = [&doc] {
    const int n = static_cast<int>(doc.mission().flightGroups.size());
    const int c = doc.currentFlightGroup();
    return c >= 0 && c < n ? c : -1;
  };
  s.undoText = undoText;
  return s;
}

TriggerEditor::TriggerEditor(MissionDocument& doc, const shell::Vocabulary& vocab,
                             TriggerSource source, QWidget* parent)
    : QFrame(parent), doc_(doc), vocab_(vocab), source_(std::move(source)) {
  setObjectName(QStringLiteral("TriggerEditor"));
  BoundRecords records;
  records.kind = source_.kind;
  records.written = source_.records;
  records.shown = source_.shown;
  bindings_ = new FieldBindings(this, doc_, records);
  build();
  new ViewUpdater(this, doc_, WholeMission,
                  [this](Changes t, const ChangeSet&) { onDocumentChanged(t); });
  refresh();
  whenPaletteChanges(this, [this] { drawLabels(); });
}

void TriggerEditor::build() {
  auto* top = new QVBoxLayout(this);
  top->setContentsMargins(0, 0, 0, 0);
  top->setSpacing(4);
  top->addWidget(buildAndOrs());
  top->addWidget(buildSelectors());
  for (QComboBox* box : {percentBox_, indexBox_, condBox_})
    connect(box, &QComboBox::currentIndexChanged, this, [this] { onBoxChanged(); });
  connect(classBox_, &QComboBox::currentIndexChanged, this, &TriggerEditor::onClassChanged);
}

// The condition lines with the "And"/"Or" choices between them.
QFrame* TriggerEditor::buildAndOrs() {
  andOrs_ = new QFrame(this);
  andOrs_->setObjectName(QStringLiteral("AndOrs"));
  auto* av = new QVBoxLayout(andOrs_);
  av->setContentsMargins(0, 0, 0, 0);
  av->setSpacing(1);
  const int count = source_.place.count;
  for (int n = 1; n <= count; ++n) {
    auto* l = new ConditionLabel(n, andOrs_);
    l->onClick = [this](int k) { setEditedTrigger(k); };
    l->onDoubleClick = [this](int k) {
      emit labelDoubleClicked(k);
      useClipboard(k);
    };
    labels_[static_cast<std::size_t>(n - 1)] = l;
    av->addWidget(l);
    if (n == 1) addAndOr(av, OrFlag::OneOrTwo, "and2And", "and2Or");
    if (n == 2 && count == 4) addAndOr(av, OrFlag::PairOrPair, "GlbAnd", "GlbOr");
    if (n == 3) addAndOr(av, OrFlag::ThreeOrFour, "and4And", "And4Or");
  }
  return andOrs_;
}

// The "And"/"Or" choice of flag `f`, if the set has it, as a line of `av`.
void TriggerEditor::addAndOr(QVBoxLayout* av, OrFlag f, const char* andName, const char* orName) {
  if (!source_.place.flag(f)) return;
  auto* row = new QWidget(andOrs_);
  auto* h = new QHBoxLayout(row);
  h->setContentsMargins(12, 0, 0, 0);
  h->setSpacing(10);
  auto* a = new QRadioButton(tr("And"), row);
  auto* o = new QRadioButton(tr("Or"), row);
  a->setObjectName(QString::fromLatin1(andName));
  o->setObjectName(QString::fromLatin1(orName));
  auto* group = new QButtonGroup(row);
  group->addButton(a);
  group->addButton(o);
  h->addWidget(a);
  h->addWidget(o);
  h->addStretch();
  av->addWidget(row);
  radios_[static_cast<std::size_t>(f)] = {a, o};
  // "And" stores 0, "Or" 1, in the flag of the set shown now (the global-goal sets move it).
  const model::Field<model::u8> first = *source_.place.flag(f);
  bindings_->bindChoice({a, o}, first)
      .records(nestedAt(bindings_->records(),
                        [this, f, first] { return source_.place.flagPast(f, first); }))
      .undoText(source_.undoText);
}

// The boxes of the edited condition: "amount of type target must condition".
QFrame* TriggerEditor::buildSelectors() {
  selectors_ = new QFrame(this);
  selectors_->setObjectName(QStringLiteral("Selectors"));
  selectors_->setFrameShape(QFrame::StyledPanel);
  auto* g = new QGridLayout(selectors_);
  g->setContentsMargins(4, 4, 4, 4);
  g->setHorizontalSpacing(4);
  g->setVerticalSpacing(3);
  percentBox_ = makeBox("PercentBox", selectors_);
  classBox_ = makeBox("ClassBox", selectors_);
  indexBox_ = makeBox("IndexBox", selectors_);
  condBox_ = makeBox("CondBox", selectors_);
  percentBox_->setAccessibleName(tr("Amount"));
  classBox_->setAccessibleName(tr("Target kind"));
  indexBox_->setAccessibleName(tr("Target"));
  condBox_->setAccessibleName(tr("Condition"));
  auto* of = new QLabel(tr("of"), selectors_);
  auto* must = new QLabel(tr("must"), selectors_);
  of->setAlignment(Qt::AlignCenter);
  must->setAlignment(Qt::AlignCenter);
  addToClip_ = new QPushButton(tr("Add to Clipboard"), selectors_);
  addToClip_->setObjectName(QStringLiteral("AddToClipBtn"));
  connect(addToClip_, &QPushButton::clicked, this, [this] {
    if (ClipboardStore* store = ClipboardStore::active()) {
      const editing::TriggerBytes t = readBoxes();
      store->add(ClipboardStore::Kind::Conditions, t, this);
    }
  });
  // "amount of type target must condition", read in two lines.
  g->addWidget(percentBox_, 0, 0);
  g->addWidget(of, 0, 1);
  g->addWidget(classBox_, 0, 2);
  g->addWidget(indexBox_, 1, 0);
  g->addWidget(must, 1, 1);
  g->addWidget(condBox_, 1, 2);
  g->addWidget(addToClip_, 2, 2, Qt::AlignRight);
  g->setColumnStretch(0, 1);
  g->setColumnStretch(2, 1);
  return selectors_;
}

QLabel* TriggerEditor::conditionLabel(int n) const {
  if (n < 1 || n > source_.place.count) return nullptr;
  return labels_[static_cast<std::size_t>(n - 1)];
}

int TriggerEditor::shownIndex() const {
  const int i = source_.shown ? source_.shown() : -1;
  return i >= 0 && i < doc_.recordCount(source_.kind) ? i : -1;
}

model::CBytes TriggerEditor::shownRecord() const {
  const int i = shownIndex();
  if (i < 0) return {};
  return doc_.recordBytes(source_.kind, i);
}

void TriggerEditor::setPlace(const editing::TriggerSetPlace& place) {
  // The panels were built for a number of triggers and flags; only their offsets may change.
  if (place.count != source_.place.count) return;
  source_.place = place;
  restartPending_ = true;
  refresh();
}

void TriggerEditor::setEditedTrigger(int n) {
  edited_ = std::clamp(n, 1, source_.place.count);
  refresh();
}

void TriggerEditor::refresh() {
  const int index = shownIndex();
  if (index != lastShown_ || restartPending_) edited_ = 1;
  lastShown_ = index;
  restartPending_ = false;
  const model::CBytes rec = shownRecord();
  // A source that makes its first record on a change stays usable without one.
  setEnabled(!rec.empty() || bool(source_.beforeStore));
  showTable(percentBox_, &doc_, vocab_, shell::tables::Percents);
  showTable(classBox_, &doc_, vocab_, shell::tables::Class);
  showTable(condBox_, &doc_, vocab_, shell::tables::Conds);
  if (!rec.empty()) showTrigger(editing::readTrigger(rec, source_.place, edited_));
  bindings_->refill();
  drawLabels();
}

void TriggerEditor::drawLabels() {
  const model::CBytes rec = shownRecord();
  for (int n = 1; n <= source_.place.count; ++n) {
    QLabel* l = labels_[static_cast<std::size_t>(n - 1)];
    QString text;
    if (!rec.empty()) {
      const auto t = editing::readTrigger(rec, source_.place, n);
      text = fromFile(editing::describeTrigger(doc_.mission(), vocab_, t));
    }
    l->setText(text);
    l->setToolTip(text);
    // The others in the desktop's text colour: black would vanish on a dark theme. Asked of the
    // application: a change of the palette reaches this editor and its labels in no set order.
    const QPalette desktop = QApplication::palette(this);
    QPalette p;
    p.setColor(QPalette::WindowText, n == edited_ ? readableOn(QColor::fromRgb(EditedLabelColour),
                                                               desktop.color(QPalette::Window))
                                                  : desktop.color(QPalette::WindowText));
    l->setPalette(p);
  }
}

void TriggerEditor::fillTargets(int type) {
  setItems(indexBox_, editing::targetItems(doc_.mission(), vocab_, type));
}

void TriggerEditor::showTrigger(const editing::TriggerBytes& t) {
  namespace tr = model::trigger;
  const model::CBytes b(t);
  // Shown without signals: showing a trigger stores nothing.
  showIndex(percentBox_, model::get(b, tr::Amount));
  showIndex(condBox_, model::get(b, tr::Condition));
  showIndex(classBox_, model::get(b, tr::VariableType));
  fillTargets(model::get(b, tr::VariableType));
  showIndex(indexBox_, model::get(b, tr::Variable));
}

editing::TriggerBytes TriggerEditor::readBoxes() const {
  namespace tr = model::trigger;
  // A box that shows no entry (a stored value beyond its list) keeps the stored byte, so that
  // changing another box never turns it into 255.
  editing::TriggerBytes stored{};
  const model::CBytes rec = shownRecord();
  if (!rec.empty()) stored = editing::readTrigger(rec, source_.place, edited_);
  const model::CBytes s(stored);
  auto pick = [](QComboBox* box, int keep) {
    return box->currentIndex() >= 0 ? box->currentIndex() : keep;
  };
  return editing::packTrigger(pick(condBox_, model::get(s, tr::Condition)),
                              pick(classBox_, model::get(s, tr::VariableType)),
                              pick(indexBox_, model::get(s, tr::Variable)),
                              pick(percentBox_, model::get(s, tr::Amount)));
}

void TriggerEditor::storeTrigger(const editing::TriggerBytes& t) {
  namespace tr = model::trigger;
  // A record made for the change (a first message) is one undo step with it.
  const bool makesRecord = source_.beforeStore && shownRecord().empty();
  if (makesRecord) doc_.beginTransaction(source_.undoText, source_.undoText);
  if (source_.beforeStore) source_.beforeStore();
  showTrigger(t);
  // The four bytes of the edited trigger in every record, one undo step.
  const model::CBytes b(t);
  std::vector<MissionDocument::FieldWrite> writes;
  for (int r : source_.records ? source_.records() : std::vector<int>{})
    for (const model::Field<model::u8> f :
         {tr::Condition, tr::VariableType, tr::Variable, tr::Amount})
      writes.push_back(MissionDocument::fieldWrite(
          source_.kind, r, source_.place.triggerByte(edited_, f), model::get(b, f)));
  doc_.setFields(source_.undoText, writes);
  if (makesRecord) doc_.commitTransaction();
  // The document announces the change; a store that changed nothing still redraws.
  drawLabels();
}

void TriggerEditor::useClipboard(int n) {
  ClipboardStore* store = ClipboardStore::active();
  if (!store || (shownRecord().empty() && !source_.beforeStore)) return;
  setEditedTrigger(n);
  const auto entry = store->choose(ClipboardStore::Kind::Conditions, this);
  if (!entry || entry->size() != model::trigger::Size) return;
  editing::TriggerBytes t{};
  std::copy(entry->begin(), entry->end(), t.begin());
  storeTrigger(t);
}

bool TriggerEditor::storable() const {
  return !shownRecord().empty() || bool(source_.beforeStore);
}

void TriggerEditor::onBoxChanged() {
  if (storable()) storeTrigger(readBoxes());
}

void TriggerEditor::onClassChanged(int type) {
  if (type < 0 || !storable()) return;
  // A new type starts with its first target.
  fillTargets(type);
  showIndex(indexBox_, 0);
  storeTrigger(readBoxes());
}

void TriggerEditor::onDocumentChanged(Changes what) {
  if (what & listChangeOf(source_.kind)) restartPending_ = true;
  refresh();
}

void TriggerEditor::showEvent(QShowEvent* e) {
  // Coming to the tab shows trigger 1 again; a window restored from the task bar does not.
  if (!e->spontaneous()) restartPending_ = true;
  refresh();
  QFrame::showEvent(e);
}

}  // namespace app
