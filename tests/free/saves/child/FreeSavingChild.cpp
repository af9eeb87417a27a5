// A free puzzle played and saved at every move until the process is killed: free_saves_child PICTURE FILE.
// It prints each step once that step's save is on disk; the file's seconds are the step. Left alone, it ends after
// a minute.
#include <QElapsedTimer>
#include <QGuiApplication>
#include <cstdio>

#include "FreeSavesFixture.h"
#include "free/saves/FreeKeeper.h"

int main(int argc, char** argv) {
  QGuiApplication app(argc, argv);
  const QStringList args = app.arguments();
  if (args.size() != 3) {
    std::fprintf(stderr, "usage: free_saves_child PICTURE FILE\n");
    return 2;
  }
  std::unique_ptr<TFreePuzzle> puzzle = FixtureFreePuzzle(args[1]);
  TFreeKeeper keeper(args[2]);
  QElapsedTimer running;
  running.start();
  for (int step = 0; running.elapsed() < 60'000; ++step) {
    PlayStep(*puzzle, step);
    if (!keeper.Save(*puzzle, step + 1)) return 1;
    std::printf("%d\n", step + 1);
    std::fflush(stdout);
  }
  return 0;
}
