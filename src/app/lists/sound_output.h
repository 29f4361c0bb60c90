#pragma once
// What plays a recording: made by the sound module (a library of its own that links the
// platform's audio stack), which the editor opens the first time a recording is played. The
// editor itself links no audio library, so it starts and edits where no audio stack is
// installed; it is silent there.

class QObject;
class QString;

namespace app {

class SoundOutput {
 public:
  virtual ~SoundOutput() = default;
  // Plays the file once from its start; stops what was playing.
  virtual void play(const QString& path) = 0;
  virtual void stop() = 0;
};

// The module's one entry point: an output, or null without an audio device.
using MakeSoundOutput = SoundOutput* (*)();
inline constexpr const char* MakeSoundOutputSymbol = "zynedMakeSoundOutput";

}  // namespace app
