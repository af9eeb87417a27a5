// A pattern of pixels as one bit per pixel, row by row: setting runs of pixels is a few word operations however
// often they overlap, and the set pixels read back as row spans.
#pragma once

#include <cstdint>
#include <vector>

#include "pieces/RowSpans.h"

class TBitRows {
 public:
  // Width × height pixels, none set.
  void Reset(int width, int height);
  int Width() const { return width_; }
  int Height() const { return height_; }

  // Sets columns span.x0 .. span.x1 - 1 of row y; the span must lie within the pattern.
  void Set(int y, TSpan span);
  // Makes `taken` the set pixels of rows 0 .. rows - 1 as spans (rows past the pattern are empty), reusing its
  // storage; afterwards no pixel is set.
  void Take(int rows, TSpanRows& taken);

 private:
  // Adds the set pixels of row y to the row `out` is building, as sorted, separate spans, and clears them.
  void TakeRow(int y, TSpanRows& out);

  int width_ = 0, height_ = 0, words_ = 0;
  int firstSet_ = 0, lastSet_ = -1;    // the rows that may hold set pixels
  int firstWord_ = 0, lastWord_ = -1;  // and the words of a row that may
  std::vector<std::uint64_t> bits_;
};
