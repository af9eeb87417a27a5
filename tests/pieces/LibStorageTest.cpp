// Bitmap helpers: gray values, colour packing, mask application, Lanczos resampling and the dated file copy.
#include <gtest/gtest.h>

#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <cstdlib>

#include "pieces/LibStorage.h"
#include "support/TestFolder.h"

namespace {
struct GrayCase {
  const char* name;
  std::uint8_t r, g, b, gray;
};

TEST(RgbToGray, WeightsRoundHalvesToEven) {
  const GrayCase cases[] = {
      {"pure red, 76.5 to even", 255, 0, 0, 76},
      {"red 5, 1.5 to even", 5, 0, 0, 2},
      {"red 1, 0.3 down", 1, 0, 0, 0},
      {"pure green", 0, 255, 0, 150},
      {"pure blue", 0, 0, 255, 28},
      {"white", 255, 255, 255, 255},
      {"black", 0, 0, 0, 0},
      {"light gray", 200, 200, 200, 200},
  };
  for (const GrayCase& c : cases) EXPECT_EQ(RgbToGray(RGBtoColor(c.r, c.g, c.b)), c.gray) << c.name;
}

// The mask scaler relies on a neutral gray being its own gray value.
TEST(RgbToGray, NeutralGrayIsItsOwnValue) {
  for (int v = 0; v < 256; ++v) EXPECT_EQ(RgbToGray(RGBtoColor(v, v, v)), v) << v;
}

TEST(RGBtoColor, PacksRedInTheLowByte) {
  EXPECT_EQ(RGBtoColor(1, 2, 3), 197121u);
  EXPECT_EQ(RGBtoColor(0xFF, 0, 0), 0x0000FFu);
  EXPECT_EQ(RGBtoColor(0, 0, 0xFF), 0xFF0000u);
}

TEST(PixelGray, IgnoresAlphaAndReadsTheArgbWord) {
  EXPECT_EQ(PixelGray(0x00FF0000), 76);  // red in the ARGB word
  EXPECT_EQ(PixelGray(0x000000FF), 28);  // blue
  EXPECT_EQ(PixelGray(0xFFFFFFFF), PixelGray(0x00FFFFFF));
}

TBitmap32 Picture(int w, int h) {
  TBitmap32 bmp(w, h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) bmp.SetPixel(x, y, 0xFF000000u | (x * 40) << 16 | (y * 50) << 8 | (x + y) * 9);
  return bmp;
}

TEST(CombineBmp, WhiteMaskKeepsEveryPixel) {
  TBitmap32 source = Picture(5, 4);
  const TBitmap32 before = source;
  CombineBmp(TBitmap32(5, 4, 0xFFFFFFFF), source);
  EXPECT_EQ(source.Image(), before.Image());
}

TEST(CombineBmp, BlackMaskClearsAlphaAndKeepsColour) {
  TBitmap32 source = Picture(5, 4);
  const TBitmap32 before = source;
  CombineBmp(TBitmap32(5, 4, 0xFF000000), source);
  for (int y = 0; y < 4; ++y)
    for (int x = 0; x < 5; ++x) EXPECT_EQ(source.Pixel(x, y), before.Pixel(x, y) & 0x00FFFFFF) << x << "," << y;
}

TEST(CombineBmp, ThresholdLiesBetweenGray250And251) {
  struct Case {
    const char* name;
    TColor32 mask;
    bool kept;
  };
  const Case cases[] = {
      {"gray 250", 0xFFFAFAFA, false},           {"gray 251", 0xFFFBFBFB, true},
      {"yellowish, gray 251", 0xFFFFFFDA, true},  // 0.3*255 + 0.59*255 + 0.11*218 = 250.93
      {"the fill colour", 0xFFC8C8C8, false},    {"white with alpha 0", 0x00FFFFFF, true},
  };
  for (const Case& c : cases) {
    TBitmap32 source(1, 1, 0xFF123456);
    CombineBmp(TBitmap32(1, 1, c.mask), source);
    EXPECT_EQ(source.Pixel(0, 0), c.kept ? 0xFF123456u : 0x00123456u) << c.name;
  }
}

TEST(CombineBmp, ReadsTheMaskAtTheSamePositionWhenItIsLarger) {
  TBitmap32 mask(4, 3, 0xFF000000);
  mask.SetPixel(1, 2, 0xFFFFFFFF);
  TBitmap32 source(2, 3, 0xFF102030);
  CombineBmp(mask, source);
  for (int y = 0; y < 3; ++y)
    for (int x = 0; x < 2; ++x) EXPECT_EQ(AlphaOf(source.Pixel(x, y)), x == 1 && y == 2 ? 255 : 0) << x << "," << y;
}

TEST(CombineBmp, RefusesASmallerMask) {
  TBitmap32 source(4, 4, 0xFF000000);
  EXPECT_THROW(CombineBmp(TBitmap32(3, 4, 0xFFFFFFFF), source), std::invalid_argument);
  EXPECT_EQ(source.Pixel(0, 0), 0xFF000000u);
}

TEST(ScaleBmp, OwnSizeKeepsPixelsAndSetsBlend) {
  TBitmap32 bmp = Picture(6, 5);
  bmp.SetMasterAlpha(80);
  const TBitmap32 before = bmp;
  ScaleBmp(bmp, 6, 5);
  EXPECT_EQ(bmp.Width(), 6);
  EXPECT_EQ(bmp.Height(), 5);
  EXPECT_EQ(bmp.DrawMode(), dmBlend);
  EXPECT_EQ(bmp.MasterAlpha(), 255);
  EXPECT_EQ(bmp.Image(), before.Image());
}

TEST(ScaleBmp, UniformColourStaysExact) {
  struct Case {
    int fromW, fromH, toW, toH;
  };
  const Case cases[] = {{37, 23, 100, 7}, {485, 400, 243, 200}, {3, 3, 40, 40}, {800, 1, 13, 1}};
  for (const Case& c : cases) {
    TBitmap32 bmp(c.fromW, c.fromH, 0x80C8A010);
    ScaleBmp(bmp, c.toW, c.toH);
    ASSERT_EQ(bmp.Width(), c.toW);
    ASSERT_EQ(bmp.Height(), c.toH);
    for (int y = 0; y < c.toH; ++y)
      for (int x = 0; x < c.toW; ++x) ASSERT_EQ(bmp.Pixel(x, y), 0x80C8A010u) << c.fromW << "->" << c.toW;
  }
}

// Without widening the kernel, shrinking a one-pixel checkerboard to a third would pick single pixels.
TEST(ScaleBmp, ShrinkingAveragesFineDetail) {
  TBitmap32 bmp(63, 63);
  for (int y = 0; y < 63; ++y)
    for (int x = 0; x < 63; ++x) bmp.SetPixel(x, y, (x + y) % 2 ? 0xFFFFFFFF : 0xFF000000);
  ScaleBmp(bmp, 21, 21);
  for (int y = 3; y < 18; ++y)
    for (int x = 3; x < 18; ++x) ASSERT_NEAR(RedOf(bmp.Pixel(x, y)), 128, 16) << x << "," << y;
}

TEST(ScaleBmp, ChannelsAreResampledApart) {
  TBitmap32 bmp(20, 10);
  for (int y = 0; y < 10; ++y)
    for (int x = 0; x < 20; ++x) bmp.SetPixel(x, y, 0xFF000000u | (x * 12) << 16 | 0x4000 | 0x7F);
  ScaleBmp(bmp, 50, 4);
  int previousRed = -1;
  for (int x = 0; x < 50; ++x) {
    const TColor32 p = bmp.Pixel(x, 1);
    EXPECT_EQ(p & 0xFF00FFFF, 0xFF00407Fu) << x;
    EXPECT_GE(static_cast<int>(RedOf(p)), previousRed - 1) << "the red ramp goes up, " << x;
    previousRed = RedOf(p);
  }
}

TEST(ScaleBmp, EmptySourceGivesWhite) {
  TBitmap32 bmp;
  ScaleBmp(bmp, 3, 2);
  EXPECT_EQ(bmp.Width(), 3);
  EXPECT_EQ(bmp.Pixel(2, 1), 0xFFFFFFFFu);
}

TEST(FileCopy, CopiesBytesAndModificationTime) {
  TestFolder folder;
  folder.Write("a.zip", QByteArray("pack bytes\0\1\2", 13));
  folder.Write("b.zip", "older and longer content to be replaced");
  const QDateTime stamp = QDateTime::fromString("2019-04-05T06:07:08.123", Qt::ISODateWithMs);
  {
    QFile file(folder.File("a.zip"));
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    ASSERT_TRUE(file.setFileTime(stamp, QFileDevice::FileModificationTime));
  }
  FileCopy(folder.File("a.zip"), folder.File("b.zip"));
  QFile copy(folder.File("b.zip"));
  ASSERT_TRUE(copy.open(QIODevice::ReadOnly));
  EXPECT_EQ(copy.readAll(), QByteArray("pack bytes\0\1\2", 13));
  EXPECT_EQ(QFileInfo(folder.File("b.zip")).lastModified(), stamp);
}

TEST(FileCopy, MissingSourceRaisesAndLeavesTheTargetAlone) {
  TestFolder folder;
  folder.Write("b.zip", "kept");
  EXPECT_THROW(FileCopy(folder.File("missing.zip"), folder.File("b.zip")), std::runtime_error);
  QFile target(folder.File("b.zip"));
  ASSERT_TRUE(target.open(QIODevice::ReadOnly));
  EXPECT_EQ(target.readAll(), "kept");
}

TEST(FileCopy, UncreatableTargetRaisesNamingIt) {
  TestFolder folder;
  folder.Write("a.zip", "x");
  try {
    FileCopy(folder.File("a.zip"), folder.File("no/such/folder/b.zip"));
    FAIL() << "no error";
  } catch (const std::runtime_error& e) {
    EXPECT_NE(std::string(e.what()).find("b.zip"), std::string::npos) << e.what();
  }
}
}  // namespace
