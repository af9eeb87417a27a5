// Free puzzles for the saves' tests.
#include "FreeSavesFixture.h"

#include <QImage>
#include <random>

void WriteFixturePicture(const QString& path, QSize size) {
  QImage image(size, QImage::Format_RGB32);
  for (int y = 0; y < size.height(); ++y)
    for (int x = 0; x < size.width(); ++x) image.setPixel(x, y, qRgb((x * 7 + y) % 256, (x ^ y) % 256, (x * y) % 256));
  image.save(path, "png");
}

std::unique_ptr<TFreePuzzle> FixtureFreePuzzle(const QString& picture) {
  std::mt19937 random(7);
  return StartFreePuzzle(picture, 12, true, random);
}

void PlayStep(TFreePuzzle& puzzle, int step) {
  if (step == 0) {
    // Piece 1 laid where piece 0's place puts it, at piece 0's angle: a join.
    const int one = puzzle.GroupOf(1);
    puzzle.Turn(one, puzzle.Place(puzzle.GroupOf(0)).Angle - puzzle.Place(one).Angle);
    puzzle.Move(one, puzzle.Place(puzzle.GroupOf(0)).Origin - puzzle.Place(one).Origin);
    puzzle.Drop(one);
    return;
  }
  const int group = puzzle.GroupOf(2 + step % (int(puzzle.Pieces().size()) - 2));
  puzzle.Raise(group);
  puzzle.Turn(group, 7 + step % 5);
  puzzle.Move(group, QPointF(3 * (step % 7) - 9, 2 * (step % 3) - 2));
  puzzle.Drop(group);
}

QString FreeFault(const std::function<void()>& action) {
  try {
    action();
  } catch (const TFreeError& e) {
    return QString::fromUtf8(e.what());
  }
  return {};
}
