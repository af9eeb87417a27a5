// Pixel blending shared by the view and the piece layers: the four-pixel path must equal the one-pixel path.
#include <gtest/gtest.h>

#include <cmath>

#include "view/Blend32.h"

namespace {

TEST(Blend32, EndpointsAreExactAndTheMiddleIsWithinOneStep) {
  const TColor32 dst = 0xFF1080F0;
  for (TColor32 src : {0xFF000000u, 0xFFFFFFFFu, 0xFF7F3A01u}) {
    EXPECT_EQ(BlendOver(src, dst, 255), src) << std::hex << src;
    EXPECT_EQ(BlendOver(src, dst, 0), dst) << std::hex << src;
    for (std::uint32_t opacity : {1u, 50u, 128u, 150u, 254u}) {
      const TColor32 mixed = BlendOver(src, dst, opacity);
      for (int shift : {0, 8, 16}) {
        const double exact =
            (dst >> shift & 0xFF) + ((src >> shift & 0xFF) - double(dst >> shift & 0xFF)) * opacity / 255;
        EXPECT_LE(std::abs((mixed >> shift & 0xFF) - exact), 1.0) << std::hex << src << " at " << std::dec << opacity;
      }
    }
  }
}

TEST(Blend32, OpacityIsAlphaTimesMasterAlpha) {
  const struct {
    TColor32 sample;
    std::uint32_t master, opacity;
  } cases[] = {{0xFF000000, 255, 255}, {0x00FFFFFF, 255, 0},  {0xFF123456, 150, 150},
               {0x80123456, 255, 128}, {0x80123456, 128, 64}, {0x01000000, 1, 0}};
  for (const auto& c : cases) EXPECT_EQ(SampleOpacity(c.sample, c.master), c.opacity) << std::hex << c.sample;
}

TEST(Blend32, FourAtATimeEqualsOneAtATime) {
  const std::uint32_t alphas[] = {0, 1, 2, 127, 128, 129, 254, 255};
  const std::uint32_t masters[] = {0, 1, 50, 127, 128, 150, 254, 255};
  const TColor32 colours[] = {0x000000, 0xFFFFFF, 0x123456, 0xFE01FE, 0x80FF00};
  const TColor32 under[4] = {0xFF000000, 0xFFFFFFFF, 0xFFAAC4D0, 0xFF0180FE};
  for (std::uint32_t master : masters)
    for (int first = 0; first < 8; ++first)
      for (TColor32 colour : colours) {
        // Four different samples over four different pixels, so a mixed-up lane shows.
        TColor32 samples[4];
        for (int i = 0; i < 4; ++i) samples[i] = (alphas[(first + i) % 8] << 24) | (colour ^ (i * 0x1F2F3F));
        TColor32 four[4] = {under[0], under[1], under[2], under[3]};
        BlendOver4(four, samples[0], samples[1], samples[2], samples[3], master);
        for (int i = 0; i < 4; ++i)
          ASSERT_EQ(four[i], BlendOver(samples[i], under[i], SampleOpacity(samples[i], master)))
              << "lane " << i << " master " << master << std::hex << " sample " << samples[i];
      }
}

}  // namespace
