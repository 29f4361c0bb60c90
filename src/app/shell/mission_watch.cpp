#include "app/shell/mission_watch.h"

#include <QFileInfo>
#include <QWidget>

#include "app/base/disk_change_dialog.h"
#include "app/base/prompter.h"
#include "app/base/text.h"
#include "app/document/mission_document.h"
#include "app/lists/message_sounds.h"
#include "app/shell/mission_files.h"
#include "lists/wave_list.h"
#include "shell/recovery.h"

namespace app {

MissionWatch::MissionWatch(const EditorContext& context, MissionFiles& files, MessageSounds& sounds,
                           QWidget* window)
    : QObject(window), ctx_(context), files_(files), sounds_(sounds), window_(window) {
  quiet_.setSingleShot(true);
  quiet_.setInterval(QuietMs);
  connect(&quiet_, &QTimer::timeout, this, &MissionWatch::check);
  connect(&watcher_, &QFileSystemWatcher::fileChanged, this, &MissionWatch::changedSoon);
  connect(&watcher_, &QFileSystemWatcher::directoryChanged, this, &MissionWatch::changedSoon);
  // The file the Mission belongs to changes with a load, a Save As or a new Mission.
  connect(&files_, &MissionFiles::titleChanged, this, &MissionWatch::follow);
  connect(&sounds_, &MessageSounds::activeChanged, this, &MissionWatch::follow);
  connect(&sounds_, &MessageSounds::moved, this, &MissionWatch::follow);
}

QStringList MissionWatch::watched() const {
  return watcher_.files();
}

void MissionWatch::follow() {
  const MissionDocument& doc = ctx_.document;
  const std::string mission =
      doc.named() && doc.fileName() != model::UnnamedFile ? doc.fileName() : std::string();
  const std::string soundList = sounds_.active() ? sounds_.file().path() : std::string();
  if (mission != mission_) {
    answered_.reset();
    goneSaid_ = false;
  }
  mission_ = mission;
  soundList_ = soundList;
  // The files and their folders: a file replaced by rename or made again is seen in its folder.
  QStringList want;
  for (const std::string* p : {&mission_, &soundList_}) {
    if (p->empty()) continue;
    want << qs(*p) << QFileInfo(qs(*p)).absolutePath();
  }
  const QStringList had = watcher_.files() + watcher_.directories();
  for (const QString& h : had)
    if (!want.contains(h)) watcher_.removePath(h);
  for (const QString& w : want)
    if (!had.contains(w) && QFileInfo::exists(w)) watcher_.addPath(w);
}

void MissionWatch::changedSoon() {
  quiet_.start();
}

void MissionWatch::check() {
  // A question already on the screen is the answer to every change until it goes.
  if (asking_) return;
  follow();
  checkMission();
  checkSounds();
}

void MissionWatch::checkMission() {
  if (mission_.empty()) return;
  MissionDocument& doc = ctx_.document;
  const QString name = QFileInfo(qs(mission_)).fileName();
  shell::DiskStamp now;
  switch (shell::compareWithDisk(mission_, files_.diskStamp(), &now)) {
    case shell::DiskState::Same:
    case shell::DiskState::Unreadable:
      answered_.reset();
      goneSaid_ = false;
      return;
    case shell::DiskState::Missing:
      if (goneSaid_) return;
      goneSaid_ = true;
      // The Mission is all there is of the file now: Save writes it back.
      doc.markUnsaved();
      emit statusMessage(
          tr("\"%1\" was deleted or moved away; the mission stays open, and Save writes it back.")
              .arg(name));
      return;
    case shell::DiskState::Changed:
      break;
  }
  goneSaid_ = false;
  if (answered_ == now.hash) return;
  answered_ = now.hash;
  const bool unsaved = doc.isChanged() || sounds_.file().changed(doc.mission().sounds);
  if (!unsaved) {
    if (files_.reloadFromDisk())
      emit statusMessage(tr("\"%1\" changed on disk and was reloaded (Undo brings back what "
                            "was shown).")
                             .arg(name));
    return;
  }
  DiskChangeDialog dialog(
      DiskChangeDialog::Mode::ChangedOnDisk, name, [this] { return files_.differencesFromDisk(); },
      window_);
  asking_ = true;
  ctx_.prompter.exec(dialog);
  asking_ = false;
  if (dialog.choice() == DiskChangeDialog::Choice::Reload && files_.reloadFromDisk())
    emit statusMessage(
        tr("\"%1\" was reloaded from disk (Undo brings back your changes).").arg(name));
}

void MissionWatch::checkSounds() {
  if (soundList_.empty() || !sounds_.file().changedOnDisk()) return;
  MissionDocument& doc = ctx_.document;
  // Unsaved entries of the editor stay; the next save of the list asks before overwriting.
  if (sounds_.file().changed(doc.mission().sounds)) return;
  std::vector<std::string> entries;
  std::string why;
  if (!lists::loadWaveList(soundList_, entries, why)) return;
  sounds_.file().reloaded(entries);
  doc.setSounds(entries, tr("Reload from disk"));
  emit statusMessage(tr("The sound list \"%1\" changed on disk and was reloaded.")
                         .arg(QFileInfo(qs(soundList_)).fileName()));
}

}  // namespace app
