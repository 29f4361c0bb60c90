#include "app/shell/error_list_window.h"

#include <algorithm>

#include <QCheckBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

namespace app {

ErrorListWindow::ErrorListWindow(const QStringList& errors, const QStringList& warnings,
                                 bool omitWarnings, QWidget* parent)
    : QDialog(parent),
      memo_(new QPlainTextEdit(this)),
      omitBox_(new QCheckBox(tr("&Don't include Warnings again this mission"), this)) {
  setObjectName(QStringLiteral("ErrorListWindow"));
  setWindowTitle(tr("Error and Warning List"));
  setModal(true);

  memo_->setObjectName(QStringLiteral("ErrorMemo"));
  // The list is what the window is about: a screen reader names it by the window's title.
  memo_->setAccessibleName(windowTitle());
  memo_->setReadOnly(true);
  memo_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  memo_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
  // Lines can be selected and dragged out into other programs.
  memo_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
  QStringList lines = errors;
  if (!omitWarnings) lines += warnings;
  memo_->setPlainText(lines.join(QLatin1Char('\n')));

  omitBox_->setObjectName(QStringLiteral("OmitWarningsBox"));
  omitBox_->setChecked(omitWarnings);
  connect(omitBox_, &QCheckBox::clicked, this, &ErrorListWindow::omitWarningsChanged);

  auto* ok = new QPushButton(tr("&OK"), this);
  ok->setObjectName(QStringLiteral("OKBtn"));
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);

  auto* bottom = new QHBoxLayout;
  bottom->addWidget(omitBox_);
  bottom->addStretch();
  bottom->addWidget(ok);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(memo_);
  layout->addLayout(bottom);

  setFixedSize(620, 360);
  if (const QScreen* screen = QGuiApplication::primaryScreen())
    move(screen->availableGeometry().center() - rect().center());
}

void ErrorListWindow::keepClearOf(const QRect& area) {
  if (!frameGeometry().intersects(area)) return;
  const QScreen* screen = QGuiApplication::screenAt(area.center());
  if (!screen) screen = QGuiApplication::primaryScreen();
  const QRect room = screen ? screen->availableGeometry() : QRect();
  constexpr int Gap = 8;
  int top = area.bottom() + 1 + Gap;
  if (room.isValid() && top + frameGeometry().height() > room.bottom() + 1)
    top = area.top() - Gap - frameGeometry().height();
  if (room.isValid()) top = std::max(top, room.top());
  move(x(), top);
}

QString ErrorListWindow::listText() const {
  return memo_->toPlainText();
}
bool ErrorListWindow::omitWarnings() const {
  return omitBox_->isChecked();
}

}  // namespace app
