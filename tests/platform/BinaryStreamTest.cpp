// Little-endian reading and writing, and how damaged bytes are refused.
#include <gtest/gtest.h>

#include <QFile>

#include "platform/BinaryStream.h"
#include "support/TestFolder.h"

namespace {
TEST(BinaryStream, ReadsLittleEndianKinds) {
  TBinaryReader in(
      QByteArray::fromHex("feffffff"
                          "ffff"
                          "0000c03f"
                          "0000000000000080ff3f"
                          "0200000041001f04"));
  EXPECT_EQ(in.ReadInt32(), -2);
  EXPECT_EQ(in.ReadUInt16(), 65535);
  EXPECT_EQ(in.ReadFloat32(), 1.5f);
  EXPECT_EQ(in.ReadExt80(), 1.0L);
  EXPECT_EQ(in.ReadString(), QString::fromUtf8("AП"));
  EXPECT_EQ(in.Remaining(), 0);
}

TEST(BinaryStream, WriterProducesWhatReaderReads) {
  TBinaryWriter out;
  out.WriteInt32(-2);
  out.WriteUInt16(65535);
  out.WriteFloat32(1.5f);
  out.WriteExt80(1.0L);
  out.WriteString(QString::fromUtf8("AП"));
  EXPECT_EQ(out.Bytes().toHex(), QByteArray("feffffffffff0000c03f0000000000000080ff3f0200000041001f04"));
}

TEST(BinaryStream, EmptyStringIsJustTheCount) {
  TBinaryWriter out;
  out.WriteString(QString());
  EXPECT_EQ(out.Bytes().toHex(), QByteArray("00000000"));
  TBinaryReader in(out.Bytes());
  EXPECT_TRUE(in.ReadString().isEmpty());
}

struct DamageCase {
  const char* name;
  const char* hex;
};

// Each is read as one Int32 then one String.
const DamageCase kDamaged[] = {
    {"ends_inside_the_int", "0100"},
    {"ends_before_the_string_count", "01000000"},
    {"negative_string_count", "01000000ffffffff"},
    {"string_count_past_the_end", "0100000003000000410042"},
    {"absurd_string_count", "01000000ffffff7f4100"},
};

class DamagedBytes : public testing::TestWithParam<DamageCase> {};

TEST_P(DamagedBytes, AreRefusedWithAFormatError) {
  TBinaryReader in(QByteArray::fromHex(GetParam().hex));
  EXPECT_THROW(
      {
        in.ReadInt32();
        in.ReadString();
      },
      TBinaryFormatError);
}

INSTANTIATE_TEST_SUITE_P(Cases, DamagedBytes, testing::ValuesIn(kDamaged),
                         [](const testing::TestParamInfo<DamageCase>& info) { return info.param.name; });

TEST(BinaryStream, UInt16OutOfRangeIsRefusedNotWrapped) {
  TBinaryWriter out;
  EXPECT_THROW(out.WriteUInt16(65536), std::out_of_range);
  EXPECT_THROW(out.WriteUInt16(-1), std::out_of_range);
  EXPECT_TRUE(out.Bytes().isEmpty());
}

TEST(BinaryStream, AtomicWriteReplacesTheFileOrLeavesItWhole) {
  TestFolder folder;
  folder.Write("a.bin", "old");
  WriteFileAtomically(folder.File("a.bin"), "new bytes");
  QFile written(folder.File("a.bin"));
  ASSERT_TRUE(written.open(QIODevice::ReadOnly));
  EXPECT_EQ(written.readAll(), QByteArray("new bytes"));
  EXPECT_THROW(WriteFileAtomically(folder.File("missing/dir/a.bin"), "x"), std::runtime_error);
}
}  // namespace
