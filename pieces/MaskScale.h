// Shape masks kept as pixel spans: painting them, and applying them to a piece at the piece's size.
#pragma once

#include "pieces/Lanczos.h"
#include "pieces/RowSpans.h"
#include "play/Bitmap32.h"

// Outside the shape a mask holds this light gray (gray value 200: neither dark nor shape).
constexpr TColor32 kOutsideFill = 0xFFC8C8C8;

// A mask of Width × Height pixels: white on the spans of each row, kOutsideFill elsewhere.
struct TSpanMask {
  int Width = 0;
  int Height = 0;
  TSpanRows Rows;
};

// Makes bmp the mask's bitmap, draw mode blend.
void PaintMask(const TSpanMask& mask, TBitmap32& bmp);

// Clears the alpha of every piece pixel outside the shape, exactly as ScaleBmp of the painted mask to the piece's
// size followed by CombineBmp would, but resampling only near the shape's edges.
void CombineScaledMask(const TSpanMask& mask, TBitmap32& piece, TTapsCache& taps);
