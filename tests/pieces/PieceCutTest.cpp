// Cutting a picture: piece sizes and homes from the margins, tray places, random scatter and turn, and bad outlines.
#include <gtest/gtest.h>

#include <thread>

#include "OutlineFixtures.h"
#include "pieces/PieceCut.h"
#include "platform/Random.h"

namespace {
TBitmap32 Picture(int w, int h) {
  TBitmap32 bmp(w, h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) bmp.SetPixel(x, y, 0xFF000000u | (x % 251) << 16 | (y % 241) << 8 | (x + y) % 239);
  return bmp;
}

TCutInput Level(int w, int h, int cols, int rows, int speed = 25) {
  TCutInput input;
  input.picture = Picture(w, h);
  input.ColCount = cols;
  input.RowCount = rows;
  input.speed_movie = speed;
  input.outlines.assign(cols * rows, SquareOutline());
  return input;
}

std::vector<TCutPiece> Cut(const TCutInput& input) {
  TFastShapes shapes;
  return CutPicture(input, shapes);
}

TEST(CutPicture, SquarePiecesOfA4x4GridAreTheirCells) {
  const TCutInput input = Level(800, 800, 4, 4);
  const std::vector<TCutPiece> pieces = Cut(input);
  ASSERT_EQ(pieces.size(), 16u);
  for (const TCutPiece& p : pieces) {
    EXPECT_EQ(p.row * 4 + p.col, p.Index);
    EXPECT_EQ(p.geometry.Width, 200);
    EXPECT_EQ(p.geometry.Height, 200);
    EXPECT_EQ(p.geometry.Left, p.col * 200);
    EXPECT_EQ(p.geometry.Top, p.row * 200);
    EXPECT_EQ(p.bmp->Image(), input.picture.Image().copy(p.col * 200, p.row * 200, 200, 200)) << p.Index;
  }
}

TEST(CutPicture, MarginsBecomeSizesAndHomes) {
  struct Case {
    const char* name;
    int index;
    QString outline;
    TMargins margins;
    TPieceGeometry geometry;
  };
  const Case cases[] = {
      {"tab to 680, scale 0.5", 5, RightTabOutline(680), {0, 0, 85, 0}, {0, 0, 43, 0, 243, 200, 200, 200}},
      {"left margin 60 in column 2",
       2,
       RectOutline(145, 200, 600, 600),
       {60, 0, 0, 0},
       {30, 0, 0, 0, 230, 200, 370, 0}},
      {"edge short of the cell", 15, RectOutline(200, 200, 600, 594), {0, 0, 0, -1}, {0, 0, 0, 0, 200, 200, 600, 600}},
  };
  for (const Case& c : cases) {
    TCutInput input = Level(800, 800, 4, 4);
    input.outlines[c.index] = c.outline;
    const std::vector<TCutPiece> pieces = Cut(input);
    const TCutPiece& p = pieces[c.index];
    EXPECT_EQ(p.margins, c.margins) << c.name;
    EXPECT_EQ(p.geometry.dLeft, c.geometry.dLeft) << c.name;
    EXPECT_EQ(p.geometry.dRight, c.geometry.dRight) << c.name;
    EXPECT_EQ(p.geometry.dBottom, c.geometry.dBottom) << c.name;
    EXPECT_EQ(p.geometry.Width, c.geometry.Width) << c.name;
    EXPECT_EQ(p.geometry.Height, c.geometry.Height) << c.name;
    EXPECT_EQ(p.geometry.Left, c.geometry.Left) << c.name;
    EXPECT_EQ(p.geometry.Top, c.geometry.Top) << c.name;
    EXPECT_EQ(p.bmp->Width(), c.geometry.Width) << c.name;
    EXPECT_EQ(p.bmp->Height(), c.geometry.Height) << c.name;
  }
}

TEST(CutPicture, ThePieceIsTransparentOutsideItsShape) {
  TCutInput input = Level(800, 800, 4, 4);
  input.outlines[5] = RightTabOutline(680);
  const std::vector<TCutPiece> pieces = Cut(input);
  const TCutPiece& p = pieces[5];
  // Piece pixel (x, y) shows picture pixel (200 + x, 200 + y).
  EXPECT_EQ(p.bmp->Pixel(100, 100), input.picture.Pixel(300, 300)) << "inside the cell";
  EXPECT_EQ(p.bmp->Pixel(220, 100), input.picture.Pixel(420, 300)) << "inside the tab";
  EXPECT_EQ(p.bmp->Pixel(220, 10), input.picture.Pixel(420, 210) & 0x00FFFFFF) << "beside the tab";
}

TEST(CutPicture, ATabOverThePicturesEdgeIsTransparentThere) {
  TCutInput input = Level(800, 800, 2, 2);
  input.outlines[1] = RightTabOutline(680);
  const std::vector<TCutPiece> pieces = Cut(input);
  const TCutPiece& p = pieces[1];
  ASSERT_EQ(p.geometry.Width, 400 + 85);
  EXPECT_EQ(p.bmp->Pixel(440, 200), 0u);
}

TEST(CutPicture, TrayPlacesRunLeftOfTheTray) {
  const std::vector<TCutPiece> withTray = Cut(Level(800, 800, 4, 4, 25));
  const std::pair<int, TFloatRect> expected[] = {
      {0, {-800, 0, -760, 40}}, {1, {-750, 0, -710, 40}}, {15, {-50, 0, -10, 40}}};
  for (const auto& [index, rect] : expected) {
    const TFloatRect& r = withTray[index].Loc_list;
    EXPECT_EQ(std::tuple(r.Left, r.Top, r.Right, r.Bottom), std::tuple(rect.Left, rect.Top, rect.Right, rect.Bottom))
        << index;
  }
  for (const TCutPiece& p : Cut(Level(800, 800, 4, 4, 0))) EXPECT_TRUE(p.Loc_list.IsZero()) << p.Index;
}

TEST(CutPicture, GridsCoverTheirPictureColumnsAcrossRowsDown) {
  struct Case {
    const char* name;
    int w, h, cols, rows, cellW, cellH;
  };
  const Case cases[] = {
      {"3 columns of an 800 wide picture", 800, 800, 3, 3, 266, 266},
      {"4 columns, 2 rows", 800, 600, 4, 2, 200, 300},
      {"2 columns, 5 rows", 600, 800, 2, 5, 300, 160},
  };
  for (const Case& c : cases) {
    const std::vector<TCutPiece> pieces = Cut(Level(c.w, c.h, c.cols, c.rows));
    ASSERT_EQ(pieces.size(), static_cast<std::size_t>(c.cols * c.rows)) << c.name;
    const TCutPiece& last = pieces.back();
    EXPECT_EQ(last.row, c.rows - 1) << c.name;
    EXPECT_EQ(last.col, c.cols - 1) << c.name;
    EXPECT_EQ(last.geometry.Width, c.cellW) << c.name;
    EXPECT_EQ(last.geometry.Height, c.cellH) << c.name;
    EXPECT_EQ(last.geometry.Left, (c.cols - 1) * c.cellW) << c.name;
    EXPECT_EQ(last.geometry.Top, (c.rows - 1) * c.cellH) << c.name;
    EXPECT_LE(last.geometry.Left + last.geometry.Width, c.w) << c.name;
    EXPECT_LE(last.geometry.Top + last.geometry.Height, c.h) << c.name;
  }
}

TEST(CutPicture, RandomValuesAreDrawnInOrderWithinTheirRanges) {
  SeedRandom(5);
  const std::vector<TCutPiece> pieces = Cut(Level(800, 800, 2, 2));
  SeedRandom(5);
  const int ry = Random(400), rx = Random(400), moving = 10 + Random(20), turn = Random(90);
  EXPECT_EQ(pieces[0].Loc_bkg.Top, ry);
  EXPECT_EQ(pieces[0].Loc_bkg.Left, rx);
  EXPECT_EQ(pieces[0].Loc_bkg.Right, rx + 400);
  EXPECT_EQ(pieces[0].Loc_bkg.Bottom, ry + 400);
  EXPECT_EQ(pieces[0].DistanceMoving, moving);
  EXPECT_EQ(pieces[0].AngleRotation, turn);

  TCutInput input = Level(800, 800, 10, 10);
  input.outlines = Jigsaw(10, 10);
  int maxMoving = 0, maxTurn = 0;
  for (const TCutPiece& p : Cut(input)) {
    EXPECT_GE(p.Loc_bkg.Left, 0);
    EXPECT_LE(p.Loc_bkg.Left, 800 - p.geometry.Width - 1);
    EXPECT_GE(p.Loc_bkg.Top, 0);
    EXPECT_LE(p.Loc_bkg.Top, 800 - p.geometry.Height - 1);
    EXPECT_GE(p.DistanceMoving, 10);
    EXPECT_LE(p.DistanceMoving, 29);
    EXPECT_GE(p.AngleRotation, 0);
    EXPECT_LE(p.AngleRotation, 89);
    maxMoving = std::max(maxMoving, p.DistanceMoving);
    maxTurn = std::max(maxTurn, p.AngleRotation);
  }
  EXPECT_GE(maxMoving, 25) << "a hundred draws of 10..29";
  EXPECT_GE(maxTurn, 60) << "a hundred draws of 0..89";
}

TEST(CutPicture, APieceAsLargeAsThePictureLiesAtItsEdge) {
  const std::vector<TCutPiece> pieces = Cut(Level(800, 800, 1, 2));
  EXPECT_EQ(pieces[1].geometry.Width, 800);
  EXPECT_EQ(pieces[1].Loc_bkg.Left, 0);
}

TEST(CutPicture, TheBoardConvertsTheScatterPoint) {
  TCutInput input = Level(800, 800, 2, 2);
  input.ControlToBitmap = [](QPoint p) { return QPoint(p.x() * 2 + 1, p.y() * 3); };
  SeedRandom(9);
  const std::vector<TCutPiece> pieces = Cut(input);
  SeedRandom(9);
  const int ry = Random(400), rx = Random(400);
  EXPECT_EQ(pieces[0].Loc_bkg.Left, rx * 2 + 1);
  EXPECT_EQ(pieces[0].Loc_bkg.Top, ry * 3);
}

TEST(CutPicture, IdleRunsAfterEveryPiece) {
  TFastShapes shapes;
  int calls = 0, elsewhere = 0;
  const std::thread::id caller = std::this_thread::get_id();
  CutPicture(Level(800, 800, 3, 2), shapes, [&] {
    ++calls;
    if (std::this_thread::get_id() != caller) ++elsewhere;
  });
  EXPECT_EQ(calls, 6);
  EXPECT_EQ(elsewhere, 0);
}

TEST(CutPicture, BadLevelsRaiseNamingThePiece) {
  struct Case {
    const char* name;
    std::function<void(TCutInput&)> spoil;
    const char* message;
  };
  const Case cases[] = {
      {"odd count", [](TCutInput& in) { in.outlines[5] = "200,200,600"; },
       "деталь 5 (ряд 1, столбец 1): в кривой 1 нечётное количество чисел (3)"},
      {"empty number", [](TCutInput& in) { in.outlines[6] = "200,,600,200"; },
       "деталь 6 (ряд 1, столбец 2): кривая 1: «» — не целое число"},
      {"empty outline", [](TCutInput& in) { in.outlines[3] = ""; },
       "деталь 3 (ряд 0, столбец 3): контур не охватывает клетку детали"},
      // The second half of the pieces is traced on another thread; the first failing piece is named all the same.
      {"in the second half", [](TCutInput& in) { in.outlines[13] = ""; },
       "деталь 13 (ряд 3, столбец 1): контур не охватывает клетку детали"},
      {"in both halves", [](TCutInput& in) { in.outlines[14] = in.outlines[2] = ""; },
       "деталь 2 (ряд 0, столбец 2): контур не охватывает клетку детали"},
      {"too few outlines", [](TCutInput& in) { in.outlines.resize(15); },
       "в уровне контуров деталей 15, а сетке 4 × 4 нужно 16"},
      {"no grid", [](TCutInput& in) { in.ColCount = 0; }, "в сетке 0 × 4 нет деталей"},
      {"picture too small", [](TCutInput& in) { in.picture = Picture(3, 800); },
       "картинка 3 × 800 точек мала для сетки 4 × 4"},
  };
  for (const Case& c : cases) {
    TCutInput input = Level(800, 800, 4, 4);
    c.spoil(input);
    try {
      Cut(input);
      ADD_FAILURE() << c.name << ": no error";
    } catch (const TCutError& e) {
      EXPECT_EQ(QString::fromUtf8(e.what()), QString::fromUtf8(c.message)) << c.name;
    }
  }
}
}  // namespace
