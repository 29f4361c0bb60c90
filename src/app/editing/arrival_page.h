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
  void delayEdited(QLineEdit* edit, model::Field<model::u8> field);

  TriggerEditor* editor_;
  MotherShipChoice via_;
  MotherShipChoice alt_;
  QLineEdit* minutes_;
  QLineEdit* seconds_;
  QCheckBox* ifPlayer_;
};

// Builds one mother-ship group on `tab` (object names of the two radios and the box given),
// writing `via` and `ship` of every selected flight group.
MotherShipChoice motherShipChoice(FlightGroupTab* tab, const QString& title, const char* motherName,
                                  const char* hypName, const char* boxName,
                                  model::Field<model::u8> via, model::Field<model::u8> ship);
// Writes the choice's radios and picker into every selected flight group, unless `quiet` says
// the tab is being filled.
void wireMotherShip(const MotherShipChoice& c, MissionDocument& doc, QObject* context,
                    const std::function<bool()>& quiet);
// Shows a group's fields in its mother-ship choice.
void showMotherShip(const MotherShipChoice& c, const model::Mission& m, const model::FlightGroup& g,
                    const shell::Vocabulary& v);

}  // namespace app
