#pragma once
// Plays one WAV file at a time, once, for auditioning message sounds. A machine without an audio
// device (or the offscreen platform the tests use) plays nothing; nothing breaks and nothing is
// reported.

#include <QObject>
#include <QString>

class QAudioOutput;
class QMediaPlayer;

namespace app {

class WavePlayer : public QObject {
  Q_OBJECT
 public:
  explicit WavePlayer(QObject* parent = nullptr);
  ~WavePlayer() override;

  // The file the next play() plays (the "player's file"); empty closes the player.
  void setFile(const QString& path);
  const QString& file() const { return file_; }
  // Plays the file once from its start; false when there is no readable file to play.
  bool play();
  void stop();
  // How many times play() started a sound (for tests and the status of the WAV Manager).
  int plays() const { return plays_; }

  // Whether the file can be opened and looks like a wave file.
  static bool isPlayable(const QString& path);

 private:
  QString file_;
  QMediaPlayer* player_ = nullptr;
  QAudioOutput* output_ = nullptr;
  int plays_ = 0;
};

}  // namespace app
