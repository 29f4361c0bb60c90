#include "lists/text_file.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <random>
#include <system_error>

#include "model/mission_file.h"
#include "shell/paths.h"

namespace lists {

namespace fs = std::filesystem;

std::vector<std::string> splitLines(std::string_view text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '\r' && text[i] != '\n') continue;
    lines.emplace_back(text.substr(start, i - start));
    if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
    start = i + 1;
  }
  if (start < text.size()) lines.emplace_back(text.substr(start));
  return lines;
}

std::string joinCrLf(const std::vector<std::string>& lines) {
  std::string out;
  for (const std::string& line : lines) out.append(line).append("\r\n");
  return out;
}

bool readTextFile(const std::string& path, std::string& text, std::string& error) {
  std::vector<std::uint8_t> data;
  if (!model::readWholeFile(path, data, error)) return false;
  text.assign(data.begin(), data.end());
  return true;
}

bool readLines(const std::string& path, std::vector<std::string>& lines, std::string& error) {
  std::string text;
  if (!readTextFile(path, text, error)) return false;
  lines = splitLines(text);
  return true;
}

bool writeTextFile(const std::string& path, std::string_view text, std::string& error) {
  std::error_code ec;
  if (fs::is_directory(path, ec)) {
    error = "Could not save \"" + path + "\": it is a folder";
    return false;
  }
  const model::SaveResult r =
      model::writeFileAtomically(path, std::vector<std::uint8_t>(text.begin(), text.end()));
  if (!r.ok) error = r.error;
  return r.ok;
}

bool writeLines(const std::string& path, const std::vector<std::string>& lines,
                std::string& error) {
  return writeTextFile(path, joinCrLf(lines), error);
}

namespace {

// Writes `text` to a new temporary file beside `path` and syncs it; its name goes to `temp`.
bool writeTemporary(const std::string& path, std::string_view text, std::string& temp,
                    std::string& error) {
  const fs::path target(path);
  const fs::path dir = target.has_parent_path() ? target.parent_path() : fs::path(".");
  std::random_device rd;
  int fd = -1;
  for (int attempt = 0; attempt < 16 && fd < 0; ++attempt) {
    const fs::path candidate =
        dir / ("." + target.filename().string() + ".tmp" + std::to_string(rd() % 1000000));
    fd = ::open(candidate.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
    if (fd >= 0)
      temp = candidate.string();
    else if (errno != EEXIST)
      break;
  }
  if (fd < 0) {
    error = "Could not save \"" + path + "\": " + std::strerror(errno);
    return false;
  }
  std::size_t done = 0;
  bool ok = true;
  while (ok && done < text.size()) {
    const ssize_t n = ::write(fd, text.data() + done, text.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0)
      ok = false;
    else
      done += static_cast<std::size_t>(n);
  }
  ok = ok && ::fsync(fd) == 0;
  if (!ok) error = "Could not save \"" + path + "\": " + std::strerror(errno);
  ok = ::close(fd) == 0 && ok;
  return ok;
}

}  // namespace

bool writeTextFiles(const std::vector<std::pair<std::string, std::string>>& files,
                    std::string& error) {
  std::vector<std::string> temps;
  auto removeTemps = [&] {
    std::error_code ec;
    for (const std::string& t : temps) fs::remove(t, ec);
  };
  for (const auto& [path, text] : files) {
    std::error_code ec;
    if (fs::is_directory(path, ec)) {
      error = "Could not save \"" + path + "\": it is a folder";
      removeTemps();
      return false;
    }
    std::string temp;
    const bool ok = writeTemporary(path, text, temp, error);
    if (!temp.empty()) temps.push_back(temp);
    if (!ok) {
      removeTemps();
      return false;
    }
  }
  for (std::size_t i = 0; i < files.size(); ++i) {
    std::error_code ec;
    fs::rename(temps[i], files[i].first, ec);
    if (ec) {
      error = "Could not save \"" + files[i].first + "\": " + ec.message();
      temps.erase(temps.begin(), temps.begin() + static_cast<std::ptrdiff_t>(i));
      removeTemps();
      return false;
    }
  }
  return true;
}

std::string findPath(const std::string& base, std::string_view relative) {
  std::string path = base;
  bool found = true;
  std::size_t start = 0;
  while (start <= relative.size()) {
    std::size_t end = relative.find_first_of("\\/", start);
    if (end == std::string_view::npos) end = relative.size();
    const std::string_view part = relative.substr(start, end - start);
    if (!part.empty()) {
      const auto entry = found ? shell::findEntryNoCase(path, part) : std::nullopt;
      if (entry) {
        path = *entry;
      } else {
        found = false;
        path = shell::joinPath(path, part);
      }
    }
    start = end + 1;
  }
  return path;
}

bool isFile(const std::string& path) {
  std::error_code ec;
  return !path.empty() && fs::is_regular_file(path, ec);
}

bool pathExists(const std::string& path) {
  std::error_code ec;
  return !path.empty() && fs::exists(path, ec);
}

std::string fileNameOf(std::string_view path) {
  const std::size_t slash = path.find_last_of("\\/");
  return std::string(slash == std::string_view::npos ? path : path.substr(slash + 1));
}

std::string folderOf(std::string_view path) {
  const std::size_t slash = path.find_last_of("\\/");
  return slash == std::string_view::npos ? std::string() : std::string(path.substr(0, slash));
}

std::string upperAscii(std::string_view s) {
  std::string out(s);
  for (char& c : out)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  return out;
}

bool containsNoCase(std::string_view text, std::string_view part) {
  return upperAscii(text).find(upperAscii(part)) != std::string::npos;
}

}  // namespace lists
