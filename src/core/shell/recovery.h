#pragma once
// The recovery folder beside the settings: copies of unsaved work that a crash, a kill or a
// power cut cannot take away, and the marks of the running editors.
//
// Every running editor is a session with a lock file "<id>.lock" it holds locked for its whole
// life; the system frees the lock when the process ends however it ends, so a copy whose lock
// nobody holds belongs to an editor that is gone. A session writes its copies as
// "<id>.<role>" files and describes them in "<id>.meta" (written last, through the safe save, all
// or none): which file each copy belongs to (or none for an unnamed mission), when it was
// written, the mission's format, and each file as the editor last loaded or saved it (size, time
// and hash), so that the offer can tell what the copy changes. "<id>.holds" names the mission the
// session has open, so that a second editor opening it can say who holds it.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "model/safe_save.h"

namespace shell {

// ---- A file as the editor knows it ----------------------------------------------------------

// A 64-bit hash of bytes (FNV-1a): enough to tell a change, not a defence against an attacker.
std::uint64_t contentHash(const std::uint8_t* data, std::size_t size);
inline std::uint64_t contentHash(const std::vector<std::uint8_t>& bytes) {
  return contentHash(bytes.data(), bytes.size());
}

// A file as it was read or written: whether it was there, its size, modification time and hash.
struct DiskStamp {
  bool exists = false;
  std::uint64_t size = 0;
  std::int64_t mtimeNs = 0;
  std::uint64_t hash = 0;
  bool operator==(const DiskStamp&) const = default;
};

// The stamp of `bytes` that were just read from or written to `path` (the time is the file's).
DiskStamp stampOf(const std::string& path, const std::vector<std::uint8_t>& bytes);

// The stamp of the file as it is on disk now (not `exists` when it cannot be read).
DiskStamp readStamp(const std::string& path);

enum class DiskState {
  Same,        // the bytes on disk are the ones the stamp describes
  Changed,     // other bytes
  Missing,     // the file is gone (deleted or moved away)
  Unreadable,  // there but not a regular file, or cannot be read
};
// Compares the file on disk with `known` by its bytes (a new time alone is no change). `now`
// receives the stamp of what is on disk when it could be read.
DiskState compareWithDisk(const std::string& path, const DiskStamp& known,
                          DiskStamp* now = nullptr);
// Whether another program wrote `path` since the editor read it as `read`: its bytes differ, or
// it is gone or unreadable now. A file that was missing then and still is was not written.
bool writtenSince(const std::string& path, const DiskStamp& read);

// ---- The recovery folder --------------------------------------------------------------------

// "<configDir>/recovery".
std::string recoveryFolder(const std::string& configDir);

// One file of a copy: the mission, or another file of its session (the sound list).
struct CopiedFile {
  std::string role;        // "mission", "sounds": also the copy's extension
  std::string path;        // the file it belongs to; empty: not on disk yet (an unnamed mission)
  std::uint64_t size = 0;  // of the copy
  std::uint64_t hash = 0;
  DiskStamp disk;  // the file as the editor last loaded or saved it
};

struct RecoveryMeta {
  std::string session;
  long pid = 0;
  std::int64_t writtenMs = 0;  // milliseconds since 1970
  int format = 0;              // the mission's platform id
  std::vector<CopiedFile> files;
  const CopiedFile* find(const std::string& role) const;
};

// The metadata as written, and read back; nothing (with the reason) for text that is cut short,
// damaged or written by a newer version.
std::string metaText(const RecoveryMeta& meta);
std::optional<RecoveryMeta> parseMeta(const std::string& text, std::string* why = nullptr);

// A copy found in the folder.
struct RecoveryCopy {
  std::string session;
  bool alive = false;     // its editor still runs
  bool readable = false;  // the metadata and every copy are whole
  std::string problem;    // why it is not readable
  RecoveryMeta meta;      // when readable
};

// Every copy in `folder`, oldest first; alive ones included (callers skip them).
std::vector<RecoveryCopy> listCopies(const std::string& folder);
// Whether the session's editor still runs (its lock is held).
bool sessionAlive(const std::string& folder, const std::string& session);
// The bytes of one file of a copy, checked against the metadata; false with the reason.
bool readCopy(const std::string& folder, const RecoveryMeta& meta, const std::string& role,
              std::vector<std::uint8_t>& out, std::string& why);
// Removes a session's copies (and its lock when its editor is gone).
void discardCopies(const std::string& folder, const std::string& session);

// The running editor's own session: holds its lock from start to end.
class RecoverySession {
 public:
  // Makes the folder when needed and takes a new session's lock; nothing (with the reason) when
  // the folder cannot be written.
  static std::optional<RecoverySession> start(const std::string& folder, std::string* why);
  RecoverySession(RecoverySession&& other) noexcept;
  RecoverySession& operator=(RecoverySession&& other) noexcept;
  RecoverySession(const RecoverySession&) = delete;
  RecoverySession& operator=(const RecoverySession&) = delete;
  // Removes the lock file and frees the lock; the copies stay (discard() takes them).
  ~RecoverySession();

  const std::string& id() const { return id_; }
  const std::string& folder() const { return folder_; }

  // Writes the copies of `files` (the same roles as `meta.files`, in order) and then the
  // metadata, all or none; the session, pid and time of `meta` are filled in.
  model::SaveResult write(RecoveryMeta meta,
                          const std::vector<std::vector<std::uint8_t>>& files) const;
  // Removes the copies of unsaved work this editor wrote; it goes on writing them (its lock is
  // kept).
  void discard() const;

  // The mission this editor has open (empty: none on disk); other editors read it to say who
  // holds a file.
  void setHeldFile(const std::string& path) const;

 private:
  RecoverySession() = default;
  void release();
  std::string folder_;
  std::string id_;
  int fd_ = -1;
};

// A running editor holding a mission file.
struct Holder {
  long pid = 0;
  std::int64_t sinceMs = 0;
  std::string session;
};
// The running editors other than `self` holding `path` (compared as the same file on disk).
std::vector<Holder> holdersOf(const std::string& folder, const std::string& path,
                              const std::string& self = {});

}  // namespace shell
