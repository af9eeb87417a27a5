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

void TBitRows::TakeRow(int y, TSpanRows& out) {
  std::uint64_t* row = bits_.data() + static_cast<std::size_t>(y) * words_;
  // A span begins or ends wherever a bit differs from the one before it.
  std::uint64_t before = 0;  // the last bit of the word before
  bool inside = false;
  int start = 0;
  for (int w = firstWord_; w <= lastWord_; ++w) {
    const std::uint64_t word = row[w];
    row[w] = 0;
    std::uint64_t changes = word ^ (word << 1 | before);
    before = word >> (kWordBits - 1);
    for (; changes != 0; changes &= changes - 1) {
      const int at = w * kWordBits + std::countr_zero(changes);
      if (inside)
        out.Add({start, at});
      else
        start = at;
      inside = !inside;
    }
  }
  if (inside) out.Add({start, std::min(width_, (lastWord_ + 1) * kWordBits)});
}

void TBitRows::Take(int rows, TSpanRows& taken) {
  taken.Clear();
  for (int y = 0; y < rows; ++y) {
    if (y >= firstSet_ && y <= lastSet_) TakeRow(y, taken);
    taken.EndRow();
  }
  // Set rows past those taken are cleared all the same.
  const int rest = std::max(firstSet_, rows);
  if (rest <= lastSet_)
    std::fill(bits_.begin() + static_cast<std::size_t>(rest) * words_,
              bits_.begin() + static_cast<std::size_t>(lastSet_ + 1) * words_, 0);
  firstSet_ = height_;
  lastSet_ = -1;
  firstWord_ = words_;
  lastWord_ = -1;
}
