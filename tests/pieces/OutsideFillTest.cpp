// The fill by connected gaps against a plain pixel flood fill from the border, on wall patterns that join and part
// regions.
#include <gtest/gtest.h>

#include <deque>
#include <random>
#include <vector>

#include "pieces/RowSpans.h"

namespace {
using TPixels = std::vector<std::vector<bool>>;  // [y][x], true where set

TSpanRows Spans(const TPixels& pixels) {
  TSpanRows rows;
  for (const std::vector<bool>& row : pixels) {
    const int width = static_cast<int>(row.size());
    for (int x = 0; x < width;) {
      if (!row[x]) {
        ++x;
        continue;
      }
      const int start = x;
      while (x < width && row[x]) ++x;
      rows.Add({start, x});
    }
    rows.EndRow();
  }
  return rows;
}

// Free pixels reached from beyond the border through side neighbours.
TPixels FloodOutside(const TPixels& walls) {
  const int height = static_cast<int>(walls.size()), width = static_cast<int>(walls[0].size());
  TPixels outside(height, std::vector<bool>(width, false));
  std::deque<std::pair<int, int>> queue;
  auto visit = [&](int x, int y) {
    if (x < 0 || y < 0 || x >= width || y >= height || walls[y][x] || outside[y][x]) return;
    outside[y][x] = true;
    queue.emplace_back(x, y);
  };
  for (int x = 0; x < width; ++x) visit(x, 0), visit(x, height - 1);
  for (int y = 0; y < height; ++y) visit(0, y), visit(width - 1, y);
  while (!queue.empty()) {
    const auto [x, y] = queue.front();
    queue.pop_front();
    visit(x - 1, y), visit(x + 1, y), visit(x, y - 1), visit(x, y + 1);
  }
  return outside;
}

TPixels FromText(const std::vector<const char*>& lines) {
  TPixels pixels;
  for (const char* line : lines) {
    pixels.emplace_back();
    for (const char* c = line; *c; ++c) pixels.back().push_back(*c == '#');
  }
  return pixels;
}

void ExpectFloodFill(const TPixels& walls, const std::string& name) {
  TOutsideFill fill;
  TSpanRows inside;
  fill.FillInside(Spans(walls), static_cast<int>(walls[0].size()), inside);
  TPixels notOutside = FloodOutside(walls);
  for (auto& row : notOutside) row.flip();
  EXPECT_EQ(inside, Spans(notOutside)) << name;
}
}  // namespace

TEST(OutsideFill, InsideIsAllButWhatAPixelFloodFillReaches) {
  const std::vector<std::pair<std::string, TPixels>> drawn = {
      // The inside of the comb's teeth meets the outside only through the bottom row.
      {"comb open below", FromText({"..........", ".########.", ".#.#.#.#..", ".#.#.#.#..", ".#.#.#.#..", ".#.......#",
                                    ".#########", ".........."})},
      {"closed box", FromText({"......", ".####.", ".#..#.", ".#..#.", ".####.", "......"})},
      {"diagonal walls leak", FromText({"......", ".##...", ".#.#..", "..#.#.", "...##.", "......"})},
      {"spiral", FromText({"#########", "#.......#", "#.#####.#", "#.#...#.#", "#.#.#.#.#", "#.#.###.#", "#.#.....#",
                           "#.#######", "#........"})},
      {"all wall", FromText({"###", "###"})},
      {"no wall", FromText({"....", "...."})},
  };
  for (const auto& [name, walls] : drawn) ExpectFloodFill(walls, name);

  std::mt19937 random(5);
  for (int pattern = 0; pattern < 200; ++pattern) {
    const int width = 3 + static_cast<int>(random() % 40), height = 3 + static_cast<int>(random() % 30);
    const double density = 0.2 + 0.05 * (pattern % 10);
    std::bernoulli_distribution wall(density);
    TPixels walls(height, std::vector<bool>(width));
    for (auto& row : walls)
      for (int x = 0; x < width; ++x) row[x] = wall(random);
    ExpectFloodFill(walls, "random pattern " + std::to_string(pattern));
  }
}
