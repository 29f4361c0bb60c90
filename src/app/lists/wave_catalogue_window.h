#pragma once
// "WAVs included with Zyn": the game's own recordings by voice and side, auditioned on a click,
// one of them chosen for the current message.

#include <QDialog>

#include <functional>
#include <optional>
#include <string>

#include "lists/wave_catalogue.h"
#include "shell/settings.h"

class QCheckBox;
class QComboBox;
class QListWidget;

namespace app {

class WavePlayer;

class WaveCatalogueWindow : public QDialog {
  Q_OBJECT
 public:
  // `choose` takes the chosen entry (relative to the wave folder) and returns whether the window
  // may close (false keeps it open, e.g. when the user declines a duplicate).
  WaveCatalogueWindow(const shell::Settings& settings, WavePlayer& player,
                      std::function<bool(const std::string&)> choose, QWidget* parent = nullptr);

  // The entry of the selected row, or nothing for headings, rules and voices that do not speak
  // for the chosen side.
  std::optional<std::string> selectedEntry() const;

  void accept() override;

 private:
  void fillPhrases();
  void chooseRow(int row);

  shell::Settings settings_;
  WavePlayer& player_;
  std::function<bool(const std::string&)> choose_;
  QComboBox* voice_ = nullptr;
  QComboBox* side_ = nullptr;
  QCheckBox* autoplay_ = nullptr;
  QListWidget* phrases_ = nullptr;
};

}  // namespace app
