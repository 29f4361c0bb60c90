#pragma once
// The "Departure" tab: when the selected flight groups leave (two triggers), where to, when
// single craft abort, and how long a non-fighter takes to explode.

#include "app/editing/arrival_page.h"

class QLabel;

namespace app {

class DeparturePage : public FlightGroupTab {
  Q_OBJECT
 public:
  DeparturePage(const EditorContext& context, QWidget* parent = nullptr);
  TriggerEditor* triggerEditor() const { return editor_; }

 protected:
  void doFill() override;

 private:
  TriggerEditor* editor_;
  MotherShipChoice via_;
  MotherShipChoice alt_;
  QComboBox* departWhen_;
  NumberSpin* expTime_;
  QLabel* expLabel_;
};

}  // namespace app
