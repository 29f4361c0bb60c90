#pragma once
// The editor's selections: the selected flight groups and messages (each with its current line,
// the one the pages show) and the current point of the current flight group. The document owns
// one and decides when it changes (a selection change ends a typing burst, leaving a changed
// flight group marks the Mission changed); views read it through the document.

#include "model/change_set.h"
#include "model/selection.h"

namespace app {

class SelectionModel {
 public:
  // The selections of both lists at one moment: what an undo step gives back.
  struct Lists {
    model::Selection flightGroups, messages;
    bool operator==(const Lists&) const = default;
  };

  const model::Selection& of(model::ListKind list) const;
  const Lists& lists() const { return lists_; }
  // `next`, clamped to `count` lines, becomes the selection of `list`; false when it already was.
  bool select(model::ListKind list, model::Selection next, int count);
  // Both lists at once, clamped to their counts; false when nothing changed.
  bool restore(Lists lists, int flightGroups, int messages);
  // The lines follow the records an edit inserted, removed or moved.
  void follow(const model::ChangeSet& c);
  // A new Mission: its first lines, the point unset.
  void reset(int flightGroups, int messages);

  // The point of the current flight group the map works on (0..21, Start 1 until one is set).
  int currentPoint() const { return point_; }
  // False when it already was `point`.
  bool setCurrentPoint(int point);

 private:
  Lists lists_{{{0}, 0}, {}};
  int point_ = 0;
};

}  // namespace app
