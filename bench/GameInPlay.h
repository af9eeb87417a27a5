// A game in play for the benchmarks: the game object on a shown board of the main window's size, with a level of
// n × n jigsaw pieces. Header only, since every source file of this folder is a benchmark program of its own.
#pragma once

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <random>

#include "BenchMain.h"
#include "engine/PicPuzzle.h"
#include "pieces/JigsawOutlines.h"
#include "platform/MessageBox.h"
#include "view/ImageView.h"

// The board as the main window lays it out at its usual size.
inline constexpr int kBoardSide = 583;

// A picture with detail everywhere, of the size level packs ship.
inline QImage DetailedPicture(int width, int height) {
  QImage picture(width, height, QImage::Format_RGB32);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x)
      picture.setPixel(x, y, 0xFF000000u | (x * 7 + y) % 256 << 16 | (x ^ y) % 256 << 8 | (x * y) % 256);
  return picture;
}

class TGameInPlay {
 public:
  TGameInPlay() {
    // Nothing may wait for a player: a message box (a sound that will not play) is answered at once.
    SetMessageBoxHook([](const QString&, const QString&, TMsgIcon, TMsgButtons) { return TMsgResult::Ok; });
    board.resize(kBoardSide, kBoardSide);
    board.SetScaleMode(smResize);
    board.SetBitmapAlign(baCenter);
    board.SetColor(11191504);
    board.Bitmap().SetDrawMode(dmBlend);
    tray.resize(kBoardSide, 59);
    tray.Bitmap().SetDrawMode(dmBlend);
    Puzzle.Create(&board, &tray);
  }
  ~TGameInPlay() {
    Puzzle.Destroy();
    SetMessageBoxHook(nullptr);
  }
  TGameInPlay(const TGameInPlay&) = delete;
  TGameInPlay& operator=(const TGameInPlay&) = delete;

  // The level data of an n × n level: outlines and starting turns.
  void LoadLevel(int n, int speedMovie) {
    std::mt19937 random(n);
    const QStringList outlines = JigsawOutlines(n, n, random);
    Puzzle.ReleasePieces();
    Puzzle.ColCount = Puzzle.RowCount = n;
    Puzzle.speed_movie = speedMovie;
    Puzzle.Pic.resize(outlines.size());
    for (int i = 0; i < outlines.size(); ++i) {
      Puzzle.Pic[i].ID = outlines[i];
      Puzzle.Pic[i].Angle = std::uniform_int_distribution<int>(0, 359)(random);
    }
  }

  // Cuts an n × n level out of a fitted picture and lays its pieces loose on the board, faded picture under them.
  void PlayOnBoard(int n) {
    board.Bitmap().AssignImage(DetailedPicture(800, 800));
    LoadLevel(n, 0);
    Puzzle.CreateMatrixPics();
    Puzzle.CreateLayerIm_bkg();
    board.Bitmap().SetMasterAlpha(50);
    Puzzle.GameStatus.IdStep = stPlaying;
    board.show();
    Settle();
  }

  static void Settle() {
    for (int i = 0; i < 3; ++i) QApplication::processEvents();
  }

  TImage32 board;
  TImage32 tray;
};

// The main program of a benchmark that needs the game's windows, headless and silent unless told otherwise.
inline int RunGameBenchmarks(int argc, char** argv) { return RunBenchmarks<QApplication>(argc, argv); }
