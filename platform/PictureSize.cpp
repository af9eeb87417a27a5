// Bounds of a picture's size.
#include "platform/PictureSize.h"

bool IsPictureSizeAllowed(qint64 width, qint64 height, TPictureBounds bounds) {
  return width > 0 && height > 0 && width <= bounds.side && height <= bounds.side && width * height <= bounds.pixels;
}

QString PictureSizeRefusal(qint64 width, qint64 height, TPictureBounds bounds) {
  return QString("заявлен размер %1 × %2 точек, а картинка может быть не больше %3 точек по стороне и %4 мегапикселей")
      .arg(width)
      .arg(height)
      .arg(bounds.side)
      .arg(bounds.pixels >> 20);
}
