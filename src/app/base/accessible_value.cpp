#include "app/base/accessible_value.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QVariant>
#include <QWidget>

namespace app {
namespace {

constexpr const char* ValueProperty = "zynedAccessibleValue";

class ValuedCanvas : public QAccessibleWidget {
 public:
  explicit ValuedCanvas(QWidget* w) : QAccessibleWidget(w, QAccessible::Canvas) {}
  QString text(QAccessible::Text t) const override {
    if (t == QAccessible::Value) return widget()->property(ValueProperty).toString();
    return QAccessibleWidget::text(t);
  }
};

QAccessibleInterface* valuedCanvas(const QString&, QObject* o) {
  if (o && o->isWidgetType() && o->property(ValueProperty).isValid())
    return new ValuedCanvas(static_cast<QWidget*>(o));
  return nullptr;
}

}  // namespace

void setAccessibleValue(QWidget* canvas, const QString& value) {
  static const bool installed = [] {
    QAccessible::installFactory(valuedCanvas);
    return true;
  }();
  (void)installed;
  const QVariant old = canvas->property(ValueProperty);
  canvas->setProperty(ValueProperty, value);
  if (old.isValid() && old.toString() != value && QAccessible::isActive()) {
    QAccessibleValueChangeEvent event(canvas, value);
    QAccessible::updateAccessibility(&event);
  }
}

}  // namespace app
