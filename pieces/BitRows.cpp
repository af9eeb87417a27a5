// Bit rows: setting runs and reading them back as spans.
#include "pieces/BitRows.h"

#include <algorithm>
#include <bit>

namespace {
constexpr int kWordBits = 64;
constexpr std::uint64_t kAll = ~std::uint64_t(0);

// Bits from..63 of a word; from < 64.
std::uint64_t From(int from) { return kAll << from; }
// Bits 0..to - 1 of a word; 0 < to <= 64.
std::uint64_t Below(int to) { return kAll >> (kWordBits - to); }
}  // namespace

void TBitRows::Reset(int width, int height) {
  width_ = width;
  height_ = height;
  words_ = (width + kWordBits - 1) / kWordBits;
  bits_.assign(static_cast<std::size_t>(words_) * height, 0);
  firstSet_ = height;
  lastSet_ = -1;
  firstWord_ = words_;
  lastWord_ = -1;
}

void TBitRows::Set(int y, TSpan span) {
  std::uint64_t* row = bits_.data() + static_cast<std::size_t>(y) * words_;
  const int first = span.x0 / kWordBits, last = (span.x1 - 1) / kWordBits;
  const std::uint64_t head = From(span.x0 % kWordBits), tail = Below(span.x1 - last * kWordBits);
  if (first == last) {
    row[first] |= head & tail;
  } else {
    row[first] |= head;
    std::fill(row + first + 1, row + last, kAll);
    row[last] |= tail;
  }
  firstSet_ = std::min(firstSet_, y);
  lastSet_ = std::max(lastSet_, y);
  firstWord_ = std::min(firstWord_, first);
  lastWord_ = std::max(lastWord_, last);
}

void TBitRows::AppendRow(int y, TSpanRows& out) const {
  const std::uint64_t* row = bits_.data() + static_cast<std::size_t>(y) * words_;
  // Walks from one change to the next: set bits while outside a span, clear bits while inside one.
  bool inside = false;
  int start = 0;
  for (int w = firstWord_; w <= lastWord_; ++w) {
    std::uint64_t word = row[w];
    int at = 0;
    while (at < kWordBits) {
      const std::uint64_t seek = (inside ? ~word : word) & From(at);
      if (seek == 0) break;
      at = std::countr_zero(seek);
      if (inside)
        out.Add({start, w * kWordBits + at});
      else
        start = w * kWordBits + at;
      inside = !inside;
    }
  }
  if (inside) out.Add({start, std::min(width_, (lastWord_ + 1) * kWordBits)});
}

void TBitRows::Take(int rows, TSpanRows& taken) {
  taken.Clear();
  for (int y = 0; y < rows; ++y) {
    if (y >= firstSet_ && y <= lastSet_) AppendRow(y, taken);
    taken.EndRow();
  }
  if (lastSet_ >= firstSet_)
    std::fill(bits_.begin() + static_cast<std::size_t>(firstSet_) * words_,
              bits_.begin() + static_cast<std::size_t>(lastSet_ + 1) * words_, 0);
  firstSet_ = height_;
  lastSet_ = -1;
  firstWord_ = words_;
  lastWord_ = -1;
}
