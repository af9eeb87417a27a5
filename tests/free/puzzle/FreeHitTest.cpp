// Hit tests on the table: a piece is hit on its drawn pixels only, turned or not, the topmost first.
#include <gtest/gtest.h>

#include "FreeFixture.h"

namespace {
// A piece whose image's top-left corner is transparent: a tab out on its top or left side leaves it empty.
int PieceWithAnEmptyCorner(const TFreePuzzle& puzzle) {
  for (const TFreePiece& piece : puzzle.Pieces())
    if (qAlpha(piece.Image.pixel(0, 0)) == 0) return piece.Index;
  return -1;
}

QPointF CellCentreInImage(const TFreePuzzle& puzzle, int piece) {
  const TFreePiece& p = puzzle.Pieces()[piece];
  return QRectF(FreeCell(puzzle.Grid(), p.Column, p.Row)).center() - QPointF(p.Home);
}

class FreeHit : public testing::TestWithParam<double> {};

TEST_P(FreeHit, DrawnPixelsOnlyTurnedOrNot) {
  const auto puzzle = FixturePuzzle(QSize(320, 240), 48, false);
  const int piece = PieceWithAnEmptyCorner(*puzzle);
  ASSERT_GE(piece, 0);
  puzzle->Turn(puzzle->GroupOf(piece), GetParam());
  const QTransform toTable = puzzle->PieceToTable(piece);
  EXPECT_EQ(puzzle->PieceAt(toTable.map(CellCentreInImage(*puzzle, piece))), piece);
  EXPECT_EQ(puzzle->PieceAt(toTable.map(QPointF(1.5, 1.5))), -1);  // in the bounding box, but transparent
  EXPECT_EQ(puzzle->PieceAt(toTable.map(QPointF(-3, -3))), -1);    // outside it
}
INSTANTIATE_TEST_SUITE_P(Angles, FreeHit, testing::Values(0.0, 37.0, 90.0, -200.0, 725.0));

TEST(FreeHitStacking, TheTopmostPieceWinsAndRaiseChangesIt) {
  const auto puzzle = FixturePuzzle(QSize(320, 240), 48, false);
  const int a = 9, b = 10;
  // b's cell centre onto a's.
  const QPointF at = puzzle->PieceToTable(a).map(CellCentreInImage(*puzzle, a));
  puzzle->Move(puzzle->GroupOf(b), at - puzzle->PieceToTable(b).map(CellCentreInImage(*puzzle, b)));
  puzzle->Raise(puzzle->GroupOf(a));
  EXPECT_EQ(puzzle->Stacking().back(), puzzle->GroupOf(a));
  EXPECT_EQ(puzzle->PieceAt(at), a);
  puzzle->Raise(puzzle->GroupOf(b));
  EXPECT_EQ(puzzle->PieceAt(at), b);
  EXPECT_EQ(puzzle->Stacking().size(), 48u);
}

// A piece turns about its cell's centre: that stays put and the rest goes round it.
TEST(FreeTurn, AboutTheGroupsCentre) {
  const auto puzzle = FixturePuzzle(QSize(320, 240), 48, false);
  const int group = puzzle->GroupOf(0);
  const QPointF centre = puzzle->PieceToTable(0).map(CellCentreInImage(*puzzle, 0));
  puzzle->Turn(group, 90);
  const QPointF after = puzzle->PieceToTable(0).map(CellCentreInImage(*puzzle, 0));
  EXPECT_NEAR(after.x(), centre.x(), 1e-9);
  EXPECT_NEAR(after.y(), centre.y(), 1e-9);
  EXPECT_EQ(puzzle->Place(group).Angle, 90);
  // Counter-clockwise on the screen: the image's top edge now runs up its left side.
  const QTransform t = puzzle->PieceToTable(0);
  const QPointF right = t.map(QPointF(10, 0)) - t.map(QPointF(0, 0));
  EXPECT_NEAR(right.x(), 0, 1e-9);
  EXPECT_NEAR(right.y(), -10, 1e-9);
}
}  // namespace
