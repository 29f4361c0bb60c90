#pragma once
// The "Briefing Editor" window: the eight briefings of the Mission, one at a time, as four
// pages over one BriefingSession (the preview with its playback, the instruction list, the tag
// and text strings, the accessories). Its keys are actions from its own table: Undo and Redo
// on the document's stack work inside this modal window, Save and Save As call the main
// window's, Delete asks as the main window does.

#include <QDialog>

#include <functional>
#include <memory>
#include <string>

#include "app/base/actions.h"
#include "briefing/commands.h"
#include "briefing/playback.h"
#include "model/mission.h"

class QAction;
class QMenu;
class QTabWidget;
class QToolBar;

namespace app {

struct EditorContext;
class AccessoriesPage;
class BriefingSession;
class InstructionsPage;
class MissionDocument;
class PlaybackController;
class PreviewPage;
class StringsPage;

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
  // Runs the editor modally where the user last left it, the first time 15 pixels above its
  // place centred over `parent`, and remembers its size and place for the next time.
  static int run(const EditorContext& context, BriefingEnvironment env, QWidget* parent);

  BriefingSession& session() const { return *session_; }
  PlaybackController& playback() const { return *playback_; }
  int briefingNumber() const;
  const ::briefing::CommandList& commands() const;
  int selected() const;
  bool pending() const;
  ::briefing::Player& player();
  bool inserting() const;
  const model::Mission& mission() const;

  // Shows briefing b (0..7), storing a pending list first.
  void showBriefing(int b);
  // Writes a pending list into the briefing record.
  void encodePending();
  // Stops playing and seeks the preview to `ticks`.
  void seekTo(int ticks);
  // Briefing b with its instruction at `position` selected on the page in front, the
  // instruction list ("Where is it used?").
  void showInstruction(int b, int position);
  // Briefing b with its text string `row` current on the page in front, the strings.
  void showText(int b, int row);

  // The window's commands, their keys and what they do.
  // Its actions' names in the "Keys" section go after this ("BrfForm/…"; empty: bare names).
  static constexpr const char* KeyGroup = "BrfForm";
  static const std::vector<ActionSpec<BriefingWindow>>& actionTable();
  const ActionSet& actions() const { return *actions_; }

 protected:
  void closeEvent(QCloseEvent* e) override;
  void reject() override;

 private:
  void buildActions();
  QTabWidget* buildPages();
  void connectSignals();
  void buildPopup();
  QAction* act(const char* id) const;
  void insertInstruction(int code);
  void deleteInstruction();
  // A move or deletion of the selected instruction, on any page.
  void editList(const std::function<void()>& edit);
  void undo();
  void redo();
  bool canUndo() const;
  bool canRedo() const;
  void saveMission(bool as);
  void updateActions();
  void onShown();
  void onPageChanged(int index);
  void showPopup(QWidget* from, QPoint at);
  void finishGestures();
  void fillEntries();

  const EditorContext& ctx_;
  BriefingEnvironment env_;
  MissionDocument& doc_;
  std::unique_ptr<BriefingSession> session_;
  std::unique_ptr<PlaybackController> playback_;
  std::unique_ptr<ActionSet> actions_;

  QToolBar* toolBar_ = nullptr;
  QTabWidget* pages_ = nullptr;
  int lastPage_ = 0;
  PreviewPage* preview_ = nullptr;
  InstructionsPage* list_ = nullptr;
  StringsPage* strings_ = nullptr;
  AccessoriesPage* accessories_ = nullptr;
  // The pop-up menus of the preview page and of the instruction list.
  QMenu* previewPopup_ = nullptr;
  QMenu* listPopup_ = nullptr;
};

}  // namespace app
