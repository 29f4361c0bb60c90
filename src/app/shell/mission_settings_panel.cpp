#include "app/shell/mission_settings_panel.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>
#include <QSpinBox>

#include "app/base/input_policy.h"
#include "app/base/prompter.h"
#include "app/document/editor_context.h"
#include "app/document/field_binding.h"
#include "app/document/mission_document.h"
#include "app/document/step_text.h"
#include "app/document/view_updater.h"
#include "editing/teams.h"
#include "model/mission_file.h"

namespace app {

using model::header::MissionType;
using model::header::TimeLimitMinutes;
using model::header::TimeLimitSeconds;

MissionSettingsPanel::MissionSettingsPanel(const EditorContext& context, QWidget* parent)
    : QWidget(parent),
      doc_(context.document),
      prompter_(context.prompter),
      typeBox_(new QComboBox(this)),
      minSpin_(new QSpinBox(this)),
      secSpin_(new QSpinBox(this)),
      zynRadio_(new QRadioButton(tr("Zyn Format"), this)),
      qvnRadio_(new QRadioButton(tr("Qvn Format"), this)) {
  setObjectName(QStringLiteral("MissionSettingsPanel"));
  typeBox_->setObjectName(QStringLiteral("MissionTypeBox"));
  typeBox_->addItems({tr("Training"), QStringLiteral("1"), tr("Melee"), tr("Multiplayer Training"),
                      tr("Multiplayer Combat")});
  minSpin_->setObjectName(QStringLiteral("MissMinSpin"));
  secSpin_->setObjectName(QStringLiteral("MissSecSpin"));
  // The header holds one byte for each.
  for (QSpinBox* spin : {minSpin_, secSpin_}) spin->setRange(0, 255);
  zynRadio_->setObjectName(QStringLiteral("ZynRadio"));
  qvnRadio_->setObjectName(QStringLiteral("QvnRadio"));
  auto* formats = new QButtonGroup(this);
  formats->addButton(zynRadio_);
  formats->addButton(qvnRadio_);

  auto* grid = new QGridLayout(this);
  grid->setContentsMargins(4, 4, 4, 4);
  auto* typeLabel = new QLabel(tr("Mission Type:"), this);
  typeLabel->setBuddy(typeBox_);
  grid->addWidget(typeLabel, 0, 0);
  grid->addWidget(typeBox_, 0, 1, 1, 4);
  grid->addWidget(captionFor(minSpin_, tr("Time Limit:"), this), 1, 0);
  grid->addWidget(minSpin_, 1, 1);
  grid->addWidget(new QLabel(tr("Min"), this), 1, 2);
  grid->addWidget(secSpin_, 1, 3);
  // Named, not labelled: the seconds' undo steps are named after the time limit too.
  secSpin_->setAccessibleName(tr("Sec"));
  grid->addWidget(new QLabel(tr("Sec"), this), 1, 4);
  auto* radios = new QHBoxLayout;
  radios->addWidget(zynRadio_);
  radios->addWidget(qvnRadio_);
  radios->addStretch();
  grid->addLayout(radios, 2, 0, 1, 5);
  grid->setColumnStretch(5, 1);
  grid->setRowStretch(3, 1);

  bindings_ = new FieldBindings(this, context, oneRecord(RecordKind::Header, [] { return 0; }));
  bindings_->bind(typeBox_, MissionType).onCommit([this](long long t) { typeChosen(int(t)); });
  bindings_->bind(minSpin_, TimeLimitMinutes).undoText(editText(tr("Time Limit")));
  bindings_->bind(secSpin_, TimeLimitSeconds).undoText(editText(tr("Time Limit")));
  // The radios change the format only when clicked; showing the format clicks nothing.
  connect(zynRadio_, &QRadioButton::clicked, this, &MissionSettingsPanel::baseFormatChosen);
  connect(qvnRadio_, &QRadioButton::clicked, this,
          [this] { doc_.setFormat(model::FormatExpansion); });
  new ViewUpdater(this, doc_, HeaderFields | Format,
                  [this](Changes t, const ChangeSet&) { onChanged(t); });
  refresh();
  bindings_->refill();
}

void MissionSettingsPanel::typeChosen(int index) {
  if (index == doc_.mission().missionType()) return;
  doc_.apply(editText(tr("Mission Type")), ChangedFlag::Mission, [index](model::MissionEdit& e) {
    e.set(RecordKind::Header, 0, MissionType, static_cast<model::u8>(index));
    // In a combat mission team 1 fights as Imperial and team 2 as Rebel.
    if (index == model::MultiplayerCombat) {
      e.set(RecordKind::TeamIff, 0, editing::TeamIffField, model::u8{1}, 0);
      e.set(RecordKind::TeamIff, 0, editing::TeamIffField, model::u8{0}, 1);
    }
  });
}

void MissionSettingsPanel::baseFormatChosen() {
  if (doc_.mission().platformId == model::FormatBase) return;
  // Nothing changes in the Mission, but a save in the base format leaves things out: the user
  // hears what before the switch.
  const model::BaseFormatLosses lost = model::baseFormatLosses(doc_.mission());
  if (lost.any()) {
    QString what;
    if (lost.debriefings) what += tr("\n- its success and failure debriefings");
    if (lost.descriptionCut > 0)
      what += (lost.descriptionCut == 1
                   ? tr("\n- the last character of its description")
                   : tr("\n- the last %1 characters of its description").arg(lost.descriptionCut));
    const QString text =
        tr("Zyn Format has no debriefings and keeps the first 1,023 characters of the "
           "description. Saved in Zyn Format, this mission loses:%1\n\nSwitch to Zyn Format?")
            .arg(what);
    if (prompter_.question(this, text, QMessageBox::Yes | QMessageBox::No) != QMessageBox::Yes) {
      refresh();
      return;
    }
  }
  doc_.setFormat(model::FormatBase);
}

void MissionSettingsPanel::onChanged(Changes what) {
  if (what & (HeaderFields | Format)) refresh();
}

void MissionSettingsPanel::refresh() {
  const model::Mission& m = doc_.mission();
  zynRadio_->setChecked(m.platformId == model::FormatBase);
  qvnRadio_->setChecked(m.platformId != model::FormatBase);
}

}  // namespace app
