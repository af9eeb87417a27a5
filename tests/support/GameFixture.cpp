// A game ready to play in a throw-away program folder.
#include "GameFixture.h"

#include "game/PicPuzzle.h"
#include "platform/ProgramFolder.h"

void ResetPuzzle() {
  Puzzle = TPicPuzzle();
  msec = sec = min = 0;
}

void GameFixture::SetUp() {
  ResetPuzzle();
  SetProgramFolder(folder.Path());
  SetMessageBoxHook([this](const QString& text, const QString& caption, TMsgIcon, TMsgButtons buttons) {
    messages << caption + "|" + text;
    return buttons == TMsgButtons::YesNo ? answer : TMsgResult::Ok;
  });
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
  ResetPuzzle();
  tray.reset();
  board.reset();
  SetMessageBoxHook(nullptr);
  SetProgramFolder(QString());
}
