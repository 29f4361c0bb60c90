#include "app/editing/ship_page.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "app/base/prompter.h"
#include "app/base/table_models.h"
#include "app/base/text.h"
#include "app/base/translations.h"
#include "app/document/editor_context.h"
#include "app/document/mission_document.h"
#include "app/document/step_text.h"
#include "app/map/formation_window.h"
#include "editing/descriptions.h"
#include "editing/flight_group_rules.h"
#include "map/craft_types.h"
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

// A caption; with `buddy` the caption of that control, which its undo steps are named after.
QLabel* label(const QString& text, QWidget* parent, QWidget* buddy = nullptr) {
  auto* l = new QLabel(text, parent);
  if (buddy) l->setBuddy(buddy);
  return l;
}

}  // namespace

ShipPage::ShipPage(const EditorContext& context, QWidget* parent)
    : FlightGroupTab(context, parent), iniPath_(context.iniPath) {
  setObjectName(QStringLiteral("ShipTab"));
  buildControls();
  layOutControls();
  bindFields();
  connectSignals();
}

// The page's boxes, each named, with the item lists that never change.
void ShipPage::buildControls() {
  name_ = combo("ShipName");
  name_->setEditable(true);
  name_->setInsertPolicy(QComboBox::NoInsert);
  name_->lineEdit()->setMaxLength(TextMax);
  ship_ = combo("ShipBox");
  autoLink_ = new QCheckBox(tr("Auto-link:  Shiptype / Team / IFF"), this);
  autoLink_->setObjectName(QStringLiteral("AutoLinkChk"));
  size_ = spin("FGSizeSpin", 1, 100);
  size_->setToolTip(tr("The number of craft in each wave"));
  waves_ = spin("WaveSpin", 1, 256);
  waves_->setToolTip(tr("How many waves of the group arrive, one after another"));
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
  spacing_ = spin("SpacingSpin", 0, 255);
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
  gg_ = spin("GGSpin", 0, 255);
  gu_ = spin("GUSpin", 0, 255);

  // Fixed item lists; the tables' lists are taken on every fill, after replacement files.
  showTable(player_, &doc_, vocab_, shell::tables::Players);
  setItems(plrPos_, QStringList{QStringLiteral("2 (1)"), QStringLiteral("2"), QStringLiteral("3"),
                                QStringLiteral("4"), QStringLiteral("5"), QStringLiteral("6")});
}

// The grid of the controls, each under its label, and the tab order that follows them.
void ShipPage::layOutControls() {
  auto* grid = new QGridLayout(this);
  grid->setContentsMargins(6, 6, 6, 6);
  grid->setHorizontalSpacing(6);
  grid->setVerticalSpacing(3);
  grid->setColumnStretch(1, 1);
  grid->setColumnStretch(3, 1);
  int row = layOutNameRows(grid, 0);
  row = layOutPairs(grid, row);
  row = layOutLowerRows(grid, row);
  grid->setRowStretch(row, 1);
  chainTabOrder({name_,    ship_,    autoLink_, waves_,  size_,    team_,  iff_,
                 player_,  plrPos_,  ai_,       colour_, radio_,   form_,  spacing_,
                 status_,  missile_, status2_,  beam_,   counter_, cargo_, specCargo_,
                 special_, random_,  appear_,   gg_,     gu_});
  for (QSpinBox* s : {static_cast<QSpinBox*>(size_), static_cast<QSpinBox*>(waves_),
                      static_cast<QSpinBox*>(spacing_), static_cast<QSpinBox*>(special_),
                      static_cast<QSpinBox*>(gg_), static_cast<QSpinBox*>(gu_)})
    s->setMinimumWidth(60);
}

// The name, the craft, the auto-link box and the waves, from `row`; returns the row after them.
int ShipPage::layOutNameRows(QGridLayout* grid, int row) {
  grid->addWidget(label(tr("Name:"), this, name_), row, 0);
  grid->addWidget(name_, row++, 1, 1, 3);
  grid->addWidget(label(tr("Craft:"), this, ship_), row, 0);
  grid->addWidget(ship_, row++, 1, 1, 3);
  grid->addWidget(autoLink_, row++, 1, 1, 3);
  {
    // Each box with the label of what it holds: the number of waves, then the craft in each.
    auto* line = new QHBoxLayout;
    auto* wavesLabel = label(tr("Waves:"), this);
    wavesLabel->setBuddy(waves_);
    auto* sizeLabel = label(tr("Craft per wave:"), this);
    sizeLabel->setBuddy(size_);
    line->addWidget(waves_);
    line->addSpacing(12);
    line->addWidget(sizeLabel);
    line->addWidget(size_);
    line->addStretch();
    grid->addWidget(wavesLabel, row, 0);
    grid->addLayout(line, row++, 1, 1, 3);
  }
  return row;
}

