// Every window through the accessibility interface: each control that takes the focus has a
// name a screen reader can say (a list or a grid with a caption, the caption's), and the Tab key
// walks a window in its visual order.
#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QAccessible>
#include <QBoxLayout>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>

#include "every_window.h"

namespace {

using namespace testing_gui;

QString describe(const QWidget* w) {
  QString name = w->objectName();
  for (const QWidget* p = w->parentWidget(); name.isEmpty() && p; p = p->parentWidget())
    if (!p->objectName().isEmpty()) name = QStringLiteral("in ") + p->objectName();
  return QString::fromLatin1(w->metaObject()->className()) + QLatin1Char(' ') + name;
}

// The widgets Tab stops at in `window`, in the order it does (the chain once round).
QList<QWidget*> tabStops(QWidget* window) {
  QList<QWidget*> out;
  QWidget* w = window;
  for (int guard = 0; guard < 5000; ++guard) {
    w = w->nextInFocusChain();
    if (!w || w == window) break;
    if (w->window() != window || !w->isVisible() || !w->isEnabled() || w->focusProxy() ||
        !(w->focusPolicy() & Qt::TabFocus))
      continue;
    out << w;
  }
  return out;
}

// What a screen reader says a control is. A combo box gives its entry as its name on some
// desktops: it is named only by a name of its own, a label or its tool tip.
QString nameOf(QWidget* w) {
  QAccessibleInterface* i = QAccessible::queryAccessibleInterface(w);
  if (!i) return {};
  if (qobject_cast<QComboBox*>(w)) {
    if (!w->accessibleName().isEmpty()) return w->accessibleName();
    for (const auto& [label, relation] : i->relations(QAccessible::Label))
      if (label && !label->text(QAccessible::Name).isEmpty()) return label->text(QAccessible::Name);
    return {};
  }
  return i->text(QAccessible::Name).trimmed();
}

// The label directly above `w` in `layout` (spacing between them aside), if `layout` holds `w`.
// A label that wraps is a sentence or a folder, not a caption.
QLabel* labelAbove(QLayout* layout, QWidget* w) {
  const int i = layout->indexOf(w);
  QLayoutItem* above = nullptr;
  if (auto* grid = qobject_cast<QGridLayout*>(layout); grid && i >= 0) {
    int row = 0, column = 0, rows = 0, columns = 0;
    grid->getItemPosition(i, &row, &column, &rows, &columns);
    if (row > 0) above = grid->itemAtPosition(row - 1, column);
  } else if (auto* box = qobject_cast<QBoxLayout*>(layout);
             box && i >= 0 && box->direction() == QBoxLayout::TopToBottom) {
    for (int k = i - 1; k >= 0 && !above; --k)
      if (!box->itemAt(k)->spacerItem()) above = box->itemAt(k);
  }
  auto* label = above ? qobject_cast<QLabel*>(above->widget()) : nullptr;
  return label && label->isVisible() && !label->wordWrap() && !label->text().trimmed().isEmpty()
             ? label
             : nullptr;
}

// The caption a list or a grid has on the screen: the label whose buddy it is, else the label
// directly above it in its layout.
QLabel* captionOf(QWidget* w) {
  for (QLabel* l : w->window()->findChildren<QLabel*>())
    if (l->buddy() == w) return l;
  QWidget* parent = w->parentWidget();
  if (!parent || !parent->layout()) return nullptr;
  QList<QLayout*> layouts{parent->layout()};
  while (!layouts.isEmpty()) {
    QLayout* l = layouts.takeFirst();
    if (l->indexOf(w) >= 0) return labelAbove(l, w);
    for (int k = 0; k < l->count(); ++k)
      if (QLayout* sub = l->itemAt(k)->layout()) layouts << sub;
  }
  return nullptr;
}

QRect placeIn(const QWidget* window, const QWidget* w) {
  return {w->mapTo(window, QPoint()), w->size()};
}

// Tab goes on to the right or down. It goes back up only into a column further right (the next
// column or group of a page); within a row it goes from left to right.
bool goesBack(const QRect& from, const QRect& to) {
  const bool above = to.bottom() < from.top();
  const bool sameRow = to.center().y() >= from.top() && to.center().y() <= from.bottom() &&
                       from.center().y() >= to.top() && from.center().y() <= to.bottom();
  return (above && to.left() <= from.left()) || (sameRow && to.right() < from.left());
}

class Accessibility : public EveryWindow {};

TEST_F(Accessibility, EveryFocusableControlHasANameAndTabFollowsTheLayout) {
  startWithRecords();
  QStringList faults;
  int windows = 0;
  walk([&](QWidget* window, const QString& where) {
    ++windows;
    const QList<QWidget*> stops = tabStops(window);
    for (QWidget* w : stops) {
      // The line edit inside a spin or combo box speaks for the box.
      if (qobject_cast<QAbstractSpinBox*>(w->parentWidget()) ||
          qobject_cast<QComboBox*>(w->parentWidget()))
        continue;
      if (nameOf(w).isEmpty()) faults << where + QStringLiteral(": no name: ") + describe(w);
      // A list or a grid is named by its caption, not by the frame around it.
      if (qobject_cast<QAbstractItemView*>(w))
        if (const QLabel* caption = captionOf(w)) {
          const QString said = caption->text().remove(QLatin1Char('&')).trimmed();
          if (nameOf(w) != said)
            faults << where + QStringLiteral(": ") + describe(w) + QStringLiteral(" is named \"") +
                          nameOf(w) + QStringLiteral("\", not by its caption \"") + said +
                          QLatin1Char('"');
        }
    }
    for (qsizetype k = 1; k < stops.size(); ++k)
      if (goesBack(placeIn(window, stops[k - 1]), placeIn(window, stops[k])))
        faults << where + QStringLiteral(": Tab goes back from ") + describe(stops[k - 1]) +
                      QStringLiteral(" to ") + describe(stops[k]);
  });
  EXPECT_GT(windows, 40);
  faults.removeDuplicates();
  EXPECT_TRUE(faults.isEmpty()) << faults.size() << " faults:\n"
                                << faults.join(QLatin1Char('\n')).toStdString();
}

}  // namespace
