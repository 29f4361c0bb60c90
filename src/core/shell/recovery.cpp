#include "shell/recovery.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <filesystem>
#include <map>
#include <random>
#include <sstream>
#include <system_error>

namespace shell {
namespace fs = std::filesystem;

namespace {

constexpr const char* MetaFirstLine = "ZynED recovery";
constexpr int MetaVersion = 1;
constexpr const char* LockExt = ".lock";
constexpr const char* MetaExt = ".meta";
constexpr const char* HoldsExt = ".holds";

std::int64_t nowMs() {
  return std::chrono::duration_cast<std::chrono::milliseconds>(
             std::chrono::system_clock::now().time_since_epoch())
      .count();
}

std::string copyPath(const std::string& folder, const std::string& session,
                     const std::string& ext) {
  return (fs::path(folder) / (session + ext)).string();
}

std::string stampText(const DiskStamp& s) {
  if (!s.exists) return "none";
  return std::to_string(s.size) + " " + std::to_string(s.mtimeNs) + " " + std::to_string(s.hash);
}

bool parseStamp(const std::string& text, DiskStamp& s) {
  if (text == "none") {
    s = {};
    return true;
  }
  std::istringstream in(text);
  s.exists = true;
  return static_cast<bool>(in >> s.size >> s.mtimeNs >> s.hash) && (in >> std::ws).eof();
}

template <class T>
bool parseNumber(const std::string& text, T& out) {
  std::istringstream in(text);
  return static_cast<bool>(in >> out) && (in >> std::ws).eof();
}

bool readText(const std::string& path, std::string& out) {
  std::vector<std::uint8_t> bytes;
  std::string error;
  if (!model::readWholeFile(path, bytes, error)) return false;
  out.assign(bytes.begin(), bytes.end());
  return true;
}

// Whether someone holds the lock of `path`: a shared lock cannot be had while the owner holds
// its exclusive one.
bool lockHeld(const std::string& path) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK);
  if (fd < 0) return false;
  const bool held = ::flock(fd, LOCK_SH | LOCK_NB) != 0 && errno == EWOULDBLOCK;
  ::close(fd);
  return held;
}

// The sessions that have files in the folder (the safe save's temporary files, which begin with
// a dot, are no session's).
std::map<std::string, std::vector<std::string>> sessionsIn(const std::string& folder) {
  std::map<std::string, std::vector<std::string>> found;
  std::error_code ec;
  for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
    const std::string name = it->path().filename().string();
    if (name.empty() || name[0] == '.') continue;
    const auto dot = name.find('.');
    if (dot == std::string::npos || dot == 0) continue;
    found[name.substr(0, dot)].push_back(name.substr(dot));
  }
  return found;
}

}  // namespace

// ---------------------------------------------------------------------------------------------
// Stamps

std::uint64_t contentHash(const std::uint8_t* data, std::size_t size) {
  std::uint64_t h = 14695981039346656037ull;
  for (std::size_t i = 0; i < size; ++i) {
    h ^= data[i];
    h *= 1099511628211ull;
  }
  return h;
}

