// Stroking on a scratch image just large enough for one curve.
#include "pieces/StrokeCanvas.h"

#include <QPainter>
#include <QPen>
#include <algorithm>

namespace {
constexpr uchar kPaper = 255, kInk = 0;

void Paint(QImage& image, const QPolygon& line, int penWidth) {
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing, false);
  painter.setCompositionMode(QPainter::CompositionMode_Source);
  painter.setPen(QPen(QColor(kInk, kInk, kInk), penWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  painter.drawPolyline(line);
}
}  // namespace

void TStrokeCanvas::Stroke(const QPolygon& line, int penWidth, const QRect& pattern, TSpanRows& rows) {
  if (line.isEmpty()) return;
  // The painter's raster is the same wherever the curve lies, so a curve that keeps well inside the pattern is drawn
  // shifted onto a small image; one that comes near its edge is drawn in place on the whole pattern, clipped as there.
  QRect area = line.boundingRect().adjusted(-penWidth, -penWidth, penWidth, penWidth);
  QPolygon shifted = line;
  if (pattern.contains(area)) {
    shifted.translate(-area.topLeft());
  } else {
    area = pattern;
    shifted.translate(-pattern.topLeft());
  }
  if (scratch_.width() < area.width() || scratch_.height() < area.height())
    scratch_ = QImage(std::max(scratch_.width(), area.width()), std::max(scratch_.height(), area.height()),
                      QImage::Format_Grayscale8);
  // The painter works on a view of the scratch image of exactly the area's size.
  QImage view(scratch_.bits(), area.width(), area.height(), scratch_.bytesPerLine(), QImage::Format_Grayscale8);
  for (int y = 0; y < area.height(); ++y) std::fill_n(view.scanLine(y), area.width(), kPaper);
  Paint(view, shifted, penWidth);

  const int dx = area.left() - pattern.left(), dy = area.top() - pattern.top();
  for (int y = 0; y < area.height(); ++y) {
    const uchar* pixels = view.constScanLine(y);
    std::vector<TSpan>& row = rows[dy + y];
    for (int x = 0; x < area.width();) {
      if (pixels[x] != kInk) {
        ++x;
        continue;
      }
      const int start = x;
      while (x < area.width() && pixels[x] == kInk) ++x;
      row.push_back({dx + start, dx + x});
    }
  }
}
