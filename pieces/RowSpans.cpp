// Row spans: merging, complement, and the outside fill by connected gaps.
#include "pieces/RowSpans.h"

#include <algorithm>
#include <numeric>

void MergeSpans(TSpanRows& rows) {
  for (std::vector<TSpan>& row : rows) {
    if (row.size() < 2) continue;
    std::sort(row.begin(), row.end(), [](const TSpan& a, const TSpan& b) { return a.x0 < b.x0; });
    std::size_t kept = 0;
    for (std::size_t i = 1; i < row.size(); ++i) {
      if (row[i].x0 <= row[kept].x1)
        row[kept].x1 = std::max(row[kept].x1, row[i].x1);
      else
        row[++kept] = row[i];
    }
    row.resize(kept + 1);
  }
}

std::vector<TSpan> Complement(const std::vector<TSpan>& spans, int width) {
  std::vector<TSpan> gaps;
  int x = 0;
  for (const TSpan& s : spans) {
    if (s.x0 > x) gaps.push_back({x, s.x0});
    x = std::max(x, s.x1);
  }
  if (x < width) gaps.push_back({x, width});
  return gaps;
}

namespace {
int Root(std::vector<int>& parent, int i) {
  while (parent[i] != i) i = parent[i] = parent[parent[i]];
  return i;
}

void Join(std::vector<int>& parent, int a, int b) {
  a = Root(parent, a);
  b = Root(parent, b);
  if (a != b) parent[std::max(a, b)] = std::min(a, b);
}
}  // namespace

TSpanRows OutsideSpans(const TSpanRows& walls, int width) {
  const int height = static_cast<int>(walls.size());
  // Every gap between walls is a node; node 0 stands for everything beyond the border.
  TSpanRows gaps(height);
  std::vector<int> firstNode(height + 1);
  int nodes = 1;
  for (int y = 0; y < height; ++y) {
    gaps[y] = Complement(walls[y], width);
    firstNode[y] = nodes;
    nodes += static_cast<int>(gaps[y].size());
  }
  firstNode[height] = nodes;
  std::vector<int> parent(nodes);
  std::iota(parent.begin(), parent.end(), 0);

  for (int y = 0; y < height; ++y) {
    const std::vector<TSpan>& row = gaps[y];
    for (std::size_t i = 0; i < row.size(); ++i) {
      if (y == 0 || y == height - 1 || row[i].x0 == 0 || row[i].x1 == width) Join(parent, 0, firstNode[y] + i);
    }
    if (y + 1 == height) continue;
    // Gaps of neighbouring rows that share a column are connected.
    const std::vector<TSpan>& next = gaps[y + 1];
    std::size_t a = 0, b = 0;
    while (a < row.size() && b < next.size()) {
      if (row[a].x0 < next[b].x1 && next[b].x0 < row[a].x1) Join(parent, firstNode[y] + a, firstNode[y + 1] + b);
      if (row[a].x1 < next[b].x1)
        ++a;
      else
        ++b;
    }
  }

  TSpanRows outside(height);
  for (int y = 0; y < height; ++y)
    for (std::size_t i = 0; i < gaps[y].size(); ++i)
      if (Root(parent, firstNode[y] + i) == 0) outside[y].push_back(gaps[y][i]);
  return outside;
}
