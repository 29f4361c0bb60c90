#pragma once
// Plays one WAV file at a time, once, for auditioning message sounds. The audio stack is the
// sound module's (sound_output.h), opened on the first play; a machine without it, without an
// audio device, or the offscreen platform the tests use plays nothing; nothing breaks and
// nothing is reported.

#include <QObject>
#include <QString>

#include <memory>

namespace app {

class SoundOutput;

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
  // Where the sound module is looked for: beside the program, then where it is installed.
  static QStringList modulePaths();

 private:
  QString file_;
  std::unique_ptr<SoundOutput> output_;
  bool opened_ = false;
  int plays_ = 0;
};

}  // namespace app
