#include "app/base/combo_text.h"

#include <QAbstractScrollArea>
#include <QAbstractSpinBox>
#include <QComboBox>
#include <QIconEngine>
#include <QLineEdit>
#include <QPainter>
#include <QPointer>
#include <QStyleOptionComboBox>
#include <QStyleOptionSpinBox>

#include "app/base/coloured_list.h"

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

// A style's icon taken from the style the first time it is drawn or measured.
class LateStyleIcon : public QIconEngine {
 public:
  LateStyleIcon(QStyle* style, QStyle::StandardPixmap which) : style_(style), which_(which) {}

  void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override {
    icon().paint(painter, rect, Qt::AlignCenter, mode, state);
  }
  QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
    return icon().pixmap(size, mode, state);
  }
  QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state,
                       qreal scale) override {
    return icon().pixmap(size / scale, scale, mode, state);
  }
  QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
    return icon().actualSize(size, mode, state);
  }
  QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override {
    return icon().availableSizes(mode, state);
  }
  QIconEngine* clone() const override { return new LateStyleIcon(*this); }
  QString key() const override { return QStringLiteral("ZynEDLateStyleIcon"); }

 private:
  const QIcon& icon() {
    if (!taken_) {
      taken_ = true;
      if (style_) icon_ = style_->standardIcon(which_);
    }
    return icon_;
  }

  QPointer<QStyle> style_;
  QStyle::StandardPixmap which_;
  QIcon icon_;
  bool taken_ = false;
};

// The outline a control needs on `palette`'s ground, where the style's own (a shade darker than
// the ground) cannot be seen; invalid where the style's own shows.
QColor missingOutline(const QPalette& palette) {
  const QColor ground = palette.color(QPalette::Window);
  if (ground.lightness() > 40) return {};
  const QColor mid = palette.color(QPalette::Mid);
  return ColouredListDelegate::contrast(mid, ground) >= 3 ? mid
                                                          : palette.color(QPalette::WindowText);
}

void drawOutline(QPainter* painter, const QRect& r, const QColor& colour, bool round) {
  painter->save();
  painter->setRenderHint(QPainter::Antialiasing, round);
  painter->setPen(QPen(colour, 1));
  painter->setBrush(Qt::NoBrush);
  const QRectF line = QRectF(r).adjusted(0.5, 0.5, -0.5, -0.5);
  if (round)
    painter->drawEllipse(line);
  else
    painter->drawRect(line);
  painter->restore();
}

}  // namespace

void ComboTextStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option,
                                   QPainter* painter, const QWidget* widget) const {
  QProxyStyle::drawPrimitive(element, option, painter, widget);
  if (element != PE_FrameLineEdit && element != PE_IndicatorCheckBox &&
      element != PE_IndicatorRadioButton)
    return;
  // A line edit inside a spin box or combo box is framed by its box.
  if (element == PE_FrameLineEdit && widget && widget->parentWidget() &&
      (qobject_cast<const QAbstractSpinBox*>(widget->parentWidget()) ||
       qobject_cast<const QComboBox*>(widget->parentWidget())))
    return;
  if (const QColor c = missingOutline(option->palette); c.isValid())
    drawOutline(painter, option->rect, c, element == PE_IndicatorRadioButton);
}

void ComboTextStyle::drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                                        QPainter* painter, const QWidget* widget) const {
  QProxyStyle::drawComplexControl(control, option, painter, widget);
  if (control != CC_SpinBox && control != CC_ComboBox) return;
  if (const auto* spin = qstyleoption_cast<const QStyleOptionSpinBox*>(option);
      spin && !spin->frame)
    return;
  if (const auto* box = qstyleoption_cast<const QStyleOptionComboBox*>(option); box && !box->frame)
    return;
  if (const QColor c = missingOutline(option->palette); c.isValid())
    drawOutline(painter, option->rect, c, false);
}

QIcon ComboTextStyle::standardIcon(StandardPixmap icon, const QStyleOption* option,
                                   const QWidget* widget) const {
  if (icon != SP_ToolBarHorizontalExtensionButton && icon != SP_ToolBarVerticalExtensionButton)
    return QProxyStyle::standardIcon(icon, option, widget);
  return QIcon(new LateStyleIcon(baseStyle(), icon));
}

void ComboTextStyle::drawControl(ControlElement element, const QStyleOption* option,
                                 QPainter* painter, const QWidget* widget) const {
  // A list's or text box's frame, which the style draws a shade darker than the ground.
  if (element == CE_ShapedFrame) {
    QProxyStyle::drawControl(element, option, painter, widget);
    const auto* frame = qstyleoption_cast<const QStyleOptionFrame*>(option);
    if (frame && frame->frameShape != QFrame::NoFrame &&
        qobject_cast<const QAbstractScrollArea*>(widget))
      if (const QColor c = missingOutline(option->palette); c.isValid())
        drawOutline(painter, option->rect, c, false);
    return;
  }
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
