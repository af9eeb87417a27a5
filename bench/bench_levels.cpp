// The level search over a data folder of 2,000 levels (goal: at most 50 ms a search).
#include <benchmark/benchmark.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "engine/PicPuzzle.h"
#include "engine/level/LevelSearch.h"
#include "platform/ProgramFolder.h"

namespace {
constexpr int kLevels = 2000;

// Two packs of 1,000 levels; every level of "standart" is done but its last, so the search reads every file.
struct LevelFolder {
  LevelFolder() {
    QDir().mkpath(dir.path() + "/levels/data");
    for (int i = 0; i < kLevels; ++i) {
      const QString name = QString("level%1").arg(i, 4, 10, QChar('0'));
      QFile file(dir.path() + "/levels/data/" + name + ".ini");
      if (!file.open(QIODevice::WriteOnly)) throw std::runtime_error("cannot write the level folder");
      const bool standart = i % 2 == 0;
      file.write(QString("[PuzzleSettings]\nlevel=%1\npack=%2\nimage=%3.jpg\ninfo=Описание картины номер %1\n"
                         "ColCount=4\nRowCount=4\nLimTime=600\nSpeed_Movie=0\n")
                     .arg(i / 2)
                     .arg(standart ? "standart" : "Природа")
                     .arg(name)
                     .toUtf8());
      if (standart && i / 2 != kLevels / 2 - 1) done += name + ".jpg ";
    }
    SetProgramFolder(dir.path());
  }
  QTemporaryDir dir;
  QString done;
};

void Search(benchmark::State& state, bool firstSearch) {
  LevelFolder folder;
  const QString wanted = QString("level%1.ini").arg(kLevels - 2, 4, 10, QChar('0'));
  for (auto _ : state) {
    if (firstSearch) ForgetReadLevels();
    const QString found = Puzzle.UpdateLevel(0, "standart", folder.done);
    if (found != wanted) state.SkipWithError("the search found the wrong level");
    benchmark::DoNotOptimize(found);
  }
}

// The first search after start-up reads every file.
void BM_UpdateLevel2000_First(benchmark::State& state) { Search(state, true); }
// Later searches open only files that changed.
void BM_UpdateLevel2000_Again(benchmark::State& state) { Search(state, false); }
BENCHMARK(BM_UpdateLevel2000_First)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_UpdateLevel2000_Again)->Unit(benchmark::kMillisecond);
}  // namespace

BENCHMARK_MAIN();
