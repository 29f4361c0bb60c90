#include "app/editing/arrival_page.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

#include "app/base/text.h"
#include "app/base/translations.h"
#include "app/document/step_text.h"
#include "app/document/view_updater.h"
#include "app/editing/trigger_editor.h"
#include "editing/descriptions.h"
#include "editing/triggers.h"
#include "shell/vocabulary.h"

namespace app {

namespace fg = model::fg;
using model::u8;

MotherShipChoice motherShipChoice(FlightGroupTab* tab, FieldBindings& bindings,
                                  const QString& title, const char* motherName, const char* hypName,
                                  const char* boxName, model::Field<u8> via,
                                  model::Field<u8> ship) {
  MotherShipChoice c;
  c.via = via;
  c.ship = ship;
  c.group = new QGroupBox(title, tab);
  // One line: the two radios, then the picker, which takes the rest of the tab's width.
  auto* h = new QHBoxLayout(c.group);
  h->setContentsMargins(6, 2, 6, 4);
  h->setSpacing(6);
  c.mother = new QRadioButton(QObject::tr("MotherShip"), c.group);
  c.hyperspace = new QRadioButton(QObject::tr("Hyperspace"), c.group);
  c.mother->setObjectName(QString::fromLatin1(motherName));
  c.hyperspace->setObjectName(QString::fromLatin1(hypName));
  h->addWidget(c.mother);
  h->addWidget(c.hyperspace);
  c.box = new QComboBox(c.group);
  c.box->setObjectName(QString::fromLatin1(boxName));
  c.box->setMaxVisibleItems(20);
  c.box->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
  c.box->setMinimumContentsLength(8);
  c.box->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
  h->addWidget(c.box, 1);

  // "Hyperspace" stores 0, "MotherShip" 1; the picker only means something with the latter.
  bindings.bindChoice({c.hyperspace, c.mother}, via);
  bindings.bind(c.box, ship);
  QComboBox* box = c.box;
  QObject::connect(c.mother, &QRadioButton::toggled, box, &QComboBox::setEnabled);
  return c;
}

void showMotherShip(const MotherShipChoice& c, const model::Mission& m, const model::FlightGroup& g,
                    const shell::Vocabulary& v, FieldBindings& bindings) {
  if (setItems(c.box, editing::nameList(m, v))) bindings.refill(c.box);
  c.box->setEnabled(g.get(c.via) != 0);
}

namespace {

// A delay typed as minutes or seconds: a byte, or refused with a message.
TypedValue typedDelay(const QString& text) {
  const editing::DelayEntry e = editing::parseDelay(text.toStdString());
  switch (e.kind) {
    case editing::DelayEntry::Nothing:
      return {};
    case editing::DelayEntry::Value:
      return {TypedValue::Value, e.value, {}};
    default:
      return {TypedValue::Refused, 0, shownText(e.message)};
  }
}

}  // namespace

ArrivalPage::ArrivalPage(const EditorContext& context, QWidget* parent)
    : FlightGroupTab(context, parent) {
  setObjectName(QStringLiteral("ArrivalPage"));
  auto* top = new QVBoxLayout(this);
  top->setContentsMargins(6, 4, 6, 4);
  top->setSpacing(4);

  // A sentence: it wraps rather than widen the tab in a longer language.
  auto* hint = new QLabel(tr("Click on text to edit (double-click for clipboard)"), this);
  hint->setWordWrap(true);
  top->addWidget(hint);
  editor_ = new TriggerEditor(
      doc_, vocab_,
      flightGroupTriggers(doc_, editing::arrivalTriggers(), editText(tr("Arrival Trigger"))), this);
  top->addWidget(editor_);

  {
    auto* row = new QHBoxLayout;
    row->setSpacing(4);
    minutes_ = new QLineEdit(this);
    seconds_ = new QLineEdit(this);
    minutes_->setObjectName(QStringLiteral("ArrMinSpin"));
    seconds_->setObjectName(QStringLiteral("ArrSecSpin"));
    for (QLineEdit* e : {minutes_, seconds_}) e->setFixedWidth(44);
    // One caption for both boxes: their steps are "Edit Delay".
    auto* delay = new QLabel(tr("Delay:"), this);
    delay->setBuddy(minutes_);
    row->addWidget(delay);
    row->addWidget(minutes_);
    row->addWidget(new QLabel(tr("Mins"), this));
    row->addSpacing(8);
    row->addWidget(seconds_);
    // Named, not labelled: the seconds' undo steps are named after the delay too.
    seconds_->setAccessibleName(tr("Secs"));
    row->addWidget(new QLabel(tr("Secs"), this));
    row->addStretch();
    top->addLayout(row);
  }
  {
    via_ = motherShipChoice(this, *bindings_, tr("Via:"), "ArrMotherRadio", "ArrHypRadio",
                            "ArrMotherBox", fg::ArriveViaMothership, fg::ArrivalMothership);
    alt_ =
        motherShipChoice(this, *bindings_, tr("Alternative"), "ArrAltMotherRadio", "ArrAltHypRadio",
                         "ArrAltmotherBox", fg::AltArriveViaMothership, fg::AltArrivalMothership);
    top->addWidget(via_.group);
    top->addWidget(alt_.group);
  }
  ifPlayer_ = new QCheckBox(tr("This FG arrives only if human Player pilot"), this);
  ifPlayer_->setObjectName(QStringLiteral("ArrIfPlrChk"));
  top->addWidget(ifPlayer_);
  top->addStretch(1);

  for (auto [edit, field] :
       {std::pair{minutes_, fg::ArrivalDelayMinutes}, std::pair{seconds_, fg::ArrivalDelaySeconds}})
    bindings_->bindNumberText(edit, field)
        .parses(typedDelay)
        .undoText(editText(shownCaption(minutes_)));
  bindings_->bind(ifPlayer_, fg::ArriveOnlyIfHuman);
  // The page follows the document by itself, shown or not.
  new ViewUpdater(this, doc_, FlightGroupFields | FlightGroupList | Selection | TeamFields | Tables,
                  [this](Changes, const ChangeSet&) { fill(); });
  fill();
  bindings_->refill();
}

void ArrivalPage::doFill() {
  const model::Mission& m = doc_.mission();
  const model::FlightGroup& g = current();
  showMotherShip(via_, m, g, vocab_, *bindings_);
  showMotherShip(alt_, m, g, vocab_, *bindings_);
  editor_->refresh();
}

}  // namespace app
