// INI files: encodings, case, blanks, comments and the first-key rule, as level packs write them.
#include <gtest/gtest.h>

#include "platform/IniFile.h"
#include "support/TestFolder.h"

namespace {
struct IniCase {
  const char* name;
  QByteArray bytes;
  const char* section;
  const char* key;
  QString expected;
};

QByteArray Utf16(const QString& text, bool littleEndian) {
  QByteArray bytes = littleEndian ? QByteArray("\xFF\xFE", 2) : QByteArray("\xFE\xFF", 2);
  for (QChar c : text) {
    const char low = static_cast<char>(c.unicode() & 0xFF), high = static_cast<char>(c.unicode() >> 8);
    bytes.append(littleEndian ? low : high).append(littleEndian ? high : low);
  }
  return bytes;
}

const QString kRussian = QString::fromUtf8("Пейзаж с озером");
const QString kLong = QString::fromUtf8("Длинное описание картины. ").repeated(12);

const IniCase kCases[] = {
    {"utf8_without_mark", "[S]\ninfo=" + kRussian.toUtf8() + "\n", "S", "info", kRussian},
    {"utf8_with_mark", "\xEF\xBB\xBF[S]\ninfo=" + kRussian.toUtf8() + "\n", "S", "info", kRussian},
    {"utf16le_with_mark", Utf16("[S]\r\ninfo=" + kRussian + "\r\n", true), "S", "info", kRussian},
    {"utf16be_with_mark", Utf16("[S]\r\ninfo=" + kRussian + "\r\n", false), "S", "info", kRussian},
    // "Пейзаж" in Windows-1251: not valid UTF-8, so read in the Cyrillic code page.
    {"windows1251_without_mark", "[S]\ninfo=\xCF\xE5\xE9\xE7\xE0\xE6\n", "S", "info", QString::fromUtf8("Пейзаж")},
    {"section_and_key_ignore_case", "[puzzlesettings]\nCOLCOUNT=3\n", "PuzzleSettings", "ColCount", "3"},
    {"blanks_around_key_and_value", "[S]\n   level   =   7   \n", "S", "level", "7"},
    {"indented_line_after_a_key_is_its_own_key", "[S]\npack=a\n  level=4\n", "S", "level", "4"},
    {"crlf_line_ends", "[S]\r\nlevel=5\r\npack=b\r\n", "S", "pack", "b"},
    {"lone_cr_line_ends", "[S]\rlevel=5\rpack=b\r", "S", "pack", "b"},
    {"comment_line_ignored", "[S]\n;level=1\nlevel=2\n", "S", "level", "2"},
    {"semicolon_inside_value_kept", "[S]\ninfo=a ; b\n", "S", "info", "a ; b"},
    {"equals_sign_inside_value_kept", "[S]\ninfo=a=b\n", "S", "info", "a=b"},
    {"first_occurrence_wins", "[S]\nlevel=1\nlevel=2\n", "S", "level", "1"},
    {"key_of_another_section_not_seen", "[T]\nlevel=1\n[S]\npack=x\n", "S", "level", "default"},
    {"key_before_any_section_not_seen", "level=1\n[S]\n", "S", "level", "default"},
    {"missing_key_gives_default", "[S]\n", "S", "level", "default"},
    {"empty_value_is_empty_not_default", "[S]\nlevel=\n", "S", "level", ""},
    {"value_longer_than_200_bytes_kept_whole", "[S]\ninfo=" + kLong.toUtf8() + "\nlevel=9\n", "S", "info",
     kLong.trimmed()},
    {"line_after_a_long_value_still_read", "[S]\ninfo=" + kLong.toUtf8() + "\nlevel=9\n", "S", "level", "9"},
};

class IniFileTable : public testing::TestWithParam<IniCase> {};

TEST_P(IniFileTable, ReadsTheValue) {
  const IniCase& c = GetParam();
  TestFolder folder;
  folder.Write("level.ini", c.bytes);
  const TIniFile ini(folder.File("level.ini"));
  EXPECT_EQ(ini.ReadString(c.section, c.key, "default"), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, IniFileTable, testing::ValuesIn(kCases),
                         [](const testing::TestParamInfo<IniCase>& info) { return info.param.name; });

TEST(IniFile, MissingFileIsAnErrorNamingIt) {
  TestFolder folder;
  try {
    TIniFile ini(folder.File("absent.ini"));
    FAIL() << "no error";
  } catch (const std::runtime_error& e) {
    EXPECT_TRUE(QString::fromStdString(e.what()).contains("absent.ini")) << e.what();
  }
}
}  // namespace
