// Tidying the table: loose pieces laid in spots of one size, in an order of spots, past what is in the way.
#include "free/puzzle/FreeSort.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <tuple>

#include "free/puzzle/FreePuzzle.h"

namespace {
bool Loose(const TFreePuzzle& puzzle, int piece) {
  const int group = puzzle.GroupOf(piece);
  return puzzle.Members(group).size() == 1 && !puzzle.InFrame(group);
}

// A spot that holds the largest of the groups with the layout's gap around it.
QSizeF SpotFor(const TFreePuzzle& puzzle, const std::vector<int>& groups) {
  QSizeF spot(1, 1);
  for (int group : groups) spot = spot.expandedTo(puzzle.Bounds(group).size());
  return spot * (1 + kFreeSpotGap);
}

bool Clear(const std::vector<QRectF>& taken, const QRectF& place) {
  return std::none_of(taken.begin(), taken.end(), [&](const QRectF& t) { return t.intersects(place); });
}

// Moves the groups, in order, into the first spots that cover nothing that stays nor `keepClear`; then the
// groups making way, each into the first place left by a group moved before or else the next free spot. A group
// that finds no room stays where it is, and the others are laid again keeping off it.
std::vector<int> LayInto(TFreePuzzle& puzzle, const std::vector<int>& groups, const std::vector<int>& makingWay,
                         const std::vector<QRectF>& spots, const std::vector<QRectF>& keepClear) {
  std::vector<int> moving = groups;
  moving.insert(moving.end(), makingWay.begin(), makingWay.end());
  std::vector<bool> stays(moving.size(), false);
  std::vector<QPointF> to(moving.size());
  for (bool again = true; again;) {
    again = false;
    std::vector<QRectF> taken = keepClear, left;
    for (int group : puzzle.Stacking())
      if (std::find(moving.begin(), moving.end(), group) == moving.end()) taken.push_back(puzzle.Bounds(group));
    for (std::size_t i = 0; i < moving.size(); ++i)
      if (stays[i]) taken.push_back(puzzle.Bounds(moving[i]));
    auto spot = spots.begin();
    for (std::size_t i = 0; i < moving.size(); ++i) {
      if (stays[i]) continue;
      const QRectF bounds = puzzle.Bounds(moving[i]);
      std::optional<QRectF> place;
      if (i >= groups.size())
        for (const QRectF& hole : left) {
          const QRectF there = bounds.translated(hole.center() - bounds.center());
          if (puzzle.Table().contains(there) && Clear(taken, there)) {
            place = there;
            break;
          }
        }
      if (!place) {
        spot = std::find_if(spot, spots.end(), [&](const QRectF& s) { return Clear(taken, s); });
        if (spot != spots.end()) place = *spot++;
      }
      if (!place) {
        stays[i] = again = true;
        continue;
      }
      to[i] = place->center() - bounds.center();
      taken.push_back(*place);
      if (i < groups.size()) left.push_back(bounds);
    }
  }
  std::vector<int> moved;
  for (std::size_t i = 0; i < moving.size(); ++i)
    if (!stays[i]) {
      puzzle.Move(moving[i], to[i]);
      moved.push_back(moving[i]);
    }
  return moved;
}

// Where a cell of a columns × rows grid lies on its ring, counted clockwise from the ring's top-left corner.
double AroundRing(int column, int row, int columns, int rows) {
  const int ring = std::min({column, row, columns - 1 - column, rows - 1 - row});
  const int across = columns - 2 * ring - 1, down = rows - 2 * ring - 1;
  const int x = column - ring, y = row - ring;
  if (y == 0) return x;
  if (x == across) return across + y;
  if (y == down) return across + down + (across - x);
  return 2 * across + down + (down - y);
}
}  // namespace

