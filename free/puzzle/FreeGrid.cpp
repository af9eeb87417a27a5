// Fitting a free puzzle's grid to its picture.
#include "free/puzzle/FreeGrid.h"

#include <QString>
#include <algorithm>
#include <cmath>

namespace {
QSize KeptSize(QSize original) {
  const int longSide = std::max(original.width(), original.height());
  if (longSide <= kLongestFreePicture) return original;
  const double scale = static_cast<double>(kLongestFreePicture) / longSide;
  return QSize(std::max(1, static_cast<int>(std::lround(original.width() * scale))),
               std::max(1, static_cast<int>(std::lround(original.height() * scale))));
}

// How far a grid is from the wish, as the sum of two logarithms: of the count's ratio and of the cell's aspect.
double Misfit(QSize picture, int pieces, int columns, int rows) {
  const double cellAspect =
      (static_cast<double>(picture.width()) / columns) / (static_cast<double>(picture.height()) / rows);
  return std::fabs(std::log(static_cast<double>(columns) * rows / pieces)) + std::fabs(std::log(cellAspect));
}
}  // namespace

void CheckFreePieceCount(int pieces) {
  if (pieces < kFewestFreePieces || pieces > kMostFreePieces)
    throw TFreeError(QString("деталей может быть от %1 до %2, а не %3")
                         .arg(kFewestFreePieces)
                         .arg(kMostFreePieces)
                         .arg(pieces)
                         .toStdString());
}

TFreeGrid FitFreeGrid(QSize original, int pieces) {
  CheckFreePieceCount(pieces);
  if (original.width() <= 0 || original.height() <= 0) throw TFreeError("в картинке нет ни одной точки");
  TFreeGrid best;
  best.Picture = KeptSize(original);
  double bestMisfit = 0;
  for (int columns = 1; columns <= pieces; ++columns) {
    const int rows = std::max(1, static_cast<int>(std::lround(static_cast<double>(pieces) / columns)));
    const double misfit = Misfit(best.Picture, pieces, columns, rows);
    if (best.Columns == 0 || misfit < bestMisfit) {
      best.Columns = columns;
      best.Rows = rows;
      bestMisfit = misfit;
    }
  }
  const int cellSide = std::min(best.Picture.width() / best.Columns, best.Picture.height() / best.Rows);
  if (cellSide < kSmallestFreeCell)
    throw TFreeError(QString("картинка %1 × %2 точек мала для %3 деталей: сторона детали меньше %4 точек")
                         .arg(original.width())
                         .arg(original.height())
                         .arg(pieces)
                         .arg(kSmallestFreeCell)
                         .toStdString());
  return best;
}

QRect FreeCell(const TFreeGrid& grid, int column, int row) {
  const int w = grid.Picture.width(), h = grid.Picture.height();
  const int left = column * w / grid.Columns, right = (column + 1) * w / grid.Columns;
  const int top = row * h / grid.Rows, bottom = (row + 1) * h / grid.Rows;
  return QRect(left, top, right - left, bottom - top);
}
