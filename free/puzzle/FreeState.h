// What a free puzzle is made of and where its pieces lie: enough to make the same puzzle again and put every
// piece back, for saved puzzles and for undo.
#pragma once

#include <QString>
#include <cstdint>
#include <vector>

#include "free/puzzle/FreeLayout.h"

// The same origin always gives the same pieces and the same starting table.
struct TFreeOrigin {
  QString Picture;  // the picture file, absolute
  int Pieces = 0;   // as the player asked, kFewestFreePieces..kMostFreePieces
  bool Turned = false;
  std::uint32_t Seed = 0;
  bool operator==(const TFreeOrigin&) const = default;
};

struct TFreeState {
  std::vector<int> GroupOf;         // of each piece
  std::vector<TGroupPlace> Places;  // of each group; a group no piece is in keeps a place that means nothing
  std::vector<int> Stacking;        // every group some piece is in, once, bottom to top
  bool operator==(const TFreeState&) const = default;
};
