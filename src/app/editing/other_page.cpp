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
#include "app/base/translations.h"
#include "app/document/mission_document.h"
#include "app/document/step_text.h"
#include "app/editing/trigger_editor.h"
#include "app/editing/unknowns_dialog.h"
#include "editing/triggers.h"
#include "editing/unknowns.h"
#include "shell/vocabulary.h"

namespace app {

namespace fg = model::fg;
using model::u8;

namespace {

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
  top->addWidget(buildOrientationGroup());
  top->addWidget(buildJumpArea());
  top->addWidget(buildUnknownsGroup());

  missionSettings_ = new QWidget(this);
  missionSettings_->setObjectName(QStringLiteral("MissionSettingsArea"));
  auto* ml = new QVBoxLayout(missionSettings_);
  ml->setContentsMargins(0, 0, 0, 0);
  top->addWidget(missionSettings_);
  top->addStretch(1);

  bindings_->bind(orientation_, fg::ObjectOrientation);
}

QWidget* OtherPage::buildOrientationGroup() {
  auto* orient = new QGroupBox(tr("Object (not craft) orientation angle"), this);
  auto* og = new QHBoxLayout(orient);
  og->setContentsMargins(6, 4, 6, 4);
  orientation_ = combo("OrientationBox");
  orientation_->setParent(orient);
  og->addWidget(orientation_);
  og->addWidget(new QLabel(tr("64 = flat "), orient));
  og->addWidget(new QLabel(tr("0 = On edge"), orient));
  og->addStretch();
  return orient;
}

QWidget* OtherPage::buildJumpArea() {
  // The order-4 jump triggers are edited with the orders.
  jumpArea_ = new QGroupBox(tr("Jump to Order 4 when:"), this);
  jumpArea_->setObjectName(QStringLiteral("JumpToOrder4Area"));
  auto* jl = new QVBoxLayout(jumpArea_);
  jl->setContentsMargins(4, 0, 4, 2);
  auto* jump = new TriggerEditor(
      doc_, vocab_,
      flightGroupTriggers(doc_, editing::jumpTriggers(), editText(tr("Jump to Order 4 Trigger"))),
      jumpArea_);
  jump->setObjectName(QStringLiteral("JumpTriggerEditor"));
  jl->addWidget(jump);
  return jumpArea_;
}

// The bytes no page edits, as lines of text, and the button of their editor.
QWidget* OtherPage::buildUnknownsGroup() {
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
  return unknowns;
}

void OtherPage::editUnknowns() {
  if (quiet()) return;
  const model::Mission& m = doc_.mission();
  UnknownsDialog dialog(m.header, current(), prompter(), this);
  if (prompter().exec(dialog) != QDialog::Accepted) return;
  const UnknownValues& v = dialog.values();
  // The header's bytes and every selected group's, one undo step.
  using D = MissionDocument;
  std::vector<D::FieldWrite> list;
  for (std::size_t i = 0; i < v.header.size(); ++i)
    list.push_back(D::fieldWrite(RecordKind::Header, 0, editing::HeaderUnknowns[i], v.header[i]));
  for (int g : doc_.selectedFlightGroups()) {
    for (std::size_t i = 0; i < v.bytes.size(); ++i)
      list.push_back(
          D::fieldWrite(RecordKind::FlightGroup, g, editing::UnknownBytes[i].field, v.bytes[i]));
    for (std::size_t i = 0; i < v.flags.size(); ++i)
      if (v.flags[i] >= 0)
        list.push_back(
            D::fieldWrite(RecordKind::FlightGroup, g, editing::UnknownFlags[i], v.flags[i]));
  }
  doc_.setFields(editText(tr("Unknown Bytes")), list);
}

void OtherPage::doFill() {
  std::vector<std::string> items = vocab_.table(shell::tables::Orientation);
  items.resize(256);
  for (std::size_t i = 1; i < items.size(); ++i)
    if (items[i].empty()) items[i] = std::to_string(i);
  items[0] = "On edge";
  items[64] = "Flat";
  items[192] = "Upside down";
  setBoundItems(orientation_, items);

  // The bytes nobody has named, as the lines the unknown-bytes editor shows too.
  const auto values = editing::unknownLineValues(doc_.mission().header, current());
  const std::array<QLabel*, 8> labels{missionUnks_, pt5_, pt7_, loose_, pt2_, pt3_, pt4a_, pt6_};
  for (std::size_t i = 0; i < labels.size() && i < values.size(); ++i)
    labels[i]->setText(coreText(editing::UnknownLineTitles[i]) + qs(values[i]));
}

}  // namespace app
