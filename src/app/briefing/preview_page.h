#pragma once
// The "WYSIWYG" page: the preview map between its description and caption strips, the playback
// buttons, time bar and labels, the snap, lock, "Seen by:" and running-time controls, and the
// "Insert instruction" group while an instruction is placed. The mouse on the map is handed to
// the preview tools (icon drag, tag drag, placing).

#include <QWidget>

#include <memory>

#include "app/briefing/preview_tools.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QListWidget;
class QScrollBar;
class QSlider;
class QToolButton;

namespace app {

struct EditorContext;
class BriefingPreview;
class BriefingSession;
class BriefingStrip;
class FieldBindings;
class PlaybackController;

class PreviewPage : public QWidget, public PreviewHost {
  Q_OBJECT
 public:
  PreviewPage(const EditorContext& context, BriefingSession& session, PlaybackController& playback,
              QWidget* parent = nullptr);
  ~PreviewPage() override;

  BriefingPreview* map() const { return map_; }
  void setDescription(const QString& text);
  // The team entries of "Seen by:".
  void fillEntries();

  // "Play" with the running time as typed.
  void play();
  // Inserts an instruction at the preview's time: placed on the map unless it is complete.
  void insert(int code);
  // A drag or a placement is under way; cancel puts back what it changed.
  bool gestureActive() const;
  void cancelGesture();

  // PreviewHost
  briefing::Player& player() override;
  int snap(int value, bool xAxis) const override;
  bool locked(bool xAxis) const override;
  void redraw(bool layer) override;

 signals:
  void popupRequested(QWidget* from, QPoint at);
  // A gesture began or ended, a placement opened or closed.
  void gestureChanged();

 private:
  QWidget* buildMapColumn();
  void buildMap(QWidget* column);
  QWidget* buildPlaybackRow(QWidget* column);
  QSlider* buildTimeBar(QWidget* column);
  QHBoxLayout* buildPlayLabels(QWidget* column);
  QWidget* buildSideColumn();
  QGroupBox* buildPlacementGroup();
  void buildZoomRow(QWidget* group);
  void buildMoveRow(QWidget* group);
  void onPlacementChanged();
  void updateLabels();
  // "Seen by:" and the running time are bound to the record; the preview follows it.
  void bindRecord();
  void followRecord();
  // The entry chosen in the placement group (the first one when it opens).
  void choosePlaced();
  void hovered(QPoint at);

  const EditorContext& ctx_;
  BriefingSession& session_;
  PlaybackController& playback_;
  IconDragTool icons_;
  TagDragTool tags_;
  PlaceInstructionTool place_;
  bool snapChosen_ = false;

  BriefingPreview* map_ = nullptr;
  BriefingStrip* description_ = nullptr;
  BriefingStrip* caption_ = nullptr;
  QWidget* playbackRow_ = nullptr;
  QSlider* timeBar_ = nullptr;
  QLabel* timeLabel_ = nullptr;
  QLabel* instructionLabel_ = nullptr;
  QLabel* mouseXLabel_ = nullptr;
  QLabel* mouseYLabel_ = nullptr;

  QWidget* sideColumn_ = nullptr;
  QCheckBox* pauseAtStops_ = nullptr;
  QCheckBox* showNames_ = nullptr;
  QComboBox* xSnap_ = nullptr;
  QComboBox* ySnap_ = nullptr;
  QToolButton* lockX_ = nullptr;
  QToolButton* lockY_ = nullptr;
  QListWidget* seenBy_ = nullptr;
  QLineEdit* runningTime_ = nullptr;
  FieldBindings* bindings_ = nullptr;

  QGroupBox* placeGroup_ = nullptr;
  QWidget* zoomRow_ = nullptr;
  QSlider* zoomBar_ = nullptr;
  QLabel* zoomLabel_ = nullptr;
  QWidget* moveRow_ = nullptr;
  QScrollBar* moveX_ = nullptr;
  QScrollBar* moveY_ = nullptr;
  QComboBox* choice_ = nullptr;
  QComboBox* colour_ = nullptr;
};

}  // namespace app
