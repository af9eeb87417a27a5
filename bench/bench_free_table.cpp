// The free puzzle's table as the player drives it: 1,000 pieces of a 4000 × 3000 photo in a shown 1920 × 1080
// view, moved by mouse events and painted through the toolkit's own path to the (off-screen) screen.
// Processor time of the whole process.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <cmath>
#include <memory>
#include <random>

#include "GameInPlay.h"
#include "free/puzzle/FreeCut.h"
#include "free/puzzle/FreePuzzle.h"
#include "free/table/FreeTable.h"
#include "platform/MessageBox.h"

namespace {
constexpr QSize kScreen(1920, 1080);

// Counts the viewport's paints, so a frame is known to have been drawn.
class TPaintCount : public QObject {
 public:
  int paints = 0;
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Paint) ++paints;
    return false;
  }
};

// The puzzle is made once for the whole run: its cut is the model's benchmark, not this one's.
TFreePuzzle& Puzzle1000() {
  static std::unique_ptr<TFreePuzzle> puzzle = [] {
    QTemporaryDir folder;
    const QString file = folder.filePath("photo.jpg");
    DetailedPicture(4000, 3000).save(file, "JPG", 90);
    std::mt19937 random(1000);
    return StartFreePuzzle(file, 1000, false, random);
  }();
  return *puzzle;
}

class TShownTable {
 public:
  TShownTable() : table(Puzzle1000()) {
    SetMessageBoxHook([](const QString&, const QString&, TMsgIcon, TMsgButtons) { return TMsgResult::Ok; });
    table.resize(kScreen);
    table.show();
    table.viewport()->installEventFilter(&count);
    Settle();
  }
  ~TShownTable() { SetMessageBoxHook(nullptr); }

  static void Settle() {
    for (int i = 0; i < 3; ++i) QApplication::processEvents();
  }
  void Mouse(QEvent::Type type, QPointF at) {
    QMouseEvent event(type, at, table.viewport()->mapToGlobal(at), Qt::LeftButton,
                      type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(table.viewport(), &event);
  }
  // One frame: the move, then the repaint that the toolkit would do next.
  void MoveAndPaint(QPointF at, benchmark::State& state) {
    const int before = count.paints;
    Mouse(QEvent::MouseMove, at);
    // The scene gathers what changed in a posted call, and the window paints at its next frame tick: the wait for
    // the tick sleeps, so processor time counts only the work.
    QElapsedTimer waited;
    waited.start();
    while (count.paints == before && waited.elapsed() < 1000)
      QApplication::processEvents(QEventLoop::WaitForMoreEvents);
    if (count.paints == before) state.SkipWithError("the move painted nothing");
  }

  TFreeTable table;
  TPaintCount count;
};

// A point where the group of the piece shows, in viewport pixels, with the view centred on it at 1 : 1.
QPointF GripAt1To1(TShownTable& shown, int piece) {
  TFreePuzzle& puzzle = shown.table.Puzzle();
  const TFreePiece& p = puzzle.Pieces()[piece];
  const QPointF centre =
      puzzle.PieceToTable(piece).map(QRectF(FreeCell(puzzle.Grid(), p.Column, p.Row)).center() - QPointF(p.Home));
  shown.table.ZoomBy(1 / shown.table.Zoom(), {0, 0});
  shown.table.centerOn(centre);
  TShownTable::Settle();
  return shown.table.viewportTransform().map(centre);
}

// Holds the group of `piece` at the grip and moves it around a circle, a frame a move.
void DragAround(TShownTable& shown, int piece, QPointF grip, benchmark::State& state) {
  shown.Mouse(QEvent::MouseButtonPress, grip);
  if (shown.table.HeldGroup() != shown.table.Puzzle().GroupOf(piece)) state.SkipWithError("the press took another");
  int step = 0;
  for (auto _ : state) {
    // Every frame moves: the first one too.
    const double turn = 0.05 * ++step;
    shown.MoveAndPaint(grip + QPointF(120 * std::cos(turn) - 120, 120 * std::sin(turn)), state);
  }
  shown.Mouse(QEvent::MouseButtonRelease, grip);
}

void BM_FreeDragFrame(benchmark::State& state) {
  TShownTable shown;
  const int piece = int(state.range(0)) / 2;
  DragAround(shown, piece, GripAt1To1(shown, piece), state);
}

// Joins `count` pieces of a block of whole rows from the top-left into one group, as the model's drops do.
int JoinBlock(TFreePuzzle& puzzle, int count) {
  const int anchor = 0;
  for (int piece = 1; piece < count; ++piece) {
    const int group = puzzle.GroupOf(piece);
    puzzle.Move(group, puzzle.Place(puzzle.GroupOf(anchor)).Origin - puzzle.Place(group).Origin);
    puzzle.Drop(group);
  }
  return puzzle.GroupOf(anchor);
}

void BM_FreeGroupDrag(benchmark::State& state) {
  // Joined by the model's drops before the table is made, which puts its items where the model has them.
  static const int group = JoinBlock(Puzzle1000(), int(state.range(1)));
  TShownTable shown;
  const auto& members = shown.table.Puzzle().Members(group);
  if (int(members.size()) != state.range(1)) state.SkipWithError("the block did not join");
  const int piece = members[members.size() / 2];
  DragAround(shown, piece, GripAt1To1(shown, piece), state);
}

// The whole table in view, wood, guide and every piece painted afresh.
void BM_FreeZoomedOut(benchmark::State& state) {
  TShownTable shown;
  shown.table.FitTable();
  TShownTable::Settle();
  for (auto _ : state) {
    shown.table.resetCachedContent();
    shown.table.viewport()->repaint();
  }
}

BENCHMARK(BM_FreeDragFrame)->Arg(1000)->MeasureProcessCPUTime()->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_FreeGroupDrag)->Args({1000, 250})->MeasureProcessCPUTime()->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_FreeZoomedOut)->Arg(1000)->MeasureProcessCPUTime()->Unit(benchmark::kMicrosecond);
}  // namespace

int main(int argc, char** argv) { return RunGameBenchmarks(argc, argv); }
