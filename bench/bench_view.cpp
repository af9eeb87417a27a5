// The board in play as the player drives it: the pieces of a real cut loose on the faded picture, in the main
// window's board, painted through the toolkit to the (off-screen) screen. Processor time of the whole process.
// The argument is the number of pieces (a square grid).
#include <benchmark/benchmark.h>

#include <cmath>

#include "GameInPlay.h"
#include "view/ImageView.h"

namespace {
int GridSide(const benchmark::State& state) { return static_cast<int>(std::lround(std::sqrt(state.range(0)))); }

QPoint OnScreen(const TImage32& board, const TPicClip& piece) {
  return board.BitmapToControl(QPoint(int(piece.Loc_bkg.Left), int(piece.Loc_bkg.Top)));
}

// Every piece loose at rest (master alpha 150), the whole board painted afresh.
void BM_FullRepaint(benchmark::State& state) {
  TGameInPlay game;
  game.PlayOnBoard(GridSide(state));
  for (auto _ : state) {
    game.board.Changed();
    game.board.RepaintNow();
  }
}

// One move of a held piece: the other loose pieces hidden, the held one following the cursor around a circle.
void BM_DragFrame(benchmark::State& state) {
  TGameInPlay game;
  game.PlayOnBoard(GridSide(state));
  const QPoint grip = OnScreen(game.board, Puzzle.Pic[0]);
  game.board.DoMouseDown(mbLeft, ssLeft, grip.x(), grip.y());
  TGameInPlay::Settle();
  if (Puzzle.GameStatus.PicLayer_Index == -1) state.SkipWithError("the press took no piece");
  int step = 0;
  for (auto _ : state) {
    const double turn = 0.05 * step++;
    game.board.DoMouseMove(ssLeft, kBoardSide / 2 + int(120 * std::cos(turn)),
                           kBoardSide / 2 + int(120 * std::sin(turn)));
  }
  game.board.DoMouseUp(mbLeft, 0, grip.x(), grip.y());
}

// One move with nothing held and nothing following the cursor, across the pieces.
void BM_HoverMove(benchmark::State& state) {
  TGameInPlay game;
  game.PlayOnBoard(GridSide(state));
  Puzzle.GameStatus.PicLayer_Index = Puzzle.GameStatus.Last_PicLayer_Index = -1;
  int x = 0;
  for (auto _ : state) {
    game.board.DoMouseMove(0, x, kBoardSide / 2);
    x = (x + 7) % kBoardSide;
  }
}

BENCHMARK(BM_FullRepaint)->Arg(400)->MeasureProcessCPUTime()->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_DragFrame)->Arg(400)->MeasureProcessCPUTime()->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_HoverMove)->Arg(400)->MeasureProcessCPUTime()->Unit(benchmark::kMicrosecond);
}  // namespace

int main(int argc, char** argv) { return RunGameBenchmarks(argc, argv); }
