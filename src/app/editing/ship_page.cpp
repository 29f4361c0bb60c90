#include "app/editing/ship_page.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>

#include "app/base/prompter.h"
#include "app/base/text.h"
#include "app/document/mission_document.h"
#include "app/map/formation_window.h"
#include "editing/descriptions.h"
#include "editing/flight_group_rules.h"
#include "map/craft_classes.h"
#include "model/colours.h"
#include "shell/settings.h"
#include "shell/vocabulary.h"

namespace app {

namespace fg = model::fg;
using model::u8;

namespace {

// The craft type whose status byte picks a planet's look.
constexpr int PlanetCraftType = 87;
constexpr int TextMax = 19;

QLabel* label(const QString& text, QWidget* parent) {
  auto* l = new QLabel(text, parent);
  return l;
}

void setTextKeepingCursor(QLineEdit* edit, const QString& text) {
  if (edit->text() != text) edit->setText(text);
}

}  // namespace

ShipPage::ShipPage(const EditorContext& context, QWidget* parent)
    : FlightGroupTab(context, parent) {
  setObjectName(QStringLiteral("ShipTab"));
  name_ = combo("ShipName");
  name_->setEditable(true);
  name_->setInsertPolicy(QComboBox::NoInsert);
  name_->lineEdit()->setMaxLength(TextMax);
  ship_ = combo("ShipBox");
  autoLink_ = new QCheckBox(tr("Auto-link:  Shiptype / Team / IFF"), this);
  autoLink_->setObjectName(QStringLiteral("AutoLinkChk"));
  size_ = spin("FGSizeSpin", 1, 100);
  waves_ = spin("WaveSpin", 1, 1000);
  team_ = combo("TeamBox");
  iff_ = combo("IFFBox");
  player_ = combo("PlayerBox");
  plrPos_ = combo("PlrPosSpin");
  ai_ = combo("AIBox");
  colour_ = combo("ColorBox");
  radio_ = combo("RadioBox");
  form_ = combo("FormBox");
  formBtn_ = new QPushButton(tr("View Forms"), this);
  formBtn_->setObjectName(QStringLiteral("FormBtn"));
  formBtn_->setToolTip(tr("View Formations"));
  spacing_ = spin("SpacingSpin", 0, 1000);
  statusLab_ = label(tr("Status 1"), this);
  status_ = combo("StatusBox");
  status2_ = combo("Status2Box");
  missile_ = combo("MissleBox");
  beam_ = combo("BeamBox");
  counter_ = combo("CounterBox");
  cargo_ = new QLineEdit(this);
  cargo_->setObjectName(QStringLiteral("CargoEd"));
  cargo_->setMaxLength(TextMax);
  specCargo_ = new QLineEdit(this);
  specCargo_->setObjectName(QStringLiteral("SpecCargEd"));
  specCargo_->setMaxLength(TextMax);
  specialLab_ = label(tr("Special"), this);
  shipNoLab_ = label(tr("Ship#:"), this);
  special_ = spin("SpecShpSpin", 1, 100);
  special_->editor()->setReadOnly(true);  // chosen with the arrows only
  random_ = new QCheckBox(tr("Randomize?"), this);
  random_->setObjectName(QStringLiteral("RandomChk"));
  notInFg_ = label(tr("(Special ship is not in FG)"), this);
  appear_ = combo("AppearBox");
  gg_ = spin("GGSpin", 0, 1000);
  gu_ = spin("GUSpin", 0, 1000);

  // Fixed item lists; the tables' lists are taken on every fill, after replacement files.
  setItems(player_, vocab_.table(shell::tables::Players));
  setItems(plrPos_, QStringList{QStringLiteral("2 (1)"), QStringLiteral("2"), QStringLiteral("3"),
                                QStringLiteral("4"), QStringLiteral("5"), QStringLiteral("6")});

  auto* grid = new QGridLayout(this);
  grid->setContentsMargins(6, 6, 6, 6);
  grid->setHorizontalSpacing(6);
  grid->setVerticalSpacing(3);
  grid->setColumnStretch(1, 1);
  grid->setColumnStretch(3, 1);
  int row = 0;
  grid->addWidget(label(tr("Name:"), this), row, 0);
  grid->addWidget(name_, row++, 1, 1, 3);
  grid->addWidget(label(tr("Craft:"), this), row, 0);
  grid->addWidget(ship_, row++, 1, 1, 3);
  grid->addWidget(autoLink_, row++, 1, 1, 3);
  {
    auto* line = new QHBoxLayout;
    line->addWidget(waves_);
    line->addWidget(label(tr("waves of:"), this));
    line->addWidget(size_);
    line->addWidget(label(tr("craft"), this));
    line->addStretch();
    grid->addWidget(label(tr("Size:"), this), row, 0);
    grid->addLayout(line, row++, 1, 1, 3);
  }
  auto pair = [&](const QString& a, QWidget* wa, QWidget* labB, QWidget* wb) {
    grid->addWidget(label(a, this), row, 0);
    grid->addWidget(wa, row, 1);
    grid->addWidget(labB, row, 2);
    grid->addWidget(wb, row++, 3);
  };
  pair(tr("Team:"), team_, label(tr("IFF:"), this), iff_);
  pair(tr("Player:"), player_, label(tr("Position:"), this), plrPos_);
  pair(tr("A.I.:"), ai_, label(tr("Markings:"), this), colour_);
  {
    // The formation box with the viewer's button beside it.
    auto* formRow = new QWidget(this);
    auto* h = new QHBoxLayout(formRow);
    h->setContentsMargins(0, 0, 0, 0);
    h->setSpacing(3);
    form_->setParent(formRow);
    h->addWidget(form_, 1);
    h->addWidget(formBtn_);
    pair(tr("Radio:"), radio_, label(tr("Formation:"), this), formRow);
  }
  pair(tr("Spacing:"), spacing_, statusLab_, status_);
  pair(tr("Warheads:"), missile_, label(tr("Status 2"), this), status2_);
  pair(tr("Beam:"), beam_, label(tr("Countermeas.:"), this), counter_);
  pair(tr("Cargo:"), cargo_, label(tr("Spec. Cargo:"), this), specCargo_);
  {
    auto* line = new QHBoxLayout;
    line->addWidget(shipNoLab_);
    line->addWidget(special_);
    line->addWidget(random_);
    line->addStretch();
    grid->addWidget(specialLab_, row, 0);
    grid->addLayout(line, row++, 1, 1, 3);
    // The explanation gets a line of its own so it is never cut, and keeps its room while
    // hidden so the page does not jump when the special craft moves in and out of the group.
    QSizePolicy keep = notInFg_->sizePolicy();
    keep.setRetainSizeWhenHidden(true);
    notInFg_->setSizePolicy(keep);
    grid->addWidget(notInFg_, row++, 1, 1, 3);
  }
  {
    auto* line = new QHBoxLayout;
    line->addWidget(label(tr("Appears in Difficulty Level:"), this));
    line->addWidget(appear_, 1);
    grid->addLayout(line, row++, 0, 1, 4);
  }
  {
    auto* line = new QHBoxLayout;
    line->addWidget(label(tr("Global Group"), this));
    line->addWidget(gg_);
    line->addSpacing(12);
    line->addWidget(label(tr("Global Unit"), this));
    line->addWidget(gu_);
    line->addStretch();
    grid->addLayout(line, row++, 0, 1, 4);
  }
  grid->setRowStretch(row, 1);
  chainTabOrder({name_,    ship_,    autoLink_, waves_,  size_,    team_,  iff_,
                 player_,  plrPos_,  ai_,       colour_, radio_,   form_,  spacing_,
                 status_,  missile_, status2_,  beam_,   counter_, cargo_, specCargo_,
                 special_, random_,  appear_,   gg_,     gu_});
  for (QSpinBox* s : {static_cast<QSpinBox*>(size_), static_cast<QSpinBox*>(waves_),
                      static_cast<QSpinBox*>(spacing_), static_cast<QSpinBox*>(special_),
                      static_cast<QSpinBox*>(gg_), static_cast<QSpinBox*>(gu_)})
    s->setMinimumWidth(60);

  connect(name_, &QComboBox::editTextChanged, this, &ShipPage::nameEdited);
  connect(formBtn_, &QPushButton::clicked, this, &ShipPage::viewFormations);
  connect(ship_, &QComboBox::currentIndexChanged, this, &ShipPage::craftTypeChosen);
  connect(size_, &QSpinBox::valueChanged, this, &ShipPage::countChosen);
  connect(team_, &QComboBox::currentIndexChanged, this, &ShipPage::teamChosen);
  connect(player_, &QComboBox::currentIndexChanged, this, &ShipPage::playerChosen);
  connect(special_, &QSpinBox::valueChanged, this, &ShipPage::specialChosen);
  connect(random_, &QCheckBox::toggled, this, &ShipPage::randomToggled);
  connect(autoLink_, &QCheckBox::toggled, this, &ShipPage::autoLinkToggled);
  byteField(waves_, fg::WaveCount, -1);
  byteField(iff_, fg::Iff);
  byteField(plrPos_, fg::PlayerCraft);
  byteField(ai_, fg::AiRank);
  byteField(colour_, fg::Markings);
  byteField(radio_, fg::Radio);
  byteField(form_, fg::Formation);
  byteField(spacing_, fg::FormationSpacing);
  byteField(status_, fg::Status);
  byteField(status2_, fg::Status2);
  byteField(missile_, fg::Warhead);
  byteField(beam_, fg::Beam);
  byteField(counter_, fg::Countermeasure);
  byteField(appear_, fg::ArrivalDifficulty);
  byteField(gg_, fg::GlobalGroup);
  byteField(gu_, fg::GlobalUnit);
  connect(cargo_, &QLineEdit::textEdited, this, [this](const QString& t) {
    if (!quiet()) doc_.setFlightGroupText(fg::Cargo, toFile(t), QStringLiteral("CargoEd"));
  });
  connect(specCargo_, &QLineEdit::textEdited, this, [this](const QString& t) {
    if (!quiet())
      doc_.setFlightGroupText(fg::SpecialCargo, toFile(t), QStringLiteral("SpecCargEd"));
  });
}

void ShipPage::viewFormations() {
  if (quiet()) return;
  const model::FlightGroup& g = current();
  FormationWindow window(vocab_, g.get(fg::Formation), g.get(fg::CraftCount), this);
  if (prompter().exec(window) != QDialog::Accepted) return;
  // As if the formation had been picked in the box: every selected group, one undo step.
  doc_.setFlightGroupField(fg::Formation, static_cast<u8>(window.formation()));
}

template <class Box>
void ShipPage::byteField(Box* box, model::Field<std::uint8_t> field, int offset) {
  const QString key = box->objectName();
  auto write = [this, field, offset, key](int v) {
    if (quiet() || v < 0) return;
    // Values above a byte keep their low byte, as the game reads one byte.
    doc_.setFlightGroupField(field, static_cast<u8>((v + offset) & 0xFF), 0, key);
  };
  if constexpr (std::is_base_of_v<QComboBox, Box>)
    connect(box, &QComboBox::currentIndexChanged, this, write);
  else
    connect(box, &QSpinBox::valueChanged, this, write);
}

void ShipPage::doFill() {
  const model::Mission& m = doc_.mission();
  const model::FlightGroup& g = current();
  const int type = g.get(fg::CraftType);

  setItems(name_, vocab_.table(shell::tables::FGNames));
  setItems(ship_, vocab_.table(shell::tables::Ships));
  setItems(iff_, vocab_.table(shell::tables::IFF));
  setItems(ai_, vocab_.table(shell::tables::AI));
  setItems(colour_, vocab_.table(shell::tables::Colors));
  setItems(form_, vocab_.table(shell::tables::Form));
  setItems(status2_, vocab_.table(shell::tables::Status));
  setItems(missile_, vocab_.table(shell::tables::Missiles));
  setItems(beam_, vocab_.table(shell::tables::Beams));
  setItems(counter_, vocab_.table(shell::tables::Counters));
  setItems(appear_, vocab_.table(shell::tables::Appear));
  setItems(player_, vocab_.table(shell::tables::Players));
  const auto teams = editing::teamNameList(m);
  setItems(team_, teams);
  {
    const auto& radio = vocab_.table(shell::tables::Radio);
    QStringList items;
    items << fromFile(entry(radio, 0));
    for (std::size_t t = 0; t < 8; ++t) items << tr("Team ") + fromFile(entry(teams, t));
    for (std::size_t i = 9; i < std::max<std::size_t>(radio.size(), 17); ++i)
      items << (i < radio.size() ? fromFile(radio[i]) : tr("Player %1").arg(i - 8));
    setItems(radio_, items);
  }
  if (type == PlanetCraftType) {
    statusLab_->setText(tr("  Planet"));
    setItems(status_, vocab_.table(shell::tables::Planets));
  } else {
    statusLab_->setText(tr("Status 1"));
    setItems(status_, vocab_.table(shell::tables::Status));
  }

  const QString name = fromFile(g.name());
  if (name_->currentText() != name) {
    const QSignalBlocker block(name_);
    name_->setEditText(name);
  }
  showIndex(ship_, type);
  colourBox(ship_, g.get(fg::Iff));
  colourBox(name_, g.get(fg::Iff));
  {
    const QSignalBlocker block(autoLink_);
    autoLink_->setChecked(g.autoLink);
  }
  setSpin(size_, g.get(fg::CraftCount));
  setSpin(waves_, g.get(fg::WaveCount) + 1);
  showIndex(team_, g.get(fg::Team));
  showIndex(iff_, g.get(fg::Iff));
  showIndex(player_, g.get(fg::PlayerNumber));
  showIndex(plrPos_, g.get(fg::PlayerCraft));
  showIndex(ai_, g.get(fg::AiRank));
  showIndex(colour_, g.get(fg::Markings));
  showIndex(radio_, g.get(fg::Radio));
  showIndex(form_, g.get(fg::Formation));
  setSpin(spacing_, g.get(fg::FormationSpacing));
  showIndex(status_, g.get(fg::Status));
  showIndex(status2_, g.get(fg::Status2));
  showIndex(missile_, g.get(fg::Warhead));
  showIndex(beam_, g.get(fg::Beam));
  showIndex(counter_, g.get(fg::Countermeasure));
  setTextKeepingCursor(cargo_, fromFile(g.text(fg::Cargo)));
  setTextKeepingCursor(specCargo_, fromFile(g.text(fg::SpecialCargo)));
  // The spin shows the number the group holds, also when it lies outside the group.
  setSpin(special_, g.get(fg::SpecialCraft) + 1);
  {
    const QSignalBlocker block(random_);
    random_->setChecked(g.get(fg::RandomSpecialCraft) == 1);
  }
  showIndex(appear_, g.get(fg::ArrivalDifficulty));
  setSpin(gg_, g.get(fg::GlobalGroup));
  setSpin(gu_, g.get(fg::GlobalUnit));
  showSpecialCargo();
}

void ShipPage::showSpecialCargo() {
  const bool random = random_->isChecked();
  const int count = doc_.mission().flightGroups.empty() ? 0 : current().get(fg::CraftCount);
  const bool inGroup = special_->value() <= count;
  specCargo_->setVisible(inGroup || random);
  notInFg_->setVisible(!(inGroup || random));
  special_->setEnabled(!random);
  specialLab_->setEnabled(!random);
  shipNoLab_->setEnabled(!random);
}

void ShipPage::nameEdited(const QString& text) {
  if (quiet()) return;
  const std::string name = toFile(text).substr(0, fg::Name.maxChars);
  const bool link = settings_.linkColor && doc_.mission().missionType() != model::Melee;
  // Every keystroke takes the same kind of step, so that typing a name ("R", "Re", "Red", …)
  // merges into one undo step whether or not a step on the way sets the markings.
  editGroups(
      tr("Name"),
      [name, link](const model::Mission&, model::FlightGroup& g) {
        g.setText(fg::Name, name);
        if (!link) return;
        if (auto mk = editing::markingsForName(name, g.get(fg::CraftType)))
          g.set(fg::Markings, *mk);
      },
      QStringLiteral("ShipName"));
}

void ShipPage::craftTypeChosen(int type) {
  if (quiet() || type < 0) return;
  const u8 t = static_cast<u8>(type);
  editGroups(tr("Craft type"), [t](const model::Mission& m, model::FlightGroup& g) {
    g.set(fg::CraftType, t);
    if (g.autoLink) editing::applyCraftTypeAutoLink(m, g);
  });
  if (settings_.checkPlayable) {
    const std::string w = editing::playableWarning(type, doc_.mission().platformId);
    if (!w.empty()) prompter().warning(this, QString::fromStdString(w));
  }
}

void ShipPage::countChosen(int count) {
  if (quiet()) return;
  const u8 n = static_cast<u8>(count & 0xFF);
  editGroups(
      tr("Craft count"),
      [n](const model::Mission&, model::FlightGroup& g) {
        const u8 old = g.get(fg::CraftCount);
        g.set(fg::CraftCount, n);
        g.set(fg::SpecialCraft, editing::specialCraftAfterCount(g.get(fg::SpecialCraft), old, n));
      },
      QStringLiteral("FGSizeSpin"));
}

void ShipPage::teamChosen(int team) {
  if (quiet() || team < 0) return;
  const u8 t = static_cast<u8>(team);
  editGroups(tr("Team"), [t](const model::Mission& m, model::FlightGroup& g) {
    g.set(fg::Team, t);
    if (g.autoLink && t < m.teamIff.size()) g.set(fg::Iff, m.teamIff[t]);
  });
}

void ShipPage::playerChosen(int player) {
  if (quiet() || player < 0) return;
  doc_.setFlightGroupField(fg::PlayerNumber, static_cast<u8>(player));
  const model::FlightGroup& g = current();
  if (g.get(fg::PlayerNumber) != 0 && !map::isPlayerCraft(g.get(fg::CraftType)))
    prompter().warning(this, QString::fromLatin1(editing::NonPlayerCraftWarning));
}

void ShipPage::specialChosen(int value) {
  if (quiet()) return;
  doc_.setFlightGroupField(fg::SpecialCraft, static_cast<u8>(value - 1), 0,
                           QStringLiteral("SpecShpSpin"));
  showSpecialCargo();
}

void ShipPage::randomToggled(bool on) {
  if (quiet()) return;
  doc_.setFlightGroupField(fg::RandomSpecialCraft, static_cast<u8>(on ? 1 : 0));
  showSpecialCargo();
}

void ShipPage::autoLinkToggled(bool on) {
  if (quiet()) return;
  editGroups(tr("Auto-link"),
             [on](const model::Mission&, model::FlightGroup& g) { g.autoLink = on; });
}

}  // namespace app
