#pragma once
// Keeps unsaved work safe from a crash, a kill or a power cut: while the Mission (or its sound
// list) has unsaved changes, a copy of it lies in the recovery folder beside the settings,
// written through the safe save on a thread of its own once a change settles (a gesture or a
// burst of typing counts when it ends, never half made). At the next start the copies of
// editors that are gone are offered ("Recover Unsaved Work"). A save, a reload or a new Mission
// without changes takes the copy away, and so does closing the editor in order.

#include <QObject>
#include <QString>
#include <QTimer>

#include <condition_variable>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "app/document/editor_context.h"
#include "shell/recovery.h"

class QWidget;

namespace model {
struct Mission;
}  // namespace model

namespace app {

class MessageSounds;
class MissionFiles;

class RecoveryKeeper : public QObject {
  Q_OBJECT
 public:
  // A change counts as settled after this long without another (a drag or a transaction in
  // progress waits for its end); a change that keeps going is written at least this often.
  static constexpr int SettleMs = 300;
  static constexpr int LongestWaitMs = 1000;

  RecoveryKeeper(const EditorContext& context, MissionFiles& files, MessageSounds& sounds,
                 const std::string& configDir, QWidget* window);
  // Writes what is not written yet: an editor taken down without closing leaves its copy.
  ~RecoveryKeeper() override;

  // The offer of the copies whose editors are gone, before the start-up action; true when one
  // was restored (the start-up action and a file named on the command line then stay away).
  bool offer();
  // The editor closed in order: its copies go.
  void closed();
  // Before a mission file is opened: when another running editor holds it, says which and since
  // when and asks whether to open it anyway.
  bool mayOpen(const std::string& path);
  // "Keep recovery copies": off takes this editor's copies away and writes none.
  void setEnabled(bool on);
  bool enabled() const { return enabled_; }

  // For tests and the benchmark: the copy as the Mission stands now, and the wait until the
  // writer thread is done with every copy asked for.
  void writeNow();
  void waitForWriter();
  // Where the copies live.
  std::string folder() const;
  const shell::RecoverySession* session() const { return session_ ? &*session_ : nullptr; }

 signals:
  // A line for the status bar (a copy that cannot be written is said once until one can).
  void statusMessage(const QString& text);

 private:
  struct Job {
    bool discard = false;
    std::shared_ptr<const model::Mission> mission;
    shell::RecoveryMeta meta;
    std::vector<std::string> sounds;  // when the sound list has unsaved changes
  };
  static Job discardJob();
  void changedSoon();
  void settled();
  void post(Job job);
  void run();
  void written(bool ok, const QString& error);
  bool soundsChanged() const;
  void noteHeldFile();

  const EditorContext& ctx_;
  MissionFiles& files_;
  MessageSounds& sounds_;
  QWidget* window_;
  std::optional<shell::RecoverySession> session_;
  bool enabled_ = true;
  bool hasCopy_ = false;
  bool failureSaid_ = false;
  std::string heldFile_;
  QTimer settle_;
  QTimer longest_;

  // The writer thread: the newest job waits in `pending_`; older ones it replaces are never
  // written.
  std::mutex mutex_;
  std::condition_variable wake_;
  std::condition_variable idle_;
  std::optional<Job> pending_;
  bool busy_ = false;
  bool stopping_ = false;
  std::thread writer_;
};

}  // namespace app
