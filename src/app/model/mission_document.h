#pragma once
// The open document: owns the Mission, the flight-group and message selection and the undo
// stack. Every change to the Mission goes through here and is announced by one signal.

#include <QObject>
#include <QString>
#include <QUndoStack>

#include <cstdint>
#include <functional>
#include <vector>

#include "model/mission.h"

namespace app {

// What a change touched; views refresh what concerns them.
enum Change : unsigned {
  NoChange = 0,
  FlightGroupFields = 1u << 0,  // bytes of flight-group records
  FlightGroupList = 1u << 1,    // flight groups added, removed or reordered
  MessageFields = 1u << 2,
  MessageList = 1u << 3,
  GlobalGoalFields = 1u << 4,
  TeamFields = 1u << 5,
  BriefingFields = 1u << 6,
  HeaderFields = 1u << 7,  // mission type, time limit, raw header bytes
  TextBlocks = 1u << 8,    // description and debriefings
  Format = 1u << 9,
  Selection = 1u << 10,     // the selected flight groups or messages
  ChangedState = 1u << 11,  // the changed flags (title, save prompts)
  FlightGroupBufferChange = 1u << 12,
  WholeMission = 0xFFFFu,  // load, new mission
};
using Changes = unsigned;

// Which list of records a field edit addresses.
enum class RecordKind {
  Header,
  FlightGroup,
  FlightGroupGoalStrings,
  Message,
  GlobalGoal,
  Team,
  Briefing,
  GlobalGoalStrings
};

// Which of the Mission's changed flags an edit sets (None: editor state the file does not hold).
enum class ChangedFlag { FlightGroup, Message, Mission, None };

class MissionDocument : public QObject {
  Q_OBJECT
 public:
  explicit MissionDocument(QObject* parent = nullptr);

  model::Mission& mission() { return mission_; }
  const model::Mission& mission() const { return mission_; }
  QUndoStack* undoStack() { return &undo_; }

  // Load, New Mission, import: the Mission is replaced and the undo history forgotten.
  void replaceMission(model::Mission m);
  // After a successful save: this state is the one on disk.
  void markSaved();

  // Selection. The current flight group is the first selected one.
  const std::vector<int>& selectedFlightGroups() const { return fgSelection_; }
  void selectFlightGroups(std::vector<int> indices);
  int currentFlightGroup() const { return mission_.currentFlightGroup; }
  const std::vector<int>& selectedMessages() const { return msgSelection_; }
  void selectMessages(std::vector<int> indices);
  int currentMessage() const { return mission_.currentMessage; }

  // The byte image of one record, for reading and for the generic field edit.
  model::Bytes recordBytes(RecordKind kind, int index);
  model::CBytes recordBytes(RecordKind kind, int index) const;
  int recordCount(RecordKind kind) const;

  // One undo step that writes `bytes` at `offset` into each listed record. Edits with the same
  // non-empty `mergeKey` that follow each other quickly on the same records merge into one step.
  void patch(RecordKind kind, const std::vector<int>& indices, std::size_t offset,
             const std::vector<std::uint8_t>& bytes, const QString& mergeKey = {});

  // Typed field edits into every selected flight group / message, or one record.
  template <class T>
  void setFlightGroupField(model::Field<T> f, T value, std::size_t index = 0,
                           const QString& mergeKey = {}) {
    patch(RecordKind::FlightGroup, fgSelection_, f.at(index), encode(value), mergeKey);
  }
  void setFlightGroupText(const model::TextField& f, const std::string& text,
                          const QString& mergeKey = {});
  template <class T>
  void setMessageField(model::Field<T> f, T value, std::size_t index = 0,
                       const QString& mergeKey = {}) {
    patch(RecordKind::Message, msgSelection_, f.at(index), encode(value), mergeKey);
  }
  void setMessageText(const model::TextField& f, const std::string& text,
                      const QString& mergeKey = {});
  template <class T>
  void setField(RecordKind kind, int record, model::Field<T> f, T value, std::size_t index = 0,
                const QString& mergeKey = {}) {
    patch(kind, {record}, f.at(index), encode(value), mergeKey);
  }
  void setText(RecordKind kind, int record, const model::TextField& f, const std::string& text,
               const QString& mergeKey = {});

  // Description and debriefings, as memo text.
  enum class Block { Description, SuccessDebrief, FailureDebrief };
  void setTextBlock(Block block, const std::string& memo);
  // The format switch (12 or 14): no record changes, the writer follows PlatformId.
  void setFormat(std::int16_t platformId);

  // Any other change as one undo step: the Mission is snapshotted before and after `fn`.
  void edit(const QString& text, Changes what, ChangedFlag flag,
            const std::function<void(model::Mission&)>& fn, const QString& mergeKey = {});

  // Called by the undo commands.
  void applied(Changes what, ChangedFlag flag);

 signals:
  void changed(app::Changes what);

 private:
  template <class T>
  static std::vector<std::uint8_t> encode(T value) {
    const auto v = static_cast<std::uint16_t>(value);
    if constexpr (sizeof(T) == 1)
      return {static_cast<std::uint8_t>(v)};
    else
      return {static_cast<std::uint8_t>(v & 0xFF), static_cast<std::uint8_t>(v >> 8)};
  }
  void clampSelections();
  void afterIndexChange();

  model::Mission mission_;
  QUndoStack undo_;
  std::vector<int> fgSelection_{0};
  std::vector<int> msgSelection_;
};

// Copies every record and list of `from` into `to`, keeping `to`'s file name, naming,
// settings, changed flags and copy buffer: what an undo step restores.
void restoreContent(model::Mission& to, const model::Mission& from);

}  // namespace app
