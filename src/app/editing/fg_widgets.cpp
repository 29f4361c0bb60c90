#include "app/editing/fg_widgets.h"

#include <QPalette>

#include "app/base/colour.h"
#include "model/colours.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPointer>

#include <optional>

#include "app/base/prompter.h"
#include "app/base/refusal_note.h"
#include "app/base/table_models.h"
#include "app/base/text.h"
#include "app/base/translations.h"
#include "app/document/editor_context.h"
#include "app/document/mission_document.h"
#include "editing/flight_group_rules.h"

namespace app {

void chainTabOrder(const std::vector<QWidget*>& widgets) {
  for (std::size_t i = 1; i < widgets.size(); ++i) QWidget::setTabOrder(widgets[i - 1], widgets[i]);
}

NumberSpin::NumberSpin(int min, int max, QWidget* parent) : QSpinBox(parent) {
  setRange(min, max);
  setCorrectionMode(QAbstractSpinBox::CorrectToPreviousValue);
  // Typed digits are one value, taken when committed: "15" never passes through 1.
  setKeyboardTracking(false);
}

QValidator::State NumberSpin::validate(QString& text, int&) const {
  const auto v = editing::parseInteger(text.toStdString());
  if (v && *v >= minimum() && *v <= maximum()) return QValidator::Acceptable;
  // Anything may be typed; it is judged when committed.
  return QValidator::Intermediate;
}

void NumberSpin::fixup(QString&) const {}

bool NumberSpin::commit() {
  const QString text = lineEdit()->text();
  if (blankKeepsValue && text.trimmed().isEmpty()) {
    lineEdit()->setText(textFromValue(value()));
    return true;
  }
  const auto v = editing::parseInteger(text.toStdString());
  if (!v) {
    const int keep = value();
    lineEdit()->setText(textFromValue(keep));
    if (onBadText) onBadText(shownText(editing::notAnIntegerMessage(text.toStdString())));
    return false;
  }
  const long clamped = std::clamp<long>(*v, minimum(), maximum());
  setValue(static_cast<int>(clamped));
  lineEdit()->setText(textFromValue(value()));
  if (clamped != *v && onHeld)
    onHeld(tr("%1 is past what this box takes (%2 to %3): %4 is stored.")
               .arg(*v)
               .arg(minimum())
               .arg(maximum())
               .arg(clamped));
  return true;
}

void NumberSpin::focusOutEvent(QFocusEvent* e) {
  if (!lineEdit()->isReadOnly()) commit();
  QSpinBox::focusOutEvent(e);
}

void NumberSpin::keyPressEvent(QKeyEvent* e) {
  if ((e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) && !lineEdit()->isReadOnly()) {
    commit();
    // Enter ends the editing as in every spin box: a bound box ends its typing and shows what
    // was stored (499 points are stored as 250 and shown so).
    emit editingFinished();
    e->accept();
    return;
  }
  QSpinBox::keyPressEvent(e);
}

bool setItems(QComboBox* box, const QStringList& items) {
  ownItems(box);
  bool same = box->count() == items.size();
  for (int i = 0; same && i < items.size(); ++i) same = box->itemText(i) == items[i];
  if (same) return false;
  const QSignalBlocker block(box);
  const int index = box->currentIndex();
  const QString edit = box->isEditable() ? box->currentText() : QString();
  box->clear();
  box->addItems(items);
  if (box->isEditable())
    box->setEditText(edit);
  else
    box->setCurrentIndex(index < items.size() ? index : -1);
  return true;
}

namespace {

// The entries a box was last given as file text: the same list given again (every fill of a
// page gives the name list of every flight group) is known without converting a line. Any
// change of the box's entries since forgets them.
class GivenEntries : public QObject {
 public:
  explicit GivenEntries(QComboBox* box) : QObject(box), model_(box->model()) {
    auto forget = [this] { entries.reset(); };
    connect(model_, &QAbstractItemModel::dataChanged, this, forget);
    connect(model_, &QAbstractItemModel::rowsInserted, this, forget);
    connect(model_, &QAbstractItemModel::rowsRemoved, this, forget);
    connect(model_, &QAbstractItemModel::modelReset, this, forget);
    connect(model_, &QAbstractItemModel::layoutChanged, this, forget);
  }
  bool holds(const QComboBox* box, const std::vector<std::string>& items) const {
    return model_ == box->model() && entries && *entries == items;
  }
  std::optional<std::vector<std::string>> entries;

