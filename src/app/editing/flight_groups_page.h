#pragma once
// The "Flight Groups" page of the main window: the flight-group list, the clipboard box, the
// status labels and the tabbed property pages of the selected flight groups.

#include <QList>
#include <QWidget>

#include <functional>
#include <vector>

#include "app/document/mission_document.h"
#include "editing/flight_group_ops.h"

class QAction;
class QLabel;
class QLineEdit;
class QSplitter;
class QTabWidget;

namespace shell {
class Vocabulary;
struct Settings;
}  // namespace shell

namespace app {

struct EditorContext;
class Prompter;
class ShipList;
class ShipPage;
class OptionsPage;
class OtherPage;
class OrdersPage;

// Hosts the list of flight groups and the pages that edit the selected ones.
class FlightGroupsPage : public QWidget {
  Q_OBJECT
 public:
  // Sub-tab positions of `FGPages`.
  enum Tab {
    ShipTab = 0,
    OptionsTab,
    ArrivalTab,
    DepartureTab,
    GoalsTab,
    OrdersTab,
    WPsTab,
    OtherTab
  };

  FlightGroupsPage(const EditorContext& context, QWidget* parent = nullptr);
  ~FlightGroupsPage() override;

  // The main window's file commands, shown after the list's own commands in its pop-up menu.
  void setFileActions(const QList<QAction*>& actions);
  // The whole pop-up menu from the window's actions (the list's own commands included), so that
  // it shows the same commands with the same icons and keys as the menu bar.
  void setPopupActions(const QList<QAction*>& actions);
  // Runs `fill` with the empty container on the "Other" tab that takes the mission settings
  // panel, once that tab is built (it is built when first shown).
  void whenMissionSettingsArea(std::function<void(QWidget* area)> fill);

  ShipList* shipList() const { return list_; }
  QTabWidget* pages() const { return pages_; }
  // The frame of a sub-tab; every tab but Ship is built into its frame when first shown.
  QWidget* tabFrame(Tab tab) const;
  // What builds a tab the page leaves to others (WPs); before the tab is built.
  void setTabBuild(Tab tab, std::function<QWidget*(QWidget* frame)> build);
  bool goalSummary() const { return goalSummary_; }

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
  // The constructor's steps: the list's column, the sub-tabs, the handlers.
  QWidget* buildListColumn();
  void buildPages();
  void connectSignals();
  void onChanged(Changes what, const ChangeSet& c);
  void onListSelection(std::vector<int> rows, int current);
  void rebuildList();
  void rebuildLines(const std::vector<int>& rows);
  // The list's settings for new and pasted groups go to the document's defaults.
  void syncDefaults();
  void updateBuffer();
  void updateStatus();
  void fillCurrentPage();
  const EditorContext& ctx_;
  MissionDocument& doc_;
  const shell::Vocabulary& vocab_;
  shell::Settings& settings_;
  Prompter& prompter_;
  ShipList* list_ = nullptr;
  QLineEdit* bufEd_ = nullptr;
  QLabel* fgInfo_ = nullptr;
  QLabel* craftLab_ = nullptr;
  QLabel* atStartLab_ = nullptr;
  QLabel* objectsLab_ = nullptr;
  QTabWidget* pages_ = nullptr;
  QSplitter* split_ = nullptr;
  ShipPage* ship_ = nullptr;
  OptionsPage* options_ = nullptr;
  OtherPage* other_ = nullptr;
  OrdersPage* orders_ = nullptr;
  std::vector<QWidget*> frames_;
  QList<QAction*> listActions_;
  QList<QAction*> fileActions_;
  bool goalSummary_ = false;
  int shownCurrent_ = -1;
};

}  // namespace app
