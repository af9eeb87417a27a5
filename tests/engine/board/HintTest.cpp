// The paid hint: the marker over the released piece's home, and what it leaves alone.
#include <QDir>
#include <QFile>

#include "PieceFixture.h"
#include "view/ImageView.h"

namespace {
class Hint : public PieceFixture {
 protected:
  void SetUp() override {
    PieceFixture::SetUp();
    QImage marker(20, 20, QImage::Format_RGB32);
    marker.fill(Qt::white);
    marker.setPixel(10, 10, qRgb(200, 0, 0));
    ASSERT_TRUE(QDir().mkpath(folder.File("resources/backgrd")));
    ASSERT_TRUE(marker.save(folder.File("resources/backgrd/search.bmp"), "BMP"));
    AddPiece(60, 40, 100, 200).Loc_bkg = {400, 400, 0, 0};
    Puzzle.CreateLayerIm_bkg();
  }
};

TEST_F(Hint, ShowsNothingWithAnEmptyHand) {
  Puzzle.GameStatus.PicLayer_Index = -1;
  Puzzle.GameStatus.Last_PicLayer_Index = -1;
  EXPECT_EQ(Puzzle.HelpClick(), 0);
}

TEST_F(Hint, ShowsTheMarkerForThePieceReleasedLastAndLeavesTheBoardAsItWas) {
  Puzzle.GameStatus.PicLayer_Index = -1;
  Puzzle.GameStatus.Last_PicLayer_Index = 0;
  EXPECT_EQ(Puzzle.HelpClick(), 1);
  EXPECT_EQ(Puzzle.GameStatus.PicLayer_Index, 0);
  EXPECT_EQ(board->Layers().Count(), 1);
  EXPECT_EQ(board->UpdateCount(), 0);
}

TEST_F(Hint, DoesNothingWhilePaused) {
  Puzzle.GameStatus.PicLayer_Index = 0;
  Puzzle.GameStatus.IdStep = stPaused;
  EXPECT_EQ(Puzzle.HelpClick(), 0);
}

TEST_F(Hint, UnreadableMarkerLeavesTheBoardAndChargesNothing) {
  QFile::remove(folder.File("resources/backgrd/search.bmp"));
  Puzzle.GameStatus.PicLayer_Index = 0;
  EXPECT_EQ(Puzzle.HelpClick(), 0);
  EXPECT_EQ(board->Layers().Count(), 1);
  EXPECT_EQ(board->UpdateCount(), 0);
}
}  // namespace
