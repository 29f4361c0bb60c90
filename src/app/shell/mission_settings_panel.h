#pragma once
// The mission settings under the flight-group list: mission type, time limit and the format
// switch. Every change goes straight into the Mission through the document.

#include <QWidget>

class QComboBox;
class QRadioButton;
class QSpinBox;

namespace app {

struct EditorContext;
class FieldBindings;
class MissionDocument;
class Prompter;

class MissionSettingsPanel : public QWidget {
  Q_OBJECT
 public:
  explicit MissionSettingsPanel(const EditorContext& context, QWidget* parent = nullptr);

  // Shows the format; the bound boxes show their values by themselves.
  void refresh();

 private:
  void onChanged(unsigned what);
  void typeChosen(int index);
  // "Zyn Format" clicked: after saying what the base format leaves out, the switch.
  void baseFormatChosen();

  MissionDocument& doc_;
  Prompter& prompter_;
  QComboBox* typeBox_;
  QSpinBox* minSpin_;
  QSpinBox* secSpin_;
  QRadioButton* zynRadio_;
  QRadioButton* qvnRadio_;
  FieldBindings* bindings_;
};

}  // namespace app
