#pragma once
// The "Accessories" page: copying the open briefing or its icon positions to another briefing,
// the icons to Start 1, and Auto-Brief.

#include <QWidget>

#include <string>

#include "model/mission.h"

class QCheckBox;
class QComboBox;
class QLineEdit;

namespace app {

struct EditorContext;
class BriefingSession;

class AccessoriesPage : public QWidget {
  Q_OBJECT
 public:
  AccessoriesPage(const EditorContext& context, BriefingSession& session,
                  QWidget* parent = nullptr);

  // The team entries of the target box and the flight groups to begin centred on.
  void fillEntries();

  void copyBriefing();
  void copyIconPositions();
  // Asks, then puts every icon of the open briefing at its flight group's Start 1 point.
  void setIconsToStart1();
  void makeBriefing();
  // "Load matching Vortan .brf file": asks for the file beside the Mission's and imports it into
  // Briefing 1 and the flight groups' briefing points.
  void loadBrfFile(const std::string& missionFile);

 private:
  QString teamEntry(int i) const;
  // The target of a copy; false (with the message) when it is the open briefing.
  bool otherTarget(int& target);

  const EditorContext& ctx_;
  BriefingSession& session_;
  QComboBox* copyTarget_ = nullptr;
  QLineEdit* autoSeconds_ = nullptr;
  QCheckBox* autoBox_ = nullptr;
  QCheckBox* autoCentre_ = nullptr;
  QComboBox* autoCentreOn_ = nullptr;
  QCheckBox* autoZoom_ = nullptr;
  QComboBox* autoZoomPreset_ = nullptr;
};

// Entry i (0..7) of the team list: number, "." and name.
QString briefingTeamEntry(const model::Mission& m, int i);

}  // namespace app
