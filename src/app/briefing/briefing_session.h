#pragma once
// The open briefing of the briefing editor, without widgets: the working instruction list (in
// the time order the list shows), the selected instruction, the 400-word pending rule and the
// instruction being placed on the preview. Every change of the list goes into the briefing
// record as one undo step of the document; a list above 400 words is kept here, pending, until
// it fits again or is stored cut (another briefing, closing, saving). Undo and redo that touch
// the record bring the list back from it.

#include <QObject>
#include <QString>

#include <array>
#include <functional>
#include <string>

#include "briefing/commands.h"
#include "model/mission.h"
#include "model/mission_edit.h"

namespace app {

class MissionDocument;

class BriefingSession : public QObject {
  Q_OBJECT
 public:
  explicit BriefingSession(MissionDocument& doc, QObject* parent = nullptr);

  MissionDocument& document() const { return doc_; }
  const model::Mission& mission() const;
  // The briefing shown, 0..7, and its record.
  int briefing() const { return b_; }
  const model::Briefing& record() const;

  const briefing::CommandList& instructions() const { return list_; }
  // The list for the preview's player, which keeps its display snapshots in the commands.
  briefing::CommandList* playerList() { return &list_; }
  int selected() const { return selected_; }
  const briefing::Command& current() const { return list_[selected_]; }
  int wordCount() const;
  // Changes above 400 words that the record cannot hold yet.
  bool pending() const { return pending_; }

  // Shows briefing b (0..7): a placement is cancelled, a pending list stored first; the list
  // comes from the record with its first instruction selected. False for a b out of range.
  bool show(int b);
  // Reads the shown briefing again from the record (its pending changes are dropped).
  void reload();
  void select(int position);
  // Stores a pending list, cut to 400 words (with a notice) when it is still too big.
  void storePending();

  // The instruction list's commands; each is one undo step (or pending above 400 words).
  void insert(int code);  // before the selection
  void remove();          // the selection
  void moveUp();
  void moveDown();
  // Changes the selected instruction.
  void edit(const std::function<void(briefing::Command&)>& fn, const QString& undoText);
  // A step of the time control by `delta` ticks; with `following`, the later instructions too.
  void stepTime(int delta, bool following);
  // A command moved in place (a tag dragged on the preview): shown at once, stored by commit.
  void setPosition(int position, int x, int y);
  // The list as it is now, sorted and stored (or kept pending) as one undo step.
  void commit(const QString& undoText);

  // An instruction placed on the preview: it is in the list at `position` while the user
  // chooses; "Done" stores it as one step, "Cancel" takes it out again.
  struct Placement {
    int code = 0;
    int position = -1;
  };
  bool placing() const { return placement_.position >= 0; }
  const Placement& placement() const { return placement_; }
  // Inserts `code` at time t before the first later instruction after `after` (the last one
  // the preview ran). A stop point or a clear is complete at once and stored; the others open
  // a placement. Returns the new instruction's position.
  int place(int code, int t, int after);
  // Changes the instruction being placed (shown, not stored).
  void adjustPlacement(const std::function<void(briefing::Command&)>& fn);
  void finishPlacement(bool done);

 signals:
  // Another briefing is shown or the record was read again: everything shown may differ.
  void shown();
  // A field of the record beside the list changed (running time, unknowns, "Seen by:", texts);
  // the pages bind those fields themselves.
  void recordChanged();
  // The working list changed (or the texts its lines show).
  void listChanged();
  void selectionChanged();
  void placementChanged();
  // A message for the user: a warning or an information.
  void notice(const QString& text, bool warning);

 private:
  void onDocumentChanged(const model::ChangeSet& c);
  void store(const QString& undoText);
  // Whether the record's instructions are the working list, nothing pending.
  bool holdsStoredList() const;
  void sort();
  void setSelected(int position);

  MissionDocument& doc_;
  int b_ = 0;
  briefing::CommandList list_;
  int selected_ = 0;
  bool pending_ = false;
  Placement placement_;
  briefing::CommandList beforePlacement_;
  int selectedBeforePlacement_ = 0;
};

}  // namespace app
