#include "lists/wave_list.h"

#include <algorithm>
#include <utility>

namespace lists {

void onMessageAdded(std::vector<std::string>& sounds, std::size_t index) {
  if (sounds.size() >= MaxWaveEntries) return;
  const std::size_t want = std::min(index + 1, MaxWaveEntries);
  if (sounds.size() < want) sounds.resize(want, PlaceholderWave);
}

void onMessagesDeleted(std::vector<std::string>& sounds, const std::vector<int>& deleted,
                       std::size_t messagesLeft) {
  for (auto it = deleted.rbegin(); it != deleted.rend(); ++it)
    if (*it >= 0 && static_cast<std::size_t>(*it) < sounds.size())
      sounds.erase(sounds.begin() + *it);
  if (messagesLeft == 0) sounds.assign(1, PlaceholderWave);
}

void onMessagesMoved(std::vector<std::string>& sounds, std::size_t a, std::size_t b) {
  if (a < MovableWaveEntries && b < MovableWaveEntries && a < sounds.size() && b < sounds.size())
    std::swap(sounds[a], sounds[b]);
}

}  // namespace lists
