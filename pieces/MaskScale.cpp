// Applying a scaled shape mask. A mask of neutral grays is resampled in one channel, and wherever a kernel covers
// only equal samples the result is that value without the sum: the weights add up to exactly one in fixed point.
#include "pieces/MaskScale.h"

#include <array>
#include <cstdint>
#include <vector>

#include "pieces/Lanczos.h"
#include "pieces/LibStorage.h"

namespace {
bool IsNeutralGray(const TBitmap32& mask) {
  for (int y = 0; y < mask.Height(); ++y) {
    const TColor32* line = mask.ScanLine(y);
    for (int x = 0; x < mask.Width(); ++x)
      if (RedOf(line[x]) != BlueOf(line[x]) || GreenOf(line[x]) != BlueOf(line[x])) return false;
  }
  return true;
}

// Shape or not for every level of a neutral gray.
std::array<bool, 256> ShapeLevels() {
  std::array<bool, 256> levels{};
  for (int v = 0; v < 256; ++v) levels[v] = RgbToGray(RGBtoColor(v, v, v)) >= kShapeGray;
  return levels;
}

// The horizontal pass over one row of gray levels.
void ResampleLine(const std::uint8_t* gray, int width, const TResampleTaps& taps, std::int32_t* out,
                  std::vector<int>& runEnd) {
  for (int x = width - 1; x >= 0; --x) runEnd[x] = x + 1 < width && gray[x + 1] == gray[x] ? runEnd[x + 1] : x + 1;
  for (std::size_t x = 0; x < taps.first.size(); ++x) {
    const int first = taps.first[x], count = taps.count[x];
    out[x] =
        runEnd[first] >= first + count ? gray[first] << kRowBits : ResampleRow(taps.Weights(x), count, gray + first, 1);
  }
}

std::uint8_t RoundRow(std::int32_t value) {
  const std::int32_t v = (value + (1 << (kRowBits - 1))) >> kRowBits;
  return static_cast<std::uint8_t>(v < 0 ? 0 : v > 255 ? 255 : v);
}
}  // namespace

void CombineScaledMask(const TBitmap32& mask, TBitmap32& piece) {
  const int pw = piece.Width(), ph = piece.Height();
  if (piece.Empty()) return;
  if (mask.Empty() || !IsNeutralGray(mask)) {
    TBitmap32 scaled = mask;
    ScaleBmp(scaled, pw, ph);
    CombineBmp(scaled, piece);
    return;
  }
  static const std::array<bool, 256> shapeLevels = ShapeLevels();
  const int mw = mask.Width(), mh = mask.Height();
  const TResampleTaps across = LanczosTaps(mw, pw);
  const TResampleTaps down = LanczosTaps(mh, ph);

  std::vector<std::uint8_t> gray(mw);
  std::vector<int> runEnd(mw);
  std::vector<std::int32_t> rows(static_cast<std::size_t>(mh) * pw);
  // changes[r * pw + x]: how often column x of the intermediate rows changes value between rows 0 and r.
  std::vector<std::int32_t> changes(static_cast<std::size_t>(mh) * pw, 0);
  for (int y = 0; y < mh; ++y) {
    const TColor32* line = mask.ScanLine(y);
    for (int x = 0; x < mw; ++x) gray[x] = BlueOf(line[x]);
    std::int32_t* out = rows.data() + static_cast<std::size_t>(y) * pw;
    ResampleLine(gray.data(), mw, across, out, runEnd);
    if (y == 0) continue;
    const std::int32_t* above = out - pw;
    std::int32_t* change = changes.data() + static_cast<std::size_t>(y) * pw;
    for (int x = 0; x < pw; ++x) change[x] = change[x - pw] + (out[x] != above[x]);
  }

  for (int y = 0; y < ph; ++y) {
    const int first = down.first[y], last = first + down.count[y] - 1;
    const std::int32_t* top = rows.data() + static_cast<std::size_t>(first) * pw;
    const std::int32_t* changedFirst = changes.data() + static_cast<std::size_t>(first) * pw;
    const std::int32_t* changedLast = changes.data() + static_cast<std::size_t>(last) * pw;
    TColor32* line = piece.ScanLine(y);
    for (int x = 0; x < pw; ++x) {
      const std::uint8_t level = changedLast[x] == changedFirst[x]
                                     ? RoundRow(top[x])
                                     : ResampleColumn(down.Weights(y), down.count[y], top + x, pw);
      if (!shapeLevels[level]) line[x] &= 0x00FFFFFF;
    }
  }
  piece.Changed();
}
