// The table of a new free puzzle: its size, the frame in its middle and where each piece starts.
#pragma once

#include <QPointF>
#include <QRectF>
#include <random>
#include <vector>

#include "free/puzzle/FreeCut.h"

// Where a group lies: table point = Origin + Rotate(Angle) · picture point, a larger angle turning
// counter-clockwise on the screen. The angle is never reduced modulo 360.
struct TGroupPlace {
  QPointF Origin;
  double Angle = 0;
  // Exact, unlike QPointF's own comparison: a place put back must be the very place taken.
  bool operator==(const TGroupPlace& other) const {
    return Origin.x() == other.Origin.x() && Origin.y() == other.Origin.y() && Angle == other.Angle;
  }
};

// Pieces in neighbouring spots keep this part of a spot apart, so that they read as separate.
constexpr double kFreeSpotGap = 1.0 / 16;

struct TFreeLayout {
  QRectF Table;                     // the whole table, larger than the picture
  QRectF Frame;                     // where the assembled picture belongs, centred on the table
  std::vector<TGroupPlace> Places;  // of each piece, alone in its group
};

// Room for every piece to lie apart around the frame, none over it, none off the table, none on another; the
// slots are shuffled. `turned` gives each piece a random angle in 0..360, otherwise they lie upright.
TFreeLayout LayOutFreeTable(const TFreeGrid& grid, const std::vector<TFreePiece>& pieces, bool turned,
                            std::mt19937& random);
