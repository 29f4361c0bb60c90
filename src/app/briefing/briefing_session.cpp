#include "app/briefing/briefing_session.h"

#include <algorithm>

#include "app/base/translations.h"
#include "app/document/mission_document.h"
#include "app/document/step_text.h"
#include "briefing/editing.h"
#include "map/view.h"

namespace app {

namespace brf = briefing;
namespace rec = model::briefing;

BriefingSession::BriefingSession(MissionDocument& doc, QObject* parent)
    : QObject(parent), doc_(doc) {
  connect(&doc_, &MissionDocument::changed, this, &BriefingSession::onDocumentChanged);
  list_ = brf::instructionList(record(), &selected_).commands;
}

void BriefingSession::onDocumentChanged(const model::ChangeSet& c) {
  // The instructions of the shown briefing changed under the list (undo, redo, Auto-Brief, a
  // copy onto it, an import): the list is read again. The word between the count and the words
  // (an unknown) is no instruction: editing it keeps the list and its pending changes.
  const auto touched = [&](const model::Field<model::i16>& f) {
    return c.touchesRecord(RecordKind::Briefing, b_) && c.touches(RecordKind::Briefing, f);
  };
  if (c.whole || touched(rec::EventWordsUsed) || touched(rec::Events)) {
    if (!holdsStoredList()) reload();
    return;
  }
  if (c.touchesRecord(RecordKind::Briefing, b_) || c.briefingText) emit recordChanged();
  // The lines show texts and flight-group names.
  if (c.briefingText || c.touches(RecordKind::FlightGroup) || c.listChanged(ListKind::FlightGroups))
    emit listChanged();
}

const model::Mission& BriefingSession::mission() const {
  return doc_.mission();
}

const model::Briefing& BriefingSession::record() const {
  return doc_.mission().briefings[b_];
}

int BriefingSession::wordCount() const {
  return brf::wordCount(list_);
}

bool BriefingSession::show(int b) {
  if (b < 0 || b >= static_cast<int>(model::BriefingCount)) return false;
  if (placing()) finishPlacement(false);
  storePending();
  b_ = b;
  selected_ = 0;
  reload();
  return true;
}

void BriefingSession::reload() {
  if (placing()) {
    placement_ = {};
    emit placementChanged();
  }
  list_ = brf::instructionList(record(), &selected_).commands;
  pending_ = false;
  emit shown();
  emit listChanged();
  emit selectionChanged();
}

void BriefingSession::select(int position) {
  if (position < 0 || position >= static_cast<int>(list_.size()) || position == selected_) return;
  setSelected(position);
}

void BriefingSession::setSelected(int position) {
  selected_ = position;
  emit selectionChanged();
}

void BriefingSession::sort() {
  brf::sortByTime(list_, selected_);
  selected_ = std::clamp(selected_, 0, static_cast<int>(list_.size()) - 1);
}

bool BriefingSession::holdsStoredList() const {
  // The session's own store leaves the record holding the working list: its notice is read
  // back as what the session holds, never as a change under it.
  const briefing::CommandList stored = brf::instructionList(record()).commands;
  return !pending_ && stored.size() == list_.size() &&
         std::equal(stored.begin(), stored.end(), list_.begin(),
                    [](const brf::Command& a, const brf::Command& b) { return a.sameAs(b); });
}

void BriefingSession::store(const QString& undoText) {
  bool cut = false;
  const int b = b_;
  pending_ = false;
  doc_.apply(undoText, ChangedFlag::Mission,
             [&](model::MissionEdit& e) { cut = brf::storeList(e, b, list_); });
  if (!cut) return;
  emit notice(coreText(brf::TooBigMessage), false);
  reload();
}

void BriefingSession::commit(const QString& undoText) {
  sort();
  if (wordCount() <= brf::MaxWords) {
    store(undoText);
  } else {
    pending_ = true;
    emit notice(coreText(brf::TooManyMessage), true);
  }
  emit listChanged();
  emit selectionChanged();
}

void BriefingSession::storePending() {
  if (pending_) store(stepText(Verb::Store, Records::Briefing, 1, QString::number(b_ + 1)));
}

void BriefingSession::insert(int code) {
  std::string message;
  selected_ = brf::insertOnList(list_, selected_, code, message);
  if (!message.empty()) emit notice(coreText(message), false);
  commit(stepText(Verb::Insert, Records::Instruction, 1));
}

void BriefingSession::remove() {
  if (!brf::canDelete(list_, selected_)) return;
  list_.erase(list_.begin() + selected_);
  commit(stepText(Verb::Delete, Records::Instruction, 1));
}

void BriefingSession::moveUp() {
  if (!brf::canMoveUp(list_, selected_)) return;
  brf::moveUp(list_, selected_);
  commit(stepText(Verb::MoveUp, Records::Instruction, 1));
}

void BriefingSession::moveDown() {
  if (!brf::canMoveDown(list_, selected_)) return;
  brf::moveDown(list_, selected_);
  commit(stepText(Verb::MoveDown, Records::Instruction, 1));
}

void BriefingSession::edit(const std::function<void(brf::Command&)>& fn, const QString& undoText) {
  if (selected_ < 0 || selected_ >= static_cast<int>(list_.size())) return;
  const brf::Command before = list_[selected_];
  fn(list_[selected_]);
  if (list_[selected_].sameAs(before)) return;
  commit(undoText);
}

void BriefingSession::stepTime(int delta, bool following) {
  if (delta == 0 || list_[selected_].isEnd()) return;
  brf::stepTime(list_, selected_, delta, following);
  commit(editText(tr("Instruction Time")));
}

void BriefingSession::setPosition(int position, int x, int y) {
  if (position < 0 || position >= static_cast<int>(list_.size())) return;
  list_[position].x = map::clampCoordinate(x);
  list_[position].y = map::clampCoordinate(y);
  emit listChanged();
}

int BriefingSession::place(int code, int t, int after) {
  if (placing()) return placement_.position;
  beforePlacement_ = list_;
  selectedBeforePlacement_ = selected_;
  std::string message;
  const int at = brf::insertAtTime(list_, after, code, t, message);
  if (!message.empty()) emit notice(coreText(message), false);
  selected_ = at;
  if (code == brf::StopPoint || code == brf::ClearBoxes || code == brf::ClearTags) {
    commit(stepText(Verb::Insert, Records::Instruction, 1));
    return selected_;
  }
  placement_ = {list_[at].code, at};
  emit placementChanged();
  emit listChanged();
  emit selectionChanged();
  return at;
}

void BriefingSession::adjustPlacement(const std::function<void(brf::Command&)>& fn) {
  if (!placing()) return;
  fn(list_[placement_.position]);
  emit listChanged();
}

void BriefingSession::finishPlacement(bool done) {
  if (!placing()) return;
  const Placement p = placement_;
  placement_ = {};
  if (!done) {
    list_ = beforePlacement_;
    selected_ = selectedBeforePlacement_;
    emit placementChanged();
    emit listChanged();
    emit selectionChanged();
    return;
  }
  brf::Command& c = list_[p.position];
  // The slot is taken again: the instructions before it are what they were when it was placed,
  // unless the chosen time moved it.
  bool full = false;
  if (brf::isBox(c.code))
    c.code = static_cast<std::uint16_t>(brf::nextBoxCode(list_, p.position, full));
  if (brf::isTag(c.code))
    c.code = static_cast<std::uint16_t>(brf::nextTagCode(list_, p.position, full));
  selected_ = p.position;
  emit placementChanged();
  commit(stepText(Verb::Insert, Records::Instruction, 1));
}

}  // namespace app
