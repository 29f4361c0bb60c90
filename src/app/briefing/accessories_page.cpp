#include "app/briefing/accessories_page.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

#include <filesystem>

#include "app/base/prompter.h"
#include "app/base/text.h"
#include "app/base/translations.h"
#include "app/briefing/briefing_session.h"
#include "app/document/editor_context.h"
#include "app/document/mission_document.h"
#include "app/document/step_text.h"
#include "briefing/editing.h"
#include "editing/descriptions.h"
#include "older/import.h"

namespace app {

namespace {

// "briefing 3" for briefing 2 (counted from 0), as undo steps name it.
QString briefingObject(int b) {
  return records(Records::Briefing, 1, QString::number(b + 1));
}

}  // namespace

namespace brf = briefing;

QString briefingTeamEntry(const model::Mission& m, int i) {
  const std::vector<std::string> teams = editing::teamNameList(m);
  return i >= 0 && i < static_cast<int>(teams.size()) ? fromFile(teams[i]) : QString();
}

AccessoriesPage::AccessoriesPage(const EditorContext& context, BriefingSession& session,
                                 QWidget* parent)
    : QWidget(parent), ctx_(context), session_(session) {
  auto* col = new QVBoxLayout(this);
  auto* copy = new QGroupBox(tr("Copy current Briefing to"), this);
  auto* cl = new QGridLayout(copy);
  copyTarget_ = new QComboBox(copy);
  copyTarget_->setObjectName(QStringLiteral("CopyTargetBox"));
  auto* copyAll = new QPushButton(tr("Copy strings, tags and instructions"), copy);
  copyAll->setObjectName(QStringLiteral("CopyBriefingBtn"));
  auto* copyIcons = new QPushButton(tr("Copy Icon positons"), copy);
  copyIcons->setObjectName(QStringLiteral("CopyIconsBtn"));
  cl->addWidget(copyTarget_, 0, 0, 1, 2);
  cl->addWidget(copyAll, 1, 0);
  cl->addWidget(copyIcons, 1, 1);
  connect(copyAll, &QPushButton::clicked, this, &AccessoriesPage::copyBriefing);
  connect(copyIcons, &QPushButton::clicked, this, &AccessoriesPage::copyIconPositions);
  col->addWidget(copy);
  auto* start1 = new QPushButton(
      tr("Set Icon positions for all FGs in current Briefing to Start Point 1"), this);
  start1->setObjectName(QStringLiteral("SetStart1Btn"));
  connect(start1, &QPushButton::clicked, this, &AccessoriesPage::setIconsToStart1);
  col->addWidget(start1);

  auto* autoGroup = new QGroupBox(tr("Auto-Brief"), this);
  autoGroup->setObjectName(QStringLiteral("AutoBriefGroup"));
  auto* ag = new QGridLayout(autoGroup);
  autoSeconds_ = new QLineEdit(QStringLiteral("7"), autoGroup);
  autoSeconds_->setObjectName(QStringLiteral("AutoSecondsEdit"));
  ag->addWidget(new QLabel(tr("Show each Briefing Text (not #0) in order"), autoGroup), 0, 0);
  ag->addWidget(autoSeconds_, 0, 1);
  ag->addWidget(new QLabel(tr("seconds apart"), autoGroup), 0, 2);
  autoBox_ = new QCheckBox(tr("Box FGs if hilighted with"), autoGroup);
  autoBox_->setObjectName(QStringLiteral("AutoBoxCheck"));
  autoBox_->setChecked(true);
  ag->addWidget(autoBox_, 1, 0);
  ag->addWidget(new QLabel(QStringLiteral("\" [ ] \""), autoGroup), 1, 1);
  autoCentre_ = new QCheckBox(tr("Begin centered on:"), autoGroup);
  autoCentre_->setObjectName(QStringLiteral("AutoCentreCheck"));
  autoCentreOn_ = new QComboBox(autoGroup);
  autoCentreOn_->setObjectName(QStringLiteral("AutoCentreBox"));
  autoCentreOn_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
  autoCentreOn_->setMinimumContentsLength(24);
  ag->addWidget(autoCentre_, 2, 0);
  ag->addWidget(autoCentreOn_, 2, 1, 1, 2);
  autoZoom_ = new QCheckBox(tr("Begin at Zoom:"), autoGroup);
  autoZoom_->setObjectName(QStringLiteral("AutoZoomCheck"));
  autoZoomPreset_ = new QComboBox(autoGroup);
  autoZoomPreset_->setObjectName(QStringLiteral("AutoZoomBox"));
  for (const brf::ZoomPreset& z : brf::ZoomPresets)
    autoZoomPreset_->addItem(QString::fromLatin1(z.text));
  autoZoomPreset_->setCurrentIndex(brf::DefaultZoomPreset);
  ag->addWidget(autoZoom_, 3, 0);
  ag->addWidget(autoZoomPreset_, 3, 1, 1, 2);
  auto* make = new QPushButton(tr("Make Briefing"), autoGroup);
  make->setObjectName(QStringLiteral("MakeBriefingBtn"));
  connect(make, &QPushButton::clicked, this, &AccessoriesPage::makeBriefing);
  ag->addWidget(make, 4, 0);
  col->addWidget(autoGroup);
  col->addStretch(1);
  fillEntries();
}

QString AccessoriesPage::teamEntry(int i) const {
  return briefingTeamEntry(session_.mission(), i);
}

void AccessoriesPage::fillEntries() {
  // Neither box acts on a change of its own: refilling them edits nothing.
  const int target = std::max(0, copyTarget_->currentIndex());
  copyTarget_->clear();
  for (int i = 0; i < 8; ++i) copyTarget_->addItem(teamEntry(i));
  copyTarget_->setCurrentIndex(target);
  const int centre = autoCentreOn_->currentIndex();
  autoCentreOn_->clear();
  for (const std::string& n : editing::nameList(session_.mission(), ctx_.vocabulary))
    autoCentreOn_->addItem(fromFile(n));
  autoCentreOn_->setCurrentIndex(std::clamp(centre, 0, autoCentreOn_->count() - 1));
}

bool AccessoriesPage::otherTarget(int& target) {
  target = copyTarget_->currentIndex();
  if (target < 0) return false;
  if (target != session_.briefing()) return true;
  ctx_.prompter.information(
      this, tr("This IS the briefing for Team") + teamEntry(target).trimmed() + "!");
  return false;
}

void AccessoriesPage::copyBriefing() {
  int t = 0;
  if (!otherTarget(t)) return;
  const int b = session_.briefing();
  if (ctx_.prompter.question(this,
                             tr("Copy Briefing ") + teamEntry(b) + tr(" to ") + teamEntry(t) + "?",
                             QMessageBox::Yes | QMessageBox::No) != QMessageBox::Yes)
    return;
  // The copy takes the briefing as the user sees it, pending edits included.
  session_.storePending();
  ctx_.document.editContent(stepText(Verb::Copy, briefingObject(b), briefingObject(t)),
                            ChangedFlag::Mission,
                            [=](model::Mission& m) { brf::copyBriefing(m, b, t); });
}

void AccessoriesPage::copyIconPositions() {
  int t = 0;
  if (!otherTarget(t)) return;
  const int b = session_.briefing();
  if (ctx_.prompter.question(
          this, tr("Copy Icon positions from ") + teamEntry(b) + tr(" to ") + teamEntry(t) + "?",
          QMessageBox::Yes | QMessageBox::No) != QMessageBox::Yes)
    return;
  ctx_.document.editContent(
      stepText(Verb::Copy, tr("icon positions of %1").arg(briefingObject(b)), briefingObject(t)),
      ChangedFlag::FlightGroup, [=](model::Mission& m) { brf::copyIconPositions(m, b, t); });
}

void AccessoriesPage::setIconsToStart1() {
  const int b = session_.briefing();
  if (ctx_.prompter.question(
          this,
          tr("Set Briefing Points to Start Point 1 for Briefing ") + QString::number(b + 1) + "?",
          QMessageBox::Yes | QMessageBox::No) != QMessageBox::Yes)
    return;
  ctx_.document.editContent(
      stepText(Verb::Set, tr("icon positions of %1").arg(briefingObject(b)), tr("Start 1")),
      ChangedFlag::FlightGroup, [=](model::Mission& m) { brf::setIconsToStart1(m, b); });
}

void AccessoriesPage::makeBriefing() {
  if (ctx_.prompter.question(this, tr("Rewrite briefing - Are you sure?"),
                             QMessageBox::Yes | QMessageBox::No) != QMessageBox::Yes)
    return;
  brf::AutoBriefOptions o;
  int ticks = 0;
  o.seconds = brf::parseSeconds(autoSeconds_->text().toStdString(), ticks) ? ticks / 20.0 : 0;
  o.boxNames = autoBox_->isChecked();
  if (autoCentre_->isChecked() && autoCentreOn_->currentIndex() >= 0)
    o.centreOn = autoCentreOn_->currentIndex();
  if (autoZoom_->isChecked())
    o.zoom = brf::ZoomPresets[std::clamp(autoZoomPreset_->currentIndex(), 0, 8)].zoom;
  const int b = session_.briefing();
  const brf::AutoBriefResult r = brf::autoBrief(session_.mission(), b, o);
  if (!r.ok) {
    ctx_.prompter.information(this, shownText(r.message));
    return;
  }
  // The new stream replaces whatever was pending; the session reads it back from the record.
  ctx_.document.editContent(stepText(Verb::AutoBrief, briefingObject(b)), ChangedFlag::Mission,
                            [=](model::Mission& m) { brf::applyAutoBrief(m, b, r); });
  if (!r.message.empty()) ctx_.prompter.information(this, shownText(r.message));
}

void AccessoriesPage::loadBrfFile(const std::string& missionFile) {
  const QString dir =
      missionFile.empty()
          ? QString()
          : QString::fromStdString(std::filesystem::path(missionFile).parent_path().string());
  const QString file =
      ctx_.prompter.openFileName(this, tr("Load matching Vortan .brf file"), dir,
                                 dialogFilter(tr("Vortan Briefing files|*.brf")), {});
  if (file.isEmpty()) return;
  // Edits of another shown briefing go into the Mission first, as when changing briefing; those
  // of Briefing 1 give way to the import (the session reads it back), unless the file is
  // refused.
  if (session_.briefing() != 0) session_.storePending();
  model::Text message;
  bool ok = false;
  const std::string path = file.toStdString();
  const QString object = tr(".brf file %1").arg(QFileInfo(file).fileName());
  ctx_.document.editContent(
      stepText(Verb::Load, object), ChangedFlag::Mission,
      [&](model::Mission& m) { ok = older::importBriefingFile(path, m, message); });
  if (!ok && !message.empty()) ctx_.prompter.error(this, shownText(message));
}

}  // namespace app
