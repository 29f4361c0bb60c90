#pragma once
// The small "Information" window that shows one line for a moment and closes by itself (or at the
// user's next action).

#include <QWidget>

class QLabel;

namespace app {

class NoticeWindow : public QWidget {
  Q_OBJECT
 public:
  // Shows `text` for `milliseconds`; the window deletes itself when it closes.
  static NoticeWindow* show(QWidget* parent, const QString& text, int milliseconds);
  // The same, kept until the user's next key or click anywhere in the editor, or `milliseconds`:
  // a notice the user asked for, never gone before it could be read.
  static NoticeWindow* showUntilNextAction(QWidget* parent, const QString& text, int milliseconds);

  QString text() const;
  // 8 pixels per character plus 10: wide enough for the line in the editor's font.
  static int widthFor(const QString& text) { return 8 * static_cast<int>(text.size()) + 10; }
  // The narrowest window that shows its title "Information" whole.
  static int titleWidth();

 private:
  NoticeWindow(QWidget* parent, const QString& text);
  bool eventFilter(QObject* watched, QEvent* event) override;
  QLabel* label_;
};

}  // namespace app
