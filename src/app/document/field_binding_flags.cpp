#include "app/document/field_binding.h"

#include <QSignalBlocker>

// Flags: a multi-selection list, item i selected <-> element i of the field not
// 0.

namespace app {

void FieldBinding::refillFlags() {
  QWidget* w = control_;
  auto* list = static_cast<QListWidget*>(w);
  std::vector<bool> on;
  if (readsFlags_) {
    const auto read = readsFlags_();
    if (!read) return clearControl();
    on = *read;
  } else {
    const model::CBytes bytes = shownBytes();
    if (bytes.empty()) return clearControl();
    for (std::size_t k = 0; k < number_.count; ++k) on.push_back(number_.read(bytes, at(k)) != 0);
  }
  const QSignalBlocker block(list);
  for (int i = 0; i < list->count(); ++i) {
    const auto k = static_cast<std::size_t>(i);
    list->item(i)->setSelected(k < on.size() && on[k]);
  }
}

void FieldBinding::commitFlags() {
  const std::vector<int> records = writtenRecords();
  if (records.empty()) return;
  auto* list = static_cast<QListWidget*>(control_.data());
  std::vector<bool> selected;
  for (int i = 0; i < list->count(); ++i) selected.push_back(list->item(i)->isSelected());
  committing_ = true;
  if (commitFlags_) {
    commitFlags_(selected);
  } else {
    std::vector<MissionDocument::FieldWrite> writes;
    for (int r : records)
      for (std::size_t i = 0; i < selected.size() && i < number_.count; ++i)
        writes.push_back(number_.write(records_.kind, r, at(i), selected[i] ? 1 : 0));
    doc_.setFields(undoStepText(), writes);
  }
  committing_ = false;
  refill();
}

}  // namespace app
