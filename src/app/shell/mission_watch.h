#pragma once
// The watch on the open mission file and its sound list: a file replaced by rename (as every
// safe writer, git and zyned-cli write) stays watched, and so does a name deleted and made
// again. When the mission's bytes change on disk (not just its time), an unchanged Mission is
// reloaded at once as one undo step, keeping the current flight group, message, page and tab;
// a Mission with unsaved changes asks "Mission Changed on Disk" (Reload / Keep Mine / Compare).
// A file deleted or moved away is said in the status line and the Mission counts as changed,
// so Save writes it back.

#include <QFileSystemWatcher>
#include <QObject>
#include <QString>
#include <QTimer>

#include <cstdint>
#include <optional>
#include <string>

#include "app/document/editor_context.h"

class QWidget;

namespace app {

class MessageSounds;
class MissionFiles;

class MissionWatch : public QObject {
  Q_OBJECT
 public:
  // Changes that come in a burst (a writer's temporary file, then the rename) are looked at
  // once they stop for this long.
  static constexpr int QuietMs = 100;

  MissionWatch(const EditorContext& context, MissionFiles& files, MessageSounds& sounds,
               QWidget* window);

  // Looks at the files now (tests and the benchmark; the watch calls it by itself).
  void check();
  // The files watched (for tests).
  QStringList watched() const;

 signals:
  void statusMessage(const QString& text);

 private:
  void follow();
  void changedSoon();
  void checkMission();
  void checkSounds();

  const EditorContext& ctx_;
  MissionFiles& files_;
  MessageSounds& sounds_;
  QWidget* window_;
  QFileSystemWatcher watcher_;
  QTimer quiet_;
  std::string mission_;  // the file watched; empty: none
  std::string soundList_;
  // The content on disk already answered for (asked about or said gone), so one change is one
  // question.
  std::optional<std::uint64_t> answered_;
  bool goneSaid_ = false;
  bool asking_ = false;
};

}  // namespace app
