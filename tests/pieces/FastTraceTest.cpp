// The game's span tracer and mask scaler against the literal full-bitmap way: identical margins, masks and pieces.
#include <gtest/gtest.h>

#include <QStringList>
#include <algorithm>
#include <cmath>

#include "OutlineFixtures.h"
#include "ReferenceCut.h"
#include "pieces/LibStorage.h"
#include "pieces/MaskScale.h"
#include "platform/Random.h"

namespace {
// A closed curve of high degree, a loop around the cell's centre.
QString HighDegreeLoop() {
  QStringList numbers;
  for (int i = 0; i <= 20; ++i) {
    const double a = 2 * 3.14159265358979 * i / 20;
    numbers << QString::number(std::lround(400 + 330 * std::cos(a)))
            << QString::number(std::lround(400 + 330 * std::sin(a)));
  }
  return numbers.join(',') + ";" + "730,400,600,400";
}

std::vector<std::pair<QString, QString>> Outlines() {
  std::vector<std::pair<QString, QString>> cases = {
      {"square", SquareOutline()},
      {"tab to 680", RightTabOutline(680)},
      {"left edge at 197", RectOutline(197, 200, 600, 600)},
      {"tab beyond the pattern", RightTabOutline(820)},
      {"open outline", "200,200,600,200;600,200,600,600"},
      {"high degree loop", HighDegreeLoop()},
      {"near the border", RectOutline(3, 4, 796, 797)},
  };
  const std::vector<QString> grid = Jigsaw(3, 3);
  for (std::size_t i = 0; i < grid.size(); ++i) cases.push_back({QString("jigsaw 3x3 piece %1").arg(i), grid[i]});
  const std::vector<QString> other = Jigsaw(4, 4, 7);
  for (int i : {5, 6, 9, 10}) cases.push_back({QString("jigsaw 4x4 piece %1").arg(i), other[i]});
  return cases;
}

TEST(FastTrace, MarginsAndMasksEqualTheLiteralTracing) {
  TFastShapes fast;
  TReferenceShapes reference;
  for (const auto& [name, outline] : Outlines()) {
    TBitmap32 fastMask;
    EXPECT_EQ(fast.TraceMask(outline), reference.TraceMask(outline)) << name.toStdString();
    PaintMask(fast.Mask(), fastMask);
    EXPECT_EQ(fastMask.Image(), reference.mask.Image()) << name.toStdString();
  }
}

TEST(FastTrace, ScaledMaskEqualsScaleBmpAndCombineBmp) {
  // A piece with tabs across, so the resampling meets edges on both sides.
  TFastShapes fast;
  const std::vector<QString> grid = Jigsaw(3, 3);
  const auto tabbed = std::find_if(grid.begin(), grid.end(), [&](const QString& outline) {
    const TMargins margins = fast.TraceMask(outline);
    return margins.Left > 0 && margins.Right > 0;
  });
  ASSERT_NE(tabbed, grid.end());
  TBitmap32 mask;
  PaintMask(fast.Mask(), mask);
  // Cells of a 10 × 10 and a 20 × 20 grid, an enlarged one and an odd one.
  for (const auto& [name, w, h] : {std::tuple{"10x10 cell", 115, 113}, std::tuple{"20x20 cell", 58, 57},
                                   std::tuple{"enlarged", 900, 870}, std::tuple{"odd", 77, 141}}) {
    TBitmap32 piece(w, h);
    for (int y = 0; y < h; ++y)
      for (int x = 0; x < w; ++x) piece.SetPixel(x, y, 0xFF000000u | (x * 7 % 256) << 16 | (y * 3 % 256));
    TBitmap32 scaled = mask, expected = piece;
    ScaleBmp(scaled, w, h);
    CombineBmp(scaled, expected);
    fast.ApplyMask(piece);
    EXPECT_EQ(piece.Image(), expected.Image()) << name;
  }
}

// A mask of width × height whose row y holds the spans spansOf(y).
template <class SpansOf>
TSpanMask MakeMask(int width, int height, SpansOf spansOf) {
  TSpanMask mask{width, height, {}};
  for (int y = 0; y < height; ++y) {
    for (const TSpan& s : spansOf(y)) mask.Rows.Add(s);
    mask.Rows.EndRow();
  }
  return mask;
}

TEST(FastTrace, DrawnMasksScaleAsScaleBmpAndCombineBmp) {
  const std::vector<std::pair<const char*, TSpanMask>> masks = {
      // Each row's span starts where the one before ended: a column leaves the shape right beside one that joins it.
      {"stairs", MakeMask(300, 200,
                          [](int y) {
                            return std::vector<TSpan>{{y % 30 * 10, y % 30 * 10 + 10}};
                          })},
      {"rows alternate", MakeMask(240, 260,
                                  [](int y) {
                                    return y % 2 ? std::vector<TSpan>{{3, 90}, {120, 121}, {200, 240}}
                                                 : std::vector<TSpan>{{0, 3}, {90, 120}, {121, 200}};
                                  })},
      {"empty and full bands", MakeMask(180, 150,
                                        [](int y) {
                                          return y / 20 % 2 ? std::vector<TSpan>{{0, 180}} : std::vector<TSpan>{};
                                        })},
      {"widening wedge", MakeMask(400, 400,
                                  [](int y) {
                                    return std::vector<TSpan>{{200 - y / 2, 200 + y / 3 + 1}};
                                  })},
  };
  for (const auto& [name, mask] : masks)
    for (const auto& [w, h] : {std::pair{29, 31}, std::pair{58, 57}, std::pair{407, 311}}) {
      TBitmap32 piece(w, h);
      for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) piece.SetPixel(x, y, 0xFF000000u | (x * 5 % 256) << 8 | (y * 9 % 256));
      TBitmap32 scaled, expected = piece;
      PaintMask(mask, scaled);
      ScaleBmp(scaled, w, h);
      CombineBmp(scaled, expected);
      TMaskScaler().CombineScaledMask(mask, piece);
      EXPECT_EQ(piece.Image(), expected.Image()) << name << " at " << w << " x " << h;
    }
}

TCutInput Level(int cols, int rows) {
  TCutInput input;
  input.picture = TBitmap32(600, 450);
  for (int y = 0; y < 450; ++y)
    for (int x = 0; x < 600; ++x) input.picture.SetPixel(x, y, 0xFF000000u | (x % 256) << 16 | (y % 256) << 8 | 0x40);
  input.ColCount = cols;
  input.RowCount = rows;
  input.speed_movie = 30;
  input.outlines = Jigsaw(cols, rows, 2);
  return input;
}

TEST(FastTrace, AWholeCutEqualsTheLiteralCut) {
  const TCutInput input = Level(3, 2);
  TFastShapes fast;
  TReferenceShapes reference;
  SeedRandom(77);
  const std::vector<TCutPiece> got = CutPicture(input, fast);
  SeedRandom(77);
  const std::vector<TCutPiece> want = CutPicture(input, reference);
  ASSERT_EQ(got.size(), want.size());
  for (std::size_t i = 0; i < got.size(); ++i) {
    EXPECT_EQ(got[i].margins, want[i].margins) << i;
    EXPECT_EQ(got[i].geometry.Left, want[i].geometry.Left) << i;
    EXPECT_EQ(got[i].geometry.Top, want[i].geometry.Top) << i;
    EXPECT_EQ(got[i].Loc_bkg.Left, want[i].Loc_bkg.Left) << i;
    EXPECT_EQ(got[i].AngleRotation, want[i].AngleRotation) << i;
    EXPECT_EQ(got[i].bmp->Image(), want[i].bmp->Image()) << i;
  }
}
}  // namespace
