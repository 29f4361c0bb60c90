#include "shell/paths.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

namespace shell {

namespace fs = std::filesystem;

std::string lowerAscii(std::string_view s) {
  std::string out(s);
  for (char& c : out)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return out;
}

bool equalsNoCase(std::string_view a, std::string_view b) {
  // Compared in place: the settings reader asks this for every key of every section.
  const auto lower = [](char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
  };
  return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                    [&](char x, char y) { return lower(x) == lower(y); });
}

std::string joinPath(const std::string& directory, std::string_view name) {
  if (directory.empty()) return std::string(name);
  std::string out = directory;
  if (out.back() != fs::path::preferred_separator) out += fs::path::preferred_separator;
  out += name;
  return out;
}

std::optional<std::string> findEntryNoCase(const std::string& directory, std::string_view name) {
  if (directory.empty() || name.empty()) return std::nullopt;
  std::error_code ec;
  const std::string exact = joinPath(directory, name);
  if (fs::exists(fs::symlink_status(exact, ec))) return exact;
  fs::directory_iterator it(directory, ec);
  if (ec) return std::nullopt;
  // Several spellings may exist side by side; the smallest one is taken so the choice does not
  // depend on the order the folder lists them in.
  std::optional<std::string> best;
  for (; it != fs::directory_iterator(); it.increment(ec)) {
    if (ec) break;
    const std::string entry = it->path().filename().string();
    if (equalsNoCase(entry, name) && (!best || entry < *best)) best = entry;
  }
  if (!best) return std::nullopt;
  return joinPath(directory, *best);
}

bool isDirectory(const std::string& path) {
  std::error_code ec;
  return !path.empty() && fs::is_directory(path, ec);
}

}  // namespace shell
