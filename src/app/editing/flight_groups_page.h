#pragma once
// The "Flight Groups" page of the main window: the flight-group list, the clipboard box, the
// status labels and the tabbed property pages of the selected flight groups.

#include <QList>
#include <QWidget>

class QAction;
class QLabel;
class QLineEdit;
class QTabWidget;

namespace shell {
class Vocabulary;
struct Settings;
}  // namespace shell

namespace app {

class MissionDocument;
class ShipList;
class ShipPage;
class OptionsPage;
class OtherPage;

// Hosts the list of flight groups and the pages that edit the selected ones.
class FlightGroupsPage : public QWidget {
  Q_OBJECT
 public:
  FlightGroupsPage(MissionDocument& doc, const shell::Vocabulary& vocab, shell::Settings& settings,
                   QWidget* parent = nullptr);
  ~FlightGroupsPage() override;

  // The main window's file commands, shown after the list's own commands in its pop-up menu.
  void setFileActions(const QList<QAction*>& actions);
  // An empty container on the "Other" tab that takes the mission settings panel.
  QWidget* missionSettingsArea() const;

  ShipList* shipList() const { return list_; }
  QTabWidget* pages() const { return pages_; }

 public slots:
  void newFlightGroup();
  void deleteSelected();
  void moveUp();
  void moveDown();
  void cut();
  void copy();
  void paste();
  void toggleGoalSummary();
  // Rebuilds the list and refills the shown page from the Mission.
  void refresh();

 private:
  void onChanged(unsigned what);
  void updateBuffer();
  void updateStatus();
  void fillCurrentPage();

  MissionDocument& doc_;
  const shell::Vocabulary& vocab_;
  shell::Settings& settings_;
  ShipList* list_ = nullptr;
  QLineEdit* bufEd_ = nullptr;
  QLabel* fgInfo_ = nullptr;
  QLabel* craftLab_ = nullptr;
  QLabel* atStartLab_ = nullptr;
  QLabel* objectsLab_ = nullptr;
  QTabWidget* pages_ = nullptr;
  ShipPage* ship_ = nullptr;
  OptionsPage* options_ = nullptr;
  OtherPage* other_ = nullptr;
  QWidget* missionSettings_ = nullptr;
};

}  // namespace app