 private:
  QPointer<QAbstractItemModel> model_;
};

}  // namespace

bool setItems(QComboBox* box, const std::vector<std::string>& items) {
  GivenEntries* given = nullptr;
  for (QObject* child : box->children())
    if ((given = dynamic_cast<GivenEntries*>(child))) break;
  if (given && given->holds(box, items)) return false;
  QStringList list;
  list.reserve(static_cast<qsizetype>(items.size()));
  for (const auto& s : items) list << fromFile(s);
  const bool changed = setItems(box, list);
  delete given;  // the box may have a model of its own now
  (new GivenEntries(box))->entries = items;
  return changed;
}

void colourBox(QWidget* w, int iff) {
  const model::Rgb c = model::iffColour(iff);
  QPalette p = w->palette();
  p.setColor(QPalette::Text, toQColor(c));
  p.setColor(QPalette::ButtonText, toQColor(c));
  p.setColor(QPalette::Base, Qt::black);
  p.setColor(QPalette::Button, Qt::black);
  // The placeholder (a raw value outside the table) in the same colour, readable on black.
  p.setColor(QPalette::PlaceholderText, toQColor(c));
  w->setPalette(p);
  // The drop-down list keeps the application's colours: a black scroll bar hides its handle.
  if (auto* box = qobject_cast<QComboBox*>(w)) box->view()->setPalette(QApplication::palette());
}

std::string entry(const std::vector<std::string>& table, std::size_t i) {
  return i < table.size() ? table[i] : std::string();
}

FlightGroupTab::FlightGroupTab(const EditorContext& context, QWidget* parent)
    : QWidget(parent),
      doc_(context.document),
      vocab_(context.vocabulary),
      settings_(context.settings),
      bindings_(new FieldBindings(this, context, selectedFlightGroups(doc_))),
      prompter_(context.prompter) {}

void FlightGroupTab::fill() {
  const bool any = !doc_.mission().flightGroups.empty();
  if (any)
    doFill();
  else
    clearValues();
  setEnabled(any);
  // The bindings then follow the document by themselves.
  if (!filled_) bindings_->refill();
  filled_ = true;
}

void FlightGroupTab::clearValues() {
  // The bound controls show nothing by themselves; the page's own ones are emptied here. With no
  // flight group nothing is written, so the signals of the emptied controls do nothing.
  for (QComboBox* c : findChildren<QComboBox*>()) {
    c->setCurrentIndex(-1);
    if (c->isEditable()) c->setEditText({});
    c->setPlaceholderText({});
  }
  for (QAbstractSpinBox* s : findChildren<QAbstractSpinBox*>()) s->clear();
  for (QLineEdit* e : findChildren<QLineEdit*>()) {
    if (qobject_cast<QAbstractSpinBox*>(e->parent()) || qobject_cast<QComboBox*>(e->parent()))
      continue;
    e->clear();
  }
}

bool FlightGroupTab::quiet() const {
  return doc_.mission().flightGroups.empty();
}

void FlightGroupTab::setBoundItems(QComboBox* box, const std::vector<std::string>& items) {
  if (setItems(box, items)) bindings_->refill(box);
}

void FlightGroupTab::setBoundTable(QComboBox* box, std::string_view table) {
  if (showTable(box, &doc_, vocab_, table)) bindings_->refill(box);
}

void FlightGroupTab::setBoundItems(QComboBox* box, const QStringList& items) {
  if (setItems(box, items)) bindings_->refill(box);
}

void FlightGroupTab::editGroups(
    const QString& text, const std::function<void(const model::Mission&, model::FlightGroup&)>& fn,
    const QString& mergeKey) {
  doc_.editFlightGroups(text, fn, mergeKey);
}

const model::FlightGroup& FlightGroupTab::current() const {
  return doc_.mission().flightGroups.at(static_cast<std::size_t>(doc_.currentFlightGroup()));
}

NumberSpin* FlightGroupTab::spin(const char* name, int min, int max) {
  auto* s = new NumberSpin(min, max, this);
  s->setObjectName(QString::fromLatin1(name));
  s->onBadText = [s](const QString& m) { showRefusal(s, m); };
  s->onHeld = [s](const QString& m) { showRefusal(s, m); };
  return s;
}

QComboBox* FlightGroupTab::combo(const char* name) {
  auto* c = new QComboBox(this);
  c->setObjectName(QString::fromLatin1(name));
  c->setMaxVisibleItems(20);
  return c;
}

}  // namespace app
