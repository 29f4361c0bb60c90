#pragma once
// The "Briefing Editor" window: the eight briefings of the Mission, one at a time, with the
// preview page, the instruction list, the tag and text strings and the accessories. The open
// briefing's command list is the window's working copy; every edit of it is written back into
// the briefing record as one undo step of the document (or, above 400 words, kept pending until
// the list is encoded on switching, closing or saving).

#include <QDialog>
#include <QPointer>

#include <functional>
#include <optional>

#include "briefing/commands.h"
#include "briefing/playback.h"
#include "model/mission.h"
#include "shell/settings.h"
#include "shell/vocabulary.h"

class QAction;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QMenu;
class QPushButton;
class QScrollBar;
class QSlider;
class QSpinBox;
class QTabWidget;
class QTableWidget;
class QTimer;
class QToolBar;
class QToolButton;

namespace app {

struct EditorContext;
class MissionDocument;
class Prompter;
class BriefingPreview;
class BriefingStrip;

// What the briefing editor needs from the main window beyond the editor context.
struct BriefingEnvironment {
  std::string missionFile;       // the Mission's file, empty when never saved
  std::function<bool()> save;    // the main window's Save
  std::function<bool()> saveAs;  // and Save As
};

class BriefingWindow : public QDialog {
  Q_OBJECT
 public:
  explicit BriefingWindow(const EditorContext& context, BriefingEnvironment env = {},
                          QWidget* parent = nullptr);
  ~BriefingWindow() override;

  int briefingNumber() const { return b_; }
  const briefing::CommandList& commands() const { return list_; }
  int selected() const { return selected_; }
  bool pending() const { return pending_; }
  briefing::Player& player() { return player_; }
  bool inserting() const { return inserting_ != 0; }
  const model::Mission& mission() const;

  // Shows briefing b (0..7), encoding a pending list first.
  void showBriefing(int b);
  // Writes a pending list into the briefing record.
  void encodePending();
  void selectInstruction(int position);

  // Instruction commands of the tool bar and pop-up menu (on the page in front).
  void insertInstruction(int code);
  void deleteInstruction();
  void moveInstructionUp();
  void moveInstructionDown();
  // Ends a preview insertion.
  void finishInsertion(bool done);

  // Playback.
  void play();
  void pausePlayback();
  void rewindAndStop();
  void rewindAndPlay();
  void seekTo(int ticks);

  // Mouse on the preview map (screen pixels of the 562 x 355 map).
  void mapPressed(QPoint at);
  void mapMoved(QPoint at);
  void mapReleased();

 protected:
  void closeEvent(QCloseEvent* e) override;
  void keyPressEvent(QKeyEvent* e) override;
  void reject() override;

 private:
  void build();
  QWidget* buildPreviewPage();
  QWidget* buildListPage();
  QWidget* buildStringsPage();
  QWidget* buildAccessoriesPage();
  void buildMenu();
  void fillTeamEntries();
  void refillBriefing();
  void rebuildList();
  void fillCurrentInstruction();
  void updateActions();
  void updatePlaybackLabels();
  void onDocumentChanged(unsigned what);
  void onPageChanged(int index);
  void showPopup(QWidget* from, QPoint at);
  // Sorts, redisplays and writes the list into the record as one undo step.
  void commitList(const QString& undoText);
  void writeList(const briefing::CommandList& list, const QString& undoText);
  void edited(const std::function<void(briefing::Command&)>& fn, const QString& undoText);
  void onTimeStep(int value);
  void onCommandChosen(int index);
  void onParameterChosen(int index);
  void onXEdited();
  void onYEdited();
  void onColourChosen(int index);
  void onRunningTimeEdited();
  void onUnknownEdited(int which);
  void onSeenByChanged();
  void onStringEdited(bool tags, int row, int column);
  void copyBriefing();
  void copyIconPositions();
  void setIconsToStart1();
  void makeBriefing();
  void loadBrfFile();
  void saveMission();
  void tick();
  void setPlaying(bool on);
  void redrawPreview();
  void startInsertionGroup(int code);
  void setInsertionMode(bool on);
  std::vector<std::string> flightGroupNames() const;
  QString teamEntry(int i) const;
  int snapValue(int value, bool xAxis) const;

