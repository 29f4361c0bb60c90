#include "app/base/palette_colours.h"

#include <QEvent>
#include <QWidget>

#include "app/base/coloured_list.h"

namespace app {

namespace {

constexpr double Readable = 4.5;

class PaletteFollower : public QObject {
 public:
  PaletteFollower(QWidget* w, std::function<void()> apply) : QObject(w), apply_(std::move(apply)) {
    w->installEventFilter(this);
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* e) override {
    // The widget's palette changes when the desktop's reaches it, and again when `apply_` sets
    // its colours.
    if ((e->type() == QEvent::PaletteChange || e->type() == QEvent::ApplicationPaletteChange) &&
        !applying_) {
      applying_ = true;
      apply_();
      applying_ = false;
    }
    return QObject::eventFilter(watched, e);
  }

 private:
  std::function<void()> apply_;
  bool applying_ = false;
};

}  // namespace

QColor readableOn(const QColor& colour, const QColor& ground) {
  const QColor towards = ground.lightness() < 128 ? QColor(Qt::white) : QColor(Qt::black);
  QColor c = colour;
  for (int step = 1; step <= 10 && ColouredListDelegate::contrast(c, ground) < Readable; ++step) {
    const auto mix = [step](int a, int b) { return a + (b - a) * step / 10; };
    c = QColor(mix(colour.red(), towards.red()), mix(colour.green(), towards.green()),
               mix(colour.blue(), towards.blue()));
  }
  return c;
}

QColor refusedColour(const QColor& ground) {
  return readableOn(QColor(0xc0, 0, 0), ground);
}

void whenPaletteChanges(QWidget* w, std::function<void()> apply) {
  new PaletteFollower(w, std::move(apply));
}

}  // namespace app
