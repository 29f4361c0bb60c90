#pragma once
// The briefing preview's playback engine. It plays a command list on a virtual clock of ticks
// (1/20 s): whatever drives it (a 45 ms timer in the editor, a loop in the picture export, a
// test) calls tick(). It holds no timer and draws nothing; painters read view().

#include <array>
#include <string>

#include "briefing/commands.h"
#include "model/texts.h"

namespace briefing {

// Screen geometry of the preview map.
inline constexpr int PreviewWidth = 562;
inline constexpr int PreviewHeight = 355;
inline constexpr int MapScale = 160;  // map units per zoom step (screens 800 pixels and wider)

// Pixel offset that puts map coordinate v at the centre at this zoom... of a move target.
int pixelOffset(int mapValue, int zoom);
// Screen position of a map coordinate, and back (a zoom of 0 counts as 4).
int toScreenX(const DisplayState& s, int x);
int toScreenY(const DisplayState& s, int y);
int toMapX(const DisplayState& s, int screenX);
int toMapY(const DisplayState& s, int screenY);
// Map units of a scroll of the view by `pixels` at this zoom: how far "Move Map" moves the map.
int scrollToMap(int pixels, int zoom);

enum class PlayStart { Started, NoInstructions, ZeroRunningTime };
inline constexpr const char* NoInstructionsMessage =
    ZYNED_TEXT("core", "There are no instruction to playback");
inline constexpr const char* ZeroTimeMessage =
    ZYNED_TEXT("core", "This Brief's running time is set to zero seconds");

class Player {
 public:
  // The list the player runs; it keeps a pointer and stores snapshots in the commands.
  void setCommands(CommandList* commands) { commands_ = commands; }
  // Tag texts, for how many characters a tag can reveal.
  void setTags(const std::array<std::string, model::briefing::StringCount>& tags) { tags_ = tags; }
  void setRunningTime(int ticks) { runningTime_ = ticks; }
  int runningTime() const { return runningTime_; }
  void setPauseAtStops(bool on) { pauseAtStops_ = on; }
  bool pauseAtStops() const { return pauseAtStops_; }

  const DisplayState& view() const { return view_; }
  DisplayState& view() { return view_; }
  int time() const { return t_; }
  int current() const { return current_; }
  bool playing() const { return playing_; }
  // Set after every change the picture shows; the caller clears it when it has drawn.
  bool dirty = true;

  // Start playing; refused with nothing to play or a zero running time.
  PlayStart play(int eventWordsUsed);
  // Stop playing; a zoom in progress ends at its target.
  void pause();
  void rewind();
  void rewindAndStop() {
    pause();
    rewind();
  }
  // One timer step: a pending jump, t+1, the animation, then the commands that are due.
  void tick();
  // "Advance 0.05 seconds".
  void stepTick() {
    pause();
    tick();
  }
  void nextInstruction();
  // Runs the commands up to the next stop point (or the end), each settled at once; the one
  // reached runs again before the next tick (a jump pending) and the clock stands one tick on.
  void nextStopPoint();
  void previousInstruction();
  // Plays from the start without pausing at stop points until t reaches `ticks` (at most the
  // running time): the state the preview shows at that moment. Playing stops.
  void seek(int ticks);

  // The command the editor has selected; with a jump pending it runs before the next tick.
  void select(int position) { selected_ = position; }
  int selected() const { return selected_; }
  void setJumpPending() { jumpPending_ = true; }
  bool jumpPending() const { return jumpPending_; }

  // Runs one command on the view and keeps the snapshot in it.
  void execute(int position);
  // Ends every motion at once: offsets and zoom at their targets, boxes drawn, tags whole.
  void finishMotions();
  // Takes over a command's snapshot.
  void restore(const Command& c);
  // One step of the animation: zooming, moving, box shrinking, tag typing.
  void animate();

 private:
  int size() const { return commands_ ? static_cast<int>(commands_->size()) : 0; }
  int tagLength(int position) const;
  void setMoveTarget(int mx, int my, bool jump);

  CommandList* commands_ = nullptr;
  std::array<std::string, model::briefing::StringCount> tags_;
  DisplayState view_;
  int runningTime_ = 600;
  int t_ = 0;
  int current_ = 0;
  int selected_ = 0;
  bool playing_ = false;
  bool pauseAtStops_ = false;
  bool jumpPending_ = false;
  bool rewinding_ = false;
  bool seeking_ = false;
};

}  // namespace briefing
