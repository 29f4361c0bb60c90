#pragma once
// "Edit Current FG Waypoints": the 22 points of one flight group as a grid of kilometres, each
// row named, and beside it, row for row, the list of points in use. The cells and the list are
// bound to the record: the map follows each keystroke that reads as a number ("-" is 0 at once),
// typing into one cell is one undo step, and a cell is read as the WPs tab reads its cells.

#include <QDialog>

#include "app/document/editor_context.h"

class QListWidget;
class QTableWidget;
class QVBoxLayout;

namespace app {

class FieldBindings;

class MapWaypointWindow : public QDialog {
  Q_OBJECT
 public:
  MapWaypointWindow(const EditorContext& context, int flightGroup, QWidget* parent = nullptr);

  int flightGroup() const { return fg_; }

 protected:
  void showEvent(QShowEvent* e) override;

 private:
  QTableWidget* buildGrid();
  QVBoxLayout* buildUseList();
  void bindFields();
  void showCaption();
  // The "Use" list stands row for row beside the grid and scrolls with it.
  void lineUpUseList();

  EditorContext ctx_;
  int fg_;
  FieldBindings* bindings_ = nullptr;
  QTableWidget* grid_ = nullptr;
  QListWidget* enabled_ = nullptr;
  QWidget* useHeading_ = nullptr;
};

}  // namespace app
