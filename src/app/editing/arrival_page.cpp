#include "app/editing/arrival_page.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "app/base/text.h"
#include "app/document/view_updater.h"
#include "app/editing/trigger_editor.h"
#include "editing/descriptions.h"
#include "editing/triggers.h"
#include "shell/vocabulary.h"

namespace app {

namespace fg = model::fg;
using model::u8;

MotherShipChoice motherShipChoice(FlightGroupTab* tab, const QString& title, const char* motherName,
                                  const char* hypName, const char* boxName, model::Field<u8> via,
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

  // The picker only means something while "MotherShip" is chosen.
  QComboBox* box = c.box;
  QObject::connect(c.mother, &QRadioButton::toggled, box, &QComboBox::setEnabled);
  return c;
}

void wireMotherShip(const MotherShipChoice& c, MissionDocument& doc, QObject* context,
                    const std::function<bool()>& quiet) {
  QObject::connect(c.mother, &QRadioButton::toggled, context, [&doc, c, quiet](bool on) {
    if (quiet()) return;
    doc.setFlightGroupField(c.via, static_cast<u8>(on ? 1 : 0));
  });
  QObject::connect(c.box, &QComboBox::currentIndexChanged, context, [&doc, c, quiet](int i) {
    if (quiet() || i < 0) return;
    doc.setFlightGroupField(c.ship, static_cast<u8>(i));
  });
}

void showMotherShip(const MotherShipChoice& c, const model::Mission& m, const model::FlightGroup& g,
                    const shell::Vocabulary& v) {
  setItems(c.box, editing::nameList(m, v));
  showIndex(c.box, g.get(c.ship));
  const bool viaMother = g.get(c.via) != 0;
  const QSignalBlocker b1(c.mother), b2(c.hyperspace);
  (viaMother ? c.mother : c.hyperspace)->setChecked(true);
  c.box->setEnabled(viaMother);
}

ArrivalPage::ArrivalPage(const EditorContext& context, QWidget* parent)
    : FlightGroupTab(context, parent) {
  setObjectName(QStringLiteral("ArrivalPage"));
  auto* top = new QVBoxLayout(this);
  top->setContentsMargins(6, 4, 6, 4);
  top->setSpacing(4);

  top->addWidget(new QLabel(tr("Click on text to edit (double-click for clipboard)"), this));
  editor_ = new TriggerEditor(
      doc_, vocab_, flightGroupTriggers(doc_, editing::arrivalTriggers(), tr("Arrival trigger")),
      this);
  top->addWidget(editor_);

  {
    auto* row = new QHBoxLayout;
    row->setSpacing(4);
    minutes_ = new QLineEdit(this);
    seconds_ = new QLineEdit(this);
    minutes_->setObjectName(QStringLiteral("ArrMinSpin"));
    seconds_->setObjectName(QStringLiteral("ArrSecSpin"));
    for (QLineEdit* e : {minutes_, seconds_}) e->setFixedWidth(44);
    row->addWidget(new QLabel(tr("Delay:"), this));
    row->addWidget(minutes_);
    row->addWidget(new QLabel(tr("Mins"), this));
    row->addSpacing(8);
    row->addWidget(seconds_);
    row->addWidget(new QLabel(tr("Secs"), this));
    row->addStretch();
    top->addLayout(row);
  }
  {
    via_ = motherShipChoice(this, tr("Via:"), "ArrMotherRadio", "ArrHypRadio", "ArrMotherBox",
                            fg::ArriveViaMothership, fg::ArrivalMothership);
    alt_ =
        motherShipChoice(this, tr("Alternative"), "ArrAltMotherRadio", "ArrAltHypRadio",
                         "ArrAltmotherBox", fg::AltArriveViaMothership, fg::AltArrivalMothership);
    top->addWidget(via_.group);
    top->addWidget(alt_.group);
  }
  ifPlayer_ = new QCheckBox(tr("This FG arrives only if human Player pilot"), this);
  ifPlayer_->setObjectName(QStringLiteral("ArrIfPlrChk"));
  top->addWidget(ifPlayer_);
  top->addStretch(1);

  for (const MotherShipChoice* c : {&via_, &alt_})
    wireMotherShip(*c, doc_, this, [this] { return quiet(); });
  connect(minutes_, &QLineEdit::editingFinished, this,
          [this] { delayEdited(minutes_, fg::ArrivalDelayMinutes); });
  connect(seconds_, &QLineEdit::editingFinished, this,
          [this] { delayEdited(seconds_, fg::ArrivalDelaySeconds); });
  connect(ifPlayer_, &QCheckBox::toggled, this, [this](bool on) {
    if (quiet()) return;
    doc_.setFlightGroupField(fg::ArriveOnlyIfHuman, static_cast<u8>(on ? 1 : 0));
  });
  // The page follows the document by itself, shown or not.
  new ViewUpdater(this, doc_, FlightGroupFields | FlightGroupList | Selection | TeamFields,
                  [this](Changes, const ChangeSet&) { fill(); });
  fill();
}

void ArrivalPage::delayEdited(QLineEdit* edit, model::Field<u8> field) {
  if (quiet()) return;
  const editing::DelayEntry e = editing::parseDelay(toFile(edit->text()));
  switch (e.kind) {
    case editing::DelayEntry::Nothing:
      return;
    case editing::DelayEntry::Value:
      doc_.setFlightGroupField(field, e.value);
      return;
    default: {
      // Refused: the box shows the stored value again before the message, so that the focus
      // leaving for the message box does not judge the same text twice.
      edit->setText(QString::number(current().get(field)));
      reportBadNumber(fromFile(e.message));
      return;
    }
  }
}

void ArrivalPage::doFill() {
  const model::Mission& m = doc_.mission();
  const model::FlightGroup& g = current();
  showMotherShip(via_, m, g, vocab_);
  showMotherShip(alt_, m, g, vocab_);
  {
    const QSignalBlocker b(ifPlayer_);
    ifPlayer_->setChecked(g.get(fg::ArriveOnlyIfHuman) != 0);
  }
  for (auto [edit, field] : {std::pair{minutes_, fg::ArrivalDelayMinutes},
                             std::pair{seconds_, fg::ArrivalDelaySeconds}}) {
    const QString text = QString::number(g.get(field));
    if (edit->text() != text) edit->setText(text);
  }
  editor_->refresh();
}

}  // namespace app
