#include "app/editing/options_page.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "app/base/prompter.h"
#include "app/base/text.h"
#include "app/document/mission_document.h"
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

void setListItems(QListWidget* list, const std::vector<std::string>& items) {
  bool same = list->count() == static_cast<int>(items.size());
  for (int i = 0; same && i < list->count(); ++i)
    same = list->item(i)->text() == fromFile(items[static_cast<std::size_t>(i)]);
  if (same) return;
  const QSignalBlocker block(list);
  list->clear();
  for (const auto& s : items) list->addItem(fromFile(s));
}

}  // namespace

OptionsPage::OptionsPage(const EditorContext& context, QWidget* parent)
    : FlightGroupTab(context, parent) {
  setObjectName(QStringLiteral("OptionsTab"));
  auto* top = new QVBoxLayout(this);
  top->setContentsMargins(6, 6, 6, 6);
  top->setSpacing(4);

  // Roles.
  auto* roles = new QGroupBox(tr("CMD: This FG's role to each Team:"), this);
  auto* rg = new QGridLayout(roles);
  rg->setContentsMargins(6, 4, 6, 4);
  rg->setVerticalSpacing(2);
  for (std::size_t t = 0; t < 4; ++t) {
    cmdLab_[t] = new QLabel(roles);
    cmd_[t] = combo(("CMDBox" + std::to_string(t + 1)).c_str());
    cmd_[t]->setParent(roles);
    rg->addWidget(cmdLab_[t], static_cast<int>(t / 2) * 2, static_cast<int>(t % 2));
    rg->addWidget(cmd_[t], static_cast<int>(t / 2) * 2 + 1, static_cast<int>(t % 2));
  }
  cmdAll_ = combo("CMDAllBox");
  cmdAll_->setParent(roles);
  rg->addWidget(new QLabel(tr("All Teams"), roles), 4, 0);
  rg->addWidget(cmdAll_, 5, 0);
  top->addWidget(roles);

  // Optional weapons.
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
    wg->addWidget(new QLabel(captions[i], weapons), 0, i);
    wg->addWidget(list, 1, i);
    connect(list, &QListWidget::itemSelectionChanged, this, [this, i] { weaponsChosen(i); });
  }
  wg->setColumnStretch(0, 3);
  wg->setColumnStretch(1, 2);
  wg->setColumnStretch(2, 2);
  allOptions_ = new QPushButton(tr("All Options On/Off"), weapons);
  allOptions_->setObjectName(QStringLiteral("AllOptionsBtn"));
  wg->addWidget(allOptions_, 2, 0, 1, 3, Qt::AlignLeft);
  top->addWidget(weapons, 1);

  // Optional craft.
  auto* craft = new QGroupBox(tr("Optional Ships"), this);
  auto* cg = new QGridLayout(craft);
  cg->setContentsMargins(6, 4, 6, 4);
  category_ = combo("OpShipTypes");
  category_->setParent(craft);
  rows_ = new QListWidget(craft);
  rows_->setObjectName(QStringLiteral("OpFGList"));
  rowShip_ = combo("OpShipBox");
  rowShip_->setParent(craft);
  rowCount_ = spin("OpFGCountSpin", 0, 1000);
  rowCount_->setParent(craft);
  rowWaves_ = spin("OpShipWavesSpin", 1, 1000);
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
  top->addWidget(craft, 1);
  chainTabOrder({cmd_[0], cmd_[1], cmd_[2], cmd_[3], cmdAll_, weapons_[0], weapons_[1], weapons_[2],
                 allOptions_, category_, rows_, rowShip_, rowWaves_, rowCount_});

  for (QComboBox* b : {cmd_[0], cmd_[1], cmd_[2], cmd_[3], cmdAll_})
    connect(b, &QComboBox::currentIndexChanged, this, [this] { rolesChosen(); });
  connect(allOptions_, &QPushButton::clicked, this, &OptionsPage::allOptions);
  connect(category_, &QComboBox::currentIndexChanged, this, &OptionsPage::categoryChosen);
  connect(rows_, &QListWidget::currentRowChanged, this, &OptionsPage::rowClicked);
  connect(rowShip_, &QComboBox::currentIndexChanged, this, &OptionsPage::rowCraftChosen);
  connect(rowCount_, &QSpinBox::valueChanged, this, [this](int v) {
    if (quiet()) return;
    doc_.setFlightGroupField(fg::OptionalCraftCount, static_cast<u8>(v & 0xFF),
                             static_cast<std::size_t>(row_), QStringLiteral("OpFGCountSpin"));
  });
  connect(rowWaves_, &QSpinBox::valueChanged, this, [this](int v) {
    if (quiet()) return;
    doc_.setFlightGroupField(fg::OptionalCraftWaves, static_cast<u8>((v - 1) & 0xFF),
                             static_cast<std::size_t>(row_), QStringLiteral("OpShipWavesSpin"));
  });
}

