// Locking pieces into their homes, winning, and placing the pieces of a resumed game.
#include "PieceFixture.h"
#include "view/ImageView.h"

namespace {
using Placement = PieceFixture;

struct DropCase {
  const char* name;
  float dx, dy, angle;
  bool locks;
};

TEST_F(Placement, ToleranceIsStrictForDistanceAndInclusiveForAngle) {
  const DropCase cases[] = {
      {"WithinDistance", 4.9f, -4.9f, 0, true},
      {"ExactlyDrAcross", 5, 0, 0, false},
      {"ExactlyDrDown", 0, -5, 0, false},
      {"AngleDa", 0, 0, 5, true},
      {"AngleMinusDa", 0, 0, -5, true},
      {"Angle355", 0, 0, 355, true},
      {"Angle365", 0, 0, 365, true},
      {"Angle6", 0, 0, 6, false},
      {"Angle354", 0, 0, 354, false},
      {"AngleMinus355", 0, 0, -355, false},
      {"Angle720", 0, 0, 720, false},
  };
  for (const DropCase& c : cases) {
    Puzzle.ReleasePieces();
    AddPiece(60, 40, 100, 200);
    AddPiece(60, 40, 300, 300);  // keeps the level from ending
    Puzzle.CreateLayerIm_bkg();
    PlacePiece(0, 100 + c.dx, 200 + c.dy, c.angle);
    const int score = Puzzle.GameStatus.Score;
    Puzzle.CheckPicS(BoardLayer(0));
    EXPECT_EQ(Puzzle.Pic[0].IndexAttach == 0, c.locks) << c.name;
    EXPECT_EQ(Puzzle.GameStatus.Score - score, c.locks ? 10 : 0) << c.name;
  }
}

TEST_F(Placement, ZeroTolerancesLockOnlyExactlyUpright) {
  AddPiece(60, 40, 100, 200);
  AddPiece(60, 40, 300, 300);
  Puzzle.CreateLayerIm_bkg();
  Puzzle.dr = 0;
  PlacePiece(0, 100, 200, 0);
  Puzzle.CheckPicS(BoardLayer(0));
  EXPECT_EQ(Puzzle.Pic[0].IndexAttach, -1);
  Puzzle.dr = 5;
  Puzzle.da = 0;
  PlacePiece(0, 100, 200, 360);
  Puzzle.CheckPicS(BoardLayer(0));
  EXPECT_EQ(Puzzle.Pic[0].IndexAttach, 0);
}

TEST_F(Placement, LockingSnapsHomeAndTakesThePieceOutOfPlay) {
  AddPiece(51, 40, 100, 200);
  AddPiece(60, 40, 300, 300);
  Puzzle.CreateLayerIm_bkg();
  Puzzle.GameStatus.Score = 7;
  Puzzle.GameStatus.Last_PicLayer_Index = 0;
  PlacePiece(0, 102, 198, 3);
  TRotLayer* layer = BoardLayer(0);
  Puzzle.CheckPicS(layer);
  EXPECT_EQ(layer->Tag, tagLocked);
  EXPECT_EQ(layer->Angle(), 0.0f);
  EXPECT_EQ(layer->Position().X, 126);
  EXPECT_EQ(layer->Position().Y, 220);  // the 51-wide piece lands half a pixel right of home
  EXPECT_EQ(layer->Bitmap().MasterAlpha(), 255);
  EXPECT_FALSE(layer->OnMouseDown || layer->OnMouseUp || layer->OnMouseMove);
  EXPECT_EQ(Puzzle.Pic[0].IndexAttach, 0);
  EXPECT_EQ(Puzzle.Pic[0].Loc_bkg.Left, 126);
  EXPECT_EQ(Puzzle.Pic[0].Loc_bkg.Right, 177);
  EXPECT_EQ(Puzzle.GameStatus.Score, 17);
  EXPECT_EQ(Puzzle.GameStatus.Last_PicLayer_Index, -1);
  EXPECT_EQ(Puzzle.GameStatus.IdStep, stPlaying);
}

TEST_F(Placement, ALockedPieceLetsPressesThroughToTheLoosePieceUnderIt) {
  AddPiece(60, 40, 100, 200);
  AddPiece(60, 40, 300, 300);
  Puzzle.CreateLayerIm_bkg();
  PlacePiece(1, 100, 200, 0);  // lies on piece 0's home, below it in the stack
  BoardLayer(1)->SendToBack();
  TRotLayer* locked = BoardLayer(0);
  Puzzle.CheckPicS(locked);
  ASSERT_EQ(locked->Tag, tagLocked);
  EXPECT_FALSE(locked->MouseEvents());
  Puzzle.Im_Bkg->Render();  // layers take their places on screen when painted, as before any press
  const QPoint centre = Puzzle.Im_Bkg->BitmapToControl(QPoint(130, 220));
  EXPECT_EQ(Puzzle.Im_Bkg->Layers().FindLayerAtPos(centre.x(), centre.y()), BoardLayer(1));
}

TEST_F(Placement, LastBoardPieceWinsOnlyWhenTheTrayIsEmpty) {
  AddPiece(60, 40, 100, 200);
  TPicClip& inTray = AddPiece(60, 40, 300, 300);
  inTray.Loc_list = {-100, 0, -60, 40};
  Puzzle.CreateLayerIm_bkg();
  Puzzle.CreateLayerIm_list();
  Puzzle.CheckPicS(BoardLayer(0));
  EXPECT_EQ(Puzzle.GameStatus.IdStep, stPlaying);
  EXPECT_EQ(Puzzle.GameStatus.Score, 10);

  tray->Layers().Items(0)->OnMouseDown(tray->Layers().Items(0), mbLeft, 0, 0, 0);
  PlacePiece(1, 301, 299, 0);
  Puzzle.CheckPicS(BoardLayer(1));
  EXPECT_EQ(Puzzle.GameStatus.IdStep, stWon);
  EXPECT_EQ(Puzzle.CompletePuzzle, "lake.jpg ");
}

TEST_F(Placement, WinsAppendPictureNamesInOrder) {
  for (const char* picture : {"b.jpg", "a.jpg"}) {
    Puzzle.Im_bkg_Path = folder.File(picture);
    Puzzle.GameStatus.IdStep = stPlaying;
    AddPiece(60, 40, 100, 200);
    Puzzle.CreateLayerIm_bkg();
    Puzzle.CheckPicS(BoardLayer(0));
    EXPECT_EQ(Puzzle.GameStatus.IdStep, stWon);
  }
  EXPECT_EQ(Puzzle.CompletePuzzle, "b.jpg a.jpg ");
}

TEST_F(Placement, ResumedPiecesAtHomeLockWithoutStars) {
  struct Case {
    float dx, dy, angle;
    bool locks;
  } cases[] = {{9.5f, 9.5f, 0, true}, {10, 0, 0, false}, {0, -10, 0, false},  {0, 0, 5, true},    {0, 0, -5, true},
               {0, 0, 355, true},     {0, 0, 365, true}, {0, 0, 5.5f, false}, {0, 0, -355, false}};
  Puzzle.dr = 10;
  for (const Case& c : cases) {
    TPicClip& piece = AddPiece(40, 40, 100, 100);
    piece.Loc_bkg = {120 + c.dx, 120 + c.dy, 0, 0};
    piece.Angle = c.angle;
  }
  AddPiece(40, 40, 500, 500).Loc_bkg = {100, 100, 0, 0};  // far from home: stays loose
  Puzzle.CreateLayerIm_bkg();
  Puzzle.CreatePicS();
  for (std::size_t i = 0; i < std::size(cases); ++i)
    EXPECT_EQ(Puzzle.Pic[i].IndexAttach == int(i), cases[i].locks) << i;
  EXPECT_EQ(Puzzle.GameStatus.Score, 0);
  EXPECT_EQ(Puzzle.GameStatus.IdStep, stPlaying);
}

TEST_F(Placement, ResumedGameWithEverythingLockedIsWonAtOnce) {
  AddPiece(40, 40, 0, 0).IndexAttach = 0;
  AddPiece(40, 40, 40, 0).IndexAttach = 1;
  Puzzle.CreateLayerIm_bkg();
  Puzzle.CreatePicS();
  EXPECT_EQ(Puzzle.GameStatus.IdStep, stWon);
  EXPECT_EQ(Puzzle.CompletePuzzle, "lake.jpg ");
}

TEST_F(Placement, ThumbnailsStartLeftOfTheTrayAndResumeTwentyPixelsOn) {
  AddPiece(60, 40, 0, 0).Loc_list = {-800, 0, -760, 40};
  AddPiece(60, 40, 0, 0).Loc_list = {100, 30, 140, 70};
  Puzzle.CreateLayerIm_list();
  ASSERT_EQ(tray->Layers().Count(), 2);
  EXPECT_EQ(TrayLayer(0)->Position().X, -780);
  EXPECT_EQ(TrayLayer(0)->Position().Y, 20);
  EXPECT_EQ(TrayLayer(0)->Bitmap().Width(), 40);
  EXPECT_EQ(TrayLayer(0)->Bitmap().Height(), 40);
  EXPECT_EQ(Puzzle.Pic[0].Loc_list.Left, -780);
  EXPECT_EQ(Puzzle.Pic[0].Loc_list.Bottom, 60);
  EXPECT_EQ(Puzzle.Pic[1].Loc_list.Left, 120);
  EXPECT_EQ(Puzzle.Pic[1].Loc_list.Top, 50);
  EXPECT_EQ(board->Layers().Count(), 0);
}

}  // namespace
