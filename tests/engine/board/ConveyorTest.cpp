// The conveyor: thumbnails spin and slide along the tray on every tick, and one at the right end loses the level.
#include "PieceFixture.h"
#include "view/ImageView.h"

namespace {
class Conveyor : public PieceFixture {
 protected:
  TPicClip& TrayPiece(float centreX, int distance, int angleStep) {
    TPicClip& piece = AddPiece(60, 40, 0, 0);
    piece.Loc_list = {centreX - 20, 0, 0, 0};
    piece.DistanceMoving = distance;
    piece.AngleRotation = angleStep;
    return piece;
  }
};

TEST_F(Conveyor, ThumbnailsSpinAndSlideAlongTheTrack) {
  TrayPiece(100, 7, 45);
  TrayPiece(-300, 0, 0);
  Puzzle.CreateLayerIm_list();
  EXPECT_EQ(TrayLayer(0)->Bitmap().MasterAlpha(), 255);
  Puzzle.TimerTick(Puzzle.Timer.get());
  EXPECT_EQ(TrayLayer(0)->Position().X, 107);
  EXPECT_EQ(TrayLayer(0)->Position().Y, 30);
  EXPECT_FLOAT_EQ(TrayLayer(0)->Angle(), 90);
  EXPECT_EQ(TrayLayer(0)->Bitmap().MasterAlpha(), 150);
  EXPECT_EQ(Puzzle.Pic[0].Loc_list.Left, 107);
  EXPECT_EQ(Puzzle.Pic[0].Loc_list.Right, 147);
  EXPECT_EQ(Puzzle.Pic[0].Loc_list.Bottom, 60);  // from the height before the move
  EXPECT_EQ(TrayLayer(1)->Position().X, -300);
  EXPECT_EQ(Puzzle.GameStatus.IdStep, stPlaying);
}

TEST_F(Conveyor, ReachingTheRightEndLosesTheLevel) {
  const std::pair<float, int> cases[] = {{559, stPlaying}, {560, stLost}};
  for (const auto& [start, step] : cases) {
    Puzzle.ReleasePieces();
    Puzzle.GameStatus.IdStep = stPlaying;
    TrayPiece(start, 25, 0);
    Puzzle.CreateLayerIm_list();
    Puzzle.TimerTick(Puzzle.Timer.get());
    EXPECT_EQ(Puzzle.GameStatus.IdStep, step) << start;
  }
}
}  // namespace
