// Starting a level as the game does before play: decoding the JPEG picture and resampling it to the board's
// 800 × 800, cutting it, and building the board layers (and, with a tray, the tray's thumbnails).
// Processor time of the whole process. Arguments: grid side, whether the level has a tray.
#include <benchmark/benchmark.h>

#include <QTemporaryDir>

#include "GameInPlay.h"
#include "view/ImageView.h"

namespace {
void BM_LevelStart(benchmark::State& state) {
  const int n = static_cast<int>(state.range(0));
  const bool withTray = state.range(1) != 0;
  QTemporaryDir folder;
  const QString picture = folder.filePath("level.jpg");
  if (!DetailedPicture(1024, 768).save(picture, "JPEG", 90)) state.SkipWithError("cannot write the picture");
  TGameInPlay game;
  for (auto _ : state) {
    game.LoadLevel(n, withTray ? 30 : 0);
    Puzzle.ImageLoadFromFile(picture);
    Puzzle.CreateMatrixPics();
    Puzzle.CreateLayerIm_bkg();
    if (withTray) Puzzle.CreateLayerIm_list();
  }
}
BENCHMARK(BM_LevelStart)
    ->Args({6, 0})
    ->Args({20, 0})
    ->Args({6, 1})
    ->Args({20, 1})
    ->MeasureProcessCPUTime()
    ->Unit(benchmark::kMillisecond);
}  // namespace

int main(int argc, char** argv) { return RunGameBenchmarks(argc, argv); }
