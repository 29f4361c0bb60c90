#include "app/briefing/playback_controller.h"

#include <QTimer>

#include "app/base/translations.h"
#include "app/briefing/briefing_session.h"

namespace app {

namespace brf = briefing;
namespace rec = model::briefing;

PlaybackController::PlaybackController(BriefingSession& session, QObject* parent)
    : QObject(parent), session_(session), timer_(new QTimer(this)) {
  timer_->setInterval(45);
  connect(timer_, &QTimer::timeout, this, &PlaybackController::tick);
  player_.setCommands(session_.playerList());
  reset();
}

void PlaybackController::reset() {
  const model::Briefing& r = session_.record();
  player_.setTags(r.tags);
  player_.setRunningTime(r.get(rec::RunningTime));
}

// The timer runs exactly while the player plays; the page hears of every change.
void PlaybackController::after(bool wasPlaying) {
  const bool now = player_.playing();
  if (now && !timer_->isActive()) timer_->start();
  if (!now) timer_->stop();
  player_.dirty = true;
  if (now != wasPlaying) emit playingChanged(now);
  emit frame();
}

void PlaybackController::play(int runningTime) {
  const bool was = playing();
  player_.setRunningTime(runningTime);
  switch (player_.play(session_.record().get(rec::EventWordsUsed))) {
    case brf::PlayStart::NoInstructions:
      emit notice(coreText(brf::NoInstructionsMessage));
      return;
    case brf::PlayStart::ZeroRunningTime:
      emit notice(coreText(brf::ZeroTimeMessage));
      return;
    case brf::PlayStart::Started:
      after(was);
      return;
  }
}

void PlaybackController::pause() {
  const bool was = playing();
  player_.pause();
  after(was);
}

void PlaybackController::rewind() {
  const bool was = playing();
  player_.rewind();
  after(was);
}

void PlaybackController::rewindAndStop() {
  const bool was = playing();
  player_.rewindAndStop();
  after(was);
}

void PlaybackController::stepTick() {
  const bool was = playing();
  player_.stepTick();
  after(was);
}

void PlaybackController::nextInstruction() {
  const bool was = playing();
  player_.nextInstruction();
  after(was);
}

void PlaybackController::previousInstruction() {
  const bool was = playing();
  player_.previousInstruction();
  after(was);
}

void PlaybackController::nextStopPoint() {
  const bool was = playing();
  player_.nextStopPoint();
  after(was);
}

void PlaybackController::seek(int ticks) {
  if (playing()) return;
  player_.seek(ticks);
  after(false);
}

void PlaybackController::tick() {
  player_.tick();
  const bool now = player_.playing();
  if (!now) {
    timer_->stop();
    emit playingChanged(false);
  }
  // Every tick moves the clock; the map is drawn again only when the picture changed.
  emit frame();
}

}  // namespace app
