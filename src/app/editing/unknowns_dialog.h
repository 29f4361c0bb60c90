#pragma once
// "FG Unknowns": the bytes of the header and of the flight-group record that no page edits. The
// boxes show the current flight group's values; "&OK" checks every box and accepts with the
// values, for the caller to write into every selected flight group and the header.

#include <QDialog>

#include <array>
#include <cstdint>

#include "editing/unknowns.h"

class QCheckBox;
class QGroupBox;
class QLayout;
class QLineEdit;

namespace app {

class Prompter;

struct UnknownValues {
  std::array<std::uint8_t, editing::HeaderUnknowns.size()> header{};
  std::array<std::uint8_t, editing::UnknownBytes.size()> bytes{};
  // 1 ticked, 0 cleared, -1 left partly ticked: a byte that held another value, kept as it is.
  std::array<int, editing::UnknownFlags.size()> flags{};
};

class UnknownsDialog : public QDialog {
  Q_OBJECT
 public:
  UnknownsDialog(const model::Header& header, const model::FlightGroup& current, Prompter& prompter,
                 QWidget* parent = nullptr);

  // The values of the boxes; meaningful after the dialog was accepted.
  const UnknownValues& values() const { return values_; }
  void accept() override;

 private:
  QGroupBox* buildCurrentValues(const model::Header& header, const model::FlightGroup& current);
  QLayout* buildByteBoxes(const model::Header& header, const model::FlightGroup& current);
  QLayout* buildFlagBoxes(const model::FlightGroup& current);
  Prompter& prompter_;
  std::array<QLineEdit*, editing::HeaderUnknowns.size()> headerBoxes_{};
  std::array<QLineEdit*, editing::UnknownBytes.size()> byteBoxes_{};
  std::array<QCheckBox*, editing::UnknownFlags.size()> flagBoxes_{};
  UnknownValues values_;
};

}  // namespace app
