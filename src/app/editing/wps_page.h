#pragma once
// The "WPs" tab of the flight-group pages: the 22 points of the selected flight groups as
// numbers, in kilometres and raw map units, with their enabled flags.

#include <QWidget>

#include "app/document/editor_context.h"
#include "app/document/mission_document.h"

class QCheckBox;
class QListWidget;
class QPushButton;
class QTableWidget;
class QVBoxLayout;

namespace app {

class WpsPage : public QWidget {
  Q_OBJECT
 public:
  explicit WpsPage(const EditorContext& context, QWidget* parent = nullptr);

  // Shows the current flight group's points.
  void fill();

 signals:
  // The "Map" button: the map window is to be shown.
  void mapRequested();

 protected:
  void showEvent(QShowEvent* e) override;

 private:
  bool quiet() const;
  // The Enabled list under a gap as high as the grids' header, its lines at their rows.
  QVBoxLayout* lineUpEnabled();
  // The names of the points from the table of point names.
  void showPointNames();
  // A cell the user edited: its text goes to every selected flight group.
  void kmEdited(int row, int column, const QString& text);
  void rawEdited(int row, int column, const QString& text);
  // Stores `value` into one coordinate of every selected flight group.
  void store(int row, int column, std::int16_t value);
  void setBriefingPoints();

  const EditorContext& ctx_;
  MissionDocument& doc_;
  QTableWidget* km_;
  QTableWidget* raw_;
  QListWidget* enabled_;
  QWidget* enabledGap_ = nullptr;
  QCheckBox* threeDec_;
  QPushButton* brfPoints_;
  QPushButton* showMap_;
};

}  // namespace app
