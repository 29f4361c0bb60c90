#include "app/shell/recovery_keeper.h"

#include <QDateTime>
#include <QDialog>
#include <QFileInfo>
#include <QWidget>

#include "app/base/prompter.h"
#include "app/base/text.h"
#include "app/base/translations.h"
#include "app/document/mission_document.h"
#include "app/lists/message_sounds.h"
#include "app/shell/mission_files.h"
#include "app/shell/recovery_dialog.h"
#include "json/diff.h"
#include "model/mission_file.h"

namespace app {
namespace {

constexpr const char* MissionRole = "mission";
constexpr const char* SoundsRole = "sounds";

std::vector<std::uint8_t> soundBytes(const std::vector<std::string>& sounds) {
  std::vector<std::uint8_t> out;
  for (const std::string& s : sounds) {
    out.insert(out.end(), s.begin(), s.end());
    out.push_back('\n');
  }
  return out;
}

std::vector<std::string> soundLines(const std::vector<std::uint8_t>& bytes) {
  std::vector<std::string> out;
  std::string line;
  for (const std::uint8_t b : bytes) {
    if (b == '\n') {
      out.push_back(std::move(line));
      line.clear();
    } else {
      line.push_back(static_cast<char>(b));
    }
  }
  return out;
}

// What a copy changes against the file on disk, for the offer's list.
QString whatDiffers(const std::string& folder, const shell::RecoveryCopy& c,
                    const model::MissionDefaults& defaults) {
  std::vector<std::uint8_t> bytes;
  std::string why;
  model::Mission copy;
  if (!shell::readCopy(folder, c.meta, MissionRole, bytes, why) ||
      !model::readMission(bytes, copy, defaults).ok())
    return RecoveryKeeper::tr("cannot be read: %1").arg(qs(why.empty() ? "not a mission" : why));
  const shell::CopiedFile& mission = *c.meta.find(MissionRole);
  QString text;
  if (mission.path.empty()) {
    text = RecoveryKeeper::tr("never saved");
  } else {
    const shell::DiskState state = shell::compareWithDisk(mission.path, mission.disk);
    model::Mission disk;
    if (state == shell::DiskState::Missing) {
      text = RecoveryKeeper::tr("the file is no longer on disk");
    } else if (model::loadMissionFile(mission.path, disk, defaults).ok()) {
      text = qs(json::diffSummary(json::diffMissions(disk, copy)));
      if (state == shell::DiskState::Changed)
        text += RecoveryKeeper::tr(" (the file changed on disk since)");
    } else {
      text = RecoveryKeeper::tr("the file on disk cannot be read");
    }
  }
  if (c.meta.find(SoundsRole)) text += RecoveryKeeper::tr("; the sound list changed");
  return text;
}

}  // namespace

RecoveryKeeper::Job RecoveryKeeper::discardJob() {
  Job job;
  job.discard = true;
  return job;
}

RecoveryKeeper::RecoveryKeeper(const EditorContext& context, MissionFiles& files,
                               MessageSounds& sounds, const std::string& configDir, QWidget* window)
    : ctx_(context), files_(files), sounds_(sounds), window_(window) {
  std::string why;
  // Without a settings folder there is nowhere of the user's to keep copies.
  if (!configDir.empty())
    session_ = shell::RecoverySession::start(shell::recoveryFolder(configDir), &why);
  settle_.setSingleShot(true);
  settle_.setInterval(SettleMs);
  longest_.setSingleShot(true);
  longest_.setInterval(LongestWaitMs);
  connect(&settle_, &QTimer::timeout, this, &RecoveryKeeper::settled);
  connect(&longest_, &QTimer::timeout, this, &RecoveryKeeper::settled);
  connect(&ctx_.document, &MissionDocument::changed, this, &RecoveryKeeper::changedSoon);
  // Work waiting to be copied is whole before a gesture begins and half made until it ends,
  // however long the button is held: copy it now.
  connect(&ctx_.document, &MissionDocument::transactionBeginning, this, [this] {
    if (settle_.isActive() || longest_.isActive()) writeNow();
  });
  connect(&files_, &MissionFiles::titleChanged, this, &RecoveryKeeper::changedSoon);
  if (session_) writer_ = std::thread([this] { run(); });
}

RecoveryKeeper::~RecoveryKeeper() {
  if (settle_.isActive() || longest_.isActive()) writeNow();
  {
    std::unique_lock lock(mutex_);
    stopping_ = true;
  }
  wake_.notify_all();
  if (writer_.joinable()) writer_.join();
}

std::string RecoveryKeeper::folder() const {
  return session_ ? session_->folder() : std::string();
}

bool RecoveryKeeper::soundsChanged() const {
  return sounds_.file().changed(ctx_.document.mission().sounds);
}

void RecoveryKeeper::changedSoon() {
  noteHeldFile();
  if (!session_ || !enabled_) return;
  settle_.start();
  if (!longest_.isActive()) longest_.start();
}

void RecoveryKeeper::settled() {
  // A gesture under way is no state to keep: its end is a change of its own.
  if (ctx_.document.inGesture()) {
    settle_.start();
    return;
  }
  writeNow();
}

void RecoveryKeeper::writeNow() {
  settle_.stop();
  longest_.stop();
  if (!session_ || !enabled_) return;
  const MissionDocument& doc = ctx_.document;
  const bool sounds = soundsChanged();
  if (!doc.isChanged() && !sounds) {
    if (hasCopy_) post(discardJob());
    hasCopy_ = false;
    return;
  }
  Job job;
  // The copy of the content is all the keystroke path pays; the bytes are made on the writer.
  job.mission = std::make_shared<const model::Mission>(doc.mission());
  job.meta.format = doc.mission().platformId;
  const bool named = doc.named() && doc.fileName() != model::UnnamedFile;
  shell::CopiedFile& mission = job.meta.files.emplace_back();
  mission.role = MissionRole;
  mission.path = named ? doc.fileName() : std::string();
  mission.disk = files_.diskStamp();
  if (sounds) {
    shell::CopiedFile& list = job.meta.files.emplace_back();
    list.role = SoundsRole;
    list.path = sounds_.file().path();
    job.sounds = doc.mission().sounds;
  }
  hasCopy_ = true;
  post(std::move(job));
}

void RecoveryKeeper::post(Job job) {
  {
    std::unique_lock lock(mutex_);
    pending_ = std::move(job);
  }
  wake_.notify_all();
}

void RecoveryKeeper::waitForWriter() {
  std::unique_lock lock(mutex_);
  idle_.wait(lock, [this] { return !pending_ && !busy_; });
}

void RecoveryKeeper::run() {
  for (;;) {
    Job job;
    {
      std::unique_lock lock(mutex_);
      wake_.wait(lock, [this] { return stopping_ || pending_; });
      if (!pending_) return;  // stopping with nothing left to write
      job = std::move(*pending_);
      pending_.reset();
      busy_ = true;
    }
    bool ok = true;
    model::Text error;
    if (job.discard) {
      session_->discard();
    } else {
      std::vector<std::vector<std::uint8_t>> images{model::writeMission(*job.mission)};
      if (job.meta.files.size() > 1) images.push_back(soundBytes(job.sounds));
      const model::SaveResult r = session_->write(std::move(job.meta), images);
      ok = r.ok;
      error = r.text;
    }
    {
      std::unique_lock lock(mutex_);
      busy_ = false;
    }
    idle_.notify_all();
    QMetaObject::invokeMethod(
        this, [this, ok, error] { written(ok, shownText(error)); }, Qt::QueuedConnection);
  }
}

void RecoveryKeeper::written(bool ok, const QString& error) {
  if (ok) {
    failureSaid_ = false;
    return;
  }
  // A full disk is said once; the editor goes on, and the next settled change tries again.
  if (failureSaid_) return;
  failureSaid_ = true;
  emit statusMessage(tr("No recovery copy could be written: %1").arg(error));
}

void RecoveryKeeper::noteHeldFile() {
  if (!session_) return;
  const MissionDocument& doc = ctx_.document;
  const std::string held =
      doc.named() && doc.fileName() != model::UnnamedFile ? doc.fileName() : std::string();
  if (held == heldFile_) return;
  heldFile_ = held;
  session_->setHeldFile(held);
}

void RecoveryKeeper::setEnabled(bool on) {
  if (enabled_ == on) return;
  if (!on) {
    settle_.stop();
    longest_.stop();
    if (hasCopy_) post(discardJob());
    hasCopy_ = false;
  }
  enabled_ = on;
  if (on) changedSoon();
}

void RecoveryKeeper::closed() {
  settle_.stop();
  longest_.stop();
  post(discardJob());
  hasCopy_ = false;
  waitForWriter();
}

bool RecoveryKeeper::mayOpen(const std::string& path) {
  if (!session_) return true;
  const auto holders = shell::holdersOf(session_->folder(), path, session_->id());
  if (holders.empty()) return true;
  const shell::Holder& h = holders.front();
  const QString text =
      tr("\"%1\" is open in another ZynED (process %2, since %3). Two editors saving one file "
         "overwrite each other's work; each is told when the other saves.\n\nOpen it anyway?")
          .arg(qs(path))
          .arg(h.pid)
          .arg(QDateTime::fromMSecsSinceEpoch(h.sinceMs).toString(
              QStringLiteral("yyyy-MM-dd hh:mm:ss")));
  return ctx_.prompter.question(window_, text, QMessageBox::Yes | QMessageBox::No) ==
         QMessageBox::Yes;
}

bool RecoveryKeeper::offer() {
  if (!session_) return false;
  const std::string where = session_->folder();
  std::vector<shell::RecoveryCopy> copies;
  for (auto& c : shell::listCopies(where))
    if (!c.alive && c.session != session_->id()) copies.push_back(std::move(c));
  if (copies.empty()) return false;

  const model::MissionDefaults defaults = files_.missionDefaults();
  std::vector<RecoveryDialog::Row> rows;
  for (const shell::RecoveryCopy& c : copies) {
    RecoveryDialog::Row row;
    row.session = qs(c.session);
    row.readable = c.readable;
    if (c.readable) {
      const std::string& path = c.meta.find(MissionRole)->path;
      row.file = path.empty() ? tr("Unnamed") : qs(path);
      row.when = QDateTime::fromMSecsSinceEpoch(c.meta.writtenMs)
                     .toString(QStringLiteral("yyyy-MM-dd hh:mm:ss"));
      row.what = whatDiffers(where, c, defaults);
      row.readable = !row.what.startsWith(tr("cannot be read"));
    } else {
      row.file = qs(c.session + "." + MissionRole);
      row.what = tr("cannot be read: %1").arg(qs(c.problem));
    }
    rows.push_back(row);
  }
  RecoveryDialog dialog(
      rows, [where](const QString& session) { shell::discardCopies(where, session.toStdString()); },
      window_);
  if (ctx_.prompter.exec(dialog) != QDialog::Accepted) return false;

  const auto chosen = std::find_if(copies.begin(), copies.end(), [&](const shell::RecoveryCopy& c) {
    return qs(c.session) == dialog.chosen();
  });
  if (chosen == copies.end()) return false;
  std::vector<std::uint8_t> bytes;
  std::string why;
  model::Mission m;
  if (!shell::readCopy(where, chosen->meta, MissionRole, bytes, why) ||
      !model::readMission(bytes, m, defaults).ok()) {
    ctx_.prompter.error(window_, tr("The copy cannot be read: %1").arg(qs(why)));
    return false;
  }
  std::optional<std::vector<std::string>> sounds;
  if (chosen->meta.find(SoundsRole) && shell::readCopy(where, chosen->meta, SoundsRole, bytes, why))
    sounds = soundLines(bytes);
  const shell::CopiedFile& mission = *chosen->meta.find(MissionRole);
  files_.restore(std::move(m), mission.path, mission.disk, sounds ? &*sounds : nullptr);
  // The work is this editor's now: its own copy replaces the old one at once.
  writeNow();
  waitForWriter();
  shell::discardCopies(where, chosen->session);
  return true;
}

}  // namespace app
