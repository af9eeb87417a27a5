// Cutting a free puzzle on every core: the game's outlines, its tracer and its mask scaler, one set per worker.
#include "free/puzzle/FreeCut.h"

#include <QString>
#include <QStringList>
#include <algorithm>
#include <atomic>
#include <cmath>
#include <exception>
#include <thread>

#include "free/puzzle/SmallerLevels.h"
#include "pieces/JigsawOutlines.h"
#include "pieces/PieceCut.h"

namespace {
// A margin in outline pixels as pixels of this cell's side, rounded up as the level game's cut does.
int ToCell(int margin, int cellPixels) {
  return static_cast<int>(std::ceil(static_cast<double>(margin) * cellPixels / kCellSize));
}

// The picture's pixels under the rectangle; beyond the picture transparent (a straight border never reaches it).
TBitmap32 Region(const QImage& picture, QRect rect) {
  TBitmap32 region;
  region.SetSize(rect.width(), rect.height());
  const QRect inside = rect & picture.rect();
  if (inside != rect) region.Clear(0);
  for (int y = inside.top(); y <= inside.bottom(); ++y) {
    const auto* from = reinterpret_cast<const TColor32*>(picture.constScanLine(y));
    std::copy(from + inside.left(), from + inside.left() + inside.width(),
              region.ScanLine(y - rect.top()) + (inside.left() - rect.left()));
  }
  return region;
}

TFreePiece CutOne(const QImage& picture, const TFreeGrid& grid, const QString& outline, int index,
                  TFastShapes& shapes) {
  TFreePiece piece;
  piece.Index = index;
  piece.Row = index / grid.Columns;
  piece.Column = index % grid.Columns;
  const TMargins margins = shapes.TraceMask(outline);
  const QRect cell = FreeCell(grid, piece.Column, piece.Row);
  const QRect rect = cell.adjusted(-ToCell(margins.Left, cell.width()), -ToCell(margins.Top, cell.height()),
                                   ToCell(margins.Right, cell.width()), ToCell(margins.Bottom, cell.height()));
  piece.Home = rect.topLeft();
  TBitmap32 bitmap = Region(picture, rect);
  shapes.ApplyMask(bitmap);
  piece.Image = std::move(bitmap.Image());
  piece.Image.convertTo(QImage::Format_ARGB32_Premultiplied);
  piece.Smaller = SmallerLevels(piece.Image);
  return piece;
}
}  // namespace

std::vector<TFreePiece> CutFreePuzzle(const QImage& picture, const TFreeGrid& grid, std::mt19937& random, int workers) {
  if (picture.size() != grid.Picture) throw TFreeError("картинка не того размера, что у сетки деталей");
  // The tracer reads 0xAARRGGBB words: one conversion here, if any, rather than one per piece.
  const QImage source = picture.format() == QImage::Format_ARGB32 || picture.format() == QImage::Format_RGB32
                            ? picture
                            : picture.convertToFormat(QImage::Format_ARGB32);
  const QStringList outlines = JigsawOutlines(grid.Columns, grid.Rows, random);
  const int count = grid.Columns * grid.Rows;
  std::vector<TFreePiece> pieces(count);

  // Each worker takes the next piece; a piece depends only on its outline, so the order of taking does not matter.
  std::atomic<int> next = 0;
  std::vector<std::exception_ptr> failures;
  auto work = [&](std::exception_ptr& failure) {
    TFastShapes shapes;
    shapes.BeginCut();
    try {
      for (int index = next++; index < count; index = next++)
        pieces[index] = CutOne(source, grid, outlines[index], index, shapes);
    } catch (...) {
      failure = std::current_exception();
      next = count;
    }
  };
  if (workers <= 0) workers = static_cast<int>(std::thread::hardware_concurrency());
  workers = std::clamp(workers, 1, count);
  failures.resize(workers);
  std::vector<std::thread> threads;
  for (int w = 1; w < workers; ++w) threads.emplace_back(work, std::ref(failures[w]));
  work(failures[0]);
  for (std::thread& thread : threads) thread.join();
  for (const std::exception_ptr& failure : failures) {
    if (!failure) continue;
    try {
      std::rethrow_exception(failure);
    } catch (const std::exception& e) {
      throw TFreeError(QString("деталь не вырезается: %1").arg(e.what()).toStdString());
    }
  }
  return pieces;
}
