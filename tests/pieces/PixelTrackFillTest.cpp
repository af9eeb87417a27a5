// Shape masks: the outside fill, the margins with their snap band, and the crop of the pattern.
#include <gtest/gtest.h>

#include "OutlineFixtures.h"
#include "pieces/PieceCut.h"

namespace {
struct Traced {
  TMargins margins;
  TBitmap32 mask;
};

Traced Trace(const QString& outline) {
  Traced t;
  TFastShapes shapes;
  t.margins = shapes.TraceMask(outline);
  PaintMask(shapes.Mask(), t.mask);
  return t;
}

constexpr TColor32 kShape = 0xFFFFFFFF;

TEST(CropPattern, StraightEdgesOnTheCellGiveZeroMarginsAndAWhiteCell) {
  const Traced t = Trace(SquareOutline());
  EXPECT_EQ(t.margins, (TMargins{0, 0, 0, 0}));
  ASSERT_EQ(t.mask.Width(), 400);
  ASSERT_EQ(t.mask.Height(), 400);
  for (int y = 0; y < 400; ++y)
    for (int x = 0; x < 400; ++x) ASSERT_EQ(t.mask.Pixel(x, y), kShape) << x << "," << y;
  EXPECT_EQ(t.mask.DrawMode(), dmBlend);
}

TEST(CropPattern, ATabReachingTo680GivesARightMarginOf85) {
  const Traced t = Trace(RightTabOutline(680));
  EXPECT_EQ(t.margins, (TMargins{0, 0, 85, 0}));
  ASSERT_EQ(t.mask.Width(), 485);
  ASSERT_EQ(t.mask.Height(), 400);
  EXPECT_EQ(t.mask.Pixel(440, 200), kShape) << "inside the tab";
  EXPECT_EQ(t.mask.Pixel(484, 200), kShape) << "the tab's stroke";
  EXPECT_EQ(t.mask.Pixel(480, 20), kOutsideFill) << "beside the tab";
  EXPECT_EQ(t.mask.Pixel(399, 20), kShape) << "the cell's own edge";
}

// The left edge of a rectangle moved off the cell boundary: its stroke starts 5 pixels before it.
TEST(CropPattern, SnapBandCoversCountsFrom193To200) {
  struct Case {
    int edge, count, margin;
  };
  const Case cases[] = {{190, 185, 15}, {197, 192, 8}, {198, 193, 0}, {200, 195, 0}, {205, 200, 0}, {206, 201, -1}};
  for (const Case& c : cases) {
    const Traced t = Trace(RectOutline(c.edge, 200, 600, 600));
    EXPECT_EQ(t.margins, (TMargins{c.margin, 0, 0, 0})) << "count " << c.count;
    EXPECT_EQ(t.mask.Width(), 400 + c.margin) << "count " << c.count;
  }
}

TEST(FloodFillPattern, AnOpenOutlineLeavesOnlyItsStroke) {
  const Traced t = Trace("200,200,600,200;600,200,600,600");
  EXPECT_EQ(t.margins, (TMargins{0, 0, 0, 0}));
  EXPECT_EQ(t.mask.Pixel(200, 200), kOutsideFill) << "the would-be inside";
  EXPECT_EQ(t.mask.Pixel(200, 2), kShape) << "the top stroke";
  EXPECT_EQ(t.mask.Pixel(398, 200), kShape) << "the right stroke";
}

TEST(FloodFillPattern, AnInsideThatTouchesTheBorderIsOutside) {
  const Traced t = Trace(RectOutline(200, 200, 900, 600));
  EXPECT_EQ(t.margins, (TMargins{0, 0, 200, 0}));
  ASSERT_EQ(t.mask.Width(), 600);
  EXPECT_EQ(t.mask.Pixel(200, 200), kOutsideFill);
  EXPECT_EQ(t.mask.Pixel(599, 0), kShape);
}

TEST(FloodFillPattern, MaskHoldsOnlyShapeAndFill) {
  const Traced t = Trace(Jigsaw(3, 3)[4]);
  for (int y = 0; y < t.mask.Height(); ++y)
    for (int x = 0; x < t.mask.Width(); ++x) {
      const TColor32 p = t.mask.Pixel(x, y);
      ASSERT_TRUE(p == kShape || p == kOutsideFill) << x << "," << y;
    }
}

TEST(CropPattern, NoShapeRaises) {
  for (const char* outline : {"", ";;", "-300,-300,-100,-100"}) EXPECT_THROW(Trace(outline), TOutlineError) << outline;
}

TEST(TraceMask, BadOutlinesRaiseAndLeaveTheTracerEmpty) {
  EXPECT_THROW(Trace("200,200,600"), TOutlineError);
  EXPECT_TRUE(TrackPixel.Strokes.Empty());
  EXPECT_TRUE(TrackPixel.Abmp.Rows.Empty());
  const Traced t = Trace(SquareOutline());
  EXPECT_EQ(t.margins, (TMargins{0, 0, 0, 0}));
}
}  // namespace
