// The listing's thumbnail: the table in wood's colour, the frame, and each piece from its smallest image, so a
// save of a thousand pieces draws it in a few milliseconds.
#include "free/saves/FreeThumbnail.h"

#include <QPainter>
#include <cmath>

#include "free/puzzle/FreePuzzle.h"

namespace {
const QColor kTable(176, 131, 86);
const QColor kFrame(206, 170, 126);
}  // namespace

QImage FreeThumbnail(const TFreePuzzle& puzzle) {
  const QRectF table = puzzle.Table();
  if (table.isEmpty()) return {};
  const double scale = kFreeThumbnailSide / std::max(table.width(), table.height());
  const QSize size(std::max(1, int(std::lround(table.width() * scale))),
                   std::max(1, int(std::lround(table.height() * scale))));
  QImage thumbnail(size, QImage::Format_RGB32);
  thumbnail.fill(kTable);
  QPainter painter(&thumbnail);
  const QTransform tableToThumbnail =
      QTransform::fromTranslate(-table.left(), -table.top()) * QTransform::fromScale(scale, scale);
  painter.fillRect(tableToThumbnail.mapRect(puzzle.Frame()), kFrame);
  painter.setRenderHint(QPainter::SmoothPixmapTransform);
  for (int group : puzzle.Stacking())
    for (int index : puzzle.Members(group)) {
      const TFreePiece& piece = puzzle.Pieces()[index];
      const QImage& image = piece.Smaller.empty() ? piece.Image : piece.Smaller.back();
      if (image.isNull()) continue;
      // The smaller image covers the same picture area as the piece's own.
      const QTransform levelToPiece = QTransform::fromScale(double(piece.Image.width()) / image.width(),
                                                            double(piece.Image.height()) / image.height());
      painter.setTransform(levelToPiece * puzzle.PieceToTable(index) * tableToThumbnail);
      painter.drawImage(0, 0, image);
    }
  return thumbnail;
}
