// Saving a free puzzle of 1,000 pieces as it is played: the whole save (thumbnail, bytes, atomic write), its parts,
// and reading the file back as the list does.
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QImage>
#include <QTemporaryDir>
#include <cmath>
#include <random>

#include "BenchMain.h"
#include "free/puzzle/FreeCut.h"
#include "free/puzzle/FreePuzzle.h"
#include "free/saves/FreeSaves.h"
#include "free/saves/FreeThumbnail.h"

namespace {
// A turned puzzle of a 4000 × 3000 picture shaded like a photo, so the thumbnail is not a flat colour.
const TFreePuzzle& Puzzle() {
  static const std::unique_ptr<TFreePuzzle> puzzle = [] {
    std::mt19937 random(3);
    const TFreeGrid grid = FitFreeGrid(QSize(4000, 3000), 1000);
    QImage picture(grid.Picture, QImage::Format_RGB32);
    for (int y = 0; y < picture.height(); ++y) {
      auto* line = reinterpret_cast<QRgb*>(picture.scanLine(y));
      for (int x = 0; x < picture.width(); ++x) {
        const double wave = std::sin(x * 0.013) * std::cos(y * 0.021) + std::sin((x + y) * 0.0041);
        line[x] = qRgb(int(120 + 60 * wave), int(100 + 50 * std::sin(y * 0.007)), int(140 - 50 * wave));
      }
    }
    std::vector<TFreePiece> cut = CutFreePuzzle(picture, grid, random);
    TFreeLayout layout = LayOutFreeTable(grid, cut, true, random);
    const TFreeOrigin origin{"/photos/bench.jpg", 1000, true, 3};
    return std::make_unique<TFreePuzzle>(grid, std::move(picture), std::move(cut), std::move(layout), origin);
  }();
  return *puzzle;
}

void BM_FreeSave(benchmark::State& state) {
  const TFreePuzzle& puzzle = Puzzle();
  const QTemporaryDir folder;
  const QString path = folder.filePath("puzzle.puzzle");
  for (auto _ : state) WriteFreeSave(path, TakeFreeSave(puzzle, 100));
  state.counters["bytes"] = double(QFileInfo(path).size());
  state.counters["pieces"] = double(puzzle.Pieces().size());
}
BENCHMARK(BM_FreeSave)->Arg(1000)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_FreeThumbnail(benchmark::State& state) {
  const TFreePuzzle& puzzle = Puzzle();
  for (auto _ : state) benchmark::DoNotOptimize(FreeThumbnail(puzzle));
}
BENCHMARK(BM_FreeThumbnail)->Arg(1000)->Unit(benchmark::kMillisecond);

void BM_FreeSaveBytes(benchmark::State& state) {
  const TFreeSave save = TakeFreeSave(Puzzle(), 100);
  for (auto _ : state) benchmark::DoNotOptimize(FreeSaveBytes(save));
}
BENCHMARK(BM_FreeSaveBytes)->Arg(1000)->Unit(benchmark::kMillisecond);

void BM_FreeSaveParse(benchmark::State& state) {
  const QByteArray bytes = FreeSaveBytes(TakeFreeSave(Puzzle(), 100));
  for (auto _ : state) benchmark::DoNotOptimize(ParseFreeSave(bytes));
}
BENCHMARK(BM_FreeSaveParse)->Arg(1000)->Unit(benchmark::kMillisecond);
}  // namespace

int main(int argc, char** argv) { return RunBenchmarks<QGuiApplication>(argc, argv); }
