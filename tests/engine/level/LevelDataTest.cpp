// The level data file: field order against a hand-made fixture, and refusal of damaged files.
#include <gtest/gtest.h>

#include "engine/level/LevelData.h"
#include "platform/BinaryStream.h"
#include "support/TestFolder.h"

namespace {
// One header and one record, each field spelled out in little-endian hex. The reserved fields carry values so a
// reader that takes them for something else shows it; the writer stores zeros and empty texts there instead.
QByteArray Fixture(bool reservedFilled) {
  const char* reservedInt = reservedFilled ? "07000000" : "00000000";
  const char* reservedInts = reservedFilled ? "01000000020000000300000004000000" : "00000000000000000000000000000000";
  const char* reservedText = reservedFilled ? "010000007800" : "00000000";
  QByteArray hex;
  hex += "ffffffff";  // PicLayer_Index -1
  hex += "02000000";  // timeint 2
  hex += "e7030000";  // IdStep 999
  hex += "c7020000";  // ParentWidth 711
  hex += "6c020000";  // ParentHeight 620
  hex += "0f000000";  // dr 15
  hex += "0a000000";  // da 10
  hex += reservedInt;
  hex += "020000006f006b00";  // msg "ok"
  hex += reservedInts;
  hex += reservedText;
  hex += "00000000";                          // reserved, empty
  hex += "01000000";                          // N
  hex += "01000000";                          // row 1
  hex += "02000000";                          // col 2
  hex += "ffff";                              // Width 65535
  hex += "2c01";                              // Height 300
  hex += "0500";                              // Top 5
  hex += "0600";                              // Left 6
  hex += "0a000000";                          // SpeedRotation 10
  hex += "fdffffff";                          // AngleRotation -3
  hex += "1d000000";                          // DistanceMoving 29
  hex += "00000000000000b40540";              // Angle 90
  hex += "0000c03f00000040000080bf00000000";  // Loc_bkg 1.5, 2, -1, 0
  hex +=
      "000048c4000000000000"
      "3ec400002042";             // Loc_list -800, 0, -760, 40
  hex += "ffff010002000300";      // IdLeft 65535, IdRight 1, IdUp 2, IdDown 3
  hex += "ffffffff";              // IndexAttach -1
  hex += "07000000";              // Index 7
  hex += "0300000031002c003200";  // ID "1,2"
  return QByteArray::fromHex(hex);
}

TEST(LevelData, ReadsEveryFieldInFileOrder) {
  const TLevelData d = ParseLevelData(Fixture(true));
  EXPECT_EQ(d.PicLayer_Index, -1);
  EXPECT_EQ(d.timeint, 2);
  EXPECT_EQ(d.IdStep, 999);
  EXPECT_EQ(d.ParentWidth, 711);
  EXPECT_EQ(d.ParentHeight, 620);
  EXPECT_EQ(d.dr, 15);
  EXPECT_EQ(d.da, 10);
  EXPECT_EQ(d.msg, "ok");
  ASSERT_EQ(d.Pic.size(), 1u);
  const TPicClip& p = d.Pic[0];
  EXPECT_EQ(p.row, 1);
  EXPECT_EQ(p.col, 2);
  EXPECT_EQ(p.Width, 65535);  // widened, not -1
  EXPECT_EQ(p.Height, 300);
  EXPECT_EQ(p.Top, 5);
  EXPECT_EQ(p.Left, 6);
  EXPECT_EQ(p.SpeedRotation, 10);
  EXPECT_EQ(p.AngleRotation, -3);
  EXPECT_EQ(p.DistanceMoving, 29);
  EXPECT_EQ(p.Angle, 90.0L);
  EXPECT_EQ(p.Loc_bkg.Left, 1.5f);
  EXPECT_EQ(p.Loc_bkg.Top, 2.0f);
  EXPECT_EQ(p.Loc_bkg.Right, -1.0f);
  EXPECT_EQ(p.Loc_bkg.Bottom, 0.0f);
  EXPECT_EQ(p.Loc_list.Left, -800.0f);
  EXPECT_EQ(p.Loc_list.Top, 0.0f);
  EXPECT_EQ(p.Loc_list.Right, -760.0f);
  EXPECT_EQ(p.Loc_list.Bottom, 40.0f);
  EXPECT_EQ(p.IdLeft, 65535);
  EXPECT_EQ(p.IdRight, 1);
  EXPECT_EQ(p.IdUp, 2);
  EXPECT_EQ(p.IdDown, 3);
  EXPECT_EQ(p.IndexAttach, -1);
  EXPECT_EQ(p.Index, 7);
  EXPECT_EQ(p.ID, "1,2");
  EXPECT_EQ(p.bmp, nullptr);
}

TEST(LevelData, WritesTheSameLayoutWithReservedFieldsCleared) {
  EXPECT_EQ(LevelDataBytes(ParseLevelData(Fixture(true))).toHex(), Fixture(false).toHex());
}

TEST(LevelData, NoRecordsGiveAnEmptyTable) {
  TLevelData empty;
  empty.dr = 20;
  const TLevelData d = ParseLevelData(LevelDataBytes(empty));
  EXPECT_TRUE(d.Pic.empty());
  EXPECT_EQ(d.dr, 20);
}

TEST(LevelData, WriterRefusesSizesThat16BitFieldsCannotHold) {
  TLevelData d;
  d.Pic.resize(1);
  d.Pic[0].Left = -5;  // a piece reaching left of the picture cannot be stored
  EXPECT_THROW(LevelDataBytes(d), std::out_of_range);
}

TEST(LevelData, EveryTruncationIsRefused) {
  const QByteArray whole = Fixture(true);
  for (qsizetype length = 0; length < whole.size(); ++length)
    EXPECT_THROW(ParseLevelData(whole.left(length)), TBinaryFormatError) << "cut at " << length;
}

struct BadCountCase {
  const char* name;
  const char* countHex;
};

const BadCountCase kBadCounts[] = {
    {"negative", "ffffffff"},
    {"absurd", "ffffff7f"},
    {"one_more_than_present", "02000000"},
};

class BadPieceCount : public testing::TestWithParam<BadCountCase> {};

TEST_P(BadPieceCount, IsRefusedBeforeAllocating) {
  QByteArray bytes = Fixture(true);
  const qsizetype countAt =
      bytes.indexOf(QByteArray::fromHex("0100000001000000020000"
                                        "00ffff"));
  ASSERT_GT(countAt, 0);
  bytes.replace(countAt, 4, QByteArray::fromHex(GetParam().countHex));
  EXPECT_THROW(ParseLevelData(bytes), TBinaryFormatError);
}

INSTANTIATE_TEST_SUITE_P(Cases, BadPieceCount, testing::ValuesIn(kBadCounts),
                         [](const testing::TestParamInfo<BadCountCase>& info) { return info.param.name; });

TEST(LevelData, FileErrorsNameTheFile) {
  TestFolder folder;
  folder.Write("short.level", Fixture(true).left(40));
  const struct {
    QString file;
    const char* says;
  } cases[] = {{folder.File("short.level"), "повреждён"}, {folder.File("absent.level"), "Нет файла"}};
  for (const auto& c : cases) {
    try {
      ReadLevelData(c.file);
      ADD_FAILURE() << "no error for " << c.file.toStdString();
    } catch (const TLevelError& e) {
      EXPECT_TRUE(e.Text().contains(c.file)) << e.what();
      EXPECT_TRUE(e.Text().contains(QString::fromUtf8(c.says))) << e.what();
    }
  }
}

TEST(LevelData, FileRoundTrip) {
  TestFolder folder;
  TLevelData d = ParseLevelData(Fixture(true));
  d.Pic.resize(3);
  d.Pic[2].ID = QString::fromUtf8("200,200,600,200;600,200,600,600");
  d.Pic[2].Angle = -12.5L;
  WriteLevelData(folder.File("x.level"), d);
  const TLevelData back = ReadLevelData(folder.File("x.level"));
  ASSERT_EQ(back.Pic.size(), 3u);
  EXPECT_EQ(back.Pic[0].ID, "1,2");
  EXPECT_EQ(back.Pic[2].ID, d.Pic[2].ID);
  EXPECT_EQ(back.Pic[2].Angle, -12.5L);
}
}  // namespace
