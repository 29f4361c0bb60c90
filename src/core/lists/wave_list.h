#pragma once
// The message sound list kept in step with the message list: entry i is the sound of message i.

#include <cstddef>
#include <string>
#include <vector>

namespace lists {

// The entry that means "no sound".
inline constexpr const char* PlaceholderWave = "train\\dummy.wav";
// The game reads at most this many entries.
inline constexpr std::size_t MaxWaveEntries = 19;
// Entries that move with their messages; the ones after them belong to the end-of-mission
// messages and stay where they are.
inline constexpr std::size_t MovableWaveEntries = 16;

// A message was appended at `index`: while the list is short of 19 entries, the new message gets
// the placeholder (the list is filled up to it, so entry i stays the sound of message i).
void onMessageAdded(std::vector<std::string>& sounds, std::size_t index);
// Messages at the ascending positions `deleted` were removed: their entries go with them. With
// no message left, the list is the single placeholder.
void onMessagesDeleted(std::vector<std::string>& sounds, const std::vector<int>& deleted,
                       std::size_t messagesLeft);
// Messages `a` and `b` traded places: their entries trade places when both lie among the first
// 16 and within the list.
void onMessagesMoved(std::vector<std::string>& sounds, std::size_t a, std::size_t b);

}  // namespace lists
