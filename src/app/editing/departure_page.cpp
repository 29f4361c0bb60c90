#include "app/editing/departure_page.h"
#include "app/base/input_policy.h"
#include "app/base/translations.h"

#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>

#include "app/base/text.h"
#include "app/document/step_text.h"
#include "app/document/view_updater.h"
#include "app/editing/trigger_editor.h"
#include "editing/triggers.h"
#include "shell/vocabulary.h"

namespace app {

namespace fg = model::fg;
using model::u8;

DeparturePage::DeparturePage(const EditorContext& context, QWidget* parent)
    : FlightGroupTab(context, parent) {
  setObjectName(QStringLiteral("DeparturePage"));
  auto* top = new QVBoxLayout(this);
  top->setContentsMargins(6, 4, 6, 4);
  top->setSpacing(4);

  // A sentence: it wraps rather than widen the tab in a longer language.
  auto* hint = new QLabel(tr("Click on text to edit (double-click for clipboard)"), this);
  hint->setWordWrap(true);
  top->addWidget(hint);
  editor_ = new TriggerEditor(
      doc_, vocab_,
      flightGroupTriggers(doc_, editing::departureTriggers(), editText(tr("Departure Trigger"))),
      this);
  top->addWidget(editor_);

  {
    via_ = motherShipChoice(this, *bindings_, tr("Via:"), "DepMotherRadio", "DepHypRadio",
                            "DepMotherBox", fg::DepartViaMothership, fg::DepartureMothership);
    alt_ = motherShipChoice(this, *bindings_, tr("Alternative:"), "DepAltMotherRadio",
                            "DepAltHypRadio", "DepAltMotherBox", fg::AltDepartViaMothership,
                            fg::AltDepartureMothership);
    top->addWidget(via_.group);
    top->addWidget(alt_.group);
  }

  departWhen_ = combo("DepartWhenBox");
  QLabel* whenCaption =
      captionFor(departWhen_, tr("Individual craft in this FG will abort mission when:"), this);
  whenCaption->setWordWrap(true);
  top->addWidget(whenCaption);
  top->addWidget(departWhen_);

  {
    auto* row = new QHBoxLayout;
    row->setSpacing(4);
    // The game keeps one byte: a larger number would be stored as its low byte.
    expTime_ = spin("ExpTimeSpin", 0, 255);
    row->addWidget(captionFor(expTime_, tr("(Non-fighter) Explosion time:"), this));
    expTime_->blankKeepsValue = true;
    expTime_->setFixedWidth(64);
    row->addWidget(expTime_);
    expLabel_ = new QLabel(this);
    expLabel_->setObjectName(QStringLiteral("ExpLabel"));
    row->addWidget(expLabel_, 1);
    top->addLayout(row);
  }
  top->addStretch(1);

  bindings_->bind(departWhen_, fg::AbortCondition);
  bindings_->bind(static_cast<QSpinBox*>(expTime_), fg::ExplosionTime);
  connect(expTime_, &QSpinBox::valueChanged, this,
          [this](int v) { expLabel_->setText(coreText(editing::explosionTimeText(v))); });
  new ViewUpdater(this, doc_, FlightGroupFields | FlightGroupList | Selection | TeamFields | Tables,
                  [this](Changes, const ChangeSet&) { fill(); });
  fill();
  bindings_->refill();
}

void DeparturePage::doFill() {
  const model::Mission& m = doc_.mission();
  const model::FlightGroup& g = current();
  showMotherShip(via_, m, g, vocab_, *bindings_);
  showMotherShip(alt_, m, g, vocab_, *bindings_);
  setBoundTable(departWhen_, shell::tables::DepWhen);
  expLabel_->setText(coreText(editing::explosionTimeText(g.get(fg::ExplosionTime))));
  editor_->refresh();
}

}  // namespace app
