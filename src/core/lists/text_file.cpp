#include "lists/text_file.h"

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <system_error>

#include "model/safe_save.h"
#include "shell/paths.h"
#include "shell/unicode_text.h"

namespace lists {

namespace fs = std::filesystem;

std::vector<std::string> splitLines(std::string_view text) {
  const std::vector<shell::LineSpan> spans = shell::lineSpans(text);
  std::vector<std::string> lines;
  lines.reserve(spans.size());
  for (const shell::LineSpan& l : spans) lines.emplace_back(text.substr(l.start, l.end - l.start));
  return lines;
}

std::string joinCrLf(const std::vector<std::string>& lines) {
  std::string out;
  for (const std::string& line : lines) out.append(line).append("\r\n");
  return out;
}

std::optional<model::Text> notSingleByteTextWhy(std::string_view bytes) {
  if (bytes.starts_with("\xFF\xFE") || bytes.starts_with("\xFE\xFF"))
    return model::text(ZYNED_TEXT("core", "it is UTF-16 text, not single-byte text"));
  if (const std::size_t zero = bytes.find('\0'); zero != std::string_view::npos)
    return model::Text(
        ZYNED_TEXT("core", "byte %1 is a zero byte, which single-byte text does not hold"),
        std::to_string(zero + 1));
  return std::nullopt;
}

std::optional<std::string> notSingleByteText(std::string_view bytes) {
  if (const auto why = notSingleByteTextWhy(bytes)) return why->english();
  return std::nullopt;
}

// The string variants below: the same with the message in English.
template <typename Call>
bool inEnglish(std::string& error, Call call) {
  model::Text why;
  if (call(why)) return true;
  error = why.english();
  return false;
}

bool parseListLines(std::string_view bytes, std::vector<std::string>& lines, std::string& why) {
  if (const auto wrong = notSingleByteText(bytes)) {
    why = *wrong;
    return false;
  }
  lines = splitLines(bytes);
  return true;
}

bool readTextFile(const std::string& path, std::string& text, model::Text& error) {
  std::vector<std::uint8_t> data;
  if (!model::readWholeFile(path, data, error)) return false;
  const std::string_view bytes(reinterpret_cast<const char*>(data.data()), data.size());
  if (auto wrong = notSingleByteTextWhy(bytes)) {
    error = model::Text(ZYNED_TEXT("core", "Cannot read \"%1\" as a list: %2."),
                        model::utf8Data(path), std::move(*wrong));
    return false;
  }
  text.assign(bytes);
  return true;
}
bool readTextFile(const std::string& path, std::string& text, std::string& error) {
  return inEnglish(error, [&](model::Text& why) { return readTextFile(path, text, why); });
}

bool readLines(const std::string& path, std::vector<std::string>& lines, model::Text& error) {
  std::string text;
  if (!readTextFile(path, text, error)) return false;
  lines = splitLines(text);
  return true;
}
bool readLines(const std::string& path, std::vector<std::string>& lines, std::string& error) {
  return inEnglish(error, [&](model::Text& why) { return readLines(path, lines, why); });
}

bool writeTextFile(const std::string& path, std::string_view text, std::string& error) {
  return writeTextFiles({{path, std::string(text)}}, error);
}

bool writeLines(const std::string& path, const std::vector<std::string>& lines,
                model::Text& error) {
  return writeTextFiles({{path, joinCrLf(lines)}}, error);
}
bool writeLines(const std::string& path, const std::vector<std::string>& lines,
                std::string& error) {
  return inEnglish(error, [&](model::Text& why) { return writeLines(path, lines, why); });
}

bool writeTextFiles(const std::vector<std::pair<std::string, std::string>>& files,
                    model::Text& error) {
  std::vector<model::FileImage> images;
  images.reserve(files.size());
  for (const auto& [path, text] : files)
    images.push_back({path, std::vector<std::uint8_t>(text.begin(), text.end()), {}});
  model::SaveResult r = model::saveFiles(images);
  if (!r.ok) error = std::move(r.text);
  return r.ok;
}
bool writeTextFiles(const std::vector<std::pair<std::string, std::string>>& files,
                    std::string& error) {
  return inEnglish(error, [&](model::Text& why) { return writeTextFiles(files, why); });
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
