#include "app/base/notice_window.h"

#include <algorithm>

#include <QApplication>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>

namespace app {

NoticeWindow::NoticeWindow(QWidget* parent, const QString& text)
    : QWidget(parent, Qt::Tool | Qt::WindowStaysOnTopHint), label_(new QLabel(text, this)) {
  setObjectName(QStringLiteral("NoticeWindow"));
  setAttribute(Qt::WA_DeleteOnClose);
  setAttribute(Qt::WA_ShowWithoutActivating);
  setWindowTitle(tr("Information"));
  label_->setObjectName(QStringLiteral("NoticeLabel"));
  label_->setAlignment(Qt::AlignCenter);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(4, 8, 4, 8);
  layout->addWidget(label_);
  // The text decides the width; a line longer than the rule allows still shows whole, and a
  // short one ("Seems Ok.") leaves room for the whole title and the title bar's button.
  setFixedSize(std::max({widthFor(text), label_->sizeHint().width() + 8, titleWidth()}), 50);
}

int NoticeWindow::titleWidth() {
  const QFontMetrics metrics(QApplication::font());
  // Title bars often draw their text bold; the close button and the margins take the rest.
  return metrics.horizontalAdvance(tr("Information")) * 6 / 5 + 4 * metrics.height() + 16;
}

NoticeWindow* NoticeWindow::show(QWidget* parent, const QString& text, int milliseconds) {
  auto* w = new NoticeWindow(parent, text);
  const QWidget* anchor = parent ? parent->window() : nullptr;
  const QRect area =
      anchor ? anchor->frameGeometry() : QGuiApplication::primaryScreen()->availableGeometry();
  w->move(area.center() - QPoint(w->width() / 2, w->height() / 2));
  w->QWidget::show();
  QTimer::singleShot(milliseconds, w, &QWidget::close);
  return w;
}

NoticeWindow* NoticeWindow::showUntilNextAction(QWidget* parent, const QString& text,
                                                int milliseconds) {
  NoticeWindow* w = show(parent, text, milliseconds);
  qApp->installEventFilter(w);
  return w;
}

bool NoticeWindow::eventFilter(QObject* watched, QEvent* event) {
  switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::MouseButtonPress:
    case QEvent::Wheel:
      close();
      break;
    default:
      break;
  }
  return QWidget::eventFilter(watched, event);
}

QString NoticeWindow::text() const {
  return label_->text();
}

}  // namespace app
