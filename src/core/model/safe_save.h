#pragma once
// Saving the files the editor writes (missions, game lists, the sound list, clipboards, the
// library, the settings, the file history) so that a failure never costs the old content:
// - a write-protected file, a folder or a device is refused with a message;
// - the new bytes go to a temporary file beside the target, every byte on disk before it
//   replaces the old file; the temporary file goes away on any failure;
// - a replaced file keeps its permissions, owner and group;
// - a symbolic link is followed to the file it names (a link to a file not yet there creates
//   that file and keeps the link);
// - a file with several names (hard links), or one whose owner a new file cannot be given, is
//   overwritten in place after a safe copy, so every name sees the new content;
// - several files saved together are all or none: when one fails, those already replaced get
//   their old content back.

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "model/texts.h"

namespace model {

struct SaveResult {
  bool ok = false;
  std::string error;  // why it failed, in English
  std::size_t bytes = 0;
  Text text;  // the same for the editor to show in the user's language
};
// A failed save of `path`: "Could not save "path": " + why.
SaveResult failedSave(const std::string& path, Text why);

// Looks at the bytes as they were written to disk, before they replace the old file. False
// (with the reason in `why`) keeps the old file.
using SaveCheck = std::function<bool(const std::vector<std::uint8_t>& written, std::string& why)>;

struct FileImage {
  std::string path;
  std::vector<std::uint8_t> bytes;
  SaveCheck check;  // optional
};

// Saves one file as described above; `bytes` of the result is the size written.
SaveResult saveFile(const std::string& path, const std::vector<std::uint8_t>& data,
                    const SaveCheck& check = {});
// Saves several files, all or none; `bytes` of the result is the total written. The message
// names the file that failed.
SaveResult saveFiles(const std::vector<FileImage>& files);

// Reads a whole file into memory; false with a message naming the file when it cannot (a
// missing file, a folder, a device, a read error).
bool readWholeFile(const std::string& path, std::vector<std::uint8_t>& out, std::string& error);
bool readWholeFile(const std::string& path, std::vector<std::uint8_t>& out, Text& error);

// For tests: called with the target's path just before a saved file replaces it; a non-zero
// error number it returns makes that step fail as if the system had refused it. An empty
// function removes the hook.
void setReplaceFaultForTesting(std::function<int(const std::string& target)> hook);

}  // namespace model
