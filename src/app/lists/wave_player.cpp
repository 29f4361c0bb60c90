#include "app/lists/wave_player.h"

#include <QCoreApplication>
#include <QFile>
#include <QGuiApplication>
#include <QLibrary>

#include "app/lists/sound_output.h"

#ifndef ZYNED_SOUND_MODULE
#define ZYNED_SOUND_MODULE "libzyned_sound.so"
#endif
#ifndef ZYNED_SOUND_MODULE_DIR
#define ZYNED_SOUND_MODULE_DIR "../lib/zyned"
#endif

namespace app {

namespace {

// What the offscreen platform plays on: nothing, and nobody is told.
class NoOutput : public SoundOutput {
 public:
  void play(const QString&) override {}
  void stop() override {}
};

// The module stays loaded for the rest of the run once opened.
SoundOutput* openSoundModule(QString& why) {
  if (QGuiApplication::platformName() == QLatin1String("offscreen")) return new NoOutput;
  for (const QString& path : WavePlayer::modulePaths()) {
    if (!QFile::exists(path)) continue;
    QLibrary module(path);
    const auto make = reinterpret_cast<MakeSoundOutput>(module.resolve(MakeSoundOutputSymbol));
    if (!make) continue;
    if (SoundOutput* output = make()) return output;
    why = QCoreApplication::translate("WavePlayer",
                                      "No sound: this computer has no working audio output.");
    return nullptr;
  }
  why = QCoreApplication::translate(
      "WavePlayer", "No sound: the editor's sound module is not installed beside it.");
  return nullptr;
}

}  // namespace

WavePlayer::WavePlayer(QObject* parent) : QObject(parent), make_(openSoundModule) {}

WavePlayer::~WavePlayer() = default;

QStringList WavePlayer::modulePaths() {
  const QString dir = QCoreApplication::applicationDirPath();
  const QString name = QStringLiteral(ZYNED_SOUND_MODULE);
  return {dir + QLatin1Char('/') + name,
          dir + QStringLiteral("/" ZYNED_SOUND_MODULE_DIR "/") + name};
}

void WavePlayer::setFile(const QString& path) {
  if (path == file_) return;
  file_ = path;
  if (output_) output_->stop();
}

bool WavePlayer::isPlayable(const QString& path) {
  QFile f(path);
  if (path.isEmpty() || !f.open(QIODevice::ReadOnly)) return false;
  const QByteArray head = f.read(12);
  return head.size() == 12 && head.startsWith("RIFF") && head.mid(8, 4) == "WAVE";
}

bool WavePlayer::play() {
  if (!QFile::exists(file_)) return false;
  ++plays_;
  if (!opened_) {
    opened_ = true;
    QString why;
    output_.reset(make_(why));
    if (!output_) emit silent(why);
  }
  if (output_) output_->play(file_);
  return true;
}

void WavePlayer::stop() {
  if (output_) output_->stop();
}

}  // namespace app
