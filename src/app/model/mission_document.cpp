#include "app/model/mission_document.h"

#include <QElapsedTimer>
#include <QUndoCommand>

#include <algorithm>

namespace app {
namespace {

// Edits closer together than this in the same control count as one burst of typing.
constexpr qint64 MergeWindowMs = 1500;

Changes changeFor(RecordKind kind) {
  switch (kind) {
    case RecordKind::Header:
      return HeaderFields;
    case RecordKind::FlightGroup:
    case RecordKind::FlightGroupGoalStrings:
      return FlightGroupFields;
    case RecordKind::Message:
      return MessageFields;
    case RecordKind::GlobalGoal:
    case RecordKind::GlobalGoalStrings:
      return GlobalGoalFields;
    case RecordKind::Team:
      return TeamFields;
    case RecordKind::Briefing:
      return BriefingFields;
  }
  return NoChange;
}

ChangedFlag flagFor(RecordKind kind) {
  switch (kind) {
    case RecordKind::FlightGroup:
    case RecordKind::FlightGroupGoalStrings:
      return ChangedFlag::FlightGroup;
    case RecordKind::Message:
      return ChangedFlag::Message;
    default:
      return ChangedFlag::Mission;
  }
}

// One field edit: the same new bytes at one offset of several records, with each record's old
// bytes kept for undo.
class PatchCommand : public QUndoCommand {
 public:
  PatchCommand(MissionDocument& doc, RecordKind kind, std::vector<int> indices, std::size_t offset,
               std::vector<std::uint8_t> after, const QString& mergeKey)
      : doc_(doc),
        kind_(kind),
        indices_(std::move(indices)),
        offset_(offset),
        after_(std::move(after)),
        mergeKey_(mergeKey) {
    setText(QObject::tr("Edit"));
    for (int i : indices_) {
      auto rec = doc_.recordBytes(kind_, i);
      before_.emplace_back(rec.begin() + static_cast<std::ptrdiff_t>(offset_),
                           rec.begin() + static_cast<std::ptrdiff_t>(offset_ + after_.size()));
    }
    timer_.start();
  }

  int id() const override { return mergeKey_.isEmpty() ? -1 : 1; }

  bool mergeWith(const QUndoCommand* other) override {
    const auto* o = dynamic_cast<const PatchCommand*>(other);
    if (!o || o->mergeKey_ != mergeKey_ || o->kind_ != kind_ || o->indices_ != indices_ ||
        o->offset_ != offset_ || o->after_.size() != after_.size() ||
        timer_.elapsed() > MergeWindowMs)
      return false;
    after_ = o->after_;
    timer_.restart();
    return true;
  }

  void redo() override { write(false); }
  void undo() override { write(true); }

 private:
  void write(bool old) {
    for (std::size_t k = 0; k < indices_.size(); ++k) {
      auto rec = doc_.recordBytes(kind_, indices_[k]);
      const auto& src = old ? before_[k] : after_;
      std::copy(src.begin(), src.end(), rec.begin() + static_cast<std::ptrdiff_t>(offset_));
      auto& m = doc_.mission();
      if (kind_ == RecordKind::FlightGroup &&
          offset_ < model::fg::WaypointEnabled.offset + model::fg::WaypointEnabled.bytes() &&
          offset_ + src.size() > model::fg::WaypointX.offset)
        m.flightGroups[static_cast<std::size_t>(indices_[k])].heading = model::computeHeading(
            m.flightGroups[static_cast<std::size_t>(indices_[k])],
            &m.flightGroups[static_cast<std::size_t>(indices_[k])].lastRoutePoint);
      if (kind_ == RecordKind::FlightGroup) m.updateMapExtent();
      if (kind_ == RecordKind::Message)
        m.messages[static_cast<std::size_t>(indices_[k])].updateSentToAnyTeam();
    }
    doc_.applied(changeFor(kind_), flagFor(kind_));
  }

  MissionDocument& doc_;
  RecordKind kind_;
  std::vector<int> indices_;
  std::size_t offset_;
  std::vector<std::uint8_t> after_;
  std::vector<std::vector<std::uint8_t>> before_;
  QString mergeKey_;
  QElapsedTimer timer_;
};

// Any other change: the Mission's content before and after.
class SnapshotCommand : public QUndoCommand {
 public:
  SnapshotCommand(MissionDocument& doc, const QString& text, Changes what, ChangedFlag flag,
                  model::Mission before, model::Mission after, const QString& mergeKey)
      : doc_(doc),
        what_(what),
        flag_(flag),
        before_(std::move(before)),
        after_(std::move(after)),
        mergeKey_(mergeKey) {
    setText(text);
    timer_.start();
  }
  int id() const override { return mergeKey_.isEmpty() ? -1 : 2; }
  bool mergeWith(const QUndoCommand* other) override {
    const auto* o = dynamic_cast<const SnapshotCommand*>(other);
    if (!o || o->mergeKey_ != mergeKey_ || timer_.elapsed() > MergeWindowMs) return false;
    after_ = o->after_;
    what_ |= o->what_;
    timer_.restart();
    return true;
  }
  void redo() override { apply(after_); }
  void undo() override { apply(before_); }