// The boxes in pairs, each under its label, from `row`; returns the row after them.
int ShipPage::layOutPairs(QGridLayout* grid, int row) {
  auto pair = [&](const QString& a, QWidget* wa, QLabel* labB, QWidget* wb) {
    if (!labB->buddy()) labB->setBuddy(wb);
    grid->addWidget(label(a, this, wa), row, 0);
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
    pair(tr("Radio:"), radio_, label(tr("Formation:"), this, form_), formRow);
    // Its caption is no sibling of the box in its row: a screen reader would not find it.
    form_->setAccessibleName(tr("Formation:"));
  }
  pair(tr("Spacing:"), spacing_, statusLab_, status_);
  pair(tr("Warheads:"), missile_, label(tr("Status 2"), this), status2_);
  pair(tr("Beam:"), beam_, label(tr("Countermeas.:"), this), counter_);
  pair(tr("Cargo:"), cargo_, label(tr("Spec. Cargo:"), this), specCargo_);
  return row;
}

// The special craft, the difficulty levels and the global group, from `row`; returns the row
// after them.
int ShipPage::layOutLowerRows(QGridLayout* grid, int row) {
  {
    auto* line = new QHBoxLayout;
    shipNoLab_->setBuddy(special_);
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
    line->addWidget(label(tr("Appears in Difficulty Level:"), this, appear_));
    line->addWidget(appear_, 1);
    grid->addLayout(line, row++, 0, 1, 4);
  }
  {
    auto* line = new QHBoxLayout;
    line->addWidget(label(tr("Global Group"), this, gg_));
    line->addWidget(gg_);
    line->addSpacing(12);
    line->addWidget(label(tr("Global Unit"), this, gu_));
    line->addWidget(gu_);
    line->addStretch();
    grid->addLayout(line, row++, 0, 1, 4);
  }
  return row;
}

void ShipPage::bindFields() {
  FieldBindings& b = *bindings_;
  b.bind(name_, fg::Name).onCommitText([this](const std::string& n) { nameEdited(n); });
  b.bind(ship_, fg::CraftType).onCommit([this](long long t) { craftTypeChosen(int(t)); });
  b.bindValue(autoLink_, "AutoLink")
      .reads([this]() -> std::optional<long long> {
        if (quiet()) return std::nullopt;
        return current().autoLink ? 1 : 0;
      })
      .alsoWhen([](const ChangeSet& c) { return c.autoLink; })
      .onCommit([this](long long on) { autoLinkToggled(on != 0); });
  b.bind(size_, fg::CraftCount).onCommit([this](long long n) { countChosen(int(n)); });
  b.bind(team_, fg::Team).onCommit([this](long long t) { teamChosen(int(t)); });
  b.bind(player_, fg::PlayerNumber);
  // One byte each: the boxes offer what it holds, so no number is ever stored wrapped.
  b.bind(waves_, fg::WaveCount).convert(shifted(1));
  for (auto [spin, field] : {std::pair{spacing_, fg::FormationSpacing},
                             std::pair{gg_, fg::GlobalGroup}, std::pair{gu_, fg::GlobalUnit}})
    b.bind(static_cast<QSpinBox*>(spin), field);
  for (auto [box, field] :
       {std::pair{iff_, fg::Iff}, std::pair{plrPos_, fg::PlayerCraft}, std::pair{ai_, fg::AiRank},
        std::pair{colour_, fg::Markings}, std::pair{radio_, fg::Radio},
        std::pair{form_, fg::Formation}, std::pair{status_, fg::Status},
        std::pair{status2_, fg::Status2}, std::pair{missile_, fg::Warhead},
        std::pair{beam_, fg::Beam}, std::pair{counter_, fg::Countermeasure},
        std::pair{appear_, fg::ArrivalDifficulty}})
    b.bind(box, field);
  b.bind(cargo_, fg::Cargo);
  b.bind(specCargo_, fg::SpecialCargo);
  // The spin counts the craft from 1; the group holds the number from 0.
  b.bind(static_cast<QSpinBox*>(special_), fg::SpecialCraft).convert(shifted(1));
  b.bind(random_, fg::RandomSpecialCraft);
}

void ShipPage::connectSignals() {
  connect(formBtn_, &QPushButton::clicked, this, &ShipPage::viewFormations);
  // What follows a value the bindings show or write.
  connect(player_, &QComboBox::currentIndexChanged, this, &ShipPage::playerChosen);
}

void ShipPage::viewFormations() {
  if (quiet()) return;
  const model::FlightGroup& g = current();
  FormationWindow window(vocab_, g.get(fg::Formation), g.get(fg::CraftCount), this, iniPath_);
  if (prompter().exec(window) != QDialog::Accepted) return;
  // As if the formation had been picked in the box: every selected group, one undo step.
  form_->setCurrentIndex(window.formation());
}

