// Free assembly's model: starting a 1,000-piece puzzle from a 4000 × 3000 photo, and the join test of one drop.
// Wall time where the goal is wall time (the start uses both cores), processor time of the whole process beside it.
#include <benchmark/benchmark.h>

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QImageReader>
#include <cmath>
#include <random>

#include "BenchMain.h"
#include "free/puzzle/FreeCut.h"
#include "free/puzzle/FreePuzzle.h"

namespace {
// Smooth shading, edges and grain, so the JPEG has a photo's detail rather than flat colour; made once.
QString Photo() {
  static const QString path = [] {
    const QString file = QDir::temp().filePath("bench_free_photo_4000x3000.jpg");
    if (QImageReader(file).size() == QSize(4000, 3000)) return file;
    QImage image(4000, 3000, QImage::Format_RGB32);
    std::mt19937 random(5);
    std::uniform_int_distribution<int> grain(-12, 12);
    for (int y = 0; y < image.height(); ++y) {
      auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
      for (int x = 0; x < image.width(); ++x) {
        const double wave = std::sin(x * 0.013) * std::cos(y * 0.021) + std::sin((x + y) * 0.0041);
        const int band = ((x / 90 + y / 70) % 5) * 20;
        auto channel = [&](double base) { return std::clamp(static_cast<int>(base) + grain(random), 0, 255); };
        line[x] = qRgb(channel(120 + 60 * wave + band), channel(100 + 50 * std::sin(y * 0.007) + band / 2),
                       channel(140 - 50 * wave));
      }
    }
    image.save(file, "JPEG", 90);
    return file;
  }();
  return path;
}

void BM_FreeStart(benchmark::State& state) {
  const QString photo = Photo();
  std::mt19937 random(1);
  for (auto _ : state) {
    const auto puzzle = StartFreePuzzle(photo, static_cast<int>(state.range(0)), true, random);
    benchmark::DoNotOptimize(puzzle.get());
  }
}
BENCHMARK(BM_FreeStart)->Arg(1000)->UseRealTime()->MeasureProcessCPUTime()->Unit(benchmark::kMillisecond);

// A 1,000-piece puzzle of a plain picture whose upper half is one group, away from the frame.
std::unique_ptr<TFreePuzzle> HalfAssembled(int pieces) {
  std::mt19937 random(2);
  const TFreeGrid grid = FitFreeGrid(QSize(4000, 3000), pieces);
  QImage picture(grid.Picture, QImage::Format_RGB32);
  picture.fill(Qt::darkCyan);
  std::vector<TFreePiece> cut = CutFreePuzzle(picture, grid, random);
  TFreeLayout layout = LayOutFreeTable(grid, cut, false, random);
  auto puzzle = std::make_unique<TFreePuzzle>(grid, std::move(picture), std::move(cut), std::move(layout));
  const TGroupPlace assembled = {puzzle->Table().bottomRight() + QPointF(1000, 1000), 0};
  for (int piece = 0; piece < grid.Columns * (grid.Rows / 2); ++piece) {
    const int group = puzzle->GroupOf(piece);
    puzzle->Move(group, assembled.Origin - puzzle->Place(group).Origin);
    puzzle->Drop(group);
  }
  return puzzle;
}

// The big group dropped where nothing joins it: every one of its pieces' neighbours is looked at.
void BM_FreeJoinCheck(benchmark::State& state) {
  const auto puzzle = HalfAssembled(static_cast<int>(state.range(0)));
  const int group = puzzle->GroupOf(0);
  for (auto _ : state) benchmark::DoNotOptimize(puzzle->Drop(group));
  state.counters["group"] = static_cast<double>(puzzle->Members(group).size());
}
BENCHMARK(BM_FreeJoinCheck)->Arg(1000)->MeasureProcessCPUTime()->Unit(benchmark::kMicrosecond);

// One piece dropped onto the big group: it joins, and the grown group is looked over again.
void BM_FreeJoinSnap(benchmark::State& state) {
  const auto start = HalfAssembled(static_cast<int>(state.range(0)));
  const int piece = start->Grid().Columns * (start->Grid().Rows / 2);  // below the group's first piece
  const QPointF onto = start->Place(start->GroupOf(0)).Origin + QPointF(3, -2);
  for (auto _ : state) {
    state.PauseTiming();
    TFreePuzzle puzzle = *start;
    const int group = puzzle.GroupOf(piece);
    puzzle.Move(group, onto - puzzle.Place(group).Origin);
    state.ResumeTiming();
    if (puzzle.Drop(group).MergedGroups.empty()) state.SkipWithError("the piece did not join");
  }
}
BENCHMARK(BM_FreeJoinSnap)->Arg(1000)->MeasureProcessCPUTime()->Unit(benchmark::kMicrosecond);
}  // namespace

int main(int argc, char** argv) { return RunBenchmarks<QGuiApplication>(argc, argv); }
