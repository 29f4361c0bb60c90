// The craft painters draw into plain images.
#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

#include "app/map/craft_painter.h"

namespace {

// Pixels of `img` that are not black, and whether all of them have colour `c`.
struct Ink {
  int count = 0;
  bool allOf = true;
  QRect box;
};
Ink inkOf(const QImage& img, QColor c) {
  Ink ink;
  for (int y = 0; y < img.height(); ++y)
    for (int x = 0; x < img.width(); ++x) {
      const QRgb px = img.pixel(x, y);
      if (qRed(px) == 0 && qGreen(px) == 0 && qBlue(px) == 0) continue;
      ++ink.count;
      ink.allOf = ink.allOf && QColor(px) == c;
      ink.box |= QRect(x, y, 1, 1);
    }
  return ink;
}

QImage blank(int w = 100, int h = 100) {
  QImage img(w, h, QImage::Format_RGB32);
  img.fill(Qt::black);
  return img;
}

TEST(CraftPainter, IconInItsRowColourAroundTheCentre) {
  for (int row = 0; row < 5; ++row) {
    QImage img = blank();
    {
      QPainter p(&img);
      app::paintCraftIcon(p, QPointF(50, 50), 1, row);
    }
    const Ink ink = inkOf(img, app::iconRowColour(row));
    EXPECT_GT(ink.count, 10) << row;
    EXPECT_TRUE(ink.allOf) << row;
    EXPECT_TRUE(QRect(42, 40, 16, 20).contains(ink.box)) << row;
  }
}

TEST(CraftPainter, EveryIconColumnHasArt) {
  const QImage& strip = app::craftIconStrip();
  ASSERT_EQ(strip.size(), QSize(1404, 100));
  for (int c = 1; c <= 74; ++c) {
    QImage cell = blank(16, 20);
    {
      QPainter p(&cell);
      app::paintIconColumn(p, QPointF(0, 0), c, 0);
    }
    EXPECT_GT(inkOf(cell, app::iconRowColour(0)).count, 4) << c;
  }
}

TEST(CraftPainter, IconsOrIntoWhatLiesBelow) {
  QImage img = blank();
  img.fill(QColor(0, 0, 255));
  {
    QPainter p(&img);
    app::paintCraftIcon(p, QPointF(50, 50), 42, 1);  // red
  }
  bool magenta = false;
  for (int y = 40; y < 60; ++y)
    for (int x = 42; x < 58; ++x) magenta = magenta || img.pixelColor(x, y) == QColor(255, 0, 255);
  EXPECT_TRUE(magenta);
  EXPECT_EQ(img.pixelColor(0, 0), QColor(0, 0, 255));
}

TEST(CraftPainter, WireframeOrIconChoice) {
  QImage img = blank(200, 200);
  QPainter p(&img);
  EXPECT_FALSE(app::paintCraftWireframe(p, QPointF(100, 100), 1, 4, {}, Qt::green));
  EXPECT_TRUE(app::paintCraftWireframe(p, QPointF(100, 100), 26, 1000, {}, Qt::green));
  p.end();
  const Ink ink = inkOf(img, Qt::green);
  EXPECT_GT(ink.count, 100);
  // Facing -Y without Waypoint 1: 70 m tall, 38 m wide at 1 px per metre (plus the dot).
  EXPECT_EQ(ink.box.height(), 71);
  EXPECT_EQ(ink.box.width(), 39);
}

}  // namespace
