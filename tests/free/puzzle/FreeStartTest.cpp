// Starting a free puzzle from a picture file: any format, the whole picture kept, and one Russian message naming
// the file and the reason for what cannot be a puzzle.
#include <gtest/gtest.h>

#include <QBuffer>
#include <random>

#include "FreeFixture.h"
#include "support/TestFolder.h"

namespace {
TEST(FreeStart, JpegAndPngBecomeWholePuzzles) {
  TestFolder folder;
  for (const char* name : {"photo.jpg", "drawing.png"}) {
    const QString file = folder.File(name);
    ASSERT_TRUE(FixturePicture(QSize(400, 300)).save(file));
    std::mt19937 random(4);
    const auto puzzle = StartFreePuzzle(file, 48, true, random);
    EXPECT_EQ(puzzle->Grid().Picture, QSize(400, 300)) << name;
    EXPECT_EQ(puzzle->Picture().size(), QSize(400, 300)) << name;
    EXPECT_EQ(static_cast<int>(puzzle->Pieces().size()), puzzle->Grid().Columns * puzzle->Grid().Rows);
    EXPECT_EQ(puzzle->Stacking().size(), puzzle->Pieces().size());
  }
}

// A picture larger than the kept limit is scaled down to it, whole.
TEST(FreeStart, KeepsALargePictureAtTheLimit) {
  TestFolder folder;
  const QString file = folder.File("wide.png");
  ASSERT_TRUE(FixturePicture(QSize(5000, 1000)).save(file));
  std::mt19937 random(4);
  const auto puzzle = StartFreePuzzle(file, 12, false, random);
  EXPECT_EQ(puzzle->Grid().Picture, QSize(4096, 819));
}

struct TRefusal {
  const char* name;
  QByteArray bytes;  // the file's contents; empty: no file at all
  int pieces;
  const char* reason;
};

QByteArray Png(QSize size) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  FixturePicture(size).save(&buffer, "PNG");
  return bytes;
}

class FreeStartRefused : public testing::TestWithParam<TRefusal> {};

TEST_P(FreeStartRefused, NamesTheFileAndTheReason) {
  const TRefusal& c = GetParam();
  TestFolder folder;
  const QString file = folder.File("картинка.png");
  if (!c.bytes.isEmpty()) folder.Write("картинка.png", c.bytes);
  std::mt19937 random(4);
  try {
    StartFreePuzzle(file, c.pieces, false, random);
    FAIL() << "no error";
  } catch (const TFreeError& e) {
    const QString text = QString::fromUtf8(e.what());
    EXPECT_TRUE(text.contains(file)) << e.what();
    EXPECT_TRUE(text.contains(QString::fromUtf8(c.reason))) << e.what();
  }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FreeStartRefused,
    testing::Values(TRefusal{"NoFile", {}, 48, "не открывается"},
                    TRefusal{"NotAPicture", "just some words", 48, "не картинка"},
                    TRefusal{"BrokenJpeg", QByteArray("\xFF\xD8\xFF\xE0 broken", 12), 48, "файл неполон"},
                    TRefusal{"TooFewPieces", Png(QSize(400, 300)), 11, "от 12 до 1000"},
                    TRefusal{"TooManyPieces", Png(QSize(400, 300)), 1001, "а не 1001"},
                    TRefusal{"TooSmallForTheCount", Png(QSize(100, 100)), 100, "мала для 100 деталей"}),
    [](const testing::TestParamInfo<TRefusal>& info) { return info.param.name; });
}  // namespace
