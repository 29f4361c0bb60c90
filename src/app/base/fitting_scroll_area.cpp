#include "app/base/fitting_scroll_area.h"

#include <QGuiApplication>
#include <QScreen>

#include "shell/window_places.h"

namespace app {
namespace {

QRect freeArea(const QWidget* w) {
  const QScreen* screen = w->screen() ? w->screen() : QGuiApplication::primaryScreen();
  return screen ? screen->availableGeometry() : QRect();
}

}  // namespace

FittingScrollArea::FittingScrollArea(QWidget* content, QWidget* parent) : QScrollArea(parent) {
  setObjectName(content->objectName() + QStringLiteral("Scroll"));
  setFrameShape(QFrame::NoFrame);
  // Only a frame around the window's content: Tab goes straight to the controls in it, and the
  // area scrolls to the one with the focus.
  setFocusPolicy(Qt::NoFocus);
  setWidgetResizable(true);
  setWidget(content);
}

QSize FittingScrollArea::sizeHint() const {
  QSize wanted = widget() ? widget()->sizeHint().expandedTo(widget()->minimumSizeHint()) : QSize();
  const QRect area = freeArea(this);
  if (area.isValid()) wanted = wanted.boundedTo(area.size() - room_);
  return wanted;
}

QSize FittingScrollArea::minimumSizeHint() const {
  // The content's own minimum as far as the screen allows: the scroll bars take over only where
  // the screen is too small for it, not wherever the window is dragged smaller.
  QSize least = widget() ? widget()->minimumSizeHint() : QSize();
  const QRect area = freeArea(this);
  if (area.isValid()) least = least.boundedTo(area.size() - room_);
  return least;
}

void FittingScrollArea::showEvent(QShowEvent* event) {
  QScrollArea::showEvent(event);
  // The window now has its frame and is laid out: the room it takes around this is known.
  const QSize room = window()->frameGeometry().size() - size();
  if (room.width() > room_.width() || room.height() > room_.height()) {
    room_ = room_.expandedTo(room);
    updateGeometry();
    if (window()->layout()) window()->layout()->activate();
  }
  // The frame, not only the inside, must fit.
  fitToScreen(window());
}

void fitToScreen(QWidget* window) {
  if (window->isMaximized() || window->isFullScreen()) return;
  const QRect area = freeArea(window);
  if (!area.isValid()) return;
  // The frame is known once the window exists; before, the inside stands for it.
  const QRect inner = window->geometry();
  const QRect frame = window->frameGeometry();
  const int frameWidth = frame.width() - inner.width();
  const int frameHeight = frame.height() - inner.height();
  const shell::Rect r = shell::fitOnScreen({frame.x(), frame.y(), frame.width(), frame.height()},
                                           {area.x(), area.y(), area.width(), area.height()});
  if (r.width != frame.width() || r.height != frame.height())
    window->resize(r.width - frameWidth, r.height - frameHeight);
  if (r.x != frame.x() || r.y != frame.y()) window->move(r.x, r.y);
}

}  // namespace app
