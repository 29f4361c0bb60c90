#pragma once
// The application's input rules for every window, in one event filter installed once on the
// application (main.cpp, the GUI tests' main):
// - the mouse wheel never changes a combo box or spin box that does not have the focus: the
//   event goes on to the parent (the scrolling page), and the wheel no longer gives such boxes
//   the focus;
// - Ctrl+A selects all while a text entry (line edit, memo, editable combo box, spin box), a list
//   or a table has the focus, and a list or table that cannot select keeps it from every other
//   command; elsewhere it is the window's select-all where it has one (the map), else nothing;
// - Undo and Redo keys in a text entry go to the window's Undo and Redo, which take back edits of
//   the Mission (the entry's text among them); without such an action the entry undoes itself;
// - a combo box whose entry does not fit shows it cut with "…" (ComboTextStyle, installed as the
//   application style) and whole in its tool tip;
// - a control that takes the focus but has no text and no label naming it (its buddy) gets its
//   tool tip as its accessible name, so a screen reader has something to say; a list or grid,
//   whose accessible name is only its own, is named after its label or the group it sits in.
// - a paste into a memo from a clipboard that holds nothing does nothing (the toolkit's memos
//   would crash on it).

#include <QObject>

class QLabel;
class QString;
class QWidget;

namespace app {

// The caption beside `control`, a child of `parent` naming it for a screen reader (its buddy).
QLabel* captionFor(QWidget* control, const QString& text, QWidget* parent);

class InputPolicy : public QObject {
  Q_OBJECT

 public:
  // Installs the one filter on the application; a second call does nothing.
  static void install();

  // The text entry that takes keys when `focus` has the focus, or null: a line edit, a memo or
  // the entry of a spin box or editable combo box, read-only ones included (selecting to copy).
  static QWidget* textEntry(QWidget* focus);
  // Whether the widget with the focus keeps Ctrl+A (select all) for itself: a text entry, a list
  // or a table (one that cannot select does nothing with it).
  static bool keepsSelectAll(QWidget* focus);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  using QObject::QObject;
};

}  // namespace app