void OptionsPage::doFill() {
  const model::Mission& m = doc_.mission();
  const model::FlightGroup& g = current();
  const auto& cmd = vocab_.table(shell::tables::CMD);
  for (QComboBox* b : {cmd_[0], cmd_[1], cmd_[2], cmd_[3], cmdAll_}) setItems(b, cmd);
  const auto teams = editing::teamNameList(m);
  for (std::size_t t = 0; t < 4; ++t) cmdLab_[t]->setText(fromFile(entry(teams, t)));
  const editing::RoleBoxes roles = editing::unpackRoles(g.text(fg::Roles));
  showIndex(cmdAll_, roles.allTeams);
  for (std::size_t t = 0; t < 4; ++t) showIndex(cmd_[t], roles.team[t]);

  setListItems(weapons_[0], withoutFirst(vocab_.table(shell::tables::Missiles)));
  setListItems(weapons_[1], withoutFirst(vocab_.table(shell::tables::Beams)));
  setListItems(weapons_[2], withoutFirst(vocab_.table(shell::tables::Counters)));
  for (std::size_t i = 0; i < 3; ++i) {
    QListWidget* list = weapons_[i];
    std::vector<u8> packed;
    for (std::size_t k = 0; k < WeaponFields[i].count; ++k)
      packed.push_back(g.get(WeaponFields[i], k));
    const auto chosen = editing::unpackOptions(packed);
    const QSignalBlocker block(list);
    for (int r = 0; r < list->count(); ++r)
      list->item(r)->setSelected(std::find(chosen.begin(), chosen.end(), r) != chosen.end());
  }

  setItems(category_, vocab_.table(shell::tables::OpShips));
  showIndex(category_, g.get(fg::OptionalCraftCategory));
  setItems(rowShip_, vocab_.table(shell::tables::Ships));
  fillRows();
}

void OptionsPage::groupChanged() {
  row_ = 0;
  allOn_ = true;
}

void OptionsPage::fillRows() {
  const model::FlightGroup& g = current();
  const bool user = g.get(fg::OptionalCraftCategory) == 4;
  const QSignalBlocker block(rows_);
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
    rows_->setCurrentRow(row_);
  }
  for (QWidget* w : {static_cast<QWidget*>(rowShip_), static_cast<QWidget*>(rowCount_),
                     static_cast<QWidget*>(rowWaves_)})
    w->setEnabled(user);
  const auto r = static_cast<std::size_t>(row_);
  showIndex(rowShip_, g.get(fg::OptionalCraft, r));
  setSpin(rowCount_, g.get(fg::OptionalCraftCount, r));
  setSpin(rowWaves_, g.get(fg::OptionalCraftWaves, r) + 1);
}

void OptionsPage::rolesChosen() {
  if (quiet()) return;
  editing::RoleBoxes boxes;
  boxes.allTeams = std::max(0, cmdAll_->currentIndex());
  for (std::size_t t = 0; t < 4; ++t) boxes.team[t] = std::max(0, cmd_[t]->currentIndex());
  const editing::PackedRoles packed = editing::packRoles(boxes);
  if (packed.truncated)
    prompter().information(this, QString::fromLatin1(editing::RoleLimitMessage));
  doc_.setFlightGroupText(fg::Roles, packed.text);
  // The boxes show what was kept.
  fill();
}

void OptionsPage::weaponsChosen(int list) {
  if (quiet()) return;
  QListWidget* w = weapons_[static_cast<std::size_t>(list)];
  std::vector<int> chosen;
  for (int r = 0; r < w->count(); ++r)
    if (w->item(r)->isSelected()) chosen.push_back(r);
  // The list's items decide how many bytes are written, never more than the field holds.
  const model::Field<u8> f = WeaponFields[static_cast<std::size_t>(list)];
  const std::size_t size = std::min<std::size_t>(f.count, static_cast<std::size_t>(w->count()));
  if (size == 0) return;
  const auto packed = editing::packOptions(chosen, size);
  doc_.patch(RecordKind::FlightGroup, doc_.selectedFlightGroups(), f.offset, packed);
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
  editGroups(tr("Optional weapons"), [packed](const model::Mission&, model::FlightGroup& g) {
    for (std::size_t i = 0; i < 3; ++i)
      for (std::size_t k = 0; k < packed[i].size(); ++k) g.set(WeaponFields[i], packed[i][k], k);
  });
  fill();
}

void OptionsPage::categoryChosen(int category) {
  if (quiet() || category < 0) return;
  doc_.setFlightGroupField(fg::OptionalCraftCategory, static_cast<u8>(category));
}

void OptionsPage::rowClicked(int row) {
  if (quiet() || row < 0) return;
  row_ = row;
  fill();
}

void OptionsPage::rowCraftChosen(int type) {
  if (quiet() || type < 0) return;
  const auto r = static_cast<std::size_t>(row_);
  const u8 t = static_cast<u8>(type);
  editGroups(tr("Optional craft"), [r, t](const model::Mission&, model::FlightGroup& g) {
    g.set(fg::OptionalCraft, t, r);
    if (g.get(fg::OptionalCraftCount, r) == 0) g.set(fg::OptionalCraftCount, u8{1}, r);
  });
}

}  // namespace app
