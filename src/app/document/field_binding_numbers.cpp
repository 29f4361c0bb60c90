#include "app/document/field_binding.h"

#include <QSignalBlocker>
#include "app/base/translations.h"

#include <algorithm>
#include <memory>

#include "editing/flight_group_rules.h"
#include "model/fields.h"

// Numbers: spin boxes, combo boxes, check boxes, radio buttons and plain edit
// boxes holding a number, shown through their conversion and stored into the
// field's range.

namespace app {

namespace {

// A whole number as every number box reads one (editing::parseInteger); empty
// or a lone "-" is no value yet.
TypedValue parseWholeNumber(const QString& text) {
  const QString t = text.trimmed();
  if (t.isEmpty() || t == QLatin1String("-")) return {};
  const std::string typed = text.toStdString();
  if (const auto v = editing::parseInteger(typed)) return {TypedValue::Value, *v, {}};
  return {TypedValue::Refused, 0, shownText(editing::notAnIntegerMessage(typed))};
}

}  // namespace

TypedValue FieldBinding::parsed(const QString& typed) const {
  return parser_ ? parser_(typed) : parseWholeNumber(typed);
}

void FieldBinding::fitSpinRange() {
  // Values of the page's own (`reads`) have no bytes to fit.
  if (type_ != Control::Spin || !control_ || number_.width == 0) return;
  auto* spin = static_cast<QSpinBox*>(control_.data());
  // The page's own range, before any narrowing (a conversion may come after the
  // first).
  if (!spinRange_) spinRange_ = {spin->minimum(), spin->maximum()};
  const long long a = toShown(number_.min), b = toShown(number_.max);
  const long long lo = std::max<long long>(spinRange_->first, std::min(a, b));
  const long long hi = std::min<long long>(spinRange_->second, std::max(a, b));
  if (lo > hi) return;
  const QSignalBlocker block(spin);
  spin->setRange(static_cast<int>(lo), static_cast<int>(hi));
}

bool FieldBinding::spinKeyOutOfRange(const QKeyEvent& key) {
  auto* spin = static_cast<QSpinBox*>(control_.data());
  QLineEdit* edit = spin ? spin->findChild<QLineEdit*>() : nullptr;
  const QString typed = key.text();
  if (!edit || typed.isEmpty() || !typed.at(0).isDigit()) return false;
  // The text the key would leave; a key the box takes is its business.
  QString text = edit->text();
  int at = edit->cursorPosition();
  if (edit->hasSelectedText()) {
    at = edit->selectionStart();
    text.remove(at, edit->selectedText().size());
  }
  text.insert(at, typed);
  int end = at + static_cast<int>(typed.size());
  if (static_cast<QAbstractSpinBox*>(spin)->validate(text, end) != QValidator::Invalid)
    return false;
  if (text.startsWith(spin->prefix())) text.remove(0, spin->prefix().size());
  if (text.endsWith(spin->suffix())) text.chop(spin->suffix().size());
  bool number = false;
  const long long v = text.trimmed().toLongLong(&number);
  if (!number || (v >= spin->minimum() && v <= spin->maximum())) return false;
  // The box would refuse the key without a word: the user hears its range.
  tell(tr("%1 takes %2 to %3: %4 is out of its range.")
           .arg(shownName())
           .arg(spin->minimum())
           .arg(spin->maximum())
           .arg(v));
  return true;
}

std::optional<long long> FieldBinding::storedNumber() const {
  if (reads_) return reads_();
  const model::CBytes rec = shownBytes();
  if (rec.empty() || !number_.read) return std::nullopt;
  return number_.read(rec, at(element_ ? element_() : 0));
}

long long FieldBinding::toShown(long long stored) const {
  return conv_.show ? conv_.show(stored) : stored;
}

QString FieldBinding::numberText(long long stored) const {
  return formats_ ? formats_(stored) : QString::number(toShown(stored));
}

void FieldBinding::refillNumber() {
  QWidget* w = control_;
  const std::optional<long long> stored = storedNumber();
  if (!stored) return clearControl();
  const long long v = toShown(*stored);
  switch (type_) {
    case Control::Combo:
      showIndex(static_cast<QComboBox*>(w), static_cast<int>(v));
      break;
    case Control::Spin: {
      const QSignalBlocker block(w);
      static_cast<QSpinBox*>(w)->setValue(static_cast<int>(v));
      break;
    }
    case Control::Check: {
      const QSignalBlocker block(w);
      static_cast<QCheckBox*>(w)->setChecked(v != 0);
      break;
    }
    case Control::Choice: {
      if (buttons_.empty()) break;
      const auto i = static_cast<std::size_t>(
          std::clamp<long long>(v, 0, static_cast<long long>(buttons_.size()) - 1));
      std::vector<std::unique_ptr<QSignalBlocker>> blocks;
      for (QAbstractButton* b : buttons_) blocks.push_back(std::make_unique<QSignalBlocker>(b));
      buttons_[i]->setChecked(true);
      break;
    }
    case Control::NumberText: {
      auto* edit = static_cast<QLineEdit*>(w);
      const QString text = numberText(*stored);
      const QSignalBlocker block(edit);
      if (edit->text() != text) edit->setText(text);
      break;
    }
    default:
      break;
  }
}

void FieldBinding::commitNumber(long long shown) {
  const std::vector<int> records = writtenRecords();
  if (records.empty() || (!commit_ && !number_.write)) return;
  long long stored = conv_.store ? conv_.store(shown) : shown;
  // Into the field's declared range before anything reaches a byte: clamped,
  // never wrapped.
  stored = std::clamp(stored, number_.min, number_.max);
  committing_ = true;
  if (commit_) {
    commit_(stored);
  } else {
    const std::size_t where = at(element_ ? element_() : 0);
    std::vector<MissionDocument::FieldWrite> writes;
    for (int r : records) writes.push_back(number_.write(records_.kind, r, where, stored));
    doc_.setFields(undoStepText(), writes, mergeKey());
  }
  committing_ = false;
  // Unless a key is being typed, the control shows what was stored (a value
  // between the steps, one held to the range).
  if (!typing_) refill();
}

void FieldBinding::commitTyped() {
  typing_ = false;
  judgeTyped(static_cast<QLineEdit*>(control_.data())->text());
}

void FieldBinding::judgeTyped(const QString& typed) {
  const TypedValue t = parsed(typed);
  if (t.kind == TypedValue::Value) {
    const long long stored = conv_.store ? conv_.store(t.value) : t.value;
    if (stored >= number_.min && stored <= number_.max) {
      commitNumber(t.value);
      closeBurst(true);
      // Each value typed and left is a step of its own.
      doc_.endTyping();
      return;
    }
  }
  // Nothing to store, or refused: what was stored while it was typed is taken
  // back, and the box shows the value from before the typing.
  closeBurst(false);
  refill();
  doc_.endTyping();
  if (t.kind == TypedValue::Nothing) return;
  tell(t.kind == TypedValue::Refused ? t.message
                                     : tr("%1 is not a value between %2 and %3")
                                           .arg(typed.trimmed())
                                           .arg(toShown(number_.min))
                                           .arg(toShown(number_.max)));
}

}  // namespace app
