// Cutting a picture into its pieces on images and numbers alone: the work behind CreateMatrixPics.
#pragma once

#include <QPoint>
#include <QString>
#include <functional>
#include <memory>
#include <stdexcept>
#include <vector>

#include "pieces/Geometry.h"
#include "pieces/PixelTrack.h"

// A piece that cannot be cut; the text names the piece.
class TCutError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Working values of one cut.
struct TCutGrid {
  int PicCount = 0;
  int PicWidth = 0;   // picture width div ColCount
  int PicHeight = 0;  // picture height div RowCount
};

// Throws TCutError for a grid without cells or cells without pixels.
TCutGrid CutGrid(int pictureWidth, int pictureHeight, int ColCount, int RowCount);

// Tray thumbnails are this size, with this gap between them in the row.
constexpr int kThumbSize = 40;
constexpr int kThumbGap = 10;
// A thumbnail moves 10 to 29 pixels a tray tick. One that does not move never comes into reach; one that creeps a
// pixel a tick keeps the player waiting minutes after the rest on a tray slow enough to learn on.
constexpr int kSlowestThumbnailStep = 10;
constexpr int kFastestThumbnailStep = 29;

// A piece's place and size in picture pixels, from its margins in outline pixels.
struct TPieceGeometry {
  int dLeft = 0, dTop = 0, dRight = 0, dBottom = 0;
  int Width = 0, Height = 0;
  int Left = 0, Top = 0;  // home of the bitmap's top-left corner
};
TPieceGeometry PieceGeometry(const TMargins& margins, const TCutGrid& grid, int row, int col);

// The picture region w × h from (left, top), pixel for pixel; beyond the picture's edge transparent black.
TBitmap32 CopyRegion(const TBitmap32& picture, int left, int top, int w, int h);

// How a piece's shape is traced and applied. The game's way is TFastShapes; a literal one can stand in to check it.
class TShapeMaker {
 public:
  virtual ~TShapeMaker() = default;
  // A new cut begins: what was kept from the pieces of an earlier one goes.
  virtual void BeginCut() {}
  // Traces the outline, keeps its cropped mask for ApplyMask and returns its margins; throws TOutlineError.
  virtual TMargins TraceMask(const QString& outline) = 0;
  // Clears the alpha of the piece's pixels outside the last traced mask scaled to the piece's size.
  virtual void ApplyMask(TBitmap32& piece) = 0;
  // A maker of the same kind for another thread; none keeps the cut on one thread.
  virtual std::unique_ptr<TShapeMaker> ForAnotherThread() const { return nullptr; }
};

class TFastShapes : public TShapeMaker {
 public:
  void BeginCut() override;
  TMargins TraceMask(const QString& outline) override;
  void ApplyMask(TBitmap32& piece) override;
  std::unique_ptr<TShapeMaker> ForAnotherThread() const override { return std::make_unique<TFastShapes>(); }
  const TSpanMask& Mask() const { return mask_; }

 private:
  TSpanMask mask_;
  TMaskScaler scaler_;
};

struct TCutInput {
  TBitmap32 picture;  // the level picture, opaque
  int ColCount = 0;
  int RowCount = 0;
  int speed_movie = 0;
  std::vector<QString> outlines;  // row-major, at least ColCount × RowCount
  // Turns a random point of the board control into picture coordinates; the identity without a board.
  std::function<QPoint(QPoint)> ControlToBitmap = [](QPoint p) { return p; };
};

// Everything the cut gives one piece.
struct TCutPiece {
  int Index = 0, row = 0, col = 0;
  TMargins margins;
  TPieceGeometry geometry;
  int DistanceMoving = 0;
  int AngleRotation = 0;
  TFloatRect Loc_bkg;
  TFloatRect Loc_list;
  std::unique_ptr<TBitmap32> bmp;
};

// Cuts every piece, drawing the random values in the game's order. Throws TCutError naming the first piece that
// fails; nothing of the cut is returned then. `idle` runs on the calling thread once for every piece cut. With a
// maker for another thread the second half of the pieces is traced there, and the pieces come out the same.
std::vector<TCutPiece> CutPicture(const TCutInput& input, TShapeMaker& shapes, const std::function<void()>& idle = {});
