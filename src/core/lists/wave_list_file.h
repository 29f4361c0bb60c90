#pragma once
// The file behind the Mission's message sound list: where it lies for the mission file, whether
// the Mission has one ("none" while it has not), loading it with the Mission, creating it,
// saving it and taking it along when the Mission is saved under a new name. The entries
// themselves live in the Mission (`Mission::sounds`), where the message operations keep them in
// step and undo restores them; this keeper compares them with what the file holds.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "model/texts.h"
#include "shell/settings.h"

namespace lists {

class WaveListFile {
 public:
  // The list file, or "none".
  const std::string& path() const { return path_; }
  bool active() const;

  // A mission file was loaded: its list is looked for in the folder of its format, else of
  // the other format. Returns the entries read (empty without a list, which resets the keeper).
  // A list that is there but cannot be read (or is not single-byte text) counts as none and is
  // left alone; `error` then says why.
  std::vector<std::string> open(const shell::Settings& s, std::int16_t platformId,
                                std::string_view missionFile, std::string* error = nullptr);
  std::vector<std::string> open(const shell::Settings& s, std::int16_t platformId,
                                std::string_view missionFile, model::Text* error);
  // A new Mission: no list.
  void reset();

  // Whether `sounds` differ from what the file holds (never while no list is active).
  bool changed(const std::vector<std::string>& sounds) const;
  // Whether to ask "WAV .lst file has been changed. Save it?": changed, and the file still there.
  bool offersSave(const std::vector<std::string>& sounds) const;

  // Whether the list file on disk holds other entries than the editor last read or wrote there
  // (a list gone or unreadable is no change: a save makes it again).
  bool changedOnDisk() const;
  // The entries on disk, after the list changed there and the editor took them.
  void reloaded(const std::vector<std::string>& sounds) { saved_ = sounds; }

  enum class CreateStatus { Created, Unnamed, Exists, WriteFailed };
  struct CreateResult {
    CreateStatus status = CreateStatus::Created;
    // The refusal, the error, or the path + " has been created." notice, in English.
    std::string message;
    model::Text text;  // the same for the editor to show
    // The new entries: one placeholder per message.
    std::vector<std::string> sounds;
  };
  // Creates the list of a named mission file in the folder of its format, one placeholder per
  // message. An existing list file is never overwritten: neither the active one nor one that
  // lies where the new one would go.
  CreateResult create(const shell::Settings& s, std::int16_t platformId,
                      std::string_view missionFile, std::size_t messageCount);

  // Writes the entries (CR LF, atomically). Without an active list, `error` is the
  // nothing-to-save message.
  bool save(const std::vector<std::string>& sounds, std::string& error);
  bool save(const std::vector<std::string>& sounds, model::Text& error);
  // The Mission was saved as `missionFile`: an active list with entries moves to the name of the
  // new file and is written there; the old file stays. False only when the write failed.
  bool follow(const shell::Settings& s, std::int16_t platformId, std::string_view missionFile,
              const std::vector<std::string>& sounds, std::string& error);
  bool follow(const shell::Settings& s, std::int16_t platformId, std::string_view missionFile,
              const std::vector<std::string>& sounds, model::Text& error);

 private:
  std::string path_;
  std::vector<std::string> saved_;
};

}  // namespace lists
