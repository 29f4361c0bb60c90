#include "app/editing/unknowns_dialog.h"

#include <QCheckBox>
#include <QFontMetrics>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "app/base/dialog_buttons.h"
#include "app/base/prompter.h"
#include "app/base/text.h"
#include "app/base/translations.h"

namespace app {

namespace {

// What a record byte's box is called, beside it and in the message of a refused value.
QString unknownName(std::size_t i) {
  return coreText(std::string(editing::UnknownBytes[i].name));
}

// What the message of a refused box calls it.
QString headerBoxName(std::size_t i) {
  static const char* const names[] = {
      QT_TRANSLATE_NOOP("app::UnknownsDialog", "Mission unknown 1"),
      QT_TRANSLATE_NOOP("app::UnknownsDialog", "Mission unknown 2"),
      QT_TRANSLATE_NOOP("app::UnknownsDialog", "Mission unknown 3")};
  return UnknownsDialog::tr(names[i]);
}

}  // namespace

UnknownsDialog::UnknownsDialog(const model::Header& header, const model::FlightGroup& current,
                               Prompter& prompter, QWidget* parent)
    : QDialog(parent), prompter_(prompter) {
  setObjectName(QStringLiteral("UnksForm"));
  setWindowTitle(tr("FG Unknowns"));
  auto* top = new QVBoxLayout(this);
  top->addWidget(buildCurrentValues(header, current));
  top->addWidget(new QLabel(tr("Use Tab key to maneuver though edit boxes"), this));
  top->addWidget(new QLabel(tr("Changes affect all selected FGs"), this));
  top->addLayout(buildByteBoxes(header, current));
  top->addLayout(buildFlagBoxes(current));
  top->addWidget(okCancelButtons(this));
}

// The values as lines of text, to read and copy.
QGroupBox* UnknownsDialog::buildCurrentValues(const model::Header& header,
                                              const model::FlightGroup& current) {
  auto* lines = new QGroupBox(tr("Current values"), this);
  auto* ll = new QVBoxLayout(lines);
  ll->setSpacing(1);
  int n = 0;
  const auto values = editing::unknownLineValues(header, current);
  for (std::size_t i = 0; i < values.size(); ++i) {
    auto* l = new QLabel(coreText(editing::UnknownLineTitles[i]) + qs(values[i]), lines);
    l->setObjectName(QStringLiteral("UnkLine%1").arg(n++));
    l->setTextInteractionFlags(Qt::TextSelectableByMouse);
    ll->addWidget(l);
  }
  return lines;
}

// A box for each byte: the header's in one column, the record's in two beside it.
QLayout* UnknownsDialog::buildByteBoxes(const model::Header& header,
                                        const model::FlightGroup& current) {
  const int boxWidth = QFontMetrics(font()).horizontalAdvance(QStringLiteral("0000")) + 12;
  auto box = [&](const QString& name, int value) {
    auto* e = new QLineEdit(QString::number(value), this);
    e->setObjectName(name);
    e->setMaxLength(3);
    e->setFixedWidth(boxWidth);
    return e;
  };
  // The name before a box, which names the box for a screen reader too.
  auto caption = [this](const QString& name, QLineEdit* box) {
    auto* l = new QLabel(name + QLatin1Char(':'), this);
    l->setBuddy(box);
    return l;
  };

  auto* grid = new QGridLayout;
  grid->setHorizontalSpacing(8);
  grid->setVerticalSpacing(3);
  int row = 0;
  for (std::size_t i = 0; i < headerBoxes_.size(); ++i) {
    headerBoxes_[i] = box(QStringLiteral("HdrUnk%1").arg(editing::headerUnknownFileOffset(i)),
                          header.get(editing::HeaderUnknowns[i]));
    grid->addWidget(caption(headerBoxName(i), headerBoxes_[i]), row, 0);
    grid->addWidget(headerBoxes_[i], row, 1);
    ++row;
  }
  for (std::size_t i = 0; i < byteBoxes_.size(); ++i) {
    const editing::UnknownByte& u = editing::UnknownBytes[i];
    byteBoxes_[i] = box(QStringLiteral("Unk%1").arg(u.field.offset), current.get(u.field));
    // Two columns of record bytes beside the header's.
    const int r = static_cast<int>(i % 6), c = 3 + static_cast<int>(i / 6) * 3;
    grid->addWidget(caption(unknownName(i), byteBoxes_[i]), r, c);
    grid->addWidget(byteBoxes_[i], r, c + 1);
    if (!u.hint.empty()) grid->addWidget(new QLabel(coreText(std::string(u.hint)), this), r, c + 2);
  }
  grid->setColumnMinimumWidth(2, 16);
  grid->setColumnStretch(8, 1);
  return grid;
}

// The unknown flags, a box each.
QLayout* UnknownsDialog::buildFlagBoxes(const model::FlightGroup& current) {
  auto* flags = new QHBoxLayout;
  flags->addWidget(new QLabel(coreText(editing::UnknownFlagsName) + QLatin1Char(':'), this));
  for (std::size_t i = 0; i < flagBoxes_.size(); ++i) {
    flagBoxes_[i] = new QCheckBox(QString::number(i + 3), this);
    flagBoxes_[i]->setObjectName(QStringLiteral("UnkChk%1").arg(i + 3));
    const int held = current.get(editing::UnknownFlags[i]);
    if (held > 1) {
      // Neither ticked nor cleared: the byte keeps its value unless the user decides.
      flagBoxes_[i]->setTristate(true);
      flagBoxes_[i]->setCheckState(Qt::PartiallyChecked);
      flagBoxes_[i]->setToolTip(tr("Holds %1; left partly ticked it is kept").arg(held));
    } else {
      flagBoxes_[i]->setChecked(held == 1);
    }
    flags->addWidget(flagBoxes_[i]);
  }
  flags->addStretch(1);
  return flags;
}

void UnknownsDialog::accept() {
  UnknownValues v;
  auto read = [&](QLineEdit* e, const QString& name, std::uint8_t& out) {
    const auto value = editing::parseUnknownByte(toFile(e->text()));
    if (value) {
      out = *value;
      return true;
    }
    prompter_.error(this, tr("%1: '%2' is not a whole number from 0 to 255. Nothing was changed.")
                              .arg(name, e->text()));
    e->setFocus();
    e->selectAll();
    return false;
  };
  for (std::size_t i = 0; i < headerBoxes_.size(); ++i)
    if (!read(headerBoxes_[i], headerBoxName(i), v.header[i])) return;
  for (std::size_t i = 0; i < byteBoxes_.size(); ++i)
    if (!read(byteBoxes_[i], unknownName(i), v.bytes[i])) return;
  for (std::size_t i = 0; i < flagBoxes_.size(); ++i)
    v.flags[i] = flagBoxes_[i]->checkState() == Qt::PartiallyChecked ? -1
                 : flagBoxes_[i]->isChecked()                        ? 1
                                                                     : 0;
  values_ = v;
  QDialog::accept();
}

}  // namespace app
