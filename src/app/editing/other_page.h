#pragma once
// The "Other" tab: the orientation of objects, the bytes nobody has named (read-only) and the
// room for the mission settings.

#include "app/editing/fg_widgets.h"

class QComboBox;
class QLabel;
class QPushButton;

namespace app {

class OtherPage : public FlightGroupTab {
  Q_OBJECT
 public:
  OtherPage(const EditorContext& context, QWidget* parent = nullptr);
  QWidget* missionSettingsArea() const { return missionSettings_; }

 protected:
  void doFill() override;

 private:
  QWidget* buildOrientationGroup();
  QWidget* buildJumpArea();
  QWidget* buildUnknownsGroup();
  // "FG Unknowns": "&OK" writes the header's bytes and those of every selected flight group.
  void editUnknowns();

  QComboBox* orientation_;
  QLabel* missionUnks_;
  QLabel* pt5_;
  QLabel* pt7_;
  QLabel* loose_;
  QLabel* pt2_;
  QLabel* pt3_;
  QLabel* pt4a_;
  QLabel* pt6_;
  QPushButton* editUnknowns_;
  QWidget* jumpArea_;
  QWidget* missionSettings_;
};

}  // namespace app
