#pragma once
// Reading and writing mission files (platform ids 12 and 14). Reading parses into a fresh
// Mission and never reads past the data; saving goes through saveFile (safe_save.h).

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "model/mission.h"
#include "model/safe_save.h"
#include "model/texts.h"

namespace model {

inline constexpr const char* KreFighterFileMessage =
    ZYNED_TEXT("core", "This is a Kre Fighter mission file - Can't load it");
inline constexpr const char* UnrecognizedFileMessage = ZYNED_TEXT("core", "Unrecognized file type");
inline constexpr const char* OlderFormatMessage =
    ZYNED_TEXT("core", "an older-format mission (platform id 2)");

enum class ReadStatus {
  Ok,           // the Mission holds the file
  OlderFormat,  // platform id 2: a mission of the older game, for the importer
  Refused,      // not a mission this editor reads, or damaged; `message` says why
};

struct ReadResult {
  ReadStatus status = ReadStatus::Refused;
  std::string message;  // in English
  Text text;            // the same for the editor to show in the user's language
  bool ok() const { return status == ReadStatus::Ok; }

  ReadResult() = default;
  ReadResult(ReadStatus s, Text why) : status(s), message(why.english()), text(std::move(why)) {}
};

// Parses a whole mission file. On success `out` is replaced (every flight group's auto-link flag
// from `defaults`); on any refusal it is untouched.
ReadResult readMission(CBytes data, Mission& out, const MissionDefaults& defaults = {});

// The file image of the Mission in its current format (PlatformId).
std::vector<std::uint8_t> writeMission(const Mission& m);

// One message as the reader makes it from its file record (a red message's text moved out of the
// colour byte), and the record the writer stores for a message: the pair every message passes
// through on load and save.
Message messageFromFile(CBytes record);
std::array<std::uint8_t, message::Size> messageFileRecord(const Message& m);

// Reads a file from disk; errors name the file. The game's own refusals and the message of an
// older-format mission are left as readMission gives them.
ReadResult loadMissionFile(const std::string& path, Mission& out,
                           const MissionDefaults& defaults = {});

// Saves the Mission to path; the caller records the file name and clears its changed flags on
// success.
SaveResult saveMissionFile(const Mission& m, const std::string& path);

// Where the backup copy of a just-loaded mission goes, or nothing when no backup is due
// (the file is itself the backup, or the Mission has no file).
std::optional<std::string> backupPathFor(const std::string& fileName);

// What saving the Mission in the base format leaves out: its debriefings (the format has none)
// and the description past the 1023 characters its block holds.
struct BaseFormatLosses {
  bool debriefings = false;
  std::size_t descriptionCut = 0;  // characters of the description left out
  bool any() const { return debriefings || descriptionCut > 0; }
};
BaseFormatLosses baseFormatLosses(const Mission& m);

// The notice shown after a save: "Qvn Format.  12345 bytes written."
std::string savedBytesNotice(std::int16_t platformId, std::size_t bytes);
Text savedBytesText(std::int16_t platformId, std::size_t bytes);

}  // namespace model
