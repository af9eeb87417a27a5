// Cutting a picture into its pieces.
#include "pieces/PieceCut.h"

#include <algorithm>
#include <cmath>
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
TCutPiece CutOne(const TCutInput& input, const TCutGrid& grid, TShapeMaker& shapes, int index, int trayLeft) {
  TCutPiece piece;
  piece.Index = index;
  piece.row = index / input.ColCount;
  piece.col = index % input.ColCount;
  piece.margins = shapes.TraceMask(input.outlines[index]);
  const TPieceGeometry& g = piece.geometry = PieceGeometry(piece.margins, grid, piece.row, piece.col);

  // The random values are drawn in this order: scatter row, scatter column, movement, turn.
  const int ry = Random(input.picture.Height() - g.Height);
  const int rx = Random(input.picture.Width() - g.Width);
  const QPoint at = input.ControlToBitmap(QPoint(rx, ry));
  piece.DistanceMoving = kSlowestThumbnailStep + Random(kFastestThumbnailStep - kSlowestThumbnailStep + 1);
  piece.AngleRotation = Random(90);
  piece.Loc_bkg = {static_cast<float>(at.x()), static_cast<float>(at.y()), static_cast<float>(at.x() + g.Width),
                   static_cast<float>(at.y() + g.Height)};
  if (input.speed_movie != 0)
    piece.Loc_list = {static_cast<float>(trayLeft), 0, static_cast<float>(trayLeft + kThumbSize), kThumbSize};

  piece.bmp = std::make_unique<TBitmap32>(CopyRegion(input.picture, g.Left, g.Top, g.Width, g.Height));
  shapes.ApplyMask(*piece.bmp);
  return piece;
}
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
  std::vector<TCutPiece> pieces;
  pieces.reserve(grid.PicCount);
  shapes.BeginCut();
  int trayLeft = -grid.PicCount * (kThumbSize + kThumbGap);
  for (int index = 0; index < grid.PicCount; ++index) {
    try {
      pieces.push_back(CutOne(input, grid, shapes, index, trayLeft));
    } catch (const std::exception& e) {
      throw TCutError(QString("деталь %1 (ряд %2, столбец %3): %4")
                          .arg(index)
                          .arg(index / input.ColCount)
                          .arg(index % input.ColCount)
                          .arg(e.what())
                          .toStdString());
    }
    trayLeft += kThumbSize + kThumbGap;
    if (idle) idle();
  }
  return pieces;
}
