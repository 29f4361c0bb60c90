#pragma once
// The mission's message sound list: one WAV path per line, relative to the game's "wave" folder
// (e.g. "train\dummy.wav"), kept in a text file named after the mission in that folder. Lines 1
// to 16 are the sounds of messages 1 to 16; lines 17, 18 and 19 are the sounds the game plays
// when the primary goals are met, the secondary goals are met and the primary goals fail (the
// editor edits them through messages 17, 18 and 19). The game reads at most 19 lines.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/texts.h"
#include "shell/settings.h"

namespace lists {

// The entry that means "no sound".
inline constexpr const char* PlaceholderWave = "train\\dummy.wav";
// The path shown while the Mission has no sound list file.
inline constexpr const char* NoWaveList = "none";
inline constexpr std::size_t MaxWaveEntries = 19;
// Entries 0..15 follow their messages; entries 16..18 are the goal sounds.
inline constexpr std::size_t MessageWaveEntries = 16;

bool isPlaceholderWave(std::string_view entry);

// --- Keeping the list in step with the message list (the message operations call these) ---

// A message was appended: the list gets a placeholder line when it has fewer than 19. True when
// the list changed.
bool onMessageAdded(std::vector<std::string>& sounds);
// The messages at `rows` (positions before the deletion, any order) were deleted and
// `messagesLeft` remain. The entry of each deleted message among the first 16 goes with it; the
// goal sounds keep their lines 17 to 19 (a placeholder fills the gap before them). When no
// message is left, the message lines become one placeholder (goal sounds stay). True when the
// list changed.
bool onMessagesDeleted(std::vector<std::string>& sounds, std::vector<int> rows,
                       std::size_t messagesLeft);
// Messages `a` and `b` exchanged places (a move up or down is one exchange per moved message, in
// the order they are made). Entries are exchanged only when both lie in the list and among the
// first 16. True when the list changed.
bool onMessagesMoved(std::vector<std::string>& sounds, std::size_t a, std::size_t b);

// --- What the message list and the WAV Manager show ---

// The marker in front of message `message`'s line: "* " for a message with a sound, "(S) ",
// "(2) " and "(F) " for the goal sounds on lines 17 to 19, two blanks otherwise (also while no
// sound list file is active).
std::string soundMarker(const std::vector<std::string>& sounds, bool listActive,
                        std::size_t message);
// Whether the WAV Manager serves the message (messages 1 to 19).
inline bool hasSound(std::size_t message) {
  return message < MaxWaveEntries;
}
// "WAV assigned to this message:", or the goal sound captions for messages 17 to 19.
const char* soundCaption(std::size_t message);
// The entry of a message, or the placeholder when the list is shorter.
std::string soundOf(const std::vector<std::string>& sounds, std::size_t message);
// Sets the entry of a message (0..18), filling any missing lines before it with placeholders.
// True when the list changed.
bool setSound(std::vector<std::string>& sounds, std::size_t message, std::string entry);

// --- Files ---

// The sound list of a mission file in the game folder of the format: GameDirectory (format
// 12) or ExpansionDirectory (format 14), "wave", and the mission's name with ".lst" in place of
// its extension, each part found in any letter case.
std::string waveListPath(const shell::Settings& s, std::int16_t platformId,
                         std::string_view missionFile);
// The list found for a mission being loaded: the path in the folder of its format when that file
// exists, else the one of the other format when that exists, else nothing.
std::optional<std::string> findWaveList(const shell::Settings& s, std::int16_t platformId,
                                        std::string_view missionFile);
// Reads a list: every line is an entry (blank lines too, so positions stay), any line ends.
bool loadWaveList(const std::string& path, std::vector<std::string>& sounds, std::string& error);
bool loadWaveList(const std::string& path, std::vector<std::string>& sounds, model::Text& error);
// The lines a save writes: the first 19 entries, then any later entry that names a sound (the
// game does not read those, but they came from the file and are not dropped).
std::vector<std::string> savedWaveLines(const std::vector<std::string>& sounds);
// Writes savedWaveLines with CR LF, atomically.
bool saveWaveList(const std::string& path, const std::vector<std::string>& sounds,
                  std::string& error);
bool saveWaveList(const std::string& path, const std::vector<std::string>& sounds,
                  model::Text& error);
// The list a new sound list file starts with: one placeholder per message.
std::vector<std::string> newWaveList(std::size_t messageCount);

// The entry for a picked file: everything up to and including its "wave" folder (any case, either
// separator) is cut off and the rest written with "\". A file outside a wave folder keeps its
// whole path.
std::string waveEntryFromFile(std::string_view path);
// Whether another entry than `except` names the same file, ignoring case.
bool isWaveUsed(const std::vector<std::string>& sounds, std::string_view entry,
                std::optional<std::size_t> except = std::nullopt);
// Where the game keeps an entry's file: GameDirectory's and ExpansionDirectory's "wave"
// folders, the folder of the format first.
std::vector<std::string> waveFileCandidates(const shell::Settings& s, std::int16_t platformId,
                                            std::string_view entry);
// The first candidate that exists, or nothing.
std::optional<std::string> findWaveFile(const shell::Settings& s, std::int16_t platformId,
                                        std::string_view entry);
// The "wave" folders the game plays recordings from, the one of the format first, each once.
std::vector<std::string> waveFolders(const shell::Settings& s, std::int16_t platformId);

// The texts the WAV Manager shows.
namespace wavetext {
inline constexpr const char* Unnamed = ZYNED_TEXT(
    "core", "Mission File is unnamed. Can't create matching .lst file until it is named.");
inline constexpr const char* AlreadyExists = ZYNED_TEXT("core", "%1 already exists!");
inline constexpr const char* Created = ZYNED_TEXT("core", "%1 has been created.");
inline constexpr const char* NoMessages =
    ZYNED_TEXT("core", "There are no messages to add sounds to!");
inline constexpr const char* CreateForAssign =
    ZYNED_TEXT("core", "There is no .lst file for this mission to assign WAVs to. Create one?");
inline constexpr const char* CreateForCatalogue =
    ZYNED_TEXT("core", "There is no WAV .lst file for this mission. Create one?");
inline constexpr const char* Duplicate = ZYNED_TEXT(
    "core",
    "This WAV has already been used in this .lst file. A WAV will only play for one Message per "
    "mission. Assign it anyway?");
inline constexpr const char* NothingToSave =
    ZYNED_TEXT("core", "There is no matching .lst file to save!");
inline constexpr const char* ChangedSaveIt =
    ZYNED_TEXT("core", "WAV .lst file has been changed. Save it?");
inline constexpr const char* NoMatchingList = ZYNED_TEXT("core", "No matching .lst file for WAVs");
// A recording the game cannot play: the file named once (an entry, or the name of a file picked
// outside the wave folders) and the folders it has to be in.
// The folders are joined by OrWord.
inline constexpr const char* ErrorAssigningForm =
    ZYNED_TEXT("core", "Error assigning %1. Only use WAV files from %2, or its subfolders.");
inline constexpr const char* ErrorAssigningManyForm =
    ZYNED_TEXT("core", "Error assigning %1. Only use WAV files from %2, or their subfolders.");
std::string errorAssigning(std::string_view file, const std::vector<std::string>& folders);
// "WAV .lst file " + name + " saved."
inline constexpr const char* SavedForm = ZYNED_TEXT("core", "WAV .lst file %1 saved.");
std::string saved(std::string_view fileName);
}  // namespace wavetext

}  // namespace lists
