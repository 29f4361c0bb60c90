#include "app/editing/options_page.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/base/prompter.h"
#include "app/base/text.h"
#include "app/base/translations.h"
#include "app/document/mission_document.h"
#include "app/document/step_text.h"
#include "editing/descriptions.h"
#include "editing/flight_group_rules.h"
#include "shell/vocabulary.h"

namespace app {

namespace fg = model::fg;
using model::u8;

namespace {

constexpr std::size_t OptionalRows = 10;

const std::array<model::Field<u8>, 3> WeaponFields{fg::OptionalWarheads, fg::OptionalBeams,
                                                   fg::OptionalCountermeasures};

// The optional lists leave out the tables' first entry ("None").
std::vector<std::string> withoutFirst(const std::vector<std::string>& t) {
  return t.size() > 1 ? std::vector<std::string>(t.begin() + 1, t.end())
                      : std::vector<std::string>{};
}

// True when the items changed (the list then shows its selection again).
bool setListItems(QListWidget* list, const std::vector<std::string>& items) {
  bool same = list->count() == static_cast<int>(items.size());
  for (int i = 0; same && i < list->count(); ++i)
    same = list->item(i)->text() == fromFile(items[static_cast<std::size_t>(i)]);
  if (same) return false;
  list->clear();
  for (const auto& s : items) list->addItem(fromFile(s));
  return true;
}

}  // namespace

OptionsPage::OptionsPage(const EditorContext& context, QWidget* parent)
    : FlightGroupTab(context, parent) {
  setObjectName(QStringLiteral("OptionsTab"));
  auto* top = new QVBoxLayout(this);
  top->setContentsMargins(6, 6, 6, 6);
  top->setSpacing(4);
  top->addWidget(buildRolesGroup());
  top->addWidget(buildWeaponsGroup(), 1);
  top->addWidget(buildCraftGroup(), 1);
  chainTabOrder({cmd_[0], cmd_[1], cmd_[2], cmd_[3], cmdAll_, weapons_[0], weapons_[1], weapons_[2],
                 allOptions_, category_, rows_, rowShip_, rowWaves_, rowCount_});

  connect(allOptions_, &QPushButton::clicked, this, &OptionsPage::allOptions);
  connect(rows_, &QListWidget::currentRowChanged, this, &OptionsPage::rowClicked);
  bindFields();
}

// The group's role to each team, and to all of them at once.
QWidget* OptionsPage::buildRolesGroup() {
  auto* roles = new QGroupBox(tr("CMD: This FG's role to each Team:"), this);
  auto* rg = new QGridLayout(roles);
  rg->setContentsMargins(6, 4, 6, 4);
  rg->setVerticalSpacing(2);
  for (std::size_t t = 0; t < 4; ++t) {
    cmdLab_[t] = new QLabel(roles);
    cmdLab_[t]->setObjectName(QStringLiteral("CMDLab%1").arg(t + 1));
    cmd_[t] = combo(("CMDBox" + std::to_string(t + 1)).c_str());
    cmd_[t]->setParent(roles);
    rg->addWidget(cmdLab_[t], static_cast<int>(t / 2) * 2, static_cast<int>(t % 2));
    rg->addWidget(cmd_[t], static_cast<int>(t / 2) * 2 + 1, static_cast<int>(t % 2));
  }
  cmdAll_ = combo("CMDAllBox");
  cmdAll_->setParent(roles);
  rg->addWidget(new QLabel(tr("All Teams"), roles), 4, 0);
  rg->addWidget(cmdAll_, 5, 0);
  return roles;
}

// The optional weapons, a list of each kind.
QWidget* OptionsPage::buildWeaponsGroup() {
  auto* weapons = new QGroupBox(tr("Optional Weapons"), this);
  auto* wg = new QGridLayout(weapons);
  wg->setContentsMargins(6, 4, 6, 4);
  const char* names[3] = {"MissleSelBox", "BeamSelBox", "CounterSelbox"};
  const QString captions[3] = {tr("Warheads"), tr("Beams"), tr("Countermeasures")};
  for (int i = 0; i < 3; ++i) {
    auto* list = new QListWidget(weapons);
    list->setObjectName(QString::fromLatin1(names[i]));
    list->setSelectionMode(QAbstractItemView::MultiSelection);
    weapons_[static_cast<std::size_t>(i)] = list;
    auto* caption = new QLabel(captions[i], weapons);
    caption->setBuddy(list);
    wg->addWidget(caption, 0, i);
    wg->addWidget(list, 1, i);
  }
  wg->setColumnStretch(0, 3);
  wg->setColumnStretch(1, 2);
  wg->setColumnStretch(2, 2);
  allOptions_ = new QPushButton(tr("All Options On/Off"), weapons);
  allOptions_->setObjectName(QStringLiteral("AllOptionsBtn"));
  wg->addWidget(allOptions_, 2, 0, 1, 3, Qt::AlignLeft);
  return weapons;
}

// The optional craft: the category, its ten rows and the edited row's craft and numbers.
QWidget* OptionsPage::buildCraftGroup() {
  auto* craft = new QGroupBox(tr("Optional Ships"), this);
  auto* cg = new QGridLayout(craft);
  cg->setContentsMargins(6, 4, 6, 4);
  category_ = combo("OpShipTypes");
  category_->setParent(craft);
  rows_ = new QListWidget(craft);
  rows_->setObjectName(QStringLiteral("OpFGList"));
  rowShip_ = combo("OpShipBox");
  rowShip_->setParent(craft);
  rowCount_ = spin("OpFGCountSpin", 0, 255);
  rowCount_->setParent(craft);
  rowWaves_ = spin("OpShipWavesSpin", 1, 256);
  rowWaves_->setParent(craft);
  cg->addWidget(category_, 0, 0, 1, 2);
  cg->addWidget(rows_, 1, 0, 4, 1);
  cg->addWidget(rowShip_, 1, 1);
  auto* counts = new QHBoxLayout;
  counts->addWidget(rowWaves_);
  counts->addWidget(new QLabel(tr("waves of:"), craft));
  counts->addWidget(rowCount_);
  cg->addLayout(counts, 2, 1);
  cg->setRowStretch(3, 1);
  cg->setColumnStretch(0, 1);
  cg->setColumnStretch(1, 1);
  return craft;
}

void OptionsPage::bindFields() {
  FieldBindings& b = *bindings_;
  // The five role boxes show and write the one role string.
  const auto rolesTouched = [this](const ChangeSet& c) {
    return c.touches(RecordKind::FlightGroup, fg::Roles);
  };
  for (std::size_t t = 0; t <= 4; ++t) {
    QComboBox* box = t < 4 ? cmd_[t] : cmdAll_;
    b.bindValue(box, "Roles")
        .reads([this, t]() -> std::optional<long long> {
          if (quiet()) return std::nullopt;
          const editing::RoleBoxes r = editing::unpackRoles(current().text(fg::Roles));
          return t < 4 ? r.team[t] : r.allTeams;
        })
        .alsoWhen(rolesTouched)
        .onCommit([this](long long) { rolesChosen(); });
  }
  // The optional weapons: each list packed into its bytes.
  for (std::size_t i = 0; i < weapons_.size(); ++i)
    b.bind(weapons_[i], WeaponFields[i])
        .readsFlags([this, i]() -> std::optional<std::vector<bool>> {
          if (quiet()) return std::nullopt;
          std::vector<u8> packed;
          for (std::size_t k = 0; k < WeaponFields[i].count; ++k)
            packed.push_back(current().get(WeaponFields[i], k));
          std::vector<bool> on(static_cast<std::size_t>(weapons_[i]->count()), false);
          for (int r : editing::unpackOptions(packed))
            if (r >= 0 && static_cast<std::size_t>(r) < on.size())
              on[static_cast<std::size_t>(r)] = true;
          return on;
        })
        .onCommitFlags([this, i](const std::vector<bool>& sel) { weaponsChosen(i, sel); });
  b.bind(category_, fg::OptionalCraftCategory);
  // The edited optional-craft row.
  const auto row = [this] { return static_cast<std::size_t>(row_); };
  b.bind(rowShip_, fg::OptionalCraft).element(row).onCommit([this](long long t) {
    rowCraftChosen(int(t));
  });
  b.bind(static_cast<QSpinBox*>(rowCount_), fg::OptionalCraftCount).element(row);
  b.bind(static_cast<QSpinBox*>(rowWaves_), fg::OptionalCraftWaves)
      .element(row)
      .convert(shifted(1));
}

void OptionsPage::doFill() {
  const model::Mission& m = doc_.mission();
  for (QComboBox* b : {cmd_[0], cmd_[1], cmd_[2], cmd_[3], cmdAll_})
    setBoundTable(b, shell::tables::CMD);
  const auto teams = editing::teamNameList(m);
  for (std::size_t t = 0; t < 4; ++t) cmdLab_[t]->setText(fromFile(entry(teams, t)));
  const std::string_view lists[3] = {shell::tables::Missiles, shell::tables::Beams,
                                     shell::tables::Counters};
  for (std::size_t i = 0; i < 3; ++i)
    if (setListItems(weapons_[i], withoutFirst(vocab_.table(lists[i]))))
      bindings_->refill(weapons_[i]);
  setBoundTable(category_, shell::tables::OpShips);
  setBoundTable(rowShip_, shell::tables::Ships);
  fillRows();
}

void OptionsPage::groupChanged() {
  row_ = 0;
  allOn_ = true;
  bindings_->refill();
}

void OptionsPage::fillRows() {
  const model::FlightGroup& g = current();
  const int keep = row_;
  const bool user = g.get(fg::OptionalCraftCategory) == 4;
  // Changing the rows moves the list's current row; the row handler keeps the edited one.
  if (!user) {
    rows_->clear();
  } else {
    const auto& ships = vocab_.table(shell::tables::Ships);
    QStringList texts;
    for (std::size_t r = 0; r < OptionalRows; ++r)
      texts << fromFile(editing::optionalCraftRow(g, r, entry(ships, g.get(fg::OptionalCraft, r))));
    if (rows_->count() != static_cast<int>(OptionalRows)) {
      rows_->clear();
      rows_->addItems(texts);
    } else {
      for (int r = 0; r < rows_->count(); ++r)
        if (rows_->item(r)->text() != texts[r]) rows_->item(r)->setText(texts[r]);
    }
    rows_->setCurrentRow(keep);
  }
  for (QWidget* w : {static_cast<QWidget*>(rowShip_), static_cast<QWidget*>(rowCount_),
                     static_cast<QWidget*>(rowWaves_)})
    w->setEnabled(user);
}

void OptionsPage::rolesChosen() {
  editing::RoleBoxes boxes;
  boxes.allTeams = std::max(0, cmdAll_->currentIndex());
  for (std::size_t t = 0; t < 4; ++t) boxes.team[t] = std::max(0, cmd_[t]->currentIndex());
  const editing::PackedRoles packed = editing::packRoles(boxes);
  if (packed.truncated) prompter().information(this, coreText(editing::RoleLimitMessage));
  // The boxes then show what was kept.
  doc_.setFlightGroupText(fg::Roles, packed.text);
}

void OptionsPage::weaponsChosen(std::size_t list, const std::vector<bool>& selected) {
  std::vector<int> chosen;
  for (std::size_t r = 0; r < selected.size(); ++r)
    if (selected[r]) chosen.push_back(static_cast<int>(r));
  // The list's items decide how many bytes are written, never more than the field holds.
  const model::Field<u8> f = WeaponFields[list];
  const std::size_t size = std::min<std::size_t>(f.count, selected.size());
  if (size == 0) return;
  const auto packed = editing::packOptions(chosen, size);
  editGroups(editText(tr("Optional Weapons")),
             [f, packed](const model::Mission&, model::FlightGroup& g) {
               for (std::size_t k = 0; k < packed.size(); ++k) g.set(f, packed[k], k);
             });
}

void OptionsPage::allOptions() {
  if (quiet()) return;
  const bool select = allOn_;
  allOn_ = !allOn_;
  // All three lists as one undo step.
  std::array<std::vector<u8>, 3> packed;
  for (std::size_t i = 0; i < 3; ++i) {
    const std::size_t size = std::min<std::size_t>(WeaponFields[i].count,
                                                   static_cast<std::size_t>(weapons_[i]->count()));
    std::vector<int> all;
    if (select)
      for (int r = 0; r < static_cast<int>(size); ++r) all.push_back(r);
    packed[i] = editing::packOptions(all, size);
  }
  editGroups(editText(tr("Optional Weapons")),
             [packed](const model::Mission&, model::FlightGroup& g) {
               for (std::size_t i = 0; i < 3; ++i)
                 for (std::size_t k = 0; k < packed[i].size(); ++k)
                   g.set(WeaponFields[i], packed[i][k], k);
             });
}

void OptionsPage::rowClicked(int row) {
  if (quiet() || row < 0 || row == row_) return;
  row_ = row;
  bindings_->refill();
}

void OptionsPage::rowCraftChosen(int type) {
  const auto r = static_cast<std::size_t>(row_);
  const u8 t = static_cast<u8>(type);
  editGroups(editText(tr("Optional Craft")), [r, t](const model::Mission&, model::FlightGroup& g) {
    g.set(fg::OptionalCraft, t, r);
    if (g.get(fg::OptionalCraftCount, r) == 0) g.set(fg::OptionalCraftCount, u8{1}, r);
  });
}

}  // namespace app
