// Cutting a picture into its pieces.
#include "pieces/PieceCut.h"

#include <algorithm>
#include <atomic>
#include <cmath>
#include <condition_variable>
#include <exception>
#include <mutex>
#include <optional>
#include <thread>
#include <utility>

#include "pieces/MaskScale.h"
#include "platform/Random.h"

TCutGrid CutGrid(int pictureWidth, int pictureHeight, int ColCount, int RowCount) {
  if (ColCount <= 0 || RowCount <= 0)
    throw TCutError(QString("в сетке %1 × %2 нет деталей").arg(ColCount).arg(RowCount).toStdString());
  // Columns divide the width and rows the height, so every grid covers its picture.
  const TCutGrid grid{ColCount * RowCount, pictureWidth / ColCount, pictureHeight / RowCount};
  if (grid.PicWidth <= 0 || grid.PicHeight <= 0)
    throw TCutError(QString("картинка %1 × %2 точек мала для сетки %3 × %4")
                        .arg(pictureWidth)
                        .arg(pictureHeight)
                        .arg(ColCount)
                        .arg(RowCount)
                        .toStdString());
  return grid;
}

namespace {
// A margin in outline pixels as picture pixels, rounded up; the product in integers, the division not.
int ToPicture(int margin, int cellPixels) {
  return static_cast<int>(std::ceil(static_cast<double>(margin * cellPixels) / kCellSize));
}
}  // namespace

TPieceGeometry PieceGeometry(const TMargins& margins, const TCutGrid& grid, int row, int col) {
  TPieceGeometry g;
  g.dLeft = ToPicture(margins.Left, grid.PicWidth);
  g.dTop = ToPicture(margins.Top, grid.PicHeight);
  g.dRight = ToPicture(margins.Right, grid.PicWidth);
  g.dBottom = ToPicture(margins.Bottom, grid.PicHeight);
  g.Width = grid.PicWidth + g.dLeft + g.dRight;
  g.Height = grid.PicHeight + g.dTop + g.dBottom;
  g.Left = col * grid.PicWidth - g.dLeft;
  g.Top = row * grid.PicHeight - g.dTop;
  return g;
}

TBitmap32 CopyRegion(const TBitmap32& picture, int left, int top, int w, int h) {
  const int x0 = std::max(left, 0), x1 = std::min(left + w, picture.Width());
  const int y0 = std::max(top, 0), y1 = std::min(top + h, picture.Height());
  TBitmap32 region;
  region.SetSize(w, h);
  if (x0 != left || y0 != top || x1 != left + w || y1 != top + h) region.Clear(0);
  for (int y = y0; y < y1 && x0 < x1; ++y)
    std::copy(picture.ScanLine(y) + x0, picture.ScanLine(y) + x1, region.ScanLine(y - top) + (x0 - left));
  return region;
}

namespace {
// Tracing keeps the global tracer only for one piece, whatever happens.
struct TTrackSession {
  TTrackSession() { TrackPixel.Create(kPatternSize, kPatternSize); }
  ~TTrackSession() { TrackPixel.Destroy(); }
};
}  // namespace

// A level's outlines share their edges; another level's share nothing with them.
void TFastShapes::BeginCut() { TrackPixel.buf.ForgetShapes(); }

TMargins TFastShapes::TraceMask(const QString& outline) {
  TTrackSession session;
  TrackPixel.PathLoadFromString(outline);
  TrackPixel.BuildTrack();
  TrackPixel.FloodFillPattern();
  const TMargins margins = TrackPixel.CropPattern();
  // Swapped, not moved: the tracer's next piece reuses this one's storage.
  std::swap(mask_, TrackPixel.Abmp);
  return margins;
}

void TFastShapes::ApplyMask(TBitmap32& piece) { scaler_.CombineScaledMask(mask_, piece); }

