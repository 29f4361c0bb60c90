// Every window through the accessibility interface: each control that takes the focus has a
// name a screen reader can say, and the Tab key walks a window in its visual order.
#include <QAbstractSpinBox>
#include <QAccessible>
#include <QComboBox>

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
