#include "app/lists/message_sounds.h"

#include "app/base/disk_change_dialog.h"
#include "app/base/notice_window.h"
#include "app/base/prompter.h"
#include "app/base/text.h"
#include "app/base/translations.h"
#include "app/document/mission_document.h"
#include "app/lists/wave_player.h"
#include "lists/text_file.h"
#include "lists/wave_list.h"
#include "shell/settings.h"

namespace app {

namespace {

constexpr int SavedNoticeMs = 700;
// How long "No sound: ..." stays.
constexpr int SilentNoticeMs = 4000;

}  // namespace

MessageSounds::MessageSounds(const EditorContext& context, QWidget* window, QObject* parent)
    : QObject(parent), ctx_(context), window_(window), player_(new WavePlayer(this)) {
  file_.reset();
  // A first play without sound says why, once.
  connect(player_, &WavePlayer::silent, this, [this](const QString& why) {
    NoticeWindow::show(window_ ? window_->window() : nullptr, why, SilentNoticeMs);
  });
}

MessageSounds::~MessageSounds() = default;

void MessageSounds::loadFor(model::Mission& m, const std::string& missionFile) {
  player_->setFile({});
  model::Text error;
  m.sounds = file_.open(ctx_.settings, m.platformId, missionFile, &error);
  // A sound list that is there but cannot be read is left alone, and the user told why.
  if (!error.empty()) ctx_.prompter.error(window_, shownText(error));
  announce();
}

void MessageSounds::reset() {
  file_.reset();
  player_->setFile({});
  announce();
}

void MessageSounds::offerToSave() {
  if (!file_.offersSave(sounds())) return;
  if (ctx_.prompter.question(window_, coreText(lists::wavetext::ChangedSaveIt),
                             QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes)
    save();
}

void MessageSounds::missionSavedAs(const std::string& missionFile) {
  model::Text error;
  if (!file_.follow(ctx_.settings, ctx_.document.mission().platformId, missionFile, sounds(),
                    error))
    ctx_.prompter.error(window_, shownText(error));
  emit moved();
}

void MessageSounds::save() {
  model::Text error;
  if (!file_.active()) {
    ctx_.prompter.information(window_, coreText(lists::wavetext::NothingToSave));
    return;
  }
  // Entries another program wrote since the editor read the list are overwritten only when the
  // user says so.
  if (file_.changedOnDisk()) {
    DiskChangeDialog dialog(
        DiskChangeDialog::Mode::BeforeSave, qs(lists::fileNameOf(file_.path())),
        [this] { return differencesFromDisk(); }, window_);
    ctx_.prompter.exec(dialog);
    if (dialog.choice() != DiskChangeDialog::Choice::Overwrite) return;
  }
  if (!file_.save(sounds(), error)) {
    // The old file stays as it was.
    ctx_.prompter.error(window_, shownText(error));
    return;
  }
  if (ctx_.settings.fileSavedMsg)
    NoticeWindow::show(
        window_ ? window_->window() : nullptr,
        coreText(lists::wavetext::SavedForm).arg(qs(lists::fileNameOf(file_.path()))),
        SavedNoticeMs);
}

QStringList MessageSounds::differencesFromDisk() const {
  std::vector<std::string> disk;
  model::Text why;
  if (!lists::loadWaveList(file_.path(), disk, why)) return {shownText(why)};
  QStringList lines;
  const std::vector<std::string>& mine = sounds();
  for (std::size_t i = 0; i < std::max(disk.size(), mine.size()); ++i) {
    const QString a = i < disk.size() ? fromFile(disk[i]) : QStringLiteral("none");
    const QString b = i < mine.size() ? fromFile(mine[i]) : QStringLiteral("none");
    if (a != b) lines << QStringLiteral("Sounds[%1]: %2 -> %3").arg(i).arg(a, b);
  }
  return lines;
}

const std::vector<std::string>& MessageSounds::sounds() const {
  return ctx_.document.mission().sounds;
}

QString MessageSounds::fileOf(std::size_t message) const {
  if (!file_.active() || !lists::hasSound(message)) return {};
  const auto found = lists::findWaveFile(ctx_.settings, ctx_.document.mission().platformId,
                                         lists::soundOf(sounds(), message));
  return found ? fromFile(*found) : QString();
}

bool MessageSounds::play(std::size_t message) {
  if (!file_.active() || lists::isPlaceholderWave(lists::soundOf(sounds(), message))) return false;
  const QString file = fileOf(message);
  if (file.isEmpty()) return false;
  player_->setFile(file);
  return player_->play();
}

void MessageSounds::announce() {
  emit activeChanged(file_.active());
}

}  // namespace app
