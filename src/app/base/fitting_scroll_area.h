#pragma once
// A window's content that scrolls only where the screen is too small for it: as large as what it
// holds wants to be, never larger than the screen leaves room for, with scroll bars below its
// content's own minimum. A small screen or a large scale keeps every control of the window
// reachable.

#include <QScrollArea>

namespace app {

class FittingScrollArea : public QScrollArea {
 public:
  explicit FittingScrollArea(QWidget* content, QWidget* parent = nullptr);
  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  // Room the window takes beside this: its frame, title bar, menus, a row of buttons.
  QSize room_{24, 96};
};

// Shrinks a window, frame included, to the free area of the screen it is on and moves it fully
// onto it (a maximised window is left as it is). A window holding a FittingScrollArea does this
// each time it is shown, so a size remembered under another scale never overflows.
void fitToScreen(QWidget* window);

}  // namespace app
