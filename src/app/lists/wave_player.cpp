#include "app/lists/wave_player.h"

#include <QAudioDevice>
#include <QAudioOutput>
#include <QFile>
#include <QGuiApplication>
#include <QMediaDevices>
#include <QMediaPlayer>
#include <QUrl>

namespace app {

WavePlayer::WavePlayer(QObject* parent) : QObject(parent) {}

WavePlayer::~WavePlayer() = default;

void WavePlayer::setFile(const QString& path) {
  if (path == file_) return;
  file_ = path;
  if (player_) player_->stop();
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
  // Without a display or without an output device there is nobody to hear it.
  if (QGuiApplication::platformName() == QLatin1String("offscreen") ||
      QMediaDevices::defaultAudioOutput().isNull())
    return true;
  if (!player_) {
    player_ = new QMediaPlayer(this);
    output_ = new QAudioOutput(this);
    player_->setAudioOutput(output_);
  }
  player_->stop();
  player_->setSource(QUrl::fromLocalFile(file_));
  player_->play();
  return true;
}

void WavePlayer::stop() {
  if (player_) player_->stop();
}

}  // namespace app
