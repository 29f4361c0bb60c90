#pragma once
// Plays one WAV file at a time, once, for auditioning message sounds. The audio stack is the
// sound module's (sound_output.h), opened on the first play; a machine without it or without an
// audio device plays nothing, and the player says so once (`silent`). The offscreen platform the
// tests use has nobody to hear anything and is silent without a word.

#include <QObject>
#include <QString>

#include <functional>
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

  // What the first play opens: an output, or null with the reason there is none. By default the
  // sound module's.
  using OutputMaker = std::function<SoundOutput*(QString& why)>;
  void setOutputMaker(OutputMaker make) { make_ = std::move(make); }

 signals:
  // The first play found no way to sound: why (once per player).
  void silent(const QString& why);

 private:
  QString file_;
  std::unique_ptr<SoundOutput> output_;
  OutputMaker make_;
  bool opened_ = false;
  int plays_ = 0;
};

}  // namespace app
