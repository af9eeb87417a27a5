// A phone's 200-megapixel photo read for a level (goal: its peak memory under 300 MB). The photo is written once, row
// by row, with grain enough to make its file as large as a camera's; the peak resident size of this process is
// reported as peak_MB.
#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <QFileInfo>
#include <QGuiApplication>
#include <QTemporaryDir>

#include "BenchMain.h"
#include "platform/PictureFile.h"
#include "support/PhotoFiles.h"

namespace {
double PeakMegabytes() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return usage.ru_maxrss / 1024.0;
}

void LoadPhoto(benchmark::State& state, QSize size) {
  QTemporaryDir dir;
  const QString file = dir.filePath("photo.jpg");
  TJpegPlan plan;
  plan.size = size;
  plan.grainy = true;
  WriteJpeg(file, plan);
  const double beforeMegabytes = PeakMegabytes();
  for (auto _ : state) benchmark::DoNotOptimize(LoadPicture(file, QSize(800, 800)));
  state.counters["file_MB"] = QFileInfo(file).size() / 1048576.0;
  state.counters["peak_before_MB"] = beforeMegabytes;
  state.counters["peak_MB"] = PeakMegabytes();
}
}  // namespace

BENCHMARK_CAPTURE(LoadPhoto, 48MP, QSize(8000, 6000))->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK_CAPTURE(LoadPhoto, 200MP, QSize(16320, 12240))->Unit(benchmark::kMillisecond)->Iterations(3);

int main(int argc, char** argv) { return RunBenchmarks<QGuiApplication>(argc, argv); }
