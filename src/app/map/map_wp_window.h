#pragma once
// "Edit Current FG Waypoints": the 22 points of one flight group as a grid of kilometres and the
// list of points in use. Every typed value and every click is a document edit; the map follows
// each keystroke ("-" is 0 at once), and typing into one cell is one undo step.

#include <QDialog>

#include "shell/vocabulary.h"

class QListWidget;
class QTableWidget;
class QTableWidgetItem;

namespace app {

class MissionDocument;

class MapWaypointWindow : public QDialog {
  Q_OBJECT
 public:
  MapWaypointWindow(MissionDocument& doc, const shell::Vocabulary& vocab, int flightGroup,
                    QWidget* parent = nullptr);

  int flightGroup() const { return fg_; }
  // Shows the record's values again.
  void refill();

 private:
  void cellEdited(QTableWidgetItem* item);
  // The text of a cell as it stands (typed or committed): stored when it is a number, else the
  // cell is marked and says why.
  void cellText(int row, int column, const QString& text);
  void enabledClicked();

  MissionDocument& doc_;
  const shell::Vocabulary& vocab_;
  int fg_;
  bool filling_ = false;
  QTableWidget* grid_ = nullptr;
  QListWidget* enabled_ = nullptr;
};

// The value a typed kilometre text stores: empty or "-" is 0; beyond the 16-bit range the
// nearest end; nullopt when the text is not a number.
std::optional<std::int16_t> parseKilometres(const QString& text);

}  // namespace app
