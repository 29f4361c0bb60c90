#include "shell/file_history.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "model/mission_file.h"
#include "shell/paths.h"
#include "shell/vocabulary.h"

namespace shell {

namespace {

// Two paths are one entry when they name one file on disk (by a link, "..", a relative path or
// another letter case), or, where one of them names no file, when they differ at most in letter
// case, as on the game's platform. Two files a case-sensitive file system holds are two entries.
bool sameEntry(const std::string& a, const std::string& b) {
  if (a == b) return true;
  namespace fs = std::filesystem;
  std::error_code ea, eb, same;
  if (fs::exists(a, ea) && fs::exists(b, eb)) return fs::equivalent(a, b, same);
  return equalsNoCase(fs::path(a).lexically_normal().string(),
                      fs::path(b).lexically_normal().string());
}

}  // namespace

model::Text missingFileText(std::string_view path) {
  return {ZYNED_TEXT("core", "%1 does not exist"), model::utf8Data(std::string(path))};
}
std::string missingFileMessage(std::string_view path) {
  return missingFileText(path).english();
}

FileHistory::FileHistory(const std::vector<std::string>& stored) {
  for (const std::string& path : stored) {
    if (entries_.size() == HistoryLimit) break;
    if (path.empty()) continue;
    const bool seen = std::any_of(entries_.begin(), entries_.end(),
                                  [&](const std::string& e) { return sameEntry(e, path); });
    if (!seen) entries_.push_back(path);
  }
}

void FileHistory::add(const std::string& path) {
  if (path.empty()) return;
  std::erase_if(entries_, [&](const std::string& e) { return sameEntry(e, path); });
  entries_.insert(entries_.begin(), path);
  if (entries_.size() > HistoryLimit) entries_.resize(HistoryLimit);
}

std::vector<std::string> FileHistory::captions(bool dirInReopen) const {
  std::vector<std::string> out;
  for (std::size_t i = 0; i < entries_.size(); ++i) {
    const std::string shown = dirInReopen ? entries_[i] : baseName(entries_[i]);
    std::string caption = "&" + std::to_string(i) + " ";
    for (char c : shown) {
      if (c == '&') caption += '&';
      caption += c;
    }
    out.push_back(std::move(caption));
  }
  return out;
}

std::optional<std::size_t> reopenIndexFromCaption(std::string_view caption) {
  const auto amp = caption.find('&');
  if (amp == std::string_view::npos || amp + 1 >= caption.size()) return std::nullopt;
  const char digit = caption[amp + 1];
  if (digit < '0' || digit > '9') return std::nullopt;
  return static_cast<std::size_t>(digit - '0');
}

std::string baseName(std::string_view path) {
  const auto cut = path.find_last_of("/\\");
  return std::string(cut == std::string_view::npos ? path : path.substr(cut + 1));
}

std::optional<std::string> findHistoryFile(const std::string& editorDirectory) {
  return findEntryNoCase(editorDirectory, HistoryFileName);
}

FileHistory readHistory(const std::string& editorDirectory) {
  const auto path = findHistoryFile(editorDirectory);
  if (!path) return {};
  std::vector<std::uint8_t> data;
  std::string error;
  if (!model::readWholeFile(*path, data, error)) return {};
  std::string_view text(reinterpret_cast<const char*>(data.data()), data.size());
  // Paths are kept as the system names them (UTF-8): a byte order mark that a text editor
  // added is dropped, and the lines are not converted to the mission files' character set.
  if (text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);
  return FileHistory(splitLines(text));
}

HistorySaveResult writeHistory(const FileHistory& history, const std::string& editorDirectory) {
  if (!isDirectory(editorDirectory))
    return {HistorySaveStatus::NoEditorDirectory, EditorDirectoryMissing};
  const std::string path =
      findHistoryFile(editorDirectory).value_or(joinPath(editorDirectory, HistoryFileName));
  std::vector<std::uint8_t> data;
  for (const std::string& entry : history.entries()) {
    data.insert(data.end(), entry.begin(), entry.end());
    data.push_back('\r');
    data.push_back('\n');
  }
  if (!model::saveFile(path, data).ok) return {HistorySaveStatus::WriteFailed, HistorySaveError};
  return {};
}

}  // namespace shell