  const EditorContext& ctx_;
  BriefingEnvironment env_;
  MissionDocument& doc_;
  Prompter& prompter_;
  int b_ = 0;
  briefing::CommandList list_;
  int selected_ = 0;
  bool pending_ = false;
  bool filling_ = false;
  bool writing_ = false;
  briefing::Player player_;
  QTimer* timer_ = nullptr;

  // A preview insertion in progress: its code, position and what to go back to on "Cancel".
  int inserting_ = 0;
  int insertAt_ = -1;
  briefing::CommandList beforeInsert_;
  briefing::DisplayState viewBeforeInsert_;
  int selectedBeforeInsert_ = 0;

  // Dragging on the map.
  int dragGroup_ = -1;
  int dragTag_ = -1;
  bool snapChosen_ = false;
  int dragSerial_ = 0;

  QToolBar* toolBar_ = nullptr;
  QTabWidget* pages_ = nullptr;
  int lastPage_ = 0;
  QMenu* popup_ = nullptr;
  QAction *upAct_, *downAct_, *deleteAct_, *stopAct_, *moveAct_, *zoomAct_, *textAct_, *boxAct_,
      *clearBoxesAct_, *tagAct_, *clearTagsAct_, *brfAct_, *saveAct_, *prevAct_, *nextAct_;
  QAction *menuPlay_, *menuPause_, *menuStop_, *menuDelete_, *menuUp_, *menuDown_, *menuStart1_,
      *sepPlay_, *sepEdit_, *sepStart1_;

  // Preview page.
  BriefingPreview* preview_ = nullptr;
  BriefingStrip* description_ = nullptr;
  BriefingStrip* caption_ = nullptr;
  QWidget* playbackRow_ = nullptr;
  QSlider* timeBar_ = nullptr;
  QCheckBox* pauseAtStops_ = nullptr;
  QCheckBox* showNames_ = nullptr;
  QComboBox* xSnap_ = nullptr;
  QComboBox* ySnap_ = nullptr;
  QToolButton* lockX_ = nullptr;
  QToolButton* lockY_ = nullptr;
  QLabel* timeLabel_ = nullptr;
  QLabel* instructionLabel_ = nullptr;
  QLabel* mouseXLabel_ = nullptr;
  QLabel* mouseYLabel_ = nullptr;
  QListWidget* seenBy_ = nullptr;
  QLineEdit* runningTime_ = nullptr;
  QGroupBox* insertGroup_ = nullptr;
  QWidget* zoomRow_ = nullptr;
  QSlider* zoomBar_ = nullptr;
  QLabel* zoomLabel_ = nullptr;
  QWidget* moveRow_ = nullptr;
  QScrollBar* moveX_ = nullptr;
  QScrollBar* moveY_ = nullptr;
  QComboBox* insertChoice_ = nullptr;
  QComboBox* insertColour_ = nullptr;
  QWidget* sideColumn_ = nullptr;

  // Instruction list page.
  QListWidget* instructions_ = nullptr;
  QLabel* wordCount_ = nullptr;
  QSpinBox* time_ = nullptr;
  QLabel* timeCaption_ = nullptr;
  QComboBox* command_ = nullptr;
  QLabel* parameterCaption_ = nullptr;
  QComboBox* parameter_ = nullptr;
  QLabel* xCaption_ = nullptr;
  QLineEdit* x_ = nullptr;
  QLabel* yCaption_ = nullptr;
  QLineEdit* y_ = nullptr;
  QLabel* colourCaption_ = nullptr;
  QComboBox* colour_ = nullptr;
  QComboBox* increment_ = nullptr;
  QCheckBox* adjustFollowing_ = nullptr;
  std::array<QLineEdit*, 3> unknowns_{};

  // Strings page.
  QTableWidget* tagsGrid_ = nullptr;
  QTableWidget* stringsGrid_ = nullptr;

  // Accessories page.
  QComboBox* copyTarget_ = nullptr;
  QLineEdit* autoSeconds_ = nullptr;
  QCheckBox* autoBox_ = nullptr;
  QCheckBox* autoCentre_ = nullptr;
  QComboBox* autoCentreOn_ = nullptr;
  QCheckBox* autoZoom_ = nullptr;
  QComboBox* autoZoomPreset_ = nullptr;
};

}  // namespace app
