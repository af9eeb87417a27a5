// Cutting a level picture into its pieces: the game's cut against the literal full-bitmap reference, side by side.
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <chrono>
#include <map>

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

double Milliseconds(const std::function<void()>& work) {
  const auto start = std::chrono::steady_clock::now();
  work();
  return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

// The reference cut of each grid, run once: its time and its pieces.
struct TReferenceRun {
  double ms = 0;
  std::vector<TCutPiece> pieces;
};

const TReferenceRun& Reference(int n) {
  static std::map<int, TReferenceRun> runs;
  auto [it, fresh] = runs.try_emplace(n);
  if (fresh) {
    TReferenceShapes shapes;
    SeedRandom(1);
    it->second.ms = Milliseconds([&] { it->second.pieces = CutPicture(Level(n), shapes); });
  }
  return it->second;
}

// Reports the mean time of the game's cut, the reference's time, their ratio and whether every piece is the same.
void BM_Cut(benchmark::State& state) {
  const int n = static_cast<int>(state.range(0));
  const TCutInput input = Level(n);
  TFastShapes shapes;
  std::vector<TCutPiece> pieces;
  double total = 0;
  for (auto _ : state) {
    SeedRandom(1);
    const double ms = Milliseconds([&] { pieces = CutPicture(input, shapes); });
    total += ms;
    state.SetIterationTime(ms / 1000);
  }
  const TReferenceRun& reference = Reference(n);
  const double mean = total / state.iterations();
  state.counters["fast_ms"] = mean;
  state.counters["reference_ms"] = reference.ms;
  state.counters["ratio"] = reference.ms / mean;
  state.counters["identical"] = Same(pieces, reference.pieces) ? 1 : 0;
}
BENCHMARK(BM_Cut)->Arg(10)->Arg(20)->UseManualTime()->Unit(benchmark::kMillisecond)->MinTime(2.0);
}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
