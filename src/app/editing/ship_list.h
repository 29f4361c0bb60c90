#pragma once
// The flight-group list: one owner-drawn line per flight group in its IFF colour, several lines
// selectable, with its pop-up menu. Its command keys are the window's actions (KeyScope::List).

#include <QColor>
#include <QListWidget>

#include <QHash>

#include <vector>

class QFont;
class QFontMetrics;
class QMenu;

namespace app {

// The list widget itself; it knows nothing of the Mission and reports what the user does.
class ShipList : public QListWidget {
  Q_OBJECT
 public:
  explicit ShipList(QWidget* parent = nullptr);
  // The small fixed-pitch font the lists of flight groups are drawn in.
  static QFont listFont();

  // Replaces the lines and shows `selected` as the selection with `current` focused; no
  // selection signal is sent meanwhile.
  void rebuild(const std::vector<QString>& lines, const std::vector<QColor>& colours,
               const std::vector<int>& selected, int current);
  // Replaces the lines at `rows` only (each with its text and colour).
  void updateLines(const std::vector<int>& rows, const std::vector<QString>& lines,
                   const std::vector<QColor>& colours);
  // Shows `selected` with `current` focused; no selection signal is sent meanwhile.
  void showSelection(const std::vector<int>& selected, int current);
  std::vector<int> selectedRows() const;
  bool rebuilding() const { return rebuilding_; }
  QMenu* popupMenu() const { return menu_; }
  // Wide enough for the longest line, so the columns show whole where the window has room.
  QSize sizeHint() const override;

 signals:
  // The user changed the selection or moved the focus (click, keys): the selected rows and the
  // focused one.
  void selectionEdited(std::vector<int> rows, int current);

 protected:
  void keyPressEvent(QKeyEvent* e) override;
  void mousePressEvent(QMouseEvent* e) override;
  void mouseMoveEvent(QMouseEvent* e) override;
  void mouseReleaseEvent(QMouseEvent* e) override;
  void contextMenuEvent(QContextMenuEvent* e) override;
  void changeEvent(QEvent* e) override;

 private:
  void report();
  int lineWidth(const QFontMetrics& fm, const QString& line, bool fixedPitch) const;
  template <class F>
  void asOneAction(F&& base);

  QMenu* menu_;
  bool rebuilding_ = false;
  bool interacting_ = false;
  bool reportPending_ = false;
  // Advances of the characters met so far in the list's (fixed-pitch) font.
  mutable QHash<char16_t, int> advances_;
};

}  // namespace app
