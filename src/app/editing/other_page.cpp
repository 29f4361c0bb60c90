#include "app/editing/other_page.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/base/prompter.h"
#include "app/base/text.h"
#include "app/document/mission_document.h"
#include "app/editing/trigger_editor.h"
#include "app/editing/unknowns_dialog.h"
#include "editing/triggers.h"
#include "shell/vocabulary.h"

namespace app {

namespace fg = model::fg;
using model::u8;

namespace {

QString bytesText(model::CBytes rec, std::initializer_list<std::size_t> offsets,
                  const QString& separator = QStringLiteral(", ")) {
  QStringList parts;
  for (std::size_t o : offsets) parts << QString::number(rec[o]);
  return parts.join(separator);
}

QString rangeText(model::CBytes rec, std::size_t from, std::size_t to) {
  QStringList parts;
  for (std::size_t o = from; o <= to; ++o) parts << QString::number(rec[o]);
  return parts.join(QStringLiteral(", "));
}

QLabel* infoLabel(const char* name, QWidget* parent) {
  auto* l = new QLabel(parent);
  l->setObjectName(QString::fromLatin1(name));
  l->setTextInteractionFlags(Qt::TextSelectableByMouse);
  return l;
}

}  // namespace

OtherPage::OtherPage(const EditorContext& context, QWidget* parent)
    : FlightGroupTab(context, parent) {
  setObjectName(QStringLiteral("OtherTab"));
  auto* top = new QVBoxLayout(this);
  top->setContentsMargins(6, 6, 6, 6);
  top->setSpacing(4);

  auto* orient = new QGroupBox(tr("Object (not craft) orientation angle"), this);
  auto* og = new QHBoxLayout(orient);
  og->setContentsMargins(6, 4, 6, 4);
  orientation_ = combo("OrientationBox");
  orientation_->setParent(orient);
  og->addWidget(orientation_);
  og->addWidget(new QLabel(tr("64 = flat "), orient));
  og->addWidget(new QLabel(tr("0 = On edge"), orient));
  og->addStretch();
  top->addWidget(orient);

  // The order-4 jump triggers are edited with the orders.
  jumpArea_ = new QGroupBox(tr("Jump to Order 4 when:"), this);
  jumpArea_->setObjectName(QStringLiteral("JumpToOrder4Area"));
  {
    auto* jl = new QVBoxLayout(jumpArea_);
    jl->setContentsMargins(4, 0, 4, 2);
    auto* jump = new TriggerEditor(
        doc_, vocab_, flightGroupTriggers(doc_, editing::jumpTriggers(), tr("Jump to Order 4")),
        jumpArea_);
    jump->setObjectName(QStringLiteral("JumpTriggerEditor"));
    jl->addWidget(jump);
  }
  top->addWidget(jumpArea_);

  auto* unknowns = new QGroupBox(tr("Unknowns"), this);
  auto* ug = new QVBoxLayout(unknowns);
  ug->setContentsMargins(6, 4, 6, 4);
  ug->setSpacing(1);
  missionUnks_ = infoLabel("MissionUnksLab", unknowns);
  pt5_ = infoLabel("UnkPt5Lab", unknowns);
  pt7_ = infoLabel("UnkPt7Lab", unknowns);
  loose_ = infoLabel("UnkBytesLab", unknowns);
  pt2_ = infoLabel("UnkPt2Lab", unknowns);
  pt3_ = infoLabel("UnkPt3Lab", unknowns);
  pt4a_ = infoLabel("UnkPt4aLab", unknowns);
  pt6_ = infoLabel("UnkPt6Lab", unknowns);
  editUnknowns_ = new QPushButton(tr("Edit Unknowns"), unknowns);
  editUnknowns_->setObjectName(QStringLiteral("EditUnknownsBtn"));
  connect(editUnknowns_, &QPushButton::clicked, this, &OtherPage::editUnknowns);
  // Short lines share a row, so that the tab keeps room for the jump triggers.
  auto row = [&](std::initializer_list<QWidget*> ws) {
    auto* h = new QHBoxLayout;
    h->setSpacing(16);
    for (QWidget* w : ws) h->addWidget(w);
    h->addStretch();
    ug->addLayout(h);
  };
  row({missionUnks_, pt5_, pt7_});
  row({loose_});
  row({pt2_, editUnknowns_});
  for (QLabel* l : {pt3_, pt4a_, pt6_}) ug->addWidget(l);
  top->addWidget(unknowns);

  missionSettings_ = new QWidget(this);
  missionSettings_->setObjectName(QStringLiteral("MissionSettingsArea"));
  auto* ml = new QVBoxLayout(missionSettings_);
  ml->setContentsMargins(0, 0, 0, 0);
  top->addWidget(missionSettings_);
  top->addStretch(1);

  connect(orientation_, &QComboBox::currentIndexChanged, this, [this](int i) {
    if (quiet() || i < 0) return;
    doc_.setFlightGroupField(fg::ObjectOrientation, static_cast<u8>(i));
  });
}

void OtherPage::editUnknowns() {
  if (quiet()) return;
  const model::Mission& m = doc_.mission();
  UnknownsDialog dialog(m.header, current(), prompter(), this);
  if (prompter().exec(dialog) != QDialog::Accepted) return;
  const UnknownValues& v = dialog.values();
  // The header's bytes and every selected group's, one undo step.
  std::vector<MissionDocument::PatchSpec> list;
  for (std::size_t i = 0; i < v.header.size(); ++i)
    list.push_back({RecordKind::Header, 0, editing::HeaderUnknowns[i].offset, {v.header[i]}});
  for (int g : doc_.selectedFlightGroups()) {
    for (std::size_t i = 0; i < v.bytes.size(); ++i)
      list.push_back({RecordKind::FlightGroup, g, editing::UnknownByteOffsets[i], {v.bytes[i]}});
    for (std::size_t i = 0; i < v.flags.size(); ++i)
      if (v.flags[i] >= 0)
        list.push_back({RecordKind::FlightGroup,
                        g,
                        editing::UnknownFlagOffsets[i],
                        {static_cast<u8>(v.flags[i])}});
  }
  doc_.patches(tr("Unknown bytes"), list);
}

void OtherPage::doFill() {
  std::vector<std::string> items = vocab_.table(shell::tables::Orientation);
  items.resize(256);
  for (std::size_t i = 1; i < items.size(); ++i)
    if (items[i].empty()) items[i] = std::to_string(i);
  items[0] = "On edge";
  items[64] = "Flat";
  items[192] = "Upside down";
  setItems(orientation_, items);

  const model::FlightGroup& g = current();
  const model::CBytes r = g.span();
  const model::CBytes h = doc_.mission().header.span();
  showIndex(orientation_, g.get(fg::ObjectOrientation));
  missionUnks_->setText(tr("Mission Unks: ") + bytesText(h,
                                                         {model::header::HeaderByte8.offset,
                                                          model::header::HeaderByte11.offset,
                                                          model::header::HeaderByte101.offset},
                                                         QStringLiteral(",  ")));
  pt5_->setText(tr("Pt 5:   ") + QString::number(r[1125]));
  pt7_->setText(tr("Pt 7:   ") + QString::number(r[1377]));
  loose_->setText(bytesText(r, {92, 96, 98, 99, 101, 103, 105, 106, 107, 108}));
  pt2_->setText(tr("Unknowns Pt 2 (Arrival?):   ") + QString::number(r[133]));
  pt3_->setText(tr("Unknowns Pt 3 (Departure?):   ") + rangeText(r, 147, 153));
  pt4a_->setText(tr("Unknowns Pt 4a:   ") + rangeText(r, 1302, 1314));
  pt6_->setText(tr("Unknowns Pt 6:   ") + rangeText(r, 1319, 1327));
}

}  // namespace app
