#pragma once
// Drawing the lines of a list whose text carries a colour of its own (the IFF colour of a flight
// group, a message's colour, a team's colour): the flight-group, goal, message and library
// lists share it. A selected line keeps its own text colour and is shown by a faint tint of
// that colour with an outline in it, so red text never lands on a dark grey bar. The delegate
// keeps the layout of each line it drew (shaping a line's text was most of its drawing, and a
// list draws the same lines again on every selection and scroll).

#include <QColor>
#include <QFont>
#include <QHash>
#include <QStaticText>
#include <QStyledItemDelegate>

namespace app {

class ColouredListDelegate : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;

  void paint(QPainter* painter, const QStyleOptionViewItem& option,
             const QModelIndex& index) const override;
  QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

  // The ground of a selected line: the line's colour laid faintly over the list's ground.
  static QColor selectionGround(const QColor& ground, const QColor& text);
  // The contrast of two colours as the accessibility guidelines measure it (1 to 21).
  static double contrast(const QColor& a, const QColor& b);

 private:
  static constexpr qsizetype MaxLayouts = 4096;
  const QStaticText& layout(const QString& line, const QFont& font) const;
  mutable QHash<QString, QStaticText> layouts_;
  mutable QFont layoutFont_;
};

}  // namespace app