DiskStamp stampOf(const std::string& path, const std::vector<std::uint8_t>& bytes) {
  DiskStamp s;
  s.exists = true;
  s.size = bytes.size();
  s.hash = contentHash(bytes);
  struct stat st {};
  if (::stat(path.c_str(), &st) == 0)
    s.mtimeNs = static_cast<std::int64_t>(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec;
  return s;
}

DiskStamp readStamp(const std::string& path) {
  std::vector<std::uint8_t> bytes;
  std::string error;
  if (!model::readWholeFile(path, bytes, error)) return {};
  return stampOf(path, bytes);
}

DiskState compareWithDisk(const std::string& path, const DiskStamp& known, DiskStamp* now) {
  struct stat st {};
  if (::stat(path.c_str(), &st) != 0)
    return errno == ENOENT || errno == ENOTDIR ? DiskState::Missing : DiskState::Unreadable;
  if (!S_ISREG(st.st_mode)) return DiskState::Unreadable;
  std::vector<std::uint8_t> bytes;
  std::string error;
  if (!model::readWholeFile(path, bytes, error)) return DiskState::Unreadable;
  const DiskStamp disk = stampOf(path, bytes);
  if (now) *now = disk;
  if (!known.exists) return DiskState::Changed;
  return disk.size == known.size && disk.hash == known.hash ? DiskState::Same : DiskState::Changed;
}

bool writtenSince(const std::string& path, const DiskStamp& read) {
  const DiskState state = compareWithDisk(path, read);
  return !(state == DiskState::Same || (!read.exists && state == DiskState::Missing));
}

// ---------------------------------------------------------------------------------------------
// Metadata

std::string recoveryFolder(const std::string& configDir) {
  return (fs::path(configDir) / "recovery").string();
}

const CopiedFile* RecoveryMeta::find(const std::string& role) const {
  for (const CopiedFile& f : files)
    if (f.role == role) return &f;
  return nullptr;
}

std::string metaText(const RecoveryMeta& meta) {
  std::ostringstream out;
  out << MetaFirstLine << ' ' << MetaVersion << '\n';
  out << "session=" << meta.session << '\n';
  out << "pid=" << meta.pid << '\n';
  out << "written=" << meta.writtenMs << '\n';
  out << "format=" << meta.format << '\n';
  for (const CopiedFile& f : meta.files) {
    out << "file=" << f.role << '\n';
    out << "path=" << f.path << '\n';
    out << "copy=" << f.size << ' ' << f.hash << '\n';
    out << "disk=" << stampText(f.disk) << '\n';
  }
  out << "end\n";
  return out.str();
}

std::optional<RecoveryMeta> parseMeta(const std::string& text, std::string* why) {
  const auto fail = [why](const std::string& reason) -> std::optional<RecoveryMeta> {
    if (why) *why = reason;
    return std::nullopt;
  };
  std::istringstream in(text);
  std::string line;
  if (!std::getline(in, line) || !line.starts_with(MetaFirstLine))
    return fail("not a recovery description");
  int version = 0;
  if (!parseNumber(line.substr(std::strlen(MetaFirstLine)), version) || version < 1)
    return fail("not a recovery description");
  if (version > MetaVersion) return fail("written by a newer version of the editor");
  RecoveryMeta meta;
  bool ended = false;
  while (std::getline(in, line)) {
    if (line == "end") {
      ended = true;
      break;
    }
    const auto eq = line.find('=');
    if (eq == std::string::npos) return fail("damaged line \"" + line + "\"");
    const std::string key = line.substr(0, eq), value = line.substr(eq + 1);
    bool ok = true;
    if (key == "session")
      meta.session = value;
    else if (key == "pid")
      ok = parseNumber(value, meta.pid);
    else if (key == "written")
      ok = parseNumber(value, meta.writtenMs);
    else if (key == "format")
      ok = parseNumber(value, meta.format);
    else if (key == "file")
      meta.files.emplace_back().role = value;
    else if (meta.files.empty())
      ok = false;
    else if (key == "path")
      meta.files.back().path = value;
    else if (key == "copy") {
      std::istringstream v(value);
      ok = static_cast<bool>(v >> meta.files.back().size >> meta.files.back().hash);
    } else if (key == "disk")
      ok = parseStamp(value, meta.files.back().disk);
    // Keys of a later version of the same layout are passed over.
    if (!ok) return fail("damaged line \"" + line + "\"");
  }
  if (!ended) return fail("cut short");
  if (!meta.find("mission")) return fail("no mission in it");
  return meta;
}

// ---------------------------------------------------------------------------------------------
// The folder

bool sessionAlive(const std::string& folder, const std::string& session) {
  return lockHeld(copyPath(folder, session, LockExt));
}

bool readCopy(const std::string& folder, const RecoveryMeta& meta, const std::string& role,
              std::vector<std::uint8_t>& out, std::string& why) {
  const CopiedFile* f = meta.find(role);
  if (!f) {
    why = "no " + role + " copy";
    return false;
  }
  std::string error;
  if (!model::readWholeFile(copyPath(folder, meta.session, "." + role), out, error)) {
    why = "the " + role + " copy is missing";
    return false;
  }
  if (out.size() != f->size) {
    why = out.size() < f->size ? "the " + role + " copy is cut short"
                               : "the " + role + " copy is damaged";
    return false;
  }
  if (contentHash(out) != f->hash) {
    why = "the " + role + " copy is damaged";
    return false;
  }
  return true;
}

std::vector<RecoveryCopy> listCopies(const std::string& folder) {
  std::vector<RecoveryCopy> copies;
  for (const auto& [session, exts] : sessionsIn(folder)) {
    const bool onlyMarks = std::all_of(exts.begin(), exts.end(), [](const std::string& e) {
      return e == LockExt || e == HoldsExt;
    });
    if (onlyMarks) continue;  // a session that has no copy
    RecoveryCopy c;
    c.session = session;
    c.alive = sessionAlive(folder, session);
    std::string text;
    if (!readText(copyPath(folder, session, MetaExt), text)) {
      c.problem = "its description is missing";
    } else if (auto meta = parseMeta(text, &c.problem)) {
      c.meta = std::move(*meta);
      c.readable = true;
      for (const CopiedFile& f : c.meta.files) {
        std::vector<std::uint8_t> bytes;
        if (!readCopy(folder, c.meta, f.role, bytes, c.problem)) {
          c.readable = false;
          break;
        }
      }
    }
    copies.push_back(std::move(c));
  }
  std::stable_sort(copies.begin(), copies.end(), [](const RecoveryCopy& a, const RecoveryCopy& b) {
    return a.meta.writtenMs < b.meta.writtenMs;
  });
  return copies;
}

void discardCopies(const std::string& folder, const std::string& session) {
  const bool alive = sessionAlive(folder, session);
  const auto found = sessionsIn(folder);
  const auto it = found.find(session);
  if (it == found.end()) return;
  std::error_code ec;
  // The description first: a copy without it is never mistaken for a whole one.
  fs::remove(copyPath(folder, session, MetaExt), ec);
  for (const std::string& ext : it->second) {
    if (ext == MetaExt || (alive && (ext == LockExt || ext == HoldsExt))) continue;
    fs::remove(copyPath(folder, session, ext), ec);
  }
}

// ---------------------------------------------------------------------------------------------
// The running editor's session

std::optional<RecoverySession> RecoverySession::start(const std::string& folder, std::string* why) {
  std::error_code ec;
  fs::create_directories(folder, ec);
  if (ec) {
    if (why) *why = "Cannot make the folder \"" + folder + "\": " + ec.message();
    return std::nullopt;
  }
  std::random_device rd;
  const long pid = static_cast<long>(::getpid());
  for (int attempt = 0; attempt < 16; ++attempt) {
    std::ostringstream id;
    id << pid << '-' << nowMs() << '-' << std::hex << (rd() & 0xffffff);
    const std::string path = copyPath(folder, id.str(), LockExt);
    const int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0600);
    if (fd < 0) {
      if (errno == EEXIST) continue;
      if (why) *why = "Cannot write in \"" + folder + "\": " + std::strerror(errno);
      return std::nullopt;
    }
    if (::flock(fd, LOCK_EX) != 0) {
      if (why) *why = "Cannot lock \"" + path + "\": " + std::strerror(errno);
      ::close(fd);
      ::unlink(path.c_str());
      return std::nullopt;
    }
    const std::string text = "pid=" + std::to_string(pid) + "\n";
    [[maybe_unused]] const auto written = ::write(fd, text.data(), text.size());
    RecoverySession s;
    s.folder_ = folder;
    s.id_ = id.str();
    s.fd_ = fd;
    return s;
  }
  if (why) *why = "Cannot make a lock file in \"" + folder + "\"";
  return std::nullopt;
}

