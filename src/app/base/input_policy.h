#pragma once
// The application's input rules for every window, in one event filter installed once on the
// application (main.cpp, the GUI tests' main):
// - the mouse wheel never changes a combo box or spin box that does not have the focus: the
//   event goes on to the parent (the scrolling page), and the wheel no longer gives such boxes
//   the focus;
// - Ctrl+A selects all while a text entry has the focus (line edit, memo, editable combo box,
//   spin box); elsewhere it stays the window's shortcut.
// - a combo box whose entry does not fit shows it cut with "…" (ComboTextStyle, installed as the
//   application style) and whole in its tool tip.

#include <QObject>

class QKeyEvent;
class QWidget;

namespace app {

class InputPolicy : public QObject {
  Q_OBJECT

 public:
  // Installs the one filter on the application; a second call does nothing.
  static void install();

  // The text entry that takes keys when `focus` has the focus, or null: a line edit, a memo or
  // the entry of a spin box or editable combo box, read-only ones included (selecting to copy).
  static QWidget* textEntry(QWidget* focus);
  // Whether the text entry with the focus keeps this key for itself (Ctrl+A, select all), so the
  // window's shortcut must let it pass.
  static bool textEntryKeepsKey(QWidget* focus, const QKeyEvent& key);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  using QObject::QObject;
};

}  // namespace app