void ShipPage::doFill() {
  const model::Mission& m = doc_.mission();
  const model::FlightGroup& g = current();

  setBoundTable(name_, shell::tables::FGNames);
  setBoundTable(ship_, shell::tables::Ships);
  setBoundTable(iff_, shell::tables::IFF);
  setBoundTable(ai_, shell::tables::AI);
  setBoundTable(colour_, shell::tables::Colors);
  setBoundTable(form_, shell::tables::Form);
  setBoundTable(status2_, shell::tables::Status);
  setBoundTable(missile_, shell::tables::Missiles);
  setBoundTable(beam_, shell::tables::Beams);
  setBoundTable(counter_, shell::tables::Counters);
  setBoundTable(appear_, shell::tables::Appear);
  setBoundTable(player_, shell::tables::Players);
  const auto teams = editing::teamNameList(m);
  setBoundItems(team_, teams);
  {
    const auto& radio = vocab_.table(shell::tables::Radio);
    QStringList items;
    items << fromFile(entry(radio, 0));
    for (std::size_t t = 0; t < 8; ++t) items << tr("Team ") + fromFile(entry(teams, t));
    for (std::size_t i = 9; i < std::max<std::size_t>(radio.size(), 17); ++i)
      items << (i < radio.size() ? fromFile(radio[i]) : tr("Player %1").arg(i - 8));
    setBoundItems(radio_, items);
  }
  const bool planet = g.get(fg::CraftType) == PlanetCraftType;
  statusLab_->setText(planet ? tr("  Planet") : tr("Status 1"));
  setBoundTable(status_, planet ? shell::tables::Planets : shell::tables::Status);
  colourBox(ship_, g.get(fg::Iff));
  colourBox(name_, g.get(fg::Iff));
  showSpecialCargo();
}

void ShipPage::showSpecialCargo() {
  if (quiet()) return;
  // From the group, not the boxes: the bindings may show it only after this.
  const model::FlightGroup& g = current();
  const bool random = g.get(fg::RandomSpecialCraft) != 0;
  const bool inGroup = g.get(fg::SpecialCraft) < g.get(fg::CraftCount);
  specCargo_->setVisible(inGroup || random);
  notInFg_->setVisible(!(inGroup || random));
  special_->setEnabled(!random);
  specialLab_->setEnabled(!random);
  shipNoLab_->setEnabled(!random);
}

void ShipPage::nameEdited(const std::string& typed) {
  const std::string name = typed.substr(0, fg::Name.maxChars);
  const bool link = settings_.linkColor && doc_.mission().missionType() != model::Melee;
  // Every keystroke takes the same kind of step, so that typing a name ("R", "Re", "Red", …)
  // merges into one undo step whether or not a step on the way sets the markings.
  editGroups(
      editText(shownCaption(name_)),
      [name, link](const model::Mission&, model::FlightGroup& g) {
        g.setText(fg::Name, name);
        if (!link) return;
        if (auto mk = editing::markingsForName(name, g.get(fg::CraftType)))
          g.set(fg::Markings, *mk);
      },
      QStringLiteral("ShipName"));
}

void ShipPage::craftTypeChosen(int type) {
  const u8 t = static_cast<u8>(type);
  editGroups(editText(shownCaption(ship_)), [t](const model::Mission& m, model::FlightGroup& g) {
    g.set(fg::CraftType, t);
    if (g.autoLink) editing::applyCraftTypeAutoLink(m, g);
  });
  if (settings_.checkPlayable) {
    const std::string w = editing::playableWarning(type, doc_.mission().platformId);
    if (!w.empty()) prompter().warning(this, coreText(w));
  }
}

void ShipPage::countChosen(int count) {
  const u8 n = static_cast<u8>(count);
  editGroups(
      editText(shownCaption(size_)),
      [n](const model::Mission&, model::FlightGroup& g) {
        const u8 old = g.get(fg::CraftCount);
        g.set(fg::CraftCount, n);
        g.set(fg::SpecialCraft, editing::specialCraftAfterCount(g.get(fg::SpecialCraft), old, n));
      },
      QStringLiteral("FGSizeSpin"));
}

void ShipPage::teamChosen(int team) {
  const u8 t = static_cast<u8>(team);
  editGroups(editText(shownCaption(team_)), [t](const model::Mission& m, model::FlightGroup& g) {
    g.set(fg::Team, t);
    if (g.autoLink) editing::applyTeamAutoLink(m, g);
  });
}

void ShipPage::playerChosen() {
  if (quiet()) return;
  const model::FlightGroup& g = current();
  if (g.get(fg::PlayerNumber) != 0 && !map::isPlayerCraft(g.get(fg::CraftType)))
    prompter().warning(this, coreText(editing::NonPlayerCraftWarning));
}

void ShipPage::autoLinkToggled(bool on) {
  editGroups(editText(shownCaption(autoLink_)),
             [on](const model::Mission&, model::FlightGroup& g) { g.autoLink = on; });
}

}  // namespace app
