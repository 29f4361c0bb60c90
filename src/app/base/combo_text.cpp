#include "app/base/combo_text.h"

#include <QComboBox>
#include <QLineEdit>
#include <QStyleOptionComboBox>

namespace app {
namespace {

// Room for the text in the box's edit field, as the style lays it out.
int textRoom(const QStyleOptionComboBox& o, const QStyle& style, const QWidget* widget) {
  const QRect field =
      style.subControlRect(QStyle::CC_ComboBox, &o, QStyle::SC_ComboBoxEditField, widget);
  int room = field.width() - 2;
  if (!o.currentIcon.isNull()) room -= o.iconSize.width() + 4;
  return room;
}

}  // namespace

void ComboTextStyle::drawControl(ControlElement element, const QStyleOption* option,
                                 QPainter* painter, const QWidget* widget) const {
  const auto* box = qstyleoption_cast<const QStyleOptionComboBox*>(option);
  if (element != CE_ComboBoxLabel || !box || box->editable) {
    QProxyStyle::drawControl(element, option, painter, widget);
    return;
  }
  QStyleOptionComboBox o(*box);
  o.currentText =
      o.fontMetrics.elidedText(o.currentText, Qt::ElideRight, textRoom(o, *this, widget));
  QProxyStyle::drawControl(element, &o, painter, widget);
}

QString cutComboText(const QComboBox& box) {
  QString text =
      box.currentIndex() < 0 && !box.isEditable() ? box.placeholderText() : box.currentText();
  if (text.isEmpty()) return {};
  int room = 0;
  if (const QLineEdit* edit = box.lineEdit()) {
    room = edit->contentsRect().width() - 4;
  } else {
    QStyleOptionComboBox o;
    o.initFrom(&box);
    o.editable = false;
    o.frame = box.hasFrame();
    o.currentText = text;
    o.currentIcon = box.itemIcon(box.currentIndex());
    o.iconSize = box.iconSize();
    room = textRoom(o, *box.style(), &box);
  }
  return box.fontMetrics().horizontalAdvance(text) > room ? text : QString();
}

}  // namespace app
