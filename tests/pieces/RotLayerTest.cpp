// The rotated piece layer: which control pixels a turned, placed and scaled piece covers, and its hit test.
#include <gtest/gtest.h>

#include <QApplication>
#include <QPaintEvent>
#include <cmath>
#include <cstdlib>
#include <functional>
#include <optional>

#include "pieces/RotLayer.h"
#include "view/ImageView.h"

namespace {

// A 100 × 60 piece whose pixel (x, y) is coloured red = x, green = y, blue = 0xFF; the view's background is black,
// so every painted pixel tells which bitmap pixel it shows.
TBitmap32 CodedPiece() {
  TBitmap32 bitmap(100, 60);
  for (int y = 0; y < 60; ++y)
    for (int x = 0; x < 100; ++x) bitmap.SetPixel(x, y, 0xFF0000FFu | x << 16 | y << 8);
  return bitmap;
}

std::optional<QPoint> Shown(QRgb pixel) {
  if ((pixel & 0xFF) != 0xFF) return std::nullopt;
  return QPoint(qRed(pixel), qGreen(pixel));
}

TRotLayer* AddPiece(TImage32& view, float angle, TFloatPoint position = {400, 300}) {
  auto* layer = new TRotLayer(&view.Layers());
  layer->SetBitmap(CodedPiece());
  layer->Bitmap().SetDrawMode(dmBlend);
  layer->SetBitmapCenter({50, 30});
  layer->SetPosition(position);
  layer->SetAngle(angle);
  layer->SetScaled(true);
  return layer;
}

using Mapping = std::function<std::optional<QPoint>(int X, int Y)>;

// Checks every pixel of a window around the piece: it shows exactly the bitmap pixel the mapping names, or nothing.
void ExpectCoverage(const QImage& image, QRect window, const Mapping& expected, const char* name) {
  int mismatches = 0;
  for (int Y = window.top(); Y <= window.bottom(); ++Y)
    for (int X = window.left(); X <= window.right(); ++X)
      if (Shown(image.pixel(X, Y)) != expected(X, Y) && ++mismatches <= 5)
        ADD_FAILURE() << name << ": control pixel " << X << "," << Y;
  EXPECT_EQ(mismatches, 0) << name;
}

std::optional<QPoint> InPiece(int u, int v) {
  if (u < 0 || u >= 100 || v < 0 || v >= 60) return std::nullopt;
  return QPoint(u, v);
}

struct AngleCase {
  const char* name;
  float angle;
  QRect covered;
  Mapping mapping;
  std::vector<std::pair<QPoint, bool>> hits;
};

// Scale 1 and shift 0: the view's bitmap is empty, like the tray.
TEST(RotLayerAngles, CoverageAndHitTest) {
  const AngleCase cases[] = {
      {"0",
       0,
       QRect(QPoint(350, 270), QPoint(449, 329)),
       [](int X, int Y) { return InPiece(X - 350, Y - 270); },
       {{{350, 270}, true}, {{449, 329}, true}, {{450, 300}, false}, {{349, 300}, false}, {{400, 269}, false}}},
      {"90 turns the right end up",
       90,
       QRect(QPoint(370, 250), QPoint(429, 349)),
       [](int X, int Y) { return InPiece(349 - Y, X - 370); },
       {{{400, 255}, true}, {{440, 300}, false}, {{400, 350}, true}, {{400, 351}, false}}},
      {"-90 turns the right end down",
       -90,
       QRect(QPoint(370, 250), QPoint(429, 349)),
       [](int X, int Y) { return InPiece(Y - 250, 429 - X); },
       {{{400, 345}, true}, {{440, 300}, false}, {{360, 300}, false}, {{400, 249}, false}}},
      {"360 is 0",
       360,
       QRect(QPoint(350, 270), QPoint(449, 329)),
       [](int X, int Y) { return InPiece(X - 350, Y - 270); },
       {{{350, 270}, true}, {{450, 300}, false}}},
  };
  for (const AngleCase& c : cases) {
    TImage32 view;
    view.resize(800, 600);
    view.SetColor(0);
    TRotLayer* layer = AddPiece(view, c.angle);
    const QImage image = view.Render();
    ExpectCoverage(image, QRect(300, 200, 200, 200), c.mapping, c.name);
    EXPECT_EQ(Shown(image.pixel(c.covered.topLeft())).has_value(), true) << c.name;
    EXPECT_EQ(Shown(image.pixel(c.covered.bottomRight())).has_value(), true) << c.name;
    for (const auto& [point, hit] : c.hits)
      EXPECT_EQ(layer->HitTest(point.x(), point.y()), hit) << c.name << " at " << point.x() << "," << point.y();
    EXPECT_FLOAT_EQ(layer->Angle(), c.angle) << "stored as given";
  }
}

// The game's board: scale 0.5, the picture centred along one axis.
struct ScaleCase {
  const char* name;
  QSize control;
  QPointF shift;
};

TEST(RotLayerScaled, FollowsTheViewsScaleAndShift) {
  const ScaleCase cases[] = {{"shift along x", {440, 300}, {20, 0}}, {"shift along y", {400, 320}, {0, 10}}};
  for (const ScaleCase& c : cases) {
    TImage32 view;
    view.resize(c.control);
    view.SetScaleMode(smResize);
    view.SetBitmapAlign(baCenter);
    view.SetColor(0);
    view.Bitmap().SetSize(800, 600);
    view.Bitmap().SetDrawMode(dmBlend);
    view.Bitmap().SetMasterAlpha(0);  // show the background only
    ASSERT_EQ(view.ViewportScale(), QPointF(0.5, 0.5)) << c.name;
    ASSERT_EQ(view.ViewportShift(), c.shift) << c.name;
    AddPiece(view, 0);
    const QImage image = view.Render();
    // The pivot lands at (400, 300) × 0.5 + shift; half size, so each control pixel spans two bitmap pixels.
    const int left = 175 + int(c.shift.x()), top = 135 + int(c.shift.y());
    ExpectCoverage(
        image, QRect(left - 10, top - 10, 70, 50),
        [&](int X, int Y) { return InPiece(2 * (X - left) + 1, 2 * (Y - top) + 1); }, c.name);
  }
}

TEST(RotLayerScaled, UnscaledLayerIgnoresTheView) {
  TImage32 view;
  view.resize(581, 489);
  view.SetScaleMode(smResize);
  view.SetBitmapAlign(baCenter);
  view.Bitmap().SetSize(800, 600);
  TRotLayer* layer = AddPiece(view, 0);
  layer->SetScaled(false);
  view.Render();
  EXPECT_TRUE(layer->HitTest(350, 270));
  EXPECT_FALSE(layer->HitTest(450, 300));
  layer->SetScaled(true);
  view.Render();
  // Scaled, the pivot lands at (400 × 0.72625, 300 × 0.72667 + 26) = (290.5, 244).
  EXPECT_TRUE(layer->HitTest(290, 244));
  EXPECT_FALSE(layer->HitTest(350, 270));
}

TEST(RotLayerHitTest, AnswersForThePlacementOfTheLastPaint) {
  TImage32 view;
  view.resize(800, 600);
  TRotLayer* layer = AddPiece(view, 0);
  EXPECT_TRUE(layer->HitTest(0, 0)) << "identity until the first paint: the bitmap at the origin";
  EXPECT_TRUE(layer->HitTest(99, 59));
  EXPECT_FALSE(layer->HitTest(100, 30));
  view.Render();
  layer->SetPosition({100, 100});
  EXPECT_TRUE(layer->HitTest(400, 300));
  EXPECT_FALSE(layer->HitTest(100, 100));
  view.Render();
  EXPECT_FALSE(layer->HitTest(400, 300));
  EXPECT_TRUE(layer->HitTest(100, 100));
}

TEST(RotLayerHitTest, ExactHalvesRoundDown) {
  TImage32 view;
  view.resize(800, 600);
  TRotLayer* layer = AddPiece(view, 0);
  layer->SetBitmapCenter({50.5f, 30});  // control x maps to bitmap x − 349.5
  view.Render();
  EXPECT_FALSE(layer->HitTest(349, 300)) << "-0.5 rounds to -1";
  EXPECT_TRUE(layer->HitTest(350, 300));
  EXPECT_TRUE(layer->HitTest(449, 300)) << "99.5 rounds to 99";
  EXPECT_FALSE(layer->HitTest(450, 300));
}

TEST(RotLayerHitTest, TransparentAndFadedPiecesAreHit) {
  TImage32 view;
  view.resize(800, 600);
  TRotLayer* layer = AddPiece(view, 30);
  layer->Bitmap().Clear(0x00000000);
  layer->Bitmap().SetMasterAlpha(0);
  view.Render();
  EXPECT_TRUE(layer->HitTest(400, 300));
}

// A view without area never paints; a layer painted for it anyway must neither draw nor be hit.
TEST(RotLayerHitTest, ViewWithoutAreaHitsNothing) {
  TImage32 view;
  view.resize(0, 0);
  view.Bitmap().SetSize(800, 600);
  TRotLayer* layer = AddPiece(view, 0);
  QImage scratch(20, 20, QImage::Format_RGB32);
  scratch.fill(0xFF000000);
  layer->Paint(scratch, scratch.rect());
  EXPECT_EQ(scratch.pixel(0, 0), 0xFF000000u);
  EXPECT_FALSE(layer->HitTest(0, 0));
}

// Values no game move produces, but a corrupt saved game could: nothing is drawn and nothing is hit.
TEST(RotLayerHitTest, UnusablePlacementsDrawAndHitNothing) {
  const float nan = std::nanf(""), inf = INFINITY;
  const struct {
    const char* name;
    float angle;
    TFloatPoint position;
  } cases[] = {{"nan angle", nan, {400, 300}},
               {"infinite angle", inf, {400, 300}},
               {"nan position", 0, {nan, 300}},
               {"far position", 0, {3e38f, -3e38f}}};
  for (const auto& c : cases) {
    TImage32 view;
    view.resize(800, 600);
    view.SetColor(0);
    TRotLayer* layer = AddPiece(view, c.angle, c.position);
    const QImage image = view.Render();
    EXPECT_FALSE(Shown(image.pixel(400, 300)).has_value()) << c.name;
    EXPECT_FALSE(layer->HitTest(400, 300)) << c.name;
    EXPECT_FALSE(layer->HitTest(0, 0)) << c.name;
  }
}

// 50 % gray piece pixels over a known background.
struct BlendCase {
  const char* name;
  TDrawMode mode;
  int masterAlpha;
  TColor32 piece;
  TColor32 expected;
};

TEST(RotLayerPaint, DrawModeAndMasterAlpha) {
  const BlendCase cases[] = {
      {"master 255 opaque pixel", dmBlend, 255, 0xFFFF0000, 0xFFFF0000},
      {"master 150", dmBlend, 150, 0xFFFF0000, 0xFF960046},  // red 255·150/255 = 150; blue 170·105/255 = 70
      {"pixel alpha 128 × master 255", dmBlend, 255, 0x80FF0000, 0xFF800055},
      {"master 0 draws nothing", dmBlend, 0, 0xFFFF0000, 0xFF0000AA},
      {"transparent pixel", dmBlend, 255, 0x00FF0000, 0xFF0000AA},
      {"opaque replaces", dmOpaque, 0, 0x10FF0000, 0xFFFF0000},
  };
  for (const BlendCase& c : cases) {
    TImage32 view;
    view.resize(100, 100);
    view.SetColor(0xAA0000);  // blue 0xAA
    auto* layer = new TRotLayer(&view.Layers());
    layer->Bitmap().SetSize(10, 10);
    layer->Bitmap().Clear(c.piece);
    layer->Bitmap().SetDrawMode(c.mode);
    layer->Bitmap().SetMasterAlpha(c.masterAlpha);
    layer->SetAngle(15);
    layer->SetPosition({50, 50});
    layer->SetBitmapCenter({5, 5});
    const QRgb pixel = view.Render().pixel(50, 50);
    for (int shift : {0, 8, 16})
      EXPECT_NEAR(int(pixel >> shift & 0xFF), int(c.expected >> shift & 0xFF), 1) << c.name << " channel " << shift;
  }
}

TEST(RotLayerPaint, TouchesOnlyTheClip) {
  TRotLayer layer(nullptr);
  layer.Bitmap().SetSize(40, 40);
  layer.Bitmap().Clear(0xFFFFFFFF);
  QImage buffer(40, 40, QImage::Format_RGB32);
  buffer.fill(0xFF000000);
  layer.Paint(buffer, QRect(10, 10, 5, 5));
  int painted = 0;
  for (int y = 0; y < 40; ++y)
    for (int x = 0; x < 40; ++x)
      if (buffer.pixel(x, y) == 0xFFFFFFFFu) {
        ++painted;
        EXPECT_TRUE(QRect(10, 10, 5, 5).contains(x, y)) << x << "," << y;
      }
  EXPECT_EQ(painted, 25);
}

TEST(RotLayerPaint, TurnedPieceStaysInsideTheBuffer) {
  TImage32 view;
  view.resize(120, 90);
  for (float angle : {0.0f, 33.0f, 90.0f, 181.0f, -725.0f}) {
    for (TFloatPoint at : {TFloatPoint{0, 0}, TFloatPoint{119, 89}, TFloatPoint{-45, 40}, TFloatPoint{1e7f, -1e7f}})
      AddPiece(view, angle, at);
  }
  // Pieces hanging over every edge: nothing outside the buffer is written (the sanitizer build checks it).
  const QImage image = view.Render();
  EXPECT_TRUE(Shown(image.pixel(0, 0)).has_value());
  EXPECT_TRUE(Shown(image.pixel(119, 89)).has_value());
}

TEST(RotLayerBitmap, SetBitmapCopiesAndTheCallerKeepsIt) {
  TBitmap32 source(8, 4, 0xFF112233);
  source.SetDrawMode(dmBlend);
  source.SetMasterAlpha(150);
  TRotLayer layer(nullptr);
  layer.SetBitmap(source);
  source.Clear(0xFF000000);
  source.SetMasterAlpha(10);
  EXPECT_EQ(layer.Bitmap().Width(), 8);
  EXPECT_EQ(layer.Bitmap().Height(), 4);
  EXPECT_EQ(layer.Bitmap().Pixel(7, 3), 0xFF112233u);
  EXPECT_EQ(layer.Bitmap().DrawMode(), dmBlend);
  EXPECT_EQ(layer.Bitmap().MasterAlpha(), 150);
}

// Notes every paint a view receives and the area it covers.
class PaintLog : public QObject {
 public:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Paint) {
      ++paints;
      painted += static_cast<QPaintEvent*>(event)->region();
    }
    return QObject::eventFilter(watched, event);
  }
  int paints = 0;
  QRegion painted;
};

