#pragma once
// The "Flight Group Map" window: the battle space seen from above or from the side. It reads the
// Mission through the document, shares the document's selection (current flight group and
// current point) and changes the Mission only through document operations; a drag is one undo
// step. Closing the window only hides it.

#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <memory>
#include <optional>
#include <utility>
#include <vector>

#include "app/base/actions.h"
#include "app/document/editor_context.h"
#include "app/map/map_canvas.h"
#include "app/map/map_tools.h"
#include "map/filters.h"
#include "map/scene.h"
#include "model/mission_edit.h"
#include "shell/settings.h"
#include "shell/vocabulary.h"

class QAbstractButton;
class QAction;
class QButtonGroup;
class QCheckBox;
class QComboBox;
class QHBoxLayout;
class QLabel;
class QListWidget;
class QScrollBar;
class QSlider;
class QToolButton;

namespace app {

class MissionDocument;
class MapWaypointWindow;

class MapWindow : public QWidget, private MapToolHost {
  Q_OBJECT
 public:
  explicit MapWindow(const EditorContext& context, QWidget* parent = nullptr);
  ~MapWindow() override;

  const map::MapState& mapState() const override { return state_; }
  const map::MapFilters& filters() const { return filters_; }
  MapCanvas* canvas() const { return canvas_; }
  // Shows and raises the window (the main window's map command).
  void showMap();
  // Full repaint.
  void redraw() override;
  // Puts the map-unit point on the two view axes at the window centre.
  void centreOn(map::ViewPoint at) override;
  // Moves the view to the pan offset `panX`, `panY` (pixels), or by `dx`, `dy` pixels.
  void panTo(double panX, double panY) override;
  void panBy(double dx, double dy);
  void fitToBattlefield();
  void setPlane(map::Plane p);
  void setZoom(int zoom) override;
  void zoomKeeping(int zoom, map::ViewPoint at, QPointF pixel) override;
  // Recomputes the shown flags from the filter buttons.
  void applyFilters();
  // Whether a drag (or a placement) is under way.
  bool dragging() const { return tools_.dragging(); }
  // Opens the waypoint grid of the current flight group.
  void editWaypoints();
  // The window's command of that id.
  QAction* action(QStringView id) const;
  // The window's commands, their keys and what they do (map_actions.cpp).
  // Its actions' names in the "Keys" section go after this ("MapForm/…"; empty: bare names).
  static constexpr const char* KeyGroup = "MapForm";
  static const std::vector<ActionSpec<MapWindow>>& actionTable();
  const ActionSet& actions() const { return *actions_; }

 signals:
  // "Back to main window".
  void backToMain();
  // Ctrl+S / Ctrl+Shift+S: the main window's Save and Save As.
  void saveRequested();
  void saveAsRequested();

 protected:
  bool event(QEvent* e) override;
  void closeEvent(QCloseEvent* e) override;
  void hideEvent(QHideEvent* e) override;

 private:
  // The controls (map_controls.cpp): built row by row and panel by panel, bound to the states
  // they start with, then connected.
  void buildControls();
  QHBoxLayout* buildViewRow();
  QHBoxLayout* buildFilterRow();
  QHBoxLayout* buildDrawRow();
  QWidget* buildListPanel();
  QWidget* buildMapArea();
  QWidget* buildOptionsPanel();
  QHBoxLayout* buildReadout();
  std::vector<std::pair<QCheckBox*, bool map::MapToggles::*>> optionToggles() const;
  void bindControls();
  void connectControls();
  void connectCommandButtons();
  void connectViewRow();
  void connectFilterRow();
  void connectToggleRow();
  void connectPanels();
  void buildActions();
  QToolButton* button(const char* name, const QString& text, const QString& hint,
                      bool checkable = false);
  void firstActivation();
  void activated();
  void resetView();
  void afterMissionReplaced();
  void applyAutoCentre();
  void onDocumentChanged(const model::ChangeSet& c);
  void onSelectionChanged();
  void refillLists();
  // The list panel's selection is the shown flags, both ways: set in one go, read on any change
  // (a click, the keyboard).
  void showShownInList();
  void listSelectionChanged();
  void syncControls();
  void updateScrollBars();
  // The zoom bar and its label show `zoom` the window set itself: the bar's own signal, which
  // zooms about the centre, stays quiet.
  void showZoom(int zoom);
  void zoomBarMoved(int value);
  void selectAllShown();
  void setCurrent(int fg, bool centre);
  void setToggle(bool map::MapToggles::*flag, bool on);
  void setBriefingMode(bool on);
  // The lock buttons name the axes of the plane shown.
  void updateLockCaptions();
  // The wheel zooms about the point under the cursor; with Shift it pans.
  void canvasWheel(QPointF at, QPoint angleDelta, Qt::KeyboardModifiers modifiers);
  // The craft type of the palette cell under `at`.
  QString paletteTip(QPointF at, QRect& area) const;
  // The window's size and place, kept for the next run.
  void rememberPlace() const;
  void setPaletteTeam(int team);
  void deleteCurrent();
  int currentPoint() const;
  void setCurrentPoint(std::size_t point);

