#include "app/base/accessible_value.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QItemSelectionModel>
#include <QPointer>
#include <QVariant>
#include <QWidget>

namespace app {
namespace {

constexpr const char* ValueProperty = "zynedAccessibleValue";
constexpr const char* LineProperty = "zynedTellsCurrentLine";

class ValuedCanvas : public QAccessibleWidget {
 public:
  explicit ValuedCanvas(QWidget* w) : QAccessibleWidget(w, QAccessible::Canvas) {}
  QString text(QAccessible::Text t) const override {
    if (t == QAccessible::Value) return widget()->property(ValueProperty).toString();
    return QAccessibleWidget::text(t);
  }
};

QString currentLine(const QAbstractItemView* list) {
  return list->currentIndex().data(Qt::DisplayRole).toString().simplified();
}

// The toolkit's list with the current line as its value. The toolkit's own interface (its lines,
// its table and selection) answers everything else; it is made by the toolkit's factory while
// this one stands aside, and goes when this one goes.
class ValuedList : public QAccessibleWidget {
 public:
  ValuedList(QAbstractItemView* list, QAccessibleInterface* own)
      : QAccessibleWidget(list, QAccessible::List), own_(own), ownId_(QAccessible::uniqueId(own)) {}
  ~ValuedList() override {
    if (QAccessible::accessibleInterface(ownId_) == own_)
      QAccessible::deleteAccessibleInterface(ownId_);
  }
  QString text(QAccessible::Text t) const override {
    if (t == QAccessible::Value) return currentLine(static_cast<QAbstractItemView*>(widget()));
    return own_->text(t);
  }
  QAccessible::Role role() const override { return own_->role(); }
  QAccessible::State state() const override { return own_->state(); }
  int childCount() const override { return own_->childCount(); }
  QAccessibleInterface* child(int index) const override { return own_->child(index); }
  int indexOfChild(const QAccessibleInterface* c) const override { return own_->indexOfChild(c); }
  QAccessibleInterface* childAt(int x, int y) const override { return own_->childAt(x, y); }
  QAccessibleInterface* focusChild() const override { return own_->focusChild(); }
  void* interface_cast(QAccessible::InterfaceType t) override {
    if (void* i = own_->interface_cast(t)) return i;
    return QAccessibleWidget::interface_cast(t);
  }

 private:
  QAccessibleInterface* own_;
  QAccessible::Id ownId_;
};

bool makingOwn = false;

QAccessibleInterface* valued(const QString& className, QObject* o) {
  if (!o || !o->isWidgetType()) return nullptr;
  if (o->property(ValueProperty).isValid()) return new ValuedCanvas(static_cast<QWidget*>(o));
  // Asked first under the list's own class: the toolkit answers under a class it knows.
  if (makingOwn || !o->property(LineProperty).toBool() ||
      className != QLatin1String(o->metaObject()->className()))
    return nullptr;
  makingOwn = true;
  QAccessibleInterface* own = QAccessible::queryAccessibleInterface(o);
  makingOwn = false;
  if (!own) return nullptr;
  return new ValuedList(static_cast<QAbstractItemView*>(o), own);
}

// Installs the factory and drops an interface the toolkit made for `w` before it was marked
// (a widget is asked for one while it is built), so that the next question gets this one.
template <class Valued>
void takeOver(QWidget* w) {
  static const bool installed = [] {
    QAccessible::installFactory(valued);
    return true;
  }();
  (void)installed;
  QAccessibleInterface* i = QAccessible::queryAccessibleInterface(w);
  if (i && !dynamic_cast<Valued*>(i))
    QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(i));
}

}  // namespace

void setAccessibleValue(QWidget* canvas, const QString& value) {
  const QVariant old = canvas->property(ValueProperty);
  canvas->setProperty(ValueProperty, value);
  if (!old.isValid()) takeOver<ValuedCanvas>(canvas);
  if (old.isValid() && old.toString() != value && QAccessible::isActive()) {
    QAccessibleValueChangeEvent event(canvas, value);
    QAccessible::updateAccessibility(&event);
  }
}

void tellCurrentLine(QAbstractItemView* list) {
  list->setProperty(LineProperty, true);
  takeOver<ValuedList>(list);
  const auto tell = [list = QPointer<QAbstractItemView>(list)] {
    if (!list || !QAccessible::isActive()) return;
    QAccessibleValueChangeEvent event(list, currentLine(list));
    QAccessible::updateAccessibility(&event);
  };
  QObject::connect(list->selectionModel(), &QItemSelectionModel::currentChanged, list, tell);
}

}  // namespace app
