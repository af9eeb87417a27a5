// A level's INI keys: values, defaults, and errors that name the file and the key.
#include <gtest/gtest.h>

#include "engine/level/LevelSettings.h"
#include "support/TestFolder.h"

namespace {
const QByteArray kComplete =
    "[PuzzleSettings]\nlevel= 12 \npack=Природа\nimage=lake.jpg\ninfo=Озеро в горах\nColCount=4\nRowCount=3\n"
    "LimTime=600\nSpeed_Movie=80\n";

TEST(LevelSettings, ReadsEveryKey) {
  TestFolder folder;
  folder.Write("lake.ini", kComplete);
  const TLevelSettings s = ReadLevelSettings(folder.File("lake.ini"));
  EXPECT_EQ(s.level, 12);
  EXPECT_EQ(s.pack, QString::fromUtf8("Природа"));
  EXPECT_EQ(s.image, "lake.jpg");
  EXPECT_EQ(s.info, QString::fromUtf8("Озеро в горах"));
  EXPECT_EQ(s.ColCount, 4);
  EXPECT_EQ(s.RowCount, 3);
  EXPECT_EQ(s.LimTime, 600);
  EXPECT_EQ(s.Speed_Movie, 80);
}

TEST(LevelSettings, OptionalKeysTakeTheirDefaults) {
  TestFolder folder;
  folder.Write("a.ini", "[PuzzleSettings]\nColCount=2\nRowCount=2\nLimTime=60\nSpeed_Movie=0\n");
  const TLevelSettings s = ReadLevelSettings(folder.File("a.ini"));
  EXPECT_EQ(s.level, 0);
  EXPECT_EQ(s.pack, "standart");
  EXPECT_TRUE(s.image.isEmpty());
  EXPECT_TRUE(s.info.isEmpty());
}

struct BadKeyCase {
  const char* name;
  const char* key;       // replaced or removed
  const char* line;      // its new line, empty to remove it
  const char* mentions;  // what the message must say besides file and key
};

const BadKeyCase kBadKeys[] = {
    {"level_not_integer", "level", "level=first", "first"},
    {"level_fraction", "level", "level=1.5", "1.5"},
    {"level_beyond_int32", "level", "level=2147483648", "2147483648"},
    {"colcount_missing", "ColCount", "", "не задан"},
    {"rowcount_empty", "RowCount", "RowCount=", "не задан"},
    {"limtime_not_integer", "LimTime", "LimTime=10 min", "10 min"},
    {"speed_movie_hex", "Speed_Movie", "Speed_Movie=0x10", "0x10"},
};

class BadLevelKey : public testing::TestWithParam<BadKeyCase> {};

TEST_P(BadLevelKey, FailsNamingFileAndKey) {
  const BadKeyCase& c = GetParam();
  QByteArray text;
  for (const QByteArray& line : kComplete.split('\n')) {
    if (line.startsWith(QByteArray(c.key) + "="))
      text += QByteArray(c.line) + "\n";
    else
      text += line + "\n";
  }
  TestFolder folder;
  folder.Write("broken.ini", text);
  try {
    ReadLevelSettings(folder.File("broken.ini"));
    FAIL() << "no error";
  } catch (const TLevelError& e) {
    EXPECT_TRUE(e.Text().contains("broken.ini")) << e.what();
    EXPECT_TRUE(e.Text().contains(QString("«%1»").arg(c.key))) << e.what();
    EXPECT_TRUE(e.Text().contains(QString::fromUtf8(c.mentions))) << e.what();
  }
}

INSTANTIATE_TEST_SUITE_P(Cases, BadLevelKey, testing::ValuesIn(kBadKeys),
                         [](const testing::TestParamInfo<BadKeyCase>& info) { return info.param.name; });

TEST(LevelSettings, UnreadableFileIsALevelError) {
  TestFolder folder;
  EXPECT_THROW(ReadLevelSettings(folder.File("none.ini")), TLevelError);
}

TEST(LevelSettings, IntegersAreDecimalWithOptionalMinus) {
  const struct {
    const char* text;
    bool ok;
    int value;
  } cases[] = {{"0", true, 0},
               {"-7", true, -7},
               {"2147483647", true, 2147483647},
               {"-2147483648", true, -2147483647 - 1},
               {"2147483648", false, 0},
               {"", false, 0},
               {"-", false, 0},
               {"+5", false, 0},
               {"1e3", false, 0},
               {"٣", false, 0}};
  for (const auto& c : cases) {
    int value = 0;
    EXPECT_EQ(ParseLevelInteger(QString::fromUtf8(c.text), &value), c.ok) << c.text;
    if (c.ok) {
      EXPECT_EQ(value, c.value) << c.text;
    }
  }
}
}  // namespace