std::vector<int> SortEdgePieces(TFreePuzzle& puzzle) {
  const TFreeGrid& grid = puzzle.Grid();
  std::vector<const TFreePiece*> edge, inner;
  for (const TFreePiece& piece : puzzle.Pieces()) {
    if (!Loose(puzzle, piece.Index)) continue;
    const bool border =
        piece.Row == 0 || piece.Column == 0 || piece.Row == grid.Rows - 1 || piece.Column == grid.Columns - 1;
    (border ? edge : inner).push_back(&piece);
  }
  std::stable_sort(edge.begin(), edge.end(), [&](const TFreePiece* a, const TFreePiece* b) {
    return AroundRing(a->Column, a->Row, grid.Columns, grid.Rows) <
           AroundRing(b->Column, b->Row, grid.Columns, grid.Rows);
  });
  std::vector<int> groups, makingWay;
  for (const TFreePiece* piece : edge) groups.push_back(puzzle.GroupOf(piece->Index));
  if (groups.empty()) return {};

  // Whole spots across the table, stretched to meet its edges, so the outer ring lies against them.
  const QRectF table = puzzle.Table();
  const QSizeF least = SpotFor(puzzle, groups);
  const int columns = std::max(1, int(table.width() / least.width()));
  const int rows = std::max(1, int(table.height() / least.height()));
  const QSizeF spot(table.width() / columns, table.height() / rows);
  // Inner pieces lying in the outer ring make way for the border's, into what room is left.
  const QRectF within = table.adjusted(spot.width(), spot.height(), -spot.width(), -spot.height());
  for (const TFreePiece* piece : inner) {
    const QRectF bounds = puzzle.Bounds(puzzle.GroupOf(piece->Index));
    if (!within.contains(bounds) && bounds.width() <= spot.width() && bounds.height() <= spot.height())
      makingWay.push_back(puzzle.GroupOf(piece->Index));
  }
  struct TRingSpot {
    int Ring;
    double Around;
    QRectF Place;
  };
  std::vector<TRingSpot> ringSpots;
  for (int row = 0; row < rows; ++row)
    for (int column = 0; column < columns; ++column)
      ringSpots.push_back({std::min({column, row, columns - 1 - column, rows - 1 - row}),
                           AroundRing(column, row, columns, rows),
                           QRectF(table.topLeft() + QPointF(column * spot.width(), row * spot.height()), spot)});
  std::sort(ringSpots.begin(), ringSpots.end(), [](const TRingSpot& a, const TRingSpot& b) {
    return std::tie(a.Ring, a.Around) < std::tie(b.Ring, b.Around);
  });
  std::vector<QRectF> spots;
  for (const TRingSpot& s : ringSpots) spots.push_back(s.Place);
  return LayInto(puzzle, groups, makingWay, spots, {puzzle.Frame()});
}

std::vector<int> GatherLoosePieces(TFreePuzzle& puzzle, QRectF visible) {
  std::vector<int> groups;
  for (int group : puzzle.Stacking())
    if (Loose(puzzle, puzzle.Members(group).front())) groups.push_back(group);
  const QRectF table = puzzle.Table();
  visible &= table;
  if (groups.empty() || visible.isEmpty()) return {};

  // The spots of a grid from the table's top-left, as many as the table holds, those wholly in view first.
  const QSizeF spot = SpotFor(puzzle, groups);
  const int columns = int(table.width() / spot.width()), rows = int(table.height() / spot.height());
  struct TNearSpot {
    double Distance;
    int Row, Column;
    QRectF Place;
  };
  std::vector<TNearSpot> near;
  for (int row = 0; row < rows; ++row)
    for (int column = 0; column < columns; ++column) {
      const QRectF place(table.topLeft() + QPointF(column * spot.width(), row * spot.height()), spot);
      // Then by how far the spot's centre lies outside the visible part.
      const QPointF c = place.center();
      const double dx = std::max({visible.left() - c.x(), 0.0, c.x() - visible.right()});
      const double dy = std::max({visible.top() - c.y(), 0.0, c.y() - visible.bottom()});
      near.push_back({visible.contains(place) ? -1 : std::hypot(dx, dy), row, column, place});
    }
  std::sort(near.begin(), near.end(), [](const TNearSpot& a, const TNearSpot& b) {
    return std::tie(a.Distance, a.Row, a.Column) < std::tie(b.Distance, b.Row, b.Column);
  });
  std::vector<QRectF> spots;
  for (const TNearSpot& s : near) spots.push_back(s.Place);
  return LayInto(puzzle, groups, {}, spots, {puzzle.Frame()});
}
