#pragma once

#include <functional>
// The "Arrival" tab: when the selected flight groups arrive (four triggers), after what delay,
// and from where (mother ship or hyperspace, and an alternative).

#include "app/document/mission_document.h"
#include "app/editing/fg_widgets.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLineEdit;
class QRadioButton;

namespace app {

class TriggerEditor;

// A "Via:" choice between a mother ship and hyperspace, with the mother-ship picker; the
// arrival and departure tabs have two each.
struct MotherShipChoice {
  QGroupBox* group = nullptr;
  QRadioButton* mother = nullptr;
  QRadioButton* hyperspace = nullptr;
  QComboBox* box = nullptr;
  model::Field<model::u8> via{};
  model::Field<model::u8> ship{};
};

class ArrivalPage : public FlightGroupTab {
  Q_OBJECT
 public:
  ArrivalPage(const EditorContext& context, QWidget* parent = nullptr);
  TriggerEditor* triggerEditor() const { return editor_; }

 protected:
  void doFill() override;

 private:
  TriggerEditor* editor_;
  MotherShipChoice via_;
  MotherShipChoice alt_;
  QLineEdit* minutes_;
  QLineEdit* seconds_;
  QCheckBox* ifPlayer_;
};

// Builds one mother-ship group on `tab` (object names of the two radios and the box given),
// bound to `via` and `ship` of the selected flight groups.
MotherShipChoice motherShipChoice(FlightGroupTab* tab, FieldBindings& bindings,
                                  const QString& title, const char* motherName, const char* hypName,
                                  const char* boxName, model::Field<model::u8> via,
                                  model::Field<model::u8> ship);
// The flight-group names in the picker, enabled while the group comes via its mother ship.
void showMotherShip(const MotherShipChoice& c, const model::Mission& m, const model::FlightGroup& g,
                    const shell::Vocabulary& v, FieldBindings& bindings);

}  // namespace app
