// The saved game: exact layout, bit-identical round trips, safe replacement, and damaged files refused whole.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QtEndian>
#include <bit>
#include <cmath>
#include <functional>

#include "engine/PicPuzzle.h"
#include "engine/level/SavedGameFile.h"
#include "platform/Ext80.h"
#include "support/FileSizeLimit.h"
#include "support/GameFixture.h"

namespace {
// Offsets in a file whose strings are all empty: 19 four-byte header fields, then the first bitmap block.
constexpr int kCountAt = 72;
constexpr int kFirstBlockAt = 76;

QByteArray ReadFile(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

std::int32_t Int32At(const QByteArray& bytes, int at) {
  return qFromLittleEndian<std::int32_t>(bytes.constData() + at);
}
std::uint16_t UInt16At(const QByteArray& bytes, int at) {
  return qFromLittleEndian<std::uint16_t>(bytes.constData() + at);
}
void PutInt32(QByteArray& bytes, int at, std::int32_t v) { qToLittleEndian(v, bytes.data() + at); }
void PutUInt16(QByteArray& bytes, int at, std::uint16_t v) { qToLittleEndian(v, bytes.data() + at); }

std::unique_ptr<TBitmap32> Pattern(int w, int h, std::uint32_t seed) {
  auto bmp = std::make_unique<TBitmap32>(w, h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      std::uint32_t v = seed + 2654435761u * std::uint32_t(y * w + x + 1);
      v ^= v >> 13;
      // Every alpha appears, including 0 with colour behind it and 255.
      bmp->SetPixel(x, y, (v & 0x00FFFFFF) | std::uint32_t((x * 37 + y * 11 + seed) & 0xFF) << 24);
    }
  return bmp;
}

TPicClip Piece(int index, std::unique_ptr<TBitmap32> bmp, Ext80 angle) {
  TPicClip p;
  p.Width = bmp ? bmp->Width() : 0;
  p.Height = bmp ? bmp->Height() : 0;
  p.bmp = std::move(bmp);
  p.row = index / 2;
  p.col = index % 2;
  p.Top = 100 + index;
  p.Left = -7 - index;
  p.SpeedRotation = 10;
  p.AngleRotation = -3;
  p.DistanceMoving = 5 + index;
  p.Angle = angle;
  p.Loc_bkg = {12.5f, -0.0f, 1e-40f, 3.4e38f};
  p.Loc_list = {0, 0, 0, 0};
  p.IdLeft = index - 1;
  p.IdRight = index + 1;
  p.IdUp = -1;
  p.IdDown = 65536 + index;
  p.IndexAttach = index % 2 ? index : -1;
  p.Index = index;
  p.ID = QString("M 0 0 C %1 5 10 -5 20 0").arg(index);
  return p;
}

// A game whose every saved field holds a value of its own, with awkward texts and angles.
void FillGame(TPicPuzzle& g) {
  g.CompletePuzzle = "a.jpg b.jpg Ёлка.jpg ";
  g.GameStatus.PicLayer_Index = 2;
  g.GameStatus.timeint = 123;
  g.GameStatus.IdStep = stPaused;
  g.GameStatus.Score = 4567;
  g.GameStatus.ParentWidth = 711;
  g.GameStatus.ParentHeight = 620;
  g.dr = 9;
  g.da = 11;
  g.GameStatus.msg = QString("null ") + QChar(0xD83D) + QChar(0xDE00) + QChar(0xD800) + "\n\r";
  g.level = 14;
  g.ColCount = 3;
  g.RowCount = 2;
  g.speed_movie = 40;
  g.limtime = 900;
  g.Pack = "standart";
  g.Im_bkg_Path = "/home/игрок/levels/data/Ёлка.jpg";
  g.Im_bkg_Description = "Зимний лес";
  g.Pic.clear();
  g.Pic.push_back(Piece(0, Pattern(13, 7, 1), 358.75L));
  g.Pic.push_back(Piece(1, Pattern(1, 1, 2), -0.0L));
  g.Pic.push_back(Piece(2, nullptr, 12345.678901234567890123L));
  g.Pic.push_back(Piece(3, Pattern(40, 33, 3), std::nextafter(720.0L, 0.0L)));
}

void ExpectSameBits(float a, float b) { EXPECT_EQ(std::bit_cast<std::uint32_t>(a), std::bit_cast<std::uint32_t>(b)); }

void ExpectSameRect(const TFloatRect& a, const TFloatRect& b) {
  ExpectSameBits(a.Left, b.Left);
  ExpectSameBits(a.Top, b.Top);
  ExpectSameBits(a.Right, b.Right);
  ExpectSameBits(a.Bottom, b.Bottom);
}

void ExpectSameBitmap(const TBitmap32* a, const TBitmap32* b) {
  const int w = a ? a->Width() : 0, h = a ? a->Height() : 0;
  ASSERT_NE(b, nullptr);
  ASSERT_EQ(b->Width(), w);
  ASSERT_EQ(b->Height(), h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) ASSERT_EQ(b->Pixel(x, y), a->Pixel(x, y)) << "pixel " << x << "," << y;
}

void ExpectSamePiece(const TPicClip& a, const TPicClip& b) {
  ExpectSameBitmap(a.bmp.get(), b.bmp.get());
  EXPECT_EQ(b.row, a.row);
  EXPECT_EQ(b.col, a.col);
  EXPECT_EQ(b.Width, a.Width);
  EXPECT_EQ(b.Height, a.Height);
  EXPECT_EQ(b.Top, a.Top);
  EXPECT_EQ(b.Left, a.Left);
  EXPECT_EQ(b.SpeedRotation, a.SpeedRotation);
  EXPECT_EQ(b.AngleRotation, a.AngleRotation);
  EXPECT_EQ(b.DistanceMoving, a.DistanceMoving);
  EXPECT_EQ(LongDoubleToExt80(b.Angle), LongDoubleToExt80(a.Angle));
  ExpectSameRect(b.Loc_bkg, a.Loc_bkg);
  ExpectSameRect(b.Loc_list, a.Loc_list);
  EXPECT_EQ(b.IdLeft, a.IdLeft);
  EXPECT_EQ(b.IdRight, a.IdRight);
  EXPECT_EQ(b.IdUp, a.IdUp);
  EXPECT_EQ(b.IdDown, a.IdDown);
  EXPECT_EQ(b.IndexAttach, a.IndexAttach);
  EXPECT_EQ(b.Index, a.Index);
  EXPECT_EQ(b.ID, a.ID);
}

class SaveGameTest : public GameFixture {
 protected:
  void SetUp() override {
    GameFixture::SetUp();
    Puzzle.GameStatus.Fname = "puz.sav";
  }
  QString SavePath() const { return folder.File("puz.sav"); }

  // A game the load must leave alone when it refuses a file.
  void FillOtherGame() {
    Puzzle.GameStatus.Score = 77;
    Puzzle.Pack = "other";
    Puzzle.Pic.clear();
    Puzzle.Pic.push_back(Piece(5, Pattern(3, 3, 9), 1.0L));
  }

  void ExpectOtherGameUntouched() {
    EXPECT_EQ(Puzzle.GameStatus.Score, 77);
    EXPECT_EQ(Puzzle.Pack, "other");
    ASSERT_EQ(Puzzle.Pic.size(), 1u);
    EXPECT_EQ(Puzzle.Pic[0].Index, 5);
    ExpectSameBitmap(Pattern(3, 3, 9).get(), Puzzle.Pic[0].bmp.get());
  }
};

TEST_F(SaveGameTest, ALoadReadsBackEveryFieldAndPixelBitForBit) {
  TPicPuzzle expected;
  FillGame(expected);
  FillGame(Puzzle);
  Puzzle.GameStatus.Last_PicLayer_Index = 3;
  ASSERT_EQ(Puzzle.SaveStateGame(), 1);
  const QByteArray first = ReadFile(SavePath());

  FillOtherGame();
  Puzzle.CompletePuzzle = Puzzle.GameStatus.msg = Puzzle.Im_bkg_Path = "x";
  ASSERT_EQ(Puzzle.LoadStateGame(), 1);
  EXPECT_EQ(Puzzle.CompletePuzzle, expected.CompletePuzzle);
  EXPECT_EQ(Puzzle.GameStatus.PicLayer_Index, expected.GameStatus.PicLayer_Index);
  EXPECT_EQ(Puzzle.GameStatus.timeint, expected.GameStatus.timeint);
  EXPECT_EQ(Puzzle.GameStatus.IdStep, expected.GameStatus.IdStep);
  EXPECT_EQ(Puzzle.GameStatus.Score, expected.GameStatus.Score);
  EXPECT_EQ(Puzzle.GameStatus.ParentWidth, expected.GameStatus.ParentWidth);
  EXPECT_EQ(Puzzle.GameStatus.ParentHeight, expected.GameStatus.ParentHeight);
  EXPECT_EQ(Puzzle.dr, expected.dr);
  EXPECT_EQ(Puzzle.da, expected.da);
  EXPECT_EQ(Puzzle.GameStatus.msg, expected.GameStatus.msg);
  EXPECT_EQ(Puzzle.level, expected.level);
  EXPECT_EQ(Puzzle.ColCount, expected.ColCount);
  EXPECT_EQ(Puzzle.RowCount, expected.RowCount);
  EXPECT_EQ(Puzzle.speed_movie, expected.speed_movie);
  EXPECT_EQ(Puzzle.limtime, expected.limtime);
  EXPECT_EQ(Puzzle.Pack, expected.Pack);
  EXPECT_EQ(Puzzle.Im_bkg_Path, expected.Im_bkg_Path);
  EXPECT_EQ(Puzzle.Im_bkg_Description, expected.Im_bkg_Description);
  ASSERT_EQ(Puzzle.Pic.size(), expected.Pic.size());
  for (size_t i = 0; i < expected.Pic.size(); ++i) {
    SCOPED_TRACE(i);
    ExpectSamePiece(expected.Pic[i], Puzzle.Pic[i]);
  }
  // Not in the file, so the load keeps them.
  EXPECT_EQ(Puzzle.GameStatus.Last_PicLayer_Index, 3);
  EXPECT_EQ(Puzzle.GameStatus.Fname, "puz.sav");

  // Saving what was loaded writes the same bytes again.
  ASSERT_EQ(Puzzle.SaveStateGame(), 1);
  EXPECT_EQ(ReadFile(SavePath()), first);
  EXPECT_TRUE(messages.isEmpty());
}

TEST_F(SaveGameTest, SavingTwiceReplacesTheFileWithIdenticalBytes) {
  FillGame(Puzzle);
  ASSERT_EQ(Puzzle.SaveStateGame(), 1);
  const QByteArray first = ReadFile(SavePath());
  ASSERT_EQ(Puzzle.SaveStateGame(), 1);
  EXPECT_EQ(ReadFile(SavePath()), first);
  EXPECT_EQ(QDir(folder.Path()).entryList(QDir::Files), QStringList({"puz.sav"}));  // no temporary left
}

TEST_F(SaveGameTest, EmptyTextsAreFourZeroBytesAndNoPiecesEndTheFileAfterTheCount) {
  ASSERT_EQ(Puzzle.SaveStateGame(), 1);  // a fresh game: every text empty, msg aside
  Puzzle.GameStatus.msg.clear();
  ASSERT_EQ(Puzzle.SaveStateGame(), 1);
  const QByteArray bytes = ReadFile(SavePath());
  ASSERT_EQ(bytes.size(), kFirstBlockAt);
  for (int at : {0, 36, 60, 64, 68}) EXPECT_EQ(bytes.mid(at, 4), QByteArray(4, '\0')) << "text at " << at;
  EXPECT_EQ(Int32At(bytes, kCountAt), 0);

  FillOtherGame();
  ASSERT_EQ(Puzzle.LoadStateGame(), 1);
  EXPECT_TRUE(Puzzle.Pic.empty());
  EXPECT_TRUE(Puzzle.CompletePuzzle.isEmpty());
}

TEST_F(SaveGameTest, HeaderAndBitmapBlockLieWhereTheLayoutPutsThem) {
  Puzzle.GameStatus.PicLayer_Index = 102;
  Puzzle.GameStatus.timeint = 103;
  Puzzle.GameStatus.IdStep = 104;
  Puzzle.GameStatus.Score = 105;
  Puzzle.GameStatus.ParentWidth = 106;
  Puzzle.GameStatus.ParentHeight = 107;
  Puzzle.dr = 108;
  Puzzle.da = 109;
  Puzzle.GameStatus.msg.clear();
  Puzzle.level = 111;
  Puzzle.ColCount = 112;
  Puzzle.RowCount = 113;
  Puzzle.speed_movie = 114;
  Puzzle.limtime = 115;
  auto bmp = std::make_unique<TBitmap32>(3, 2);
  for (int i = 0; i < 6; ++i) bmp->SetPixel(i % 3, i / 3, 0x80112233u + i);
  Puzzle.Pic.push_back(Piece(0, std::move(bmp), 0));
  ASSERT_EQ(Puzzle.SaveStateGame(), 1);
  const QByteArray b = ReadFile(SavePath());

  for (int field = 2; field <= 15; ++field) {
    if (field != 10) {
      EXPECT_EQ(Int32At(b, (field - 1) * 4), 100 + field) << "header field " << field;
    }
  }
  EXPECT_EQ(Int32At(b, kCountAt), 1);
  const int at = kFirstBlockAt;
  struct Field {
    const char* name;
    int offset, size;
    std::int32_t value;
  };
  const Field fields[] = {{"type", 0, 2, 0x4D42},
                          {"file size", 2, 4, 3 * 2 * 4 + 54},
                          {"reserved", 6, 4, 0},
                          {"pixel offset", 10, 4, 54},
                          {"info size", 14, 4, 40},
                          {"width", 18, 4, 3},
                          {"height", 22, 4, -2},
                          {"planes", 26, 2, 1},
                          {"bits", 28, 2, 32},
                          {"compression", 30, 4, 0},
                          {"image size", 34, 4, 24},
                          {"x resolution", 38, 4, 0},
                          {"y resolution", 42, 4, 0},
                          {"colours used", 46, 4, 0},
                          {"important colours", 50, 4, 0}};
  for (const Field& f : fields)
    EXPECT_EQ(f.size == 2 ? UInt16At(b, at + f.offset) : Int32At(b, at + f.offset), f.value) << f.name;
  // Top row first, each pixel blue, green, red, alpha.
  EXPECT_EQ(b.mid(at + 54, 4), QByteArray("\x33\x22\x11\x80", 4));
  EXPECT_EQ(b.mid(at + 54 + 3 * 4, 4), QByteArray("\x36\x22\x11\x80", 4));
  // Then row, col, Width, Height, Top, Left.
  const int record = at + 54 + 24;
  EXPECT_EQ(Int32At(b, record + 8), 3);
  EXPECT_EQ(Int32At(b, record + 12), 2);
  EXPECT_EQ(Int32At(b, record + 16), 100);
  EXPECT_EQ(Int32At(b, record + 20), -7);
}

TEST_F(SaveGameTest, AZeroByZeroBitmapIsAHeaderAlone) {
  Puzzle.GameStatus.msg.clear();
  Puzzle.Pic.push_back(Piece(0, std::make_unique<TBitmap32>(), 0));
  ASSERT_EQ(Puzzle.SaveStateGame(), 1);
  const QByteArray b = ReadFile(SavePath());
  EXPECT_EQ(Int32At(b, kFirstBlockAt + 2), 54);
  EXPECT_EQ(Int32At(b, kFirstBlockAt + 18), 0);
  EXPECT_EQ(Int32At(b, kFirstBlockAt + 22), 0);
  EXPECT_EQ(Int32At(b, kFirstBlockAt + 54), 0);  // row follows at once
  FillOtherGame();
  ASSERT_EQ(Puzzle.LoadStateGame(), 1);
  ASSERT_EQ(Puzzle.Pic.size(), 1u);
  ASSERT_NE(Puzzle.Pic[0].bmp, nullptr);
  EXPECT_TRUE(Puzzle.Pic[0].bmp->Empty());
}

TEST_F(SaveGameTest, ABottomUpBitmapBlockLoadsRightWayUp) {
  Puzzle.GameStatus.msg.clear();
  Puzzle.Pic.push_back(Piece(0, Pattern(5, 4, 7), 0));
  const QByteArray topDown = SavedGameBytes(Puzzle);
  QByteArray bottomUp = topDown;
  PutInt32(bottomUp, kFirstBlockAt + 22, 4);
  const int pixels = kFirstBlockAt + 54, row = 5 * 4;
  for (int y = 0; y < 4; ++y) bottomUp.replace(pixels + y * row, row, topDown.mid(pixels + (3 - y) * row, row));
  folder.Write("puz.sav", bottomUp);
  FillOtherGame();
  ASSERT_EQ(Puzzle.LoadStateGame(), 1);
  ASSERT_EQ(Puzzle.Pic.size(), 1u);
  ExpectSameBitmap(Pattern(5, 4, 7).get(), Puzzle.Pic[0].bmp.get());
}

TEST_F(SaveGameTest, NoFileLoadsNothingAndSaysNothing) {
  FillOtherGame();
  EXPECT_EQ(Puzzle.LoadStateGame(), 0);
  ExpectOtherGameUntouched();
  EXPECT_TRUE(messages.isEmpty());
}

// Each damage applied to a good file with empty texts and one 2 × 2 piece.
struct Damage {
  const char* name;
  std::function<void(QByteArray&)> apply;
};

class DamagedSave : public SaveGameTest, public ::testing::WithParamInterface<Damage> {};

TEST_P(DamagedSave, IsRefusedWholeSetAsideAndTold) {
  Puzzle.GameStatus.msg.clear();
  Puzzle.Pic.push_back(Piece(0, Pattern(2, 2, 4), 5));
  QByteArray bytes = SavedGameBytes(Puzzle);
  GetParam().apply(bytes);
  folder.Write("puz.sav", bytes);
  FillOtherGame();

  EXPECT_EQ(Puzzle.LoadStateGame(), 0);
  ExpectOtherGameUntouched();
  ASSERT_EQ(messages.size(), 1);
  EXPECT_TRUE(messages[0].contains("повреждена")) << messages[0].toStdString();
  EXPECT_FALSE(QFile::exists(SavePath()));
  EXPECT_EQ(ReadFile(SavePath() + ".bad"), bytes);
}

const int kBlock = kFirstBlockAt;
INSTANTIATE_TEST_SUITE_P(
    SaveGame, DamagedSave,
    ::testing::Values(Damage{"EmptyFile", [](QByteArray& b) { b.clear(); }},
                      Damage{"EndsInTheHeader", [](QByteArray& b) { b.truncate(30); }},
                      Damage{"EndsInTheBitmap", [](QByteArray& b) { b.truncate(kBlock + 54 + 5); }},
                      Damage{"EndsOneByteShort", [](QByteArray& b) { b.chop(1); }},
                      Damage{"HasBytesAfterTheLastPiece", [](QByteArray& b) { b.append('\0'); }},
                      Damage{"NegativePieceCount", [](QByteArray& b) { PutInt32(b, kCountAt, -1); }},
                      Damage{"AbsurdPieceCount", [](QByteArray& b) { PutInt32(b, kCountAt, 0x7FFFFFFF); }},
                      Damage{"PieceCountOneTooMany", [](QByteArray& b) { PutInt32(b, kCountAt, 2); }},
                      Damage{"NegativeTextLength", [](QByteArray& b) { PutInt32(b, 0, -5); }},
                      Damage{"TextLongerThanTheFile", [](QByteArray& b) { PutInt32(b, 0, 1000000000); }},
                      Damage{"NotBM", [](QByteArray& b) { PutUInt16(b, kBlock, 0x4142); }},
                      Damage{"TwentyFourBits", [](QByteArray& b) { PutUInt16(b, kBlock + 28, 24); }},
                      Damage{"TwoPlanes", [](QByteArray& b) { PutUInt16(b, kBlock + 26, 2); }},
                      Damage{"Compressed", [](QByteArray& b) { PutInt32(b, kBlock + 30, 3); }},
                      Damage{"LargerInfoHeader", [](QByteArray& b) { PutInt32(b, kBlock + 14, 108); }},
                      Damage{"PixelsElsewhere", [](QByteArray& b) { PutInt32(b, kBlock + 10, 138); }},
                      Damage{"NegativeWidth", [](QByteArray& b) { PutInt32(b, kBlock + 18, -2); }},
                      Damage{"BitmapLargerThanTheFile",
                             [](QByteArray& b) {
                               PutInt32(b, kBlock + 18, 100000);
                               PutInt32(b, kBlock + 22, -100000);
                             }},
                      Damage{"LowestHeight", [](QByteArray& b) { PutInt32(b, kBlock + 22, INT32_MIN); }}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(SaveGameTest, ASaveThatCannotCompleteKeepsTheOldFileAndTellsThePlayer) {
  FillGame(Puzzle);
  Puzzle.Pic.resize(1);
  ASSERT_EQ(Puzzle.SaveStateGame(), 1);
  const QByteArray old = ReadFile(SavePath());
  FillGame(Puzzle);  // a bigger game than the disk now has room for

  int result = 0;
  {
    FileSizeLimit fullDisk(old.size() + 16);
    ASSERT_TRUE(fullDisk.Active());
    result = Puzzle.SaveStateGame();
  }
  EXPECT_NE(result, 1);
  EXPECT_EQ(ReadFile(SavePath()), old);
  EXPECT_EQ(QDir(folder.Path()).entryList(QDir::Files), QStringList({"puz.sav"}));
  ASSERT_EQ(messages.size(), 1);
  EXPECT_TRUE(messages[0].contains("puz.sav")) << messages[0].toStdString();
}

TEST_F(SaveGameTest, ASaveIntoAFolderThatIsNotThereFailsAndSaysSo) {
  Puzzle.GameStatus.Fname = "no-such-folder/puz.sav";
  EXPECT_NE(Puzzle.SaveStateGame(), 1);
  ASSERT_EQ(messages.size(), 1);
  EXPECT_TRUE(messages[0].contains("no-such-folder")) << messages[0].toStdString();
  EXPECT_FALSE(QDir(folder.File("no-such-folder")).exists());
}
}  // namespace
