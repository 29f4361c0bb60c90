#include "model/safe_save.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <optional>
#include <random>
#include <system_error>
#include <utility>

namespace model {
namespace {

namespace fs = std::filesystem;

std::function<int(const std::string&)>& replaceFault() {
  static std::function<int(const std::string&)> hook;
  return hook;
}

// The system's own words for an error number: data, shown as the system gives it.
Text systemError(int error) {
  return utf8Data(std::strerror(error));
}

// A save check's reason (a text of its caller's) as data.
bool passes(const SaveCheck& check, const std::vector<std::uint8_t>& written, Text& why) {
  std::string reason;
  if (check(written, reason)) return true;
  why = utf8Data(std::move(reason));
  return false;
}

// Writes all bytes to an open file; false with errno set when the disk refuses.
bool writeAll(int fd, const std::uint8_t* data, std::size_t size) {
  std::size_t done = 0;
  while (done < size) {
    const ssize_t n = ::write(fd, data + done, size - done);
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    done += static_cast<std::size_t>(n);
  }
  return true;
}

// Replaces the whole content of an open file and puts it on disk.
bool overwrite(int fd, const std::vector<std::uint8_t>& bytes) {
  return ::lseek(fd, 0, SEEK_SET) == 0 && writeAll(fd, bytes.data(), bytes.size()) &&
         ::ftruncate(fd, static_cast<off_t>(bytes.size())) == 0 && ::fsync(fd) == 0;
}

// A file the user has protected from writing: no write permission for us (an immutable file
// or a read-only file system refuse even the superuser), or, seen by the superuser whom
// permissions do not stop, no write bit at all.
bool writeProtected(const fs::path& target, const struct stat& st) {
  return ::access(target.c_str(), W_OK) != 0 || (st.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0;
}

// Whether a new file of ours can be given the old file's owner and group.
bool canKeepOwner(const struct stat& st) {
  if (::geteuid() == 0) return true;
  if (st.st_uid != ::geteuid()) return false;
  if (st.st_gid == ::getegid()) return true;
  const int count = ::getgroups(0, nullptr);
  if (count <= 0) return false;
  std::vector<gid_t> groups(static_cast<std::size_t>(count));
  const int got = ::getgroups(count, groups.data());
  return got > 0 && std::find(groups.begin(), groups.begin() + got, st.st_gid) != groups.end();
}

void syncFolder(const fs::path& dir) {
  const int dirFd = ::open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (dirFd >= 0) {
    ::fsync(dirFd);
    ::close(dirFd);
  }
}

fs::path folderOf(const fs::path& p) {
  return p.has_parent_path() ? p.parent_path() : fs::path(".");
}

// The file a path finally names: symbolic links followed, a relative one from its own folder.
// A link to a file that is not there yet names that file.
bool followLinks(fs::path& p, Text& why) {
  for (int hop = 0; hop < 40; ++hop) {
    struct stat st {};
    if (::lstat(p.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return true;
    std::error_code ec;
    fs::path next = fs::read_symlink(p, ec);
    if (ec) {
      why = Text(ZYNED_TEXT("core", "its link cannot be followed (%1)."), utf8Data(ec.message()));
      return false;
    }
    if (next.is_relative()) next = p.parent_path() / next;
    p = std::move(next);
  }
  why = text(ZYNED_TEXT("core", "its links lead round in a circle."));
  return false;
}

// A name beside `target` for a file of ours: "." + its name + tag + digits.
fs::path besideName(const fs::path& target, const char* tag, std::random_device& rd) {
  return folderOf(target) /
         ("." + target.filename().string() + tag + std::to_string(rd() % 1000000));
}

// Creates a new file beside `target`; its descriptor, or -1 with errno set.
int createBeside(const fs::path& target, const char* tag, fs::path& made, mode_t mode) {
  std::random_device rd;
  for (int attempt = 0; attempt < 16; ++attempt) {
    const fs::path candidate = besideName(target, tag, rd);
    const int fd = ::open(candidate.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
    if (fd >= 0) {
      made = candidate;
      return fd;
    }
    if (errno != EEXIST) return -1;
  }
  return -1;
}

// Gives a file of ours the owner, group and permissions of the old file.
bool takeOwnerAndMode(int fd, const struct stat& old, Text& why) {
  struct stat now {};
  if (::fstat(fd, &now) == 0 && (now.st_uid != old.st_uid || now.st_gid != old.st_gid) &&
      ::fchown(fd, old.st_uid, old.st_gid) != 0) {
    why = Text(ZYNED_TEXT("core", "its owner and group cannot be kept (%1)."), systemError(errno));
    return false;
  }
  ::fchmod(fd, old.st_mode & 07777);
  return true;
}

// Fills a new file of ours with bytes and puts them on disk.
bool fill(int fd, const std::vector<std::uint8_t>& bytes, Text& why) {
  if (writeAll(fd, bytes.data(), bytes.size()) && ::fsync(fd) == 0) return true;
  why = systemError(errno);
  return false;
}

struct Pending {
  const FileImage* image = nullptr;
  fs::path target;  // the file itself, links followed
  bool existed = false;
  struct stat old {};
  bool inPlace = false;
  fs::path temp;  // replacing: the new content; in place: a safe copy of the old content
  fs::path keep;  // replacing one of several files: the old file under a second name
  std::vector<std::uint8_t> oldBytes;  // in place
  bool replaced = false;               // the target holds (part of) the new content
  bool keepCopy = false;               // a restore failed: temp or keep holds the old content
};

// Follows the links and looks at the target; false with the reason for a refused target.
bool examine(Pending& p, Text& why) {
  p.target = p.image->path;
  if (!followLinks(p.target, why)) return false;
  p.existed = ::stat(p.target.c_str(), &p.old) == 0;
  if (!p.existed) {
    if (errno == ENOENT) return true;
    why = systemError(errno);
    return false;
  }
  if (S_ISDIR(p.old.st_mode)) {
    why = text(ZYNED_TEXT("core", "it is a folder."));
    return false;
  }
  if (!S_ISREG(p.old.st_mode)) {
    why = text(ZYNED_TEXT("core", "it is not a regular file."));
    return false;
  }
  if (writeProtected(p.target, p.old)) {
    why = text(ZYNED_TEXT("core", "the file is write-protected."));
    return false;
  }
  // A file with other names (hard links) or an owner we cannot give a new file is written in
  // place, so every name and the owner stay; the temporary file then holds the old bytes as a
  // safe copy until the new ones are on disk.
  p.inPlace = p.old.st_nlink > 1 || !canKeepOwner(p.old);
  if (p.inPlace) {
    Text error;
    if (!readWholeFile(p.target.string(), p.oldBytes, error)) {
      why = Text(ZYNED_TEXT("core", "no safe copy of the old file can be made (%1)."),
                 std::move(error));
      return false;
    }
  }
  return true;
}

// Keeps the old file under a second name until every file of a group is saved: a hard link
// where the file system has them, else a copy with the same owner and permissions.
bool keepOld(Pending& p, Text& why) {
  std::random_device rd;
  for (int attempt = 0; attempt < 16; ++attempt) {
    const fs::path candidate = besideName(p.target, ".old", rd);
    if (::link(p.target.c_str(), candidate.c_str()) == 0) {
      p.keep = candidate;
      return true;
    }
    if (errno != EEXIST) break;
  }
  std::vector<std::uint8_t> bytes;
  Text error;
  if (!readWholeFile(p.target.string(), bytes, error)) {
    why = Text(ZYNED_TEXT("core", "no copy of the old file can be kept (%1)."), std::move(error));
    return false;
  }
  const int fd = createBeside(p.target, ".old", p.keep, 0600);
  if (fd < 0) {
    why = systemError(errno);
    return false;
  }
  const bool ok = takeOwnerAndMode(fd, p.old, why) && fill(fd, bytes, why);
  ::close(fd);
  return ok;
}

// Writes the temporary file (and the kept old file when several are saved).
bool prepare(Pending& p, bool several, Text& why) {
  // A new file gets the usual permissions; a replacement stays private until it has the old
  // file's owner and permissions, so its bytes are never more open than the old file's. A safe
  // copy stays private.
  const int fd = createBeside(p.target, ".tmp", p.temp, p.existed ? 0600 : 0666);
  if (fd < 0) {
    why = systemError(errno);
    return false;
  }
  bool ok = !p.existed || p.inPlace || takeOwnerAndMode(fd, p.old, why);
  ok = ok && fill(fd, p.inPlace ? p.oldBytes : p.image->bytes, why);
  if (::close(fd) != 0 && ok) {
    why = systemError(errno);
    ok = false;
  }
  if (!ok) return false;
  if (!p.inPlace && p.image->check) {
    std::vector<std::uint8_t> written;
    if (!readWholeFile(p.temp.string(), written, why)) return false;
    if (!passes(p.image->check, written, why)) return false;
  }
  if (several && p.existed && !p.inPlace) return keepOld(p, why);
  return true;
}

// Puts the new content in place of the old.
bool commit(Pending& p, Text& why) {
  if (const auto& hook = replaceFault(); hook) {
    if (const int error = hook(p.target.string())) {
      why = systemError(error);
      return false;
    }
  }
  if (!p.inPlace) {
    if (::rename(p.temp.c_str(), p.target.c_str()) != 0) {
      why = systemError(errno);
      return false;
    }
    p.temp.clear();
    p.replaced = true;
    // The rename itself is on disk only once the folder is.
    syncFolder(folderOf(p.target));
    return true;
  }
  const int out = ::open(p.target.c_str(), O_WRONLY | O_CLOEXEC);
  if (out < 0) {
    why = systemError(errno);
    return false;
  }
  p.replaced = true;
  bool ok = overwrite(out, p.image->bytes);
  if (!ok) why = systemError(errno);
  if (::close(out) != 0 && ok) {
    why = systemError(errno);
    ok = false;
  }
  if (ok && p.image->check) {
    std::vector<std::uint8_t> written;
    ok = readWholeFile(p.target.string(), written, why) && passes(p.image->check, written, why);
  }
  return ok;
}

// Gives a replaced file its old content back; false when that failed too (the old content
// then stays in the safe copy).
bool restore(Pending& p) {
  if (p.inPlace) {
    const int out = ::open(p.target.c_str(), O_WRONLY | O_CLOEXEC);
    const bool ok = out >= 0 && overwrite(out, p.oldBytes);
    if (out >= 0) ::close(out);
    return ok;
  }
  if (!p.existed) return ::unlink(p.target.c_str()) == 0;
  if (::rename(p.keep.c_str(), p.target.c_str()) != 0) return false;
  p.keep.clear();
  syncFolder(folderOf(p.target));
  return true;
}

void removeOurFiles(std::vector<Pending>& pending) {
  std::error_code ec;
  for (Pending& p : pending) {
    if (p.keepCopy) continue;
    if (!p.temp.empty()) fs::remove(p.temp, ec);
    if (!p.keep.empty()) fs::remove(p.keep, ec);
  }
}

// Refuses a file whose path names the same file as an earlier one: two names of one file in one
// save would leave it holding either content.
std::optional<Text> sameFileAs(const std::vector<Pending>& pending,
                               const std::vector<FileImage>& files, std::size_t at) {
  for (std::size_t j = 0; j < at; ++j) {
    const Pending& other = pending[j];
    const bool same =
        other.target == pending[at].target ||
        (other.existed && pending[at].existed && other.old.st_dev == pending[at].old.st_dev &&
         other.old.st_ino == pending[at].old.st_ino);
    if (same)
      return Text(ZYNED_TEXT("core", "it is the same file as \"%1\"."), utf8Data(files[j].path));
  }
  return std::nullopt;
}

// Gives every file replaced up to `at`, whose commit failed with `why`, its old content back;
// the message of the failed save.
Text rollBack(std::vector<Pending>& pending, const std::vector<FileImage>& files, std::size_t at,
              Text why) {
  const bool several = files.size() > 1;
  std::vector<Text> lost;
  bool restoredAny = false;
  for (std::size_t j = at + 1; j-- > 0;) {
    Pending& p = pending[j];
    if (!p.replaced) continue;
    if (restore(p)) {
      restoredAny = true;
    } else {
      p.keepCopy = true;
      if (!p.existed)
        lost.emplace_back(ZYNED_TEXT("core", "\"%1\" was made and could not be removed again"),
                          utf8Data(files[j].path));
      else
        lost.emplace_back(ZYNED_TEXT("core",
                                     "\"%1\" could not be given its old content back; it is kept "
                                     "in \"%2\""),
                          utf8Data(files[j].path),
                          utf8Data((p.inPlace ? p.temp : p.keep).string()));
    }
  }
  if (!lost.empty()) return Text("%1; %2.", std::move(why), joinedTexts(std::move(lost), "; "));
  if (several)
    return Text(ZYNED_TEXT("core", "%1; every file keeps its old content."), std::move(why));
  if (restoredAny)
    return Text(ZYNED_TEXT("core", "%1; the file keeps its old content."), std::move(why));
  return why;
}

}  // namespace

SaveResult saveFiles(const std::vector<FileImage>& files) {
  SaveResult result;
  std::vector<Pending> pending(files.size());
  const bool several = files.size() > 1;
  std::size_t at = 0;
  Text why;
  auto fail = [&](Text message) {
    removeOurFiles(pending);
    return failedSave(files[at].path, std::move(message));
  };

  for (at = 0; at < files.size(); ++at) {
    pending[at].image = &files[at];
    if (!examine(pending[at], why)) return fail(why);
    if (const auto same = sameFileAs(pending, files, at)) return fail(*same);
  }
  for (at = 0; at < files.size(); ++at)
    if (!prepare(pending[at], several, why)) return fail(why);

  for (at = 0; at < files.size(); ++at) {
    if (commit(pending[at], why)) continue;
    // All or none: every file already replaced gets its old content back.
    return fail(rollBack(pending, files, at, why));
  }
  removeOurFiles(pending);
  result.ok = true;
  for (const FileImage& f : files) result.bytes += f.bytes.size();
  return result;
}

SaveResult saveFile(const std::string& path, const std::vector<std::uint8_t>& data,
                    const SaveCheck& check) {
  return saveFiles({FileImage{path, data, check}});
}

SaveResult failedSave(const std::string& path, Text why) {
  SaveResult result;
  result.text =
      Text(ZYNED_TEXT("core", "Could not save \"%1\": %2"), utf8Data(path), std::move(why));
  result.error = result.text.english();
  return result;
}

bool readWholeFile(const std::string& path, std::vector<std::uint8_t>& out, std::string& error) {
  Text why;
  if (readWholeFile(path, out, why)) return true;
  error = why.english();
  return false;
}

bool readWholeFile(const std::string& path, std::vector<std::uint8_t>& out, Text& error) {
  // Non-blocking so that a named pipe under a file's name is refused instead of hanging; it
  // changes nothing for the plain files that are read.
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
  if (fd < 0) {
    error =
        Text(ZYNED_TEXT("core", "Cannot open file \"%1\": %2"), utf8Data(path), systemError(errno));
    return false;
  }
  struct stat st {};
  // A directory or device opens fine but has no size to trust; only plain files are read.
  if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
    error = Text(ZYNED_TEXT("core", "Cannot open file \"%1\": not a regular file"), utf8Data(path));
    ::close(fd);
    return false;
  }
  out.clear();
  out.reserve(static_cast<std::size_t>(st.st_size));
  std::uint8_t buffer[1 << 16];
  for (;;) {
    const ssize_t n = ::read(fd, buffer, sizeof buffer);
    if (n == 0) break;
    if (n < 0) {
      if (errno == EINTR) continue;
      error = Text(ZYNED_TEXT("core", "Cannot read file \"%1\": %2"), utf8Data(path),
                   systemError(errno));
      ::close(fd);
      return false;
    }
    out.insert(out.end(), buffer, buffer + n);
  }
  ::close(fd);
  return true;
}

void setReplaceFaultForTesting(std::function<int(const std::string& target)> hook) {
  replaceFault() = std::move(hook);
}

}  // namespace model
