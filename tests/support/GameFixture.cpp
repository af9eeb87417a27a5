// A game ready to play in a throw-away program folder.
#include "GameFixture.h"

#include "engine/PicPuzzle.h"
#include "view/ImageView.h"

void GameFixture::SetUp() {
  board = std::make_unique<TImage32>();
  board->resize(581, 489);
  board->SetScaleMode(smResize);
  board->SetBitmapAlign(baCenter);
  board->Bitmap().SetDrawMode(dmBlend);
  tray = std::make_unique<TImage32>();
  tray->resize(585, 59);
  tray->Bitmap().SetDrawMode(dmBlend);
  Puzzle.Create(board.get(), tray.get());
}

void GameFixture::TearDown() {
  Puzzle.Destroy();
  tray.reset();
  board.reset();
}