  void canvasResized(QSize size);
  // The current flight group and point as the canvas's accessible value.
  void tellCurrent();

  // MapToolHost
  MissionDocument& document() override { return doc_; }
  const shell::Settings& mapSettings() const override { return settings_; }
  QString craftName(int craftType) const override;
  void pick(int fg, std::size_t point, bool keepSelection) override;
  void placed(int fg) override;
  void dragStarted(const std::vector<int>& groups) override;
  void dragEnded() override;
  void zoomOutOnDoubleClick() override;
  void pointerAt(QPointF at) override;
  void note(QPointF at, const QString& text) override;

  EditorContext ctx_;
  MissionDocument& doc_;
  shell::Settings& settings_;
  const shell::Vocabulary& vocab_;
  map::MapState state_;
  map::MapFilters filters_;
  bool started_ = false;
  bool atOrBeyondFit_ = false;
  int fitZoom_ = map::DefaultZoom;
  bool missionReplaced_ = false;
  std::optional<map::MapView> viewBeforeBriefing_;  // restored when briefing mode ends
  int wheelTurn_ = 0;                               // eighths of a degree not yet a whole notch
  MapTools tools_{*this};

  MapCanvas* canvas_ = nullptr;
  QSlider* zoomBar_ = nullptr;
  QLabel* zoomLabel_ = nullptr;
  QLabel* readH_ = nullptr;
  QLabel* readV_ = nullptr;
  QScrollBar* xScroll_ = nullptr;
  QScrollBar* yScroll_ = nullptr;
  QComboBox* selectionBox_ = nullptr;
  QListWidget* mapList_ = nullptr;
  QWidget* listPanel_ = nullptr;
  QWidget* optionsPanel_ = nullptr;
  QToolButton *xy_ = nullptr, *xz_ = nullptr, *yz_ = nullptr;
  QToolButton *namesOn_ = nullptr, *allWPs_ = nullptr, *currWPs_ = nullptr, *currOnly_ = nullptr;
  QToolButton *showList_ = nullptr, *showOptions_ = nullptr, *paletteOn_ = nullptr;
  QToolButton *lockBtn_ = nullptr, *lockX_ = nullptr, *lockY_ = nullptr;
  QToolButton *teamUp_ = nullptr, *teamDown_ = nullptr;
  QToolButton *showStart_ = nullptr, *allIff_ = nullptr;
  std::array<QToolButton*, 6> iffButtons_{};
  std::array<QToolButton*, 6> classButtons_{};
  std::array<QToolButton*, 3> difficultyButtons_{};
  std::array<QToolButton*, 4> autoCentreButtons_{};
  QCheckBox *linkWPs_ = nullptr, *linkHyper_ = nullptr, *showTime_ = nullptr,
            *showDistances_ = nullptr, *briefMode_ = nullptr;
  QButtonGroup *planes_ = nullptr, *xSnap_ = nullptr, *ySnap_ = nullptr;
  QPointer<MapWaypointWindow> wpWindow_;
  std::unique_ptr<ActionSet> actions_;
};

}  // namespace app
