// Row spans: complements, and the outside fill by connected gaps.
#include "pieces/RowSpans.h"

#include <algorithm>

void Complement(std::span<const TSpan> spans, int width, std::vector<TSpan>& out) {
  int x = 0;
  for (const TSpan& s : spans) {
    if (s.x0 > x) out.push_back({x, s.x0});
    x = std::max(x, s.x1);
  }
  if (x < width) out.push_back({x, width});
}

void TOutsideFill::Join(int a, int b) {
  a = Root(a);
  b = Root(b);
  if (a != b) parent_[std::max(a, b)] = std::min(a, b);
}

void TOutsideFill::Connect(const TSpanRows& walls, int width) {
  const int height = walls.RowCount();
  // Every gap between walls is a node, numbered from 1 in row order; node 0 stands for everything beyond the border.
  std::vector<TSpan>& gaps = gaps_;
  std::vector<int>& firstGap = firstGap_;
  std::vector<int>& parent = parent_;
  // A row without walls is outside from end to end, and so is every gap of a row beside one: only the rows from the
  // first with walls to the last need their gaps connected.
  first_ = 0;
  while (first_ < height && walls.Row(first_).empty()) ++first_;
  last_ = height - 1;
  while (last_ >= first_ && walls.Row(last_).empty()) --last_;
  gaps.clear();
  firstGap.assign(height + 1, 0);
  for (int y = first_; y <= last_; ++y) {
    firstGap[y] = static_cast<int>(gaps.size());
    Complement(walls.Row(y), width, gaps);
  }
  for (int y = std::max(last_ + 1, first_); y <= height; ++y) firstGap[y] = static_cast<int>(gaps.size());
  parent.resize(gaps.size() + 1);

  // Row by row, each gap joins the region of the first gap above it that it touches, or the border's, as it is met;
  // only a second meeting can join two regions, and only then does the union need finding.
  for (int y = first_; y <= last_; ++y) {
    const int begin = firstGap[y], end = firstGap[y + 1];
    const bool edgeRow = y == first_ || y == last_;
    int above = y > first_ ? firstGap[y - 1] : begin;
    for (int g = begin; g < end; ++g) {
      const int node = g + 1;
      parent[node] = edgeRow || gaps[g].x0 == 0 || gaps[g].x1 == width ? 0 : node;
      // Gaps of neighbouring rows that share a column are connected.
      while (above < begin && gaps[above].x1 <= gaps[g].x0) ++above;
      for (int a = above; a < begin && gaps[a].x0 < gaps[g].x1; ++a) {
        if (parent[a + 1] == parent[node]) continue;  // already one region, as most gaps beside the border are
        if (parent[node] == node)
          parent[node] = Root(a + 1);
        else
          Join(node, a + 1);
      }
    }
  }
}

void TOutsideFill::FillInside(const TSpanRows& walls, int width, TSpanRows& inside) {
  Connect(walls, width);
  inside.Clear();
  for (int y = 0; y < walls.RowCount(); ++y) {
    if (y < first_ || y > last_) {
      inside.EndRow();
      continue;
    }
    // What lies between the outside gaps.
    int x = 0;
    for (int g = firstGap_[y]; g < firstGap_[y + 1]; ++g) {
      if (!Outside(g)) continue;
      if (gaps_[g].x0 > x) inside.Add({x, gaps_[g].x0});
      x = gaps_[g].x1;
    }
    if (x < width) inside.Add({x, width});
    inside.EndRow();
  }
}