TEST(RotLayerChanges, EverySetterAndBitmapChangeRepaintsThePiece) {
  TImage32 view;
  view.resize(200, 200);
  TRotLayer* layer = AddPiece(view, 0, {100, 100});
  view.show();
  const auto settle = [] {
    for (int i = 0; i < 3; ++i) QApplication::processEvents();
  };
  settle();
  PaintLog log;
  view.installEventFilter(&log);
  const std::vector<std::pair<const char*, std::function<void()>>> changes = {
      {"same angle again", [&] { layer->SetAngle(layer->Angle()); }},
      {"angle past 360", [&] { layer->SetAngle(725); }},
      {"position",
       [&] {
         layer->SetPosition({10, 10});
       }},
      {"bitmap centre",
       [&] {
         layer->SetBitmapCenter({0, 0});
       }},
      {"scaled", [&] { layer->SetScaled(false); }},
      {"bitmap", [&] { layer->SetBitmap(TBitmap32(5, 5, 0xFFFFFFFF)); }},
      {"master alpha", [&] { layer->Bitmap().SetMasterAlpha(150); }},
      {"draw mode", [&] { layer->Bitmap().SetDrawMode(dmBlend); }},  // the copied bitmap was opaque
      {"pixels", [&] { layer->Bitmap().Clear(0xFF00FF00); }},
  };
  for (const auto& [name, change] : changes) {
    log.paints = 0;
    log.painted = QRegion();
    const QRect before = *layer->PaintExtent() & view.rect();
    change();
    settle();
    EXPECT_EQ(log.paints, 1) << name;
    const QRect after = *layer->PaintExtent() & view.rect();
    EXPECT_EQ(log.painted.intersected(before), QRegion(before)) << name << ": the place it left";
    EXPECT_EQ(log.painted.intersected(after), QRegion(after)) << name << ": the place it took";
  }
  EXPECT_FLOAT_EQ(layer->Angle(), 725) << "no wrap";
}

