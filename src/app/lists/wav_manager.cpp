#include "app/lists/wav_manager.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStackedWidget>

#include "app/base/dialog_buttons.h"
#include "app/base/icons.h"
#include "app/base/notice_window.h"
#include "app/base/palette_colours.h"
#include "app/base/prompter.h"
#include "app/base/text.h"
#include "app/base/translations.h"
#include "app/document/mission_document.h"
#include "app/document/step_text.h"
#include "app/lists/wave_catalogue_window.h"
#include "app/lists/wave_player.h"
#include "lists/text_file.h"
#include "lists/wave_list.h"
#include "shell/settings.h"

namespace app {

namespace {

constexpr int CreatedNoticeMs = 800;
constexpr const char* WaveFilter = "Wave Sound files|*.wav";

}  // namespace

WavManager::WavManager(const EditorContext& context, QWidget* parent)
    : WavManager(context, *new MessageSounds(context, this), parent) {
  sounds_.setParent(this);
}

WavManager::WavManager(const EditorContext& context, MessageSounds& sounds, QWidget* parent)
    : QGroupBox(tr("WAV Manager"), parent),
      ctx_(context),
      sounds_(sounds),
      file_(sounds.file()),
      player_(&sounds.player()) {
  setObjectName(QStringLiteral("WavManagerGroup"));
  QWidget* lastButton = nullptr;
  QHBoxLayout* buttons = buildButtons(lastButton);
  QHBoxLayout* fieldRow = buildFieldRow();
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(buttons);
  layout->addWidget(caption_);
  layout->addLayout(fieldRow);
  layout->addWidget(missing_);
  connectSignals();
  setTabOrder(lastButton, play_);
  setTabOrder(play_, autoplay_);
  refresh();
}

// The commands in a row, each connected to what it does, in tab order.
QHBoxLayout* WavManager::buildButtons(QWidget*& last) {
  struct Command {
    const char* name;
    QString text, hint;
    void (WavManager::*run)();
  };
  const Command commands[] = {
      {"CreateWavListBtn", tr("Create"), tr("Create .lst file for WAVs"), &WavManager::createList},
      {"SaveWavListBtn", tr("Save"), tr("Save .lst file"), &WavManager::saveList},
      {"AssignWavBtn", tr("Assign..."), tr("Assign a WAV to message"), &WavManager::assignWav},
      {"ClearWavBtn", tr("Clear"), tr("Clear current WAV"), &WavManager::clearWav},
      {"GameWavBtn", tr("From game..."), tr("Choose WAV from game"), &WavManager::chooseFromGame},
  };
  auto* row = new QHBoxLayout;
  last = nullptr;
  for (const Command& c : commands) {
    QPushButton* b = pushButton(this, c.name, c.text, c.hint);
    row->addWidget(b);
    connect(b, &QPushButton::clicked, this, c.run);
    if (last) setTabOrder(last, b);
    last = b;
  }
  row->addStretch(1);
  return row;
}

// The caption, the sound's name (or that no list matches), play and autoplay, the warning.
QHBoxLayout* WavManager::buildFieldRow() {
  caption_ = new QLabel(this);
  caption_->setObjectName(QStringLiteral("WavCaptionLabel"));
  field_ = new QLineEdit(this);
  field_->setObjectName(QStringLiteral("WavField"));
  field_->setReadOnly(true);
  field_->setEnabled(false);  // looks read-only; the buttons change it
  noList_ = new QLabel(coreText(lists::wavetext::NoMatchingList), this);
  noList_->setObjectName(QStringLiteral("NoWavListLabel"));
  fieldStack_ = new QStackedWidget(this);
  fieldStack_->addWidget(noList_);
  fieldStack_->addWidget(field_);
  fieldStack_->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
  missing_ = new QLabel(tr("not found in the wave folders"), this);
  missing_->setObjectName(QStringLiteral("WavMissingLabel"));
  const auto colourMissing = [l = missing_] {
    QPalette p;  // the text colour only: the rest follows the desktop's
    p.setColor(QPalette::WindowText,
               refusedColour(QApplication::palette(l).color(QPalette::Window)));
    l->setPalette(p);
  };
  colourMissing();
  whenPaletteChanges(missing_, colourMissing);
  play_ = new QPushButton(icon(QStringLiteral("wave-play")), QString(), this);
  play_->setObjectName(QStringLiteral("PlayWavBtn"));
  play_->setToolTip(tr("Play"));
  autoplay_ = new QCheckBox(tr("Autoplay"), this);
  autoplay_->setObjectName(QStringLiteral("AutoplayCheck"));
  autoplay_->setChecked(true);
  auto* fieldRow = new QHBoxLayout;
  fieldRow->addWidget(fieldStack_, 1);
  fieldRow->addWidget(play_);
  fieldRow->addWidget(autoplay_);
  return fieldRow;
}

void WavManager::connectSignals() {
  connect(play_, &QPushButton::clicked, this, &WavManager::playCurrent);
  connect(autoplay_, &QCheckBox::toggled, this, [this](bool on) {
    // Turning it on plays the current sound at once.
    if (on && file_.active()) {
      player_->setFile(currentFile());
      player_->play();
    }
  });
  connect(&sounds_, &MessageSounds::activeChanged, this, &WavManager::onActiveChanged);
  connect(&sounds_, &MessageSounds::moved, this, &WavManager::refresh);
  connect(&ctx_.document, &MissionDocument::changed, this, &WavManager::onDocumentChanged);
  connect(&ctx_.document, &MissionDocument::selectionChanged, this,
          &WavManager::onSelectionChanged);
}

WavManager::~WavManager() = default;

// ---- Life cycle ------------------------------------------------------------------------------

void WavManager::loadFor(model::Mission& m, const std::string& missionFile) {
  sounds_.loadFor(m, missionFile);
}

void WavManager::reset() {
  sounds_.reset();
}

void WavManager::offerToSave() {
  sounds_.offerToSave();
}

void WavManager::missionSavedAs(const std::string& missionFile) {
  sounds_.missionSavedAs(missionFile);
}

// ---- Commands -------------------------------------------------------------------------------

bool WavManager::create() {
  const MissionDocument& doc = ctx_.document;
  const auto r = file_.create(ctx_.settings, doc.mission().platformId,
                              doc.named() ? doc.fileName() : std::string(model::UnnamedFile),
                              doc.mission().messages.size());
  switch (r.status) {
    case lists::WaveListFile::CreateStatus::Created:
      break;
    case lists::WaveListFile::CreateStatus::WriteFailed:
      ctx_.prompter.error(this, shownText(r.text));
      return false;
    default:
      ctx_.prompter.information(this, shownText(r.text));
      return false;
  }
  sounds_.announce();
  ctx_.document.setSounds(r.sounds, stepText(Verb::Create, tr("sound list")));
  NoticeWindow::show(window(), qs(r.message), CreatedNoticeMs);
  refresh();
  return true;
}

void WavManager::createList() {
  create();
}

void WavManager::saveList() {
  sounds_.save();
}

void WavManager::assignWav() {
  if (!hasMessages()) {
    ctx_.prompter.information(this, coreText(lists::wavetext::NoMessages));
    return;
  }
  if (!file_.active()) {
    if (ctx_.prompter.question(this, coreText(lists::wavetext::CreateForAssign),
                               QMessageBox::Yes | QMessageBox::No) != QMessageBox::Yes)
      return;
    if (!create()) return;
  }
  const std::string& start = ctx_.settings.waveDirectory;
  const QString picked = ctx_.prompter.openFileName(
      this, tr("Assign a WAV to message"), start == shell::Undefined ? QString() : fromFile(start),
      dialogFilter(QString::fromLatin1(WaveFilter)), {});
  if (picked.isEmpty()) return;
  const std::string path = toFile(QDir::toNativeSeparators(picked));
  const std::string entry = lists::waveEntryFromFile(path);
  // A file outside every wave folder has no entry the game could play: nothing is assigned.
  if (entry == path) {
    ctx_.prompter.error(this, assignError(lists::fileNameOf(path)));
    return;
  }
  if (!takeEntry(entry)) return;
  ctx_.settings.waveDirectory = lists::folderOf(path);
  const QString file = currentFile();
  player_->setFile(file);
  // Not among the game's recordings: the entry stays assigned, and the user hears where it
  // belongs.
  if (!WavePlayer::isPlayable(file) || !player_->play())
    ctx_.prompter.error(this, assignError(entry));
}

QString WavManager::assignError(const std::string& file) const {
  const std::vector<std::string> where = waveFolders();
  QStringList folders;
  for (const std::string& f : where) folders << fromFile(f);
  return coreText(where.size() > 1 ? lists::wavetext::ErrorAssigningManyForm
                                   : lists::wavetext::ErrorAssigningForm)
      .arg(fromFile(file), coreList(folders, model::OrWord, coreText(model::OrWord)));
}

std::vector<std::string> WavManager::waveFolders() const {
  std::vector<std::string> folders =
      lists::waveFolders(ctx_.settings, ctx_.document.mission().platformId);
  for (std::string& f : folders) f = toFile(QDir::toNativeSeparators(fromFile(f)));
  return folders;
}

void WavManager::clearWav() {
  if (sounds().empty() || !lists::hasSound(current())) return;
  std::vector<std::string> s = sounds();
  if (!lists::setSound(s, current(), lists::PlaceholderWave)) return;
  ctx_.document.setSounds(std::move(s), stepText(Verb::Clear, soundStepObject()));
  player_->setFile(currentFile());
}

void WavManager::chooseFromGame() {
  if (!hasMessages()) {
    ctx_.prompter.information(this, coreText(lists::wavetext::NoMessages));
    return;
  }
  const QString before = player_->file();
  bool chosen = false;
  WaveCatalogueWindow window(
      ctx_.settings, *player_,
      [this, &chosen](const std::string& entry) {
        if (!file_.active()) {
          if (ctx_.prompter.question(this, coreText(lists::wavetext::CreateForCatalogue),
                                     QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes)
            create();
          if (!file_.active()) return true;
        }
        if (!takeEntry(entry)) return false;
        chosen = true;
        return true;
      },
      this);
  ctx_.prompter.exec(window);
  if (!chosen) player_->setFile(before);
  refresh();
}

void WavManager::playCurrent() {
  if (!file_.active()) return;
  const QString file = currentFile();
  if (file.isEmpty()) {
    ctx_.prompter.error(this, assignError(lists::soundOf(sounds(), current())));
    return;
  }
  player_->setFile(file);
  player_->play();
}

bool WavManager::takeEntry(const std::string& entry) {
  if (!lists::hasSound(current())) return false;
  if (lists::isWaveUsed(sounds(), entry, current()) &&
      ctx_.prompter.question(this, coreText(lists::wavetext::Duplicate),
                             QMessageBox::Yes | QMessageBox::No) != QMessageBox::Yes)
    return false;
  std::vector<std::string> s = sounds();
  if (lists::setSound(s, current(), entry))
    ctx_.document.setSounds(std::move(s), stepText(Verb::Set, soundStepObject(), qs(entry)));
  refresh();
  return true;
}

// ---- Showing --------------------------------------------------------------------------------

QString WavManager::currentFile() const {
  const std::string entry = lists::soundOf(sounds(), current());
  const auto found = lists::findWaveFile(ctx_.settings, ctx_.document.mission().platformId, entry);
  return found ? fromFile(*found) : QString();
}

void WavManager::onDocumentChanged(const model::ChangeSet& c) {
  // A whole new Mission comes with its own list through loadFor/reset.
  if (c.whole) shownMessage_ = -1;
  refresh();
}

void WavManager::onSelectionChanged() {
  const int now = ctx_.document.currentMessage();
  if (now == shownMessage_) return;
  refresh();
  // Selecting a message plays its sound; one that is not there shows as missing instead.
  if (autoplay_->isChecked() && hasMessages()) sounds_.play(current());
}

void WavManager::refresh() {
  const std::size_t i = current();
  shownMessage_ = ctx_.document.currentMessage();
  // Only messages 1 to 19 have a sound line.
  if (parentWidget()) setVisible(lists::hasSound(i));
  caption_->setText(coreText(lists::soundCaption(i)));
  const bool active = file_.active();
  fieldStack_->setCurrentWidget(active ? static_cast<QWidget*>(field_) : noList_);
  const std::string entry = lists::soundOf(sounds(), i);
  field_->setText(active ? fromFile(entry) : QString());
  missing_->setVisible(active && !lists::isPlaceholderWave(entry) && currentFile().isEmpty());
  play_->setEnabled(active);
}

void WavManager::onActiveChanged(bool active) {
  shownMessage_ = -1;
  refresh();
  emit listActiveChanged(active);
}

const std::vector<std::string>& WavManager::sounds() const {
  return ctx_.document.mission().sounds;
}

QString WavManager::soundStepObject() const {
  return tr("sound of message %1").arg(current() + 1);
}

std::size_t WavManager::current() const {
  return static_cast<std::size_t>(std::max(0, ctx_.document.currentMessage()));
}

bool WavManager::hasMessages() const {
  return !ctx_.document.mission().messages.empty();
}

}  // namespace app
