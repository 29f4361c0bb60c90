#include "app/shell/mission_files.h"

#include <QDialog>
#include <QDir>
#include <QFileInfo>
#include <QMessageBox>
#include <QWidget>

#include "app/base/disk_change_dialog.h"
#include "app/base/notice_window.h"
#include "app/base/prompter.h"
#include "app/base/text.h"
#include "app/base/translations.h"
#include "app/document/mission_document.h"
#include "app/shell/error_list_window.h"
#include "app/shell/older_import.h"
#include "app/shell/startup_dialog.h"
#include "app/shell/wizard_dialog.h"
#include "editing/wizard.h"
#include "json/diff.h"
#include "json/mission_json.h"
#include "model/mission_file.h"
#include "shell/error_check.h"
#include "shell/paths.h"
#include "shell/settings.h"
#include "shell/settings_file.h"
#include "shell/titles.h"

namespace app {
namespace {

constexpr int SavedNoticeMs = 800;
constexpr const char* ChangedQuestion =
    QT_TRANSLATE_NOOP("app::MissionFiles", "Current Mission has been changed. Save it?");
constexpr const char* OpenFilter =
    "Zyn mission files (.kre)|*.kre|Vortan mission files (.vtn)|*.vtn|All Files (*.*)|*.*";
constexpr const char* SaveFilter = "Zyn Mission Files|*.kre";
constexpr const char* JsonFilter = "JSON missions (.json)|*.json|All Files (*.*)|*.*";

std::string native(const QString& s) {
  return QDir::toNativeSeparators(s).toStdString();
}

}  // namespace

MissionFiles::MissionFiles(const EditorContext& context, QWidget* boxParent)
    : QObject(boxParent), ctx_(context), boxParent_(boxParent), title_(shell::startupTitle()) {}

void MissionFiles::setTitle(const std::string& utf8) {
  title_ = utf8;
  emit titleChanged();
}

void MissionFiles::followHeading() {
  const MissionDocument& doc = ctx_.document;
  if (!doc.named() || doc.fileName() == model::UnnamedFile || doc.mission().title() == heading_)
    return;
  heading_ = doc.mission().title();
  setTitle(headingStored_ ? shell::savedTitle(doc.fileName(), heading_)
                          : shell::loadedTitle(doc.fileName(), heading_));
}

model::MissionDefaults MissionFiles::missionDefaults() const {
  return shell::missionDefaults(ctx_.settings);
}

std::int16_t MissionFiles::defaultFormat() const {
  return ctx_.settings.defaultFormat == 0 ? model::FormatBase : model::FormatExpansion;
}

// ---------------------------------------------------------------------------------------------
// Commands

bool MissionFiles::saveChanged() {
  if (!ctx_.document.isChanged()) return true;
  const auto answer = ctx_.prompter.question(
      boxParent_, tr(ChangedQuestion), QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
  if (answer == QMessageBox::No) return true;
  if (answer != QMessageBox::Yes) return false;
  // A save that was cancelled or failed stops the command: the changes are still only here.
  return save();
}

void MissionFiles::makeNewMission(std::int16_t platformId) {
  MissionDocument& doc = ctx_.document;
  model::Mission m;
  m.platformId = platformId;
  // Raw header bytes the new Mission does not set keep what they held.
  m.header = doc.mission().header;
  doc.setDefaults(missionDefaults());
  m.newMission(missionDefaults());
  if (sounds_.reset) sounds_.reset();
  doc.replaceMission(std::move(m), model::UnnamedFile, doc.named());
  diskStamp_ = {};
  omitWarnings_ = false;
  importedName_.clear();
  setTitle(shell::newMissionTitle());
}

void MissionFiles::offerToSaveSounds() {
  if (sounds_.offerToSave) sounds_.offerToSave();
}

void MissionFiles::newMission() {
  if (!saveChanged()) return;
  offerToSaveSounds();
  if (ctx_.settings.useWiz)
    runWizard();
  else
    makeNewMission(defaultFormat());
}

bool MissionFiles::runWizard() {
  WizardDialog dialog(boxParent_);
  if (ctx_.prompter.exec(dialog) != QDialog::Accepted) return false;
  const editing::WizardChoices choices = dialog.choices();
  if (editing::wizardChoiceError(choices)) return false;
  MissionDocument& doc = ctx_.document;
  model::Mission m;
  m.platformId = defaultFormat();
  // Raw header bytes the new Mission does not set keep what they held.
  m.header = doc.mission().header;
  editing::buildWizardMission(m, choices, missionDefaults());
  doc.setDefaults(missionDefaults());
  if (sounds_.reset) sounds_.reset();
  // The wizard's Mission is not on disk: it counts as changed.
  doc.replaceMission(std::move(m), model::UnnamedFile, doc.named(), /*unsaved=*/true);
  diskStamp_ = {};
  omitWarnings_ = false;
  importedName_.clear();
  setTitle(shell::newMissionTitle());
  return true;
}

void MissionFiles::openMission() {
  if (!saveChanged()) return;
  offerToSaveSounds();
  QStringList recent;
  for (const auto& e : history_.entries()) recent << qs(e);
  const QString path =
      ctx_.prompter.openFileName(boxParent_, tr("Open"), lastDirectory_,
                                 dialogFilter(QString::fromLatin1(OpenFilter)), recent);
  if (path.isEmpty()) return;
  addToHistory(path);
  lastDirectory_ = QFileInfo(path).absolutePath();
  load(path);
}

void MissionFiles::openChosen(const QString& path) {
  if (!saveChanged()) return;
  offerToSaveSounds();
  addToHistory(path);
  lastDirectory_ = QFileInfo(path).absolutePath();
  load(path);
}

void MissionFiles::reopen(int index) {
  if (!saveChanged()) return;
  offerToSaveSounds();
  if (index < 0 || static_cast<std::size_t>(index) >= history_.size()) return;
  const std::string entry = history_.at(static_cast<std::size_t>(index));
  if (!QFileInfo::exists(qs(entry))) {
    ctx_.prompter.error(boxParent_, shownText(shell::missingFileText(entry)));
    return;
  }
  addToHistory(qs(entry));
  load(qs(entry));
}

bool MissionFiles::load(const QString& path) {
  MissionDocument& doc = ctx_.document;
  if (openCheck_ && !openCheck_(native(path))) return false;
  model::Mission m;
  const model::ReadResult r = model::loadMissionFile(native(path), m, missionDefaults());
  if (r.status == model::ReadStatus::OlderFormat) {
    // The title names the imported Mission as soon as its pages show it, before the notices.
    const auto imported = [this, &path] {
      omitWarnings_ = false;
      diskStamp_ = {};
      importedName_ = QFileInfo(path).completeBaseName();
      setTitle(shell::newMissionTitle());
    };
    return importOlderMission(ctx_, boxParent_, path, sounds_.reset, imported);
  }
  if (!r.ok()) {
    ctx_.prompter.error(boxParent_, shownText(r.text));
    return false;
  }
  // The mission's sound list comes with it.
  if (sounds_.load) sounds_.load(m, native(path));
  doc.replaceMission(std::move(m), native(path), true);
  diskStamp_ = shell::readStamp(doc.fileName());
  omitWarnings_ = false;
  importedName_.clear();
  lastDirectory_ = QFileInfo(path).absolutePath();
  heading_ = doc.mission().title();
  headingStored_ = false;
  setTitle(shell::loadedTitle(doc.fileName(), heading_));

  if (ctx_.settings.doBackups) {
    if (const auto backup = model::backupPathFor(doc.fileName())) {
      // The backup is a courtesy: a folder that cannot take it does not stop the load.
      model::saveFile(*backup, model::writeMission(doc.mission()));
    }
  }
  return true;
}

bool MissionFiles::save() {
  const MissionDocument& doc = ctx_.document;
  if (doc.named() && doc.fileName() != model::UnnamedFile) return saveTo(qs(doc.fileName()));
  return saveAs();
}

QString MissionFiles::saveAsStart() const {
  const MissionDocument& doc = ctx_.document;
  // A Mission with a file of its own starts there, under its own name.
  if (doc.named() && doc.fileName() != model::UnnamedFile) {
    const QFileInfo file(qs(doc.fileName()));
    if (file.absoluteDir().exists()) return file.absoluteFilePath();
  }
  const model::Mission& m = doc.mission();
  const shell::Settings& s = ctx_.settings;
  QString folder = qs(shell::saveDialogFolder(m.platformId, m.missionType(), s.gameDirectory,
                                              shell::expansionDirectory(s)));
  if (!QFileInfo(folder).isDir()) folder = lastDirectory_;
  // An imported Mission is offered under the name of the file it came from.
  if (importedName_.isEmpty()) return folder;
  return QDir(folder).filePath(importedName_ + QStringLiteral(".kre"));
}

bool MissionFiles::saveAs() {
  const QString path = ctx_.prompter.saveFileName(boxParent_, tr("Save As"), saveAsStart(),
                                                  dialogFilter(QString::fromLatin1(SaveFilter)),
                                                  QStringLiteral("kre"));
  if (path.isEmpty()) return false;
  savingAs_ = true;
  const bool saved = saveTo(path);
  savingAs_ = false;
  // A sound list moves along to the new name; the old file stays.
  if (saved && sounds_.savedAs) sounds_.savedAs(ctx_.document.fileName());
  return saved;
}

void MissionFiles::importJson() {
  if (!saveChanged()) return;
  offerToSaveSounds();
  const QString path =
      ctx_.prompter.openFileName(boxParent_, tr("Import JSON"), lastDirectory_,
                                 dialogFilter(QString::fromLatin1(JsonFilter)), {});
  if (path.isEmpty()) return;
  lastDirectory_ = QFileInfo(path).absolutePath();
  model::Mission m;
  const json::MissionResult r = json::readMissionJsonFile(native(path), m, missionDefaults());
  if (!r.ok()) {
    ctx_.prompter.error(boxParent_, qs(r.error));
    return;
  }
  if (sounds_.reset) sounds_.reset();
  // Not on disk as a mission file: unnamed, and Save asks for a name.
  ctx_.document.replaceMission(std::move(m), model::UnnamedFile, false, true);
  diskStamp_ = {};
  omitWarnings_ = false;
  importedName_ = QFileInfo(path).completeBaseName();
  setTitle(shell::newMissionTitle());
}

void MissionFiles::restore(model::Mission m, const std::string& path, const shell::DiskStamp& disk,
                           const std::vector<std::string>* sounds) {
  if (sounds_.reset) sounds_.reset();
  // The sound list of the file is found as a load finds it; the copy's entries replace its own.
  if (!path.empty() && sounds_.load) sounds_.load(m, path);
  if (sounds) m.sounds = *sounds;
  const bool named = !path.empty();
  ctx_.document.replaceMission(std::move(m), named ? path : model::UnnamedFile, named,
                               /*unsaved=*/true);
  diskStamp_ = disk;
  omitWarnings_ = false;
  importedName_.clear();
  if (named) lastDirectory_ = QFileInfo(qs(path)).absolutePath();
  heading_ = ctx_.document.mission().title();
  headingStored_ = false;
  setTitle(named ? shell::loadedTitle(path, heading_) : shell::newMissionTitle());
}

void MissionFiles::exportJson() {
  const MissionDocument& doc = ctx_.document;
  const QString folder =
      doc.named() ? QFileInfo(qs(doc.fileName())).absolutePath() : lastDirectory_;
  const QString path = ctx_.prompter.saveFileName(boxParent_, tr("Export as JSON"), folder,
                                                  dialogFilter(QString::fromLatin1(JsonFilter)),
                                                  QStringLiteral("json"));
  if (path.isEmpty()) return;
  const std::string text = json::dumpMission(doc.mission());
  const model::SaveResult r =
      model::saveFile(native(path), std::vector<std::uint8_t>(text.begin(), text.end()));
  if (!r.ok) ctx_.prompter.error(boxParent_, shownText(r.text));
}

bool MissionFiles::mayOverwrite(const std::string& path) {
  const MissionDocument& doc = ctx_.document;
  // Another existing file was chosen in the save dialog, which asked before overwriting it.
  if (!doc.named() ||
      QFileInfo(qs(path)).absoluteFilePath() != QFileInfo(qs(doc.fileName())).absoluteFilePath())
    return true;
  // Gone from disk (Save writes it back), or a change only in its time.
  if (shell::compareWithDisk(path, diskStamp_) != shell::DiskState::Changed) return true;
  DiskChangeDialog dialog(
      DiskChangeDialog::Mode::BeforeSave, QFileInfo(qs(path)).fileName(),
      [this] { return differencesFromDisk(); }, boxParent_);
  ctx_.prompter.exec(dialog);
  return dialog.choice() == DiskChangeDialog::Choice::Overwrite;
}

QStringList MissionFiles::differencesFromDisk() const {
  const MissionDocument& doc = ctx_.document;
  model::Mission disk;
  const model::ReadResult r = model::loadMissionFile(doc.fileName(), disk, missionDefaults());
  if (!r.ok()) return {shownText(r.text)};
  QStringList lines;
  for (const std::string& line : json::diffMissions(disk, doc.mission())) lines << fromFile(line);
  return lines;
}

bool MissionFiles::reloadFromDisk() {
  MissionDocument& doc = ctx_.document;
  const std::string path = doc.fileName();
  model::Mission m;
  const model::ReadResult r = model::loadMissionFile(path, m, missionDefaults());
  if (!r.ok()) {
    ctx_.prompter.error(boxParent_, shownText(r.text));
    return false;
  }
  // The sound list comes along as a load brings it.
  if (sounds_.load) sounds_.load(m, path);
  const int group = doc.currentFlightGroup(), message = doc.currentMessage();
  doc.editContent(tr("Reload from disk"), ChangedFlag::Mission,
                  [&m](model::Mission& content) { content = std::move(m); });
  doc.markSaved(path);
  diskStamp_ = shell::readStamp(path);
  if (group >= 0 && group < static_cast<int>(doc.mission().flightGroups.size()))
    doc.selectFlightGroups({group}, group);
  if (message >= 0 && message < static_cast<int>(doc.mission().messages.size()))
    doc.selectMessages({message}, message);
  heading_ = doc.mission().title();
  headingStored_ = false;
  setTitle(shell::loadedTitle(path, heading_));
  return true;
}

bool MissionFiles::saveTo(const QString& path) {
  MissionDocument& doc = ctx_.document;
  if (!mayOverwrite(native(path))) return false;
  const model::SaveResult r = model::saveMissionFile(doc.mission(), native(path));
  if (!r.ok) {
    // The file on disk is the old one and the Mission keeps its changed state.
    ctx_.prompter.error(boxParent_, shownText(r.text));
    return false;
  }
  doc.markSaved(native(path));
  diskStamp_ = shell::readStamp(doc.fileName());
  importedName_.clear();
  lastDirectory_ = QFileInfo(path).absolutePath();
  if (ctx_.settings.fileSavedMsg)
    savedNotice_ = NoticeWindow::show(
        boxParent_, shownText(model::savedBytesText(doc.mission().platformId, r.bytes)),
        SavedNoticeMs);
  heading_ = doc.mission().title();
  headingStored_ = true;
  setTitle(shell::savedTitle(doc.fileName(), heading_));
  addToHistory(qs(doc.fileName()));
  runCheck(false);
  if (!savingAs_) offerToSaveSounds();
  return true;
}

void MissionFiles::runCheck(bool verbose) {
  const shell::CheckResult result =
      shell::runCheck(ctx_.document.mission(), ctx_.vocabulary, ctx_.settings, omitWarnings_);
  if (result.findingCount() > 0) {
    QStringList errors, warnings;
    for (const auto& e : result.errorTexts) errors << shownText(e);
    for (const auto& w : result.warningTexts) warnings << shownText(w);
    ErrorListWindow window(errors, warnings, omitWarnings_, boxParent_);
    if (savedNotice_ && savedNotice_->isVisible())
      window.keepClearOf(savedNotice_->frameGeometry());
    connect(&window, &ErrorListWindow::omitWarningsChanged, this,
            [this](bool omit) { omitWarnings_ = omit; });
    ctx_.prompter.exec(window);
  } else if (verbose) {
    NoticeWindow::showUntilNextAction(boxParent_, coreText(shell::CheckCleanNotice),
                                      shell::CheckCleanNoticeMs);
  }
}

// ---------------------------------------------------------------------------------------------
// File history

void MissionFiles::addToHistory(const QString& path) {
  history_.add(native(path));
  emit historyChanged();
}

void MissionFiles::readHistory() {
  history_ = shell::readHistory(ctx_.settings.editorDirectory);
  emit historyChanged();
}

void MissionFiles::writeHistory() {
  const shell::HistorySaveResult r = shell::writeHistory(history_, ctx_.settings.editorDirectory);
  if (r.status == shell::HistorySaveStatus::NoEditorDirectory)
    ctx_.prompter.warning(boxParent_, coreText(r.message));
  else if (r.status == shell::HistorySaveStatus::WriteFailed)
    ctx_.prompter.error(boxParent_, coreText(r.message));
}

// ---------------------------------------------------------------------------------------------
// Start and close

void MissionFiles::startUp(const QStringList& arguments) {
  if (!arguments.isEmpty() && !arguments.first().isEmpty()) {
    const QString path = QFileInfo(arguments.first()).absoluteFilePath();
    addToHistory(path);
    load(path);
    return;
  }
  switch (ctx_.settings.openProgWith) {
    case 0:
      runStartUpDialog();
      break;
    case 2:
      openMission();
      break;
    case 3:
      openLastUsedFile();
      break;
    default:
      break;  // 1: the blank Mission stays
  }
}

void MissionFiles::runStartUpDialog() {
  StartUpDialog dialog(boxParent_);
  if (ctx_.prompter.exec(dialog) != QDialog::Accepted) return;
  switch (dialog.choice()) {
    case StartUpDialog::LoadExisting:
      openMission();
      break;
    case StartUpDialog::CreateNew:
      // The wizard's Mission; without it (or when it is cancelled) the blank Mission takes the
      // default format and the title stays the plain one.
      if (ctx_.settings.useWiz && runWizard()) break;
      makeNewMission(defaultFormat());
      setTitle(shell::startupTitle());
      break;
    case StartUpDialog::LoadLastUsed:
      if (!history_.empty()) reopen(0);
      break;
  }
}

void MissionFiles::openLastUsedFile() {
  if (!shell::findHistoryFile(ctx_.settings.editorDirectory)) return;
  if (!history_.empty() && QFileInfo::exists(qs(history_.at(0)))) {
    load(qs(history_.at(0)));
    return;
  }
  NoticeWindow::show(boxParent_, coreText(shell::LastFileMissingNotice),
                     shell::LastFileMissingNoticeMs);
}

bool MissionFiles::mayClose(const std::function<bool()>& moreOffers) {
  if (!saveChanged()) return false;
  offerToSaveSounds();
  if (moreOffers && !moreOffers()) return false;
  writeHistory();
  return true;
}

}  // namespace app
