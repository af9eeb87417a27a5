// CreateMatrixPics: the cut writes the piece table all at once, keeps the level data, and refuses to run twice.
#include <gtest/gtest.h>

#include <QTimer>

#include "OutlineFixtures.h"
#include "engine/PicPuzzle.h"
#include "engine/board/BoardCut.h"
#include "pieces/PieceCut.h"
#include "platform/Random.h"
#include "support/GameFixture.h"

namespace {
class CreateMatrixPicsTest : public GameFixture {
 protected:
  void Level(int cols, int rows) {
    TBitmap32 picture(800, 800);
    for (int y = 0; y < 800; ++y)
      for (int x = 0; x < 800; ++x) picture.SetPixel(x, y, 0xFF000000u | (x / 4) << 16 | (y / 4) << 8);
    board->Bitmap().Assign(picture);
    Puzzle.ColCount = cols;
    Puzzle.RowCount = rows;
    Puzzle.speed_movie = 25;
    const std::vector<QString> outlines = Jigsaw(cols, rows);
    Puzzle.Pic.resize(outlines.size());
    for (std::size_t i = 0; i < outlines.size(); ++i) {
      Puzzle.Pic[i].ID = outlines[i];
      Puzzle.Pic[i].Angle = 15.0L * i;
      Puzzle.Pic[i].IdUp = 3;
      Puzzle.Pic[i].IndexAttach = 7;
    }
  }
};

TEST_F(CreateMatrixPicsTest, FillsEveryPieceAndKeepsTheLevelData) {
  Level(4, 4);
  SeedRandom(3);
  Puzzle.CreateMatrixPics();
  for (int i = 0; i < 16; ++i) {
    const TPicClip& clip = Puzzle.Pic[i];
    ASSERT_NE(clip.bmp, nullptr) << i;
    EXPECT_EQ(clip.bmp->Width(), clip.Width) << i;
    EXPECT_EQ(clip.bmp->Height(), clip.Height) << i;
    EXPECT_EQ(clip.Index, i);
    EXPECT_EQ(clip.row * 4 + clip.col, i);
    EXPECT_EQ(clip.IndexAttach, -1) << i;
    EXPECT_EQ(clip.SpeedRotation, 10) << i;
    EXPECT_EQ(clip.Angle, 15.0L * i) << i;
    EXPECT_EQ(clip.IdUp, 3) << i;
    EXPECT_EQ(clip.ID, Jigsaw(4, 4)[i]) << i;
    EXPECT_EQ(clip.Loc_list.Left, -800 + 50 * i) << i;
  }
  // The scatter point is a point of the board control, turned into picture coordinates.
  SeedRandom(3);
  const int ry = Random(800 - Puzzle.Pic[0].Height), rx = Random(800 - Puzzle.Pic[0].Width);
  const QPoint home = board->ControlToBitmap(QPoint(rx, ry));
  EXPECT_EQ(Puzzle.Pic[0].Loc_bkg.Left, home.x());
  EXPECT_EQ(Puzzle.Pic[0].Loc_bkg.Top, home.y());
  EXPECT_FALSE(PiecesCutting());
}

TEST_F(CreateMatrixPicsTest, ABadOutlineLeavesThePieceTableAsItWas) {
  Level(4, 4);
  Puzzle.Pic[0].bmp = std::make_unique<TBitmap32>(5, 5);
  Puzzle.Pic[0].Width = 5;
  Puzzle.Pic[9].ID = "200,200,600,200;600,200,600";
  try {
    Puzzle.CreateMatrixPics();
    FAIL() << "no error";
  } catch (const TCutError& e) {
    EXPECT_STREQ(e.what(), "деталь 9 (ряд 2, столбец 1): в кривой 2 нечётное количество чисел (3)");
  }
  ASSERT_NE(Puzzle.Pic[0].bmp, nullptr);
  EXPECT_EQ(Puzzle.Pic[0].bmp->Width(), 5);
  EXPECT_EQ(Puzzle.Pic[0].Width, 5);
  for (int i = 1; i < 16; ++i) {
    EXPECT_EQ(Puzzle.Pic[i].bmp, nullptr) << i;
    EXPECT_EQ(Puzzle.Pic[i].IndexAttach, 7) << i;
  }
  EXPECT_FALSE(PiecesCutting());
}

// Events run every 15 ms of a cut: four hundred pieces take longer than that even on two cores.
TEST_F(CreateMatrixPicsTest, EventsRunDuringTheCutAndASecondCutIsRefused) {
  Level(20, 20);
  bool ran = false, flagged = false, refused = false;
  QTimer::singleShot(0, [&] {
    ran = true;
    flagged = PiecesCutting();
    try {
      Puzzle.CreateMatrixPics();
    } catch (const std::logic_error&) {
      refused = true;
    }
  });
  Puzzle.CreateMatrixPics();
  EXPECT_TRUE(ran) << "no events ran while four hundred pieces were cut";
  EXPECT_TRUE(flagged);
  EXPECT_TRUE(refused);
  EXPECT_NE(Puzzle.Pic[399].bmp, nullptr);
}

TEST_F(CreateMatrixPicsTest, APieceTableReplacedDuringTheCutIsNotOverwritten) {
  Level(20, 20);
  bool ran = false;
  QTimer::singleShot(0, [&ran] {
    ran = true;
    Puzzle.ReleasePieces();
    Puzzle.Pic.resize(3);
  });
  EXPECT_THROW(Puzzle.CreateMatrixPics(), std::runtime_error);
  ASSERT_TRUE(ran) << "no events ran during the cut";
  EXPECT_EQ(Puzzle.Pic.size(), 3u);
  EXPECT_EQ(Puzzle.Pic[0].bmp, nullptr);
}
}  // namespace

namespace {
// A thumbnail that does not move never comes into reach and the level cannot be won; one that creeps keeps the
// player waiting.
TEST_F(CreateMatrixPicsTest, EveryThumbnailMovesAndTurnsWithinItsRange) {
  Level(3, 3);
  for (std::uint32_t seed = 1; seed <= 20; ++seed) {
    SeedRandom(seed);
    Puzzle.CreateMatrixPics();
    for (const TPicClip& clip : Puzzle.Pic) {
      EXPECT_GE(clip.DistanceMoving, 10) << "seed " << seed;
      EXPECT_LE(clip.DistanceMoving, 29) << "seed " << seed;
      EXPECT_GE(clip.AngleRotation, 0) << "seed " << seed;
      EXPECT_LE(clip.AngleRotation, 89) << "seed " << seed;
    }
  }
}
}  // namespace
