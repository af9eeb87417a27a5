// The piece tracing done literally on full 800 × 800 bitmaps, one curve at a time: the yardstick for the game's
// span-based tracer and mask scaler. Shared with the cut benchmark.
#pragma once

#include <QString>

#include "pieces/PieceCut.h"

struct TReferenceTrack {
  TBitmap32 Abmp;  // the pattern
  TBitmap32 buf;   // one curve's scratch

  // Stroked pattern: white, with the stroke pixels of every curve as 0x00000000.
  void BuildTrack(const QString& outline);
  // Fills everything reachable from the border with kOutsideFill, then whitens what is dark.
  void FloodFillPattern();
  TMargins CropPattern();
};

// Traces with TReferenceTrack and applies the mask with ScaleBmp and CombineBmp, step by step.
class TReferenceShapes : public TShapeMaker {
 public:
  TMargins TraceMask(const QString& outline) override;
  void ApplyMask(TBitmap32& piece) override;

  TBitmap32 mask;  // the last traced outline's cropped mask
};
