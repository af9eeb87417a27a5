// Laying a new free puzzle out: a ring of spots around the frame, one piece in each.
#include "free/puzzle/FreeLayout.h"

#include <algorithm>
#include <cmath>

#include "free/puzzle/PlaceGeometry.h"

namespace {
struct TSlot {
  int Column = 0, Row = 0, Ring = 0;
};
}  // namespace

TFreeLayout LayOutFreeTable(const TFreeGrid& grid, const std::vector<TFreePiece>& pieces, bool turned,
                            std::mt19937& random) {
  // A turned piece stays inside the circle of its diagonal; an upright one inside the largest piece's box.
  double width = 1, height = 1;
  for (const TFreePiece& piece : pieces) {
    const double w = piece.Image.width(), h = piece.Image.height();
    width = std::max(width, turned ? std::hypot(w, h) : w);
    height = std::max(height, turned ? std::hypot(w, h) : h);
  }
  width = std::ceil(width * (1 + kFreeSpotGap));
  height = std::ceil(height * (1 + kFreeSpotGap));

  // The frame lies in a block of whole spots; rings of spots around the block until every piece has one.
  const int count = static_cast<int>(pieces.size());
  const int blockColumns = static_cast<int>(std::ceil(grid.Picture.width() / width));
  const int blockRows = static_cast<int>(std::ceil(grid.Picture.height() / height));
  // The outermost ring alone holds every piece of the picture's border, so sorting them out finds room there.
  const int edgePieces = count - std::max(0, grid.Columns - 2) * std::max(0, grid.Rows - 2);
  int rings = 1;
  while ((blockColumns + 2 * rings) * (blockRows + 2 * rings) - blockColumns * blockRows < count ||
         2 * (blockColumns + blockRows + 4 * rings) - 4 < edgePieces)
    ++rings;
  const int columns = blockColumns + 2 * rings, rows = blockRows + 2 * rings;

  TFreeLayout layout;
  layout.Table = QRectF(0, 0, columns * width, rows * height);
  layout.Frame = QRectF(QPointF(std::round(rings * width + (blockColumns * width - grid.Picture.width()) / 2),
                                std::round(rings * height + (blockRows * height - grid.Picture.height()) / 2)),
                        QSizeF(grid.Picture));

  // The nearest rings are filled first; within the outermost one used, the spots are a random few.
  std::vector<TSlot> spots;
  for (int row = 0; row < rows; ++row)
    for (int column = 0; column < columns; ++column) {
      const int outside = std::max(
          {rings - column, column - (rings + blockColumns - 1), rings - row, row - (rings + blockRows - 1), 0});
      if (outside > 0) spots.push_back({column, row, outside});
    }
  std::shuffle(spots.begin(), spots.end(), random);
  std::stable_sort(spots.begin(), spots.end(), [](const TSlot& a, const TSlot& b) { return a.Ring < b.Ring; });
  spots.resize(count);
  std::shuffle(spots.begin(), spots.end(), random);

  std::uniform_real_distribution<double> angle(0, 360);
  layout.Places.reserve(count);
  for (int i = 0; i < count; ++i) {
    const TFreePiece& piece = pieces[i];
    TGroupPlace place;
    place.Angle = turned ? angle(random) : 0;
    // The piece's centre on the slot's: Origin + Rotate(angle) · centre = slot centre.
    const QPointF centre = QPointF(piece.Home) + QPointF(piece.Image.width(), piece.Image.height()) / 2;
    const QPointF slot((spots[i].Column + 0.5) * width, (spots[i].Row + 0.5) * height);
    place.Origin = slot - Rotated(centre, place.Angle);
    layout.Places.push_back(place);
  }
  return layout;
}
