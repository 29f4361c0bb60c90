#include "app/base/coloured_list.h"

#include <QPainter>

#include <cmath>

namespace app {
namespace {

constexpr double TintStrength = 0.2;
constexpr int TextIndent = 2;

double luminance(const QColor& c) {
  const auto channel = [](double v) {
    v /= 255.0;
    return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
  };
  return 0.2126 * channel(c.red()) + 0.7152 * channel(c.green()) + 0.0722 * channel(c.blue());
}

QColor textColour(const QStyleOptionViewItem& option, const QModelIndex& index) {
  const QVariant v = index.data(Qt::ForegroundRole);
  return v.isValid() ? v.value<QBrush>().color() : option.palette.text().color();
}

}  // namespace

QColor ColouredListDelegate::selectionGround(const QColor& ground, const QColor& text) {
  const auto mix = [](int a, int b) {
    return static_cast<int>(std::lround(a + (b - a) * TintStrength));
  };
  return QColor(mix(ground.red(), text.red()), mix(ground.green(), text.green()),
                mix(ground.blue(), text.blue()));
}

double ColouredListDelegate::contrast(const QColor& a, const QColor& b) {
  const double la = luminance(a), lb = luminance(b);
  return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

void ColouredListDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                                 const QModelIndex& index) const {
  painter->save();
  const QColor ground = option.palette.base().color();
  const QColor text = textColour(option, index);
  const bool selected = option.state & QStyle::State_Selected;
  painter->fillRect(option.rect, selected ? selectionGround(ground, text) : ground);
  // The frame is four filled strips one pixel wide: they land on whole device pixels at any
  // device pixel ratio, where a pen's line would be smeared.
  const auto frame = [&](const QBrush& brush) {
    const QRect r = option.rect;
    painter->fillRect(QRect(r.left(), r.top(), r.width(), 1), brush);
    painter->fillRect(QRect(r.left(), r.bottom(), r.width(), 1), brush);
    painter->fillRect(QRect(r.left(), r.top(), 1, r.height()), brush);
    painter->fillRect(QRect(r.right(), r.top(), 1, r.height()), brush);
  };
  if (selected)
    frame(text);
  else if (option.state & QStyle::State_HasFocus)
    frame(QBrush(option.palette.text().color(), Qt::Dense4Pattern));
  painter->setPen(text);
  painter->setFont(option.font);
  // One line, vertically centred, cut at the line's end.
  const QRect area = option.rect.adjusted(TextIndent, 0, 0, 0);
  painter->setClipRect(area, Qt::IntersectClip);
  const int top = area.top() + (area.height() - QFontMetrics(option.font).height()) / 2;
  painter->drawStaticText(area.left(), top,
                          layout(index.data(Qt::DisplayRole).toString(), option.font));
  painter->restore();
}

const QStaticText& ColouredListDelegate::layout(const QString& line, const QFont& font) const {
  if (font != layoutFont_) {
    layouts_.clear();
    layoutFont_ = font;
  }
  auto it = layouts_.find(line);
  if (it == layouts_.end()) {
    // Lines come and go with edits; the layouts of lines long gone are dropped now and then.
    if (layouts_.size() > MaxLayouts) layouts_.clear();
    QStaticText t(line);
    t.setTextFormat(Qt::PlainText);
    t.setPerformanceHint(QStaticText::AggressiveCaching);
    t.prepare(QTransform(), font);
    it = layouts_.insert(line, t);
  }
  return *it;
}

QSize ColouredListDelegate::sizeHint(const QStyleOptionViewItem& option,
                                     const QModelIndex& index) const {
  const QFontMetrics fm(option.font);
  return {fm.horizontalAdvance(index.data(Qt::DisplayRole).toString()) + 2 * TextIndent,
          fm.height() + 2};
}

}  // namespace app
