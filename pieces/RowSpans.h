// A pattern kept as pixel spans per row: the stroked outline and its shape, without a full bitmap.
#pragma once

#include <span>
#include <vector>

// Columns x0 .. x1 - 1 of one row.
struct TSpan {
  int x0 = 0, x1 = 0;
  bool operator==(const TSpan&) const = default;
};

// The spans of every row, row after row in one array, each row's sorted and apart.
class TSpanRows {
 public:
  int RowCount() const { return static_cast<int>(starts_.size()) - 1; }
  std::span<const TSpan> Row(int y) const { return {spans_.data() + starts_[y], spans_.data() + starts_[y + 1]}; }
  bool Empty() const { return spans_.empty(); }

  // Built row after row: the spans of the next row, then EndRow.
  void Add(TSpan span) { spans_.push_back(span); }
  void EndRow() { starts_.push_back(static_cast<int>(spans_.size())); }
  void Clear() {
    spans_.clear();
    starts_.assign(1, 0);
  }

  bool operator==(const TSpanRows&) const = default;

 private:
  std::vector<TSpan> spans_;
  std::vector<int> starts_ = {0};
};

// Pixels of a width-wide pattern that are not covered by `walls` and are reachable from the pattern's border through
// side neighbours that are not covered either: the outside of an outline whose stroke pixels are the walls. Every
// piece needs one, so the working lists are kept from fill to fill.
class TOutsideFill {
 public:
  // Makes `inside` every pixel but the outside of `walls`: the walls and what they enclose. Reuses its storage.
  void FillInside(const TSpanRows& walls, int width, TSpanRows& inside);

 private:
  // Works out which gaps of `walls` reach the border.
  void Connect(const TSpanRows& walls, int width);
  bool Outside(int gap) { return Root(gap + 1) == 0; }
  int Root(int node) {
    while (parent_[node] != node) node = parent_[node] = parent_[parent_[node]];
    return node;
  }
  void Join(int a, int b);

  int first_ = 0, last_ = -1;  // the rows with walls
  std::vector<TSpan> gaps_;    // every gap between walls in those rows, row after row
  std::vector<int> firstGap_;
  std::vector<int> parent_;  // of each gap's node, towards its region's lowest
};

// Appends to `out` the columns of 0 .. width - 1 that are not in `spans`.
void Complement(std::span<const TSpan> spans, int width, std::vector<TSpan>& out);
