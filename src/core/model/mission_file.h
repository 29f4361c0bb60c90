#pragma once
// Reading and writing mission files (platform ids 12 and 14). Reading parses into a fresh
// Mission and never reads past the data; writing goes to a temporary file that replaces the
// target only when every byte is on disk.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "model/mission.h"

namespace model {

inline constexpr const char* KreFighterFileMessage =
    "This is a Kre Fighter mission file - Can't load it";
inline constexpr const char* UnrecognizedFileMessage = "Unrecognized file type";

enum class ReadStatus {
  Ok,           // the Mission holds the file
  OlderFormat,  // platform id 2: a mission of the older game, for the importer
  Refused,      // not a mission this editor reads, or damaged; `message` says why
};

struct ReadResult {
  ReadStatus status = ReadStatus::Refused;
  std::string message;
  bool ok() const { return status == ReadStatus::Ok; }
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

struct SaveResult {
  bool ok = false;
  std::string error;
  std::size_t bytes = 0;
};

// Writes bytes to path through a temporary file beside it; the old file survives any failure.
// A write-protected file, a folder or a device is refused with a message. A replaced file keeps
// its permissions, owner and group; a file with several names (hard links), or whose owner we
// cannot give a new file, is overwritten in place after a safe copy, so every name sees the new
// content.
SaveResult writeFileAtomically(const std::string& path, const std::vector<std::uint8_t>& data);
// Saves the Mission to path; the caller records the file name and clears its changed flags on
// success.
SaveResult saveMissionFile(const Mission& m, const std::string& path);

// Where the backup copy of a just-loaded mission goes, or nothing when no backup is due
// (the file is itself the backup, or the Mission has no file).
std::optional<std::string> backupPathFor(const std::string& fileName);

// The notice shown after a save: "Qvn Format.  12345 bytes written."
std::string savedBytesNotice(std::int16_t platformId, std::size_t bytes);

// Reads a whole file into memory; false with a message when it cannot.
bool readWholeFile(const std::string& path, std::vector<std::uint8_t>& out, std::string& error);

}  // namespace model
