// The level maker shared by the pack tool and the player's own pictures: the picture it makes of a source.
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

#include "engine/level/LevelMaker.h"

namespace {
// A picture whose central square is green with a black square in its middle, and red beyond the square.
QImage Framed(QSize size) {
  QImage image(size, QImage::Format_RGB32);
  image.fill(Qt::red);
  const int side = std::min(size.width(), size.height());
  const QRect square((size.width() - side) / 2, (size.height() - side) / 2, side, side);
  QPainter painter(&image);
  painter.fillRect(square, Qt::green);
  painter.fillRect(QRect(square.topLeft() + QPoint(side / 4, side / 4), QSize(side / 2, side / 2)), Qt::black);
  return image;
}

bool Near(QColor a, QColor b) {
  return std::abs(a.red() - b.red()) < 24 && std::abs(a.green() - b.green()) < 24 && std::abs(a.blue() - b.blue()) < 24;
}

TEST(LevelPicture, KeepsTheCentralSquareUndistorted) {
  const struct {
    const char* name;
    QSize size;
  } cases[] = {
      {"landscape", {1200, 900}}, {"portrait", {600, 1000}}, {"square", {400, 400}}, {"odd width", {1001, 700}}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const QImage picture = LevelPicture(Framed(c.size));
    ASSERT_EQ(picture.size(), QSize(800, 800));
    // The edges are the square's green, never the red beyond it; the black square stays square and centred.
    for (QPoint at : {QPoint(4, 400), QPoint(795, 400), QPoint(400, 4), QPoint(400, 795)})
      EXPECT_TRUE(Near(picture.pixelColor(at), Qt::green)) << at.x() << "," << at.y();
    for (QPoint at : {QPoint(215, 400), QPoint(585, 400), QPoint(400, 215), QPoint(400, 585)})
      EXPECT_TRUE(Near(picture.pixelColor(at), Qt::black)) << at.x() << "," << at.y();
    for (QPoint at : {QPoint(185, 400), QPoint(615, 400), QPoint(400, 185), QPoint(400, 615)})
      EXPECT_TRUE(Near(picture.pixelColor(at), Qt::green)) << at.x() << "," << at.y();
  }
}

TEST(LevelPicture, LaysTransparencyOverWhite) {
  QImage image(200, 200, QImage::Format_ARGB32);
  image.fill(Qt::transparent);
  QPainter painter(&image);
  painter.fillRect(50, 50, 100, 100, Qt::blue);
  painter.fillRect(0, 0, 50, 50, QColor(0, 0, 0, 128));
  painter.end();
  const QImage picture = LevelPicture(image);
  EXPECT_TRUE(Near(picture.pixelColor(700, 700), Qt::white));
  EXPECT_TRUE(Near(picture.pixelColor(400, 400), Qt::blue));
  EXPECT_TRUE(Near(picture.pixelColor(100, 100), QColor(127, 127, 127))) << "half black over white is grey";
}
}  // namespace