struct MapCase {
  const char* name;
  std::function<void(TAffineTransformation&)> build;
  QPointF from, to;
};

TEST(AffineTransformation, StepsActInTheOrderAppended) {
  const MapCase cases[] = {
      {"identity", [](TAffineTransformation&) {}, {3, 4}, {3, 4}},
      {"translate", [](TAffineTransformation& t) { t.Translate(10, -2); }, {3, 4}, {13, 2}},
      {"scale then translate",
       [](TAffineTransformation& t) {
         t.Scale(2, 3);
         t.Translate(1, 1);
       },
       {3, 4},
       {7, 13}},
      {"translate then scale",
       [](TAffineTransformation& t) {
         t.Translate(1, 1);
         t.Scale(2, 3);
       },
       {3, 4},
       {8, 15}},
      {"rotate 90 about origin moves right to up",
       [](TAffineTransformation& t) { t.Rotate(0, 0, 90); },
       {1, 0},
       {0, -1}},
      {"rotate 180 about a point", [](TAffineTransformation& t) { t.Rotate(10, 20, 180); }, {12, 20}, {8, 20}},
      {"clear forgets earlier steps",
       [](TAffineTransformation& t) {
         t.Translate(5, 5);
         t.Clear();
         t.Scale(2, 2);
       },
       {3, 4},
       {6, 8}},
  };
  for (const MapCase& c : cases) {
    TAffineTransformation t;
    c.build(t);
    const QPointF to = t.Transform(c.from);
    EXPECT_NEAR(to.x(), c.to.x(), 1e-4) << c.name;
    EXPECT_NEAR(to.y(), c.to.y(), 1e-4) << c.name;
    ASSERT_TRUE(t.Invertible()) << c.name;
    const QPointF back = t.ReverseTransform(to);
    EXPECT_NEAR(back.x(), c.from.x(), 1e-4) << c.name;
    EXPECT_NEAR(back.y(), c.from.y(), 1e-4) << c.name;
  }
}

TEST(AffineTransformation, InverseFollowsLaterChanges) {
  TAffineTransformation t;
  t.Translate(10, 0);
  EXPECT_EQ(t.ReverseTransform(QPointF(10, 0)), QPointF(0, 0));
  t.Scale(0.5f, 0.5f);
  EXPECT_EQ(t.ReverseTransform(QPointF(10, 0)), QPointF(10, 0));
  t.Scale(0, 1);
  EXPECT_FALSE(t.Invertible());
}

TEST(AffineTransformation, BoundsOfTheTurnedSourceRectangle) {
  TAffineTransformation t;
  t.SetSrcRect(QRectF(0, 0, 100, 60));
  t.Translate(-50, -30);
  t.Rotate(0, 0, 90);
  t.Translate(400, 300);
  const QRectF b = t.GetTransformedBounds();
  EXPECT_NEAR(b.left(), 370, 1e-3);
  EXPECT_NEAR(b.right(), 430, 1e-3);
  EXPECT_NEAR(b.top(), 250, 1e-3);
  EXPECT_NEAR(b.bottom(), 350, 1e-3);
}

}  // namespace