 private:
  void apply(const model::Mission& state) {
    restoreContent(doc_.mission(), state);
    doc_.applied(what_, flag_);
  }
  MissionDocument& doc_;
  Changes what_;
  ChangedFlag flag_;
  model::Mission before_, after_;
  QString mergeKey_;
  QElapsedTimer timer_;
};

}  // namespace

void restoreContent(model::Mission& to, const model::Mission& from) {
  const std::string fileName = to.fileName;
  const bool named = to.named;
  const bool f1 = to.flightGroupChanged, f2 = to.messageChanged, f3 = to.missionChanged;
  const model::MissionDefaults defaults = to.defaults;
  // The flight-group copy buffer is a clipboard, not content: undo leaves it alone.
  model::FlightGroup buffer = std::move(to.flightGroupBuffer);
  to = from;
  to.flightGroupBuffer = std::move(buffer);
  to.fileName = fileName;
  to.named = named;
  to.flightGroupChanged = f1;
  to.messageChanged = f2;
  to.missionChanged = f3;
  to.defaults = defaults;
}

MissionDocument::MissionDocument(QObject* parent) : QObject(parent) {
  undo_.setUndoLimit(500);
  connect(&undo_, &QUndoStack::indexChanged, this, [this] { afterIndexChange(); });
}

void MissionDocument::replaceMission(model::Mission m) {
  mission_ = std::move(m);
  undo_.clear();
  undo_.setClean();
  fgSelection_ = mission_.flightGroups.empty() ? std::vector<int>{}
                                               : std::vector<int>{mission_.currentFlightGroup};
  msgSelection_ =
      mission_.messages.empty() ? std::vector<int>{} : std::vector<int>{mission_.currentMessage};
  clampSelections();
  emit changed(WholeMission);
}

void MissionDocument::markSaved() {
  mission_.clearChanged();
  undo_.setClean();
  emit changed(ChangedState);
}

void MissionDocument::selectFlightGroups(std::vector<int> indices) {
  fgSelection_ = std::move(indices);
  clampSelections();
  emit changed(Selection);
}

void MissionDocument::selectMessages(std::vector<int> indices) {
  msgSelection_ = std::move(indices);
  clampSelections();
  emit changed(Selection);
}

void MissionDocument::clampSelections() {
  auto clamp = [](std::vector<int>& sel, int count, int& current) {
    sel.erase(
        std::remove_if(sel.begin(), sel.end(), [count](int i) { return i < 0 || i >= count; }),
        sel.end());
    std::sort(sel.begin(), sel.end());
    sel.erase(std::unique(sel.begin(), sel.end()), sel.end());
    if (sel.empty() && count > 0) sel.push_back(std::clamp(current, 0, count - 1));
    current = sel.empty() ? 0 : sel.front();
  };
  clamp(fgSelection_, static_cast<int>(mission_.flightGroups.size()), mission_.currentFlightGroup);
  clamp(msgSelection_, static_cast<int>(mission_.messages.size()), mission_.currentMessage);
}

model::Bytes MissionDocument::recordBytes(RecordKind kind, int index) {
  const auto i = static_cast<std::size_t>(index);
  auto& m = mission_;
  switch (kind) {
    case RecordKind::Header:
      return m.header.span();
    case RecordKind::FlightGroup:
      return m.flightGroups.at(i).span();
    case RecordKind::FlightGroupGoalStrings:
      return m.flightGroups.at(i).goalStrings.span();
    case RecordKind::Message:
      return m.messages.at(i).span();
    case RecordKind::GlobalGoal:
      return m.globalGoals.at(i).span();
    case RecordKind::Team:
      return m.teams.at(i).span();
    case RecordKind::Briefing:
      return m.briefings.at(i).span();
    case RecordKind::GlobalGoalStrings:
      return m.globalGoalStrings.at(i).span();
  }
  return {};
}

model::CBytes MissionDocument::recordBytes(RecordKind kind, int index) const {
  return const_cast<MissionDocument*>(this)->recordBytes(kind, index);
}

int MissionDocument::recordCount(RecordKind kind) const {
  switch (kind) {
    case RecordKind::Header:
      return 1;
    case RecordKind::FlightGroup:
    case RecordKind::FlightGroupGoalStrings:
      return static_cast<int>(mission_.flightGroups.size());
    case RecordKind::Message:
      return static_cast<int>(mission_.messages.size());
    case RecordKind::GlobalGoal:
    case RecordKind::Team:
    case RecordKind::GlobalGoalStrings:
      return static_cast<int>(model::TeamCount);
    case RecordKind::Briefing:
      return static_cast<int>(model::BriefingCount);
  }
  return 0;
}

void MissionDocument::patch(RecordKind kind, const std::vector<int>& indices, std::size_t offset,
                            const std::vector<std::uint8_t>& bytes, const QString& mergeKey) {
  std::vector<int> targets;
  const int count = recordCount(kind);
  for (int i : indices)
    if (i >= 0 && i < count) targets.push_back(i);
  if (targets.empty() || bytes.empty()) return;
  // An edit that changes nothing is no undo step.
  bool differs = false;
  for (int i : targets) {
    auto rec = recordBytes(kind, i);
    if (offset + bytes.size() > rec.size()) return;
    differs = differs || !std::equal(bytes.begin(), bytes.end(),
                                     rec.begin() + static_cast<std::ptrdiff_t>(offset));
  }
  if (!differs) return;
  undo_.push(new PatchCommand(*this, kind, std::move(targets), offset, bytes, mergeKey));
}

void MissionDocument::setFlightGroupText(const model::TextField& f, const std::string& text,
                                         const QString& mergeKey) {
  const std::string enc = model::encodeText(f, text);
  patch(RecordKind::FlightGroup, fgSelection_, f.offset, {enc.begin(), enc.end()}, mergeKey);
}

void MissionDocument::setMessageText(const model::TextField& f, const std::string& text,
                                     const QString& mergeKey) {
  const std::string enc = model::encodeText(f, text);
  patch(RecordKind::Message, msgSelection_, f.offset, {enc.begin(), enc.end()}, mergeKey);
}

void MissionDocument::setText(RecordKind kind, int record, const model::TextField& f,
                              const std::string& text, const QString& mergeKey) {
  const std::string enc = model::encodeText(f, text);
  patch(kind, {record}, f.offset, {enc.begin(), enc.end()}, mergeKey);
}

void MissionDocument::setTextBlock(Block block, const std::string& memo) {
  auto pick = [block](model::Mission& m) -> model::TextBlock& {
    switch (block) {
      case Block::SuccessDebrief:
        return m.successDebrief;
      case Block::FailureDebrief:
        return m.failureDebrief;
      default:
        return m.description;
    }
  };
  if (pick(mission_).text() == memo) return;
  // The description keeps the size of the current format's block; debriefings are 4096.
  const std::size_t size = block == Block::Description ? mission_.descriptionSize() : 4096;
  edit(
      tr("Edit text"), TextBlocks, ChangedFlag::Mission,
      [&](model::Mission& m) { pick(m).setText(memo, std::max(size, pick(m).size())); },
      QStringLiteral("textblock%1").arg(static_cast<int>(block)));
}

void MissionDocument::setFormat(std::int16_t platformId) {
  if (mission_.platformId == platformId) return;
  edit(tr("Change format"), Format, ChangedFlag::Mission,
       [platformId](model::Mission& m) { m.platformId = platformId; });
}

void MissionDocument::edit(const QString& text, Changes what, ChangedFlag flag,
                           const std::function<void(model::Mission&)>& fn,
                           const QString& mergeKey) {
  model::Mission before = mission_;
  model::Mission work = mission_;
  fn(work);
  undo_.push(
      new SnapshotCommand(*this, text, what, flag, std::move(before), std::move(work), mergeKey));
}

void MissionDocument::applied(Changes what, ChangedFlag flag) {
  switch (flag) {
    case ChangedFlag::FlightGroup:
      mission_.markFlightGroupChanged();
      break;
    case ChangedFlag::Message:
      mission_.markMessageChanged();
      break;
    case ChangedFlag::Mission:
      mission_.markMissionChanged();
      break;
    case ChangedFlag::None:
      break;
  }
  mission_.syncCounts();
  clampSelections();
  emit changed(what | ChangedState);
}

void MissionDocument::afterIndexChange() {
  if (undo_.isClean() && mission_.isChanged()) {
    mission_.clearChanged();
    emit changed(ChangedState);
  }
}

}  // namespace app
