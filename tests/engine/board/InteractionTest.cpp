// The player's hand: press, drag and drop, the red frame, turning, the double click and taking thumbnails.
#include "PieceFixture.h"
#include "view/ImageView.h"

namespace {
class Interaction : public PieceFixture {
 protected:
  void SetUp() override {
    PieceFixture::SetUp();
    AddPiece(60, 40, 100, 100).Loc_bkg = {400, 400, 0, 0};
    AddPiece(60, 40, 200, 100).Loc_bkg = {600, 600, 0, 0};
    AddPiece(60, 40, 300, 100).Loc_bkg = {200, 600, 0, 0};
    Puzzle.CreateLayerIm_bkg();
    board->Render();  // places the layers, which hit tests rely on
  }
  QPoint OnScreen(float x, float y) const { return board->BitmapToControl(QPoint(int(x), int(y))); }
  void Press(int tag) {
    const TFloatPoint at = BoardLayer(tag)->Position();
    const QPoint p = OnScreen(at.X, at.Y);
    board->DoMouseDown(mbLeft, ssLeft, p.x(), p.y());
  }
  void ReleaseAt(QPoint p) { board->DoMouseUp(mbLeft, 0, p.x(), p.y()); }
  void LockInPlace(int tag) {
    const TPicClip& piece = Puzzle.Pic[tag];
    PlacePiece(tag, piece.Left, piece.Top, 0);
    Puzzle.CheckPicS(BoardLayer(tag));
    ASSERT_EQ(piece.IndexAttach, tag);
  }
  int Alpha(int tag) const { return BoardLayer(tag)->Bitmap().MasterAlpha(); }
  bool Framed(int tag) const { return BoardLayer(tag)->Bitmap().Pixel(3, 3) == 0xFFFF0000; }
};

TEST_F(Interaction, PressHidesOtherLoosePiecesAndReleaseShowsThemAgain) {
  LockInPlace(2);
  Press(0);
  EXPECT_EQ(Puzzle.GameStatus.PicLayer_Index, 0);
  EXPECT_EQ(Alpha(0), 255);
  EXPECT_EQ(Alpha(1), 0);
  EXPECT_EQ(Alpha(tagLocked), 255);
  EXPECT_TRUE(Framed(0));
  EXPECT_EQ(board->Layers().Items(board->Layers().Count() - 1)->Tag, 0);  // brought to the top
  ReleaseAt(QPoint(5, 5));
  EXPECT_EQ(Alpha(0), 255);
  EXPECT_EQ(Alpha(1), 150);
  EXPECT_TRUE(Framed(0));
  EXPECT_EQ(Puzzle.GameStatus.PicLayer_Index, -1);
  EXPECT_EQ(Puzzle.GameStatus.Last_PicLayer_Index, 0);
  EXPECT_FALSE(messages.join("").contains("Ошибка"));
}

TEST_F(Interaction, PressingAnotherPieceRemovesTheFrameOfTheOneReleasedBefore) {
  Press(0);
  ReleaseAt(QPoint(5, 5));
  board->Render();
  Press(1);
  EXPECT_FALSE(Framed(0));
  EXPECT_TRUE(Framed(1));
}

TEST_F(Interaction, DraggedPieceCentreFollowsTheCursorAndStopsAtTheViewEdge) {
  Press(0);
  const QPoint cases[] = {{250, 130}, {-50, 2000}, {9999, -7}};
  for (const QPoint& cursor : cases) {
    board->DoMouseMove(ssLeft, cursor.x(), cursor.y());
    const QPoint clamped(std::clamp(cursor.x(), 0, board->width()), std::clamp(cursor.y(), 0, board->height()));
    const QPoint expected = board->ControlToBitmap(clamped);
    EXPECT_EQ(BoardLayer(0)->Position().X, expected.x()) << cursor.x();
    EXPECT_EQ(BoardLayer(0)->Position().Y, expected.y()) << cursor.x();
    EXPECT_EQ(Puzzle.Pic[0].Loc_bkg.Left, expected.x());
    EXPECT_EQ(Puzzle.Pic[0].Loc_bkg.Right, expected.x() + 60);
  }
}

TEST_F(Interaction, PressAndReleaseWithoutMovingStillChecksThePlacement) {
  PlacePiece(0, 101, 99, 0);
  board->Render();
  Press(0);
  ReleaseAt(QPoint(0, 0));
  EXPECT_EQ(Puzzle.Pic[0].IndexAttach, 0);
  EXPECT_EQ(Puzzle.GameStatus.Score, 10);
}

TEST_F(Interaction, TurningAddsUpWithoutWrappingAndOnlyWhilePlaying) {
  Puzzle.GameStatus.Last_PicLayer_Index = 1;
  BoardLayer(1)->SetAngle(355);
  Puzzle.MouseWheelUp(10);
  EXPECT_FLOAT_EQ(BoardLayer(1)->Angle(), 365);
  EXPECT_EQ(double(Puzzle.Pic[1].Angle), 365.0);
  EXPECT_EQ(Puzzle.GameStatus.PicLayer_Index, 1);  // taken into the hand, not given back
  Puzzle.MouseWheelDown(1);
  EXPECT_FLOAT_EQ(BoardLayer(1)->Angle(), 364);
  Puzzle.GameStatus.IdStep = stPaused;
  Puzzle.MouseWheelUp(10);
  EXPECT_FLOAT_EQ(BoardLayer(1)->Angle(), 364);
}

TEST_F(Interaction, TheWheelBeforeAnyReleaseTurnsPieceZeroWhichThenFollowsTheCursor) {
  ASSERT_EQ(Puzzle.GameStatus.Last_PicLayer_Index, 0);
  Puzzle.GameStatus.PicLayer_Index = -1;
  Puzzle.MouseWheelDown(1);
  EXPECT_FLOAT_EQ(BoardLayer(0)->Angle(), -1);
  board->Render();
  const TFloatPoint over = BoardLayer(1)->Position();
  const QPoint p = OnScreen(over.X, over.Y);
  board->DoMouseMove(0, p.x(), p.y());
  EXPECT_EQ(BoardLayer(0)->Position().X, board->ControlToBitmap(p).x());
}

TEST_F(Interaction, DoubleClickRaisesLoosePiecesAboveLockedOnesKeepingTheirOrder) {
  LockInPlace(1);
  BoardLayer(tagLocked)->BringToFront();  // order now: 0, 2, locked
  board->DoDblClick();
  std::vector<int> tags;
  for (int i = 0; i < board->Layers().Count(); ++i) tags.push_back(board->Layers().Items(i)->Tag);
  EXPECT_EQ(tags, (std::vector<int>{tagLocked, 0, 2}));
}

class TrayPress : public PieceFixture {};

TEST_F(TrayPress, MovesTheThumbnailToTheBoardFoldedIntoThePicture) {
  AddPiece(60, 40, 0, 0).Loc_list = {-100, 0, -60, 40};
  AddPiece(60, 40, 0, 0).Loc_list = {-150, 0, -110, 40};
  Puzzle.Pic[0].Loc_bkg = {1000.3f, -30.5f, 0, 0};
  Puzzle.Pic[0].Angle = 12;
  Puzzle.CreateLayerIm_bkg();
  Puzzle.CreateLayerIm_list();
  TCustomLayer* thumbnail = tray->Layers().Items(0);
  thumbnail->OnMouseDown(thumbnail, mbLeft, 0, 0, 0);
  ASSERT_NE(BoardLayer(0), nullptr);
  EXPECT_EQ(BoardLayer(0)->Position().X, 201);
  EXPECT_EQ(BoardLayer(0)->Position().Y, 30);
  EXPECT_FLOAT_EQ(BoardLayer(0)->Angle(), 12);
  EXPECT_EQ(BoardLayer(0)->Bitmap().MasterAlpha(), 150);
  EXPECT_TRUE(Puzzle.Pic[0].Loc_list.IsZero());
  EXPECT_EQ(tray->Layers().Count(), 1);
  EXPECT_EQ(board->Layers().Count(), 1);
}

TEST_F(TrayPress, AStrayThumbnailOfABoardPieceOnlyGoesAway) {
  AddPiece(60, 40, 0, 0);
  Puzzle.CreateLayerIm_bkg();
  Puzzle.Pic[0].Loc_list = {10, 10, 50, 50};
  Puzzle.CreateLayerIm_list();
  TCustomLayer* thumbnail = tray->Layers().Items(0);
  thumbnail->OnMouseDown(thumbnail, mbLeft, 0, 0, 0);
  EXPECT_EQ(board->Layers().Count(), 1);
  EXPECT_EQ(tray->Layers().Count(), 0);
  EXPECT_TRUE(Puzzle.Pic[0].Loc_list.IsZero());
}

}  // namespace