RecoverySession::RecoverySession(RecoverySession&& other) noexcept
    : folder_(std::move(other.folder_)), id_(std::move(other.id_)), fd_(other.fd_) {
  other.fd_ = -1;
}

RecoverySession& RecoverySession::operator=(RecoverySession&& other) noexcept {
  if (this != &other) {
    release();
    folder_ = std::move(other.folder_);
    id_ = std::move(other.id_);
    fd_ = other.fd_;
    other.fd_ = -1;
  }
  return *this;
}

RecoverySession::~RecoverySession() {
  release();
}

void RecoverySession::release() {
  if (fd_ < 0) return;
  std::error_code ec;
  fs::remove(copyPath(folder_, id_, HoldsExt), ec);
  ::unlink(copyPath(folder_, id_, LockExt).c_str());
  ::close(fd_);
  fd_ = -1;
}

model::SaveResult RecoverySession::write(
    RecoveryMeta meta, const std::vector<std::vector<std::uint8_t>>& files) const {
  meta.session = id_;
  meta.pid = static_cast<long>(::getpid());
  meta.writtenMs = nowMs();
  std::vector<model::FileImage> images;
  for (std::size_t i = 0; i < meta.files.size() && i < files.size(); ++i) {
    meta.files[i].size = files[i].size();
    meta.files[i].hash = contentHash(files[i]);
    images.push_back({copyPath(folder_, id_, "." + meta.files[i].role), files[i], {}});
  }
  // A copy given up since the last write (a sound list saved) goes with this one.
  for (const auto& [session, exts] : sessionsIn(folder_)) {
    if (session != id_) continue;
    for (const std::string& ext : exts) {
      if (ext == LockExt || ext == MetaExt || ext == HoldsExt) continue;
      if (!meta.find(ext.substr(1))) {
        std::error_code ec;
        fs::remove(copyPath(folder_, id_, ext), ec);
      }
    }
  }
  const std::string text = metaText(meta);
  images.push_back({copyPath(folder_, id_, MetaExt), {text.begin(), text.end()}, {}});
  return model::saveFiles(images);
}

