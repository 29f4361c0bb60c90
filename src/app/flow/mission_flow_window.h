#pragma once
// The "Mission Flow" window (View menu): when each flight group can arrive at Easy, Medium and
// Hard side by side (or at the one chosen), the messages on a row of their own, what can never
// happen and, apart and quieter, where the game decides (advisories, which can be hidden), each
// with its chain of why; for the current flight group what it waits on and what waits on it. It
// follows every edit at once; a click on a row, a mark, a finding or a step of its chain asks for
// that place to be shown in the main window.

#include <QWidget>

#include <string>

#include "flow/analysis.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QListWidget;
class QScrollArea;
class QListWidgetItem;
class QSplitter;
class QTabWidget;

namespace app {

struct EditorContext;
class FlowGraphView;
class FlowTimeline;
class MissionDocument;

class MissionFlowWindow : public QWidget {
  Q_OBJECT
 public:
  explicit MissionFlowWindow(const EditorContext& context, QWidget* parent = nullptr);
  ~MissionFlowWindow() override;

  // The analysis at every level.
  const flow::Result& result() const { return result_; }
  // The levels shown: all three, or the one chosen in "Difficulty:".
  flow::Levels shownLevels() const { return shown_; }
  void showLevels(flow::Levels levels);
  FlowTimeline* timeline() const { return timeline_; }
  FlowGraphView* graph() const { return graph_; }

 signals:
  // A row, a mark, a finding, a step or a line of the current group's lists was clicked.
  void placeChosen(const flow::Place& place);

 protected:
  void showEvent(QShowEvent* e) override;
  void hideEvent(QHideEvent* e) override;

 private:
  void buildControls();
  QWidget* buildSide();
  void connectSignals();
  void analyse();
  void refreshView();
  void showSummary();
  void fillFindings(QListWidget* list, const std::vector<flow::Finding>& items,
                    const QString& none);
  void showCurrent();
  // What the current group waits on and what waits on it.
  void showWaits(int group);
  void showWaitedBy(int group);
  // A group's times at the levels shown.
  QString groupTimes(int group) const;
  void chooseListItem(QListWidgetItem* item);
  int currentGroup() const;
  // The level the graph and the current group's lists speak of: the one chosen, else Medium.
  flow::Difficulty mainLevel() const;

  const EditorContext& ctx_;
  MissionDocument& doc_;
  flow::Levels shown_ = flow::Levels::all();
  flow::Result result_;
  bool stale_ = true;
  bool placed_ = false;

  QComboBox* difficultyBox_ = nullptr;
  QLabel* summary_ = nullptr;
  QSplitter* split_ = nullptr;
  QSplitter* side_ = nullptr;
  QTabWidget* tabs_ = nullptr;
  FlowTimeline* timeline_ = nullptr;
  QScrollArea* timelineScroll_ = nullptr;
  FlowGraphView* graph_ = nullptr;
  QListWidget* findings_ = nullptr;
  QCheckBox* showAdvisories_ = nullptr;
  QListWidget* advisories_ = nullptr;
  QLabel* current_ = nullptr;
  QListWidget* waitsOn_ = nullptr;
  QListWidget* waitedBy_ = nullptr;
};

}  // namespace app
