// Tidying the table: the border's loose pieces along the table's edge, the loose pieces gathered into view; groups
// stay, nothing lands on anything else, on the frame or off the table.
#include <gtest/gtest.h>

#include <algorithm>

#include "FreeFixture.h"
#include "free/puzzle/FreeSort.h"

namespace {
bool OnBorder(const TFreePuzzle& puzzle, int piece) {
  const TFreePiece& p = puzzle.Pieces()[piece];
  return p.Row == 0 || p.Column == 0 || p.Row == puzzle.Grid().Rows - 1 || p.Column == puzzle.Grid().Columns - 1;
}

std::vector<TGroupPlace> Places(const TFreePuzzle& puzzle) {
  std::vector<TGroupPlace> places;
  for (std::size_t group = 0; group < puzzle.Pieces().size(); ++group) places.push_back(puzzle.Place(int(group)));
  return places;
}

// Every group on the table, off the frame unless it was there, and apart from every other.
void ExpectApartOnTheTable(const TFreePuzzle& puzzle, const std::vector<int>& moved, const char* name) {
  const auto& stacking = puzzle.Stacking();
  for (std::size_t a = 0; a < stacking.size(); ++a) {
    const QRectF bounds = puzzle.Bounds(stacking[a]);
    const bool wasMoved = std::count(moved.begin(), moved.end(), stacking[a]) > 0;
    if (!wasMoved) continue;
    EXPECT_TRUE(puzzle.Table().contains(bounds)) << name << ": group " << stacking[a];
    EXPECT_FALSE(bounds.intersects(puzzle.Frame())) << name << ": group " << stacking[a];
    for (std::size_t b = 0; b < stacking.size(); ++b) {
      if (b != a)
        EXPECT_FALSE(bounds.intersects(puzzle.Bounds(stacking[b])))
            << name << ": " << stacking[a] << ", " << stacking[b];
    }
  }
}

// Piece 1 joined to piece 0, and piece 2 to them, where piece 0 lies: a group of three that must stay.
int JoinFirstThree(TFreePuzzle& puzzle, QPointF at) {
  puzzle.Move(puzzle.GroupOf(0), at - puzzle.Place(puzzle.GroupOf(0)).Origin);
  for (int piece : {1, 2}) {
    const int group = puzzle.GroupOf(piece);
    puzzle.Move(group, puzzle.Place(puzzle.GroupOf(0)).Origin - puzzle.Place(group).Origin);
    puzzle.Drop(group);
  }
  EXPECT_EQ(puzzle.Members(puzzle.GroupOf(0)).size(), 3u);
  return puzzle.GroupOf(0);
}

struct TEdgeCase {
  const char* name;
  QSize picture;
  int pieces;
  bool turned;
};

class FreeSortEdges : public testing::TestWithParam<TEdgeCase> {};

TEST_P(FreeSortEdges, EveryBorderPieceLiesInTheTablesOuterRing) {
  const TEdgeCase& c = GetParam();
  auto puzzle = FixturePuzzle(c.picture, c.pieces, c.turned);
  const auto before = Places(*puzzle);
  const std::vector<int> moved = SortEdgePieces(*puzzle);
  double largest = 0;
  for (std::size_t piece = 0; piece < puzzle->Pieces().size(); ++piece) {
    const QRectF bounds = puzzle->Bounds(int(piece));
    largest = std::max({largest, bounds.width(), bounds.height()});
  }
  const QRectF table = puzzle->Table();
  for (int piece = 0; piece < int(puzzle->Pieces().size()); ++piece) {
    const bool wasMoved = std::count(moved.begin(), moved.end(), piece) > 0;
    if (!OnBorder(*puzzle, piece)) {
      if (!wasMoved) EXPECT_EQ(puzzle->Place(piece), before[piece]) << c.name << ": inner piece " << piece;
      continue;
    }
    EXPECT_TRUE(wasMoved) << c.name << ": piece " << piece;
    const QPointF centre = puzzle->Bounds(piece).center();
    const double fromEdge = std::min(
        {centre.x() - table.left(), centre.y() - table.top(), table.right() - centre.x(), table.bottom() - centre.y()});
    EXPECT_LT(fromEdge, largest * 1.1) << c.name << ": piece " << piece << " is in the outer ring";
  }
  ExpectApartOnTheTable(*puzzle, moved, c.name);
}

INSTANTIATE_TEST_SUITE_P(Cases, FreeSortEdges,
                         testing::Values(TEdgeCase{"Upright48", QSize(320, 240), 48, false},
                                         TEdgeCase{"Turned48", QSize(320, 240), 48, true},
                                         TEdgeCase{"TallTurned12", QSize(100, 400), 12, true},
                                         TEdgeCase{"WideUpright100", QSize(1000, 250), 100, false},
                                         TEdgeCase{"Upright1000", QSize(1200, 900), 1000, false},
                                         TEdgeCase{"Turned1000", QSize(1200, 900), 1000, true}),
                         [](const testing::TestParamInfo<TEdgeCase>& info) { return info.param.name; });

TEST(FreeSort, GroupsStayAndInnerPiecesMakeWay) {
  // A group in the outer ring's corner and an inner piece laid in the ring: the sort goes round the group, and the
  // inner piece leaves the ring to the border's pieces.
  auto puzzle = FixturePuzzle(QSize(320, 240), 48, false);
  const int group = JoinFirstThree(*puzzle, puzzle->Table().topLeft() + QPointF(10, 10));
  const int inner = puzzle->Grid().Columns + 1;
  puzzle->Move(inner, puzzle->Table().topRight() + QPointF(-120, 5) - puzzle->Bounds(inner).topLeft());
  const TGroupPlace groupPlace = puzzle->Place(group), innerPlace = puzzle->Place(inner);
  const std::vector<int> moved = SortEdgePieces(*puzzle);
  EXPECT_EQ(puzzle->Place(group), groupPlace);
  EXPECT_NE(puzzle->Place(inner), innerPlace);
  EXPECT_EQ(std::count(moved.begin(), moved.end(), group), 0);
  EXPECT_FALSE(moved.empty());
  ExpectApartOnTheTable(*puzzle, moved, "around the group");
}

TEST(FreeGather, LoosePiecesComeIntoViewApartAndGroupsStay) {
  auto puzzle = FixturePuzzle(QSize(320, 240), 48, false);
  double side = 0;
  for (int piece = 3; piece < 48; ++piece)
    side = std::max({side, puzzle->Bounds(piece).width(), puzzle->Bounds(piece).height()});
  const int group = JoinFirstThree(*puzzle, puzzle->Table().bottomLeft() + QPointF(10, -150));
  const TGroupPlace groupPlace = puzzle->Place(group);
  const QRectF table = puzzle->Table(), frame = puzzle->Frame();
  const double spot = side * (1 + kFreeSpotGap);
  const struct {
    const char* name;
    QRectF visible;
    int inside;  // loose pieces that end wholly inside the visible part; -1: every one
  } cases[] = {{"the whole table", table, -1},
               // The table's outer row of spots, which never reaches the frame.
               {"a part holding three", QRectF(table.topLeft(), QSizeF(3.5 * spot, 1.5 * spot)), 3},
               {"a part beyond the table's corner",
                QRectF(table.topLeft() - QPointF(2 * spot, 2 * spot), QSizeF(3.9 * spot, 2.9 * spot)), 1},
               {"the frame alone", frame, 0}};
  for (const auto& c : cases) {
    const std::vector<int> moved = GatherLoosePieces(*puzzle, c.visible);
    EXPECT_EQ(moved.size(), 45u) << c.name;
    EXPECT_EQ(puzzle->Place(group), groupPlace) << c.name;
    int inside = 0;
    for (int g : moved) inside += c.visible.contains(puzzle->Bounds(g));
    EXPECT_EQ(inside, c.inside < 0 ? 45 : c.inside) << c.name;
    ExpectApartOnTheTable(*puzzle, moved, c.name);
  }
}
}  // namespace
