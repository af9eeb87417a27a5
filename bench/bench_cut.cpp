// Cutting a level picture into its pieces: the game's cut, and the literal full-bitmap reference it must equal.
// Processor time of the whole process; run with --benchmark_repetitions to see the spread.
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <map>

#include "BenchMain.h"
#include "OutlineFixtures.h"
#include "ReferenceCut.h"
#include "pieces/PieceCut.h"
#include "platform/Random.h"

namespace {
TCutInput Level(int n) {
  TCutInput input;
  input.picture = TBitmap32(800, 800);
  for (int y = 0; y < 800; ++y)
    for (int x = 0; x < 800; ++x)
      input.picture.SetPixel(x, y, 0xFF000000u | (x * 7 + y) % 256 << 16 | (x ^ y) % 256 << 8 | (x * y) % 256);
  input.ColCount = input.RowCount = n;
  input.speed_movie = 30;
  input.outlines = Jigsaw(n, n);
  return input;
}

bool Same(const std::vector<TCutPiece>& a, const std::vector<TCutPiece>& b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (!(a[i].margins == b[i].margins) || a[i].bmp->Image() != b[i].bmp->Image() ||
        a[i].Loc_bkg.Left != b[i].Loc_bkg.Left || a[i].AngleRotation != b[i].AngleRotation)
      return false;
  return true;
}

std::vector<TCutPiece> Cut(const TCutInput& input, TShapeMaker& shapes) {
  SeedRandom(1);
  return CutPicture(input, shapes);
}

// The reference's pieces of each grid, cut once outside any timing to check the game's against.
const std::vector<TCutPiece>& ReferencePieces(int n) {
  static std::map<int, std::vector<TCutPiece>> cuts;
  auto [at, fresh] = cuts.try_emplace(n);
  if (fresh) {
    TReferenceShapes shapes;
    at->second = Cut(Level(n), shapes);
  }
  return at->second;
}

// The game's cut; "identical" is 1 when every piece equals the reference's.
void BM_Cut(benchmark::State& state) {
  const int n = static_cast<int>(state.range(0));
  const TCutInput input = Level(n);
  TFastShapes shapes;
  std::vector<TCutPiece> pieces;
  for (auto _ : state) pieces = Cut(input, shapes);
  state.counters["identical"] = Same(pieces, ReferencePieces(n)) ? 1 : 0;
}
BENCHMARK(BM_Cut)->Arg(10)->Arg(20)->MeasureProcessCPUTime()->Unit(benchmark::kMillisecond)->MinTime(1.0);

// The literal reference, timed over at least three runs of its own.
void BM_ReferenceCut(benchmark::State& state) {
  const TCutInput input = Level(static_cast<int>(state.range(0)));
  TReferenceShapes shapes;
  for (auto _ : state) benchmark::DoNotOptimize(Cut(input, shapes));
}
BENCHMARK(BM_ReferenceCut)->Arg(10)->Arg(20)->MeasureProcessCPUTime()->Unit(benchmark::kMillisecond)->Iterations(3);
}  // namespace

int main(int argc, char** argv) { return RunBenchmarks<QGuiApplication>(argc, argv); }
