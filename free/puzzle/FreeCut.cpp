// Cutting a free puzzle on every core: the game's outlines, its tracer and its mask scaler, one set per worker.
#include "free/puzzle/FreeCut.h"

#include <QString>
#include <QStringList>
#include <algorithm>
#include <atomic>
#include <cmath>
#include <exception>
#include <functional>
#include <thread>

#include "free/puzzle/PixelBlock.h"
#include "free/puzzle/SmallerLevels.h"
#include "pieces/JigsawOutlines.h"
#include "pieces/PieceCut.h"

namespace {
// A margin in outline pixels as pixels of this cell's side, rounded up as the level game's cut does.
int ToCell(int margin, int cellPixels) {
  return static_cast<int>(std::ceil(static_cast<double>(margin) * cellPixels / kCellSize));
}

// Runs job(worker, index) for every index on `workers` threads, each taking the next index; the calling thread is
// worker 0. The first failure stops the rest and is thrown here.
void OnWorkers(int count, int workers, const std::function<void(int, int)>& job) {
  std::atomic<int> next = 0;
  std::vector<std::exception_ptr> failures(workers);
  auto work = [&](int worker) {
    try {
      for (int index = next++; index < count; index = next++) job(worker, index);
    } catch (...) {
      failures[worker] = std::current_exception();
      next = count;
    }
  };
  std::vector<std::thread> threads;
  for (int worker = 1; worker < workers; ++worker) threads.emplace_back(work, worker);
  work(0);
  for (std::thread& thread : threads) thread.join();
  for (const std::exception_ptr& failure : failures) {
    if (!failure) continue;
    try {
      std::rethrow_exception(failure);
    } catch (const std::exception& e) {
      throw TFreeError(QString("деталь не вырезается: %1").arg(e.what()).toStdString());
    }
  }
}

// A piece's shape and its rectangle in the picture, the cell grown by the tab margins.
struct TTraced {
  TSpanMask mask;
  QRect rect;
  std::size_t offset = 0;  // of its pixels in the block, its smaller levels following
};

// The picture's pixels under the rectangle; beyond the picture transparent (a straight border never reaches it).
void CopyRegion(const QImage& picture, QRect rect, TBitmap32& region) {
  const QRect inside = rect & picture.rect();
  if (inside != rect) region.Clear(0);
  for (int y = inside.top(); y <= inside.bottom(); ++y) {
    const auto* from = reinterpret_cast<const TColor32*>(picture.constScanLine(y));
    std::copy(from + inside.left(), from + inside.left() + inside.width(),
              region.ScanLine(y - rect.top()) + (inside.left() - rect.left()));
  }
}

void Premultiply(TBitmap32& bitmap) {
  TColor32* pixel = bitmap.Bits();
  for (TColor32* end = pixel + static_cast<std::size_t>(bitmap.Width()) * bitmap.Height(); pixel != end; ++pixel)
    if (AlphaOf(*pixel) != 255) *pixel = qPremultiply(*pixel);
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
  if (workers <= 0) workers = static_cast<int>(std::thread::hardware_concurrency());
  workers = std::clamp(workers, 1, count);

  // First every shape, so that every piece's size is known before the block for their pixels is taken. A piece
  // depends only on its outline, so the order in which the workers take them does not matter.
  std::vector<TTraced> traced(count);
  std::vector<TFastShapes> shapes(workers);
  for (TFastShapes& s : shapes) s.BeginCut();
  OnWorkers(count, workers, [&](int worker, int index) {
    const TMargins margins = shapes[worker].TraceMask(outlines[index]);
    const QRect cell = FreeCell(grid, index % grid.Columns, index / grid.Columns);
    traced[index].rect = cell.adjusted(-ToCell(margins.Left, cell.width()), -ToCell(margins.Top, cell.height()),
                                       ToCell(margins.Right, cell.width()), ToCell(margins.Bottom, cell.height()));
    traced[index].mask = shapes[worker].Mask();
  });
  std::size_t bytes = 0;
  for (TTraced& t : traced) {
    t.offset = bytes;
    bytes += ImageBytes(t.rect.size());
    for (QSize level : SmallerLevelSizes(t.rect.size())) bytes += ImageBytes(level);
  }
  const auto block = std::make_shared<TPixelBlock>(bytes);

  std::vector<TFreePiece> pieces(count);
  std::vector<TMaskScaler> scalers(workers);
  OnWorkers(count, workers, [&](int worker, int index) {
    TTraced& t = traced[index];
    TFreePiece& piece = pieces[index];
    piece.Index = index;
    piece.Row = index / grid.Columns;
    piece.Column = index % grid.Columns;
    piece.Home = t.rect.topLeft();
    {
      TBitmap32 bitmap;
      bitmap.Image() =
          QImage(block->At(t.offset), t.rect.width(), t.rect.height(), t.rect.width() * 4, QImage::Format_ARGB32);
      CopyRegion(source, t.rect, bitmap);
      scalers[worker].CombineScaledMask(t.mask, bitmap);
      Premultiply(bitmap);
    }
    t.mask = TSpanMask();
    piece.Image = BlockImage(block, t.offset, t.rect.size(), QImage::Format_ARGB32_Premultiplied);
    std::size_t offset = t.offset + ImageBytes(t.rect.size());
    for (QSize size : SmallerLevelSizes(t.rect.size())) {
      QImage level = BlockImage(block, offset, size, QImage::Format_ARGB32_Premultiplied);
      HalfSizeInto(piece.Smaller.empty() ? piece.Image : piece.Smaller.back(), level);
      piece.Smaller.push_back(std::move(level));
      offset += ImageBytes(size);
    }
  });
  return pieces;
}
