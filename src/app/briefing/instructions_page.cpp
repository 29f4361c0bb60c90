#include "app/briefing/instructions_page.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QVBoxLayout>

#include "app/base/text.h"
#include "app/briefing/briefing_session.h"
#include "app/document/editor_context.h"
#include "briefing/editing.h"
#include "editing/descriptions.h"

namespace app {

namespace brf = briefing;
namespace rec = model::briefing;

namespace {

// Ticks of "1/20", "1/4", "1/2", "1", "5" seconds.
const int Increments[] = {1, 5, 10, 20, 100};

QString secondsText(int ticks) {
  return QString::fromStdString(brf::seconds(ticks));
}

}  // namespace

InstructionsPage::InstructionsPage(const EditorContext& context, BriefingSession& session,
                                   QWidget* parent)
    : QWidget(parent), ctx_(context), session_(session) {
  auto* col = new QVBoxLayout(this);
  list_ = new QListWidget(this);
  list_->setObjectName(QStringLiteral("InstructionList"));
  // The lines pad times with spaces for a proportional font, where a digit is two spaces wide.
  list_->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(list_, &QWidget::customContextMenuRequested, this,
          [this](QPoint at) { emit popupRequested(list_->viewport(), at); });
  connect(list_, &QListWidget::currentRowChanged, this, [this](int row) { session_.select(row); });
  col->addWidget(list_, 1);
  auto* countRow = new QHBoxLayout;
  countRow->addWidget(new QLabel(tr("Briefing size (Max 400):"), this));
  wordCount_ = new QLabel(this);
  wordCount_->setObjectName(QStringLiteral("WordCountLabel"));
  countRow->addWidget(wordCount_);
  countRow->addStretch(1);
  col->addLayout(countRow);

  auto* below = new QHBoxLayout;
  auto* group = new QGroupBox(tr("Current Instruction"), this);
  group->setObjectName(QStringLiteral("CurrentInstructionGroup"));
  buildForm(group);
  below->addWidget(group, 1);

  auto* unknowns = new QGroupBox(tr("Unknowns"), this);
  unknowns->setObjectName(QStringLiteral("UnknownsGroup"));
  auto* u = new QFormLayout(unknowns);
  for (int i = 0; i < 3; ++i) {
    unknowns_[i] = new QLineEdit(unknowns);
    unknowns_[i]->setObjectName(QStringLiteral("Unknown%1Edit").arg(i + 1));
    connect(unknowns_[i], &QLineEdit::editingFinished, this, [this, i] { onUnknownEdited(i); });
    u->addRow(QString::number(i + 1), unknowns_[i]);
  }
  below->addWidget(unknowns);
  col->addLayout(below);

  connect(&session_, &BriefingSession::listChanged, this, &InstructionsPage::rebuild);
  connect(&session_, &BriefingSession::selectionChanged, this, [this] {
    const QSignalBlocker block(list_);
    list_->setCurrentRow(session_.selected());
    fillCurrent();
  });
  connect(&session_, &BriefingSession::shown, this, &InstructionsPage::fillRecord);
  connect(&session_, &BriefingSession::recordChanged, this, &InstructionsPage::fillRecord);
  fillRecord();
  rebuild();
}

void InstructionsPage::buildForm(QWidget* group) {
  auto* g = new QGridLayout(group);
  timeCaption_ = new QLabel(group);
  timeCaption_->setObjectName(QStringLiteral("TimeCaption"));
  time_ = new QSpinBox(group);
  time_->setObjectName(QStringLiteral("TimeSpin"));
  time_->setRange(0, brf::MaxTime);
  time_->setSingleStep(Increments[3]);
  if (auto* edit = time_->findChild<QLineEdit*>()) edit->setReadOnly(true);
  connect(time_, &QSpinBox::valueChanged, this, &InstructionsPage::onTimeStep);
  command_ = new QComboBox(group);
  command_->setObjectName(QStringLiteral("CommandBox"));
  for (const std::string& l : brf::labels()) command_->addItem(QString::fromStdString(l));
  connect(command_, &QComboBox::activated, this, &InstructionsPage::onCommandChosen);
  parameterCaption_ = new QLabel(group);
  parameterCaption_->setObjectName(QStringLiteral("ParameterCaption"));
  parameter_ = new QComboBox(group);
  parameter_->setObjectName(QStringLiteral("ParameterBox"));
  parameter_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
  parameter_->setMinimumContentsLength(28);
  connect(parameter_, &QComboBox::activated, this, &InstructionsPage::onParameterChosen);
  xCaption_ = new QLabel(tr("X"), group);
  x_ = new QLineEdit(group);
  x_->setObjectName(QStringLiteral("XEdit"));
  connect(x_, &QLineEdit::editingFinished, this, &InstructionsPage::onXEdited);
  yCaption_ = new QLabel(tr("Y"), group);
  y_ = new QLineEdit(group);
  y_->setObjectName(QStringLiteral("YEdit"));
  connect(y_, &QLineEdit::editingFinished, this, &InstructionsPage::onYEdited);
  colourCaption_ = new QLabel(tr("Color"), group);
  colour_ = new QComboBox(group);
  colour_->setObjectName(QStringLiteral("ColourBox"));
  for (int c = 0; c < brf::ColourCount; ++c)
    colour_->addItem(QString::fromStdString(brf::colourName(c)));
  connect(colour_, &QComboBox::activated, this, [this](int index) {
    session_.edit([index](brf::Command& c) { c.colour = static_cast<std::uint16_t>(index); },
                  tr("Edit tag colour"));
  });
  increment_ = new QComboBox(group);
  increment_->setObjectName(QStringLiteral("IncrementBox"));
  increment_->addItems({QStringLiteral("1/20"), QStringLiteral("1/4"), QStringLiteral("1/2"),
                        QStringLiteral("1"), QStringLiteral("5")});
  increment_->setCurrentIndex(3);
  connect(increment_, &QComboBox::currentIndexChanged, this,
          [this](int i) { time_->setSingleStep(Increments[std::clamp(i, 0, 4)]); });
  adjustFollowing_ = new QCheckBox(tr("Adjust time for all following instructions"), group);
  adjustFollowing_->setObjectName(QStringLiteral("AdjustFollowingCheck"));
  g->addWidget(timeCaption_, 0, 0);
  g->addWidget(time_, 0, 1);
  g->addWidget(command_, 0, 2, 1, 2);
  g->addWidget(parameterCaption_, 1, 0);
  g->addWidget(parameter_, 1, 1, 1, 3);
  g->addWidget(xCaption_, 2, 0);
  g->addWidget(x_, 2, 1);
  g->addWidget(yCaption_, 2, 2);
  g->addWidget(y_, 2, 3);
  g->addWidget(colourCaption_, 3, 0);
  g->addWidget(colour_, 3, 1);
  g->addWidget(new QLabel(tr("Time Adjust Increment (sec)"), group), 4, 0);
  g->addWidget(increment_, 4, 1);
  g->addWidget(adjustFollowing_, 5, 0, 1, 4);
}

std::vector<std::string> InstructionsPage::flightGroupNames() const {
  return editing::nameList(session_.mission(), ctx_.vocabulary);
}

void InstructionsPage::showEvent(QShowEvent* e) {
  QWidget::showEvent(e);
  if (stale_) rebuild();
}

void InstructionsPage::rebuild() {
  stale_ = !isVisible();
  if (stale_) return;
  const model::Briefing& brief = session_.record();
  const std::vector<std::string> names = flightGroupNames();
  const brf::LineContext lc{&brief.strings, &brief.tags, &names};
  {
    const QSignalBlocker block(list_);
    list_->clear();
    for (const brf::Command& c : session_.instructions())
      list_->addItem(fromFile(brf::describe(c, lc)));
    list_->setCurrentRow(session_.selected());
  }
  wordCount_->setText(QString::number(session_.wordCount()));
  fillCurrent();
}

void InstructionsPage::fillRecord() {
  static const model::Field<model::u16> fields[] = {rec::Unknown1, rec::Unknown2, rec::Unknown3};
  for (int i = 0; i < 3; ++i)
    unknowns_[i]->setText(QString::number(session_.record().get(fields[i])));
}

void InstructionsPage::showFields(bool parameter, bool x, bool y, bool colour) {
  parameter_->setVisible(parameter);
  parameterCaption_->setVisible(parameter);
  xCaption_->setVisible(x);
  x_->setVisible(x);
  yCaption_->setVisible(y);
  y_->setVisible(y);
  colourCaption_->setVisible(colour);
  colour_->setVisible(colour);
}

void InstructionsPage::fillParameter(const std::vector<std::string>& items, int at) {
  parameter_->clear();
  for (const std::string& s : items) parameter_->addItem(fromFile(s));
  parameter_->setCurrentIndex(at < parameter_->count() ? at : -1);
}

void InstructionsPage::fillCurrent() {
  const brf::Command& c = session_.current();
  const model::Briefing& brief = session_.record();
  const QSignalBlocker b1(time_), b2(parameter_);
  const int code = c.code;
  command_->setCurrentIndex(code < brf::CodeCount ? code : -1);
  time_->setValue(c.time);
  timeCaption_->setText(tr("Time (") + secondsText(c.time) + tr(" sec)"));
  colour_->setCurrentIndex(c.colour < brf::ColourCount ? c.colour : -1);
  x_->setText(code == brf::ZoomMap ? QString::number(c.x) : fromFile(brf::km(c.x)));
  y_->setText(code == brf::ZoomMap ? QString::number(c.y) : fromFile(brf::km(c.y)));
  const bool end = c.isEnd();
  time_->setEnabled(!end);
  command_->setEnabled(!end);
  timeCaption_->setVisible(!end);

  if (code == brf::StopPoint || code == brf::ClearBoxes || code == brf::ClearTags || end) {
    parameterCaption_->setText(QStringLiteral("                  Unused"));
    showFields(false, false, false, false);
  } else if (code == brf::TitleText || code == brf::BriefingText) {
    parameterCaption_->setText(code == brf::TitleText
                                   ? QStringLiteral("  Title (won't show up in Briefing)")
                                   : QStringLiteral("                   Text"));
    fillParameter({brief.strings.begin(), brief.strings.end()}, c.index);
    showFields(true, false, false, false);
  } else if (code == brf::MoveMap) {
    parameterCaption_->setText(QStringLiteral("          Option: Center on a FG"));
    fillParameter(flightGroupNames(), c.index);
    showFields(true, true, true, false);
  } else if (code == brf::ZoomMap) {
    parameterCaption_->setText(QStringLiteral("Zoom 'presets' commonly used in Zyn"));
    std::vector<std::string> presets;
    for (const brf::ZoomPreset& z : brf::ZoomPresets) presets.push_back(z.text);
    fillParameter(presets, 0);
    showFields(true, true, false, false);
  } else if (brf::isBox(code)) {
    parameterCaption_->setText(QStringLiteral("                   FG to Box"));
    fillParameter(flightGroupNames(), c.index);
    showFields(true, false, false, false);
  } else if (brf::isTag(code)) {
    parameterCaption_->setText(QStringLiteral("                   Map Tag"));
    fillParameter({brief.tags.begin(), brief.tags.end()}, c.index);
    showFields(true, true, true, true);
  }
}

void InstructionsPage::onTimeStep(int value) {
  session_.stepTime(value - session_.current().time, adjustFollowing_->isChecked());
}

void InstructionsPage::onCommandChosen(int index) {
  session_.edit(
      [index](brf::Command& c) {
        c.code = static_cast<std::uint16_t>(index);
        if (index == brf::EndMarker) c.time = brf::EndTime;
      },
      tr("Edit instruction"));
}

void InstructionsPage::onParameterChosen(int index) {
  if (index < 0) return;
  session_.edit(
      [&](brf::Command& c) {
        brf::chooseParameter(c, index, session_.mission(), session_.briefing());
      },
      tr("Edit instruction"));
}

void InstructionsPage::onXEdited() {
  brf::Command c = session_.current();
  if (!brf::typeX(c, x_->text().toStdString())) {
    fillCurrent();  // not a number: nothing changes
    return;
  }
  session_.edit([&](brf::Command& now) { now = c; }, tr("Edit X"));
}

void InstructionsPage::onYEdited() {
  brf::Command c = session_.current();
  if (!brf::typeY(c, y_->text().toStdString())) {
    fillCurrent();
    return;
  }
  session_.edit([&](brf::Command& now) { now = c; }, tr("Edit Y"));
}

void InstructionsPage::onUnknownEdited(int which) {
  int v = 0;
  if (!brf::parseWhole(unknowns_[which]->text().toStdString(), v) || v < 0 || v > 65535) {
    fillRecord();
    return;
  }
  session_.setUnknown(which, v);
}

}  // namespace app
