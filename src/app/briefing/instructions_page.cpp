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
#include <QSpinBox>
#include <QVBoxLayout>

#include "app/base/accessible_value.h"
#include "app/base/prompter.h"
#include "app/base/text.h"
#include "app/briefing/briefing_session.h"
#include "app/briefing/strings_page.h"
#include "app/document/editor_context.h"
#include "app/document/field_binding.h"
#include "app/document/step_text.h"
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

// The time control: ticks inside, seconds shown and typed (what its caption names), stepped by
// the increment.
class SecondsSpin : public QSpinBox {
 public:
  using QSpinBox::QSpinBox;

 protected:
  QString textFromValue(int ticks) const override { return secondsText(ticks); }
  int valueFromText(const QString& text) const override {
    int ticks = 0;
    return brf::parseSeconds(text.toStdString(), ticks) ? ticks : value();
  }
  QValidator::State validate(QString& text, int&) const override {
    int ticks = 0;
    if (brf::parseSeconds(text.toStdString(), ticks) && ticks >= minimum() && ticks <= maximum())
      return QValidator::Acceptable;
    for (QChar c : text)
      if (!c.isDigit() && c != QLatin1Char('.') && c != QLatin1Char(',') && c != QLatin1Char(' '))
        return QValidator::Invalid;
    return QValidator::Intermediate;
  }
};

}  // namespace

InstructionsPage::InstructionsPage(const EditorContext& context, BriefingSession& session,
                                   QWidget* parent)
    : QWidget(parent), ctx_(context), session_(session) {
  auto* col = new QVBoxLayout(this);
  list_ = new QListWidget(this);
  list_->setObjectName(QStringLiteral("InstructionList"));
  tellCurrentLine(list_);
  list_->setAccessibleName(tr("Instruction List"));
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
  auto* bindings =
      new FieldBindings(this, session_.document(),
                        oneRecord(RecordKind::Briefing, [s = &session_] { return s->briefing(); }));
  const model::Field<model::u16> fields[] = {rec::Unknown1, rec::Unknown2, rec::Unknown3};
  for (int i = 0; i < 3; ++i) {
    unknowns_[i] = new QLineEdit(unknowns);
    unknowns_[i]->setObjectName(QStringLiteral("Unknown%1Edit").arg(i + 1));
    bindings->bindNumberText(unknowns_[i], fields[i])
        .undoText(editText(tr("Unknown %1").arg(i + 1)));
    u->addRow(QString::number(i + 1), unknowns_[i]);
  }
  connect(&session_, &BriefingSession::shown, bindings, [bindings] { bindings->refill(); });
  bindings->refill();
  below->addWidget(unknowns);
  col->addLayout(below);

  connect(&session_, &BriefingSession::listChanged, this, &InstructionsPage::rebuild);
  // Showing the selection asks the session for the row it already has: no edit.
  connect(&session_, &BriefingSession::selectionChanged, this, [this] {
    list_->setCurrentRow(session_.selected());
    fillCurrent();
  });
  rebuild();
}

void InstructionsPage::buildForm(QWidget* group) {
  auto* g = new QGridLayout(group);
  buildCommandControls(group);
  buildPlaceControls(group);
  layOutForm(g, group);
}

// The instruction's time, command and parameter.
void InstructionsPage::buildCommandControls(QWidget* group) {
  timeCaption_ = new QLabel(group);
  timeCaption_->setObjectName(QStringLiteral("TimeCaption"));
  time_ = new SecondsSpin(group);
  time_->setObjectName(QStringLiteral("TimeSpin"));
  time_->setRange(0, brf::MaxTime);
  time_->setSingleStep(Increments[3]);
  // A typed time counts when it is complete (Enter, Tab); the arrows step at once. Showing the
  // selected instruction's time steps nothing.
  time_->setKeyboardTracking(false);
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
}

// The position and colour of a tag or text, and how the time steps.
void InstructionsPage::buildPlaceControls(QWidget* group) {
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
                  editText(tr("Tag Colour")));
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
}

void InstructionsPage::layOutForm(QGridLayout* g, QWidget* group) {
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
  // The lines change in place and the current row is the session's before any line goes, so
  // the list never reports another row than the session's selection.
  const brf::CommandList& list = session_.instructions();
  const int n = static_cast<int>(list.size());
  for (int i = 0; i < n; ++i) {
    const QString line = fromFile(brf::describe(list[static_cast<std::size_t>(i)], lc));
    if (i < list_->count())
      list_->item(i)->setText(line);
    else
      list_->addItem(line);
  }
  list_->setCurrentRow(session_.selected());
  while (list_->count() > n) delete list_->takeItem(list_->count() - 1);
  wordCount_->setText(QString::number(session_.wordCount()));
  fillCurrent();
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
  for (std::size_t i = 0; i < items.size(); ++i)
    parameter_->addItem(fromFile(items[i]), static_cast<int>(i));
  parameter_->setCurrentIndex(at < parameter_->count() ? at : -1);
}

void InstructionsPage::fillCurrent() {
  const brf::Command& c = session_.current();
  const model::Briefing& brief = session_.record();
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
    fillStringPicker(parameter_, brief.strings, c.index);
    showFields(true, false, false, false);
  } else if (code == brf::MoveMap) {
    parameterCaption_->setText(QStringLiteral("          Option: Center on a FG"));
    fillParameter(flightGroupNames(), c.index);
    showFields(true, true, true, false);
  } else if (code == brf::ZoomMap) {
    parameterCaption_->setText(tr("Zoom 'presets' commonly used in Zyn"));
    std::vector<std::string> presets;
    for (const brf::ZoomPreset& z : brf::ZoomPresets) presets.push_back(z.text);
    fillParameter(presets, brf::zoomPreset(c.x));
    showFields(true, true, false, false);
  } else if (brf::isBox(code)) {
    parameterCaption_->setText(QStringLiteral("                   FG to Box"));
    fillParameter(flightGroupNames(), c.index);
    showFields(true, false, false, false);
  } else if (brf::isTag(code)) {
    parameterCaption_->setText(QStringLiteral("                   Map Tag"));
    fillStringPicker(parameter_, brief.tags, c.index);
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
      editText(tr("Instruction")));
}

void InstructionsPage::onParameterChosen(int index) {
  const int choice = pickedRow(parameter_, index);
  if (choice < 0) return;
  session_.edit(
      [&](brf::Command& c) {
        brf::chooseParameter(c, choice, session_.mission(), session_.briefing());
      },
      editText(tr("Instruction")));
}

void InstructionsPage::onXEdited() {
  brf::Command c = session_.current();
  if (!brf::typeX(c, x_->text().toStdString())) {
    fillCurrent();  // not a number: nothing changes
    return;
  }
  session_.edit([&](brf::Command& now) { now = c; }, editText(tr("X")));
}

void InstructionsPage::onYEdited() {
  brf::Command c = session_.current();
  if (!brf::typeY(c, y_->text().toStdString())) {
    fillCurrent();
    return;
  }
  session_.edit([&](brf::Command& now) { now = c; }, editText(tr("Y")));
}

}  // namespace app
