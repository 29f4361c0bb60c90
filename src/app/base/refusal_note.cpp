#include "app/base/refusal_note.h"

#include <QEvent>
#include <QLabel>
#include <QTimer>
#include <QWidget>

namespace app {

namespace {

constexpr int NoteMilliseconds = 6000;
const char* const NoteName = "RefusalNote";

// The note of one control: a tool-tip window that is never activated.
class RefusalNote : public QLabel {
 public:
  explicit RefusalNote(QWidget* control)
      : QLabel(control, Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowDoesNotAcceptFocus) {
    setObjectName(QString::fromLatin1(NoteName));
    setAttribute(Qt::WA_ShowWithoutActivating);
    setFocusPolicy(Qt::NoFocus);
    setForegroundRole(QPalette::ToolTipText);
    setBackgroundRole(QPalette::ToolTipBase);
    setAutoFillBackground(true);
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setMargin(4);
    setWordWrap(true);
    timer_.setSingleShot(true);
    connect(&timer_, &QTimer::timeout, this, &QWidget::hide);
    control->installEventFilter(this);
  }

  void tell(const QString& why, const QRect& area) {
    auto* control = parentWidget();
    setText(why);
    setMaximumWidth(std::max(320, area.width()));
    adjustSize();
    move(control->mapToGlobal(area.bottomLeft() + QPoint(0, 2)));
    show();
    timer_.start(NoteMilliseconds);
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    // The note goes with the control it speaks of.
    if (event->type() == QEvent::FocusOut || event->type() == QEvent::Hide) hide();
    return QLabel::eventFilter(watched, event);
  }

 private:
  QTimer timer_;
};

RefusalNote* noteOf(const QWidget* control) {
  return control->findChild<RefusalNote*>(QString::fromLatin1(NoteName),
                                          Qt::FindDirectChildrenOnly);
}

}  // namespace

void showRefusal(QWidget* control, const QString& why, const QRect& area) {
  if (!control || why.isEmpty()) return;
  RefusalNote* note = noteOf(control);
  if (!note) note = new RefusalNote(control);
  note->tell(why, area.isEmpty() ? control->rect() : area);
}

QString shownRefusal(const QWidget* control) {
  const RefusalNote* note = control ? noteOf(control) : nullptr;
  return note && note->isVisible() ? note->text() : QString();
}

}  // namespace app
