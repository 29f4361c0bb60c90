#include "app/map/formation_window.h"

#include <algorithm>

#include <QCheckBox>
#include <QHBoxLayout>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/base/dialog_buttons.h"
#include "app/base/text.h"
#include "app/base/window_memory.h"
#include "app/map/formation_painter.h"
#include "map/formations.h"
#include "shell/vocabulary.h"

namespace app {

namespace {
bool showForSize = false;  // remembered for the run, off at start
}

FormationPictureBox::FormationPictureBox(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("PaintBox1"));
  setMinimumSize(map::ViewerWidth, map::ViewerHeight);
  setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
  setAttribute(Qt::WA_OpaquePaintEvent);
}

void FormationPictureBox::show(int formation, const QString& name, bool limitToCount,
                               int craftCount) {
  formation_ = formation;
  name_ = name;
  limit_ = limitToCount;
  craftCount_ = craftCount;
  update();
}

QSize FormationPictureBox::sizeHint() const {
  // Half as large again as the picture's own size, so that the small craft read well.
  return {map::ViewerWidth * 3 / 2, map::ViewerHeight * 3 / 2};
}

void FormationPictureBox::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.fillRect(rect(), Qt::black);
  // The picture keeps its proportions, scaled to the box and centred in it.
  const double scale =
      std::min(width() / double(map::ViewerWidth), height() / double(map::ViewerHeight));
  p.translate((width() - map::ViewerWidth * scale) / 2, (height() - map::ViewerHeight * scale) / 2);
  p.scale(scale, scale);
  paintFormation(p, {formation_, name_, limit_, craftCount_});
}

FormationWindow::FormationWindow(const shell::Vocabulary& vocab, int formation, int craftCount,
                                 QWidget* parent, std::string iniPath)
    : QDialog(parent),
      vocab_(vocab),
      formation_(formation < 0 || formation >= map::FormationCount ? 0 : formation),
      craftCount_(craftCount),
      iniPath_(std::move(iniPath)) {
  setObjectName(QStringLiteral("FormForm"));
  setWindowTitle(tr("Flight Group Formations"));
  auto* top = new QVBoxLayout(this);
  picture_ = new FormationPictureBox(this);
  top->addWidget(picture_, 1);

  auto* row = new QHBoxLayout;
  QPushButton* prev = pushButton(this, "PrevForm", QStringLiteral("<"), tr("Previous formation"));
  QPushButton* next = pushButton(this, "NextForm", QStringLiteral(">"), tr("Next formation"));
  sizeCheck_ = new QCheckBox(tr("&Show for Current FG size"), this);
  sizeCheck_->setObjectName(QStringLiteral("CheckBox1"));
  sizeCheck_->setChecked(showForSize);
  QPushButton* use = pushButton(this, "Button1", tr("&Use"));
  QPushButton* cancel = pushButton(this, "Button2", tr("&Cancel"));
  use->setDefault(true);
  row->addWidget(prev);
  row->addWidget(next);
  row->addSpacing(12);
  row->addWidget(sizeCheck_);
  row->addStretch(1);
  row->addWidget(use);
  row->addWidget(cancel);
  top->addLayout(row);

  connect(prev, &QPushButton::clicked, this, [this] {
    formation_ = map::previousFormation(formation_);
    redraw();
  });
  connect(next, &QPushButton::clicked, this, [this] {
    formation_ = map::nextFormation(formation_);
    redraw();
  });
  connect(sizeCheck_, &QCheckBox::toggled, this, [this](bool on) {
    redraw();
    showForSize = on;
  });
  connect(use, &QPushButton::clicked, this, &QDialog::accept);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
  redraw();
  if (!iniPath_.empty()) WindowMemory(iniPath_).restore(this);
}

void FormationWindow::done(int result) {
  if (!iniPath_.empty()) WindowMemory(iniPath_).remember(this);
  QDialog::done(result);
}

bool FormationWindow::showForCurrentSize() {
  return showForSize;
}

void FormationWindow::redraw() {
  picture_->show(formation_, fromFile(vocab_.text(shell::tables::Form, formation_)),
                 sizeCheck_->isChecked(), craftCount_);
}

}  // namespace app
