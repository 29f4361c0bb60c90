#pragma once
// The "Mission Flow" window (View menu): when each flight group can arrive at the chosen
// difficulty, the messages on a row of their own, what can never happen, and for the current
// flight group what it waits on and what waits on it. It follows every edit at once; a click on
// a row, a mark or a finding asks for that place to be shown in the main window.

#include <QWidget>

#include <string>

#include "flow/analysis.h"

class QComboBox;
class QLabel;
class QListWidget;
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

  const flow::Result& result() const { return result_; }
  flow::Difficulty difficulty() const { return difficulty_; }
  void setDifficulty(flow::Difficulty d);
  FlowTimeline* timeline() const { return timeline_; }
  FlowGraphView* graph() const { return graph_; }

 signals:
  // A row, a mark, a finding or a line of the current group's lists was clicked.
  void placeChosen(const flow::Place& place);

 protected:
  void showEvent(QShowEvent* e) override;
  void hideEvent(QHideEvent* e) override;

 private:
  void analyse();
  void showCurrent();
  void fillFindings();
  void chooseListItem(QListWidgetItem* item);
  int currentGroup() const;

  const EditorContext& ctx_;
  MissionDocument& doc_;
  flow::Difficulty difficulty_ = flow::Difficulty::Medium;
  flow::Result result_;
  bool stale_ = true;
  bool placed_ = false;

  QComboBox* difficultyBox_ = nullptr;
  QLabel* summary_ = nullptr;
  QSplitter* split_ = nullptr;
  QSplitter* side_ = nullptr;
  QTabWidget* tabs_ = nullptr;
  FlowTimeline* timeline_ = nullptr;
  FlowGraphView* graph_ = nullptr;
  QListWidget* findings_ = nullptr;
  QLabel* current_ = nullptr;
  QListWidget* waitsOn_ = nullptr;
  QListWidget* waitedBy_ = nullptr;
};

}  // namespace app