namespace {
// What of a piece needs no random value: its shape, place and pixels. It may run on any thread.
void ShapeOne(const TCutInput& input, const TCutGrid& grid, TShapeMaker& shapes, int index, TCutPiece& piece) {
  piece.Index = index;
  piece.row = index / input.ColCount;
  piece.col = index % input.ColCount;
  piece.margins = shapes.TraceMask(input.outlines[index]);
  const TPieceGeometry& g = piece.geometry = PieceGeometry(piece.margins, grid, piece.row, piece.col);
  piece.bmp = std::make_unique<TBitmap32>(CopyRegion(input.picture, g.Left, g.Top, g.Width, g.Height));
  shapes.ApplyMask(*piece.bmp);
}

// The random values are drawn in this order, piece by piece: scatter row, scatter column, movement, turn.
void PlaceOne(const TCutInput& input, TCutPiece& piece, int trayLeft) {
  const TPieceGeometry& g = piece.geometry;
  const int ry = Random(input.picture.Height() - g.Height);
  const int rx = Random(input.picture.Width() - g.Width);
  const QPoint at = input.ControlToBitmap(QPoint(rx, ry));
  piece.DistanceMoving = kSlowestThumbnailStep + Random(kFastestThumbnailStep - kSlowestThumbnailStep + 1);
  piece.AngleRotation = Random(90);
  piece.Loc_bkg = {static_cast<float>(at.x()), static_cast<float>(at.y()), static_cast<float>(at.x() + g.Width),
                   static_cast<float>(at.y() + g.Height)};
  if (input.speed_movie != 0)
    piece.Loc_list = {static_cast<float>(trayLeft), 0, static_cast<float>(trayLeft + kThumbSize), kThumbSize};
}

TCutError PieceError(const TCutInput& input, int index, const std::exception& e) {
  return TCutError(QString("деталь %1 (ряд %2, столбец %3): %4")
                       .arg(index)
                       .arg(index / input.ColCount)
                       .arg(index % input.ColCount)
                       .arg(e.what())
                       .toStdString());
}

// A range of pieces shaped in order; it stops at the first piece that fails.
struct TShapedRange {
  int failed = -1;
  std::exception_ptr error;
};

// The second half of the pieces, shaped on a thread of its own while the caller shapes the first.
class TSecondHalf {
 public:
  TSecondHalf(const TCutInput& input, const TCutGrid& grid, std::unique_ptr<TShapeMaker> shapes,
              std::vector<TCutPiece>& pieces, int first)
      : thread_([this, &input, &grid, shapes = std::move(shapes), &pieces, first] {
          shapes->BeginCut();
          for (int index = first; index < static_cast<int>(pieces.size()) && !stop_; ++index) {
            try {
              ShapeOne(input, grid, *shapes, index, pieces[index]);
            } catch (...) {
              result_ = {index, std::current_exception()};
              break;
            }
            const std::lock_guard lock(mutex_);
            ++done_;
            changed_.notify_one();
          }
          const std::lock_guard lock(mutex_);
          finished_ = true;
          changed_.notify_one();
        }) {}
  // Whatever unwinds the cut, the thread is stopped and joined before the pieces it writes go.
  ~TSecondHalf() {
    stop_ = true;
    if (thread_.joinable()) thread_.join();
  }
  void Stop() { stop_ = true; }

  // Waits for the range to end, running `idle` once for every piece it shapes.
  TShapedRange Finish(const std::function<void()>& idle) {
    int seen = 0;
    for (;;) {
      std::unique_lock lock(mutex_);
      changed_.wait(lock, [&] { return finished_ || done_ > seen; });
      const int done = done_;
      const bool finished = finished_;
      lock.unlock();
      for (; seen < done; ++seen)
        if (idle) idle();
      if (finished) break;
    }
    thread_.join();
    return result_;
  }

 private:
  std::atomic<bool> stop_{false};
  std::mutex mutex_;
  std::condition_variable changed_;
  int done_ = 0;
  bool finished_ = false;
  TShapedRange result_;
  std::thread thread_;
};
}  // namespace

std::vector<TCutPiece> CutPicture(const TCutInput& input, TShapeMaker& shapes, const std::function<void()>& idle) {
  const TCutGrid grid = CutGrid(input.picture.Width(), input.picture.Height(), input.ColCount, input.RowCount);
  if (static_cast<int>(input.outlines.size()) < grid.PicCount)
    throw TCutError(QString("в уровне контуров деталей %1, а сетке %2 × %3 нужно %4")
                        .arg(input.outlines.size())
                        .arg(input.ColCount)
                        .arg(input.RowCount)
                        .arg(grid.PicCount)
                        .toStdString());
  std::vector<TCutPiece> pieces(grid.PicCount);
  shapes.BeginCut();
  // Neighbours share their edges' shapes, so each thread takes one contiguous half.
  std::unique_ptr<TShapeMaker> second = grid.PicCount > 1 ? shapes.ForAnotherThread() : nullptr;
  const int split = second ? grid.PicCount / 2 : grid.PicCount;
  std::optional<TSecondHalf> secondHalf;
  if (second) secondHalf.emplace(input, grid, std::move(second), pieces, split);

  TShapedRange result;
  for (int index = 0; index < split; ++index) {
    try {
      ShapeOne(input, grid, shapes, index, pieces[index]);
    } catch (...) {
      result = {index, std::current_exception()};
      if (secondHalf) secondHalf->Stop();
      break;
    }
    if (idle) idle();
  }
  if (secondHalf) {
    const TShapedRange later = secondHalf->Finish(result.error ? std::function<void()>() : idle);
    if (!result.error) result = later;
  }

  // The random values come in the game's order, so a cut draws the same ones on one thread or two; a failed cut
  // has drawn those of the pieces before the one that failed.
  const int placed = result.error ? result.failed : grid.PicCount;
  int trayLeft = -grid.PicCount * (kThumbSize + kThumbGap);
  for (int index = 0; index < placed; ++index) {
    PlaceOne(input, pieces[index], trayLeft);
    trayLeft += kThumbSize + kThumbGap;
  }
  if (result.error) {
    try {
      std::rethrow_exception(result.error);
    } catch (const std::exception& e) {
      throw PieceError(input, result.failed, e);
    }
  }
  return pieces;
}
