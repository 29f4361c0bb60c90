// The sound module: plays recordings through Qt Multimedia. The editor opens it on the first
// play (app/lists/wave_player.h), so the audio stack is loaded only by those who listen.
#include <QAudioDevice>
#include <QAudioOutput>
#include <QMediaDevices>
#include <QMediaPlayer>
#include <QUrl>

#include <memory>

#include "app/lists/sound_output.h"

namespace {

class QtSoundOutput : public app::SoundOutput {
 public:
  QtSoundOutput() { player_.setAudioOutput(&output_); }
  void play(const QString& path) override {
    player_.stop();
    player_.setSource(QUrl::fromLocalFile(path));
    player_.play();
  }
  void stop() override { player_.stop(); }

 private:
  QAudioOutput output_;
  QMediaPlayer player_;
};

}  // namespace

extern "C" Q_DECL_EXPORT app::SoundOutput* zynedMakeSoundOutput() {
  // Without an output device there is nobody to hear it.
  if (QMediaDevices::defaultAudioOutput().isNull()) return nullptr;
  return new QtSoundOutput;
}
