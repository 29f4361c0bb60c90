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

// The module stays loaded for the rest of the run once opened.
SoundOutput* openSoundModule() {
  for (const QString& path : WavePlayer::modulePaths()) {
    if (!QFile::exists(path)) continue;
    QLibrary module(path);
    const auto make = reinterpret_cast<MakeSoundOutput>(module.resolve(MakeSoundOutputSymbol));
    if (make) return make();
  }
  return nullptr;
}

}  // namespace

WavePlayer::WavePlayer(QObject* parent) : QObject(parent) {}

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
  // Without a display there is nobody to hear it.
  if (QGuiApplication::platformName() == QLatin1String("offscreen")) return true;
  if (!opened_) {
    opened_ = true;
    output_.reset(openSoundModule());
  }
  if (output_) output_->play(file_);
  return true;
}

void WavePlayer::stop() {
  if (output_) output_->stop();
}

}  // namespace app
