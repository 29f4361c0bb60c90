#include "lists/wave_list.h"

#include <algorithm>
#include <functional>

#include "lists/game_lists.h"
#include "lists/text_file.h"
#include "model/mission.h"
#include "shell/paths.h"
#include "shell/settings_file.h"

namespace lists {

bool isPlaceholderWave(std::string_view entry) {
  return shell::equalsNoCase(entry, PlaceholderWave);
}

bool onMessageAdded(std::vector<std::string>& sounds) {
  if (sounds.size() >= MaxWaveEntries) return false;
  sounds.emplace_back(PlaceholderWave);
  return true;
}

bool onMessagesDeleted(std::vector<std::string>& sounds, std::vector<int> rows,
                       std::size_t messagesLeft) {
  const std::vector<std::string> before = sounds;
  std::sort(rows.begin(), rows.end(), std::greater<>());
  rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
  for (const int row : rows) {
    if (row < 0 || static_cast<std::size_t>(row) >= MessageWaveEntries) continue;
    const auto r = static_cast<std::size_t>(row);
    if (r >= sounds.size()) continue;
    const bool goalSoundsFollow = sounds.size() > MessageWaveEntries;
    sounds.erase(sounds.begin() + static_cast<std::ptrdiff_t>(r));
    // The goal sounds belong to lines 17 to 19 whatever happens to the messages.
    if (goalSoundsFollow)
      sounds.insert(sounds.begin() + static_cast<std::ptrdiff_t>(MessageWaveEntries - 1),
                    PlaceholderWave);
  }
  if (messagesLeft == 0) {
    if (sounds.size() <= MessageWaveEntries) {
      sounds.assign(1, PlaceholderWave);
    } else {
      std::fill(sounds.begin(), sounds.begin() + static_cast<std::ptrdiff_t>(MessageWaveEntries),
                std::string(PlaceholderWave));
    }
  }
  return sounds != before;
}

bool onMessagesMoved(std::vector<std::string>& sounds, std::size_t a, std::size_t b) {
  if (a == b || a >= MessageWaveEntries || b >= MessageWaveEntries || a >= sounds.size() ||
      b >= sounds.size())
    return false;
  std::swap(sounds[a], sounds[b]);
  return sounds[a] != sounds[b];
}

std::string soundMarker(const std::vector<std::string>& sounds, bool listActive,
                        std::size_t message) {
  if (!listActive || message >= MaxWaveEntries || message >= sounds.size() ||
      isPlaceholderWave(sounds[message]))
    return "  ";
  switch (message) {
    case 16:
      return "(S) ";
    case 17:
      return "(2) ";
    case 18:
      return "(F) ";
    default:
      return "* ";
  }
}

const char* soundCaption(std::size_t message) {
  switch (message) {
    case 16:
      return ZYNED_TEXT("core", "WAV assigned to Primary Success:");
    case 17:
      return ZYNED_TEXT("core", "WAV assigned to Secondary Success:");
    case 18:
      return ZYNED_TEXT("core", "WAV assigned to Primary Failure:");
    default:
      return ZYNED_TEXT("core", "WAV assigned to this message:");
  }
}

std::string soundOf(const std::vector<std::string>& sounds, std::size_t message) {
  return message < sounds.size() ? sounds[message] : std::string(PlaceholderWave);
}

bool setSound(std::vector<std::string>& sounds, std::size_t message, std::string entry) {
  if (message >= MaxWaveEntries) return false;
  if (message < sounds.size() && sounds[message] == entry) return false;
  if (sounds.size() <= message) sounds.resize(message + 1, PlaceholderWave);
  sounds[message] = std::move(entry);
  return true;
}

namespace {

std::string listFileName(std::string_view missionFile) {
  std::string name = fileNameOf(missionFile);
  // The mission's extension (".KRE") makes way for ".lst".
  if (const std::size_t dot = name.rfind('.'); dot != std::string::npos && dot > 0)
    name.resize(dot);
  return name + ".lst";
}

std::string otherDirectory(const shell::Settings& s, std::int16_t platformId) {
  return platformId == model::FormatExpansion ? s.gameDirectory : shell::expansionDirectory(s);
}

}  // namespace

std::string waveListPath(const shell::Settings& s, std::int16_t platformId,
                         std::string_view missionFile) {
  return findPath(formatDirectory(s, platformId), "wave\\" + listFileName(missionFile));
}

std::optional<std::string> findWaveList(const shell::Settings& s, std::int16_t platformId,
                                        std::string_view missionFile) {
  for (const std::string& dir : {formatDirectory(s, platformId), otherDirectory(s, platformId)}) {
    const std::string path = findPath(dir, "wave\\" + listFileName(missionFile));
    if (isFile(path)) return path;
  }
  return std::nullopt;
}

bool loadWaveList(const std::string& path, std::vector<std::string>& sounds, std::string& error) {
  return readLines(path, sounds, error);
}
bool loadWaveList(const std::string& path, std::vector<std::string>& sounds, model::Text& error) {
  return readLines(path, sounds, error);
}

std::vector<std::string> savedWaveLines(const std::vector<std::string>& sounds) {
  std::vector<std::string> lines(
      sounds.begin(),
      sounds.begin() + static_cast<std::ptrdiff_t>(std::min(sounds.size(), MaxWaveEntries)));
  // Lines beyond the 19th are kept up to the last one that names a sound.
  std::size_t end = sounds.size();
  while (end > MaxWaveEntries && (isPlaceholderWave(sounds[end - 1]) || sounds[end - 1].empty()))
    --end;
  for (std::size_t i = MaxWaveEntries; i < end; ++i) lines.push_back(sounds[i]);
  return lines;
}

bool saveWaveList(const std::string& path, const std::vector<std::string>& sounds,
                  std::string& error) {
  return writeLines(path, savedWaveLines(sounds), error);
}
bool saveWaveList(const std::string& path, const std::vector<std::string>& sounds,
                  model::Text& error) {
  return writeLines(path, savedWaveLines(sounds), error);
}

std::vector<std::string> newWaveList(std::size_t messageCount) {
  return std::vector<std::string>(messageCount, PlaceholderWave);
}

std::string waveEntryFromFile(std::string_view path) {
  const std::string upper = upperAscii(path);
  std::size_t cut = std::string::npos;
  for (const char* marker : {"\\WAVE\\", "/WAVE/", "\\WAVE/", "/WAVE\\"}) {
    const std::size_t at = upper.rfind(marker);
    if (at != std::string::npos && (cut == std::string::npos || at > cut)) cut = at;
  }
  if (cut == std::string::npos) return std::string(path);
  std::string entry(path.substr(cut + 6));
  std::replace(entry.begin(), entry.end(), '/', '\\');
  return entry;
}

bool isWaveUsed(const std::vector<std::string>& sounds, std::string_view entry,
                std::optional<std::size_t> except) {
  for (std::size_t i = 0; i < sounds.size(); ++i)
    if (i != except && shell::equalsNoCase(sounds[i], entry)) return true;
  return false;
}

std::vector<std::string> waveFileCandidates(const shell::Settings& s, std::int16_t platformId,
                                            std::string_view entry) {
  const std::string relative = "wave\\" + std::string(entry);
  std::vector<std::string> out;
  for (const std::string& dir : {formatDirectory(s, platformId), otherDirectory(s, platformId)}) {
    std::string path = findPath(dir, relative);
    if (std::find(out.begin(), out.end(), path) == out.end()) out.push_back(std::move(path));
  }
  return out;
}

std::vector<std::string> waveFolders(const shell::Settings& s, std::int16_t platformId) {
  std::vector<std::string> out;
  for (const std::string& dir : {formatDirectory(s, platformId), otherDirectory(s, platformId)}) {
    std::string folder = findPath(dir, "wave");
    if (std::find(out.begin(), out.end(), folder) == out.end()) out.push_back(std::move(folder));
  }
  return out;
}

std::optional<std::string> findWaveFile(const shell::Settings& s, std::int16_t platformId,
                                        std::string_view entry) {
  if (entry.empty()) return std::nullopt;
  for (const std::string& path : waveFileCandidates(s, platformId, entry))
    if (isFile(path)) return path;
  return std::nullopt;
}

namespace wavetext {

std::string errorAssigning(std::string_view file, const std::vector<std::string>& folders) {
  return model::fillText(
      folders.size() > 1 ? ErrorAssigningManyForm : ErrorAssigningForm,
      {std::string(file), model::joinedList(folders, model::OrWord, model::OrWord)});
}

std::string saved(std::string_view fileName) {
  return model::fillText(SavedForm, {std::string(fileName)});
}

}  // namespace wavetext

}  // namespace lists
