#include "editing/clipboards.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <cerrno>
#include <cstring>

#include <algorithm>
#include <utility>

#include "model/layouts.h"
#include "model/mission_file.h"
#include "shell/paths.h"

namespace editing {

Clipboard Clipboard::conditions() {
  return Clipboard(model::trigger::Size, ConditionClipboardFile);
}

Clipboard Clipboard::orders() {
  return Clipboard(model::order::Size, OrderClipboardFile);
}

model::Text Clipboard::load(const std::string& editorDirectory) {
  const auto path = shell::findEntryNoCase(editorDirectory, fileName_);
  if (!path) {
    entries_.clear();
    unreadable_ = false;
    return {};
  }
  // Non-blocking, so that a named pipe under the clipboard's name does not stop the start-up.
  const int fd = ::open(path->c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
  if (fd < 0) {
    unreadable_ = true;
    return model::Text(ZYNED_TEXT("core", "Cannot open \"%1\": %2"), model::utf8Data(*path),
                       model::utf8Data(std::strerror(errno)));
  }
  std::vector<std::uint8_t> data;
  model::Text error;
  struct stat st {};
  if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
    ::close(fd);
    entries_.clear();
    unreadable_ = true;
    return model::Text(ZYNED_TEXT("core", "Error reading \"%1\": not a regular file"),
                       model::utf8Data(*path));
  }
  std::uint8_t chunk[4096];
  for (;;) {
    const ssize_t n = ::read(fd, chunk, sizeof chunk);
    if (n == 0) break;
    if (n < 0) {
      if (errno == EINTR) continue;
      error = model::Text(ZYNED_TEXT("core", "Error reading \"%1\": %2"), model::utf8Data(*path),
                          model::utf8Data(std::strerror(errno)));
      break;
    }
    data.insert(data.end(), chunk, chunk + n);
  }
  ::close(fd);
  // What was read before a fault stays; a partial last record is not an entry.
  takeBytes(data);
  unreadable_ = !error.empty();
  return error;
}

std::size_t Clipboard::takeBytes(model::CBytes data) {
  entries_.clear();
  const std::size_t records = data.size() / recordSize_;
  entries_.reserve(records);
  for (std::size_t i = 0; i < records; ++i) {
    const auto record = data.subspan(i * recordSize_, recordSize_);
    entries_.emplace_back(record.begin(), record.end());
  }
  return data.size() - records * recordSize_;
}

std::vector<std::uint8_t> Clipboard::bytes() const {
  std::vector<std::uint8_t> data;
  data.reserve(entries_.size() * recordSize_);
  for (const Entry& e : entries_) data.insert(data.end(), e.begin(), e.end());
  return data;
}

model::Text Clipboard::save(const std::string& editorDirectory) const {
  const std::string path = shell::findEntryNoCase(editorDirectory, fileName_)
                               .value_or(shell::joinPath(editorDirectory, fileName_));
  // A file that could not be read whole is not replaced by the part that was read.
  if (unreadable_)
    return model::Text(
        ZYNED_TEXT("core",
                   "\"%1\" was not rewritten: it could not be read when the editor started."),
        model::utf8Data(path));
  const model::SaveResult r = model::saveFile(path, bytes());
  return r.ok ? model::Text() : r.text;
}

void Clipboard::add(model::CBytes record) {
  Entry e(recordSize_, 0);
  std::copy_n(record.begin(), std::min(record.size(), recordSize_), e.begin());
  entries_.push_back(std::move(e));
}

std::size_t Clipboard::moveUp(std::size_t i) {
  if (i == 0 || i >= entries_.size()) return i;
  std::swap(entries_[i], entries_[i - 1]);
  return i - 1;
}

std::size_t Clipboard::moveDown(std::size_t i) {
  if (i + 1 >= entries_.size()) return i;
  std::swap(entries_[i], entries_[i + 1]);
  return i + 1;
}

int Clipboard::remove(std::size_t i) {
  if (i < entries_.size()) entries_.erase(entries_.begin() + static_cast<std::ptrdiff_t>(i));
  if (entries_.empty()) return -1;
  return static_cast<int>(std::min(i, entries_.size() - 1));
}

}  // namespace editing
