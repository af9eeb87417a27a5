// A pattern kept as pixel spans per row: the stroked outline, and the fill of its outside, without a full bitmap.
#pragma once

#include <vector>

// Columns x0 .. x1 - 1 of one row.
struct TSpan {
  int x0 = 0, x1 = 0;
  bool operator==(const TSpan&) const = default;
};

using TSpanRows = std::vector<std::vector<TSpan>>;

// Sorts each row's spans and merges those that overlap or touch.
void MergeSpans(TSpanRows& rows);

// Pixels of a width-wide pattern that are not covered by `walls` (merged) and are reachable from the pattern's border
// through side neighbours that are not covered either: the outside of an outline whose stroke pixels are the walls.
TSpanRows OutsideSpans(const TSpanRows& walls, int width);

// The columns of 0 .. width - 1 that are not in `spans` (merged).
std::vector<TSpan> Complement(const std::vector<TSpan>& spans, int width);
