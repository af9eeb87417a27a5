// The row-wise stroke canvas against the exact pen test, pixel by pixel.
#include <gtest/gtest.h>

#include <random>

#include "pieces/StrokeCanvas.h"

namespace {
// Every pixel of the pattern that some segment of the polylines covers, as row spans.
TSpanRows Brute(const std::vector<QPolygon>& lines, int penWidth, const QRect& pattern) {
  auto covered = [&](int x, int y) {
    for (const QPolygon& line : lines)
      for (int i = 0; i < line.size(); ++i)
        if (PenCovers(line[i], line[std::min<int>(i + 1, line.size() - 1)], penWidth, x, y)) return true;
    return false;
  };
  TSpanRows rows;
  rows.Clear();
  for (int y = pattern.top(); y <= pattern.bottom(); ++y) {
    int runStart = -1;
    for (int x = pattern.left(); x <= pattern.right() + 1; ++x) {
      const bool in = x <= pattern.right() && covered(x, y);
      if (in && runStart < 0) runStart = x;
      if (!in && runStart >= 0) {
        rows.Add({runStart - pattern.left(), x - pattern.left()});
        runStart = -1;
      }
    }
    rows.EndRow();
  }
  return rows;
}

struct TStrokeCase {
  const char* name;
  QPolygon line;
  int penWidth;
  QRect pattern;
};

QPolygon RandomLine(std::mt19937& random, int points, int from, int to) {
  std::uniform_int_distribution<int> coordinate(from, to);
  QPolygon line;
  for (int i = 0; i < points; ++i) line << QPoint(coordinate(random), coordinate(random));
  return line;
}

TEST(StrokeCanvas, EveryStrokeEqualsThePenTestPixelForPixel) {
  std::mt19937 random(2024);
  std::vector<TStrokeCase> cases = {
      {"horizontal", QPolygon({QPoint(5, 20), QPoint(40, 20)}), 10, QRect(0, 0, 60, 40)},
      {"vertical", QPolygon({QPoint(20, 5), QPoint(20, 35)}), 10, QRect(0, 0, 60, 40)},
      {"diagonal", QPolygon({QPoint(3, 4), QPoint(50, 37)}), 10, QRect(0, 0, 60, 40)},
      {"one point", QPolygon({QPoint(30, 20)}), 10, QRect(0, 0, 60, 40)},
      {"repeated points and a sharp turn", QPolygon({QPoint(10, 10), QPoint(10, 10), QPoint(50, 12), QPoint(11, 14)}),
       10, QRect(0, 0, 60, 40)},
      {"short steps straight on, then back and on again",
       QPolygon({QPoint(10, 10), QPoint(12, 11), QPoint(14, 12), QPoint(16, 13), QPoint(14, 12), QPoint(20, 15),
                 QPoint(21, 15), QPoint(22, 15), QPoint(22, 16), QPoint(22, 17)}),
       10, QRect(0, 0, 40, 30)},
      {"odd pen width", QPolygon({QPoint(7, 30), QPoint(33, 9), QPoint(52, 28)}), 7, QRect(0, 0, 60, 40)},
      {"clipped by an offset pattern", QPolygon({QPoint(-8, 15), QPoint(70, 25), QPoint(30, 60)}), 10,
       QRect(5, 7, 50, 40)},
  };
  for (int i = 0; i < 12; ++i)
    cases.push_back({"random polyline", RandomLine(random, 3 + i % 5, -10, 70), 10, QRect(0, 0, 60, 60)});
  // Steps of a pixel or two, as a sampled curve makes them: runs that carry straight on meet turns.
  for (int i = 0; i < 6; ++i) {
    QPolygon line({QPoint(30, 30)});
    std::uniform_int_distribution<int> step(-2, 2), repeat(1, 4);
    for (int k = 0; k < 8; ++k) {
      const QPoint d(step(random), step(random));
      for (int r = repeat(random); r > 0; --r) line << line.last() + d;
    }
    cases.push_back({"short steps", line, 9 + i % 3, QRect(0, 0, 60, 60)});
  }
  TStrokeCanvas canvas;
  for (const TStrokeCase& c : cases) {
    canvas.Stroke(c.line, c.penWidth, c.pattern);
    EXPECT_EQ(canvas.TakeStrokes(c.pattern.height()), Brute({c.line}, c.penWidth, c.pattern)) << c.name;
  }
}

TEST(StrokeCanvas, StrokesOfSeveralLinesMergeAndTakingEmptiesTheCanvas) {
  const QRect pattern(0, 0, 80, 30);
  const QPolygon left({QPoint(5, 15), QPoint(30, 15)}), right({QPoint(36, 15), QPoint(70, 15)});
  TStrokeCanvas canvas;
  canvas.Stroke(right, 10, pattern);
  canvas.Stroke(left, 10, pattern);
  const TSpanRows merged = canvas.TakeStrokes(pattern.height());
  EXPECT_EQ(merged, Brute({left, right}, 10, pattern));
  // The round ends meet on the bars' middle row, but leave a notch between them above and below it.
  EXPECT_EQ(merged.Row(15).size(), 1u);
  EXPECT_EQ(merged.Row(19).size(), 2u);
  EXPECT_TRUE(canvas.TakeStrokes(pattern.height()).Empty());
}
TEST(StrokeCanvas, AShapeStrokedBeforeIsCopiedExactlyWhereverItLies) {
  // The first stroke of the shape is worked out; the moved ones are copied, some of them clipped by the pattern.
  const QPolygon shape({QPoint(0, 0), QPoint(9, 4), QPoint(17, 3), QPoint(24, 12)});
  const QRect pattern(0, 0, 60, 40);
  const std::vector<std::pair<const char*, QPoint>> places = {{"inside", QPoint(20, 15)},
                                                              {"moved within", QPoint(31, 22)},
                                                              {"over the left and top edges", QPoint(-6, -4)},
                                                              {"over the right and bottom edges", QPoint(44, 33)},
                                                              {"inside again", QPoint(20, 15)}};
  TStrokeCanvas canvas;
  for (const auto& [name, offset] : places) {
    const QPolygon line = shape.translated(offset);
    canvas.Stroke(line, 10, pattern);
    EXPECT_EQ(canvas.TakeStrokes(pattern.height()), Brute({line}, 10, pattern)) << name;
  }
  // Forgetting the kept shapes changes nothing but the work.
  canvas.ForgetShapes();
  canvas.Stroke(shape.translated(31, 22), 10, pattern);
  EXPECT_EQ(canvas.TakeStrokes(pattern.height()), Brute({shape.translated(31, 22)}, 10, pattern));
}
}  // namespace