void RecoverySession::discard() const {
  std::error_code ec;
  fs::remove(copyPath(folder_, id_, MetaExt), ec);
  for (const auto& [session, exts] : sessionsIn(folder_)) {
    if (session != id_) continue;
    for (const std::string& ext : exts)
      if (ext != LockExt && ext != HoldsExt) fs::remove(copyPath(folder_, id_, ext), ec);
  }
}

void RecoverySession::setHeldFile(const std::string& path) const {
  const std::string file = copyPath(folder_, id_, HoldsExt);
  if (path.empty()) {
    std::error_code ec;
    fs::remove(file, ec);
    return;
  }
  const std::string text = "pid=" + std::to_string(::getpid()) +
                           "\nsince=" + std::to_string(nowMs()) + "\npath=" + path + "\n";
  model::saveFile(file, {text.begin(), text.end()});
}

std::vector<Holder> holdersOf(const std::string& folder, const std::string& path,
                              const std::string& self) {
  std::vector<Holder> holders;
  std::error_code ec;
  const fs::path wanted = fs::weakly_canonical(path, ec);
  for (const auto& [session, exts] : sessionsIn(folder)) {
    if (session == self || std::find(exts.begin(), exts.end(), HoldsExt) == exts.end()) continue;
    std::string text;
    if (!readText(copyPath(folder, session, HoldsExt), text)) continue;
    Holder h;
    h.session = session;
    std::string held;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
      if (line.starts_with("pid=")) parseNumber(line.substr(4), h.pid);
      if (line.starts_with("since=")) parseNumber(line.substr(6), h.sinceMs);
      if (line.starts_with("path=")) held = line.substr(5);
    }
    if (held.empty() || fs::weakly_canonical(held, ec) != wanted) continue;
    if (sessionAlive(folder, session)) holders.push_back(h);
  }
  return holders;
}

}  // namespace shell
