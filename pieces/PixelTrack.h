// The outline tracer: strokes a piece's Bezier outline, fills its outside and crops it to the piece's shape mask.
#pragma once

#include <QPoint>
#include <QString>
#include <vector>

#include "pieces/MaskScale.h"
#include "pieces/OutlinePath.h"
#include "pieces/RowSpans.h"
#include "pieces/StrokeCanvas.h"
#include "view/Bitmap32.h"

// How far a piece's shape reaches beyond its cell on each side, in outline pixels.
struct TMargins {
  int Left = 0, Top = 0, Right = 0, Bottom = 0;
  bool operator==(const TMargins&) const = default;
};

// Outline space: the cell is the square 200..600 of an 800 × 800 pattern, with a band around it for the tabs.
constexpr int kPatternSize = 800;
constexpr int kCellBand = 200;
constexpr int kCellSize = 400;
// Near-empty bands are taken as empty: a straight edge's stroke reaches 5 pixels out, and rounding a little more.
constexpr int kSnapBandMin = 193;

// One instance, TrackPixel, created and destroyed once per piece. The pattern is kept as pixel spans per row rather
// than as an 800 × 800 bitmap: the strokes, then the outside, then the cropped shape; PatternAssignTo paints it.
struct TPixelTrack {
  TStrokeCanvas buf;  // collects the pen's pixels, curve by curve
  int Awidth = 0;
  int Aheight = 0;
  std::vector<TCurve> TrackCurv;
  int PointCount = -1;
  int PointAproxCount = 0;
  std::vector<QPoint> PT;
  std::vector<float> C;
  int penWidth = 0;
  TSpanRows Strokes;  // stroke pixels of every curve drawn so far, per pattern row
  TSpanRows Inside;   // after FloodFillPattern: the strokes and what they cut off from the border
  TOutsideFill fill;  // works out Inside
  TSpanMask Abmp;     // after CropPattern: the shape, cropped to the cell and its margins

  void Create(int width, int height);
  void PathLoadFromString(const QString& data);
  void BuildTrack();
  void SetBinomialCoefficient();
  float GetBinomialCoefficient(int m, int i) { return BinomialCoefficient(m, i); }
  void Redraw();
  void DrawBezier(TStrokeCanvas& Canvas, int ApproximityPointCount);
  void FloodFillPattern();
  // Throws TOutlineError when the outline encloses nothing that reaches into the cell.
  TMargins CropPattern();
  // The cropped pattern as a bitmap: white shape on kOutsideFill.
  void PatternAssignTo(TBitmap32& bmp) const;
  void Destroy();
};

// One per thread, so that pieces can be traced on every core at once.
extern thread_local TPixelTrack TrackPixel;
