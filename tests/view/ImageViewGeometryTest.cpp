// Fitting the bitmap into the view and converting points between control and bitmap coordinates.
#include <gtest/gtest.h>

#include "view/ImageView.h"

namespace {

struct FitCase {
  const char* name;
  QSize bitmap, control;
  TScaleMode mode;
  TBitmapAlign align;
  QSize size;
  QPoint offset;
};

class BitmapFit : public ::testing::TestWithParam<FitCase> {};

TEST_P(BitmapFit, SizeAndRectangle) {
  const FitCase& c = GetParam();
  TImage32 view;
  view.resize(c.control);
  view.SetScaleMode(c.mode);
  view.SetBitmapAlign(c.align);
  view.Bitmap().SetSize(c.bitmap.width(), c.bitmap.height());
  EXPECT_EQ(view.GetBitmapSize(), c.size);
  const QRect rect = view.GetBitmapRect();
  EXPECT_EQ(rect.topLeft(), c.offset);
  EXPECT_EQ(rect.size(), c.size);
  // The cached transform puts bitmap (0, 0) at the rectangle's corner.
  EXPECT_EQ(view.ViewportShift(), QPointF(c.offset));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, BitmapFit,
    ::testing::Values(
        FitCase{"BoardWiderThanTall", {800, 600}, {581, 489}, smResize, baCenter, {581, 436}, {0, 26}},
        FitCase{"BoardTallerThanWide", {800, 600}, {900, 500}, smResize, baCenter, {667, 500}, {116, 0}},
        FitCase{"ResizeEnlarges", {100, 50}, {400, 400}, smResize, baCenter, {400, 200}, {0, 100}},
        FitCase{"ResizeTopLeftStaysAtOrigin", {800, 600}, {581, 489}, smResize, baTopLeft, {581, 436}, {0, 0}},
        FitCase{"HalfRoundsDownToEven", {5, 2}, {10, 1}, smResize, baCenter, {2, 1}, {4, 0}},
        FitCase{"HalfRoundsUpToEven", {7, 2}, {10, 1}, smResize, baCenter, {4, 1}, {3, 0}},
        FitCase{"OddMarginTruncates", {10, 10}, {15, 10}, smResize, baCenter, {10, 10}, {2, 0}},
        FitCase{"StretchFillsControl", {800, 600}, {581, 489}, smStretch, baTopLeft, {581, 489}, {0, 0}},
        FitCase{"ControlWithoutWidth", {800, 600}, {0, 100}, smResize, baTopLeft, {0, 0}, {0, 0}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(BitmapFit, EmptyBitmapHasEmptyRectangleAndIdentityTransform) {
  TImage32 view;
  view.resize(300, 59);
  view.SetBitmapAlign(baCenter);
  EXPECT_EQ(view.GetBitmapSize(), QSize(0, 0));
  EXPECT_TRUE(view.GetBitmapRect().isEmpty());
  EXPECT_EQ(view.ViewportScale(), QPointF(1, 1));
  EXPECT_EQ(view.ViewportShift(), QPointF(0, 0));
}

struct PointCase {
  const char* name;
  QPoint control;
  QPoint bitmap;
};

// The board: an 800 × 600 picture in a 581 × 489 control, fitted and centred.
class BoardPoints : public ::testing::TestWithParam<PointCase> {
 protected:
  BoardPoints() {
    view.resize(581, 489);
    view.SetScaleMode(smResize);
    view.SetBitmapAlign(baCenter);
    view.Bitmap().SetSize(800, 600);
  }
  TImage32 view;
};

TEST_P(BoardPoints, ControlToBitmapFloors) { EXPECT_EQ(view.ControlToBitmap(GetParam().control), GetParam().bitmap); }

INSTANTIATE_TEST_SUITE_P(Cases, BoardPoints,
                         ::testing::Values(PointCase{"PictureCorner", {0, 26}, {0, 0}},
                                           PointCase{"TopMarginIsNegative", {0, 0}, {0, -36}},
                                           PointCase{"LastPixelOfPicture", {580, 461}, {798, 598}},
                                           PointCase{"BelowPicture", {300, 488}, {413, 635}},
                                           PointCase{"LeftOfControl", {-10, 26}, {-14, 0}}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(BoardPoints, BitmapToControlTruncates) {
  // 401 × 0.72625 = 291.2; 301 × 0.72667 + 26 = 244.7.
  EXPECT_EQ(view.BitmapToControl(QPoint(401, 301)), QPoint(291, 244));
  const QPointF f = view.BitmapToControl(QPointF(401, 301));
  EXPECT_NEAR(f.x(), 291.226, 1e-3);
  EXPECT_NEAR(f.y(), 244.727, 1e-3);
  EXPECT_NEAR(view.ControlToBitmap(QPointF(0, 0)).y(), -35.78, 1e-2);
}

TEST(TrayPoints, EmptyBitmapMapsEveryPointToItself) {
  TImage32 view;
  view.resize(300, 59);
  for (QPoint p : {QPoint(0, 0), QPoint(17, 42), QPoint(299, 58), QPoint(-5, 70), QPoint(400, -3)}) {
    EXPECT_EQ(view.ControlToBitmap(p), p);
    EXPECT_EQ(view.BitmapToControl(p), p);
  }
}

TEST(ZeroScale, AxisWithoutAreaAnswersMaxInt) {
  TImage32 view;
  view.resize(0, 100);
  view.SetScaleMode(smStretch);
  view.Bitmap().SetSize(800, 600);
  // A control without width fits the bitmap into no area at all, so both axes lose their scale.
  EXPECT_EQ(view.ControlToBitmap(QPoint(5, 5)), QPoint(2147483647, 2147483647));
  EXPECT_EQ(view.ControlToBitmap(QPointF(5, 5)), QPointF(2147483648.0, 2147483648.0));
}

// Every cached mapping must follow the change that invalidates it.
TEST(GeometryCache, FollowsEveryInvalidatingChange) {
  TImage32 view;
  view.resize(581, 489);
  view.SetScaleMode(smResize);
  view.SetBitmapAlign(baCenter);
  view.Bitmap().SetSize(800, 600);
  EXPECT_EQ(view.ControlToBitmap(QPoint(0, 26)), QPoint(0, 0));

  view.resize(900, 500);
  EXPECT_EQ(view.ViewportShift(), QPointF(116, 0));

  view.SetBitmapAlign(baTopLeft);
  EXPECT_EQ(view.ViewportShift(), QPointF(0, 0));

  view.Bitmap().SetSize(500, 500);
  EXPECT_EQ(view.ViewportScale(), QPointF(1, 1));

  view.SetScaleMode(smStretch);
  EXPECT_EQ(view.ViewportScale(), QPointF(900.0f / 500, 1));
}

TEST(ScaleProperty, ClampsAndLeavesFittedModesAlone) {
  TImage32 view;
  view.resize(581, 489);
  view.SetScaleMode(smResize);
  view.Bitmap().SetSize(800, 600);
  const QPointF before = view.ViewportScale();
  view.SetScale(0.0f);
  EXPECT_FLOAT_EQ(view.Scale(), 0.001f);
  view.SetScale(-3.0f);
  EXPECT_FLOAT_EQ(view.Scale(), 0.001f);
  view.SetScale(2.5f);
  EXPECT_FLOAT_EQ(view.Scale(), 2.5f);
  EXPECT_EQ(view.ViewportScale(), before);
}

}  // namespace
