#pragma once
// The file history behind the reopen menu: the last missions opened or saved, most recent
// first, kept in "EDHistry.txt" in the editor folder between runs.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/texts.h"

namespace shell {

inline constexpr const char* HistoryFileName = "EDHistry.txt";
inline constexpr std::size_t HistoryLimit = 9;
inline constexpr const char* HistorySaveError = ZYNED_TEXT("core", "Error saving History file.");
inline constexpr const char* EditorDirectoryMissing =
    ZYNED_TEXT("core", "Can't find your ZynED directory. Use Preferences to set it.");
inline constexpr const char* LastFileMissingNotice =
    ZYNED_TEXT("core", "Can't find last loaded file");
inline constexpr int LastFileMissingNoticeMs = 2000;

// The error shown when a reopen entry's file is gone: path + " does not exist".
std::string missingFileMessage(std::string_view path);
model::Text missingFileText(std::string_view path);

// An ordered list of at most nine mission paths, most recent first, one entry per file: two
// paths naming one file on disk are one entry, and so are two that differ only in letter case
// (as on the game's platform) unless both name files on disk that are not one (a case-sensitive
// file system holds both).
class FileHistory {
 public:
  FileHistory() = default;
  // Takes entries as stored: empty lines and repeats are dropped, at most nine are kept.
  explicit FileHistory(const std::vector<std::string>& stored);

  const std::vector<std::string>& entries() const { return entries_; }
  std::size_t size() const { return entries_.size(); }
  bool empty() const { return entries_.empty(); }
  const std::string& at(std::size_t i) const { return entries_.at(i); }

  // Moves `path` to the top (adding it when new) and drops the oldest beyond nine.
  void add(const std::string& path);

  // The reopen menu's captions: "&" + index from 0 + " " + the file name, or the full path
  // when `dirInReopen` is on. A "&" inside the path is doubled so that the menu shows it.
  std::vector<std::string> captions(bool dirInReopen) const;

 private:
  std::vector<std::string> entries_;
};

// The history index a reopen caption stands for: the digit after its first "&".
std::optional<std::size_t> reopenIndexFromCaption(std::string_view caption);

// The file name of a path written with either "/" or "\" between folders.
std::string baseName(std::string_view path);

// The history file in the editor folder, its name matched without regard to case; nothing when
// the folder has none.
std::optional<std::string> findHistoryFile(const std::string& editorDirectory);

// Reads the history of the editor folder; a missing or unreadable file gives an empty history.
FileHistory readHistory(const std::string& editorDirectory);

enum class HistorySaveStatus { Saved, NoEditorDirectory, WriteFailed };
struct HistorySaveResult {
  HistorySaveStatus status = HistorySaveStatus::Saved;
  // The text of the box to show: EditorDirectoryMissing or HistorySaveError; empty when saved.
  std::string message;
  bool ok() const { return status == HistorySaveStatus::Saved; }
};

// Writes the history into the editor folder, one path per line, replacing the old file only
// when the new one is complete. An existing file keeps the case of its name.
HistorySaveResult writeHistory(const FileHistory& history, const std::string& editorDirectory);

}  // namespace shell
