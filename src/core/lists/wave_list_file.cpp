#include "lists/wave_list_file.h"

#include "lists/text_file.h"
#include "lists/wave_list.h"
#include "model/mission.h"

namespace lists {

bool WaveListFile::active() const {
  return !path_.empty() && path_ != NoWaveList;
}

std::vector<std::string> WaveListFile::open(const shell::Settings& s, std::int16_t platformId,
                                            std::string_view missionFile, std::string* error) {
  model::Text why;
  std::vector<std::string> sounds = open(s, platformId, missionFile, &why);
  if (error && !why.empty()) *error = why.english();
  return sounds;
}

std::vector<std::string> WaveListFile::open(const shell::Settings& s, std::int16_t platformId,
                                            std::string_view missionFile, model::Text* error) {
  reset();
  const auto found = findWaveList(s, platformId, missionFile);
  if (!found) return {};
  std::vector<std::string> sounds;
  model::Text why;
  // A list that cannot be read counts as none; the file itself is left alone.
  if (!loadWaveList(*found, sounds, why)) {
    if (error) *error = std::move(why);
    return {};
  }
  path_ = *found;
  saved_ = sounds;
  return sounds;
}

void WaveListFile::reset() {
  path_ = NoWaveList;
  saved_.clear();
}

bool WaveListFile::changed(const std::vector<std::string>& sounds) const {
  return active() && sounds != saved_;
}

bool WaveListFile::changedOnDisk() const {
  if (!active() || !isFile(path_)) return false;
  std::vector<std::string> disk;
  std::string why;
  return loadWaveList(path_, disk, why) && disk != saved_;
}

bool WaveListFile::offersSave(const std::vector<std::string>& sounds) const {
  return changed(sounds) && isFile(path_);
}

WaveListFile::CreateResult WaveListFile::create(const shell::Settings& s, std::int16_t platformId,
                                                std::string_view missionFile,
                                                std::size_t messageCount) {
  CreateResult r;
  const auto said = [&r](CreateStatus status, model::Text text) {
    r.status = status;
    r.message = text.english();
    r.text = std::move(text);
    return r;
  };
  if (missionFile.empty() || missionFile == model::UnnamedFile)
    return said(CreateStatus::Unnamed, model::text(wavetext::Unnamed));
  const std::string path = waveListPath(s, platformId, missionFile);
  for (const std::string& existing : {active() ? path_ : std::string(), path}) {
    if (!existing.empty() && pathExists(existing))
      return said(CreateStatus::Exists,
                  model::Text(wavetext::AlreadyExists, model::utf8Data(existing)));
  }
  r.sounds = newWaveList(messageCount);
  // One line per message, however many: the next save keeps what the game reads.
  model::Text error;
  if (!writeLines(path, r.sounds, error)) return said(CreateStatus::WriteFailed, std::move(error));
  path_ = path;
  saved_ = r.sounds;
  return said(CreateStatus::Created, model::Text(wavetext::Created, model::utf8Data(path)));
}

bool WaveListFile::save(const std::vector<std::string>& sounds, std::string& error) {
  model::Text why;
  if (save(sounds, why)) return true;
  error = why.english();
  return false;
}

bool WaveListFile::save(const std::vector<std::string>& sounds, model::Text& error) {
  if (!active()) {
    error = model::text(wavetext::NothingToSave);
    return false;
  }
  if (!saveWaveList(path_, sounds, error)) return false;
  saved_ = sounds;
  return true;
}

bool WaveListFile::follow(const shell::Settings& s, std::int16_t platformId,
                          std::string_view missionFile, const std::vector<std::string>& sounds,
                          std::string& error) {
  model::Text why;
  if (follow(s, platformId, missionFile, sounds, why)) return true;
  error = why.english();
  return false;
}

bool WaveListFile::follow(const shell::Settings& s, std::int16_t platformId,
                          std::string_view missionFile, const std::vector<std::string>& sounds,
                          model::Text& error) {
  if (!active() || sounds.empty()) return true;
  const std::string path = waveListPath(s, platformId, missionFile);
  if (!saveWaveList(path, sounds, error)) return false;
  path_ = path;
  saved_ = sounds;
  return true;
}

}  // namespace lists
