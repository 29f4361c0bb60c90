// libFuzzer target for the message sound list (one WAV entry per message): a list is read or
// refused; the message operations keep it in step without crashing; what is saved reads back as
// the lines the save keeps.
#include <cstdint>
#include <string>
#include <vector>

#include "fuzz_check.h"
#include "lists/text_file.h"
#include "lists/wave_list.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  constexpr const char* Target = "fuzz_sound_list";
  std::vector<std::string> sounds;
  std::string why;
  if (!lists::parseListLines(fuzzcheck::text(data, size), sounds, why)) return 0;

  for (std::size_t m = 0; m < sounds.size() + 2 && m < 40; ++m) {
    lists::soundMarker(sounds, true, m);
    lists::soundOf(sounds, m);
    lists::waveEntryFromFile(lists::soundOf(sounds, m));
    lists::isWaveUsed(sounds, lists::soundOf(sounds, m), m);
  }
  const std::vector<std::string> saved = lists::savedWaveLines(sounds);
  if (saved.size() > sounds.size()) fuzzcheck::fail(Target, "the save adds lines");
  std::vector<std::string> again;
  if (!lists::parseListLines(lists::joinCrLf(saved), again, why) || again != saved)
    fuzzcheck::fail(Target, "a saved list does not read back the same");

  // Messages added, moved and deleted, as the message list does.
  const std::size_t messages = 1 + size % 30;
  std::vector<std::string> edited = sounds;
  lists::onMessageAdded(edited);
  lists::onMessagesMoved(edited, 0, 1);
  lists::onMessagesMoved(edited, 15, 16);
  lists::setSound(edited, size % 19, "train\\x.wav");
  std::vector<int> rows{0};
  if (messages > 1) rows.push_back(static_cast<int>(messages - 1));
  lists::onMessagesDeleted(edited, rows, messages - rows.size());
  if (messages == rows.size() && edited.empty())
    fuzzcheck::fail(Target, "no line left after the last message went");
  return 0;
}
