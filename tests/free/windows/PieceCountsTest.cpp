// The piece counts offered for a picture: real grids, sizes told right, the Russian word agreeing with the number.
#include <gtest/gtest.h>

#include "free/puzzle/FreeGrid.h"
#include "free/windows/PieceCounts.h"

namespace {
TEST(PieceCounts, EachChoiceIsTheGridThePuzzleGets) {
  for (const QSize picture : {QSize(4000, 3000), QSize(1080, 1920), QSize(6000, 1500), QSize(800, 800)}) {
    const auto choices = PieceCountChoices(picture);
    ASSERT_FALSE(choices.empty());
    EXPECT_EQ(choices.front().Pieces, 12);
    int last = 0;
    for (const TPieceCountChoice& choice : choices) {
      const TFreeGrid grid = FitFreeGrid(picture, choice.Pieces);
      EXPECT_EQ(choice.Columns, grid.Columns);
      EXPECT_EQ(choice.Rows, grid.Rows);
      EXPECT_GT(choice.Columns * choice.Rows, last) << "each choice a bigger puzzle";
      last = choice.Columns * choice.Rows;
      EXPECT_GE(choice.PieceSide, kSmallestFreeCell);
      EXPECT_TRUE(choice.Text.contains(QString("%1 × %2").arg(choice.Columns).arg(choice.Rows)))
          << choice.Text.toStdString();
    }
  }
  EXPECT_EQ(PieceCountChoices(QSize(4000, 3000)).back().Pieces, 1000);
}

TEST(PieceCounts, ASmallPictureOffersOnlyWhatItHolds) {
  const auto choices = PieceCountChoices(QSize(300, 200));
  ASSERT_FALSE(choices.empty());
  EXPECT_LT(choices.back().Pieces, 200);
  EXPECT_TRUE(PieceCountChoices(QSize(60, 40)).empty());
}

TEST(PieceCounts, WordsAgreeWithTheirNumbers) {
  const struct {
    int count;
    const char* text;
  } cases[] = {{1, "1 деталь"},      {21, "21 деталь"},  {24, "24 детали"},      {12, "12 деталей"},
               {111, "111 деталей"}, {48, "48 деталей"}, {1000, "1000 деталей"}, {102, "102 детали"}};
  for (const auto& c : cases) EXPECT_EQ(PiecesText(c.count), QString::fromUtf8(c.text));
}
}  // namespace
