#pragma once
// The preview's playback: the player of the open briefing driven by the 45 ms timer, and the
// buttons' commands. No widgets: the page shows `player().view()` whenever `frame` is emitted.

#include <QObject>

#include "briefing/playback.h"

class QTimer;

namespace app {

class BriefingSession;

class PlaybackController : public QObject {
  Q_OBJECT
 public:
  explicit PlaybackController(BriefingSession& session, QObject* parent = nullptr);

  briefing::Player& player() { return player_; }
  const briefing::Player& player() const { return player_; }
  bool playing() const { return player_.playing(); }

  // "Play" with the running time typed in the editor; refused with a notice when there is
  // nothing to play or the running time is zero.
  void play(int runningTime);
  void pause();
  void rewind();
  void rewindAndStop();
  void stepTick();
  void nextInstruction();
  void previousInstruction();
  void nextStopPoint();
  // Seeks to `ticks` (only while stopped).
  void seek(int ticks);
  // Follows the session: another briefing, its running time, its tags.
  void reset();

 signals:
  // The view, the time or the current instruction changed.
  void frame();
  void playingChanged(bool playing);
  void notice(const QString& text);

 private:
  void tick();
  void after(bool wasPlaying);

  BriefingSession& session_;
  briefing::Player player_;
  QTimer* timer_;
};

}  // namespace app
