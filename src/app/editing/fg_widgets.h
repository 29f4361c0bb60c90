#pragma once
// Small widgets and the common base of the flight-group property tabs.

#include <QColor>
#include <QSpinBox>
#include <QString>
#include <QWidget>

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "app/document/field_binding.h"

class QComboBox;
class QLineEdit;

namespace model {
struct Mission;
struct FlightGroup;
}  // namespace model

namespace shell {
class Vocabulary;
struct Settings;
}  // namespace shell

namespace app {

struct EditorContext;
class MissionDocument;
class Prompter;

// A spin box that lets the user type anything and judges the text when it is committed (Enter
// or leaving the box): a number is clamped to the range, other text is reported and the box
// goes back to its value.
class NumberSpin : public QSpinBox {
  Q_OBJECT
 public:
  explicit NumberSpin(int min, int max, QWidget* parent = nullptr);
  // Judges the typed text now (Enter and leaving the box call it); false when it was not a
  // number.
  virtual bool commit();
  // The text part, for typing into it (tests) and for spins chosen with the arrows only.
  QLineEdit* editor() const { return lineEdit(); }
  // Called with the message for text that is not a number.
  std::function<void(const QString&)> onBadText;
  // Called with the message for a number held to the box's range (1000 craft become 100).
  std::function<void(const QString&)> onHeld;
  // An empty box (or blanks only) stores nothing and says nothing: the value comes back.
  bool blankKeepsValue = false;

 protected:
  QValidator::State validate(QString& text, int& pos) const override;
  void fixup(QString& text) const override;
  void focusOutEvent(QFocusEvent* e) override;
  void keyPressEvent(QKeyEvent* e) override;
};

// Puts `items` into a combo box unless it holds them already, without signals; keeps the
// current index. True when the items changed (a bound box then shows its value again).
bool setItems(QComboBox* box, const std::vector<std::string>& items);
bool setItems(QComboBox* box, const QStringList& items);
// Draws a box's text in the normal colour of `iff` on black, as the list shows that group.
void colourBox(QWidget* w, int iff);
// The colour of the label whose trigger or order is being edited: RGB(169,3,145).
inline constexpr QRgb EditedLabelColour = 0xFFA90391;
// A table entry by position, or empty.
std::string entry(const std::vector<std::string>& table, std::size_t i);
// Tab goes through `widgets` in this order: the order the user reads them, left to right and
// top to bottom, whatever order they were made in.
void chainTabOrder(const std::vector<QWidget*>& widgets);

// What every flight-group property tab shares: the document, the tables, the settings and the
// bindings of its controls to the selected flight groups.
class FlightGroupTab : public QWidget {
  Q_OBJECT
 public:
  FlightGroupTab(const EditorContext& context, QWidget* parent = nullptr);
  // Shows what the bindings do not (item lists, labels, colours) for the current flight group.
  // With no flight group left the tab is disabled and shows no values.
  void fill();

 protected:
  virtual void doFill() = 0;
  // Empties every box of the tab (no flight group to show).
  virtual void clearValues();
  // True when there is no flight group to edit: handlers return at once.
  bool quiet() const;
  // Puts items into a bound combo box; when they changed the box shows its value again.
  void setBoundItems(QComboBox* box, const std::vector<std::string>& items);
  // The same for a vocabulary table, which the box lists through the table's shared model.
  void setBoundTable(QComboBox* box, std::string_view table);
  void setBoundItems(QComboBox* box, const QStringList& items);
  Prompter& prompter() const { return prompter_; }
  NumberSpin* spin(const char* name, int min, int max);
  QComboBox* combo(const char* name);
  // One undo step that runs `fn` on every selected flight group; nothing happens when no group
  // would change.
  void editGroups(const QString& text,
                  const std::function<void(const model::Mission&, model::FlightGroup&)>& fn,
                  const QString& mergeKey = {});
  const model::FlightGroup& current() const;

  MissionDocument& doc_;
  const shell::Vocabulary& vocab_;
  shell::Settings& settings_;
  // The controls bound to fields of the selected flight groups.
  FieldBindings* bindings_;

 private:
  Prompter& prompter_;
  bool filled_ = false;
};

}  // namespace app
