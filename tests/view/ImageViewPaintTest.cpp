// What the view paints: background colour, the fitted bitmap with its draw mode and master alpha, then the layers.
#include <gtest/gtest.h>

#include <cstdlib>

#include "RectLayer.h"
#include "view/ImageView.h"

namespace {

constexpr std::uint32_t kBoardColor = 11191504;  // toolkit 0x00BBGGRR: red 0xD0, green 0xC4, blue 0xAA
constexpr TColor32 kBoardPixel = 0xFFD0C4AA;
constexpr TColor32 kRed = 0xFFFF0000;

// Within one step per channel of the exact a + (b − a) × t.
::testing::AssertionResult NearMix(TColor32 actual, TColor32 under, TColor32 over, double t) {
  for (int shift : {0, 8, 16}) {
    const double expected = (under >> shift & 0xFF) + ((over >> shift & 0xFF) - double(under >> shift & 0xFF)) * t;
    if (std::abs((actual >> shift & 0xFF) - expected) > 1.0)
      return ::testing::AssertionFailure() << std::hex << actual << " is not a mix of " << under << " and " << over;
  }
  if (actual >> 24 != 0xFF) return ::testing::AssertionFailure() << std::hex << actual << " is not opaque";
  return ::testing::AssertionSuccess();
}

// The board: 800 × 600 picture fitted into 581 × 489, centred, so the picture spans rows 26..461.
class BoardPaint : public ::testing::Test {
 protected:
  BoardPaint() {
    view.resize(581, 489);
    view.SetScaleMode(smResize);
    view.SetBitmapAlign(baCenter);
    view.SetColor(kBoardColor);
    view.Bitmap().SetSize(800, 600);
    view.Bitmap().Clear(kRed);
  }
  TImage32 view;
};

struct PixelCase {
  const char* name;
  TDrawMode mode;
  int masterAlpha;
  QPoint at;
  TColor32 under, over;  // the expected pixel mixes these two
  double t;
};

class BoardPixels : public BoardPaint, public ::testing::WithParamInterface<PixelCase> {};

TEST_P(BoardPixels, MatchTheFittedPicture) {
  const PixelCase& c = GetParam();
  view.Bitmap().SetDrawMode(c.mode);
  view.Bitmap().SetMasterAlpha(c.masterAlpha);
  const QImage image = view.Render();
  ASSERT_EQ(image.size(), QSize(581, 489));
  EXPECT_TRUE(NearMix(image.pixel(c.at), c.under, c.over, c.t));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, BoardPixels,
    ::testing::Values(PixelCase{"TopMarginIsBackground", dmOpaque, 255, {300, 25}, kBoardPixel, kRed, 0},
                      PixelCase{"BottomMarginIsBackground", dmOpaque, 255, {0, 462}, kBoardPixel, kRed, 0},
                      PixelCase{"FirstPictureRow", dmOpaque, 255, {300, 26}, kBoardPixel, kRed, 1},
                      PixelCase{"LastPictureRow", dmOpaque, 255, {580, 461}, kBoardPixel, kRed, 1},
                      PixelCase{"OpaqueIgnoresMasterAlpha", dmOpaque, 50, {300, 200}, kBoardPixel, kRed, 1},
                      PixelCase{"BlendAtMasterAlpha50", dmBlend, 50, {300, 200}, kBoardPixel, kRed, 50 / 255.0},
                      PixelCase{"BlendAtMasterAlpha255", dmBlend, 255, {10, 300}, kBoardPixel, kRed, 1},
                      PixelCase{"BlendAtMasterAlpha0", dmBlend, 0, {10, 300}, kBoardPixel, kRed, 0},
                      PixelCase{"BlendMarginIsBackground", dmBlend, 50, {300, 10}, kBoardPixel, kRed, 0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(BoardPaint, PixelAlphaTimesMasterAlpha) {
  view.Bitmap().Clear(0x80FF0000);  // half-transparent red
  view.Bitmap().SetDrawMode(dmBlend);
  view.Bitmap().SetMasterAlpha(128);
  EXPECT_TRUE(NearMix(view.Render().pixel(300, 200), kBoardPixel, kRed, 128 / 255.0 * 128 / 255.0));
}

TEST(ViewPaint, EmptyBitmapPaintsTheColourEverywhere) {
  TImage32 view;
  view.resize(300, 59);
  view.SetColor(kBoardColor);
  const QImage image = view.Render();
  for (QPoint p : {QPoint(0, 0), QPoint(299, 58), QPoint(150, 30)}) EXPECT_EQ(image.pixel(p), kBoardPixel);
}

TEST(ViewPaint, NearestNeighbourStretch) {
  TImage32 view;
  view.resize(100, 60);
  view.SetScaleMode(smStretch);
  view.Bitmap().SetSize(2, 3);
  const TColor32 colours[3][2] = {{0xFF000001, 0xFF000002}, {0xFF000003, 0xFF000004}, {0xFF000005, 0xFF000006}};
  for (int y = 0; y < 3; ++y)
    for (int x = 0; x < 2; ++x) view.Bitmap().SetPixel(x, y, colours[y][x]);
  const QImage image = view.Render();
  // Each source pixel covers 50 × 20 control pixels.
  const struct {
    QPoint at;
    TColor32 colour;
  } cases[] = {{{0, 0}, colours[0][0]},   {{49, 19}, colours[0][0]}, {{50, 19}, colours[0][1]},
               {{49, 20}, colours[1][0]}, {{99, 59}, colours[2][1]}, {{50, 40}, colours[2][1]}};
  for (const auto& c : cases) EXPECT_EQ(image.pixel(c.at), c.colour) << c.at.x() << "," << c.at.y();
}

TEST(ViewPaint, LayersPaintFromIndexZeroUpAndOnlyWhenVisible) {
  TImage32 view;
  view.resize(100, 100);
  view.SetColor(0x000000);
  new RectLayer(&view.Layers(), "low", QRect(0, 0, 60, 60), nullptr, 0xFF0000FF);
  new RectLayer(&view.Layers(), "high", QRect(40, 40, 60, 60), nullptr, 0xFF00FF00);
  auto* hidden = new RectLayer(&view.Layers(), "hidden", QRect(0, 0, 100, 100), nullptr, 0xFFFFFFFF);
  hidden->SetVisible(false);
  QImage image = view.Render();
  EXPECT_EQ(image.pixel(10, 10), 0xFF0000FFu);
  EXPECT_EQ(image.pixel(50, 50), 0xFF00FF00u);
  EXPECT_EQ(image.pixel(90, 10), 0xFF000000u);
  view.Layers().Items(0)->BringToFront();
  image = view.Render();
  EXPECT_EQ(image.pixel(50, 50), 0xFF0000FFu);
  EXPECT_EQ(hidden->paints, 0);
}

TEST(ViewPaint, RenderedImageIsNotOverwrittenByTheNextPaint) {
  TImage32 view;
  view.resize(10, 10);
  view.SetColor(0x0000FF);
  const QImage first = view.Render();
  view.SetColor(0x00FF00);
  const QImage second = view.Render();
  EXPECT_EQ(first.pixel(5, 5), 0xFFFF0000u);
  EXPECT_EQ(second.pixel(5, 5), 0xFF00FF00u);
}

}  // namespace
