// Selected lines of the coloured lists stay readable.
#include <QImage>
#include <QPainter>
#include <QStandardItemModel>
#include <QStyleOptionViewItem>

#include <gtest/gtest.h>

#include "app/base/coloured_list.h"
#include "model/colours.h"

namespace {

using app::ColouredListDelegate;

QColor qc(model::Rgb c) {
  return QColor(c.r, c.g, c.b);
}

TEST(ColouredList, EveryIffAndMessageColourStaysReadableWhenSelected) {
  const QColor black(Qt::black);
  for (int iff = 0; iff <= 6; ++iff) {
    const QColor text = qc(model::iffColour(iff));
    EXPECT_GE(
        ColouredListDelegate::contrast(text, ColouredListDelegate::selectionGround(black, text)),
        4.5)
        << iff;
  }
  for (const char c : {'0', '1', '2', '3'}) {
    const QColor text = qc(model::messageColour(c));
    EXPECT_GE(
        ColouredListDelegate::contrast(text, ColouredListDelegate::selectionGround(black, text)),
        4.5)
        << c;
  }
}

TEST(ColouredList, ASelectedLineIsOutlinedAndTintedInItsOwnColour) {
  QStandardItemModel model;
  auto* item = new QStandardItem(QStringLiteral("Red 1"));
  item->setForeground(QColor(255, 0, 0));
  model.appendRow(item);
  ColouredListDelegate delegate;
  QImage image(200, 20, QImage::Format_RGB32);
  image.setDevicePixelRatio(2.0);  // painted sharp on a HiDPI screen
  QStyleOptionViewItem option;
  option.rect = QRect(0, 0, 100, 10);
  option.palette.setColor(QPalette::Base, Qt::black);
  option.state = QStyle::State_Selected | QStyle::State_Enabled;
  QPainter painter(&image);
  delegate.paint(&painter, option, model.index(0, 0));
  painter.end();
  // The outline covers whole device pixels: two of them at a ratio of 2.
  for (const QPoint p : {QPoint(100, 0), QPoint(100, 1), QPoint(100, 19), QPoint(199, 10)})
    EXPECT_EQ(image.pixelColor(p), QColor(255, 0, 0)) << p.x() << "," << p.y();
  EXPECT_EQ(image.pixelColor(100, 2), QColor(51, 0, 0));  // the tint inside
  EXPECT_EQ(image.pixelColor(190, 10), QColor(51, 0, 0));
}

}  // namespace
